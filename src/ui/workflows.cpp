// The device workflows of the main window (read, program, reconfigure, compare,
// restart, factory configuration, IMEI) and the device commands. Each step runs in a
// TReadData; the window waits for it in a local event loop that repaints but takes no
// user input, so the progress bar and ActionName move while nothing can re-enter.

#include "files/config_file.h"
#include "image/configuration.h"
#include "link/readdata.h"
#include "link/sequences.h"
#include "link/serial_port.h"
#include "monitor/main_panel_control.h"
#include "ui/dialogs/clear_config_dialog.h"
#include "ui/live_monitor_control.h"
#include "ui/main_window.h"
#include "ui/pages/device/device_panel.h"
#include "ui/pages/outputs/clock_panel.h"
#include "ui/pages/section_panel.h"

#include <QCheckBox>
#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMetaObject>
#include <QProgressBar>

namespace zel {

namespace {

// The window's port: a serial port by name that applies the after-open rule.
class WindowPort : public BytePort {
public:
    WindowPort(TForm1* window, const QString& name, const QString& displayName)
        : window_(window), port_(name), displayName_(displayName)
    {
    }
    QString name() const override { return port_.name(); }
    bool open() override
    {
        if (!port_.open())
            return false;
        // Opened on a worker or monitor thread; the panel belongs to the UI thread.
        QMetaObject::invokeMethod(
            window_, [w = window_, text = displayName_] { w->setStatusText(1, text); }, Qt::QueuedConnection);
        return true;
    }
    void close() override { port_.close(); }
    bool isOpen() const override { return port_.isOpen(); }
    bool clear() override { return port_.clear(); }
    bool write(const std::uint8_t* data, int n) override { return port_.write(data, n); }
    int read(std::uint8_t* data, int n) override { return port_.read(data, n); }

private:
    TForm1* window_;
    SerialBytePort port_;
    QString displayName_;
};

ReportColour colourOfRgb(quint32 rgb)
{
    if (rgb == reportRgb(ReportColour::Blue))
        return ReportColour::Blue;
    if (rgb == reportRgb(ReportColour::Red))
        return ReportColour::Red;
    return ReportColour::Black;
}

} // namespace

std::unique_ptr<BytePort> TForm1::makePort()
{
    return std::make_unique<WindowPort>(this, portName_, portDisplayName());
}

int TForm1::runLinkStep(BytePort& port, const LinkRequest& request, const LinkCallbacks& callbacks)
{
    std::unique_ptr<TReadData> worker;
    if (request.operation >= 0 && request.operation <= 2)
        worker = std::make_unique<TReadData>(port, request.baseAddress, request.size, request.buffer, request.area,
                                             request.operation);
    else
        worker = std::make_unique<TReadData>(port, request.size, request.buffer, request.operation);
    worker->setStatusTexts(callbacks.texts);
    // Emitted on the worker thread, delivered here in order and before the end.
    if (callbacks.report)
        connect(worker.get(), &TReadData::reported, this,
                [report = callbacks.report](const QString& text, quint32 rgb) { report(text, colourOfRgb(rgb)); });
    if (callbacks.progress)
        connect(worker.get(), &TReadData::progressed, this, [progress = callbacks.progress](int position, int maximum) {
            progress(position, maximum);
        });
    QEventLoop loop;
    connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    worker->start(QThread::NormalPriority);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    return worker->result();
}

QWidget* TForm1::devicePage() const
{
    return panelOfPage(0);
}

QLabel* TForm1::actionLabel() const
{
    return devicePage()->findChild<QLabel*>(QStringLiteral("ActionName"));
}

QProgressBar* TForm1::transferProgress() const
{
    return devicePage()->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
}

QCheckBox* TForm1::clearSaveAreaBox() const
{
    return devicePage()->findChild<QCheckBox*>(QStringLiteral("CheckBoxClearSaveArea"));
}

void TForm1::reportAction(const QString& text, ReportColour colour)
{
    if (auto* device = qobject_cast<DevicePanel*>(devicePage()))
        device->setActionText(text, reportRgb(colour));
}

void TForm1::reportHidden(const QString& text)
{
    tmpLabelText_ = text;
    if (auto* device = qobject_cast<DevicePanel*>(devicePage()))
        device->TMPLabel->setText(text);
}

void TForm1::ShowIdentity(const IdentityTexts& identity)
{
    if (auto* device = qobject_cast<DevicePanel*>(devicePage()))
        device->showIdentity(identity);
    setStatusText(2, identity.version);
}

bool TForm1::liveMonitorAnswered() const
{
    const auto* monitor = qobject_cast<const TMainPanelControl*>(liveMonitor_);
    return !monitor || monitor->answered();
}

int TForm1::runStep(BytePort& port, LinkOperation op, int area, std::uint8_t* buffer, int size, bool hidden)
{
    LinkCallbacks cb;
    cb.texts = texts_.LinkStatusTexts;
    cb.report = [this, hidden](const QString& text, ReportColour colour) {
        lastStepText_ = text;
        if (hidden)
            reportHidden(text);
        else
            reportAction(text, colour);
    };
    if (area != 0)
        if (QProgressBar* bar = transferProgress())
            cb.progress = [bar](int position, int maximum) {
                bar->setMaximum(maximum);
                bar->setValue(position);
            };
    lastStepText_.clear();
    return runLinkStep(port, LinkRequest{int(op), area, buffer, size, 0}, cb);
}

SequenceHooks TForm1::workflowHooks(BytePort& port)
{
    SequenceHooks hooks;
    hooks.port = &port;
    hooks.texts = texts_.LinkStatusTexts;
    hooks.report = [this](const QString& text, ReportColour colour) { reportAction(text, colour); };
    hooks.hiddenReport = [this](const QString& text, ReportColour) { reportHidden(text); };
    if (QProgressBar* bar = transferProgress())
        hooks.progress = [bar](int position, int maximum) {
            bar->setMaximum(maximum);
            bar->setValue(position);
        };
    hooks.showIdentity = [this](const IdentityTexts& identity) {
        ShowIdentity(identity);
        repaint();
    };
    hooks.runner = [this](BytePort& p, const LinkRequest& request, const LinkCallbacks& callbacks) {
        return runLinkStep(p, request, callbacks);
    };
    return hooks;
}

void TForm1::openWorkflow()
{
    StopLiveMonitor();
    // The page switch packs the page that was shown, so its edits take part.
    selectPage(0);
    DisableDeviceActions();
    repaint();
}

void TForm1::closeWorkflow()
{
    EnableDeviceActions();
    StartLiveMonitor();
}

int TForm1::sendAdministrativePassword(BytePort& port)
{
    auto payload = PasswordPayload(image_);
    return runStep(port, LinkOperation::SendPassword, 0, payload.data(), int(payload.size()));
}

void TForm1::restartEnding(BytePort& port)
{
    std::uint8_t zero = 0;
    runStep(port, LinkOperation::Restart, 0, &zero, 1); // the controller restarts; its answer is not judged
    ShowIdentity(EmptyIdentityTexts());
    // The restarting controller gets 3 s of quiet before the monitor polls it again.
    Timer2->setInterval(3000);
    Timer2->start();
}

void TForm1::ReadConfExecute()
{
    openWorkflow();
    auto port = makePort();
    SequenceHooks hooks = workflowHooks(*port);
    const SequenceResult result = ReadSequence(hooks, image_);
    if (result.outcome == SequenceOutcome::InvalidConfiguration)
        setStatusText(0, QString::fromLatin1(kDefaultConfigFileName));
    closeWorkflow();
}

void TForm1::ProgrammExecute()
{
    writeConfiguration(true);
}

void TForm1::ReconfigurateExecute()
{
    writeConfiguration(false);
}

// Program (with the restart) and Reconfigure (without) share everything else.
void TForm1::writeConfiguration(bool restart)
{
    openWorkflow();
    auto port = makePort();
    SequenceHooks hooks = workflowHooks(*port);
    SequenceOptions options;
    if (QCheckBox* box = clearSaveAreaBox())
        options.clearModeMemory = box->isChecked();
    const SequenceResult result = restart ? ProgramSequence(hooks, image_, options)
                                          : ReconfigureSequence(hooks, image_, options);
    if (result.outcome == SequenceOutcome::HardwareRefused) {
        selectPage(result.hardware.page);
        showWarning(QString::fromUtf8(kHardwareCheckCaption), result.hardware.message);
    }
    if (result.restartSent) {
        // The sequence sent the restart and showed the empty identity.
        Timer2->setInterval(3000);
        Timer2->start();
        return;
    }
    closeWorkflow();
}

void TForm1::CompareConfExecute()
{
    openWorkflow();
    auto port = makePort();
    SequenceHooks hooks = workflowHooks(*port);
    CompareSequence(hooks, image_);
    closeWorkflow();
}

void TForm1::ResetExecute()
{
    openWorkflow();
    auto port = makePort();
    SequenceHooks hooks = workflowHooks(*port);
    if (IdentifySequence(hooks).ok() && sendAdministrativePassword(*port) == 0) {
        restartEnding(*port);
        return;
    }
    closeWorkflow();
}

void TForm1::ReadIMEICodeExecute()
{
    openWorkflow();
    auto port = makePort();
    SequenceHooks hooks = workflowHooks(*port);
    const SequenceResult result = IdentifySequence(hooks);
    if (result.ok() && sendAdministrativePassword(*port) == 0) {
        // The IMEI as the identity group shows it.
        auto* device = qobject_cast<DevicePanel*>(devicePage());
        const QString imei = device ? device->iGSMIMEILabel->text() : result.identity.imei;
        QGuiApplication::clipboard()->setText(QStringLiteral("IMEI: ") + imei);
    }
    closeWorkflow();
}

void TForm1::FactoryConfigExecute()
{
    openWorkflow();
    auto port = makePort();
    SequenceHooks hooks = workflowHooks(*port);
    if (!IdentifySequence(hooks).ok()) {
        closeWorkflow();
        return;
    }
    auto empty = PasswordPayload(QByteArray());
    if (runStep(*port, LinkOperation::SendPassword, 0, empty.data(), int(empty.size())) != 0) {
        // Only a refusal starts the countdown; a broken exchange just ends here.
        if (lastStepText_ != linkText(texts_.LinkStatusTexts, TextPasswordRequired)) {
            closeWorkflow();
            return;
        }
        // The controller gives up its configuration only after staying connected and
        // polled for the whole countdown; the monitor keeps polling meanwhile.
        StartLiveMonitor();
        bool completed = false;
        {
            TFormClearConfig dialog([this] { return !liveMonitorAnswered(); }, options_.factoryCountdownSeconds,
                                    this);
            emit clearConfigDialogOpened(&dialog);
            dialog.exec();
            completed = dialog.completed();
        }
        if (!completed) {
            EnableDeviceActions();
            return;
        }
        StopLiveMonitor();
    }
    ResetConfigurationArea(image_);
    if (runStep(*port, LinkOperation::ProgramArea, 1, image_.data() + kConfigurationOffset, kConfigurationSize)
        == 0) {
        ResetModeMemory(image_);
        runStep(*port, LinkOperation::ProgramArea, 4, image_.data() + kModeMemoryOffset, kModeMemorySize);
        std::uint8_t zero = 0;
        runStep(*port, LinkOperation::ApplyConfiguration, 0, &zero, 1, true);
    }
    closeWorkflow();
}

bool TForm1::identifyForCommand(BytePort& port)
{
    SequenceHooks hooks = workflowHooks(port);
    return IdentifySequence(hooks).ok();
}

void TForm1::RunDeviceControl(const QByteArray& payload)
{
    if (payload.size() != kControlPayloadSize)
        return;
    StopLiveMonitor();
    DisableDeviceActions();
    repaint();
    auto port = makePort();
    if (identifyForCommand(*port) && sendAdministrativePassword(*port) == 0) {
        QByteArray bytes = payload;
        runStep(*port, LinkOperation::DeviceControl, 0, reinterpret_cast<std::uint8_t*>(bytes.data()),
                int(bytes.size()), true);
        setStatusText(3, tmpLabelText_);
    }
    EnableDeviceActions();
    StartLiveMonitor();
}

bool TForm1::RunSetClock(const QByteArray& payload)
{
    if (payload.size() != kClockPayloadSize)
        return false;
    StopLiveMonitor();
    DisableDeviceActions();
    repaint();
    auto port = makePort();
    if (!identifyForCommand(*port)) {
        EnableDeviceActions();
        StartLiveMonitor();
        return false;
    }
    QByteArray bytes = payload;
    runStep(*port, LinkOperation::SetClock, 0, reinterpret_cast<std::uint8_t*>(bytes.data()), int(bytes.size()),
            true);
    setStatusText(3, tmpLabelText_);
    StartLiveMonitor();
    EnableDeviceActions();
    return true;
}

void TForm1::wireDeviceCommands()
{
    if (auto* device = qobject_cast<DevicePanel*>(devicePage()))
        connect(device, &DevicePanel::deviceCommandRequested, this, &TForm1::RunDeviceControl);
    if (auto* clock = qobject_cast<ClockSchedulerPanel*>(panelOfPage(14))) {
        connect(clock, &ClockSchedulerPanel::setClockRequested, this, [this, clock](const QByteArray& payload) {
            if (RunSetClock(payload))
                clock->clearPendingClockText();
        });
        connect(clock, &ClockSchedulerPanel::synchroniseClockRequested, this,
                [this](const QByteArray& payload) { RunSetClock(payload); });
    }
}

} // namespace zel
