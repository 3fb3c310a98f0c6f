// Pages 15 to 31: entering and leaving a page changes nothing outside its fields,
// and inside them only what the pack rules normalise; layout; factory values.
#include "image/configuration.h"
#include "page_harness.h"
#include "ui/pages/inputs/arm_in_panel.h"
#include "ui/pages/inputs/input_page_panel.h"
#include "ui/pages/inputs/input_values.h"
#include "ui/pages/inputs/input_widgets.h"
#include "ui/pages/inputs/power_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSlider>

#include <algorithm>

using namespace zel;
using namespace zel::test;

namespace {

constexpr int kInputRecord = 268; // record n at 268 + 92 n
constexpr int kRecordSize = 92;

DeviceImage factoryImage()
{
    DeviceImage img;
    BuildDefaultImage(img);
    return img;
}

// --- Normalisations the pack rules apply to stored values ---------------------------

// A list value without an item packs back as the field's all-ones value.
void normaliseLists(DeviceImage& img, int page)
{
    for (const FieldDef& f : fieldCatalogue()) {
        if (f.items.isEmpty() || f.kind == FieldKind::Text) // name suggestions are no list
            continue;
        for (int r = 1; r <= f.count; ++r) {
            if (f.pageOfRecord(r) != page)
                continue;
            const std::uint32_t v = inputs::readField(img, f, r);
            if (v >= static_cast<std::uint32_t>(f.items.size())) {
                const int bits = inputs::fieldBitCount(f);
                inputs::writeField(img, f, bits >= 32 ? 0xFFFFFFFFu : (1u << bits) - 1u, r);
            }
        }
    }
}

// Text fields show the text up to the first NUL (at most width - 1 bytes) and pack
// it back NUL-padded.
void normaliseText(DeviceImage& img, int offset, int width)
{
    img.setText(offset, width, img.text(offset, width - 1));
}

void normaliseInputRecord(DeviceImage& img, int n)
{
    const int R = kInputRecord + kRecordSize * n;
    for (int rel : {0, 17, 34})
        normaliseText(img, R + rel, 17);
    // Borders are held at 4095 by the track bars; the upper one never stays below the lower.
    const int hi = std::min<int>(img.u16(R + 60), 4095);
    const int lo = std::min<int>(img.u16(R + 58), 4095);
    img.setU16(R + 60, static_cast<std::uint16_t>(std::max(hi, lo)));
    img.setU16(R + 58, static_cast<std::uint16_t>(lo));
    // The range is shown with 7 significant digits and packed by the range rule.
    const inputs::ValueRange range = inputs::packValueRange(inputs::formatGeneral(img.float32(R + 68), 7),
                                                            inputs::formatGeneral(img.float32(R + 72), 7));
    img.setFloat32(R + 68, range.min);
    img.setFloat32(R + 72, range.max);
}

void normalisePowerPage(DeviceImage& img)
{
    // Discharge borders: positions 100 - value held at 0..100; the first border stays
    // at 90 % or less and the second never above the first.
    const int p1 = std::clamp(100 - static_cast<int>(img.bits(2813, 0, 7)), 0, 100);
    const int p2 = std::clamp(100 - static_cast<int>(img.bits(2812, 0, 7)), 0, 100);
    const int first = std::max(10, std::min(p1, p2));
    const int second = std::max(p2, first);
    img.setBits(2813, 0, 7, static_cast<std::uint32_t>(100 - first));
    img.setBits(2812, 0, 7, static_cast<std::uint32_t>(100 - second));
    // Temperature borders: -30..82 and -32..80, at least 2 degrees apart.
    const int upper = std::clamp<int>(img.s8(2844), -30, 82);
    const int lower = std::min(std::clamp<int>(img.s8(2843), -32, 80), upper - 2);
    img.setS8(2844, static_cast<std::int8_t>(upper));
    img.setS8(2843, static_cast<std::int8_t>(lower));
    // Reaction levels outside -39..89 have no item and pack as 89 - (-1).
    for (int off : {2845, 2847})
        if (img.s8(off) < -39 || img.s8(off) > 89)
            img.setS8(off, 90);
}

void normaliseArmInPage(DeviceImage& img)
{
    img.setByte(3104, static_cast<std::uint8_t>(std::min<int>(img.byte(3104), 240)));
    for (int k = 0; k < 32; ++k) {
        const int K = 3292 + 32 * k;
        bool empty = true;
        for (int b = 0; b < 8; ++b)
            empty = empty && img.byte(K + b) == 0;
        if (empty) {
            // An empty slot shows nothing, and its row packs as empty.
            img.setSlice(K + 8, QByteArray(17, '\0'));
            img.setByte(K + 25, 0);
            img.setBits(K + 26, 0, 4, 0);
            continue;
        }
        normaliseText(img, K + 8, 17);
        img.setByte(K + 25, img.byte(K + 25) & 3);
        const unsigned profile = img.bits(K + 26, 0, 4);
        if (profile > 8)
            img.setBits(K + 26, 0, 4, 0);
    }
}

DeviceImage expectedAfterRoundTrip(const DeviceImage& in, int page)
{
    DeviceImage img = in;
    normaliseLists(img, page);
    if (page == 15)
        normalisePowerPage(img);
    else if (page == 16)
        normaliseArmInPage(img);
    else if (page >= 18)
        normaliseInputRecord(img, page - 17);
    return img;
}

struct RoundTripCase {
    int page;
    unsigned seed;
};

class InputsRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(InputsRoundTrip, ChangesOnlyPageFieldsAndOnlyByTheListedNormalisations)
{
    const RoundTripCase c = GetParam();
    const DeviceImage before = randomImage(c.seed);
    PageUnderTest page(c.page);
    const DeviceImage after = page.roundTrip(before);

    EXPECT_TRUE(onlyPageFieldsChanged(before, after, c.page));
    const DeviceImage expected = expectedAfterRoundTrip(before, c.page);
    for (int i = 0; i < kImageSize; ++i)
        ASSERT_EQ(after.byte(i), expected.byte(i)) << "page " << c.page << " byte " << i;
    // Inputs 15 and 16 have no page, and bit 0 of byte 55 belongs to the Arm In page.
    if (c.page >= 17) {
        EXPECT_EQ(after.slice(kInputRecord + 15 * kRecordSize, 2 * kRecordSize),
                  before.slice(kInputRecord + 15 * kRecordSize, 2 * kRecordSize));
        for (int n = 1; n <= 14; ++n)
            EXPECT_EQ(after.bit(kInputRecord + kRecordSize * n + 55, 0),
                      before.bit(kInputRecord + kRecordSize * n + 55, 0));
    }
}

std::vector<RoundTripCase> roundTripCases()
{
    std::vector<RoundTripCase> cases;
    for (unsigned seed : {1u, 77u, 4242u})
        for (int page : {15, 16, 17, 18, 25, 26, 31})
            cases.push_back({page, seed});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Pages, InputsRoundTrip, ::testing::ValuesIn(roundTripCases()),
                         [](const auto& info) {
                             return "page" + std::to_string(info.param.page) + "_seed"
                                    + std::to_string(info.param.seed);
                         });

TEST(InputsPages, FactoryImageRoundTripsUnchanged)
{
    const DeviceImage factory = factoryImage();
    for (int page = 15; page <= 31; ++page) {
        PageUnderTest p(page);
        EXPECT_TRUE(p.roundTrip(factory) == factory) << "page " << page;
    }
}

struct LayoutCase {
    int page;
    int type; // input type of the record shown (input pages)
};

class InputsLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(InputsLayout, FitsThePageAreaAtTheWindowFont)
{
    const LayoutCase c = GetParam();
    DeviceImage img = factoryImage();
    if (c.page >= 18)
        img.setBits(kInputRecord + kRecordSize * (c.page - 17) + 55, 1, 3, static_cast<std::uint32_t>(c.type));
    PageUnderTest p(c.page);
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSize(8);
    p.panel->setFont(f);
    p.enter(img);
    p.panel->refreshReadouts();
    const QStringList problems = layoutProblems(p.panel.get());
    EXPECT_TRUE(problems.isEmpty()) << problems.join("; ").toStdString();
    for (QWidget* w : p.panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isVisibleTo(p.panel.get())) {
            EXPECT_TRUE(QRect(0, 0, kPageAreaWidth, kPageAreaHeight).contains(w->geometry()))
                << w->objectName().toStdString();
        }
    }
}

// An analogue input shows the range panel and the calibration button.
INSTANTIATE_TEST_SUITE_P(Pages, InputsLayout,
                         ::testing::Values(LayoutCase{15, 0}, LayoutCase{16, 0}, LayoutCase{17, 0},
                                           LayoutCase{18, 1}, LayoutCase{18, 2}, LayoutCase{31, 3}),
                         [](const auto& info) {
                             return "page" + std::to_string(info.param.page) + "_type"
                                    + std::to_string(info.param.type);
                         });

TEST(InputsPages, FactoryInputOneShowsItsValues)
{
    PageUnderTest p(18);
    p.enter(factoryImage());
    auto* panel = static_cast<InputPagePanel*>(p.panel.get());
    EXPECT_EQ(panel->ComboBoxSensType->currentText(), "Дискретный");
    EXPECT_EQ(panel->ComboBoxSensName->currentText(), "ВХОД1");
    EXPECT_EQ(panel->ComboBoxSensActSt->currentText(), "АКТИВЕН");
    EXPECT_EQ(panel->ComboBoxSensPassSt->currentText(), "НЕАКТИВЕН");
    EXPECT_EQ(panel->ComboBoxSensActLevel->currentText(), "Свободный (Нижн. гр. <= Uвх. <= Верхн. гр.)");
    EXPECT_EQ(panel->ComboBoxAverageTime->currentText(), "240 mSec.");
    EXPECT_EQ(panel->TrackBarHiBarrier->value(), 2730);
    EXPECT_EQ(panel->TrackBarLoBarrier->value(), 1365);
    EXPECT_EQ(panel->ComboBoxReleToAlarm->currentText(), "тревожным событием, с учетом блокировки");
    EXPECT_EQ(panel->ComboBoxSensorPwrSource->currentText(), "Другое");
    EXPECT_EQ(panel->MaskEditMinVal->text(), "0");
    EXPECT_EQ(panel->MaskEditMaxVal->text(), "10");
    EXPECT_EQ(panel->ComboBoxDelayTime->itemText(63), "315 Sec.");
}

TEST(InputsPages, PowerSourceListIsOnlyEnabledForInputsOneToEight)
{
    for (int page = 18; page <= 31; ++page) {
        DeviceImage img = factoryImage();
        const int n = page - 17;
        img.setBits(kInputRecord + kRecordSize * n + 63, 0, 2, 0); // "Порт питания датчиков (10VS)"
        PageUnderTest p(page);
        p.enter(img);
        auto* panel = static_cast<InputPagePanel*>(p.panel.get());
        EXPECT_EQ(panel->ComboBoxSensorPwrSource->isEnabled(), n <= 8) << "input " << n;
        EXPECT_EQ(panel->ComboBoxSensorPwrSource->currentIndex(), 0);
        DeviceImage out = img;
        p.leave(out);
        EXPECT_EQ(out.bits(kInputRecord + kRecordSize * n + 63, 0, 2), 0u);
    }
}

// Every control of the input page lands in its bits of the record shown, and nowhere else.
TEST(InputsPages, InputPagePacksEveryControlIntoItsField)
{
    const int page = 20, n = 3, R = kInputRecord + kRecordSize * n;
    const DeviceImage zero;
    PageUnderTest p(page);
    p.enter(zero);
    auto* w = static_cast<InputPagePanel*>(p.panel.get());
    w->ComboBoxSensType->setCurrentIndex(4);
    w->ComboBoxSensName->setEditText("ПРИХОЖАЯ-ДЛИННОЕ-ИМЯ"); // cut to 16 bytes
    w->ComboBoxSensActSt->setEditText("OPEN");
    w->ComboBoxSensPassSt->setEditText("CLOSE");
    w->ComboBoxAverageTime->setCurrentIndex(15);
    w->ComboBoxSensActLevel->setCurrentIndex(5);
    w->CheckBox24HZone->setChecked(true);
    w->EditRecoveryTime->setText("45");
    w->ComboBoxDelayTime->setCurrentIndex(63);
    w->ComboBoxReleToAlarm->setCurrentIndex(2);
    w->TrackBarHiBarrier->setValue(4000);
    w->TrackBarLoBarrier->setValue(300);
    w->ComboBoxActiveTriggerNum->setCurrentIndex(3);
    w->CheckBoxNotArmingAsActive->setChecked(true);
    w->ComboBoxListenNum->setCurrentIndex(8);
    w->ComboBoxSensorPwrSource->setCurrentIndex(1);
    w->ComboBoxAlarmTry->setCurrentIndex(3);
    w->ComboBoxActArmDisMode->setCurrentIndex(2);
    w->ComboBoxPassArmDisMode->setCurrentIndex(3);
    w->ComboBoxAlarmDelayTime->setCurrentIndex(15);
    w->CheckBoxActiveToGPS->setChecked(true);
    w->MaskEditMinVal->setText("1,5");
    w->MaskEditMaxVal->setText("2.25x");
    for (int i = 0; i < 7; ++i) {
        w->ComboBoxActRele[i]->setCurrentIndex(i + 1);
        w->ComboBoxPassRele[i]->setCurrentIndex(16 - i);
    }
    DeviceImage out = zero;
    p.leave(out);

    EXPECT_EQ(out.text(R, 17), "ПРИХОЖАЯ-ДЛИННОЕ");
    EXPECT_EQ(out.text(R + 17, 17), "OPEN");
    EXPECT_EQ(out.text(R + 34, 17), "CLOSE");
    EXPECT_EQ(out.byte(R + 52), 0x80 | 0x50 | 15); // 24 h, level 5, averaging 15
    EXPECT_EQ(out.byte(R + 53), 45);
    EXPECT_EQ(out.byte(R + 54), 0x80 | 63);   // driving 2 | delay 63
    EXPECT_EQ(out.byte(R + 55), 4 << 1);      // type VAR-03, bit 0 untouched
    EXPECT_EQ(out.u16(R + 58), 300);
    EXPECT_EQ(out.u16(R + 60), 4000);
    EXPECT_EQ(out.byte(R + 62), 0x80 | 0x04 | 3); // intercom 8 | do not arm | 4 activations
    EXPECT_EQ(out.byte(R + 63), 0xC0 | 0x20 | 0x0C | 1);
    EXPECT_EQ(out.byte(R + 64), 0x10 | 15);
    EXPECT_FLOAT_EQ(out.float32(R + 68), 1.5f);
    EXPECT_FLOAT_EQ(out.float32(R + 72), 2.25f);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(out.byte(R + 76 + i), i + 1);
        EXPECT_EQ(out.byte(R + 83 + i), 16 - i);
    }
    EXPECT_TRUE(onlyPageFieldsChanged(zero, out, page));
}

TEST(InputsPages, RecoveryEditReadsNumbersAndLimitsThem)
{
    struct Case {
        const char* text;
        int position;
    } cases[] = {{"7", 7}, {"63", 63}, {"99", 63}, {"ab", 0}, {"", 0}};
    PageUnderTest p(18);
    p.enter(factoryImage());
    auto* w = static_cast<InputPagePanel*>(p.panel.get());
    for (const Case& c : cases) {
        w->UpDownRecoveryTime->setValue(5);
        w->EditRecoveryTime->setText(c.text);
        w->UpDownRecoveryTime->interpretText();
        EXPECT_EQ(w->UpDownRecoveryTime->value(), c.position) << c.text;
    }
}

// --- Page 16 ---------------------------------------------------------------------

class KeyTableTest : public ::testing::Test {
protected:
    KeyTableTest() : page(16)
    {
        page.enter(factoryImage());
        panel = static_cast<ArmInPanel*>(page.panel.get());
    }
    PageUnderTest page;
    ArmInPanel* panel;
    QString label() const { return panel->LabelTouchActionDiscription->text(); }
};

TEST_F(KeyTableTest, FactoryTableShowsEmptyRows)
{
    for (int row = 1; row <= 32; ++row) {
        EXPECT_EQ(panel->keyCell(row, 1), QString(16, ' '));
        EXPECT_EQ(panel->keyCell(row, 2), "");
        EXPECT_FALSE(panel->keyChecked(row, 3));
        EXPECT_FALSE(panel->keyChecked(row, 4));
        EXPECT_EQ(panel->keyCell(row, 5), "-");
    }
    EXPECT_EQ(panel->keyCell(1, 0), " 1");
    EXPECT_EQ(panel->keyCell(0, 1), "Код ключа TOUCH");
    EXPECT_EQ(label(), "");
}

TEST_F(KeyTableTest, NewKeyGoesIntoFirstEmptyRowAndPacks)
{
    panel->setKeyCell(1, 1, "00000000000000AA");
    panel->AddReadKey("0102030405060708");
    EXPECT_EQ(panel->keyCell(2, 1), "0102030405060708");
    EXPECT_EQ(panel->keyCell(2, 2), "KEY2");
    EXPECT_TRUE(panel->keyChecked(2, 3));
    EXPECT_TRUE(panel->keyChecked(2, 4));
    EXPECT_EQ(panel->keyCell(2, 5), "-");
    EXPECT_EQ(label(), "");

    DeviceImage out = factoryImage();
    page.leave(out);
    const int K = 3292 + 32;
    EXPECT_EQ(out.slice(K, 8), QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08", 8));
    EXPECT_EQ(out.text(K + 8, 17), "KEY2");
    EXPECT_EQ(out.byte(K + 25), 3);
    EXPECT_EQ(out.bits(K + 26, 0, 4), 0u);
}

TEST_F(KeyTableTest, KeyAlreadyPresentIsReportedAndNotAdded)
{
    panel->AddReadKey("FFEEDDCCBBAA9988");
    panel->setKeyCell(1, 2, "Иванов");
    panel->AddReadKey("FFEEDDCCBBAA9988");
    EXPECT_EQ(label(), "Ключ с кодом: FFEEDDCCBBAA9988, уже внесен в таблицу");
    EXPECT_EQ(panel->keyCell(1, 2), "Иванов");
    EXPECT_EQ(panel->keyCell(2, 1), QString(16, ' '));
}

TEST_F(KeyTableTest, FullTableSaysSo)
{
    for (int row = 1; row <= 32; ++row)
        panel->setKeyCell(row, 1, inputs::formatGeneral(row, 3).rightJustified(16, '0'));
    panel->AddReadKey("ABCDEF0123456789");
    EXPECT_EQ(label(), "Вся память использована");
}

TEST_F(KeyTableTest, KeyGoesIntoTheFirstEmptyRowAfterARowMove)
{
    panel->AddReadKey("1111111111111111");
    panel->AddReadKey("2222222222222222");
    panel->moveKeyRow(1, 5); // rows 2..5 close up, the first key is now row 5
    EXPECT_EQ(panel->keyCell(1, 1), "2222222222222222");
    EXPECT_EQ(panel->keyCell(5, 1), "1111111111111111");
    EXPECT_EQ(panel->keyCell(5, 2), "KEY1");
    EXPECT_TRUE(panel->keyChecked(5, 3));
    EXPECT_EQ(panel->keyCell(1, 0), "1");
    panel->AddReadKey("3333333333333333");
    EXPECT_EQ(panel->keyCell(2, 1), "3333333333333333");

    DeviceImage out = factoryImage();
    page.leave(out);
    EXPECT_EQ(out.byte(3292 + 32 * 4), 0x11); // slot 4 holds the moved key
    EXPECT_EQ(out.text(3292 + 32 * 4 + 8, 17), "KEY1");
}

TEST(KeyCodes, CellTextParsesAsA64BitNumber)
{
    struct Case {
        const char* cell;
        quint64 code;
    } cases[] = {
        {"0102030405060708", 0x0102030405060708ull},
        {"ffeeddccbbaa9988", 0xFFEEDDCCBBAA9988ull}, // lower case, top bit set
        {"  12AB          ", 0x12AB},
        {"                ", 0},
        {"12G4", 0},
        {"11112222333344445", 0}, // 17 digits
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseKeyCode(c.cell), c.code) << c.cell;
    EXPECT_EQ(formatKeyCode(0xFFEEDDCCBBAA9988ull), "FFEEDDCCBBAA9988");
}

TEST_F(KeyTableTest, ProfileAndBadCodeRulesOnPacking)
{
    panel->setKeyCell(1, 1, "12G4            "); // not hexadecimal: an empty slot
    panel->setKeyCell(1, 2, "Петров");
    panel->setKeyChecked(1, 4, true);
    panel->setKeyCell(1, 5, " 7");
    panel->setKeyCell(2, 1, "00000000000000A1");
    panel->setKeyCell(2, 5, "9");
    DeviceImage out = factoryImage();
    page.leave(out);
    EXPECT_EQ(out.slice(3292, 8), QByteArray(8, '\0'));
    EXPECT_EQ(out.text(3292 + 8, 17), "Петров"); // written for empty rows too
    EXPECT_EQ(out.byte(3292 + 25), 2);
    EXPECT_EQ(out.bits(3292 + 26, 0, 4), 7u);
    EXPECT_EQ(out.bits(3292 + 32 + 26, 0, 4), 0u); // 9 is no profile
}

TEST_F(KeyTableTest, MonitorHandOverColoursTitleAndLearnsKey)
{
    panel->showKeyReadingRefused();
    EXPECT_EQ(label(), "Взаимодействие запрещено без указания пароля, программа не сможет получить код ключа");
    panel->showPresentedKey("0A0B0C0D0E0F1011");
    EXPECT_EQ(panel->titleLabel()->palette().color(QPalette::Window), QColor(Qt::red));
    EXPECT_EQ(panel->keyCell(1, 1), "0A0B0C0D0E0F1011");
    EXPECT_EQ(label(), "");
    panel->showNoKeyPresented();
    EXPECT_NE(panel->titleLabel()->palette().color(QPalette::Window), QColor(Qt::red));
}

TEST(ArmInPage, EntryShowsProtectedModeControlsAndEmptiesLabel)
{
    PageUnderTest p(16);
    auto* panel = static_cast<ArmInPanel*>(p.panel.get());
    EXPECT_EQ(panel->LabelTouchActionDiscription->text(), "---");
    p.enter(factoryImage());
    EXPECT_EQ(panel->LabelTouchActionDiscription->text(), "");
    EXPECT_TRUE(panel->CheckBoxRestrArmMode[13]->isVisibleTo(panel));
    EXPECT_FALSE(panel->CheckBoxRestrArmMode[14]->isVisibleTo(panel));
    EXPECT_FALSE(panel->ComboBoxArmToProfile->isVisibleTo(panel));
    EXPECT_EQ(panel->GroupBoxProtected->y(), panel->GroupBoxCountdown->geometry().bottom() + 1 + 8);
}

// --- Page 15 ---------------------------------------------------------------------

class PowerPageTest : public ::testing::Test {
protected:
    PowerPageTest() : page(15)
    {
        page.enter(factoryImage());
        panel = static_cast<PowerPanel*>(page.panel.get());
    }
    PageUnderTest page;
    PowerPanel* panel;
};

TEST_F(PowerPageTest, FactoryValues)
{
    EXPECT_EQ(panel->ComboBoxPowerSignAverTime->currentText(), "4 Sec.");
    EXPECT_EQ(panel->ComboBoxRecoveryTime->currentText(), "32 Min.");
    EXPECT_EQ(panel->Label4->text(), "40%");
    EXPECT_EQ(panel->Label14->text(), "20%");
    EXPECT_EQ(panel->TrackBarTemperatLowBorder->value(), -25);
    EXPECT_EQ(panel->TrackBarTemperatHiBorder->value(), 60);
    EXPECT_EQ(panel->ComboBoxLoBorderLevel->currentText(), "-20° C");
    EXPECT_EQ(panel->ComboBoxHiBorderLevel->currentText(), "-15° C");
    EXPECT_EQ(panel->ComboBoxIndFunction->itemText(3), "Установлена плата расширенной индикации");
    EXPECT_EQ(panel->ComboBoxTamperActScnN->currentText(), "нет реакции");
    EXPECT_TRUE(panel->CheckBoxTamperInversion->isVisibleTo(panel));
}

TEST_F(PowerPageTest, DischargeBordersKeepTheirOrder)
{
    panel->TrackBarDischargeWarn->setValue(100 - 95); // first border to 95 %
    EXPECT_EQ(panel->Label4->text(), "90%");
    EXPECT_EQ(panel->TrackBarDischargeWarn->value(), 10);
    panel->TrackBarDischargeAlarm->setValue(100 - 70); // second above the first (40 %)
    panel->TrackBarDischargeWarn->setValue(100 - 40);
    EXPECT_EQ(panel->TrackBarDischargeWarn->value(), 100 - 40);
    EXPECT_EQ(panel->TrackBarDischargeAlarm->value(), 100 - 40); // pushed down with the first
    panel->TrackBarDischargeAlarm->setValue(100 - 70);
    EXPECT_EQ(panel->Label4->text(), "70%");
}

TEST_F(PowerPageTest, TemperatureBordersStayApart)
{
    panel->TrackBarTemperatHiBorder->setValue(85);
    EXPECT_EQ(panel->TrackBarTemperatHiBorder->value(), 82);
    panel->TrackBarTemperatLowBorder->setValue(81);
    EXPECT_EQ(panel->TrackBarTemperatLowBorder->value(), 80);
    EXPECT_EQ(panel->TrackBarTemperatHiBorder->value(), 82);
    panel->TrackBarTemperatHiBorder->setValue(0);
    EXPECT_EQ(panel->TrackBarTemperatLowBorder->value(), -2);
    EXPECT_EQ(panel->LabelLowBorder->text(), "-2° C");
}

TEST_F(PowerPageTest, LowReactionLevelNeverAboveHighLevel)
{
    panel->ComboBoxLoBorderLevel->setCurrentIndex(89 - 20);
    panel->ComboBoxHiBorderLevel->setCurrentIndex(89 - 30);
    panel->ComboBoxHiBorderLevel->setCurrentIndex(89 - 10);
    emit panel->ComboBoxHiBorderLevel->activated(89 - 10);
    EXPECT_EQ(panel->ComboBoxLoBorderLevel->currentText(), "10° C");
}

TEST_F(PowerPageTest, LiveDisplays)
{
    panel->showMainSupply(4);
    EXPECT_EQ(panel->LabelMainPower->text(), "0.0 В");
    QLocale::setDefault(QLocale(QLocale::Russian));
    panel->showMainSupply(124);
    EXPECT_EQ(panel->LabelMainPower->text(), "12,4 В");
    QLocale::setDefault(QLocale::c());
    panel->showBatteryCharge(254);
    EXPECT_EQ(panel->Label17->text(), "0%");
    EXPECT_EQ(panel->LabelBatMsg->text(), "Тестирование АКБ,\nподождите (не более 1 мин.)");
    panel->showBatteryCharge(255);
    EXPECT_EQ(panel->LabelBatMsg->text(), "\nАккумулятор не подключен");
    panel->showBoardTemperature(true, -10);
    EXPECT_EQ(panel->LabelTempCurVal->text(), "-10° C");
    panel->showBoardTemperature(false, -10);
    EXPECT_EQ(panel->LabelTemperature->text(), "Текущее значение температуры не доступно");
    EXPECT_FALSE(panel->ProgressBarModemTemperature->isVisibleTo(panel));
}

} // namespace
