// Input page readouts: units, borders, ZAZ-02 temperature, calibration, live colour,
// and the number rules of the range texts.
#include "image/configuration.h"
#include "page_harness.h"
#include "ui/pages/inputs/calibration_dialog.h"
#include "ui/pages/inputs/input_page_panel.h"
#include "ui/pages/inputs/input_values.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <cfloat>
#include <cmath>

using namespace zel;
using namespace zel::inputs;

namespace {

constexpr int kRecord1 = 360;

// The user's locale for one test.
class LocaleGuard {
public:
    explicit LocaleGuard(const QLocale& l) : previous_(QLocale()) { QLocale::setDefault(l); }
    ~LocaleGuard() { QLocale::setDefault(previous_); }

private:
    QLocale previous_;
};

// The input page with the calibration dialog answered by the test.
class TestInputPanel : public InputPagePanel {
public:
    bool answerOk = true;
    double answer = 0.0;
    int dialogs = 0;

protected:
    bool askCalibrationValue(double& desired) override
    {
        ++dialogs;
        desired = answer;
        return answerOk;
    }
};

class InputReadoutsTest : public ::testing::Test {
protected:
    InputReadoutsTest() : texts(InterfaceTexts::defaults())
    {
        panel.setInterfaceTexts(&texts);
        panel.setUpOnce();
        BuildDefaultImage(image);
    }
    // Enters input 1 with the given type.
    void enter(int type)
    {
        image.setBits(kRecord1 + 55, 1, 3, static_cast<std::uint32_t>(type));
        panel.prepare(18);
        panel.unpack(image, 18);
        panel.refreshReadouts();
    }
    InterfaceTexts texts;
    DeviceImage image;
    TestInputPanel panel;
};

TEST_F(InputReadoutsTest, DiscreteBordersInPercentThenVolts)
{
    LocaleGuard ru(QLocale(QLocale::Russian));
    enter(TypeDiscrete);
    EXPECT_EQ(panel.ButtonVoltPerc->text(), "В");
    EXPECT_EQ(panel.LabelHiBarrier->text(), "66,7 %");
    EXPECT_EQ(panel.LabelLoBarrier->text(), "33,3 %");
    QTest::mouseClick(panel.ButtonVoltPerc, Qt::LeftButton);
    EXPECT_EQ(panel.ButtonVoltPerc->text(), "%");
    EXPECT_EQ(panel.LabelHiBarrier->text(), "6,67 В");
    EXPECT_EQ(panel.LabelCurrentVal->text(), "0 В");
    // The unit stays for the next input page shown.
    panel.pack(image, 18);
    panel.unpack(image, 19);
    panel.refreshReadouts();
    EXPECT_EQ(panel.LabelHiBarrier->text(), "6,67 В");
}

struct ReadoutCase {
    int type;
    int raw;
    const char* minText;
    const char* maxText;
    const char* current;
    bool buttonVisible;
    const char* buttonCaption;
    bool analoguePanel;
};

class ReadoutTable : public InputReadoutsTest, public ::testing::WithParamInterface<ReadoutCase> {};

TEST_P(ReadoutTable, CurrentValueInTheInputsUnit)
{
    const ReadoutCase c = GetParam();
    enter(c.type);
    panel.MaskEditMinVal->setText(c.minText);
    panel.MaskEditMaxVal->setText(c.maxText);
    panel.ShowLiveInputValue(c.raw, true);
    EXPECT_EQ(panel.LabelCurrentVal->text(), QString::fromUtf8(c.current));
    EXPECT_EQ(panel.ButtonVoltPerc->isVisibleTo(&panel), c.buttonVisible);
    if (c.buttonVisible) {
        EXPECT_EQ(panel.ButtonVoltPerc->text(), QString::fromUtf8(c.buttonCaption));
    }
    EXPECT_EQ(panel.PanelAnalogue->isVisibleTo(&panel), c.analoguePanel);
}

INSTANTIATE_TEST_SUITE_P(
    Types, ReadoutTable,
    ::testing::Values(ReadoutCase{TypeZaz02, 0, "0", "10", "-50.2° C", false, "", false},
                      ReadoutCase{TypeZaz02, 4095, "0", "10", "284° C", false, "", false},
                      ReadoutCase{TypeDiscrete, 4095, "0", "10", "100 %", true, "В", false},
                      ReadoutCase{TypeDisabled, 2048, "0", "10", "50 %", true, "В", false},
                      ReadoutCase{TypeAnalogue, 4095, "-5", "5", "5", true, "K", true},
                      ReadoutCase{TypeAnalogue, 2048, "0", "1,5e3", "750.2", true, "K", true},
                      ReadoutCase{TypeVar03, 0, "-50", "150", "-50° C", true, "K", true},
                      ReadoutCase{TypeVar03, 4095, "x", "", "0° C", true, "K", true}));

TEST_F(InputReadoutsTest, AnalogueSwitchesTheButtonToCalibrationAndBack)
{
    enter(TypeAnalogue);
    EXPECT_EQ(panel.ButtonVoltPerc->text(), "K");
    panel.ComboBoxSensType->setCurrentIndex(TypeDiscrete);
    panel.refreshReadouts();
    EXPECT_EQ(panel.ButtonVoltPerc->text(), "В");
}

TEST_F(InputReadoutsTest, CalibrationShiftsTheRange)
{
    LocaleGuard ru(QLocale(QLocale::Russian));
    enter(TypeAnalogue);
    panel.ShowLiveInputValue(2048, true);
    panel.answer = 6;
    QTest::mouseClick(panel.ButtonVoltPerc, Qt::LeftButton);
    EXPECT_EQ(panel.dialogs, 1);
    EXPECT_EQ(panel.MaskEditMinVal->text(), "0,998779");
    EXPECT_EQ(panel.MaskEditMaxVal->text(), "10,99878");
    EXPECT_EQ(panel.LabelCurrentVal->text(), "6");
    // Cancel changes nothing.
    panel.answerOk = false;
    panel.answer = 100;
    QTest::mouseClick(panel.ButtonVoltPerc, Qt::LeftButton);
    EXPECT_EQ(panel.MaskEditMinVal->text(), "0,998779");
    EXPECT_EQ(panel.ButtonVoltPerc->text(), "K");
}

TEST_F(InputReadoutsTest, ChoosingVar03SetsItsRange)
{
    enter(TypeDiscrete);
    panel.ComboBoxSensType->setCurrentIndex(TypeVar03);
    emit panel.ComboBoxSensType->activated(TypeVar03);
    EXPECT_EQ(panel.MaskEditMinVal->text(), "-50");
    EXPECT_EQ(panel.MaskEditMaxVal->text(), "150");
    EXPECT_TRUE(panel.PanelAnalogue->isVisibleTo(&panel));
    // Other types leave the range texts alone.
    panel.MaskEditMinVal->setText("1");
    panel.ComboBoxSensType->setCurrentIndex(TypeAnalogue);
    emit panel.ComboBoxSensType->activated(TypeAnalogue);
    EXPECT_EQ(panel.MaskEditMinVal->text(), "1");
}

TEST_F(InputReadoutsTest, BordersPushEachOther)
{
    enter(TypeDiscrete);
    panel.TrackBarHiBarrier->setValue(1000); // below the lower border 1365
    EXPECT_EQ(panel.TrackBarLoBarrier->value(), 1000);
    panel.TrackBarLoBarrier->setValue(3000);
    EXPECT_EQ(panel.TrackBarHiBarrier->value(), 3000);
}

// Live colour: the six active levels, with L = 1000 and H = 3000.
struct ColourCase {
    int level;
    int raw;
    bool previousRed; // colour left by the reading before
    bool red;
};

class LiveColourTable : public InputReadoutsTest, public ::testing::WithParamInterface<ColourCase> {};

TEST_P(LiveColourTable, RedWhenActive)
{
    const ColourCase c = GetParam();
    enter(TypeDiscrete);
    panel.TrackBarLoBarrier->setValue(1000);
    panel.TrackBarHiBarrier->setValue(3000);
    panel.ComboBoxSensActLevel->setCurrentIndex(0);
    panel.ShowLiveInputValue(c.previousRed ? 0 : 2000, true); // level 0: red at 0, face colour at 2000
    ASSERT_EQ(panel.liveColour() == QColor(Qt::red), c.previousRed);
    panel.ComboBoxSensActLevel->setCurrentIndex(c.level);
    panel.ShowLiveInputValue(c.raw, true);
    EXPECT_EQ(panel.liveColour() == QColor(Qt::red), c.red) << "level " << c.level << " raw " << c.raw;
    EXPECT_EQ(panel.LabelCurrentVal->palette().color(QPalette::Window), panel.liveColour());
}

INSTANTIATE_TEST_SUITE_P(
    Levels, LiveColourTable,
    ::testing::Values(ColourCase{0, 1000, false, true}, ColourCase{0, 3000, false, true},
                      ColourCase{0, 2000, true, false}, ColourCase{1, 1000, false, true},
                      ColourCase{1, 1001, true, false}, ColourCase{2, 1000, false, true},
                      ColourCase{2, 3000, false, true}, ColourCase{2, 3001, true, false},
                      ColourCase{2, 999, true, false}, ColourCase{3, 3000, false, true},
                      ColourCase{3, 2999, true, false},
                      // Hysteresis levels: between the borders the previous colour stays.
                      ColourCase{4, 1000, false, true}, ColourCase{4, 3000, true, false},
                      ColourCase{4, 2000, true, true}, ColourCase{4, 2000, false, false},
                      ColourCase{5, 3000, false, true}, ColourCase{5, 1000, true, false},
                      ColourCase{5, 2000, true, true}, ColourCase{5, 2000, false, false}));

TEST_F(InputReadoutsTest, NoRecolouringBeforeTheFirstValidReading)
{
    enter(TypeDiscrete);
    const QColor face = panel.liveColour();
    panel.ComboBoxSensActLevel->setCurrentIndex(3);
    panel.ShowLiveInputValue(4095, false); // no valid reading yet
    EXPECT_EQ(panel.liveColour(), face);
    panel.TrackBarHiBarrier->setValue(100);
    EXPECT_EQ(panel.liveColour(), face);
    panel.ShowLiveInputValue(4095, true);
    EXPECT_EQ(panel.liveColour(), QColor(Qt::red));
    // Once seen, a border move recolours at once.
    panel.TrackBarLoBarrier->setValue(0);
    panel.TrackBarHiBarrier->setValue(4095);
    panel.ShowLiveInputValue(10, false);
    EXPECT_EQ(panel.liveColour(), face);
}

// --- Number rules ------------------------------------------------------------------

struct RangeCase {
    const char* minText;
    const char* maxText;
    float min;
    float max;
};

class RangePacking : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RangePacking, StoredRange)
{
    const RangeCase c = GetParam();
    const ValueRange r = packValueRange(c.minText, c.maxText);
    EXPECT_FLOAT_EQ(r.min, c.min) << c.minText << " / " << c.maxText;
    EXPECT_FLOAT_EQ(r.max, c.max) << c.minText << " / " << c.maxText;
    EXPECT_TRUE(std::isfinite(r.min) && std::isfinite(r.max));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RangePacking,
    ::testing::Values(RangeCase{"5", "5", 4.0f, 6.0f}, RangeCase{"1,5", "2", 1.5f, 2.0f},
                      RangeCase{"", "", -1.0f, 1.0f}, RangeCase{"abc", "10", 0.0f, 10.0f},
                      RangeCase{" -2.5e1x", "3.", -25.0f, 3.0f}, RangeCase{"1e", "+.5", 1.0f, 0.5f},
                      RangeCase{"7", "-3", 7.0f, -3.0f},
                      // Beyond the float range: held at the largest float, then pulled apart.
                      RangeCase{"1e999", "1e400", std::nextafter(FLT_MAX, 0.0f), FLT_MAX},
                      RangeCase{"-1e999", "0", -FLT_MAX, 0.0f},
                      // 1 is below the resolution: the neighbouring floats.
                      RangeCase{"1e20", "1e20", std::nextafter(1e20f, 0.0f), std::nextafter(1e20f, 2e20f)}));

TEST(InputValues, GeneralFormatUsesTheUsersSeparatorWithoutGrouping)
{
    LocaleGuard ru(QLocale(QLocale::Russian));
    EXPECT_EQ(formatGeneral(1234567.0, 7), "1234567");
    EXPECT_EQ(formatGeneral(-0.0, 7), "0");
    EXPECT_EQ(formatGeneral(2730 * 100.0 / 4095, 3), "66,7");
    // What the page shows, the page reads back.
    EXPECT_FLOAT_EQ(rangeTextValue(formatGeneral(0.1f, 7)), 0.1f);
}

TEST(InputValues, Zaz02Temperature)
{
    EXPECT_DOUBLE_EQ(zaz02Temperature(0), -50.2);
    EXPECT_DOUBLE_EQ(zaz02Temperature(4095), 284.07);
    EXPECT_DOUBLE_EQ(zaz02Temperature(615), 0.0); // (984000 - 984100) / 196 rounds toward zero
}

TEST(CalibrationDialog, OkParsesTheTextCancelKeepsZero)
{
    TFormCalibration dialog;
    EXPECT_EQ(dialog.windowTitle(), "Калибровка входа");
    EXPECT_EQ(dialog.MaskEditNeedVal->text(), "0");
    dialog.MaskEditNeedVal->setText("2,5");
    QTest::keyClick(dialog.MaskEditNeedVal, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(dialog.desiredValue(), 2.5);

    TFormCalibration other;
    other.MaskEditNeedVal->setText("7");
    other.reject();
    EXPECT_EQ(other.result(), QDialog::Rejected);
    EXPECT_DOUBLE_EQ(other.desiredValue(), 0.0);
}

} // namespace
