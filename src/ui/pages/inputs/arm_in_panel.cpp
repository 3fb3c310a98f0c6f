#include "ui/pages/inputs/arm_in_panel.h"

#include "ui/interface_texts.h"
#include "ui/pages/inputs/input_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace zel {

using namespace inputs;

namespace {

constexpr int kKeyRecord1 = 3292; // slot k at 3292 + 32 k
constexpr int kKeyRecordSize = 32;
constexpr int kUserNameWidth = 17;
constexpr int kRowHeight = 20;

enum KeyColumn { ColNumber = 0, ColCode = 1, ColName = 2, ColArm = 3, ColDisarm = 4, ColProfile = 5 };

const QString kEmptyCode(ArmInPanel::kKeyCodeDigits, QLatin1Char(' '));
const QString kNoProfile = QStringLiteral("-");
const QString kPasswordRefused =
    QStringLiteral("Взаимодействие запрещено без указания пароля, программа не сможет получить код ключа");

const char* const kArmNames[7] = {"ComboBoxArmToRele1", "ComboBoxArmToRele2", "ComboBoxArmToRele3",
                                  "ComboBoxArmToRele4", "ComboBoxArmToRele5", "ComboBoxArmToRele6",
                                  "ComboBoxArmToRele7"};
const char* const kDisarmNames[7] = {"ComboBoxDisarmToRele1", "ComboBoxDisarmToRele2", "ComboBoxDisarmToRele3",
                                     "ComboBoxDisarmToRele4", "ComboBoxDisarmToRele5", "ComboBoxDisarmToRele6",
                                     "ComboBoxDisarmToRele7"};
const char* const kCountdownNames[7] = {"ComboBoxCDtoRele1", "ComboBoxCDtoRele2", "ComboBoxCDtoRele3",
                                        "ComboBoxCDtoRele4", "ComboBoxCDtoRele5", "ComboBoxCDtoRele6",
                                        "ComboBoxCDtoRele7"};
const char* const kProtectedNames[7] = {"ComboBoxRAtoRele1", "ComboBoxRAtoRele2", "ComboBoxRAtoRele3",
                                        "ComboBoxRAtoRele4", "ComboBoxRAtoRele5", "ComboBoxRAtoRele6",
                                        "ComboBoxRAtoRele7"};
// Row labels (relay 1, relay 2, outputs 1..5) of the four groups.
const char* const kCountdownLabels[7] = {"Label29", "Label9", "Label53", "Label58", "Label59", "Label60", "Label61"};
const char* const kArmLabels[7] = {"Label13", "Label11", "Label43", "Label44", "Label45", "Label46", "Label47"};
const char* const kDisarmLabels[7] = {"Label154", "Label153", "Label155", "Label156",
                                      "Label158", "Label159", "Label160"};
const char* const kProtectedLabels[7] = {"Label20", "Label18", "Label62", "Label63", "Label64", "Label65", "Label71"};

QString outputRowName(int i)
{
    return i < 2 ? QStringLiteral("Реле %1").arg(i + 1) : QStringLiteral("Выход %1").arg(i - 1);
}

// Editors of the key grid: the code takes hexadecimal digits (upper case), the name
// letters and digits, the profile one digit.
class KeyGridDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        auto* edit = new QLineEdit(parent);
        switch (index.column()) {
        case ColCode:
            edit->setInputMask(QStringLiteral(">HHHHHHHHHHHHHHHH; "));
            break;
        case ColName:
            edit->setMaxLength(16);
            edit->setValidator(
                new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[\\w ]{0,16}")), edit));
            break;
        default:
            edit->setMaxLength(1);
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]?")), edit));
            break;
        }
        return edit;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        auto* edit = static_cast<QLineEdit*>(editor);
        QString text = index.data().toString();
        if (index.column() == ColCode)
            text = text.trimmed();
        else if (index.column() == ColProfile && text == kNoProfile)
            text.clear();
        edit->setText(text);
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        auto* edit = static_cast<QLineEdit*>(editor);
        QString text = edit->displayText();
        if (index.column() == ColCode) // the cell always holds 16 places, blanks included
            text = text.leftJustified(ArmInPanel::kKeyCodeDigits, QLatin1Char(' '), true);
        else
            text = edit->text();
        model->setData(index, text);
    }
};

} // namespace

quint64 parseKeyCode(const QString& cell)
{
    const QString t = cell.trimmed();
    if (t.isEmpty() || t.size() > ArmInPanel::kKeyCodeDigits)
        return 0;
    quint64 v = 0;
    for (QChar c : t) {
        const int d = c.isDigit() && c.unicode() < 128 ? c.unicode() - '0'
                      : (c.unicode() >= 'a' && c.unicode() <= 'f') ? c.unicode() - 'a' + 10
                      : (c.unicode() >= 'A' && c.unicode() <= 'F') ? c.unicode() - 'A' + 10
                                                                   : -1;
        if (d < 0)
            return 0;
        v = (v << 4) | static_cast<quint64>(d);
    }
    return v;
}

QString formatKeyCode(quint64 code)
{
    return QStringLiteral("%1").arg(code, ArmInPanel::kKeyCodeDigits, 16, QLatin1Char('0')).toUpper();
}

ArmInPanel::ArmInPanel(QWidget* parent) : SectionPanel("PanelArmIn", "Label21", parent)
{
    title_->setAutoFillBackground(true);

    QGroupBox* mode = makeGroup(this, "GroupBox11", QStringLiteral(" Режим входа "), QRect(4, 30, 340, 70));
    ComboBoxArmInMode = makeList(mode, "ComboBoxArmInMode", field("ComboBoxArmInMode").items, QRect(8, 16, 324, 22));
    makeLabel(mode, "Label25", QStringLiteral("Задержка взвода после поступления активного уровня, С"),
              QRect(8, 44, 262, 20));
    UpDownDelayARM = new UpDownEdit(mode, "UpDownDelayARM", "EditDelayARM", 240, 3);
    UpDownDelayARM->setGeometry(272, 42, 60, 22);

    struct GroupSpec {
        QGroupBox** group;
        const char* name;
        const char* caption;
        const char* const* lists;
        const char* const* labels;
        QComboBox** controls;
        QComboBox** profile;
        const char* profileName;
    };
    const GroupSpec groups[4] = {
        {&GroupBoxCountdown, "GroupBox4", " Начат обратный отсчет ", kCountdownNames, kCountdownLabels,
         ComboBoxCDtoRele, &ComboBoxCDtoProfile, "ComboBoxCDtoProfile"},
        {&GroupBoxArm, "GroupBox5", "Переход в режим ОХРАНА ", kArmNames, kArmLabels, ComboBoxArmToRele,
         &ComboBoxArmToProfile, "ComboBoxArmToProfile"},
        {&GroupBoxDisarm, "GroupBox7", " Переход в НАБЛЮДЕНИЕ ", kDisarmNames, kDisarmLabels, ComboBoxDisarmToRele,
         &ComboBoxDisarmToProfile, "ComboBoxDisarmToProfile"},
        {&GroupBoxProtected, "GroupBox43", " Переход в режим ЗАЩИТА ", kProtectedNames, kProtectedLabels,
         ComboBoxRAtoRele, &ComboBoxRAtoProfile, "ComboBoxRAtoProfile"},
    };
    for (const GroupSpec& g : groups) {
        *g.group = makeGroup(this, g.name, QString::fromUtf8(g.caption), QRect(0, 0, 168, 178));
        for (int i = 0; i < 7; ++i) {
            const int y = 18 + 22 * i;
            makeLabel(*g.group, g.labels[i], outputRowName(i), QRect(6, y, 50, 20));
            g.controls[i] = makeList(*g.group, g.lists[i], field(g.lists[i]).items, QRect(58, y, 104, 20));
        }
        *g.profile = makeList(*g.group, g.profileName, field(g.profileName).items, QRect(6, 160, 156, 20));
        (*g.profile)->setVisible(false);
    }

    GroupBoxProtectModeLink = makeGroup(this, "GroupBoxProtectModeLink",
                                        QStringLiteral(" В режиме ЗАЩИТА контролируются следующие входы "),
                                        QRect(348, 30, 356, 64));
    for (int n = 1; n <= 16; ++n) {
        const int j = (n - 1) % 7, row = (n - 1) / 7;
        CheckBoxRestrArmMode[n - 1] =
            makeCheck(GroupBoxProtectModeLink, QStringLiteral("CheckBoxRestrArmMode%1").arg(n),
                      QStringLiteral("Вх. %1").arg(n), QRect(8 + 48 * j, 18 + 22 * row, 48, 20));
        // 9 to 14 are shown on entry; 15 and 16 exist but map to nothing.
        CheckBoxRestrArmMode[n - 1]->setVisible(n <= 8);
    }

    StringGrid1 = new QTableWidget(kKeyRows, 6, this);
    StringGrid1->setObjectName("StringGrid1");
    StringGrid1->setGeometry(348, 98, 356, 360);

    LabelTouchActionDiscription = makeLabel(this, "LabelTouchActionDiscription", QStringLiteral("---"),
                                            QRect(348, 462, 356, 24));
    LabelTouchActionDiscription->setTextFormat(Qt::PlainText);
    {
        QFont f = LabelTouchActionDiscription->font();
        f.setBold(true);
        LabelTouchActionDiscription->setFont(f);
        QPalette p = LabelTouchActionDiscription->palette();
        p.setColor(QPalette::WindowText, Qt::red);
        LabelTouchActionDiscription->setPalette(p);
    }
    buildKeyGrid();
}

void ArmInPanel::buildKeyGrid()
{
    StringGrid1->setHorizontalHeaderLabels({QStringLiteral("№"), QStringLiteral("Код ключа TOUCH"),
                                            QStringLiteral("Имя пользователя"), QStringLiteral(" О"),
                                            QStringLiteral(" Н"), QStringLiteral("Проф.")});
    StringGrid1->verticalHeader()->setVisible(false);
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setDefaultSectionSize(kRowHeight);
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->horizontalHeader()->setMinimumSectionSize(10);
    StringGrid1->setItemDelegate(new KeyGridDelegate(StringGrid1));
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                 | QAbstractItemView::AnyKeyPressed);
    const QColor fixed = palette().color(QPalette::Button);
    for (int r = 0; r < kKeyRows; ++r) {
        for (int c = 0; c < 6; ++c) {
            auto* item = new QTableWidgetItem();
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (c == ColCode || c == ColName || c == ColProfile)
                flags |= Qt::ItemIsEditable;
            if (c == ColNumber) {
                flags = Qt::ItemIsEnabled;
                item->setBackground(fixed);
            }
            item->setFlags(flags);
            StringGrid1->setItem(r, c, item);
        }
        for (int c : {ColArm, ColDisarm}) {
            auto* holder = new QWidget();
            auto* box = new QCheckBox(holder);
            box->setObjectName(QStringLiteral("KeyCheck%1_%2").arg(r + 1).arg(c));
            auto* layout = new QHBoxLayout(holder);
            layout->setContentsMargins(0, 0, 0, 0);
            layout->addWidget(box, 0, Qt::AlignCenter);
            StringGrid1->setCellWidget(r, c, holder);
        }
        StringGrid1->item(r, ColCode)->setText(kEmptyCode);
        StringGrid1->item(r, ColProfile)->setText(kNoProfile);
    }
    numberRows(false);
    // Rows are dragged by their number (the fixed column), as in the original grid.
    StringGrid1->viewport()->installEventFilter(this);
    // The number column is narrow: show the digits rather than an ellipsis.
    StringGrid1->setTextElideMode(Qt::ElideNone);
}

void ArmInPanel::setUpOnce()
{
    const int client = StringGrid1->width() - 2 * StringGrid1->frameWidth();
    const int fixedColumns = 20 + 20 + 20 + 35;
    const int half = (client - fixedColumns) / 2 - 12;
    const int widths[6] = {20, half, half, 20, 20, 35};
    for (int c = 0; c < 6; ++c)
        StringGrid1->setColumnWidth(c, widths[c]);
    numberRows(false);
}

void ArmInPanel::numberRows(bool plain)
{
    for (int r = 1; r <= kKeyRows; ++r)
        StringGrid1->item(r - 1, ColNumber)->setText(plain ? QString::number(r) : QStringLiteral(" %1").arg(r));
}

void ArmInPanel::prepare(int page)
{
    Q_UNUSED(page);
    GroupBoxProtectModeLink->setVisible(true);
    GroupBoxProtected->setVisible(true);
    for (int n = 9; n <= 14; ++n)
        CheckBoxRestrArmMode[n - 1]->setVisible(true);
    for (QComboBox* c : {ComboBoxArmToProfile, ComboBoxDisarmToProfile, ComboBoxCDtoProfile, ComboBoxRAtoProfile})
        c->setVisible(false);
    // Each reaction group ends 8 pixels below its seventh list; the protected-mode
    // group sits under the countdown group, the disarmed-mode group under the armed one.
    for (QGroupBox* g : {GroupBoxCountdown, GroupBoxArm, GroupBoxDisarm, GroupBoxProtected}) {
        const QComboBox* last = g->findChild<QComboBox*>(g == GroupBoxCountdown ? "ComboBoxCDtoRele7"
                                                         : g == GroupBoxArm     ? "ComboBoxArmToRele7"
                                                         : g == GroupBoxDisarm  ? "ComboBoxDisarmToRele7"
                                                                                : "ComboBoxRAtoRele7");
        g->resize(g->width(), last->geometry().bottom() + 1 + 8);
    }
    GroupBoxCountdown->move(4, 104);
    GroupBoxArm->move(176, 104);
    GroupBoxProtected->move(4, GroupBoxCountdown->geometry().bottom() + 1 + 8);
    GroupBoxDisarm->move(176, GroupBoxArm->geometry().bottom() + 1 + 8);
    LabelTouchActionDiscription->clear();
}

QCheckBox* ArmInPanel::gridCheck(int row, int column) const
{
    QWidget* holder = StringGrid1->cellWidget(row - 1, column);
    return holder ? holder->findChild<QCheckBox*>() : nullptr;
}

QString ArmInPanel::keyCell(int row, int column) const
{
    if (row == 0)
        return StringGrid1->horizontalHeaderItem(column)->text();
    return StringGrid1->item(row - 1, column)->text();
}

void ArmInPanel::setKeyCell(int row, int column, const QString& text)
{
    if (row == 0)
        StringGrid1->horizontalHeaderItem(column)->setText(text);
    else
        StringGrid1->item(row - 1, column)->setText(text);
}

bool ArmInPanel::keyChecked(int row, int column) const { return gridCheck(row, column)->isChecked(); }

void ArmInPanel::setKeyChecked(int row, int column, bool on) { gridCheck(row, column)->setChecked(on); }

void ArmInPanel::moveKeyRow(int from, int to) { StringGrid1RowMoved(from, to); }

void ArmInPanel::StringGrid1RowMoved(int fromRow, int toRow)
{
    if (fromRow < 1 || fromRow > kKeyRows || toRow < 1 || toRow > kKeyRows || fromRow == toRow)
        return;
    struct Row {
        QString code, name, profile;
        bool arm, disarm;
    };
    auto take = [&](int r) {
        return Row{keyCell(r, ColCode), keyCell(r, ColName), keyCell(r, ColProfile), keyChecked(r, ColArm),
                   keyChecked(r, ColDisarm)};
    };
    auto put = [&](int r, const Row& v) {
        setKeyCell(r, ColCode, v.code);
        setKeyCell(r, ColName, v.name);
        setKeyCell(r, ColProfile, v.profile);
        setKeyChecked(r, ColArm, v.arm);
        setKeyChecked(r, ColDisarm, v.disarm);
    };
    const Row moved = take(fromRow);
    const int step = fromRow < toRow ? 1 : -1;
    for (int r = fromRow; r != toRow; r += step)
        put(r, take(r + step));
    put(toRow, moved);
    numberRows(true);
}

bool ArmInPanel::eventFilter(QObject* watched, QEvent* event)
{
    static int dragRow = -1;
    if (watched == StringGrid1->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto* me = static_cast<QMouseEvent*>(event);
            const QModelIndex index = StringGrid1->indexAt(me->position().toPoint());
            dragRow = index.isValid() && index.column() == ColNumber ? index.row() + 1 : -1;
        } else if (event->type() == QEvent::MouseButtonRelease && dragRow > 0) {
            auto* me = static_cast<QMouseEvent*>(event);
            const int target = StringGrid1->rowAt(me->position().toPoint().y()) + 1;
            const int from = dragRow;
            dragRow = -1;
            if (target > 0 && target != from)
                StringGrid1RowMoved(from, target);
        }
    }
    return SectionPanel::eventFilter(watched, event);
}

void ArmInPanel::unpack(const DeviceImage& image, int page)
{
    Q_UNUSED(page);
    UpDownDelayARM->setValue(static_cast<int>(readField(image, field("UpDownDelayARM"))));
    auto reactions = [&](QComboBox* const* lists, const char* const* names, QComboBox* profile,
                         const char* profileName) {
        for (int i = 0; i < 7; ++i)
            showListValue(lists[i], readField(image, field(names[i])));
        showListValue(profile, readField(image, field(profileName)));
    };
    reactions(ComboBoxCDtoRele, kCountdownNames, ComboBoxCDtoProfile, "ComboBoxCDtoProfile");
    reactions(ComboBoxArmToRele, kArmNames, ComboBoxArmToProfile, "ComboBoxArmToProfile");
    reactions(ComboBoxDisarmToRele, kDisarmNames, ComboBoxDisarmToProfile, "ComboBoxDisarmToProfile");
    reactions(ComboBoxRAtoRele, kProtectedNames, ComboBoxRAtoProfile, "ComboBoxRAtoProfile");
    for (int n = 1; n <= 14; ++n)
        CheckBoxRestrArmMode[n - 1]->setChecked(
            readField(image, field(qPrintable(QStringLiteral("CheckBoxRestrArmMode%1").arg(n)))) != 0);

    for (int row = 1; row <= kKeyRows; ++row) {
        const int K = kKeyRecord1 + kKeyRecordSize * (row - 1);
        quint64 code = 0;
        for (int b = 0; b < 8; ++b)
            code = (code << 8) | image.byte(K + b);
        if (code == 0) {
            setKeyCell(row, ColCode, kEmptyCode);
            setKeyCell(row, ColName, QString());
            setKeyChecked(row, ColArm, false);
            setKeyChecked(row, ColDisarm, false);
            setKeyCell(row, ColProfile, kNoProfile);
            continue;
        }
        setKeyCell(row, ColCode, formatKeyCode(code));
        // The name field's last byte is always its terminating NUL.
        setKeyCell(row, ColName, image.text(K + 8, kUserNameWidth - 1));
        const std::uint8_t flags = image.byte(K + 25);
        setKeyChecked(row, ColArm, flags & 1);
        setKeyChecked(row, ColDisarm, flags & 2);
        const unsigned profile = image.bits(K + 26, 0, 4);
        setKeyCell(row, ColProfile, profile ? QString::number(profile) : kNoProfile);
    }
    showListValue(ComboBoxArmInMode, readField(image, field("ComboBoxArmInMode")));
}

void ArmInPanel::pack(DeviceImage& image, int page)
{
    Q_UNUSED(page);
    writeField(image, field("UpDownDelayARM"), static_cast<std::uint32_t>(UpDownDelayARM->value()));
    auto reactions = [&](QComboBox* const* lists, const char* const* names, QComboBox* profile,
                         const char* profileName) {
        for (int i = 0; i < 7; ++i)
            writeField(image, field(names[i]), listValue(lists[i], 8));
        writeField(image, field(profileName), listValue(profile, 8));
    };
    reactions(ComboBoxCDtoRele, kCountdownNames, ComboBoxCDtoProfile, "ComboBoxCDtoProfile");
    reactions(ComboBoxArmToRele, kArmNames, ComboBoxArmToProfile, "ComboBoxArmToProfile");
    reactions(ComboBoxDisarmToRele, kDisarmNames, ComboBoxDisarmToProfile, "ComboBoxDisarmToProfile");
    reactions(ComboBoxRAtoRele, kProtectedNames, ComboBoxRAtoProfile, "ComboBoxRAtoProfile");
    for (int n = 1; n <= 14; ++n)
        writeField(image, field(qPrintable(QStringLiteral("CheckBoxRestrArmMode%1").arg(n))),
                   CheckBoxRestrArmMode[n - 1]->isChecked() ? 1 : 0);

    for (int row = 1; row <= kKeyRows; ++row) {
        const int K = kKeyRecord1 + kKeyRecordSize * (row - 1);
        const quint64 code = parseKeyCode(keyCell(row, ColCode));
        for (int b = 0; b < 8; ++b)
            image.setByte(K + b, static_cast<std::uint8_t>(code >> (8 * (7 - b))));
        image.setText(K + 8, kUserNameWidth, keyCell(row, ColName));
        image.setByte(K + 25, static_cast<std::uint8_t>((keyChecked(row, ColArm) ? 1 : 0)
                                                        | (keyChecked(row, ColDisarm) ? 2 : 0)));
        QString profileText = keyCell(row, ColProfile);
        profileText.remove(QLatin1Char(' '));
        bool ok = false;
        const int profile = profileText.toInt(&ok);
        image.setBits(K + 26, 0, 4, ok && profile >= 1 && profile <= 8 ? static_cast<std::uint32_t>(profile) : 0u);
    }
    writeField(image, field("ComboBoxArmInMode"), listValue(ComboBoxArmInMode, 8));
}

void ArmInPanel::AddReadKey(const QString& code)
{
    const InterfaceTexts fallback = texts_ ? InterfaceTexts() : InterfaceTexts::defaults();
    const InterfaceTexts& t = texts_ ? *texts_ : fallback;
    for (int row = 1; row <= kKeyRows; ++row) {
        if (keyCell(row, ColCode) == code) {
            LabelTouchActionDiscription->setText(t.KeyCodePrefixText + code + t.KeyExistsText);
            return;
        }
    }
    for (int row = 1; row <= kKeyRows; ++row) {
        if (keyCell(row, ColCode) == kEmptyCode) {
            setKeyCell(row, ColCode, code);
            setKeyCell(row, ColName, QStringLiteral("KEY%1").arg(row));
            setKeyChecked(row, ColArm, true);
            setKeyChecked(row, ColDisarm, true);
            setKeyCell(row, ColProfile, kNoProfile);
            LabelTouchActionDiscription->clear();
            return;
        }
    }
    LabelTouchActionDiscription->setText(t.MemoryFullText);
}

void ArmInPanel::showPresentedKey(const QString& code)
{
    LabelTouchActionDiscription->clear();
    QPalette p = title_->palette();
    p.setColor(QPalette::Window, Qt::red);
    title_->setPalette(p);
    AddReadKey(code);
}

void ArmInPanel::showNoKeyPresented()
{
    QPalette p = title_->palette();
    p.setColor(QPalette::Window, palette().color(QPalette::Window));
    title_->setPalette(p);
}

void ArmInPanel::showKeyReadingRefused() { LabelTouchActionDiscription->setText(kPasswordRefused); }

} // namespace zel
