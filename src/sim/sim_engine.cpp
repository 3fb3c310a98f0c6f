#include "sim/sim_engine.h"

#include "image/configuration.h"
#include "link/frame.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <cmath>
#include <cstring>

namespace zel::sim {

namespace {

constexpr int kAreaSizes[8] = {0, kConfigurationSize, 64, 64, kModeMemorySize, kSystemParametersSize,
                               kControlPhonesSize, 128};
constexpr char kPreamble[] = "BINARY\r";
constexpr int kPreambleSize = 7;
constexpr int kMaxPayload = 300; // the largest request carries 262 bytes
constexpr qint64 kStaleFrameMs = 200; // a frame interrupted this long is abandoned
constexpr char kStateMagic[] = "ZELSIM01";

struct FaultName {
    const char* name;
    FaultKind kind;
};
constexpr FaultName kFaultNames[] = {
    {"silence", FaultKind::Silence},       {"drop-byte", FaultKind::DropByte},
    {"bad-checksum", FaultKind::BadChecksum}, {"wrong-echo", FaultKind::WrongEcho},
    {"status1", FaultKind::Status1},       {"status2", FaultKind::Status2},
    {"stall", FaultKind::StallAfter},      {"hangup", FaultKind::HangUp},
    {"flip-stored", FaultKind::FlipStored},
};

QByteArray textBytes(const QString& s) { return toCp1251(s); }

void resign(QByteArray& frame)
{
    auto* p = reinterpret_cast<std::uint8_t*>(frame.data());
    p[frame.size() - 1] = FrameChecksum(p + 1, int(frame.size()) - 2);
}

QByteArray passwordText(const std::uint8_t* p, int n)
{
    int k = 0;
    while (k < n && k < 8 && p[k] != 0)
        ++k;
    return QByteArray(reinterpret_cast<const char*>(p), k);
}

} // namespace

const char* faultSyntaxHelp()
{
    return "FAULT[,FAULT...], FAULT = KIND[@CODE][:N][#TIMES]\n"
           "  KIND: silence, drop-byte, bad-checksum, wrong-echo, status1, status2,\n"
           "        stall (after N area chunks), hangup (after N answered frames), flip-stored\n"
           "  @CODE only replies to that command code; :N lets the first N pass;\n"
           "  #TIMES strikes at most that often";
}

bool ParseFaults(const QString& spec, QList<Fault>* faults, QString* error)
{
    QList<Fault> result;
    for (QString item : spec.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        item = item.trimmed();
        Fault f;
        auto takeNumber = [&](QChar mark, int* out) {
            const int at = item.indexOf(mark);
            if (at < 0)
                return true;
            int end = at + 1;
            while (end < item.size() && item[end].isDigit())
                ++end;
            bool ok = false;
            *out = item.mid(at + 1, end - at - 1).toInt(&ok);
            item.remove(at, end - at);
            return ok;
        };
        if (!takeNumber(QLatin1Char('@'), &f.code) || !takeNumber(QLatin1Char(':'), &f.count)
            || !takeNumber(QLatin1Char('#'), &f.times)) {
            if (error)
                *error = QStringLiteral("bad number in fault: ") + item;
            return false;
        }
        bool known = false;
        for (const auto& n : kFaultNames)
            if (item == QLatin1String(n.name)) {
                f.kind = n.kind;
                known = true;
            }
        if (!known) {
            if (error)
                *error = QStringLiteral("unknown fault: ") + item;
            return false;
        }
        result.append(f);
    }
    *faults = result;
    return true;
}

SimEngine::SimEngine(SimOptions options) : options_(std::move(options))
{
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    clock_ = [timer] { return timer->elapsed(); };
    DeviceImage image;
    BuildDefaultImage(image);
    for (int a = 1; a <= 7; ++a) {
        const QByteArray held = image.area(a);
        areas_[a] = held.isEmpty() ? QByteArray(kAreaSizes[a], '\0') : held;
    }
    live_.keyCode.clear();
    if (!options_.stateFile.isEmpty() && QFile::exists(options_.stateFile))
        loadState(options_.stateFile);
}

void SimEngine::setClock(std::function<qint64()> monotonicMs)
{
    QMutexLocker lock(&mutex_);
    clock_ = std::move(monotonicMs);
}

int SimEngine::areaSize(int number) { return number >= 1 && number <= 7 ? kAreaSizes[number] : 0; }

QByteArray SimEngine::area(int number) const
{
    QMutexLocker lock(&mutex_);
    return areaSize(number) ? areas_[number] : QByteArray();
}

bool SimEngine::setArea(int number, const QByteArray& bytes)
{
    QMutexLocker lock(&mutex_);
    if (!areaSize(number) || bytes.size() != areaSize(number))
        return false;
    areas_[number] = bytes;
    return true;
}

void SimEngine::setIdentity(const SimIdentity& identity)
{
    QMutexLocker lock(&mutex_);
    options_.identity = identity;
}

SimIdentity SimEngine::identity() const
{
    QMutexLocker lock(&mutex_);
    return options_.identity;
}

IdentityBlock SimEngine::identityBlock() const
{
    QMutexLocker lock(&mutex_);
    return identityBlockLocked();
}

IdentityBlock SimEngine::identityBlockLocked() const
{
    const SimIdentity& s = options_.identity;
    DeviceIdentity id;
    id.name = textBytes(s.name);
    id.modification = textBytes(s.modification);
    id.hardwareVersion = s.hardware;
    id.firmwareVersion = s.firmware;
    id.bootLoaderVersion = s.bootLoader;
    id.date = textBytes(s.date);
    id.country = textBytes(s.country);
    id.bindingId = s.bindingId;
    id.imei = textBytes(s.imei);
    id.uniqueId = s.uniqueId;
    return EncodeIdentity(id);
}

bool SimEngine::setFaults(const QString& spec, QString* error)
{
    QList<Fault> faults;
    if (!ParseFaults(spec, &faults, error))
        return false;
    setFaults(faults);
    return true;
}

void SimEngine::setFaults(const QList<Fault>& faults)
{
    QMutexLocker lock(&mutex_);
    options_.faults = faults;
    stalled_ = false;
    hungUp_ = false;
    areaChunks_ = 0;
    framesAnswered_ = 0;
}

bool SimEngine::hungUp() const
{
    QMutexLocker lock(&mutex_);
    return hungUp_;
}

void SimEngine::presentKey(const QByteArray& code8)
{
    QMutexLocker lock(&mutex_);
    live_.keyCode = code8.left(8).leftJustified(8, '\0');
}

void SimEngine::setLive(const std::function<void(LiveState&)>& change)
{
    QMutexLocker lock(&mutex_);
    change(live_);
}

LiveState SimEngine::live() const
{
    QMutexLocker lock(&mutex_);
    return live_;
}

bool SimEngine::authorized() const
{
    QMutexLocker lock(&mutex_);
    return authorized_;
}

bool SimEngine::factoryUnlocked() const
{
    QMutexLocker lock(&mutex_);
    return factoryUnlocked_;
}

bool SimEngine::binaryMode() const
{
    QMutexLocker lock(&mutex_);
    return binary_;
}

int SimEngine::appliedCount() const
{
    QMutexLocker lock(&mutex_);
    return applied_;
}

int SimEngine::restartCount() const
{
    QMutexLocker lock(&mutex_);
    return restarts_;
}

Fault* SimEngine::strike(FaultKind kind, int code)
{
    for (Fault& f : options_.faults) {
        if (f.kind != kind || (f.code >= 0 && f.code != code))
            continue;
        if (f.seen++ < f.count)
            continue;
        if (f.times >= 0 && f.struck >= f.times)
            continue;
        ++f.struck;
        return &f;
    }
    return nullptr;
}

QByteArray SimEngine::receive(const QByteArray& bytes)
{
    QMutexLocker lock(&mutex_);
    const qint64 t = now();
    if (hungUp_)
        return {};
    if (!pending_.isEmpty() && lastByteAt_ >= 0 && t - lastByteAt_ > kStaleFrameMs)
        pending_.clear();
    if (!bytes.isEmpty())
        lastByteAt_ = t;
    pending_ += bytes;
    QByteArray out;
    while (!pending_.isEmpty() && !hungUp_) {
        const auto first = static_cast<std::uint8_t>(pending_[0]);
        if (first == kFrameStart) {
            if (pending_.size() < 4)
                break;
            const int length = getU16(reinterpret_cast<const std::uint8_t*>(pending_.constData()) + 2);
            if (length > kMaxPayload) {
                pending_.remove(0, 1); // not a frame start after all
                continue;
            }
            if (pending_.size() < length + kFrameOverhead)
                break;
            const QByteArray frame = pending_.left(length + kFrameOverhead);
            if (!FrameChecksumValid(reinterpret_cast<const std::uint8_t*>(frame.constData()), int(frame.size()))) {
                // Not a frame, or a damaged one: it is not answered (the configurator
                // retries), and the search for the next start byte goes on inside it.
                pending_.remove(0, 1);
                continue;
            }
            pending_.remove(0, frame.size());
            if (binary_)
                out += handleFrame(frame);
            continue;
        }
        if (pending_.startsWith(kPreamble)) {
            binary_ = true;
            pending_.remove(0, kPreambleSize);
            continue;
        }
        if (QByteArray(kPreamble).startsWith(pending_))
            break; // the preamble may still be arriving
        pending_.remove(0, 1); // line noise
    }
    return out;
}

QByteArray SimEngine::statusReply(std::uint8_t code, std::uint8_t status) const
{
    return BuildReply(code, QByteArray(1, char(status)));
}

QByteArray SimEngine::handleFrame(const QByteArray& frame)
{
    const qint64 t = now();
    // The factory-reset countdown runs while the configurator keeps polling.
    if (emptyRefusedAt_ >= 0) {
        if (lastFrameAt_ >= 0 && t - lastFrameAt_ > options_.pollGapMs)
            emptyRefusedAt_ = -1;
        else if (t - emptyRefusedAt_ >= options_.factoryResetMs)
            factoryUnlocked_ = true;
    }
    lastFrameAt_ = t;
    if (stalled_)
        return {};

    const auto* p = reinterpret_cast<const std::uint8_t*>(frame.constData());
    const std::uint8_t code = p[1];
    const int size = int(frame.size()) - kFrameOverhead;

    if (strike(FaultKind::Silence, code))
        return {};
    bool areaChunk = false;
    QByteArray reply;
    if (strike(FaultKind::Status1, code))
        reply = statusFaultReply(code, 1, p + 4, size);
    else if (strike(FaultKind::Status2, code))
        reply = statusFaultReply(code, 2, p + 4, size);
    else
        reply = dispatch(code, p + 4, size, &areaChunk);
    if (reply.isEmpty())
        return {};

    if (areaChunk) {
        for (Fault& f : options_.faults)
            if (f.kind == FaultKind::StallAfter && areaChunks_ >= f.count)
                stalled_ = true;
        ++areaChunks_;
        if (stalled_)
            return {};
    }
    if (strike(FaultKind::WrongEcho, code)) {
        reply[1] = char(reply[1] ^ 0x80);
        resign(reply);
    }
    if (strike(FaultKind::BadChecksum, code))
        reply[reply.size() - 1] = char(reply.back() ^ 0x55);
    if (strike(FaultKind::DropByte, code))
        reply.remove(int(reply.size()) / 2, 1);
    ++framesAnswered_;
    for (Fault& f : options_.faults)
        if (f.kind == FaultKind::HangUp && framesAnswered_ > f.count)
            hungUp_ = true;
    return hungUp_ ? QByteArray() : reply;
}

QByteArray SimEngine::statusFaultReply(std::uint8_t code, std::uint8_t status, const std::uint8_t* payload, int size)
{
    // An area write answers in its own shape; everything else with a status reply.
    if (AreaForWriteCode(code) && size >= 6) {
        QByteArray body(reinterpret_cast<const char*>(payload), 6);
        body += char(status);
        body += '\0';
        return BuildReply(code, body);
    }
    return statusReply(code, status);
}

void SimEngine::settle(qint64 t)
{
    if (live_.pendingMode >= 0 && t >= live_.modeSettlesAt) {
        live_.guardMode = live_.pendingMode;
        live_.pendingMode = -1;
    }
}

std::array<std::uint8_t, kStatusBlockSize> SimEngine::statusBlock()
{
    QMutexLocker lock(&mutex_);
    return statusBlockLocked();
}

std::array<std::uint8_t, kStatusBlockSize> SimEngine::statusBlockLocked()
{
    const qint64 t = now();
    settle(t);
    std::array<std::uint8_t, kStatusBlockSize> b{};
    const QDateTime clock = QDateTime::currentDateTime().addSecs(live_.clockOffsetSeconds);
    const QDate d = clock.date();
    const QTime tm = clock.time();
    b[0] = std::uint8_t(d.year() % 100);
    b[1] = std::uint8_t(d.month());
    b[2] = std::uint8_t(d.day());
    b[3] = std::uint8_t(tm.hour());
    b[4] = std::uint8_t(tm.minute());
    b[5] = std::uint8_t(tm.second());
    std::uint16_t active = live_.inputs;
    for (int i = 0; i < 16; ++i)
        if (live_.pulseUntil[size_t(i)] > t)
            active = std::uint16_t(active | (1u << i));
    // Inputs wander slowly so that the readouts visibly live.
    const double phase = double(t) / 4000.0;
    for (int n = 0; n < 14; ++n) {
        int raw = (active >> n) & 1 ? 3900 : 600 + 150 * n + int(80.0 * std::sin(phase + n));
        raw = std::clamp(raw, 0, 4095);
        putU16(b.data() + 6 + 2 * n, std::uint16_t(raw));
    }
    b[38] = std::uint8_t(std::clamp(live_.supply, 0, 255));
    b[40] = std::uint8_t(std::clamp(live_.battery, 0, 255));
    const int signal = std::clamp(live_.signal + int(std::lround(2.0 * std::sin(phase * 0.7))), 0, 31);
    b[41] = std::uint8_t(signal | 0x20 | 0x40);
    b[42] = std::uint8_t(live_.pendingMode >= 0 ? 1 : live_.guardMode);
    b[43] = std::uint8_t((live_.temperatureAvailable ? 1 : 0) | (live_.balanceAvailable ? 2 : 0));
    putU16(b.data() + 44, active);
    b[46] = std::uint8_t(live_.outputs & 0x7F);
    b[47] = std::uint8_t(live_.gsmState);
    b[48] = std::uint8_t(std::int8_t(std::clamp(live_.temperature, -128, 127)));
    std::uint32_t bits = 0;
    std::memcpy(&bits, &live_.balance, 4);
    putU32(b.data() + 52, bits);
    return b;
}

QByteArray SimEngine::dispatch(std::uint8_t code, const std::uint8_t* payload, int size, bool* areaChunk)
{
    const qint64 t = now();
    settle(t);
    auto data = [&](const std::uint8_t* bytes, int n) {
        return BuildReply(code, QByteArray(reinterpret_cast<const char*>(bytes), n));
    };
    switch (code) {
    case Cmd::Identify: {
        const IdentityBlock b = identityBlockLocked();
        return data(b.data(), int(b.size()));
    }
    case Cmd::Status: {
        const auto b = statusBlockLocked();
        return data(b.data(), int(b.size()));
    }
    case Cmd::KeyCode: {
        std::uint8_t b[kKeyCodeSize] = {};
        if (!authorized_)
            return statusReply(code, 2);
        if (live_.keyCode.size() == 8) {
            std::memcpy(b, live_.keyCode.constData(), 8);
            b[8] = 0x03;
            live_.keyCode.clear();
        }
        return data(b, kKeyCodeSize);
    }
    case Cmd::Query21: {
        const std::uint8_t b[16] = {};
        return data(b, 16);
    }
    case Cmd::SetClock: {
        if (size != kClockPayloadSize)
            return statusReply(code, 3);
        const QDate d(2000 + payload[0], payload[1], payload[2]);
        const QTime tm(payload[3], payload[4], payload[5]);
        if (!d.isValid() || !tm.isValid())
            return statusReply(code, 3);
        live_.clockOffsetSeconds = QDateTime::currentDateTime().secsTo(QDateTime(d, tm));
        return statusReply(code, 0);
    }
    case Cmd::Password: {
        if (size != kPasswordPayloadSize)
            return statusReply(code, 3);
        const QByteArray given = passwordText(payload, size);
        const QByteArray stored = passwordText(reinterpret_cast<const std::uint8_t*>(areas_[1].constData()) + 20, 9);
        if (given == stored) {
            authorized_ = true;
            return statusReply(code, 0);
        }
        authorized_ = false;
        if (given.isEmpty() && emptyRefusedAt_ < 0)
            emptyRefusedAt_ = t;
        return statusReply(code, 2);
    }
    case Cmd::Apply:
    case Cmd::Restart: {
        const bool allowed = authorized_ || (code == Cmd::Apply && factoryUnlocked_);
        if (!allowed)
            return statusReply(code, 2);
        if (code == Cmd::Apply) {
            ++applied_;
        } else {
            ++restarts_;
            // A restarted controller starts over: text mode, no password, no countdown.
            binary_ = false;
            authorized_ = false;
            factoryUnlocked_ = false;
            emptyRefusedAt_ = -1;
            live_.outputs = 0;
        }
        return statusReply(code, 0);
    }
    case Cmd::DeviceControl: {
        if (!authorized_)
            return statusReply(code, 2);
        if (size != kControlPayloadSize)
            return statusReply(code, 3);
        const int kind = payload[0], index = payload[1], param = payload[2];
        switch (kind) {
        case 0:
        case 1:
        case 3:
            live_.pendingMode = kind == 0 ? 2 : kind == 1 ? 0 : 3;
            live_.modeSettlesAt = t + options_.modeChangeMs;
            break;
        case 2:
            if (index > 6 || param < 1 || param > 16)
                return statusReply(code, 3);
            if (param == 2)
                live_.outputs = std::uint8_t(live_.outputs & ~(1u << index));
            else
                live_.outputs = std::uint8_t(live_.outputs | (1u << index)); // on, or a scenario running
            break;
        case 4:
            if (index > 15)
                return statusReply(code, 3);
            live_.pulseUntil[size_t(index)] = t + options_.inputPulseMs;
            break;
        default: return statusReply(code, 3);
        }
        return statusReply(code, 0);
    }
    default: break;
    }

    if (const int area = AreaForWriteCode(code)) {
        *areaChunk = true;
        if (size < 6)
            return statusReply(code, 3);
        const std::uint32_t address = getU32(payload);
        const int count = getU16(payload + 4);
        QByteArray body(reinterpret_cast<const char*>(payload), 6);
        auto answer = [&](std::uint8_t status) {
            QByteArray b = body;
            b += char(status);
            b += '\0';
            return BuildReply(code, b);
        };
        const bool allowed = authorized_ || (factoryUnlocked_ && (area == 1 || area == 4));
        if (!allowed)
            return answer(2);
        if (count < 1 || count > kMaxChunk || count != size - 6 || address + std::uint32_t(count) > std::uint32_t(kAreaSizes[area]))
            return answer(1);
        QByteArray chunk(reinterpret_cast<const char*>(payload + 6), count);
        if (strike(FaultKind::FlipStored, code))
            chunk[0] = char(~chunk[0]);
        areas_[area].replace(int(address), count, chunk);
        persist();
        return answer(0);
    }
    if (const int area = AreaForReadCode(code)) {
        *areaChunk = true;
        // The factory restore writes with read-back, so the unlocked areas read back too.
        if (!authorized_ && !(factoryUnlocked_ && (area == 1 || area == 4)))
            return statusReply(code, 2);
        if (size != 8)
            return statusReply(code, 3);
        const std::uint32_t address = getU32(payload);
        const int count = getU16(payload + 4);
        if (count < 1 || count > kMaxChunk || address + std::uint32_t(count) > std::uint32_t(kAreaSizes[area]))
            return statusReply(code, 1);
        return BuildReply(code, QByteArray(reinterpret_cast<const char*>(payload), 6) + areas_[area].mid(int(address), count));
    }
    return {}; // an unknown command is not answered
}

void SimEngine::persist() const
{
    if (!options_.stateFile.isEmpty())
        saveStateLocked(options_.stateFile);
}

bool SimEngine::saveState(const QString& path) const
{
    QMutexLocker lock(&mutex_);
    return saveStateLocked(path);
}

bool SimEngine::saveStateLocked(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(kStateMagic, int(sizeof kStateMagic - 1));
    for (int a = 1; a <= 7; ++a)
        file.write(areas_[a]);
    return file.commit();
}

bool SimEngine::loadState(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray all = file.readAll();
    int expected = int(sizeof kStateMagic - 1);
    for (int a = 1; a <= 7; ++a)
        expected += kAreaSizes[a];
    if (all.size() != expected || !all.startsWith(kStateMagic))
        return false; // a foreign or truncated file leaves the factory memory
    QMutexLocker lock(&mutex_);
    int at = int(sizeof kStateMagic - 1);
    for (int a = 1; a <= 7; ++a) {
        areas_[a] = all.mid(at, kAreaSizes[a]);
        at += kAreaSizes[a];
    }
    return true;
}

} // namespace zel::sim
