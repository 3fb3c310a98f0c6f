#include "monitor/status_block.h"

#include <cstring>

namespace zel {

StatusBlock DecodeStatusBlock(const std::uint8_t* b)
{
    StatusBlock s;
    s.year = b[0];
    s.month = b[1];
    s.day = b[2];
    s.hour = b[3];
    s.minute = b[4];
    s.second = b[5];
    for (int i = 0; i < 14; ++i)
        s.inputValues[size_t(i)] = getU16(b + 6 + 2 * i);
    s.mainSupply = b[38];
    s.batteryCharge = b[40];
    s.signalLevel = b[41] & 0x1F;
    s.inputValidFlag5 = (b[41] & 0x20) != 0;
    s.inputValidFlag6 = (b[41] & 0x40) != 0;
    s.guardMode = b[42];
    s.temperatureAvailable = (b[43] & 0x01) != 0;
    s.balanceAvailable = (b[43] & 0x02) != 0;
    s.inputStates = getU16(b + 44);
    s.outputStates = b[46] & 0x7F;
    s.gsmState = b[47];
    s.temperature = static_cast<std::int8_t>(b[48]);
    const std::uint32_t raw = getU32(b + 52);
    static_assert(sizeof(float) == sizeof(std::uint32_t));
    std::memcpy(&s.balance, &raw, sizeof raw);
    return s;
}

int InputValueOfPage(const StatusBlock& s, int page)
{
    if (page < 18 || page > 31)
        return 0;
    return s.inputValues[size_t(page - 18)];
}

} // namespace zel
