#include "link/link_texts.h"

#include <QMutex>

namespace zel {

const char* const kAreaIdentifierErrorText = "Ошибка идентификатора области FLASH памяти";

std::uint32_t reportRgb(ReportColour colour)
{
    switch (colour) {
    case ReportColour::Blue: return 0xFF0000FFu;
    case ReportColour::Red: return 0xFFFF0000u;
    case ReportColour::Black: break;
    }
    return 0xFF000000u;
}

const QStringList& BuiltInLinkStatusTexts()
{
    static const QStringList texts = {
        QStringLiteral("Невозможно открыть "),
        QStringLiteral("Идентификация..."),
        QStringLiteral("Передача данных в память контроллера..."),
        QStringLiteral("Ошибка порта "),
        QStringLiteral("Чтение данных из памяти контроллера..."),
        QStringLiteral("Программирование завершено успешно"),
        QStringLiteral("Ошибка, найдены несоответствия в данных"),
        QStringLiteral("Данные считаны"),
        QStringLiteral("Данные в памяти контроллера аналогичны текущим"),
        QStringLiteral("Данные в памяти контроллера отличаются от текущих"),
        QStringLiteral("Версия устройства считана"),
        QStringLiteral("Данные переданы"),
        QStringLiteral("Перезагрузка устройства инициированна"),
        QStringLiteral("Нет корректного ответа от устройства"),
        QStringLiteral("Нет ответа от устройства"),
        QStringLiteral("Ошибка передачи данных, код 1"),
        QStringLiteral("Ошибка передачи данных, код 2"),
        QStringLiteral("Ошибка передачи данных, код 3"),
        QStringLiteral("Внутренняя ошибка взаимодействия с FLASH памятью"),
        QStringLiteral("Взаимодействие запрещено без указания пароля, команды чтения/записи и ряд управляющих команд не могут быть выполнены"),
    };
    return texts;
}

namespace {
// Written by the UI thread when a language file is applied, read by workers.
QMutex g_defaultMutex;
QStringList& defaultTable()
{
    static QStringList table = BuiltInLinkStatusTexts();
    return table;
}
} // namespace

QStringList DefaultLinkStatusTexts()
{
    QMutexLocker lock(&g_defaultMutex);
    return defaultTable();
}

void SetDefaultLinkStatusTexts(const QStringList& texts)
{
    QMutexLocker lock(&g_defaultMutex);
    defaultTable() = texts;
}

QString linkText(const QStringList& texts, int index)
{
    return index >= 0 && index < texts.size() ? texts.at(index) : QString();
}

} // namespace zel
