// Catalogue of the input, Arm In, power/temperature and system parameter pages:
// factory bytes, field layout and list items.
#include "image/configuration.h"
#include "image/field_catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <string>

namespace zel {
namespace {

// Windows-1251 bytes, written out so the expectations do not depend on the codec.
const QByteArray kVkhod("\xC2\xD5\xCE\xC4");                               // ВХОД
const QByteArray kAktiven("\xC0\xCA\xD2\xC8\xC2\xC5\xCD");                 // АКТИВЕН
const QByteArray kNeaktiven("\xCD\xC5\xC0\xCA\xD2\xC8\xC2\xC5\xCD");       // НЕАКТИВЕН
const QByteArray kPerimetr("\xCF\xC5\xD0\xC8\xCC\xC5\xD2\xD0");            // ПЕРИМЕТР

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

void put(QByteArray& record, int at, const QByteArray& value)
{
    record.replace(at, value.size(), value);
}

QByteArray factoryInputRecord(int n)
{
    QByteArray r(92, '\0');
    put(r, 0, kVkhod + QByteArray::number(n));
    put(r, 17, kAktiven);
    put(r, 34, kNeaktiven);
    put(r, 52, bytes({0x22, 0x00, 0x40, 0x02})); // averaging 2, level 2 | -, delay 0, driving 1 | type 1
    put(r, 58, bytes({0x55, 0x05, 0xAA, 0x0A}));  // borders 1365 and 2730
    put(r, 62, bytes({0x00, 0x02}));              // power source "Другое"
    put(r, 68, bytes({0, 0, 0, 0, 0, 0, 0x20, 0x41})); // floats 0.0 and 10.0
    return r;
}

QByteArray factoryPerimeter(int p)
{
    QByteArray r(51, '\0');
    put(r, 0, kPerimetr + QByteArray::number(p));
    return r;
}

struct FactoryBlock {
    std::string what;
    int offset;
    QByteArray expected;
};

std::vector<FactoryBlock> factoryBlocks()
{
    std::vector<FactoryBlock> blocks{
        {"inputs general", 356, bytes({0x07, 0x00})},
        {"power, battery, indication", 2808,
         bytes({0xC9, 0x00, 0x00, 0x00, 0x94, 0xA8, 0x00, 0x00, 0x00, 0x04})},
        {"temperature, tamper", 2842, bytes({0x01, 0xE7, 0x3C, 0xEC, 0x00, 0xF1, 0x00, 0x01, 0x00})},
        {"key table", 3292, QByteArray(32 * 32, '\0')},
    };
    for (int n = 1; n <= 16; ++n)
        blocks.push_back({"input record " + std::to_string(n), 268 + 92 * n, factoryInputRecord(n)});
    for (int p = 1; p <= 4; ++p)
        blocks.push_back({"perimeter " + std::to_string(p), 3036 + 51 * p, factoryPerimeter(p)});
    return blocks;
}

const std::vector<FieldDef>& group()
{
    static const std::vector<FieldDef> fields = inputPowerSystemFields();
    return fields;
}

const FieldDef& field(const char* name)
{
    for (const FieldDef& f : group())
        if (std::strcmp(f.name, name) == 0)
            return f;
    ADD_FAILURE() << "no field " << name;
    static const FieldDef none;
    return none;
}

// Absolute bit ranges (first bit, bit count) one record of a field covers.
std::vector<std::pair<long, int>> bitRanges(const FieldDef& f, int record)
{
    const long off = f.recordOffset(record);
    switch (f.kind) {
    case FieldKind::Bits:
        return {{off * 8 + f.recordBit(record), f.bitCount}};
    case FieldKind::TriState: {
        const long ticked = f.offset2 + static_cast<long>(record - 1) * f.stride;
        return {{off * 8 + f.recordBit(record), 1}, {ticked * 8 + f.recordBit(record), 1}};
    }
    default:
        return {{off * 8, f.byteWidth() * 8}};
    }
}

const MemoryAreaInfo* heldAreaOf(long byteOffset)
{
    for (const MemoryAreaInfo& a : memoryAreas())
        if (a.held && byteOffset >= a.offset && byteOffset < a.offset + a.size)
            return &a;
    return nullptr;
}

TEST(InputPowerSystemCatalogue, ConfigurationDefaultsHoldTheFactoryPatterns)
{
    const auto& defaults = ConfigurationDefaults();
    for (const FactoryBlock& b : factoryBlocks()) {
        SCOPED_TRACE(b.what);
        const QByteArray actual(reinterpret_cast<const char*>(defaults.data()) + b.offset,
                                b.expected.size());
        EXPECT_EQ(actual.toHex(' ').toStdString(), b.expected.toHex(' ').toStdString());
    }
}

TEST(InputPowerSystemCatalogue, SystemParameterFieldsKeepTheAreaAllZero)
{
    DeviceImage image;
    int fields = 0;
    for (const FieldDef& f : group()) {
        if (f.area() != 5)
            continue;
        ++fields;
        for (int r = 1; r <= f.count; ++r)
            writeFactoryValue(image, f, r);
    }
    EXPECT_GT(fields, 0);
    EXPECT_EQ(image.area(5).toHex(' ').toStdString(), QByteArray(kSystemParametersSize, '\0').toHex(' ').toStdString());
}

TEST(InputPowerSystemCatalogue, FieldsNeitherOverlapNorLeaveTheirArea)
{
    std::map<long, std::string> owner; // absolute bit -> field and record
    std::set<std::string> names;
    for (const FieldDef& f : group()) {
        SCOPED_TRACE(f.name);
        EXPECT_TRUE(names.insert(f.name).second) << "name used twice";
        ASSERT_GE(f.count, 1);
        EXPECT_TRUE(f.factory.size() <= 1 || static_cast<int>(f.factory.size()) == f.count);
        EXPECT_TRUE(f.factoryText.size() <= 1 || static_cast<int>(f.factoryText.size()) == f.count);
        const MemoryAreaInfo* area = heldAreaOf(f.offset);
        ASSERT_NE(area, nullptr);
        for (int r = 1; r <= f.count; ++r) {
            const std::string who = std::string(f.name) + " record " + std::to_string(r);
            for (auto [first, count] : bitRanges(f, r)) {
                ASSERT_GT(count, 0) << who;
                EXPECT_EQ(heldAreaOf(first / 8), area) << who;
                EXPECT_EQ(heldAreaOf((first + count - 1) / 8), area) << who;
                for (long bit = first; bit < first + count; ++bit) {
                    const auto [it, fresh] = owner.emplace(bit, who);
                    EXPECT_TRUE(fresh) << who << " overlaps " << it->second << " at byte " << bit / 8
                                       << " bit " << bit % 8;
                }
            }
        }
    }
}

TEST(InputPowerSystemCatalogue, ListFactoryValuesAreItemsAndFitTheirBits)
{
    for (const FieldDef& f : group()) {
        if (f.items.isEmpty() || f.kind == FieldKind::Text)
            continue;
        SCOPED_TRACE(f.name);
        if (f.kind == FieldKind::Bits) {
            EXPECT_LE(f.items.size(), 1LL << f.bitCount) << "items beyond the field's width";
        }
        for (int r = 1; r <= f.count; ++r) {
            const double v = f.factoryValue(r);
            EXPECT_EQ(v, std::floor(v));
            EXPECT_GE(v, 0);
            EXPECT_LT(v, f.items.size()) << "record " << r;
        }
    }
}

TEST(InputPowerSystemCatalogue, RecordsLandOnTheirPages)
{
    struct Case {
        const char* name;
        int record;
        int page;
    };
    const Case cases[] = {
        {"ComboBoxSensType", 1, 18},        {"ComboBoxSensType", 14, 31},
        {"ComboBoxSensType", 15, -1},       {"ComboBoxActRele7", 16, -1},
        {"MaskEditMaxVal", 7, 24},          {"InputRecordReserved51", 1, -1},
        {"ComboBoxPortPwrSensAllOn", 1, 17}, {"CheckBoxRestrArmMode1", 1, 16},
        {"CheckBoxRestrArmMode14", 1, 16},  {"InputRecordProtectedMode", 2, -1},
        {"StringGrid1KeyCode", 32, 16},     {"StringGrid1Profile", 32, 16},
        {"ComboBoxRAtoProfile", 1, 16},     {"PerimeterName", 1, -1},
        {"Perimeter2To4Settings", 1, -1},   {"TrackBarDischargeWarn", 1, 15},
        {"ComboBoxTamperActScnN", 1, 15},   {"EditCALVAL", 1, 50},
        {"CheckBoxCRCCheckDisable", 1, 50},
    };
    for (const Case& c : cases)
        EXPECT_EQ(field(c.name).pageOfRecord(c.record), c.page) << c.name << " record " << c.record;

    // The protected-mode check boxes sit on bit 0 of byte 55 of input records 1..14.
    for (int n = 1; n <= 14; ++n) {
        const std::string name = "CheckBoxRestrArmMode" + std::to_string(n);
        const FieldDef& f = field(name.c_str());
        EXPECT_EQ(f.offset, 268 + 92 * n + 55) << name;
        EXPECT_EQ(f.bitLow, 0) << name;
    }

    for (const FieldDef& f : group()) {
        if (f.firstPage < 0)
            continue;
        const bool inRange = (f.firstPage >= 15 && f.firstPage <= 31) || f.firstPage == 50;
        EXPECT_TRUE(inRange) << f.name << " on page " << f.firstPage;
    }
}

TEST(InputPowerSystemCatalogue, GeneratedItemListsMatchTheirTexts)
{
    struct Case {
        const char* name;
        qsizetype size;
        int index;
        QString text;
    };
    const Case cases[] = {
        {"ComboBoxLoopPwrResetTime", 8, 0, "10  Sec."},
        {"ComboBoxLoopPwrResetTime", 8, 7, "80  Sec."},
        {"ComboBoxNoScaningTimeAftArm", 16, 15, "150  Sec."},
        {"ComboBoxNoScaningTimeAftReset", 8, 1, "15 Sec."},
        {"ComboBoxNoScaningTimeAftReset", 8, 2, "30  Sec."},
        {"ComboBoxDelayTime", 64, 0, "0 Sec."},
        {"ComboBoxDelayTime", 64, 63, "315 Sec."},
        {"ComboBoxAlarmDelayTime", 16, 15, "160 Сек."},
        {"ComboBoxActRele1", 17, 3, "сценарий 1"},
        {"ComboBoxPassRele7", 17, 16, "сценарий 14"},
        {"ComboBoxFltBrdArriveOut", 7, 6, "Выход 5"},
        {"ComboBoxTamperActScnN", 17, 0, "нет реакции"},
        {"ComboBoxArmToProfile", 9, 8, "Применить профиль 8"},
        {"ComboBoxListenNum", 9, 0, " -"},
    };
    for (const Case& c : cases) {
        const FieldDef& f = field(c.name);
        ASSERT_EQ(f.items.size(), c.size) << c.name;
        EXPECT_EQ(f.items.at(c.index).toStdString(), c.text.toStdString()) << c.name << " item " << c.index;
    }
}

} // namespace
} // namespace zel
