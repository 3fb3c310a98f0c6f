#pragma once
// Page 0 (Panel10): the controller's identity, its live state and the buttons that act
// on it at once. The buttons only emit requests; the window runs the command (monitor
// stopped, identify, password, DeviceControl) and reports into ActionName/TMPLabel.

#include "link/identity.h"
#include "monitor/status_block.h"
#include "ui/pages/section_panel.h"

#include <QByteArray>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QUrl>

#include <array>
#include <functional>

namespace zel {

class DevicePanel : public SectionPanel {
    Q_OBJECT
public:
    explicit DevicePanel(QWidget* parent = nullptr);

    void setUpOnce() override;
    void prepare(int page) override;

    // --- Identity group ---
    // Fills the ten labels (ShowIdentity). The version text for status bar panel 2 is
    // texts.version; the caller writes it there.
    void showIdentity(const IdentityTexts& texts);
    void showEmptyIdentity() { showIdentity(EmptyIdentityTexts()); }
    // The texts the labels show now (the checks and the support e-mail read these).
    IdentityTexts shownIdentity() const;

    // --- Status label of the workflows and commands ---
    void setActionText(const QString& text, quint32 rgb = 0xFF000000u);

    // --- Live displays, fed by the live monitor (UI thread) ---
    void showDeviceStatus(const StatusBlock& status);
    // Failed status read: signal 0, GSM state empty, guard mode empty, indicators off.
    void showDeviceStatusUnavailable();
    void showSignalLevel(int level);
    // Entry of the window's GsmStateTexts (values above 10 show entry 11); -1 empties.
    void showGsmState(int raw);
    // 0 НАБЛЮДЕНИЕ, 1 changing (blinks at every refresh), 2 ОХРАНА, 3 ЗАЩИТА, other: none.
    void showGuardMode(int mode);
    void showInputStates(std::uint16_t bits);
    void showOutputStates(std::uint8_t bits);
    void showBalance(bool available, float value);

    // Support e-mail: opens this URL (replaceable in tests).
    QUrl supportMailUrl() const;
    void setUrlOpener(std::function<void(const QUrl&)> opener) { openUrl_ = std::move(opener); }

    // Indicator colours.
    static QColor activeColour() { return QColor(0, 255, 0); }
    static QColor inactiveColour() { return QColor(0, 128, 0); }

    // Title
    QLabel* Label30 = nullptr;

    // Identity group " Идентификатор устройства "
    QGroupBox* GroupBoxDevId = nullptr;
    QLabel* iDeviceNameLabel = nullptr;
    QLabel* iModificationLabel = nullptr;
    QLabel* iHardVerLabel = nullptr;
    QLabel* iSoftVerLabel = nullptr;
    QLabel* iBLLabel = nullptr;
    QLabel* iDateLabel = nullptr;
    QLabel* iLabelCountryCode = nullptr;
    QLabel* iLabelDevSNLocked = nullptr;
    QLabel* iGSMIMEILabel = nullptr;
    QLabel* iLabelDevSN = nullptr;

    // GSM
    QProgressBar* ProgressBarSignalQuality = nullptr;
    QLabel* LabelGSMState = nullptr;
    QLabel* LabelBalans = nullptr;

    // Guard mode group " Режим "
    QGroupBox* GroupBoxMaunPerimInfo = nullptr;
    QLabel* PanelArmDisarmStatus = nullptr;
    QPushButton* Button18 = nullptr; // Охрана
    QPushButton* Button19 = nullptr; // Наблюдение
    QPushButton* Button22 = nullptr; // Защита

    // Inputs " Состояние входов "
    QGroupBox* GroupBoxInputIndicator = nullptr;
    std::array<QLabel*, 16> PanelLed{};         // PanelLed1..PanelLed16
    std::array<QPushButton*, 16> inputButton{}; // Button25.. for inputs 1..16 (Tag = input - 1)
    std::array<QLabel*, 16> inputLabel{};
    QPushButton* Button33 = nullptr;            // the lowest simulation button row

    // Outputs " Состояние выходов "
    QGroupBox* GroupBoxOutputIndicator = nullptr;
    std::array<QLabel*, 7> PanelOut{};       // PanelOut1..PanelOut7
    std::array<QLabel*, 7> outputLabel{};    // R1, R2, O1..O5 (Label121..Label127)
    std::array<QPushButton*, 7> onButton{};  // Button4, 6, ..., 16
    std::array<QPushButton*, 7> offButton{}; // Button5, 7, ..., 17

    // Scenario group " Выполнить сценарий на выходе "
    QComboBox* ComboBoxTestOut = nullptr;
    QComboBox* ComboBoxTestScen = nullptr;
    QPushButton* Button20 = nullptr;

    QLabel* ActionName = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QCheckBox* CheckBoxClearSaveArea = nullptr;
    QLabel* TMPLabel = nullptr;
    QPushButton* Button21 = nullptr; // support e-mail

signals:
    // A DeviceControl payload (3 bytes) the user asked to send.
    void deviceCommandRequested(const QByteArray& payload);

private:
    void buildIdentityGroup();
    void buildGsmGroup();
    void buildModeGroup();
    void buildInputGroup();
    void buildOutputGroup();
    void buildScenarioGroup();
    void buildBottom();
    void Button21Click();

    bool blinkOn_ = false;
    std::function<void(const QUrl&)> openUrl_;
};

} // namespace zel
