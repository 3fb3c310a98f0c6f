#include "monitor/main_panel_control.h"

#include "link/link_operation.h"
#include "link/serial_port.h"

#include <QDeadlineTimer>
#include <QMutexLocker>

namespace zel {

namespace {

constexpr char kNotConnected[] = "NC";

// A presented key has both bits 0 and 1 of byte 8 set; the code is bytes 0-7.
QString keyCodeText(const std::uint8_t* reply)
{
    if ((reply[8] & 0x03) != 0x03)
        return {};
    QString code;
    for (int i = 0; i < 8; ++i)
        code += QStringLiteral("%1").arg(reply[i], 2, 16, QLatin1Char('0')).toUpper();
    return code;
}

} // namespace

TMainPanelControl::TMainPanelControl(QString portName, BytePortFactory factory, QObject* parent)
    : QThread(parent), portName_(std::move(portName)), factory_(std::move(factory))
{
    qRegisterMetaType<zel::IdentityTexts>();
    qRegisterMetaType<zel::StatusBlock>();
}

TMainPanelControl::~TMainPanelControl()
{
    stopAndWait();
}

void TMainPanelControl::setPassword(const std::array<std::uint8_t, 9>& payload)
{
    QMutexLocker lock(&mutex_);
    password_ = payload;
}

void TMainPanelControl::requestStop()
{
    {
        QMutexLocker lock(&mutex_);
        stop_.store(true);
    }
    requestInterruption();
    wake_.wakeAll();
}

void TMainPanelControl::stopAndWait()
{
    requestStop();
    wait();
}

bool TMainPanelControl::pause()
{
    QMutexLocker lock(&mutex_);
    QDeadlineTimer deadline(pauseMs_, Qt::PreciseTimer);
    while (!stop_.load()) {
        if (!wake_.wait(&mutex_, deadline))
            break; // the pause is over
    }
    return !stop_.load();
}

void TMainPanelControl::run()
{
    // The port lives on this thread: made here, used here, destroyed here.
    std::unique_ptr<BytePort> port = factory_ ? factory_() : std::make_unique<SerialBytePort>(portName_);
    while (!stopRequested()) {
        if (!pause())
            break;
        if (port)
            cycle(*port);
    }
    port.reset();
}

void TMainPanelControl::cycle(BytePort& port)
{
    cycles_.fetch_add(1);
    const int page = page_.load();

    // All exchanges report into the hidden TMPLabel; its last text is mirrored into
    // status bar panel 3.
    QString hidden;
    LinkCallbacks callbacks;
    callbacks.texts = linkTexts_;
    callbacks.report = [&hidden](const QString& text, ReportColour) { hidden = text; };
    auto run = [&](LinkOperation op, std::uint8_t* buffer, int size) {
        return RunLinkOperation(port, shortRequest(op, buffer, size), callbacks);
    };
    auto mirror = [&] { emit linkStatusText(hidden); };

    IdentityBlock identity{};
    if (run(LinkOperation::Identify, identity.data(), int(identity.size())) != 0) {
        // The flag changes before the displays, so whoever sees "NC" reads false.
        if (answered_.exchange(false))
            emit controllerLost();
        emit identityShown(EmptyIdentityTexts());
        mirror();
        emit connectionText(QString::fromLatin1(kNotConnected));
        emit actionText(QString(), reportRgb(ReportColour::Black));
        // A silent controller should not cost the computer anything noticeable.
        if (priority() != QThread::IdlePriority)
            setPriority(QThread::IdlePriority);
        return;
    }
    const IdentityTexts texts = IdentityLabelTexts(identity.data());
    answered_.store(true);
    emit identityShown(texts);
    mirror();
    emit connectionText(portName_);
    if (priority() != QThread::NormalPriority)
        setPriority(QThread::NormalPriority);

    if (!IsSupportedModel(texts.deviceName)) {
        emit actionText(UnsupportedModelMessage(texts.deviceName), reportRgb(ReportColour::Red));
        return;
    }
    if (!IsSupportedVersion(texts.version, supported_)) {
        emit actionText(UnsupportedVersionMessage(texts.version), reportRgb(ReportColour::Red));
        return;
    }

    std::array<std::uint8_t, kStatusBlockSize> block{};
    auto readStatus = [&] { return run(LinkOperation::ReadStatus, block.data(), int(block.size())) == 0; };

    if (page == kDevicePage) {
        if (readStatus()) {
            const StatusBlock s = DecodeStatusBlock(block.data());
            emit deviceStatus(s);
            emit temperature(s.temperatureAvailable, s.temperature);
        } else {
            emit deviceStatusUnavailable();
            mirror();
        }
    } else if (page == kClockPage) {
        emit computerTime(QDateTime::currentDateTime());
        const bool editing = editing_.load() || (editingProbe_ && editingProbe_());
        if (!editing) {
            if (readStatus()) {
                const StatusBlock s = DecodeStatusBlock(block.data());
                emit controllerTime(s.year, s.month, s.day, s.hour, s.minute, s.second);
            } else {
                mirror();
            }
        }
    } else if (page == kPowerPage) {
        if (readStatus()) {
            const StatusBlock s = DecodeStatusBlock(block.data());
            emit powerStatus(s.batteryCharge, s.mainSupply);
            emit temperature(s.temperatureAvailable, s.temperature);
        } else {
            emit powerStatusUnavailable();
            mirror();
        }
    } else if (page == kArmInPage) {
        std::array<std::uint8_t, 9> password;
        {
            QMutexLocker lock(&mutex_);
            password = password_;
        }
        emit keyAbsent(); // the title returns to its normal colour every cycle
        if (run(LinkOperation::SendPassword, password.data(), int(password.size())) != 0) {
            emit keyReadingRefused();
            return;
        }
        std::array<std::uint8_t, kKeyCodeSize> key{};
        if (run(LinkOperation::ReadKeyCode, key.data(), int(key.size())) != 0) {
            mirror();
            return;
        }
        const QString code = keyCodeText(key.data());
        if (!code.isEmpty())
            emit keyPresented(code);
    } else if (page >= kFirstInputPage && page <= kLastInputPage) {
        if (readStatus()) {
            const StatusBlock s = DecodeStatusBlock(block.data());
            const bool valid = InputValueValid(s);
            emit inputValue(page, valid ? InputValueOfPage(s, page) : 0, valid);
        } else {
            emit inputValue(page, 0, false);
            mirror();
        }
    }
}

} // namespace zel
