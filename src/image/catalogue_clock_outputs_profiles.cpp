#include "image/field_catalogue.h"

#include <memory>
#include <mutex>
#include <string>

namespace zel {

namespace {

// Section bases and record sizes.
constexpr int kTimeZoneOffset = 2672;
constexpr int kDstOffset = 2673;
constexpr int kInfoInputsOffset = 2676;
constexpr int kInfoOutputsOffset = 2678;
constexpr int kSchedulerOffset = 2680;
constexpr int kSchedulerRowSize = 16;
constexpr int kSchedulerRows = 8;
constexpr int kClockPage = 14;

constexpr int kOutputOffset = 1832;
constexpr int kOutputSize = 52;
constexpr int kOutputCount = 7;
constexpr int kFirstOutputPage = 33;

constexpr int kScenarioOffset = 2196;
constexpr int kScenarioSize = 34;
constexpr int kScenarioCount = 14;
constexpr int kScenarioSegments = 16;
constexpr int kScenarioPage = 40;

constexpr int kProfileOffset = 4316;
constexpr int kProfileSize = 122;
constexpr int kProfileCount = 8;
constexpr int kProfileInputs = 16;
constexpr int kProfileInputsOnPage = 14;
constexpr int kProfileEntryOffset = 18;
constexpr int kProfileEntrySize = 6;
constexpr int kProfileReactionsOffset = 114;
constexpr int kFirstProfilePage = 42;

// Time zones from UTC-12 to UTC+13; item j is the offset j - 12.
QStringList timeZoneItems()
{
    QStringList items;
    for (int h = -12; h <= -1; ++h)
        items << QStringLiteral("(GMT%1:00)").arg(h);
    items << QStringLiteral("(GMT) Время по Гринвичу: Дублин, Лондон")
          << QStringLiteral("(GMT+1:00)")
          << QStringLiteral("(GMT+2:00) Киев, Харьков")
          << QStringLiteral("(GMT+3:00) Москва, Санкт-Петербург, Тула")
          << QStringLiteral("(GMT+4:00) Ижевск, Самара")
          << QStringLiteral("(GMT+5:00) Екатеринбург")
          << QStringLiteral("(GMT+6:00) Омск, Новосибирск, Алма-Ата")
          << QStringLiteral("(GMT+7:00) Красноярск")
          << QStringLiteral("(GMT+8:00) Иркутск")
          << QStringLiteral("(GMT+9:00) Якутск")
          << QStringLiteral("(GMT+10:00) Владивосток")
          << QStringLiteral("(GMT+11:00)")
          << QStringLiteral("(GMT+12:00)")
          << QStringLiteral("(GMT+13:00)");
    return items;
}

// "нет реакции", "включить", "выключить", "сценарий 1" .. "сценарий 14": the
// OutputReaction codes 0..16.
QStringList reactionItems()
{
    QStringList items{QStringLiteral("нет реакции"), QStringLiteral("включить"), QStringLiteral("выключить")};
    for (int s = 1; s <= kScenarioCount; ++s)
        items << QStringLiteral("сценарий %1").arg(s);
    return items;
}

QStringList schedulerActionItems()
{
    QStringList items{QStringLiteral("Нет действия"), QStringLiteral("Перейти в реж. Охрана"),
                      QStringLiteral("Перейти в реж. Наблюдение"), QStringLiteral("Управление Реле 1"),
                      QStringLiteral("Управление Реле 2")};
    for (int k = 1; k <= 5; ++k)
        items << QStringLiteral("Управление Выходом %1").arg(k);
    for (int p = 1; p <= kProfileCount; ++p)
        items << QStringLiteral("Применить профиль %1").arg(p);
    return items;
}

QStringList switchingTypeItems()
{
    QStringList items{QStringLiteral("уровень")};
    for (int s = 1; s <= kScenarioCount; ++s)
        items << QStringLiteral("сценарий %1").arg(s);
    return items;
}

// Factory words of the fourteen control scenarios (word 0 = repeat count, then the
// segments); words not listed are 0. Scenarios 8 to 14 keep a stray 8000 after
// their terminator, as the controller ships them.
const std::vector<std::vector<int>>& factoryScenarioWords()
{
    static const std::vector<std::vector<int>> words = {
        {0x0000, 0x8001, 0x0001, 0x0000},
        {0x0000, 0x8002, 0x0002, 0x8002, 0x0002, 0x0000},
        {0x0000, 0x8005, 0x0005, 0x800A, 0x000A, 0x0000},
        {0x0001, 0x8002, 0x0002, 0x8002, 0x0000},
        {0x0001, 0x0001, 0x8001, 0x0002, 0x8000},
        {0x0000, 0x8002, 0x0003, 0x0000},
        {0x0001, 0x8005, 0x0000},
        {0x0001, 0x8001, 0x0000, 0x8000},
        {0x0001, 0x8001, 0x0000, 0x8000},
        {0x0001, 0x8001, 0x0000, 0x8000},
        {0x0001, 0x8001, 0x0000, 0x8000},
        {0x0001, 0x8001, 0x0000, 0x8000},
        {0x0001, 0x8001, 0x0000, 0x8000},
        {0x0001, 0x8001, 0x0000, 0x8000},
    };
    return words;
}

// Factory value of word w for each of the fourteen scenarios.
std::vector<double> scenarioWordFactory(int w)
{
    std::vector<double> v;
    for (const auto& s : factoryScenarioWords())
        v.push_back(w < static_cast<int>(s.size()) ? s[w] : 0);
    return v;
}

// Names of generated fields must outlive every FieldDef; keep them in one static
// store that is filled once and never grows afterwards.
const char* storedName(const std::string& name)
{
    static std::mutex mutex;
    static std::vector<std::unique_ptr<std::string>> store;
    const std::lock_guard<std::mutex> lock(mutex);
    for (const auto& s : store)
        if (*s == name)
            return s->c_str();
    store.push_back(std::make_unique<std::string>(name));
    return store.back()->c_str();
}

void addClockFields(std::vector<FieldDef>& v)
{
    // The list item is the stored offset + 12; an offset outside -12..+13 leaves
    // the list without a selection.
    v.push_back({.name = "ComboBoxTimeZone", .offset = kTimeZoneOffset, .kind = FieldKind::S8,
                 .factory = {3}, .firstPage = kClockPage, .items = timeZoneItems()});
    v.push_back({.name = "CheckBoxDSTEnable", .offset = kDstOffset, .kind = FieldKind::Bits, .bitLow = 0,
                 .bitCount = 1, .factory = {0}, .firstPage = kClockPage});

    // Information message: one check box per input (CheckBoxInfoIn1..16, bit i-1;
    // 15 and 16 are hidden but still packed) and per output (CheckBoxInfoR1..R7 =
    // relay 1, relay 2, outputs 1..5).
    static const char* const infoInputs[] = {
        "CheckBoxInfoIn1",  "CheckBoxInfoIn2",  "CheckBoxInfoIn3",  "CheckBoxInfoIn4",
        "CheckBoxInfoIn5",  "CheckBoxInfoIn6",  "CheckBoxInfoIn7",  "CheckBoxInfoIn8",
        "CheckBoxInfoIn9",  "CheckBoxInfoIn10", "CheckBoxInfoIn11", "CheckBoxInfoIn12",
        "CheckBoxInfoIn13", "CheckBoxInfoIn14", "CheckBoxInfoIn15", "CheckBoxInfoIn16"};
    for (int i = 0; i < 16; ++i)
        v.push_back({.name = infoInputs[i], .offset = kInfoInputsOffset, .kind = FieldKind::Bits, .bitLow = i,
                     .bitCount = 1, .factory = {0}, .firstPage = kClockPage});
    static const char* const infoOutputs[] = {"CheckBoxInfoR1", "CheckBoxInfoR2", "CheckBoxInfoR3",
                                              "CheckBoxInfoR4", "CheckBoxInfoR5", "CheckBoxInfoR6",
                                              "CheckBoxInfoR7"};
    for (int k = 0; k < kOutputCount; ++k)
        v.push_back({.name = infoOutputs[k], .offset = kInfoOutputsOffset, .kind = FieldKind::Bits, .bitLow = k,
                     .bitCount = 1, .factory = {0}, .firstPage = kClockPage});
    // No control; packing the page always writes 0 here.
    v.push_back({.name = "InfoOutputsBit7", .offset = kInfoOutputsOffset, .kind = FieldKind::Bits, .bitLow = 7,
                 .bitCount = 1, .factory = {0}, .firstPage = kClockPage});
}

void addSchedulerFields(std::vector<FieldDef>& v)
{
    // Scheduler rows of StringGrid3; row r at 2664 + 16r. Bytes 1-3, 7-11 and 15 of
    // a row have no field.
    auto row = [&](FieldDef f) {
        f.offset += kSchedulerOffset;
        f.stride = kSchedulerRowSize;
        f.count = kSchedulerRows;
        f.firstPage = kClockPage;
        if (f.factory.empty())
            f.factory = {0};
        v.push_back(f);
    };
    // Column 1 check box. Packing writes the whole byte (0 or 1); unpacking reads bit 0.
    row({.name = "SchedulerRowEnabled", .offset = 0, .kind = FieldKind::U8});
    // Columns 3-9, Monday to Sunday; bit 7 has no field.
    static const char* const days[] = {"SchedulerMonday",   "SchedulerTuesday", "SchedulerWednesday",
                                       "SchedulerThursday", "SchedulerFriday",  "SchedulerSaturday",
                                       "SchedulerSunday"};
    for (int d = 0; d < 7; ++d)
        row({.name = days[d], .offset = 4, .kind = FieldKind::Bits, .bitLow = d, .bitCount = 1});
    // Column 2 ("HH:MM") holds both; values are only masked, not range checked.
    row({.name = "SchedulerHour", .offset = 5, .kind = FieldKind::Bits, .bitLow = 0, .bitCount = 5});
    row({.name = "SchedulerMinute", .offset = 6, .kind = FieldKind::Bits, .bitLow = 0, .bitCount = 6});
    row({.name = "SchedulerTest", .offset = 12, .kind = FieldKind::Bits, .bitLow = 0, .bitCount = 1});
    row({.name = "SchedulerInfo", .offset = 12, .kind = FieldKind::Bits, .bitLow = 1, .bitCount = 1});
    // Column 12 list. Its item index is not stored as is: items 0-2 are types 0-2,
    // items 3-9 type 3 (output item - 3 in SchedulerActionParam), items 10-17
    // type 4 (profile item - 10 in SchedulerActionParam).
    row({.name = "SchedulerActionType", .offset = 12, .kind = FieldKind::Bits, .bitLow = 2, .bitCount = 6,
         .items = schedulerActionItems()});
    // Type 3: output index in bits 0-3 (bits 4-7 kept); type 4: profile index;
    // types 0-2: the column 13 item index. The whole byte belongs to this field.
    row({.name = "SchedulerActionParam", .offset = 13, .kind = FieldKind::U8});
    // Column 13 list (only for output actions): the OutputReaction.
    row({.name = "SchedulerReaction", .offset = 14, .kind = FieldKind::U8, .items = reactionItems()});
}

void addOutputFields(std::vector<FieldDef>& v)
{
    // Output records of relay 1, relay 2, outputs 1..5; record k+1 on page 33+k.
    auto output = [&](FieldDef f) {
        f.offset += kOutputOffset;
        f.stride = kOutputSize;
        f.count = kOutputCount;
        f.firstPage = kFirstOutputPage;
        f.lastPage = kFirstOutputPage + kOutputCount - 1;
        v.push_back(f);
    };
    const QStringList stateNames{QStringLiteral("ВКЛ"),    QStringLiteral("ВЫКЛ"), QStringLiteral("ЗАКРЫТ"),
                                 QStringLiteral("ОТКРЫТ"), QStringLiteral("ON"),   QStringLiteral("OFF")};
    // Editable lists: the items are suggestions, the text is stored.
    output({.name = "ComboBoxReleName", .offset = 0, .kind = FieldKind::Text, .width = 17,
            .factoryText = {QStringLiteral("РЕЛЕ1"), QStringLiteral("РЕЛЕ2"), QStringLiteral("ВЫХОД1"),
                            QStringLiteral("ВЫХОД2"), QStringLiteral("ВЫХОД3"), QStringLiteral("ВЫХОД4"),
                            QStringLiteral("ВЫХОД5")},
            .items = {QStringLiteral("РЕЛЕ"), QStringLiteral("ОБОГРЕВАТЕЛЬ"), QStringLiteral("ЛАМПА"),
                      QStringLiteral("ЗАМОК"), QStringLiteral("НАСОС"), QStringLiteral("ДВИГАТЕЛЬ")}});
    output({.name = "ComboBoxReleNameAct", .offset = 17, .kind = FieldKind::Text, .width = 17,
            .factoryText = {QStringLiteral("ВКЛ")}, .items = stateNames});
    output({.name = "ComboBoxReleNameDeact", .offset = 34, .kind = FieldKind::Text, .width = 17,
            .factoryText = {QStringLiteral("ВЫКЛ")}, .items = stateNames});
    // Byte 51 = 0xA0 in every factory record: enabled and remote control allowed.
    output({.name = "ComboBoxCommType", .offset = 51, .kind = FieldKind::Bits, .bitLow = 0, .bitCount = 5,
            .factory = {0}, .items = switchingTypeItems()});
    output({.name = "CheckBoxReleEn", .offset = 51, .kind = FieldKind::Bits, .bitLow = 5, .bitCount = 1,
            .factory = {1}});
    output({.name = "CheckBoxReleInversion", .offset = 51, .kind = FieldKind::Bits, .bitLow = 6, .bitCount = 1,
            .factory = {0}});
    output({.name = "CheckBoxRemoteControlEn", .offset = 51, .kind = FieldKind::Bits, .bitLow = 7,
            .bitCount = 1, .factory = {1}});
}

void addScenarioFields(std::vector<FieldDef>& v)
{
    // Control scenarios 1..14, all edited in the grid StringGrid2 on one page.
    // Word 0: repeat count (1 = once, 0 = endless, otherwise cyclic that many times).
    v.push_back({.name = "StringGrid2RepeatCount", .offset = kScenarioOffset, .kind = FieldKind::U16,
                 .stride = kScenarioSize, .count = kScenarioCount, .factory = scenarioWordFactory(0),
                 .firstPage = kScenarioPage});
    // Words 1..16: bit 15 = level, bits 0-14 = duration in 100 ms; duration 0 ends
    // the list.
    for (int i = 1; i <= kScenarioSegments; ++i)
        v.push_back({.name = storedName("StringGrid2Segment" + std::to_string(i)),
                     .offset = kScenarioOffset + 2 * i, .kind = FieldKind::U16, .stride = kScenarioSize,
                     .count = kScenarioCount, .factory = scenarioWordFactory(i), .firstPage = kScenarioPage});
}

void addProfileFields(std::vector<FieldDef>& v)
{
    // Profiles 1..8; record p on page 41+p. Bytes 17 and 121 and byte 1 and bits 1-7
    // of byte 0 of every input entry have no field.
    auto profile = [&](FieldDef f, bool onPage = true) {
        f.offset += kProfileOffset;
        f.stride = kProfileSize;
        f.count = kProfileCount;
        if (onPage) {
            f.firstPage = kFirstProfilePage;
            f.lastPage = kFirstProfilePage + kProfileCount - 1;
        }
        v.push_back(f);
    };
    profile({.name = "ComboBoxProfileName", .offset = 0, .kind = FieldKind::Text, .width = 17,
             .factoryText = {QStringLiteral("КОМФОРТ"), QStringLiteral("ЭКОНОМ"), QStringLiteral("ПРОФИЛЬ3"),
                             QStringLiteral("ПРОФИЛЬ4"), QStringLiteral("ПРОФИЛЬ5"), QStringLiteral("ПРОФИЛЬ6"),
                             QStringLiteral("ПРОФИЛЬ7"), QStringLiteral("ПРОФИЛЬ8")},
             .items = {QStringLiteral("КОМФОРТ"), QStringLiteral("ЭКОНОМ")}});
    // Alarm-zone borders per input (raw readings 0..4095). The page shows inputs
    // 1..14; entries 15 and 16 only travel with the record.
    for (int i = 1; i <= kProfileInputs; ++i) {
        const int entry = kProfileEntryOffset + kProfileEntrySize * (i - 1);
        const bool onPage = i <= kProfileInputsOnPage;
        const std::string base = "ProfileInput" + std::to_string(i);
        profile({.name = storedName(base + "Enabled"), .offset = entry, .kind = FieldKind::Bits, .bitLow = 0,
                 .bitCount = 1, .factory = {0}},
                onPage);
        profile({.name = storedName(base + "Lower"), .offset = entry + 2, .kind = FieldKind::U16,
                 .factory = {1365}},
                onPage);
        profile({.name = storedName(base + "Upper"), .offset = entry + 4, .kind = FieldKind::U16,
                 .factory = {2730}},
                onPage);
    }
    static const char* const reactions[] = {"ComboBoxProfileToR1", "ComboBoxProfileToR2", "ComboBoxProfileToR3",
                                            "ComboBoxProfileToR4", "ComboBoxProfileToR5", "ComboBoxProfileToR6",
                                            "ComboBoxProfileToR7"};
    const QStringList reactionList = reactionItems();
    for (int k = 0; k < kOutputCount; ++k)
        profile({.name = reactions[k], .offset = kProfileReactionsOffset + k, .kind = FieldKind::U8,
                 .factory = {0}, .items = reactionList});
}

} // namespace

std::vector<FieldDef> clockOutputProfileFields()
{
    std::vector<FieldDef> v;
    addClockFields(v);
    addSchedulerFields(v);
    addOutputFields(v);
    addScenarioFields(v);
    addProfileFields(v);
    return v;
}

} // namespace zel
