#pragma once
// lng.txt: 413 lines of interface texts at fixed positions, Windows-1251.

#include <QString>
#include <QStringList>

namespace zel {

inline constexpr char kLanguageFileName[] = "lng.txt";
inline constexpr char kLanguageSignature[] = "// ZEL Language file - do not change this line!";
constexpr int kLanguageLineCount = 413;

// Splits at CR LF, lone LF or lone CR; a break after the last line starts no line.
QStringList SplitLanguageLines(const QByteArray& bytes);

// The file's lines when it exists, has exactly 413 lines and the signature as its
// first line; otherwise an empty list.
QStringList ReadLanguageFile(const QString& path);

} // namespace zel
