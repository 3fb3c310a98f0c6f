// Reads and programs (with read-back) the configuration area against the simulated
// controller paced at the line rate, and compares the wall time with what the line
// itself allows: every byte on the wire at 10 bits per byte and 19200 baud, plus the
// waits the protocol imposes (the opening read of each primitive).
//
// Usage: zel_link_bench [ROUNDS]

#include "image/device_image.h"
#include "link/identity.h"
#include "link/link_operation.h"
#include "link/serial_port.h"
#include "sim/sim_engine.h"
#include "sim/sim_host.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Counts the bytes that cross the line in both directions.
class CountingPort : public zel::BytePort {
public:
    explicit CountingPort(zel::BytePort& inner) : inner_(inner) {}
    QString name() const override { return inner_.name(); }
    bool open() override { return inner_.open(); }
    void close() override { inner_.close(); }
    bool isOpen() const override { return inner_.isOpen(); }
    bool clear() override { return inner_.clear(); }
    bool write(const std::uint8_t* d, int n) override
    {
        bytes += n;
        return inner_.write(d, n);
    }
    int read(std::uint8_t* d, int n) override
    {
        const int r = inner_.read(d, n);
        if (r > 0)
            bytes += r;
        return r;
    }
    qint64 bytes = 0;

private:
    zel::BytePort& inner_;
};

struct Result {
    double wallMs;
    double boundMs;
};

Result measure(CountingPort& port, zel::LinkOperation op, QByteArray& buffer, int primitives)
{
    port.bytes = 0;
    zel::LinkCallbacks cb;
    QString last;
    cb.report = [&](const QString& t, zel::ReportColour) { last = t; };
    QElapsedTimer timer;
    timer.start();
    const int r = zel::RunLinkOperation(port, {int(op), 1, reinterpret_cast<std::uint8_t*>(buffer.data()), int(buffer.size()), 0}, cb);
    const double wall = double(timer.nsecsElapsed()) / 1e6;
    if (r != 0) {
        std::fprintf(stderr, "operation failed: %s\n", last.toUtf8().constData());
        std::exit(1);
    }
    const double line = double(port.bytes) * 10.0 * 1000.0 / zel::kLineBaudRate;
    const double protocolWaits = primitives * double(zel::readTimeoutMs(1));
    return {wall, line + protocolWaits};
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    zel::sim::SimEngine engine;
    zel::sim::SimHost host(engine);
    host.setPacing(true);
    QString error;
    const QString path = host.start(&error);
    if (path.isEmpty()) {
        std::fprintf(stderr, "%s\n", error.toUtf8().constData());
        return 1;
    }
    zel::SerialBytePort serial(path);
    CountingPort port(serial);
    auto pw = zel::PasswordPayload(QByteArray());
    if (zel::RunLinkOperation(port, {int(zel::LinkOperation::SendPassword), 0, pw.data(), 9, 0}, {}) != 0) {
        std::fprintf(stderr, "password refused\n");
        return 1;
    }

    QByteArray config = engine.area(1);
    struct Case {
        const char* name;
        zel::LinkOperation op;
        int primitives;
    };
    const Case cases[] = {{"read area 1", zel::LinkOperation::ReadArea, 1},
                          {"program area 1 with read-back", zel::LinkOperation::ProgramArea, 2}};
    double worst = 0;
    for (const Case& c : cases) {
        std::vector<double> ratios;
        for (int i = 0; i < rounds; ++i) {
            config[100] = char(i); // a fresh byte each round
            const Result r = measure(port, c.op, config, c.primitives);
            ratios.push_back(r.wallMs / r.boundMs);
            std::printf("%-32s wall %8.1f ms  bound %8.1f ms  ratio %.3f\n", c.name, r.wallMs, r.boundMs, r.wallMs / r.boundMs);
        }
        std::sort(ratios.begin(), ratios.end());
        const double median = ratios[ratios.size() / 2];
        worst = std::max(worst, median);
        std::printf("%-32s median ratio %.3f\n", c.name, median);
    }
    host.stop();
    std::printf("worst median ratio %.3f (target <= 1.10)\n", worst);
    return 0;
}
