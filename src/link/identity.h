#pragma once
// The controller's 88-byte identity block, its display texts and the support checks.

#include "image/device_image.h"
#include "link/frame.h"

#include <QStringList>
#include <array>
#include <cstdint>

namespace zel {

struct DeviceIdentity {
    QByteArray name;          // raw text fields, cut to width - 1
    QByteArray modification;
    std::uint16_t hardwareVersion = 0;
    std::uint16_t firmwareVersion = 0;
    std::uint16_t bootLoaderVersion = 0;
    QByteArray date;
    QByteArray country;
    std::array<std::uint32_t, 4> bindingId{};
    QByteArray imei;
    std::array<std::uint32_t, 4> uniqueId{};
};

// The texts of the ten identity labels and of the device version (status bar panel 2).
struct IdentityTexts {
    QString deviceName;    // iDeviceNameLabel
    QString modification;  // iModificationLabel
    QString hardware;      // iHardVerLabel
    QString firmware;      // iSoftVerLabel
    QString bootLoader;    // iBLLabel
    QString date;          // iDateLabel
    QString country;       // iLabelCountryCode
    QString bindingId;     // iLabelDevSNLocked
    QString imei;          // iGSMIMEILabel
    QString uniqueId;      // iLabelDevSN
    QString version;       // modification + "." + firmware
};

using IdentityBlock = std::array<std::uint8_t, kIdentitySize>;

DeviceIdentity DecodeIdentity(const std::uint8_t* block);
IdentityBlock EncodeIdentity(const DeviceIdentity& identity);
// The fixed block shown when identification fails.
const IdentityBlock& EmptyIdentityBlock();

IdentityTexts IdentityLabelTexts(const DeviceIdentity& identity);
inline IdentityTexts IdentityLabelTexts(const std::uint8_t* block) { return IdentityLabelTexts(DecodeIdentity(block)); }
IdentityTexts EmptyIdentityTexts();

// "12.02" from 0x1202; "--.--" for 0.
QString FormatDeviceVersion(std::uint16_t value);
// Parses "12.02" (two hexadecimal bytes) back; false on a malformed text.
bool ParseDeviceVersion(const QString& text, std::uint16_t* value);

const QStringList& SupportedVersions();
bool IsSupportedModel(const QString& deviceNameText);
bool IsSupportedVersion(const QString& versionText, const QStringList& supported = SupportedVersions());

QString UnsupportedModelMessage(const QString& deviceNameText);
QString UnsupportedVersionMessage(const QString& versionText);

// Outcome of the hardware capability check. When refused, the window shows message in
// a box captioned kHardwareCheckCaption and selects tree page `page`.
struct HardwareCheck {
    bool ok = true;
    int connection = 0; // 1-8, the first PatrolBeacon connection
    int page = -1;      // SectionPage of that connection
    QString message;
};
extern const char* const kHardwareCheckCaption;
HardwareCheck CheckHardwareCapabilities(const QString& hardwareText, const DeviceImage& image);

// The 9-byte payload of SendPassword: up to 8 characters, NUL-padded, byte 8 zero.
std::array<std::uint8_t, kPasswordPayloadSize> PasswordPayload(const DeviceImage& image);
std::array<std::uint8_t, kPasswordPayloadSize> PasswordPayload(const QByteArray& password);

} // namespace zel
