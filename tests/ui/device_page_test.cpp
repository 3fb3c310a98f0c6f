#include "link/identity.h"
#include "page_harness.h"
#include "sim/sim_engine.h"
#include "ui/interface_texts.h"
#include "ui/pages/device/device_commands.h"
#include "ui/pages/device/device_panel.h"

#include <QFontMetrics>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

using namespace zel;

namespace {

struct DevicePage : ::testing::Test {
    test::PageUnderTest page{0};
    DevicePanel* panel() { return static_cast<DevicePanel*>(page.panel.get()); }
    void SetUp() override
    {
        ASSERT_NE(dynamic_cast<DevicePanel*>(page.panel.get()), nullptr);
        page.enter(DeviceImage{});
    }
};

// ---- Command payloads: what each control sends ----

struct CommandCase {
    const char* name;
    std::function<void(DevicePanel&)> act;
    const char* hex; // expected payload
};

class DeviceCommands : public DevicePage, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(DeviceCommands, ControlSendsItsPayload)
{
    const CommandCase& c = GetParam();
    panel()->show();
    QSignalSpy spy(panel(), &DevicePanel::deviceCommandRequested);
    c.act(*panel());
    ASSERT_EQ(spy.count(), 1) << c.name;
    EXPECT_EQ(spy.at(0).at(0).toByteArray().toHex(), QByteArray(c.hex)) << c.name;
}

void click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

INSTANTIATE_TEST_SUITE_P(
    Table, DeviceCommands,
    ::testing::Values(
        CommandCase{"relay1_on", [](DevicePanel& p) { click(p.onButton[0]); }, "020001"},
        CommandCase{"relay2_on", [](DevicePanel& p) { click(p.onButton[1]); }, "020101"},
        CommandCase{"output1_off", [](DevicePanel& p) { click(p.offButton[2]); }, "020202"},
        CommandCase{"output5_on", [](DevicePanel& p) { click(p.onButton[6]); }, "020601"},
        CommandCase{"output5_off_is_Button17", [](DevicePanel& p) { click(p.findChild<QPushButton*>("Button17")); },
                    "020602"},
        CommandCase{"scenario14_on_output5",
                    [](DevicePanel& p) {
                        p.ComboBoxTestOut->setCurrentIndex(6);
                        p.ComboBoxTestScen->setCurrentIndex(13);
                        click(p.Button20);
                    },
                    "020610"},
        CommandCase{"scenario1_on_relay1_at_start", [](DevicePanel& p) { click(p.Button20); }, "020003"},
        CommandCase{"arm", [](DevicePanel& p) { click(p.Button18); }, "000000"},
        CommandCase{"observe", [](DevicePanel& p) { click(p.Button19); }, "010000"},
        CommandCase{"protect", [](DevicePanel& p) { click(p.Button22); }, "030000"},
        CommandCase{"simulate_input9_is_Button33", [](DevicePanel& p) { click(p.Button33); }, "040800"},
        CommandCase{"simulate_input1", [](DevicePanel& p) { click(p.findChild<QPushButton*>("Button25")); }, "040000"},
        CommandCase{"simulate_input14", [](DevicePanel& p) { click(p.findChild<QPushButton*>("Button39")); }, "040d00"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DeviceCommandPayloads, OutOfRangeGivesNothingToSend)
{
    EXPECT_TRUE(OutputSwitchPayload(-1, true).isEmpty());
    EXPECT_TRUE(OutputSwitchPayload(7, false).isEmpty());
    EXPECT_TRUE(ScenarioPayload(0, -1).isEmpty()); // no scenario selected
    EXPECT_TRUE(ScenarioPayload(0, 14).isEmpty());
    EXPECT_TRUE(ScenarioPayload(-1, 0).isEmpty());
    EXPECT_TRUE(InputSimulationPayload(16).isEmpty());
    EXPECT_EQ(InputSimulationPayload(15).toHex(), QByteArray("040f00"));
}

TEST_F(DevicePage, ScenarioWithoutSelectionSendsNothing)
{
    QSignalSpy spy(panel(), &DevicePanel::deviceCommandRequested);
    panel()->ComboBoxTestScen->setCurrentIndex(-1);
    panel()->Button20->click();
    EXPECT_EQ(spy.count(), 0);
}

// ---- Entry preparation and layout ----

TEST_F(DevicePage, PreparationFillsTheListsAndShowsAllOutputs)
{
    DevicePanel& p = *panel();
    p.setActionText(QStringLiteral("old"), 0xFFFF0000u);
    p.ComboBoxTestOut->setCurrentIndex(3);
    page.texts.OutputNames[6] = QStringLiteral("Out five");
    page.texts.ReactionNames[16] = QStringLiteral("scen fourteen");
    p.prepare(0);
    ASSERT_EQ(p.ComboBoxTestOut->count(), 7);
    EXPECT_EQ(p.ComboBoxTestOut->itemText(0), QStringLiteral("Реле 1"));
    EXPECT_EQ(p.ComboBoxTestOut->itemText(6), QStringLiteral("Out five"));
    EXPECT_EQ(p.ComboBoxTestOut->currentIndex(), 0);
    ASSERT_EQ(p.ComboBoxTestScen->count(), 14);
    EXPECT_EQ(p.ComboBoxTestScen->itemText(0), QStringLiteral("сценарий 1"));
    EXPECT_EQ(p.ComboBoxTestScen->itemText(13), QStringLiteral("scen fourteen"));
    EXPECT_EQ(p.ComboBoxTestScen->currentIndex(), 0);
    EXPECT_TRUE(p.ActionName->text().isEmpty());
    for (int i = 0; i < 7; ++i) {
        EXPECT_TRUE(p.PanelOut[size_t(i)]->isVisibleTo(&p)) << i;
        EXPECT_TRUE(p.onButton[size_t(i)]->isVisibleTo(&p)) << i;
        EXPECT_TRUE(p.offButton[size_t(i)]->isVisibleTo(&p)) << i;
    }
    EXPECT_TRUE(p.findChild<QLabel*>("Label127")->isVisibleTo(&p));
    EXPECT_EQ(p.GroupBoxInputIndicator->height(), p.Button33->geometry().bottom() + 1 + 8);
    EXPECT_FALSE(p.PanelLed[14]->isVisibleTo(&p)); // inputs 15 and 16 stay hidden
    EXPECT_FALSE(p.findChild<QPushButton*>("Button34")->isVisibleTo(&p));
    EXPECT_TRUE(p.GroupBoxMaunPerimInfo->isVisibleTo(&p));
    EXPECT_FALSE(p.TMPLabel->isVisibleTo(&p));
    EXPECT_FALSE(p.CheckBoxClearSaveArea->isChecked());
    EXPECT_EQ(p.CheckBoxClearSaveArea->text(), QStringLiteral("При программировании очистить память режимов"));
}

TEST_F(DevicePage, NothingOverlapsOrIsCut)
{
    DevicePanel& p = *panel();
    p.showIdentity(IdentityLabelTexts(sim::SimEngine().identityBlock().data()));
    p.showGsmState(2); // the longest state text
    p.showBalance(true, 1234567.0f);
    p.setTitle(QStringLiteral("GSM контроллер ZEL470"));
    EXPECT_EQ(test::layoutProblems(&p), QStringList{});
    EXPECT_TRUE(QRect(0, 0, test::kPageAreaWidth, test::kPageAreaHeight).contains(p.childrenRect()));
    // Texts fit their controls: one-line labels and buttons by width, wrapped labels by height.
    for (QLabel* l : p.findChildren<QLabel*>()) {
        if (!l->isVisibleTo(&p) || l->text().isEmpty())
            continue;
        const QFontMetrics fm(l->font());
        if (l->wordWrap()) {
            const QRect need = fm.boundingRect(QRect(0, 0, l->width(), 1000), Qt::TextWordWrap, l->text());
            EXPECT_LE(need.height(), l->height()) << l->objectName().toStdString();
        } else {
            EXPECT_LE(fm.horizontalAdvance(l->text()), l->width()) << l->objectName().toStdString();
        }
    }
    for (QPushButton* b : p.findChildren<QPushButton*>()) {
        if (b->isVisibleTo(&p) && !b->text().isEmpty()) {
            EXPECT_LE(QFontMetrics(b->font()).horizontalAdvance(b->text()) + 6, b->width()) << b->objectName().toStdString();
        }
    }
}

// ---- Identity and live displays ----

TEST_F(DevicePage, IdentityShownAndReadBack)
{
    DevicePanel& p = *panel();
    EXPECT_EQ(p.iDeviceNameLabel->text(), QStringLiteral("- - - - - - - -")); // design text
    EXPECT_EQ(p.iLabelDevSN->text(),
              QStringLiteral("- - - - - - - -  - - - - - - - -  - - - - - - - -  - - - - - - - -  "));
    const IdentityTexts t = IdentityLabelTexts(sim::SimEngine().identityBlock().data());
    p.showIdentity(t);
    const IdentityTexts back = p.shownIdentity();
    EXPECT_EQ(back.deviceName, QStringLiteral("ZEL470"));
    EXPECT_EQ(back.version, QStringLiteral("KV-20M.01.04"));
    EXPECT_EQ(back.uniqueId, t.uniqueId);
    EXPECT_EQ(back.imei, t.imei);
    p.showEmptyIdentity();
    EXPECT_EQ(p.iDeviceNameLabel->text(), QStringLiteral("--------"));
    EXPECT_EQ(p.shownIdentity().version, QStringLiteral("--------.--.--"));
}

QColor windowColour(QWidget* w) { return w->palette().color(QPalette::Window); }

TEST_F(DevicePage, GuardModeDisplay)
{
    DevicePanel& p = *panel();
    const QColor face = p.palette().color(QPalette::Button);
    struct Case {
        int mode;
        const char* text;
        QColor colour;
    };
    const Case cases[] = {
        {0, "НАБЛЮДЕНИЕ", face},
        {2, "ОХРАНА", QColor(255, 0, 0)},
        {3, "ЗАЩИТА", QColor(255, 220, 14)},
        {4, "", face},
        {255, "", face},
    };
    for (const Case& c : cases) {
        p.showGuardMode(c.mode);
        EXPECT_EQ(p.PanelArmDisarmStatus->text(), QString::fromUtf8(c.text)) << c.mode;
        EXPECT_EQ(windowColour(p.PanelArmDisarmStatus), c.colour) << c.mode;
    }
    // A mode change in progress blinks from one refresh to the next.
    p.showGuardMode(1);
    const QColor first = windowColour(p.PanelArmDisarmStatus);
    p.showGuardMode(1);
    const QColor second = windowColour(p.PanelArmDisarmStatus);
    EXPECT_EQ(p.PanelArmDisarmStatus->text(), QStringLiteral("Смена режима"));
    EXPECT_NE(first, second);
    EXPECT_TRUE((first == QColor(255, 0, 0) && second == face) || (second == QColor(255, 0, 0) && first == face));
}

TEST_F(DevicePage, StatusBlockDisplays)
{
    DevicePanel& p = *panel();
    StatusBlock s;
    s.signalLevel = 17;
    s.gsmState = 200;
    s.guardMode = 2;
    s.inputStates = 0x0101;
    s.outputStates = 0x41;
    s.balanceAvailable = true;
    s.balance = 1234.5f;
    p.showDeviceStatus(s);
    EXPECT_EQ(p.ProgressBarSignalQuality->value(), 17);
    EXPECT_EQ(p.LabelGSMState->text(), QStringLiteral("Неизвестное состояние GSM модуля"));
    EXPECT_EQ(windowColour(p.PanelLed[0]), QColor(0, 255, 0));
    EXPECT_EQ(windowColour(p.PanelLed[1]), QColor(0, 128, 0));
    EXPECT_EQ(windowColour(p.PanelLed[8]), QColor(0, 255, 0));
    EXPECT_EQ(windowColour(p.PanelOut[0]), QColor(0, 255, 0));
    EXPECT_EQ(windowColour(p.PanelOut[5]), QColor(0, 128, 0));
    EXPECT_EQ(windowColour(p.PanelOut[6]), QColor(0, 255, 0));
    EXPECT_EQ(p.LabelBalans->text(), QStringLiteral("Баланс лицевого счета: ") + QLocale().toString(1234.5, 'f', 2));
    s.gsmState = 8;
    s.balanceAvailable = false;
    p.showDeviceStatus(s);
    EXPECT_EQ(p.LabelGSMState->text(), QStringLiteral("Зарегистрирован в домашней сети"));
    EXPECT_TRUE(p.LabelBalans->text().isEmpty());

    p.showDeviceStatusUnavailable();
    EXPECT_EQ(p.ProgressBarSignalQuality->value(), 0);
    EXPECT_TRUE(p.LabelGSMState->text().isEmpty());
    EXPECT_TRUE(p.PanelArmDisarmStatus->text().isEmpty());
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(windowColour(p.PanelLed[size_t(i)]), QColor(0, 128, 0)) << i;
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(windowColour(p.PanelOut[size_t(i)]), QColor(0, 128, 0)) << i;
}

// ---- Support e-mail ----

TEST_F(DevicePage, SupportMailCarriesTheIdentityShown)
{
    DevicePanel& p = *panel();
    QList<QUrl> opened;
    p.setUrlOpener([&](const QUrl& u) { opened << u; });

    p.showEmptyIdentity();
    p.Button21->click();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(opened[0].path(), texts::kSupportEmail);
    EXPECT_EQ(opened[0].query(QUrl::FullyDecoded),
              QStringLiteral("subject=ZEL470, нет информации о версии устройства"));

    const IdentityTexts t = IdentityLabelTexts(sim::SimEngine().identityBlock().data());
    p.showIdentity(t);
    p.Button21->click();
    ASSERT_EQ(opened.size(), 2);
    const QString subject = opened[1].query(QUrl::FullyDecoded).mid(int(qstrlen("subject=")));
    EXPECT_TRUE(subject.startsWith(QStringLiteral("ZEL470-KV-20M-h14.03-s01.04-Mar 12 2012-250-d01.01-IDi:")))
        << subject.toStdString();
    EXPECT_TRUE(subject.endsWith(QStringLiteral("-IMEI:356938035643809")));
    EXPECT_TRUE(subject.contains(t.uniqueId)); // line break included
    EXPECT_TRUE(opened[1].isValid());
}

TEST(DeviceSupportMail, DeviceTextCannotAddFields)
{
    IdentityTexts t = EmptyIdentityTexts();
    t.deviceName = QStringLiteral("X&cc=a@b");
    const QUrl u = SupportMailUrl(QStringLiteral("s@example.com"), t);
    EXPECT_EQ(u.query(QUrl::FullyDecoded).count('='), 2); // subject= and the one inside the text
    EXPECT_TRUE(u.toString(QUrl::FullyEncoded).contains("X%26cc%3Da%40b"));
}

} // namespace
