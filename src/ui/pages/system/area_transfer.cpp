#include "ui/pages/system/area_transfer.h"

#include "link/identity.h"
#include "link/readdata.h"
#include "link/sequences.h"
#include "ui/main_window.h"

#include <memory>

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

} // namespace

bool RunAreaTransfer(TForm1& window, AreaTransfer kind, const AreaTransferTarget& target)
{
    const MemoryAreaInfo* info = findMemoryArea(target.area);
    if (!info || !info->held)
        return false;
    window.StopLiveMonitor();
    std::unique_ptr<BytePort> port = window.makePort();
    SequenceHooks hooks;
    hooks.port = port.get();
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
        return window.runLinkStep(p, r, c);
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
        callbacks.report = hooks.report;
        const int pw = window.runLinkStep(
            *port, shortRequest(LinkOperation::SendPassword, password.data(), int(password.size())), callbacks);
        if (pw == 0) {
            const LinkOperation op = kind == AreaTransfer::Read      ? LinkOperation::ReadArea
                                     : kind == AreaTransfer::Program ? LinkOperation::ProgramArea
                                                                     : LinkOperation::CompareArea;
            LinkRequest request = areaRequest(op, target.area, window.image().data() + info->offset, info->size);
            if (QProgressBar* bar = target.progressBar)
                callbacks.progress = [bar](int position, int maximum) {
                    bar->setMaximum(maximum > 0 ? maximum : 100);
                    bar->setValue(position);
                };
            ok = window.runLinkStep(*port, request, callbacks) == 0;
        }
        if (kind == AreaTransfer::Read)
            window.UnpackPage(page);
    }
    window.StartLiveMonitor();
    return ok;
}

} // namespace zel
