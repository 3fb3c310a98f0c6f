#pragma once
// One numbered link operation, run from port open to port close. The GUI worker
// thread, the live monitor and the command-line tool all go through RunLinkOperation.

#include "link/byte_port.h"
#include "link/link_texts.h"

#include <cstdint>

namespace zel {

enum class LinkOperation : int {
    ReadArea = 0,
    ProgramArea = 1,
    CompareArea = 2,
    Identify = 3,
    ReadStatus = 4,
    SetClock = 5,
    ReadKeyCode = 6,
    ApplyConfiguration = 7,
    Restart = 8,
    SendPassword = 9,
    DeviceControl = 10,
    Query21 = 11,
};

struct LinkRequest {
    int operation = -1;            // 0-11; any other value does nothing and fails
    int area = 0;                  // MemoryArea for operations 0-2
    std::uint8_t* buffer = nullptr; // caller's source or destination
    int size = 0;
    std::uint32_t baseAddress = 0;
};

struct LinkCallbacks {
    QStringList texts = DefaultLinkStatusTexts();
    LinkReporter report;
    LinkProgress progress;
};

// Opens the port, performs the operation, closes the port. 0 success, 1 failure.
// On failure the buffer is unchanged (operation 0 reads into a scratch copy first).
int RunLinkOperation(BytePort& port, const LinkRequest& request, const LinkCallbacks& callbacks);

inline LinkRequest areaRequest(LinkOperation op, int area, std::uint8_t* buffer, int size)
{
    return {int(op), area, buffer, size, 0};
}
inline LinkRequest shortRequest(LinkOperation op, std::uint8_t* buffer, int size)
{
    return {int(op), 0, buffer, size, 0};
}

} // namespace zel
