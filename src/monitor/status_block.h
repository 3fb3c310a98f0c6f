#pragma once
// The controller's 56-byte status block, decoded into the values the pages show.

#include "link/frame.h"

#include <QMetaType>
#include <array>
#include <cstdint>

namespace zel {

struct StatusBlock {
    // Controller clock, binary numbers as the controller keeps them.
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    std::array<int, 14> inputValues{}; // raw readings of inputs 1-14
    int mainSupply = 0;                // 0.1 V per unit
    int batteryCharge = 0;             // 0-100 percent, 254 test running, other: no battery
    int signalLevel = 0;               // 0-31
    bool inputValidFlag5 = false;      // byte 41 bit 5
    bool inputValidFlag6 = false;      // byte 41 bit 6
    int guardMode = 255;               // 0 НАБЛЮДЕНИЕ, 1 changing, 2 ОХРАНА, 3 ЗАЩИТА, other: none
    bool temperatureAvailable = false;
    bool balanceAvailable = false;
    std::uint16_t inputStates = 0;     // bit n-1 = input n active
    std::uint8_t outputStates = 0;     // bit 0 relay 1 ... bit 6 output 5
    int gsmState = 0;                  // raw byte 47
    int temperature = 0;               // degrees Celsius, signed
    float balance = 0.0f;
};

StatusBlock DecodeStatusBlock(const std::uint8_t* block);

// Entry of the GSM state text list: values above 10 share entry 11 ("unknown").
constexpr int kUnknownGsmStateIndex = 11;
inline int GsmStateIndex(int raw) { return raw < 0 || raw > kUnknownGsmStateIndex ? kUnknownGsmStateIndex : raw; }

// Whether an input page may show the live reading of this block.
inline bool InputValueValid(const StatusBlock& s)
{
    return (s.inputValidFlag6 && s.batteryCharge != 0) || s.inputValidFlag5;
}

// Live reading shown on input page `page` (18-31); 0 outside that range.
int InputValueOfPage(const StatusBlock& s, int page);

} // namespace zel

Q_DECLARE_METATYPE(zel::StatusBlock)
