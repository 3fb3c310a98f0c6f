#include "monitor/status_block.h"
#include "sim/sim_engine.h"

#include <QDateTime>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

using namespace zel;

namespace {

struct DecodeCase {
    const char* name;
    std::vector<std::pair<int, std::uint8_t>> bytes;
    std::function<double(const StatusBlock&)> field;
    double expected;
};

class StatusBlockDecode : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(StatusBlockDecode, ReadsTheField)
{
    const DecodeCase& c = GetParam();
    std::array<std::uint8_t, kStatusBlockSize> block{};
    for (auto [offset, value] : c.bytes)
        block[size_t(offset)] = value;
    EXPECT_DOUBLE_EQ(c.field(DecodeStatusBlock(block.data())), c.expected) << c.name;
}

const float kBalance = -1234.5f;
std::vector<std::pair<int, std::uint8_t>> balanceBytes()
{
    std::uint32_t bits;
    std::memcpy(&bits, &kBalance, 4);
    return {{52, std::uint8_t(bits)}, {53, std::uint8_t(bits >> 8)}, {54, std::uint8_t(bits >> 16)},
            {55, std::uint8_t(bits >> 24)}};
}

INSTANTIATE_TEST_SUITE_P(
    Fields, StatusBlockDecode,
    ::testing::Values(
        DecodeCase{"clock year", {{0, 10}}, [](const StatusBlock& s) { return s.year; }, 10},
        DecodeCase{"clock second", {{5, 7}}, [](const StatusBlock& s) { return s.second; }, 7},
        DecodeCase{"input 1 little-endian", {{6, 0xFF}, {7, 0x0F}},
                   [](const StatusBlock& s) { return s.inputValues[0]; }, 4095},
        DecodeCase{"input 14 at 32", {{32, 0x34}, {33, 0x12}},
                   [](const StatusBlock& s) { return s.inputValues[13]; }, 0x1234},
        DecodeCase{"input page 31 reads input 14", {{32, 0x01}, {33, 0x02}},
                   [](const StatusBlock& s) { return InputValueOfPage(s, 31); }, 0x0201},
        DecodeCase{"input page 17 has none", {{6, 9}}, [](const StatusBlock& s) { return InputValueOfPage(s, 17); }, 0},
        DecodeCase{"main supply", {{38, 124}}, [](const StatusBlock& s) { return s.mainSupply; }, 124},
        DecodeCase{"battery", {{40, 254}}, [](const StatusBlock& s) { return s.batteryCharge; }, 254},
        DecodeCase{"signal keeps bits 0-4 only", {{41, 0xFF}}, [](const StatusBlock& s) { return s.signalLevel; }, 31},
        DecodeCase{"flag 5", {{41, 0x20}}, [](const StatusBlock& s) { return s.inputValidFlag5 && !s.inputValidFlag6; }, 1},
        DecodeCase{"flag 6", {{41, 0x40}}, [](const StatusBlock& s) { return s.inputValidFlag6 && !s.inputValidFlag5; }, 1},
        DecodeCase{"guard mode", {{42, 3}}, [](const StatusBlock& s) { return s.guardMode; }, 3},
        DecodeCase{"temperature flag", {{43, 1}}, [](const StatusBlock& s) { return s.temperatureAvailable && !s.balanceAvailable; }, 1},
        DecodeCase{"balance flag", {{43, 2}}, [](const StatusBlock& s) { return s.balanceAvailable && !s.temperatureAvailable; }, 1},
        DecodeCase{"input 16 is the high bit of 45", {{45, 0x80}}, [](const StatusBlock& s) { return s.inputStates; }, 0x8000},
        DecodeCase{"output bit 7 ignored", {{46, 0xFF}}, [](const StatusBlock& s) { return s.outputStates; }, 0x7F},
        DecodeCase{"gsm state 11 unknown", {{47, 11}}, [](const StatusBlock& s) { return GsmStateIndex(s.gsmState); }, 11},
        DecodeCase{"gsm state 200 unknown", {{47, 200}}, [](const StatusBlock& s) { return GsmStateIndex(s.gsmState); }, 11},
        DecodeCase{"gsm state 10 kept", {{47, 10}}, [](const StatusBlock& s) { return GsmStateIndex(s.gsmState); }, 10},
        DecodeCase{"temperature is signed", {{48, 0xF6}}, [](const StatusBlock& s) { return s.temperature; }, -10},
        DecodeCase{"balance float", balanceBytes(), [](const StatusBlock& s) { return s.balance; }, double(kBalance)}),
    [](const auto& info) {
        std::string n = info.param.name;
        for (char& ch : n)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return n;
    });

struct ValidityCase {
    std::uint8_t byte41;
    std::uint8_t battery;
    bool valid;
};

TEST(StatusBlockInputValidity, FlagsAndBattery)
{
    const ValidityCase cases[] = {
        {0x00, 50, false}, // no flag
        {0x40, 0, false},  // flag 6 needs a non-zero battery byte
        {0x40, 1, true},
        {0x20, 0, true},   // flag 5 alone is enough
        {0x60, 0, true},
    };
    for (const auto& c : cases) {
        std::array<std::uint8_t, kStatusBlockSize> block{};
        block[41] = c.byte41;
        block[40] = c.battery;
        EXPECT_EQ(InputValueValid(DecodeStatusBlock(block.data())), c.valid)
            << "byte41 " << int(c.byte41) << " battery " << int(c.battery);
    }
}

// What the simulated controller puts in its block comes out of the decoder.
TEST(StatusBlockDecodeSimulator, MatchesTheLiveState)
{
    sim::SimEngine engine;
    engine.setLive([](sim::LiveState& l) {
        l.guardMode = 3;
        l.inputs = 0x8005;
        l.outputs = 0x45;
        l.gsmState = 9;
        l.supply = 131;
        l.battery = 254;
        l.temperature = -7;
        l.balance = 99.25f;
        l.temperatureAvailable = true;
        l.balanceAvailable = false;
    });
    const auto block = engine.statusBlock();
    const StatusBlock s = DecodeStatusBlock(block.data());
    EXPECT_EQ(s.guardMode, 3);
    EXPECT_EQ(s.inputStates, 0x8005);
    EXPECT_EQ(s.outputStates, 0x45);
    EXPECT_EQ(s.gsmState, 9);
    EXPECT_EQ(s.mainSupply, 131);
    EXPECT_EQ(s.batteryCharge, 254);
    EXPECT_EQ(s.temperature, -7);
    EXPECT_FLOAT_EQ(s.balance, 99.25f);
    EXPECT_TRUE(s.temperatureAvailable);
    EXPECT_FALSE(s.balanceAvailable);
    EXPECT_EQ(s.inputValues[0], 3900); // an active input reads high
    EXPECT_EQ(s.inputValues[2], 3900);
    EXPECT_LT(s.inputValues[1], 3000);
    const QDateTime now = QDateTime::currentDateTime();
    EXPECT_EQ(s.year, now.date().year() % 100);
    EXPECT_EQ(s.month, now.date().month());
}

} // namespace
