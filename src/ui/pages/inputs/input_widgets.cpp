#include "ui/pages/inputs/input_widgets.h"

#include <QSignalBlocker>

#include <algorithm>


namespace zel::inputs {

const FieldDef& field(const char* name)
{
    return requireField(name);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry, bool wrap)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(geometry);
    l->setWordWrap(wrap);
    return l;
}

QGroupBox* makeGroup(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry)
{
    auto* g = new QGroupBox(caption, parent);
    g->setObjectName(name);
    g->setGeometry(geometry);
    return g;
}

QComboBox* makeList(QWidget* parent, const QString& name, const QStringList& items, const QRect& geometry)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->addItems(items);
    c->setGeometry(geometry);
    c->setMaxVisibleItems(16);
    return c;
}

QCheckBox* makeCheck(QWidget* parent, const QString& name, const QString& text, const QRect& geometry)
{
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(name);
    c->setGeometry(geometry);
    return c;
}

void showListValue(QComboBox* list, std::uint32_t value)
{
    const QSignalBlocker block(list);
    list->setCurrentIndex(value < static_cast<std::uint32_t>(list->count()) ? static_cast<int>(value) : -1);
}

std::uint32_t listValue(const QComboBox* list, int bitCount)
{
    const std::uint32_t mask = bitCount >= 32 ? 0xFFFFFFFFu : ((1u << bitCount) - 1u);
    return static_cast<std::uint32_t>(list->currentIndex()) & mask; // -1 gives all ones
}

int fieldBitCount(const FieldDef& f)
{
    switch (f.kind) {
    case FieldKind::Bits:
        return f.bitCount;
    case FieldKind::U16:
    case FieldKind::S16:
        return 16;
    case FieldKind::U32:
        return 32;
    default:
        return 8;
    }
}

std::uint32_t readField(const DeviceImage& image, const FieldDef& f, int record)
{
    const int off = f.recordOffset(record);
    switch (f.kind) {
    case FieldKind::Bits:
        return image.bits(off, f.recordBit(record), f.bitCount);
    case FieldKind::U16:
    case FieldKind::S16:
        return image.u16(off);
    case FieldKind::U32:
        return image.u32(off);
    default:
        return image.byte(off);
    }
}

void writeField(DeviceImage& image, const FieldDef& f, std::uint32_t value, int record)
{
    const int off = f.recordOffset(record);
    switch (f.kind) {
    case FieldKind::Bits:
        image.setBits(off, f.recordBit(record), f.bitCount, value);
        break;
    case FieldKind::U16:
    case FieldKind::S16:
        image.setU16(off, static_cast<std::uint16_t>(value));
        break;
    case FieldKind::U32:
        image.setU32(off, value);
        break;
    default:
        image.setByte(off, static_cast<std::uint8_t>(value));
        break;
    }
}

UpDownEdit::UpDownEdit(QWidget* parent, const QString& upDownName, const QString& editName, int maximum,
                       int editLength)
    : QSpinBox(parent), editLength_(editLength)
{
    setObjectName(upDownName);
    lineEdit()->setObjectName(editName);
    setRange(0, maximum);
    setKeyboardTracking(true);
}

QValidator::State UpDownEdit::validate(QString& input, int& pos) const
{
    Q_UNUSED(pos);
    // Anything short enough is taken; what is not a number counts as 0.
    return input.size() <= editLength_ ? QValidator::Acceptable : QValidator::Invalid;
}

int UpDownEdit::valueFromText(const QString& text) const
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok)
        return 0;
    return std::clamp(v, minimum(), maximum());
}

} // namespace zel::inputs
