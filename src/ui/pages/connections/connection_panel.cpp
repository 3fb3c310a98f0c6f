#include "ui/pages/connections/connection_panel.h"

namespace zel {

using namespace connections;

namespace {

const QString kVoiceCaption = QStringLiteral(" Голосовое оповещение ");
const QString kVoiceOrDataCaption = QStringLiteral(" Голосовое оповещение или вызов типа DATA ");
const QString kProtocolLabel = QStringLiteral("Протокол обмена");
const QString kFirstOutputItem = QStringLiteral("Реле 1 и Реле 2");
constexpr int kDesignScenarioItems = 17; // "нет реакции" .. "сценарий 14"
constexpr int kPbVoiceType = 2;          // "Голосовое PB"

// Order in which switching to "Голосовое PB" looks for the box whose group survives.
constexpr const char* kVoiceGroupOrder[] = {
    "CheckBoxMaskDInput1",  "CheckBoxMaskDInput2",  "CheckBoxMaskDInput4",  "CheckBoxMaskDInput3",
    "CheckBoxMaskDDisarm",  "CheckBoxMaskDPower",   "CheckBoxMaskDArm",     "CheckBoxMaskDTest",
    "CheckBoxMaskDInput5",  "CheckBoxMaskDInput6",  "CheckBoxMaskDInput7",  "CheckBoxMaskDInput8",
    "CheckBoxMaskCRestrictedArm", "CheckBoxMaskDArm2", "CheckBoxMaskDDisarm2", "CheckBoxMaskDArm3",
    "CheckBoxMaskDDisarm3", "CheckBoxMaskDArm4",    "CheckBoxMaskDDisarm4", "CheckBoxMaskDGPS",
    "CheckBoxMaskDInput9",  "CheckBoxMaskDInput10", "CheckBoxMaskDInput12", "CheckBoxMaskDInput11",
    "CheckBoxMaskDInput13", "CheckBoxMaskDInput14", "CheckBoxMaskDInput15", "CheckBoxMaskDInput16",
};

SourceLayout voiceLayout()
{
    return {'D',
            6,
            54,
            {{{"CheckBoxMaskDArm", "ОХРАНА", 66},
              {"CheckBoxMaskDDisarm", "НАБЛЮДЕНИЕ", 96},
              {"CheckBoxMaskCRestrictedArm", "ЗАЩИТА", 70}},
             {{"CheckBoxMaskDPower", "Системные события", 124},
              {"CheckBoxMaskDTest", "Тестовое / инфо. сообщения", 186},
              {"CheckBoxMaskDGPS", "GPS", 0}}}};
}

SourceLayout smsLayout()
{
    return {'S',
            6,
            54,
            {{{"CheckBoxMaskSArm", "ОХРАНА", 66},
              {"CheckBoxMaskSDisarm", "НАБЛЮДЕНИЕ", 96},
              {"CheckBoxMaskSRestrictedArm", "ЗАЩИТА", 70},
              {"CheckBoxMaskSProfile", "Профиль", 76}},
             {{"CheckBoxMaskSPower", "Системные события", 124},
              {"CheckBoxMaskSTest", "Тестовое / инфо. сообщения", 186},
              {"CheckBoxMaskSGPS", "GPS", 0}}}};
}

} // namespace

ConnectionPanel::ConnectionPanel(QWidget* parent)
    : SectionPanel(QStringLiteral("Panel5"), QStringLiteral("Label74"), parent)
{
    makeLabel(this, "LabelPhone", "Номер телефона", 8, 35, 96);
    MaskEditPhone = makeEdit(this, "MaskEditPhone", 108, 32, 130, "#00000000000000; ");
    makeLabel(this, "LabelGroupNum", "Группа", 252, 35, 46);
    ComboBoxGroupNum = makeCombo(this, "ComboBoxGroupNum", 300, 32, 50, catalogueItems("ComboBoxGroupNum"));
    LabelConnType = makeLabel(this, "LabelConnType", "Тип соединения", 366, 35, 100);
    ComboBoxConnectionType =
        makeCombo(this, "ComboBoxConnectionType", 470, 32, 130, catalogueItems("ComboBoxConnectionType"));

    Label85 = makeLabel(this, "Label85", "Приоритет оповещения", 8, 61, 140);
    ComboBoxTransportPriority =
        makeCombo(this, "ComboBoxTransportPriority", 152, 58, 340, catalogueItems("ComboBoxTransportPriority"));
    CheckBoxThroughChannelEn =
        makeCheck(this, "CheckBoxThroughChannelEn", "Вызов CSD - сквозной канал на COM порт", 500, 58, 200, 21);

    makeLabel(this, "LabelIncomingCall", "Входящий вызов", 8, 87, 140);
    ComboBoxIncomungCallAction =
        makeCombo(this, "ComboBoxIncomungCallAction", 152, 84, 548, catalogueItems("ComboBoxIncomungCallAction"));

    GroupBoxInCallToOutsAction = makeGroup(this, "GroupBoxInCallToOutsAction",
                                           " Действие на выход при входящем вызове ", 8, 110, 692, 48);
    makeLabel(GroupBoxInCallToOutsAction, "LabelICToOUOutN", "Выход", 8, 23, 50);
    ComboBoxICToOUOutN = makeCombo(GroupBoxInCallToOutsAction, "ComboBoxICToOUOutN", 62, 20, 150,
                                   catalogueItems("ComboBoxICToOUOutN"));
    makeLabel(GroupBoxInCallToOutsAction, "LabelICToOUScnN", "Действие", 228, 23, 70);
    ComboBoxICToOUScnN = makeCombo(GroupBoxInCallToOutsAction, "ComboBoxICToOUScnN", 302, 20, 220,
                                   catalogueItems("ComboBoxICToOUScnN").mid(0, kDesignScenarioItems));

    // Voice notification.
    GroupBoxVoice = makeGroup(this, "GroupBoxVoice", kVoiceCaption, 8, 162, 344, 300);
    CheckBoxCallEn = makeCheck(GroupBoxVoice, "CheckBoxCallEn", "Разрешено", 8, 18, 120);
    CheckBoxNotACK = makeCheck(GroupBoxVoice, "CheckBoxNotACK", "Отбой вызова без соединения считать доставкой",
                               8, 42, 328);
    makeLabel(GroupBoxVoice, "LabelOnLineTime", "Длительность соединения", 8, 71, 154);
    ComboBoxOnLineTime = makeCombo(GroupBoxVoice, "ComboBoxOnLineTime", 166, 68, 170);
    makeLabel(GroupBoxVoice, "LabelDialTranspWaitTime", "Снять с передачи через", 8, 97, 154);
    ComboBoxDialTranspWaitTime = makeCombo(GroupBoxVoice, "ComboBoxDialTranspWaitTime", 166, 94, 90);
    voiceSources = buildSourceGroup(GroupBoxVoice, "GroupBoxVoiceEvents", 6, 120, 332, voiceLayout());

    // SMS notification.
    GroupBoxSMS = makeGroup(this, "GroupBoxSMS", " SMS ", 356, 162, 344, 300);
    CheckBoxSMSEn = makeCheck(GroupBoxSMS, "CheckBoxSMSEn", "Разрешено", 8, 18, 100);
    CheckBoxDebugMode = makeCheck(GroupBoxSMS, "CheckBoxDebugMode", "Проверять команды на ошибки", 112, 18, 224);
    CheckBoxJointUse = makeCheck(GroupBoxSMS, "CheckBoxJointUse", "Управление подчиненным контроллером", 8, 42, 328);
    CheckBoxJointUse->setVisible(false);
    LabelProtocolAlias = makeLabel(GroupBoxSMS, "LabelProtocolAlias", "Язык сообщений", 8, 45, 154);
    ComboBoxLang = makeCombo(GroupBoxSMS, "ComboBoxLang", 166, 42, 170, catalogueItems("ComboBoxLang").mid(0, 2));
    // The window appends the protocols that the form's design does not list.
    ComboBoxLang->addItems({QStringLiteral("PatrolBeacon"), QStringLiteral("Orbilo")});
    makeLabel(GroupBoxSMS, "LabelUserId", "Пользователь указан как", 8, 71, 154);
    ComboBoxUserId = makeCombo(GroupBoxSMS, "ComboBoxUserId", 166, 68, 170, catalogueItems("ComboBoxUserId"));
    makeLabel(GroupBoxSMS, "LabelSMSTranspWaitTime", "Снять с передачи через", 8, 97, 154);
    ComboBoxSMSTranspWaitTime = makeCombo(GroupBoxSMS, "ComboBoxSMSTranspWaitTime", 166, 94, 90);
    smsSources = buildSourceGroup(GroupBoxSMS, "GroupBoxSMSEvents", 6, 120, 332, smsLayout());

    // Shown by the entry preparation.
    for (QWidget* w : std::initializer_list<QWidget*>{
             Label85, ComboBoxTransportPriority, GroupBoxInCallToOutsAction, CheckBoxThroughChannelEn,
             voiceSources.find("CheckBoxMaskCRestrictedArm"), smsSources.find("CheckBoxMaskSRestrictedArm"),
             LabelConnType, ComboBoxConnectionType, smsSources.find("CheckBoxMaskSProfile")})
        w->setVisible(false);

    connect(ComboBoxIncomungCallAction, &QComboBox::activated, this,
            &ConnectionPanel::ComboBoxIncomungCallActionChange);
    connect(ComboBoxTransportPriority, &QComboBox::activated, this,
            &ConnectionPanel::ComboBoxIncomungCallActionChange);
    connect(ComboBoxConnectionType, &QComboBox::activated, this, &ConnectionPanel::ComboBoxConnectionTypeChange);
    for (QCheckBox* box : voiceSources.inputs)
        connect(box, &QCheckBox::clicked, this, [this, box] { voiceSourceClicked(box); });
    for (QCheckBox* box : voiceSources.others)
        if (box->objectName() != QLatin1String("CheckBoxMaskDGPS"))
            connect(box, &QCheckBox::clicked, this, [this, box] { voiceSourceClicked(box); });
}

void ConnectionPanel::setUpOnce()
{
    const QStringList minutes = numberedItems(1, 16, QStringLiteral(" Min."));
    for (QComboBox* c : {ComboBoxDialTranspWaitTime, ComboBoxSMSTranspWaitTime}) {
        c->clear();
        c->addItems(minutes);
    }
    ComboBoxOnLineTime->clear();
    ComboBoxOnLineTime->addItems({QStringLiteral("По длине сообщения"), QStringLiteral("Задается DTMF упр.")});
    ComboBoxOnLineTime->addItems(numberedItems(2, 61, QStringLiteral(" Sec.")));
}

void ConnectionPanel::prepare(int page)
{
    Q_UNUSED(page);
    for (QWidget* w : std::initializer_list<QWidget*>{
             Label85, ComboBoxTransportPriority, GroupBoxInCallToOutsAction, CheckBoxThroughChannelEn,
             voiceSources.find("CheckBoxMaskCRestrictedArm"), smsSources.find("CheckBoxMaskSRestrictedArm"),
             LabelConnType, ComboBoxConnectionType, smsSources.find("CheckBoxMaskSProfile")})
        w->setVisible(true);
    GroupBoxVoice->setTitle(kVoiceOrDataCaption);
    LabelProtocolAlias->setText(kProtocolLabel);
    ComboBoxICToOUOutN->setItemText(0, kFirstOutputItem);
    // The extra reaction is appended once, however often the page is entered.
    while (ComboBoxICToOUScnN->count() > kDesignScenarioItems)
        ComboBoxICToOUScnN->removeItem(ComboBoxICToOUScnN->count() - 1);
    ComboBoxICToOUScnN->addItem(catalogueItems("ComboBoxICToOUScnN").value(kDesignScenarioItems));
    fitSourceGroup(voiceSources);
    fitSourceGroup(smsSources);
    for (QGroupBox* outer : {GroupBoxVoice, GroupBoxSMS}) {
        const QRect inner = (outer == GroupBoxVoice ? voiceSources : smsSources).group->geometry();
        outer->resize(outer->width(), inner.y() + inner.height() + 8);
    }
}

void ConnectionPanel::ComboBoxIncomungCallActionChange()
{
    ComboBoxIncomungCallAction->setToolTip(ComboBoxIncomungCallAction->currentText());
}

int ConnectionPanel::voiceSourceTag(const QString& name)
{
    static const struct {
        const char* name;
        int tag;
    } tags[] = {
        {"CheckBoxMaskDArm", 1},      {"CheckBoxMaskDDisarm", 2},  {"CheckBoxMaskCRestrictedArm", 3},
        {"CheckBoxMaskDArm2", 5},     {"CheckBoxMaskDDisarm2", 6}, {"CheckBoxMaskDArm3", 7},
        {"CheckBoxMaskDDisarm3", 8},  {"CheckBoxMaskDArm4", 9},    {"CheckBoxMaskDDisarm4", 10},
        {"CheckBoxMaskDGPS", 0},
    };
    for (const auto& t : tags)
        if (name == QLatin1String(t.name))
            return t.tag;
    return 4; // inputs, system events, test messages
}

namespace {
void untickOtherGroups(const SourceBoxes& boxes, int keepTag)
{
    for (const auto* list : {&boxes.inputs, &boxes.others})
        for (QCheckBox* b : *list)
            if (ConnectionPanel::voiceSourceTag(b->objectName()) != keepTag)
                b->setCheckState(Qt::Unchecked);
}
} // namespace

void ConnectionPanel::voiceSourceClicked(QCheckBox* box)
{
    if (ComboBoxConnectionType->currentIndex() != kPbVoiceType)
        return;
    untickOtherGroups(voiceSources, voiceSourceTag(box->objectName()));
}

void ConnectionPanel::ComboBoxConnectionTypeChange()
{
    if (ComboBoxConnectionType->currentIndex() != kPbVoiceType)
        return;
    for (const char* name : kVoiceGroupOrder) {
        QCheckBox* b = voiceSources.find(QString::fromLatin1(name));
        if (b && b->checkState() != Qt::Unchecked) {
            untickOtherGroups(voiceSources, voiceSourceTag(b->objectName()));
            break;
        }
    }
    CheckBoxNotACK->setChecked(true);
}

void ConnectionPanel::unpack(const DeviceImage& image, int page)
{
    const int n = recordOfPage(page);
    if (n < 1 || n > 8)
        return;
    const FieldDef& phone = fieldOf("MaskEditPhone");
    MaskEditPhone->setText(image.text(phone.recordOffset(n), phone.width));
    for (QComboBox* c : {ComboBoxTransportPriority, ComboBoxGroupNum, ComboBoxDialTranspWaitTime,
                         ComboBoxIncomungCallAction, ComboBoxICToOUOutN, ComboBoxICToOUScnN, ComboBoxOnLineTime,
                         ComboBoxConnectionType, ComboBoxSMSTranspWaitTime, ComboBoxLang, ComboBoxUserId})
        unpackCombo(image, c, n);
    for (QCheckBox* c : {CheckBoxThroughChannelEn, CheckBoxNotACK, CheckBoxCallEn, CheckBoxDebugMode, CheckBoxSMSEn,
                         CheckBoxJointUse})
        unpackFlag(image, c, n);
    unpackSources(image, voiceSources, n);
    unpackSources(image, smsSources, n);
    ComboBoxIncomungCallActionChange();
}

void ConnectionPanel::pack(DeviceImage& image, int page)
{
    const int n = recordOfPage(page);
    if (n < 1 || n > 8)
        return;
    const FieldDef& phone = fieldOf("MaskEditPhone");
    image.setText(phone.recordOffset(n), phone.width, trimControl(MaskEditPhone->displayText()));
    RemoveSpaces(image, phone.recordOffset(n), phone.width);
    for (QComboBox* c : {ComboBoxTransportPriority, ComboBoxGroupNum, ComboBoxDialTranspWaitTime,
                         ComboBoxIncomungCallAction, ComboBoxICToOUOutN, ComboBoxICToOUScnN, ComboBoxOnLineTime,
                         ComboBoxConnectionType, ComboBoxSMSTranspWaitTime, ComboBoxLang, ComboBoxUserId})
        packCombo(image, c, n);
    for (QCheckBox* c : {CheckBoxThroughChannelEn, CheckBoxNotACK, CheckBoxCallEn, CheckBoxDebugMode, CheckBoxSMSEn,
                         CheckBoxJointUse})
        packFlag(image, c, n);
    packSources(image, voiceSources, n);
    packSources(image, smsSources, n);
}

} // namespace zel
