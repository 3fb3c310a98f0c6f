// Pages 41 to 49: profile records, the border rule and the value labels.
#include "page_harness.h"

#include "ui/pages/outputs/profile_panel.h"

#include <QLocale>

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

int profileBase(int p) { return 4194 + 122 * p; }
int entry(int p, int i) { return profileBase(p) + 18 + 6 * (i - 1); }
int inputRecord(int i) { return 268 + 92 * i; }

void setInputType(DeviceImage& img, int i, int type) { img.setBits(inputRecord(i) + 55, 1, 3, type); }

QString number(const char* dotted)
{
    return QString::fromLatin1(dotted).replace('.', QLocale().decimalPoint());
}

} // namespace

TEST(ProfilePage, FactoryProfilesAndTheirLabels)
{
    PageUnderTest t(42);
    auto* p = static_cast<ProfilePanel*>(t.panel.get());
    DeviceImage img = factoryImage();
    setInputType(img, 1, 1);
    setInputType(img, 3, 2);
    img.setFloat32(inputRecord(3) + 68, -10.0f);
    img.setFloat32(inputRecord(3) + 72, 10.0f);
    setInputType(img, 4, 3);
    setInputType(img, 5, 4);
    img.setFloat32(inputRecord(5) + 68, -40.0f);
    img.setFloat32(inputRecord(5) + 72, 60.0f);
    t.enter(img);
    EXPECT_EQ(p->ComboBoxProfileName->currentText(), QStringLiteral("КОМФОРТ"));
    for (int i = 0; i < 14; ++i) {
        EXPECT_FALSE(p->rows[i].check->isChecked());
        EXPECT_EQ(p->rows[i].upper->value(), 2730);
        EXPECT_EQ(p->rows[i].lower->value(), 1365);
    }
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(p->ComboBoxProfileToR[k]->currentText(), QStringLiteral("нет реакции"));
    EXPECT_EQ(p->rows[0].upperValue->text(), number("6.67") + QStringLiteral(" В"));
    EXPECT_EQ(p->rows[0].lowerValue->text(), number("3.33") + QStringLiteral(" В"));
    EXPECT_EQ(p->rows[2].upperValue->text(), number("3.333"));
    EXPECT_EQ(p->rows[2].lowerValue->text(), number("-3.333"));
    // ZAZ-02: trunc((1600 * 2730 - 984100) / 196) / 100 = 172.64 -> 173 with 3 digits.
    EXPECT_EQ(p->rows[3].upperValue->text(), QStringLiteral("173° C"));
    EXPECT_EQ(p->rows[3].lowerValue->text(), number("61.2") + QStringLiteral("° C"));
    EXPECT_EQ(p->rows[4].upperValue->text(), number("26.67") + QStringLiteral("° C"));

    PageUnderTest t2(43);
    t2.enter(img);
    EXPECT_EQ(static_cast<ProfilePanel*>(t2.panel.get())->ComboBoxProfileName->currentText(),
              QStringLiteral("ЭКОНОМ"));
}

TEST(ProfilePage, PackingAndTheBorderRule)
{
    struct Case {
        const char* name;
        int storedLower, storedUpper;
        std::function<void(ProfilePanel*)> edit;
        int lower, upper; // packed back
    };
    const Case cases[] = {
        {"unchanged", 100, 3000, [](ProfilePanel*) {}, 100, 3000},
        {"lower above upper is corrected on unpacking", 3000, 100, [](ProfilePanel*) {}, 3000, 3000},
        {"borders beyond the bar's range", 5000, 65535, [](ProfilePanel*) {}, 4095, 4095},
        {"upper moved below lower pulls lower down", 2000, 3000,
         [](ProfilePanel* p) { p->rows[6].upper->setValue(1000); }, 1000, 1000},
        {"lower moved above upper pushes upper up", 2000, 3000,
         [](ProfilePanel* p) { p->rows[6].lower->setValue(3500); }, 3500, 3500},
    };
    for (const Case& c : cases) {
        PageUnderTest t(49);
        auto* p = static_cast<ProfilePanel*>(t.panel.get());
        DeviceImage img = factoryImage();
        img.setU16(entry(8, 7) + 2, static_cast<std::uint16_t>(c.storedLower));
        img.setU16(entry(8, 7) + 4, static_cast<std::uint16_t>(c.storedUpper));
        t.enter(img);
        c.edit(p);
        t.leave(img);
        EXPECT_EQ(img.u16(entry(8, 7) + 2), c.lower) << c.name;
        EXPECT_EQ(img.u16(entry(8, 7) + 4), c.upper) << c.name;
    }
}

TEST(ProfilePage, PackWritesOnlyTheProfileFields)
{
    PageUnderTest t(44); // profile 3
    auto* p = static_cast<ProfilePanel*>(t.panel.get());
    DeviceImage img = randomImage(77);
    for (int i = 1; i <= 16; ++i) { // keep the borders in range and ordered
        img.setU16(entry(3, i) + 2, 1000);
        img.setU16(entry(3, i) + 4, 2000);
    }
    const DeviceImage before = img;
    t.enter(img);
    p->ComboBoxProfileName->setEditText(QStringLiteral("ДАЧА"));
    p->rows[13].check->setChecked(!p->rows[13].check->isChecked());
    p->ComboBoxProfileToR[6]->setCurrentIndex(16);
    t.leave(img);
    const int b = profileBase(3);
    EXPECT_EQ(img.text(b, 17), QStringLiteral("ДАЧА"));
    EXPECT_EQ(img.slice(b + 4, 13), QByteArray(13, '\0'));
    EXPECT_EQ(img.byte(b + 114 + 6), 16);
    EXPECT_EQ(img.byte(entry(3, 14)), before.byte(entry(3, 14)) ^ 1); // bits 1-7 kept
    EXPECT_EQ(img.byte(b + 17), before.byte(b + 17));
    EXPECT_EQ(img.byte(b + 121), before.byte(b + 121));
    EXPECT_EQ(img.slice(entry(3, 15), 12), before.slice(entry(3, 15), 12)); // entries 15 and 16
    EXPECT_EQ(img.byte(entry(3, 1) + 1), before.byte(entry(3, 1) + 1));
    EXPECT_TRUE(onlyPageFieldsChanged(before, img, 44));
}
