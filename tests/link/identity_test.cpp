// Identity block decoding, its label texts and the support checks.
#include "image/configuration.h"
#include "link/identity.h"

#include "qt_print.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

IdentityBlock sample()
{
    DeviceIdentity id;
    id.name = "ZEL470";
    id.modification = "KV-20M";
    id.hardwareVersion = 0x1302;
    id.firmwareVersion = 0x0104;
    id.bootLoaderVersion = 0x0A0B;
    id.date = "Mar 12 2012";
    id.country = "250";
    id.imei = "356938035643809";
    id.uniqueId = {1, 0, 0, 0};
    return EncodeIdentity(id);
}

TEST(Identity, LabelsOfAReceivedBlock)
{
    const IdentityTexts t = IdentityLabelTexts(sample().data());
    EXPECT_EQ(t.deviceName, "ZEL470");
    EXPECT_EQ(t.modification, "KV-20M");
    EXPECT_EQ(t.hardware, "13.02");
    EXPECT_EQ(t.firmware, "01.04");
    EXPECT_EQ(t.bootLoader, "0A.0B");
    EXPECT_EQ(t.date, "Mar 12 2012");
    EXPECT_EQ(t.country, "250");
    EXPECT_EQ(t.imei, "356938035643809");
    EXPECT_EQ(t.uniqueId, "0000000001 0000000000\r\n 0000000000 0000000000");
    EXPECT_EQ(t.bindingId, QString(48, ' ') + "-");
    EXPECT_EQ(t.version, "KV-20M.01.04");
}

TEST(Identity, FullWidthFieldsAreCutAndWindows1251Decoded)
{
    IdentityBlock b{};
    std::memcpy(b.data(), "ABCDEFGHI", 9);        // nine bytes, no NUL
    std::memcpy(b.data() + 9, "\xCA\xC2-10", 5);    // "КВ-10" in Windows-1251
    std::memcpy(b.data() + 24, "123456789012", 12);
    std::memcpy(b.data() + 36, "ABCD", 4);
    std::memcpy(b.data() + 56, "1234567890123456", 16);
    const IdentityTexts t = IdentityLabelTexts(b.data());
    EXPECT_EQ(t.deviceName, "ABCDEFGH");
    EXPECT_EQ(t.modification, QStringLiteral("КВ-10"));
    EXPECT_EQ(t.date, "12345678901");
    EXPECT_EQ(t.country, "ABC");
    EXPECT_EQ(t.imei, "123456789012345");
    EXPECT_EQ(t.hardware, "--.--");
    EXPECT_EQ(t.uniqueId, "- - - - - - - -  - - - - - - - -\r\n  - - - - - - - -  - - - - - - - -");
}

TEST(Identity, EmptyIdentity)
{
    const IdentityTexts t = EmptyIdentityTexts();
    EXPECT_EQ(t.deviceName, "--------");
    EXPECT_EQ(t.modification, "--------");
    EXPECT_EQ(t.hardware, "--.--");
    EXPECT_EQ(t.firmware, "--.--");
    EXPECT_EQ(t.bootLoader, "--.--");
    EXPECT_EQ(t.date, "-----------");
    EXPECT_EQ(t.country, "---");
    EXPECT_EQ(t.imei, "---------------");
    EXPECT_EQ(t.version, "--------.--.--");
    EXPECT_FALSE(IsSupportedModel(t.deviceName));
    EXPECT_FALSE(IsSupportedVersion(t.version));
}

TEST(Identity, SupportChecks)
{
    EXPECT_TRUE(IsSupportedModel("ZEL470"));
    EXPECT_FALSE(IsSupportedModel("zel470"));
    EXPECT_FALSE(IsSupportedModel("ZEL470 "));
    for (const QString& v : SupportedVersions())
        EXPECT_TRUE(IsSupportedVersion(v));
    EXPECT_EQ(SupportedVersions().size(), 10);
    EXPECT_FALSE(IsSupportedVersion("KV-20M.01.05"));
    EXPECT_EQ(UnsupportedVersionMessage("KV-20M.01.05"), QStringLiteral("Версия KV-20M.01.05 не поддерживается"));
    EXPECT_EQ(UnsupportedModelMessage("X"), QStringLiteral("Устройство X не поддерживается"));
}

TEST(Identity, HardwareCapabilities)
{
    DeviceImage image;
    BuildDefaultImage(image);
    image.setBits(88 + 36 * 2, 0, 2, 1); // connection 3
    image.setBits(88 + 36 * 4, 0, 2, 1); // connection 5
    for (const char* hw : {"12.02", "13.02"}) {
        const HardwareCheck c = CheckHardwareCapabilities(hw, image);
        EXPECT_FALSE(c.ok);
        EXPECT_EQ(c.connection, 3);
        EXPECT_EQ(c.page, 4);
        EXPECT_EQ(c.message, QStringLiteral("Контроллер аппаратной версии ") + hw
                                 + QStringLiteral(" не поддерживает функцию передачи данных CSD.\nНа вкладке \"Соединение 3\", "
                                                  "установите параметр \"Тип соединения\" в состояние отличное от \"PatrolBeacon\"."));
    }
    EXPECT_TRUE(CheckHardwareCapabilities("12.03", image).ok);
    image.setBits(88 + 36 * 2, 0, 2, 2);
    image.setBits(88 + 36 * 4, 0, 2, 3);
    EXPECT_TRUE(CheckHardwareCapabilities("12.02", image).ok);
}

TEST(Identity, PasswordPayload)
{
    DeviceImage image;
    image.setSlice(20, QByteArray("abcdefghij", 10));
    const auto p = PasswordPayload(image);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(p.data()), 9), QByteArray("abcdefgh\0", 9));
    const auto q = PasswordPayload(QByteArray("ab\0cd", 5));
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(q.data()), 9), QByteArray(9, '\0').replace(0, 2, "ab"));
}

} // namespace
} // namespace zel
