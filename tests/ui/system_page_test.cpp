// Page 50: system parameters and the control-phone list, against the simulated
// controller on a pseudo-terminal.
#include "files/pcl_file.h"
#include "image/configuration.h"
#include "page_harness.h"
#include "sim/sim_engine.h"
#include "sim/sim_host.h"
#include "ui/main_window.h"
#include "ui/pages/system/system_panel.h"

#include <QDir>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace zel;

namespace {

SystemPanel* systemPanel(TForm1& w)
{
    return dynamic_cast<SystemPanel*>(w.panelOfPage(50));
}

class SystemPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        host = std::make_unique<sim::SimHost>(engine);
        port = host->start();
        ASSERT_FALSE(port.isEmpty());
        StartOptions o;
        o.portName = port;
        o.startTimer = false;
        window = std::make_unique<TForm1>(o);
        window->EnableDeviceActions();
        window->selectPage(50);
        panel = systemPanel(*window);
        ASSERT_NE(panel, nullptr);
    }
    void TearDown() override
    {
        window.reset();
        host->stop();
        QDir::setCurrent(previous);
    }
    void setControllerPassword(const QByteArray& pw)
    {
        QByteArray area = engine.area(1);
        area.replace(20, 9, pw.leftJustified(9, '\0'));
        engine.setArea(1, area);
    }

    QTemporaryDir dir;
    QString previous;
    sim::SimEngine engine;
    std::unique_ptr<sim::SimHost> host;
    QString port;
    std::unique_ptr<TForm1> window;
    SystemPanel* panel = nullptr;
};

} // namespace

TEST(SystemPage, CalibrationPacking)
{
    struct Case {
        const char* text;
        int direction;
        QByteArray before; // bytes 5304-5307 before packing
        QByteArray after;
    };
    const Case cases[] = {
        {"100", 1, QByteArray(4, '\0'), QByteArray("\x64\x00\x02\x00", 4)},
        {"100", 1, QByteArray("\x00\x00\xFC\xFF", 4), QByteArray("\x64\x00\xFE\xFF", 4)}, // bits 18-31 kept
        {"131071", 0, QByteArray(4, '\0'), QByteArray("\xFF\xFF\x01\x00", 4)},
        {"131072", 0, QByteArray(4, '\0'), QByteArray("\xFF\xFF\x01\x00", 4)},
        {"-1", 0, QByteArray(4, '\0'), QByteArray("\xFF\xFF\x01\x00", 4)},
        {" 12 ", 0, QByteArray(4, '\0'), QByteArray("\x0C\x00\x00\x00", 4)},
        {"abc", 0, QByteArray("\x55\x55\x00\x00", 4), QByteArray(4, '\0')},
    };
    test::PageUnderTest page(50);
    auto* p = dynamic_cast<SystemPanel*>(page.panel.get());
    ASSERT_NE(p, nullptr);
    for (const Case& c : cases) {
        DeviceImage img;
        BuildDefaultImage(img);
        img.setSlice(5304, c.before);
        page.enter(img);
        p->EditCALVAL->setText(QString::fromLatin1(c.text));
        p->ComboBoxCALDIR->setCurrentIndex(c.direction);
        page.leave(img);
        EXPECT_EQ(img.slice(5304, 4).toHex(), c.after.toHex()) << c.text;
        EXPECT_EQ(p->EditCALVAL->text(), QString::fromLatin1(c.text).trimmed());
    }
}

TEST(SystemPage, RoundTripChangesOnlyItsFieldsAndFitsThePage)
{
    test::PageUnderTest page(50);
    for (unsigned seed : {1u, 2u, 3u}) {
        const DeviceImage start = test::randomImage(seed);
        const DeviceImage after = page.roundTrip(start);
        // Nothing to normalise: every stored value shows and packs back as it was.
        EXPECT_TRUE(after == start) << seed;
        EXPECT_TRUE(test::onlyPageFieldsChanged(start, after, 50));
    }
    auto* p = dynamic_cast<SystemPanel*>(page.panel.get());
    page.panel->show(); // tab pages take their size when shown
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page.panel.get()));
    p->Button1Click();
    EXPECT_TRUE(test::layoutProblems(page.panel.get()).isEmpty()) << test::layoutProblems(page.panel.get()).join("; ").toStdString();
    p->showControlPhones();
    QCoreApplication::processEvents();
    EXPECT_TRUE(test::layoutProblems(p->PanelControlPhones).isEmpty())
        << test::layoutProblems(p->PanelControlPhones).join("; ").toStdString();
}

TEST(SystemPage, RowMoveRenumbersTheFixedColumn)
{
    test::PageUnderTest page(50);
    auto* phones = dynamic_cast<SystemPanel*>(page.panel.get())->PanelControlPhones;
    QHeaderView* h = phones->StringGridControlPhones->verticalHeader();
    h->moveSection(4, 1); // row 5 dragged to row 2
    for (int visual = 0; visual < 32; ++visual) {
        const int logical = h->logicalIndex(visual);
        EXPECT_EQ(phones->StringGridControlPhones->verticalHeaderItem(logical)->text(), QString::number(visual + 1));
    }
}

TEST_F(SystemPageTest, CoverAndProgramButtonRules)
{
    EXPECT_TRUE(panel->Panel13->isVisibleTo(panel));
    EXPECT_FALSE(panel->BitBtnProgSysPar->isEnabled());
    panel->Button1->click();
    EXPECT_FALSE(panel->Panel13->isVisibleTo(panel));
    EXPECT_FALSE(panel->Button1->isEnabled());
}

TEST_F(SystemPageTest, RefusedPasswordLeavesTheAreaAndTheProgramButton)
{
    setControllerPassword("secret");
    QByteArray sys(24, '\0');
    sys[0] = 0x10;
    engine.setArea(5, sys);
    const QByteArray before = window->image().area(5);
    panel->BitBtnReadSysParClick();
    EXPECT_EQ(window->image().area(5), before);
    EXPECT_FALSE(panel->BitBtnProgSysPar->isEnabled());
    EXPECT_FALSE(panel->LabelSysParMsg->text().isEmpty());

    window->image().setText(20, 9, "secret");
    panel->BitBtnReadSysParClick();
    EXPECT_EQ(window->image().area(5), sys);
    EXPECT_TRUE(panel->BitBtnProgSysPar->isEnabled());
    EXPECT_EQ(panel->EditCALVAL->text(), "16");

    panel->EditCALVAL->setText("77");
    panel->BitBtnProgSysParClick();
    EXPECT_EQ(static_cast<std::uint8_t>(engine.area(5)[0]), 77);
    EXPECT_EQ(window->image().area(1).left(12), engine.area(1).left(12)); // no configuration transfer
}

TEST_F(SystemPageTest, ClearThenCompareWithAFactoryListIsEqual)
{
    ControlPhonesPanel* phones = panel->PanelControlPhones;
    QByteArray changed = engine.area(6);
    window->image().setByte(kControlPhoneRecordOffset, '9'); // our list differs from the controller's
    phones->BitBtnCompareControlPhonesClick();
    EXPECT_EQ(phones->LabelControlPhonesMsg->text(), window->interfaceTexts().LinkStatusTexts[9]);
    phones->SpeedButton5Click();
    phones->BitBtnCompareControlPhonesClick();
    EXPECT_EQ(phones->LabelControlPhonesMsg->text(), window->interfaceTexts().LinkStatusTexts[8]);
    EXPECT_EQ(engine.area(6), changed);
}

TEST_F(SystemPageTest, ListFilesThroughThePanel)
{
    ControlPhonesPanel* phones = panel->PanelControlPhones;
    QStringList warnings;
    phones->showWarning = [&](const QString& caption, const QString& text) { warnings << caption + "|" + text; };
    int questions = 0;
    phones->askOverwrite = [&] {
        ++questions;
        return false;
    };
    window->image().setByte(kControlPhoneRecordOffset + 3, 'x');
    const QString file = dir.filePath("list.pcl");
    phones->askSaveName = [&] { return file; };
    phones->SpeedButton11Click();
    ASSERT_TRUE(QFile::exists(file));
    phones->SpeedButton11Click(); // exists: asked, answered No
    EXPECT_EQ(questions, 1);

    phones->SpeedButton5Click();
    EXPECT_EQ(window->image().byte(kControlPhoneRecordOffset + 3), 0);
    phones->askOpenName = [&] { return file; };
    phones->SpeedButton10Click();
    EXPECT_EQ(window->image().byte(kControlPhoneRecordOffset + 3), 'x');

    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.resize(f.size() - 10);
    f.close();
    phones->SpeedButton10Click();
    EXPECT_EQ(warnings.value(0), QStringLiteral("Открытие файла конфигурации|Неизвестный формат файла"));
    phones->askSaveName = [] { return QString(); }; // cancelled: nothing written, nothing said
    phones->SpeedButton11Click();
    EXPECT_EQ(warnings.size(), 1);
}
