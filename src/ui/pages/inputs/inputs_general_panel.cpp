#include "ui/pages/inputs/inputs_general_panel.h"

#include "ui/pages/inputs/input_widgets.h"

#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QPainter>

namespace zel {

using namespace inputs;

InputTerminalsPicture::InputTerminalsPicture(QWidget* parent) : QWidget(parent)
{
    setObjectName("ImageZEL470InsTP207");
}

void InputTerminalsPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    QFont small = font();
    small.setPointSize(7);
    p.setFont(small);

    // Terminal strip: a box with a screw, its name beside it.
    auto terminal = [&](int x, int y, const QString& name, bool labelLeft) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(70, 150, 70));
        p.drawRect(x, y, 16, 14);
        p.setBrush(QColor(200, 200, 200));
        p.drawEllipse(QPoint(x + 8, y + 7), 4, 4);
        p.drawLine(x + 5, y + 7, x + 11, y + 7);
        const QRect text = labelLeft ? QRect(x - 44, y, 40, 14) : QRect(x + 20, y, 40, 14);
        p.drawText(text, (labelLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, name);
    };

    const int w = width();
    // Main board with inputs 1 to 8, the sensor power port and ground.
    const QRect board(20, 16, w / 2 - 30, height() - 120);
    p.setPen(QPen(Qt::darkGreen, 2));
    p.setBrush(QColor(225, 240, 225));
    p.drawRoundedRect(board, 6, 6);
    p.setPen(Qt::black);
    p.drawText(board.adjusted(0, 4, 0, 0), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("ZEL470"));
    const QStringList mainTerminals{"10VS", "GND", "IN1", "IN2", "IN3", "IN4",
                                    "IN5",  "IN6", "IN7", "IN8", "GND"};
    const int step = std::max(16, (board.height() - 40) / static_cast<int>(mainTerminals.size()));
    for (int i = 0; i < mainTerminals.size(); ++i)
        terminal(board.right() - 18, board.top() + 28 + i * step, mainTerminals[i], true);

    // Expansion board with inputs 9 to 14.
    const QRect extension(w / 2 + 10, 16, w / 2 - 30, (height() - 120) * 2 / 3);
    p.setPen(QPen(Qt::darkBlue, 2));
    p.setBrush(QColor(225, 230, 245));
    p.drawRoundedRect(extension, 6, 6);
    p.setPen(Qt::black);
    p.drawText(extension.adjusted(0, 4, 0, 0), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("TP207"));
    const QStringList extTerminals{"IN9", "IN10", "IN11", "IN12", "IN13", "IN14", "GND"};
    const int extStep = std::max(16, (extension.height() - 40) / static_cast<int>(extTerminals.size()));
    for (int i = 0; i < extTerminals.size(); ++i)
        terminal(extension.left() + 2, extension.top() + 28 + i * extStep, extTerminals[i], false);

    // A ribbon between the boards.
    p.setPen(QPen(Qt::gray, 3));
    p.drawLine(board.right(), board.top() + 12, extension.left(), extension.top() + 12);

    // Two example loops: a normally closed contact powered from 10VS, and a sensor
    // powered by its own loop.
    p.setPen(QPen(Qt::red, 1.5));
    const int y0 = board.bottom() + 20;
    p.drawLine(20, y0, w - 20, y0);
    p.setPen(Qt::black);
    p.drawText(QRect(20, y0 + 4, w - 40, 16), Qt::AlignLeft, QStringLiteral("10VS → датчик → IN1 … IN14"));
    p.setPen(QPen(Qt::blue, 1.5));
    p.drawLine(20, y0 + 44, w - 20, y0 + 44);
    p.setPen(Qt::black);
    p.drawText(QRect(20, y0 + 48, w - 40, 16), Qt::AlignLeft, QStringLiteral("GND → контакт → IN"));
}

InputsGeneralPanel::InputsGeneralPanel(QWidget* parent) : SectionPanel("Panel7", QString(), parent)
{
    QLabel* title = makeLabel(this, "Label69", QStringLiteral("Входы - общие параметры"), QRect(8, 4, 690, 24));
    QFont f = title->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 2);
    title->setFont(f);

    ImageZEL470InsTP207 = new InputTerminalsPicture(this);
    ImageZEL470InsTP207->setGeometry(4, 32, 340, 452);
    ImageZEL470InsTP207->setVisible(false);

    const int gx = 352, gw = 352;
    auto list = [](QWidget* parent, const char* name, const QRect& r) {
        return makeList(parent, QString::fromLatin1(name), field(name).items, r);
    };
    QGroupBox* port = makeGroup(this, "GroupBox45", QStringLiteral(" Порт питания датчиков (10VS) "),
                                QRect(gx, 32, gw, 86));
    ComboBoxPortPwrSensAllOn = list(port, "ComboBoxPortPwrSensAllOn", QRect(8, 18, 336, 22));
    makeLabel(port, "Label162", QStringLiteral("Время восстановления опроса входов после подачи питания"),
              QRect(8, 46, 244, 30), true);
    ComboBoxNoScaningTimeAftArm = list(port, "ComboBoxNoScaningTimeAftArm", QRect(256, 50, 88, 22));

    QGroupBox* loop = makeGroup(this, "GroupBox17", QStringLiteral(" Питание по шлейфу со сбросом "),
                                QRect(gx, 124, gw, 70));
    makeLabel(loop, "Label82",
              QStringLiteral("Время снятия питания в случае формирования тревоги от любого ассоциированного входа"),
              QRect(8, 18, 244, 46), true);
    ComboBoxLoopPwrResetTime = list(loop, "ComboBoxLoopPwrResetTime", QRect(256, 30, 88, 22));

    QGroupBox* power = makeGroup(this, "GroupBox18", QStringLiteral(" Включение устройства "),
                                 QRect(gx, 200, gw, 70));
    makeLabel(power, "Label96",
              QStringLiteral("Задержка опроса входов при включении или при выходе из режима пониженного потребления"),
              QRect(8, 18, 244, 46), true);
    ComboBoxNoScaningTimeAftReset = list(power, "ComboBoxNoScaningTimeAftReset", QRect(256, 30, 88, 22));
}

void InputsGeneralPanel::prepare(int page)
{
    Q_UNUSED(page);
    ImageZEL470InsTP207->setVisible(true);
}

void InputsGeneralPanel::unpack(const DeviceImage& image, int page)
{
    Q_UNUSED(page);
    showListValue(ComboBoxNoScaningTimeAftReset, readField(image, field("ComboBoxNoScaningTimeAftReset")));
    showListValue(ComboBoxPortPwrSensAllOn, readField(image, field("ComboBoxPortPwrSensAllOn")));
    showListValue(ComboBoxNoScaningTimeAftArm, readField(image, field("ComboBoxNoScaningTimeAftArm")));
    showListValue(ComboBoxLoopPwrResetTime, readField(image, field("ComboBoxLoopPwrResetTime")));
}

void InputsGeneralPanel::pack(DeviceImage& image, int page)
{
    Q_UNUSED(page);
    for (auto [name, list] : {std::pair<const char*, QComboBox*>{"ComboBoxNoScaningTimeAftReset",
                                                                 ComboBoxNoScaningTimeAftReset},
                              {"ComboBoxPortPwrSensAllOn", ComboBoxPortPwrSensAllOn},
                              {"ComboBoxNoScaningTimeAftArm", ComboBoxNoScaningTimeAftArm},
                              {"ComboBoxLoopPwrResetTime", ComboBoxLoopPwrResetTime}}) {
        const FieldDef& f = field(name);
        writeField(image, f, listValue(list, f.bitCount));
    }
}

} // namespace zel
