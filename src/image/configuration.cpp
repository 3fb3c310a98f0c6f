#include "image/configuration.h"

#include "image/field_catalogue.h"

#include <cstring>

namespace zel {

const std::array<std::uint8_t, kModeMemorySize> ModeMemoryDefaults{0x00, 0x00, 0x40, 0x40, 0x40,
                                                                   0x40, 0x40, 0x40, 0x40, 0x00};
const std::array<std::uint8_t, kSystemParametersSize> SystemParameterDefaults{};
const std::array<std::uint8_t, kControlPhonesHeaderSize> ControlPhonesHeaderDefaults{};
const std::array<std::uint8_t, kControlPhoneRecordSize> ControlPhoneRecordTemplate{
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0};

const std::array<std::uint8_t, kConfigurationSize>& ConfigurationDefaults()
{
    static const std::array<std::uint8_t, kConfigurationSize> defaults = [] {
        DeviceImage scratch;
        scratch.setByte(0, kFactoryFormatByte);
        scratch.setText(1, 8, QString::fromLatin1(kFactoryVersionText));
        // Factory bytes of a block that no page edits.
        scratch.setByte(3080, 0x10);
        scratch.setByte(3081, 0x0E);
        scratch.setByte(3082, 0x64);
        scratch.setByte(3084, 0x3C);
        for (const FieldDef& f : fieldCatalogue()) {
            if (f.area() != 1)
                continue;
            for (int r = 1; r <= f.count; ++r)
                writeFactoryValue(scratch, f, r);
        }
        std::array<std::uint8_t, kConfigurationSize> out{};
        std::memcpy(out.data(), scratch.data(), kConfigurationSize);
        return out;
    }();
    return defaults;
}

void BuildDefaultImage(DeviceImage& image)
{
    ResetConfigurationArea(image);
    ResetModeMemory(image);
    std::memcpy(image.data() + kSystemParametersOffset, SystemParameterDefaults.data(), kSystemParametersSize);
    ResetControlPhones(image);
}

void ResetConfigurationArea(DeviceImage& image)
{
    std::memcpy(image.data() + kConfigurationOffset, ConfigurationDefaults().data(), kConfigurationSize);
}

void ResetModeMemory(DeviceImage& image)
{
    std::memcpy(image.data() + kModeMemoryOffset, ModeMemoryDefaults.data(), kModeMemorySize);
}

void ResetControlPhones(DeviceImage& image)
{
    std::memcpy(image.data() + kControlPhonesOffset, ControlPhonesHeaderDefaults.data(), kControlPhonesHeaderSize);
    for (int r = 0; r < kControlPhoneRecordCount; ++r) {
        std::memcpy(image.data() + kControlPhoneRecordOffset + kControlPhoneRecordSize * r,
                    ControlPhoneRecordTemplate.data(), kControlPhoneRecordSize);
        UpdatePhoneRecordChecksum(image, r);
    }
}

void UpdatePhoneRecordChecksum(DeviceImage& image, int record)
{
    if (record < 0 || record >= kControlPhoneRecordCount)
        return;
    std::uint8_t* rec = image.data() + kControlPhoneRecordOffset + kControlPhoneRecordSize * record;
    rec[32] = 0;
    std::uint8_t x = 0;
    for (int i = 0; i < kControlPhoneRecordSize; ++i)
        x ^= rec[i];
    rec[32] = static_cast<std::uint8_t>(256 - x);
}

void RestoreGprsTimingDefaults(DeviceImage& image)
{
    const auto& defaults = ConfigurationDefaults();
    std::memcpy(image.data() + kGprsTimingOffset, defaults.data() + kGprsTimingOffset, kGprsTimingSize);
}

bool IsConfigurationValid(const DeviceImage& image)
{
    if (image.byte(0) != kFactoryFormatByte)
        return false;
    // NUL-terminated comparison of at most 8 bytes.
    return std::strncmp(reinterpret_cast<const char*>(image.data() + 1), kFactoryVersionText, 8) == 0;
}

} // namespace zel
