#pragma once
// Pages 41 to 49: the profiles explanation (PanelProfileMain) and one profile record
// (PanelProfile): name, alarm-zone borders of inputs 1..14, output reactions.

#include "ui/pages/section_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSlider>

#include <array>

namespace zel {

class ProfilesMainPanel : public SectionPanel {
    Q_OBJECT
public:
    explicit ProfilesMainPanel(QWidget* parent = nullptr);
    QPlainTextEdit* Memo1 = nullptr;
};

// General number format with `digits` significant digits, shortest form, in the
// user's decimal separator.
QString generalNumber(double value, int digits);

class ProfilePanel : public SectionPanel {
    Q_OBJECT
public:
    static constexpr int kFirstPage = 42;
    static constexpr int kInputRows = 14;
    static constexpr int kOutputs = 7;

    explicit ProfilePanel(QWidget* parent = nullptr);
    void unpack(const DeviceImage& image, int page) override;
    void pack(DeviceImage& image, int page) override;

    // Recomputes the value labels of row i (0-based) from the bars and the input's type
    // and range as last unpacked.
    void refreshRowLabels(int row);

    struct InputRow {
        QCheckBox* check = nullptr;
        QSlider* upper = nullptr;
        QSlider* lower = nullptr;
        QLabel* upperValue = nullptr;
        QLabel* lowerValue = nullptr;
    };

    QComboBox* ComboBoxProfileName = nullptr;
    QGroupBox* ProfInputsGroupBox = nullptr;
    QFrame* Bevel26 = nullptr;
    QGroupBox* reactionsGroup = nullptr;
    std::array<InputRow, kInputRows> rows{};
    std::array<QComboBox*, kOutputs> ComboBoxProfileToR{};

private:
    void upperMoved(int row);
    void lowerMoved(int row);

    struct InputScale {
        int type = 1;
        double min = 0;
        double max = 10;
    };
    std::array<InputScale, kInputRows> scales_{};
};

} // namespace zel
