#pragma once
// Building blocks shared by the connection, GPRS and server panels: control factories
// with fixed geometry, catalogue-driven pack and unpack of lists and check boxes, the
// lenient number parsing of the edits and the event source group box.

#include "image/device_image.h"
#include "image/field_catalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <vector>

namespace zel::connections {

// --- control factories (name = objectName, geometry relative to the parent) ---
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y, int w, int h = 16);
QCheckBox* makeCheck(QWidget* parent, const QString& name, const QString& text, int x, int y, int w, int h = 20);
QComboBox* makeCombo(QWidget* parent, const QString& name, int x, int y, int w, const QStringList& items = {});
QLineEdit* makeEdit(QWidget* parent, const QString& name, int x, int y, int w, const QString& mask = {},
                    int maxLength = 0);
QGroupBox* makeGroup(QWidget* parent, const QString& name, const QString& caption, int x, int y, int w, int h);
QRadioButton* makeRadio(QWidget* parent, const QString& name, const QString& text, int x, int y, int w);
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text, int x, int y, int w,
                        int h = 25);

// Catalogue field of a control; the control's objectName is the field name.
const FieldDef& fieldOf(const QString& name);
// Items declared in the catalogue for a list.
QStringList catalogueItems(const char* name);

// --- pack / unpack through the catalogue; record counts from 1 ---
// A stored value without an item shows no selection; no selection packs all ones.
void unpackCombo(const DeviceImage& image, QComboBox* box, int record = 1);
void packCombo(DeviceImage& image, const QComboBox* box, int record = 1);
void unpackFlag(const DeviceImage& image, QCheckBox* box, int record = 1);
void packFlag(DeviceImage& image, const QCheckBox* box, int record = 1);
// Three-state source: selected bit set for greyed and ticked, ticked bit for ticked.
// Unpacking shows a ticked bit as ticked even when the selected bit is clear.
void unpackTriState(const DeviceImage& image, QCheckBox* box, int record = 1);
void packTriState(DeviceImage& image, const QCheckBox* box, int record = 1);

// --- text and numbers ---
// Removes leading and trailing blanks and control characters.
QString trimControl(const QString& text);
QString trimControlLeft(const QString& text);
// Whole text as a decimal integer (after trimming); `fallback` when it is not one.
long long parseNumber(const QString& text, long long fallback = 0);
// Leading decimal digits after leading blanks; 0 when there is no digit.
long long leadingNumber(const QString& text);

// --- masked edits ---
// Dotted address edit: four groups of three positions at 0, 4, 8 and 12.
inline const QString kAddressMask = QStringLiteral("000.000.000.000; ");
// Reads the four groups of the shown text (a group above 255 counts as 255) and
// returns the stored 32-bit value (first group in the highest byte).
std::uint32_t addressFromMaskedText(const QString& shown);
// Shows a stored address one number per group, right-aligned like the edit's blanks.
QString addressToMaskedText(std::uint32_t value);
// Minute edits: up to four digits followed by the fixed text " Мин.".
inline const QString kMinutesMask = QStringLiteral("0000 Мин.; ");
int minutesOf(const QLineEdit* edit);
void showMinutes(QLineEdit* edit, int minutes);

// Generated list items: k followed by suffix for k = first..last.
QStringList numberedItems(int first, int last, const QString& suffix);

// --- event sources group box (voice, SMS and GPRS pages) ---
struct SourceBoxes {
    QGroupBox* group = nullptr;
    std::vector<QCheckBox*> inputs; // inputs 1 to 16, three-state
    std::vector<QCheckBox*> others; // two-state boxes: modes 1-4, protection, system, ...
    QCheckBox* find(const QString& name) const;
};

struct SourceLayout {
    char letter;                          // D, S or G: CheckBoxMask<letter>Input1 ...
    int inputsPerRow;
    int columnWidth;                      // of the input boxes
    // Rows of two-state boxes above the inputs, each an ordered list. A width of 0
    // makes a box that stays hidden (it still takes part in pack and unpack). The
    // guard and observation boxes 2 to 4 are always added, hidden.
    struct Extra {
        const char* name;
        const char* caption;
        int width;
    };
    std::vector<std::vector<Extra>> rows;
};

SourceBoxes buildSourceGroup(QWidget* parent, const QString& name, int x, int y, int w,
                             const SourceLayout& layout);
// Shows inputs 1-14 (15 and 16 stay hidden) and makes the group end 8 pixels below
// the box of input 13.
void fitSourceGroup(SourceBoxes& boxes);

void unpackSources(const DeviceImage& image, const SourceBoxes& boxes, int record = 1);
void packSources(DeviceImage& image, const SourceBoxes& boxes, int record = 1);

} // namespace zel::connections
