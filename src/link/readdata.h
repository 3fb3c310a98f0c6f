#pragma once
// TReadData: the link worker thread. It runs one link operation and ends; its result
// is 0 on success and 1 on failure. Reports go to the reporter callback on the worker
// thread and, for widget users, to the reported() signal (connect it queued).

#include "link/link_operation.h"

#include <QThread>
#include <atomic>

namespace zel {

class TReadData : public QThread {
    Q_OBJECT
public:
    // Full form, for the area operations 0-2.
    TReadData(BytePort& port, std::uint32_t baseAddress, int size, std::uint8_t* buffer, int area, int operation,
              QObject* parent = nullptr);
    // Short form, for operations 3-11.
    TReadData(BytePort& port, int size, std::uint8_t* buffer, int operation, QObject* parent = nullptr);

    void setStatusTexts(const QStringList& texts) { callbacks_.texts = texts; }
    void setReporter(LinkReporter reporter) { reporter_ = std::move(reporter); }
    void setProgress(LinkProgress progress) { progressCallback_ = std::move(progress); }
    bool hasProgress() const { return full_; }

    // 1 until a successful operation has ended.
    int result() const { return result_.load(); }
    // Starts the thread, waits for its end and returns the result.
    int execute();

signals:
    void reported(const QString& text, quint32 rgb);
    void progressed(int position, int maximum);

protected:
    void run() override;

private:
    BytePort& port_;
    LinkRequest request_;
    bool full_;
    LinkCallbacks callbacks_;
    LinkReporter reporter_;
    LinkProgress progressCallback_;
    std::atomic<int> result_{1};
};

} // namespace zel
