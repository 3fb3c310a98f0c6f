#include "image/configuration.h"
#include "image/device_image.h"
#include "image/field_catalogue.h"

#include <gtest/gtest.h>

#include <random>

using namespace zel;

namespace {
DeviceImage randomImage(unsigned seed)
{
    DeviceImage img;
    std::mt19937 rng(seed);
    for (int i = 0; i < kImageSize; ++i)
        img.data()[i] = static_cast<std::uint8_t>(rng());
    return img;
}
} // namespace

TEST(DeviceImage, BitFieldsKeepTheOtherBits)
{
    struct Case {
        int offset, low, count;
        std::uint32_t value;
    };
    const Case cases[] = {{12, 0, 3, 5}, {12, 6, 2, 3}, {13, 4, 1, 0}, {100, 6, 4, 0xF}, {200, 3, 17, 0x1ABCD}};
    for (const Case& c : cases) {
        DeviceImage img = randomImage(7);
        const DeviceImage before = img;
        img.setBits(c.offset, c.low, c.count, c.value);
        EXPECT_EQ(img.bits(c.offset, c.low, c.count), c.value);
        for (int i = 0; i < kImageSize; ++i) {
            for (int b = 0; b < 8; ++b) {
                const int abs = (i - c.offset) * 8 + b;
                const bool inField = i >= c.offset && abs >= c.low && abs < c.low + c.count;
                if (!inField) {
                    ASSERT_EQ((img.byte(i) >> b) & 1, (before.byte(i) >> b) & 1) << "byte " << i << " bit " << b;
                }
            }
        }
    }
}

TEST(DeviceImage, ValueTooWideForItsBitsIsCut)
{
    DeviceImage img;
    img.setByte(12, 0xFF);
    img.setBits(12, 0, 3, 0xFF);
    EXPECT_EQ(img.byte(12), 0xFF);
    img.setBits(12, 0, 3, 0x08);
    EXPECT_EQ(img.byte(12), 0xF8);
}

TEST(DeviceImage, TextFieldHoldsWidthMinusOneCharactersInCp1251)
{
    DeviceImage img;
    img.setSlice(100, QByteArray(9, 'x'));
    img.setText(100, 9, QStringLiteral("ВХОД123456789"));
    EXPECT_EQ(img.slice(100, 9), QByteArray("\xC2\xD5\xCE\xC4\x31\x32\x33\x34\x00", 9));
    EXPECT_EQ(img.text(100, 9), QStringLiteral("ВХОД1234"));
    img.setText(100, 9, QStringLiteral("ab"));
    EXPECT_EQ(img.slice(100, 9), QByteArray("ab\0\0\0\0\0\0\0", 9));
    // A field without NUL reads its whole width.
    img.setSlice(100, QByteArray("ABCDEFGHI"));
    EXPECT_EQ(img.text(100, 9), QStringLiteral("ABCDEFGHI"));
}

TEST(DeviceImage, Ipv4IsStoredReversedAndFloatLittleEndian)
{
    DeviceImage img;
    img.setIpv4(10, QStringLiteral("192.168.1.20"));
    EXPECT_EQ(img.slice(10, 4), QByteArray("\x14\x01\xA8\xC0", 4));
    EXPECT_EQ(img.ipv4(10), QStringLiteral("192.168.1.20"));
    img.setIpv4(10, QStringLiteral("300.  1.x.7"));
    EXPECT_EQ(img.ipv4(10), QStringLiteral("255.1.0.7"));
    img.setFloat32(20, 10.0f);
    EXPECT_EQ(img.slice(20, 4), QByteArray("\x00\x00\x20\x41", 4));
}

TEST(DeviceImage, AreasCoverTheImage)
{
    DeviceImage img = randomImage(3);
    EXPECT_EQ(img.area(1).size(), 5292);
    EXPECT_EQ(img.area(4).size(), 10);
    EXPECT_EQ(img.area(5).size(), 24);
    EXPECT_EQ(img.area(6).size(), 18032);
    EXPECT_TRUE(img.area(2).isEmpty());
    EXPECT_TRUE(img.area(7).isEmpty());
    EXPECT_FALSE(img.setArea(5, QByteArray(23, 0)));
    EXPECT_EQ(findMemoryArea(6)->offset + findMemoryArea(6)->size, kImageSize);
}

TEST(RemoveSpaces, RemovesBlanksInsideTheFieldOnly)
{
    struct Case {
        QByteArray field, expected;
    };
    const Case cases[] = {
        {QByteArray("+7 912 345 6789\0", 16), QByteArray("+79123456789\0\0\0\0", 16)},
        {QByteArray("  12\0\0\0\0\0\0\0\0\0\0\0\0", 16), QByteArray("12\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 16)},
        {QByteArray(16, ' '), QByteArray(16, '\0')},
        {QByteArray("1234567890123456"), QByteArray("1234567890123456")},
    };
    for (const Case& c : cases) {
        DeviceImage img;
        img.setSlice(52, c.field);
        img.setByte(51, ' ');
        img.setByte(68, ' ');
        RemoveSpaces(img, 52, 16);
        EXPECT_EQ(img.slice(52, 16), c.expected);
        EXPECT_EQ(img.byte(51), ' ');
        EXPECT_EQ(img.byte(68), ' ');
    }
}

TEST(DefaultImage, FactoryAreasAndPhoneRecords)
{
    DeviceImage img = randomImage(11);
    const std::uint8_t gap0 = img.byte(5302), gap1 = img.byte(5303);
    BuildDefaultImage(img);
    EXPECT_EQ(img.byte(0), 0x01);
    EXPECT_EQ(img.slice(1, 8), QByteArray("v.01.02\0", 8));
    EXPECT_EQ(img.slice(9, 3), QByteArray(3, '\0'));
    EXPECT_EQ(img.area(4), QByteArray("\x00\x00\x40\x40\x40\x40\x40\x40\x40\x00", 10));
    EXPECT_EQ(img.area(5), QByteArray(24, '\0'));
    EXPECT_EQ(img.slice(5328, 32), QByteArray(32, '\0'));
    for (int r = 0; r < kControlPhoneRecordCount; ++r) {
        const int o = kControlPhoneRecordOffset + 36 * r;
        ASSERT_EQ(img.slice(o, 24), QByteArray(24, '\0'));
        ASSERT_EQ(img.slice(o + 24, 8), QByteArray(8, '\xFF'));
        ASSERT_EQ(img.byte(o + 32), 0x00);
        ASSERT_EQ(img.slice(o + 33, 3), QByteArray(3, '\0'));
    }
    EXPECT_EQ(img.byte(5302), gap0);
    EXPECT_EQ(img.byte(5303), gap1);
    // The fixed bytes of the block that belongs to no field.
    EXPECT_EQ(img.slice(3072, 15), QByteArray("\0\0\0\0\0\0\0\0\x10\x0E\x64\0\x3C\0\0", 15));
}

TEST(DefaultImage, PhoneRecordChecksum)
{
    DeviceImage img;
    BuildDefaultImage(img);
    const int o = kControlPhoneRecordOffset + 36 * 7;
    img.setByte(o, 0x31);
    for (std::uint8_t previous : {0x00, 0x55, 0xFF}) {
        img.setByte(o + 32, previous);
        UpdatePhoneRecordChecksum(img, 7);
        EXPECT_EQ(img.byte(o + 32), 0xCF);
    }
}

TEST(DefaultImage, ResetControlPhonesTouchesOnlyArea6)
{
    DeviceImage img = randomImage(5);
    const DeviceImage before = img;
    ResetControlPhones(img);
    EXPECT_EQ(img.slice(0, kControlPhonesOffset), before.slice(0, kControlPhonesOffset));
    DeviceImage factory;
    BuildDefaultImage(factory);
    EXPECT_EQ(img.area(6), factory.area(6));
}

TEST(DefaultImage, RestoreGprsTimingChangesOnlyItsFourBytes)
{
    DeviceImage img = randomImage(9);
    img.setSlice(kGprsTimingOffset, QByteArray(4, '\0'));
    const DeviceImage before = img;
    RestoreGprsTimingDefaults(img);
    EXPECT_EQ(img.slice(kGprsTimingOffset, 4), QByteArray("\xFF\x1B\x03\x03", 4));
    for (int i = 0; i < kImageSize; ++i)
        if (i < kGprsTimingOffset || i >= kGprsTimingOffset + 4) {
            ASSERT_EQ(img.byte(i), before.byte(i)) << i;
        }
}

TEST(DefaultImage, ValidityLooksAtTheHeaderOnly)
{
    struct Case {
        int offset;
        QByteArray bytes;
        bool valid;
    };
    const Case cases[] = {
        {100, QByteArray(4000, '\xAA'), true}, // anything after the header
        {0, QByteArray("\x02"), false},
        {7, QByteArray("3"), false},           // last digit of the version text
        {8, QByteArray("x"), false},           // no NUL within 8 bytes
        {9, QByteArray("zzz"), true},
    };
    for (const Case& c : cases) {
        DeviceImage img;
        BuildDefaultImage(img);
        img.setSlice(c.offset, c.bytes);
        EXPECT_EQ(IsConfigurationValid(img), c.valid) << c.offset;
    }
}

TEST(DefaultImage, ResetConfigurationAreaLeavesTheOtherAreas)
{
    DeviceImage img = randomImage(21);
    const DeviceImage before = img;
    ResetConfigurationArea(img);
    EXPECT_EQ(img.slice(0, kConfigurationSize),
              QByteArray(reinterpret_cast<const char*>(ConfigurationDefaults().data()), kConfigurationSize));
    EXPECT_EQ(img.slice(kConfigurationSize, kImageSize - kConfigurationSize),
              before.slice(kConfigurationSize, kImageSize - kConfigurationSize));
}
