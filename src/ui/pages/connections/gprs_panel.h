#pragma once
// Page 10: what the three GPRS servers share (access point, DNS, event sources,
// connection strategy and timing, wait time of undelivered data).

#include "ui/pages/connections/panel_widgets.h"
#include "ui/pages/section_panel.h"

namespace zel {

class GprsSharedPanel : public SectionPanel {
    Q_OBJECT
public:
    explicit GprsSharedPanel(QWidget* parent = nullptr);

    void prepare(int page) override;
    void unpack(const DeviceImage& image, int page) override;
    void pack(DeviceImage& image, int page) override;
    void setUpOnce() override;

    // The image "Значения по умолчанию" works on. Unset, the window's own image is used.
    void attachImage(DeviceImage* image) { attachedImage_ = image; }

    // Event rules (also reachable from tests).
    void ComboBoxGPRSConnectionStrategyChange();
    void MaskEditConnectingPeriod_x5mExit();
    void MaskEditBlockTimeAtConnFault_minExit();
    void Button41Click();

    QLineEdit* EditAPN = nullptr;
    QLineEdit* EditGPRSUserName = nullptr;
    QLineEdit* EditGPRSPassword = nullptr;
    QLineEdit* MaskEditDNS1 = nullptr;
    QLineEdit* MaskEditDNS2 = nullptr;
    connections::SourceBoxes sources; // GroupBoxGPRSEvents
    QGroupBox* GroupBoxGPRSConnection = nullptr;
    QComboBox* ComboBoxGPRSConnectionStrategy = nullptr;
    QLabel* Label147 = nullptr;
    QLineEdit* MaskEditConnectingPeriod_x5m = nullptr;
    QLabel* Label146 = nullptr;
    QComboBox* ComboBoxOnlineTime_min = nullptr;
    QComboBox* ComboBoxPingPeriod_min = nullptr;
    QComboBox* ComboBoxConnectingTryNum = nullptr;
    QLineEdit* MaskEditBlockTimeAtConnFault_min = nullptr;
    QComboBox* ComboBoxGPRSTranspWaitTime = nullptr;
    QPushButton* Button41 = nullptr;

private:
    DeviceImage* targetImage();
    DeviceImage* attachedImage_ = nullptr;
};

} // namespace zel
