#include "ui/main_window.h"

#include "files/config_file.h"
#include "files/language_file.h"
#include "ui/language.h"
#include "files/program_settings.h"
#include "image/configuration.h"
#include "sim/sim_engine.h"
#include "sim/sim_host.h"
#include "ui/about_box.h"
#include "ui/dialogs/comport_dialog.h"
#include "ui/icons.h"
#include "ui/live_monitor_control.h"
#include "ui/pages/page_table.h"
#include "ui/pages/section_panel.h"
#include "ui/pages/system/system_panel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QSerialPort>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace zel {

namespace {
constexpr int kClientWidth = 925;
constexpr int kClientHeight = 554;
constexpr int kTreeWidth = 209;
const QString kOpenCaption = QStringLiteral("Открытие файла конфигурации");
const QString kSaveCaption = QStringLiteral("Сохранение конфигурации");
const QString kFileFilter = QStringLiteral("Файлы конфигурации (*.cnt)");
} // namespace

QString TForm1::pageTreeText()
{
    QStringList lines;
    lines << "GSM контроллер ZEL470";
    lines << "\tОбщие параметры соединений";
    for (int i = 1; i <= 8; ++i)
        lines << QStringLiteral("\t\tСоединение %1").arg(i);
    lines << "\tОбщие параметры GPRS";
    for (int i = 1; i <= 3; ++i)
        lines << QStringLiteral("\t\tСервер %1").arg(i);
    lines << "\tЧасы, планировщик задач";
    lines << "\tПитание, температура, индикация, контроль вскрытия";
    lines << "\tВход [Arm In]";
    lines << "\tВходы";
    for (int i = 1; i <= 14; ++i)
        lines << QStringLiteral("\t\tВход %1").arg(i);
    lines << "\tВыходы";
    lines << "\t\tРеле 1" << "\t\tРеле 2";
    for (int i = 1; i <= 5; ++i)
        lines << QStringLiteral("\t\tВыход %1").arg(i);
    lines << "\t\tСценарии управления";
    lines << "\tПрофили";
    for (int i = 1; i <= 8; ++i)
        lines << QStringLiteral("\t\tПрофиль %1").arg(i);
    lines << "\tСистемные параметры";
    return lines.join("\r\n") + "\r\n";
}

TForm1::TForm1(const StartOptions& options, QWidget* parent)
    : QMainWindow(parent), options_(options)
{
    setObjectName("Form1");
    // Construction.
    BuildDefaultImage(image_);
    texts_ = InterfaceTexts::defaults();

    // The pages are laid out for a narrow 8 pt sans serif; where the classic face is
    // missing, a condensed one keeps the captions inside their controls.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Liberation Sans Narrow")});
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSize(8);
    setFont(f);

    buildActions();
    buildMenu();
    buildToolBar();
    buildStatusBar();

    auto* central = new QWidget(this);
    auto* vbox = new QVBoxLayout(central);
    vbox->setContentsMargins(0, 0, 0, 0);
    vbox->setSpacing(0);
    Splitter1 = new QSplitter(Qt::Horizontal, central);
    Splitter1->setObjectName("Splitter1");
    Splitter1->setChildrenCollapsible(false);
    TreeView1 = new QTreeWidget(Splitter1);
    TreeView1->setObjectName("TreeView1");
    TreeView1->setHeaderHidden(true);
    TreeView1->setIndentation(19);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setFixedWidth(kTreeWidth);
    pageArea_ = new QStackedWidget(Splitter1);
    pageArea_->setObjectName("PageArea");
    Splitter1->addWidget(TreeView1);
    Splitter1->addWidget(pageArea_);
    // The tree keeps its width: the splitter handle takes no input.
    Splitter1->handle(1)->setEnabled(false);
    vbox->addWidget(Splitter1);
    setCentralWidget(central);

    buildPages();

    // Window creation.
    startDirectory_ = QDir::currentPath();
    if (!startDirectory_.isEmpty() && !startDirectory_.endsWith('/'))
        startDirectory_ += '/';
    setWindowTitle(texts::kMainCaption);
    buildTree();
    for (SectionPanel* p : panels_)
        p->setUpOnce();
    TreeView1->expandAll();
    connect(TreeView1, &QTreeWidget::currentItemChanged, this, [this] { ShowPage(); });
    TreeView1->setCurrentItem(nodes_.at(0));

    // Another language, when lng.txt is there and complete; then the device page takes
    // the (possibly translated) output and reaction names.
    const QStringList language = ReadLanguageFile(QDir::current().filePath(QString::fromLatin1(kLanguageFileName)));
    if (!language.isEmpty()) {
        ApplyLanguageLines(*this, *TreeView1, texts_, language);
        panelOfPage(0)->prepare(0);
    }

    // The configuration the program ran with last time; anything wrong means factory defaults.
    if (ReadConfigurationFile(image_, QString::fromLatin1(kDefaultConfigFileName)) != ConfigLoaded)
        ResetConfigurationArea(image_);
    UnpackPage(currentPage());
    setStatusText(0, QString::fromLatin1(kDefaultConfigFileName));

    // The remembered port. --port and --simulator choose the port for this run only;
    // without usable settings the simulator becomes the remembered choice, so that a
    // first run on the simulator goes on with it next time.
    QString remembered;
    const bool settingsRead = ReadProgramSettings(startDirectory_ + QLatin1String(kSettingsFileName), remembered);
    if (!settingsRead)
        remembered = QString::fromLatin1(kDefaultPortName);
    settingsPortName_ = remembered;
    if (!options_.portName.isEmpty()) {
        portName_ = options_.portName;
    } else if (options_.simulator || remembered == QLatin1String(kSimulatorPortToken)) {
        if (!startSimulator())
            portName_ = remembered;
        if (options_.simulator && !settingsRead)
            settingsPortName_ = QString::fromLatin1(kSimulatorPortToken);
    } else {
        portName_ = remembered;
    }
    probePort();

    wireDeviceCommands();
    DisableDeviceActions();
    Timer2 = new QTimer(this);
    Timer2->setObjectName("Timer2");
    Timer2->setSingleShot(true);
    Timer2->setInterval(500);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    if (options_.startTimer)
        Timer2->start();

    // Fixed client area (the menu bar comes on top of it).
    const int menuHeight = menuBar()->sizeHint().height();
    setFixedSize(kClientWidth, kClientHeight + menuHeight);
    setWindowFlags(windowFlags() & ~Qt::WindowMaximizeButtonHint);
}

TForm1::~TForm1()
{
    StopLiveMonitor();
    stopSimulator();
}

void TForm1::StartLiveMonitor()
{
    startLiveMonitor(*this);
}

void TForm1::StopLiveMonitor()
{
    stopLiveMonitor(*this);
}

void TForm1::buildActions()
{
    struct Def {
        QAction** slot;
        const char* name;
        const char* caption;
        const char* hint;
        int image;
        int key; // 0: none
    };
    const Def defs[] = {
        {&FileNew1, "FileNew1", "", "Установить стандартную конфигурацию", 0, 0},
        {&FileOpen1, "FileOpen1", "", "Открыть файл конфигурации", 1, 0},
        {&FileSave1, "FileSave1", "", "Сохранить текущую конфигурацию в файл", 2, 0},
        {&Programm, "Programm", "Программировать", "Загрузить конфигурацию в контроллер и перезапустить", 9, Qt::Key_F5},
        {&ReadConf, "ReadConf", "Считать", "Считать конфигурацию контроллера", 5, Qt::Key_F6},
        {&CompareConf, "CompareConf", "Сравнить", "Сравнить текущую конфигурацию с конфигурацией контроллера", 6, Qt::Key_F7},
        {&Reconfigurate, "Reconfigurate", "Реконфигурировать", "Загрузить конфигурацию в контроллер, без перезапуска", 4, Qt::Key_F8},
        {&Reset, "Reset", "Перезапустить", "Перезапустить контроллер", 8, Qt::Key_F9},
        {&ReadIMEICode, "ReadIMEICode", "Считать IMEI контроллера в буфер обмена", "", -1, Qt::Key_F10},
        {&FactoryConfig, "FactoryConfig", "Восстановить заводскую конфигурацию", "", -1, 0},
        {&ComPortConfig, "ComPortConfig", "COM порт...", "Настройка COM порта", 7, 0},
        {&Abaut, "Abaut", "О программе...", "", -1, 0},
    };
    for (const Def& d : defs) {
        auto* a = new QAction(QString::fromUtf8(d.caption), this);
        a->setObjectName(QString::fromLatin1(d.name));
        a->setToolTip(QString::fromUtf8(d.hint));
        a->setStatusTip(QString::fromUtf8(d.hint));
        if (d.image >= 0)
            a->setIcon(actionIcon(d.image));
        if (d.key)
            a->setShortcut(QKeySequence(d.key));
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a); // shortcuts work without a menu or tool bar entry
        *d.slot = a;
    }
    connect(FileNew1, &QAction::triggered, this, &TForm1::FileNew1Execute);
    connect(FileOpen1, &QAction::triggered, this, &TForm1::FileOpen1Execute);
    connect(FileSave1, &QAction::triggered, this, &TForm1::FileSave1Execute);
    connect(Abaut, &QAction::triggered, this, &TForm1::AbautExecute);
    connect(ReadConf, &QAction::triggered, this, &TForm1::ReadConfExecute);
    connect(Programm, &QAction::triggered, this, &TForm1::ProgrammExecute);
    connect(Reconfigurate, &QAction::triggered, this, &TForm1::ReconfigurateExecute);
    connect(CompareConf, &QAction::triggered, this, &TForm1::CompareConfExecute);
    connect(Reset, &QAction::triggered, this, &TForm1::ResetExecute);
    connect(FactoryConfig, &QAction::triggered, this, &TForm1::FactoryConfigExecute);
    connect(ReadIMEICode, &QAction::triggered, this, &TForm1::ReadIMEICodeExecute);
    connect(ComPortConfig, &QAction::triggered, this, &TForm1::ComPortConfigExecute);
}

void TForm1::buildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");
    // A menu item that shows its own text: a separate entry that follows the action.
    auto item = [this](QMenu* menu, const char* name, const QString& text, QAction* action) {
        auto* it = new QAction(text, menu);
        it->setObjectName(QString::fromLatin1(name));
        if (action) {
            it->setIcon(action->icon());
            it->setShortcut(action->shortcut());
            it->setShortcutContext(Qt::WidgetShortcut); // the action itself owns the key
            it->setEnabled(action->isEnabled());
            connect(it, &QAction::triggered, action, &QAction::trigger);
            connect(action, &QAction::changed, it, [it, action] { it->setEnabled(action->isEnabled()); });
        }
        menu->addAction(it);
        return it;
    };
    QMenu* n1 = bar->addMenu("Файл");
    n1->setObjectName("N1");
    item(n1, "N13", "Установить стандартную конфигурацию", FileNew1);
    item(n1, "N2", "Открыть файл конфигурации...", FileOpen1);
    item(n1, "N3", "Сохранить текущую конфигурацию в файл...", FileSave1);
    n1->addSeparator()->setObjectName("N4");
    QAction* close = item(n1, "N7", "Закрыть", nullptr);
    connect(close, &QAction::triggered, this, &QWidget::close);

    QMenu* n8 = bar->addMenu("Настройка");
    n8->setObjectName("N8");
    item(n8, "COMPortSetup", "COM порт...", ComPortConfig);

    QMenu* n9 = bar->addMenu("Контроллер");
    n9->setObjectName("N9");
    item(n9, "N10", "Программировать", Programm);
    item(n9, "N11", "Считать конфигурацию", ReadConf);
    item(n9, "N12", "Сравнить конфигурацию", CompareConf);
    n9->addSeparator()->setObjectName("N6");
    item(n9, "ReadIMEICode1", "Считать IMEI контроллера в буфер обмена", ReadIMEICode);
    n9->addSeparator()->setObjectName("N16");
    item(n9, "Reconfigurate1", "Реконфигурировать", Reconfigurate);
    item(n9, "Reset1", "Перезапустить (Системный сброс)", Reset);
    item(n9, "N5", "Восстановить заводскую конфигурацию", FactoryConfig);
    // The control-phone list lives on a tab of the system parameters page.
    n9->addSeparator()->setObjectName("N17");
    QAction* phones = item(n9, "ControlPhones1", "Управляющие телефоны...", nullptr);
    connect(phones, &QAction::triggered, this, [this] {
        selectPage(kSystemParametersPage);
        if (auto* system = dynamic_cast<SystemPanel*>(panelOfPage(kSystemParametersPage)))
            system->showControlPhones();
    });

    QMenu* n14 = bar->addMenu("?");
    n14->setObjectName("N14");
    item(n14, "N15", "О программе...", Abaut);
}

void TForm1::buildToolBar()
{
    ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setFixedHeight(33);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->toggleViewAction()->setEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    auto button = [this](const char* name, QAction* action, int width) {
        auto* b = new QToolButton(ToolBar1);
        b->setObjectName(QString::fromLatin1(name));
        b->setDefaultAction(action);
        b->setAutoRaise(true);
        b->setFixedHeight(25);
        if (width > 0) {
            b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            b->setFixedWidth(width);
        } else {
            b->setToolButtonStyle(Qt::ToolButtonIconOnly);
            b->setFixedWidth(25);
        }
        ToolBar1->addWidget(b);
    };
    button("SpeedButton7", FileNew1, 0);
    button("SpeedButton2", FileOpen1, 0);
    button("SpeedButton3", FileSave1, 0);
    ToolBar1->addSeparator();
    button("SpeedButton6", Programm, 150);
    button("SpeedButton8", ReadConf, 148);
    button("SpeedButton1", CompareConf, 148);
    ToolBar1->addSeparator();
    button("SpeedButton4", Reconfigurate, 148);
    button("SpeedButton9", Reset, 148);
}

void TForm1::buildStatusBar()
{
    StatusBar1 = statusBar();
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    const int widths[4] = {500, 60, 100, 250};
    const Qt::Alignment align[4] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignLeft};
    for (int i = 0; i < 4; ++i) {
        auto* l = new QLabel(StatusBar1);
        l->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        l->setTextFormat(Qt::PlainText);
        l->setFixedWidth(widths[i]);
        l->setAlignment(align[i] | Qt::AlignVCenter);
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        StatusBar1->addWidget(l);
        statusPanels_[i] = l;
    }
    statusPanels_[1]->setText(QStringLiteral("NC"));
}

void TForm1::buildTree()
{
    nodes_.clear();
    TreeView1->clear();
    std::vector<QTreeWidgetItem*> parents; // parents[level] = last node of that level
    const QStringList lines = pageTreeText().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        int level = 0;
        while (level < line.size() && line[level] == '\t')
            ++level;
        const QString caption = line.mid(level);
        QTreeWidgetItem* item = nullptr;
        if (level == 0 || parents.empty()) {
            item = new QTreeWidgetItem(TreeView1, QStringList{caption});
            level = 0;
        } else {
            level = std::min<int>(level, static_cast<int>(parents.size()));
            item = new QTreeWidgetItem(parents[level - 1], QStringList{caption});
        }
        parents.resize(level + 1);
        parents[level] = item;
        item->setData(0, Qt::UserRole, static_cast<int>(nodes_.size()));
        nodes_.push_back(item);
    }
    nodes_.at(0)->setText(0, QStringLiteral("GSM контроллер ") + QStringLiteral("ZEL470"));
}

void TForm1::buildPages()
{
    auto* stack = static_cast<QStackedWidget*>(pageArea_);
    for (const PanelInfo& info : panelTable()) {
        SectionPanel* p = createPanel(info);
        p->setInterfaceTexts(&texts_);
        stack->addWidget(p);
        panels_.push_back(p);
    }
}

SectionPanel* TForm1::panelOfPage(int page) const
{
    const auto& table = panelTable();
    for (size_t i = 0; i < table.size(); ++i)
        if (page >= table[i].firstPage && page <= table[i].lastPage)
            return panels_.at(i);
    return nullptr;
}

int TForm1::currentPage() const
{
    QTreeWidgetItem* item = TreeView1 ? TreeView1->currentItem() : nullptr;
    return item ? item->data(0, Qt::UserRole).toInt() : -1;
}

void TForm1::selectPage(int index)
{
    if (index >= 0 && index < static_cast<int>(nodes_.size()))
        TreeView1->setCurrentItem(nodes_[index]);
}

void TForm1::PackPage(int index)
{
    if (!pageIsPacked(index))
        return;
    if (SectionPanel* p = panelOfPage(index)) {
        p->pack(image_, index);
        emit pagePacked(index);
    }
}

void TForm1::UnpackPage(int index)
{
    if (!pageIsPacked(index))
        return;
    if (SectionPanel* p = panelOfPage(index)) {
        p->unpack(image_, index);
        emit pageUnpacked(index);
    }
}

void TForm1::setSixActionsEnabled(bool on)
{
    for (QAction* a : {Programm, ReadConf, CompareConf, Reconfigurate, Reset, FactoryConfig})
        a->setEnabled(on);
}

void TForm1::ShowPage()
{
    // Leave the old page.
    if (pageIndex_ == kSystemParametersPage)
        setSixActionsEnabled(true);
    PackPage(pageIndex_);

    const int index = currentPage();
    if (index < 0)
        return;
    const PanelInfo& info = panelForPage(index);
    SectionPanel* panel = panelOfPage(index);
    panel->prepare(index);
    panel->setTitle(nodes_.at(index)->text(0));
    if (info.unpackOnEntry)
        UnpackPage(index);
    if (index == kSystemParametersPage)
        setSixActionsEnabled(false);
    static_cast<QStackedWidget*>(pageArea_)->setCurrentWidget(panel);
    panel->raise();
    pageIndex_ = index;
    // RefreshInputReadouts: the input page recomputes its barrier and current values.
    panelOfPage(18)->refreshReadouts();
}

QString TForm1::statusText(int panel) const
{
    return panel >= 0 && panel < 4 ? statusPanels_[panel]->text() : QString();
}

void TForm1::setStatusText(int panel, const QString& text)
{
    if (panel >= 0 && panel < 4)
        statusPanels_[panel]->setText(text);
}

bool TForm1::tryOpenPort()
{
    QSerialPort port;
    port.setPortName(portName_);
    const bool open = port.open(QIODevice::ReadWrite);
    if (open) {
        // After-open rule: the panel names the port, and the modem lines go up.
        setStatusText(1, portDisplayName());
        port.setDataTerminalReady(true);
        port.setRequestToSend(true);
        port.close();
    }
    return open;
}

void TForm1::probePort()
{
    if (!tryOpenPort())
        setStatusText(1, QStringLiteral("NC"));
}

QString TForm1::portDisplayName() const
{
    return simulatorSelected_ ? TFormCOMPortConfig::simulatorEntry() : portName_;
}

bool TForm1::startSimulator()
{
    if (!simHost_ || !simHost_->running()) {
        stopSimulator();
        simEngine_ = std::make_unique<sim::SimEngine>();
        simHost_ = std::make_unique<sim::SimHost>(*simEngine_);
        simHost_->setPacing(options_.simulatorPacing);
        if (simHost_->start().isEmpty()) {
            simHost_.reset();
            simEngine_.reset();
            return false;
        }
        // A little life on the inputs, so the device page shows a working controller.
        simDemoTimer_ = new QTimer(this);
        simDemoTimer_->setInterval(1000);
        connect(simDemoTimer_, &QTimer::timeout, this, [this, step = 0]() mutable {
            if (!simEngine_)
                return;
            const int bit = step++ % 4;
            simEngine_->setLive([bit](sim::LiveState& live) {
                live.inputs = std::uint16_t((live.inputs & ~0x000Fu) | (1u << bit));
            });
        });
        simDemoTimer_->start();
    }
    portName_ = simHost_->slavePath();
    simulatorSelected_ = true;
    return true;
}

void TForm1::stopSimulator()
{
    delete simDemoTimer_;
    simDemoTimer_ = nullptr;
    if (simHost_)
        simHost_->stop();
    simHost_.reset();
    simEngine_.reset();
}

void TForm1::selectPortName(const QString& name)
{
    if (name == TFormCOMPortConfig::simulatorEntry()) {
        if (startSimulator()) {
            settingsPortName_ = QString::fromLatin1(kSimulatorPortToken);
            return;
        }
    }
    simulatorSelected_ = false;
    portName_ = name;
    // The settings file has room for 7 characters. Platform names (COM3, ttyUSB0,
    // ttyACM0, ttyS0) fit; a longer name, such as a pseudo-terminal path, serves this
    // run but is not remembered, since a cut name would name another port next time.
    if (name.size() <= 7 && IsAcceptedPortName(name))
        settingsPortName_ = name;
}

void TForm1::ComPortConfigExecute()
{
    StopLiveMonitor();
    {
        TFormCOMPortConfig dialog(this);
        dialog.setWindowTitle(texts_.PortDialogCaption);
        dialog.setErrorText(texts_.PortOpenErrorText);
        dialog.setPorts(TFormCOMPortConfig::availablePortNames(), portDisplayName());
        dialog.acceptPort = [this](const QString& name) {
            selectPortName(name);
            const bool open = tryOpenPort();
            if (!open)
                setStatusText(1, QStringLiteral("NC"));
            return open;
        };
        dialog.warn = [this](const QString& caption, const QString& text) { showWarning(caption, text); };
        emit comPortDialogOpened(&dialog);
        dialog.exec();
        // However the dialog ended, the panel tells whether the port opens now.
        probePort();
    }
    StartLiveMonitor();
}

void TForm1::EnableDeviceActions()
{
    for (QAction* a : {Programm, ReadConf, CompareConf, FactoryConfig, Reset, Reconfigurate, FileOpen1,
                       FileSave1, FileNew1, ComPortConfig})
        a->setEnabled(true);
}

void TForm1::DisableDeviceActions()
{
    for (QAction* a : {Programm, ReadConf, CompareConf, FactoryConfig, Reset, Reconfigurate, FileOpen1,
                       FileSave1, FileNew1, ComPortConfig})
        a->setEnabled(false);
}

void TForm1::Timer2Timer()
{
    Timer2->stop();
    StartLiveMonitor();
    EnableDeviceActions();
    if (currentPage() == kSystemParametersPage)
        setSixActionsEnabled(false);
}

void TForm1::FileNew1Execute()
{
    ResetConfigurationArea(image_);
    UnpackPage(currentPage());
    setStatusText(0, QString::fromLatin1(kDefaultConfigFileName));
}

void TForm1::FileOpen1Execute()
{
    const QString path = askOpenFileName();
    if (path.isEmpty())
        return;
    // The page on screen is not packed first: the file replaces what it shows.
    const int result = ReadConfigurationFile(image_, path);
    if (result != ConfigLoaded) {
        showWarning(kOpenCaption, ConfigReadMessage(result));
        return;
    }
    UnpackPage(currentPage());
    setStatusText(0, path);
}

void TForm1::FileSave1Execute()
{
    const QString preset = statusText(0);
    PackPage(currentPage());
    UnpackPage(currentPage());
    const QString path = askSaveFileName(preset);
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path) && !askOverwrite(path))
        return;
    if (WriteConfigurationFile(image_, path) != 0) {
        showWarning(kSaveCaption, QStringLiteral("Невозможно сохранить файл"));
        return;
    }
    setStatusText(0, path);
}

QString TForm1::askOpenFileName()
{
    QFileDialog dlg(this, kOpenCaption, startDirectory_, kFileFilter);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setDefaultSuffix(QStringLiteral("cnt"));
    dlg.setOption(QFileDialog::ReadOnly, false);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    return dlg.selectedFiles().first();
}

QString TForm1::askSaveFileName(const QString& preset)
{
    QFileDialog dlg(this, kSaveCaption, QString(), kFileFilter);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setDefaultSuffix(QStringLiteral("cnt"));
    // We ask about replacing ourselves, with our own wording.
    dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
    const QFileInfo fi(preset);
    if (fi.isAbsolute())
        dlg.setDirectory(fi.absolutePath());
    else
        dlg.setDirectory(startDirectory_);
    dlg.selectFile(fi.fileName());
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    return dlg.selectedFiles().first();
}

bool TForm1::askOverwrite(const QString& path)
{
    Q_UNUSED(path);
    return QMessageBox::warning(this, kSaveCaption, QStringLiteral("Файл уже существует, заменить?"),
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

void TForm1::showWarning(const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void TForm1::AbautExecute()
{
    AboutBox box(texts_, this);
    box.exec();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // A running device workflow holds the actions disabled; it must end first.
    if (!ComPortConfig->isEnabled() && Timer2 && !Timer2->isActive()) {
        event->ignore();
        return;
    }
    WriteProgramSettings(startDirectory_ + QLatin1String(kSettingsFileName), settingsPortName_);
    PackPage(currentPage());
    WriteConfigurationFile(image_, QString::fromLatin1(kDefaultConfigFileName));
    event->accept();
}

} // namespace zel
