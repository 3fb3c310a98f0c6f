#include "ui/pages/outputs/scenario_panel.h"

#include "image/field_catalogue.h"
#include "ui/interface_texts.h"
#include "ui/pages/outputs/panel_util.h"

#include <QAbstractButton>
#include <QEvent>
#include <QLineEdit>
#include <QPaintEvent>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>

namespace zel {

using namespace outputs;

namespace {

constexpr int kSegments = 16;
constexpr int kTitleWidth = 110;
constexpr int kColumnWidth = 46;
constexpr int kHeaderHeight = 28;
constexpr int kRowHeight = 16;
constexpr int kGridLine = 1;
constexpr std::uint16_t kLevelBit = 0x8000;
constexpr std::uint16_t kDurationMask = 0x7FFF;

int wholeNumber(const QString& text)
{
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    return ok ? v : 0;
}

const InterfaceTexts& defaultTexts()
{
    static const InterfaceTexts t = InterfaceTexts::defaults();
    return t;
}

// Every cell edits through five digits at most; the selection rule decides which.
class ScenarioDelegate : public QStyledItemDelegate {
public:
    ScenarioDelegate(ScenarioPanel* panel, QObject* parent) : QStyledItemDelegate(parent), panel_(panel) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        if (!panel_->cellEditable(index.column() + 1, index.row() + 1))
            return nullptr;
        auto* e = new QLineEdit(parent);
        e->setFrame(false);
        e->setMaxLength(5);
        e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), e));
        return e;
    }

private:
    ScenarioPanel* panel_;
};

} // namespace

std::array<QString, 19> scenarioCells(const ScenarioWords& w, const InterfaceTexts& texts)
{
    std::array<QString, 19> cells;
    if (w[0] != 1) {
        cells[0] = texts.CycleText;
        cells[1] = QString::number(static_cast<std::int16_t>(w[0]));
    }
    for (int i = 1; i <= kSegments && (w[i] & kDurationMask) != 0; ++i) {
        if (i == 1)
            cells[2] = (w[1] & kLevelBit) ? texts.HighText : texts.LowText;
        cells[2 + i] = QString::number(w[i] & kDurationMask);
    }
    return cells;
}

void scenarioWords(const std::array<QString, 19>& cells, const InterfaceTexts& texts, ScenarioWords& w)
{
    bool high = cells[2] == texts.HighText;
    int terminator = -1;
    for (int i = 1; i <= kSegments; ++i) {
        const int d = wholeNumber(cells[2 + i]);
        if (d == 0) {
            w[i] = high ? kLevelBit : 0;
            terminator = i;
            break;
        }
        w[i] = static_cast<std::uint16_t>((d & kDurationMask) | (high ? kLevelBit : 0));
        high = !high;
    }
    if (cells[0] == texts.CycleText) {
        // A cyclic scenario's terminator carries the last segment's level.
        if (terminator > 0)
            w[terminator] ^= kLevelBit;
        w[0] = static_cast<std::uint16_t>(wholeNumber(cells[1]) & 0xFFFF);
    } else {
        w[0] = 1;
    }
}

void paintSignalShape(QPainter& p, const SignalShapeInput& in)
{
    const int n = static_cast<int>(in.widths.size());
    auto w = [&](int c) { return c >= 0 && c < n ? in.widths[c] : 0; };
    auto dur = [&](int c) { return c >= 0 && c < static_cast<int>(in.durations.size()) ? in.durations[c] : 0; };
    const int L = in.leftCol;
    const int highY = 6;
    const int lowY = in.h0 - 6;

    int x0 = w(0);
    for (int c = 1; c <= 3; ++c)
        if (c >= L)
            x0 += w(c) + kGridLine;
    int x = x0;
    // A gap among the scrolled-out segments: the visible part would be misleading.
    for (int c = 4; c < L; ++c)
        if (dur(c) == 0)
            return;
    int parity = 1;
    if (L >= 4)
        parity ^= L % 2;
    auto levelY = [&](int par) { return ((par == 1) == in.startHigh) ? highY : lowY; };
    int y = levelY(parity);
    parity ^= 1;

    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(0, 0, 255), 2, Qt::SolidLine));
    QPoint cur(x, y);
    auto lineTo = [&](int nx, int ny) {
        p.drawLine(cur, QPoint(nx, ny));
        cur = QPoint(nx, ny);
    };
    const int off = L < 4 ? 4 - L : 0;
    bool drawn = false;
    for (int j = L; j < n; ++j) {
        const int c = j + off;
        if (dur(c) == 0)
            break;
        x += w(c) + kGridLine;
        lineTo(x, y);
        drawn = true;
        if (j != n - 1)
            y = levelY(parity);
        parity ^= 1;
        if (j + 1 < n && dur(c + 1) != 0)
            lineTo(x, y);
        else if (!in.cyclic)
            lineTo(x, y);
    }
    if (drawn && in.cyclic) {
        p.setPen(QPen(QColor(128, 0, 0), 1, Qt::SolidLine));
        const int ym = in.h0 / 2;
        cur = QPoint(x, ym);
        lineTo(x0, ym);
        if (L <= 4) {
            lineTo(x0 + 12, ym + 3);
            lineTo(x0 + 12, ym - 3);
            lineTo(x0, ym);
        }
    }
    p.restore();
}

SignalShapeHeader::SignalShapeHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

QSize SignalShapeHeader::sizeHint() const
{
    QSize s = QHeaderView::sizeHint();
    s.setHeight(h0_);
    return s;
}

void SignalShapeHeader::paintEvent(QPaintEvent* event)
{
    QHeaderView::paintEvent(event);
    if (overlay_) {
        QPainter p(viewport());
        overlay_(p);
    }
}

ScenarioPanel::ScenarioPanel(QWidget* parent)
    : SectionPanel(QStringLiteral("Panel12"), QStringLiteral("Label79"), parent)
{
    StringGrid2 = new QTableWidget(this);
    StringGrid2->setObjectName(QStringLiteral("StringGrid2"));
    shapeHeader = new SignalShapeHeader(StringGrid2);
    shapeHeader->setObjectName(QStringLiteral("StringGrid2Header"));
    shapeHeader->setFixedRowHeight(kHeaderHeight);
    StringGrid2->setHorizontalHeader(shapeHeader);
    QFont bold = StringGrid2->font();
    bold.setBold(true);
    StringGrid2->setFont(bold);
    StringGrid2->setColumnCount(kColumns - 1);
    StringGrid2->setRowCount(kRows - 1);
    StringGrid2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid2->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    StringGrid2->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid2->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                 | QAbstractItemView::AnyKeyPressed);
    StringGrid2->setItemDelegate(new ScenarioDelegate(this, StringGrid2));
    shapeHeader->setSectionResizeMode(QHeaderView::Fixed);
    shapeHeader->setMinimumSectionSize(1);
    shapeHeader->setDefaultSectionSize(kColumnWidth + kGridLine);
    shapeHeader->setMinimumHeight(kHeaderHeight);
    shapeHeader->setMaximumHeight(kHeaderHeight);
    QHeaderView* vh = StringGrid2->verticalHeader();
    vh->setSectionResizeMode(QHeaderView::Fixed);
    vh->setMinimumSectionSize(1);
    vh->setDefaultSectionSize(kRowHeight + kGridLine);
    vh->setFixedWidth(kTitleWidth + kGridLine);
    vh->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < kColumns - 1; ++c)
        StringGrid2->setHorizontalHeaderItem(c, new QTableWidgetItem(QString()));
    for (int r = 0; r < kRows - 1; ++r) {
        StringGrid2->setVerticalHeaderItem(r, new QTableWidgetItem(QString()));
        for (int c = 0; c < kColumns - 1; ++c)
            StringGrid2->setItem(r, c, new QTableWidgetItem(QString()));
    }
    const int height = 2 * StringGrid2->frameWidth() + kHeaderHeight + (kRows - 1) * (kRowHeight + kGridLine)
                       + StringGrid2->horizontalScrollBar()->sizeHint().height();
    StringGrid2->setGeometry(8, 32, 692, height);

    shapeHeader->setOverlay([this](QPainter& p) {
        // Header x 0 is where the first visible non-fixed column starts in the grid.
        p.translate(-(kTitleWidth + kGridLine), 0);
        if (currentGridRow() >= 1)
            paintSignalShape(p, shapeInput());
    });
    if (auto* corner = StringGrid2->findChild<QAbstractButton*>())
        corner->installEventFilter(this);

    connect(StringGrid2, &QTableWidget::cellDoubleClicked, this,
            [this](int r, int c) { StringGrid2DblClick(c + 1, r + 1); });
    connect(StringGrid2, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* it) {
        if (!updating_)
            StringGrid2SetEditText(it->column() + 1, it->row() + 1);
    });
    connect(StringGrid2, &QTableWidget::currentCellChanged, this, [this] { DrawSignalShape(); });
    connect(StringGrid2, &QTableWidget::cellClicked, this, [this] { DrawSignalShape(); });
    connect(StringGrid2->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { StringGrid2TopLeftChanged(); });

    Memo2 = new QPlainTextEdit(this);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setReadOnly(true);
    Memo2->setGeometry(8, StringGrid2->geometry().bottom() + 10, 692, 120);
    Memo2->setPlainText(
        QStringLiteral("Включенный параметр \"ЦИКЛ\" позволяет сделать сценарий управления циклически "
                       "повторяющимся. В соседней колонке вводится \n")
        + QStringLiteral("количество повторений, значение 0 обеспечит бесконечный цикл. Значение 1 эквивалентно "
                         "нециклическому сценарию.\n")
        + QStringLiteral("Параметр \"ВЫС\"/\"НИЗ\" задает начальный уровень выходного сигнала, соответственно "
                         "высокий или низкий.\n")
        + QStringLiteral("Время импульса указывается с шагом 100 мС. (10 = 1 сек., 600 = 1 мин., 18000 = 30 мин.)"));
}

QString ScenarioPanel::text(QString InterfaceTexts::*member) const
{
    return texts_ ? texts_->*member : defaultTexts().*member;
}

QString ScenarioPanel::cycleText() const { return text(&InterfaceTexts::CycleText); }
QString ScenarioPanel::highText() const { return text(&InterfaceTexts::HighText); }
QString ScenarioPanel::lowText() const { return text(&InterfaceTexts::LowText); }

void ScenarioPanel::prepare(int page)
{
    Q_UNUSED(page);
    cornerTitle_ = text(&InterfaceTexts::SignalShapeTitle);
    setCurrentGridCell(1, 1);
}

QString ScenarioPanel::cell(int column, int row) const
{
    if (column == 0 && row == 0)
        return cornerTitle_;
    if (row == 0) {
        const QTableWidgetItem* it = StringGrid2->horizontalHeaderItem(column - 1);
        return it ? it->text() : QString();
    }
    if (column == 0) {
        const QTableWidgetItem* it = StringGrid2->verticalHeaderItem(row - 1);
        return it ? it->text() : QString();
    }
    const QTableWidgetItem* it = StringGrid2->item(row - 1, column - 1);
    return it ? it->text() : QString();
}

void ScenarioPanel::setCell(int column, int row, const QString& text)
{
    if (column == 0 && row == 0) {
        cornerTitle_ = text;
        return;
    }
    QTableWidgetItem* it = row == 0      ? StringGrid2->horizontalHeaderItem(column - 1)
                           : column == 0 ? StringGrid2->verticalHeaderItem(row - 1)
                                         : StringGrid2->item(row - 1, column - 1);
    if (it)
        it->setText(text);
}

bool ScenarioPanel::cellEditable(int column, int row) const
{
    if (row < 1 || column < 1)
        return false;
    if (column == 2)
        return cell(1, row) == cycleText();
    return column >= 4;
}

int ScenarioPanel::leftCol() const
{
    const int c = StringGrid2->columnAt(0);
    return c < 0 ? 1 : c + 1;
}

int ScenarioPanel::currentGridRow() const
{
    return StringGrid2->currentRow() + 1;
}

int ScenarioPanel::currentGridColumn() const
{
    return StringGrid2->currentColumn() + 1;
}

void ScenarioPanel::setCurrentGridCell(int column, int row)
{
    StringGrid2->setCurrentCell(row - 1, column - 1);
    DrawSignalShape();
}

SignalShapeInput ScenarioPanel::shapeInput() const
{
    SignalShapeInput in;
    const int row = currentGridRow();
    in.widths.push_back(kTitleWidth);
    in.durations.push_back(0);
    for (int c = 1; c < kColumns; ++c) {
        in.widths.push_back(StringGrid2->columnWidth(c - 1) - kGridLine);
        in.durations.push_back(c >= 4 ? wholeNumber(cell(c, row)) : 0);
    }
    in.leftCol = leftCol();
    in.startHigh = cell(3, row) == highText();
    in.cyclic = cell(1, row) == cycleText();
    in.h0 = kHeaderHeight;
    return in;
}

void ScenarioPanel::DrawSignalShape()
{
    shapeHeader->viewport()->update();
}

void ScenarioPanel::StringGrid2DblClick(int column, int row)
{
    if (row < 1)
        return;
    updating_ = true;
    if (column == 1) {
        if (cell(1, row) == cycleText()) {
            setCell(1, row, QString());
            setCell(2, row, QString());
        } else {
            setCell(1, row, cycleText());
            setCell(2, row, QStringLiteral("0"));
        }
    } else if (column == 3) {
        setCell(3, row, cell(3, row) == highText() ? lowText() : highText());
    }
    updating_ = false;
    DrawSignalShape();
}

void ScenarioPanel::StringGrid2SetEditText(int column, int row)
{
    Q_UNUSED(column);
    if (row < 1)
        return;
    if (wholeNumber(cell(2, row)) != 1 && cell(1, row) != cycleText()) {
        updating_ = true;
        setCell(1, row, QString());
        setCell(2, row, QString());
        updating_ = false;
    }
    DrawSignalShape();
}

void ScenarioPanel::StringGrid2TopLeftChanged()
{
    const int left = leftCol();
    const int current = currentGridColumn();
    if (current >= 1 && current < left)
        StringGrid2->setCurrentCell(StringGrid2->currentRow(), left - 1);
    DrawSignalShape();
}

void ScenarioPanel::unpack(const DeviceImage& image, int page)
{
    Q_UNUSED(page);
    const FieldDef& count = field("StringGrid2RepeatCount");
    const InterfaceTexts& t = texts_ ? *texts_ : defaultTexts();
    updating_ = true;
    for (int s = 1; s <= kScenarios; ++s) {
        ScenarioWords w{};
        for (int i = 0; i < kScenarioWords; ++i)
            w[i] = image.u16(count.recordOffset(s) + 2 * i);
        setCell(0, s, t.ScenarioNumberTitle + QLatin1Char(' ') + QString::number(s));
        const std::array<QString, 19> cells = scenarioCells(w, t);
        for (int c = 1; c < kColumns; ++c)
            setCell(c, s, cells[c - 1]);
    }
    updating_ = false;
    StringGrid2->viewport()->update();
    DrawSignalShape();
}

void ScenarioPanel::pack(DeviceImage& image, int page)
{
    Q_UNUSED(page);
    const FieldDef& count = field("StringGrid2RepeatCount");
    const InterfaceTexts& t = texts_ ? *texts_ : defaultTexts();
    for (int s = 1; s <= kScenarios; ++s) {
        ScenarioWords w{};
        for (int i = 0; i < kScenarioWords; ++i)
            w[i] = image.u16(count.recordOffset(s) + 2 * i);
        std::array<QString, 19> cells;
        for (int c = 1; c < kColumns; ++c)
            cells[c - 1] = cell(c, s);
        scenarioWords(cells, t, w);
        for (int i = 0; i < kScenarioWords; ++i)
            image.setU16(count.recordOffset(s) + 2 * i, w[i]);
    }
}

bool ScenarioPanel::eventFilter(QObject* watched, QEvent* event)
{
    // The corner of the grid is cell (0, 0): it shows the drawing's title.
    if (event->type() == QEvent::Paint && watched->isWidgetType() && watched->parent() == StringGrid2) {
        auto* w = static_cast<QWidget*>(watched);
        QPainter p(w);
        QStyleOptionHeader opt;
        opt.initFrom(w);
        opt.rect = w->rect();
        opt.text = cornerTitle_;
        opt.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        opt.position = QStyleOptionHeader::OnlyOneSection;
        opt.orientation = Qt::Horizontal;
        p.setFont(StringGrid2->font());
        w->style()->drawControl(QStyle::CE_Header, &opt, &p, w);
        return true;
    }
    return SectionPanel::eventFilter(watched, event);
}

} // namespace zel
