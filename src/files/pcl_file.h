#pragma once
// Control-phone list file (.pcl): the whole of memory area 6 behind a text header.
//
// Layout (18067 bytes):
//   0      29     "[ZELControlPnonesList_v01.00]"
//   29     2      CR LF
//   31     18032  memory area 6 as in the device image (32-byte header, 500 records)
//   18063  4      CRC-32 (IEEE 802.3) of the 18032 area bytes, least significant byte first
// The reader accepts exactly this size; anything else is not a list file of ours.

#include "image/device_image.h"

#include <QString>

namespace zel {

inline constexpr char kPclHeader[] = "[ZELControlPnonesList_v01.00]";
inline constexpr char kPclHeaderTemplate[] = "[ZELControlPnonesList_v--.--]";
constexpr int kPclFileSize = 29 + 2 + kControlPhonesSize + 4;

std::uint32_t Crc32(const QByteArray& bytes);
QByteArray BuildControlPhonesFile(const DeviceImage& image);

// 0 loaded into memory area 6, 1 cannot open or read, 2 format not recognised.
// Memory area 6 changes only on 0.
int ReadControlPhonesFile(DeviceImage& image, const QString& path);
// 0 on success, non-zero on failure. Temporary name and rename.
int WriteControlPhonesFile(const DeviceImage& image, const QString& path);

} // namespace zel
