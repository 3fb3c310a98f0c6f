#pragma once
// The simulated ZEL470: a protocol engine that turns the bytes the configurator sends
// into the bytes the controller would answer. It knows nothing of ports or threads
// beyond a mutex, so tests drive it directly and hosts wrap it around a line.

#include "link/identity.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

namespace zel::sim {

enum class FaultKind {
    Silence,     // no reply
    DropByte,    // one byte of the reply is lost
    BadChecksum, // the reply's checksum is wrong
    WrongEcho,   // the reply names another command (checksum still right)
    Status1,     // FLASH failure: nothing is stored
    Status2,     // refused as without a password
    StallAfter,  // after N area chunks nothing more is answered
    HangUp,      // after N answered frames the line goes away
    FlipStored,  // stores the first byte of each written chunk inverted
};

// "kind[@code][:N][#times]", e.g. "silence@5", "drop-byte@5#1", "stall:3", "hangup:2".
// code restricts the fault to one command code; N skips the first N matching frames
// (for stall and hangup: the count served before it strikes); times limits how often
// it strikes (unlimited when absent).
struct Fault {
    FaultKind kind = FaultKind::Silence;
    int code = -1;
    int count = 0;
    int times = -1;
    int seen = 0;
    int struck = 0;
};

// Parses a comma-separated list of faults; false (and a message) on a malformed one.
bool ParseFaults(const QString& spec, QList<Fault>* faults, QString* error);
const char* faultSyntaxHelp();

struct SimIdentity {
    QString name = QStringLiteral("ZEL470");
    QString modification = QStringLiteral("KV-20M");
    std::uint16_t hardware = 0x1403;
    std::uint16_t firmware = 0x0104;
    std::uint16_t bootLoader = 0x0101;
    QString date = QStringLiteral("Mar 12 2012");
    QString country = QStringLiteral("250");
    std::array<std::uint32_t, 4> bindingId{};
    std::array<std::uint32_t, 4> uniqueId{{0x000A1B2Cu, 470u, 20120312u, 1u}};
    QString imei = QStringLiteral("356938035643809");
};

struct SimOptions {
    SimIdentity identity;
    qint64 factoryResetMs = 1800 * 1000; // uninterrupted polling after the refused empty password
    qint64 pollGapMs = 3000;             // a longer silence from the configurator breaks the countdown
    qint64 inputPulseMs = 3000;          // how long a simulated input stays active
    qint64 modeChangeMs = 1500;          // guard mode shows "change in progress" this long
    QString stateFile;                   // memory persisted here when set
    QList<Fault> faults;
};

// The live values the status block reports.
struct LiveState {
    int guardMode = 0;           // 0 НАБЛЮДЕНИЕ, 2 ОХРАНА, 3 ЗАЩИТА
    int pendingMode = -1;
    qint64 modeSettlesAt = 0;
    std::uint16_t inputs = 0;    // steady input bits
    std::array<qint64, 16> pulseUntil{};
    std::uint8_t outputs = 0;    // bit 0 relay 1 ... bit 6 output 5
    int gsmState = 8;
    int signal = 21;
    int supply = 124;            // 0.1 V
    int battery = 87;
    int temperature = 24;
    float balance = 152.40f;
    bool temperatureAvailable = true;
    bool balanceAvailable = true;
    qint64 clockOffsetSeconds = 0;
    QByteArray keyCode;          // 8 bytes, presented until read once
};

class SimEngine {
public:
    explicit SimEngine(SimOptions options = {});

    // Monotonic milliseconds; tests replace it to drive the time rules.
    void setClock(std::function<qint64()> monotonicMs);

    // Bytes in, bytes out.
    QByteArray receive(const QByteArray& bytes);

    bool setFaults(const QString& spec, QString* error = nullptr);
    void setFaults(const QList<Fault>& faults);
    // The hang-up fault struck: the host must drop the line.
    bool hungUp() const;

    QByteArray area(int number) const;
    bool setArea(int number, const QByteArray& bytes);
    static int areaSize(int number); // 0 for an unknown area

    void setIdentity(const SimIdentity& identity);
    SimIdentity identity() const;
    IdentityBlock identityBlock() const;
    std::array<std::uint8_t, kStatusBlockSize> statusBlock();

    void presentKey(const QByteArray& code8);
    void setLive(const std::function<void(LiveState&)>& change);
    LiveState live() const;

    bool authorized() const;
    bool factoryUnlocked() const;
    bool binaryMode() const;
    int appliedCount() const;
    int restartCount() const;

    bool loadState(const QString& path);
    bool saveState(const QString& path) const;

private:
    QByteArray handleFrame(const QByteArray& frame);
    QByteArray dispatch(std::uint8_t code, const std::uint8_t* payload, int size, bool* areaChunk);
    QByteArray statusReply(std::uint8_t code, std::uint8_t status) const;
    QByteArray statusFaultReply(std::uint8_t code, std::uint8_t status, const std::uint8_t* payload, int size);
    IdentityBlock identityBlockLocked() const;
    std::array<std::uint8_t, kStatusBlockSize> statusBlockLocked();
    bool saveStateLocked(const QString& path) const;
    Fault* strike(FaultKind kind, int code);
    void settle(qint64 now);
    void persist() const;
    qint64 now() const { return clock_(); }

    mutable QMutex mutex_;
    SimOptions options_;
    std::function<qint64()> clock_;
    std::array<QByteArray, 8> areas_;
    LiveState live_;
    QByteArray pending_;
    qint64 lastByteAt_ = -1;
    qint64 lastFrameAt_ = -1;
    qint64 emptyRefusedAt_ = -1;
    bool binary_ = false;
    bool authorized_ = false;
    bool factoryUnlocked_ = false;
    bool hungUp_ = false;
    bool stalled_ = false;
    int areaChunks_ = 0;
    int framesAnswered_ = 0;
    int applied_ = 0;
    int restarts_ = 0;
};

} // namespace zel::sim
