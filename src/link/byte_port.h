#pragma once
// The link talks to the controller through this small byte port. The product binds it
// to a serial port; tests bind it to scripted or simulated ports.

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace zel {

// Line time-outs of the controller link.
constexpr int kInterByteTimeoutMs = 500;
constexpr int readTimeoutMs(int n) { return 100 + 3 * n; }
constexpr int writeTimeoutMs(int n) { return 200 + 4 * n; }
constexpr int kLineBaudRate = 19200;

class BytePort {
public:
    virtual ~BytePort() = default;

    virtual QString name() const = 0;
    // False when the port cannot be opened; never throws.
    virtual bool open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Discards pending input and output. False on a port error.
    virtual bool clear() = 0;
    // Writes all n bytes within the write time-out. False on a port error.
    virtual bool write(const std::uint8_t* data, int n) = 0;
    // Reads up to n bytes within the read time-outs: returns the count that arrived
    // (possibly fewer than n, possibly 0), or -1 on a port error.
    virtual int read(std::uint8_t* data, int n) = 0;
};

using BytePortFactory = std::function<std::unique_ptr<BytePort>()>;

} // namespace zel
