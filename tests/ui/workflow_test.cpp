// The device workflows end to end: the real window, offscreen, against the simulated
// controller on a pseudo-terminal.
#include "image/configuration.h"
#include "link/link_texts.h"
#include "link/sequences.h"
#include "sim/sim_engine.h"
#include "sim/sim_host.h"
#include "ui/dialogs/clear_config_dialog.h"
#include "ui/main_window.h"
#include "ui/pages/outputs/clock_panel.h"
#include "ui/pages/section_panel.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace zel;

namespace {

const QByteArray kPassword("1234");

class TestWindow : public TForm1 {
public:
    explicit TestWindow(const StartOptions& o) : TForm1(o) {}
    QStringList warnings;

protected:
    void showWarning(const QString& caption, const QString& text) override { warnings << caption + "|" + text; }
};

DeviceImage factoryImage()
{
    DeviceImage image;
    BuildDefaultImage(image);
    return image;
}

QByteArray configWithPassword(const QByteArray& password, int markOffset = -1, std::uint8_t mark = 0)
{
    DeviceImage image = factoryImage();
    image.setText(20, 9, QString::fromLatin1(password));
    if (markOffset >= 0)
        image.setByte(markOffset, mark);
    return image.area(1);
}

QString linkStatus(int index)
{
    return linkText(BuiltInLinkStatusTexts(), index);
}

class WorkflowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
    }
    void TearDown() override
    {
        window.reset();
        host.reset();
        engine.reset();
        QDir::setCurrent(previous);
    }

    // The controller, then the window on its line, with the same password in both.
    void start(sim::SimOptions options = {}, const QByteArray& controllerConfig = configWithPassword(kPassword))
    {
        engine = std::make_unique<sim::SimEngine>(options);
        ASSERT_TRUE(engine->setArea(1, controllerConfig));
        host = std::make_unique<sim::SimHost>(*engine);
        QString error;
        const QString path = host->start(&error);
        ASSERT_FALSE(path.isEmpty()) << error.toStdString();
        StartOptions o;
        o.portName = path;
        o.startTimer = false;
        o.factoryCountdownSeconds = countdown;
        window = std::make_unique<TestWindow>(o);
        window->Timer2Timer();
        window->image().setText(20, 9, QString::fromLatin1(kPassword));
    }

    QString action() const { return window->actionLabel()->text(); }
    QColor actionColour() const { return window->actionLabel()->palette().color(QPalette::WindowText); }
    bool actionsEnabled() const
    {
        return window->ReadConf->isEnabled() && window->Programm->isEnabled() && window->ComPortConfig->isEnabled();
    }

    QTemporaryDir dir;
    QString previous;
    int countdown = 1800;
    std::unique_ptr<sim::SimEngine> engine;
    std::unique_ptr<sim::SimHost> host;
    std::unique_ptr<TestWindow> window;
};

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

} // namespace

TEST_F(WorkflowTest, ReadTakesAValidConfigurationAndShowsTheIdentity)
{
    start({}, configWithPassword(kPassword, 700, 0x5A));
    window->selectPage(14);
    window->ReadConf->trigger();
    EXPECT_EQ(window->currentPage(), 0);
    EXPECT_EQ(window->image().area(1), engine->area(1));
    EXPECT_EQ(window->image().byte(700), 0x5A);
    EXPECT_EQ(action(), linkStatus(TextDataRead));
    EXPECT_EQ(actionColour(), kBlue);
    EXPECT_EQ(window->transferProgress()->value(), window->transferProgress()->maximum());
    EXPECT_EQ(window->statusText(2), "KV-20M.01.04");
    EXPECT_EQ(window->panelOfPage(0)->findChild<QLabel*>("iDeviceNameLabel")->text(), "ZEL470");
    EXPECT_EQ(window->panelOfPage(0)->findChild<QLabel*>("iGSMIMEILabel")->text(), "356938035643809");
    EXPECT_TRUE(actionsEnabled());
}

TEST_F(WorkflowTest, ReadOfAnInvalidConfigurationFallsBackToFactoryDefaults)
{
    QByteArray foreign = configWithPassword(kPassword, 700, 0x5A);
    foreign.replace(1, 8, QByteArray("v.01.01\0", 8));
    start({}, foreign);
    window->setStatusText(0, "/some/file.cnt");
    window->ReadConf->trigger();
    EXPECT_EQ(window->image().area(1), factoryImage().area(1));
    EXPECT_EQ(window->statusText(0), "default.cnt");
    EXPECT_EQ(action(), QString::fromUtf8(kInvalidConfigurationText));
    EXPECT_EQ(actionColour(), kRed);
    EXPECT_TRUE(actionsEnabled());
}

TEST_F(WorkflowTest, RefusedPasswordChangesNothing)
{
    start({}, configWithPassword("other", 700, 0x5A));
    window->image().setByte(700, 0x11);
    const DeviceImage before = window->image();
    struct Case {
        const char* name;
        QAction* TForm1::*action;
    };
    const Case cases[] = {{"read", &TForm1::ReadConf}, {"program", &TForm1::Programm},
                          {"reconfigure", &TForm1::Reconfigurate}, {"restart", &TForm1::Reset}};
    for (const Case& c : cases) {
        (window.get()->*c.action)->trigger();
        EXPECT_TRUE(window->image() == before) << c.name;
        EXPECT_EQ(engine->area(1).at(700), 0x5A) << c.name;
        EXPECT_EQ(action(), linkStatus(TextPasswordRequired)) << c.name;
        EXPECT_EQ(actionColour(), kRed) << c.name;
        EXPECT_TRUE(actionsEnabled()) << c.name;
        EXPECT_FALSE(window->Timer2->isActive()) << c.name;
    }
    EXPECT_EQ(engine->restartCount(), 0);
    EXPECT_EQ(engine->appliedCount(), 0);
}

TEST_F(WorkflowTest, ProgramWritesTheConfigurationAndOptionallyTheModeMemory)
{
    const QByteArray oldModes(kModeMemorySize, '\x77');
    for (const bool clear : {false, true}) {
        start();
        ASSERT_TRUE(engine->setArea(4, oldModes));
        window->image().setByte(900, 0x42);
        window->image().setByte(kModeMemoryOffset + 3, 0x99); // reset again when clearing
        window->clearSaveAreaBox()->setChecked(clear);
        window->Programm->trigger();
        EXPECT_EQ(engine->area(1), window->image().area(1)) << clear;
        EXPECT_EQ(engine->area(1).at(900), 0x42) << clear;
        const QByteArray factoryModes = factoryImage().area(4);
        EXPECT_EQ(engine->area(4), clear ? factoryModes : oldModes) << clear;
        EXPECT_EQ(window->image().area(4) == factoryModes, clear) << clear;
        EXPECT_EQ(engine->restartCount(), 1) << clear;
        // Restart ending: empty identity, actions held, monitor restarted 3 s later.
        EXPECT_EQ(window->statusText(2), "--------.--.--");
        EXPECT_FALSE(window->ReadConf->isEnabled());
        EXPECT_FALSE(window->ComPortConfig->isEnabled());
        EXPECT_TRUE(window->Timer2->isActive());
        EXPECT_EQ(window->Timer2->interval(), 3000);
        window.reset();
        host.reset();
    }
}

TEST_F(WorkflowTest, RestartEnablesTheActionsThreeSecondsLater)
{
    start();
    window->Reset->trigger();
    EXPECT_EQ(engine->restartCount(), 1);
    EXPECT_EQ(action(), linkStatus(TextRestartStarted));
    EXPECT_EQ(window->statusText(2), "--------.--.--");
    EXPECT_FALSE(window->Reset->isEnabled());
    // No monitor polls the restarting controller meanwhile, and the window refuses to close.
    EXPECT_EQ(window->liveMonitorHandle(), nullptr);
    // The pause is the timer's own interval; waiting on its signal checks what follows.
    ASSERT_TRUE(window->Timer2->isActive());
    EXPECT_EQ(window->Timer2->interval(), 3000);
    EXPECT_FALSE(actionsEnabled());
    QSignalSpy fired(window->Timer2, &QTimer::timeout);
    ASSERT_TRUE(fired.wait(10000));
    EXPECT_TRUE(actionsEnabled());
    EXPECT_FALSE(window->Timer2->isActive());
}

TEST_F(WorkflowTest, ReconfigureWritesAndAppliesWithoutRestart)
{
    start();
    ASSERT_TRUE(engine->setArea(4, QByteArray(kModeMemorySize, '\x55')));
    window->image().setByte(901, 0x24);
    window->clearSaveAreaBox()->setChecked(true);
    window->Reconfigurate->trigger();
    EXPECT_EQ(engine->area(1).at(901), 0x24);
    EXPECT_EQ(engine->area(4), factoryImage().area(4));
    EXPECT_EQ(engine->appliedCount(), 1);
    EXPECT_EQ(engine->restartCount(), 0);
    // The apply command reports into the hidden label; ActionName keeps the write's text.
    EXPECT_EQ(action(), linkStatus(TextProgrammed));
    EXPECT_FALSE(window->hiddenReportText().isEmpty());
    EXPECT_TRUE(actionsEnabled());
    EXPECT_FALSE(window->Timer2->isActive());
}

TEST_F(WorkflowTest, CompareReportsEqualAndDifferentData)
{
    start({}, configWithPassword(kPassword, 702, 0x33));
    window->image().setArea(1, engine->area(1));
    window->CompareConf->trigger();
    EXPECT_EQ(action(), linkStatus(TextEqual));
    EXPECT_EQ(actionColour(), kBlue);
    EXPECT_TRUE(actionsEnabled());
    window->image().setByte(702, 0x34);
    window->CompareConf->trigger();
    EXPECT_EQ(action(), linkStatus(TextDifferent));
    EXPECT_EQ(actionColour(), kRed);
    EXPECT_TRUE(actionsEnabled());
    EXPECT_EQ(engine->area(1).at(702), 0x33); // compare never writes
}

TEST_F(WorkflowTest, ReadIMEIPutsTheIdentifiedIMEIOnTheClipboard)
{
    start();
    QGuiApplication::clipboard()->setText("before");
    window->ReadIMEICode->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "IMEI: 356938035643809");
    EXPECT_TRUE(actionsEnabled());
}

TEST_F(WorkflowTest, UnsupportedModelOrVersionStopsAfterIdentification)
{
    struct Case {
        const char* name;
        const char* model;
        std::uint16_t firmware;
        const char* message;
    };
    const Case cases[] = {
        {"model", "ZEL471", 0x0104, "Устройство ZEL471 не поддерживается"},
        {"version", "ZEL470", 0x0105, "Версия KV-20M.01.05 не поддерживается"},
    };
    for (const Case& c : cases) {
        sim::SimOptions options;
        options.identity.name = QString::fromLatin1(c.model);
        options.identity.firmware = c.firmware;
        start(options, configWithPassword(kPassword, 700, 0x5A));
        window->image().setByte(700, 0x01);
        window->Programm->trigger();
        EXPECT_EQ(action(), QString::fromUtf8(c.message)) << c.name;
        EXPECT_EQ(actionColour(), kBlue) << c.name; // the identification's colour stays
        EXPECT_FALSE(engine->authorized()) << c.name; // no password was sent
        EXPECT_EQ(engine->area(1).at(700), 0x5A) << c.name;
        EXPECT_EQ(engine->restartCount(), 0) << c.name;
        EXPECT_TRUE(actionsEnabled()) << c.name;
        window.reset();
        host.reset();
    }
}

TEST_F(WorkflowTest, Hardware1202RefusesAPatrolBeaconConnection)
{
    sim::SimOptions options;
    options.identity.hardware = 0x1202;
    start(options, configWithPassword(kPassword, 700, 0x5A));
    // Connection 3 of type PatrolBeacon (bits 0-1 of its first byte).
    const int typeOffset = 88 + 36 * 2;
    window->image().setByte(typeOffset, std::uint8_t((window->image().byte(typeOffset) & ~3) | 1));
    window->Programm->trigger();
    ASSERT_EQ(window->warnings.size(), 1);
    EXPECT_EQ(window->warnings[0],
              QString::fromUtf8("Проверка конфигурации|Контроллер аппаратной версии 12.02 не поддерживает функцию "
                                "передачи данных CSD.\nНа вкладке \"Соединение 3\", установите параметр \"Тип "
                                "соединения\" в состояние отличное от \"PatrolBeacon\"."));
    EXPECT_EQ(window->currentPage(), 4);
    EXPECT_FALSE(engine->authorized());
    EXPECT_EQ(engine->area(1).at(700), 0x5A);
    EXPECT_TRUE(actionsEnabled());
}

TEST_F(WorkflowTest, FactoryConfigurationWithoutPasswordWritesAtOnce)
{
    start({}, configWithPassword(QByteArray(), 700, 0x5A));
    ASSERT_TRUE(engine->setArea(4, QByteArray(kModeMemorySize, '\x66')));
    window->image().setByte(700, 0x01);
    QSignalSpy dialogs(window.get(), &TForm1::clearConfigDialogOpened);
    window->FactoryConfig->trigger();
    EXPECT_TRUE(dialogs.isEmpty());
    EXPECT_EQ(engine->area(1), factoryImage().area(1));
    EXPECT_EQ(engine->area(4), factoryImage().area(4));
    EXPECT_EQ(window->image().area(1), factoryImage().area(1));
    EXPECT_EQ(engine->appliedCount(), 1);
    EXPECT_TRUE(actionsEnabled());
}

// A controller with a password gives in only after the countdown: the dialog runs, the
// monitor polls meanwhile, and then the defaults are written without a password.
class FactoryCountdownTest : public WorkflowTest {
protected:
    void startLocked(int seconds)
    {
        countdown = seconds;
        sim::SimOptions options;
        options.factoryResetMs = 1000;
        options.pollGapMs = 60000; // the countdown must not depend on the monitor's pace
        start(options, configWithPassword(kPassword, 700, 0x5A));
        ASSERT_TRUE(engine->setArea(4, QByteArray(kModeMemorySize, '\x66')));
        connect();
    }
    void connect()
    {
        QObject::connect(window.get(), &TForm1::clearConfigDialogOpened, window.get(), [this](TFormClearConfig* d) {
            shown = d->LabelCountDoenSec->text();
            if (onOpen)
                onOpen(d);
        });
    }
    QString shown;
    std::function<void(TFormClearConfig*)> onOpen;
};

TEST_F(FactoryCountdownTest, CompletedCountdownWritesTheDefaults)
{
    startLocked(2);
    window->FactoryConfig->trigger();
    EXPECT_EQ(shown, "2 Сек.");
    EXPECT_EQ(engine->area(1), factoryImage().area(1));
    EXPECT_EQ(engine->area(4), factoryImage().area(4));
    EXPECT_EQ(engine->appliedCount(), 1);
    EXPECT_TRUE(actionsEnabled());
}

TEST_F(FactoryCountdownTest, CancelOrAHangUpEndsTheCountdownAndWritesNothing)
{
    struct Case {
        const char* name;
        bool hangUp;
    };
    for (const Case c : {Case{"cancel", false}, Case{"hang-up", true}}) {
        startLocked(1800);
        onOpen = [this, c](TFormClearConfig* d) {
            if (c.hangUp)
                engine->setFaults("hangup"); // the line goes away at the monitor's next frame
            else
                QTimer::singleShot(1500, d->Button1, &QPushButton::click);
        };
        QElapsedTimer t;
        t.start();
        window->FactoryConfig->trigger();
        EXPECT_EQ(shown, "1800 Сек.") << c.name;
        EXPECT_LT(t.elapsed(), 10000) << c.name;
        EXPECT_EQ(engine->area(1).at(700), 0x5A) << c.name;
        EXPECT_EQ(engine->area(4), QByteArray(kModeMemorySize, '\x66')) << c.name;
        EXPECT_EQ(engine->appliedCount(), 0) << c.name;
        EXPECT_TRUE(actionsEnabled()) << c.name;
        window.reset();
        host.reset();
    }
}

TEST_F(WorkflowTest, CountdownDialogCountsAndEndsOnALostController)
{
    bool lost = false;
    TFormClearConfig dialog([&] { return lost; }, 3);
    EXPECT_EQ(dialog.size(), QSize(361, 161));
    EXPECT_EQ(dialog.windowTitle(), "Сброс конфигурации");
    EXPECT_EQ(dialog.LabelCountDoenSec->text(), "3 Сек.");
    EXPECT_EQ(dialog.ProgressBar1->maximum(), 3);
    dialog.show();
    dialog.Timer1Timer();
    EXPECT_EQ(dialog.LabelCountDoenSec->text(), "2 Сек.");
    EXPECT_EQ(dialog.ProgressBar1->value(), 2);
    dialog.close(); // the frame cannot end it
    EXPECT_TRUE(dialog.isVisible());
    lost = true;
    dialog.Timer1Timer();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.completed());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    TFormClearConfig done([] { return false; }, 1);
    done.show();
    done.Timer1Timer();
    EXPECT_TRUE(done.isVisible());
    done.Timer1Timer();
    EXPECT_FALSE(done.isVisible());
    EXPECT_TRUE(done.completed());
}

TEST_F(WorkflowTest, NoControllerShowsTheEmptyIdentityAndEnablesTheActions)
{
    start();
    host->stop();
    window->ReadConf->trigger();
    EXPECT_EQ(window->statusText(2), "--------.--.--");
    EXPECT_EQ(actionColour(), kRed);
    EXPECT_TRUE(actionsEnabled());
}

TEST_F(WorkflowTest, DeviceCommandsReachTheControllerAndReportInPanel3)
{
    start();
    window->setStatusText(3, "before");
    auto* relay2On = window->panelOfPage(0)->findChild<QPushButton*>("Button6");
    ASSERT_NE(relay2On, nullptr);
    relay2On->click();
    EXPECT_EQ(engine->live().outputs & 0x02, 0x02);
    EXPECT_EQ(window->statusText(3), linkStatus(TextDataSent));
    EXPECT_TRUE(actionsEnabled());
    EXPECT_NE(window->liveMonitorHandle(), nullptr); // the monitor runs again

    // A refused password: no command, panel 3 as it was, the refusal in ActionName.
    window->image().setText(20, 9, "wrong");
    window->setStatusText(3, "kept");
    window->panelOfPage(0)->findChild<QPushButton*>("Button7")->click(); // relay 2 off
    EXPECT_EQ(engine->live().outputs & 0x02, 0x02);
    EXPECT_EQ(window->statusText(3), "kept");
    EXPECT_EQ(action(), linkStatus(TextPasswordRequired));
    EXPECT_TRUE(actionsEnabled());
}

TEST_F(WorkflowTest, ClockPageSetsTheControllerClock)
{
    start();
    auto* clock = qobject_cast<ClockSchedulerPanel*>(window->panelOfPage(14));
    ASSERT_NE(clock, nullptr);
    window->selectPage(14);
    emit clock->setClockRequested(QByteArray("\x0A\x01\x05\x09\x03\x07", 6));
    const auto status = engine->statusBlock();
    EXPECT_EQ(status[0], 10);
    EXPECT_EQ(status[1], 1);
    EXPECT_EQ(status[2], 5);
    EXPECT_EQ(status[3], 9);
    EXPECT_EQ(window->statusText(3), linkStatus(TextDataSent));
    EXPECT_EQ(window->currentPage(), 14); // commands run from the page the user is on
    EXPECT_TRUE(actionsEnabled());
}

TEST_F(WorkflowTest, WindowRefusesToCloseWhileAWorkflowRuns)
{
    start();
    bool closedDuringRead = true;
    QTimer::singleShot(50, window.get(), [&] { closedDuringRead = window->close(); });
    window->ReadConf->trigger();
    EXPECT_FALSE(closedDuringRead);
    EXPECT_FALSE(QFile::exists(dir.filePath("default.cnt")));
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(QFile::exists(dir.filePath("default.cnt")));
}
