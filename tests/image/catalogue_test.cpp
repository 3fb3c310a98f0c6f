// Checks over the whole field catalogue, across the page groups.
#include "image/configuration.h"
#include "image/field_catalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using namespace zel;

namespace {

// Every (byte, bit) a field record covers.
std::vector<std::pair<int, int>> coveredBits(const FieldDef& f, int record)
{
    std::vector<std::pair<int, int>> out;
    const int off = f.recordOffset(record);
    auto addBits = [&](int base, int low, int count) {
        for (int b = low; b < low + count; ++b)
            out.emplace_back(base + b / 8, b % 8);
    };
    switch (f.kind) {
    case FieldKind::Bits:
        addBits(off, f.recordBit(record), f.bitCount);
        break;
    case FieldKind::TriState:
        addBits(off, f.recordBit(record), 1);
        addBits(f.offset2 + (record - 1) * f.stride, f.recordBit(record), 1);
        break;
    default:
        addBits(off, 0, f.byteWidth() * 8);
        break;
    }
    return out;
}

} // namespace

TEST(FieldCatalogue, NoTwoFieldsShareABitAndEveryFieldStaysInItsArea)
{
    std::map<std::pair<int, int>, std::string> owner;
    for (const FieldDef& f : fieldCatalogue()) {
        const int area = f.area();
        ASSERT_NE(area, 0) << f.name;
        const MemoryAreaInfo* a = findMemoryArea(area);
        for (int r = 1; r <= f.count; ++r) {
            for (const auto& bit : coveredBits(f, r)) {
                ASSERT_GE(bit.first, a->offset) << f.name;
                ASSERT_LT(bit.first, a->offset + a->size) << f.name << " record " << r;
                const std::string who = std::string(f.name) + "#" + std::to_string(r);
                auto [it, fresh] = owner.emplace(bit, who);
                ASSERT_TRUE(fresh) << who << " overlaps " << it->second << " at byte " << bit.first << " bit "
                                   << bit.second;
            }
        }
    }
    // The header and the fixed block belong to no field.
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(owner.count({i, 0}), 0u) << i;
    for (int i = 3072; i <= 3086; ++i)
        EXPECT_EQ(owner.count({i, 0}), 0u) << i;
}

TEST(FieldCatalogue, NamesAreUniquePerControl)
{
    std::set<std::string> seen;
    for (const FieldDef& f : fieldCatalogue())
        EXPECT_TRUE(seen.insert(f.name).second) << f.name;
}

TEST(FieldCatalogue, FactoryImageKeepsTheHeaderValid)
{
    DeviceImage img;
    BuildDefaultImage(img);
    EXPECT_TRUE(IsConfigurationValid(img));
    EXPECT_EQ(img.area(5), QByteArray(24, '\0')); // system parameters: all fields zero
}
