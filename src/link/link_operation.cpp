#include "link/link_operation.h"

#include "link/exchange.h"
#include "link/frame.h"

#include <cstring>
#include <vector>

namespace zel {

namespace {

struct PortCloser {
    BytePort& port;
    ~PortCloser()
    {
        if (port.isOpen())
            port.close();
    }
};

int perform(LinkExchange& link, const LinkRequest& rq, std::vector<std::uint8_t>& scratch)
{
    const auto black = ReportColour::Black;
    const auto blue = ReportColour::Blue;
    const auto red = ReportColour::Red;
    const int size = rq.size;

    auto simple = [&](bool query, std::uint8_t code, int successText) {
        if (!link.Preamble())
            return 1;
        link.reportText(TextIdentifying, black);
        const int r = query ? link.QueryExchange(code, rq.buffer, size) : link.CommandExchange(code, rq.buffer, size);
        if (r == 0)
            link.reportText(successText, blue);
        return r;
    };

    switch (static_cast<LinkOperation>(rq.operation)) {
    case LinkOperation::ReadArea:
        link.reportText(TextIdentifying, black);
        link.reportText(TextReading, black);
        if (!link.Preamble() || link.AreaReadExchange(rq.area, rq.baseAddress, scratch.data(), size) != 0)
            return 1;
        if (size > 0)
            std::memcpy(rq.buffer, scratch.data(), size_t(size));
        link.reportText(TextDataRead, blue);
        return 0;
    case LinkOperation::ProgramArea:
        link.reportText(TextIdentifying, black);
        link.reportText(TextWriting, black);
        if (!link.Preamble() || link.AreaWriteExchange(rq.area, rq.baseAddress, rq.buffer, size) != 0)
            return 1;
        link.reportText(TextReading, black);
        if (link.AreaReadExchange(rq.area, rq.baseAddress, scratch.data(), size) != 0)
            return 1;
        if (size > 0 && std::memcmp(scratch.data(), rq.buffer, size_t(size)) != 0) {
            link.reportText(TextMismatch, red);
            return 1;
        }
        link.reportText(TextProgrammed, blue);
        return 0;
    case LinkOperation::CompareArea:
        link.reportText(TextIdentifying, black);
        link.reportText(TextReading, black);
        if (!link.Preamble() || link.AreaReadExchange(rq.area, rq.baseAddress, scratch.data(), size) != 0)
            return 1;
        if (size > 0 && std::memcmp(scratch.data(), rq.buffer, size_t(size)) != 0) {
            link.reportText(TextDifferent, red);
            return 1;
        }
        link.reportText(TextEqual, blue);
        return 0;
    case LinkOperation::Identify: return simple(true, Cmd::Identify, TextVersionRead);
    case LinkOperation::ReadStatus: return simple(true, Cmd::Status, TextDataRead);
    case LinkOperation::SetClock: return simple(false, Cmd::SetClock, TextDataSent);
    case LinkOperation::ReadKeyCode: return simple(true, Cmd::KeyCode, TextDataRead);
    case LinkOperation::ApplyConfiguration: return simple(false, Cmd::Apply, TextDataSent);
    case LinkOperation::Restart: return simple(false, Cmd::Restart, TextRestartStarted);
    case LinkOperation::SendPassword: return simple(false, Cmd::Password, TextDataSent);
    case LinkOperation::DeviceControl: return simple(false, Cmd::DeviceControl, TextDataSent);
    case LinkOperation::Query21: return simple(true, Cmd::Query21, TextDataRead);
    }
    return 1;
}

} // namespace

int RunLinkOperation(BytePort& port, const LinkRequest& request, const LinkCallbacks& callbacks)
{
    if (request.operation < 0 || request.operation > 11)
        return 1;
    // A missing buffer or a negative size would make the primitives touch memory the
    // caller never gave; refuse before any traffic.
    if (request.size < 0 || (request.size > 0 && request.buffer == nullptr))
        return 1;
    std::vector<std::uint8_t> scratch(size_t(request.size));
    LinkExchange link(port, callbacks.texts, callbacks.report, callbacks.progress);
    if (!port.open() || !port.isOpen()) {
        link.report(linkText(callbacks.texts, TextCannotOpen) + port.name(), ReportColour::Red);
        return 1;
    }
    PortCloser closer{port};
    return perform(link, request, scratch);
}

} // namespace zel
