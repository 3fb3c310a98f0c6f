// Catalogue of the clock and scheduler page, the output and scenario pages and the
// profile pages: factory bytes, layout and drop-down lists.

#include "image/configuration.h"
#include "image/field_catalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace zel {
namespace {

// Sections this group owns in the configuration area.
struct Section {
    int begin;
    int end; // one past the last byte
};
constexpr Section kSections[] = {{1832, 2196}, {2196, 2672}, {2672, 2808}, {4316, 5292}};

const std::vector<FieldDef>& groupFields()
{
    static const std::vector<FieldDef> fields = clockOutputProfileFields();
    return fields;
}

QByteArray le16(int v)
{
    QByteArray b(2, '\0');
    b[0] = static_cast<char>(v & 0xFF);
    b[1] = static_cast<char>((v >> 8) & 0xFF);
    return b;
}

// The text as stored: Windows-1251, NUL-padded to width.
QByteArray text(const char* utf8, int width = 17)
{
    QByteArray b = toCp1251(QString::fromUtf8(utf8));
    b.append(QByteArray(width - b.size(), '\0'));
    return b;
}

struct Pattern {
    int offset;
    QByteArray bytes;
};

// Every factory byte of the group's sections as stated for the controller; bytes not
// listed are 0.
std::vector<Pattern> statedFactoryPatterns()
{
    std::vector<Pattern> p;

    // Outputs: names, state names, byte 51 = 0xA0.
    const char* names[] = {"РЕЛЕ1", "РЕЛЕ2", "ВЫХОД1", "ВЫХОД2", "ВЫХОД3", "ВЫХОД4", "ВЫХОД5"};
    for (int k = 0; k < 7; ++k) {
        const int o = 1832 + 52 * k;
        p.push_back({o, text(names[k])});
        p.push_back({o + 17, text("ВКЛ")});
        p.push_back({o + 34, text("ВЫКЛ")});
        p.push_back({o + 51, QByteArray(1, '\xA0')});
    }

    // Control scenarios, words 0.. as given; the rest of each scenario is 0.
    const std::vector<std::vector<int>> scenarios = {
        {0x0000, 0x8001, 0x0001, 0x0000},
        {0x0000, 0x8002, 0x0002, 0x8002, 0x0002, 0x0000},
        {0x0000, 0x8005, 0x0005, 0x800A, 0x000A, 0x0000},
        {0x0001, 0x8002, 0x0002, 0x8002, 0x0000},
        {0x0001, 0x0001, 0x8001, 0x0002, 0x8000},
        {0x0000, 0x8002, 0x0003, 0x0000},
        {0x0001, 0x8005, 0x0000},
    };
    for (int s = 1; s <= 14; ++s) {
        const auto& words = s <= 7 ? scenarios[s - 1] : std::vector<int>{0x0001, 0x8001, 0x0000, 0x8000};
        QByteArray b;
        for (int w : words)
            b.append(le16(w));
        p.push_back({2162 + 34 * s, b});
    }

    // Clock: time zone +3; summer time, masks and the eight scheduler rows all 0.
    p.push_back({2672, QByteArray(1, '\x03')});

    // Profiles: names, and borders 1365 / 2730 in all sixteen input entries.
    const char* profiles[] = {"КОМФОРТ",  "ЭКОНОМ",   "ПРОФИЛЬ3", "ПРОФИЛЬ4",
                              "ПРОФИЛЬ5", "ПРОФИЛЬ6", "ПРОФИЛЬ7", "ПРОФИЛЬ8"};
    for (int n = 1; n <= 8; ++n) {
        const int base = 4194 + 122 * n;
        p.push_back({base, text(profiles[n - 1])});
        for (int i = 1; i <= 16; ++i) {
            const int e = base + 18 + 6 * (i - 1);
            p.push_back({e + 2, le16(1365)});
            p.push_back({e + 4, le16(2730)});
        }
    }
    return p;
}

TEST(ClockOutputsProfilesDefaults, EveryByteOfTheSectionsMatchesTheStatedPattern)
{
    std::map<int, std::uint8_t> expected;
    for (const auto& sec : kSections)
        for (int o = sec.begin; o < sec.end; ++o)
            expected[o] = 0;
    for (const Pattern& pat : statedFactoryPatterns())
        for (int i = 0; i < pat.bytes.size(); ++i)
            expected[pat.offset + i] = static_cast<std::uint8_t>(pat.bytes[i]);

    const auto& defaults = ConfigurationDefaults();
    int mismatches = 0;
    for (const auto& [offset, value] : expected) {
        if (defaults[offset] != value && ++mismatches <= 20)
            ADD_FAILURE() << "byte " << offset << ": got 0x" << std::hex << int(defaults[offset])
                          << ", expected 0x" << int(value) << std::dec;
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(ClockOutputsProfilesDefaults, NamesAreSingleByteWindows1251)
{
    const auto& d = ConfigurationDefaults();
    const std::uint8_t rele1[] = {0xD0, 0xC5, 0xCB, 0xC5, '1', 0};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(d[1832 + i], rele1[i]) << "byte " << i;
}

// The bits one record of a field covers, as (byte offset, bit) pairs.
std::vector<std::pair<int, int>> coveredBits(const FieldDef& f, int record)
{
    std::vector<std::pair<int, int>> bits;
    const int off = f.recordOffset(record);
    switch (f.kind) {
    case FieldKind::Bits: {
        const int low = f.recordBit(record);
        for (int b = low; b < low + f.bitCount; ++b)
            bits.push_back({off + b / 8, b % 8});
        break;
    }
    case FieldKind::TriState: {
        const int b = f.recordBit(record);
        bits.push_back({off + b / 8, b % 8});
        bits.push_back({f.offset2 + (record - 1) * f.stride + b / 8, b % 8});
        break;
    }
    default:
        for (int i = 0; i < f.byteWidth(); ++i)
            for (int b = 0; b < 8; ++b)
                bits.push_back({off + i, b});
        break;
    }
    return bits;
}

TEST(ClockOutputsProfilesLayout, FieldsDoNotOverlapAndStayInTheirSections)
{
    std::map<std::pair<int, int>, std::string> owner;
    for (const FieldDef& f : groupFields()) {
        ASSERT_GE(f.count, 1) << f.name;
        const MemoryAreaInfo* area = findMemoryArea(f.area());
        ASSERT_NE(area, nullptr) << f.name << " lies in no memory area";
        for (int r = 1; r <= f.count; ++r) {
            const std::string who = std::string(f.name) + " record " + std::to_string(r);
            const auto bits = coveredBits(f, r);
            ASSERT_FALSE(bits.empty()) << who;
            for (const auto& bit : bits) {
                const int byte = bit.first;
                EXPECT_TRUE(byte >= area->offset && byte < area->offset + area->size)
                    << who << " leaves its memory area at byte " << byte;
                bool inSection = false;
                for (const auto& sec : kSections)
                    inSection = inSection || (byte >= sec.begin && byte < sec.end);
                EXPECT_TRUE(inSection) << who << " covers byte " << byte << " outside its sections";
                const auto [it, added] = owner.emplace(bit, who);
                EXPECT_TRUE(added) << who << " overlaps " << it->second << " at byte " << byte << " bit "
                                   << bit.second;
            }
        }
    }
}

// Bytes and bits that no page may touch: they must travel unchanged.
TEST(ClockOutputsProfilesLayout, BytesWithoutFieldStayUncovered)
{
    std::set<std::pair<int, int>> covered;
    for (const FieldDef& f : groupFields())
        for (int r = 1; r <= f.count; ++r)
            for (const auto& bit : coveredBits(f, r))
                covered.insert(bit);

    std::vector<std::pair<int, int>> free; // (byte, bit)
    auto wholeByte = [&](int byte) {
        for (int b = 0; b < 8; ++b)
            free.push_back({byte, b});
    };
    wholeByte(2674);
    wholeByte(2675);
    wholeByte(2679);
    for (int b = 1; b < 8; ++b)
        free.push_back({2673, b});
    for (int r = 1; r <= 8; ++r) {
        const int s = 2664 + 16 * r;
        for (int rel : {1, 2, 3, 7, 8, 9, 10, 11, 15})
            wholeByte(s + rel);
        free.push_back({s + 4, 7});
        for (int b = 5; b < 8; ++b)
            free.push_back({s + 5, b});
        for (int b = 6; b < 8; ++b)
            free.push_back({s + 6, b});
    }
    for (int p = 1; p <= 8; ++p) {
        const int base = 4194 + 122 * p;
        wholeByte(base + 17);
        wholeByte(base + 121);
        for (int i = 1; i <= 16; ++i) {
            const int e = base + 18 + 6 * (i - 1);
            for (int b = 1; b < 8; ++b)
                free.push_back({e, b});
            wholeByte(e + 1);
        }
    }
    for (const auto& bit : free)
        EXPECT_EQ(covered.count(bit), 0u) << "byte " << bit.first << " bit " << bit.second << " has a field";
}

TEST(ClockOutputsProfilesLayout, NamesAreUniqueAndFindTheirField)
{
    std::set<std::string> seen;
    for (const FieldDef& f : groupFields()) {
        EXPECT_TRUE(seen.insert(f.name).second) << "duplicate name " << f.name;
        const FieldDef* found = findField(f.name);
        ASSERT_NE(found, nullptr) << f.name;
        EXPECT_EQ(found->offset, f.offset) << f.name << " is shadowed by another field";
    }
}

TEST(ClockOutputsProfilesLayout, RecordsLandOnTheirPages)
{
    struct Case {
        const char* name;
        int record;
        int page;
    };
    const Case cases[] = {
        {"ComboBoxTimeZone", 1, 14},      {"CheckBoxInfoIn16", 1, 14},        {"SchedulerReaction", 8, 14},
        {"ComboBoxReleName", 1, 33},      {"CheckBoxRemoteControlEn", 7, 39}, {"StringGrid2Segment16", 14, 40},
        {"StringGrid2RepeatCount", 1, 40}, {"ComboBoxProfileName", 1, 42},    {"ComboBoxProfileToR7", 8, 49},
        {"ProfileInput14Upper", 8, 49},   {"ProfileInput15Lower", 1, -1},     {"ProfileInput16Enabled", 8, -1},
    };
    for (const Case& c : cases) {
        const FieldDef* f = findField(c.name);
        ASSERT_NE(f, nullptr) << c.name;
        EXPECT_EQ(f->pageOfRecord(c.record), c.page) << c.name << " record " << c.record;
    }
}

// The list item a stored factory value selects; the time-zone list is offset by 12.
int factoryItem(const FieldDef& f, int record)
{
    const int v = static_cast<int>(f.factoryValue(record));
    return std::string(f.name) == "ComboBoxTimeZone" ? v + 12 : v;
}

TEST(ClockOutputsProfilesLists, FactoryValuesSelectAnItem)
{
    for (const FieldDef& f : groupFields()) {
        if (f.items.isEmpty() || f.kind == FieldKind::Text)
            continue;
        for (int r = 1; r <= f.count; ++r) {
            const int item = factoryItem(f, r);
            EXPECT_TRUE(item >= 0 && item < f.items.size()) << f.name << " record " << r << " item " << item;
        }
    }
    const FieldDef* zone = findField("ComboBoxTimeZone");
    ASSERT_NE(zone, nullptr);
    EXPECT_EQ(zone->items.value(factoryItem(*zone, 1)), QStringLiteral("(GMT+3:00) Москва, Санкт-Петербург, Тула"));
}

TEST(ClockOutputsProfilesLists, ItemTextsAreExact)
{
    struct Case {
        const char* field;
        int count;
        std::vector<std::pair<int, const char*>> samples;
    };
    const std::vector<Case> cases = {
        {"ComboBoxTimeZone",
         26,
         {{0, "(GMT-12:00)"},
          {11, "(GMT-1:00)"},
          {12, "(GMT) Время по Гринвичу: Дублин, Лондон"},
          {13, "(GMT+1:00)"},
          {14, "(GMT+2:00) Киев, Харьков"},
          {18, "(GMT+6:00) Омск, Новосибирск, Алма-Ата"},
          {22, "(GMT+10:00) Владивосток"},
          {25, "(GMT+13:00)"}}},
        {"SchedulerActionType",
         18,
         {{0, "Нет действия"},
          {1, "Перейти в реж. Охрана"},
          {2, "Перейти в реж. Наблюдение"},
          {3, "Управление Реле 1"},
          {5, "Управление Выходом 1"},
          {9, "Управление Выходом 5"},
          {10, "Применить профиль 1"},
          {17, "Применить профиль 8"}}},
        {"SchedulerReaction", 17, {{0, "нет реакции"}, {1, "включить"}, {2, "выключить"}, {16, "сценарий 14"}}},
        {"ComboBoxCommType", 15, {{0, "уровень"}, {1, "сценарий 1"}, {14, "сценарий 14"}}},
        {"ComboBoxProfileToR1", 17, {{0, "нет реакции"}, {3, "сценарий 1"}, {16, "сценарий 14"}}},
        {"ComboBoxReleNameAct", 6, {{0, "ВКЛ"}, {3, "ОТКРЫТ"}, {5, "OFF"}}},
        {"ComboBoxReleName", 6, {{0, "РЕЛЕ"}, {5, "ДВИГАТЕЛЬ"}}},
        {"ComboBoxProfileName", 2, {{0, "КОМФОРТ"}, {1, "ЭКОНОМ"}}},
    };
    for (const Case& c : cases) {
        const FieldDef* f = findField(c.field);
        ASSERT_NE(f, nullptr) << c.field;
        EXPECT_EQ(f->items.size(), c.count) << c.field;
        for (const auto& [index, expected] : c.samples)
            EXPECT_EQ(f->items.value(index), QString::fromUtf8(expected)) << c.field << " item " << index;
    }
}

} // namespace
} // namespace zel
