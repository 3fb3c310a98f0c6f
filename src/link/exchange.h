#pragma once
// The four exchange primitives of the controller link and the binary-mode preamble.
// Each primitive returns 0 on success and 1 on failure, having reported the failure
// text in red.

#include "link/byte_port.h"
#include "link/link_texts.h"

#include <cstdint>
#include <vector>

namespace zel {

class LinkExchange {
public:
    LinkExchange(BytePort& port, const QStringList& texts, LinkReporter reporter, LinkProgress progress = {});

    // Clears both buffers and writes "BINARY\r". False after a reported port error.
    bool Preamble();

    int QueryExchange(std::uint8_t code, std::uint8_t* destination, int size);
    int CommandExchange(std::uint8_t code, const std::uint8_t* payload, int size);
    int AreaWriteExchange(int area, std::uint32_t baseAddress, const std::uint8_t* source, int size);
    int AreaReadExchange(int area, std::uint32_t baseAddress, std::uint8_t* destination, int size);

    void report(const QString& text, ReportColour colour) const;
    void reportText(int index, ReportColour colour) const;
    const QStringList& texts() const { return texts_; }

private:
    // One frame with up to three attempts; the count of the last attempt, -1 on a port error.
    int exchange(const QByteArray& request, std::uint8_t* reply, int replyLength);
    bool openingRead();
    int portError();
    int fail(int index);
    void progress(int position, int maximum) const;

    BytePort& port_;
    QStringList texts_;
    LinkReporter reporter_;
    LinkProgress progress_;
};

} // namespace zel
