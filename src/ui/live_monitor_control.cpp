#include "ui/live_monitor_control.h"

#include "link/identity.h"
#include "monitor/main_panel_control.h"
#include "ui/main_window.h"
#include "ui/pages/device/device_panel.h"
#include "ui/pages/inputs/arm_in_panel.h"
#include "ui/pages/inputs/input_page_panel.h"
#include "ui/pages/inputs/power_panel.h"
#include "ui/pages/outputs/clock_panel.h"

#include <QPointer>

namespace zel {

namespace {

constexpr char kNotConnected[] = "NC";

template <class Panel>
Panel* panelAs(TForm1& window, int page)
{
    return dynamic_cast<Panel*>(window.panelOfPage(page));
}

// Connects `signal` to `slot` on `receiver`'s (the UI) thread. Updates still queued when
// the monitor is destroyed are dropped, so a stopped monitor never overwrites what the
// next user of the port shows.
template <class Signal, class Receiver, class Slot>
void feed(TMainPanelControl* monitor, Signal signal, Receiver* receiver, Slot slot)
{
    if (!receiver)
        return;
    QPointer<TMainPanelControl> alive(monitor);
    QObject::connect(monitor, signal, receiver, [alive, slot](auto&&... args) {
        if (alive)
            slot(std::forward<decltype(args)>(args)...);
    }, Qt::QueuedConnection);
}

void wire(TForm1& window, TMainPanelControl* m)
{
    using M = TMainPanelControl;
    TForm1* w = &window;

    feed(m, &M::connectionText, w, [w](const QString& text) {
        w->setStatusText(1, text == QLatin1String(kNotConnected) ? text : w->portDisplayName());
    });
    feed(m, &M::identityShown, w, [w](const IdentityTexts& t) { w->setStatusText(2, t.version); });
    feed(m, &M::linkStatusText, w, [w](const QString& text) { w->setStatusText(3, text); });

    if (auto* device = panelAs<DevicePanel>(window, TMainPanelControl::kDevicePage)) {
        feed(m, &M::identityShown, device, [device](const IdentityTexts& t) { device->showIdentity(t); });
        feed(m, &M::linkStatusText, device, [device](const QString& text) { device->TMPLabel->setText(text); });
        feed(m, &M::actionText, device, [device](const QString& text, quint32 rgb) { device->setActionText(text, rgb); });
        feed(m, &M::deviceStatus, device, [device](const StatusBlock& s) { device->showDeviceStatus(s); });
        feed(m, &M::deviceStatusUnavailable, device, [device] { device->showDeviceStatusUnavailable(); });
    }
    if (auto* clock = panelAs<ClockSchedulerPanel>(window, TMainPanelControl::kClockPage)) {
        feed(m, &M::computerTime, clock, [clock](const QDateTime& now) { clock->showComputerTime(now); });
        feed(m, &M::controllerTime, clock, [clock](int y, int mo, int d, int h, int mi, int s) {
            clock->showControllerTime(y, mo, d, h, mi, s);
        });
        // The flag is an atomic of the clock page; reading it from the monitor is safe.
        m->setEditingProbe([clock] { return clock->isEditingControllerTime(); });
    }
    if (auto* power = panelAs<PowerPanel>(window, TMainPanelControl::kPowerPage)) {
        feed(m, &M::powerStatus, power, [power](int battery, int supply) {
            power->showBatteryCharge(battery);
            power->showMainSupply(supply);
        });
        feed(m, &M::powerStatusUnavailable, power, [power] { power->showStatusUnavailable(); });
        feed(m, &M::temperature, power, [power](bool available, int celsius) {
            power->showBoardTemperature(available, celsius);
        });
    }
    if (auto* armIn = panelAs<ArmInPanel>(window, TMainPanelControl::kArmInPage)) {
        feed(m, &M::keyPresented, armIn, [armIn](const QString& code) { armIn->showPresentedKey(code); });
        feed(m, &M::keyAbsent, armIn, [armIn] { armIn->showNoKeyPresented(); });
        feed(m, &M::keyReadingRefused, armIn, [armIn] { armIn->showKeyReadingRefused(); });
    }
    if (auto* input = panelAs<InputPagePanel>(window, TMainPanelControl::kFirstInputPage)) {
        feed(m, &M::inputValue, input, [w, input](int page, int raw, bool valid) {
            // A reading taken just before a page switch belongs to the page left.
            if (w->currentPage() == page)
                input->ShowLiveInputValue(raw, valid);
        });
    }

    // The page on screen: the monitor reads it at the start of each cycle. The
    // administrative password follows the image, which the page switch has just packed.
    auto follow = [w, alive = QPointer<TMainPanelControl>(m)] {
        if (!alive)
            return;
        alive->setPage(w->currentPage());
        alive->setPassword(PasswordPayload(w->image()));
    };
    QObject::connect(window.tree(), &QTreeWidget::currentItemChanged, m, follow);
    follow();
}

} // namespace

void startLiveMonitor(TForm1& window)
{
    if (window.liveMonitorHandle())
        return;
    auto* monitor = new TMainPanelControl(window.portName());
    monitor->setLinkStatusTexts(window.interfaceTexts().LinkStatusTexts);
    wire(window, monitor);
    window.liveMonitorHandle() = monitor;
    monitor->start(QThread::NormalPriority);
}

void stopLiveMonitor(TForm1& window)
{
    QObject*& handle = window.liveMonitorHandle();
    if (!handle)
        return;
    auto* monitor = qobject_cast<TMainPanelControl*>(handle);
    if (monitor)
        monitor->stopAndWait();
    delete handle;
    handle = nullptr;
}

TMainPanelControl* liveMonitor(TForm1& window)
{
    return qobject_cast<TMainPanelControl*>(window.liveMonitorHandle());
}

bool liveMonitorAnswered(TForm1& window)
{
    const TMainPanelControl* m = liveMonitor(window);
    return m && m->answered();
}

} // namespace zel
