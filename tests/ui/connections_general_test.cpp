// Page 1: what packing makes of the passwords, the SMS centre, the balance request
// and the Modbus address.
#include "page_harness.h"

#include "image/configuration.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace zel;
using namespace zel::test;

namespace {

class GeneralPage : public ::testing::Test {
protected:
    GeneralPage() : page(1) { BuildDefaultImage(image); }
    template <class T>
    T* control(const char* name)
    {
        T* w = page.panel->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* edit(const char* name) { return control<QLineEdit>(name); }
    // Enters the page, lets `change` edit the controls, leaves it.
    template <class F>
    void visit(F change)
    {
        page.enter(image);
        change();
        page.leave(image);
    }
    PageUnderTest page;
    DeviceImage image;
};

TEST_F(GeneralPage, NumbersAreClampedIntoTheirFields)
{
    struct Case {
        const char* edit;
        const char* typed;
        int offset;
        int width;
        unsigned stored;
        const char* shownAfter; // text of the edit after leaving
    };
    const Case cases[] = {
        {"EditBalansMinVal", "70000", 2838, 2, 65535, "70000"},
        {"EditBalansMinVal", "-1", 2838, 2, 65535, "-1"},
        {"EditBalansMinVal", "-2", 2838, 2, 65535, "-2"},
        {"EditBalansMinVal", "abc", 2838, 2, 0, "abc"},
        {"EditBalansMinVal", " 123 ", 2838, 2, 123, "123"},
        {"EditBalansMinVal", "65535", 2838, 2, 65535, "65535"},
        {"EditReqPeriodH", "300", 2840, 1, 255, "300"},
        {"EditReqPeriodH", "x1", 2840, 1, 0, "x1"},
        {"EditReqPeriodH", "24", 2840, 1, 24, "24"},
        {"EditModBusAddress", "0", 14, 1, 1, "0"},
        {"EditModBusAddress", "-5", 14, 1, 1, "-5"},
        {"EditModBusAddress", "ab", 14, 1, 1, "ab"},
        {"EditModBusAddress", "248", 14, 1, 247, "248"},
        {"EditModBusAddress", "999", 14, 1, 247, "999"},
        {"EditModBusAddress", " 17", 14, 1, 17, "17"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.edit) + " = '" + c.typed + "'");
        const QByteArray neighbours = image.slice(c.offset + c.width, 1);
        visit([&] { edit(c.edit)->setText(QString::fromLatin1(c.typed)); });
        EXPECT_EQ(image.uint(c.offset, c.width), c.stored);
        EXPECT_EQ(edit(c.edit)->text(), QString::fromLatin1(c.shownAfter));
        EXPECT_EQ(image.slice(c.offset + c.width, 1), neighbours);
    }
}

TEST_F(GeneralPage, StoredValuesShowAsNumbers)
{
    image.setByte(14, 0); // as a controller may report it
    image.setU16(2838, 65535);
    image.setByte(2840, 255);
    page.enter(image);
    EXPECT_EQ(edit("EditModBusAddress")->text(), QStringLiteral("0"));
    EXPECT_EQ(edit("EditBalansMinVal")->text(), QStringLiteral("65535"));
    EXPECT_EQ(edit("EditReqPeriodH")->text(), QStringLiteral("255"));
    page.leave(image);
    EXPECT_EQ(image.byte(14), 1);
    EXPECT_EQ(image.u16(2838), 65535);
}

TEST_F(GeneralPage, ModbusExitReplacesOutOfRangeText)
{
    struct Case {
        const char* typed;
        const char* shown;
    } const cases[] = {{"0", "1"}, {"300", "247"}, {" 12 ", "12"}, {"x", "1"}, {"247", "247"}};
    for (const Case& c : cases) {
        edit("EditModBusAddress")->setText(QString::fromLatin1(c.typed));
        emit edit("EditModBusAddress")->editingFinished();
        EXPECT_EQ(edit("EditModBusAddress")->text(), QString::fromLatin1(c.shown)) << c.typed;
    }
}

TEST_F(GeneralPage, SmsCentreIsStoredWithoutBlanks)
{
    image.setText(68, 16, QStringLiteral("+79161234567"));
    const QByteArray connection1 = image.slice(68, 16);
    visit([&] { edit("MaskEditSMSCA")->setText(QStringLiteral("+7 903 123")); });
    EXPECT_EQ(image.slice(52, 16), QByteArray("+7903123") + QByteArray(8, '\0'));
    EXPECT_EQ(image.slice(68, 16), connection1);
}

TEST_F(GeneralPage, AdministrativePasswordNeedsItsBox)
{
    auto* box = control<QCheckBox>("CheckBoxSysPassword");
    auto* warning = control<QLabel>("LabelSharedParWarningMsg");
    image.setText(20, 9, QStringLiteral("secret1"));

    // Unticked: the shown password never reaches the image.
    visit([&] { EXPECT_EQ(edit("MaskEditSysPassword")->text(), QStringLiteral("secret1")); });
    EXPECT_EQ(image.slice(20, 9), QByteArray(9, '\0'));
    EXPECT_FALSE(edit("MaskEditSysPassword")->isEnabled());
    EXPECT_TRUE(warning->text().isEmpty());

    // Ticked by the user: the edit opens, the warning appears, the password is stored.
    box->click();
    EXPECT_TRUE(edit("MaskEditSysPassword")->isEnabled());
    EXPECT_TRUE(control<QLabel>("Label84")->isEnabled());
    EXPECT_TRUE(warning->text().startsWith(QStringLiteral("Административный пароль необходим")));
    edit("MaskEditSysPassword")->setText(QStringLiteral("abc12"));
    page.leave(image);
    EXPECT_EQ(image.slice(20, 9), QByteArray("abc12") + QByteArray(4, '\0'));

    // Unticked again: disabled, the warning stays.
    box->click();
    EXPECT_FALSE(edit("MaskEditSysPassword")->isEnabled());
    EXPECT_FALSE(warning->text().isEmpty());
}

TEST_F(GeneralPage, TextFieldsAreTrimmedAndCut)
{
    struct Case {
        const char* edit;
        QString typed;
        int offset;
        QByteArray stored;
    };
    const Case cases[] = {
        {"MaskEditPassword", QStringLiteral(" ab cd"), 43, QByteArray("ab cd") + QByteArray(4, '\0')},
        {"MaskEditDTMFPass", QStringLiteral("12"), 38, QByteArray("12") + QByteArray(3, '\0')},
        {"MaskEditPIN", QStringLiteral("12345678"), 29, QByteArray("12345678") + QByteArray(1, '\0')},
        {"MaskEditBalansReqCMD", QStringLiteral("  *100#\t"), 2820, QByteArray("*100#") + QByteArray(4, '\0')},
        {"MaskEditBalansIdWord", QStringLiteral("  Bal "), 2829, QByteArray("Bal ") + QByteArray(5, '\0')},
    };
    for (const Case& c : cases) {
        visit([&] { edit(c.edit)->setText(c.typed); });
        EXPECT_EQ(image.slice(c.offset, static_cast<int>(c.stored.size())), c.stored) << c.edit;
    }
}

TEST_F(GeneralPage, BalancePresetsFillCommandAndKeyword)
{
    struct Case {
        const char* radio;
        const char* command;
        QByteArray keyword; // 9 stored bytes
    } const cases[] = {
        {"RadioButton1", "*100#", QByteArray("\xc1\xe0\xeb\xe0\xed\xf1:") + QByteArray(2, '\0')},
        {"RadioButton2", "*102#", QByteArray("\xc1\xe0\xeb\xe0\xed\xf1 ") + QByteArray(2, '\0')},
        {"RadioButton3", "*100#", QByteArray(9, '\0')},
        {"RadioButton4", "*105#", QByteArray("OCTATOK ") + QByteArray(1, '\0')},
    };
    for (const Case& c : cases) {
        visit([&] { control<QRadioButton>(c.radio)->click(); });
        EXPECT_EQ(image.text(2820, 9), QString::fromLatin1(c.command)) << c.radio;
        EXPECT_EQ(image.slice(2829, 9), c.keyword) << c.radio;
    }
}

TEST_F(GeneralPage, FlagsAndListsShareBytesTwelveAndThirteen)
{
    image.setByte(13, 0xE0 | 0x10 | 15); // bits 5-7 belong to no field
    visit([&] {
        EXPECT_EQ(control<QComboBox>("ComboBoxOutdatedMsgTime")->currentText(), QStringLiteral("30 Min."));
        control<QComboBox>("ComboBoxOutdatedMsgTime")->setCurrentIndex(0);
        control<QComboBox>("ComboBoxDATAProtocol")->setCurrentIndex(0);
        control<QComboBox>("ComboBoxDialPriority")->setCurrentIndex(3);
        control<QComboBox>("ComboBoxCall2CallPauseX10S")->setCurrentIndex(7);
        control<QCheckBox>("CheckBoxACK")->setChecked(false);
        control<QCheckBox>("CheckBoxDTMFControlOnlyList")->setChecked(false);
    });
    EXPECT_EQ(image.byte(13), 0xE0);
    EXPECT_EQ(image.byte(12), 0xC0 | 0x10 | 7);
    auto* outdated = control<QComboBox>("ComboBoxOutdatedMsgTime");
    ASSERT_EQ(outdated->count(), 16);
    EXPECT_EQ(outdated->itemText(0), QStringLiteral("---"));
    EXPECT_EQ(outdated->itemText(1), QStringLiteral("2 Min."));
}

TEST_F(GeneralPage, ModemProtocolGroupIsShownAndModbusHidden)
{
    EXPECT_TRUE(control<QWidget>("GroupBoxOutDataParam")->isVisibleTo(page.panel.get()));
    EXPECT_FALSE(control<QWidget>("EditModBusAddress")->isVisibleTo(page.panel.get()));
    EXPECT_FALSE(control<QWidget>("MaskEditDevId")->isVisibleTo(page.panel.get()));
}

} // namespace
