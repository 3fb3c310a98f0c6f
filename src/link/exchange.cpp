#include "link/exchange.h"

#include "link/frame.h"

#include <algorithm>
#include <cstring>

namespace zel {

namespace {
constexpr int kAttempts = 3;
constexpr char kPreamble[] = "BINARY\r";
} // namespace

LinkExchange::LinkExchange(BytePort& port, const QStringList& texts, LinkReporter reporter, LinkProgress progress)
    : port_(port), texts_(texts), reporter_(std::move(reporter)), progress_(std::move(progress))
{
}

void LinkExchange::report(const QString& text, ReportColour colour) const
{
    if (reporter_)
        reporter_(text, colour);
}

void LinkExchange::reportText(int index, ReportColour colour) const { report(linkText(texts_, index), colour); }

void LinkExchange::progress(int position, int maximum) const
{
    if (progress_)
        progress_(position, maximum);
}

int LinkExchange::portError()
{
    report(linkText(texts_, TextPortError) + port_.name(), ReportColour::Red);
    return 1;
}

int LinkExchange::fail(int index)
{
    reportText(index, ReportColour::Red);
    return 1;
}

bool LinkExchange::Preamble()
{
    if (!port_.clear() || !port_.write(reinterpret_cast<const std::uint8_t*>(kPreamble), int(sizeof kPreamble - 1))) {
        portError();
        return false;
    }
    return true;
}

bool LinkExchange::openingRead()
{
    // The controller may leave one stray byte after the preamble.
    std::uint8_t stray = 0;
    return port_.read(&stray, 1) >= 0;
}

int LinkExchange::exchange(const QByteArray& request, std::uint8_t* reply, int replyLength)
{
    const auto* req = reinterpret_cast<const std::uint8_t*>(request.constData());
    int count = 0;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (!port_.clear() || !port_.write(req, int(request.size())))
            return -1;
        count = port_.read(reply, replyLength);
        if (count < 0)
            return -1;
        if (count == replyLength)
            break;
    }
    return count;
}

int LinkExchange::QueryExchange(std::uint8_t code, std::uint8_t* destination, int size)
{
    if (size < 0)
        return fail(TextTransferError3);
    if (!openingRead())
        return portError();
    const int r = size + kFrameOverhead;
    std::vector<std::uint8_t> reply(r);
    const int count = exchange(BuildRequest(code), reply.data(), r);
    if (count < 0)
        return portError();
    if (count != r)
        return fail(count > 0 ? TextBadReply : TextNoReply);
    if (!FrameChecksumValid(reply.data(), r))
        return fail(TextTransferError2);
    if (reply[0] != kFrameStart || reply[1] != code)
        return fail(TextTransferError3);
    if (size > 0)
        std::memcpy(destination, reply.data() + 4, size_t(size));
    return 0;
}

int LinkExchange::CommandExchange(std::uint8_t code, const std::uint8_t* payload, int size)
{
    if (size < 0 || size > 0xFFFF)
        return fail(TextTransferError3);
    if (!openingRead())
        return portError();
    std::uint8_t reply[kStatusReplySize];
    const int count = exchange(BuildRequest(code, payload, size), reply, kStatusReplySize);
    if (count < 0)
        return portError();
    if (count != kStatusReplySize)
        return fail(count > 0 ? TextBadReply : TextNoReply);
    if (!FrameChecksumValid(reply, kStatusReplySize))
        return fail(TextTransferError2);
    if (reply[0] == kFrameStart && reply[1] == code && reply[4] == 0)
        return 0;
    if (reply[4] == 1)
        return fail(TextFlashError);
    if (reply[4] == 2)
        return fail(TextPasswordRequired);
    return fail(TextTransferError3);
}

int LinkExchange::AreaWriteExchange(int area, std::uint32_t baseAddress, const std::uint8_t* source, int size)
{
    const int code = AreaWriteCode(area);
    if (code < 0) {
        report(QString::fromUtf8(kAreaIdentifierErrorText), ReportColour::Red);
        return 1;
    }
    if (size < 0)
        return fail(TextTransferError3);
    if (!openingRead())
        return portError();
    progress(0, size);
    std::uint8_t payload[6 + kMaxChunk];
    std::uint8_t reply[kAreaWriteReplySize];
    for (int offset = 0; offset < size;) {
        const int c = std::min(size - offset, kMaxChunk);
        const std::uint32_t address = baseAddress + std::uint32_t(offset);
        putU32(payload, address);
        putU16(payload + 4, std::uint16_t(c));
        std::memcpy(payload + 6, source + offset, size_t(c));
        const int count = exchange(BuildRequest(std::uint8_t(code), payload, c + 6), reply, kAreaWriteReplySize);
        if (count < 0)
            return portError();
        if (count != kAreaWriteReplySize)
            return fail(count > 0 ? TextBadReply : TextNoReply);
        if (!FrameChecksumValid(reply, kAreaWriteReplySize))
            return fail(TextTransferError2);
        const bool echoOk = reply[0] == kFrameStart && reply[1] == code && getU32(reply + 4) == address
            && getU16(reply + 8) == c;
        if (!echoOk || reply[10] != 0)
            return fail(reply[10] == 1 ? TextFlashError : TextTransferError3);
        offset += c;
        progress(offset, size);
    }
    return 0;
}

int LinkExchange::AreaReadExchange(int area, std::uint32_t baseAddress, std::uint8_t* destination, int size)
{
    const int code = AreaReadCode(area);
    if (code < 0) {
        report(QString::fromUtf8(kAreaIdentifierErrorText), ReportColour::Red);
        return 1;
    }
    if (size < 0)
        return fail(TextTransferError3);
    if (!openingRead())
        return portError();
    progress(0, size);
    std::uint8_t payload[8];
    std::vector<std::uint8_t> reply(size_t(areaReadReplySize(kMaxChunk)));
    for (int offset = 0; offset < size;) {
        const int c = std::min(size - offset, kMaxChunk);
        const int r = areaReadReplySize(c);
        const std::uint32_t address = baseAddress + std::uint32_t(offset);
        putU32(payload, address);
        putU16(payload + 4, std::uint16_t(c));
        payload[6] = 0;
        payload[7] = 0;
        const int count = exchange(BuildRequest(std::uint8_t(code), payload, 8), reply.data(), r);
        if (count < 0)
            return portError();
        if (count != r)
            return fail(TextTransferError1);
        if (!FrameChecksumValid(reply.data(), r))
            return fail(TextTransferError2);
        if (reply[0] != kFrameStart || reply[1] != code || getU32(reply.data() + 4) != address
            || getU16(reply.data() + 8) != c)
            return fail(TextTransferError3);
        std::memcpy(destination + offset, reply.data() + 10, size_t(c));
        offset += c;
        progress(offset, size);
    }
    return 0;
}

} // namespace zel
