#include "ui/pages/device/device_commands.h"

namespace zel {

QByteArray ControlPayload(ControlKind kind, std::uint8_t index, std::uint8_t parameter)
{
    QByteArray p(3, '\0');
    p[0] = char(kind);
    p[1] = char(index);
    p[2] = char(parameter);
    return p;
}

QByteArray OutputSwitchPayload(int output, bool on)
{
    if (output < 0 || output >= kOutputCount)
        return {};
    return ControlPayload(ControlKind::Output, std::uint8_t(output), on ? kReactionSwitchOn : kReactionSwitchOff);
}

QByteArray ScenarioPayload(int output, int scenarioItem)
{
    // A list without a selection (-1) must not send a reaction the user never chose.
    if (output < 0 || output >= kOutputCount || scenarioItem < 0 || scenarioItem >= kScenarioCount)
        return {};
    return ControlPayload(ControlKind::Output, std::uint8_t(output),
                          std::uint8_t(kReactionFirstScenario + scenarioItem));
}

QByteArray InputSimulationPayload(int input)
{
    if (input < 0 || input >= kSimulatedInputCount)
        return {};
    return ControlPayload(ControlKind::SimulateInput, std::uint8_t(input), 0);
}

QString SupportMailSubject(const IdentityTexts& s)
{
    if (s.deviceName == EmptyIdentityTexts().deviceName)
        return QStringLiteral("ZEL470, нет информации о версии устройства");
    return s.deviceName + "-" + s.modification + "-" + "h" + s.hardware + "-" + "s" + s.firmware + "-" + s.date
           + "-" + s.country + "-" + "d" + s.bootLoader + "-" + "IDi:" + s.uniqueId + "-IMEI:" + s.imei;
}

QUrl SupportMailUrl(const QString& address, const IdentityTexts& shown)
{
    // Percent-encode the subject ourselves: the identifier's line break and the blanks
    // cannot travel raw in a URL, and a device text must not be able to add fields.
    const QByteArray encoded = QByteArrayLiteral("mailto:") + QUrl::toPercentEncoding(address, "@")
                               + QByteArrayLiteral("?subject=") + QUrl::toPercentEncoding(SupportMailSubject(shown));
    return QUrl::fromEncoded(encoded, QUrl::StrictMode);
}

} // namespace zel
