#include "ui/pages/outputs/panel_util.h"

#include <QLineEdit>


namespace zel::outputs {

const FieldDef& field(const char* name)
{
    return requireField(name);
}

QLabel* makeLabel(QWidget* parent, const QString& text, int x, int y, int w, int h, const QString& name)
{
    auto* l = new QLabel(text, parent);
    if (!name.isEmpty())
        l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    if (w < 0)
        w = l->sizeHint().width();
    l->setGeometry(x, y, w, h);
    return l;
}

QCheckBox* makeCheck(QWidget* parent, const QString& name, const QString& text, int x, int y, int w, int h)
{
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(name);
    c->setGeometry(x, y, w, h);
    return c;
}

QComboBox* makeList(QWidget* parent, const QString& name, const QStringList& items, int x, int y, int w, int h)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->addItems(items);
    c->setMaxVisibleItems(20);
    c->setGeometry(x, y, w, h);
    return c;
}

QComboBox* makeEditableList(QWidget* parent, const QString& name, const QStringList& items, int maxLength, int x,
                            int y, int w, int h)
{
    QComboBox* c = makeList(parent, name, items, x, y, w, h);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->lineEdit()->setMaxLength(maxLength);
    return c;
}

QGroupBox* makeGroup(QWidget* parent, const QString& name, const QString& caption, int x, int y, int w, int h)
{
    auto* g = new QGroupBox(caption, parent);
    g->setObjectName(name);
    g->setGeometry(x, y, w, h);
    return g;
}

void setListIndex(QComboBox* list, int index)
{
    const QSignalBlocker block(list);
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

std::uint32_t listValue(const QComboBox* list, int bitCount)
{
    const int i = list->currentIndex();
    const std::uint32_t ones = bitCount >= 32 ? 0xFFFFFFFFu : ((1u << bitCount) - 1u);
    return i < 0 ? ones : static_cast<std::uint32_t>(i) & ones;
}

void setChecked(QCheckBox* box, bool on)
{
    const QSignalBlocker block(box);
    box->setChecked(on);
}

QString shownText(const DeviceImage& image, int offset, int width)
{
    // The last byte of the field is the terminator whatever it holds.
    QByteArray raw = image.slice(offset, width - 1);
    const int nul = raw.indexOf('\0');
    if (nul >= 0)
        raw.truncate(nul);
    return fromCp1251(raw);
}

} // namespace zel::outputs
