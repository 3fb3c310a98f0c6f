#pragma once
// Applying a language file to the window: captions, list items, grid headers, tree
// captions and the run-time text lists. Every text is shown as plain text.

#include <QStringList>

class QTreeWidget;
class QWidget;

namespace zel {

struct InterfaceTexts;

// lines: the 413 lines of an accepted language file (see files/language_file.h).
void ApplyLanguageLines(QWidget& window, QTreeWidget& tree, InterfaceTexts& texts, const QStringList& lines);

} // namespace zel
