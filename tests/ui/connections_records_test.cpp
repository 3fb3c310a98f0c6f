// Pages 2 to 9: the connection records, the three-state sources and the exclusive
// voice sources of the type "Голосовое PB"; the sources survive page switches in the
// real window.
#include "page_harness.h"

#include "image/configuration.h"
#include "ui/main_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

using namespace zel;
using namespace zel::test;

namespace {

int recordBase(int n) { return 32 + 36 * n; }

class ConnectionPage : public ::testing::Test {
protected:
    explicit ConnectionPage(int pageIndex = 4) : page(pageIndex) { BuildDefaultImage(image); }
    template <class T = QCheckBox>
    T* control(const QString& name)
    {
        T* w = page.panel->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QCheckBox* box(const QString& name) { return control<QCheckBox>(name); }
    QComboBox* list(const QString& name) { return control<QComboBox>(name); }
    // The user picks an item: the change handler runs.
    void choose(const QString& name, int index)
    {
        list(name)->setCurrentIndex(index);
        emit list(name)->activated(index);
    }
    PageUnderTest page; // connection 3
    DeviceImage image;
};

TEST_F(ConnectionPage, FactoryConnectionThreeUnpacks)
{
    page.enter(image);
    EXPECT_EQ(list("ComboBoxGroupNum")->currentText(), QStringLiteral("3"));
    EXPECT_EQ(list("ComboBoxDialTranspWaitTime")->currentIndex(), 9);
    EXPECT_EQ(list("ComboBoxDialTranspWaitTime")->currentText(), QStringLiteral("10 Min."));
    EXPECT_EQ(list("ComboBoxSMSTranspWaitTime")->currentIndex(), 9);
    EXPECT_EQ(list("ComboBoxLang")->currentText(), QStringLiteral("Русский"));
    EXPECT_EQ(list("ComboBoxUserId")->currentText(), QStringLiteral("Имя пользователя"));
    for (const char* name : {"ComboBoxTransportPriority", "ComboBoxIncomungCallAction", "ComboBoxICToOUOutN",
                             "ComboBoxICToOUScnN", "ComboBoxOnLineTime", "ComboBoxConnectionType"})
        EXPECT_EQ(list(name)->currentIndex(), 0) << name;
    for (QCheckBox* b : page.panel->findChildren<QCheckBox*>())
        EXPECT_EQ(b->checkState(), Qt::Unchecked) << b->objectName().toStdString();
    EXPECT_TRUE(control<QLineEdit>("MaskEditPhone")->text().isEmpty());
    EXPECT_EQ(control<QLabel>("LabelProtocolAlias")->text(), QStringLiteral("Протокол обмена"));
    EXPECT_EQ(control<QGroupBox>("GroupBoxVoice")->title(), QStringLiteral(" Голосовое оповещение или вызов типа DATA "));
    EXPECT_EQ(list("ComboBoxIncomungCallAction")->toolTip(), list("ComboBoxIncomungCallAction")->currentText());
    EXPECT_EQ(list("ComboBoxOnLineTime")->count(), 62);
    EXPECT_EQ(list("ComboBoxOnLineTime")->itemText(61), QStringLiteral("61 Sec."));
    EXPECT_EQ(list("ComboBoxLang")->count(), 4);
}

TEST_F(ConnectionPage, ReactionDuringTheCallIsAddedOnce)
{
    for (int i = 0; i < 4; ++i)
        page.enter(image);
    ASSERT_EQ(list("ComboBoxICToOUScnN")->count(), 18);
    EXPECT_EQ(list("ComboBoxICToOUScnN")->itemText(17), QStringLiteral("вкл. на время соединения"));
    EXPECT_EQ(list("ComboBoxICToOUOutN")->itemText(0), QStringLiteral("Реле 1 и Реле 2"));
    list("ComboBoxICToOUScnN")->setCurrentIndex(17);
    list("ComboBoxICToOUOutN")->setCurrentIndex(0);
    page.leave(image);
    EXPECT_EQ(image.byte(recordBase(3) + 18), 0x88);
}

TEST_F(ConnectionPage, ThreeStateSourcesKeepBothBits)
{
    struct Case {
        bool selected;
        bool ticked;
        Qt::CheckState shown;
        bool selectedAfter;
        bool tickedAfter;
    } const cases[] = {
        {false, false, Qt::Unchecked, false, false},
        {true, false, Qt::PartiallyChecked, true, false},
        {true, true, Qt::Checked, true, true},
        {false, true, Qt::Checked, true, true}, // a ticked bit alone shows ticked
    };
    const int b = recordBase(3);
    struct Group {
        const char* box;
        int selected;
        int ticked;
        int bit;
    } const groups[] = {
        {"CheckBoxMaskDInput1", b + 22, b + 24, 0},
        {"CheckBoxMaskDInput14", b + 22, b + 24, 13},
        {"CheckBoxMaskSInput7", b + 30, b + 32, 6},
        {"CheckBoxMaskSInput13", b + 30, b + 32, 12},
    };
    for (const Group& g : groups)
        for (const Case& c : cases) {
            SCOPED_TRACE(::testing::Message() << g.box << " " << c.selected << c.ticked);
            image.setU16(g.selected, 0xC000); // inputs 15 and 16 are never offered
            image.setU16(g.ticked, 0xC000);
            image.setBit(g.selected, g.bit, c.selected);
            image.setBit(g.ticked, g.bit, c.ticked);
            page.enter(image);
            EXPECT_EQ(box(g.box)->checkState(), c.shown);
            page.leave(image);
            EXPECT_EQ(image.bit(g.selected, g.bit), c.selectedAfter);
            EXPECT_EQ(image.bit(g.ticked, g.bit), c.tickedAfter);
            EXPECT_EQ(image.u16(g.selected) & ~(1u << g.bit), 0u);
            EXPECT_EQ(image.u16(g.ticked) & ~(1u << g.bit), 0u);
        }
}

TEST_F(ConnectionPage, PhoneNumberIsStoredWithoutBlanks)
{
    const QByteArray next = image.slice(recordBase(4), 36);
    page.enter(image);
    control<QLineEdit>("MaskEditPhone")->setText(QStringLiteral("+7 916 12 34"));
    page.leave(image);
    EXPECT_EQ(image.slice(recordBase(3), 16), QByteArray("+79161234") + QByteArray(7, '\0'));
    EXPECT_EQ(image.slice(recordBase(4), 36), next);
}

TEST_F(ConnectionPage, UnmappedBitsTravelUnchanged)
{
    const int b = recordBase(3);
    image.setByte(b + 16, 0xC0 | (2 << 2) | 1);
    image.setByte(b + 17, 0x80 | 0x09);
    image.setByte(b + 20, 0xFC | 2);
    image.setByte(b + 21, 0x5A);
    image.setByte(b + 27, 0xF0 | 0x08); // GPS is hidden but kept
    image.setByte(b + 29, 0xC0 | 0x20 | 0x05);
    image.setByte(b + 35, 0xE0);
    const DeviceImage before = image;
    page.enter(image);
    page.leave(image);
    EXPECT_TRUE(image == before);
}

// "Голосовое PB" allows voice sources of one group only.
TEST_F(ConnectionPage, PbVoiceSourcesStayInOneGroup)
{
    page.enter(image);
    choose("ComboBoxConnectionType", 2);
    box("CheckBoxMaskDInput1")->setCheckState(Qt::Checked);
    box("CheckBoxMaskDInput2")->setCheckState(Qt::Checked);
    box("CheckBoxMaskDArm")->click();
    EXPECT_EQ(box("CheckBoxMaskDArm")->checkState(), Qt::Checked);
    EXPECT_EQ(box("CheckBoxMaskDInput1")->checkState(), Qt::Unchecked);
    EXPECT_EQ(box("CheckBoxMaskDInput2")->checkState(), Qt::Unchecked);

    box("CheckBoxMaskDPower")->setCheckState(Qt::Checked); // same group as the inputs
    box("CheckBoxMaskDInput3")->click();
    EXPECT_NE(box("CheckBoxMaskDInput3")->checkState(), Qt::Unchecked);
    EXPECT_EQ(box("CheckBoxMaskDPower")->checkState(), Qt::Checked);
    EXPECT_EQ(box("CheckBoxMaskDArm")->checkState(), Qt::Unchecked);

    // Other types do not restrict the sources.
    choose("ComboBoxConnectionType", 0);
    box("CheckBoxMaskDDisarm")->click();
    EXPECT_EQ(box("CheckBoxMaskDPower")->checkState(), Qt::Checked);
    EXPECT_EQ(box("CheckBoxMaskDDisarm")->checkState(), Qt::Checked);
}

TEST_F(ConnectionPage, SwitchingToPbKeepsTheFirstSetGroup)
{
    struct Case {
        std::vector<const char*> ticked;
        std::vector<const char*> kept;
        std::vector<const char*> cleared;
    };
    const Case cases[] = {
        // The disarm box comes before input 5 in the examined order.
        {{"CheckBoxMaskDInput5", "CheckBoxMaskDDisarm"}, {"CheckBoxMaskDDisarm"}, {"CheckBoxMaskDInput5"}},
        // Input 4 is examined before input 3, both of one group; the arm box goes.
        {{"CheckBoxMaskDArm", "CheckBoxMaskDInput3", "CheckBoxMaskDTest"},
         {"CheckBoxMaskDInput3", "CheckBoxMaskDTest"},
         {"CheckBoxMaskDArm"}},
        // Hidden boxes take part: guard mode 2 is examined before the GPS box and input 9.
        {{"CheckBoxMaskDArm2", "CheckBoxMaskDInput9", "CheckBoxMaskDGPS"},
         {"CheckBoxMaskDArm2"},
         {"CheckBoxMaskDInput9", "CheckBoxMaskDGPS"}},
        {{}, {}, {}},
    };
    for (const Case& c : cases) {
        page.enter(image);
        for (const char* name : c.ticked)
            box(name)->setCheckState(Qt::Checked);
        choose("ComboBoxConnectionType", 2);
        for (const char* name : c.kept)
            EXPECT_EQ(box(name)->checkState(), Qt::Checked) << name;
        for (const char* name : c.cleared)
            EXPECT_EQ(box(name)->checkState(), Qt::Unchecked) << name;
        EXPECT_TRUE(box("CheckBoxNotACK")->isChecked());
        page.leave(image);
        EXPECT_EQ(image.bits(recordBase(3) + 20, 0, 2), 2u);
        // Back to the factory record for the next case.
        BuildDefaultImage(image);
    }
}

TEST_F(ConnectionPage, UnpackingAPbRecordDoesNotApplyTheRule)
{
    const int b = recordBase(3);
    image.setBits(b + 20, 0, 2, 2);
    image.setBit(b + 22, 0, true);
    image.setBit(b + 24, 0, true);
    image.setBit(b + 26, 0, true);
    page.enter(image);
    EXPECT_EQ(box("CheckBoxMaskDInput1")->checkState(), Qt::Checked);
    EXPECT_EQ(box("CheckBoxMaskDArm")->checkState(), Qt::Checked);
    EXPECT_FALSE(box("CheckBoxNotACK")->isChecked());
}

// The window with no dialogs and no start timer, in its own working directory.
class ConnectionsWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        StartOptions o;
        o.portName = QStringLiteral("/nonexistent/port");
        o.startTimer = false;
        window = std::make_unique<TForm1>(o);
    }
    void TearDown() override
    {
        window.reset();
        QDir::setCurrent(previous);
    }
    QCheckBox* box(int page, const char* name)
    {
        return window->panelOfPage(page)->findChild<QCheckBox*>(QString::fromLatin1(name));
    }
    QTemporaryDir dir;
    QString previous;
    std::unique_ptr<TForm1> window;
};

TEST_F(ConnectionsWindowTest, SourceBoxesSurvivePageSwitches)
{
    struct Case {
        int page;
        const char* box;
        Qt::CheckState state;
    } const cases[] = {
        {10, "CheckBoxMaskGInput13", Qt::Checked},
        {10, "CheckBoxMaskGInput14", Qt::Checked},
        {10, "CheckBoxMaskGInput2", Qt::PartiallyChecked},
        {2, "CheckBoxMaskDInput13", Qt::Checked},
        {2, "CheckBoxMaskSInput14", Qt::Checked},
        {2, "CheckBoxMaskSInput1", Qt::PartiallyChecked},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.page << " " << c.box);
        window->selectPage(c.page);
        ASSERT_NE(box(c.page, c.box), nullptr);
        box(c.page, c.box)->setCheckState(c.state);
        // Another page of the same panel first, then a page of another panel.
        window->selectPage(c.page == 10 ? 11 : 3);
        if (c.page == 2) {
            EXPECT_EQ(box(3, c.box)->checkState(), Qt::Unchecked);
        }
        window->selectPage(1);
        window->selectPage(c.page);
        EXPECT_EQ(box(c.page, c.box)->checkState(), c.state);
    }
    window->selectPage(1);
    DeviceImage& img = window->image();
    EXPECT_EQ(img.u16(2928), 0x3002);
    EXPECT_EQ(img.u16(2930), 0x3000);
    EXPECT_EQ(img.u16(68 + 22), 0x1000);
    EXPECT_EQ(img.u16(68 + 24), 0x1000);
    EXPECT_EQ(img.u16(68 + 30), 0x2001);
    EXPECT_EQ(img.u16(68 + 32), 0x2000);
}

} // namespace
