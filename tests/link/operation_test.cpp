// Link operations and the TReadData worker against the in-process simulated controller
// and the scripted port.
#include "image/configuration.h"
#include "link/frame.h"
#include "link/identity.h"
#include "link/readdata.h"
#include "scripted_port.h"
#include "sim/sim_engine.h"
#include "sim/sim_port.h"

#include "qt_print.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

struct Report {
    QString text;
    ReportColour colour;
    bool operator==(const Report& o) const { return text == o.text && colour == o.colour; }
};

void PrintTo(const Report& r, std::ostream* os) { *os << r.text.toStdString() << "/" << int(r.colour); }

class Operations : public ::testing::Test {
protected:
    sim::SimEngine engine;
    sim::SimEnginePort port{engine};
    std::vector<Report> reports;
    QList<std::pair<int, int>> progress;

    LinkCallbacks callbacks(QStringList texts = BuiltInLinkStatusTexts())
    {
        LinkCallbacks cb;
        cb.texts = texts;
        cb.report = [this](const QString& t, ReportColour c) { reports.push_back({t, c}); };
        cb.progress = [this](int p, int m) { progress << std::make_pair(p, m); };
        return cb;
    }
    int run(LinkOperation op, void* buf, int size, int area = 0, QStringList texts = BuiltInLinkStatusTexts())
    {
        return RunLinkOperation(port, LinkRequest{int(op), area, static_cast<std::uint8_t*>(buf), size, 0}, callbacks(texts));
    }
    void authorize()
    {
        auto pw = PasswordPayload(QByteArray());
        ASSERT_EQ(run(LinkOperation::SendPassword, pw.data(), 9), 0);
        reports.clear();
    }
    static Report t(int index, ReportColour c) { return {BuiltInLinkStatusTexts()[index], c}; }
};

constexpr auto Black = ReportColour::Black;
constexpr auto Blue = ReportColour::Blue;
constexpr auto Red = ReportColour::Red;

TEST_F(Operations, AreaOperationsReportInOrder)
{
    authorize();
    QByteArray config = engine.area(1);
    EXPECT_EQ(run(LinkOperation::ReadArea, config.data(), int(config.size()), 1), 0);
    EXPECT_EQ(reports, (std::vector<Report>{t(1, Black), t(4, Black), t(7, Blue)}));
    EXPECT_EQ(progress.back(), std::make_pair(5292, 5292));

    reports.clear();
    config[100] = char(config[100] ^ 0xFF);
    EXPECT_EQ(run(LinkOperation::CompareArea, config.data(), int(config.size()), 1), 1);
    EXPECT_EQ(reports, (std::vector<Report>{t(1, Black), t(4, Black), t(9, Red)}));

    reports.clear();
    EXPECT_EQ(run(LinkOperation::ProgramArea, config.data(), int(config.size()), 1), 0);
    EXPECT_EQ(reports, (std::vector<Report>{t(1, Black), t(2, Black), t(4, Black), t(5, Blue)}));
    EXPECT_EQ(engine.area(1), config);

    reports.clear();
    EXPECT_EQ(run(LinkOperation::CompareArea, config.data(), int(config.size()), 1), 0);
    EXPECT_EQ(reports.back(), t(8, Blue));
}

TEST_F(Operations, ReadThatStopsHalfWayLeavesBufferUntouched)
{
    authorize();
    ASSERT_TRUE(engine.setFaults("stall:10"));
    QByteArray buffer(5292, '\x11');
    EXPECT_EQ(run(LinkOperation::ReadArea, buffer.data(), 5292, 1), 1);
    EXPECT_EQ(buffer, QByteArray(5292, '\x11'));
    EXPECT_EQ(reports.back(), t(TextTransferError1, Red));
    EXPECT_FALSE(port.isOpen());
}

TEST_F(Operations, ReadBackMismatchFailsProgram)
{
    authorize();
    ASSERT_TRUE(engine.setFaults("flip-stored@6:20"));
    QByteArray config = engine.area(1);
    config[5291] = 0x33;
    const QByteArray sent = config;
    EXPECT_EQ(run(LinkOperation::ProgramArea, config.data(), 5292, 1), 1);
    EXPECT_EQ(reports.back(), t(TextMismatch, Red));
    EXPECT_EQ(config, sent);
}

struct ShortCase {
    LinkOperation op;
    QByteArray payload; // empty: query of `size`
    int size;
    int successText;
};

TEST_F(Operations, ShortOperationsSucceedWithTheirTexts)
{
    authorize();
    const std::vector<ShortCase> cases = {
        {LinkOperation::Identify, {}, kIdentitySize, TextVersionRead},
        {LinkOperation::ReadStatus, {}, kStatusBlockSize, TextDataRead},
        {LinkOperation::SetClock, QByteArray::fromHex("0a0105090307"), 6, TextDataSent},
        {LinkOperation::ReadKeyCode, {}, kKeyCodeSize, TextDataRead},
        {LinkOperation::ApplyConfiguration, QByteArray(1, '\0'), 1, TextDataSent},
        {LinkOperation::DeviceControl, QByteArray::fromHex("020101"), 3, TextDataSent},
        {LinkOperation::Query21, {}, 16, TextDataRead},
        {LinkOperation::Restart, QByteArray(1, '\0'), 1, TextRestartStarted},
    };
    for (const auto& c : cases) {
        reports.clear();
        QByteArray buf = c.payload.isEmpty() ? QByteArray(c.size, '\0') : c.payload;
        EXPECT_EQ(run(c.op, buf.data(), c.size), 0) << int(c.op);
        EXPECT_EQ(reports, (std::vector<Report>{t(1, Black), t(c.successText, Blue)})) << int(c.op);
    }
    EXPECT_EQ(engine.restartCount(), 1);
}

TEST_F(Operations, InvalidOperationsSendNothing)
{
    test::ScriptedPort scripted;
    for (int op : {-1, 12, 100}) {
        EXPECT_EQ(RunLinkOperation(scripted, LinkRequest{op, 0, nullptr, 0, 0}, callbacks()), 1);
    }
    std::uint8_t b[4];
    EXPECT_EQ(RunLinkOperation(scripted, LinkRequest{0, 1, b, -4, 0}, callbacks()), 1);
    EXPECT_TRUE(scripted.written.isEmpty());
}

TEST_F(Operations, PortThatCannotOpen)
{
    test::ScriptedPort scripted;
    scripted.openable = false;
    std::uint8_t id[kIdentitySize];
    LinkCallbacks cb = callbacks();
    EXPECT_EQ(RunLinkOperation(scripted, shortRequest(LinkOperation::Identify, id, kIdentitySize), cb), 1);
    EXPECT_EQ(reports, (std::vector<Report>{{QStringLiteral("Невозможно открыть SCRIPT"), Red}}));
    EXPECT_TRUE(scripted.written.isEmpty());
}

TEST_F(Operations, PreambleOncePerRunBeforeAnyFrame)
{
    test::ScriptedPort scripted([this](const QByteArray& w) { return engine.receive(w); });
    engine.receive("BINARY\r");
    std::uint8_t id[kIdentitySize];
    ASSERT_EQ(RunLinkOperation(scripted, shortRequest(LinkOperation::Identify, id, kIdentitySize), callbacks()), 0);
    ASSERT_GE(scripted.written.size(), 2);
    EXPECT_EQ(scripted.written[0], QByteArray("BINARY\r"));
    EXPECT_EQ(scripted.written.count(QByteArray("BINARY\r")), 1);
    EXPECT_EQ(scripted.written[1], QByteArray::fromHex("05050000fb"));
    EXPECT_FALSE(scripted.isOpen());
}

TEST_F(Operations, TranslatedTableIsUsedAndMissingEntriesAreEmpty)
{
    QStringList texts = BuiltInLinkStatusTexts();
    texts[1] = QStringLiteral("Identifying");
    texts[10] = QStringLiteral("Version read");
    std::uint8_t id[kIdentitySize];
    EXPECT_EQ(run(LinkOperation::Identify, id, kIdentitySize, 0, texts), 0);
    EXPECT_EQ(reports, (std::vector<Report>{{"Identifying", Black}, {"Version read", Blue}}));
    reports.clear();
    EXPECT_EQ(run(LinkOperation::Identify, id, kIdentitySize, 0, texts.mid(0, 2)), 0);
    EXPECT_EQ(reports.back(), (Report{QString(), Blue}));
}

TEST_F(Operations, WorkerThreadRunsOneOperation)
{
    authorize();
    QByteArray phones(kControlPhonesSize, '\0');
    TReadData worker(port, 0, int(phones.size()), reinterpret_cast<std::uint8_t*>(phones.data()), 6,
                     int(LinkOperation::ReadArea));
    worker.setStatusTexts(BuiltInLinkStatusTexts());
    QList<int> positions;
    QStringList texts;
    worker.setProgress([&](int p, int) { positions << p; });
    worker.setReporter([&](const QString& text, ReportColour) { texts << text; });
    EXPECT_EQ(worker.result(), 1);
    EXPECT_EQ(worker.execute(), 0);
    EXPECT_EQ(phones, engine.area(6));
    EXPECT_EQ(positions.size(), 72); // 0 and 71 chunks
    EXPECT_EQ(texts.back(), BuiltInLinkStatusTexts()[TextDataRead]);
    EXPECT_FALSE(port.isOpen());

    std::uint8_t id[kIdentitySize] = {};
    TReadData shortWorker(port, kIdentitySize, id, int(LinkOperation::Identify));
    EXPECT_FALSE(shortWorker.hasProgress());
    EXPECT_EQ(shortWorker.execute(), 0);
    EXPECT_EQ(IdentityLabelTexts(id).deviceName, "ZEL470");
}

} // namespace
} // namespace zel
