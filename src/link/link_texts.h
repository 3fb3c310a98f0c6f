#pragma once
// The link worker's status texts and report colours. The window may replace the
// texts at run time (language file), so operations take the table they are given.

#include <QStringList>
#include <cstdint>
#include <functional>

namespace zel {

enum LinkText : int {
    TextCannotOpen = 0,
    TextIdentifying = 1,
    TextWriting = 2,
    TextPortError = 3,
    TextReading = 4,
    TextProgrammed = 5,
    TextMismatch = 6,
    TextDataRead = 7,
    TextEqual = 8,
    TextDifferent = 9,
    TextVersionRead = 10,
    TextDataSent = 11,
    TextRestartStarted = 12,
    TextBadReply = 13,
    TextNoReply = 14,
    TextTransferError1 = 15,
    TextTransferError2 = 16,
    TextTransferError3 = 17,
    TextFlashError = 18,
    TextPasswordRequired = 19,
    kLinkTextCount = 20
};

// Fixed text, not part of the translatable table.
extern const char* const kAreaIdentifierErrorText;

enum class ReportColour { Black, Blue, Red };

// 0xAARRGGBB of a report colour: black, pure blue (0,0,255), pure red (255,0,0).
std::uint32_t reportRgb(ReportColour colour);

using LinkReporter = std::function<void(const QString& text, ReportColour colour)>;
using LinkProgress = std::function<void(int position, int maximum)>;

// The built-in table, and the process-wide default that new operations start from.
const QStringList& BuiltInLinkStatusTexts();
QStringList DefaultLinkStatusTexts();
void SetDefaultLinkStatusTexts(const QStringList& texts);

// Entry i of a table; a missing entry reads as empty text.
QString linkText(const QStringList& texts, int index);

} // namespace zel
