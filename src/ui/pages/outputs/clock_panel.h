#pragma once
// Page 14: time zone and summer time, the content of the information message, the
// eight-row task scheduler grid and the live clock group.

#include "ui/pages/section_panel.h"

#include <QByteArray>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <array>
#include <atomic>
#include <functional>

namespace zel {

class ClockSchedulerPanel : public SectionPanel {
    Q_OBJECT
public:
    static constexpr int kRows = 8;
    static constexpr int kColumns = 14;

    explicit ClockSchedulerPanel(QWidget* parent = nullptr);

    void setUpOnce() override;
    void prepare(int page) override;
    void unpack(const DeviceImage& image, int page) override;
    void pack(DeviceImage& image, int page) override;

    // --- Live clock, fed by the live monitor (call on the UI thread) ---

    // Shows the controller clock read from the status block; ignored while the user
    // edits the controller-time field. Each value prints as tens and units
    // (5 -> "05"; 100 or more gives three digits).
    void showControllerTime(int year, int month, int day, int hour, int minute, int second);
    // Shows the computer's local time, "dd.mm.yy hh:mm:ss".
    void showComputerTime(const QDateTime& now);
    // True while MaskEditContrCurTime has the focus. Safe to read from any thread.
    bool isEditingControllerTime() const { return editing_.load(); }
    // The controller-time text taken when the field last lost the focus; empty when
    // nothing is pending.
    QString pendingClockText() const { return pendingClock_; }
    // The command code calls this after a set attempt (successful or not).
    void clearPendingClockText() { pendingClock_.clear(); }
    // Text of the controller-time field with the unfilled positions as blanks.
    QString controllerTimeText() const;
    QString computerTimeText() const;

    // Six-byte clock payload (year, month, day, hour, minute, second) from a text laid
    // out "dd.mm.yy hh:mm:ss": each number read up to its first non-digit after
    // optional leading blanks, a blank field reads 0.
    static QByteArray clockPayload(const QString& text);
    // Empty when the typed clock passes the checks, else the message to show.
    static QString clockCheckMessage(const QString& text);

    // Message shown when a typed clock is refused (default: a warning box).
    void setWarningHandler(std::function<void(const QString& caption, const QString& text)> handler)
    {
        warn_ = std::move(handler);
    }

    // Grid access for the page's own code and tests: grid cell (column, row) text.
    QString cellText(int column, int row) const;
    QTableWidget* grid() const { return StringGrid3; }

    QComboBox* ComboBoxTimeZone = nullptr;
    QCheckBox* CheckBoxDSTEnable = nullptr;
    QGroupBox* GroupBoxInfoMsgContent = nullptr;
    std::array<QCheckBox*, 16> CheckBoxInfoIn{};
    std::array<QCheckBox*, 7> CheckBoxInfoR{};
    QTableWidget* StringGrid3 = nullptr;
    QLineEdit* MaskEditContrCurTime = nullptr;
    QLineEdit* MaskEditCompCurTime = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;

    // Per scheduler row (index 0 = row 1): the controls laid over the grid's cells.
    std::array<QCheckBox*, kRows> rowEnabled{};
    std::array<std::array<QCheckBox*, 7>, kRows> rowDays{};
    std::array<QCheckBox*, kRows> rowTest{};
    std::array<QCheckBox*, kRows> rowInfo{};
    std::array<QComboBox*, kRows> ComboBoxActionGr{};
    std::array<QComboBox*, kRows> ComboBoxParamGr{};

    // Column 12 change rule of one row (0-based): the reaction list is shown only for
    // output actions; otherwise it is hidden and reset to its first item.
    void ComboBoxActionGrChange(int row);

signals:
    // "Установить" pressed with a typed clock that passed the checks.
    void setClockRequested(const QByteArray& payload);
    // "Синхро.": set the controller clock to the computer-time field's value.
    void synchroniseClockRequested(const QByteArray& payload);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildClockGroup();
    void buildInfoGroup();
    void buildSchedulerGroup();
    void setUpGrid();
    void packRow(DeviceImage& image, int row) const;
    void unpackRow(const DeviceImage& image, int row);
    void Button2MouseDown();
    void Button3Click();

    QGroupBox* clockGroup_ = nullptr;
    QGroupBox* schedulerGroup_ = nullptr;
    bool gridReady_ = false;
    std::atomic<bool> editing_{false};
    QString pendingClock_;
    std::function<void(const QString&, const QString&)> warn_;
};

} // namespace zel
