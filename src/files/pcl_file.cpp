#include "files/pcl_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <array>
#include <cstring>

namespace zel {

std::uint32_t Crc32(const QByteArray& bytes)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (char ch : bytes)
        crc = table[(crc ^ static_cast<std::uint8_t>(ch)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

QByteArray BuildControlPhonesFile(const DeviceImage& image)
{
    const QByteArray area = image.area(6);
    QByteArray out(kPclHeader);
    out.append("\r\n");
    out.append(area);
    const std::uint32_t crc = Crc32(area);
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((crc >> (8 * i)) & 0xFF));
    return out;
}

int ReadControlPhonesFile(DeviceImage& image, const QString& path)
{
    if (QFileInfo(path).isDir())
        return 1;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    QByteArray header(kPclHeaderTemplate, 29);
    const QByteArray head = file.read(29);
    if (file.error() != QFileDevice::NoError)
        return 1;
    std::memcpy(header.data(), head.constData(), head.size());
    if (header != QByteArray(kPclHeader))
        return 2;
    // One byte more than a list file holds tells an oversized file apart.
    const QByteArray rest = file.read(kPclFileSize - 29 + 1);
    if (file.error() != QFileDevice::NoError)
        return 1;
    if (rest.size() != kPclFileSize - 29 || !rest.startsWith("\r\n"))
        return 2;
    const QByteArray area = rest.mid(2, kControlPhonesSize);
    std::uint32_t stored = 0;
    for (int i = 3; i >= 0; --i)
        stored = (stored << 8) | static_cast<std::uint8_t>(rest[2 + kControlPhonesSize + i]);
    if (stored != Crc32(area))
        return 2;
    image.setArea(6, area);
    return 0;
}

int WriteControlPhonesFile(const DeviceImage& image, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    const QByteArray bytes = BuildControlPhonesFile(image);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return 1;
    }
    return file.commit() ? 0 : 1;
}

} // namespace zel
