#include "ui/pages/system/system_panel.h"

#include "files/pcl_file.h"
#include "image/configuration.h"
#include "image/field_catalogue.h"
#include "ui/icons.h"
#include "ui/main_window.h"
#include "ui/pages/system/area_transfer.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>

namespace zel {

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry, bool bold = false)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(geometry);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, const QRect& geometry)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    return b;
}

// Text that is not a number counts as 0.
long long lenientNumber(const QString& text)
{
    bool ok = false;
    const long long v = text.toLongLong(&ok);
    return ok ? v : 0;
}

TForm1* mainWindowOf(const QWidget* w)
{
    return qobject_cast<TForm1*>(w->window());
}

const QString kPclFilter = QStringLiteral("Список управляющих телефонов (*.pcl)");
const QString kPclOpenCaption = QStringLiteral("Открытие файла конфигурации");
const QString kPclSaveCaption = QStringLiteral("Сохранение списка управляющих телефонов");

} // namespace

// ---------------------------------------------------------------------------------
// Control phones

ControlPhonesPanel::ControlPhonesPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName("PanelControlPhones");
    Label83 = makeLabel(this, "Label83", QStringLiteral("Управляющие телефоны"), QRect(8, 6, 300, 18), true);

    auto tool = [this](const char* name, const QString& hint, int icon, int x) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(hint);
        b->setIcon(actionIcon(icon));
        b->setAutoRaise(true);
        b->setGeometry(x, 28, 25, 25);
        return b;
    };
    SpeedButton5 = tool("SpeedButton5", QStringLiteral("Очистить список телефонов"), 0, 8);
    SpeedButton10 = tool("SpeedButton10", QStringLiteral("Открыть файл управляющих телефонов"), 1, 36);
    SpeedButton11 = tool("SpeedButton11", QStringLiteral("Сохранить список управляющих телефонов в файл"), 2, 64);

    // Row 0 and column 0 of the grid are fixed: the header row (no headings) and the
    // row numbers, which can be dragged to move a row.
    StringGridControlPhones = new QTableWidget(32, 5, this);
    StringGridControlPhones->setObjectName("StringGridControlPhones");
    const int widths[5] = {121, 21, 21, 21, 21};
    for (int c = 0; c < 5; ++c)
        StringGridControlPhones->setColumnWidth(c, widths[c]);
    StringGridControlPhones->setHorizontalHeaderLabels(QStringList(5, QString()));
    StringGridControlPhones->horizontalHeader()->setFixedHeight(20);
    StringGridControlPhones->verticalHeader()->setFixedWidth(20);
    StringGridControlPhones->verticalHeader()->setDefaultSectionSize(20);
    StringGridControlPhones->verticalHeader()->setSectionsMovable(true);
    StringGridControlPhones->setSelectionMode(QAbstractItemView::ContiguousSelection);
    StringGridControlPhones->setTabKeyNavigation(true);
    StringGridControlPhones->setGeometry(8, 56, 250, 324);
    StringGridControlPhonesRowMoved();
    connect(StringGridControlPhones->verticalHeader(), &QHeaderView::sectionMoved, this,
            [this] { StringGridControlPhonesRowMoved(); });

    Memo3 = new QPlainTextEdit(this);
    Memo3->setObjectName("Memo3");
    Memo3->setReadOnly(true);
    QStringList legend{QStringLiteral("0 - выключить реле / выход"), QStringLiteral("1 - включить реле / выход")};
    for (int s = 1; s <= 14; ++s)
        legend << QStringLiteral("S%1 - запустить сценарий %1 на реле / выходе").arg(s);
    legend << QStringLiteral(" -   нет воздействия");
    Memo3->setPlainText(legend.join('\n'));
    Memo3->setGeometry(268, 56, 400, 200);

    ProgressBarControlPhones = new QProgressBar(this);
    ProgressBarControlPhones->setObjectName("ProgressBarControlPhones");
    ProgressBarControlPhones->setRange(0, 100);
    ProgressBarControlPhones->setValue(0);
    ProgressBarControlPhones->setTextVisible(false);
    ProgressBarControlPhones->setGeometry(268, 264, 400, 16);
    LabelControlPhonesMsg = makeLabel(this, "LabelControlPhonesMsg", QString(), QRect(268, 284, 400, 56), true);
    LabelControlPhonesMsg->setWordWrap(true);
    LabelControlPhonesMsg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    BitBtnProgControlPhones = makeButton(this, "BitBtnProgControlPhones", QStringLiteral("Программировать"), QRect(268, 350, 130, 27));
    BitBtnReadControlPhones = makeButton(this, "BitBtnReadControlPhones", QStringLiteral("Считать"), QRect(404, 350, 130, 27));
    BitBtnCompareControlPhones = makeButton(this, "BitBtnCompareControlPhones", QStringLiteral("Сравнить"), QRect(540, 350, 128, 27));

    connect(SpeedButton5, &QToolButton::clicked, this, &ControlPhonesPanel::SpeedButton5Click);
    connect(SpeedButton10, &QToolButton::clicked, this, &ControlPhonesPanel::SpeedButton10Click);
    connect(SpeedButton11, &QToolButton::clicked, this, &ControlPhonesPanel::SpeedButton11Click);
    connect(BitBtnReadControlPhones, &QPushButton::clicked, this, &ControlPhonesPanel::BitBtnReadControlPhonesClick);
    connect(BitBtnProgControlPhones, &QPushButton::clicked, this, &ControlPhonesPanel::BitBtnProgControlPhonesClick);
    connect(BitBtnCompareControlPhones, &QPushButton::clicked, this, &ControlPhonesPanel::BitBtnCompareControlPhonesClick);

    askOpenName = [this] {
        QFileDialog dlg(this, QStringLiteral("Открыть список управляющих телефонов"), QString(), kPclFilter);
        dlg.setAcceptMode(QFileDialog::AcceptOpen);
        dlg.setFileMode(QFileDialog::ExistingFile);
        dlg.setDefaultSuffix(QStringLiteral("pcl"));
        return dlg.exec() == QDialog::Accepted ? dlg.selectedFiles().value(0) : QString();
    };
    askSaveName = [this] {
        QFileDialog dlg(this, QStringLiteral("Сохранить список управляющих телефонов"), QString(), kPclFilter);
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setDefaultSuffix(QStringLiteral("pcl"));
        dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
        dlg.selectFile(QString());
        return dlg.exec() == QDialog::Accepted ? dlg.selectedFiles().value(0) : QString();
    };
    askOverwrite = [this] {
        return QMessageBox::warning(this, kPclSaveCaption, QStringLiteral("Файл уже существует, заменить?"),
                                    QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            == QMessageBox::Yes;
    };
    showWarning = [this](const QString& caption, const QString& text) {
        QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok, this);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    };
}

TForm1* ControlPhonesPanel::window() const { return mainWindowOf(this); }

void ControlPhonesPanel::StringGridControlPhonesRowMoved()
{
    QHeaderView* h = StringGridControlPhones->verticalHeader();
    for (int logical = 0; logical < StringGridControlPhones->rowCount(); ++logical)
        StringGridControlPhones->setVerticalHeaderItem(
            logical, new QTableWidgetItem(QString::number(h->visualIndex(logical) + 1)));
}

void ControlPhonesPanel::SpeedButton5Click()
{
    if (TForm1* w = window()) {
        ResetControlPhones(w->image());
        w->UnpackPage(w->currentPage());
    }
}

void ControlPhonesPanel::SpeedButton10Click()
{
    TForm1* w = window();
    if (!w)
        return;
    const QString path = askOpenName();
    if (path.isEmpty())
        return;
    const int result = ReadControlPhonesFile(w->image(), path);
    if (result == 1)
        showWarning(kPclOpenCaption, QStringLiteral("Невозможно открыть файл"));
    else if (result == 2)
        showWarning(kPclOpenCaption, QStringLiteral("Неизвестный формат файла"));
    else
        w->UnpackPage(w->currentPage());
}

void ControlPhonesPanel::SpeedButton11Click()
{
    TForm1* w = window();
    if (!w)
        return;
    w->PackPage(w->currentPage());
    w->UnpackPage(w->currentPage());
    const QString path = askSaveName();
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path) && !askOverwrite())
        return;
    if (WriteControlPhonesFile(w->image(), path) != 0)
        showWarning(kPclSaveCaption, QStringLiteral("Невозможно сохранить файл"));
}

void ControlPhonesPanel::BitBtnReadControlPhonesClick()
{
    if (TForm1* w = window())
        if (RunAreaTransfer(*w, AreaTransfer::Read, {6, LabelControlPhonesMsg, ProgressBarControlPhones}))
            BitBtnProgControlPhones->setEnabled(true);
}

void ControlPhonesPanel::BitBtnProgControlPhonesClick()
{
    if (TForm1* w = window())
        RunAreaTransfer(*w, AreaTransfer::Program, {6, LabelControlPhonesMsg, ProgressBarControlPhones});
}

void ControlPhonesPanel::BitBtnCompareControlPhonesClick()
{
    if (TForm1* w = window())
        RunAreaTransfer(*w, AreaTransfer::Compare, {6, LabelControlPhonesMsg, ProgressBarControlPhones});
}

// ---------------------------------------------------------------------------------
// System parameters

SystemPanel::SystemPanel(QWidget* parent) : SectionPanel(QStringLiteral("Panel11"), QStringLiteral("Label86"), parent)
{
    Button1 = makeButton(this, "Button1", QStringLiteral("Разрешить редактирование"), QRect(8, 32, 220, 25));
    TabSystem = new QTabWidget(this);
    TabSystem->setObjectName("TabSystem");
    TabSystem->setGeometry(4, 62, 700, 424);

    auto* sys = new QWidget;
    sys->setObjectName("TabSystemParameters");
    TabSystem->addTab(sys, QStringLiteral("Системные параметры"));
    PanelControlPhones = new ControlPhonesPanel;
    TabSystem->addTab(PanelControlPhones, QStringLiteral("Управляющие телефоны"));

    GroupBox24 = new QGroupBox(QStringLiteral(" Калибровочное значение хода часов "), sys);
    GroupBox24->setObjectName("GroupBox24");
    GroupBox24->setGeometry(8, 8, 440, 56);
    makeLabel(GroupBox24, "Label106", QStringLiteral("Каждые "), QRect(10, 26, 48, 18));
    EditCALVAL = new QLineEdit(GroupBox24);
    EditCALVAL->setObjectName("EditCALVAL");
    EditCALVAL->setGeometry(60, 24, 80, 22);
    makeLabel(GroupBox24, "Label107", QStringLiteral("секунд, "), QRect(146, 26, 56, 18));
    ComboBoxCALDIR = new QComboBox(GroupBox24);
    ComboBoxCALDIR->setObjectName("ComboBoxCALDIR");
    ComboBoxCALDIR->addItems(requireField("ComboBoxCALDIR").items);
    ComboBoxCALDIR->setGeometry(206, 24, 224, 22);

    GroupBox41 = new QGroupBox(QStringLiteral(" Тип резервной батареи "), sys);
    GroupBox41->setObjectName("GroupBox41");
    GroupBox41->setGeometry(8, 72, 440, 56);
    ComboBoxBatteryType = new QComboBox(GroupBox41);
    ComboBoxBatteryType->setObjectName("ComboBoxBatteryType");
    ComboBoxBatteryType->addItems(requireField("ComboBoxBatteryType").items);
    ComboBoxBatteryType->setGeometry(10, 24, 420, 22);

    CheckBoxFWUpdateEnable = new QCheckBox(QStringLiteral("Разрешено входить в режим обновления микропрограммы GSM модуля"), sys);
    CheckBoxFWUpdateEnable->setObjectName("CheckBoxFWUpdateEnable");
    CheckBoxFWUpdateEnable->setGeometry(8, 138, 660, 20);
    CheckBoxCRCCheckDisable = new QCheckBox(QStringLiteral("Не проверять CRC при считывании ключей TouchMemory"), sys);
    CheckBoxCRCCheckDisable->setObjectName("CheckBoxCRCCheckDisable");
    CheckBoxCRCCheckDisable->setGeometry(8, 162, 660, 20);

    ProgressBarSysPar = new QProgressBar(sys);
    ProgressBarSysPar->setObjectName("ProgressBarSysPar");
    ProgressBarSysPar->setRange(0, 100);
    ProgressBarSysPar->setValue(0);
    ProgressBarSysPar->setTextVisible(false);
    ProgressBarSysPar->setGeometry(8, 200, 440, 16);
    LabelSysParMsg = makeLabel(sys, "LabelSysParMsg", QString(), QRect(8, 224, 670, 48), true);
    LabelSysParMsg->setWordWrap(true);
    LabelSysParMsg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    BitBtnReadSysPar = makeButton(sys, "BitBtnReadSysPar", QStringLiteral("Считать"), QRect(456, 194, 100, 27));
    BitBtnProgSysPar = makeButton(sys, "BitBtnProgSysPar", QStringLiteral("Программировать"), QRect(562, 194, 120, 27));
    BitBtnProgSysPar->setEnabled(false); // only after this area was read in this run

    // The cover over the fields: they are per-unit values, edited on purpose only.
    Panel13 = new QFrame(sys);
    Panel13->setObjectName("Panel13");
    Panel13->setAutoFillBackground(true);
    Panel13->setFrameShape(QFrame::StyledPanel);
    Panel13->setGeometry(0, 0, 692, 394);
    const char* coverNames[3] = {"Label108", "Label110", "Label109"};
    const QString coverTexts[3] = {
        QStringLiteral("Системные параметры имеют индивидуальные значения для каждого экземпляра устройства и "
                       "устанавливаются при производстве. Если необходимо изменить любой из этих параметров, "
                       "считайте предустановленные значения, после изменения запрограммируйте."),
        QStringLiteral("Эти значения не сохраняются в файле конфигурации и ни как не связанны с конфигурационными "
                       "параметрами. Программирование доступно только из этого режима и ни как не влияет на "
                       "конфигурацию прибора, так же как и конфигурирование не изменяет эти значения."),
        QStringLiteral("Для того, что бы новые значения вступили в силу необходимо перезапустить устройство. Для "
                       "этого отключите и включите питание устройства или нажмите кнопку [Перезапустить]."),
    };
    for (int i = 0; i < 3; ++i) {
        QLabel* l = makeLabel(Panel13, coverNames[i], coverTexts[i], QRect(16, 16 + 100 * i, 660, 90), true);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, Qt::black);
        l->setPalette(pal);
    }
    Panel13->raise();

    connect(Button1, &QPushButton::clicked, this, &SystemPanel::Button1Click);
    connect(BitBtnReadSysPar, &QPushButton::clicked, this, &SystemPanel::BitBtnReadSysParClick);
    connect(BitBtnProgSysPar, &QPushButton::clicked, this, &SystemPanel::BitBtnProgSysParClick);
}

TForm1* SystemPanel::window() const { return mainWindowOf(this); }

void SystemPanel::unpack(const DeviceImage& image, int page)
{
    Q_UNUSED(page);
    const FieldDef& cal = requireField("EditCALVAL");
    const FieldDef& dir = requireField("ComboBoxCALDIR");
    EditCALVAL->setText(QString::number(image.bits(cal.offset, cal.bitLow, cal.bitCount)));
    const QSignalBlocker b1(ComboBoxCALDIR), b2(ComboBoxBatteryType);
    ComboBoxCALDIR->setCurrentIndex(int(image.bits(dir.offset, dir.bitLow, dir.bitCount)));
    const FieldDef& bat = requireField("ComboBoxBatteryType");
    ComboBoxBatteryType->setCurrentIndex(int(image.bits(bat.offset, bat.bitLow, bat.bitCount)));
    const FieldDef& fw = requireField("CheckBoxFWUpdateEnable");
    CheckBoxFWUpdateEnable->setChecked(image.bits(fw.offset, fw.bitLow, fw.bitCount) != 0);
    const FieldDef& crc = requireField("CheckBoxCRCCheckDisable");
    CheckBoxCRCCheckDisable->setChecked(image.bits(crc.offset, crc.bitLow, crc.bitCount) != 0);
}

void SystemPanel::pack(DeviceImage& image, int page)
{
    Q_UNUSED(page);
    const FieldDef& cal = requireField("EditCALVAL");
    const QString trimmed = EditCALVAL->text().trimmed();
    EditCALVAL->setText(trimmed);
    const long long v = lenientNumber(trimmed);
    const std::uint32_t all = (1u << cal.bitCount) - 1;
    image.setBits(cal.offset, cal.bitLow, cal.bitCount, v > all ? all : static_cast<std::uint32_t>(v) & all);
    auto packList = [&image](const char* name, const QComboBox* box) {
        const FieldDef& f = requireField(name);
        const int i = box->currentIndex();
        image.setBits(f.offset, f.bitLow, f.bitCount, i < 0 ? (1u << f.bitCount) - 1 : std::uint32_t(i));
    };
    packList("ComboBoxCALDIR", ComboBoxCALDIR);
    packList("ComboBoxBatteryType", ComboBoxBatteryType);
    const FieldDef& fw = requireField("CheckBoxFWUpdateEnable");
    image.setBits(fw.offset, fw.bitLow, fw.bitCount, CheckBoxFWUpdateEnable->isChecked() ? 1 : 0);
    const FieldDef& crc = requireField("CheckBoxCRCCheckDisable");
    image.setBits(crc.offset, crc.bitLow, crc.bitCount, CheckBoxCRCCheckDisable->isChecked() ? 1 : 0);
}

void SystemPanel::Button1Click()
{
    Panel13->hide();
    Button1->setEnabled(false);
}

void SystemPanel::BitBtnReadSysParClick()
{
    if (TForm1* w = window())
        if (RunAreaTransfer(*w, AreaTransfer::Read, {5, LabelSysParMsg, ProgressBarSysPar}))
            BitBtnProgSysPar->setEnabled(true);
}

void SystemPanel::BitBtnProgSysParClick()
{
    if (TForm1* w = window())
        RunAreaTransfer(*w, AreaTransfer::Program, {5, LabelSysParMsg, ProgressBarSysPar});
}

void SystemPanel::showControlPhones()
{
    TabSystem->setCurrentWidget(PanelControlPhones);
}

} // namespace zel
