// Pages 14 and 32 to 49 as the window uses them: entering and leaving a page on a
// random image changes only that page's fields, and inside them only what packing
// normalises; every page fits the page area without overlaps.
#include "page_harness.h"

#include "image/field_catalogue.h"
#include "ui/pages/outputs/clock_panel.h"
#include "ui/pages/outputs/profile_panel.h"
#include "ui/pages/outputs/scenario_panel.h"

#include <QApplication>

#include <functional>

using namespace zel;
using namespace zel::test;

namespace {

// A name field as it comes back: at most 16 characters up to the first NUL, passed
// through the Windows-1251 conversion, NUL-padded.
void normaliseName(DeviceImage& img, int offset)
{
    QByteArray raw = img.slice(offset, 16);
    const int nul = raw.indexOf('\0');
    if (nul >= 0)
        raw.truncate(nul);
    img.setText(offset, 17, fromCp1251(raw));
}

// Scheduler rows: byte 0 keeps only bit 0; a reaction index without an item becomes
// 0xFF; an unknown action, or an output or profile index that does not exist, becomes
// "no action" with column 13 at item 0. Bit 7 of the output mask is written as 0; a
// time zone outside -12..+13 becomes -13.
void normaliseClock(DeviceImage& img)
{
    for (int r = 1; r <= 8; ++r) {
        const int s = 2664 + 16 * r;
        img.setByte(s, img.byte(s) & 1);
        const int b = img.byte(s + 12);
        const int type = b >> 2;
        const int p = img.byte(s + 13);
        if (type <= 2) {
            if (p >= 17)
                img.setByte(s + 13, 0xFF);
        } else if (type == 3 && (p & 0x0F) < 7) {
            if (img.byte(s + 14) >= 17)
                img.setByte(s + 14, 0xFF);
        } else if (type == 4 && p < 8) {
        } else {
            img.setByte(s + 12, b & 3);
            img.setByte(s + 13, 0);
        }
    }
    img.setByte(2678, img.byte(2678) & 0x7F);
    const int tz = img.s8(2672);
    if (tz < -12 || tz > 13)
        img.setS8(2672, -13);
}

// Output record k: switching type without an item becomes 31; names as above.
void normaliseOutput(DeviceImage& img, int k)
{
    const int o = 1832 + 52 * k;
    if (img.bits(o + 51, 0, 5) >= 15)
        img.setBits(o + 51, 0, 5, 31);
    for (int n = 0; n < 3; ++n)
        normaliseName(img, o + 17 * n);
}

// Scenarios: the segments up to the first zero duration are rewritten with
// alternating levels from segment 1's level, the terminator gets the level that
// follows (the last segment's level in a cyclic scenario); word 0 and the words after
// the terminator stay.
void normaliseScenarios(DeviceImage& img)
{
    for (int s = 1; s <= 14; ++s) {
        const int base = 2162 + 34 * s;
        const bool cyclic = img.u16(base) != 1;
        int n = 0;
        while (n < 16 && (img.u16(base + 2 * (n + 1)) & 0x7FFF) != 0)
            ++n;
        bool high = n > 0 && (img.u16(base + 2) & 0x8000);
        for (int i = 1; i <= n; ++i) {
            const int d = img.u16(base + 2 * i) & 0x7FFF;
            img.setU16(base + 2 * i, static_cast<std::uint16_t>(d | (high ? 0x8000 : 0)));
            high = !high;
        }
        if (n < 16) {
            const bool terminatorHigh = cyclic ? !high : high;
            img.setU16(base + 2 * (n + 1), terminatorHigh ? 0x8000 : 0);
        }
    }
}

// Profile p: name; a reaction without an item becomes 0xFF; borders are limited to
// 4095 and a lower border above the upper one lifts the upper one.
void normaliseProfile(DeviceImage& img, int p)
{
    const int base = 4194 + 122 * p;
    normaliseName(img, base);
    for (int k = 0; k < 7; ++k)
        if (img.byte(base + 114 + k) >= 17)
            img.setByte(base + 114 + k, 0xFF);
    for (int i = 1; i <= 14; ++i) {
        const int e = base + 18 + 6 * (i - 1);
        const int lower = std::min<int>(img.u16(e + 2), 4095);
        const int upper = std::max(lower, std::min<int>(img.u16(e + 4), 4095));
        img.setU16(e + 2, static_cast<std::uint16_t>(lower));
        img.setU16(e + 4, static_cast<std::uint16_t>(upper));
    }
}

struct PageCase {
    int page;
    std::function<void(DeviceImage&)> normalise;
};

std::vector<PageCase> pageCases()
{
    std::vector<PageCase> cases{
        {14, normaliseClock},
        {32, [](DeviceImage&) {}},
        {40, normaliseScenarios},
        {41, [](DeviceImage&) {}},
    };
    for (int k = 0; k < 7; ++k)
        cases.push_back({33 + k, [k](DeviceImage& img) { normaliseOutput(img, k); }});
    for (int p = 1; p <= 8; ++p)
        cases.push_back({41 + p, [p](DeviceImage& img) { normaliseProfile(img, p); }});
    return cases;
}

} // namespace

TEST(OutputsPages, RoundTripChangesOnlyTheListedNormalisations)
{
    for (const PageCase& c : pageCases()) {
        PageUnderTest t(c.page);
        for (unsigned seed : {1u, 7u, 4242u, 90001u}) {
            const DeviceImage before = randomImage(seed);
            const DeviceImage after = t.roundTrip(before);
            EXPECT_TRUE(onlyPageFieldsChanged(before, after, c.page)) << "seed " << seed;
            DeviceImage expected = before;
            c.normalise(expected);
            for (int i = 0; i < kImageSize; ++i)
                if (expected.byte(i) != after.byte(i)) {
                    ADD_FAILURE() << "page " << c.page << " seed " << seed << " byte " << i << ": expected "
                                  << int(expected.byte(i)) << ", got " << int(after.byte(i));
                    break;
                }
        }
    }
}

TEST(OutputsPages, FactoryImageSurvivesEveryPageUnchanged)
{
    DeviceImage factory;
    for (const FieldDef& f : fieldCatalogue())
        for (int r = 1; r <= f.count; ++r)
            writeFactoryValue(factory, f, r);
    for (const PageCase& c : pageCases()) {
        PageUnderTest t(c.page);
        EXPECT_TRUE(t.roundTrip(factory) == factory) << "page " << c.page;
    }
}

TEST(OutputsPages, EveryPageFitsThePageArea)
{
    DeviceImage factory;
    for (const FieldDef& f : fieldCatalogue())
        for (int r = 1; r <= f.count; ++r)
            writeFactoryValue(factory, f, r);
    for (int page : {14, 32, 33, 35, 40, 41, 42, 49}) {
        PageUnderTest t(page);
        t.enter(factory);
        t.panel->setTitle(QStringLiteral("Заголовок"));
        const QStringList problems = layoutProblems(t.panel.get());
        EXPECT_TRUE(problems.isEmpty()) << "page " << page << ": " << problems.join("; ").toStdString();
        // Every visible child ends inside the page area.
        for (QWidget* w : t.panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (w->isVisibleTo(t.panel.get())) {
                EXPECT_TRUE(QRect(0, 0, kPageAreaWidth, kPageAreaHeight).contains(w->geometry()))
                    << "page " << page << " " << w->objectName().toStdString();
            }
        }
    }
}
