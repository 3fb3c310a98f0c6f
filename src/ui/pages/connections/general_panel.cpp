#include "ui/pages/connections/general_panel.h"

#include "ui/pages/connections/panel_widgets.h"

#include <QFont>
#include <QPalette>

namespace zel {

using namespace connections;

namespace {

const QString kSysPasswordWarning = QStringLiteral(
    "Административный пароль необходим для использования расширенного набора команд через SMS, а так же для "
    "защиты конфигурации устройства от модификации. После процедуры установки, запись и чтение конфигурации будут "
    "невозможны, без указания этого пароля. Действие нового пароля начнется с момента повторного запуска "
    "конфигуратора. Будьте внимательны, в случае утраты пароля его отмена возможна с помощью длительной процедуры, "
    "около 30 минут, при этом ранее настроенная конфигурация будет очищена, все параметры сбросятся к заводским. "
    "Этот пароль не сохраняется в файле конфигурации его нужно будет вводить при каждом запуске программы.");

struct BalancePreset {
    const char* caption;
    const char* command;
    const char* keyword;
};
// The keywords' trailing blanks are part of the operators' answers.
constexpr BalancePreset kPresets[4] = {
    {"МТС", "*100#", "Баланс:"},
    {"Билайн", "*102#", "Баланс "},
    {"Мегафон", "*100#", ""},
    {"Теле 2", "*105#", "OCTATOK "},
};

constexpr int kEditX = 186;
constexpr int kRightX = 346;

} // namespace

GeneralConnectionPanel::GeneralConnectionPanel(QWidget* parent)
    : SectionPanel(QStringLiteral("Panel1"), QStringLiteral("Label15"), parent)
{
    // Passwords, PIN and SMS centre (left column).
    CheckBoxSysPassword = makeCheck(this, "CheckBoxSysPassword", "Использовать административный пароль", 8, 34, 320);
    Label84 = makeLabel(this, "Label84", "Административный пароль", 8, 61, 174);
    MaskEditSysPassword = makeEdit(this, "MaskEditSysPassword", kEditX, 58, 100, "nnnnnnnn; ");
    makeLabel(this, "Label72", "Пароль SMS управления", 8, 87, 174);
    MaskEditPassword = makeEdit(this, "MaskEditPassword", kEditX, 84, 100, "nnnnnnnn; ");
    makeLabel(this, "Label73", "Пароль DTMF управления", 8, 113, 174);
    MaskEditDTMFPass = makeEdit(this, "MaskEditDTMFPass", kEditX, 110, 60, "0000; ");
    makeLabel(this, "Label70", "PIN-код SIM карты", 8, 139, 174);
    MaskEditPIN = makeEdit(this, "MaskEditPIN", kEditX, 136, 100, "00000000; ");
    makeLabel(this, "Label8", "Номер SMS центра", 8, 165, 174);
    MaskEditSMSCA = makeEdit(this, "MaskEditSMSCA", kEditX, 162, 140, "#00000000000000; ");
    // Kept hidden; still packed and unpacked.
    LabelModBusAddress = makeLabel(this, "LabelModBusAddress", "Адрес в сети Modbus", 8, 191, 174);
    EditModBusAddress = makeEdit(this, "EditModBusAddress", kEditX, 188, 60, {}, 3);
    LabelModBusAddress->setVisible(false);
    EditModBusAddress->setVisible(false);

    // Commands and acknowledgements (right column).
    CheckBoxACK = makeCheck(this, "CheckBoxACK", "Всегда подтверждать выполнение SMS команды", kRightX, 34, 354);
    CheckBoxControlOnlyList =
        makeCheck(this, "CheckBoxControlOnlyList", "SMS управление только с телефонов из списка", kRightX, 56, 354);
    CheckBoxDTMFControlOnlyList = makeCheck(this, "CheckBoxDTMFControlOnlyList",
                                            "DTMF управление только с телефонов из списка", kRightX, 78, 354);
    makeLabel(this, "Label131", "Не выполнять SMS команды старше", kRightX, 107, 230);
    ComboBoxOutdatedMsgTime = makeCombo(this, "ComboBoxOutdatedMsgTime", 590, 104, 110);
    makeLabel(this, "Label129", "Пауза между соединениями, сек.", kRightX, 133, 230);
    ComboBoxCall2CallPauseX10S =
        makeCombo(this, "ComboBoxCall2CallPauseX10S", 590, 130, 110, catalogueItems("ComboBoxCall2CallPauseX10S"));

    GroupBoxOutDataParam = makeGroup(this, "GroupBoxOutDataParam",
                                     " Тип модемного соединения для исходящих вызовов ", kRightX, 156, 354, 50);
    ComboBoxDATAProtocol =
        makeCombo(GroupBoxOutDataParam, "ComboBoxDATAProtocol", 8, 20, 160, catalogueItems("ComboBoxDATAProtocol"));
    LabelDevId = makeLabel(GroupBoxOutDataParam, "LabelDevId", "Идентификатор", 176, 23, 80);
    MaskEditDevId = makeEdit(GroupBoxOutDataParam, "MaskEditDevId", 260, 20, 86, {}, 8);
    LabelDevId->setVisible(false);
    MaskEditDevId->setVisible(false);

    makeLabel(this, "Label128", "Порядок дозвона по соединениям", 8, 217, 220);
    ComboBoxDialPriority =
        makeCombo(this, "ComboBoxDialPriority", 232, 214, 468, catalogueItems("ComboBoxDialPriority"));

    // Balance request.
    GroupBoxBalance = makeGroup(this, "GroupBox13", " Запрос баланса ", 8, 242, 692, 138);
    makeLabel(GroupBoxBalance, "Label49", "USSD команда", 8, 23, 130);
    MaskEditBalansReqCMD = makeEdit(GroupBoxBalance, "MaskEditBalansReqCMD", 142, 20, 90, {}, 8);
    makeLabel(GroupBoxBalance, "Label50", "Ключевое слово", 8, 49, 130);
    MaskEditBalansIdWord = makeEdit(GroupBoxBalance, "MaskEditBalansIdWord", 142, 46, 90, {}, 8);
    makeLabel(GroupBoxBalance, "Label41", "Порог баланса", 8, 75, 130);
    EditBalansMinVal = makeEdit(GroupBoxBalance, "EditBalansMinVal", 142, 72, 90, {}, 5);
    makeLabel(GroupBoxBalance, "Label42", "Период запроса, ч.", 8, 101, 130);
    EditReqPeriodH = makeEdit(GroupBoxBalance, "EditReqPeriodH", 142, 98, 90, {}, 3);

    GroupBoxPresets = makeGroup(GroupBoxBalance, "GroupBox12", " Предустановленные шаблоны ", 244, 14, 210, 114);
    QRadioButton** radios[4] = {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4};
    for (int i = 0; i < 4; ++i) {
        *radios[i] = makeRadio(GroupBoxPresets, QStringLiteral("RadioButton%1").arg(i + 1),
                               QString::fromUtf8(kPresets[i].caption), 10, 20 + 22 * i, 150);
        connect(*radios[i], &QRadioButton::clicked, this, [this, i] { applyBalancePreset(i); });
    }
    StaticText1 = makeLabel(GroupBoxBalance, "StaticText1",
                            "Баланс запрашивается USSD командой с заданным периодом. Если сумма, следующая в "
                            "ответе оператора за ключевым словом, не больше порога, контроллер сообщит о низком "
                            "балансе. Период 0 отключает запрос.",
                            462, 18, 222, 110);
    StaticText1->setWordWrap(true);
    StaticText1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    LabelSharedParWarningMsg = makeLabel(this, "LabelSharedParWarningMsg", {}, 8, 386, 692, 100);
    LabelSharedParWarningMsg->setWordWrap(true);
    LabelSharedParWarningMsg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont bold = LabelSharedParWarningMsg->font();
    bold.setBold(true);
    LabelSharedParWarningMsg->setFont(bold);
    QPalette red = LabelSharedParWarningMsg->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    LabelSharedParWarningMsg->setPalette(red);

    connect(CheckBoxSysPassword, &QCheckBox::clicked, this, &GeneralConnectionPanel::CheckBoxSysPasswordClick);
    connect(EditModBusAddress, &QLineEdit::editingFinished, this, &GeneralConnectionPanel::EditModBusAddressExit);

    // Hidden in the form's design, shown once the window exists.
    GroupBoxOutDataParam->setVisible(true);
    CheckBoxSysPasswordClick();
}

void GeneralConnectionPanel::setUpOnce()
{
    ComboBoxOutdatedMsgTime->clear();
    ComboBoxOutdatedMsgTime->addItem(QStringLiteral("---"));
    for (int i = 1; i <= 15; ++i)
        ComboBoxOutdatedMsgTime->addItem(QString::number(2 * i) + QStringLiteral(" Min."));
}

void GeneralConnectionPanel::CheckBoxSysPasswordClick()
{
    const bool on = CheckBoxSysPassword->isChecked();
    MaskEditSysPassword->setEnabled(on);
    Label84->setEnabled(on);
    if (on)
        LabelSharedParWarningMsg->setText(kSysPasswordWarning);
}

void GeneralConnectionPanel::applyBalancePreset(int preset)
{
    if (preset < 0 || preset > 3)
        return;
    MaskEditBalansReqCMD->setText(QString::fromUtf8(kPresets[preset].command));
    MaskEditBalansIdWord->setText(QString::fromUtf8(kPresets[preset].keyword));
}

namespace {
// 1-247; 0, negatives and non-numbers become 1.
int modbusAddress(const QString& trimmed)
{
    const long long v = parseNumber(trimmed, 0);
    if (v >= 248)
        return 247;
    if (v <= 0)
        return 1;
    return static_cast<int>(v);
}

// Threshold and period: over-range and negative values store the upper bound.
std::uint32_t clampedUnsigned(const QString& trimmed, std::uint32_t limit)
{
    const long long v = parseNumber(trimmed, 0);
    if (v < 0 || v > static_cast<long long>(limit))
        return limit;
    return static_cast<std::uint32_t>(v);
}
} // namespace

void GeneralConnectionPanel::EditModBusAddressExit()
{
    EditModBusAddress->setText(QString::number(modbusAddress(EditModBusAddress->text().trimmed())));
}

void GeneralConnectionPanel::unpack(const DeviceImage& image, int page)
{
    Q_UNUSED(page);
    CheckBoxSysPasswordClick();
    auto showText = [&](QLineEdit* edit) {
        const FieldDef& f = fieldOf(edit->objectName());
        edit->setText(image.text(f.offset, f.width));
    };
    for (QLineEdit* e : {MaskEditSysPassword, MaskEditPassword, MaskEditSMSCA, MaskEditPIN, MaskEditDTMFPass,
                         MaskEditBalansReqCMD, MaskEditBalansIdWord})
        showText(e);
    for (QCheckBox* c : {CheckBoxACK, CheckBoxControlOnlyList, CheckBoxDTMFControlOnlyList})
        unpackFlag(image, c);
    for (QComboBox* c : {ComboBoxCall2CallPauseX10S, ComboBoxDialPriority, ComboBoxOutdatedMsgTime,
                         ComboBoxDATAProtocol})
        unpackCombo(image, c);
    EditBalansMinVal->setText(QString::number(image.u16(fieldOf("EditBalansMinVal").offset)));
    EditReqPeriodH->setText(QString::number(image.byte(fieldOf("EditReqPeriodH").offset)));
    EditModBusAddress->setText(QString::number(image.byte(fieldOf("EditModBusAddress").offset)));
}

void GeneralConnectionPanel::pack(DeviceImage& image, int page)
{
    Q_UNUSED(page);
    // The administrative password reaches the image only while the box is ticked.
    if (!CheckBoxSysPassword->isChecked())
        MaskEditSysPassword->clear();
    CheckBoxSysPasswordClick();

    // Masked edits are read as shown, so blanks inside the text stay where the user left them.
    auto storeText = [&](QLineEdit* edit) {
        const FieldDef& f = fieldOf(edit->objectName());
        image.setText(f.offset, f.width, trimControl(edit->displayText()));
    };
    for (QLineEdit* e : {MaskEditSysPassword, MaskEditPassword, MaskEditSMSCA, MaskEditPIN, MaskEditDTMFPass,
                         MaskEditBalansReqCMD})
        storeText(e);
    const FieldDef& sms = fieldOf("MaskEditSMSCA");
    RemoveSpaces(image, sms.offset, sms.width);
    // The keyword's trailing blanks belong to it.
    const FieldDef& keyword = fieldOf("MaskEditBalansIdWord");
    image.setText(keyword.offset, keyword.width, trimControlLeft(MaskEditBalansIdWord->text()));

    for (QCheckBox* c : {CheckBoxACK, CheckBoxControlOnlyList, CheckBoxDTMFControlOnlyList})
        packFlag(image, c);
    for (QComboBox* c : {ComboBoxCall2CallPauseX10S, ComboBoxDialPriority, ComboBoxOutdatedMsgTime,
                         ComboBoxDATAProtocol})
        packCombo(image, c);

    EditBalansMinVal->setText(EditBalansMinVal->text().trimmed());
    image.setU16(fieldOf("EditBalansMinVal").offset,
                 static_cast<std::uint16_t>(clampedUnsigned(EditBalansMinVal->text(), 65535)));
    EditReqPeriodH->setText(EditReqPeriodH->text().trimmed());
    image.setByte(fieldOf("EditReqPeriodH").offset,
                  static_cast<std::uint8_t>(clampedUnsigned(EditReqPeriodH->text(), 255)));
    EditModBusAddress->setText(EditModBusAddress->text().trimmed());
    image.setByte(fieldOf("EditModBusAddress").offset,
                  static_cast<std::uint8_t>(modbusAddress(EditModBusAddress->text())));
}

} // namespace zel
