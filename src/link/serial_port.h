#pragma once
// BytePort over a real serial line (or anything QSerialPort opens: a pseudo-terminal,
// a symbolic link to one). The QSerialPort object is created in open() and destroyed
// in close(), so the port lives entirely on the thread that runs the operation.

#include "link/byte_port.h"

#include <memory>

class QSerialPort;

namespace zel {

class SerialBytePort : public BytePort {
public:
    explicit SerialBytePort(QString portName);
    ~SerialBytePort() override;

    QString name() const override { return name_; }
    bool open() override;
    void close() override;
    bool isOpen() const override;
    bool clear() override;
    bool write(const std::uint8_t* data, int n) override;
    int read(std::uint8_t* data, int n) override;

private:
    bool failed() const;

    QString name_;
    std::unique_ptr<QSerialPort> port_;
};

} // namespace zel
