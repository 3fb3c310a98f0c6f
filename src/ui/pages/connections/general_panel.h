#pragma once
// Page 1: passwords, SIM PIN, SMS centre, who may send commands, dialling order,
// age limit of SMS commands, modem protocol, balance request and Modbus address.

#include "ui/pages/section_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace zel {

class GeneralConnectionPanel : public SectionPanel {
    Q_OBJECT
public:
    explicit GeneralConnectionPanel(QWidget* parent = nullptr);

    void unpack(const DeviceImage& image, int page) override;
    void pack(DeviceImage& image, int page) override;
    void setUpOnce() override;

    // Event rules (also reachable from tests).
    void CheckBoxSysPasswordClick();
    void EditModBusAddressExit();
    void applyBalancePreset(int preset); // 0..3: RadioButton1..4

    QCheckBox* CheckBoxSysPassword = nullptr;
    QLabel* Label84 = nullptr;
    QLineEdit* MaskEditSysPassword = nullptr;
    QLineEdit* MaskEditPassword = nullptr;
    QLineEdit* MaskEditDTMFPass = nullptr;
    QLineEdit* MaskEditPIN = nullptr;
    QLineEdit* MaskEditSMSCA = nullptr;
    QLabel* LabelModBusAddress = nullptr;
    QLineEdit* EditModBusAddress = nullptr;
    QCheckBox* CheckBoxACK = nullptr;
    QCheckBox* CheckBoxControlOnlyList = nullptr;
    QCheckBox* CheckBoxDTMFControlOnlyList = nullptr;
    QComboBox* ComboBoxOutdatedMsgTime = nullptr;
    QComboBox* ComboBoxCall2CallPauseX10S = nullptr;
    QComboBox* ComboBoxDialPriority = nullptr;
    QGroupBox* GroupBoxOutDataParam = nullptr;
    QComboBox* ComboBoxDATAProtocol = nullptr;
    QLabel* LabelDevId = nullptr;
    QLineEdit* MaskEditDevId = nullptr;
    QGroupBox* GroupBoxBalance = nullptr;
    QLineEdit* MaskEditBalansReqCMD = nullptr;
    QLineEdit* MaskEditBalansIdWord = nullptr;
    QLineEdit* EditBalansMinVal = nullptr;
    QLineEdit* EditReqPeriodH = nullptr;
    QGroupBox* GroupBoxPresets = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QRadioButton* RadioButton4 = nullptr;
    QLabel* StaticText1 = nullptr;
    QLabel* LabelSharedParWarningMsg = nullptr;
};

} // namespace zel
