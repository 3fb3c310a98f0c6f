#include "link/frame.h"

namespace zel {

namespace {
struct AreaCodes {
    int write;
    int read;
};
constexpr AreaCodes kAreaCodes[8] = {{-1, -1}, {6, 7}, {1, 2}, {3, 4}, {8, 9}, {18, 19}, {22, 23}, {10, 11}};
} // namespace

std::uint8_t FrameChecksum(const std::uint8_t* bytes, int n)
{
    std::uint8_t x = 0;
    for (int i = 0; i < n; ++i)
        x ^= bytes[i];
    return static_cast<std::uint8_t>((0x100 - x) & 0xFF);
}

QByteArray BuildRequest(std::uint8_t code, const std::uint8_t* payload, int size)
{
    QByteArray frame(size + kFrameOverhead, '\0');
    auto* p = reinterpret_cast<std::uint8_t*>(frame.data());
    p[0] = kFrameStart;
    p[1] = code;
    putU16(p + 2, static_cast<std::uint16_t>(size));
    for (int i = 0; i < size; ++i)
        p[4 + i] = payload[i];
    p[4 + size] = FrameChecksum(p + 1, size + 3);
    return frame;
}

bool FrameChecksumValid(const std::uint8_t* frame, int n)
{
    return n >= kFrameOverhead && FrameChecksum(frame + 1, n - 2) == frame[n - 1];
}

int AreaWriteCode(int area) { return area >= 1 && area <= 7 ? kAreaCodes[area].write : -1; }
int AreaReadCode(int area) { return area >= 1 && area <= 7 ? kAreaCodes[area].read : -1; }

int AreaForWriteCode(int code)
{
    for (int a = 1; a <= 7; ++a)
        if (kAreaCodes[a].write == code)
            return a;
    return 0;
}

int AreaForReadCode(int code)
{
    for (int a = 1; a <= 7; ++a)
        if (kAreaCodes[a].read == code)
            return a;
    return 0;
}

void putU16(std::uint8_t* p, std::uint16_t v)
{
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

void putU32(std::uint8_t* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint16_t getU16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

std::uint32_t getU32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}

} // namespace zel
