// Pages 1 to 13 as the window uses them: entering and leaving a page on a random
// image changes only that page's fields, and inside them only what packing
// normalises; every page fits the page area without overlaps or cut captions.
#include "page_harness.h"

#include "image/field_catalogue.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include <cstring>
#include <functional>
#include <random>

using namespace zel;
using namespace zel::test;

namespace {

const FieldDef& field(const char* name)
{
    const FieldDef* f = findField(name);
    EXPECT_NE(f, nullptr) << name;
    return *f;
}

// Random texts of the kind each edit accepts; the masks would otherwise rewrite
// random bytes, which is the edit's behaviour, not the page's.
struct TextFill {
    const char* field;
    const char* alphabet;
    int maxChars;
};

const char* const kDigits = "0123456789";
const char* const kAlnum = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
const char* const kPrintable = "abcdefghijklmnopqrstuvwxyz0123456789.-_*#:";

QString randomText(std::mt19937& rng, const char* alphabet, int maxChars, bool phone)
{
    const int n = static_cast<int>(rng() % (maxChars + 1));
    const int size = static_cast<int>(std::strlen(alphabet));
    QString s;
    for (int i = 0; i < n; ++i)
        s += QLatin1Char(alphabet[rng() % size]);
    if (phone && !s.isEmpty() && rng() % 2)
        s[0] = '+';
    return s;
}

DeviceImage conditionedImage(unsigned seed)
{
    DeviceImage img = randomImage(seed);
    std::mt19937 rng(seed * 7919u);
    const TextFill general[] = {
        {"MaskEditSysPassword", kAlnum, 8},  {"MaskEditPassword", kAlnum, 8},
        {"MaskEditPIN", kDigits, 8},         {"MaskEditDTMFPass", kDigits, 4},
        {"MaskEditBalansReqCMD", kPrintable, 8}, {"EditAPN", kPrintable, 32},
        {"EditGPRSUserName", kPrintable, 16}, {"EditGPRSPassword", kPrintable, 16},
    };
    for (const TextFill& t : general) {
        const FieldDef& f = field(t.field);
        img.setText(f.offset, f.width, randomText(rng, t.alphabet, t.maxChars, false));
    }
    const FieldDef& sms = field("MaskEditSMSCA");
    img.setText(sms.offset, sms.width, randomText(rng, kDigits, 15, true));
    // The keyword keeps its trailing blank; it never starts with one.
    const FieldDef& kw = field("MaskEditBalansIdWord");
    QString word = randomText(rng, kAlnum, 7, false);
    if (!word.isEmpty() && rng() % 2)
        word += ' ';
    img.setText(kw.offset, kw.width, word);
    const FieldDef& phone = field("MaskEditPhone");
    for (int n = 1; n <= 8; ++n)
        img.setText(phone.recordOffset(n), phone.width, randomText(rng, kDigits, 15, true));
    // Domain names only where the record says so; IPv4 records keep random bytes 4-33.
    const FieldDef& addr = field("MaskEditServerIPAddr");
    const FieldDef& type = field("ComboBoxDestType");
    for (int s = 1; s <= 3; ++s)
        if (img.bit(type.recordOffset(s), type.bitLow))
            img.setText(addr.recordOffset(s), addr.width, randomText(rng, kPrintable, 33, false));
    return img;
}

// A bit field whose values in [from, to] come back as `becomes`.
void mapBits(DeviceImage& img, int offset, int low, int count, unsigned from, unsigned to, unsigned becomes)
{
    const unsigned v = img.bits(offset, low, count);
    if (v >= from && v <= to)
        img.setBits(offset, low, count, becomes);
}

// Three-state sources: a ticked bit implies the selected bit; inputs 15 and 16 are
// never offered, so their bits of both masks come back 0.
void normaliseSources(DeviceImage& img, int selected, int ticked)
{
    const std::uint16_t t = img.u16(ticked) & 0x3FFF;
    img.setU16(selected, static_cast<std::uint16_t>((img.u16(selected) & 0x3FFF) | t));
    img.setU16(ticked, t);
}

struct Normalisation {
    const char* what;
    std::function<void(DeviceImage&, int page)> apply;
};

// What packing is allowed to change on each page, and how.
const std::vector<Normalisation>& normalisations(int page)
{
    static const std::vector<Normalisation> general = {
        {"administrative password emptied while its box is unticked",
         [](DeviceImage& img, int) { img.setText(20, 9, {}); }},
        {"Modbus address 0 -> 1, 248..255 -> 247",
         [](DeviceImage& img, int) {
             mapBits(img, 14, 0, 8, 0, 0, 1);
             mapBits(img, 14, 0, 8, 248, 255, 247);
         }},
    };
    static const std::vector<Normalisation> connection = {
        {"group without an item -> all ones",
         [](DeviceImage& img, int page) { mapBits(img, 32 + 36 * (page - 1) + 16, 2, 4, 8, 15, 15); }},
        {"incoming call action without an item -> all ones",
         [](DeviceImage& img, int page) { mapBits(img, 32 + 36 * (page - 1) + 18, 3, 5, 18, 31, 31); }},
        {"voice connection time without an item -> all ones",
         [](DeviceImage& img, int page) { mapBits(img, 32 + 36 * (page - 1) + 19, 2, 6, 62, 63, 63); }},
        {"voice and SMS sources",
         [](DeviceImage& img, int page) {
             const int b = 32 + 36 * (page - 1);
             normaliseSources(img, b + 22, b + 24);
             normaliseSources(img, b + 30, b + 32);
         }},
    };
    static const std::vector<Normalisation> gprs = {
        {"GPRS sources", [](DeviceImage& img, int) { normaliseSources(img, 2928, 2930); }},
        {"attempts 0 -> 1, ping 0 -> 1",
         [](DeviceImage& img, int) {
             mapBits(img, 2935, 0, 3, 0, 0, 1);
             mapBits(img, 2935, 3, 5, 0, 0, 1);
         }},
        {"period 253..254 -> 252", [](DeviceImage& img, int) { mapBits(img, 2934, 0, 8, 253, 254, 252); }},
        {"block time 0 -> 1, 253..255 -> 252",
         [](DeviceImage& img, int) {
             mapBits(img, 2936, 0, 8, 0, 0, 1);
             mapBits(img, 2936, 0, 8, 253, 255, 252);
         }},
        {"always connected stores a duration of 30",
         [](DeviceImage& img, int) {
             if (img.byte(2934) == 255)
                 img.setBits(2937, 0, 5, 30);
         }},
        {"wait time copied from server 1 to servers 2 and 3",
         [](DeviceImage& img, int) {
             const unsigned w = img.bits(2980, 4, 4);
             img.setBits(3024, 4, 4, w);
             img.setBits(3068, 4, 4, w);
         }},
    };
    static const std::vector<Normalisation> none;
    if (page == 1)
        return general;
    if (page >= 2 && page <= 9)
        return connection;
    if (page == 10)
        return gprs;
    return none;
}

// Visible captions that do not fit their control.
QStringList cutCaptions(QWidget* root)
{
    QStringList cut;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(root))
            continue;
        auto* label = qobject_cast<QLabel*>(w);
        const bool button = qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w);
        if ((label && !label->wordWrap() && !label->text().isEmpty()) || button) {
            if (w->sizeHint().width() > w->width() || w->sizeHint().height() > w->height() + 4)
                cut << QStringLiteral("%1 (%2 > %3)").arg(w->objectName()).arg(w->sizeHint().width()).arg(w->width());
        }
        if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->sizeHint().width() > combo->width())
            cut << QStringLiteral("%1 items (%2 > %3)").arg(w->objectName()).arg(combo->sizeHint().width()).arg(w->width());
        if (auto* group = qobject_cast<QGroupBox*>(w);
            group && group->fontMetrics().horizontalAdvance(group->title()) + 16 > group->width())
            cut << w->objectName() + QStringLiteral(" caption");
        if (label && label->wordWrap() && label->heightForWidth(label->width()) > label->height())
            cut << label->objectName() + QStringLiteral(" wraps beyond its height");
    }
    return cut;
}

class ConnectionPagesRoundTrip : public ::testing::TestWithParam<int> {};

TEST_P(ConnectionPagesRoundTrip, ChangesOnlyWhatPackingNormalises)
{
    const int page = GetParam();
    PageUnderTest p(page);
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u}) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed);
        const DeviceImage before = conditionedImage(seed + 100u * page);
        const DeviceImage after = p.roundTrip(before);
        EXPECT_TRUE(onlyPageFieldsChanged(before, after, page));
        DeviceImage expected = before;
        for (const Normalisation& n : normalisations(page))
            n.apply(expected, page);
        for (int i = 0; i < kImageSize; ++i)
            if (expected.byte(i) != after.byte(i)) {
                ADD_FAILURE() << "byte " << i << ": expected " << int(expected.byte(i)) << " got "
                              << int(after.byte(i));
                break;
            }
        // A second visit brings nothing new: the normalised image is stable.
        EXPECT_TRUE(p.roundTrip(after) == after);
    }
}

// Raw random bytes in the text fields too: what the edits make of them stays inside
// the page's fields, and a second visit changes nothing more.
TEST_P(ConnectionPagesRoundTrip, RawBytesStayInsideThePageFields)
{
    const int page = GetParam();
    PageUnderTest p(page);
    for (unsigned seed : {11u, 12u, 13u}) {
        const DeviceImage before = randomImage(seed + 100u * page);
        const DeviceImage after = p.roundTrip(before);
        EXPECT_TRUE(onlyPageFieldsChanged(before, after, page)) << "seed " << seed;
        EXPECT_TRUE(p.roundTrip(after) == after) << "seed " << seed;
    }
}

TEST_P(ConnectionPagesRoundTrip, FitsThePageAreaAtTheWindowFont)
{
    const int page = GetParam();
    PageUnderTest p(page);
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSize(8);
    p.panel->setFont(f);
    p.enter(conditionedImage(7));
    // Page 1 at its fullest: the administrative password warning shown.
    if (auto* sysPassword = p.panel->findChild<QCheckBox*>(QStringLiteral("CheckBoxSysPassword")))
        sysPassword->click();
    const QStringList problems = layoutProblems(p.panel.get()) + cutCaptions(p.panel.get());
    EXPECT_TRUE(problems.isEmpty()) << problems.join("; ").toStdString();
    for (QWidget* w : p.panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isVisibleTo(p.panel.get())) {
            EXPECT_TRUE(QRect(0, 0, kPageAreaWidth, kPageAreaHeight).contains(w->geometry()))
                << w->objectName().toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, ConnectionPagesRoundTrip, ::testing::Range(1, 14));

} // namespace
