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
            5,
            62,
            {{{"CheckBoxMaskDArm", "ОХРАНА", 78},
              {"CheckBoxMaskDDisarm", "НАБЛЮДЕНИЕ", 114},
              {"CheckBoxMaskCRestrictedArm", "ЗАЩИТА", 80}},
             {{"CheckBoxMaskDPower", "Системные события", 148}, {"CheckBoxMaskDGPS", "GPS", 0}},
             {{"CheckBoxMaskDTest", "Тестовое / инфо. сообщения", 196}}}};
}

SourceLayout smsLayout()
{
    return {'S',
            5,
            62,
            {{{"CheckBoxMaskSArm", "ОХРАНА", 78},
              {"CheckBoxMaskSDisarm", "НАБЛЮДЕНИЕ", 114},
              {"CheckBoxMaskSRestrictedArm", "ЗАЩИТА", 80}},
             {{"CheckBoxMaskSPower", "Системные события", 148}, {"CheckBoxMaskSProfile", "Профиль", 84}},
             {{"CheckBoxMaskSTest", "Тестовое / инфо. сообщения", 196}, {"CheckBoxMaskSGPS", "GPS", 0}}}};
}

} // namespace

ConnectionPanel::ConnectionPanel(QWidget* parent)
    : SectionPanel(QStringLiteral("Panel5"), QStringLiteral("Label74"), parent)
{
    makeLabel(this, "Label75", "Номер телефона", 8, 35, 104);
    MaskEditPhone = makeEdit(this, "MaskEditPhone", 114, 32, 130, "#00000000000000; ");
    makeLabel(this, "LabelGroupNum", "Группа", 256, 35, 50);
    ComboBoxGroupNum = makeCombo(this, "ComboBoxGroupNum", 308, 32, 56, catalogueItems("ComboBoxGroupNum"));
    LabelConnType = makeLabel(this, "Label161", "Тип соединения", 380, 35, 110);
    ComboBoxConnectionType =
        makeCombo(this, "ComboBoxConnectionType", 494, 32, 150, catalogueItems("ComboBoxConnectionType"));

    Label85 = makeLabel(this, "Label85", "Приоритет оповещения", 8, 61, 150);
    ComboBoxTransportPriority =
        makeCombo(this, "ComboBoxTransportPriority", 162, 58, 430, catalogueItems("ComboBoxTransportPriority"));

    makeLabel(this, "Label32", "Входящий вызов", 8, 87, 150);
    ComboBoxIncomungCallAction =
        makeCombo(this, "ComboBoxIncomungCallAction", 162, 84, 538, catalogueItems("ComboBoxIncomungCallAction"));

    GroupBoxInCallToOutsAction = makeGroup(this, "GroupBoxInCallToOutsAction",
                                           " Действие на выход при входящем вызове ", 8, 110, 474, 48);
    makeLabel(GroupBoxInCallToOutsAction, "LabelICToOUOutN", "Выход", 8, 23, 44);
    ComboBoxICToOUOutN = makeCombo(GroupBoxInCallToOutsAction, "ComboBoxICToOUOutN", 54, 20, 140,
                                   catalogueItems("ComboBoxICToOUOutN"));
    makeLabel(GroupBoxInCallToOutsAction, "LabelICToOUScnN", "Действие", 202, 23, 62);
    ComboBoxICToOUScnN = makeCombo(GroupBoxInCallToOutsAction, "ComboBoxICToOUScnN", 266, 20, 200,
                                   catalogueItems("ComboBoxICToOUScnN").mid(0, kDesignScenarioItems));
    CheckBoxThroughChannelEn =
        makeCheck(this, "CheckBoxThroughChannelEn", "CSD вызов - сквозной канал", 490, 126, 210);

    // Voice notification.
    GroupBoxVoice = makeGroup(this, "GroupBoxVoice", kVoiceCaption, 8, 162, 344, 300);
    CheckBoxCallEn = makeCheck(GroupBoxVoice, "CheckBoxCallEn", "Разрешено", 8, 18, 120);
    CheckBoxNotACK = makeCheck(GroupBoxVoice, "CheckBoxNotACK", "Отбой вызова без соединения считать доставкой",
                               8, 42, 328);
    makeLabel(GroupBoxVoice, "Label81", "Длительность соединения", 8, 71, 160);
    ComboBoxOnLineTime = makeCombo(GroupBoxVoice, "ComboBoxOnLineTime", 170, 68, 166);
    makeLabel(GroupBoxVoice, "Label77", "Снять с передачи через", 8, 97, 160);
    ComboBoxDialTranspWaitTime = makeCombo(GroupBoxVoice, "ComboBoxDialTranspWaitTime", 170, 94, 90);
    voiceSources = buildSourceGroup(GroupBoxVoice, "GroupBoxVoiceEvents", 6, 120, 332, voiceLayout());

    // SMS notification.
    GroupBoxSMS = makeGroup(this, "GroupBoxSMS", " SMS ", 356, 162, 344, 300);
    CheckBoxSMSEn = makeCheck(GroupBoxSMS, "CheckBoxSMSEn", "Разрешено", 8, 18, 100);
    CheckBoxDebugMode = makeCheck(GroupBoxSMS, "CheckBoxDebugMode", "Проверять команды на ошибки", 112, 18, 224);
    CheckBoxJointUse = makeCheck(GroupBoxSMS, "CheckBoxJointUse", "Управление подчиненным контроллером", 8, 42, 328);
    CheckBoxJointUse->setVisible(false);
    LabelProtocolAlias = makeLabel(GroupBoxSMS, "LabelProtocolAlias", "Язык сообщений", 8, 45, 160);
    ComboBoxLang = makeCombo(GroupBoxSMS, "ComboBoxLang", 170, 42, 166, catalogueItems("ComboBoxLang").mid(0, 2));
    // The window appends the protocols that the form's design does not list.
    ComboBoxLang->addItems({QStringLiteral("PatrolBeacon"), QStringLiteral("Orbilo")});
    makeLabel(GroupBoxSMS, "Label67", "Пользователь указан как", 8, 71, 160);
    ComboBoxUserId = makeCombo(GroupBoxSMS, "ComboBoxUserId", 170, 68, 166, catalogueItems("ComboBoxUserId"));
    makeLabel(GroupBoxSMS, "Label78", "Снять с передачи через", 8, 97, 160);
    ComboBoxSMSTranspWaitTime = makeCombo(GroupBoxSMS, "ComboBoxSMSTranspWaitTime", 170, 94, 90);
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
