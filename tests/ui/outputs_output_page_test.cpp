// Pages 33 to 39: the output record and the list of events acting on the output.
#include "page_harness.h"

#include "ui/pages/outputs/output_panel.h"

using namespace zel;
using namespace zel::test;

namespace {

DeviceImage factoryImage()
{
    DeviceImage img;
    for (const FieldDef& f : fieldCatalogue())
        for (int r = 1; r <= f.count; ++r)
            writeFactoryValue(img, f, r);
    return img;
}

int inputRecord(int i) { return 268 + 92 * i; }
int schedulerRow(int r) { return 2664 + 16 * r; }

// Scheduler row r driving output k with the given reaction.
void scheduleOutput(DeviceImage& img, int r, int k, int reaction, int weekdays, int hour, int minute)
{
    const int s = schedulerRow(r);
    img.setByte(s, 1);
    img.setByte(s + 4, static_cast<std::uint8_t>(weekdays));
    img.setByte(s + 5, static_cast<std::uint8_t>(hour));
    img.setByte(s + 6, static_cast<std::uint8_t>(minute));
    img.setByte(s + 12, 3 << 2);
    img.setByte(s + 13, static_cast<std::uint8_t>(0xA0 | k)); // bits 4-7 do not matter
    img.setByte(s + 14, static_cast<std::uint8_t>(reaction));
}

} // namespace

TEST(OutputEvents, LinesFollowTheSourcesInOrder)
{
    const OutputEventNames names = OutputEventNames::defaults();
    struct Case {
        const char* name;
        int k;
        std::function<void(DeviceImage&)> edit;
        QStringList lines;
    };
    const Case cases[] = {
        {"factory image", 4, [](DeviceImage&) {}, {}},
        {"input 2 switches output 3 on", 4, [](DeviceImage& img) { img.setByte(inputRecord(2) + 76 + 4, 1); },
         {"[Вход 2]\t\t\t\tвключить\tПри активизации входа 2"}},
        {"deactivation of input 14", 0, [](DeviceImage& img) { img.setByte(inputRecord(14) + 83 + 0, 5); },
         {"[Вход 14]\t\t\t\tсценарий 3\tПри деактивизации входа 14"}},
        {"scheduler row without a weekday is left out", 1,
         [](DeviceImage& img) { scheduleOutput(img, 2, 1, 1, 0x00, 8, 5); }, {}},
        {"scheduler row without a reaction is left out", 1,
         [](DeviceImage& img) { scheduleOutput(img, 2, 1, 0, 0x7F, 8, 5); }, {}},
        {"disabled scheduler row is left out", 1,
         [](DeviceImage& img) {
             scheduleOutput(img, 2, 1, 1, 0x7F, 8, 5);
             img.setByte(schedulerRow(2), 0xFE);
         },
         {}},
        {"scheduler row for another output is left out", 1,
         [](DeviceImage& img) { scheduleOutput(img, 2, 2, 1, 0x7F, 8, 5); }, {}},
        {"scheduler row with a weekday", 1, [](DeviceImage& img) { scheduleOutput(img, 3, 1, 5, 0x80 | 0x01, 8, 5); },
         {"[Часы, планировщик задач]\t\tсценарий 3\tВ 8:5 в указанные дни недели, строка № 3"}},
        {"every source, in order", 6,
         [](DeviceImage& img) {
             img.setByte(inputRecord(1) + 83 + 6, 2);
             img.setByte(inputRecord(1) + 76 + 6, 1);
             img.setByte(3127 + 6, 16);
             img.setByte(3113 + 6, 2);
             img.setByte(3106 + 6, 1);
             img.setByte(3120 + 6, 3);
             img.setS8(2845, -20);
             img.setByte(2846, static_cast<std::uint8_t>(6 | (2 << 3)));
             img.setS8(2847, 45);
             img.setByte(2848, static_cast<std::uint8_t>(6 | (1 << 3)));
             img.setByte(2850, static_cast<std::uint8_t>(6 | (4 << 3)));
             scheduleOutput(img, 8, 6, 16, 0x40, 23, 59);
         },
         {"[Часы, планировщик задач]\t\tсценарий 14\tВ 23:59 в указанные дни недели, строка № 8",
          "[Питание, температура...]\t\tсценарий 2\tПри вскрытии корпуса",
          "[Питание, температура...]\t\tвключить\tПри превышении температуры выше 45C",
          "[Питание, температура...]\t\tвыключить\tПри падении температуры ниже -20C",
          "Вход [Arm In]\t\t\tсценарий 1\tПри начале обратного отсчета",
          "Вход [Arm In]\t\t\tвключить\tПри переходе в режим ОХРАНА",
          "Вход [Arm In]\t\t\tвыключить\tПри переходе в режим НАБЛЮДЕНИЕ",
          "Вход [Arm In]\t\t\tсценарий 14\tПри переходе в режим ЗАЩИТА",
          "[Вход 1]\t\t\t\tвключить\tПри активизации входа 1",
          "[Вход 1]\t\t\t\tвыключить\tПри деактивизации входа 1"}},
        {"power byte naming this output without a reaction", 0,
         [](DeviceImage& img) { img.setByte(2850, 0); }, {}},
        {"power byte for another output", 0,
         [](DeviceImage& img) { img.setByte(2850, static_cast<std::uint8_t>(1 | (1 << 3))); }, {}},
    };
    for (const Case& c : cases) {
        DeviceImage img = factoryImage();
        c.edit(img);
        QStringList expected;
        for (const QString& l : c.lines)
            expected << l;
        EXPECT_EQ(outputEventLines(img, c.k, names), expected) << c.name;
    }
}

TEST(OutputPage, UnpackShowsCaptionsRecordAndEvents)
{
    DeviceImage img = factoryImage();
    img.setByte(inputRecord(2) + 76 + 4, 1);
    {
        PageUnderTest t(33);
        auto* p = static_cast<OutputPanel*>(t.panel.get());
        t.enter(img);
        EXPECT_EQ(p->CheckBoxReleEn->text(), QStringLiteral("Разрешено"));
        EXPECT_EQ(p->GroupBoxRsOutsStimulus->title(),
                  QStringLiteral(" События воздействующие на это реле [Вкладка | Воздействие | Событие] "));
        EXPECT_EQ(p->ComboBoxReleName->currentText(), QStringLiteral("РЕЛЕ1"));
        EXPECT_TRUE(p->MemoRsOutsStimulus->toPlainText().isEmpty());
    }
    PageUnderTest t(37);
    auto* p = static_cast<OutputPanel*>(t.panel.get());
    t.enter(img);
    EXPECT_EQ(p->CheckBoxReleEn->text(), QStringLiteral("Разрешен"));
    EXPECT_EQ(p->GroupBoxRsOutsStimulus->title(),
              QStringLiteral(" События воздействующие на этот выход [Вкладка | Воздействие | Событие] "));
    EXPECT_EQ(p->ComboBoxReleName->currentText(), QStringLiteral("ВЫХОД3"));
    EXPECT_EQ(p->MemoRsOutsStimulus->toPlainText(), QStringLiteral("[Вход 2]\t\t\t\tвключить\tПри активизации входа 2"));
    EXPECT_TRUE(p->CheckBoxReleEn->isChecked());
    EXPECT_TRUE(p->CheckBoxRemoteControlEn->isChecked());
    EXPECT_EQ(p->ComboBoxCommType->currentText(), QStringLiteral("уровень"));
}

TEST(OutputPage, PackWritesTheRecordAndCutsNames)
{
    PageUnderTest t(35);
    auto* p = static_cast<OutputPanel*>(t.panel.get());
    DeviceImage img = factoryImage();
    const int o = 1832 + 52 * 2;
    t.enter(img);
    p->ComboBoxReleName->setEditText(QStringLiteral("ОБОГРЕВАТЕЛЬ_ДЛИННОЕ_ИМЯ"));
    p->ComboBoxReleNameAct->setEditText(QStringLiteral("ОТКРЫТ"));
    p->CheckBoxReleEn->setChecked(false);
    p->CheckBoxReleInversion->setChecked(true);
    p->ComboBoxCommType->setCurrentIndex(14);
    p->CheckBoxRemoteControlEn->setChecked(false);
    t.leave(img);
    EXPECT_EQ(img.text(o, 17), QStringLiteral("ОБОГРЕВАТЕЛЬ_ДЛИ"));
    EXPECT_EQ(img.byte(o + 16), 0);
    EXPECT_EQ(img.text(o + 17, 17), QStringLiteral("ОТКРЫТ"));
    EXPECT_EQ(img.text(o + 34, 17), QStringLiteral("ВЫКЛ"));
    EXPECT_EQ(img.byte(o + 51), 0x40 | 14);
    // The other records are untouched.
    EXPECT_EQ(img.text(o - 52, 17), QStringLiteral("РЕЛЕ2"));
}
