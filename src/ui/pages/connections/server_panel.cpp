#include "ui/pages/connections/server_panel.h"

#include "ui/pages/connections/panel_widgets.h"

#include <QFont>

namespace zel {

using namespace connections;

namespace {
constexpr int kIpAddressType = 0;
const QString kEmptyAddress = QStringLiteral("000.000.000.000");
} // namespace

ServerPanel::ServerPanel(QWidget* parent) : SectionPanel(QStringLiteral("PanelServersPar"), QString(), parent)
{
    Label140 = makeLabel(this, "Label140", "Сервер", 8, 4, 690, 24);
    QFont f = Label140->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 2);
    Label140->setFont(f);

    CheckBoxServerEn = makeCheck(this, "CheckBoxServerEn", "Разрешен", 8, 36, 200);
    makeLabel(this, "LabelDestType", "Тип адреса", 8, 67, 100);
    ComboBoxDestType = makeCombo(this, "ComboBoxDestType", 112, 64, 240, catalogueItems("ComboBoxDestType"));
    makeLabel(this, "LabelServerIPAddr", "Адрес сервера", 8, 93, 100);
    MaskEditServerIPAddr = makeEdit(this, "MaskEditServerIPAddr", 112, 90, 260, kAddressMask);
    makeLabel(this, "LabelServerPort", "Порт", 8, 119, 100);
    MaskEditServerPort = makeEdit(this, "MaskEditServerPort", 112, 116, 60, QStringLiteral("00000; "));

    connect(ComboBoxDestType, &QComboBox::activated, this, &ServerPanel::ComboBoxDestTypeChange);
}

void ServerPanel::ComboBoxDestTypeChange()
{
    if (ComboBoxDestType->currentIndex() == kIpAddressType) {
        MaskEditServerIPAddr->setInputMask(kAddressMask);
        MaskEditServerIPAddr->setText(kEmptyAddress);
    } else {
        MaskEditServerIPAddr->setInputMask(QString());
        // What the record can hold; a longer name would be cut without notice.
        MaskEditServerIPAddr->setMaxLength(kMaxDomainLength);
        MaskEditServerIPAddr->clear();
    }
}

void ServerPanel::unpack(const DeviceImage& image, int page)
{
    const int s = recordOfPage(page);
    if (s < 1 || s > 3)
        return;
    Label140->setText(QStringLiteral("Сервер ") + QString::number(s));
    unpackFlag(image, CheckBoxServerEn, s);
    unpackCombo(image, ComboBoxDestType, s);
    ComboBoxDestTypeChange();
    const FieldDef& addr = fieldOf("MaskEditServerIPAddr");
    const int off = addr.recordOffset(s);
    if (ComboBoxDestType->currentIndex() == kIpAddressType)
        MaskEditServerIPAddr->setText(addressToMaskedText(image.u32(off)));
    else
        MaskEditServerIPAddr->setText(image.text(off, addr.width));
    MaskEditServerPort->setText(QString::number(image.u16(fieldOf("MaskEditServerPort").recordOffset(s))));
}

void ServerPanel::pack(DeviceImage& image, int page)
{
    const int s = recordOfPage(page);
    if (s < 1 || s > 3)
        return;
    packFlag(image, CheckBoxServerEn, s);
    packCombo(image, ComboBoxDestType, s);
    const FieldDef& addr = fieldOf("MaskEditServerIPAddr");
    const int off = addr.recordOffset(s);
    if (ComboBoxDestType->currentIndex() == kIpAddressType)
        // Bytes 4-33 keep what a domain name left there.
        image.setU32(off, addressFromMaskedText(MaskEditServerIPAddr->displayText()));
    else
        image.setText(off, addr.width, MaskEditServerIPAddr->text());
    long long port = leadingNumber(MaskEditServerPort->displayText());
    if (port > 65535)
        port = 65535;
    image.setU16(fieldOf("MaskEditServerPort").recordOffset(s), static_cast<std::uint16_t>(port));
}

} // namespace zel
