#pragma once
// Pages 2 to 9: one connection record each (phone number, voice and SMS notification,
// event sources, group, connection type, reaction to an incoming call). The eight
// pages share this panel; the page index selects the record.

#include "ui/pages/connections/panel_widgets.h"
#include "ui/pages/section_panel.h"

namespace zel {

class ConnectionPanel : public SectionPanel {
    Q_OBJECT
public:
    explicit ConnectionPanel(QWidget* parent = nullptr);

    void prepare(int page) override;
    void unpack(const DeviceImage& image, int page) override;
    void pack(DeviceImage& image, int page) override;
    void setUpOnce() override;

    // Connection n (1-8) of tree page n + 1.
    static int recordOfPage(int page) { return page - 1; }

    // Event rules (also reachable from tests).
    void ComboBoxIncomungCallActionChange();
    void ComboBoxConnectionTypeChange();
    // A voice source box clicked by the user.
    void voiceSourceClicked(QCheckBox* box);

    // Group tag of a voice source box for the exclusive "Голосовое PB" rule.
    static int voiceSourceTag(const QString& boxName);

    QLineEdit* MaskEditPhone = nullptr;
    QComboBox* ComboBoxGroupNum = nullptr;
    QLabel* LabelConnType = nullptr;
    QComboBox* ComboBoxConnectionType = nullptr;
    QLabel* Label85 = nullptr;
    QComboBox* ComboBoxTransportPriority = nullptr;
    QCheckBox* CheckBoxThroughChannelEn = nullptr;
    QComboBox* ComboBoxIncomungCallAction = nullptr;
    QGroupBox* GroupBoxInCallToOutsAction = nullptr;
    QComboBox* ComboBoxICToOUOutN = nullptr;
    QComboBox* ComboBoxICToOUScnN = nullptr;

    QGroupBox* GroupBoxVoice = nullptr;
    QCheckBox* CheckBoxCallEn = nullptr;
    QCheckBox* CheckBoxNotACK = nullptr;
    QComboBox* ComboBoxOnLineTime = nullptr;
    QComboBox* ComboBoxDialTranspWaitTime = nullptr;
    connections::SourceBoxes voiceSources;

    QGroupBox* GroupBoxSMS = nullptr;
    QCheckBox* CheckBoxSMSEn = nullptr;
    QCheckBox* CheckBoxDebugMode = nullptr;
    QCheckBox* CheckBoxJointUse = nullptr;
    QLabel* LabelProtocolAlias = nullptr;
    QComboBox* ComboBoxLang = nullptr;
    QComboBox* ComboBoxUserId = nullptr;
    QComboBox* ComboBoxSMSTranspWaitTime = nullptr;
    connections::SourceBoxes smsSources;
};

} // namespace zel
