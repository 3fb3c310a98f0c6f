#pragma once
// Serves a SimEngine on a pseudo-terminal, so that anything that opens a serial port
// by path (QSerialPort, the configurator, zelctl) talks to the simulated controller.
// One thread waits on the master side with poll(); optional pacing releases every byte
// at the line rate (10 bits per byte at 19200 baud) in both directions.

#include "sim/sim_engine.h"

#include <QString>
#include <atomic>
#include <memory>
#include <thread>

namespace zel::sim {

class SimHost {
public:
    explicit SimHost(SimEngine& engine);
    ~SimHost();
    SimHost(const SimHost&) = delete;
    SimHost& operator=(const SimHost&) = delete;

    void setPacing(bool on) { pacing_ = on; }
    // Opens the pseudo-terminal and starts serving; returns the slave's path, or an
    // empty text (and a message) on failure.
    QString start(QString* error = nullptr);
    void stop();
    bool running() const { return thread_.joinable(); }
    QString slavePath() const { return slavePath_; }
    // The line went away (hang-up fault); the host no longer serves.
    bool hungUp() const { return hungUp_.load(); }

private:
    void serve();
    void closeFds();

    SimEngine& engine_;
    bool pacing_ = false;
    int master_ = -1;
    int slave_ = -1;
    int wake_[2] = {-1, -1};
    QString slavePath_;
    std::thread thread_;
    std::atomic<bool> hungUp_{false};
};

} // namespace zel::sim
