#include "files/config_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstring>

namespace zel {

std::uint8_t ConfigurationChecksum(const std::uint8_t* bytes, int size)
{
    std::uint8_t x = 0;
    for (int i = 0; i < size; ++i)
        x ^= bytes[i];
    return static_cast<std::uint8_t>(~x + 1);
}

QByteArray BuildConfigurationFile(const DeviceImage& image)
{
    QByteArray header(kConfigFileHeaderTemplate, kConfigFileHeaderSize);
    for (int i = 0; i < 5; ++i)
        header[29 + i] = static_cast<char>(image.byte(3 + i));
    // The header is written up to its first zero byte.
    const int nul = header.indexOf('\0');
    if (nul >= 0)
        header.truncate(nul);
    QByteArray out = header;
    out.append(image.slice(kConfigurationOffset, kConfigurationSize));
    out.append(static_cast<char>(ConfigurationChecksum(image.data() + kConfigurationOffset, kConfigurationSize)));
    return out;
}

int WriteConfigurationFile(DeviceImage& image, const QString& path)
{
    image.setByte(20, 0);
    const QByteArray bytes = BuildConfigurationFile(image);
    // Temporary name and rename: a crash never leaves a half-written file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return 1;
    }
    return file.commit() ? 0 : 1;
}

int ReadConfigurationFile(DeviceImage& image, const QString& path)
{
    if (QFileInfo(path).isDir())
        return ConfigCannotOpen;
    QFile file(path);
    // Read-only access is enough: a write-protected file is still a valid configuration.
    if (!file.open(QIODevice::ReadOnly))
        return ConfigCannotOpen;

    // Only the first 5328 bytes matter; never slurp a huge file.
    QByteArray header("[ZELControllerConfiguration_v--.--]", kConfigFileHeaderSize);
    const QByteArray head = file.read(kConfigFileHeaderSize);
    if (head.isNull() && file.error() != QFileDevice::NoError)
        return ConfigCannotOpen;
    std::memcpy(header.data(), head.constData(), head.size());

    if (std::memcmp(header.constData(), kConfigFileHeaderPrefix, 29) != 0)
        return ConfigUnknownFormat;
    QByteArray expected = QByteArray(kConfigFileHeaderPrefix) + kConfigFormatVersion + "]";
    const int nul = header.indexOf('\0');
    if ((nul >= 0 ? header.left(nul) : header) != expected)
        return ConfigOtherVersion;

    // Read into a scratch buffer: a short or corrupt file leaves the image as it was.
    const QByteArray body = file.read(kConfigurationSize + 1);
    if (file.error() != QFileDevice::NoError)
        return ConfigCannotOpen;
    if (body.size() < kConfigurationSize + 1)
        return ConfigUnknownFormat;
    const auto* data = reinterpret_cast<const std::uint8_t*>(body.constData());
    if (ConfigurationChecksum(data, kConfigurationSize) != data[kConfigurationSize])
        return ConfigUnknownFormat;
    file.close();
    if (file.error() != QFileDevice::NoError)
        return ConfigCannotOpen;
    image.setSlice(kConfigurationOffset, body.left(kConfigurationSize));
    return ConfigLoaded;
}

QString ConfigReadMessage(int result)
{
    switch (result) {
    case ConfigCannotOpen:
        return QStringLiteral("Невозможно открыть файл");
    case ConfigUnknownFormat:
        return QStringLiteral("Неизвестный формат файла");
    case ConfigOtherVersion:
        return QStringLiteral("Несоответствие версий! Файл не может быть использован для конфигурирования этого устройства.");
    default:
        return {};
    }
}

} // namespace zel
