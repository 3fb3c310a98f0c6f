// Pages 10 to 13: connection strategy and timing, addresses, the shared wait time
// and the server records.
#include "page_harness.h"

#include "image/configuration.h"
#include "ui/pages/connections/gprs_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace zel;
using namespace zel::test;

namespace {

class PageFixture : public ::testing::Test {
protected:
    explicit PageFixture(int pageIndex) : page(pageIndex) { BuildDefaultImage(image); }
    template <class T>
    T* control(const char* name)
    {
        T* w = page.panel->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* edit(const char* name) { return control<QLineEdit>(name); }
    QComboBox* list(const char* name) { return control<QComboBox>(name); }
    void choose(const char* name, int index)
    {
        list(name)->setCurrentIndex(index);
        emit list(name)->activated(index);
    }
    PageUnderTest page;
    DeviceImage image;
};

class GprsPage : public PageFixture {
protected:
    GprsPage() : PageFixture(10) {}
};

TEST_F(GprsPage, StrategyAndTimingPacking)
{
    struct Case {
        int strategy;
        const char* period;
        int duration;
        int ping;
        int tries;
        const char* block;
        int byte2934;
        int byte2935;
        int duration2937;
        int byte2936;
    } const cases[] = {
        // Always connected: 255 and a duration of 30, whatever the list showed.
        {0, "100", 5, 2, 2, "15", 255, (3 << 3) | 3, 30, 3},
        {2, "100", 5, 2, 2, "15", 0, (3 << 3) | 3, 5, 3},
        {1, "100", 7, 0, 0, "15", 20, (1 << 3) | 1, 7, 3},
        {1, "7", 0, 29, 6, "7", 1, 0xF7, 0, 1},
        {1, "0", 30, 29, 6, "0", 1, 0xF7, 30, 1},
        {1, "", 1, 0, 0, "", 1, 0x09, 1, 1},
        {1, "1300", 1, 0, 0, "1300", 252, 0x09, 1, 252},
        {1, "1264", 1, 0, 0, "1265", 252, 0x09, 1, 252},
        {1, "1260", 1, 0, 0, "9999", 252, 0x09, 1, 252},
        {1, "14", 1, 0, 0, "10", 2, 0x09, 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "strategy " << c.strategy << " period '" << c.period << "'");
        image.setByte(2937, 0xA0); // bits 5-7 belong to no field
        page.enter(image);
        choose("ComboBoxGPRSConnectionStrategy", c.strategy);
        edit("MaskEditConnectingPeriod_x5m")->setText(QString::fromLatin1(c.period));
        list("ComboBoxOnlineTime_min")->setCurrentIndex(c.duration);
        list("ComboBoxPingPeriod_min")->setCurrentIndex(c.ping);
        list("ComboBoxConnectingTryNum")->setCurrentIndex(c.tries);
        edit("MaskEditBlockTimeAtConnFault_min")->setText(QString::fromLatin1(c.block));
        page.leave(image);
        EXPECT_EQ(image.byte(2934), c.byte2934);
        EXPECT_EQ(image.byte(2935), c.byte2935);
        EXPECT_EQ(image.byte(2936), c.byte2936);
        EXPECT_EQ(image.byte(2937), 0xA0 | c.duration2937);
    }
}

TEST_F(GprsPage, PeriodShowsInStepsOfFiveMinutes)
{
    struct Case {
        const char* typed;
        const char* shownAfterReentry;
    } const cases[] = {
        {"7", "   5 Мин."}, {"0", "   5 Мин."}, {"1300", "1260 Мин."}, {"100", " 100 Мин."},
    };
    for (const Case& c : cases) {
        page.enter(image);
        choose("ComboBoxGPRSConnectionStrategy", 1);
        edit("MaskEditConnectingPeriod_x5m")->setText(QString::fromLatin1(c.typed));
        page.leave(image);
        page.enter(image);
        EXPECT_EQ(edit("MaskEditConnectingPeriod_x5m")->displayText(), QString::fromUtf8(c.shownAfterReentry))
            << c.typed;
        EXPECT_TRUE(edit("MaskEditConnectingPeriod_x5m")->isEnabled());
    }
}

TEST_F(GprsPage, MinuteEditsMoveToTheNearestBoundOnExit)
{
    struct Case {
        const char* typed;
        const char* shown;
    } const cases[] = {
        {"0", "   5 Мин."}, {"4", "   5 Мин."}, {"", "   5 Мин."},     {"7", "7    Мин."},
        {"1264", "1264 Мин."}, {"1265", "1260 Мин."}, {"9999", "1260 Мин."},
    };
    page.enter(image);
    for (const char* name : {"MaskEditConnectingPeriod_x5m", "MaskEditBlockTimeAtConnFault_min"})
        for (const Case& c : cases) {
            edit(name)->setText(QString::fromLatin1(c.typed));
            emit edit(name)->editingFinished();
            EXPECT_EQ(edit(name)->displayText(), QString::fromUtf8(c.shown)) << name << " '" << c.typed << "'";
        }
}

TEST_F(GprsPage, StrategyRuleEnablesPeriodAndDuration)
{
    struct Case {
        int strategy;
        bool period;
        bool duration;
        const char* periodShown;
    } const cases[] = {
        {0, false, false, "   5 Мин."},
        {2, false, true, "   5 Мин."},
        {1, true, true, "1260 Мин."},
    };
    for (const Case& c : cases) {
        page.enter(image);
        list("ComboBoxOnlineTime_min")->setCurrentIndex(12);
        edit("MaskEditConnectingPeriod_x5m")->setText(QStringLiteral("9999"));
        choose("ComboBoxGPRSConnectionStrategy", c.strategy);
        EXPECT_EQ(edit("MaskEditConnectingPeriod_x5m")->isEnabled(), c.period);
        EXPECT_EQ(control<QLabel>("Label147")->isEnabled(), c.period);
        EXPECT_EQ(list("ComboBoxOnlineTime_min")->isEnabled(), c.duration);
        EXPECT_EQ(control<QLabel>("Label146")->isEnabled(), c.duration);
        EXPECT_EQ(list("ComboBoxOnlineTime_min")->currentIndex(), c.duration ? 12 : 0);
        EXPECT_EQ(edit("MaskEditConnectingPeriod_x5m")->displayText(), QString::fromUtf8(c.periodShown));
    }
}

TEST_F(GprsPage, TimingUnpacksFromStoredBytes)
{
    struct Case {
        std::uint8_t b2934, b2935, b2936, b2937;
        int strategy, tries, ping, duration;
        const char* block;
    } const cases[] = {
        {0xFF, 0x1B, 0x03, 0x03, 0, 2, 2, 0, "  15 Мин."},
        {0x00, 0x00, 0x00, 0x1F, 2, 0, 0, -1, "   0 Мин."},
        {0x10, 0xF7, 0xFF, 0x1E, 1, 6, 29, 30, "1275 Мин."},
        {0x10, 0xFF, 0x01, 0x00, 1, 6, -1, 0, "   5 Мин."},
    };
    for (const Case& c : cases) {
        image.setByte(2934, c.b2934);
        image.setByte(2935, c.b2935);
        image.setByte(2936, c.b2936);
        image.setByte(2937, c.b2937);
        page.enter(image);
        EXPECT_EQ(list("ComboBoxGPRSConnectionStrategy")->currentIndex(), c.strategy);
        EXPECT_EQ(list("ComboBoxConnectingTryNum")->currentIndex(), c.tries);
        EXPECT_EQ(list("ComboBoxPingPeriod_min")->currentIndex(), c.ping);
        EXPECT_EQ(list("ComboBoxOnlineTime_min")->currentIndex(), c.duration);
        EXPECT_EQ(edit("MaskEditBlockTimeAtConnFault_min")->displayText(), QString::fromUtf8(c.block));
    }
    EXPECT_EQ(list("ComboBoxPingPeriod_min")->count(), 30);
    EXPECT_EQ(list("ComboBoxPingPeriod_min")->itemText(29), QStringLiteral("30 Мин."));
    EXPECT_EQ(list("ComboBoxOnlineTime_min")->count(), 31);
    EXPECT_EQ(list("ComboBoxOnlineTime_min")->itemText(0), QStringLiteral("0 Мин."));
}

TEST_F(GprsPage, WaitTimeIsStoredWithEveryServer)
{
    image.setBit(2984 + 40, 0, true); // server 2 enabled
    image.setBits(2984 + 40, 1, 3, 5);
    image.setBits(3028 + 40, 4, 4, 12);
    page.enter(image);
    EXPECT_EQ(list("ComboBoxGPRSTranspWaitTime")->currentIndex(), 9);
    EXPECT_EQ(list("ComboBoxGPRSTranspWaitTime")->currentText(), QStringLiteral("10 Мин."));
    list("ComboBoxGPRSTranspWaitTime")->setCurrentIndex(2);
    page.leave(image);
    EXPECT_EQ(image.byte(2940 + 40), 0x20);
    EXPECT_EQ(image.byte(2984 + 40), 0x20 | (5 << 1) | 1);
    EXPECT_EQ(image.byte(3028 + 40), 0x20);
}

TEST_F(GprsPage, DnsGroupsAreReadAtTheirPositions)
{
    struct Case {
        const char* typed;
        QByteArray stored; // bytes 2920-2923
    } const cases[] = {
        {"192.168.  1.  2", QByteArray::fromHex("0201a8c0")},
        {"300.  1.  2.  3", QByteArray::fromHex("030201ff")},
        {"1  .2  .3  .999", QByteArray::fromHex("ff030201")},
        {"", QByteArray::fromHex("00000000")},
    };
    for (const Case& c : cases) {
        page.enter(image);
        edit("MaskEditDNS1")->setText(QString::fromLatin1(c.typed));
        page.leave(image);
        EXPECT_EQ(image.slice(2920, 4), c.stored) << c.typed;
    }
    image.setSlice(2924, QByteArray::fromHex("0201a8c0"));
    page.enter(image);
    EXPECT_EQ(edit("MaskEditDNS2")->displayText(), QStringLiteral("192.168.  1.  2"));
}

TEST_F(GprsPage, DefaultsButtonRestoresTheTiming)
{
    auto* panel = static_cast<GprsSharedPanel*>(page.panel.get());
    panel->attachImage(&image);
    image.setByte(2937, 0xE0 | 7);
    page.enter(image);
    choose("ComboBoxGPRSConnectionStrategy", 2);
    edit("MaskEditConnectingPeriod_x5m")->setText(QStringLiteral("100"));
    list("ComboBoxConnectingTryNum")->setCurrentIndex(6);
    list("ComboBoxPingPeriod_min")->setCurrentIndex(20);
    edit("MaskEditBlockTimeAtConnFault_min")->setText(QStringLiteral("500"));
    edit("EditAPN")->setText(QStringLiteral("apn.example")); // packed on the way
    control<QPushButton>("Button41")->click();
    EXPECT_EQ(list("ComboBoxGPRSConnectionStrategy")->currentIndex(), 0);
    EXPECT_EQ(list("ComboBoxConnectingTryNum")->currentText(), QStringLiteral("3"));
    EXPECT_EQ(list("ComboBoxPingPeriod_min")->currentText(), QStringLiteral("3 Мин."));
    EXPECT_EQ(edit("MaskEditBlockTimeAtConnFault_min")->displayText(), QStringLiteral("  15 Мин."));
    EXPECT_EQ(image.slice(2934, 4), QByteArray::fromHex("ff1b0303"));
    EXPECT_EQ(image.text(2852, 33), QStringLiteral("apn.example"));
}

class ServerPage : public PageFixture {
protected:
    ServerPage() : PageFixture(12) {} // server 2
    static constexpr int kBase = 2984;
};

TEST_F(ServerPage, DomainToAddressKeepsTheNameTail)
{
    image.setText(kBase, 34, QStringLiteral("telemetry.server.example.org"));
    image.setBit(kBase + 38, 0, true);
    image.setByte(kBase + 38, image.byte(kBase + 38) | 0xF0);
    const QByteArray tail = image.slice(kBase + 4, 30);
    page.enter(image);
    EXPECT_EQ(control<QLabel>("Label140")->text(), QStringLiteral("Сервер 2"));
    EXPECT_EQ(edit("MaskEditServerIPAddr")->text(), QStringLiteral("telemetry.server.example.org"));
    choose("ComboBoxDestType", 0);
    EXPECT_EQ(edit("MaskEditServerIPAddr")->displayText(), QStringLiteral("000.000.000.000"));
    edit("MaskEditServerIPAddr")->setText(QStringLiteral("10.  0.300.  1"));
    page.leave(image);
    EXPECT_EQ(image.slice(kBase, 4), QByteArray::fromHex("01ff000a"));
    EXPECT_EQ(image.slice(kBase + 4, 30), tail);
    EXPECT_EQ(image.byte(kBase + 38), 0xF0);
}

TEST_F(ServerPage, AddressToDomainStoresTheName)
{
    image.setSlice(kBase, QByteArray(34, 'x'));
    page.enter(image);
    EXPECT_EQ(edit("MaskEditServerIPAddr")->displayText(), QStringLiteral("120.120.120.120"));
    choose("ComboBoxDestType", 1);
    EXPECT_TRUE(edit("MaskEditServerIPAddr")->text().isEmpty());
    edit("MaskEditServerIPAddr")->setText(QStringLiteral("a.very.long.domain.name.example.com.ru"));
    page.leave(image);
    // The edit holds what the record holds: 33 characters and the NUL.
    EXPECT_EQ(image.slice(kBase, 34), QByteArray("a.very.long.domain.name.example.c") + QByteArray(1, '\0'));
    EXPECT_EQ(edit("MaskEditServerIPAddr")->text(), QStringLiteral("a.very.long.domain.name.example.c"));
    EXPECT_TRUE(image.bit(kBase + 38, 0));
}

TEST_F(ServerPage, PortAndEnableBit)
{
    struct Case {
        const char* typed;
        unsigned stored;
    } const cases[] = {{"65535", 65535}, {"99999", 65535}, {"80", 80}, {"", 0}};
    image.setByte(kBase + 40, 0x9E);
    for (const Case& c : cases) {
        page.enter(image);
        control<QCheckBox>("CheckBoxServerEn")->setChecked(true);
        edit("MaskEditServerPort")->setText(QString::fromLatin1(c.typed));
        page.leave(image);
        EXPECT_EQ(image.u16(kBase + 36), c.stored) << c.typed;
        // The shared wait time and the spare bits are not this page's to change.
        EXPECT_EQ(image.byte(kBase + 40), 0x9F);
    }
}

} // namespace
