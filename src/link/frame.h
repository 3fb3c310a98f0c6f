#pragma once
// Request frames, the frame checksum and the command codes of the controller link.

#include <QByteArray>
#include <cstdint>

namespace zel {

constexpr std::uint8_t kFrameStart = 0x05;
constexpr int kMaxChunk = 256;
constexpr int kFrameOverhead = 5;        // start, code, length (2), checksum
constexpr int kStatusReplySize = 6;
constexpr int kAreaWriteReplySize = 13;
constexpr int kAreaReadRequestSize = 13;
constexpr int areaReadReplySize(int count) { return count + 11; }

namespace Cmd {
constexpr std::uint8_t Identify = 5;
constexpr std::uint8_t Status = 12;
constexpr std::uint8_t SetClock = 13;
constexpr std::uint8_t KeyCode = 14;
constexpr std::uint8_t Apply = 15;
constexpr std::uint8_t Restart = 16;
constexpr std::uint8_t Password = 17;
constexpr std::uint8_t DeviceControl = 20;
constexpr std::uint8_t Query21 = 21;
} // namespace Cmd

constexpr int kIdentitySize = 88;
constexpr int kStatusBlockSize = 56;
constexpr int kKeyCodeSize = 12;
constexpr int kPasswordPayloadSize = 9;
constexpr int kClockPayloadSize = 6;
constexpr int kControlPayloadSize = 3;

// The negated XOR of n bytes: (0x100 - x) & 0xFF.
std::uint8_t FrameChecksum(const std::uint8_t* bytes, int n);

// 05, code, L (little-endian), payload, checksum.
QByteArray BuildRequest(std::uint8_t code, const std::uint8_t* payload = nullptr, int size = 0);
// A reply frame of the same layout, as the controller sends it.
inline QByteArray BuildReply(std::uint8_t code, const QByteArray& body)
{
    return BuildRequest(code, reinterpret_cast<const std::uint8_t*>(body.constData()), int(body.size()));
}

// True when byte n-1 is the checksum of bytes 1..n-2.
bool FrameChecksumValid(const std::uint8_t* frame, int n);

// Area command codes; -1 for an area number the controller does not have (outside 1-7).
int AreaWriteCode(int area);
int AreaReadCode(int area);
// Area number for an area command code, 0 if the code is not an area command.
int AreaForWriteCode(int code);
int AreaForReadCode(int code);

void putU16(std::uint8_t* p, std::uint16_t v);
void putU32(std::uint8_t* p, std::uint32_t v);
std::uint16_t getU16(const std::uint8_t* p);
std::uint32_t getU32(const std::uint8_t* p);

} // namespace zel
