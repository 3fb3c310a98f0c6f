#include "ui/pages/connections/panel_widgets.h"

#include <QAbstractItemView>

namespace zel::connections {

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y, int w, int h)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
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

QComboBox* makeCombo(QWidget* parent, const QString& name, int x, int y, int w, const QStringList& items)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->addItems(items);
    c->setGeometry(x, y, w, 21);
    // Long items must stay readable although the box is narrow.
    c->view()->setMinimumWidth(w);
    return c;
}

QLineEdit* makeEdit(QWidget* parent, const QString& name, int x, int y, int w, const QString& mask, int maxLength)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    if (!mask.isEmpty())
        e->setInputMask(mask);
    else if (maxLength > 0)
        e->setMaxLength(maxLength);
    e->setGeometry(x, y, w, 21);
    return e;
}

QGroupBox* makeGroup(QWidget* parent, const QString& name, const QString& caption, int x, int y, int w, int h)
{
    auto* g = new QGroupBox(caption, parent);
    g->setObjectName(name);
    g->setGeometry(x, y, w, h);
    return g;
}

QRadioButton* makeRadio(QWidget* parent, const QString& name, const QString& text, int x, int y, int w)
{
    auto* r = new QRadioButton(text, parent);
    r->setObjectName(name);
    r->setGeometry(x, y, w, 20);
    return r;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text, int x, int y, int w, int h)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(x, y, w, h);
    return b;
}

const FieldDef& fieldOf(const QString& name)
{
    return requireField(name.toLatin1().constData());
}

QStringList catalogueItems(const char* name) { return fieldOf(QString::fromLatin1(name)).items; }

void unpackCombo(const DeviceImage& image, QComboBox* box, int record)
{
    const FieldDef& f = fieldOf(box->objectName());
    const std::uint32_t v = f.kind == FieldKind::Bits
                                ? image.bits(f.recordOffset(record), f.recordBit(record), f.bitCount)
                                : image.uint(f.recordOffset(record), f.byteWidth());
    box->setCurrentIndex(v < static_cast<std::uint32_t>(box->count()) ? static_cast<int>(v) : -1);
}

void packCombo(DeviceImage& image, const QComboBox* box, int record)
{
    const FieldDef& f = fieldOf(box->objectName());
    const int index = box->currentIndex();
    if (f.kind == FieldKind::Bits) {
        const std::uint32_t allOnes = (1u << f.bitCount) - 1;
        image.setBits(f.recordOffset(record), f.recordBit(record), f.bitCount,
                      index < 0 ? allOnes : static_cast<std::uint32_t>(index));
    } else {
        const int width = f.byteWidth();
        const std::uint32_t allOnes = width >= 4 ? 0xFFFFFFFFu : ((1u << (8 * width)) - 1);
        image.setUint(f.recordOffset(record), width, index < 0 ? allOnes : static_cast<std::uint32_t>(index));
    }
}

void unpackFlag(const DeviceImage& image, QCheckBox* box, int record)
{
    const FieldDef& f = fieldOf(box->objectName());
    box->setChecked(image.bit(f.recordOffset(record), f.recordBit(record)));
}

void packFlag(DeviceImage& image, const QCheckBox* box, int record)
{
    const FieldDef& f = fieldOf(box->objectName());
    image.setBit(f.recordOffset(record), f.recordBit(record), box->checkState() != Qt::Unchecked);
}

void unpackTriState(const DeviceImage& image, QCheckBox* box, int record)
{
    const FieldDef& f = fieldOf(box->objectName());
    const int bit = f.recordBit(record);
    const int shift = (record - 1) * f.stride;
    box->setCheckState(Qt::Unchecked);
    if (image.bit(f.recordOffset(record), bit))
        box->setCheckState(Qt::PartiallyChecked);
    if (image.bit(f.offset2 + shift, bit))
        box->setCheckState(Qt::Checked);
}

void packTriState(DeviceImage& image, const QCheckBox* box, int record)
{
    const FieldDef& f = fieldOf(box->objectName());
    const int bit = f.recordBit(record);
    const int shift = (record - 1) * f.stride;
    const Qt::CheckState s = box->checkState();
    image.setBit(f.recordOffset(record), bit, s != Qt::Unchecked);
    image.setBit(f.offset2 + shift, bit, s == Qt::Checked);
}

namespace {
bool isBlankOrControl(QChar c) { return c.unicode() <= 0x20; }
} // namespace

QString trimControl(const QString& text)
{
    qsizetype b = 0, e = text.size();
    while (b < e && isBlankOrControl(text[b]))
        ++b;
    while (e > b && isBlankOrControl(text[e - 1]))
        --e;
    return text.mid(b, e - b);
}

QString trimControlLeft(const QString& text)
{
    qsizetype b = 0;
    while (b < text.size() && isBlankOrControl(text[b]))
        ++b;
    return text.mid(b);
}

long long parseNumber(const QString& text, long long fallback)
{
    const QString t = trimControl(text);
    if (t.isEmpty() || t.size() > 18)
        return fallback;
    bool ok = false;
    const long long v = t.toLongLong(&ok, 10);
    return ok ? v : fallback;
}

long long leadingNumber(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    long long v = 0;
    // Nine digits at most: the groups and edits read here hold five or fewer.
    for (int n = 0; i < text.size() && text[i].isDigit() && n < 9; ++i, ++n)
        v = v * 10 + text[i].digitValue();
    return v;
}

std::uint32_t addressFromMaskedText(const QString& shown)
{
    std::uint32_t value = 0;
    for (int g = 0; g < 4; ++g) {
        long long n = leadingNumber(shown.mid(4 * g, 3));
        if (n > 255)
            n = 255;
        value = (value << 8) | static_cast<std::uint32_t>(n);
    }
    return value;
}

QString addressToMaskedText(std::uint32_t value)
{
    QString s;
    for (int g = 3; g >= 0; --g) {
        s += QStringLiteral("%1").arg((value >> (8 * g)) & 0xFF, 3, 10, QLatin1Char(' '));
        if (g)
            s += '.';
    }
    return s;
}

int minutesOf(const QLineEdit* edit)
{
    return static_cast<int>(leadingNumber(edit->displayText().left(4)));
}

void showMinutes(QLineEdit* edit, int minutes)
{
    // Right-aligned in the four digit positions, as the edit shows typed numbers.
    edit->setText(QStringLiteral("%1").arg(minutes, 4, 10, QLatin1Char(' ')));
}

QStringList numberedItems(int first, int last, const QString& suffix)
{
    QStringList items;
    for (int k = first; k <= last; ++k)
        items << QString::number(k) + suffix;
    return items;
}

QCheckBox* SourceBoxes::find(const QString& name) const
{
    for (QCheckBox* b : inputs)
        if (b->objectName() == name)
            return b;
    for (QCheckBox* b : others)
        if (b->objectName() == name)
            return b;
    return nullptr;
}

namespace {
constexpr int kRowHeight = 20;
constexpr int kFirstRow = 18;
constexpr int kMargin = 8;
} // namespace

SourceBoxes buildSourceGroup(QWidget* parent, const QString& name, int x, int y, int w, const SourceLayout& layout)
{
    SourceBoxes boxes;
    boxes.group = makeGroup(parent, name, QStringLiteral(" Передавать сообщения от следующих источников "), x, y, w,
                            100);
    const QString prefix = QStringLiteral("CheckBoxMask") + QLatin1Char(layout.letter);
    int rowY = kFirstRow;
    for (const auto& row : layout.rows) {
        int colX = kMargin;
        for (const auto& extra : row) {
            QCheckBox* c = makeCheck(boxes.group, QString::fromLatin1(extra.name), QString::fromUtf8(extra.caption),
                                     colX, rowY, extra.width > 0 ? extra.width : 60, 18);
            if (extra.width > 0)
                colX += extra.width + 4;
            else
                c->setVisible(false);
            boxes.others.push_back(c);
        }
        rowY += kRowHeight;
    }
    // Guard and observation modes 2 to 4: hidden, still packed.
    for (const char* mode : {"Arm", "Disarm"})
        for (int m = 2; m <= 4; ++m) {
            const QString caption = QString::fromUtf8(mode[0] == 'A' ? "ОХРАНА %1" : "НАБЛЮДЕНИЕ %1").arg(m);
            QCheckBox* c = makeCheck(boxes.group, prefix + QLatin1String(mode) + QString::number(m), caption,
                                     kMargin, kFirstRow, 100, 18);
            c->setVisible(false);
            boxes.others.push_back(c);
        }
    for (int i = 1; i <= 16; ++i) {
        const int row = (i - 1) / layout.inputsPerRow;
        const int col = (i - 1) % layout.inputsPerRow;
        QCheckBox* c = makeCheck(boxes.group, prefix + QStringLiteral("Input%1").arg(i),
                                 QStringLiteral("Вх.%1").arg(i), kMargin + col * layout.columnWidth,
                                 rowY + row * kRowHeight, layout.columnWidth - 4, 18);
        c->setTristate(true);
        // Inputs 5 and above are shown by the page's entry preparation.
        c->setVisible(i <= 4);
        boxes.inputs.push_back(c);
    }
    const QRect r13 = boxes.inputs[12]->geometry();
    boxes.group->resize(w, r13.y() + r13.height() + 8);
    return boxes;
}

void fitSourceGroup(SourceBoxes& boxes)
{
    for (int i = 0; i < 16; ++i)
        boxes.inputs[i]->setVisible(i < 14);
    const QRect r13 = boxes.inputs[12]->geometry();
    const QRect g = boxes.group->geometry();
    boxes.group->setGeometry(g.x(), g.y(), g.width(), r13.y() + r13.height() + 8);
}

void unpackSources(const DeviceImage& image, const SourceBoxes& boxes, int record)
{
    for (int i = 0; i < 16; ++i) {
        if (i < 14)
            unpackTriState(image, boxes.inputs[i], record);
        else
            boxes.inputs[i]->setCheckState(Qt::Unchecked);
    }
    for (QCheckBox* c : boxes.others)
        unpackFlag(image, c, record);
}

void packSources(DeviceImage& image, const SourceBoxes& boxes, int record)
{
    for (int i = 0; i < 14; ++i)
        packTriState(image, boxes.inputs[i], record);
    // Inputs 15 and 16 are never offered: their bits of both masks are written 0.
    const FieldDef& first = fieldOf(boxes.inputs[0]->objectName());
    const int shift = (record - 1) * first.stride;
    image.setBits(first.offset + shift, 14, 2, 0);
    image.setBits(first.offset2 + shift, 14, 2, 0);
    for (QCheckBox* c : boxes.others)
        packFlag(image, c, record);
}

} // namespace zel::connections
