#pragma once
// TMainPanelControl: the live monitor. On its own thread it polls the controller every
// 100 ms: it identifies the controller and then reads what the page on screen needs
// (status block, clock, key code). It never touches a widget; every display goes out
// as a signal, to be connected queued to the UI thread.

#include "link/byte_port.h"
#include "link/identity.h"
#include "link/link_texts.h"
#include "monitor/status_block.h"

#include <QDateTime>
#include <QMutex>
#include <QStringList>
#include <QThread>
#include <QWaitCondition>
#include <array>
#include <atomic>
#include <functional>

namespace zel {

class TMainPanelControl : public QThread {
    Q_OBJECT
public:
    static constexpr int kCyclePauseMs = 100;
    // Pages the monitor serves.
    static constexpr int kDevicePage = 0;
    static constexpr int kClockPage = 14;
    static constexpr int kPowerPage = 15;
    static constexpr int kArmInPage = 16;
    static constexpr int kFirstInputPage = 18;
    static constexpr int kLastInputPage = 31;

    // Polls the serial port `portName`. The port object is made on the monitor thread
    // by `factory` when given (tests, the built-in simulator), else as a SerialBytePort.
    explicit TMainPanelControl(QString portName, BytePortFactory factory = {}, QObject* parent = nullptr);
    // Stops and waits if still running.
    ~TMainPanelControl() override;

    // --- Set before start() ---
    void setLinkStatusTexts(const QStringList& texts) { linkTexts_ = texts; }
    void setSupportedVersions(const QStringList& versions) { supported_ = versions; }
    // Reads the controller-time editing flag on the monitor thread; it must be safe to
    // call from there (an atomic read).
    void setEditingProbe(std::function<bool()> probe) { editingProbe_ = std::move(probe); }
    // The pause between cycles (tests lengthen it to see that a stop cuts it short).
    void setCyclePauseMs(int ms) { pauseMs_ = ms; }

    // --- Any time, from any thread ---
    // The page on screen; read at the start of each cycle.
    void setPage(int page) { page_.store(page); }
    int page() const { return page_.load(); }
    void setEditingControllerTime(bool on) { editing_.store(on); }
    // The 9-byte administrative password sent on the Arm In page.
    void setPassword(const std::array<std::uint8_t, 9>& payload);
    // True when the last cycle's identification succeeded; false at creation.
    bool answered() const { return answered_.load(); }
    // Number of cycles begun (tests and measurements).
    int cycles() const { return cycles_.load(); }
    QString portName() const { return portName_; }

    // Terminate request: the pause ends at once and no new cycle begins. The exchange
    // under way (at most a few hundred milliseconds) is finished first.
    void requestStop();
    // requestStop() and wait for the thread body to return.
    void stopAndWait();

signals:
    // Identification of each cycle: the label texts of the block received, or of the
    // empty identity when the controller did not answer.
    void identityShown(const zel::IdentityTexts& texts);
    // Status bar panel 1: the port name while the controller answers, else "NC".
    void connectionText(const QString& text);
    // Status bar panel 3: the last link report of the monitor's exchanges.
    void linkStatusText(const QString& text);
    // ActionName: empty/black when the controller is lost, red support refusals.
    void actionText(const QString& text, quint32 rgb);
    // The controller stopped answering (it answered in the previous cycle).
    void controllerLost();

    // Page 0: a status block read, or the fallback of a failed read.
    void deviceStatus(const zel::StatusBlock& status);
    void deviceStatusUnavailable();
    // Pages 0 and 15: the board temperature.
    void temperature(bool available, int celsius);
    // Page 14.
    void computerTime(const QDateTime& now);
    void controllerTime(int year, int month, int day, int hour, int minute, int second);
    // Page 15.
    void powerStatus(int batteryCharge, int mainSupply);
    void powerStatusUnavailable();
    // Pages 18-31: the live reading of the page's input.
    void inputValue(int page, int raw, bool valid);
    // Page 16.
    void keyPresented(const QString& code16);
    void keyAbsent();
    void keyReadingRefused();

protected:
    void run() override;

private:
    void cycle(BytePort& port);
    // Waits out the pause; false when a stop was requested.
    bool pause();
    bool stopRequested() const { return stop_.load(); }

    QString portName_;
    BytePortFactory factory_;
    QStringList linkTexts_ = DefaultLinkStatusTexts();
    QStringList supported_ = SupportedVersions();
    std::function<bool()> editingProbe_;
    int pauseMs_ = kCyclePauseMs;

    std::atomic<int> page_{0};
    std::atomic<bool> editing_{false};
    std::atomic<bool> answered_{false};
    std::atomic<bool> stop_{false};
    std::atomic<int> cycles_{0};

    // The pause waits on this so a stop request ends it at once; the password is
    // guarded by the same mutex because the UI thread may replace it mid-run.
    mutable QMutex mutex_;
    QWaitCondition wake_;
    std::array<std::uint8_t, 9> password_{};
    QString lastLinkText_;
};

} // namespace zel

Q_DECLARE_METATYPE(zel::IdentityTexts)
