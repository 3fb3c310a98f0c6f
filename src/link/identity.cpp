#include "link/identity.h"

#include <cstring>

namespace zel {

const char* const kHardwareCheckCaption = "Проверка конфигурации";

namespace {

QByteArray textField(const std::uint8_t* p, int width)
{
    int n = 0;
    while (n < width - 1 && p[n] != 0)
        ++n;
    return QByteArray(reinterpret_cast<const char*>(p), n);
}

void putText(std::uint8_t* p, int width, const QByteArray& text)
{
    std::memset(p, 0, size_t(width));
    std::memcpy(p, text.constData(), size_t(std::min<qsizetype>(text.size(), width - 1)));
}

QString cut(const QByteArray& text, int maxChars) { return fromCp1251(text.left(maxChars)); }

QString formatIds(const std::array<std::uint32_t, 4>& ids, const QString& placeholder)
{
    if (ids[0] == 0 && ids[1] == 0 && ids[2] == 0 && ids[3] == 0)
        return placeholder;
    return QString::asprintf("%010u %010u\r\n %010u %010u", ids[0], ids[1], ids[2], ids[3]);
}

} // namespace

DeviceIdentity DecodeIdentity(const std::uint8_t* b)
{
    DeviceIdentity id;
    id.name = textField(b + 0, 9);
    id.modification = textField(b + 9, 9);
    id.hardwareVersion = getU16(b + 18);
    id.firmwareVersion = getU16(b + 20);
    id.bootLoaderVersion = getU16(b + 22);
    id.date = textField(b + 24, 12);
    id.country = textField(b + 36, 4);
    for (int i = 0; i < 4; ++i)
        id.bindingId[i] = getU32(b + 40 + 4 * i);
    id.imei = textField(b + 56, 16);
    for (int i = 0; i < 4; ++i)
        id.uniqueId[i] = getU32(b + 72 + 4 * i);
    return id;
}

IdentityBlock EncodeIdentity(const DeviceIdentity& id)
{
    IdentityBlock b{};
    putText(b.data() + 0, 9, id.name);
    putText(b.data() + 9, 9, id.modification);
    putU16(b.data() + 18, id.hardwareVersion);
    putU16(b.data() + 20, id.firmwareVersion);
    putU16(b.data() + 22, id.bootLoaderVersion);
    putText(b.data() + 24, 12, id.date);
    putText(b.data() + 36, 4, id.country);
    for (int i = 0; i < 4; ++i)
        putU32(b.data() + 40 + 4 * i, id.bindingId[i]);
    putText(b.data() + 56, 16, id.imei);
    for (int i = 0; i < 4; ++i)
        putU32(b.data() + 72 + 4 * i, id.uniqueId[i]);
    return b;
}

const IdentityBlock& EmptyIdentityBlock()
{
    static const IdentityBlock block = [] {
        DeviceIdentity id;
        id.name = "--------";
        id.modification = "--------";
        id.date = "-----------";
        id.country = "---";
        id.imei = "---------------";
        return EncodeIdentity(id);
    }();
    return block;
}

QString FormatDeviceVersion(std::uint16_t value)
{
    if (value == 0)
        return QStringLiteral("--.--");
    return QString::asprintf("%02X.%02X", unsigned(value >> 8), unsigned(value & 0xFF));
}

bool ParseDeviceVersion(const QString& text, std::uint16_t* value)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 2 || parts[0].size() != 2 || parts[1].size() != 2)
        return false;
    bool ok1 = false, ok2 = false;
    const uint hi = parts[0].toUInt(&ok1, 16);
    const uint lo = parts[1].toUInt(&ok2, 16);
    if (!ok1 || !ok2)
        return false;
    *value = static_cast<std::uint16_t>((hi << 8) | lo);
    return true;
}

IdentityTexts IdentityLabelTexts(const DeviceIdentity& id)
{
    IdentityTexts t;
    t.deviceName = cut(id.name, 8);
    t.modification = cut(id.modification, 8);
    t.hardware = FormatDeviceVersion(id.hardwareVersion);
    t.firmware = FormatDeviceVersion(id.firmwareVersion);
    t.bootLoader = FormatDeviceVersion(id.bootLoaderVersion);
    t.date = cut(id.date, 11);
    t.country = cut(id.country, 3);
    t.bindingId = formatIds(id.bindingId, QString(48, QLatin1Char(' ')) + QLatin1Char('-'));
    t.imei = cut(id.imei, 15);
    t.uniqueId = formatIds(id.uniqueId, QStringLiteral("- - - - - - - -  - - - - - - - -\r\n  - - - - - - - -  - - - - - - - -"));
    t.version = t.modification + QLatin1Char('.') + t.firmware;
    return t;
}

IdentityTexts EmptyIdentityTexts() { return IdentityLabelTexts(EmptyIdentityBlock().data()); }

const QStringList& SupportedVersions()
{
    static const QStringList versions = {
        QStringLiteral("KV-10.01.02"),  QStringLiteral("KV-20.01.02"),  QStringLiteral("KV-20M.01.02"),
        QStringLiteral("KV-10M.01.02"), QStringLiteral("KV-20M.01.03"), QStringLiteral("KV-10M.01.03"),
        QStringLiteral("KV-10.01.03"),  QStringLiteral("KV-20.01.03"),  QStringLiteral("KV-20M.01.04"),
        QStringLiteral("KV-10M.01.04"),
    };
    return versions;
}

bool IsSupportedModel(const QString& deviceNameText) { return deviceNameText == QLatin1String("ZEL470"); }

bool IsSupportedVersion(const QString& versionText, const QStringList& supported)
{
    return supported.contains(versionText, Qt::CaseSensitive);
}

QString UnsupportedModelMessage(const QString& deviceNameText)
{
    return QStringLiteral("Устройство ") + deviceNameText + QStringLiteral(" не поддерживается");
}

QString UnsupportedVersionMessage(const QString& versionText)
{
    return QStringLiteral("Версия ") + versionText + QStringLiteral(" не поддерживается");
}

HardwareCheck CheckHardwareCapabilities(const QString& hardwareText, const DeviceImage& image)
{
    HardwareCheck check;
    if (hardwareText != QLatin1String("12.02") && hardwareText != QLatin1String("13.02"))
        return check;
    for (int n = 1; n <= 8; ++n) {
        if (image.bits(88 + 36 * (n - 1), 0, 2) != 1)
            continue;
        const QChar q = QLatin1Char('"');
        check.ok = false;
        check.connection = n;
        check.page = n + 1;
        check.message = QStringLiteral("Контроллер аппаратной версии ") + hardwareText
            + QStringLiteral(" не поддерживает функцию передачи данных CSD.") + QLatin1Char('\n')
            + QStringLiteral("На вкладке ") + q + QStringLiteral("Соединение ") + QString::number(n) + q
            + QStringLiteral(", установите параметр ") + q + QStringLiteral("Тип соединения") + q
            + QStringLiteral(" в состояние отличное от ") + q + QStringLiteral("PatrolBeacon") + q
            + QLatin1Char('.');
        return check;
    }
    return check;
}

std::array<std::uint8_t, kPasswordPayloadSize> PasswordPayload(const QByteArray& password)
{
    std::array<std::uint8_t, kPasswordPayloadSize> p{};
    for (int i = 0; i < kPasswordPayloadSize && i < password.size() && password[i] != '\0'; ++i)
        p[size_t(i)] = static_cast<std::uint8_t>(password[i]);
    p[8] = 0;
    return p;
}

std::array<std::uint8_t, kPasswordPayloadSize> PasswordPayload(const DeviceImage& image)
{
    return PasswordPayload(image.slice(20, kPasswordPayloadSize));
}

} // namespace zel
