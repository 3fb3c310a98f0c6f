#pragma once
// Page 16 ("Вход [Arm In]"): the Arm In settings (perimeter 1), the inputs watched
// in the protected mode and the table of 32 Touch-Memory keys.

#include "ui/pages/section_panel.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QTableWidget;

namespace zel {

namespace inputs {
class UpDownEdit;
}

class ArmInPanel : public SectionPanel {
    Q_OBJECT
public:
    static constexpr int kKeyRows = 32;
    static constexpr int kKeyCodeDigits = 16;

    explicit ArmInPanel(QWidget* parent = nullptr);

    void setUpOnce() override;
    void prepare(int page) override;
    void unpack(const DeviceImage& image, int page) override;
    void pack(DeviceImage& image, int page) override;

    // Key learning: `code` is the 16 upper-case hexadecimal digits of a key the
    // controller's reader has read. It goes into the first empty row, unless the
    // table holds it already or is full (the red label says which).
    void AddReadKey(const QString& code);

    // Live monitor hand-over while page 16 is shown.
    // A key is presented: the label is emptied, the title turns red, the key is learnt.
    void showPresentedKey(const QString& code);
    // No key on the reader (or a new cycle): the title returns to its normal colour.
    void showNoKeyPresented();
    // The controller refused the password: no key code can be read.
    void showKeyReadingRefused();

    // The key grid by its original coordinates: row 1..32, column 0..5 (column 0 the
    // row number, 1 the code, 2 the user name, 5 the profile); row 0 is the header.
    QString keyCell(int row, int column) const;
    void setKeyCell(int row, int column, const QString& text);
    // Check boxes of columns 3 (" О") and 4 (" Н").
    bool keyChecked(int row, int column) const;
    void setKeyChecked(int row, int column, bool on);
    // Row moving: the row at `from` is taken out and put in at `to` (1..32); the
    // other rows close up and column 0 is numbered again.
    void moveKeyRow(int from, int to);

    inputs::UpDownEdit* UpDownDelayARM;
    QComboBox* ComboBoxArmInMode;
    QComboBox* ComboBoxArmToRele[7];
    QComboBox* ComboBoxDisarmToRele[7];
    QComboBox* ComboBoxCDtoRele[7];
    QComboBox* ComboBoxRAtoRele[7];
    QComboBox* ComboBoxArmToProfile;
    QComboBox* ComboBoxDisarmToProfile;
    QComboBox* ComboBoxCDtoProfile;
    QComboBox* ComboBoxRAtoProfile;
    QCheckBox* CheckBoxRestrArmMode[16];
    QGroupBox* GroupBoxProtectModeLink;
    QGroupBox* GroupBoxCountdown;
    QGroupBox* GroupBoxArm;
    QGroupBox* GroupBoxDisarm;
    QGroupBox* GroupBoxProtected;
    QTableWidget* StringGrid1;
    QLabel* LabelTouchActionDiscription;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildKeyGrid();
    void numberRows(bool plain);
    void StringGrid1RowMoved(int fromRow, int toRow);
    QCheckBox* gridCheck(int row, int column) const;
    QLabel* cornerLabel_ = nullptr;
};

// Key code cell text <-> the stored 64-bit number: leading and trailing blanks are
// ignored; anything but 1 to 16 hexadecimal digits reads as 0 (an empty slot).
quint64 parseKeyCode(const QString& cell);
QString formatKeyCode(quint64 code);

} // namespace zel
