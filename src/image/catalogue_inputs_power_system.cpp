// Fields of the input pages (16 to 31), the power/temperature page (15) and the
// system parameters page (50).
#include "image/field_catalogue.h"

namespace zel {

namespace {

constexpr int kInputRecord1 = 360; // input record n starts at 268 + 92 * n
constexpr int kInputRecordSize = 92;
constexpr int kInputRecordCount = 16;
constexpr int kFirstInputPage = 18; // pages 18..31 show inputs 1..14; 15 and 16 have no page
constexpr int kLastInputPage = 31;

constexpr int kPerimeter1 = 3087; // perimeter p starts at 3036 + 51 * p
constexpr int kPerimeterSize = 51;
constexpr int kPerimeterCount = 4;
constexpr int kPerimeterNameWidth = 17;

constexpr int kKeyRecord1 = 3292; // key slot k (0..31) starts at 3292 + 32 * k
constexpr int kKeyRecordSize = 32;
constexpr int kKeyRecordCount = 32;

constexpr int kArmInPage = 16;
constexpr int kPowerPage = 15;
constexpr int kInputsGeneralPage = 17;
constexpr int kSystemPage = 50;

constexpr int kNameWidth = 17; // 16 characters + NUL

QStringList reactionItems()
{
    QStringList items{"нет реакции", "включить", "выключить"};
    for (int s = 1; s <= 14; ++s)
        items << QStringLiteral("сценарий %1").arg(s);
    return items;
}

QStringList outputItems()
{
    QStringList items{"Реле 1", "Реле 2"};
    for (int o = 1; o <= 5; ++o)
        items << QStringLiteral("Выход %1").arg(o);
    return items;
}

QStringList profileItems()
{
    QStringList items{"Не применять профиль"};
    for (int p = 1; p <= 8; ++p)
        items << QStringLiteral("Применить профиль %1").arg(p);
    return items;
}

// Items "<first>", "<first + step>", ... with the given suffix.
QStringList numberedItems(int first, int step, int count, const QString& suffix)
{
    QStringList items;
    for (int i = 0; i < count; ++i)
        items << QString::number(first + i * step) + suffix;
    return items;
}

QStringList nameSuggestions()
{
    return {"КОМНАТА", "ГОСТИНАЯ", "ПРИХОЖАЯ", "ОКНО", "ДВЕРЬ", "DOOR", "WINDOW", "HALL"};
}

QStringList stateSuggestions()
{
    return {"ДВИЖЕНИЕ", "ДЫМ", "АКТИВЕН", "ОТКРЫТА", "ЗАКРЫТА", "НОРМА", "ON",
            "OFF",      "OPEN", "CLOSE",  "MOVE",    "SMOKE",   "CLEAR"};
}

QStringList modeChangeItems()
{
    return {"не менять", "ОХРАНА", "НАБЛЮДЕНИЕ", "Противоположный"};
}

// A field of the input record, given with its offset inside the record; it repeats
// for all 16 records and record n is shown on page 17 + n.
FieldDef inputField(FieldDef f)
{
    f.offset += kInputRecord1;
    f.stride = kInputRecordSize;
    f.count = kInputRecordCount;
    f.firstPage = kFirstInputPage;
    f.lastPage = kLastInputPage;
    return f;
}

// Record bytes that no page touches; they only carry the controller's values.
FieldDef inputReserved(const char* name, int relOffset, int width)
{
    return {.name = name,
            .offset = kInputRecord1 + relOffset,
            .kind = FieldKind::Bytes,
            .width = width,
            .stride = kInputRecordSize,
            .count = kInputRecordCount,
            .factoryBytes = QByteArray(width, '\0')};
}

// Seven reaction bytes, relay 1, relay 2, outputs 1..5, one control each.
void appendReactionRow(std::vector<FieldDef>& v, const char* const (&names)[7], int offset,
                       int stride, int count, int firstPage, int lastPage)
{
    for (int i = 0; i < 7; ++i)
        v.push_back({.name = names[i],
                     .offset = offset + i,
                     .kind = FieldKind::U8,
                     .stride = stride,
                     .count = count,
                     .factory = {0},
                     .firstPage = firstPage,
                     .lastPage = lastPage,
                     .items = reactionItems()});
}

// One byte: bits 0-2 the output index, bits 3-7 its reaction (acts only when not 0).
void appendOutputReactionPair(std::vector<FieldDef>& v, const char* outName, const char* reactionName,
                              int offset)
{
    v.push_back({.name = outName,
                 .offset = offset,
                 .kind = FieldKind::Bits,
                 .bitLow = 0,
                 .bitCount = 3,
                 .factory = {0},
                 .firstPage = kPowerPage,
                 .items = outputItems()});
    v.push_back({.name = reactionName,
                 .offset = offset,
                 .kind = FieldKind::Bits,
                 .bitLow = 3,
                 .bitCount = 5,
                 .factory = {0},
                 .firstPage = kPowerPage,
                 .items = reactionItems()});
}

void appendInputsGeneral(std::vector<FieldDef>& v)
{
    v.push_back({.name = "ComboBoxPortPwrSensAllOn",
                 .offset = 356,
                 .kind = FieldKind::Bits,
                 .bitLow = 0,
                 .bitCount = 1,
                 .factory = {1},
                 .firstPage = kInputsGeneralPage,
                 .items = {"Зависит от режима (Охрана - включен, Наблюдение - выключен)",
                           "Питание всегда подано"}});
    // 10 s * (index + 1).
    v.push_back({.name = "ComboBoxLoopPwrResetTime",
                 .offset = 356,
                 .kind = FieldKind::Bits,
                 .bitLow = 1,
                 .bitCount = 3,
                 .factory = {3},
                 .firstPage = kInputsGeneralPage,
                 .items = numberedItems(10, 10, 8, "  Sec.")});
    // 10 s * index.
    v.push_back({.name = "ComboBoxNoScaningTimeAftArm",
                 .offset = 356,
                 .kind = FieldKind::Bits,
                 .bitLow = 4,
                 .bitCount = 4,
                 .factory = {0},
                 .firstPage = kInputsGeneralPage,
                 .items = numberedItems(0, 10, 16, "  Sec.")});
    // 15 s * index; bits 3-7 of 357 belong to no control and travel unchanged.
    v.push_back({.name = "ComboBoxNoScaningTimeAftReset",
                 .offset = 357,
                 .kind = FieldKind::Bits,
                 .bitLow = 0,
                 .bitCount = 3,
                 .factory = {0},
                 .firstPage = kInputsGeneralPage,
                 .items = {"0 Sec.", "15 Sec.", "30  Sec.", "45  Sec.", "60  Sec.", "75  Sec.",
                           "90  Sec.", "105  Sec."}});
}

void appendInputRecords(std::vector<FieldDef>& v)
{
    std::vector<QString> names;
    for (int n = 1; n <= kInputRecordCount; ++n)
        names.push_back(QStringLiteral("ВХОД%1").arg(n));

    v.push_back(inputField({.name = "ComboBoxSensName",
                            .offset = 0,
                            .kind = FieldKind::Text,
                            .width = kNameWidth,
                            .factoryText = names,
                            .items = nameSuggestions()}));
    v.push_back(inputField({.name = "ComboBoxSensActSt",
                            .offset = 17,
                            .kind = FieldKind::Text,
                            .width = kNameWidth,
                            .factoryText = {"АКТИВЕН"},
                            .items = stateSuggestions()}));
    v.push_back(inputField({.name = "ComboBoxSensPassSt",
                            .offset = 34,
                            .kind = FieldKind::Text,
                            .width = kNameWidth,
                            .factoryText = {"НЕАКТИВЕН"},
                            .items = stateSuggestions()}));
    v.push_back(inputReserved("InputRecordReserved51", 51, 1));

    v.push_back(inputField({.name = "ComboBoxAverageTime",
                            .offset = 52,
                            .kind = FieldKind::Bits,
                            .bitLow = 0,
                            .bitCount = 4,
                            .factory = {2},
                            .items = {"60 mSec.", "120 mSec.", "240 mSec.", "360 mSec.", "480 mSec.",
                                      "660 mSec.", "840 mSec.", "1 Sec.", "2 Sec.", "3 Sec.", "4 Sec.",
                                      "6 Sec.", "8 Sec.", "10 Sec.", "12 Sec.", "15 Sec."}}));
    v.push_back(inputField({.name = "ComboBoxSensActLevel",
                            .offset = 52,
                            .kind = FieldKind::Bits,
                            .bitLow = 4,
                            .bitCount = 3,
                            .factory = {2},
                            .items = {"Низкий (Uвх. <= Нижн. гр.) или высокий (Uвх. >= Верхн. гр.)",
                                      "Низкий (Uвх. <= Нижн. гр.)",
                                      "Свободный (Нижн. гр. <= Uвх. <= Верхн. гр.)",
                                      "Высокий (Uвх. >= Верхн. гр.)",
                                      "Низкий гистерезисный (Uвх. <= Нижн. гр.)",
                                      "Высокий гистерезисный (Uвх. >= Верхн. гр.)"}}));
    v.push_back(inputField({.name = "CheckBox24HZone",
                            .offset = 52,
                            .kind = FieldKind::Bits,
                            .bitLow = 7,
                            .bitCount = 1,
                            .factory = {0}}));
    // Minutes 0..63; the edit EditRecoveryTime shows the same value. Bits 6-7 unused.
    v.push_back(inputField({.name = "UpDownRecoveryTime",
                            .offset = 53,
                            .kind = FieldKind::Bits,
                            .bitLow = 0,
                            .bitCount = 6,
                            .factory = {0}}));
    // 5 s * index.
    v.push_back(inputField({.name = "ComboBoxDelayTime",
                            .offset = 54,
                            .kind = FieldKind::Bits,
                            .bitLow = 0,
                            .bitCount = 6,
                            .factory = {0},
                            .items = numberedItems(0, 5, 64, " Sec.")}));
    v.push_back(inputField({.name = "ComboBoxReleToAlarm",
                            .offset = 54,
                            .kind = FieldKind::Bits,
                            .bitLow = 6,
                            .bitCount = 2,
                            .factory = {1},
                            .items = {"напрямую, сигналом на входе",
                                      "тревожным событием, с учетом блокировки",
                                      "тревожным событием, без учета блокировки"}}));
    // Bit 0 of byte 55 belongs to the Arm In page (CheckBoxRestrArmMode1..14); bits 4-7 unused.
    v.push_back(inputField({.name = "ComboBoxSensType",
                            .offset = 55,
                            .kind = FieldKind::Bits,
                            .bitLow = 1,
                            .bitCount = 3,
                            .factory = {1},
                            .items = {"Запрещен", "Дискретный", "Аналоговый", "Термодатчик ZAZ-02",
                                      "Термодатчик VAR-03"}}));
    v.push_back(inputReserved("InputRecordReserved56", 56, 2));
    // Raw readings 0..4095.
    v.push_back(inputField({.name = "TrackBarLoBarrier",
                            .offset = 58,
                            .kind = FieldKind::U16,
                            .factory = {1365}}));
    v.push_back(inputField({.name = "TrackBarHiBarrier",
                            .offset = 60,
                            .kind = FieldKind::U16,
                            .factory = {2730}}));
    v.push_back(inputField({.name = "ComboBoxActiveTriggerNum",
                            .offset = 62,
                            .kind = FieldKind::Bits,
                            .bitLow = 0,
                            .bitCount = 2,
                            .factory = {0},
                            .items = {"1", "2", "3", "4"}}));
    // Bit 3 of byte 62 is unused.
    v.push_back(inputField({.name = "CheckBoxNotArmingAsActive",
                            .offset = 62,
                            .kind = FieldKind::Bits,
                            .bitLow = 2,
                            .bitCount = 1,
                            .factory = {0}}));
    v.push_back(inputField({.name = "ComboBoxListenNum",
                            .offset = 62,
                            .kind = FieldKind::Bits,
                            .bitLow = 4,
                            .bitCount = 4,
                            .factory = {0},
                            .items = {" -", "1", "2", "3", "4", "5", "6", "7", "8"}}));
    // Bit 1 of byte 63 is unused.
    v.push_back(inputField({.name = "ComboBoxSensorPwrSource",
                            .offset = 63,
                            .kind = FieldKind::Bits,
                            .bitLow = 0,
                            .bitCount = 2,
                            .factory = {2},
                            .items = {"Порт питания датчиков (10VS)", "По шлейфу, со сбросом питания",
                                      "Другое"}}));
    v.push_back(inputField({.name = "ComboBoxAlarmTry",
                            .offset = 63,
                            .kind = FieldKind::Bits,
                            .bitLow = 2,
                            .bitCount = 2,
                            .factory = {0},
                            .items = {"без ограничения", "не более 1 раза", "не более 3 раз",
                                      "не более 7 раз"}}));
    v.push_back(inputField({.name = "ComboBoxActArmDisMode",
                            .offset = 63,
                            .kind = FieldKind::Bits,
                            .bitLow = 4,
                            .bitCount = 2,
                            .factory = {0},
                            .items = modeChangeItems()}));
    v.push_back(inputField({.name = "ComboBoxPassArmDisMode",
                            .offset = 63,
                            .kind = FieldKind::Bits,
                            .bitLow = 6,
                            .bitCount = 2,
                            .factory = {0},
                            .items = modeChangeItems()}));
    // 10 s * (index + 1).
    v.push_back(inputField({.name = "ComboBoxAlarmDelayTime",
                            .offset = 64,
                            .kind = FieldKind::Bits,
                            .bitLow = 0,
                            .bitCount = 4,
                            .factory = {0},
                            .items = numberedItems(10, 10, 16, " Сек.")}));
    // Bits 5-7 of byte 64 are unused.
    v.push_back(inputField({.name = "CheckBoxActiveToGPS",
                            .offset = 64,
                            .kind = FieldKind::Bits,
                            .bitLow = 4,
                            .bitCount = 1,
                            .factory = {0}}));
    v.push_back(inputReserved("InputRecordReserved65", 65, 3));
    // Values shown for raw readings 0 and 4095.
    v.push_back(inputField({.name = "MaskEditMinVal",
                            .offset = 68,
                            .kind = FieldKind::Float,
                            .factory = {0.0}}));
    v.push_back(inputField({.name = "MaskEditMaxVal",
                            .offset = 72,
                            .kind = FieldKind::Float,
                            .factory = {10.0}}));

    static const char* const kActive[7] = {"ComboBoxActRele1", "ComboBoxActRele2", "ComboBoxActRele3",
                                           "ComboBoxActRele4", "ComboBoxActRele5", "ComboBoxActRele6",
                                           "ComboBoxActRele7"};
    static const char* const kPassive[7] = {"ComboBoxPassRele1", "ComboBoxPassRele2",
                                            "ComboBoxPassRele3", "ComboBoxPassRele4",
                                            "ComboBoxPassRele5", "ComboBoxPassRele6",
                                            "ComboBoxPassRele7"};
    appendReactionRow(v, kActive, kInputRecord1 + 76, kInputRecordSize, kInputRecordCount,
                      kFirstInputPage, kLastInputPage);
    appendReactionRow(v, kPassive, kInputRecord1 + 83, kInputRecordSize, kInputRecordCount,
                      kFirstInputPage, kLastInputPage);
    v.push_back(inputReserved("InputRecordReserved90", 90, 2));
}

void appendArmIn(std::vector<FieldDef>& v)
{
    std::vector<QString> names;
    for (int p = 1; p <= kPerimeterCount; ++p)
        names.push_back(QStringLiteral("ПЕРИМЕТР%1").arg(p));
    v.push_back({.name = "PerimeterName",
                 .offset = kPerimeter1,
                 .kind = FieldKind::Text,
                 .width = kPerimeterNameWidth,
                 .stride = kPerimeterSize,
                 .count = kPerimeterCount,
                 .factoryText = names});
    // No page shows the settings of perimeters 2..4; they travel as they are.
    v.push_back({.name = "Perimeter2To4Settings",
                 .offset = kPerimeter1 + kPerimeterSize + kPerimeterNameWidth,
                 .kind = FieldKind::Bytes,
                 .width = kPerimeterSize - kPerimeterNameWidth,
                 .stride = kPerimeterSize,
                 .count = kPerimeterCount - 1,
                 .factoryBytes = QByteArray(kPerimeterSize - kPerimeterNameWidth, '\0')});

    // Settings of perimeter 1, whole bytes each.
    // Seconds 0..240; the edit EditDelayARM shows the same value.
    v.push_back({.name = "UpDownDelayARM",
                 .offset = 3104,
                 .kind = FieldKind::U8,
                 .factory = {0},
                 .firstPage = kArmInPage});
    v.push_back({.name = "ComboBoxArmInMode",
                 .offset = 3105,
                 .kind = FieldKind::U8,
                 .factory = {0},
                 .firstPage = kArmInPage,
                 .items = {"Смена режима ОХРАНА/НАБЛЮДЕНИЕ импульсом",
                           "Замыкание входа - ОХРАНА, размыкание - НАБЛЮДЕНИЕ",
                           "Смена режима ОХРАНА/НАБЛЮДЕНИЕ - TouchMemory",
                           "ОХРАНА/НАБЛЮД. - TM, ЗАЩИТА/НАБЛЮД. - импульс",
                           "ОХРАНА/НАБЛЮДЕНИЕ - TM, ОХРАНА - импульс"}});
    static const char* const kArm[7] = {"ComboBoxArmToRele1", "ComboBoxArmToRele2",
                                        "ComboBoxArmToRele3", "ComboBoxArmToRele4",
                                        "ComboBoxArmToRele5", "ComboBoxArmToRele6",
                                        "ComboBoxArmToRele7"};
    static const char* const kDisarm[7] = {"ComboBoxDisarmToRele1", "ComboBoxDisarmToRele2",
                                           "ComboBoxDisarmToRele3", "ComboBoxDisarmToRele4",
                                           "ComboBoxDisarmToRele5", "ComboBoxDisarmToRele6",
                                           "ComboBoxDisarmToRele7"};
    static const char* const kCountdown[7] = {"ComboBoxCDtoRele1", "ComboBoxCDtoRele2",
                                              "ComboBoxCDtoRele3", "ComboBoxCDtoRele4",
                                              "ComboBoxCDtoRele5", "ComboBoxCDtoRele6",
                                              "ComboBoxCDtoRele7"};
    static const char* const kProtected[7] = {"ComboBoxRAtoRele1", "ComboBoxRAtoRele2",
                                              "ComboBoxRAtoRele3", "ComboBoxRAtoRele4",
                                              "ComboBoxRAtoRele5", "ComboBoxRAtoRele6",
                                              "ComboBoxRAtoRele7"};
    appendReactionRow(v, kArm, 3106, 0, 1, kArmInPage, -1);
    appendReactionRow(v, kDisarm, 3113, 0, 1, kArmInPage, -1);
    appendReactionRow(v, kCountdown, 3120, 0, 1, kArmInPage, -1);
    appendReactionRow(v, kProtected, 3127, 0, 1, kArmInPage, -1);
    // The four profile lists are hidden on the page but still packed.
    static const char* const kProfiles[4] = {"ComboBoxArmToProfile", "ComboBoxDisarmToProfile",
                                             "ComboBoxCDtoProfile", "ComboBoxRAtoProfile"};
    for (int i = 0; i < 4; ++i)
        v.push_back({.name = kProfiles[i],
                     .offset = 3134 + i,
                     .kind = FieldKind::U8,
                     .factory = {0},
                     .firstPage = kArmInPage,
                     .items = profileItems()});

    // Protected-mode input set: bit 0 of byte 55 of input records 1..14, one check box
    // each. CheckBoxRestrArmMode15 and 16 stay hidden and map to nothing, so the bit
    // of records 15 and 16 gets a field of its own without a page.
    static const char* const kRestr[14] = {
        "CheckBoxRestrArmMode1",  "CheckBoxRestrArmMode2",  "CheckBoxRestrArmMode3",
        "CheckBoxRestrArmMode4",  "CheckBoxRestrArmMode5",  "CheckBoxRestrArmMode6",
        "CheckBoxRestrArmMode7",  "CheckBoxRestrArmMode8",  "CheckBoxRestrArmMode9",
        "CheckBoxRestrArmMode10", "CheckBoxRestrArmMode11", "CheckBoxRestrArmMode12",
        "CheckBoxRestrArmMode13", "CheckBoxRestrArmMode14"};
    for (int n = 1; n <= 14; ++n)
        v.push_back({.name = kRestr[n - 1],
                     .offset = kInputRecord1 + (n - 1) * kInputRecordSize + 55,
                     .kind = FieldKind::Bits,
                     .bitLow = 0,
                     .bitCount = 1,
                     .factory = {0},
                     .firstPage = kArmInPage});
    v.push_back({.name = "InputRecordProtectedMode",
                 .offset = kInputRecord1 + 14 * kInputRecordSize + 55,
                 .kind = FieldKind::Bits,
                 .bitLow = 0,
                 .bitCount = 1,
                 .stride = kInputRecordSize,
                 .count = 2,
                 .factory = {0}});

    // Touch-Memory key table, edited in the grid StringGrid1; slot k is grid row k + 1.
    // The key code is a 64-bit number stored most significant byte first; all zero
    // means an empty slot.
    v.push_back({.name = "StringGrid1KeyCode",
                 .offset = kKeyRecord1,
                 .kind = FieldKind::Bytes,
                 .width = 8,
                 .stride = kKeyRecordSize,
                 .count = kKeyRecordCount,
                 .factoryBytes = QByteArray(8, '\0'),
                 .firstPage = kArmInPage});
    v.push_back({.name = "StringGrid1UserName",
                 .offset = kKeyRecord1 + 8,
                 .kind = FieldKind::Text,
                 .width = kNameWidth,
                 .stride = kKeyRecordSize,
                 .count = kKeyRecordCount,
                 .factoryText = {QString()},
                 .firstPage = kArmInPage});
    // Bit 0: the key may select the armed mode (column " О"); bit 1: the disarmed mode
    // (column " Н"). Packing writes the whole byte, bits 2-7 as 0.
    v.push_back({.name = "StringGrid1ModeFlags",
                 .offset = kKeyRecord1 + 25,
                 .kind = FieldKind::U8,
                 .stride = kKeyRecordSize,
                 .count = kKeyRecordCount,
                 .factory = {0},
                 .firstPage = kArmInPage});
    // Profile 1..8, 0 = none; bits 4-7 of the byte are unused.
    v.push_back({.name = "StringGrid1Profile",
                 .offset = kKeyRecord1 + 26,
                 .kind = FieldKind::Bits,
                 .bitLow = 0,
                 .bitCount = 4,
                 .stride = kKeyRecordSize,
                 .count = kKeyRecordCount,
                 .factory = {0},
                 .firstPage = kArmInPage});
    v.push_back({.name = "KeyRecordReserved27",
                 .offset = kKeyRecord1 + 27,
                 .kind = FieldKind::Bytes,
                 .width = 5,
                 .stride = kKeyRecordSize,
                 .count = kKeyRecordCount,
                 .factoryBytes = QByteArray(5, '\0')});
}

void appendPowerTemperatureTamper(std::vector<FieldDef>& v)
{
    // Main power. Averaging time 2^(i+1) s.
    v.push_back({.name = "ComboBoxPowerSignAverTime",
                 .offset = 2808,
                 .kind = FieldKind::Bits,
                 .bitLow = 0,
                 .bitCount = 3,
                 .factory = {1},
                 .firstPage = kPowerPage,
                 .items = {"2 Sec.", "4 Sec.", "8 Sec.", "16 Sec.", "32 Sec.", "64 Sec.", "128 Sec.",
                           "256 Sec."}});
    v.push_back({.name = "CheckBoxExtPowerFault",
                 .offset = 2808,
                 .kind = FieldKind::Bits,
                 .bitLow = 3,
                 .bitCount = 1,
                 .factory = {1},
                 .firstPage = kPowerPage});
    // Messages at most once per 2^(i+1) minutes.
    v.push_back({.name = "ComboBoxRecoveryTime",
                 .offset = 2808,
                 .kind = FieldKind::Bits,
                 .bitLow = 4,
                 .bitCount = 3,
                 .factory = {4},
                 .firstPage = kPowerPage,
                 .items = {"2 Min.", "4 Min.", "8 Min.", "16 Min.", "32 Min.", "64 Min.", "128 Min.",
                           "256 Min."}});
    v.push_back({.name = "CheckBoxExtPowerRec",
                 .offset = 2808,
                 .kind = FieldKind::Bits,
                 .bitLow = 7,
                 .bitCount = 1,
                 .factory = {1},
                 .firstPage = kPowerPage});
    // Hidden control; bits 1-7 of 2809 are unused.
    v.push_back({.name = "CheckBoxAsFaultSendGPSPos",
                 .offset = 2809,
                 .kind = FieldKind::Bits,
                 .bitLow = 0,
                 .bitCount = 1,
                 .factory = {0},
                 .firstPage = kPowerPage});
    appendOutputReactionPair(v, "ComboBoxFltBrdArriveOut", "ComboBoxFltBrdArriveScn", 2810);
    appendOutputReactionPair(v, "ComboBoxFltBrdRecoveryOut", "ComboBoxFltBrdRecoveryScn", 2811);

    // Battery discharge borders, percent of charge; the vertical track bars show
    // position = 100 - value.
    v.push_back({.name = "TrackBarDischargeAlarm",
                 .offset = 2812,
                 .kind = FieldKind::Bits,
                 .bitLow = 0,
                 .bitCount = 7,
                 .factory = {20},
                 .firstPage = kPowerPage});
    v.push_back({.name = "CheckBoxBatteryDischargeAlarmEventEn",
                 .offset = 2812,
                 .kind = FieldKind::Bits,
                 .bitLow = 7,
                 .bitCount = 1,
                 .factory = {1},
                 .firstPage = kPowerPage});
    v.push_back({.name = "TrackBarDischargeWarn",
                 .offset = 2813,
                 .kind = FieldKind::Bits,
                 .bitLow = 0,
                 .bitCount = 7,
                 .factory = {40},
                 .firstPage = kPowerPage});
    v.push_back({.name = "CheckBoxBatteryDischargeWarnEventEn",
                 .offset = 2813,
                 .kind = FieldKind::Bits,
                 .bitLow = 7,
                 .bitCount = 1,
                 .factory = {1},
                 .firstPage = kPowerPage});
    // Hidden control; bits 1-7 of 2814 are unused.
    v.push_back({.name = "CheckBoxAsDischargeSendGPSPos",
                 .offset = 2814,
                 .kind = FieldKind::Bits,
                 .bitLow = 0,
                 .bitCount = 1,
                 .factory = {0},
                 .firstPage = kPowerPage});
    appendOutputReactionPair(v, "ComboBoxDischAlarmBrdArrOut", "ComboBoxDischAlarmBrdArrScn", 2815);
    appendOutputReactionPair(v, "ComboBoxDischWarnBrdArrOut", "ComboBoxDischWarnBrdArrScn", 2816);

    // Indication. The list is refilled on page entry with IndicationModeNames
    // entries 0, 1, 2 and 7 (language-dependent), so no items here.
    v.push_back({.name = "ComboBoxIndFunction",
                 .offset = 2817,
                 .kind = FieldKind::Bits,
                 .bitLow = 0,
                 .bitCount = 2,
                 .factory = {0},
                 .firstPage = kPowerPage});
    v.push_back({.name = "CheckBoxAlarmBlinking",
                 .offset = 2817,
                 .kind = FieldKind::Bits,
                 .bitLow = 2,
                 .bitCount = 1,
                 .factory = {1},
                 .firstPage = kPowerPage});
    // Bits 4-6 of 2817 are unused.
    v.push_back({.name = "CheckBoxDisableLedsAtCoverClose",
                 .offset = 2817,
                 .kind = FieldKind::Bits,
                 .bitLow = 3,
                 .bitCount = 1,
                 .factory = {0},
                 .firstPage = kPowerPage});
    v.push_back({.name = "CheckBoxShowActiveInsToArmOut",
                 .offset = 2817,
                 .kind = FieldKind::Bits,
                 .bitLow = 7,
                 .bitCount = 1,
                 .factory = {0},
                 .firstPage = kPowerPage});

    // Board temperature; bits 1-7 of 2842 are unused.
    v.push_back({.name = "CheckBoxTemperatureEvent",
                 .offset = 2842,
                 .kind = FieldKind::Bits,
                 .bitLow = 0,
                 .bitCount = 1,
                 .factory = {1},
                 .firstPage = kPowerPage});
    // Signed degrees, track bars -40..90.
    v.push_back({.name = "TrackBarTemperatLowBorder",
                 .offset = 2843,
                 .kind = FieldKind::S8,
                 .factory = {-25},
                 .firstPage = kPowerPage});
    v.push_back({.name = "TrackBarTemperatHiBorder",
                 .offset = 2844,
                 .kind = FieldKind::S8,
                 .factory = {60},
                 .firstPage = kPowerPage});
    // Signed degrees, stored as 89 - item index. The 129 items "89° C" down to
    // "-39° C" are built on page entry.
    v.push_back({.name = "ComboBoxLoBorderLevel",
                 .offset = 2845,
                 .kind = FieldKind::S8,
                 .factory = {-20},
                 .firstPage = kPowerPage});
    appendOutputReactionPair(v, "ComboBoxLoBorderOut", "ComboBoxLoBorderScn", 2846);
    v.push_back({.name = "ComboBoxHiBorderLevel",
                 .offset = 2847,
                 .kind = FieldKind::S8,
                 .factory = {-15},
                 .firstPage = kPowerPage});
    appendOutputReactionPair(v, "ComboBoxHiBorderOut", "ComboBoxHiBorderScn", 2848);

    // Tamper; bits 2-7 of 2849 are unused.
    v.push_back({.name = "CheckBoxTamperEnable",
                 .offset = 2849,
                 .kind = FieldKind::Bits,
                 .bitLow = 0,
                 .bitCount = 1,
                 .factory = {1},
                 .firstPage = kPowerPage});
    v.push_back({.name = "CheckBoxTamperInversion",
                 .offset = 2849,
                 .kind = FieldKind::Bits,
                 .bitLow = 1,
                 .bitCount = 1,
                 .factory = {0},
                 .firstPage = kPowerPage});
    appendOutputReactionPair(v, "ComboBoxTamperActOutN", "ComboBoxTamperActScnN", 2850);
}

void appendSystemParameters(std::vector<FieldDef>& v)
{
    // Little-endian word at 5304: bits 0-16 the calibration period in seconds,
    // bit 17 its direction, bits 18-31 unused.
    v.push_back({.name = "EditCALVAL",
                 .offset = 5304,
                 .kind = FieldKind::Bits,
                 .bitLow = 0,
                 .bitCount = 17,
                 .factory = {0},
                 .firstPage = kSystemPage});
    v.push_back({.name = "ComboBoxCALDIR",
                 .offset = 5304,
                 .kind = FieldKind::Bits,
                 .bitLow = 17,
                 .bitCount = 1,
                 .factory = {0},
                 .firstPage = kSystemPage,
                 .items = {"добавить 1 секунду", "вычесть 1 секунду"}});
    // Bits 1-7 of 5308..5310 and the 17 bytes from 5311 carry no field.
    v.push_back({.name = "ComboBoxBatteryType",
                 .offset = 5308,
                 .kind = FieldKind::Bits,
                 .bitLow = 0,
                 .bitCount = 1,
                 .factory = {0},
                 .firstPage = kSystemPage,
                 .items = {"Литий-фосфатная LiFePO4 - (12В; 1,3 А/ч)",
                           "Свинцово-кислотная Pb (12В; от 3,5 А/ч)"}});
    v.push_back({.name = "CheckBoxFWUpdateEnable",
                 .offset = 5309,
                 .kind = FieldKind::Bits,
                 .bitLow = 0,
                 .bitCount = 1,
                 .factory = {0},
                 .firstPage = kSystemPage});
    v.push_back({.name = "CheckBoxCRCCheckDisable",
                 .offset = 5310,
                 .kind = FieldKind::Bits,
                 .bitLow = 0,
                 .bitCount = 1,
                 .factory = {0},
                 .firstPage = kSystemPage});
}

} // namespace

std::vector<FieldDef> inputPowerSystemFields()
{
    std::vector<FieldDef> v;
    appendPowerTemperatureTamper(v);
    appendArmIn(v);
    appendInputsGeneral(v);
    appendInputRecords(v);
    appendSystemParameters(v);
    return v;
}

} // namespace zel
