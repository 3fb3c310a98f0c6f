#include "link/serial_port.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QSerialPort>
#include <thread>

#ifdef Q_OS_UNIX
#include <termios.h>
#endif

namespace zel {

SerialBytePort::SerialBytePort(QString portName) : name_(std::move(portName)) {}

SerialBytePort::~SerialBytePort() { close(); }

bool SerialBytePort::open()
{
    close();
    port_ = std::make_unique<QSerialPort>();
    port_->setPortName(name_);
    if (!port_->open(QIODevice::ReadWrite)) {
        port_.reset();
        return false;
    }
    const bool configured = port_->setBaudRate(kLineBaudRate)
        && port_->setDataBits(QSerialPort::Data8)
        && port_->setParity(QSerialPort::NoParity)
        && port_->setStopBits(QSerialPort::OneStop)
        && port_->setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        port_.reset();
        return false;
    }
    // A pseudo-terminal has no modem lines; failing to raise them is not an error.
    port_->setDataTerminalReady(true);
    port_->setRequestToSend(true);
    port_->clearError();
    port_->clear(QSerialPort::AllDirections);
    return true;
}

void SerialBytePort::close()
{
    if (port_) {
        if (port_->isOpen())
            port_->close();
        port_.reset();
    }
}

bool SerialBytePort::isOpen() const { return port_ && port_->isOpen(); }

bool SerialBytePort::failed() const
{
    const auto e = port_->error();
    return e != QSerialPort::NoError && e != QSerialPort::TimeoutError
        && e != QSerialPort::UnsupportedOperationError;
}

bool SerialBytePort::clear()
{
    if (!isOpen())
        return false;
    port_->clearError();
    port_->clear(QSerialPort::AllDirections);
    port_->readAll(); // whatever the driver buffer still held
    return !failed();
}

bool SerialBytePort::write(const std::uint8_t* data, int n)
{
    if (!isOpen())
        return false;
    port_->clearError();
    if (n <= 0)
        return true;
    QElapsedTimer sending;
    sending.start();
    if (port_->write(reinterpret_cast<const char*>(data), n) != n)
        return false;
    QDeadlineTimer deadline(writeTimeoutMs(n));
    while (port_->bytesToWrite() > 0) {
        if (!port_->waitForBytesWritten(static_cast<int>(deadline.remainingTime())) || deadline.hasExpired()) {
            if (port_->bytesToWrite() != 0 || failed())
                return false;
        }
    }
    if (failed())
        return false;
    // The reply time-outs count from the end of the request, so a write ends when the
    // bytes have left the line, not when the driver took them.
#ifdef Q_OS_UNIX
    ::tcdrain(int(port_->handle()));
#endif
    // A pseudo-terminal drains at once; hold the write for the line time it would take.
    const qint64 lineNs = qint64(n) * 10 * 1'000'000'000 / kLineBaudRate;
    const qint64 left = lineNs - sending.nsecsElapsed();
    if (left > 0)
        std::this_thread::sleep_for(std::chrono::nanoseconds(left));
    return true;
}

int SerialBytePort::read(std::uint8_t* data, int n)
{
    if (!isOpen())
        return -1;
    port_->clearError();
    int got = 0;
    QDeadlineTimer total(readTimeoutMs(n));
    while (got < n) {
        const qint64 r = port_->read(reinterpret_cast<char*>(data) + got, n - got);
        if (r < 0)
            return -1;
        got += static_cast<int>(r);
        if (got >= n)
            break;
        const qint64 left = total.remainingTime();
        if (left <= 0)
            break;
        const int wait = static_cast<int>(std::min<qint64>(left, kInterByteTimeoutMs));
        if (!port_->waitForReadyRead(wait)) {
            if (failed())
                return -1;
            if (port_->bytesAvailable() == 0 && (wait == kInterByteTimeoutMs || total.hasExpired()))
                break;
        }
    }
    return got;
}

} // namespace zel
