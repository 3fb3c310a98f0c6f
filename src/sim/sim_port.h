#pragma once
// A BytePort wired straight to a SimEngine in the same process: what is written is
// answered at once and a short read returns at once, so nothing ever waits.

#include "link/byte_port.h"
#include "sim/sim_engine.h"

namespace zel::sim {

class SimEnginePort : public BytePort {
public:
    explicit SimEnginePort(SimEngine& engine, QString name = QStringLiteral("SIM")) : engine_(engine), name_(std::move(name)) {}

    QString name() const override { return name_; }
    bool open() override
    {
        open_ = !engine_.hungUp();
        rx_.clear();
        return open_;
    }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    bool clear() override
    {
        rx_.clear();
        return open_ && !engine_.hungUp();
    }
    bool write(const std::uint8_t* data, int n) override
    {
        if (!open_ || engine_.hungUp())
            return false;
        rx_ += engine_.receive(QByteArray(reinterpret_cast<const char*>(data), n));
        return true;
    }
    int read(std::uint8_t* data, int n) override
    {
        if (!open_ || (rx_.isEmpty() && engine_.hungUp()))
            return -1;
        const int k = std::min<int>(n, int(rx_.size()));
        std::copy(rx_.constBegin(), rx_.constBegin() + k, data);
        rx_.remove(0, k);
        return k;
    }

private:
    SimEngine& engine_;
    QString name_;
    QByteArray rx_;
    bool open_ = false;
};

} // namespace zel::sim
