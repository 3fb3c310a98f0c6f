#include "sim/sim_host.h"

#include "link/byte_port.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace zel::sim {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kByteTime = std::chrono::nanoseconds(1'000'000'000LL * 10 / kLineBaudRate);

void setNonBlocking(int fd) { ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK); }

} // namespace

SimHost::SimHost(SimEngine& engine) : engine_(engine) {}

SimHost::~SimHost() { stop(); }

QString SimHost::start(QString* error)
{
    if (running())
        return slavePath_;
    char name[256] = {};
    if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
        if (error)
            *error = QStringLiteral("openpty: ") + QString::fromLocal8Bit(std::strerror(errno));
        return {};
    }
    // Raw line on both sides: no echo, no line editing, no CR/LF translation. The host
    // keeps the slave open so the line survives the configurator closing its port.
    termios tio{};
    ::tcgetattr(slave_, &tio);
    ::cfmakeraw(&tio);
    ::cfsetspeed(&tio, B19200);
    ::tcsetattr(slave_, TCSANOW, &tio);
    ::fcntl(master_, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave_, F_SETFD, FD_CLOEXEC);
    setNonBlocking(master_);
    if (::pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0) {
        if (error)
            *error = QStringLiteral("pipe: ") + QString::fromLocal8Bit(std::strerror(errno));
        closeFds();
        return {};
    }
    slavePath_ = QString::fromLocal8Bit(name);
    hungUp_ = false;
    thread_ = std::thread([this] { serve(); });
    return slavePath_;
}

void SimHost::stop()
{
    if (thread_.joinable()) {
        const char c = 'x';
        [[maybe_unused]] const auto n = ::write(wake_[1], &c, 1);
        thread_.join();
    }
    closeFds();
}

void SimHost::closeFds()
{
    for (int* fd : {&master_, &slave_, &wake_[0], &wake_[1]})
        if (*fd >= 0) {
            ::close(*fd);
            *fd = -1;
        }
}

void SimHost::serve()
{
    struct Segment {
        QByteArray bytes;
        Clock::time_point readyAt;
    };
    constexpr int kBatch = 8; // bytes released per wake-up when pacing
    std::deque<Segment> out;
    Clock::time_point rxLineFree{}; // when the last received byte has fully arrived on a real line
    Clock::time_point txLineFree{}; // when the last byte we sent has fully left
    std::uint8_t buf[4096];

    for (;;) {
        const auto now = Clock::now();
        bool wantPollOut = false;
        bool timed = false;
        Clock::time_point wakeAt{};
        while (!out.empty() && !hungUp_) {
            Segment& s = out.front();
            qsizetype due = s.bytes.size();
            if (pacing_) {
                txLineFree = std::max(txLineFree, s.readyAt);
                const auto done = (now - txLineFree) / kByteTime;
                if (done <= 0) {
                    timed = true;
                    wakeAt = txLineFree + kByteTime * std::min<qsizetype>(due, kBatch);
                    break;
                }
                due = std::min<qsizetype>(due, qsizetype(done));
            }
            const ssize_t n = ::write(master_, s.bytes.constData(), size_t(due));
            if (n < 0) {
                if (errno == EAGAIN || errno == EINTR)
                    wantPollOut = true;
                else
                    hungUp_ = true;
                break;
            }
            if (pacing_)
                txLineFree += kByteTime * n;
            s.bytes.remove(0, qsizetype(n));
            if (s.bytes.isEmpty()) {
                out.pop_front();
            } else if (n < due) {
                wantPollOut = true; // the terminal's buffer is full
                break;
            } else if (pacing_) {
                timed = true;
                wakeAt = txLineFree + kByteTime * std::min<qsizetype>(s.bytes.size(), kBatch);
                break;
            }
        }
        if (hungUp_ || engine_.hungUp()) {
            hungUp_ = true;
            // Dropping both ends makes every read on the slave fail, as an unplugged
            // adapter would.
            ::close(master_);
            master_ = -1;
            ::close(slave_);
            slave_ = -1;
            pollfd w{wake_[0], POLLIN, 0};
            while (::poll(&w, 1, -1) < 0 && errno == EINTR) {
            }
            return;
        }

        pollfd fds[2] = {{master_, short(POLLIN | (wantPollOut ? POLLOUT : 0)), 0}, {wake_[0], POLLIN, 0}};
        timespec timeout{};
        timespec* tp = nullptr;
        if (timed) {
            const auto ns = std::max<long long>(
                0, std::chrono::duration_cast<std::chrono::nanoseconds>(wakeAt - Clock::now()).count());
            timeout.tv_sec = time_t(ns / 1'000'000'000);
            timeout.tv_nsec = long(ns % 1'000'000'000);
            tp = &timeout;
        }
        const int r = ::ppoll(fds, 2, tp, nullptr);
        if (r < 0) {
            if (errno != EINTR)
                hungUp_ = true;
            continue;
        }
        if (fds[1].revents)
            return;
        if (fds[0].revents & POLLIN) {
            const ssize_t n = ::read(master_, buf, sizeof buf);
            if (n > 0) {
                const auto at = Clock::now();
                rxLineFree = std::max(rxLineFree, at) + kByteTime * n;
                const QByteArray reply = engine_.receive(QByteArray(reinterpret_cast<const char*>(buf), int(n)));
                if (!reply.isEmpty())
                    out.push_back({reply, pacing_ ? rxLineFree : at});
            }
        }
    }
}

} // namespace zel::sim
