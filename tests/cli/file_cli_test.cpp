#include "files/config_file.h"
#include "image/configuration.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zel;

namespace {
struct CliRun {
    int code;
    QString out;
};
CliRun zelctl(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(ZEL_ZELCTL), args);
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardOutput())};
}
} // namespace

TEST(ZelctlFiles, DefaultsMatchesTheFactoryFileAndCheckReportsEachCode)
{
    QTemporaryDir dir;
    const QString out = dir.filePath("factory.cnt");
    ASSERT_EQ(zelctl({"defaults", "-o", out}).code, 0);
    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    f.close();
    DeviceImage img;
    BuildDefaultImage(img);
    EXPECT_EQ(bytes, BuildConfigurationFile(img));

    struct Case {
        const char* name;
        QByteArray bytes;
        int code;
    };
    QByteArray changed = bytes;
    changed[100] = static_cast<char>(changed[100] + 1);
    const Case cases[] = {
        {"ok.cnt", bytes, 0},
        {"corrupt.cnt", changed, 2},
        {"old.cnt", QByteArray(bytes).replace(29, 5, "01.00"), 3},
    };
    for (const Case& c : cases) {
        QFile w(dir.filePath(c.name));
        ASSERT_TRUE(w.open(QIODevice::WriteOnly));
        w.write(c.bytes);
        w.close();
        const CliRun r = zelctl({"check", w.fileName()});
        EXPECT_EQ(r.code, c.code) << c.name;
        EXPECT_EQ(r.out.count('\n'), 1) << c.name;
    }
    EXPECT_EQ(zelctl({"check", dir.filePath("missing.cnt")}).code, 1);
    EXPECT_EQ(zelctl({"defaults"}).code, 64);
}

TEST(ZelctlFiles, HelpDescribesEveryCommand)
{
    const CliRun top = zelctl({"--help"});
    EXPECT_EQ(top.code, 0);
    for (const char* cmd : {"defaults", "check"}) {
        EXPECT_TRUE(top.out.contains(QString::fromLatin1(cmd))) << cmd;
        const CliRun help = zelctl({cmd, "--help"});
        EXPECT_EQ(help.code, 0);
        EXPECT_TRUE(help.out.contains("Exit codes")) << cmd;
    }
    EXPECT_EQ(zelctl({"no-such-command"}).code, 64);
}
