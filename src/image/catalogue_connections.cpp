// Fields of pages 1 to 13: general connection parameters (page 1), the eight
// connection records (pages 2-9), the shared GPRS parameters (page 10) and the
// three server records (pages 11-13).

#include "image/field_catalogue.h"

namespace zel {

namespace {

constexpr int kConnectionOffset = 68; // connection n at 32 + 36 * n
constexpr int kConnectionStride = 36;
constexpr int kConnectionCount = 8;
constexpr int kConnectionFirstPage = 2;
constexpr int kConnectionLastPage = 9;

constexpr int kServerOffset = 2940; // server s at 2896 + 44 * s
constexpr int kServerStride = 44;
constexpr int kServerCount = 3;
constexpr int kServerFirstPage = 11;
constexpr int kServerLastPage = 13;

constexpr int kGprsPage = 10;

constexpr const char* kVoiceInputBoxes[14] = {
    "CheckBoxMaskDInput1",  "CheckBoxMaskDInput2",  "CheckBoxMaskDInput3",  "CheckBoxMaskDInput4",
    "CheckBoxMaskDInput5",  "CheckBoxMaskDInput6",  "CheckBoxMaskDInput7",  "CheckBoxMaskDInput8",
    "CheckBoxMaskDInput9",  "CheckBoxMaskDInput10", "CheckBoxMaskDInput11", "CheckBoxMaskDInput12",
    "CheckBoxMaskDInput13", "CheckBoxMaskDInput14"};
constexpr const char* kSmsInputBoxes[14] = {
    "CheckBoxMaskSInput1",  "CheckBoxMaskSInput2",  "CheckBoxMaskSInput3",  "CheckBoxMaskSInput4",
    "CheckBoxMaskSInput5",  "CheckBoxMaskSInput6",  "CheckBoxMaskSInput7",  "CheckBoxMaskSInput8",
    "CheckBoxMaskSInput9",  "CheckBoxMaskSInput10", "CheckBoxMaskSInput11", "CheckBoxMaskSInput12",
    "CheckBoxMaskSInput13", "CheckBoxMaskSInput14"};
constexpr const char* kGprsInputBoxes[14] = {
    "CheckBoxMaskGInput1",  "CheckBoxMaskGInput2",  "CheckBoxMaskGInput3",  "CheckBoxMaskGInput4",
    "CheckBoxMaskGInput5",  "CheckBoxMaskGInput6",  "CheckBoxMaskGInput7",  "CheckBoxMaskGInput8",
    "CheckBoxMaskGInput9",  "CheckBoxMaskGInput10", "CheckBoxMaskGInput11", "CheckBoxMaskGInput12",
    "CheckBoxMaskGInput13", "CheckBoxMaskGInput14"};

// Guard mode 1-4 in bits 0-3 and observation mode 1-4 in bits 4-7 of one byte.
constexpr const char* kVoiceModeBoxes[8] = {
    "CheckBoxMaskDArm",    "CheckBoxMaskDArm2",    "CheckBoxMaskDArm3",    "CheckBoxMaskDArm4",
    "CheckBoxMaskDDisarm", "CheckBoxMaskDDisarm2", "CheckBoxMaskDDisarm3", "CheckBoxMaskDDisarm4"};
constexpr const char* kSmsModeBoxes[8] = {
    "CheckBoxMaskSArm",    "CheckBoxMaskSArm2",    "CheckBoxMaskSArm3",    "CheckBoxMaskSArm4",
    "CheckBoxMaskSDisarm", "CheckBoxMaskSDisarm2", "CheckBoxMaskSDisarm3", "CheckBoxMaskSDisarm4"};
constexpr const char* kGprsModeBoxes[8] = {
    "CheckBoxMaskGArm",    "CheckBoxMaskGArm2",    "CheckBoxMaskGArm3",    "CheckBoxMaskGArm4",
    "CheckBoxMaskGDisarm", "CheckBoxMaskGDisarm2", "CheckBoxMaskGDisarm3", "CheckBoxMaskGDisarm4"};

// Where a group of record fields lives: one record, or one per connection or server.
struct Placement {
    int stride = 0;
    int count = 1;
    int firstPage = -1;
    int lastPage = -1;
};

const Placement kConnections{kConnectionStride, kConnectionCount, kConnectionFirstPage, kConnectionLastPage};
const Placement kGprsPageOnly{0, 1, kGprsPage, -1};

FieldDef placed(FieldDef f, const Placement& p)
{
    f.stride = p.stride;
    f.count = p.count;
    f.firstPage = p.firstPage;
    f.lastPage = p.lastPage;
    return f;
}

// Input sources 1-14 as three-state boxes: one bit per input in a selected mask and
// the same bit in a ticked mask. The boxes of inputs 15 and 16 stay unticked, so
// bits 14-15 of both masks are always written 0; they are declared as their own
// fields so that packing the page clears them.
void addInputSources(std::vector<FieldDef>& out, const char* const (&boxes)[14], int selected, int ticked,
                     const char* selectedSpare, const char* tickedSpare, const Placement& p)
{
    for (int i = 0; i < 14; ++i)
        out.push_back(placed({.name = boxes[i],
                              .offset = selected,
                              .kind = FieldKind::TriState,
                              .bitLow = i,
                              .offset2 = ticked,
                              .factory = {0}},
                             p));
    out.push_back(placed({.name = selectedSpare, .offset = selected, .kind = FieldKind::Bits, .bitLow = 14,
                          .bitCount = 2, .factory = {0}},
                         p));
    out.push_back(placed({.name = tickedSpare, .offset = ticked, .kind = FieldKind::Bits, .bitLow = 14,
                          .bitCount = 2, .factory = {0}},
                         p));
}

void addModeSources(std::vector<FieldDef>& out, const char* const (&boxes)[8], int offset, const Placement& p)
{
    for (int i = 0; i < 8; ++i)
        out.push_back(placed(
            {.name = boxes[i], .offset = offset, .kind = FieldKind::Bits, .bitLow = i, .bitCount = 1, .factory = {0}},
            p));
}

FieldDef flag(const char* name, int offset, int bit, const Placement& p, double factory = 0)
{
    return placed({.name = name, .offset = offset, .kind = FieldKind::Bits, .bitLow = bit, .bitCount = 1,
                   .factory = {factory}},
                  p);
}

std::vector<FieldDef> generalFields()
{
    return {
        // Byte 12: pauses, acknowledgements, who may control, dialling order.
        {.name = "ComboBoxCall2CallPauseX10S", .offset = 12, .kind = FieldKind::Bits, .bitLow = 0,
         .bitCount = 3, .factory = {1}, .firstPage = 1,
         .items = {"0", "10", "20", "30", "40", "50", "60", "70"}},
        {.name = "CheckBoxACK", .offset = 12, .kind = FieldKind::Bits, .bitLow = 3, .bitCount = 1,
         .factory = {1}, .firstPage = 1},
        {.name = "CheckBoxControlOnlyList", .offset = 12, .kind = FieldKind::Bits, .bitLow = 4, .bitCount = 1,
         .factory = {1}, .firstPage = 1},
        {.name = "CheckBoxDTMFControlOnlyList", .offset = 12, .kind = FieldKind::Bits, .bitLow = 5,
         .bitCount = 1, .factory = {1}, .firstPage = 1},
        {.name = "ComboBoxDialPriority", .offset = 12, .kind = FieldKind::Bits, .bitLow = 6, .bitCount = 2,
         .factory = {0}, .firstPage = 1,
         .items = {"Чередование от 1 до 8 по кольцу, без приоритета.",
                   "Приоритет у соединения с меньшим номером.",
                   "Приоритет у текущего соединения, до полной передачи.",
                   "Приоритет у текущего соединения, до первой неудачи."}},
        // Byte 13; bits 5-7 belong to no field.
        // Items built when the window is created: "---", then 2*i followed by " Min." for i = 1..15.
        {.name = "ComboBoxOutdatedMsgTime", .offset = 13, .kind = FieldKind::Bits, .bitLow = 0, .bitCount = 4,
         .factory = {15}, .firstPage = 1},
        {.name = "ComboBoxDATAProtocol", .offset = 13, .kind = FieldKind::Bits, .bitLow = 4, .bitCount = 1,
         .factory = {1}, .firstPage = 1, .items = {"V.32 (9600 bps)", "V.110 (9600 bps)"}},
        // Hidden on the page but packed and unpacked; 1-247.
        {.name = "EditModBusAddress", .offset = 14, .kind = FieldKind::U8, .factory = {1}, .firstPage = 1},

        {.name = "MaskEditSysPassword", .offset = 20, .kind = FieldKind::Text, .width = 9, .firstPage = 1},
        {.name = "MaskEditPIN", .offset = 29, .kind = FieldKind::Text, .width = 9, .firstPage = 1},
        {.name = "MaskEditDTMFPass", .offset = 38, .kind = FieldKind::Text, .width = 5,
         .factoryText = {"5790"}, .firstPage = 1},
        {.name = "MaskEditPassword", .offset = 43, .kind = FieldKind::Text, .width = 9,
         .factoryText = {"kiwi"}, .firstPage = 1},
        // Stored without blanks (RemoveSpaces after packing).
        {.name = "MaskEditSMSCA", .offset = 52, .kind = FieldKind::Text, .width = 16, .firstPage = 1},

        // Balance request.
        {.name = "MaskEditBalansReqCMD", .offset = 2820, .kind = FieldKind::Text, .width = 9, .firstPage = 1},
        // Trailing blanks are part of the keyword.
        {.name = "MaskEditBalansIdWord", .offset = 2829, .kind = FieldKind::Text, .width = 9, .firstPage = 1},
        {.name = "EditBalansMinVal", .offset = 2838, .kind = FieldKind::U16, .factory = {0}, .firstPage = 1},
        {.name = "EditReqPeriodH", .offset = 2840, .kind = FieldKind::U8, .factory = {0}, .firstPage = 1},
    };
}

std::vector<FieldDef> connectionRecordFields()
{
    const int base = kConnectionOffset;
    const Placement& p = kConnections;
    std::vector<FieldDef> v;

    // Stored without blanks (RemoveSpaces after packing).
    v.push_back(placed({.name = "MaskEditPhone", .offset = base, .kind = FieldKind::Text, .width = 16}, p));

    // Byte 16; bits 6-7 belong to no field. Connection n starts in group n.
    v.push_back(placed({.name = "ComboBoxTransportPriority", .offset = base + 16, .kind = FieldKind::Bits,
                        .bitLow = 0, .bitCount = 2, .factory = {0},
                        .items = {"Голосовое и SMS оповещения равнозначны",
                                  "Посылать SMS только если не доставлено голосовое оповещ.",
                                  "Голосовое оповещение только если не отправлено SMS"}},
                       p));
    v.push_back(placed({.name = "ComboBoxGroupNum", .offset = base + 16, .kind = FieldKind::Bits, .bitLow = 2,
                        .bitCount = 4, .factory = {0, 1, 2, 3, 4, 5, 6, 7},
                        .items = {"1", "2", "3", "4", "5", "6", "7", "8"}},
                       p));

    // Byte 17; bit 7 belongs to no field.
    // Items built when the window is created: k + 1 followed by " Min." for k = 0..15.
    v.push_back(placed({.name = "ComboBoxDialTranspWaitTime", .offset = base + 17, .kind = FieldKind::Bits,
                        .bitLow = 0, .bitCount = 4, .factory = {9}},
                       p));
    v.push_back(placed({.name = "ComboBoxIncomungCallAction", .offset = base + 17, .kind = FieldKind::Bits,
                        .bitLow = 4, .bitCount = 2, .factory = {0},
                        .items = {"Принять и перейти в голосовое меню, с паролем (DTMF управление)",
                                  "Принять и перейти в голосовое меню, без пароля (DTMF управление)",
                                  "Отбить (DTMF управление невозможно)",
                                  "Отбить и изменить режим (ОХРАНА/НАБЛЮДЕНИЕ)"}},
                       p));
    v.push_back(flag("CheckBoxThroughChannelEn", base + 17, 6, p));

    // Byte 18: what an incoming call does to a relay or output.
    v.push_back(placed({.name = "ComboBoxICToOUOutN", .offset = base + 18, .kind = FieldKind::Bits,
                        .bitLow = 0, .bitCount = 3, .factory = {0},
                        .items = {"Реле 1 и Реле 2", "Реле 2", "Выход 1", "Выход 2", "Выход 3", "Выход 4",
                                  "Выход 5"}},
                       p));
    v.push_back(placed({.name = "ComboBoxICToOUScnN", .offset = base + 18, .kind = FieldKind::Bits,
                        .bitLow = 3, .bitCount = 5, .factory = {0},
                        .items = {"нет реакции", "включить", "выключить", "сценарий 1", "сценарий 2",
                                  "сценарий 3", "сценарий 4", "сценарий 5", "сценарий 6", "сценарий 7",
                                  "сценарий 8", "сценарий 9", "сценарий 10", "сценарий 11", "сценарий 12",
                                  "сценарий 13", "сценарий 14", "вкл. на время соединения"}},
                       p));

    // Byte 19: voice notification.
    v.push_back(flag("CheckBoxNotACK", base + 19, 0, p));
    v.push_back(flag("CheckBoxCallEn", base + 19, 1, p));
    // Items built when the window is created: "По длине сообщения", "Задается DTMF упр.",
    // then k followed by " Sec." for k = 2..61.
    v.push_back(placed({.name = "ComboBoxOnLineTime", .offset = base + 19, .kind = FieldKind::Bits, .bitLow = 2,
                        .bitCount = 6, .factory = {0}},
                       p));

    // Byte 20; bits 2-7 and byte 21 belong to no field.
    v.push_back(placed({.name = "ComboBoxConnectionType", .offset = base + 20, .kind = FieldKind::Bits,
                        .bitLow = 0, .bitCount = 2, .factory = {0},
                        .items = {"Голосовое", "PatrolBeacon", "Голосовое PB"}},
                       p));

    // Voice sources.
    addInputSources(v, kVoiceInputBoxes, base + 22, base + 24, "ConnectionVoiceSelectedInputs15To16",
                    "ConnectionVoiceTickedInputs15To16", p);
    addModeSources(v, kVoiceModeBoxes, base + 26, p);
    v.push_back(flag("CheckBoxMaskCRestrictedArm", base + 27, 0, p));
    v.push_back(flag("CheckBoxMaskDPower", base + 27, 1, p));
    v.push_back(flag("CheckBoxMaskDTest", base + 27, 2, p));
    v.push_back(flag("CheckBoxMaskDGPS", base + 27, 3, p));

    // Byte 28; bits 4-7 belong to no field.
    // Items built when the window is created: k + 1 followed by " Min." for k = 0..15.
    v.push_back(placed({.name = "ComboBoxSMSTranspWaitTime", .offset = base + 28, .kind = FieldKind::Bits,
                        .bitLow = 0, .bitCount = 4, .factory = {9}},
                       p));

    // Byte 29: SMS notification; bits 6-7 belong to no field.
    v.push_back(placed({.name = "ComboBoxLang", .offset = base + 29, .kind = FieldKind::Bits, .bitLow = 0,
                        .bitCount = 2, .factory = {1},
                        .items = {"Английский", "Русский", "PatrolBeacon", "Orbilo"}},
                       p));
    v.push_back(placed({.name = "ComboBoxUserId", .offset = base + 29, .kind = FieldKind::Bits, .bitLow = 2,
                        .bitCount = 1, .factory = {1}, .items = {"Код ключа TouchMem", "Имя пользователя"}},
                       p));
    v.push_back(flag("CheckBoxDebugMode", base + 29, 3, p));
    v.push_back(flag("CheckBoxSMSEn", base + 29, 4, p));
    v.push_back(flag("CheckBoxJointUse", base + 29, 5, p));

    // SMS sources.
    addInputSources(v, kSmsInputBoxes, base + 30, base + 32, "ConnectionSmsSelectedInputs15To16",
                    "ConnectionSmsTickedInputs15To16", p);
    addModeSources(v, kSmsModeBoxes, base + 34, p);
    v.push_back(flag("CheckBoxMaskSRestrictedArm", base + 35, 0, p));
    v.push_back(flag("CheckBoxMaskSPower", base + 35, 1, p));
    v.push_back(flag("CheckBoxMaskSTest", base + 35, 2, p));
    v.push_back(flag("CheckBoxMaskSGPS", base + 35, 3, p));
    v.push_back(flag("CheckBoxMaskSProfile", base + 35, 4, p));
    return v;
}

std::vector<FieldDef> gprsSharedFields()
{
    const Placement& p = kGprsPageOnly;
    std::vector<FieldDef> v;

    // The factory access point is the public internet APN of the operator "МТС".
    v.push_back(placed({.name = "EditAPN", .offset = 2852, .kind = FieldKind::Text, .width = 33,
                        .factoryText = {"internet.mts.ru"}},
                       p));
    v.push_back(placed({.name = "EditGPRSUserName", .offset = 2885, .kind = FieldKind::Text, .width = 17,
                        .factoryText = {"mts"}},
                       p));
    v.push_back(placed({.name = "EditGPRSPassword", .offset = 2902, .kind = FieldKind::Text, .width = 18,
                        .factoryText = {"qxv"}},
                       p));
    v.push_back(placed({.name = "MaskEditDNS1", .offset = 2920, .kind = FieldKind::IPv4,
                        .factoryText = {"0.0.0.0"}},
                       p));
    v.push_back(placed({.name = "MaskEditDNS2", .offset = 2924, .kind = FieldKind::IPv4,
                        .factoryText = {"0.0.0.0"}},
                       p));

    // Event sources reported over GPRS. Byte 2933 bits 3 and 5-7 belong to no field.
    addInputSources(v, kGprsInputBoxes, 2928, 2930, "GprsSelectedInputs15To16", "GprsTickedInputs15To16", p);
    addModeSources(v, kGprsModeBoxes, 2932, p);
    v.push_back(flag("CheckBoxMaskGRestrictedArm", 2933, 0, p));
    v.push_back(flag("CheckBoxMaskGPwrBlcTermo", 2933, 1, p));
    v.push_back(flag("CheckBoxMaskGTest", 2933, 2, p));
    v.push_back(flag("CheckBoxMaskGProfile", 2933, 4, p));

    // Connection timing, 2934-2937 (restored together by "Значения по умолчанию").
    // The strategy list and MaskEditConnectingPeriod_x5m share this byte, which holds the
    // period rather than an item index: 255 selects "Всегда подключен к серверу", 0 selects
    // "Подключаться по событию", 1-252 selects "Подключаться периодически или по событию"
    // with a period of value x 5 minutes.
    v.push_back(placed({.name = "ComboBoxGPRSConnectionStrategy", .offset = 2934, .kind = FieldKind::U8,
                        .factory = {255}},
                       p));
    // Stores item index + 1.
    v.push_back(placed({.name = "ComboBoxConnectingTryNum", .offset = 2935, .kind = FieldKind::Bits,
                        .bitLow = 0, .bitCount = 3, .factory = {3},
                        .items = {"1", "2", "3", "4", "5", "6", "7"}},
                       p));
    // Stores item index + 1 (minutes). Items rebuilt on every entry to the page:
    // k + 1 followed by " Мин." for k = 0..29.
    v.push_back(placed({.name = "ComboBoxPingPeriod_min", .offset = 2935, .kind = FieldKind::Bits, .bitLow = 3,
                        .bitCount = 5, .factory = {3}},
                       p));
    // Steps of 5 minutes, 1-252.
    v.push_back(placed({.name = "MaskEditBlockTimeAtConnFault_min", .offset = 2936, .kind = FieldKind::U8,
                        .factory = {3}},
                       p));
    // Item index = minutes. Items rebuilt on every entry to the page: k followed by
    // " Мин." for k = 0..30. Bits 5-7 belong to no field.
    v.push_back(placed({.name = "ComboBoxOnlineTime_min", .offset = 2937, .kind = FieldKind::Bits, .bitLow = 0,
                        .bitCount = 5, .factory = {3}},
                       p));

    // One setting kept in byte 40 of every server record: the page reads server 1's copy
    // and writes all three. Items built when the window is created: k + 1 followed by
    // " Мин." for k = 0..15.
    const char* waitCopies[kServerCount] = {"ComboBoxGPRSTranspWaitTime", "ComboBoxGPRSTranspWaitTimeCopy2",
                                            "ComboBoxGPRSTranspWaitTimeCopy3"};
    for (int s = 0; s < kServerCount; ++s)
        v.push_back(placed({.name = waitCopies[s], .offset = kServerOffset + kServerStride * s + 40,
                            .kind = FieldKind::Bits, .bitLow = 4, .bitCount = 4, .factory = {9}},
                           p));
    return v;
}

std::vector<FieldDef> serverRecordFields()
{
    const int base = kServerOffset;
    const Placement p{kServerStride, kServerCount, kServerFirstPage, kServerLastPage};
    return {
        // Address type 1: a domain name of up to 33 characters. Address type 0: an IPv4
        // address in bytes 0-3 (reversed byte order); bytes 4-33 then keep their value.
        placed({.name = "MaskEditServerIPAddr", .offset = base, .kind = FieldKind::Text, .width = 34}, p),
        // Bytes 34-35 belong to no field.
        placed({.name = "MaskEditServerPort", .offset = base + 36, .kind = FieldKind::U16, .factory = {0}}, p),
        // Byte 38 bits 1-7 and byte 39 belong to no field.
        placed({.name = "ComboBoxDestType", .offset = base + 38, .kind = FieldKind::Bits, .bitLow = 0,
                .bitCount = 1, .factory = {0}, .items = {"IP адрес", "Доменное имя (требуется DNS)"}},
               p),
        // Byte 40 bits 1-3 belong to no field; bits 4-7 are the shared GPRS wait time
        // (declared with page 10). Bytes 41-43 belong to no field.
        flag("CheckBoxServerEn", base + 40, 0, p),
    };
}

} // namespace

std::vector<FieldDef> connectionFields()
{
    std::vector<FieldDef> all;
    for (auto group : {generalFields(), connectionRecordFields(), gprsSharedFields(), serverRecordFields()})
        all.insert(all.end(), group.begin(), group.end());
    return all;
}

} // namespace zel
