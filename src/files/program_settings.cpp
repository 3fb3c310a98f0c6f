#include "files/program_settings.h"

#include "image/device_image.h"

#include <QFile>
#include <QSaveFile>
#include <cstring>

namespace zel {

bool IsAcceptedPortName(const QString& name)
{
    if (name == QLatin1String(kSimulatorPortToken))
        return true;
    if (name.startsWith(QLatin1String("tty")) && name.size() > 3)
        return true;
    return name.contains('C') && name.contains('O') && name.contains('M');
}

QByteArray BuildProgramSettings(const QString& portName)
{
    QByteArray out(kSettingsHeader, 12);
    QByteArray field("COM1\0\0\0\0", 8);
    QByteArray name = toCp1251(portName).left(7);
    // The name replaces the template up to 7 characters, zero-padded to 7.
    std::memset(field.data(), 0, 7);
    std::memcpy(field.data(), name.constData(), name.size());
    field[7] = '\0';
    out.append(field);
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((kSettingsMagic >> (8 * i)) & 0xFF));
    return out;
}

bool ReadProgramSettings(const QString& path, QString& portName)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray header(kSettingsHeader, 12);
    const QByteArray head = file.read(12);
    std::memcpy(header.data(), head.constData(), head.size());
    const int hn = header.indexOf('\0');
    if ((hn >= 0 ? header.left(hn) : header) != QByteArray(kSettingsHeader))
        return false;
    QByteArray field("COM1\0\0\0\0", 8);
    const QByteArray got = file.read(8);
    std::memcpy(field.data(), got.constData(), got.size());
    const int fn = field.indexOf('\0');
    const QString name = fromCp1251(fn >= 0 ? field.left(fn) : field);
    if (!IsAcceptedPortName(name))
        return false;
    portName = name;
    const QByteArray magic = file.read(4);
    if (magic.size() != 4)
        return false;
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint8_t>(magic[i]);
    return v == kSettingsMagic;
}

bool WriteProgramSettings(const QString& path, const QString& portName)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = BuildProgramSettings(portName);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace zel
