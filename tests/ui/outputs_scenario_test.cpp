// Page 40: scenario words <-> grid cells, the grid's editing rules and the signal
// shape drawn into its header row.
#include "page_harness.h"

#include "ui/pages/outputs/scenario_panel.h"

#include <QImage>
#include <QScrollBar>

using namespace zel;
using namespace zel::test;

namespace {

constexpr int kPage = 40;

int wordOffset(int s, int i) { return 2162 + 34 * s + 2 * i; }

DeviceImage factoryImage()
{
    DeviceImage img;
    for (const FieldDef& f : fieldCatalogue())
        for (int r = 1; r <= f.count; ++r)
            writeFactoryValue(img, f, r);
    return img;
}

class ScenarioPage : public ::testing::Test {
protected:
    ScenarioPage() : t(kPage) { panel = static_cast<ScenarioPanel*>(t.panel.get()); }
    QStringList rowCells(int s) const
    {
        QStringList cells;
        for (int c = 1; c < 20; ++c)
            cells << panel->cell(c, s);
        while (!cells.isEmpty() && cells.last().isEmpty())
            cells.removeLast();
        return cells;
    }
    std::vector<int> words(const DeviceImage& img, int s, int n) const
    {
        std::vector<int> w;
        for (int i = 0; i < n; ++i)
            w.push_back(img.u16(wordOffset(s, i)));
        return w;
    }
    PageUnderTest t;
    ScenarioPanel* panel = nullptr;
};

} // namespace

TEST_F(ScenarioPage, FactoryScenariosShowAsTheirCells)
{
    t.enter(factoryImage());
    EXPECT_EQ(panel->cell(0, 0), QStringLiteral("Форма сигнала"));
    EXPECT_EQ(panel->cell(0, 1), QStringLiteral("Сценарий № 1"));
    EXPECT_EQ(panel->currentGridColumn(), 1);
    EXPECT_EQ(panel->currentGridRow(), 1);
    const QStringList expected[] = {
        {"ЦИКЛ", "0", "ВЫС", "1", "1"},
        {"ЦИКЛ", "0", "ВЫС", "2", "2", "2", "2"},
        {"ЦИКЛ", "0", "ВЫС", "5", "5", "10", "10"},
        {"", "", "ВЫС", "2", "2", "2"},
        {"", "", "НИЗ", "1", "1", "2"},
        {"ЦИКЛ", "0", "ВЫС", "2", "3"},
        {"", "", "ВЫС", "5"},
        {"", "", "ВЫС", "1"},
    };
    for (int s = 1; s <= 8; ++s)
        EXPECT_EQ(rowCells(s), expected[s - 1]) << s;
    EXPECT_EQ(rowCells(14), expected[7]);
}

// Cells typed into row 4 (factory scenario 4 underneath) -> its words.
TEST_F(ScenarioPage, CellsPackIntoWords)
{
    struct Case {
        const char* name;
        QStringList cells; // columns 1..; missing columns are empty
        std::vector<int> words;
        QStringList shownAgain; // cells after unpacking the packed image
    };
    const Case cases[] = {
        {"factory 4 as it is", {"", "", "ВЫС", "2", "2", "2"}, {1, 0x8002, 0x0002, 0x8002, 0x0000},
         {"", "", "ВЫС", "2", "2", "2"}},
        {"cyclic with count 3", {"ЦИКЛ", "3", "ВЫС", "2", "2", "2"}, {3, 0x8002, 0x0002, 0x8002, 0x8000},
         {"ЦИКЛ", "3", "ВЫС", "2", "2", "2"}},
        {"empty first duration", {"", "", "ВЫС"}, {1, 0x8000}, {}},
        {"empty first duration, low start", {"", "", "НИЗ", "", "7"}, {1, 0x0000}, {}},
        {"durations modulo 32768", {"", "", "НИЗ", "40000", "32767"}, {1, 40000 - 32768, 0x8000 | 32767, 0x0000},
         {"", "", "НИЗ", "7232", "32767"}},
        {"a multiple of 32768 ends the list", {"", "", "ВЫС", "5", "32768", "9"}, {1, 0x8005, 0x0000},
         {"", "", "ВЫС", "5"}},
        {"count above 32767 comes back negative", {"ЦИКЛ", "40000", "ВЫС", "1"}, {40000, 0x8001, 0x8000},
         {"ЦИКЛ", "-25536", "ВЫС", "1"}},
        {"count above 65535 keeps its low 16 bits", {"ЦИКЛ", "65537", "НИЗ", "1"}, {1, 0x0001, 0x0000},
         {"", "", "НИЗ", "1"}},
        {"cyclic with count 1 comes back once-only", {"ЦИКЛ", "1", "ВЫС", "3"}, {1, 0x8003, 0x8000},
         {"", "", "ВЫС", "3"}},
        {"not a number", {"", "", "ВЫС", "x1"}, {1, 0x8000}, {}},
    };
    for (const Case& c : cases) {
        DeviceImage img = factoryImage();
        img.setU16(wordOffset(4, 16), 0x1234); // after every terminator: never written
        t.enter(img);
        for (int col = 1; col < 20; ++col)
            panel->setCell(col, 4, col - 1 < c.cells.size() ? c.cells.at(col - 1) : QString());
        t.leave(img);
        EXPECT_EQ(words(img, 4, static_cast<int>(c.words.size())), c.words) << c.name;
        EXPECT_EQ(img.u16(wordOffset(4, 16)), 0x1234) << c.name;
        t.enter(img);
        EXPECT_EQ(rowCells(4), c.shownAgain) << c.name;
    }
}

TEST_F(ScenarioPage, SixteenSegmentsHaveNoTerminator)
{
    DeviceImage img = factoryImage();
    t.enter(img);
    panel->setCell(1, 2, QStringLiteral("ЦИКЛ"));
    panel->setCell(2, 2, QStringLiteral("2"));
    panel->setCell(3, 2, QStringLiteral("НИЗ"));
    for (int c = 4; c < 20; ++c)
        panel->setCell(c, 2, QString::number(c));
    t.leave(img);
    EXPECT_EQ(img.u16(wordOffset(2, 0)), 2);
    EXPECT_EQ(img.u16(wordOffset(2, 1)), 4);
    EXPECT_EQ(img.u16(wordOffset(2, 2)), 0x8000 | 5);
    EXPECT_EQ(img.u16(wordOffset(2, 16)), 0x8000 | 19);
    EXPECT_EQ(img.u16(wordOffset(3, 0)), 0); // the next scenario is untouched
}

TEST_F(ScenarioPage, DoubleClicksAndEditRules)
{
    t.enter(factoryImage());
    // Row 4 is once-only: the count cell is not editable until the row is cyclic.
    EXPECT_FALSE(panel->cellEditable(2, 4));
    EXPECT_FALSE(panel->cellEditable(1, 4));
    EXPECT_FALSE(panel->cellEditable(3, 4));
    EXPECT_TRUE(panel->cellEditable(4, 4));
    EXPECT_TRUE(panel->cellEditable(19, 4));
    emit panel->StringGrid2->cellDoubleClicked(3, 0); // grid column 1, row 4
    EXPECT_EQ(panel->cell(1, 4), QStringLiteral("ЦИКЛ"));
    EXPECT_EQ(panel->cell(2, 4), QStringLiteral("0"));
    EXPECT_TRUE(panel->cellEditable(2, 4));
    emit panel->StringGrid2->cellDoubleClicked(3, 0);
    EXPECT_EQ(panel->cell(1, 4), QString());
    EXPECT_EQ(panel->cell(2, 4), QString());

    emit panel->StringGrid2->cellDoubleClicked(4, 2); // column 3 of row 5: НИЗ -> ВЫС -> НИЗ
    EXPECT_EQ(panel->cell(3, 5), QStringLiteral("ВЫС"));
    emit panel->StringGrid2->cellDoubleClicked(4, 2);
    EXPECT_EQ(panel->cell(3, 5), QStringLiteral("НИЗ"));
    panel->setCell(3, 6, QString());
    emit panel->StringGrid2->cellDoubleClicked(5, 2); // empty -> ВЫС
    EXPECT_EQ(panel->cell(3, 6), QStringLiteral("ВЫС"));

    // An edited text clears a stray count of a once-only row.
    panel->setCell(2, 7, QStringLiteral("5")); // through the grid: the edit rule runs
    EXPECT_EQ(panel->cell(2, 7), QString());
    panel->setCell(1, 1, QStringLiteral("ЦИКЛ"));
    panel->setCell(2, 1, QStringLiteral("5"));
    EXPECT_EQ(panel->cell(2, 1), QStringLiteral("5"));
}

TEST_F(ScenarioPage, ScrollingMovesTheCurrentColumnIntoView)
{
    t.panel->show();
    t.enter(factoryImage());
    panel->setCurrentGridCell(2, 3);
    panel->StringGrid2->horizontalScrollBar()->setValue(5);
    EXPECT_EQ(panel->leftCol(), 6);
    EXPECT_EQ(panel->currentGridColumn(), 6);
    EXPECT_EQ(panel->currentGridRow(), 3);
}

// --- Signal shape ---

namespace {

const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kMaroon = qRgb(128, 0, 0);

QImage render(const SignalShapeInput& in, int width)
{
    QImage img(width, in.h0, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    paintSignalShape(p, in);
    return img;
}

// Whether a pixel of the colour lies at x within one pixel of y (a 2-pixel pen
// straddles its line).
bool near(const QImage& img, int x, int y, QRgb colour)
{
    for (int dy = -1; dy <= 1; ++dy)
        if (y + dy >= 0 && y + dy < img.height() && img.pixel(x, y + dy) == colour)
            return true;
    return false;
}

SignalShapeInput gridInput(std::vector<int> durations, bool high, bool cyclic, int leftCol = 1)
{
    SignalShapeInput in;
    in.widths.assign(20, 46);
    in.widths[0] = 110;
    in.durations.assign(20, 0);
    for (size_t i = 0; i < durations.size(); ++i)
        in.durations[4 + i] = durations[i];
    in.startHigh = high;
    in.cyclic = cyclic;
    in.leftCol = leftCol;
    in.h0 = 28;
    return in;
}

} // namespace

TEST(SignalShape, OnceOnlyEndsWithAnEdgeAndCyclicWithTheReturnArrow)
{
    // x0 = 110 + 3 * 47 = 251; segment edges at 298, 345, 392.
    const QImage once = render(gridInput({2, 2, 2}, true, false), 1000);
    EXPECT_TRUE(near(once, 275, 6, kBlue));   // segment 1 high
    EXPECT_TRUE(near(once, 320, 22, kBlue));  // segment 2 low
    EXPECT_TRUE(near(once, 370, 6, kBlue));   // segment 3 high
    EXPECT_TRUE(near(once, 392, 14, kBlue) || once.pixel(391, 14) == kBlue); // closing edge
    EXPECT_FALSE(near(once, 420, 6, kBlue));  // nothing after it
    EXPECT_FALSE(near(once, 300, 14, kMaroon));

    const QImage cyc = render(gridInput({2, 2, 2}, true, true), 1000);
    EXPECT_TRUE(near(cyc, 370, 6, kBlue));
    EXPECT_NE(cyc.pixel(392, 18), kBlue);     // no closing edge
    EXPECT_NE(cyc.pixel(391, 18), kBlue);
    EXPECT_EQ(cyc.pixel(320, 14), kMaroon);   // return line at h0 / 2
    EXPECT_EQ(cyc.pixel(263, 17), kMaroon);   // arrow head back edge x0 + 12
    EXPECT_EQ(cyc.pixel(263, 11), kMaroon);

    const QImage low = render(gridInput({3}, false, false), 1000);
    EXPECT_TRUE(near(low, 275, 22, kBlue));
    EXPECT_FALSE(near(low, 275, 6, kBlue));
}

TEST(SignalShape, ScrolledGridKeepsLevelsAndDropsTheArrow)
{
    // Scrolled so that column 6 is the first visible: segments 1 and 2 are out of
    // view, segment 3 starts at x0 = 110 with the start level again.
    const QImage img = render(gridInput({2, 2, 2, 2}, true, true, 6), 1000);
    EXPECT_TRUE(near(img, 130, 6, kBlue));    // segment 3: high
    EXPECT_TRUE(near(img, 180, 22, kBlue));   // segment 4: low
    EXPECT_EQ(img.pixel(150, 14), kMaroon);   // return line
    EXPECT_NE(img.pixel(122, 17), kMaroon);   // no arrow head past column 4
    // A gap among the scrolled-out segments: nothing is drawn.
    const QImage gap = render(gridInput({2, 0, 2, 2}, true, false, 7), 1000);
    for (int x = 0; x < 1000; ++x)
        ASSERT_FALSE(near(gap, x, 6, kBlue)) << x;
}

TEST_F(ScenarioPage, ShapeIsDrawnOnTheGridHeader)
{
    t.panel->show();
    t.enter(factoryImage());
    panel->setCurrentGridCell(1, 3); // factory 3: cyclic 5, 5, 10, 10 from high
    const QImage img = panel->shapeHeader->viewport()->grab().toImage();
    // Header x = grid x - 111; segment 1 spans header 140..187 high, segment 2 low.
    EXPECT_TRUE(near(img, 160, 6, kBlue));
    EXPECT_TRUE(near(img, 210, 22, kBlue));
    EXPECT_EQ(img.pixel(200, 14), kMaroon);
    EXPECT_EQ(img.pixel(152, 17), kMaroon);
}
