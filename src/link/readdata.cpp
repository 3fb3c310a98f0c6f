#include "link/readdata.h"

namespace zel {

TReadData::TReadData(BytePort& port, std::uint32_t baseAddress, int size, std::uint8_t* buffer, int area,
                     int operation, QObject* parent)
    : QThread(parent), port_(port), request_{operation, area, buffer, size, baseAddress}, full_(true)
{
}

TReadData::TReadData(BytePort& port, int size, std::uint8_t* buffer, int operation, QObject* parent)
    : QThread(parent), port_(port), request_{operation, 0, buffer, size, 0}, full_(false)
{
}

int TReadData::execute()
{
    start(QThread::NormalPriority);
    wait();
    return result();
}

void TReadData::run()
{
    LinkCallbacks cb = callbacks_;
    cb.report = [this](const QString& text, ReportColour colour) {
        if (reporter_)
            reporter_(text, colour);
        emit reported(text, reportRgb(colour));
    };
    if (full_)
        cb.progress = [this](int position, int maximum) {
            if (progressCallback_)
                progressCallback_(position, maximum);
            emit progressed(position, maximum);
        };
    result_ = RunLinkOperation(port_, request_, cb);
}

} // namespace zel
