#include "ui/pages/inputs/input_page_panel.h"

#include "ui/pages/inputs/calibration_dialog.h"
#include "ui/pages/inputs/input_values.h"
#include "ui/pages/inputs/input_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>

namespace zel {

using namespace inputs;

namespace {

constexpr int kNameWidth = 17;
constexpr int kRangeTextLength = 10;

const QString kVolt = QStringLiteral("В");
const QString kPercent = QStringLiteral("%");
const QString kCalibrate = QStringLiteral("K");
const QString kDegrees = QStringLiteral("° C");

const char* const kActNames[7] = {"ComboBoxActRele1", "ComboBoxActRele2", "ComboBoxActRele3", "ComboBoxActRele4",
                                  "ComboBoxActRele5", "ComboBoxActRele6", "ComboBoxActRele7"};
const char* const kPassNames[7] = {"ComboBoxPassRele1", "ComboBoxPassRele2", "ComboBoxPassRele3",
                                   "ComboBoxPassRele4", "ComboBoxPassRele5", "ComboBoxPassRele6",
                                   "ComboBoxPassRele7"};
// Row labels of the two reaction groups (relay 1, relay 2, outputs 1..5).
const char* const kActLabels[7] = {"Label102", "Label101", "Label24", "Label27", "Label31", "Label33", "Label34"};
const char* const kPassLabels[7] = {"Label98", "Label97", "Label36", "Label37", "Label38", "Label39", "Label40"};

QString outputRowName(int i)
{
    return i < 2 ? QStringLiteral("Реле %1").arg(i + 1) : QStringLiteral("Выход %1").arg(i - 1);
}

QComboBox* makeNameList(QWidget* parent, const char* name, const QRect& geometry)
{
    QComboBox* c = makeList(parent, QString::fromLatin1(name), field(name).items, geometry);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->lineEdit()->setMaxLength(kNameWidth - 1);
    return c;
}

QComboBox* makeFieldList(QWidget* parent, const char* name, const QRect& geometry)
{
    return makeList(parent, QString::fromLatin1(name), field(name).items, geometry);
}

} // namespace

InputPagePanel::InputPagePanel(QWidget* parent) : SectionPanel("Panel6", "Label10", parent)
{
    buildPage();
    liveColour_ = palette().color(QPalette::Window);
}

void InputPagePanel::buildPage()
{
    // Left column: identity of the input and its alarm zone.
    const int lx = 4, lw = 178, cx = 186, cw = 114;
    makeLabel(this, "Label87", QStringLiteral("Тип входа"), QRect(lx, 32, lw, 20));
    ComboBoxSensType = makeFieldList(this, "ComboBoxSensType", QRect(cx, 30, cw, 22));
    makeLabel(this, "Label12", QStringLiteral("Название входа"), QRect(lx, 56, lw, 20));
    ComboBoxSensName = makeNameList(this, "ComboBoxSensName", QRect(cx, 54, cw, 22));
    makeLabel(this, "Label19", QStringLiteral("Название активного состояния входа"), QRect(lx, 80, lw, 20));
    ComboBoxSensActSt = makeNameList(this, "ComboBoxSensActSt", QRect(cx, 78, cw, 22));
    makeLabel(this, "Label26", QStringLiteral("Название пассивного состояния входа"), QRect(lx, 104, lw, 20));
    ComboBoxSensPassSt = makeNameList(this, "ComboBoxSensPassSt", QRect(cx, 102, cw, 22));
    makeLabel(this, "Label88", QStringLiteral("Время усреднения входного сгнала"), QRect(lx, 128, lw, 20));
    ComboBoxAverageTime = makeFieldList(this, "ComboBoxAverageTime", QRect(cx, 126, cw, 22));
    makeLabel(this, "Label80", QStringLiteral("Источник питания датчиков поключенных к этому входу"),
              QRect(lx, 150, 296, 16));
    ComboBoxSensorPwrSource = makeFieldList(this, "ComboBoxSensorPwrSource", QRect(lx, 167, 296, 22));
    CheckBox24HZone = makeCheck(this, "CheckBox24HZone",
                                QStringLiteral("Всегда контролировать этот вход (24 часа в сутки)"),
                                QRect(lx, 192, 296, 20));

    QGroupBox* level = makeGroup(this, "GroupBox2", QStringLiteral(" Активный входной уровень "),
                                 QRect(lx, 214, 296, 46));
    ComboBoxSensActLevel = makeFieldList(level, "ComboBoxSensActLevel", QRect(8, 18, 280, 22));

    QGroupBox* zone = makeGroup(this, "GroupBox10", QStringLiteral(" Границы тревожной зоны "),
                                QRect(lx, 264, 296, 156));
    makeLabel(zone, "Label152", QStringLiteral("Верхняя граница"), QRect(8, 20, 86, 20));
    TrackBarHiBarrier = new QSlider(Qt::Horizontal, zone);
    TrackBarHiBarrier->setObjectName("TrackBarHiBarrier");
    TrackBarHiBarrier->setGeometry(96, 20, 128, 22);
    makeLabel(zone, "Label151", QStringLiteral("Текущее значение"), QRect(8, 46, 86, 20));
    ProgressBarCurrentVal = new QProgressBar(zone);
    ProgressBarCurrentVal->setObjectName("ProgressBarCurrentVal");
    ProgressBarCurrentVal->setGeometry(100, 48, 120, 16);
    ProgressBarCurrentVal->setTextVisible(false);
    makeLabel(zone, "Label93", QStringLiteral("Нижняя граница"), QRect(8, 72, 86, 20));
    TrackBarLoBarrier = new QSlider(Qt::Horizontal, zone);
    TrackBarLoBarrier->setObjectName("TrackBarLoBarrier");
    TrackBarLoBarrier->setGeometry(96, 72, 128, 22);
    for (QSlider* s : {TrackBarHiBarrier, TrackBarLoBarrier}) {
        s->setRange(0, kRawFullScale);
        s->setPageStep(64);
    }
    ProgressBarCurrentVal->setRange(0, kRawFullScale);
    ProgressBarCurrentVal->setValue(0);
    LabelHiBarrier = makeLabel(zone, "LabelHiBarrier", QString(), QRect(228, 20, 62, 20));
    LabelCurrentVal = makeLabel(zone, "LabelCurrentVal", QStringLiteral("0 В"), QRect(228, 46, 62, 20));
    LabelCurrentVal->setAutoFillBackground(true);
    LabelLoBarrier = makeLabel(zone, "LabelLoBarrier", QString(), QRect(228, 72, 62, 20));
    ButtonVoltPerc = new QPushButton(kVolt, zone);
    ButtonVoltPerc->setObjectName("ButtonVoltPerc");
    ButtonVoltPerc->setGeometry(8, 100, 24, 22);
    PanelAnalogue = new QFrame(zone);
    PanelAnalogue->setObjectName("PanelAnalogue");
    PanelAnalogue->setGeometry(36, 98, 254, 52);
    makeLabel(PanelAnalogue, "Label94", QStringLiteral("Минимальное значение"), QRect(4, 4, 140, 20));
    MaskEditMinVal = new QLineEdit(PanelAnalogue);
    MaskEditMinVal->setObjectName("MaskEditMinVal");
    MaskEditMinVal->setGeometry(150, 3, 96, 22);
    makeLabel(PanelAnalogue, "Label95", QStringLiteral("Максимальное значение"), QRect(4, 28, 140, 20));
    MaskEditMaxVal = new QLineEdit(PanelAnalogue);
    MaskEditMaxVal->setObjectName("MaskEditMaxVal");
    MaskEditMaxVal->setGeometry(150, 27, 96, 22);
    for (QLineEdit* e : {MaskEditMinVal, MaskEditMaxVal})
        e->setMaxLength(kRangeTextLength);
    PanelAnalogue->setVisible(false);

    // Right column: false-alarm filter and the actions on an alarm event.
    const int rx = 308, rw = 396;
    QGroupBox* filter = makeGroup(this, "GroupBoxFiltr", QStringLiteral(" Фильтр ложных тревожных событий "),
                                  QRect(rx, 30, rw, 108));
    makeLabel(filter, "Label100", QStringLiteral("Формировать тревожное событие, когда зафиксированно"),
              QRect(8, 16, 380, 16));
    makeLabel(filter, "Label103", QStringLiteral("минимум"), QRect(8, 38, 50, 20));
    ComboBoxActiveTriggerNum = makeFieldList(filter, "ComboBoxActiveTriggerNum", QRect(60, 36, 44, 22));
    makeLabel(filter, "Label99", QStringLiteral("активизации за время"), QRect(110, 38, 120, 20));
    ComboBoxAlarmDelayTime = makeFieldList(filter, "ComboBoxAlarmDelayTime", QRect(232, 36, 80, 22));
    makeLabel(filter, "Label89", QStringLiteral("В одной охранной сессии формировать тревожные события"),
              QRect(8, 60, 250, 28), true);
    ComboBoxAlarmTry = makeFieldList(filter, "ComboBoxAlarmTry", QRect(262, 62, 126, 22));
    CheckBoxNotArmingAsActive =
        makeCheck(filter, "CheckBoxNotArmingAsActive",
                  QStringLiteral("Не переходить в режим Охрана при активном состоянии входа"), QRect(8, 88, 380, 18));

    QGroupBox* actions = makeGroup(this, "GroupBox14",
                                   QStringLiteral(" Действия при возникновении тревожного события "),
                                   QRect(rx, 142, rw, 344));
    StaticText2 = makeLabel(actions, "StaticText2",
                            QStringLiteral("Отправить голосовое и/или SMS оповещение в соответсвии с настройками "
                                           "каждого соединения"),
                            QRect(8, 16, 380, 30), true);
    StaticText2->setFrameShape(QFrame::Box);
    StaticText2->setAutoFillBackground(true);
    {
        QPalette p = StaticText2->palette();
        p.setColor(QPalette::Window, Qt::white);
        StaticText2->setPalette(p);
    }
    makeLabel(actions, "Label193", QStringLiteral("Все реле/выходы управляются"), QRect(8, 52, 150, 20));
    ComboBoxReleToAlarm = makeFieldList(actions, "ComboBoxReleToAlarm", QRect(160, 50, 228, 22));
    makeLabel(actions, "Label91",
              QStringLiteral("Задержка формирования тревожного события и управления реле при активизации входа"),
              QRect(8, 76, 300, 28), true);
    ComboBoxDelayTime = makeList(actions, "ComboBoxDelayTime", {}, QRect(312, 79, 76, 22));
    makeLabel(actions, "Label76",
              QStringLiteral("Время восстановления опроса входа  после возникновения тревожного события, Мин"),
              QRect(8, 108, 300, 28), true);
    UpDownRecoveryTime = new UpDownEdit(actions, "UpDownRecoveryTime", "EditRecoveryTime", 63, 2);
    UpDownRecoveryTime->setGeometry(312, 111, 50, 22);
    EditRecoveryTime = UpDownRecoveryTime->edit();
    makeLabel(actions, "Label35",
              QStringLiteral("Установить голосовое соединение для связи через внешнее переговорное устройство, "
                             "по номеру "),
              QRect(8, 140, 300, 28), true);
    ComboBoxListenNum = makeFieldList(actions, "ComboBoxListenNum", QRect(312, 143, 50, 22));

    QGroupBox* act = makeGroup(actions, "GroupBoxInActActions", QStringLiteral(" При переходе в акт. сост. "),
                               QRect(8, 172, 186, 166));
    QGroupBox* pass = makeGroup(actions, "GroupBoxInPasActions", QStringLiteral(" При переходе в пасс. сост. "),
                                QRect(202, 172, 186, 166));
    for (int i = 0; i < 7; ++i) {
        const int y = 18 + 21 * i;
        makeLabel(act, kActLabels[i], outputRowName(i), QRect(8, y, 50, 20));
        ComboBoxActRele[i] = makeFieldList(act, kActNames[i], QRect(60, y, 118, 20));
        makeLabel(pass, kPassLabels[i], outputRowName(i), QRect(8, y, 50, 20));
        ComboBoxPassRele[i] = makeFieldList(pass, kPassNames[i], QRect(60, y, 118, 20));
    }

    // Controls of the record that this configurator does not offer.
    ComboBoxActArmDisMode = makeFieldList(this, "ComboBoxActArmDisMode", QRect(0, 0, 10, 10));
    ComboBoxPassArmDisMode = makeFieldList(this, "ComboBoxPassArmDisMode", QRect(0, 0, 10, 10));
    CheckBoxActiveToGPS = makeCheck(this, "CheckBoxActiveToGPS", QStringLiteral("Отправить GPS информацию"),
                                    QRect(0, 0, 10, 10));
    for (QWidget* w : std::initializer_list<QWidget*>{ComboBoxActArmDisMode, ComboBoxPassArmDisMode,
                                                      CheckBoxActiveToGPS})
        w->setVisible(false);

    connect(ComboBoxSensType, &QComboBox::activated, this, [this] { ComboBoxSensTypeChange(); });
    connect(TrackBarHiBarrier, &QSlider::valueChanged, this, [this] { TrackBarHiBarrierChange(); });
    connect(TrackBarLoBarrier, &QSlider::valueChanged, this, [this] { TrackBarLoBarrierChange(); });
    connect(ButtonVoltPerc, &QPushButton::clicked, this, [this] { ButtonVoltPercClick(); });
}

void InputPagePanel::setUpOnce()
{
    // Item i: the delay 5 * i seconds.
    ComboBoxDelayTime->clear();
    for (int i = 0; i < 64; ++i)
        ComboBoxDelayTime->addItem(QString::number(5 * i) + QStringLiteral(" Sec."));
}

void InputPagePanel::prepare(int page)
{
    // Inputs 9 to 14 have no choice of sensor power: the list only shows the stored value.
    ComboBoxSensorPwrSource->setEnabled(inputOfPage(page) <= 8);
}

void InputPagePanel::setRangeText(QLineEdit* edit, const QString& text)
{
    // The edit takes 10 typed characters, but a stored value may need more (an
    // exponent); cutting it would change the value at the next packing.
    edit->setMaxLength(std::max(kRangeTextLength, static_cast<int>(text.size())));
    edit->setText(text);
}

void InputPagePanel::unpack(const DeviceImage& image, int page)
{
    const int n = inputOfPage(page);
    auto value = [&](const char* name) { return readField(image, field(name), n); };
    auto text = [&](const char* name) {
        // The field's last byte is always the terminating NUL.
        return image.text(field(name).recordOffset(n), kNameWidth - 1);
    };

    showListValue(ComboBoxSensType, value("ComboBoxSensType"));
    ComboBoxSensName->setEditText(text("ComboBoxSensName"));
    ComboBoxSensActSt->setEditText(text("ComboBoxSensActSt"));
    ComboBoxSensPassSt->setEditText(text("ComboBoxSensPassSt"));

    showListValue(ComboBoxSensActLevel, value("ComboBoxSensActLevel"));
    // Setting a border runs the border rule, as moving it does.
    TrackBarHiBarrier->setValue(static_cast<int>(value("TrackBarHiBarrier")));
    TrackBarLoBarrier->setValue(static_cast<int>(value("TrackBarLoBarrier")));
    CheckBox24HZone->setChecked(value("CheckBox24HZone") != 0);
    showListValue(ComboBoxAverageTime, value("ComboBoxAverageTime"));
    showListValue(ComboBoxDelayTime, value("ComboBoxDelayTime"));
    UpDownRecoveryTime->setValue(static_cast<int>(value("UpDownRecoveryTime")));
    showListValue(ComboBoxReleToAlarm, value("ComboBoxReleToAlarm"));
    showListValue(ComboBoxActiveTriggerNum, value("ComboBoxActiveTriggerNum"));
    CheckBoxNotArmingAsActive->setChecked(value("CheckBoxNotArmingAsActive") != 0);
    showListValue(ComboBoxAlarmDelayTime, value("ComboBoxAlarmDelayTime"));
    showListValue(ComboBoxSensorPwrSource, value("ComboBoxSensorPwrSource"));
    showListValue(ComboBoxListenNum, value("ComboBoxListenNum"));
    CheckBoxActiveToGPS->setChecked(value("CheckBoxActiveToGPS") != 0);
    showListValue(ComboBoxAlarmTry, value("ComboBoxAlarmTry"));

    setRangeText(MaskEditMinVal,
                 formatGeneral(image.float32(field("MaskEditMinVal").recordOffset(n)), 7));
    setRangeText(MaskEditMaxVal,
                 formatGeneral(image.float32(field("MaskEditMaxVal").recordOffset(n)), 7));

    for (int i = 0; i < 7; ++i)
        showListValue(ComboBoxActRele[i], value(kActNames[i]));
    showListValue(ComboBoxActArmDisMode, value("ComboBoxActArmDisMode"));
    for (int i = 0; i < 7; ++i)
        showListValue(ComboBoxPassRele[i], value(kPassNames[i]));
    showListValue(ComboBoxPassArmDisMode, value("ComboBoxPassArmDisMode"));
}

void InputPagePanel::pack(DeviceImage& image, int page)
{
    const int n = inputOfPage(page);
    auto list = [&](const char* name, const QComboBox* c) {
        const FieldDef& f = field(name);
        writeField(image, f, listValue(c, fieldBitCount(f)), n);
    };
    auto flag = [&](const char* name, const QCheckBox* c) { writeField(image, field(name), c->isChecked() ? 1 : 0, n); };
    auto text = [&](const char* name, const QComboBox* c) {
        image.setText(field(name).recordOffset(n), kNameWidth, c->currentText());
    };

    list("ComboBoxSensType", ComboBoxSensType);
    text("ComboBoxSensName", ComboBoxSensName);
    text("ComboBoxSensActSt", ComboBoxSensActSt);
    text("ComboBoxSensPassSt", ComboBoxSensPassSt);
    list("ComboBoxSensActLevel", ComboBoxSensActLevel);
    flag("CheckBox24HZone", CheckBox24HZone);
    list("ComboBoxAverageTime", ComboBoxAverageTime);
    writeField(image, field("TrackBarHiBarrier"), static_cast<std::uint32_t>(TrackBarHiBarrier->value()), n);
    writeField(image, field("TrackBarLoBarrier"), static_cast<std::uint32_t>(TrackBarLoBarrier->value()), n);
    list("ComboBoxDelayTime", ComboBoxDelayTime);
    writeField(image, field("UpDownRecoveryTime"), static_cast<std::uint32_t>(UpDownRecoveryTime->value()), n);
    list("ComboBoxReleToAlarm", ComboBoxReleToAlarm);
    list("ComboBoxActiveTriggerNum", ComboBoxActiveTriggerNum);
    flag("CheckBoxNotArmingAsActive", CheckBoxNotArmingAsActive);
    list("ComboBoxAlarmDelayTime", ComboBoxAlarmDelayTime);
    list("ComboBoxSensorPwrSource", ComboBoxSensorPwrSource);
    list("ComboBoxListenNum", ComboBoxListenNum);
    flag("CheckBoxActiveToGPS", CheckBoxActiveToGPS);
    list("ComboBoxAlarmTry", ComboBoxAlarmTry);

    const ValueRange range = packValueRange(MaskEditMinVal->text(), MaskEditMaxVal->text());
    image.setFloat32(field("MaskEditMinVal").recordOffset(n), range.min);
    image.setFloat32(field("MaskEditMaxVal").recordOffset(n), range.max);

    for (int i = 0; i < 7; ++i)
        list(kActNames[i], ComboBoxActRele[i]);
    list("ComboBoxActArmDisMode", ComboBoxActArmDisMode);
    for (int i = 0; i < 7; ++i)
        list(kPassNames[i], ComboBoxPassRele[i]);
    list("ComboBoxPassArmDisMode", ComboBoxPassArmDisMode);
}

void InputPagePanel::ComboBoxSensTypeChange()
{
    if (ComboBoxSensType->currentIndex() == TypeVar03) {
        setRangeText(MaskEditMinVal, QStringLiteral("-50"));
        setRangeText(MaskEditMaxVal, QStringLiteral("150"));
    }
    refreshReadouts();
}

void InputPagePanel::TrackBarHiBarrierChange()
{
    if (TrackBarHiBarrier->value() < TrackBarLoBarrier->value())
        TrackBarLoBarrier->setValue(TrackBarHiBarrier->value());
    refreshReadouts();
    UpdateLiveColour(false);
}

void InputPagePanel::TrackBarLoBarrierChange()
{
    if (TrackBarHiBarrier->value() < TrackBarLoBarrier->value())
        TrackBarHiBarrier->setValue(TrackBarLoBarrier->value());
    refreshReadouts();
    UpdateLiveColour(false);
}

void InputPagePanel::refreshReadouts()
{
    const int type = ComboBoxSensType->currentIndex();
    const int H = TrackBarHiBarrier->value();
    const int L = TrackBarLoBarrier->value();
    const int r = ProgressBarCurrentVal->value();
    switch (type) {
    case TypeDisabled:
    case TypeDiscrete: {
        ButtonVoltPerc->setVisible(true);
        if (ButtonVoltPerc->text() == kCalibrate)
            ButtonVoltPerc->setText(kVolt);
        PanelAnalogue->setVisible(false);
        // The caption names the unit a click switches to: "%" means the readouts are in volts.
        const bool volts = ButtonVoltPerc->text() == kPercent;
        auto show = [volts](int raw) {
            return volts ? formatGeneral(raw * 10.0 / kRawFullScale, 3) + QStringLiteral(" В")
                         : formatGeneral(raw * 100.0 / kRawFullScale, 3) + QStringLiteral(" %");
        };
        LabelHiBarrier->setText(show(H));
        LabelLoBarrier->setText(show(L));
        LabelCurrentVal->setText(show(r));
        break;
    }
    case TypeAnalogue:
    case TypeVar03: {
        ButtonVoltPerc->setVisible(true);
        ButtonVoltPerc->setText(kCalibrate);
        PanelAnalogue->setVisible(true);
        const double min = rangeTextValue(MaskEditMinVal->text());
        const double max = rangeTextValue(MaskEditMaxVal->text());
        const QString unit = type == TypeVar03 ? kDegrees : QString();
        LabelHiBarrier->setText(formatGeneral(scaledValue(min, max, H), 4) + unit);
        LabelLoBarrier->setText(formatGeneral(scaledValue(min, max, L), 4) + unit);
        LabelCurrentVal->setText(formatGeneral(scaledValue(min, max, r), 4) + unit);
        break;
    }
    case TypeZaz02:
        ButtonVoltPerc->setVisible(false);
        PanelAnalogue->setVisible(false);
        LabelHiBarrier->setText(formatGeneral(zaz02Temperature(H), 3) + kDegrees);
        LabelLoBarrier->setText(formatGeneral(zaz02Temperature(L), 3) + kDegrees);
        LabelCurrentVal->setText(formatGeneral(zaz02Temperature(r), 3) + kDegrees);
        break;
    default:
        break; // no type selected: the readouts stay as they are
    }
}

void InputPagePanel::UpdateLiveColour(bool newValue)
{
    if (newValue)
        liveValueSeen_ = true;
    if (liveValueSeen_) {
        switch (liveStateFor(ComboBoxSensActLevel->currentIndex(), ProgressBarCurrentVal->value(),
                             TrackBarLoBarrier->value(), TrackBarHiBarrier->value())) {
        case LiveState::Active:
            liveColour_ = Qt::red;
            break;
        case LiveState::Passive:
            liveColour_ = palette().color(QPalette::Window);
            break;
        case LiveState::Keep:
            break;
        }
    }
    QPalette p = LabelCurrentVal->palette();
    p.setColor(QPalette::Window, liveColour_);
    LabelCurrentVal->setPalette(p);
}

void InputPagePanel::ShowLiveInputValue(int raw, bool valid)
{
    ProgressBarCurrentVal->setValue(std::clamp(raw, 0, kRawFullScale));
    refreshReadouts();
    UpdateLiveColour(valid);
}

bool InputPagePanel::askCalibrationValue(double& desired)
{
    TFormCalibration dialog(window());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    desired = dialog.desiredValue();
    return true;
}

void InputPagePanel::applyCalibration(double desired)
{
    const double min = rangeTextValue(MaskEditMinVal->text());
    const double max = rangeTextValue(MaskEditMaxVal->text());
    const double current = scaledValue(min, max, ProgressBarCurrentVal->value());
    setRangeText(MaskEditMinVal, formatGeneral(min + (desired - current), 7));
    setRangeText(MaskEditMaxVal, formatGeneral(max + (desired - current), 7));
}

void InputPagePanel::ButtonVoltPercClick()
{
    const int type = ComboBoxSensType->currentIndex();
    if (type == TypeAnalogue || type == TypeVar03) {
        double desired = 0.0;
        if (askCalibrationValue(desired))
            applyCalibration(desired);
    } else {
        ButtonVoltPerc->setText(ButtonVoltPerc->text() == kVolt ? kPercent : kVolt);
    }
    refreshReadouts();
}

} // namespace zel
