// The real serial binding against the simulated controller on a pseudo-terminal.
#include "link/frame.h"
#include "link/identity.h"
#include "link/link_operation.h"
#include "link/readdata.h"
#include "link/serial_port.h"
#include "sim/sim_engine.h"
#include "sim/sim_host.h"

#include <QElapsedTimer>
#include "qt_print.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

class PtyLink : public ::testing::Test {
protected:
    sim::SimEngine engine;
    sim::SimHost host{engine};
    QString path;
    QStringList reports;

    void SetUp() override
    {
        QString error;
        path = host.start(&error);
        ASSERT_FALSE(path.isEmpty()) << error.toStdString();
    }
    int run(BytePort& port, LinkOperation op, void* buf, int size, int area = 0)
    {
        LinkCallbacks cb;
        cb.report = [this](const QString& t, ReportColour) { reports << t; };
        return RunLinkOperation(port, LinkRequest{int(op), area, static_cast<std::uint8_t*>(buf), size, 0}, cb);
    }
    QString last() const { return reports.isEmpty() ? QString() : reports.back(); }
};

TEST_F(PtyLink, IdentifyReadAndProgramOverSerialPort)
{
    SerialBytePort port(path);
    std::uint8_t id[kIdentitySize] = {};
    ASSERT_EQ(run(port, LinkOperation::Identify, id, kIdentitySize), 0) << last().toStdString();
    EXPECT_EQ(IdentityLabelTexts(id).version, "KV-20M.01.04");

    auto pw = PasswordPayload(QByteArray());
    ASSERT_EQ(run(port, LinkOperation::SendPassword, pw.data(), 9), 0) << last().toStdString();
    QByteArray config(kConfigurationSize, '\0');
    ASSERT_EQ(run(port, LinkOperation::ReadArea, config.data(), kConfigurationSize, 1), 0) << last().toStdString();
    EXPECT_EQ(config, engine.area(1));

    config[12] = 0x5C;
    config[5000] = 0x01;
    ASSERT_EQ(run(port, LinkOperation::ProgramArea, config.data(), kConfigurationSize, 1), 0) << last().toStdString();
    EXPECT_EQ(engine.area(1), config);
    EXPECT_FALSE(port.isOpen());
}

TEST_F(PtyLink, WorkerThreadOwnsTheSerialPortForOneRun)
{
    SerialBytePort port(path);
    auto pw = PasswordPayload(QByteArray());
    TReadData password(port, int(pw.size()), pw.data(), int(LinkOperation::SendPassword));
    ASSERT_EQ(password.execute(), 0);
    QByteArray sys(24, '\x31');
    TReadData write(port, 0, 24, reinterpret_cast<std::uint8_t*>(sys.data()), 5, int(LinkOperation::ProgramArea));
    QStringList texts;
    write.setReporter([&](const QString& t, ReportColour) { texts << t; });
    EXPECT_EQ(write.execute(), 0);
    EXPECT_EQ(texts.back(), QStringLiteral("Программирование завершено успешно"));
    EXPECT_EQ(engine.area(5), sys);
    EXPECT_FALSE(port.isOpen());
}

TEST_F(PtyLink, PortThatDoesNotExist)
{
    SerialBytePort port(path + "-missing");
    std::uint8_t id[kIdentitySize];
    EXPECT_EQ(run(port, LinkOperation::Identify, id, kIdentitySize), 1);
    EXPECT_EQ(last(), QStringLiteral("Невозможно открыть ") + path + "-missing");
}

TEST_F(PtyLink, LineVanishingMidTransferIsAPortError)
{
    SerialBytePort port(path);
    auto pw = PasswordPayload(QByteArray());
    ASSERT_EQ(run(port, LinkOperation::SendPassword, pw.data(), 9), 0);
    ASSERT_TRUE(engine.setFaults("hangup:4"));
    QByteArray config(kConfigurationSize, '\x22');
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(run(port, LinkOperation::ReadArea, config.data(), kConfigurationSize, 1), 1);
    EXPECT_LT(timer.elapsed(), 3000);
    EXPECT_EQ(last(), QStringLiteral("Ошибка порта ") + path)
        << last().toStdString();
    EXPECT_EQ(config, QByteArray(kConfigurationSize, '\x22'));
    // Later operations fail cleanly as well.
    std::uint8_t id[kIdentitySize];
    EXPECT_EQ(run(port, LinkOperation::Identify, id, kIdentitySize), 1);
}

TEST_F(PtyLink, PacedLineTakesItsTime)
{
    host.stop();
    host.setPacing(true);
    path = host.start();
    SerialBytePort port(path);
    auto pw = PasswordPayload(QByteArray());
    ASSERT_EQ(run(port, LinkOperation::SendPassword, pw.data(), 9), 0);
    QByteArray phones(2560, '\0');
    QElapsedTimer timer;
    timer.start();
    ASSERT_EQ(run(port, LinkOperation::ReadArea, phones.data(), 2560, 6), 0) << last().toStdString();
    // 10 chunks: 13-byte requests and 267-byte replies at 10 bits per byte.
    const double lineMs = (7 + 10 * (13 + 267)) * 10.0 / 19.2;
    EXPECT_GE(double(timer.elapsed()), lineMs);
    EXPECT_EQ(phones, engine.area(6).left(2560));
}

} // namespace
} // namespace zel
