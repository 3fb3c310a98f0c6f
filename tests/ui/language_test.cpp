#include "files/language_file.h"
#include "link/link_texts.h"
#include "ui/interface_texts.h"
#include "ui/language.h"
#include "ui/main_window.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace zel;

namespace {

QStringList numberedLines()
{
    QStringList lines{QString::fromLatin1(kLanguageSignature)};
    for (int i = 1; i < kLanguageLineCount; ++i)
        lines << QStringLiteral("L%1").arg(i);
    return lines;
}

struct Window {
    Window()
    {
        previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        StartOptions o;
        o.portName = QStringLiteral("/nonexistent/port");
        o.startTimer = false;
        w = std::make_unique<TForm1>(o);
    }
    ~Window()
    {
        w.reset();
        QDir::setCurrent(previous);
    }
    QTemporaryDir dir;
    QString previous;
    std::unique_ptr<TForm1> w;
};

} // namespace

TEST(LanguageFile, TreeCaptionsOfNodes0To37Only)
{
    Window win;
    QStringList before;
    for (int i = 0; i < 51; ++i)
        before << win.w->node(i)->text(0);
    InterfaceTexts texts = win.w->interfaceTexts();
    ApplyLanguageLines(*win.w, *win.w->tree(), texts, numberedLines());
    EXPECT_EQ(win.w->node(0)->text(0), QStringLiteral("L20 ZEL470-KV-10.01.02"));
    struct Case {
        int node;
        int line;
    };
    const Case cases[] = {{1, 21}, {16, 36}, {17, 41}, {31, 55}, {32, 58}, {33, 59}, {37, 63}};
    for (const Case& c : cases)
        EXPECT_EQ(win.w->node(c.node)->text(0), QStringLiteral("L%1").arg(c.line)) << c.node;
    for (int k = 38; k <= 50; ++k)
        EXPECT_EQ(win.w->node(k)->text(0), before[k]) << k;
    EXPECT_EQ(win.w->windowTitle(), QStringLiteral("L1 ZEL470"));
}

TEST(LanguageFile, Line11ReachesMenuToolBarAndPage50)
{
    Window win;
    InterfaceTexts texts = win.w->interfaceTexts();
    ApplyLanguageLines(*win.w, *win.w->tree(), texts, numberedLines());
    EXPECT_EQ(win.w->menuBar()->findChild<QAction*>("N10")->text(), "L11");
    EXPECT_EQ(win.w->findChild<QToolButton*>("SpeedButton6")->text(), "L11");
    EXPECT_EQ(win.w->findChild<QPushButton*>("BitBtnProgSysPar")->text(), "L11");
    // The button keeps the text when its action is switched off and on.
    win.w->DisableDeviceActions();
    win.w->EnableDeviceActions();
    EXPECT_EQ(win.w->findChild<QToolButton*>("SpeedButton6")->text(), "L11");
    EXPECT_EQ(texts.LinkStatusTexts.value(0), "L389");
    EXPECT_EQ(texts.GsmStateTexts.value(11), "L387");
    EXPECT_EQ(texts.OutputNames.value(6), "L94");
    EXPECT_EQ(texts.IndicationModeNames.value(7), InterfaceTexts::defaults().IndicationModeNames.value(7));
}

TEST(LanguageFile, ListsKeepTheirSizes)
{
    Window win;
    InterfaceTexts texts = win.w->interfaceTexts();
    ApplyLanguageLines(*win.w, *win.w->tree(), texts, numberedLines());
    for (QComboBox* box : win.w->findChildren<QComboBox*>("ComboBoxCommType")) {
        ASSERT_EQ(box->count(), 15);
        EXPECT_EQ(box->itemText(0), "L345");
        EXPECT_EQ(box->itemText(14), "L111");
    }
    auto* grid = win.w->findChild<QTableWidget*>("StringGrid3");
    ASSERT_NE(grid, nullptr);
    for (int row = 1; row <= 8; ++row) {
        QWidget* cell = grid->cellWidget(row, 12);
        ASSERT_NE(cell, nullptr);
        auto* actions = qobject_cast<QComboBox*>(cell) ? qobject_cast<QComboBox*>(cell) : cell->findChild<QComboBox*>();
        ASSERT_NE(actions, nullptr);
        EXPECT_EQ(actions->count(), 18);
        EXPECT_EQ(actions->itemText(0), "L215");
        EXPECT_EQ(actions->itemText(9), "L224");
        EXPECT_EQ(actions->itemText(17), QStringLiteral("Применить профиль 8")); // the last eight keep their texts
    }
    auto* zone = win.w->findChild<QComboBox*>("ComboBoxTimeZone");
    ASSERT_NE(zone, nullptr);
    EXPECT_EQ(zone->count(), 26);
    EXPECT_EQ(zone->itemText(0), "(GMT-12:00)");
    EXPECT_EQ(zone->itemText(12), "(GMT+0:00)");
}

TEST(LanguageFile, MarkupAndMnemonicsShowLiterally)
{
    Window win;
    QStringList lines = numberedLines();
    lines[115] = QStringLiteral("<b>bold</b> & <i>x</i>");
    lines[356] = QStringLiteral("Save & go");
    InterfaceTexts texts = win.w->interfaceTexts();
    ApplyLanguageLines(*win.w, *win.w->tree(), texts, lines);
    auto* label = win.w->findChild<QLabel*>("Label84");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->text(), lines[115]);
    auto* button = win.w->findChild<QPushButton*>("Button1");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "Save && go"); // shown as "Save & go", no mnemonic
}

TEST(LanguageFile, ShippedEnglishFileIsAccepted)
{
    const QStringList lines = ReadLanguageFile(QStringLiteral(ZEL_SOURCE_DIR "/assets/lng.txt"));
    ASSERT_EQ(lines.size(), kLanguageLineCount);
    EXPECT_EQ(lines[11], "Program");
}

TEST(LanguageFile, WindowAppliesLngTxtFromTheWorkingDirectoryAtStart)
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QFile::copy(QStringLiteral(ZEL_SOURCE_DIR "/assets/lng.txt"), dir.filePath("lng.txt"));
    {
        StartOptions o;
        o.portName = QStringLiteral("/nonexistent/port");
        o.startTimer = false;
        TForm1 w(o);
        EXPECT_EQ(w.node(1)->text(0), "General connection parameters");
        EXPECT_EQ(w.node(50)->text(0), QStringLiteral("Системные параметры"));
        EXPECT_EQ(w.interfaceTexts().LinkStatusTexts.value(7), "Data read");
        auto* testOut = w.findChild<QComboBox*>("ComboBoxTestOut");
        ASSERT_NE(testOut, nullptr);
        EXPECT_EQ(testOut->itemText(0), "Relay 1");
    }
    // A file one line short changes nothing.
    QFile f(dir.filePath("lng.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray bytes = f.readAll();
    f.close();
    bytes.chop(2);
    bytes.truncate(bytes.lastIndexOf("\r\n") + 2);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    f.close();
    {
        StartOptions o;
        o.portName = QStringLiteral("/nonexistent/port");
        o.startTimer = false;
        TForm1 w(o);
        EXPECT_EQ(w.node(1)->text(0), QStringLiteral("Общие параметры соединений"));
    }
    QDir::setCurrent(previous);
    SetDefaultLinkStatusTexts(BuiltInLinkStatusTexts()); // the process-wide table was translated above
}

TEST(LanguageFile, EveryTranslatedLabelIsPlainText)
{
    Window win;
    QStringList lines = numberedLines();
    for (int i = 1; i < kLanguageLineCount; ++i)
        lines[i] = QStringLiteral("<b>L%1</b>").arg(i);
    InterfaceTexts texts = win.w->interfaceTexts();
    ApplyLanguageLines(*win.w, *win.w->tree(), texts, lines);
    int seen = 0;
    for (QLabel* label : win.w->findChildren<QLabel*>()) {
        if (!label->text().contains("<b>"))
            continue;
        ++seen;
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
    }
    EXPECT_GT(seen, 50);
}
