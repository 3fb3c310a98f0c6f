#pragma once
// Page 17 ("Входы"): settings shared by all inputs, beside a drawing of the input
// terminals of the controller and its expansion board.

#include "ui/pages/section_panel.h"

class QComboBox;

namespace zel {

// The wiring picture of the input terminals, drawn with QPainter.
class InputTerminalsPicture : public QWidget {
    Q_OBJECT
public:
    explicit InputTerminalsPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

class InputsGeneralPanel : public SectionPanel {
    Q_OBJECT
public:
    explicit InputsGeneralPanel(QWidget* parent = nullptr);

    void prepare(int page) override;
    void unpack(const DeviceImage& image, int page) override;
    void pack(DeviceImage& image, int page) override;

    QComboBox* ComboBoxPortPwrSensAllOn;
    QComboBox* ComboBoxLoopPwrResetTime;
    QComboBox* ComboBoxNoScaningTimeAftArm;
    QComboBox* ComboBoxNoScaningTimeAftReset;
    InputTerminalsPicture* ImageZEL470InsTP207;
};

} // namespace zel
