#include "files/language_file.h"

#include "image/device_image.h"

#include <QFile>
#include <QFileInfo>

namespace zel {

QStringList SplitLanguageLines(const QByteArray& bytes)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        lines << fromCp1251(bytes.mid(start, i - start));
        if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines << fromCp1251(bytes.mid(start));
    return lines;
}

QStringList ReadLanguageFile(const QString& path)
{
    QFileInfo info(path);
    // A real language file is a few kilobytes; refuse anything absurd without reading it.
    if (!info.isFile() || info.size() > 4 * 1024 * 1024)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = SplitLanguageLines(file.readAll());
    if (lines.size() != kLanguageLineCount || lines.first() != QLatin1String(kLanguageSignature))
        return {};
    return lines;
}

} // namespace zel
