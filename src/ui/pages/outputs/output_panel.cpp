#include "ui/pages/outputs/output_panel.h"

#include "image/field_catalogue.h"
#include "ui/interface_texts.h"
#include "ui/pages/outputs/panel_util.h"

#include <QPainter>

namespace zel {

using namespace outputs;

namespace {

constexpr int kOutputCount = 7;
constexpr int kSchedulerRows = 8;
constexpr int kEventInputs = 14;
constexpr int kNameWidth = 17;
const QChar kTab = QLatin1Char('\t');

QString itemOf(const QStringList& items, int index)
{
    return index >= 0 && index < items.size() ? items.at(index) : QString();
}

QString numbered(const char* base, int n)
{
    return QString::fromLatin1(base) + QString::number(n);
}

const FieldDef& numberedField(const char* base, int n)
{
    return field(numbered(base, n).toLatin1().constData());
}

} // namespace

OutputEventNames OutputEventNames::defaults()
{
    OutputEventNames n;
    n.schedulerNode = QStringLiteral("Часы, планировщик задач");
    n.powerNode = QStringLiteral("[Питание, температура...]");
    n.armInNode = QStringLiteral("Вход [Arm In]");
    for (int i = 1; i <= kEventInputs; ++i)
        n.inputNodes << QStringLiteral("Вход %1").arg(i);
    n.schedulerReactions = field("SchedulerReaction").items;
    n.tamperReactions = field("ComboBoxTamperActScnN").items;
    n.highTemperatureReactions = field("ComboBoxHiBorderScn").items;
    n.lowTemperatureReactions = field("ComboBoxLoBorderScn").items;
    n.countdownReactions = field("ComboBoxCDtoRele1").items;
    n.armReactions = field("ComboBoxArmToRele1").items;
    n.disarmReactions = field("ComboBoxDisarmToRele1").items;
    n.protectedReactions = field("ComboBoxRAtoRele1").items;
    n.activeReactions = field("ComboBoxActRele1").items;
    n.passiveReactions = field("ComboBoxPassRele1").items;
    return n;
}

QStringList outputEventLines(const DeviceImage& image, int k, const OutputEventNames& names)
{
    QStringList lines;

    // Scheduler rows that are enabled, run on some weekday and drive this output.
    const FieldDef& enabled = field("SchedulerRowEnabled");
    const FieldDef& monday = field("SchedulerMonday");
    const FieldDef& type = field("SchedulerActionType");
    const FieldDef& param = field("SchedulerActionParam");
    const FieldDef& reaction = field("SchedulerReaction");
    const FieldDef& hour = field("SchedulerHour");
    const FieldDef& minute = field("SchedulerMinute");
    for (int r = 1; r <= kSchedulerRows; ++r) {
        if (!image.bit(enabled.recordOffset(r), 0))
            continue;
        if (image.bits(monday.recordOffset(r), 0, 7) == 0)
            continue;
        if (image.bits(type.recordOffset(r), type.bitLow, type.bitCount) != 3)
            continue;
        if (static_cast<int>(image.bits(param.recordOffset(r), 0, 4)) != k)
            continue;
        const int react = image.byte(reaction.recordOffset(r));
        if (react == 0)
            continue;
        lines << QLatin1Char('[') + names.schedulerNode + QLatin1Char(']') + kTab + kTab
                     + itemOf(names.schedulerReactions, react) + kTab + QStringLiteral("В ")
                     + QString::number(image.bits(hour.recordOffset(r), hour.bitLow, hour.bitCount))
                     + QLatin1Char(':')
                     + QString::number(image.bits(minute.recordOffset(r), minute.bitLow, minute.bitCount))
                     + QStringLiteral(" в указанные дни недели, строка № ") + QString::number(r);
    }

    // Power page: tamper, high and low temperature. One byte each: bits 0-2 the
    // output, bits 3-7 the reaction.
    auto powerLine = [&](const char* outField, const QStringList& items, const QString& text) {
        const int b = image.byte(field(outField).offset);
        if ((b & 7) == k && b > 7)
            lines << names.powerNode + kTab + kTab + itemOf(items, b >> 3) + kTab + text;
    };
    powerLine("ComboBoxTamperActOutN", names.tamperReactions, QStringLiteral("При вскрытии корпуса"));
    powerLine("ComboBoxHiBorderOut", names.highTemperatureReactions,
              QStringLiteral("При превышении температуры выше ")
                  + QString::number(image.s8(field("ComboBoxHiBorderLevel").offset)) + QLatin1Char('C'));
    powerLine("ComboBoxLoBorderOut", names.lowTemperatureReactions,
              QStringLiteral("При падении температуры ниже ")
                  + QString::number(image.s8(field("ComboBoxLoBorderLevel").offset)) + QLatin1Char('C'));

    // Arm In reactions for this output.
    auto armInLine = [&](const char* base, const QStringList& items, const QString& text) {
        const int react = image.byte(numberedField(base, k + 1).offset);
        if (react != 0)
            lines << names.armInNode + kTab + kTab + kTab + itemOf(items, react) + kTab + text;
    };
    armInLine("ComboBoxCDtoRele", names.countdownReactions, QStringLiteral("При начале обратного отсчета"));
    armInLine("ComboBoxArmToRele", names.armReactions, QStringLiteral("При переходе в режим ОХРАНА"));
    armInLine("ComboBoxDisarmToRele", names.disarmReactions, QStringLiteral("При переходе в режим НАБЛЮДЕНИЕ"));
    armInLine("ComboBoxRAtoRele", names.protectedReactions, QStringLiteral("При переходе в режим ЗАЩИТА"));

    // Inputs 1..14: activation, then deactivation.
    const FieldDef& active = numberedField("ComboBoxActRele", k + 1);
    const FieldDef& passive = numberedField("ComboBoxPassRele", k + 1);
    const QString tabs4 = QString(4, kTab);
    for (int i = 1; i <= kEventInputs; ++i) {
        const QString node = QLatin1Char('[') + itemOf(names.inputNodes, i - 1) + QLatin1Char(']');
        const int act = image.byte(active.recordOffset(i));
        if (act != 0)
            lines << node + tabs4 + itemOf(names.activeReactions, act) + kTab
                         + QStringLiteral("При активизации входа ") + QString::number(i);
        const int pas = image.byte(passive.recordOffset(i));
        if (pas != 0)
            lines << node + tabs4 + itemOf(names.passiveReactions, pas) + kTab
                         + QStringLiteral("При деактивизации входа ") + QString::number(i);
    }
    return lines;
}

// --- Page 32 ---

OutputTerminalsPicture::OutputTerminalsPicture(QWidget* parent) : QWidget(parent) {}

void OutputTerminalsPicture::paintEvent(QPaintEvent*)
{
    // The controller's output terminal block and the expansion board, with what each
    // terminal switches.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(rect(), palette().window());
    const QColor board(0, 110, 60);
    const QColor terminal(40, 110, 200);
    QFont f = font();
    p.setFont(f);

    auto drawBoard = [&](const QRect& r, const QString& caption) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(board);
        p.drawRoundedRect(r, 6, 6);
        p.setPen(Qt::white);
        p.drawText(r.adjusted(8, 6, -8, -6), Qt::AlignLeft | Qt::AlignTop, caption);
    };
    auto drawTerminals = [&](int x, int y, const QStringList& labels, const QString& group) {
        p.setPen(Qt::black);
        p.drawText(QRect(x, y - 20, labels.size() * 30, 16), Qt::AlignCenter, group);
        for (int i = 0; i < labels.size(); ++i) {
            const QRect t(x + i * 30, y, 28, 28);
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(terminal);
            p.drawRect(t);
            p.setBrush(Qt::white);
            p.drawEllipse(t.center(), 8, 8);
            p.drawLine(t.center().x() - 5, t.center().y() + 5, t.center().x() + 5, t.center().y() - 5);
            p.setPen(Qt::black);
            p.drawText(QRect(t.x() - 4, t.bottom() + 4, 36, 16), Qt::AlignCenter, labels.at(i));
        }
    };

    drawBoard(QRect(10, 10, 660, 170), QStringLiteral("ZEL470"));
    drawTerminals(40, 80, {QStringLiteral("NO"), QStringLiteral("COM"), QStringLiteral("NC")},
                  QStringLiteral("Реле 1"));
    drawTerminals(160, 80, {QStringLiteral("NO"), QStringLiteral("COM"), QStringLiteral("NC")},
                  QStringLiteral("Реле 2"));
    drawTerminals(290, 80, {QStringLiteral("O1"), QStringLiteral("O2"), QStringLiteral("GND")},
                  QStringLiteral("Выходы 1, 2"));
    drawTerminals(420, 80, {QStringLiteral("+12V"), QStringLiteral("GND")}, QStringLiteral("Питание"));

    drawBoard(QRect(10, 210, 660, 150), QStringLiteral("Плата расширения"));
    drawTerminals(40, 280, {QStringLiteral("O3"), QStringLiteral("O4"), QStringLiteral("O5"), QStringLiteral("GND")},
                  QStringLiteral("Выходы 3, 4, 5"));
    drawTerminals(200, 280, {QStringLiteral("+12V")}, QStringLiteral("Нагрузка"));

    // Connection between the main board and the expansion board.
    p.setPen(QPen(Qt::darkGray, 3));
    p.drawLine(600, 180, 600, 210);
    p.drawLine(620, 180, 620, 210);
    p.setPen(Qt::black);
    p.drawText(QRect(10, 372, 660, 36), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Выходы 1 - 5: открытый коллектор, нагрузка включается между выходом и +12V."));
}

OutputsPicturePanel::OutputsPicturePanel(QWidget* parent)
    : SectionPanel(QStringLiteral("Panel8"), QStringLiteral("Label1"), parent)
{
    ImageZEL470OutsTP207 = new OutputTerminalsPicture(this);
    ImageZEL470OutsTP207->setObjectName(QStringLiteral("ImageZEL470OutsTP207"));
    ImageZEL470OutsTP207->setGeometry(8, 36, 690, 420);
    ImageZEL470OutsTP207->setVisible(false);
}

void OutputsPicturePanel::prepare(int page)
{
    Q_UNUSED(page);
    ImageZEL470OutsTP207->setVisible(true);
}

// --- Pages 33 to 39 ---

OutputPanel::OutputPanel(QWidget* parent)
    : SectionPanel(QStringLiteral("Panel9"), QStringLiteral("Label6"), parent), names_(OutputEventNames::defaults())
{
    CheckBoxReleEn = makeCheck(this, QStringLiteral("CheckBoxReleEn"), QStringLiteral("Разрешено"), 16, 36, 160);
    CheckBoxReleInversion = makeCheck(this, QStringLiteral("CheckBoxReleInversion"),
                                      QStringLiteral("Инверсия выхода"), 200, 36, 200);
    makeLabel(this, QStringLiteral("Название"), 16, 64, 210, 16, QStringLiteral("Label7"));
    makeLabel(this, QStringLiteral("Название активного состояния"), 240, 64, 210, 16,
              QStringLiteral("Label92"));
    makeLabel(this, QStringLiteral("Название неактивного состояния"), 464, 64, 230, 16,
              QStringLiteral("Label104"));
    const int width = field("ComboBoxReleName").width - 1;
    ComboBoxReleName = makeEditableList(this, QStringLiteral("ComboBoxReleName"), field("ComboBoxReleName").items,
                                        width, 16, 82, 200);
    ComboBoxReleNameAct = makeEditableList(this, QStringLiteral("ComboBoxReleNameAct"),
                                           field("ComboBoxReleNameAct").items, width, 240, 82, 200);
    ComboBoxReleNameDeact = makeEditableList(this, QStringLiteral("ComboBoxReleNameDeact"),
                                             field("ComboBoxReleNameDeact").items, width, 464, 82, 200);
    CheckBoxRemoteControlEn =
        makeCheck(this, QStringLiteral("CheckBoxRemoteControlEn"),
                  QStringLiteral("Разрешено управлять дистанционно (DTMF, SMS, DATA)"), 16, 116, 480);
    makeLabel(this, QStringLiteral("Тип коммутации для дистанционного управления (DTMF, SMS, DATA)"), 16, 144, 480,
              16, QStringLiteral("Label90"));
    ComboBoxCommType =
        makeList(this, QStringLiteral("ComboBoxCommType"), field("ComboBoxCommType").items, 16, 162, 200);
    GroupBoxRsOutsStimulus = makeGroup(this, QStringLiteral("GroupBoxRsOutsStimulus"), QString(), 8, 196, 692, 286);
    MemoRsOutsStimulus = new QPlainTextEdit(GroupBoxRsOutsStimulus);
    MemoRsOutsStimulus->setObjectName(QStringLiteral("MemoRsOutsStimulus"));
    MemoRsOutsStimulus->setReadOnly(true);
    MemoRsOutsStimulus->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoRsOutsStimulus->setGeometry(8, 20, 676, 258);
}

void OutputPanel::unpack(const DeviceImage& image, int page)
{
    const int k = page - kFirstPage;
    if (k < 0 || k >= kOutputCount)
        return;
    const int word = k < 2 ? 0 : 1;
    if (texts_) {
        CheckBoxReleEn->setText(texts_->AllowedWords.value(word));
        GroupBoxRsOutsStimulus->setTitle(texts_->StimulusTitles.value(word));
    }
    MemoRsOutsStimulus->clear();
    MemoRsOutsStimulus->setPlainText(outputEventLines(image, k, names_).join(QLatin1Char('\n')));

    const int record = k + 1;
    const FieldDef& en = field("CheckBoxReleEn");
    setChecked(CheckBoxReleEn, image.bit(en.recordOffset(record), en.bitLow));
    // The terminator byte of each name counts as NUL whatever it holds; packing writes it.
    ComboBoxReleName->setEditText(shownText(image, field("ComboBoxReleName").recordOffset(record), kNameWidth));
    ComboBoxReleNameAct->setEditText(
        shownText(image, field("ComboBoxReleNameAct").recordOffset(record), kNameWidth));
    ComboBoxReleNameDeact->setEditText(
        shownText(image, field("ComboBoxReleNameDeact").recordOffset(record), kNameWidth));
    const FieldDef& inv = field("CheckBoxReleInversion");
    setChecked(CheckBoxReleInversion, image.bit(inv.recordOffset(record), inv.bitLow));
    const FieldDef& type = field("ComboBoxCommType");
    setListIndex(ComboBoxCommType,
                 static_cast<int>(image.bits(type.recordOffset(record), type.bitLow, type.bitCount)));
    const FieldDef& remote = field("CheckBoxRemoteControlEn");
    setChecked(CheckBoxRemoteControlEn, image.bit(remote.recordOffset(record), remote.bitLow));
}

void OutputPanel::pack(DeviceImage& image, int page)
{
    const int k = page - kFirstPage;
    if (k < 0 || k >= kOutputCount)
        return;
    const int record = k + 1;
    const FieldDef& en = field("CheckBoxReleEn");
    image.setBit(en.recordOffset(record), en.bitLow, CheckBoxReleEn->isChecked());
    image.setText(field("ComboBoxReleName").recordOffset(record), kNameWidth, ComboBoxReleName->currentText());
    image.setText(field("ComboBoxReleNameAct").recordOffset(record), kNameWidth,
                  ComboBoxReleNameAct->currentText());
    image.setText(field("ComboBoxReleNameDeact").recordOffset(record), kNameWidth,
                  ComboBoxReleNameDeact->currentText());
    const FieldDef& inv = field("CheckBoxReleInversion");
    image.setBit(inv.recordOffset(record), inv.bitLow, CheckBoxReleInversion->isChecked());
    const FieldDef& type = field("ComboBoxCommType");
    image.setBits(type.recordOffset(record), type.bitLow, type.bitCount, listValue(ComboBoxCommType, type.bitCount));
    const FieldDef& remote = field("CheckBoxRemoteControlEn");
    image.setBit(remote.recordOffset(record), remote.bitLow, CheckBoxRemoteControlEn->isChecked());
}

} // namespace zel
