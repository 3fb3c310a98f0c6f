#pragma once
// Page 15 ("Питание, температура, индикация, контроль вскрытия"): reactions to the
// controller's own condition, with the live main supply, battery and board
// temperature filled by the live monitor.

#include "ui/pages/section_panel.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QSlider;

namespace zel {

class PowerPanel : public SectionPanel {
    Q_OBJECT
public:
    explicit PowerPanel(QWidget* parent = nullptr);

    void setUpOnce() override;
    void prepare(int page) override;
    void unpack(const DeviceImage& image, int page) override;
    void pack(DeviceImage& image, int page) override;

    // Live displays, fed from the status block while page 15 is shown.
    // Battery charge byte: 0..100 percent, 254 battery test running, other values no battery.
    void showBatteryCharge(int charge);
    // Main supply byte in 0.1 V units (values below 5 count as 0).
    void showMainSupply(int tenthsOfVolt);
    // Board temperature: available flag and signed degrees Celsius.
    void showBoardTemperature(bool available, int celsius);
    // A failed status read: battery and main supply shown as 0.
    void showStatusUnavailable();

    QComboBox* ComboBoxPowerSignAverTime;
    QComboBox* ComboBoxRecoveryTime;
    QCheckBox* CheckBoxExtPowerFault;
    QCheckBox* CheckBoxExtPowerRec;
    QCheckBox* CheckBoxAsFaultSendGPSPos;
    QComboBox* ComboBoxFltBrdArriveOut;
    QComboBox* ComboBoxFltBrdArriveScn;
    QComboBox* ComboBoxFltBrdRecoveryOut;
    QComboBox* ComboBoxFltBrdRecoveryScn;
    QLabel* LabelMainPower;
    QProgressBar* ProgressBarMainPower;

    QSlider* TrackBarDischargeWarn;  // first border
    QSlider* TrackBarDischargeAlarm; // second border
    QLabel* Label4;
    QLabel* Label14;
    QCheckBox* CheckBoxBatteryDischargeWarnEventEn;
    QCheckBox* CheckBoxBatteryDischargeAlarmEventEn;
    QCheckBox* CheckBoxAsDischargeSendGPSPos;
    QComboBox* ComboBoxDischWarnBrdArrOut;
    QComboBox* ComboBoxDischWarnBrdArrScn;
    QComboBox* ComboBoxDischAlarmBrdArrOut;
    QComboBox* ComboBoxDischAlarmBrdArrScn;
    QProgressBar* ProgressBarBatCharge;
    QLabel* Label17;
    QLabel* LabelBatMsg;

    QComboBox* ComboBoxIndFunction;
    QCheckBox* CheckBoxAlarmBlinking;
    QCheckBox* CheckBoxDisableLedsAtCoverClose;
    QCheckBox* CheckBoxShowActiveInsToArmOut;

    QCheckBox* CheckBoxTemperatureEvent;
    QSlider* TrackBarTemperatHiBorder;
    QSlider* TrackBarTemperatLowBorder;
    QLabel* LabelHiBorder;
    QLabel* LabelLowBorder;
    QLabel* LabelTemperature;
    QProgressBar* ProgressBarModemTemperature;
    QLabel* LabelTempCurVal;
    QComboBox* ComboBoxHiBorderLevel;
    QComboBox* ComboBoxHiBorderOut;
    QComboBox* ComboBoxHiBorderScn;
    QComboBox* ComboBoxLoBorderLevel;
    QComboBox* ComboBoxLoBorderOut;
    QComboBox* ComboBoxLoBorderScn;

    QCheckBox* CheckBoxTamperEnable;
    QCheckBox* CheckBoxTamperInversion;
    QComboBox* ComboBoxTamperActOutN;
    QComboBox* ComboBoxTamperActScnN;

private:
    void TrackBarDischargeWarnChange();
    void TrackBarDischargeAlarmChange();
    void TrackBarTemperatHiBorderChange();
    void TrackBarTemperatLowBorderChange();
    void ComboBoxHiBorderLevelChange();
    void ComboBoxLoBorderLevelChange();
    void fillLevelList(QComboBox* list);
};

} // namespace zel
