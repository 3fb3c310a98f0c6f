#pragma once
// ZELConfig.cfg: the program's own settings, which hold only the serial port name.
// 24 bytes: "[ZELProgCfg]", an 8-byte port field (at most 7 characters, NUL-padded) and a
// 32-bit magic number, least significant byte first.

#include <QByteArray>
#include <QString>

namespace zel {

inline constexpr char kSettingsFileName[] = "ZELConfig.cfg";
inline constexpr char kSettingsHeader[] = "[ZELProgCfg]";
constexpr std::uint32_t kSettingsMagic = 0x20B84286;
inline constexpr char kDefaultPortName[] = "COM1";
// What the port field holds when the built-in simulated controller is chosen.
inline constexpr char kSimulatorPortToken[] = "SIM";

// Whether a port field names something this platform can use: a Windows name (it has
// the letters C, O and M), a Unix terminal device name ("tty...") or the simulator.
bool IsAcceptedPortName(const QString& name);

QByteArray BuildProgramSettings(const QString& portName);

// Reads the settings file at path. On success returns true and sets portName; on
// failure returns false, and portName may already hold the file's name (the caller
// falls back to the default port).
bool ReadProgramSettings(const QString& path, QString& portName);
bool WriteProgramSettings(const QString& path, const QString& portName);

} // namespace zel
