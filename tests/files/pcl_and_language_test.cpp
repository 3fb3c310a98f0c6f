#include "files/language_file.h"
#include "files/pcl_file.h"
#include "image/configuration.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>

using namespace zel;

namespace {
void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
QByteArray readAll(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}
} // namespace

TEST(ControlPhonesFile, RoundTripIsByteExact)
{
    QTemporaryDir dir;
    DeviceImage img;
    BuildDefaultImage(img);
    std::mt19937 rng(4);
    for (int i = kControlPhonesOffset; i < kImageSize; ++i)
        img.data()[i] = static_cast<std::uint8_t>(rng());
    const QString p1 = dir.filePath("a.pcl"), p2 = dir.filePath("b.pcl");
    ASSERT_EQ(WriteControlPhonesFile(img, p1), 0);
    const QByteArray file = readAll(p1);
    ASSERT_EQ(file.size(), kPclFileSize);
    EXPECT_TRUE(file.startsWith("[ZELControlPnonesList_v01.00]\r\n"));

    DeviceImage other;
    BuildDefaultImage(other);
    ASSERT_EQ(ReadControlPhonesFile(other, p1), 0);
    EXPECT_EQ(other.area(6), img.area(6));
    ASSERT_EQ(WriteControlPhonesFile(other, p2), 0);
    EXPECT_EQ(readAll(p2), file);
}

TEST(ControlPhonesFile, DamagedFilesAreRefusedAndLeaveTheArea)
{
    QTemporaryDir dir;
    DeviceImage img;
    BuildDefaultImage(img);
    img.setByte(kControlPhoneRecordOffset, '7');
    const QByteArray good = BuildControlPhonesFile(img);
    QByteArray flipped = good;
    flipped[5000] = static_cast<char>(flipped[5000] ^ 0x01);
    QByteArray otherVersion = good;
    otherVersion.replace(23, 5, "01.01");
    struct Case {
        const char* name;
        QByteArray bytes;
        int code;
    };
    const Case cases[] = {
        {"truncated", good.left(good.size() - 1), 2},
        {"header only", good.left(31), 2},
        {"empty", QByteArray(), 2},
        {"one byte flipped", flipped, 2},
        {"trailing byte", good + "x", 2},
        {"other version", otherVersion, 2},
        {"configuration file", QByteArray("[ZELControllerConfiguration_v01.02]") + QByteArray(5293, 0), 2},
    };
    for (const Case& c : cases) {
        DeviceImage target;
        BuildDefaultImage(target);
        const DeviceImage before = target;
        const QString p = dir.filePath("x.pcl");
        writeAll(p, c.bytes);
        EXPECT_EQ(ReadControlPhonesFile(target, p), c.code) << c.name;
        EXPECT_TRUE(target == before) << c.name;
    }
    DeviceImage target;
    EXPECT_EQ(ReadControlPhonesFile(target, dir.filePath("missing.pcl")), 1);
    EXPECT_EQ(ReadControlPhonesFile(target, dir.path()), 1);
    EXPECT_NE(WriteControlPhonesFile(target, dir.filePath("no/dir/x.pcl")), 0);
}

TEST(LanguageFile, AcceptsExactly413LinesWithTheSignature)
{
    QTemporaryDir dir;
    auto fileOf = [](int lines, const QByteArray& first, const QByteArray& eol) {
        QByteArray b = first;
        for (int i = 1; i < lines; ++i)
            b += eol + "line " + QByteArray::number(i);
        return b;
    };
    const QByteArray sig(kLanguageSignature);
    struct Case {
        const char* name;
        QByteArray bytes;
        bool accepted;
    };
    const Case cases[] = {
        {"413 CRLF", fileOf(413, sig, "\r\n"), true},
        {"413 with final break", fileOf(413, sig, "\r\n") + "\r\n", true},
        {"413 LF", fileOf(413, sig, "\n"), true},
        {"413 CR", fileOf(413, sig, "\r"), true},
        {"412", fileOf(412, sig, "\r\n"), false},
        {"414", fileOf(414, sig, "\r\n"), false},
        {"signature in other case", fileOf(413, sig.toLower(), "\r\n"), false},
        {"signature with a blank", fileOf(413, sig + " ", "\r\n"), false},
    };
    for (const Case& c : cases) {
        const QString p = dir.filePath("lng.txt");
        writeAll(p, c.bytes);
        const QStringList lines = ReadLanguageFile(p);
        EXPECT_EQ(!lines.isEmpty(), c.accepted) << c.name;
        if (c.accepted) {
            EXPECT_EQ(lines.value(412), "line 412") << c.name;
        }
    }
    // Windows-1251 text.
    writeAll(dir.filePath("lng.txt"), fileOf(412, sig, "\r\n") + "\r\n\xC2\xF5\xEE\xE4");
    EXPECT_EQ(ReadLanguageFile(dir.filePath("lng.txt")).value(412), QStringLiteral("Вход"));
    // Empty lines count as lines.
    EXPECT_EQ(SplitLanguageLines("a\r\n\r\nb").size(), 3);
}
