#pragma once
// The configuration file (.cnt): a 35-byte text header, the 5292 bytes of the
// configuration area and a checksum byte.

#include "image/device_image.h"

#include <QString>

namespace zel {

constexpr int kConfigFileHeaderSize = 35;
constexpr int kConfigFileSize = kConfigFileHeaderSize + kConfigurationSize + 1; // 5328
inline constexpr char kConfigFileHeaderPrefix[] = "[ZELControllerConfiguration_v"; // 29 characters
inline constexpr char kConfigFileHeaderTemplate[] = "[ZELControllerConfiguration_v01.00]";
inline constexpr char kConfigFormatVersion[] = "01.02";
inline constexpr char kDefaultConfigFileName[] = "default.cnt";

enum ConfigReadResult {
    ConfigLoaded = 0,
    ConfigCannotOpen = 1,
    ConfigUnknownFormat = 2,
    ConfigOtherVersion = 3,
};

// The two's complement of the XOR of the bytes.
std::uint8_t ConfigurationChecksum(const std::uint8_t* bytes, int size);

// The file image for the given configuration area bytes (no side effects).
QByteArray BuildConfigurationFile(const DeviceImage& image);

// Writes the file for the image. Clears image byte 20 first (the administrative
// password never goes into a file). Written to a temporary name and renamed over the
// target. Returns 0 on success, non-zero on failure.
int WriteConfigurationFile(DeviceImage& image, const QString& path);

// Reads a file into the configuration area; returns a ConfigReadResult. The image
// changes only when the result is ConfigLoaded.
int ReadConfigurationFile(DeviceImage& image, const QString& path);

// The user-facing message for a reader result (empty for ConfigLoaded).
QString ConfigReadMessage(int result);

} // namespace zel
