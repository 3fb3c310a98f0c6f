// Frames, checksum and the four exchange primitives against a scripted port.
#include "link/exchange.h"
#include "link/frame.h"
#include "scripted_port.h"

#include "qt_print.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using test::ScriptedPort;

QByteArray hex(const char* h) { return QByteArray::fromHex(h); }

QByteArray reply(std::uint8_t code, const QByteArray& body) { return BuildReply(code, body); }

QByteArray statusReply(std::uint8_t code, std::uint8_t status) { return reply(code, QByteArray(1, char(status))); }

QByteArray corruptChecksum(QByteArray f)
{
    f[f.size() - 1] = char(f.back() ^ 0x5A);
    return f;
}

QByteArray withCode(QByteArray f, std::uint8_t code)
{
    f[1] = char(code);
    f[f.size() - 1] = char(FrameChecksum(reinterpret_cast<const std::uint8_t*>(f.constData()) + 1, int(f.size()) - 2));
    return f;
}

TEST(Frame, KnownRequestsAndChecksum)
{
    EXPECT_EQ(BuildRequest(Cmd::Identify), hex("050500 00fb").replace(' ', ""));
    EXPECT_EQ(BuildRequest(Cmd::Status), hex("050c0000f4"));
    const std::uint8_t zeroXor[] = {0x12, 0x34, 0x26};
    EXPECT_EQ(FrameChecksum(zeroXor, 3), 0);
    const std::uint8_t one[] = {0x01};
    EXPECT_EQ(FrameChecksum(one, 1), 0xFF);
    const std::uint8_t payload[] = {0xAA, 0xBB};
    const QByteArray f = BuildRequest(0x11, payload, 2);
    EXPECT_EQ(f, hex("05110200aabb") + QByteArray(1, char(FrameChecksum(reinterpret_cast<const std::uint8_t*>(f.constData()) + 1, 5))));
    EXPECT_TRUE(FrameChecksumValid(reinterpret_cast<const std::uint8_t*>(f.constData()), int(f.size())));
}

TEST(Frame, AreaCodes)
{
    const int expected[8][2] = {{-1, -1}, {6, 7}, {1, 2}, {3, 4}, {8, 9}, {18, 19}, {22, 23}, {10, 11}};
    for (int a = 0; a < 8; ++a) {
        EXPECT_EQ(AreaWriteCode(a), expected[a][0]) << a;
        EXPECT_EQ(AreaReadCode(a), expected[a][1]) << a;
    }
    EXPECT_EQ(AreaWriteCode(8), -1);
    EXPECT_EQ(AreaForReadCode(23), 6);
    EXPECT_EQ(AreaForWriteCode(5), 0);
}

// ---- failure table -------------------------------------------------------------

enum class Prim { Query, Command, AreaWrite, AreaRead };

struct Case {
    const char* name;
    Prim prim;
    QList<QByteArray> replies; // one per attempt
    int result;
    int text;                  // expected last report (LinkText), -1 none
    int frames;                // frames written
};

constexpr std::uint8_t kQuerySize = 4;
const QByteArray kQueryData = hex("01020304");

QByteArray goodReply(Prim p)
{
    switch (p) {
    case Prim::Query: return reply(Cmd::Status, kQueryData);
    case Prim::Command: return statusReply(Cmd::Password, 0);
    case Prim::AreaWrite: return reply(6, hex("00000000") + hex("0400") + hex("0000"));
    case Prim::AreaRead: return reply(7, hex("00000000") + hex("0400") + kQueryData);
    }
    return {};
}

std::vector<Case> cases()
{
    std::vector<Case> c;
    for (Prim p : {Prim::Query, Prim::Command, Prim::AreaWrite, Prim::AreaRead}) {
        const QByteArray good = goodReply(p);
        const bool read = p == Prim::AreaRead;
        c.push_back({"silence", p, {}, 1, read ? TextTransferError1 : TextNoReply, 3});
        c.push_back({"short", p, {good.left(3), good.left(3), good.left(3)}, 1, read ? TextTransferError1 : TextBadReply, 3});
        c.push_back({"secondAttempt", p, {QByteArray(), good}, 0, -1, 2});
        c.push_back({"thirdAttempt", p, {good.left(2), QByteArray(), good}, 0, -1, 3});
        c.push_back({"badChecksum", p, {corruptChecksum(good)}, 1, TextTransferError2, 1});
        c.push_back({"wrongEcho", p, {withCode(good, 99)}, 1, TextTransferError3, 1});
        QByteArray badStart = good;
        badStart[0] = 0x06;
        c.push_back({"wrongStart", p, {badStart}, 1, TextTransferError3, 1});
    }
    auto status = [](std::uint8_t code, std::uint8_t s) { return statusReply(code, s); };
    c.push_back({"status1", Prim::Command, {status(Cmd::Password, 1)}, 1, TextFlashError, 1});
    c.push_back({"status2", Prim::Command, {status(Cmd::Password, 2)}, 1, TextPasswordRequired, 1});
    c.push_back({"status7", Prim::Command, {status(Cmd::Password, 7)}, 1, TextTransferError3, 1});
    c.push_back({"writeStatus1", Prim::AreaWrite, {reply(6, hex("00000000040001 00").replace(' ', ""))}, 1, TextFlashError, 1});
    c.push_back({"writeStatus2", Prim::AreaWrite, {reply(6, hex("000000000400 0200").replace(' ', ""))}, 1, TextTransferError3, 1});
    c.push_back({"writeWrongAddress", Prim::AreaWrite, {reply(6, hex("0001000004000000"))}, 1, TextTransferError3, 1});
    c.push_back({"writeWrongCount", Prim::AreaWrite, {reply(6, hex("0000000003000000"))}, 1, TextTransferError3, 1});
    c.push_back({"readWrongAddress", Prim::AreaRead, {reply(7, hex("010000000400") + kQueryData)}, 1, TextTransferError3, 1});
    return c;
}

class PrimitiveFailure : public ::testing::TestWithParam<Case> {};

TEST_P(PrimitiveFailure, ReportsAndLeavesDestination)
{
    const Case& k = GetParam();
    ScriptedPort port;
    port.script(k.replies);
    ASSERT_TRUE(port.open());
    QStringList reports;
    QList<ReportColour> colours;
    LinkExchange link(port, BuiltInLinkStatusTexts(), [&](const QString& t, ReportColour c) {
        reports << t;
        colours << c;
    });
    std::uint8_t dest[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    const std::uint8_t src[4] = {1, 2, 3, 4};
    const std::uint8_t pw[9] = {};
    int r = -1;
    switch (k.prim) {
    case Prim::Query: r = link.QueryExchange(Cmd::Status, dest, kQuerySize); break;
    case Prim::Command: r = link.CommandExchange(Cmd::Password, pw, 9); break;
    case Prim::AreaWrite: r = link.AreaWriteExchange(1, 0, src, 4); break;
    case Prim::AreaRead: r = link.AreaReadExchange(1, 0, dest, 4); break;
    }
    EXPECT_EQ(r, k.result);
    EXPECT_EQ(port.frames().size(), k.frames);
    if (k.text >= 0) {
        ASSERT_FALSE(reports.isEmpty());
        EXPECT_EQ(reports.back(), BuiltInLinkStatusTexts().at(k.text));
        EXPECT_EQ(colours.back(), ReportColour::Red);
    } else {
        EXPECT_TRUE(reports.isEmpty()) << reports.join('|').toStdString();
    }
    const bool filled = k.result == 0 && (k.prim == Prim::Query || k.prim == Prim::AreaRead);
    EXPECT_EQ(dest[0], filled ? 1 : 0xEE);
    EXPECT_EQ(dest[3], filled ? 4 : 0xEE);
}

std::string caseName(const ::testing::TestParamInfo<Case>& info)
{
    static const char* prim[] = {"Query", "Command", "AreaWrite", "AreaRead"};
    return std::string(prim[int(info.param.prim)]) + "_" + info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Table, PrimitiveFailure, ::testing::ValuesIn(cases()), caseName);

TEST(Primitive, AreaWithoutCodesSendsNothing)
{
    ScriptedPort port;
    ASSERT_TRUE(port.open());
    QString last;
    LinkExchange link(port, BuiltInLinkStatusTexts(), [&](const QString& t, ReportColour) { last = t; });
    std::uint8_t buf[4] = {};
    EXPECT_EQ(link.AreaReadExchange(8, 0, buf, 4), 1);
    EXPECT_EQ(last, QStringLiteral("Ошибка идентификатора области FLASH памяти"));
    EXPECT_EQ(link.AreaWriteExchange(0, 0, buf, 4), 1);
    EXPECT_TRUE(port.written.isEmpty());
}

TEST(Primitive, PortErrorNamesThePort)
{
    ScriptedPort port;
    port.failReadsAfter = 0;
    ASSERT_TRUE(port.open());
    QString last;
    LinkExchange link(port, BuiltInLinkStatusTexts(), [&](const QString& t, ReportColour) { last = t; });
    std::uint8_t buf[4] = {};
    EXPECT_EQ(link.QueryExchange(Cmd::Status, buf, 4), 1);
    EXPECT_EQ(last, QStringLiteral("Ошибка порта SCRIPT"));
}

// A memory-backed responder: answers area reads and writes of area 1 like the controller.
struct AreaResponder {
    QByteArray memory = QByteArray(6000, '\0');
    QList<std::uint32_t> addresses;
    QList<int> counts;
    int answerChunks = 1 << 30;

    QByteArray operator()(const QByteArray& w)
    {
        const auto* p = reinterpret_cast<const std::uint8_t*>(w.constData());
        const std::uint32_t addr = getU32(p + 4);
        const int count = getU16(p + 8);
        addresses << addr;
        counts << count;
        if (answerChunks-- <= 0)
            return {};
        if (p[1] == 6) {
            memory.replace(int(addr), count, w.mid(10, count));
            return BuildReply(6, w.mid(4, 6) + QByteArray(2, '\0'));
        }
        return BuildReply(7, w.mid(4, 6) + memory.mid(int(addr), count));
    }
};

TEST(Primitive, ChunksAddressesAndProgress)
{
    AreaResponder area;
    ScriptedPort port([&](const QByteArray& w) { return area(w); });
    ASSERT_TRUE(port.open());
    QList<std::pair<int, int>> progress;
    LinkExchange link(port, BuiltInLinkStatusTexts(), {}, [&](int pos, int max) { progress << std::make_pair(pos, max); });
    QByteArray src(5292, '\0');
    for (int i = 0; i < src.size(); ++i)
        src[i] = char(i * 7 + 3);
    ASSERT_EQ(link.AreaWriteExchange(1, 0, reinterpret_cast<const std::uint8_t*>(src.constData()), 5292), 0);
    ASSERT_EQ(area.addresses.size(), 21);
    for (int i = 0; i < 21; ++i) {
        EXPECT_EQ(area.addresses[i], std::uint32_t(256 * i));
        EXPECT_EQ(area.counts[i], i < 20 ? 256 : 172);
        EXPECT_EQ(progress[i + 1].first, std::min(256 * (i + 1), 5292));
    }
    EXPECT_EQ(progress.front(), std::make_pair(0, 5292));
    EXPECT_EQ(progress.back(), std::make_pair(5292, 5292));
    EXPECT_EQ(area.memory.left(5292), src);

    // Reading back with a base address offsets every chunk.
    area.addresses.clear();
    QByteArray dest(300, '\0');
    ASSERT_EQ(link.AreaReadExchange(1, 100, reinterpret_cast<std::uint8_t*>(dest.data()), 300), 0);
    EXPECT_EQ(area.addresses, (QList<std::uint32_t>{100, 356}));
    EXPECT_EQ(dest, src.mid(100, 300));
}

TEST(Primitive, FailedChunkKeepsEarlierChunksInDestination)
{
    AreaResponder area;
    area.memory.fill('\x42');
    area.answerChunks = 2;
    ScriptedPort port([&](const QByteArray& w) { return area(w); });
    ASSERT_TRUE(port.open());
    LinkExchange link(port, BuiltInLinkStatusTexts(), {});
    QByteArray dest(1000, '\0');
    EXPECT_EQ(link.AreaReadExchange(1, 0, reinterpret_cast<std::uint8_t*>(dest.data()), 1000), 1);
    EXPECT_EQ(dest.left(512), QByteArray(512, '\x42'));
    EXPECT_EQ(dest.mid(512), QByteArray(488, '\0'));
    EXPECT_EQ(area.addresses.size(), 2 + 3); // the third chunk tried three times
}

} // namespace
} // namespace zel
