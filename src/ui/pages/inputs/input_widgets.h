#pragma once
// Small builders and list rules shared by the panels of the input group.

#include "image/device_image.h"
#include "image/field_catalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStringList>

namespace zel::inputs {

// The field of a control; the catalogue is the one place offsets are written down.
const FieldDef& field(const char* name);

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                  bool wrap = false);
QGroupBox* makeGroup(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry);
QComboBox* makeList(QWidget* parent, const QString& name, const QStringList& items, const QRect& geometry);
QCheckBox* makeCheck(QWidget* parent, const QString& name, const QString& text, const QRect& geometry);

// Drop-down list rules: a stored value without an item shows no selection; no
// selection packs as the field's all-ones value. Setting the index from code never
// runs the list's change handler (handlers are bound to `activated`).
void showListValue(QComboBox* list, std::uint32_t value);
std::uint32_t listValue(const QComboBox* list, int bitCount);

// Bit and byte fields by catalogue entry, record numbered from 1.
std::uint32_t readField(const DeviceImage& image, const FieldDef& f, int record = 1);
void writeField(DeviceImage& image, const FieldDef& f, std::uint32_t value, int record = 1);
int fieldBitCount(const FieldDef& f);

// An up-down with its edit: the edit's text is read as an integer (0 when it is not a
// number) and the up-down keeps it within its limits.
class UpDownEdit : public QSpinBox {
    Q_OBJECT
public:
    UpDownEdit(QWidget* parent, const QString& upDownName, const QString& editName, int maximum,
               int editLength);
    QLineEdit* edit() const { return lineEdit(); }

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    int valueFromText(const QString& text) const override;

private:
    int editLength_;
};

} // namespace zel::inputs
