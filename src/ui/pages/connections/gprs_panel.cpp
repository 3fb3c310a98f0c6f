#include "ui/pages/connections/gprs_panel.h"

#include "image/configuration.h"
#include "ui/main_window.h"

namespace zel {

using namespace connections;

namespace {

constexpr int kGprsPage = 10;
constexpr int kRowLabelWidth = 560;
constexpr int kRowEditX = 576;

// Strategy items and the byte 2934 values that select them.
constexpr int kAlwaysConnected = 0;
constexpr int kPeriodic = 1;
constexpr int kOnEvent = 2;
constexpr std::uint8_t kAlwaysConnectedByte = 255;
constexpr std::uint8_t kOnEventByte = 0;
// Period and block time are kept in steps of 5 minutes, 1 to 252.
constexpr int kMaxSteps = 252;
constexpr int kMinutesPerStep = 5;
constexpr int kAlwaysConnectedDuration = 30;

const QString kMinuteSuffix = QStringLiteral(" Мин.");

SourceLayout gprsLayout()
{
    return {'G',
            8,
            62,
            {{{"CheckBoxMaskGArm", "ОХРАНА", 78},
              {"CheckBoxMaskGDisarm", "НАБЛЮДЕНИЕ", 114},
              {"CheckBoxMaskGRestrictedArm", "ЗАЩИТА", 80},
              {"CheckBoxMaskGProfile", "Профиль", 84}},
             {{"CheckBoxMaskGPwrBlcTermo", "Системные события", 148},
              {"CheckBoxMaskGTest", "Тестовое / инфо. сообщения", 196}}}};
}

// Period and block time as stored: 1 to 252 steps of 5 minutes.
std::uint8_t stepsOf(int minutes)
{
    const int steps = minutes / kMinutesPerStep;
    if (steps >= kMaxSteps + 1)
        return kMaxSteps;
    if (steps == 0)
        return 1;
    return static_cast<std::uint8_t>(steps);
}

// What the exit of a minute edit shows: out-of-range values move to the nearest bound.
void limitMinutes(QLineEdit* edit)
{
    const int steps = minutesOf(edit) / kMinutesPerStep;
    if (steps >= kMaxSteps + 1)
        showMinutes(edit, kMaxSteps * kMinutesPerStep);
    else if (steps == 0)
        showMinutes(edit, kMinutesPerStep);
}

int itemOrAllOnes(const QComboBox* box, int bits) { return box->currentIndex() < 0 ? (1 << bits) - 1 : box->currentIndex(); }

} // namespace

GprsSharedPanel::GprsSharedPanel(QWidget* parent)
    : SectionPanel(QStringLiteral("PanelGPRSSharedPAr"), QString(), parent)
{
    makeLabel(this, "LabelAPN", "Точка доступа (APN)", 8, 11, 136);
    EditAPN = makeEdit(this, "EditAPN", 148, 8, 220, {}, 32);
    makeLabel(this, "LabelGPRSUserName", "Имя пользователя", 8, 37, 136);
    EditGPRSUserName = makeEdit(this, "EditGPRSUserName", 148, 34, 150, {}, 16);
    makeLabel(this, "LabelGPRSPassword", "Пароль", 8, 63, 136);
    EditGPRSPassword = makeEdit(this, "EditGPRSPassword", 148, 60, 150, {}, 16);
    makeLabel(this, "LabelDNS1", "Первичный DNS сервер", 400, 11, 150);
    MaskEditDNS1 = makeEdit(this, "MaskEditDNS1", 560, 8, 120, kAddressMask);
    makeLabel(this, "LabelDNS2", "Вторичный DNS сервер", 400, 37, 150);
    MaskEditDNS2 = makeEdit(this, "MaskEditDNS2", 560, 34, 120, kAddressMask);

    sources = buildSourceGroup(this, "GroupBoxGPRSEvents", 8, 88, 692, gprsLayout());

    GroupBoxGPRSConnection = makeGroup(this, "GroupBoxGPRSConnection", " Подключение к серверу ", 8, 200, 692, 212);
    QGroupBox* g = GroupBoxGPRSConnection;
    ComboBoxGPRSConnectionStrategy = makeCombo(g, "ComboBoxGPRSConnectionStrategy", 8, 20, 330,
                                               {QStringLiteral("Всегда подключен к серверу"),
                                                QStringLiteral("Подключаться периодически или по событию"),
                                                QStringLiteral("Подключаться по событию")});
    Button41 = makeButton(g, "Button41", "Значения по умолчанию", 400, 18, 170);
    Label147 = makeLabel(g, "Label147", "Период подключения к серверу, [5:1260] Мин.", 8, 53, kRowLabelWidth);
    MaskEditConnectingPeriod_x5m = makeEdit(g, "MaskEditConnectingPeriod_x5m", kRowEditX, 50, 90, kMinutesMask);
    Label146 = makeLabel(g, "Label146", "Длительность соединения, [0:30] Мин.", 8, 79, kRowLabelWidth);
    ComboBoxOnlineTime_min = makeCombo(g, "ComboBoxOnlineTime_min", kRowEditX, 76, 90);
    makeLabel(g, "LabelPingPeriod", "Период PINGа, [1:30] Мин.", 8, 105, kRowLabelWidth);
    ComboBoxPingPeriod_min = makeCombo(g, "ComboBoxPingPeriod_min", kRowEditX, 102, 90);
    makeLabel(g, "LabelConnectingTryNum", "Количество попыток подключения", 8, 131, kRowLabelWidth);
    ComboBoxConnectingTryNum =
        makeCombo(g, "ComboBoxConnectingTryNum", kRowEditX, 128, 90, catalogueItems("ComboBoxConnectingTryNum"));
    makeLabel(g, "LabelBlockTime",
              "При недоступности сервера, прекратить попытки подключения на время, [5:1260] Мин.", 8, 157,
              kRowLabelWidth);
    MaskEditBlockTimeAtConnFault_min =
        makeEdit(g, "MaskEditBlockTimeAtConnFault_min", kRowEditX, 154, 90, kMinutesMask);
    makeLabel(g, "LabelGPRSTranspWaitTime", "Снять данные с передачи, если не переданны за", 8, 183,
              kRowLabelWidth);
    ComboBoxGPRSTranspWaitTime = makeCombo(g, "ComboBoxGPRSTranspWaitTime", kRowEditX, 180, 90);

    connect(ComboBoxGPRSConnectionStrategy, &QComboBox::activated, this,
            &GprsSharedPanel::ComboBoxGPRSConnectionStrategyChange);
    connect(MaskEditConnectingPeriod_x5m, &QLineEdit::editingFinished, this,
            &GprsSharedPanel::MaskEditConnectingPeriod_x5mExit);
    connect(MaskEditBlockTimeAtConnFault_min, &QLineEdit::editingFinished, this,
            &GprsSharedPanel::MaskEditBlockTimeAtConnFault_minExit);
    connect(Button41, &QPushButton::clicked, this, &GprsSharedPanel::Button41Click);
    prepare(kGprsPage);
    // Until the page is first entered only the design's boxes are shown.
    for (int i = 4; i < 16; ++i)
        sources.inputs[i]->setVisible(false);
    sources.find("CheckBoxMaskGRestrictedArm")->setVisible(false);
    sources.find("CheckBoxMaskGProfile")->setVisible(false);
}

void GprsSharedPanel::setUpOnce()
{
    ComboBoxGPRSTranspWaitTime->clear();
    ComboBoxGPRSTranspWaitTime->addItems(numberedItems(1, 16, kMinuteSuffix));
}

void GprsSharedPanel::prepare(int page)
{
    Q_UNUSED(page);
    sources.find("CheckBoxMaskGRestrictedArm")->setVisible(true);
    sources.find("CheckBoxMaskGProfile")->setVisible(true);
    fitSourceGroup(sources);
    ComboBoxPingPeriod_min->clear();
    ComboBoxPingPeriod_min->addItems(numberedItems(1, 30, kMinuteSuffix));
    ComboBoxOnlineTime_min->clear();
    ComboBoxOnlineTime_min->addItems(numberedItems(0, 30, kMinuteSuffix));
}

void GprsSharedPanel::ComboBoxGPRSConnectionStrategyChange()
{
    const int t = ComboBoxGPRSConnectionStrategy->currentIndex();
    const bool periodic = t == kPeriodic;
    Label147->setEnabled(periodic);
    MaskEditConnectingPeriod_x5m->setEnabled(periodic);
    if (periodic)
        limitMinutes(MaskEditConnectingPeriod_x5m);
    else
        showMinutes(MaskEditConnectingPeriod_x5m, kMinutesPerStep);
    const bool duration = t != kAlwaysConnected;
    Label146->setEnabled(duration);
    ComboBoxOnlineTime_min->setEnabled(duration);
    if (!duration)
        ComboBoxOnlineTime_min->setCurrentIndex(0);
}

void GprsSharedPanel::MaskEditConnectingPeriod_x5mExit() { limitMinutes(MaskEditConnectingPeriod_x5m); }

void GprsSharedPanel::MaskEditBlockTimeAtConnFault_minExit() { limitMinutes(MaskEditBlockTimeAtConnFault_min); }

DeviceImage* GprsSharedPanel::targetImage()
{
    if (attachedImage_)
        return attachedImage_;
    if (auto* w = qobject_cast<TForm1*>(window()))
        return &w->image();
    return nullptr;
}

void GprsSharedPanel::Button41Click()
{
    DeviceImage* image = targetImage();
    if (!image)
        return;
    pack(*image, kGprsPage);
    RestoreGprsTimingDefaults(*image);
    unpack(*image, kGprsPage);
}

void GprsSharedPanel::unpack(const DeviceImage& image, int page)
{
    Q_UNUSED(page);
    for (QLineEdit* e : {EditAPN, EditGPRSUserName, EditGPRSPassword}) {
        const FieldDef& f = fieldOf(e->objectName());
        e->setText(image.text(f.offset, f.width));
    }
    for (QLineEdit* e : {MaskEditDNS1, MaskEditDNS2})
        e->setText(addressToMaskedText(image.u32(fieldOf(e->objectName()).offset)));

    const int strategyOffset = fieldOf("ComboBoxGPRSConnectionStrategy").offset;
    const std::uint8_t strategy = image.byte(strategyOffset);
    ComboBoxGPRSConnectionStrategy->setCurrentIndex(
        strategy == kOnEventByte ? kOnEvent : strategy == kAlwaysConnectedByte ? kAlwaysConnected : kPeriodic);
    showMinutes(MaskEditConnectingPeriod_x5m, strategy * kMinutesPerStep);

    const FieldDef& tries = fieldOf("ComboBoxConnectingTryNum");
    const int triesBits = static_cast<int>(image.bits(tries.offset, tries.bitLow, tries.bitCount));
    ComboBoxConnectingTryNum->setCurrentIndex(triesBits == 0 ? 0 : triesBits - 1);
    const FieldDef& ping = fieldOf("ComboBoxPingPeriod_min");
    const int pingBits = static_cast<int>(image.bits(ping.offset, ping.bitLow, ping.bitCount));
    const int pingItem = pingBits == 0 ? 0 : pingBits - 1;
    ComboBoxPingPeriod_min->setCurrentIndex(pingItem < ComboBoxPingPeriod_min->count() ? pingItem : -1);
    showMinutes(MaskEditBlockTimeAtConnFault_min,
                image.byte(fieldOf("MaskEditBlockTimeAtConnFault_min").offset) * kMinutesPerStep);
    unpackCombo(image, ComboBoxOnlineTime_min);

    ComboBoxGPRSConnectionStrategyChange();
    // One setting stored with every server; server 1's copy is the one shown.
    unpackCombo(image, ComboBoxGPRSTranspWaitTime);
    unpackSources(image, sources);
}

void GprsSharedPanel::pack(DeviceImage& image, int page)
{
    Q_UNUSED(page);
    for (QLineEdit* e : {EditAPN, EditGPRSUserName, EditGPRSPassword}) {
        const FieldDef& f = fieldOf(e->objectName());
        image.setText(f.offset, f.width, e->text());
    }
    for (QLineEdit* e : {MaskEditDNS1, MaskEditDNS2})
        image.setU32(fieldOf(e->objectName()).offset, addressFromMaskedText(e->displayText()));

    const FieldDef& ping = fieldOf("ComboBoxPingPeriod_min");
    const FieldDef& duration = fieldOf("ComboBoxOnlineTime_min");
    const int strategyOffset = fieldOf("ComboBoxGPRSConnectionStrategy").offset;
    // No ping item (a stored period the list does not offer) keeps all ones.
    const int pingValue =
        ComboBoxPingPeriod_min->currentIndex() < 0 ? (1 << ping.bitCount) - 1 : ComboBoxPingPeriod_min->currentIndex() + 1;
    image.setBits(ping.offset, ping.bitLow, ping.bitCount, static_cast<std::uint32_t>(pingValue));
    switch (ComboBoxGPRSConnectionStrategy->currentIndex()) {
    case kAlwaysConnected:
        image.setByte(strategyOffset, kAlwaysConnectedByte);
        image.setBits(duration.offset, duration.bitLow, duration.bitCount, kAlwaysConnectedDuration);
        break;
    case kOnEvent:
        image.setByte(strategyOffset, kOnEventByte);
        image.setBits(duration.offset, duration.bitLow, duration.bitCount,
                      static_cast<std::uint32_t>(itemOrAllOnes(ComboBoxOnlineTime_min, duration.bitCount)));
        break;
    default:
        image.setByte(strategyOffset, stepsOf(minutesOf(MaskEditConnectingPeriod_x5m)));
        image.setBits(duration.offset, duration.bitLow, duration.bitCount,
                      static_cast<std::uint32_t>(itemOrAllOnes(ComboBoxOnlineTime_min, duration.bitCount)));
        break;
    }
    const FieldDef& tries = fieldOf("ComboBoxConnectingTryNum");
    image.setBits(tries.offset, tries.bitLow, tries.bitCount,
                  static_cast<std::uint32_t>(std::max(0, ComboBoxConnectingTryNum->currentIndex()) + 1));
    image.setByte(fieldOf("MaskEditBlockTimeAtConnFault_min").offset,
                  stepsOf(minutesOf(MaskEditBlockTimeAtConnFault_min)));

    packSources(image, sources);

    const int wait = itemOrAllOnes(ComboBoxGPRSTranspWaitTime, 4);
    for (const char* copy :
         {"ComboBoxGPRSTranspWaitTime", "ComboBoxGPRSTranspWaitTimeCopy2", "ComboBoxGPRSTranspWaitTimeCopy3"}) {
        const FieldDef& f = fieldOf(QString::fromLatin1(copy));
        image.setBits(f.offset, f.bitLow, f.bitCount, static_cast<std::uint32_t>(wait));
    }
}

} // namespace zel
