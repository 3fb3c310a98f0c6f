#pragma once
// Small helpers shared by the clock, output, scenario and profile panels.

#include "image/device_image.h"
#include "image/field_catalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QWidget>

namespace zel::outputs {

// The catalogue entry of a field that must exist; the page code reads offsets and
// list items from here only.
const FieldDef& field(const char* name);

QLabel* makeLabel(QWidget* parent, const QString& text, int x, int y, int w = -1, int h = 16,
                  const QString& name = QString());
QCheckBox* makeCheck(QWidget* parent, const QString& name, const QString& text, int x, int y, int w, int h = 17);
QComboBox* makeList(QWidget* parent, const QString& name, const QStringList& items, int x, int y, int w,
                    int h = 21);
// Editable list whose text is stored (suggestions as items, maxLength characters).
QComboBox* makeEditableList(QWidget* parent, const QString& name, const QStringList& items, int maxLength,
                            int x, int y, int w, int h = 21);
QGroupBox* makeGroup(QWidget* parent, const QString& name, const QString& caption, int x, int y, int w, int h);

// Index set from code: never fires the list's change handlers. A value without an
// item leaves the list without a selection.
void setListIndex(QComboBox* list, int index);
// Stored value of a list: its item index, or the field's all-ones value without a selection.
std::uint32_t listValue(const QComboBox* list, int bitCount);

void setChecked(QCheckBox* box, bool on);

// A text field of the image as shown on a page: at most width - 1 characters; the
// stored terminator byte is forced to NUL by the caller's pack.
QString shownText(const DeviceImage& image, int offset, int width);

} // namespace zel::outputs
