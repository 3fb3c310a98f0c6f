#include "image/device_image.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <cstring>
#include <stdexcept>

namespace zel {

namespace {
constexpr std::array<MemoryAreaInfo, 7> kAreas{{
    {1, kConfigurationOffset, kConfigurationSize, true},
    {2, -1, 0, false},
    {3, -1, 0, false},
    {4, kModeMemoryOffset, kModeMemorySize, true},
    {5, kSystemParametersOffset, kSystemParametersSize, true},
    {6, kControlPhonesOffset, kControlPhonesSize, true},
    {7, -1, 0, false},
}};
} // namespace

const std::array<MemoryAreaInfo, 7>& memoryAreas() { return kAreas; }

const MemoryAreaInfo* findMemoryArea(int number)
{
    for (const auto& a : kAreas)
        if (a.number == number)
            return &a;
    return nullptr;
}

int DeviceImage::checked(int offset, int width)
{
    // A wrong offset is a programming error in a field declaration; fail loudly in tests.
    if (offset < 0 || width < 0 || offset + width > kImageSize)
        throw std::out_of_range("DeviceImage offset out of range");
    return offset;
}

std::uint32_t DeviceImage::uint(int offset, int width) const
{
    checked(offset, width);
    std::uint32_t v = 0;
    for (int i = width - 1; i >= 0; --i)
        v = (v << 8) | bytes_[offset + i];
    return v;
}

void DeviceImage::setUint(int offset, int width, std::uint32_t value)
{
    checked(offset, width);
    for (int i = 0; i < width; ++i) {
        bytes_[offset + i] = static_cast<std::uint8_t>(value & 0xFF);
        value >>= 8;
    }
}

std::uint32_t DeviceImage::bits(int offset, int lowBit, int bitCount) const
{
    const int width = (lowBit + bitCount + 7) / 8;
    const std::uint64_t word = uint(offset, width);
    const std::uint64_t mask = (bitCount >= 32) ? 0xFFFFFFFFull : ((1ull << bitCount) - 1);
    return static_cast<std::uint32_t>((word >> lowBit) & mask);
}

void DeviceImage::setBits(int offset, int lowBit, int bitCount, std::uint32_t value)
{
    const int width = (lowBit + bitCount + 7) / 8;
    checked(offset, width);
    std::uint64_t word = 0;
    for (int i = width - 1; i >= 0; --i)
        word = (word << 8) | bytes_[offset + i];
    const std::uint64_t mask = ((bitCount >= 32) ? 0xFFFFFFFFull : ((1ull << bitCount) - 1)) << lowBit;
    word = (word & ~mask) | ((static_cast<std::uint64_t>(value) << lowBit) & mask);
    for (int i = 0; i < width; ++i) {
        bytes_[offset + i] = static_cast<std::uint8_t>(word & 0xFF);
        word >>= 8;
    }
}

QString DeviceImage::text(int offset, int width) const
{
    checked(offset, width);
    int n = 0;
    while (n < width && bytes_[offset + n] != 0)
        ++n;
    return fromCp1251(QByteArray(reinterpret_cast<const char*>(bytes_.data() + offset), n));
}

void DeviceImage::setText(int offset, int width, const QString& value)
{
    checked(offset, width);
    QByteArray raw = toCp1251(value);
    // A NUL inside the text would end it early anyway; keep the stored field consistent.
    const int nul = raw.indexOf('\0');
    if (nul >= 0)
        raw.truncate(nul);
    if (raw.size() > width - 1)
        raw.truncate(std::max(0, width - 1));
    std::memset(bytes_.data() + offset, 0, width);
    std::memcpy(bytes_.data() + offset, raw.constData(), raw.size());
}

QString DeviceImage::ipv4(int offset) const { return formatIpv4(u32(offset)); }
void DeviceImage::setIpv4(int offset, const QString& dotted) { setU32(offset, parseIpv4(dotted)); }

float DeviceImage::float32(int offset) const
{
    const std::uint32_t raw = u32(offset);
    float f;
    std::memcpy(&f, &raw, sizeof f);
    return f;
}

void DeviceImage::setFloat32(int offset, float value)
{
    std::uint32_t raw;
    std::memcpy(&raw, &value, sizeof raw);
    setU32(offset, raw);
}

QByteArray DeviceImage::slice(int offset, int size) const
{
    checked(offset, size);
    return QByteArray(reinterpret_cast<const char*>(bytes_.data() + offset), size);
}

void DeviceImage::setSlice(int offset, const QByteArray& bytes)
{
    checked(offset, static_cast<int>(bytes.size()));
    std::memcpy(bytes_.data() + offset, bytes.constData(), bytes.size());
}

QByteArray DeviceImage::area(int number) const
{
    const MemoryAreaInfo* a = findMemoryArea(number);
    if (!a || !a->held)
        return {};
    return slice(a->offset, a->size);
}

bool DeviceImage::setArea(int number, const QByteArray& bytes)
{
    const MemoryAreaInfo* a = findMemoryArea(number);
    if (!a || !a->held || bytes.size() != a->size)
        return false;
    setSlice(a->offset, bytes);
    return true;
}

QString fromCp1251(const QByteArray& bytes)
{
    QStringDecoder dec("windows-1251");
    return dec(bytes);
}

QByteArray toCp1251(const QString& text)
{
    QStringEncoder enc("windows-1251");
    return enc(text);
}

std::uint32_t parseIpv4(const QString& dotted)
{
    // Lenient: each group is read as a number (blanks ignored, non-numbers count as 0),
    // a group above 255 is stored as 255.
    const QStringList parts = dotted.split('.');
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
        int n = 0;
        if (i < parts.size()) {
            bool ok = false;
            n = parts[i].trimmed().remove(' ').toInt(&ok);
            if (!ok || n < 0)
                n = 0;
            if (n > 255)
                n = 255;
        }
        v = (v << 8) | static_cast<std::uint32_t>(n);
    }
    return v;
}

QString formatIpv4(std::uint32_t value)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg((value >> 24) & 0xFF)
        .arg((value >> 16) & 0xFF)
        .arg((value >> 8) & 0xFF)
        .arg(value & 0xFF);
}

void RemoveSpaces(DeviceImage& image, int offset, int width)
{
    std::uint8_t* f = image.data() + offset;
    if (offset < 0 || width <= 0 || offset + width > kImageSize)
        return;
    // Each shift replaces one blank by a trailing NUL, so the loop ends.
    int i = 0;
    while (i < width) {
        if (f[i] == ' ') {
            std::memmove(f + i, f + i + 1, width - i - 1);
            f[width - 1] = 0;
            continue;
        }
        ++i;
    }
}

} // namespace zel
