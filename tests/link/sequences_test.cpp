// The device workflows against the in-process simulated controller.
#include "image/configuration.h"
#include "link/sequences.h"
#include "sim/sim_engine.h"
#include "sim/sim_port.h"

#include "qt_print.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

class Sequences : public ::testing::Test {
protected:
    sim::SimEngine engine;
    sim::SimEnginePort port{engine};
    SequenceHooks hooks;
    QStringList shown;   // action label texts
    QStringList hidden;
    QList<IdentityTexts> identities;
    DeviceImage image;

    void SetUp() override
    {
        BuildDefaultImage(image);
        hooks.port = &port;
        hooks.report = [this](const QString& t, ReportColour) { shown << t; };
        hooks.hiddenReport = [this](const QString& t, ReportColour) { hidden << t; };
        hooks.showIdentity = [this](const IdentityTexts& t) { identities << t; };
    }
    void setControllerPassword(const QString& pw)
    {
        DeviceImage d;
        BuildDefaultImage(d);
        d.setText(20, 9, pw);
        engine.setArea(1, d.area(1));
    }
    void setFirmware(std::uint16_t fw, std::uint16_t hw = 0x1403)
    {
        auto id = engine.identity();
        id.firmware = fw;
        id.hardware = hw;
        engine.setIdentity(id);
    }
};

TEST_F(Sequences, ReadTakesAValidConfiguration)
{
    QByteArray controller = engine.area(1);
    controller[12] = 0x27;
    engine.setArea(1, controller);
    const SequenceResult r = ReadSequence(hooks, image);
    EXPECT_EQ(r.outcome, SequenceOutcome::Completed);
    EXPECT_EQ(image.area(1), controller);
    EXPECT_EQ(r.identity.version, "KV-20M.01.04");
    EXPECT_EQ(shown.back(), BuiltInLinkStatusTexts()[TextDataRead]);
}

TEST_F(Sequences, ReadOfInvalidConfigurationResetsToFactory)
{
    QByteArray controller = engine.area(1);
    controller[0] = 0x02;
    controller[500] = 0x55;
    engine.setArea(1, controller);
    image.setByte(500, 0x66);
    EXPECT_EQ(ReadSequence(hooks, image).outcome, SequenceOutcome::InvalidConfiguration);
    DeviceImage factory;
    BuildDefaultImage(factory);
    EXPECT_EQ(image.area(1), factory.area(1));
    EXPECT_EQ(shown.back(), QString::fromUtf8(kInvalidConfigurationText));
}

TEST_F(Sequences, RefusalsLeaveImageAndControllerAlone)
{
    setControllerPassword("secret");
    const DeviceImage before = image;
    EXPECT_EQ(ReadSequence(hooks, image).outcome, SequenceOutcome::PasswordRefused);
    EXPECT_EQ(image, before);
    EXPECT_EQ(shown.back(), BuiltInLinkStatusTexts()[TextPasswordRequired]);

    SequenceOptions withPassword;
    withPassword.password = QByteArray("secret");
    EXPECT_EQ(ReadSequence(hooks, image, withPassword).outcome, SequenceOutcome::Completed);

    setFirmware(0x0105);
    engine.setFaults(QList<sim::Fault>{}); // fresh counters; also checks that nothing is sent
    const QByteArray controller = engine.area(1);
    image.setByte(12, 0x01);
    EXPECT_EQ(ProgramSequence(hooks, image, withPassword).outcome, SequenceOutcome::UnsupportedVersion);
    EXPECT_EQ(shown.back(), QStringLiteral("Версия KV-20M.01.05 не поддерживается"));
    EXPECT_EQ(engine.area(1), controller);

    auto id = engine.identity();
    id.name = "ZEL471";
    engine.setIdentity(id);
    EXPECT_EQ(CompareSequence(hooks, image).outcome, SequenceOutcome::UnsupportedModel);
    EXPECT_EQ(shown.back(), QStringLiteral("Устройство ZEL471 не поддерживается"));
}

TEST_F(Sequences, SilentControllerShowsEmptyIdentity)
{
    engine.setFaults("silence");
    EXPECT_EQ(CompareSequence(hooks, image).outcome, SequenceOutcome::NotIdentified);
    ASSERT_FALSE(identities.isEmpty());
    EXPECT_EQ(identities.back().version, "--------.--.--");
    EXPECT_EQ(shown.back(), BuiltInLinkStatusTexts()[TextNoReply]);
}

TEST_F(Sequences, ProgramRefusedByHardwareCheck)
{
    setFirmware(0x0104, 0x1202);
    image.setBits(88 + 36 * 5, 0, 2, 1);
    const QByteArray controller = engine.area(1);
    const SequenceResult r = ProgramSequence(hooks, image);
    EXPECT_EQ(r.outcome, SequenceOutcome::HardwareRefused);
    EXPECT_EQ(r.hardware.page, 7);
    EXPECT_EQ(engine.area(1), controller);
    EXPECT_FALSE(engine.authorized());
}

TEST_F(Sequences, ProgramWritesRestartsAndClearsModes)
{
    image.setByte(12, 0x03);
    image.setByte(kModeMemoryOffset + 1, 0x99);
    SequenceOptions o;
    o.clearModeMemory = true;
    const SequenceResult r = ProgramSequence(hooks, image, o);
    EXPECT_EQ(r.outcome, SequenceOutcome::Completed);
    EXPECT_TRUE(r.restartSent);
    EXPECT_EQ(engine.area(1), image.area(1));
    EXPECT_EQ(engine.area(4), QByteArray::fromHex("00004040404040404000"));
    EXPECT_EQ(image.area(4), engine.area(4));
    EXPECT_EQ(engine.restartCount(), 1);
    EXPECT_EQ(identities.back().deviceName, "--------");
    EXPECT_EQ(shown.back(), QStringLiteral("Перезагрузка устройства инициированна"));
}

TEST_F(Sequences, ReconfigureAppliesWithoutRestart)
{
    setControllerPassword("newpw");
    image.setByte(13, 0x04);
    SequenceOptions o;
    o.password = QByteArray("newpw");
    const SequenceResult r = ReconfigureSequence(hooks, image, o);
    EXPECT_EQ(r.outcome, SequenceOutcome::Completed);
    EXPECT_EQ(engine.appliedCount(), 1);
    EXPECT_EQ(engine.restartCount(), 0);
    EXPECT_EQ(hidden, QStringList({BuiltInLinkStatusTexts()[TextIdentifying], BuiltInLinkStatusTexts()[TextDataSent]}));
    EXPECT_EQ(shown.back(), BuiltInLinkStatusTexts()[TextProgrammed]);
    EXPECT_EQ(engine.area(1).mid(20, 6), QByteArray("newpw\0", 6)); // the controller keeps the given password
}

TEST_F(Sequences, CompareEqualAndDifferent)
{
    EXPECT_EQ(CompareSequence(hooks, image).outcome, SequenceOutcome::Completed);
    EXPECT_EQ(shown.back(), BuiltInLinkStatusTexts()[TextEqual]);
    image.setByte(4000, 0x42);
    const DeviceImage before = image;
    EXPECT_EQ(CompareSequence(hooks, image).outcome, SequenceOutcome::Different);
    EXPECT_EQ(shown.back(), BuiltInLinkStatusTexts()[TextDifferent]);
    EXPECT_EQ(image, before);
    engine.setFaults("stall:2");
    EXPECT_EQ(CompareSequence(hooks, image).outcome, SequenceOutcome::LinkFailed);
}

} // namespace
} // namespace zel
