#pragma once
// Payloads of the device page's control commands (DeviceControl: kind, index,
// parameter) and the support e-mail built from the identity shown.

#include "link/identity.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace zel {

enum class ControlKind : std::uint8_t {
    Arm = 0,           // guard mode ОХРАНА
    Observe = 1,       // guard mode НАБЛЮДЕНИЕ
    Output = 2,        // act on an output: index 0-6, parameter = reaction code
    Protect = 3,       // guard mode ЗАЩИТА
    SimulateInput = 4, // index 0-15 for inputs 1-16
};

constexpr int kOutputCount = 7;
constexpr int kScenarioCount = 14;
constexpr int kSimulatedInputCount = 16;
constexpr std::uint8_t kReactionSwitchOn = 1;
constexpr std::uint8_t kReactionSwitchOff = 2;
constexpr std::uint8_t kReactionFirstScenario = 3;

QByteArray ControlPayload(ControlKind kind, std::uint8_t index = 0, std::uint8_t parameter = 0);
// Output 0-6 (relay 1, relay 2, outputs 1-5); empty for an index out of range.
QByteArray OutputSwitchPayload(int output, bool on);
// Scenario list item 0-13 run on output 0-6; empty when either is out of range.
QByteArray ScenarioPayload(int output, int scenarioItem);
// Input 0-15; empty when out of range.
QByteArray InputSimulationPayload(int input);

// Subject of the support e-mail for the identity labels shown.
QString SupportMailSubject(const IdentityTexts& shown);
// mailto: URL with that subject. The subject goes in as it is; QUrl percent-encodes
// what a URL cannot carry raw (blanks, the identifier's line break).
QUrl SupportMailUrl(const QString& address, const IdentityTexts& shown);

} // namespace zel
