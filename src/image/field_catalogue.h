#pragma once
// The field catalogue: one declaration per field of the configuration, named after
// the control that edits it. Pages, factory defaults, dumps and tests all read it,
// so an offset is written down exactly once.

#include "image/device_image.h"

#include <QStringList>
#include <vector>

namespace zel {

enum class FieldKind {
    Bits,     // bitCount bits from bitLow of the little-endian word at offset
    U8,
    U16,
    U32,
    S8,
    S16,
    Text,     // Windows-1251, width bytes, NUL-terminated and padded
    IPv4,     // 4 bytes, reversed byte order
    Float,    // little-endian float32
    TriState, // check box with a greyed state: bit bitLow at offset (selected mask)
              // and the same bit at offset2 (ticked mask)
    Bytes,    // width opaque bytes (factoryBytes)
};

struct FieldDef {
    const char* name = "";          // the control's name
    int offset = 0;                 // absolute image offset of record 1
    FieldKind kind = FieldKind::U8;
    int bitLow = 0;                 // Bits / TriState
    int bitCount = 0;               // Bits
    int width = 0;                  // Text / Bytes
    int stride = 0;                 // bytes between records
    int count = 1;                  // number of records
    int bitStride = 0;              // bits between records (bit arrays within one word)
    int offset2 = -1;               // TriState: offset of the ticked mask
    // Factory value: one entry for every record, or one per record.
    // Numbers for integer kinds and Float; TriState 0 unticked, 1 greyed, 2 ticked.
    std::vector<double> factory{};
    std::vector<QString> factoryText{}; // Text / IPv4 (dotted)
    QByteArray factoryBytes{};        // Bytes
    int firstPage = -1;             // tree page of record 1 (-1: no page edits it)
    int lastPage = -1;              // last page; record r is on page firstPage + r - 1
                                    // when the range has one page per record
    QStringList items{};            // drop-down list items (empty when generated or none)

    int recordOffset(int record) const { return offset + (record - 1) * stride; }
    int recordBit(int record) const { return bitLow + (record - 1) * bitStride; }
    // Bytes that one record of the field touches.
    int byteWidth() const;
    // The page that shows the given record, or -1.
    int pageOfRecord(int record) const;
    double factoryValue(int record) const;
    QString factoryString(int record) const;
    int area() const;
};

// Every field of the configuration area and the system parameters.
const std::vector<FieldDef>& fieldCatalogue();
// nullptr when there is no such field.
const FieldDef* findField(const char* name);
// The field a control is bound to; a missing one is a programming error and throws
// std::logic_error, which every page test would hit.
const FieldDef& requireField(const char* name);

// Writes the field's factory value for one record (read-modify-write for bits).
void writeFactoryValue(DeviceImage& image, const FieldDef& field, int record);

// Catalogue groups, one per page group.
std::vector<FieldDef> connectionFields();       // pages 1 to 13
std::vector<FieldDef> clockOutputProfileFields(); // pages 14, 32 to 49
std::vector<FieldDef> inputPowerSystemFields(); // pages 15 to 31, 50

} // namespace zel
