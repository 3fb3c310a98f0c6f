// The COM port dialog, the remembered port and the built-in simulated controller.
#include "files/program_settings.h"
#include "sim/sim_engine.h"
#include "sim/sim_host.h"
#include "ui/dialogs/comport_dialog.h"
#include "ui/main_window.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace zel;

namespace {

const QString kSimulator = QStringLiteral("Симулятор");
const QString kOpenError = QStringLiteral("Выбор COM порта|Не возможно открыть указанный COM порт, возможно он занят "
                                          "другим приложением.");

class TestWindow : public TForm1 {
public:
    explicit TestWindow(const StartOptions& o) : TForm1(o) {}
    QStringList warnings;

protected:
    void showWarning(const QString& caption, const QString& text) override { warnings << caption + "|" + text; }
};

class ComPortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
    }
    void TearDown() override { QDir::setCurrent(previous); }

    static StartOptions options(const QString& port = {}, bool simulator = false)
    {
        StartOptions o;
        o.portName = port;
        o.simulator = simulator;
        o.startTimer = false;
        o.simulatorPacing = false;
        return o;
    }
    void writeSettings(const QString& port)
    {
        QFile f(dir.filePath("ZELConfig.cfg"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(BuildProgramSettings(port));
    }
    QString rememberedAfterClose(TForm1& w)
    {
        w.EnableDeviceActions();
        w.close();
        QString port;
        EXPECT_TRUE(ReadProgramSettings(dir.filePath("ZELConfig.cfg"), port));
        return port;
    }
    // Opens the dialog and lets `act` work on it while it runs modally.
    void runDialog(TForm1& w, std::function<void(TFormCOMPortConfig*)> act)
    {
        w.Timer2Timer();
        auto connection = QObject::connect(&w, &TForm1::comPortDialogOpened, &w, [act](TFormCOMPortConfig* d) {
            QTimer::singleShot(0, d, [d, act] {
                act(d);
                if (d->isVisible())
                    d->Button2->click();
            });
        });
        w.ComPortConfig->trigger();
        QObject::disconnect(connection);
    }
    static void choose(TFormCOMPortConfig* d, const QString& name)
    {
        if (d->ComComboBox1->findText(name) < 0)
            d->ComComboBox1->addItem(name);
        d->ComComboBox1->setCurrentIndex(d->ComComboBox1->findText(name));
    }

    QTemporaryDir dir;
    QString previous;
};

} // namespace

TEST_F(ComPortTest, DialogListsThePortsAndTheSimulatorAndShowsThePortInUse)
{
    TestWindow w(options("/nonexistent/ttyQ"));
    QSize size;
    QString title, current, last;
    bool editable = true;
    runDialog(w, [&](TFormCOMPortConfig* d) {
        size = d->size();
        title = d->windowTitle();
        editable = d->ComComboBox1->isEditable();
        current = d->ComComboBox1->currentText();
        last = d->ComComboBox1->itemText(d->ComComboBox1->count() - 1);
    });
    EXPECT_EQ(size, QSize(197, 130));
    EXPECT_EQ(title, "Выбор COM порта");
    EXPECT_FALSE(editable);
    EXPECT_EQ(current, "/nonexistent/ttyQ");
    EXPECT_EQ(last, kSimulator);
    EXPECT_EQ(w.portName(), "/nonexistent/ttyQ"); // cancelled
    EXPECT_EQ(w.statusText(1), "NC");
    EXPECT_TRUE(w.ComPortConfig->isEnabled());
}

TEST_F(ComPortTest, APortThatCannotBeOpenedKeepsTheDialogOpen)
{
    writeSettings("COM3");
    TestWindow w(options());
    bool openAfterOk = false;
    QString panelAfterOk;
    runDialog(w, [&](TFormCOMPortConfig* d) {
        choose(d, "/nonexistent/held-port");
        d->Button1->click();
        openAfterOk = d->isVisible();
        panelAfterOk = w.statusText(1);
    });
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(panelAfterOk, "NC");
    ASSERT_EQ(w.warnings.size(), 1);
    EXPECT_EQ(w.warnings[0], kOpenError);
    // Cancel tried the same port again.
    EXPECT_EQ(w.portName(), "/nonexistent/held-port");
    EXPECT_EQ(w.statusText(1), "NC");
    // A path does not fit the settings file: the remembered port stays.
    EXPECT_EQ(rememberedAfterClose(w), "COM3");
}

TEST_F(ComPortTest, APlatformPortNameIsRememberedAndAPtyPathServesThisRunOnly)
{
    sim::SimEngine engine;
    sim::SimHost host(engine);
    const QString pty = host.start();
    ASSERT_FALSE(pty.isEmpty());
    writeSettings("COM3");
    TestWindow w(options());
    runDialog(w, [&](TFormCOMPortConfig* d) {
        choose(d, pty);
        d->Button1->click();
    });
    EXPECT_TRUE(w.warnings.isEmpty());
    EXPECT_EQ(w.portName(), pty);
    EXPECT_EQ(w.statusText(1), pty);
    EXPECT_EQ(w.rememberedPortName(), "COM3");

    runDialog(w, [&](TFormCOMPortConfig* d) {
        choose(d, "ttyS9"); // not present here, but a name this platform uses
        d->Button1->click();
    });
    EXPECT_EQ(w.statusText(1), "NC");
    EXPECT_EQ(rememberedAfterClose(w), "ttyS9");
}

TEST_F(ComPortTest, TheSimulatorEntryRunsTheBuiltInControllerAndIsRemembered)
{
    TestWindow w(options("/nonexistent/ttyQ"));
    runDialog(w, [&](TFormCOMPortConfig* d) {
        choose(d, kSimulator);
        d->Button1->click();
    });
    EXPECT_TRUE(w.warnings.isEmpty());
    EXPECT_TRUE(w.simulatorSelected());
    ASSERT_NE(w.simulatorEngine(), nullptr);
    EXPECT_EQ(w.statusText(1), kSimulator);
    EXPECT_NE(w.portName(), kSimulator); // the pseudo-terminal it is served on
    // A readable configuration at once.
    w.ReadConf->trigger();
    EXPECT_EQ(w.actionLabel()->text(), "Данные считаны");
    EXPECT_EQ(w.statusText(2), "KV-20M.01.04");
    EXPECT_EQ(rememberedAfterClose(w), "SIM");

    TestWindow again(options());
    EXPECT_TRUE(again.simulatorSelected());
    EXPECT_EQ(again.statusText(1), kSimulator);
}

TEST_F(ComPortTest, StartUpChoosesThePortFromOptionsAndSettings)
{
    struct Case {
        const char* name;
        const char* settings; // nullptr: no file
        const char* port;     // --port
        bool simulator;       // --simulator
        bool expectSimulator;
        const char* expectRemembered;
    };
    const Case cases[] = {
        {"first run on the simulator", nullptr, "", true, true, "SIM"},
        {"simulator for one run", "COM3", "", true, true, "COM3"},
        {"remembered simulator", "SIM", "", false, true, "SIM"},
        {"port wins over the remembered simulator", "SIM", "/nonexistent/ttyQ", false, false, "SIM"},
        {"port wins over --simulator", nullptr, "/nonexistent/ttyQ", true, false, "COM1"},
        {"remembered port", "ttyUSB0", "", false, false, "ttyUSB0"},
    };
    for (const Case& c : cases) {
        QFile::remove(dir.filePath("ZELConfig.cfg"));
        if (c.settings)
            writeSettings(QString::fromLatin1(c.settings));
        TestWindow w(options(QString::fromLatin1(c.port), c.simulator));
        EXPECT_EQ(w.simulatorSelected(), c.expectSimulator) << c.name;
        if (c.expectSimulator) {
            EXPECT_EQ(w.statusText(1), kSimulator) << c.name;
        } else {
            EXPECT_EQ(w.statusText(1), "NC") << c.name;
        }
        if (*c.port) {
            EXPECT_EQ(w.portName(), QString::fromLatin1(c.port)) << c.name;
        }
        EXPECT_EQ(rememberedAfterClose(w), QString::fromLatin1(c.expectRemembered)) << c.name;
    }
}
