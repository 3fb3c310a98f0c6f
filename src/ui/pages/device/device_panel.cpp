#include "ui/pages/device/device_panel.h"

#include <cstring>

#include "ui/interface_texts.h"
#include "ui/pages/device/device_commands.h"

#include <QDesktopServices>
#include <QLocale>
#include <QPalette>

namespace zel {

namespace {

// Design texts shown before the first identification.
const QString kDashName = QStringLiteral("- - - - - - - -");
const QString kDashVersion = QStringLiteral("- - . - -");
const QString kDashDate = QStringLiteral("- -  - -  - - - -");
const QString kDashCountry = QStringLiteral("- - -");
const QString kDashImei = QStringLiteral("- - - - - - - - - - - - - - -");
const QString kDashIdentifier =
    QStringLiteral("- - - - - - - -  - - - - - - - -  - - - - - - - -  - - - - - - - -  ");

const QString kBalancePrefix = QStringLiteral("Баланс лицевого счета: ");
const QString kSimulateHint = QStringLiteral("Имитировать активизацию входа");

QGroupBox* group(QWidget* parent, const char* name, const QString& title, const QRect& r)
{
    auto* g = new QGroupBox(title, parent);
    g->setObjectName(QLatin1String(name));
    g->setGeometry(r);
    return g;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& r)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(r);
    return l;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text, const QRect& r)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(r);
    return b;
}

QLabel* indicator(QWidget* parent, const QString& name, const QRect& r)
{
    auto* l = label(parent, name, QString(), r);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAutoFillBackground(true);
    return l;
}

void paint(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
}

QProgressBar* bar(QWidget* parent, const char* name, int max, const QRect& r)
{
    auto* b = new QProgressBar(parent);
    b->setObjectName(QLatin1String(name));
    b->setRange(0, max);
    b->setValue(0);
    b->setTextVisible(false);
    b->setGeometry(r);
    return b;
}

// Simulation button of input n (1-16); the numbering of the form is not sequential.
QString inputButtonName(int n)
{
    int number = n <= 9 ? 24 + n : 25 + n; // 1-9: Button25-33, 10-14: Button35-39
    if (n == 15)
        number = 40;
    if (n == 16)
        number = 34;
    return QStringLiteral("Button%1").arg(number);
}

} // namespace

DevicePanel::DevicePanel(QWidget* parent) : SectionPanel(QStringLiteral("Panel10"), QStringLiteral("Label30"), parent)
{
    Label30 = title_;
    buildIdentityGroup();
    buildGsmGroup();
    buildModeGroup();
    buildScenarioGroup();
    buildInputGroup();
    buildOutputGroup();
    buildBottom();
}

// Names of the identity captions, as the language file addresses them.
static QString captionName(const char* valueName)
{
    static const std::pair<const char*, const char*> names[] = {
        {"iDeviceNameLabel", "Label48"}, {"iModificationLabel", "Label51"}, {"iHardVerLabel", "Label52"},
        {"iSoftVerLabel", "Label54"},    {"iBLLabel", "Label22"},           {"iDateLabel", "Label55"},
        {"iLabelCountryCode", "Label105"}, {"iGSMIMEILabel", "Label56"},    {"iLabelDevSN", "Label68"},
    };
    for (const auto& [value, caption] : names)
        if (std::strcmp(value, valueName) == 0)
            return QString::fromLatin1(caption);
    return QStringLiteral("Caption_") + QLatin1String(valueName);
}

void DevicePanel::buildIdentityGroup()
{
    GroupBoxDevId = group(this, "GroupBox15", QStringLiteral(" Идентификатор устройства "), QRect(4, 30, 700, 116));
    auto row = [&](const char* caption, const char* name, const QString& design, int x, int y, int capW, int valW) {
        label(GroupBoxDevId, captionName(name), QString::fromUtf8(caption), QRect(x, y, capW, 18));
        return label(GroupBoxDevId, QLatin1String(name), design, QRect(x + capW + 2, y, valW, 18));
    };
    // Column 1: what the version checks read.
    iDeviceNameLabel = row("Устройство:", "iDeviceNameLabel", kDashName, 8, 18, 126, 92);
    iModificationLabel = row("Модификация:", "iModificationLabel", kDashName, 8, 36, 126, 92);
    iHardVerLabel = row("Аппаратная вер.:", "iHardVerLabel", kDashVersion, 8, 54, 126, 92);
    iSoftVerLabel = row("Микропрограмма:", "iSoftVerLabel", kDashVersion, 8, 72, 126, 92);
    iBLLabel = row("Версия загрузчика:", "iBLLabel", kDashVersion, 8, 90, 126, 92);
    // Column 2.
    iDateLabel = row("Дата:", "iDateLabel", kDashDate, 236, 18, 78, 150);
    iLabelCountryCode = row("Код страны:", "iLabelCountryCode", kDashCountry, 236, 36, 78, 150);
    iGSMIMEILabel = row("GSM IMEI:", "iGSMIMEILabel", kDashImei, 236, 54, 78, 150);
    // Column 3: the identifiers take two lines.
    auto identifier = [&](const char* caption, const char* name, int y) {
        label(GroupBoxDevId, captionName(name), QString::fromUtf8(caption), QRect(474, y, 218, 16));
        QLabel* l = label(GroupBoxDevId, QLatin1String(name), kDashIdentifier, QRect(474, y + 16, 218, 30));
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return l;
    };
    iLabelDevSN = identifier("Уникальный идентификатор:", "iLabelDevSN", 16);
    iLabelDevSNLocked = identifier("Привязка к идентификатору:", "iLabelDevSNLocked", 64);
}

void DevicePanel::buildGsmGroup()
{
    QGroupBox* g = group(this, "GroupBoxGSM", QStringLiteral(" GSM "), QRect(4, 150, 348, 90));
    label(g, QStringLiteral("LabelSignalQuality"), QStringLiteral("Уровень сигнала:"), QRect(8, 18, 110, 18));
    ProgressBarSignalQuality = bar(g, "ProgressBarSignalQuality", 31, QRect(120, 20, 220, 14));
    LabelGSMState = label(g, QStringLiteral("LabelGSMState"), QString(), QRect(8, 38, 332, 30));
    LabelGSMState->setWordWrap(true);
    LabelGSMState->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelBalans = label(g, QStringLiteral("LabelBalans"), QString(), QRect(8, 68, 332, 18));
}

void DevicePanel::buildModeGroup()
{
    // Hidden at design; the window shows it once it is created (setUpOnce).
    GroupBoxMaunPerimInfo = group(this, "GroupBoxMaunPerimInfo", QStringLiteral(" Режим "), QRect(4, 244, 348, 78));
    GroupBoxMaunPerimInfo->setVisible(false);
    PanelArmDisarmStatus = indicator(GroupBoxMaunPerimInfo, QStringLiteral("PanelArmDisarmStatus"),
                                     QRect(8, 20, 122, 50));
    PanelArmDisarmStatus->setAlignment(Qt::AlignCenter);
    QFont f = PanelArmDisarmStatus->font();
    f.setBold(true);
    PanelArmDisarmStatus->setFont(f);
    Button18 = button(GroupBoxMaunPerimInfo, QStringLiteral("Button18"), QStringLiteral("Охрана"),
                      QRect(136, 18, 100, 24));
    Button19 = button(GroupBoxMaunPerimInfo, QStringLiteral("Button19"), QStringLiteral("Наблюдение"),
                      QRect(240, 18, 100, 24));
    Button22 = button(GroupBoxMaunPerimInfo, QStringLiteral("Button22"), QStringLiteral("Защита"),
                      QRect(136, 46, 100, 24));
    connect(Button18, &QPushButton::clicked, this, [this] { emit deviceCommandRequested(ControlPayload(ControlKind::Arm)); });
    connect(Button19, &QPushButton::clicked, this,
            [this] { emit deviceCommandRequested(ControlPayload(ControlKind::Observe)); });
    connect(Button22, &QPushButton::clicked, this,
            [this] { emit deviceCommandRequested(ControlPayload(ControlKind::Protect)); });
}

void DevicePanel::buildScenarioGroup()
{
    QGroupBox* g = group(this, "GroupBox28", QStringLiteral(" Выполнить сценарий на выходе "),
                         QRect(4, 326, 348, 52));
    ComboBoxTestOut = new QComboBox(g);
    ComboBoxTestOut->setObjectName(QStringLiteral("ComboBoxTestOut"));
    ComboBoxTestOut->setGeometry(8, 20, 110, 22);
    ComboBoxTestScen = new QComboBox(g);
    ComboBoxTestScen->setObjectName(QStringLiteral("ComboBoxTestScen"));
    ComboBoxTestScen->setGeometry(124, 20, 120, 22);
    for (int i = 1; i <= kScenarioCount; ++i)
        ComboBoxTestScen->addItem(QStringLiteral("сценарий %1").arg(i));
    ComboBoxTestScen->setCurrentIndex(0);
    Button20 = button(g, QStringLiteral("Button20"), QStringLiteral("Выполнить"), QRect(250, 19, 90, 24));
    connect(Button20, &QPushButton::clicked, this, [this] {
        const QByteArray p = ScenarioPayload(ComboBoxTestOut->currentIndex(), ComboBoxTestScen->currentIndex());
        if (!p.isEmpty())
            emit deviceCommandRequested(p);
    });
}

void DevicePanel::buildInputGroup()
{
    GroupBoxInputIndicator = group(this, "GroupBoxInputIndicator", QStringLiteral(" Состояние входов "),
                                   QRect(356, 150, 348, 76));
    for (int i = 0; i < 16; ++i) {
        const int x = 10 + 20 * i;
        const int n = i + 1;
        inputLabel[size_t(i)] = label(GroupBoxInputIndicator, QStringLiteral("LabelLed%1").arg(n),
                                      QString::number(n), QRect(x - 2, 18, 20, 14));
        inputLabel[size_t(i)]->setAlignment(Qt::AlignCenter);
        PanelLed[size_t(i)] = indicator(GroupBoxInputIndicator, QStringLiteral("PanelLed%1").arg(n), QRect(x, 34, 16, 14));
        paint(PanelLed[size_t(i)], inactiveColour());
        QPushButton* b = button(GroupBoxInputIndicator, inputButtonName(n), QString(), QRect(x, 50, 16, 16));
        b->setToolTip(kSimulateHint);
        b->setProperty("Tag", i);
        connect(b, &QPushButton::clicked, this, [this, i] { emit deviceCommandRequested(InputSimulationPayload(i)); });
        inputButton[size_t(i)] = b;
        // The controller has 14 wired inputs; 15 and 16 stay hidden.
        if (n > 14) {
            inputLabel[size_t(i)]->setVisible(false);
            PanelLed[size_t(i)]->setVisible(false);
            b->setVisible(false);
        }
    }
    Button33 = inputButton[8];
}

void DevicePanel::buildOutputGroup()
{
    GroupBoxOutputIndicator = group(this, "GroupBoxOutIndicator", QStringLiteral(" Состояние выходов "),
                                    QRect(356, 230, 348, 106));
    static const char* const kCaptions[kOutputCount] = {"R1", "R2", "O1", "O2", "O3", "O4", "O5"};
    for (int i = 0; i < kOutputCount; ++i) {
        const int x = 8 + 48 * i;
        const size_t k = size_t(i);
        outputLabel[k] = label(GroupBoxOutputIndicator, QStringLiteral("Label%1").arg(121 + i),
                               QLatin1String(kCaptions[i]), QRect(x, 18, 44, 14));
        outputLabel[k]->setAlignment(Qt::AlignCenter);
        PanelOut[k] = indicator(GroupBoxOutputIndicator, QStringLiteral("PanelOut%1").arg(i + 1), QRect(x, 34, 44, 14));
        paint(PanelOut[k], inactiveColour());
        onButton[k] = button(GroupBoxOutputIndicator, QStringLiteral("Button%1").arg(4 + 2 * i), QStringLiteral("Вкл."),
                             QRect(x, 52, 44, 22));
        offButton[k] = button(GroupBoxOutputIndicator, QStringLiteral("Button%1").arg(5 + 2 * i),
                              QStringLiteral("Выкл."), QRect(x, 76, 44, 22));
        onButton[k]->setProperty("Tag", i);
        offButton[k]->setProperty("Tag", i);
        connect(onButton[k], &QPushButton::clicked, this,
                [this, i] { emit deviceCommandRequested(OutputSwitchPayload(i, true)); });
        connect(offButton[k], &QPushButton::clicked, this,
                [this, i] { emit deviceCommandRequested(OutputSwitchPayload(i, false)); });
        // Outputs 3-5 are hidden at design; the page preparation shows them.
        if (i >= 4) {
            outputLabel[k]->setVisible(false);
            PanelOut[k]->setVisible(false);
            onButton[k]->setVisible(false);
            offButton[k]->setVisible(false);
        }
    }
}

void DevicePanel::buildBottom()
{
    ActionName = label(this, QStringLiteral("ActionName"), QString(), QRect(4, 384, 700, 34));
    ActionName->setWordWrap(true);
    ActionName->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont f = ActionName->font();
    f.setBold(true);
    ActionName->setFont(f);
    ProgressBar1 = bar(this, "ProgressBar1", 100, QRect(4, 422, 700, 16));
    CheckBoxClearSaveArea = new QCheckBox(QStringLiteral("При программировании очистить память режимов"), this);
    CheckBoxClearSaveArea->setObjectName(QStringLiteral("CheckBoxClearSaveArea"));
    CheckBoxClearSaveArea->setGeometry(4, 444, 400, 20);
    CheckBoxClearSaveArea->setChecked(false);
    Button21 = button(this, QStringLiteral("Button21"), QStringLiteral("Написать в техническую поддержку"),
                      QRect(444, 442, 260, 26));
    connect(Button21, &QPushButton::clicked, this, &DevicePanel::Button21Click);
    TMPLabel = label(this, QStringLiteral("TMPLabel"), QString(), QRect(4, 470, 200, 16));
    TMPLabel->setVisible(false);
}

void DevicePanel::setUpOnce()
{
    GroupBoxMaunPerimInfo->setVisible(true);
}

void DevicePanel::prepare(int page)
{
    Q_UNUSED(page);
    GroupBoxInputIndicator->resize(GroupBoxInputIndicator->width(), Button33->geometry().bottom() + 1 + 8);
    for (int i = 4; i < kOutputCount; ++i) {
        const size_t k = size_t(i);
        outputLabel[k]->setVisible(true);
        PanelOut[k]->setVisible(true);
        onButton[k]->setVisible(true);
        offButton[k]->setVisible(true);
    }
    const InterfaceTexts fallback = texts_ ? InterfaceTexts{} : InterfaceTexts::defaults();
    const InterfaceTexts& t = texts_ ? *texts_ : fallback;
    {
        const QSignalBlocker block(ComboBoxTestOut);
        ComboBoxTestOut->clear();
        ComboBoxTestOut->addItems(t.OutputNames);
        ComboBoxTestOut->setCurrentIndex(ComboBoxTestOut->count() > 0 ? 0 : -1);
    }
    {
        const QSignalBlocker block(ComboBoxTestScen);
        for (int i = 0; i < kScenarioCount && i + 3 < t.ReactionNames.size(); ++i)
            ComboBoxTestScen->setItemText(i, t.ReactionNames.at(i + 3));
        ComboBoxTestScen->setCurrentIndex(0);
    }
    setActionText(QString());
}

void DevicePanel::showIdentity(const IdentityTexts& t)
{
    iDeviceNameLabel->setText(t.deviceName);
    iModificationLabel->setText(t.modification);
    iHardVerLabel->setText(t.hardware);
    iSoftVerLabel->setText(t.firmware);
    iBLLabel->setText(t.bootLoader);
    iDateLabel->setText(t.date);
    iLabelCountryCode->setText(t.country);
    iLabelDevSNLocked->setText(t.bindingId);
    iGSMIMEILabel->setText(t.imei);
    iLabelDevSN->setText(t.uniqueId);
}

IdentityTexts DevicePanel::shownIdentity() const
{
    IdentityTexts t;
    t.deviceName = iDeviceNameLabel->text();
    t.modification = iModificationLabel->text();
    t.hardware = iHardVerLabel->text();
    t.firmware = iSoftVerLabel->text();
    t.bootLoader = iBLLabel->text();
    t.date = iDateLabel->text();
    t.country = iLabelCountryCode->text();
    t.bindingId = iLabelDevSNLocked->text();
    t.imei = iGSMIMEILabel->text();
    t.uniqueId = iLabelDevSN->text();
    t.version = t.modification + "." + t.firmware;
    return t;
}

void DevicePanel::setActionText(const QString& text, quint32 rgb)
{
    ActionName->setText(text);
    QPalette p = ActionName->palette();
    p.setColor(QPalette::WindowText, QColor::fromRgba(rgb | 0xFF000000u));
    ActionName->setPalette(p);
}

void DevicePanel::showDeviceStatus(const StatusBlock& s)
{
    showSignalLevel(s.signalLevel);
    showGsmState(s.gsmState);
    showGuardMode(s.guardMode);
    showInputStates(s.inputStates);
    showOutputStates(s.outputStates);
    showBalance(s.balanceAvailable, s.balance);
}

void DevicePanel::showDeviceStatusUnavailable()
{
    showSignalLevel(0);
    showGsmState(-1);
    showGuardMode(255);
    showInputStates(0);
    showOutputStates(0);
}

void DevicePanel::showSignalLevel(int level)
{
    ProgressBarSignalQuality->setValue(std::clamp(level, 0, 31));
}

void DevicePanel::showGsmState(int raw)
{
    if (raw < 0) {
        LabelGSMState->clear();
        return;
    }
    const QStringList fallback = texts_ ? QStringList{} : InterfaceTexts::defaults().GsmStateTexts;
    const QStringList& list = texts_ ? texts_->GsmStateTexts : fallback;
    LabelGSMState->setText(list.value(GsmStateIndex(raw)));
}

void DevicePanel::showGuardMode(int mode)
{
    const QStringList fallback = texts_ ? QStringList{} : InterfaceTexts::defaults().ModeNames;
    const QStringList& names = texts_ ? texts_->ModeNames : fallback;
    const QColor face = palette().color(QPalette::Button);
    QString text;
    QColor colour = face;
    switch (mode) {
    case 0:
        text = names.value(1);
        break;
    case 1:
        text = names.value(3);
        blinkOn_ = !blinkOn_;
        colour = blinkOn_ ? QColor(255, 0, 0) : face;
        break;
    case 2:
        text = names.value(0);
        colour = QColor(255, 0, 0);
        break;
    case 3:
        text = names.value(2);
        colour = QColor(255, 220, 14);
        break;
    default:
        break;
    }
    PanelArmDisarmStatus->setText(text);
    paint(PanelArmDisarmStatus, colour);
}

void DevicePanel::showInputStates(std::uint16_t bits)
{
    for (int i = 0; i < 16; ++i)
        paint(PanelLed[size_t(i)], (bits >> i) & 1 ? activeColour() : inactiveColour());
}

void DevicePanel::showOutputStates(std::uint8_t bits)
{
    for (int i = 0; i < kOutputCount; ++i)
        paint(PanelOut[size_t(i)], (bits >> i) & 1 ? activeColour() : inactiveColour());
}

void DevicePanel::showBalance(bool available, float value)
{
    if (!available) {
        LabelBalans->clear();
        return;
    }
    // Seven significant digits, as the single-precision value carries no more.
    const double shown = QString::number(double(value), 'g', 7).toDouble();
    LabelBalans->setText(kBalancePrefix + QLocale().toString(shown, 'f', 2));
}

QUrl DevicePanel::supportMailUrl() const
{
    return SupportMailUrl(texts::kSupportEmail, shownIdentity());
}

void DevicePanel::Button21Click()
{
    const QUrl url = supportMailUrl();
    if (openUrl_)
        openUrl_(url);
    else
        QDesktopServices::openUrl(url);
}

} // namespace zel
