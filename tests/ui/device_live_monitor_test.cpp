#include "monitor/main_panel_control.h"
#include "sim/sim_engine.h"
#include "sim/sim_host.h"
#include "ui/live_monitor_control.h"
#include "ui/main_window.h"
#include "ui/pages/device/device_panel.h"
#include "ui/pages/inputs/power_panel.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace zel;

namespace {

bool waitFor(const std::function<bool()>& done, int timeoutMs = 10000)
{
    QElapsedTimer t;
    t.start();
    QTimer tick; // only so that the time-out is noticed while nothing arrives
    tick.start(50);
    while (!done()) {
        if (t.elapsed() >= timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// The window's live monitor against the simulated controller on a pseudo-terminal.
class WindowLiveMonitor : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        engine.setLive([](sim::LiveState& l) {
            l.battery = 87;
            l.outputs = 0x02;
            l.guardMode = 2;
        });
        port = host.start();
        ASSERT_FALSE(port.isEmpty());
        StartOptions o;
        o.portName = port;
        o.startTimer = false;
        window = std::make_unique<TForm1>(o);
        device = dynamic_cast<DevicePanel*>(window->panelOfPage(0));
        ASSERT_NE(device, nullptr);
    }
    void TearDown() override
    {
        if (window)
            stopLiveMonitor(*window);
        window.reset();
        host.stop();
        QDir::setCurrent(previous);
    }

    QTemporaryDir dir;
    QString previous;
    sim::SimEngine engine;
    sim::SimHost host{engine};
    QString port;
    std::unique_ptr<TForm1> window;
    DevicePanel* device = nullptr;
};

TEST_F(WindowLiveMonitor, FeedsTheDevicePageStatusBarAndPowerPage)
{
    startLiveMonitor(*window);
    ASSERT_NE(liveMonitor(*window), nullptr);
    ASSERT_TRUE(waitFor([&] { return device->iDeviceNameLabel->text() == "ZEL470"; }));
    EXPECT_EQ(window->statusText(2), QStringLiteral("KV-20M.01.04"));
    ASSERT_TRUE(waitFor([&] { return device->PanelArmDisarmStatus->text() == QStringLiteral("ОХРАНА"); }));
    EXPECT_EQ(device->PanelOut[1]->palette().color(QPalette::Window), QColor(0, 255, 0));
    EXPECT_EQ(window->statusText(1), window->portDisplayName());
    EXPECT_TRUE(liveMonitorAnswered(*window));

    // The monitor follows the page on screen.
    window->selectPage(15);
    auto* power = dynamic_cast<PowerPanel*>(window->panelOfPage(15));
    ASSERT_NE(power, nullptr);
    ASSERT_TRUE(waitFor([&] { return power->Label17->text() == QStringLiteral("87%"); }));
    EXPECT_EQ(liveMonitor(*window)->page(), 15);

    // Unplugged: NC, the empty identity and an empty device version.
    window->selectPage(0);
    host.stop();
    ASSERT_TRUE(waitFor([&] { return window->statusText(1) == QStringLiteral("NC"); }));
    ASSERT_TRUE(waitFor([&] { return device->iDeviceNameLabel->text() == QStringLiteral("--------"); }));
    ASSERT_TRUE(waitFor([&] { return window->statusText(2) == QStringLiteral("--------.--.--"); }));
    EXPECT_FALSE(liveMonitorAnswered(*window));
}

TEST_F(WindowLiveMonitor, StopEndsAndForgetsTheMonitor)
{
    startLiveMonitor(*window);
    QObject* first = window->liveMonitorHandle();
    startLiveMonitor(*window); // one monitor at most
    EXPECT_EQ(window->liveMonitorHandle(), first);
    ASSERT_TRUE(waitFor([&] { return liveMonitorAnswered(*window); }));
    QElapsedTimer t;
    t.start();
    stopLiveMonitor(*window);
    EXPECT_LT(t.elapsed(), 2500);
    EXPECT_EQ(window->liveMonitorHandle(), nullptr);
    EXPECT_FALSE(liveMonitorAnswered(*window));
    // What the stopped monitor had still queued does not reach the page any more.
    device->showEmptyIdentity();
    QCoreApplication::processEvents();
    EXPECT_EQ(device->iDeviceNameLabel->text(), QStringLiteral("--------"));
    stopLiveMonitor(*window); // nothing to stop
}

} // namespace
