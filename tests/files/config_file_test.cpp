#include "files/config_file.h"
#include "image/configuration.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zel;

namespace {

DeviceImage factoryImage()
{
    DeviceImage img;
    BuildDefaultImage(img);
    return img;
}

class ConfigFileTest : public ::testing::Test {
protected:
    QString write(const char* name, const QByteArray& bytes)
    {
        const QString p = dir.filePath(QString::fromLatin1(name));
        QFile f(p);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return p;
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(ConfigFileTest, FactoryFileLayout)
{
    DeviceImage img = factoryImage();
    img.setText(20, 9, QStringLiteral("secret"));
    const QString p = dir.filePath("f.cnt");
    ASSERT_EQ(WriteConfigurationFile(img, p), 0);
    QFile f(p);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ASSERT_EQ(bytes.size(), 5328);
    EXPECT_TRUE(bytes.startsWith("[ZELControllerConfiguration_v01.02]"));
    EXPECT_EQ(bytes[55], '\0');
    EXPECT_EQ(img.byte(20), 0); // the working image loses its password too
    EXPECT_EQ(img.byte(21), 'e'); // only the first byte is cleared
    std::uint8_t sum = 0;
    for (int i = 35; i < 5327; ++i)
        sum ^= static_cast<std::uint8_t>(bytes[i]);
    EXPECT_EQ(static_cast<std::uint8_t>(sum + static_cast<std::uint8_t>(bytes[5327])), 0);
    EXPECT_EQ(bytes.mid(35, 5292), img.area(1));
}

TEST_F(ConfigFileTest, VersionBytesWithANulShortenTheHeader)
{
    DeviceImage img = factoryImage();
    img.setByte(5, 0); // "01\0.2"
    const QByteArray file = BuildConfigurationFile(img);
    EXPECT_TRUE(file.startsWith("[ZELControllerConfiguration_v01"));
    EXPECT_EQ(file.size(), 31 + 5292 + 1);
}

TEST_F(ConfigFileTest, ReaderCodes)
{
    DeviceImage factory = factoryImage();
    const QByteArray good = BuildConfigurationFile(factory);
    QByteArray oneByte = good;
    oneByte[1000] = static_cast<char>(oneByte[1000] ^ 0x10);
    QByteArray oldVersion = good;
    oldVersion.replace(29, 5, "01.00");
    QByteArray foreign = good;
    foreign[3] = 'x';
    struct Case {
        const char* name;
        QByteArray bytes;
        int code;
    };
    const Case cases[] = {
        {"good", good, 0},
        {"trailing bytes ignored", good + "tail", 0},
        {"one data byte changed", oneByte, 2},
        {"checksum missing", good.left(5327), 2},
        {"header only", good.left(35), 2},
        {"other version", oldVersion, 3},
        {"20 bytes of the header", good.left(20), 3},
        {"foreign header", foreign, 2},
        {"empty", QByteArray(), 3},
    };
    for (const Case& c : cases) {
        DeviceImage img = factoryImage();
        img.setByte(700, 0xEE);
        const DeviceImage before = img;
        EXPECT_EQ(ReadConfigurationFile(img, write("x.cnt", c.bytes)), c.code) << c.name;
        if (c.code != 0) {
            EXPECT_TRUE(img == before) << c.name << ": a refused file must not change the image";
        } else {
            EXPECT_EQ(img.byte(700), factory.byte(700)) << c.name;
        }
    }
    DeviceImage img = factoryImage();
    EXPECT_EQ(ReadConfigurationFile(img, dir.filePath("missing.cnt")), 1);
    EXPECT_EQ(ReadConfigurationFile(img, dir.path()), 1);
}

TEST_F(ConfigFileTest, ReadOnlyFileCanBeOpened)
{
    const QString p = write("ro.cnt", BuildConfigurationFile(factoryImage()));
    QFile::setPermissions(p, QFileDevice::ReadOwner);
    DeviceImage img;
    EXPECT_EQ(ReadConfigurationFile(img, p), 0);
}

TEST_F(ConfigFileTest, FailedWriteLeavesTheExistingFile)
{
    const QString p = write("keep.cnt", "old contents");
    DeviceImage img = factoryImage();
    EXPECT_NE(WriteConfigurationFile(img, dir.filePath("no/such/dir/x.cnt")), 0);
    QFile f(p);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("old contents"));
}
