#include "files/config_file.h"
#include "image/configuration.h"
#include "ui/main_window.h"
#include "page_harness.h"
#include "ui/pages/page_table.h"
#include "ui/pages/section_panel.h"

#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QSignalSpy>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace zel;

namespace {

// The window with its dialogs answered by the test.
class TestWindow : public TForm1 {
public:
    TestWindow() : TForm1(testOptions()) {}
    static StartOptions testOptions()
    {
        StartOptions o;
        o.portName = QStringLiteral("/nonexistent/port");
        o.startTimer = false;
        return o;
    }
    QString openAnswer, saveAnswer;
    bool overwriteAnswer = true;
    QStringList warnings;
    int overwriteQuestions = 0;

protected:
    QString askOpenFileName() override { return openAnswer; }
    QString askSaveFileName(const QString&) override { return saveAnswer; }
    bool askOverwrite(const QString&) override
    {
        ++overwriteQuestions;
        return overwriteAnswer;
    }
    void showWarning(const QString& caption, const QString& text) override { warnings << caption + "|" + text; }
};

// Every test runs in its own working directory (default.cnt lives there).
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
    }
    void TearDown() override { QDir::setCurrent(previous); }
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
    QString previous;
};

QByteArray readAll(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST_F(MainWindowTest, TreeHas51NodesAtTheirLevels)
{
    TestWindow w;
    ASSERT_EQ(w.tree()->topLevelItemCount(), 1);
    EXPECT_EQ(w.node(0)->text(0), QStringLiteral("GSM контроллер ZEL470"));
    struct Case {
        int index;
        int parent; // -1: root
        const char* caption;
    };
    const Case cases[] = {
        {1, 0, "Общие параметры соединений"}, {2, 1, "Соединение 1"}, {9, 1, "Соединение 8"},
        {10, 0, "Общие параметры GPRS"},      {13, 10, "Сервер 3"},   {16, 0, "Вход [Arm In]"},
        {18, 17, "Вход 1"},                   {31, 17, "Вход 14"},    {33, 32, "Реле 1"},
        {40, 32, "Сценарии управления"},      {49, 41, "Профиль 8"},  {50, 0, "Системные параметры"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(w.node(c.index)->text(0), QString::fromUtf8(c.caption)) << c.index;
        EXPECT_EQ(w.node(c.index)->parent(), w.node(c.parent)) << c.index;
    }
    int count = 0;
    for (QTreeWidgetItemIterator it(w.tree()); *it; ++it)
        ++count;
    EXPECT_EQ(count, 51);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Конфигуратор GSM контроллера ZEL470"));
    EXPECT_EQ(w.pageIndex(), 0);
}

TEST_F(MainWindowTest, PageSwitchPacksTheLeftPageAndUnpacksTheEnteredOne)
{
    TestWindow w;
    QSignalSpy packed(&w, &TForm1::pagePacked);
    QSignalSpy unpacked(&w, &TForm1::pageUnpacked);
    struct Step {
        int to;
        int expectPacked;   // -1: nothing packed
        int expectUnpacked; // -1: nothing unpacked
    };
    const Step steps[] = {
        {1, -1, 1},   // from 0: nothing packed
        {3, 1, 3},    {4, 3, 4},  // two connections share one panel
        {32, 4, -1},  {18, -1, 18}, // 32 is neither packed nor unpacked
        {0, 18, -1},  {50, -1, 50}, {41, 50, 41}, {40, 41, 40},
    };
    for (const Step& s : steps) {
        packed.clear();
        unpacked.clear();
        w.selectPage(s.to);
        EXPECT_EQ(w.pageIndex(), s.to);
        if (s.expectPacked < 0) {
            EXPECT_TRUE(packed.isEmpty()) << "to " << s.to;
        } else {
            ASSERT_EQ(packed.size(), 1) << "to " << s.to;
            EXPECT_EQ(packed.at(0).at(0).toInt(), s.expectPacked);
        }
        if (s.expectUnpacked < 0) {
            EXPECT_TRUE(unpacked.isEmpty()) << "to " << s.to;
        } else {
            ASSERT_EQ(unpacked.size(), 1) << "to " << s.to;
            EXPECT_EQ(unpacked.at(0).at(0).toInt(), s.expectUnpacked);
        }
        const SectionPanel* panel = w.panelOfPage(s.to);
        EXPECT_TRUE(panel->isVisible() || !w.isVisible());
        if (panel->titleLabel()) {
            EXPECT_EQ(panel->titleLabel()->text(), w.node(s.to)->text(0));
        }
    }
}

TEST_F(MainWindowTest, Page50DisablesExactlyTheSixDeviceActions)
{
    TestWindow w;
    w.StartTimerElapsed();
    const QList<QAction*> six{w.Programm, w.ReadConf, w.CompareConf, w.Reconfigurate, w.Reset, w.FactoryConfig};
    const QList<QAction*> others{w.ReadIMEICode, w.FileNew1, w.FileOpen1, w.FileSave1, w.ComPortConfig, w.Abaut};
    w.selectPage(50);
    for (QAction* a : six)
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    for (QAction* a : others)
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    // Menu items and tool buttons follow their actions.
    EXPECT_FALSE(w.menuBar()->findChild<QAction*>("N10")->isEnabled());
    EXPECT_FALSE(w.findChild<QToolButton*>("SpeedButton6")->isEnabled());
    w.selectPage(14);
    for (QAction* a : six + others)
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_TRUE(w.menuBar()->findChild<QAction*>("N10")->isEnabled());
}

TEST_F(MainWindowTest, ActionsCarryTheirKeysAndHints)
{
    TestWindow w;
    struct Case {
        QAction* action;
        int key;
        const char* hint;
    };
    const Case cases[] = {
        {w.Programm, Qt::Key_F5, "Загрузить конфигурацию в контроллер и перезапустить"},
        {w.ReadConf, Qt::Key_F6, "Считать конфигурацию контроллера"},
        {w.CompareConf, Qt::Key_F7, "Сравнить текущую конфигурацию с конфигурацией контроллера"},
        {w.Reconfigurate, Qt::Key_F8, "Загрузить конфигурацию в контроллер, без перезапуска"},
        {w.Reset, Qt::Key_F9, "Перезапустить контроллер"},
        {w.ReadIMEICode, Qt::Key_F10, ""},
        {w.FileOpen1, 0, "Открыть файл конфигурации"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.action->shortcut(), QKeySequence(c.key)) << c.action->objectName().toStdString();
        EXPECT_EQ(c.action->toolTip(), QString::fromUtf8(c.hint).isEmpty() ? c.action->toolTip() : QString::fromUtf8(c.hint));
    }
    EXPECT_EQ(w.menuBar()->findChild<QAction*>("Reset1")->text(), QStringLiteral("Перезапустить (Системный сброс)"));
}

TEST_F(MainWindowTest, WindowHasItsFixedSizeAndTheSplitterDoesNotMove)
{
    TestWindow w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_EQ(w.width(), 925);
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    auto* splitter = w.findChild<QSplitter*>("Splitter1");
    ASSERT_NE(splitter, nullptr);
    const int before = w.tree()->width();
    EXPECT_EQ(before, 209);
    QWidget* handle = splitter->handle(1);
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(1, 10));
    QTest::mouseMove(handle, QPoint(120, 10));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(120, 10));
    EXPECT_EQ(w.tree()->width(), before);
    EXPECT_EQ(w.statusText(0), QStringLiteral("default.cnt"));
    EXPECT_EQ(w.statusText(1), QStringLiteral("NC"));
}

TEST_F(MainWindowTest, StartUpFallsBackToFactoryForAnyBadDefaultFile)
{
    DeviceImage factory;
    BuildDefaultImage(factory);
    DeviceImage changed = factory;
    changed.setByte(100, 0x5A);
    const QByteArray good = BuildConfigurationFile(changed);
    QByteArray corrupt = good;
    corrupt[500] = static_cast<char>(corrupt[500] ^ 1);
    struct Case {
        const char* name;
        QByteArray bytes;
        bool loaded;
    };
    const Case cases[] = {
        {"valid", good, true},
        {"empty", QByteArray(), false},
        {"short", good.left(5327), false},
        {"oversized", good + QByteArray(100000, 'x'), true},
        {"corrupt", corrupt, false},
        {"garbage", QByteArray(5328, 'G'), false},
    };
    for (const Case& c : cases) {
        writeAll(path("default.cnt"), c.bytes);
        TestWindow w;
        EXPECT_EQ(w.image().byte(100), c.loaded ? 0x5A : factory.byte(100)) << c.name;
        EXPECT_EQ(w.image().area(1).left(12), factory.area(1).left(12)) << c.name;
        EXPECT_EQ(w.statusText(0), QStringLiteral("default.cnt"));
    }
    QFile::remove(path("default.cnt"));
    QDir().mkdir(path("default.cnt")); // a directory in its place
    TestWindow w;
    EXPECT_EQ(w.image().area(1), factory.area(1));
}

TEST_F(MainWindowTest, CloseWritesDefaultFileFromAnyPage)
{
    for (int page : {0, 32, 14}) {
        QFile::remove(path("default.cnt"));
        TestWindow w;
        w.StartTimerElapsed();
        w.selectPage(page);
        w.image().setByte(200, static_cast<std::uint8_t>(page + 1));
        w.image().setByte(20, 'p');
        EXPECT_TRUE(w.close());
        const QByteArray file = readAll(path("default.cnt"));
        ASSERT_EQ(file.size(), 5328) << page;
        EXPECT_EQ(static_cast<std::uint8_t>(file[35 + 200]), page + 1);
        EXPECT_EQ(file[35 + 20], '\0'); // the administrative password never goes to a file
    }
}

TEST_F(MainWindowTest, CloseIsRefusedWhileAWorkflowHoldsTheActions)
{
    QFile::remove(path("default.cnt"));
    TestWindow w;
    w.StartTimerElapsed();
    w.DisableDeviceActions();
    EXPECT_FALSE(w.close());
    EXPECT_FALSE(QFile::exists(path("default.cnt")));
    w.EnableDeviceActions();
    EXPECT_TRUE(w.close());
}

TEST_F(MainWindowTest, OpenReportsEachReaderFailureAndKeepsTheConfiguration)
{
    DeviceImage changed;
    BuildDefaultImage(changed);
    changed.setByte(300, 0x77);
    const QByteArray good = BuildConfigurationFile(changed);
    QByteArray corrupt = good;
    corrupt[4000] = static_cast<char>(corrupt[4000] + 1);
    QByteArray other = good;
    other.replace(29, 5, "01.00");
    writeAll(path("good.cnt"), good);
    writeAll(path("corrupt.cnt"), corrupt);
    writeAll(path("other.cnt"), other);
    writeAll(path("empty.cnt"), QByteArray());
    writeAll(path("short20.cnt"), good.left(20));
    QDir().mkdir(path("dir.cnt"));
    {
        QFile huge(path("huge.cnt")); // 1 GB, sparse: only its start is ever read
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(huge.resize(qint64(1) << 30));
    }

    struct Case {
        const char* file;
        const char* message; // empty: loads
    };
    const Case cases[] = {
        {"dir.cnt", "Невозможно открыть файл"},
        {"missing.cnt", "Невозможно открыть файл"},
        // An empty file keeps the reader's placeholder header, which names no known version.
        {"empty.cnt", "Несоответствие версий! Файл не может быть использован для конфигурирования этого устройства."},
        {"huge.cnt", "Неизвестный формат файла"},
        {"corrupt.cnt", "Неизвестный формат файла"},
        {"other.cnt", "Несоответствие версий! Файл не может быть использован для конфигурирования этого устройства."},
        {"short20.cnt", "Несоответствие версий! Файл не может быть использован для конфигурирования этого устройства."},
        {"good.cnt", ""},
    };
    TestWindow w;
    w.StartTimerElapsed();
    const DeviceImage before = w.image();
    for (const Case& c : cases) {
        w.warnings.clear();
        w.openAnswer = path(c.file);
        w.FileOpen1->trigger();
        if (*c.message) {
            ASSERT_EQ(w.warnings.size(), 1) << c.file;
            EXPECT_EQ(w.warnings[0], QStringLiteral("Открытие файла конфигурации|") + QString::fromUtf8(c.message));
            EXPECT_TRUE(w.image() == before) << c.file;
            EXPECT_EQ(w.statusText(0), QStringLiteral("default.cnt"));
        } else {
            EXPECT_TRUE(w.warnings.isEmpty());
            EXPECT_EQ(w.image().byte(300), 0x77);
            EXPECT_EQ(w.statusText(0), path(c.file));
        }
    }
}

TEST_F(MainWindowTest, SaveAsksBeforeReplacingAndNewRestoresFactory)
{
    TestWindow w;
    w.StartTimerElapsed();
    w.saveAnswer = path("a.cnt");
    w.FileSave1->trigger();
    EXPECT_EQ(w.overwriteQuestions, 0);
    EXPECT_EQ(w.statusText(0), path("a.cnt"));
    const QByteArray first = readAll(path("a.cnt"));
    ASSERT_EQ(first.size(), 5328);
    EXPECT_TRUE(first.startsWith("[ZELControllerConfiguration_v01.02]"));

    w.image().setByte(400, 0x42);
    w.FileNew1->trigger(); // factory configuration area, status back to default.cnt
    EXPECT_EQ(w.statusText(0), QStringLiteral("default.cnt"));
    DeviceImage factory;
    BuildDefaultImage(factory);
    EXPECT_EQ(w.image().area(1), factory.area(1));

    w.image().setByte(400, 0x42);
    w.image().setByte(5310, 0x99); // system parameters are not part of the file
    w.overwriteAnswer = false;
    w.FileSave1->trigger();
    EXPECT_EQ(w.overwriteQuestions, 1);
    EXPECT_EQ(readAll(path("a.cnt")), first);
    EXPECT_EQ(w.statusText(0), QStringLiteral("default.cnt"));
    w.overwriteAnswer = true;
    w.FileSave1->trigger();
    EXPECT_EQ(static_cast<std::uint8_t>(readAll(path("a.cnt"))[35 + 400]), 0x42);
    EXPECT_EQ(w.image().byte(5310), 0x99);

    w.saveAnswer = path("no/such/dir/x.cnt");
    w.FileSave1->trigger();
    EXPECT_EQ(w.warnings.value(0), QStringLiteral("Сохранение конфигурации|Невозможно сохранить файл"));
    EXPECT_EQ(w.statusText(0), path("a.cnt"));
}

TEST_F(MainWindowTest, PageAreaIsAtLeastTheSizePagesAreDesignedFor)
{
    TestWindow w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.selectPage(1);
    const QWidget* panel = w.panelOfPage(1);
    EXPECT_GE(panel->width(), 708);
    EXPECT_GE(panel->height(), 490);
}

TEST_F(MainWindowTest, SettingsFileGivesThePortAndIsWrittenAtClose)
{
    {
        QFile f(path("ZELConfig.cfg"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("[ZELProgCfg]ttyS7\0\0\0\x86\x42\xB8\x20", 24));
    }
    StartOptions o;
    o.startTimer = false;
    {
        TForm1 w(o);
        EXPECT_EQ(w.portName(), "ttyS7");
        w.EnableDeviceActions();
        w.close();
    }
    // --port is for one run: the remembered port stays.
    o.portName = path("some-pty-link");
    {
        TForm1 w(o);
        EXPECT_EQ(w.portName(), path("some-pty-link"));
        EXPECT_EQ(w.statusText(1), "NC");
        w.EnableDeviceActions();
        w.close();
    }
    QFile f(path("ZELConfig.cfg"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("[ZELProgCfg]ttyS7\0\0\0\x86\x42\xB8\x20", 24));
}
