// The simulated controller's protocol engine, driven through the link operations over
// an in-process port (nothing waits) and, where the bytes matter, frame by frame.
#include "image/configuration.h"
#include "link/frame.h"
#include "link/identity.h"
#include "link/link_operation.h"
#include "sim/sim_engine.h"
#include "sim/sim_port.h"

#include <QTemporaryDir>
#include "qt_print.h"

#include <gtest/gtest.h>

namespace zel::sim {
namespace {

QByteArray frame(std::uint8_t code, const QByteArray& payload = {})
{
    return BuildRequest(code, reinterpret_cast<const std::uint8_t*>(payload.constData()), int(payload.size()));
}

struct Harness {
    qint64 now = 1000;
    SimEngine engine;
    SimEnginePort port{engine};
    QStringList reports;
    QList<ReportColour> colours;

    explicit Harness(SimOptions o = {}) : engine(std::move(o))
    {
        engine.setClock([this] { return now; });
    }

    int run(LinkOperation op, std::uint8_t* buf, int size, int area = 0)
    {
        LinkCallbacks cb;
        cb.report = [this](const QString& t, ReportColour c) {
            reports << t;
            colours << c;
        };
        return RunLinkOperation(port, LinkRequest{int(op), area, buf, size, 0}, cb);
    }
    int password(const QByteArray& pw)
    {
        auto p = PasswordPayload(pw);
        return run(LinkOperation::SendPassword, p.data(), int(p.size()));
    }
    QString last() const { return reports.isEmpty() ? QString() : reports.back(); }
};

TEST(SimEngine, AnswersFramesOnlyAfterPreambleAndSkipsNoise)
{
    SimEngine e;
    EXPECT_TRUE(e.receive(frame(Cmd::Identify)).isEmpty());
    QByteArray out = e.receive(QByteArray("\xff\x00zzBINA", 8));
    EXPECT_TRUE(out.isEmpty());
    out = e.receive(QByteArray("RY\r") + frame(Cmd::Identify).left(3));
    EXPECT_TRUE(out.isEmpty());
    out = e.receive(frame(Cmd::Identify).mid(3));
    ASSERT_EQ(out.size(), kIdentitySize + 5);
    const auto* p = reinterpret_cast<const std::uint8_t*>(out.constData());
    EXPECT_TRUE(FrameChecksumValid(p, int(out.size())));
    const IdentityTexts t = IdentityLabelTexts(p + 4);
    EXPECT_EQ(t.deviceName, "ZEL470");
    EXPECT_EQ(t.version, "KV-20M.01.04");
    // A damaged request is not answered.
    QByteArray bad = frame(Cmd::Status);
    bad[4] = char(bad[4] ^ 1);
    EXPECT_TRUE(e.receive(bad).isEmpty());
    // A stray start byte with a plausible length swallows the next request only until
    // its checksum fails; the request inside it is still found.
    out = e.receive(QByteArray::fromHex("050c0500") + frame(Cmd::Identify));
    EXPECT_TRUE(out.isEmpty());
    out = e.receive(QByteArray(5, '\0'));
    EXPECT_EQ(out.size(), kIdentitySize + 5);
}

TEST(SimEngine, AbandonsAStalePartialFrame)
{
    qint64 now = 0;
    SimEngine e;
    e.setClock([&] { return now; });
    e.receive("BINARY\r");
    e.receive(frame(Cmd::Status).left(2));
    now += 1000;
    EXPECT_EQ(e.receive(frame(Cmd::Identify)).size(), kIdentitySize + 5);
}

struct PasswordCase {
    const char* stored;
    const char* given;
    bool accepted;
};

class SimPassword : public ::testing::TestWithParam<PasswordCase> {};

TEST_P(SimPassword, GatesAreasAndControl)
{
    const auto& k = GetParam();
    Harness h;
    DeviceImage image;
    BuildDefaultImage(image);
    image.setText(20, 9, QString::fromLatin1(k.stored));
    ASSERT_TRUE(h.engine.setArea(1, image.area(1)));

    std::uint8_t control[3] = {2, 0, 1};
    EXPECT_EQ(h.run(LinkOperation::DeviceControl, control, 3), 1);
    EXPECT_EQ(h.last(), BuiltInLinkStatusTexts()[TextPasswordRequired]);
    QByteArray before(24, '\x77');
    EXPECT_EQ(h.run(LinkOperation::ReadArea, reinterpret_cast<std::uint8_t*>(before.data()), 24, 5), 1);
    EXPECT_EQ(before, QByteArray(24, '\x77'));

    EXPECT_EQ(h.password(k.given), k.accepted ? 0 : 1);
    EXPECT_EQ(h.last(), BuiltInLinkStatusTexts()[k.accepted ? TextDataSent : TextPasswordRequired]);
    EXPECT_EQ(h.run(LinkOperation::DeviceControl, control, 3), k.accepted ? 0 : 1);
    EXPECT_EQ(h.engine.live().outputs, k.accepted ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Table, SimPassword,
                         ::testing::Values(PasswordCase{"", "", true}, PasswordCase{"", "x", false},
                                           PasswordCase{"secret", "secret", true}, PasswordCase{"secret", "", false},
                                           PasswordCase{"secret", "secreT", false},
                                           PasswordCase{"12345678", "12345678", true}));

TEST(SimEngine, AreasRoundTripAndRangeIsChecked)
{
    Harness h;
    ASSERT_EQ(h.password(""), 0);
    for (int area = 1; area <= 7; ++area) {
        QByteArray data(SimEngine::areaSize(area), '\0');
        for (int i = 0; i < data.size(); ++i)
            data[i] = char(i * 13 + area);
        auto* p = reinterpret_cast<std::uint8_t*>(data.data());
        ASSERT_EQ(h.run(LinkOperation::ProgramArea, p, int(data.size()), area), 0) << area << h.last().toStdString();
        EXPECT_EQ(h.engine.area(area), data) << area;
        QByteArray back(data.size(), '\0');
        ASSERT_EQ(h.run(LinkOperation::ReadArea, reinterpret_cast<std::uint8_t*>(back.data()), int(back.size()), area), 0);
        EXPECT_EQ(back, data);
    }
    // Past the end of an area: FLASH failure on write, no data on read.
    QByteArray big(30, '\0');
    EXPECT_EQ(h.run(LinkOperation::ProgramArea, reinterpret_cast<std::uint8_t*>(big.data()), 30, 5), 1);
    EXPECT_EQ(h.last(), BuiltInLinkStatusTexts()[TextFlashError]);
    EXPECT_EQ(h.run(LinkOperation::ReadArea, reinterpret_cast<std::uint8_t*>(big.data()), 30, 5), 1);
    EXPECT_EQ(h.last(), BuiltInLinkStatusTexts()[TextTransferError1]);
}

TEST(SimEngine, FactoryMemoryIsTheDefaultImage)
{
    SimEngine e;
    DeviceImage image;
    BuildDefaultImage(image);
    for (int area : {1, 4, 5, 6})
        EXPECT_EQ(e.area(area), image.area(area)) << area;
    EXPECT_EQ(e.area(2).size(), SimEngine::areaSize(2));
    EXPECT_TRUE(e.area(8).isEmpty());
}

TEST(SimEngine, StatusBlockFollowsControlAndClock)
{
    Harness h;
    ASSERT_EQ(h.password(""), 0);
    struct Step {
        std::uint8_t payload[3];
    };
    for (const Step& s : {Step{{2, 1, 1}}, Step{{2, 6, 16}}, Step{{2, 1, 2}}, Step{{4, 8, 0}}, Step{{0, 0, 0}}}) {
        std::uint8_t p[3] = {s.payload[0], s.payload[1], s.payload[2]};
        ASSERT_EQ(h.run(LinkOperation::DeviceControl, p, 3), 0);
    }
    std::uint8_t block[kStatusBlockSize] = {};
    ASSERT_EQ(h.run(LinkOperation::ReadStatus, block, kStatusBlockSize), 0);
    EXPECT_EQ(block[46], 0x40);          // output 5 running a scenario, relay 2 off again
    EXPECT_EQ(getU16(block + 44), 1u << 8); // input 9 simulated
    EXPECT_EQ(block[42], 1);             // guard mode change in progress
    EXPECT_EQ(block[47], 8);
    EXPECT_EQ(block[43], 3);
    h.now += 5000;
    ASSERT_EQ(h.run(LinkOperation::ReadStatus, block, kStatusBlockSize), 0);
    EXPECT_EQ(block[42], 2);             // ОХРАНА settled
    EXPECT_EQ(getU16(block + 44), 0u);   // the simulated input went back

    std::uint8_t clock[6] = {10, 1, 5, 9, 3, 7};
    ASSERT_EQ(h.run(LinkOperation::SetClock, clock, 6), 0);
    ASSERT_EQ(h.run(LinkOperation::ReadStatus, block, kStatusBlockSize), 0);
    EXPECT_EQ(block[0], 10);
    EXPECT_EQ(block[1], 1);
    EXPECT_EQ(block[2], 5);
    EXPECT_EQ(block[3], 9);
    EXPECT_EQ(block[4], 3);
    EXPECT_LE(block[5], 9);

    std::uint8_t badClock[6] = {10, 13, 5, 9, 3, 7};
    EXPECT_EQ(h.run(LinkOperation::SetClock, badClock, 6), 1);
    std::uint8_t badControl[3] = {2, 7, 1};
    EXPECT_EQ(h.run(LinkOperation::DeviceControl, badControl, 3), 1);
    EXPECT_EQ(h.last(), BuiltInLinkStatusTexts()[TextTransferError3]);
}

TEST(SimEngine, KeyCodePresentedOnce)
{
    Harness h;
    ASSERT_EQ(h.password(""), 0);
    h.engine.presentKey(QByteArray::fromHex("01A2B3C4D5E6F708"));
    std::uint8_t key[kKeyCodeSize] = {};
    ASSERT_EQ(h.run(LinkOperation::ReadKeyCode, key, kKeyCodeSize), 0);
    EXPECT_EQ(QByteArray(reinterpret_cast<char*>(key), 8), QByteArray::fromHex("01A2B3C4D5E6F708"));
    EXPECT_EQ(key[8] & 3, 3);
    ASSERT_EQ(h.run(LinkOperation::ReadKeyCode, key, kKeyCodeSize), 0);
    EXPECT_EQ(key[8] & 3, 0);
}

TEST(SimEngine, RestartDropsPasswordAndBinaryMode)
{
    Harness h;
    ASSERT_EQ(h.password(""), 0);
    std::uint8_t zero = 0;
    ASSERT_EQ(h.run(LinkOperation::Restart, &zero, 1), 0);
    EXPECT_EQ(h.last(), QStringLiteral("Перезагрузка устройства инициированна"));
    EXPECT_FALSE(h.engine.authorized());
    EXPECT_FALSE(h.engine.binaryMode());
    EXPECT_EQ(h.run(LinkOperation::ApplyConfiguration, &zero, 1), 1);
}

class FactoryReset : public ::testing::Test {
protected:
    Harness h{[] {
        SimOptions o;
        o.factoryResetMs = 60000;
        o.pollGapMs = 2000;
        return o;
    }()};
    void SetUp() override
    {
        DeviceImage image;
        BuildDefaultImage(image);
        image.setText(20, 9, QStringLiteral("secret"));
        h.engine.setArea(1, image.area(1));
    }
    void poll(qint64 forMs, qint64 stepMs)
    {
        std::uint8_t id[kIdentitySize];
        for (qint64 t = 0; t < forMs; t += stepMs) {
            h.now += stepMs;
            ASSERT_EQ(h.run(LinkOperation::Identify, id, kIdentitySize), 0);
        }
    }
    int writeModes()
    {
        QByteArray modes(10, '\0');
        return h.run(LinkOperation::ProgramArea, reinterpret_cast<std::uint8_t*>(modes.data()), 10, 4);
    }
};

TEST_F(FactoryReset, UnlocksAfterUninterruptedPolling)
{
    ASSERT_EQ(h.password(""), 1);
    poll(59000, 500);
    EXPECT_EQ(writeModes(), 1);
    poll(2000, 500);
    EXPECT_TRUE(h.engine.factoryUnlocked());
    EXPECT_EQ(writeModes(), 0);
    std::uint8_t zero = 0;
    EXPECT_EQ(h.run(LinkOperation::ApplyConfiguration, &zero, 1), 0);
    // Still no way into other areas or the control commands.
    QByteArray sys(24, '\0');
    EXPECT_EQ(h.run(LinkOperation::ProgramArea, reinterpret_cast<std::uint8_t*>(sys.data()), 24, 5), 1);
    std::uint8_t control[3] = {0, 0, 0};
    EXPECT_EQ(h.run(LinkOperation::DeviceControl, control, 3), 1);
}

TEST_F(FactoryReset, PauseBreaksTheCountdown)
{
    ASSERT_EQ(h.password(""), 1);
    poll(30000, 500);
    h.now += 5000; // the cable was pulled for a moment
    poll(40000, 500);
    EXPECT_FALSE(h.engine.factoryUnlocked());
    EXPECT_EQ(writeModes(), 1);
}

TEST_F(FactoryReset, WrongPasswordDoesNotStartIt)
{
    ASSERT_EQ(h.password("guess"), 1);
    poll(70000, 1000);
    EXPECT_FALSE(h.engine.factoryUnlocked());
}

struct FaultCase {
    const char* spec;
    LinkOperation op;
    int area;
    int text;
};

class SimFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(SimFault, SurfacesAsItsLinkText)
{
    const auto& k = GetParam();
    Harness h;
    ASSERT_EQ(h.password(""), 0);
    QString error;
    ASSERT_TRUE(h.engine.setFaults(QString::fromLatin1(k.spec), &error)) << error.toStdString();
    const int size = k.op == LinkOperation::Identify ? kIdentitySize : k.area ? SimEngine::areaSize(k.area) : 1;
    QByteArray buf(size, '\x5A');
    const QByteArray before = buf;
    EXPECT_EQ(h.run(k.op, reinterpret_cast<std::uint8_t*>(buf.data()), size, k.area), 1);
    EXPECT_TRUE(h.last().startsWith(BuiltInLinkStatusTexts()[k.text])) << h.last().toStdString();
    EXPECT_EQ(h.colours.back(), ReportColour::Red);
    if (k.op != LinkOperation::ProgramArea) {
        EXPECT_EQ(buf, before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SimFault,
    ::testing::Values(FaultCase{"silence", LinkOperation::Identify, 0, TextNoReply},
                      FaultCase{"drop-byte@5", LinkOperation::Identify, 0, TextBadReply},
                      FaultCase{"bad-checksum", LinkOperation::Identify, 0, TextTransferError2},
                      FaultCase{"wrong-echo", LinkOperation::Identify, 0, TextTransferError3},
                      FaultCase{"status1", LinkOperation::ApplyConfiguration, 0, TextFlashError},
                      FaultCase{"status2", LinkOperation::ApplyConfiguration, 0, TextPasswordRequired},
                      FaultCase{"status2@6", LinkOperation::ProgramArea, 1, TextTransferError3},
                      FaultCase{"status1@6:3", LinkOperation::ProgramArea, 1, TextFlashError},
                      FaultCase{"stall:5", LinkOperation::ReadArea, 1, TextTransferError1},
                      FaultCase{"stall:3", LinkOperation::ProgramArea, 1, TextNoReply},
                      FaultCase{"flip-stored", LinkOperation::ProgramArea, 1, TextMismatch},
                      FaultCase{"bad-checksum@7", LinkOperation::CompareArea, 1, TextTransferError2},
                      FaultCase{"hangup:2", LinkOperation::ReadArea, 1, TextPortError}));

TEST(SimFaultSpec, OneShotFaultIsRetriedAway)
{
    Harness h;
    ASSERT_TRUE(h.engine.setFaults("drop-byte@5#1,silence@5:1#1"));
    std::uint8_t id[kIdentitySize];
    EXPECT_EQ(h.run(LinkOperation::Identify, id, kIdentitySize), 0); // third attempt answers in full
    QList<Fault> faults;
    QString error;
    EXPECT_FALSE(ParseFaults("melt", &faults, &error));
    EXPECT_FALSE(ParseFaults("silence@x", &faults, &error));
    ASSERT_TRUE(ParseFaults("stall@7:4#2", &faults, &error));
    EXPECT_EQ(faults[0].kind, FaultKind::StallAfter);
    EXPECT_EQ(faults[0].code, 7);
    EXPECT_EQ(faults[0].count, 4);
    EXPECT_EQ(faults[0].times, 2);
}

TEST(SimState, PersistsWrittenMemory)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("sim.state");
    SimOptions o;
    o.stateFile = path;
    QByteArray sys(24, '\0');
    sys[3] = 0x44;
    {
        Harness h(o);
        ASSERT_EQ(h.password(""), 0);
        ASSERT_EQ(h.run(LinkOperation::ProgramArea, reinterpret_cast<std::uint8_t*>(sys.data()), 24, 5), 0);
    }
    SimEngine again(o);
    EXPECT_EQ(again.area(5), sys);
    // A damaged state file leaves the factory memory.
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("junk");
    f.close();
    SimEngine fresh(o);
    EXPECT_EQ(fresh.area(5), QByteArray(24, '\0'));
}

} // namespace
} // namespace zel::sim
