#include "ui/pages/inputs/power_panel.h"

#include "ui/interface_texts.h"
#include "ui/pages/inputs/input_values.h"
#include "ui/pages/inputs/input_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>

namespace zel {

using namespace inputs;

namespace {

constexpr int kDischargeMax = 100;  // vertical track bars: value = Max - position
constexpr int kFirstBorderMinPos = 10; // the first border stays at 90 % or less
constexpr int kLevelTop = 89;       // level item i means 89 - i degrees
constexpr int kLevelCount = 129;
constexpr int kMainPowerBarMax = 165;

QComboBox* fieldList(QWidget* parent, const char* name, const QRect& r)
{
    return makeList(parent, QString::fromLatin1(name), field(name).items, r);
}

QSlider* makeSlider(QWidget* parent, const char* name, Qt::Orientation o, int min, int max, const QRect& r)
{
    auto* s = new QSlider(o, parent);
    s->setObjectName(name);
    s->setRange(min, max);
    s->setGeometry(r);
    return s;
}

QProgressBar* makeBar(QWidget* parent, const char* name, Qt::Orientation o, int min, int max, const QRect& r)
{
    auto* b = new QProgressBar(parent);
    b->setObjectName(name);
    b->setOrientation(o);
    b->setRange(min, max);
    b->setValue(min);
    b->setTextVisible(false);
    b->setGeometry(r);
    return b;
}

QString degrees(double v) { return formatGeneral(v, 3) + QStringLiteral("° C"); }

} // namespace

PowerPanel::PowerPanel(QWidget* parent) : SectionPanel("Panel3", "Label23", parent)
{
    const int lx = 4, rx = 356, cw = 348;

    QGroupBox* mains = makeGroup(this, "GroupBox9", QStringLiteral(" Основное питание "), QRect(lx, 30, cw, 204));
    makeLabel(mains, "Label2", QStringLiteral("Время усреднения сигнала"), QRect(8, 18, 236, 20));
    ComboBoxPowerSignAverTime = makeList(mains, "ComboBoxPowerSignAverTime", {}, QRect(250, 16, 90, 22));
    makeLabel(mains, "Label3", QStringLiteral("Формировать сообщения не чаще"), QRect(8, 42, 236, 20));
    ComboBoxRecoveryTime = makeList(mains, "ComboBoxRecoveryTime", {}, QRect(250, 40, 90, 22));
    CheckBoxExtPowerFault = makeCheck(mains, "CheckBoxExtPowerFault",
                                      QStringLiteral("Формировать сообщение при отключении"), QRect(8, 66, 332, 18));
    CheckBoxExtPowerRec = makeCheck(mains, "CheckBoxExtPowerRec",
                                    QStringLiteral("Формировать сообщение при восстановлении"), QRect(8, 86, 332, 18));
    makeLabel(mains, "LabelPowerFault", QStringLiteral("При падении питания"), QRect(8, 110, 148, 20));
    ComboBoxFltBrdArriveOut = fieldList(mains, "ComboBoxFltBrdArriveOut", QRect(160, 108, 76, 22));
    ComboBoxFltBrdArriveScn = fieldList(mains, "ComboBoxFltBrdArriveScn", QRect(240, 108, 100, 22));
    makeLabel(mains, "LabelPowerRecovery", QStringLiteral("При восстановлении питания"), QRect(8, 134, 148, 20));
    ComboBoxFltBrdRecoveryOut = fieldList(mains, "ComboBoxFltBrdRecoveryOut", QRect(160, 132, 76, 22));
    ComboBoxFltBrdRecoveryScn = fieldList(mains, "ComboBoxFltBrdRecoveryScn", QRect(240, 132, 100, 22));
    QGroupBox* mainsNow = makeGroup(mains, "GroupBox21", QStringLiteral(" Текущее значение "), QRect(8, 158, 332, 40));
    ProgressBarMainPower = makeBar(mainsNow, "ProgressBarMainPower", Qt::Horizontal, 0, kMainPowerBarMax,
                                   QRect(8, 18, 240, 14));
    LabelMainPower = makeLabel(mainsNow, "LabelMainPower", QString(), QRect(254, 15, 70, 20));

    QGroupBox* battery = makeGroup(this, "GroupBox1", QStringLiteral(" Батарея "), QRect(lx, 238, cw, 182));
    TrackBarDischargeWarn = makeSlider(battery, "TrackBarDischargeWarn", Qt::Vertical, 0, kDischargeMax,
                                       QRect(8, 18, 28, 100));
    TrackBarDischargeWarn->setToolTip(QStringLiteral("Первая граница разряда"));
    TrackBarDischargeAlarm = makeSlider(battery, "TrackBarDischargeAlarm", Qt::Vertical, 0, kDischargeMax,
                                        QRect(40, 18, 28, 100));
    TrackBarDischargeAlarm->setToolTip(QStringLiteral("Вторая граница разряда"));
    for (QSlider* s : {TrackBarDischargeWarn, TrackBarDischargeAlarm})
        s->setInvertedAppearance(true); // position 0 (100 %) at the top
    Label4 = makeLabel(battery, "Label4", QString(), QRect(6, 120, 32, 18));
    Label14 = makeLabel(battery, "Label14", QString(), QRect(38, 120, 32, 18));
    ProgressBarBatCharge = makeBar(battery, "ProgressBarBatCharge", Qt::Vertical, 0, 100, QRect(76, 18, 16, 100));
    Label17 = makeLabel(battery, "Label17", QStringLiteral("0%"), QRect(72, 120, 32, 18));
    makeLabel(battery, "LabelDischargeWarn", QStringLiteral("При разряде до 1-й границы"), QRect(108, 16, 232, 18));
    ComboBoxDischWarnBrdArrOut = fieldList(battery, "ComboBoxDischWarnBrdArrOut", QRect(108, 34, 76, 22));
    ComboBoxDischWarnBrdArrScn = fieldList(battery, "ComboBoxDischWarnBrdArrScn", QRect(188, 34, 152, 22));
    makeLabel(battery, "LabelDischargeAlarm", QStringLiteral("При разряде до 2-й границы"), QRect(108, 60, 232, 18));
    ComboBoxDischAlarmBrdArrOut = fieldList(battery, "ComboBoxDischAlarmBrdArrOut", QRect(108, 78, 76, 22));
    ComboBoxDischAlarmBrdArrScn = fieldList(battery, "ComboBoxDischAlarmBrdArrScn", QRect(188, 78, 152, 22));
    LabelBatMsg = makeLabel(battery, "LabelBatMsg", QString(), QRect(108, 104, 232, 32), true);
    CheckBoxBatteryDischargeWarnEventEn =
        makeCheck(battery, "CheckBoxBatteryDischargeWarnEventEn",
                  QStringLiteral("Формировать сообщение при разряде до первой границы"), QRect(8, 140, 332, 18));
    CheckBoxBatteryDischargeAlarmEventEn =
        makeCheck(battery, "CheckBoxBatteryDischargeAlarmEventEn",
                  QStringLiteral("Формировать сообщение при разряде до второй границы"), QRect(8, 160, 332, 18));

    QGroupBox* tamper = makeGroup(this, "GroupBox42", QStringLiteral(" Датчик вскрытия корпуса "),
                                  QRect(lx, 424, cw, 62));
    CheckBoxTamperEnable = makeCheck(tamper, "CheckBoxTamperEnable",
                                     QStringLiteral("Оповещать о вскрытии корпуса устройства"), QRect(8, 16, 240, 18));
    CheckBoxTamperInversion = makeCheck(tamper, "CheckBoxTamperInversion", QStringLiteral("Инверсия"),
                                        QRect(252, 16, 88, 18));
    CheckBoxTamperInversion->setVisible(false);
    makeLabel(tamper, "Label157", QStringLiteral("При вскрытии устройства"), QRect(8, 38, 148, 20));
    ComboBoxTamperActOutN = fieldList(tamper, "ComboBoxTamperActOutN", QRect(160, 36, 76, 22));
    ComboBoxTamperActScnN = fieldList(tamper, "ComboBoxTamperActScnN", QRect(240, 36, 100, 22));

    QGroupBox* indication = makeGroup(this, "GroupBox23", QStringLiteral(" Индикация "), QRect(rx, 30, cw, 108));
    ComboBoxIndFunction = makeList(indication, "ComboBoxIndFunction", {}, QRect(8, 16, 332, 22));
    CheckBoxAlarmBlinking = makeCheck(indication, "CheckBoxAlarmBlinking",
                                      QStringLiteral("Показывать прошедшую активность входов вспышками"),
                                      QRect(8, 42, 332, 18));
    CheckBoxDisableLedsAtCoverClose = makeCheck(indication, "CheckBoxDisableLedsAtCoverClose",
                                                QStringLiteral("Выключить индикаторы In1-In8 при закрытом корпусе"),
                                                QRect(8, 62, 332, 18));
    CheckBoxShowActiveInsToArmOut = makeCheck(indication, "CheckBoxShowActiveInsToArmOut",
                                              QStringLiteral("Показывать активность входов на ArmOut в реж. ОХРАНА"),
                                              QRect(8, 82, 332, 18));

    QGroupBox* temperature = makeGroup(this, "GroupBox29", QStringLiteral(" Температура системной платы "),
                                       QRect(rx, 142, cw, 216));
    CheckBoxTemperatureEvent = makeCheck(temperature, "CheckBoxTemperatureEvent",
                                         QStringLiteral("Оповещать о выходе температуры за указанные пределы"),
                                         QRect(8, 16, 332, 18));
    makeLabel(temperature, "Label133", QStringLiteral("Верхняя граница оповещения"), QRect(8, 40, 150, 20));
    TrackBarTemperatHiBorder = makeSlider(temperature, "TrackBarTemperatHiBorder", Qt::Horizontal, -40, 90,
                                          QRect(160, 38, 120, 22));
    LabelHiBorder = makeLabel(temperature, "LabelHiBorder", QString(), QRect(284, 40, 56, 20));
    LabelTemperature = makeLabel(temperature, "LabelTemperature", QStringLiteral("Текущее значение"),
                                 QRect(8, 64, 150, 30), true);
    ProgressBarModemTemperature = makeBar(temperature, "ProgressBarModemTemperature", Qt::Horizontal, -40, 90,
                                          QRect(164, 70, 112, 14));
    LabelTempCurVal = makeLabel(temperature, "LabelTempCurVal", QString(), QRect(284, 67, 56, 20));
    makeLabel(temperature, "Label132", QStringLiteral("Нижняя граница оповещения"), QRect(8, 98, 150, 20));
    TrackBarTemperatLowBorder = makeSlider(temperature, "TrackBarTemperatLowBorder", Qt::Horizontal, -40, 90,
                                           QRect(160, 96, 120, 22));
    LabelLowBorder = makeLabel(temperature, "LabelLowBorder", QString(), QRect(284, 98, 56, 20));
    makeLabel(temperature, "Label134", QStringLiteral("При превышении"), QRect(8, 124, 150, 18));
    ComboBoxHiBorderLevel = makeList(temperature, "ComboBoxHiBorderLevel", {}, QRect(8, 142, 70, 22));
    ComboBoxHiBorderOut = fieldList(temperature, "ComboBoxHiBorderOut", QRect(82, 142, 80, 22));
    ComboBoxHiBorderScn = fieldList(temperature, "ComboBoxHiBorderScn", QRect(166, 142, 174, 22));
    makeLabel(temperature, "Label135", QStringLiteral("При падении ниже"), QRect(8, 168, 150, 18));
    ComboBoxLoBorderLevel = makeList(temperature, "ComboBoxLoBorderLevel", {}, QRect(8, 186, 70, 22));
    ComboBoxLoBorderOut = fieldList(temperature, "ComboBoxLoBorderOut", QRect(82, 186, 80, 22));
    ComboBoxLoBorderScn = fieldList(temperature, "ComboBoxLoBorderScn", QRect(166, 186, 174, 22));

    // Position reports with power and battery events are not offered by this configurator.
    CheckBoxAsFaultSendGPSPos = makeCheck(this, "CheckBoxAsFaultSendGPSPos", QString(), QRect(0, 0, 10, 10));
    CheckBoxAsDischargeSendGPSPos = makeCheck(this, "CheckBoxAsDischargeSendGPSPos", QString(), QRect(0, 0, 10, 10));
    CheckBoxAsFaultSendGPSPos->setVisible(false);
    CheckBoxAsDischargeSendGPSPos->setVisible(false);

    connect(TrackBarDischargeWarn, &QSlider::valueChanged, this, [this] { TrackBarDischargeWarnChange(); });
    connect(TrackBarDischargeAlarm, &QSlider::valueChanged, this, [this] { TrackBarDischargeAlarmChange(); });
    connect(TrackBarTemperatHiBorder, &QSlider::valueChanged, this, [this] { TrackBarTemperatHiBorderChange(); });
    connect(TrackBarTemperatLowBorder, &QSlider::valueChanged, this, [this] { TrackBarTemperatLowBorderChange(); });
    connect(ComboBoxHiBorderLevel, &QComboBox::activated, this, [this] { ComboBoxHiBorderLevelChange(); });
    connect(ComboBoxLoBorderLevel, &QComboBox::activated, this, [this] { ComboBoxLoBorderLevelChange(); });

    showStatusUnavailable();
    showBoardTemperature(false, 0);
}

void PowerPanel::setUpOnce()
{
    // Averaging 2^(i+1) seconds, message interval 2^(i+1) minutes.
    ComboBoxPowerSignAverTime->clear();
    ComboBoxRecoveryTime->clear();
    for (int i = 0; i < 8; ++i) {
        ComboBoxPowerSignAverTime->addItem(QString::number(2 << i) + QStringLiteral(" Sec."));
        ComboBoxRecoveryTime->addItem(QString::number(2 << i) + QStringLiteral(" Min."));
    }
}

void PowerPanel::fillLevelList(QComboBox* list)
{
    const QSignalBlocker block(list);
    list->clear();
    for (int i = 0; i < kLevelCount; ++i)
        list->addItem(QString::number(kLevelTop - i) + QStringLiteral("° C"));
}

void PowerPanel::prepare(int page)
{
    Q_UNUSED(page);
    fillLevelList(ComboBoxHiBorderLevel);
    fillLevelList(ComboBoxLoBorderLevel);
    {
        const QSignalBlocker block(ComboBoxIndFunction);
        ComboBoxIndFunction->clear();
        const InterfaceTexts defaults = texts_ ? InterfaceTexts() : InterfaceTexts::defaults();
        const QStringList& names = texts_ ? texts_->IndicationModeNames : defaults.IndicationModeNames;
        for (int entry : {0, 1, 2, 7})
            ComboBoxIndFunction->addItem(entry < names.size() ? names.at(entry) : QString());
    }
    CheckBoxTamperInversion->setVisible(true);
}

void PowerPanel::unpack(const DeviceImage& image, int page)
{
    Q_UNUSED(page);
    auto value = [&](const char* name) { return readField(image, field(name)); };
    auto flag = [&](QCheckBox* c, const char* name) { c->setChecked(value(name) != 0); };
    auto list = [&](QComboBox* c, const char* name) { showListValue(c, value(name)); };
    auto level = [&](QComboBox* c, const char* name) {
        // A level outside -39..89 has no item and shows no selection.
        const int index = kLevelTop - image.s8(field(name).offset);
        const QSignalBlocker block(c);
        c->setCurrentIndex(index >= 0 && index < c->count() ? index : -1);
    };

    list(ComboBoxPowerSignAverTime, "ComboBoxPowerSignAverTime");
    flag(CheckBoxExtPowerFault, "CheckBoxExtPowerFault");
    list(ComboBoxRecoveryTime, "ComboBoxRecoveryTime");
    flag(CheckBoxExtPowerRec, "CheckBoxExtPowerRec");
    flag(CheckBoxAsFaultSendGPSPos, "CheckBoxAsFaultSendGPSPos");
    list(ComboBoxFltBrdArriveOut, "ComboBoxFltBrdArriveOut");
    list(ComboBoxFltBrdArriveScn, "ComboBoxFltBrdArriveScn");
    list(ComboBoxFltBrdRecoveryOut, "ComboBoxFltBrdRecoveryOut");
    list(ComboBoxFltBrdRecoveryScn, "ComboBoxFltBrdRecoveryScn");

    // First border before the second; each rule runs once more even when the position
    // did not change, so the pair always ends up consistent.
    TrackBarDischargeWarn->setValue(kDischargeMax - static_cast<int>(value("TrackBarDischargeWarn")));
    TrackBarDischargeWarnChange();
    TrackBarDischargeAlarm->setValue(kDischargeMax - static_cast<int>(value("TrackBarDischargeAlarm")));
    TrackBarDischargeAlarmChange();
    flag(CheckBoxBatteryDischargeAlarmEventEn, "CheckBoxBatteryDischargeAlarmEventEn");
    flag(CheckBoxBatteryDischargeWarnEventEn, "CheckBoxBatteryDischargeWarnEventEn");
    flag(CheckBoxAsDischargeSendGPSPos, "CheckBoxAsDischargeSendGPSPos");
    list(ComboBoxDischAlarmBrdArrOut, "ComboBoxDischAlarmBrdArrOut");
    list(ComboBoxDischAlarmBrdArrScn, "ComboBoxDischAlarmBrdArrScn");
    list(ComboBoxDischWarnBrdArrOut, "ComboBoxDischWarnBrdArrOut");
    list(ComboBoxDischWarnBrdArrScn, "ComboBoxDischWarnBrdArrScn");

    list(ComboBoxIndFunction, "ComboBoxIndFunction");
    flag(CheckBoxAlarmBlinking, "CheckBoxAlarmBlinking");
    flag(CheckBoxDisableLedsAtCoverClose, "CheckBoxDisableLedsAtCoverClose");
    flag(CheckBoxShowActiveInsToArmOut, "CheckBoxShowActiveInsToArmOut");

    flag(CheckBoxTemperatureEvent, "CheckBoxTemperatureEvent");
    // Lower border first, then the upper one; the rules keep them 2 degrees apart.
    TrackBarTemperatLowBorder->setValue(image.s8(field("TrackBarTemperatLowBorder").offset));
    TrackBarTemperatLowBorderChange();
    TrackBarTemperatHiBorder->setValue(image.s8(field("TrackBarTemperatHiBorder").offset));
    TrackBarTemperatHiBorderChange();
    level(ComboBoxLoBorderLevel, "ComboBoxLoBorderLevel");
    list(ComboBoxLoBorderOut, "ComboBoxLoBorderOut");
    list(ComboBoxLoBorderScn, "ComboBoxLoBorderScn");
    level(ComboBoxHiBorderLevel, "ComboBoxHiBorderLevel");
    list(ComboBoxHiBorderOut, "ComboBoxHiBorderOut");
    list(ComboBoxHiBorderScn, "ComboBoxHiBorderScn");

    flag(CheckBoxTamperEnable, "CheckBoxTamperEnable");
    flag(CheckBoxTamperInversion, "CheckBoxTamperInversion");
    list(ComboBoxTamperActOutN, "ComboBoxTamperActOutN");
    list(ComboBoxTamperActScnN, "ComboBoxTamperActScnN");
}

void PowerPanel::pack(DeviceImage& image, int page)
{
    Q_UNUSED(page);
    auto put = [&](const char* name, std::uint32_t v) { writeField(image, field(name), v); };
    auto flag = [&](const char* name, const QCheckBox* c) { put(name, c->isChecked() ? 1 : 0); };
    auto list = [&](const char* name, const QComboBox* c) { put(name, listValue(c, fieldBitCount(field(name)))); };
    auto level = [&](const char* name, const QComboBox* c) {
        image.setS8(field(name).offset, static_cast<std::int8_t>(kLevelTop - c->currentIndex()));
    };

    list("ComboBoxPowerSignAverTime", ComboBoxPowerSignAverTime);
    flag("CheckBoxExtPowerFault", CheckBoxExtPowerFault);
    list("ComboBoxRecoveryTime", ComboBoxRecoveryTime);
    flag("CheckBoxExtPowerRec", CheckBoxExtPowerRec);
    flag("CheckBoxAsFaultSendGPSPos", CheckBoxAsFaultSendGPSPos);
    list("ComboBoxFltBrdArriveOut", ComboBoxFltBrdArriveOut);
    list("ComboBoxFltBrdArriveScn", ComboBoxFltBrdArriveScn);
    list("ComboBoxFltBrdRecoveryOut", ComboBoxFltBrdRecoveryOut);
    list("ComboBoxFltBrdRecoveryScn", ComboBoxFltBrdRecoveryScn);

    put("TrackBarDischargeAlarm", static_cast<std::uint32_t>(kDischargeMax - TrackBarDischargeAlarm->value()));
    flag("CheckBoxBatteryDischargeAlarmEventEn", CheckBoxBatteryDischargeAlarmEventEn);
    put("TrackBarDischargeWarn", static_cast<std::uint32_t>(kDischargeMax - TrackBarDischargeWarn->value()));
    flag("CheckBoxBatteryDischargeWarnEventEn", CheckBoxBatteryDischargeWarnEventEn);
    flag("CheckBoxAsDischargeSendGPSPos", CheckBoxAsDischargeSendGPSPos);
    list("ComboBoxDischAlarmBrdArrOut", ComboBoxDischAlarmBrdArrOut);
    list("ComboBoxDischAlarmBrdArrScn", ComboBoxDischAlarmBrdArrScn);
    list("ComboBoxDischWarnBrdArrOut", ComboBoxDischWarnBrdArrOut);
    list("ComboBoxDischWarnBrdArrScn", ComboBoxDischWarnBrdArrScn);

    list("ComboBoxIndFunction", ComboBoxIndFunction);
    flag("CheckBoxAlarmBlinking", CheckBoxAlarmBlinking);
    flag("CheckBoxDisableLedsAtCoverClose", CheckBoxDisableLedsAtCoverClose);
    flag("CheckBoxShowActiveInsToArmOut", CheckBoxShowActiveInsToArmOut);

    flag("CheckBoxTemperatureEvent", CheckBoxTemperatureEvent);
    image.setS8(field("TrackBarTemperatLowBorder").offset, static_cast<std::int8_t>(TrackBarTemperatLowBorder->value()));
    image.setS8(field("TrackBarTemperatHiBorder").offset, static_cast<std::int8_t>(TrackBarTemperatHiBorder->value()));
    level("ComboBoxLoBorderLevel", ComboBoxLoBorderLevel);
    list("ComboBoxLoBorderOut", ComboBoxLoBorderOut);
    list("ComboBoxLoBorderScn", ComboBoxLoBorderScn);
    level("ComboBoxHiBorderLevel", ComboBoxHiBorderLevel);
    list("ComboBoxHiBorderOut", ComboBoxHiBorderOut);
    list("ComboBoxHiBorderScn", ComboBoxHiBorderScn);

    flag("CheckBoxTamperEnable", CheckBoxTamperEnable);
    flag("CheckBoxTamperInversion", CheckBoxTamperInversion);
    list("ComboBoxTamperActOutN", ComboBoxTamperActOutN);
    list("ComboBoxTamperActScnN", ComboBoxTamperActScnN);
}

void PowerPanel::TrackBarDischargeWarnChange()
{
    const int pos = TrackBarDischargeWarn->value();
    Label4->setText(QString::number(kDischargeMax - pos) + QStringLiteral("%"));
    if (pos < kFirstBorderMinPos) {
        TrackBarDischargeWarn->setValue(kFirstBorderMinPos); // runs this rule again
        return;
    }
    if (TrackBarDischargeAlarm->value() < pos)
        TrackBarDischargeAlarm->setValue(pos);
}

void PowerPanel::TrackBarDischargeAlarmChange()
{
    const int pos = TrackBarDischargeAlarm->value();
    Label14->setText(QString::number(kDischargeMax - pos) + QStringLiteral("%"));
    if (pos < TrackBarDischargeWarn->value())
        TrackBarDischargeWarn->setValue(pos); // the first border's rule applies in turn
}

void PowerPanel::TrackBarTemperatHiBorderChange()
{
    const int upper = TrackBarTemperatHiBorder->value();
    const int limited = std::clamp(upper, -30, 82);
    if (limited != upper) {
        TrackBarTemperatHiBorder->setValue(limited);
        return;
    }
    if (TrackBarTemperatLowBorder->value() >= upper - 2)
        TrackBarTemperatLowBorder->setValue(upper - 2);
    LabelHiBorder->setText(degrees(upper));
}

void PowerPanel::TrackBarTemperatLowBorderChange()
{
    const int lower = TrackBarTemperatLowBorder->value();
    const int limited = std::clamp(lower, -32, 80);
    if (limited != lower) {
        TrackBarTemperatLowBorder->setValue(limited);
        return;
    }
    if (lower + 2 >= TrackBarTemperatHiBorder->value())
        TrackBarTemperatHiBorder->setValue(lower + 2);
    LabelLowBorder->setText(degrees(lower));
}

void PowerPanel::ComboBoxHiBorderLevelChange()
{
    if (ComboBoxLoBorderLevel->currentIndex() < ComboBoxHiBorderLevel->currentIndex()) {
        const QSignalBlocker block(ComboBoxLoBorderLevel);
        ComboBoxLoBorderLevel->setCurrentIndex(ComboBoxHiBorderLevel->currentIndex());
    }
}

void PowerPanel::ComboBoxLoBorderLevelChange()
{
    if (ComboBoxLoBorderLevel->currentIndex() < ComboBoxHiBorderLevel->currentIndex()) {
        const QSignalBlocker block(ComboBoxHiBorderLevel);
        ComboBoxHiBorderLevel->setCurrentIndex(ComboBoxLoBorderLevel->currentIndex());
    }
}

void PowerPanel::showBatteryCharge(int charge)
{
    if (charge >= 0 && charge <= 100) {
        Label17->setText(QString::number(charge) + QStringLiteral("%"));
        ProgressBarBatCharge->setValue(charge);
        LabelBatMsg->setText(QStringLiteral("\nАккумулятор подключен"));
    } else if (charge == 254) {
        Label17->setText(QStringLiteral("0%"));
        ProgressBarBatCharge->setValue(0);
        LabelBatMsg->setText(QStringLiteral("Тестирование АКБ,\nподождите (не более 1 мин.)"));
    } else {
        Label17->setText(QStringLiteral("0%"));
        ProgressBarBatCharge->setValue(0);
        LabelBatMsg->setText(QStringLiteral("\nАккумулятор не подключен"));
    }
}

void PowerPanel::showMainSupply(int tenthsOfVolt)
{
    const int v = tenthsOfVolt < 5 ? 0 : tenthsOfVolt;
    QString text = QLocale::c().toString(v * 0.1, 'f', 1);
    text.replace(QLatin1Char('.'), QLocale().decimalPoint());
    LabelMainPower->setText(text + QStringLiteral(" В"));
    ProgressBarMainPower->setValue(std::min(v, kMainPowerBarMax));
}

void PowerPanel::showBoardTemperature(bool available, int celsius)
{
    if (available) {
        LabelTemperature->setText(QStringLiteral("Текущее значение"));
        ProgressBarModemTemperature->setValue(std::clamp(celsius, -40, 90));
        ProgressBarModemTemperature->setVisible(true);
        LabelTempCurVal->setText(QString::number(celsius) + QStringLiteral("° C"));
    } else {
        LabelTemperature->setText(QStringLiteral("Текущее значение температуры не доступно"));
        ProgressBarModemTemperature->setVisible(false);
        LabelTempCurVal->clear();
    }
}

void PowerPanel::showStatusUnavailable()
{
    showBatteryCharge(0);
    showMainSupply(0);
}

} // namespace zel
