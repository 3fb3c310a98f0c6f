#include "ui/pages/system/area_transfer.h"

#include "link/identity.h"
#include "link/readdata.h"
#include "link/sequences.h"
#include "link/serial_port.h"
#include "ui/main_window.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <vector>

namespace zel {

namespace {

void showReport(QLabel* label, const QString& text, quint32 rgb)
{
    if (!label)
        return;
    label->setText(text);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, QColor::fromRgb(rgb));
    label->setPalette(pal);
}

// Runs one link operation on a worker thread; the window repaints while we wait but
// takes no user input.
int runOnWorker(BytePort& port, const LinkRequest& request, const LinkCallbacks& callbacks, QLabel* label,
                QProgressBar* bar)
{
    TReadData worker = request.operation <= 2
        ? TReadData(port, request.baseAddress, request.size, request.buffer, request.area, request.operation)
        : TReadData(port, request.size, request.buffer, request.operation);
    worker.setStatusTexts(callbacks.texts);
    QObject::connect(&worker, &TReadData::reported, label,
                     [label](const QString& text, quint32 rgb) { showReport(label, text, rgb); },
                     Qt::QueuedConnection);
    if (bar) {
        QObject::connect(&worker, &TReadData::progressed, bar,
                         [bar](int position, int maximum) {
                             bar->setMaximum(maximum > 0 ? maximum : 100);
                             bar->setValue(position);
                         },
                         Qt::QueuedConnection);
    }
    QEventLoop loop;
    QObject::connect(&worker, &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    worker.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.wait();
    // Deliver the reports still queued before the worker goes away.
    QCoreApplication::sendPostedEvents(label);
    if (bar)
        QCoreApplication::sendPostedEvents(bar);
    return worker.result();
}

} // namespace

bool RunAreaTransfer(TForm1& window, AreaTransfer kind, const AreaTransferTarget& target)
{
    const MemoryAreaInfo* info = findMemoryArea(target.area);
    if (!info || !info->held)
        return false;
    window.StopLiveMonitor();
    SerialBytePort port(window.portName());
    SequenceHooks hooks;
    hooks.port = &port;
    hooks.texts = window.interfaceTexts().LinkStatusTexts;
    QString previousText;
    hooks.report = [&](const QString& text, ReportColour colour) {
        previousText = target.statusLabel->text();
        showReport(target.statusLabel, text, reportRgb(colour));
    };
    hooks.showIdentity = [&](const IdentityTexts& identity) {
        window.ShowIdentity(identity);
        window.repaint();
    };
    hooks.runner = [&](BytePort& p, const LinkRequest& r, const LinkCallbacks& c) {
        return runOnWorker(p, r, c, target.statusLabel, nullptr);
    };

    bool ok = false;
    const SequenceResult opening = IdentifySequence(hooks);
    if (opening.outcome == SequenceOutcome::UnsupportedModel) {
        // This message belongs to the window's action label, not to the page's.
        target.statusLabel->setText(previousText);
        if (auto* action = window.findChild<QLabel*>(QStringLiteral("ActionName")))
            action->setText(UnsupportedModelMessage(opening.identity.deviceName));
        window.EnableDeviceActions();
        if (window.currentPage() == 50) {
            // The page on screen keeps its six actions off.
            for (QAction* a : {window.Programm, window.ReadConf, window.CompareConf, window.Reconfigurate,
                               window.Reset, window.FactoryConfig})
                a->setEnabled(false);
        }
    } else if (opening.outcome == SequenceOutcome::UnsupportedVersion) {
        target.statusLabel->setText(UnsupportedVersionMessage(window.statusText(2)));
    } else if (opening.ok()) {
        const int page = window.currentPage();
        window.PackPage(page);
        if (kind != AreaTransfer::Read)
            window.UnpackPage(page); // the edits show what is stored
        auto password = PasswordPayload(window.image());
        LinkCallbacks callbacks;
        callbacks.texts = hooks.texts;
        const int pw = runOnWorker(port, shortRequest(LinkOperation::SendPassword, password.data(), int(password.size())),
                                   callbacks, target.statusLabel, nullptr);
        if (pw == 0) {
            const LinkOperation op = kind == AreaTransfer::Read      ? LinkOperation::ReadArea
                                     : kind == AreaTransfer::Program ? LinkOperation::ProgramArea
                                                                     : LinkOperation::CompareArea;
            LinkRequest request = areaRequest(op, target.area, window.image().data() + info->offset, info->size);
            ok = runOnWorker(port, request, callbacks, target.statusLabel, target.progressBar) == 0;
        }
        if (kind == AreaTransfer::Read)
            window.UnpackPage(page);
    }
    window.StartLiveMonitor();
    return ok;
}

} // namespace zel
