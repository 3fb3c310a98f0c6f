#include "ui/pages/outputs/clock_panel.h"

#include "image/field_catalogue.h"
#include "ui/pages/outputs/panel_util.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QStyledItemDelegate>

namespace zel {

using namespace outputs;

namespace {

constexpr int kRowHeight = 22;
constexpr int kTimeColumn = 2;
constexpr int kActionColumn = 12;
constexpr int kParamColumn = 13;
constexpr int kOutputActionFirst = 3;
constexpr int kOutputActionLast = 9;
constexpr int kProfileActionFirst = 10;
constexpr int kOutputCount = 7;
constexpr int kProfileCount = 8;

const int kColumnWidths[ClockSchedulerPanel::kColumns] = {25, 20, 46, 20, 20, 20, 20, 20, 20, 20, 40, 40, 180, 120};

const char* const kInfoInputNames[16] = {
    "CheckBoxInfoIn1",  "CheckBoxInfoIn2",  "CheckBoxInfoIn3",  "CheckBoxInfoIn4",
    "CheckBoxInfoIn5",  "CheckBoxInfoIn6",  "CheckBoxInfoIn7",  "CheckBoxInfoIn8",
    "CheckBoxInfoIn9",  "CheckBoxInfoIn10", "CheckBoxInfoIn11", "CheckBoxInfoIn12",
    "CheckBoxInfoIn13", "CheckBoxInfoIn14", "CheckBoxInfoIn15", "CheckBoxInfoIn16"};
const char* const kInfoOutputNames[7] = {"CheckBoxInfoR1", "CheckBoxInfoR2", "CheckBoxInfoR3", "CheckBoxInfoR4",
                                         "CheckBoxInfoR5", "CheckBoxInfoR6", "CheckBoxInfoR7"};
const char* const kDayFields[7] = {"SchedulerMonday",   "SchedulerTuesday", "SchedulerWednesday",
                                   "SchedulerThursday", "SchedulerFriday",  "SchedulerSaturday",
                                   "SchedulerSunday"};

// Number at the start of a text: digits after optional leading blanks, up to the
// first non-digit; no digits read 0.
int leadingNumber(const QString& text)
{
    int i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    int v = 0;
    bool any = false;
    while (i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128) {
        v = v * 10 + (text.at(i).unicode() - '0');
        any = true;
        ++i;
        if (v > 100000)
            break;
    }
    return any ? v : 0;
}

// A whole text read as a decimal number; anything else reads 0.
int wholeNumber(const QString& text)
{
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    return ok ? v : 0;
}

// Tens followed by units, as the controller's clock is shown (5 -> "05", 123 -> "123").
QString clockPart(int v)
{
    return QString::number(v / 10) + QString::number(v % 10);
}

// Column 2 edits through the time mask: two digits, a colon, two digits.
class TimeCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        if (index.column() != kTimeColumn || index.row() == 0)
            return nullptr;
        auto* e = new QLineEdit(parent);
        e->setInputMask(QStringLiteral("00:00;-"));
        e->setFrame(false);
        return e;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        static_cast<QLineEdit*>(editor)->setText(index.data().toString());
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        // Unfilled positions are kept as blanks so that the fields keep their places.
        QString t = static_cast<QLineEdit*>(editor)->displayText();
        t.replace(QLatin1Char('-'), QLatin1Char(' '));
        model->setData(index, t);
    }
};

// A control laid over a grid cell, inset from the cell's left edge.
QWidget* cellHolder(QWidget* control, int inset, int top)
{
    auto* holder = new QWidget;
    holder->setAutoFillBackground(false);
    control->setParent(holder);
    control->move(inset, top);
    return holder;
}

} // namespace

ClockSchedulerPanel::ClockSchedulerPanel(QWidget* parent)
    : SectionPanel(QStringLiteral("Panel2"), QStringLiteral("Label5"), parent)
{
    buildClockGroup();
    buildInfoGroup();
    buildSchedulerGroup();
    warn_ = [this](const QString& caption, const QString& text) {
        QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok, this);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    };
}

void ClockSchedulerPanel::buildClockGroup()
{
    clockGroup_ = makeGroup(this, QStringLiteral("GroupBox8"), QStringLiteral(" Текущее время и дата "), 8, 30,
                            692, 98);
    makeLabel(clockGroup_, QStringLiteral("По часам контроллера"), 10, 22, 140, 16, QStringLiteral("Label16"));
    MaskEditContrCurTime = new QLineEdit(clockGroup_);
    MaskEditContrCurTime->setObjectName(QStringLiteral("MaskEditContrCurTime"));
    MaskEditContrCurTime->setInputMask(QStringLiteral("00.00.00 00:00:00;-"));
    MaskEditContrCurTime->setGeometry(154, 19, 130, 21);
    {
        QFont f = MaskEditContrCurTime->font();
        f.setBold(true);
        MaskEditContrCurTime->setFont(f);
        QPalette p = MaskEditContrCurTime->palette();
        p.setColor(QPalette::Text, Qt::blue);
        MaskEditContrCurTime->setPalette(p);
    }
    MaskEditContrCurTime->installEventFilter(this);
    Button2 = new QPushButton(QStringLiteral("Установить"), clockGroup_);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(292, 18, 90, 23);
    // Acts on the press of the mouse button; the press moves the focus first, so the
    // field's focus-out has already taken the pending text.
    connect(Button2, &QPushButton::pressed, this, &ClockSchedulerPanel::Button2MouseDown);

    makeLabel(clockGroup_, QStringLiteral("По часам компьютера"), 10, 48, 140, 16, QStringLiteral("Label28"));
    MaskEditCompCurTime = new QLineEdit(clockGroup_);
    MaskEditCompCurTime->setObjectName(QStringLiteral("MaskEditCompCurTime"));
    MaskEditCompCurTime->setInputMask(QStringLiteral("00.00.00 00:00:00;-"));
    MaskEditCompCurTime->setReadOnly(true);
    MaskEditCompCurTime->setGeometry(154, 45, 130, 21);
    Button3 = new QPushButton(QStringLiteral("Синхро."), clockGroup_);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setGeometry(292, 44, 90, 23);
    connect(Button3, &QPushButton::clicked, this, &ClockSchedulerPanel::Button3Click);

    makeLabel(clockGroup_, QStringLiteral("Часовой пояс"), 396, 22, 80, 16, QStringLiteral("Label130"));
    ComboBoxTimeZone = makeList(clockGroup_, QStringLiteral("ComboBoxTimeZone"), {}, 396, 40, 286);
    CheckBoxDSTEnable = makeCheck(clockGroup_, QStringLiteral("CheckBoxDSTEnable"),
                                  QStringLiteral("Автоматический переход на летнее время и обратно"), 10, 72, 420);
}

void ClockSchedulerPanel::buildInfoGroup()
{
    GroupBoxInfoMsgContent = makeGroup(this, QStringLiteral("GroupBoxInfoMsgContent"),
                                       QStringLiteral(" Состав информационного сообщения "), 8, 132, 692, 92);
    for (int i = 0; i < 16; ++i) {
        CheckBoxInfoIn[i] = makeCheck(GroupBoxInfoMsgContent, QString::fromLatin1(kInfoInputNames[i]),
                                      QStringLiteral("Вх. %1").arg(i + 1), 8 + 84 * (i % 8), 20 + 22 * (i / 8), 80);
        // Inputs 5 to 16 are hidden until the page is entered; 15 and 16 stay hidden.
        CheckBoxInfoIn[i]->setVisible(i < 4);
    }
    const QStringList outNames{QStringLiteral("Р1"),    QStringLiteral("Р2"),    QStringLiteral("Вых.1"),
                               QStringLiteral("Вых.2"), QStringLiteral("Вых.3"), QStringLiteral("Вых.4"),
                               QStringLiteral("Вых.5")};
    for (int k = 0; k < kOutputCount; ++k) {
        CheckBoxInfoR[k] = makeCheck(GroupBoxInfoMsgContent, QString::fromLatin1(kInfoOutputNames[k]),
                                     outNames.at(k), 8 + 84 * k, 64, 80);
        CheckBoxInfoR[k]->setVisible(k < 4);
    }
}

void ClockSchedulerPanel::buildSchedulerGroup()
{
    schedulerGroup_ = makeGroup(this, QStringLiteral("GroupBox3"), QStringLiteral(" Планировщик задач "), 8,
                                228, 692, 230);
    StringGrid3 = new QTableWidget(schedulerGroup_);
    StringGrid3->setObjectName(QStringLiteral("StringGrid3"));
}

void ClockSchedulerPanel::setUpOnce()
{
    // Generated list items.
    {
        const QSignalBlocker block(ComboBoxTimeZone);
        ComboBoxTimeZone->clear();
        ComboBoxTimeZone->addItems(field("ComboBoxTimeZone").items);
    }
    setUpGrid();
}

void ClockSchedulerPanel::setUpGrid()
{
    if (gridReady_)
        return;
    gridReady_ = true;
    QTableWidget* g = StringGrid3;
    g->setColumnCount(kColumns);
    g->setRowCount(kRows + 1);
    // Row 0 and column 0 are cells of their own, as in the original grid; the header
    // views only must not impose their minimum sizes on the narrow columns.
    g->horizontalHeader()->setMinimumSectionSize(1);
    g->verticalHeader()->setMinimumSectionSize(1);
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->setTextElideMode(Qt::ElideNone);
    g->setWordWrap(false);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                       | QAbstractItemView::AnyKeyPressed);
    g->setItemDelegate(new TimeCellDelegate(g));
    QFont bold = g->font();
    bold.setBold(true);
    g->setFont(bold);
    int width = 0;
    for (int c = 0; c < kColumns; ++c) {
        g->setColumnWidth(c, kColumnWidths[c]);
        width += kColumnWidths[c];
    }
    for (int r = 0; r <= kRows; ++r)
        g->setRowHeight(r, kRowHeight);
    const int frame = 2 * g->frameWidth();
    g->setGeometry(8, 20, width + frame, kRowHeight * (kRows + 1) + frame);

    const QStringList headers{QStringLiteral(" №"),   QString(),          QStringLiteral("Время"),
                              QStringLiteral("Пн"),   QStringLiteral("Вт"), QStringLiteral("Ср"),
                              QStringLiteral("Чт"),   QStringLiteral("Пт"), QStringLiteral("Сб"),
                              QStringLiteral("Вс"),   QStringLiteral("Тест"), QStringLiteral("Инфо"),
                              QStringLiteral("                Действие"), QStringLiteral("  Доп. параметр")};
    const QBrush fixedBrush = g->palette().button();
    auto fixedItem = [&](const QString& text) {
        auto* it = new QTableWidgetItem(text);
        it->setFlags(Qt::ItemIsEnabled);
        it->setBackground(fixedBrush);
        return it;
    };
    for (int c = 0; c < kColumns; ++c)
        g->setItem(0, c, fixedItem(headers.at(c)));
    for (int r = 1; r <= kRows; ++r) {
        g->setItem(r, 0, fixedItem(QStringLiteral(" %1").arg(r)));
        for (int c = 1; c < kColumns; ++c) {
            auto* it = new QTableWidgetItem(c == kTimeColumn ? QStringLiteral("00:00") : QString());
            it->setFlags(c == kTimeColumn ? (Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable)
                                          : Qt::ItemIsEnabled);
            g->setItem(r, c, it);
        }
    }

    const QStringList actions = field("SchedulerActionType").items;
    const QStringList reactions = field("SchedulerReaction").items;
    for (int i = 0; i < kRows; ++i) {
        const int r = i + 1;
        auto box = [&](const QString& name, int column, int inset) {
            auto* b = new QCheckBox;
            b->setObjectName(name);
            b->resize(16, 16);
            g->setCellWidget(r, column, cellHolder(b, inset, (kRowHeight - 16) / 2));
            return b;
        };
        rowEnabled[i] = box(QStringLiteral("CheckBoxGrEnable%1").arg(r), 1, 5);
        for (int d = 0; d < 7; ++d)
            rowDays[i][d] = box(QStringLiteral("CheckBoxGrDay%1_%2").arg(r).arg(d + 1), 3 + d, 5);
        rowTest[i] = box(QStringLiteral("CheckBoxGrTest%1").arg(r), 10, 15);
        rowInfo[i] = box(QStringLiteral("CheckBoxGrInfo%1").arg(r), 11, 15);

        auto list = [&](const QString& name, const QStringList& items, int column) {
            auto* c = new QComboBox;
            c->setObjectName(name);
            c->addItems(items);
            c->setMaxVisibleItems(18);
            c->setFont(g->font());
            c->resize(kColumnWidths[column] - 4, kRowHeight - 2);
            g->setCellWidget(r, column, cellHolder(c, 2, 1));
            return c;
        };
        ComboBoxActionGr[i] = list(QStringLiteral("ComboBoxActionGr%1").arg(r), actions, kActionColumn);
        ComboBoxParamGr[i] = list(QStringLiteral("ComboBoxParamGr%1").arg(r), reactions, kParamColumn);
        setListIndex(ComboBoxActionGr[i], 0);
        setListIndex(ComboBoxParamGr[i], 0);
        ComboBoxParamGr[i]->setVisible(false);
        connect(ComboBoxActionGr[i], &QComboBox::activated, this, [this, i] { ComboBoxActionGrChange(i); });
    }
}

void ClockSchedulerPanel::ComboBoxActionGrChange(int row)
{
    const int a = ComboBoxActionGr[row]->currentIndex();
    const bool output = a >= kOutputActionFirst && a <= kOutputActionLast;
    ComboBoxParamGr[row]->setVisible(output);
    if (!output)
        setListIndex(ComboBoxParamGr[row], 0);
}

void ClockSchedulerPanel::prepare(int page)
{
    Q_UNUSED(page);
    setUpGrid();
    for (int i = 4; i < 14; ++i)
        CheckBoxInfoIn[i]->setVisible(true);
    for (int k = 4; k < kOutputCount; ++k)
        CheckBoxInfoR[k]->setVisible(true);
    // Fitted to the second row of boxes.
    GroupBoxInfoMsgContent->resize(GroupBoxInfoMsgContent->width(), CheckBoxInfoR[0]->geometry().bottom() + 9);
}

QString ClockSchedulerPanel::cellText(int column, int row) const
{
    const QTableWidgetItem* it = StringGrid3->item(row, column);
    return it ? it->text() : QString();
}

void ClockSchedulerPanel::packRow(DeviceImage& image, int i) const
{
    const int r = i + 1;
    const FieldDef& enabled = field("SchedulerRowEnabled");
    // The whole byte: bits 1-7 become 0.
    image.setByte(enabled.recordOffset(r), rowEnabled[i]->isChecked() ? 1 : 0);

    const QString t = cellText(kTimeColumn, r);
    const FieldDef& hour = field("SchedulerHour");
    const FieldDef& minute = field("SchedulerMinute");
    // No range check: the values are only masked to their bits.
    image.setBits(hour.recordOffset(r), hour.bitLow, hour.bitCount,
                  static_cast<std::uint32_t>(wholeNumber(t.left(2))));
    image.setBits(minute.recordOffset(r), minute.bitLow, minute.bitCount,
                  static_cast<std::uint32_t>(wholeNumber(t.mid(3))));

    for (int d = 0; d < 7; ++d) {
        const FieldDef& day = field(kDayFields[d]);
        image.setBit(day.recordOffset(r), day.bitLow, rowDays[i][d]->isChecked());
    }
    const FieldDef& test = field("SchedulerTest");
    const FieldDef& info = field("SchedulerInfo");
    image.setBit(test.recordOffset(r), test.bitLow, rowTest[i]->isChecked());
    image.setBit(info.recordOffset(r), info.bitLow, rowInfo[i]->isChecked());

    const FieldDef& type = field("SchedulerActionType");
    const FieldDef& param = field("SchedulerActionParam");
    const FieldDef& reaction = field("SchedulerReaction");
    const int a = ComboBoxActionGr[i]->currentIndex();
    const std::uint32_t reactionValue = listValue(ComboBoxParamGr[i], 8);
    if (a <= 2) {
        // Also a list without a selection: the type field's all-ones value.
        image.setBits(type.recordOffset(r), type.bitLow, type.bitCount,
                      a < 0 ? (1u << type.bitCount) - 1u : static_cast<std::uint32_t>(a));
        image.setByte(param.recordOffset(r), static_cast<std::uint8_t>(reactionValue));
    } else if (a <= kOutputActionLast) {
        image.setBits(type.recordOffset(r), type.bitLow, type.bitCount, 3);
        image.setBits(param.recordOffset(r), 0, 4, static_cast<std::uint32_t>(a - kOutputActionFirst));
        image.setByte(reaction.recordOffset(r), static_cast<std::uint8_t>(reactionValue));
    } else {
        image.setBits(type.recordOffset(r), type.bitLow, type.bitCount, 4);
        image.setByte(param.recordOffset(r), static_cast<std::uint8_t>(a - kProfileActionFirst));
    }
}

void ClockSchedulerPanel::unpackRow(const DeviceImage& image, int i)
{
    const int r = i + 1;
    setChecked(rowEnabled[i], image.bit(field("SchedulerRowEnabled").recordOffset(r), 0));
    const FieldDef& hour = field("SchedulerHour");
    const FieldDef& minute = field("SchedulerMinute");
    const auto h = image.bits(hour.recordOffset(r), hour.bitLow, hour.bitCount);
    const auto m = image.bits(minute.recordOffset(r), minute.bitLow, minute.bitCount);
    StringGrid3->item(r, kTimeColumn)
        ->setText(QStringLiteral("%1:%2").arg(h, 2, 10, QLatin1Char('0')).arg(m, 2, 10, QLatin1Char('0')));
    for (int d = 0; d < 7; ++d) {
        const FieldDef& day = field(kDayFields[d]);
        setChecked(rowDays[i][d], image.bit(day.recordOffset(r), day.bitLow));
    }
    const FieldDef& test = field("SchedulerTest");
    const int b = image.byte(test.recordOffset(r));
    setChecked(rowTest[i], b & 1);
    setChecked(rowInfo[i], b & 2);

    const int param = image.byte(field("SchedulerActionParam").recordOffset(r));
    const int reaction = image.byte(field("SchedulerReaction").recordOffset(r));
    const int type = b >> 2;
    // An output or profile index that does not exist is treated like any other
    // unknown action: it must not turn into a different, valid action.
    if (type <= 2) {
        setListIndex(ComboBoxActionGr[i], type);
        ComboBoxActionGrChange(i);
        setListIndex(ComboBoxParamGr[i], param);
    } else if (type == 3 && (param & 0x0F) < kOutputCount) {
        setListIndex(ComboBoxActionGr[i], (param & 0x0F) + kOutputActionFirst);
        ComboBoxActionGrChange(i);
        setListIndex(ComboBoxParamGr[i], reaction);
    } else if (type == 4 && param < kProfileCount) {
        setListIndex(ComboBoxActionGr[i], param + kProfileActionFirst);
        ComboBoxActionGrChange(i);
        setListIndex(ComboBoxParamGr[i], param);
    } else {
        setListIndex(ComboBoxActionGr[i], 0);
        ComboBoxActionGrChange(i);
        setListIndex(ComboBoxParamGr[i], 0);
    }
}

void ClockSchedulerPanel::pack(DeviceImage& image, int page)
{
    Q_UNUSED(page);
    setUpGrid();
    for (int i = 0; i < kRows; ++i)
        packRow(image, i);
    const FieldDef& in1 = field(kInfoInputNames[0]);
    std::uint16_t inputs = 0;
    for (int i = 0; i < 16; ++i)
        if (CheckBoxInfoIn[i]->isChecked())
            inputs |= static_cast<std::uint16_t>(1u << i);
    image.setU16(in1.offset, inputs);
    const FieldDef& r1 = field(kInfoOutputNames[0]);
    std::uint8_t outputs = 0; // bit 7 is written as 0
    for (int k = 0; k < kOutputCount; ++k)
        if (CheckBoxInfoR[k]->isChecked())
            outputs |= static_cast<std::uint8_t>(1u << k);
    image.setByte(r1.offset, outputs);
    // A list without a selection writes -13, a value no list item has.
    image.setS8(field("ComboBoxTimeZone").offset, static_cast<std::int8_t>(ComboBoxTimeZone->currentIndex() - 12));
    const FieldDef& dst = field("CheckBoxDSTEnable");
    image.setBit(dst.offset, dst.bitLow, CheckBoxDSTEnable->isChecked());
}

void ClockSchedulerPanel::unpack(const DeviceImage& image, int page)
{
    Q_UNUSED(page);
    setUpGrid();
    for (int i = 0; i < kRows; ++i)
        unpackRow(image, i);
    const int inputs = image.u16(field(kInfoInputNames[0]).offset);
    for (int i = 0; i < 16; ++i)
        setChecked(CheckBoxInfoIn[i], (inputs >> i) & 1);
    const int outputs = image.byte(field(kInfoOutputNames[0]).offset);
    for (int k = 0; k < kOutputCount; ++k)
        setChecked(CheckBoxInfoR[k], (outputs >> k) & 1);
    setListIndex(ComboBoxTimeZone, image.s8(field("ComboBoxTimeZone").offset) + 12);
    const FieldDef& dst = field("CheckBoxDSTEnable");
    setChecked(CheckBoxDSTEnable, image.bit(dst.offset, dst.bitLow));
}

// --- Live clock ---

void ClockSchedulerPanel::showControllerTime(int year, int month, int day, int hour, int minute, int second)
{
    if (editing_.load())
        return;
    MaskEditContrCurTime->setText(clockPart(day) + '.' + clockPart(month) + '.' + clockPart(year) + ' '
                                  + clockPart(hour) + ':' + clockPart(minute) + ':' + clockPart(second));
}

void ClockSchedulerPanel::showComputerTime(const QDateTime& now)
{
    MaskEditCompCurTime->setText(now.toString(QStringLiteral("dd.MM.yy hh:mm:ss")));
}

QString ClockSchedulerPanel::controllerTimeText() const
{
    QString t = MaskEditContrCurTime->displayText();
    return t.replace(QLatin1Char('-'), QLatin1Char(' '));
}

QString ClockSchedulerPanel::computerTimeText() const
{
    QString t = MaskEditCompCurTime->displayText();
    return t.replace(QLatin1Char('-'), QLatin1Char(' '));
}

QByteArray ClockSchedulerPanel::clockPayload(const QString& text)
{
    QByteArray p;
    for (int pos : {6, 3, 0, 9, 12, 15})
        p.append(static_cast<char>(leadingNumber(text.mid(pos)) & 0xFF));
    return p;
}

QString ClockSchedulerPanel::clockCheckMessage(const QString& text)
{
    struct Check {
        int pos;
        int max;
        const char* message;
    };
    static const Check checks[] = {
        {0, 31, "Не верно установлено число"},  {3, 12, "Не верно установлен месяц"},
        {6, 99, "Не верно установлен год"},     {9, 23, "Не верно установлены часы"},
        {12, 59, "Не верно установлены минуты"},
    };
    for (const Check& c : checks)
        if (leadingNumber(text.mid(c.pos)) > c.max)
            return QString::fromUtf8(c.message);
    return {};
}

bool ClockSchedulerPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == MaskEditContrCurTime) {
        if (event->type() == QEvent::FocusIn) {
            editing_.store(true);
        } else if (event->type() == QEvent::FocusOut) {
            editing_.store(false);
            pendingClock_ = controllerTimeText();
        }
    }
    return SectionPanel::eventFilter(watched, event);
}

void ClockSchedulerPanel::Button2MouseDown()
{
    if (pendingClock_.isEmpty())
        return;
    const QString message = clockCheckMessage(pendingClock_);
    if (!message.isEmpty()) {
        pendingClock_.clear();
        if (warn_)
            warn_(QStringLiteral("Установка времени и даты"), message);
        return;
    }
    emit setClockRequested(clockPayload(pendingClock_));
}

void ClockSchedulerPanel::Button3Click()
{
    emit synchroniseClockRequested(clockPayload(computerTimeText()));
}

} // namespace zel
