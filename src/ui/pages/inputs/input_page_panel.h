#pragma once
// Pages 18 to 31 ("Вход 1" to "Вход 14"): one layout, Panel6, showing input record
// n = page - 17. Besides the stored settings it shows the live reading of the input
// (borders and value in the input's unit, the live colour), the unit switch and the
// calibration of analogue inputs.

#include "ui/pages/section_panel.h"

#include <QColor>

class QComboBox;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSlider;
class QFrame;
class QGroupBox;

namespace zel {

namespace inputs {
class UpDownEdit;
}

class InputPagePanel : public SectionPanel {
    Q_OBJECT
public:
    explicit InputPagePanel(QWidget* parent = nullptr);

    void setUpOnce() override;
    void prepare(int page) override;
    void unpack(const DeviceImage& image, int page) override;
    void pack(DeviceImage& image, int page) override;
    // RefreshInputReadouts: unit button, analogue panel and the three readout labels
    // from the current controls. The window calls it after every page switch.
    void refreshReadouts() override;

    // Live monitor hand-over while an input page is shown: raw is the input's reading
    // 0..4095 (0 when the monitor has none), valid whether it is a real reading.
    void ShowLiveInputValue(int raw, bool valid);
    // Recomputes the live colour (once a valid reading has been seen) and paints the
    // current value label with it.
    void UpdateLiveColour(bool newValue);
    QColor liveColour() const { return liveColour_; }
    bool liveValueSeen() const { return liveValueSeen_; }

    // Shifts the value range so that the present reading shows `desired`.
    void applyCalibration(double desired);

    // Input number shown by a page (page 17 + n).
    static int inputOfPage(int page) { return page - 17; }

    QComboBox* ComboBoxSensType;
    QComboBox* ComboBoxSensName;
    QComboBox* ComboBoxSensActSt;
    QComboBox* ComboBoxSensPassSt;
    QComboBox* ComboBoxAverageTime;
    QComboBox* ComboBoxSensActLevel;
    QCheckBox* CheckBox24HZone;
    inputs::UpDownEdit* UpDownRecoveryTime;
    QLineEdit* EditRecoveryTime;
    QComboBox* ComboBoxDelayTime;
    QComboBox* ComboBoxReleToAlarm;
    QSlider* TrackBarLoBarrier;
    QSlider* TrackBarHiBarrier;
    QProgressBar* ProgressBarCurrentVal;
    QLabel* LabelHiBarrier;
    QLabel* LabelLoBarrier;
    QLabel* LabelCurrentVal;
    QPushButton* ButtonVoltPerc;
    QFrame* PanelAnalogue;
    QLineEdit* MaskEditMinVal;
    QLineEdit* MaskEditMaxVal;
    QComboBox* ComboBoxActiveTriggerNum;
    QCheckBox* CheckBoxNotArmingAsActive;
    QComboBox* ComboBoxListenNum;
    QComboBox* ComboBoxSensorPwrSource;
    QComboBox* ComboBoxAlarmTry;
    QComboBox* ComboBoxActArmDisMode;
    QComboBox* ComboBoxPassArmDisMode;
    QComboBox* ComboBoxAlarmDelayTime;
    QCheckBox* CheckBoxActiveToGPS;
    QComboBox* ComboBoxActRele[7];
    QComboBox* ComboBoxPassRele[7];
    QLabel* StaticText2;

protected:
    // Opens TFormCalibration; true with the desired value on OK.
    virtual bool askCalibrationValue(double& desired);

private:
    void buildPage();
    void ComboBoxSensTypeChange();
    void TrackBarHiBarrierChange();
    void TrackBarLoBarrierChange();
    void ButtonVoltPercClick();
    void setRangeText(QLineEdit* edit, const QString& text);

    QColor liveColour_;
    bool liveValueSeen_ = false;
};

} // namespace zel
