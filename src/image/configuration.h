#pragma once
// Factory contents of the device image and the operations that restore them.

#include "image/device_image.h"

#include <array>

namespace zel {

// The 5292 factory bytes of the configuration area, built once from the header,
// the fixed bytes that belong to no field and the field catalogue.
const std::array<std::uint8_t, kConfigurationSize>& ConfigurationDefaults();
extern const std::array<std::uint8_t, kModeMemorySize> ModeMemoryDefaults;
extern const std::array<std::uint8_t, kSystemParametersSize> SystemParameterDefaults;
extern const std::array<std::uint8_t, kControlPhonesHeaderSize> ControlPhonesHeaderDefaults;
extern const std::array<std::uint8_t, kControlPhoneRecordSize> ControlPhoneRecordTemplate;

void BuildDefaultImage(DeviceImage& image);
void ResetConfigurationArea(DeviceImage& image);
void ResetModeMemory(DeviceImage& image);
void ResetControlPhones(DeviceImage& image);
void UpdatePhoneRecordChecksum(DeviceImage& image, int record);
void RestoreGprsTimingDefaults(DeviceImage& image);
bool IsConfigurationValid(const DeviceImage& image);

// Offsets of the GPRS timing bytes restored by RestoreGprsTimingDefaults.
constexpr int kGprsTimingOffset = 2934;
constexpr int kGprsTimingSize = 4;

} // namespace zel
