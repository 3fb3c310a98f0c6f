#include "ui/language.h"

#include "link/identity.h"
#include "link/link_texts.h"
#include "ui/interface_texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QWidget>

namespace zel {

namespace {

// Swallows tool tips: the tool bar loses its hints with a language file.
class NoToolTips : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* e) override { return e->type() == QEvent::ToolTip; }
};

// The list laid over a grid cell (it may sit inside a holder widget).
QComboBox* cellCombo(QTableWidget* grid, int row, int column)
{
    QWidget* w = grid->cellWidget(row, column);
    if (!w)
        return nullptr;
    if (auto* box = qobject_cast<QComboBox*>(w))
        return box;
    return w->findChild<QComboBox*>();
}

class Applier {
public:
    Applier(QWidget& root, const QStringList& lines) : root_(root), lines_(lines) {}

    QString line(int n) const { return lines_.value(n); }
    static QString framed(const QString& s) { return QLatin1Char(' ') + s + QLatin1Char(' '); }
    // A mnemonic marker in a caption would be eaten by menus and buttons.
    static QString literal(const QString& s)
    {
        QString out = s;
        out.replace(QLatin1Char('&'), QStringLiteral("&&"));
        return out;
    }

    // Sets the caption of any kind of control by name; unknown names are skipped.
    void setText(const QString& name, const QString& text, bool frame = false)
    {
        const QString t = frame ? framed(text) : text;
        for (QWidget* w : root_.findChildren<QWidget*>(name)) {
            if (auto* g = qobject_cast<QGroupBox*>(w)) {
                g->setTitle(literal(t));
            } else if (auto* l = qobject_cast<QLabel*>(w)) {
                l->setTextFormat(Qt::PlainText);
                l->setText(t);
            } else if (auto* tb = qobject_cast<QToolButton*>(w); tb && tb->defaultAction()) {
                // The button shows its action's caption.
                tb->defaultAction()->setText(literal(t));
            } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
                b->setText(literal(t));
            } else if (auto* m = qobject_cast<QMenu*>(w)) {
                m->setTitle(literal(t));
            } else if (auto* pe = qobject_cast<QPlainTextEdit*>(w)) {
                pe->setPlainText(t);
            } else if (auto* te = qobject_cast<QTextEdit*>(w)) {
                te->setPlainText(t);
            }
        }
        for (QAction* a : root_.findChildren<QAction*>(name))
            a->setText(literal(t));
    }
    void lineTo(int n, std::initializer_list<const char*> names, bool frame = false)
    {
        for (const char* name : names)
            setText(QString::fromLatin1(name), line(n), frame);
    }

    static void setItem(QComboBox* box, int index, const QString& text)
    {
        const QSignalBlocker block(box);
        while (box->count() <= index)
            box->addItem(QString());
        box->setItemText(index, text);
    }
    void setItems(const QString& name, int first, const QStringList& texts, bool selectFirst = false)
    {
        for (QComboBox* box : root_.findChildren<QComboBox*>(name)) {
            for (int i = 0; i < texts.size(); ++i)
                setItem(box, first + i, texts[i]);
            if (selectFirst) {
                const QSignalBlocker block(box);
                box->setCurrentIndex(0);
            }
        }
    }
    void lineItems(int firstLine, int count, const char* name, bool selectFirst = false)
    {
        setItems(QString::fromLatin1(name), 0, lines_.mid(firstLine, count), selectFirst);
    }

    // Row 0 of a grid: its header when the grid shows one, else its first row of cells.
    static void setHeaderCell(QTableWidget* t, int column, const QString& text)
    {
        if (!t || column >= t->columnCount())
            return;
        if (!t->horizontalHeader()->isHidden()) {
            QTableWidgetItem* h = t->horizontalHeaderItem(column);
            if (!h) {
                h = new QTableWidgetItem;
                t->setHorizontalHeaderItem(column, h);
            }
            h->setText(text);
            return;
        }
        QTableWidgetItem* it = t->item(0, column);
        if (!it) {
            it = new QTableWidgetItem;
            it->setFlags(it->flags() & ~Qt::ItemIsEditable);
            t->setItem(0, column, it);
        }
        it->setText(text);
    }
    static QString headerCell(QTableWidget* t, int column)
    {
        if (!t)
            return {};
        if (!t->horizontalHeader()->isHidden())
            return t->horizontalHeaderItem(column) ? t->horizontalHeaderItem(column)->text() : QString();
        return t->item(0, column) ? t->item(0, column)->text() : QString();
    }
    QTableWidget* grid(const char* name) const { return root_.findChild<QTableWidget*>(QString::fromLatin1(name)); }

    QWidget& root_;
    const QStringList& lines_;
};

} // namespace

void ApplyLanguageLines(QWidget& window, QTreeWidget& tree, InterfaceTexts& texts, const QStringList& lines)
{
    Applier a(window, lines);
    auto L = [&](int n) { return a.line(n); };

    for (const char* name : {"GroupBoxRsOutsStimulus", "Label112", "GroupBox16"})
        for (QWidget* w : window.findChildren<QWidget*>(QString::fromLatin1(name)))
            w->hide();

    window.setWindowTitle(L(1) + QStringLiteral(" ") + QStringLiteral("ZEL470"));
    const char* menu[] = {"N1", "N2", "N3", "N13", "N7", "N8", "COMPortSetup", "N9", "N10", "N11", "N12",
                          "ReadIMEICode1", "Reconfigurate1", "Reset1", "N5", "N15"};
    for (int i = 0; i < 16; ++i)
        a.setText(QString::fromLatin1(menu[i]), L(3 + i));
    a.lineTo(11, {"SpeedButton6", "BitBtnProgSysPar"});
    a.lineTo(12, {"SpeedButton8", "BitBtnReadSysPar"});
    a.lineTo(13, {"SpeedButton1"});
    a.lineTo(15, {"SpeedButton4"});
    a.lineTo(16, {"SpeedButton9"});

    // Tree block, lines 20 to 63.
    std::vector<QTreeWidgetItem*> nodes;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it)
        nodes.push_back(*it);
    auto setNode = [&](int k, int lineNumber) {
        if (k < static_cast<int>(nodes.size()))
            nodes[k]->setText(0, L(lineNumber));
    };
    for (int k = 0; k <= 16; ++k)
        setNode(k, 20 + k);
    for (int k = 17; k <= 31; ++k)
        setNode(k, 24 + k);
    setNode(32, 58);
    for (int k = 33; k <= 37; ++k)
        setNode(k, 26 + k);
    a.setText("Label69", L(41));

    a.lineTo(65, {"GroupBox15"}, true);
    const char* device[] = {"Label48", "Label51", "Label52", "Label54", "Label22", "Label55", "Label105", "Label56", "Label68"};
    for (int i = 0; i < 9; ++i)
        a.setText(QString::fromLatin1(device[i]), L(66 + i));
    a.lineTo(75, {"Button21"});
    a.lineTo(76, {"GroupBoxPerimetersInfo", "GroupBoxMaunPerimInfo"}, true);
    a.lineTo(77, {"Button18", "Button23"});
    a.lineTo(78, {"Button19", "Button24"});
    a.lineTo(79, {"Button22"});
    for (int i = 0; i < 3; ++i)
        if (i < texts.ModeNames.size())
            texts.ModeNames[i] = L(77 + i);
    a.lineTo(80, {"Label111"});
    a.lineTo(81, {"GroupBoxInputIndicator"}, true);
    a.lineTo(82, {"GroupBoxOutIndicator"}, true);
    a.lineTo(83, {"Button4", "Button6", "Button8", "Button10", "Button12", "Button14", "Button16"});
    a.lineTo(84, {"Button5", "Button7", "Button9", "Button11", "Button13", "Button15", "Button17"});
    a.lineTo(85, {"GroupBox28"}, true);
    a.lineTo(86, {"Button20"});
    a.lineTo(87, {"CheckBoxClearSaveArea"});
    texts.OutputNames = lines.mid(88, 7);
    texts.ReactionNames = lines.mid(95, 17);

    a.lineTo(113, {"GroupBox6"}, true);
    const char* page1[] = {"CheckBoxSysPassword", "Label84", "Label72", "Label73", "Label70", "Label8",
                           "CheckBoxDTMFControlOnlyList", "CheckBoxControlOnlyList", "CheckBoxACK", "Label131"};
    for (int i = 0; i < 10; ++i)
        a.setText(QString::fromLatin1(page1[i]), L(114 + i));
    a.lineTo(124, {"GroupBox13"}, true);
    const char* page1b[] = {"Label49", "Label50", "Label41", "Label42", "StaticText1"};
    for (int i = 0; i < 5; ++i)
        a.setText(QString::fromLatin1(page1b[i]), L(125 + i));
    a.lineTo(130, {"GroupBox12"}, true);
    a.lineTo(131, {"Label128"});
    for (QComboBox* box : window.findChildren<QComboBox*>(QStringLiteral("ComboBoxDialPriority"))) {
        const QSignalBlocker block(box);
        const int current = box->currentIndex();
        box->clear();
        box->addItems(lines.mid(132, 4));
        box->setCurrentIndex(current);
    }
    a.lineTo(136, {"Label129"});

    a.lineTo(138, {"Label75"});
    a.lineTo(139, {"Label161"});
    a.lineTo(140, {"Label85"});
    a.lineItems(141, 3, "ComboBoxTransportPriority", true);
    a.lineTo(144, {"Label32"});
    a.lineItems(145, 4, "ComboBoxIncomungCallAction", true);
    a.lineTo(149, {"GroupBoxInCallToOutsAction"}, true);
    a.lineTo(150, {"GroupBoxConSharD"}, true);
    a.lineTo(151, {"CheckBoxCallEn", "CheckBoxSMSEn"});
    a.lineTo(152, {"Label81"});
    a.lineItems(153, 2, "ComboBoxOnLineTime");
    a.lineTo(155, {"CheckBoxNotACK"});
    a.lineTo(156, {"Label77", "Label78"});
    a.lineTo(157, {"GroupBoxConDial", "GroupBoxConSMS"}, true);
    for (int n = 1; n <= 16; ++n) {
        const QString t = L(157 + n);
        for (const QString& name : {QStringLiteral("CheckBoxMaskDInput%1"), QStringLiteral("CheckBoxMaskSInput%1"),
                                    QStringLiteral("CheckBoxInfoIn%1"), QStringLiteral("CheckBoxRestrArmMode%1"),
                                    QStringLiteral("CheckBoxInput%1LinkType")})
            a.setText(name.arg(n), t);
    }
    const char* pairs[][2] = {{"CheckBoxMaskDPower", "CheckBoxMaskSPower"},
                              {"CheckBoxMaskDTest", "CheckBoxMaskSTest"},
                              {"CheckBoxMaskDArm", "CheckBoxMaskSArm"},
                              {"CheckBoxMaskDDisarm", "CheckBoxMaskSDisarm"},
                              {"CheckBoxMaskCRestrictedArm", "CheckBoxMaskSRestrictedArm"},
                              {"CheckBoxMaskDArm2", "CheckBoxMaskSArm2"},
                              {"CheckBoxMaskDDisarm2", "CheckBoxMaskSDisarm2"},
                              {"CheckBoxMaskDArm3", "CheckBoxMaskSArm3"},
                              {"CheckBoxMaskDDisarm3", "CheckBoxMaskSDisarm3"},
                              {"CheckBoxMaskDArm4", "CheckBoxMaskSArm4"},
                              {"CheckBoxMaskDDisarm4", "CheckBoxMaskSDisarm4"}};
    for (int i = 0; i < 11; ++i)
        for (const char* name : pairs[i])
            a.setText(QString::fromLatin1(name), L(174 + i));
    a.lineTo(185, {"LabelProtocolAlias"});
    a.lineItems(186, 2, "ComboBoxLang");
    a.lineTo(188, {"Label67"});
    a.lineItems(189, 2, "ComboBoxUserId");
    a.lineTo(191, {"CheckBoxDebugMode"});

    a.lineTo(193, {"GroupBox8"}, true);
    const char* page14[] = {"Label16", "Label28", "Button2", "Button3", "Label130"};
    for (int i = 0; i < 5; ++i)
        a.setText(QString::fromLatin1(page14[i]), L(194 + i));
    a.lineTo(199, {"CheckBoxDSTEnable"});
    a.lineTo(200, {"GroupBoxInfoMsgContent"}, true);
    a.lineTo(201, {"GroupBox3"}, true);
    QTableWidget* grid3 = a.grid("StringGrid3");
    Applier::setHeaderCell(grid3, 0, QStringLiteral(" ") + L(202));
    for (int c = 2; c <= 13; ++c)
        Applier::setHeaderCell(grid3, c, L(201 + c));
    if (grid3) {
        for (int r = 1; r <= 8 && r < grid3->rowCount(); ++r) {
            if (auto* actions = cellCombo(grid3, r, 12))
                for (int i = 0; i < 10; ++i)
                    Applier::setItem(actions, i, L(215 + i));
        }
    }

    a.lineTo(226, {"GroupBox9"}, true);
    const char* page15[] = {"CheckBoxExtPowerFault", "CheckBoxExtPowerRec", "Label2", "Label3"};
    for (int i = 0; i < 4; ++i)
        a.setText(QString::fromLatin1(page15[i]), L(227 + i));
    a.lineTo(231, {"GroupBox21"}, true);
    a.lineTo(232, {"GroupBox29"}, true);
    const char* page15b[] = {"CheckBoxTemperatureEvent", "Label133", "LabelTemperature", "Label132", "Label134", "Label135"};
    for (int i = 0; i < 6; ++i)
        a.setText(QString::fromLatin1(page15b[i]), L(233 + i));
    a.lineTo(239, {"GroupBox1"}, true);
    a.lineTo(240, {"CheckBoxBatteryDischargeWarnEventEn"});
    a.lineTo(241, {"CheckBoxBatteryDischargeAlarmEventEn"});
    a.lineTo(242, {"GroupBox42"}, true);
    a.lineTo(243, {"CheckBoxTamperEnable"});
    a.lineTo(244, {"Label157"});
    a.lineTo(245, {"GroupBox23"}, true);
    a.lineTo(246, {"CheckBoxDisableLedsAtCoverClose"});
    for (int i = 0; i < 7 && i < texts.IndicationModeNames.size(); ++i)
        texts.IndicationModeNames[i] = L(247 + i);
    a.lineTo(254, {"CheckBoxAlarmBlinking"});

    a.lineTo(256, {"GroupBox11"}, true);
    a.lineTo(257, {"Label25"});
    a.lineTo(258, {"GroupBoxProtectModeLink"}, true);
    a.lineTo(259, {"GroupBox4", "GroupBox48"}, true);
    a.lineTo(260, {"GroupBox5", "GroupBox49"}, true);
    a.lineTo(261, {"GroupBox7", "GroupBox47"}, true);
    a.lineTo(262, {"GroupBox43"}, true);
    QTableWidget* grid1 = a.grid("StringGrid1");
    Applier::setHeaderCell(grid1, 1, L(263));
    Applier::setHeaderCell(grid1, 2, L(264));
    texts.KeyCodePrefixText = L(265);
    texts.KeyExistsText = L(266);
    texts.MemoryFullText = L(267);

    a.lineTo(269, {"Label164"});
    a.lineTo(270, {"GroupBox46"}, true);
    a.lineTo(271, {"RadioButtonPerimPulsAD", "RadioButtonPerimPulsARM"});
    a.lineTo(272, {"Label192"});
    a.lineTo(273, {"Label166", "RadioButtonPerimTouchAD"});
    a.lineTo(274, {"Label165"});
    a.lineTo(275, {"LabelRedirectToOut"});
    a.lineTo(277, {"GroupBoxLinkedInsToPers"}, true);

    a.lineTo(279, {"GroupBox45"}, true);
    a.lineTo(280, {"Label162"});
    a.lineTo(281, {"GroupBox17"}, true);
    a.lineTo(282, {"Label82"});
    a.lineTo(283, {"GroupBox18"}, true);
    a.lineTo(284, {"Label96"});
    a.lineItems(285, 2, "ComboBoxPortPwrSensAllOn");

    const char* inputs1[] = {"Label87", "Label12", "Label19", "Label26"};
    for (int i = 0; i < 4; ++i)
        a.setText(QString::fromLatin1(inputs1[i]), L(288 + i));
    a.lineItems(292, 5, "ComboBoxSensType");
    a.lineTo(297, {"GroupBox2"}, true);
    a.lineItems(298, 6, "ComboBoxSensActLevel");
    a.lineTo(304, {"GroupBox10"}, true);
    const char* inputs2[] = {"Label152", "Label151", "Label93", "Label94", "Label95", "Label80"};
    for (int i = 0; i < 6; ++i)
        a.setText(QString::fromLatin1(inputs2[i]), L(305 + i));
    a.lineItems(311, 3, "ComboBoxSensorPwrSource");
    a.lineTo(314, {"CheckBox24HZone"});
    a.lineTo(315, {"Label88"});
    a.lineTo(316, {"GroupBoxFiltr"}, true);
    const char* inputs3[] = {"Label100", "Label103", "Label99", "Label89", "Label91", "Label76"};
    for (int i = 0; i < 6; ++i)
        a.setText(QString::fromLatin1(inputs3[i]), L(317 + i));
    a.lineItems(323, 4, "ComboBoxAlarmTry");
    a.lineTo(327, {"CheckBoxNotArmingAsActive"});
    a.lineTo(328, {"GroupBox14"}, true);
    a.lineTo(329, {"StaticText2"});
    a.lineTo(330, {"Label35"});
    a.lineTo(331, {"Label193"});
    a.lineItems(332, 3, "ComboBoxReleToAlarm");
    a.lineTo(335, {"GroupBoxInActActions"}, true);
    a.lineTo(336, {"GroupBoxInPasActions"}, true);

    texts.AllowedWords = {L(338), L(338)};
    a.lineTo(339, {"CheckBoxReleInversion"});
    a.lineTo(340, {"Label7"});
    a.lineTo(341, {"Label92"});
    a.lineTo(342, {"Label104"});
    a.lineTo(343, {"CheckBoxRemoteControlEn"});
    a.lineTo(344, {"Label90"});
    texts.StimulusTitles = {Applier::framed(L(346)), Applier::framed(L(347))};
    texts.SignalShapeTitle = L(349);
    texts.ScenarioNumberTitle = L(350);
    texts.CycleText = L(351);
    texts.HighText = L(352);
    texts.LowText = L(353);
    a.lineTo(354, {"Memo2"});

    a.lineTo(356, {"Button1"});
    a.lineTo(357, {"Label108"});
    a.lineTo(358, {"Label110"});
    a.lineTo(359, {"Label109"});
    a.lineTo(360, {"GroupBox24"}, true);
    a.lineTo(361, {"Label106"});
    a.lineTo(362, {"Label107"});
    a.lineItems(363, 2, "ComboBoxCALDIR");
    a.lineTo(365, {"GroupBox41"}, true);
    a.lineItems(366, 2, "ComboBoxBatteryType");
    a.lineTo(368, {"CheckBoxFWUpdateEnable"});
    texts.PortDialogCaption = L(370);
    texts.PortOpenErrorText = L(371);
    texts.AboutTitle = L(373);
    texts.AboutVersionsText = L(374);
    texts.GsmStateTexts = lines.mid(376, 12);
    texts.LinkStatusTexts = lines.mid(389, 20);
    SetDefaultLinkStatusTexts(texts.LinkStatusTexts);

    // Root caption and the device page title.
    if (!nodes.empty()) {
        nodes[0]->setText(0, nodes[0]->text(0) + QStringLiteral(" ") + QStringLiteral("ZEL470") + QStringLiteral("-")
                                 + SupportedVersions().value(0));
        a.setText("Label30", nodes[0]->text(0));
    }

    // Copies from the text lists.
    for (const char* name : {"ComboBoxICToOUOutN", "ComboBoxHiBorderOut", "ComboBoxLoBorderOut", "ComboBoxTamperActOutN"})
        a.setItems(QString::fromLatin1(name), 0, texts.OutputNames);
    const char* outputLabels[][7] = {
        {"Label29", "Label9", "Label53", "Label58", "Label59", "Label60", "Label61"},
        {"Label13", "Label11", "Label43", "Label44", "Label45", "Label46", "Label47"},
        {"Label154", "Label153", "Label155", "Label156", "Label158", "Label159", "Label160"},
        {"Label20", "Label18", "Label62", "Label63", "Label64", "Label65", "Label71"},
        {"Label175", "Label174", "Label176", "Label177", "Label178", "Label179", "Label180"},
        {"Label182", "Label181", "Label183", "Label184", "Label185", "Label186", "Label187"},
        {"Label168", "Label167", "Label169", "Label170", "Label171", "Label172", "Label173"},
        {"Label102", "Label101", "Label24", "Label27", "Label31", "Label33", "Label34"},
        {"Label98", "Label97", "Label36", "Label37", "Label38", "Label39", "Label40"},
    };
    for (const auto& group : outputLabels)
        for (int i = 0; i < 7; ++i)
            a.setText(QString::fromLatin1(group[i]), texts.OutputNames.value(i));

    QStringList reactionLists{"ComboBoxICToOUScnN", "ComboBoxHiBorderScn", "ComboBoxLoBorderScn", "ComboBoxTamperActScnN"};
    for (const char* prefix : {"ComboBoxCDtoRele", "ComboBoxArmToRele", "ComboBoxRAtoRele", "ComboBoxDisarmToRele",
                               "ComboBoxPCDtoRele", "ComboBoxPArmToRele", "ComboBoxPDisarmToRele", "ComboBoxActRele",
                               "ComboBoxPassRele"})
        for (int i = 1; i <= 7; ++i)
            reactionLists << QString::fromLatin1(prefix) + QString::number(i);
    for (const QString& name : reactionLists)
        a.setItems(name, 0, texts.ReactionNames);
    if (grid3) {
        for (int r = 1; r <= 8 && r < grid3->rowCount(); ++r)
            if (auto* reactions = cellCombo(grid3, r, 13))
                for (int i = 0; i < texts.ReactionNames.size(); ++i)
                    Applier::setItem(reactions, i, texts.ReactionNames[i]);
    }
    for (QComboBox* box : window.findChildren<QComboBox*>(QStringLiteral("ComboBoxCommType"))) {
        const QSignalBlocker block(box);
        const int current = box->currentIndex();
        box->clear();
        box->addItem(L(345));
        box->addItems(texts.ReactionNames.mid(3, 14));
        box->setCurrentIndex(current);
    }

    // Fixed changes.
    auto* noTips = new NoToolTips(&window);
    for (const char* name : {"SpeedButton7", "SpeedButton2", "SpeedButton3", "SpeedButton6", "SpeedButton8",
                             "SpeedButton1", "SpeedButton4", "SpeedButton9"})
        if (auto* b = window.findChild<QToolButton*>(QString::fromLatin1(name)))
            b->installEventFilter(noTips);
    for (int i = 1; i <= 7; ++i)
        if (auto* source = window.findChild<QLabel*>(QStringLiteral("Label%1").arg(120 + i)))
            a.setText(QStringLiteral("CheckBoxInfoR%1").arg(i), source->text());
    QStringList zones;
    for (int h = -12; h <= 13; ++h)
        zones << (h < 0 ? QStringLiteral("(GMT%1:00)").arg(h) : QStringLiteral("(GMT+%1:00)").arg(h));
    for (QComboBox* box : window.findChildren<QComboBox*>(QStringLiteral("ComboBoxTimeZone"))) {
        const QSignalBlocker block(box);
        const int current = box->currentIndex();
        box->clear();
        box->addItems(zones);
        box->setCurrentIndex(current);
    }
    for (const char* name : {"ComboBoxSensName", "ComboBoxSensActSt", "ComboBoxSensPassSt", "ComboBoxReleName",
                             "ComboBoxReleNameAct", "ComboBoxReleNameDeact"})
        for (QComboBox* box : window.findChildren<QComboBox*>(QString::fromLatin1(name))) {
            // Editable name boxes keep the typed text; only the suggestions go.
            const QSignalBlocker block(box);
            const QString text = box->currentText();
            box->clear();
            if (box->isEditable())
                box->setEditText(text);
        }
    Applier::setHeaderCell(grid3, 1, QString());
    Applier::setHeaderCell(grid1, 0, QStringLiteral("#"));
    if (QTableWidget* perim = a.grid("StringGridPerimTouch")) {
        Applier::setHeaderCell(perim, 0, QStringLiteral("#"));
        Applier::setHeaderCell(perim, 1, Applier::headerCell(grid1, 1));
        Applier::setHeaderCell(perim, 2, Applier::headerCell(grid1, 2));
    }
}

} // namespace zel
