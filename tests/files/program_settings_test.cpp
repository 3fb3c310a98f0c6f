#include "files/program_settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zel;

namespace {
QByteArray magicBytes(std::uint32_t v)
{
    QByteArray b;
    for (int i = 0; i < 4; ++i)
        b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    return b;
}
} // namespace

TEST(ProgramSettings, FileLayoutIsBitExact)
{
    EXPECT_EQ(BuildProgramSettings("COM3"),
              QByteArray("[ZELProgCfg]COM3\0\0\0\0\x86\x42\xB8\x20", 24));
    EXPECT_EQ(BuildProgramSettings("ttyUSB0"),
              QByteArray("[ZELProgCfg]ttyUSB0\0\x86\x42\xB8\x20", 24));
    // Eight or more characters are cut to seven; byte 19 stays zero.
    EXPECT_EQ(BuildProgramSettings("COM12345").mid(12, 8), QByteArray("COM1234\0", 8));
}

TEST(ProgramSettings, ReaderCases)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ZELConfig.cfg");
    struct Case {
        const char* name;
        QByteArray bytes;
        bool ok;
        QString port; // the name the reader leaves (checked only when ok)
    };
    const Case cases[] = {
        {"COM3", BuildProgramSettings("COM3"), true, "COM3"},
        {"Linux device", BuildProgramSettings("ttyACM0"), true, "ttyACM0"},
        {"simulator", BuildProgramSettings("SIM"), true, "SIM"},
        {"wrong magic", QByteArray("[ZELProgCfg]COM3\0\0\0\0", 20) + magicBytes(0x20B84287), false, ""},
        {"no C, O, M", BuildProgramSettings("XYZ1"), false, ""},
        {"empty file", QByteArray(), false, ""},
        {"other header", QByteArray("[ZELProgCfX]COM3\0\0\0\0", 20) + magicBytes(kSettingsMagic), false, ""},
        {"cut path", BuildProgramSettings("/dev/pts/7"), false, ""},
    };
    for (const Case& c : cases) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.bytes);
        f.close();
        QString port = "unchanged";
        EXPECT_EQ(ReadProgramSettings(path, port), c.ok) << c.name;
        if (c.ok) {
            EXPECT_EQ(port, c.port) << c.name;
        }
    }
    QString port;
    EXPECT_FALSE(ReadProgramSettings(dir.filePath("missing.cfg"), port));
}

TEST(ProgramSettings, WriteThenReadRoundTrips)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ZELConfig.cfg");
    ASSERT_TRUE(WriteProgramSettings(path, "ttyS0"));
    QString port;
    ASSERT_TRUE(ReadProgramSettings(path, port));
    EXPECT_EQ(port, "ttyS0");
    EXPECT_FALSE(WriteProgramSettings(dir.filePath("no/dir/ZELConfig.cfg"), "COM1"));
}
