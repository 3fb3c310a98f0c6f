// Pages 1 to 13: factory bytes, field layout and list values of the general
// connection parameters, the connection records, the GPRS page and the servers.

#include "image/configuration.h"
#include "image/field_catalogue.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <cstring>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

using namespace zel;

namespace {

QByteArray defaultBytes(int offset, int size)
{
    const auto& d = ConfigurationDefaults();
    return QByteArray(reinterpret_cast<const char*>(d.data() + offset), size);
}

QByteArray zeros(int n) { return QByteArray(n, '\0'); }

// NUL-padded text field as it must sit in the image.
QByteArray padded(const char* text, int width)
{
    QByteArray b(text);
    b.append(zeros(width - static_cast<int>(b.size())));
    return b;
}

struct Pattern {
    int offset;
    QByteArray bytes;
    std::string what;
};

std::vector<Pattern> factoryPatterns()
{
    std::vector<Pattern> p = {
        {12, QByteArray::fromHex("391f01"), "page 1 flags, pause, protocol, Modbus address"},
        {15, zeros(5), "gap after the Modbus address"},
        {20, zeros(9), "administrative password"},
        {29, zeros(9), "SIM PIN"},
        {38, padded("5790", 5), "DTMF password"},
        {43, padded("kiwi", 9), "SMS password"},
        {52, zeros(16), "SMS centre"},
        {2820, zeros(9), "USSD command"},
        {2829, zeros(9), "balance keyword"},
        {2838, zeros(3), "balance threshold and period"},
        {2902, padded("qxv", 18), "GPRS password"},
        {2920, zeros(8), "DNS addresses"},
        {2928, zeros(6), "GPRS sources"},
        {2934, QByteArray::fromHex("ff1b0303"), "GPRS timing"},
        {2938, zeros(2), "gap before the servers"},
    };
    for (int n = 1; n <= 8; ++n) {
        QByteArray rec = zeros(36);
        rec[16] = static_cast<char>(4 * (n - 1));
        rec[17] = 0x09;
        rec[28] = 0x09;
        rec[29] = 0x05;
        p.push_back({32 + 36 * n, rec, "connection " + std::to_string(n)});
    }
    for (int s = 1; s <= 3; ++s) {
        QByteArray rec = zeros(44);
        rec[40] = static_cast<char>(0x90);
        p.push_back({2896 + 44 * s, rec, "server " + std::to_string(s)});
    }
    return p;
}

// Every bit one record of a field occupies, as image bit numbers (byte * 8 + bit).
std::vector<int> coveredBits(const FieldDef& f, int record)
{
    std::vector<int> bits;
    const int off = f.recordOffset(record);
    switch (f.kind) {
    case FieldKind::Bits:
        for (int b = 0; b < f.bitCount; ++b)
            bits.push_back(off * 8 + f.recordBit(record) + b);
        break;
    case FieldKind::TriState:
        bits.push_back(off * 8 + f.recordBit(record));
        bits.push_back((f.offset2 + (record - 1) * f.stride) * 8 + f.recordBit(record));
        break;
    default:
        for (int b = 0; b < f.byteWidth() * 8; ++b)
            bits.push_back(off * 8 + b);
        break;
    }
    return bits;
}

std::string describe(const FieldDef& f, int record)
{
    return std::string(f.name) + " record " + std::to_string(record);
}

// Sections of the configuration area that belong to these pages.
struct Section {
    int first;
    int last;
};
constexpr Section kOwnSections[] = {
    {12, 14}, {20, 67}, {68, 355}, {2820, 2840}, {2852, 2937}, {2940, 3071},
};

bool inOwnSection(int byte)
{
    for (const auto& s : kOwnSections)
        if (byte >= s.first && byte <= s.last)
            return true;
    return false;
}

// Bits inside those sections that belong to no field (byte, mask).
std::map<int, int> freeBits()
{
    std::map<int, int> free = {{13, 0xE0}, {2933, 0xE8}, {2937, 0xE0}};
    for (int n = 1; n <= 8; ++n) {
        const int b = 32 + 36 * n;
        for (auto [rel, mask] : {std::pair{16, 0xC0}, {17, 0x80}, {20, 0xFC}, {21, 0xFF}, {27, 0xF0},
                                 {28, 0xF0}, {29, 0xC0}, {35, 0xE0}})
            free[b + rel] = mask;
    }
    for (int s = 1; s <= 3; ++s) {
        const int b = 2896 + 44 * s;
        for (auto [rel, mask] : {std::pair{34, 0xFF}, {35, 0xFF}, {38, 0xFE}, {39, 0xFF}, {40, 0x0E},
                                 {41, 0xFF}, {42, 0xFF}, {43, 0xFF}})
            free[b + rel] = mask;
    }
    return free;
}

const FieldDef& field(const char* name)
{
    static const std::vector<FieldDef> group = connectionFields();
    for (const auto& f : group)
        if (std::strcmp(f.name, name) == 0)
            return f;
    throw std::runtime_error(std::string("no field ") + name);
}

} // namespace

TEST(ConnectionCatalogue, FactoryBytesMatchStatedPatterns)
{
    for (const auto& p : factoryPatterns())
        EXPECT_EQ(defaultBytes(p.offset, p.bytes.size()).toHex(' '), p.bytes.toHex(' '))
            << p.what << " at offset " << p.offset;
}

TEST(ConnectionCatalogue, FactoryAccessPointAndLogin)
{
    // The APN is a domain name, the login three lower-case Latin letters; both NUL-padded.
    const QByteArray apn = defaultBytes(2852, 33);
    const QByteArray apnText = apn.left(apn.indexOf('\0'));
    EXPECT_TRUE(QRegularExpression("^[a-z0-9-]+(\\.[a-z0-9-]+)+$").match(QString::fromLatin1(apnText)).hasMatch())
        << apnText.constData();
    EXPECT_EQ(apn.mid(apnText.size()), zeros(33 - static_cast<int>(apnText.size())));

    const QByteArray login = defaultBytes(2885, 17);
    EXPECT_TRUE(QRegularExpression("^[a-z]{3}$").match(QString::fromLatin1(login.left(3))).hasMatch());
    EXPECT_EQ(login.mid(3), zeros(14));
}

TEST(ConnectionCatalogue, FieldsDoNotOverlapAndStayInTheirSections)
{
    const std::vector<FieldDef> group = connectionFields();
    std::map<int, std::string> owner;
    std::set<std::string> names;
    for (const auto& f : group) {
        EXPECT_TRUE(names.insert(f.name).second) << "duplicate name " << f.name;
        const MemoryAreaInfo* area = findMemoryArea(f.area());
        ASSERT_NE(area, nullptr) << f.name << " lies in no memory area";
        for (int r = 1; r <= f.count; ++r) {
            for (int bit : coveredBits(f, r)) {
                const int byte = bit / 8;
                EXPECT_TRUE(byte >= area->offset && byte < area->offset + area->size)
                    << describe(f, r) << " leaves memory area " << area->number << " at byte " << byte;
                EXPECT_TRUE(inOwnSection(byte)) << describe(f, r) << " reaches byte " << byte
                                                << ", outside the sections of these pages";
                const auto [it, fresh] = owner.emplace(bit, describe(f, r));
                EXPECT_TRUE(fresh) << describe(f, r) << " overlaps " << it->second << " at byte " << byte
                                   << " bit " << bit % 8;
            }
        }
    }
}

TEST(ConnectionCatalogue, EveryBitOfTheSectionsIsAFieldOrLeftFree)
{
    std::set<int> covered;
    for (const auto& f : connectionFields())
        for (int r = 1; r <= f.count; ++r)
            for (int bit : coveredBits(f, r))
                covered.insert(bit);
    const std::map<int, int> free = freeBits();
    for (const auto& s : kOwnSections) {
        for (int byte = s.first; byte <= s.last; ++byte) {
            const auto it = free.find(byte);
            const int freeMask = it == free.end() ? 0 : it->second;
            for (int bit = 0; bit < 8; ++bit) {
                const bool isFree = (freeMask >> bit) & 1;
                EXPECT_NE(covered.count(byte * 8 + bit) != 0, isFree)
                    << "byte " << byte << " bit " << bit << (isFree ? " should belong to no field" : " has no field");
            }
        }
    }
}

TEST(ConnectionCatalogue, FactoryValuesFitTheirFieldsAndLists)
{
    // Lists whose stored value is the item index plus one.
    const std::set<std::string> storedPlusOne = {"ComboBoxConnectingTryNum"};
    for (const auto& f : connectionFields()) {
        SCOPED_TRACE(f.name);
        EXPECT_TRUE(f.factory.size() <= 1 || static_cast<int>(f.factory.size()) == f.count);
        EXPECT_TRUE(f.factoryText.size() <= 1 || static_cast<int>(f.factoryText.size()) == f.count);
        for (int r = 1; r <= f.count; ++r) {
            const double v = f.factoryValue(r);
            if (f.kind == FieldKind::Bits) {
                EXPECT_LT(v, double(1u << f.bitCount)) << "record " << r;
            } else if (f.kind == FieldKind::TriState) {
                EXPECT_TRUE(v == 0 || v == 1 || v == 2) << "record " << r;
            } else if (f.kind == FieldKind::Text) {
                EXPECT_LT(toCp1251(f.factoryString(r)).size(), f.width) << "record " << r;
            }
            if (f.items.isEmpty())
                continue;
            const int index = static_cast<int>(v) - (storedPlusOne.count(f.name) ? 1 : 0);
            EXPECT_GE(index, 0) << "record " << r;
            EXPECT_LT(index, f.items.size()) << "record " << r;
        }
        if (!f.items.isEmpty()) {
            ASSERT_EQ(f.kind, FieldKind::Bits);
            const int needed = f.items.size() + (storedPlusOne.count(f.name) ? 1 : 0);
            EXPECT_LE(needed, 1 << f.bitCount) << "the bits cannot hold every item";
        }
    }
}

TEST(ConnectionCatalogue, RecordsMapToTheirPages)
{
    struct Case {
        const char* name;
        int record;
        int page;
    };
    const Case cases[] = {
        {"ComboBoxDialPriority", 1, 1},         {"MaskEditPhone", 1, 2},
        {"MaskEditPhone", 8, 9},                {"CheckBoxMaskSProfile", 5, 6},
        {"CheckBoxMaskGInput14", 1, 10},        {"ComboBoxGPRSTranspWaitTimeCopy3", 1, 10},
        {"MaskEditServerIPAddr", 1, 11},        {"CheckBoxServerEn", 3, 13},
    };
    for (const auto& c : cases)
        EXPECT_EQ(field(c.name).pageOfRecord(c.record), c.page) << c.name << " record " << c.record;
}
