#pragma once
// In-memory BytePort whose replies come from a responder: each written frame gets the
// responder's bytes as the next thing to read. Nothing waits: a short read returns at once.

#include "link/byte_port.h"

#include <QByteArray>
#include <QList>
#include <deque>
#include <functional>

namespace zel::test {

class ScriptedPort : public BytePort {
public:
    using Responder = std::function<QByteArray(const QByteArray& written)>;

    explicit ScriptedPort(Responder responder = {}) : responder_(std::move(responder)) {}

    // Replies handed out in order, one per written frame; silence when exhausted.
    void script(const QList<QByteArray>& replies)
    {
        queue_.assign(replies.begin(), replies.end());
        responder_ = [this](const QByteArray&) {
            if (queue_.empty())
                return QByteArray();
            QByteArray r = queue_.front();
            queue_.pop_front();
            return r;
        };
    }

    QString name() const override { return QStringLiteral("SCRIPT"); }
    bool open() override
    {
        ++opens;
        open_ = openable;
        return open_;
    }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    bool clear() override
    {
        pending_.clear();
        return !failClear;
    }
    bool write(const std::uint8_t* data, int n) override
    {
        if (!open_)
            return false;
        QByteArray w(reinterpret_cast<const char*>(data), n);
        written.append(w);
        if (w.startsWith('\x05') && responder_)
            pending_ += responder_(w);
        return true;
    }
    int read(std::uint8_t* data, int n) override
    {
        if (!open_)
            return -1;
        if (failReadsAfter >= 0 && reads++ >= failReadsAfter)
            return -1;
        const int k = std::min<int>(n, int(pending_.size()));
        std::copy(pending_.begin(), pending_.begin() + k, data);
        pending_.remove(0, k);
        return k;
    }

    QList<QByteArray> frames() const
    {
        QList<QByteArray> f;
        for (const auto& w : written)
            if (w.startsWith('\x05'))
                f.append(w);
        return f;
    }

    QList<QByteArray> written;
    bool openable = true;
    bool failClear = false;
    int failReadsAfter = -1;
    int reads = 0;
    int opens = 0;

private:
    Responder responder_;
    std::deque<QByteArray> queue_;
    QByteArray pending_;
    bool open_ = false;
};

} // namespace zel::test
