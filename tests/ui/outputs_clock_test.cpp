// Page 14: scheduler rows, information message, time zone and the live clock group.
#include "page_harness.h"

#include "ui/pages/outputs/clock_panel.h"

#include <QApplication>
#include <QFocusEvent>
#include <QSignalSpy>

using namespace zel;
using namespace zel::test;

namespace {

constexpr int kPage = 14;

int rowBase(int r) { return 2664 + 16 * r; }

DeviceImage factoryImage()
{
    DeviceImage img;
    for (const FieldDef& f : fieldCatalogue())
        for (int r = 1; r <= f.count; ++r)
            writeFactoryValue(img, f, r);
    return img;
}

class ClockPage : public ::testing::Test {
protected:
    ClockPage() : t(kPage) { panel = static_cast<ClockSchedulerPanel*>(t.panel.get()); }
    void choose(int row, int action)
    {
        panel->ComboBoxActionGr[row]->setCurrentIndex(action);
        emit panel->ComboBoxActionGr[row]->activated(action);
    }
    PageUnderTest t;
    ClockSchedulerPanel* panel = nullptr;
};

} // namespace

TEST_F(ClockPage, FactoryImageShowsMoscowAndEightIdleRows)
{
    t.enter(factoryImage());
    EXPECT_EQ(panel->ComboBoxTimeZone->count(), 26);
    EXPECT_EQ(panel->ComboBoxTimeZone->currentText(), QStringLiteral("(GMT+3:00) Москва, Санкт-Петербург, Тула"));
    EXPECT_EQ(panel->ComboBoxTimeZone->itemText(0), QStringLiteral("(GMT-12:00)"));
    EXPECT_EQ(panel->ComboBoxTimeZone->itemText(11), QStringLiteral("(GMT-1:00)"));
    EXPECT_FALSE(panel->CheckBoxDSTEnable->isChecked());
    for (int i = 0; i < 8; ++i) {
        EXPECT_FALSE(panel->rowEnabled[i]->isChecked());
        EXPECT_EQ(panel->cellText(2, i + 1), QStringLiteral("00:00"));
        EXPECT_EQ(panel->ComboBoxActionGr[i]->currentText(), QStringLiteral("Нет действия"));
        EXPECT_FALSE(panel->ComboBoxParamGr[i]->isVisibleTo(panel));
    }
    EXPECT_EQ(panel->cellText(12, 0), QStringLiteral("                Действие"));
    EXPECT_EQ(panel->cellText(0, 8), QStringLiteral(" 8"));
    EXPECT_TRUE(panel->CheckBoxInfoIn[13]->isVisibleTo(panel));
    EXPECT_FALSE(panel->CheckBoxInfoIn[14]->isVisibleTo(panel));
}

// Controls set on row 3 -> the bytes of scheduler row 3.
TEST_F(ClockPage, SchedulerRowPacking)
{
    struct Case {
        const char* name;
        std::function<void(ClockSchedulerPanel*)> edit;
        std::vector<std::pair<int, int>> bytes; // relative offset, value
    };
    const int row = 2;
    const Case cases[] = {
        {"output 2 with scenario 3, test and info",
         [&](ClockSchedulerPanel* p) {
             choose(row, 6);
             p->ComboBoxParamGr[row]->setCurrentIndex(5);
             p->rowTest[row]->setChecked(true);
             p->rowInfo[row]->setChecked(true);
         },
         {{12, 3 * 4 + 3}, {13, 3}, {14, 5}}},
        {"profile 8", [&](ClockSchedulerPanel*) { choose(row, 17); }, {{12, 16}, {13, 7}}},
        {"arming keeps the hidden reaction at item 0", [&](ClockSchedulerPanel*) { choose(row, 1); },
         {{12, 4}, {13, 0}}},
        {"no action after an output action resets column 13",
         [&](ClockSchedulerPanel* p) {
             choose(row, 4);
             p->ComboBoxParamGr[row]->setCurrentIndex(9);
             choose(row, 0);
             EXPECT_FALSE(p->ComboBoxParamGr[row]->isVisibleTo(p));
             EXPECT_EQ(p->ComboBoxParamGr[row]->currentIndex(), 0);
         },
         {{12, 0}, {13, 0}}},
        {"25:70 is masked, not refused", [&](ClockSchedulerPanel* p) { p->grid()->item(row + 1, 2)->setText("25:70"); },
         {{5, 25}, {6, 6}}},
        {"blank time", [&](ClockSchedulerPanel* p) { p->grid()->item(row + 1, 2)->setText("  :  "); },
         {{5, 0}, {6, 0}}},
        {"non-digits", [&](ClockSchedulerPanel* p) { p->grid()->item(row + 1, 2)->setText("ab:cd"); },
         {{5, 0}, {6, 0}}},
        {"enabled writes the whole byte, weekdays keep bit 7",
         [&](ClockSchedulerPanel* p) {
             p->rowEnabled[row]->setChecked(true);
             p->rowDays[row][0]->setChecked(true);
             p->rowDays[row][6]->setChecked(true);
         },
         {{0, 1}, {4, 0x80 | 0x41}}},
    };
    for (const Case& c : cases) {
        DeviceImage img = factoryImage();
        const int s = rowBase(row + 1);
        img.setByte(s + 0, 0xFE);           // bits 1-7 of the enable byte are dropped
        img.setByte(s + 4, 0x80);           // weekday bit 7 is not ours
        img.setByte(s + 5, 0xE0);           // hour bits 5-7 are not ours
        img.setByte(s + 6, 0xC0);           // minute bits 6-7 are not ours
        img.setByte(s + 13, 0xF0);          // bits 4-7 stay for an output action
        img.setByte(s + 14, 0x00);
        t.enter(img);
        c.edit(panel);
        t.leave(img);
        for (auto [rel, value] : c.bytes) {
            int expected = value;
            if (rel == 5)
                expected |= 0xE0;
            if (rel == 6)
                expected |= 0xC0;
            if (rel == 13 && img.byte(s + 12) >> 2 == 3)
                expected |= 0xF0;
            EXPECT_EQ(img.byte(s + rel), expected) << c.name << " byte " << rel;
        }
    }
}

// Row bytes -> what the grid shows.
TEST_F(ClockPage, SchedulerRowUnpacking)
{
    struct Case {
        const char* name;
        int b0, b4, b5, b6, b12, b13, b14;
        bool enabled;
        const char* time;
        const char* action;
        int param; // -1: the reaction list is hidden
    };
    const Case cases[] = {
        {"output 2, scenario 3", 1, 0x7F, 8, 30, 12, 0xF3, 5, true, "08:30", "Управление Выходом 2", 5},
        {"profile 8 hides column 13", 0, 0, 0, 0, 16, 7, 9, false, "00:00", "Применить профиль 8", -1},
        {"hour 25 minute 70 masked", 0, 0, 25, 70, 0, 0, 0, false, "25:06", "Нет действия", -1},
        {"unused bits do not show", 0xFE, 0, 0xE0 | 23, 0xC0 | 59, 8, 0, 0, false, "23:59",
         "Перейти в реж. Наблюдение", -1},
        {"unknown action type", 1, 0, 0, 0, 20 << 2, 3, 3, true, "00:00", "Нет действия", -1},
        {"output index that does not exist", 1, 0, 0, 0, 12, 0x0A, 1, true, "00:00", "Нет действия", -1},
        {"profile index that does not exist", 1, 0, 0, 0, 16, 8, 1, true, "00:00", "Нет действия", -1},
    };
    for (const Case& c : cases) {
        DeviceImage img = factoryImage();
        const int s = rowBase(5);
        const int vals[] = {c.b0, c.b4, c.b5, c.b6, c.b12, c.b13, c.b14};
        const int rels[] = {0, 4, 5, 6, 12, 13, 14};
        for (int i = 0; i < 7; ++i)
            img.setByte(s + rels[i], static_cast<std::uint8_t>(vals[i]));
        t.enter(img);
        EXPECT_EQ(panel->rowEnabled[4]->isChecked(), c.enabled) << c.name;
        EXPECT_EQ(panel->cellText(2, 5), QString::fromUtf8(c.time)) << c.name;
        EXPECT_EQ(panel->ComboBoxActionGr[4]->currentText(), QString::fromUtf8(c.action)) << c.name;
        EXPECT_EQ(panel->ComboBoxParamGr[4]->isVisibleTo(panel), c.param >= 0) << c.name;
        if (c.param >= 0) {
            EXPECT_EQ(panel->ComboBoxParamGr[4]->currentIndex(), c.param) << c.name;
        }
    }
}

TEST_F(ClockPage, TimeZoneAndMessageMasks)
{
    struct Case {
        int stored;
        int item;      // -1: no selection
        int packedBack;
    };
    const Case cases[] = {{-12, 0, -12}, {0, 12, 0}, {13, 25, 13}, {14, -1, -13}, {-13, -1, -13}, {-128, -1, -13}};
    for (const Case& c : cases) {
        DeviceImage img = factoryImage();
        img.setS8(2672, static_cast<std::int8_t>(c.stored));
        img.setByte(2673, 0xFE); // summer time off, bits 1-7 not ours
        img.setU16(2676, 0xC001);
        img.setByte(2678, 0xC1);
        t.enter(img);
        EXPECT_EQ(panel->ComboBoxTimeZone->currentIndex(), c.item) << c.stored;
        EXPECT_TRUE(panel->CheckBoxInfoIn[15]->isChecked());
        EXPECT_TRUE(panel->CheckBoxInfoR[6]->isChecked());
        panel->CheckBoxDSTEnable->setChecked(true);
        t.leave(img);
        EXPECT_EQ(img.s8(2672), c.packedBack) << c.stored;
        EXPECT_EQ(img.byte(2673), 0xFF);
        EXPECT_EQ(img.u16(2676), 0xC001); // hidden inputs 15 and 16 still travel
        EXPECT_EQ(img.byte(2678), 0x41);  // bit 7 is written as 0
    }
}

TEST_F(ClockPage, LiveClockTextsAndCommands)
{
    panel->showControllerTime(10, 1, 5, 9, 3, 7);
    EXPECT_EQ(panel->controllerTimeText(), QStringLiteral("05.01.10 09:03:07"));
    panel->showComputerTime(QDateTime(QDate(2010, 1, 5), QTime(9, 3, 7)));
    EXPECT_EQ(panel->computerTimeText(), QStringLiteral("05.01.10 09:03:07"));
    EXPECT_EQ(ClockSchedulerPanel::clockPayload(QStringLiteral("05.01.10 09:03:07")),
              QByteArray::fromHex("0a0105090307"));
    EXPECT_EQ(ClockSchedulerPanel::clockPayload(QStringLiteral("  .  .     :  :  ")), QByteArray(6, '\0'));

    struct Check {
        const char* text;
        const char* message;
    };
    const Check checks[] = {
        {"32.01.10 12:00:00", "Не верно установлено число"}, {"31.13.10 12:00:00", "Не верно установлен месяц"},
        {"31.12.10 24:00:00", "Не верно установлены часы"},  {"31.12.10 23:60:00", "Не верно установлены минуты"},
        {"00.00.00 00:00:00", ""},
    };
    for (const Check& c : checks)
        EXPECT_EQ(ClockSchedulerPanel::clockCheckMessage(QString::fromUtf8(c.text)), QString::fromUtf8(c.message))
            << c.text;

    QSignalSpy set(panel, &ClockSchedulerPanel::setClockRequested);
    QSignalSpy sync(panel, &ClockSchedulerPanel::synchroniseClockRequested);
    QStringList warnings;
    panel->setWarningHandler([&](const QString& caption, const QString& text) { warnings << caption + "|" + text; });
    // Nothing typed yet: the press does nothing.
    emit panel->Button2->pressed();
    EXPECT_TRUE(set.isEmpty());
    EXPECT_TRUE(warnings.isEmpty());
    panel->Button3->click();
    ASSERT_EQ(sync.size(), 1);
    EXPECT_EQ(sync.at(0).at(0).toByteArray(), QByteArray::fromHex("0a0105090307"));
}

TEST_F(ClockPage, TypedClockIsCheckedAndMonitorKeepsOffWhileEditing)
{
    panel->show();
    QSignalSpy set(panel, &ClockSchedulerPanel::setClockRequested);
    QStringList warnings;
    panel->setWarningHandler([&](const QString& caption, const QString& text) { warnings << caption + "|" + text; });

    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(panel->MaskEditContrCurTime, &in);
    EXPECT_TRUE(panel->isEditingControllerTime());
    panel->MaskEditContrCurTime->setText(QStringLiteral("32.01.10 12:00:00"));
    panel->showControllerTime(10, 1, 5, 9, 3, 7); // ignored while editing
    EXPECT_EQ(panel->controllerTimeText(), QStringLiteral("32.01.10 12:00:00"));
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(panel->MaskEditContrCurTime, &out);
    EXPECT_FALSE(panel->isEditingControllerTime());
    emit panel->Button2->pressed();
    EXPECT_TRUE(set.isEmpty());
    EXPECT_EQ(warnings, QStringList{QStringLiteral("Установка времени и даты|Не верно установлено число")});
    EXPECT_TRUE(panel->pendingClockText().isEmpty());

    QApplication::sendEvent(panel->MaskEditContrCurTime, &in);
    panel->MaskEditContrCurTime->setText(QStringLiteral("31.12.10 23:59:00"));
    QApplication::sendEvent(panel->MaskEditContrCurTime, &out);
    emit panel->Button2->pressed();
    ASSERT_EQ(set.size(), 1);
    EXPECT_EQ(set.at(0).at(0).toByteArray(), QByteArray::fromHex("0a0c1f173b00"));
}
