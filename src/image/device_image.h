#pragma once
// The configurator's copy of the controller memory: one 23360-byte block,
// divided into memory areas. Everything here is plain data; no widgets, no ports.

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

namespace zel {

constexpr int kImageSize = 23360;

constexpr int kConfigurationOffset = 0;
constexpr int kConfigurationSize = 5292;
constexpr int kModeMemoryOffset = 5292;
constexpr int kModeMemorySize = 10;
constexpr int kSystemParametersOffset = 5304;
constexpr int kSystemParametersSize = 24;
constexpr int kControlPhonesOffset = 5328;
constexpr int kControlPhonesSize = 18032;
constexpr int kControlPhonesHeaderSize = 32;
constexpr int kControlPhoneRecordOffset = 5360;
constexpr int kControlPhoneRecordSize = 36;
constexpr int kControlPhoneRecordCount = 500;

constexpr std::uint8_t kFactoryFormatByte = 0x01;
inline constexpr char kFactoryVersionText[] = "v.01.02";

// A memory area as the link knows it. Areas 2, 3 and 7 exist on the controller but
// the image holds no bytes for them (held == false, offset == -1).
struct MemoryAreaInfo {
    int number;
    int offset;
    int size;
    bool held;
};

// Returns nullptr for an unknown area number.
const MemoryAreaInfo* findMemoryArea(int number);
const std::array<MemoryAreaInfo, 7>& memoryAreas();

class DeviceImage {
public:
    DeviceImage() { bytes_.fill(0); }

    std::uint8_t* data() { return bytes_.data(); }
    const std::uint8_t* data() const { return bytes_.data(); }
    static constexpr int size() { return kImageSize; }

    std::uint8_t byte(int offset) const { return bytes_[checked(offset, 1)]; }
    void setByte(int offset, std::uint8_t value) { bytes_[checked(offset, 1)] = value; }

    // Little-endian unsigned integers of 1 to 4 bytes.
    std::uint32_t uint(int offset, int width) const;
    void setUint(int offset, int width, std::uint32_t value);
    std::uint16_t u16(int offset) const { return static_cast<std::uint16_t>(uint(offset, 2)); }
    void setU16(int offset, std::uint16_t v) { setUint(offset, 2, v); }
    std::uint32_t u32(int offset) const { return uint(offset, 4); }
    void setU32(int offset, std::uint32_t v) { setUint(offset, 4, v); }
    std::int8_t s8(int offset) const { return static_cast<std::int8_t>(byte(offset)); }
    void setS8(int offset, std::int8_t v) { setByte(offset, static_cast<std::uint8_t>(v)); }

    // Bit field of bitCount bits starting at bit lowBit of the little-endian word that
    // begins at offset (lowBit may exceed 7). Writing is read-modify-write: the bits
    // outside the field keep their value.
    std::uint32_t bits(int offset, int lowBit, int bitCount) const;
    void setBits(int offset, int lowBit, int bitCount, std::uint32_t value);
    bool bit(int offset, int bitIndex) const { return bits(offset, bitIndex, 1) != 0; }
    void setBit(int offset, int bitIndex, bool on) { setBits(offset, bitIndex, 1, on ? 1u : 0u); }

    // Windows-1251 text field of width bytes: at most width-1 characters, NUL-padded.
    QString text(int offset, int width) const;
    void setText(int offset, int width, const QString& value);

    // IPv4 address stored in reversed byte order: the first dotted number is the
    // highest byte of a little-endian 32-bit word.
    QString ipv4(int offset) const;
    void setIpv4(int offset, const QString& dotted);

    float float32(int offset) const;
    void setFloat32(int offset, float value);

    QByteArray slice(int offset, int size) const;
    void setSlice(int offset, const QByteArray& bytes);

    // Whole memory area by number; empty for areas the image does not hold.
    QByteArray area(int number) const;
    bool setArea(int number, const QByteArray& bytes);

    bool operator==(const DeviceImage& other) const { return bytes_ == other.bytes_; }

private:
    static int checked(int offset, int width);
    std::array<std::uint8_t, kImageSize> bytes_;
};

// Windows-1251 conversion used for every byte text of the device and the files.
QString fromCp1251(const QByteArray& bytes);
QByteArray toCp1251(const QString& text);

// Dotted IPv4 text <-> the stored 32-bit value (first number in the highest byte).
std::uint32_t parseIpv4(const QString& dotted);
QString formatIpv4(std::uint32_t value);

// Deletes the blanks of a phone-number field in place: every following byte of the
// field moves one place left and the field's last byte becomes NUL. Bytes outside
// the field are not touched.
void RemoveSpaces(DeviceImage& image, int offset, int width = 16);

} // namespace zel
