#include "image/field_catalogue.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace zel {

int FieldDef::byteWidth() const
{
    switch (kind) {
    case FieldKind::Bits:
        return (bitLow + bitCount + 7) / 8;
    case FieldKind::U8:
    case FieldKind::S8:
        return 1;
    case FieldKind::U16:
    case FieldKind::S16:
        return 2;
    case FieldKind::U32:
    case FieldKind::IPv4:
    case FieldKind::Float:
        return 4;
    case FieldKind::Text:
    case FieldKind::Bytes:
        return width;
    case FieldKind::TriState:
        return bitLow / 8 + 1;
    }
    return 0;
}

int FieldDef::pageOfRecord(int record) const
{
    if (firstPage < 0)
        return -1;
    if (lastPage < 0 || lastPage == firstPage)
        return firstPage;
    const int page = firstPage + record - 1;
    return page <= lastPage ? page : -1;
}

double FieldDef::factoryValue(int record) const
{
    if (factory.empty())
        return 0;
    if (factory.size() == 1)
        return factory.front();
    return record >= 1 && record <= static_cast<int>(factory.size()) ? factory[record - 1] : 0;
}

QString FieldDef::factoryString(int record) const
{
    if (factoryText.empty())
        return {};
    if (factoryText.size() == 1)
        return factoryText.front();
    return record >= 1 && record <= static_cast<int>(factoryText.size()) ? factoryText[record - 1]
                                                                         : QString();
}

int FieldDef::area() const
{
    for (const auto& a : memoryAreas())
        if (a.held && offset >= a.offset && offset < a.offset + a.size)
            return a.number;
    return 0;
}

void writeFactoryValue(DeviceImage& image, const FieldDef& f, int record)
{
    const int off = f.recordOffset(record);
    const double v = f.factoryValue(record);
    switch (f.kind) {
    case FieldKind::Bits:
        image.setBits(off, f.recordBit(record), f.bitCount, static_cast<std::uint32_t>(static_cast<long long>(v)));
        break;
    case FieldKind::U8:
    case FieldKind::S8:
        image.setUint(off, 1, static_cast<std::uint32_t>(static_cast<long long>(v)));
        break;
    case FieldKind::U16:
    case FieldKind::S16:
        image.setUint(off, 2, static_cast<std::uint32_t>(static_cast<long long>(v)));
        break;
    case FieldKind::U32:
        image.setUint(off, 4, static_cast<std::uint32_t>(static_cast<long long>(v)));
        break;
    case FieldKind::Text:
        image.setText(off, f.width, f.factoryString(record));
        break;
    case FieldKind::IPv4:
        image.setIpv4(off, f.factoryString(record).isEmpty() ? QStringLiteral("0.0.0.0") : f.factoryString(record));
        break;
    case FieldKind::Float:
        image.setFloat32(off, static_cast<float>(v));
        break;
    case FieldKind::TriState: {
        const int state = static_cast<int>(v);
        const int bit = f.recordBit(record);
        image.setBits(off, bit, 1, state >= 1 ? 1u : 0u);
        image.setBits(f.offset2 + (record - 1) * f.stride, bit, 1, state == 2 ? 1u : 0u);
        break;
    }
    case FieldKind::Bytes: {
        QByteArray b = f.factoryBytes.left(f.width);
        b.append(QByteArray(f.width - b.size(), '\0'));
        image.setSlice(off, b);
        break;
    }
    }
}

const std::vector<FieldDef>& fieldCatalogue()
{
    static const std::vector<FieldDef> all = [] {
        std::vector<FieldDef> v;
        for (auto group : {connectionFields(), clockOutputProfileFields(), inputPowerSystemFields()})
            v.insert(v.end(), group.begin(), group.end());
        return v;
    }();
    return all;
}

const FieldDef* findField(const char* name)
{
    for (const auto& f : fieldCatalogue())
        if (std::strcmp(f.name, name) == 0)
            return &f;
    return nullptr;
}

const FieldDef& requireField(const char* name)
{
    const FieldDef* f = findField(name);
    if (!f)
        throw std::logic_error(std::string("no catalogue field for control ") + name);
    return *f;
}

} // namespace zel
