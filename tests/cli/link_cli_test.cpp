// zelctl's link commands end to end: a `zelctl simulate` process on a pseudo-terminal
// and the device commands against it, as a provisioning script would run them.
#include "files/config_file.h"
#include "image/configuration.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zel {
namespace {

struct CliRun {
    int code = -1;
    QString out;
    QString err;
};

CliRun zelctl(const QStringList& args, int timeoutMs = 30000)
{
    QProcess p;
    p.start(QStringLiteral(ZEL_ZELCTL), args);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

class Simulator {
public:
    Simulator(const QString& link, const QStringList& extra = {})
    {
        process_.setReadChannel(QProcess::StandardError);
        process_.start(QStringLiteral(ZEL_ZELCTL), QStringList{"simulate", "--link", link} + extra);
        // The simulator announces itself once the link is in place.
        while (process_.state() != QProcess::NotRunning && !announced_) {
            if (process_.waitForReadyRead(5000))
                announced_ = process_.readAllStandardError().contains("simulated on");
            else
                break;
        }
    }
    ~Simulator() { stop(); }
    bool ready() const { return announced_; }
    int stop()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            process_.waitForFinished(5000);
        }
        return process_.exitCode();
    }

private:
    QProcess process_;
    bool announced_ = false;
};

class LinkCli : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString link;
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        link = dir.filePath("zel");
    }
    QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(LinkCli, IdentifyReadCompareWrite)
{
    Simulator sim(link, {"--state", file("sim.state")});
    ASSERT_TRUE(sim.ready());

    CliRun r = zelctl({"identify", "--port", link});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines[0], QStringLiteral("Устройство: ZEL470"));
    EXPECT_EQ(lines[9], QStringLiteral("GSM IMEI: 356938035643809"));
    EXPECT_EQ(lines[10], "KV-20M.01.04");

    r = zelctl({"read", "--port", link, "-o", file("read.cnt")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("Данные считаны")));
    EXPECT_EQ(zelctl({"compare", "--port", link, file("read.cnt")}).code, 0);

    DeviceImage image;
    BuildDefaultImage(image);
    ASSERT_EQ(ReadConfigurationFile(image, file("read.cnt")), 0);
    image.setByte(2000, std::uint8_t(image.byte(2000) ^ 0x21));
    ASSERT_EQ(WriteConfigurationFile(image, file("changed.cnt")), 0);
    r = zelctl({"compare", "--port", link, file("changed.cnt")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Данные в памяти контроллера отличаются от текущих")));

    r = zelctl({"write", "--port", link, file("changed.cnt"), "--clear-modes"});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("Программирование завершено успешно")));
    EXPECT_TRUE(r.err.contains(QStringLiteral("Перезагрузка устройства инициированна")));
    EXPECT_EQ(zelctl({"compare", "--port", link, file("changed.cnt")}).code, 0);

    // The state file carries the memory into the next simulator run.
    EXPECT_EQ(sim.stop(), 0);
    EXPECT_FALSE(QFileInfo::exists(link));
    Simulator again(link, {"--state", file("sim.state")});
    ASSERT_TRUE(again.ready());
    EXPECT_EQ(zelctl({"compare", "--port", link, file("changed.cnt")}).code, 0);
    EXPECT_EQ(zelctl({"write", "--port", link, file("read.cnt"), "--no-restart"}).code, 0);
    EXPECT_EQ(zelctl({"compare", "--port", link, file("read.cnt")}).code, 0);
}

TEST_F(LinkCli, PasswordAndSupportRefusals)
{
    Simulator sim(link, {"--password", "secret", "--hw", "12.02"});
    ASSERT_TRUE(sim.ready());
    CliRun r = zelctl({"read", "--port", link, "-o", file("x.cnt")});
    EXPECT_EQ(r.code, 4);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Взаимодействие запрещено без указания пароля")));
    EXPECT_FALSE(QFileInfo::exists(file("x.cnt")));
    r = zelctl({"read", "--port", link, "-o", file("x.cnt"), "--password", "secret"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();

    DeviceImage image;
    BuildDefaultImage(image);
    ASSERT_EQ(ReadConfigurationFile(image, file("x.cnt")), 0);
    image.setBits(88 + 36, 0, 2, 1); // connection 2 as PatrolBeacon
    ASSERT_EQ(WriteConfigurationFile(image, file("pb.cnt")), 0);
    r = zelctl({"write", "--port", link, file("pb.cnt"), "--password", "secret"});
    EXPECT_EQ(r.code, 5);
    EXPECT_TRUE(r.err.contains(QStringLiteral("\"Соединение 2\"")));

    EXPECT_EQ(zelctl({"compare", "--port", link, file("missing.cnt")}).code, 7);
    EXPECT_EQ(zelctl({"read", "--port", link}).code, 64);
    r = zelctl({"identify", "--port", dir.filePath("nowhere")});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Невозможно открыть ") + dir.filePath("nowhere")));
}

TEST_F(LinkCli, UnsupportedFirmware)
{
    Simulator sim(link, {"--fw", "01.05"});
    ASSERT_TRUE(sim.ready());
    const CliRun r = zelctl({"identify", "--port", link});
    EXPECT_EQ(r.code, 3);
    EXPECT_TRUE(r.out.endsWith("KV-20M.01.05\n"));
    EXPECT_TRUE(r.err.contains(QStringLiteral("Версия KV-20M.01.05 не поддерживается")));
}

struct FaultCase {
    const char* fault;
    const char* command; // identify, read or write
    int exit;
    const char* text;
};

class LinkCliFault : public LinkCli, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(LinkCliFault, FailsWithItsText)
{
    const FaultCase& k = GetParam();
    Simulator sim(link, {"--fault", k.fault});
    ASSERT_TRUE(sim.ready());
    DeviceImage image;
    BuildDefaultImage(image);
    ASSERT_EQ(WriteConfigurationFile(image, file("f.cnt")), 0);
    const QString command = QString::fromLatin1(k.command);
    QStringList args{command, "--port", link};
    if (command == "read")
        args << "-o" << file("out.cnt");
    if (command == "write")
        args << file("f.cnt");
    const CliRun r = zelctl(args);
    EXPECT_EQ(r.code, k.exit) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(k.text))) << r.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(file("out.cnt")));
}

INSTANTIATE_TEST_SUITE_P(Table, LinkCliFault,
                         ::testing::Values(FaultCase{"silence@5", "identify", 2, "Нет ответа от устройства"},
                                           FaultCase{"drop-byte@5", "identify", 2, "Нет корректного ответа от устройства"},
                                           FaultCase{"bad-checksum@17", "read", 2, "Ошибка передачи данных, код 2"},
                                           FaultCase{"wrong-echo@7", "read", 2, "Ошибка передачи данных, код 3"},
                                           FaultCase{"status1@6", "write", 2, "Внутренняя ошибка взаимодействия с FLASH памятью"},
                                           FaultCase{"status2@17", "read", 4, "Взаимодействие запрещено без указания пароля"},
                                           FaultCase{"stall:3", "read", 2, "Ошибка передачи данных, код 1"},
                                           FaultCase{"hangup:4", "read", 2, "Ошибка порта "}));

} // namespace
} // namespace zel
