#include "ui/icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace zel {

namespace {

void drawChip(QPainter& p, const QColor& body)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(body);
    p.drawRect(4, 6, 8, 8);
    for (int x = 5; x <= 11; x += 3) {
        p.drawLine(x, 14, x, 15);
    }
}

void drawArrow(QPainter& p, QPointF from, QPointF to, const QColor& c)
{
    p.setPen(QPen(c, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QPointF d = to - from;
    const QPointF n(-d.y() / 3.0, d.x() / 3.0);
    QPainterPath head;
    head.moveTo(to + d / 3.0);
    head.lineTo(to + n);
    head.lineTo(to - n);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(head);
}

} // namespace

QIcon actionIcon(int index)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor blue(0, 70, 170), green(0, 130, 40), red(180, 20, 20);
    switch (index) {
    case 0: // new configuration: a blank sheet with a star
        p.setPen(Qt::black);
        p.setBrush(Qt::white);
        p.drawRect(3, 1, 10, 14);
        p.setPen(QPen(QColor(230, 160, 0), 2));
        p.drawLine(10, 3, 14, 7);
        p.drawLine(14, 3, 10, 7);
        break;
    case 1: // open: a folder
        p.setPen(Qt::black);
        p.setBrush(QColor(240, 200, 80));
        p.drawRect(1, 4, 14, 10);
        p.drawRect(1, 2, 6, 2);
        break;
    case 2: // save: a diskette
        p.setPen(Qt::black);
        p.setBrush(blue);
        p.drawRect(1, 1, 14, 14);
        p.setBrush(Qt::white);
        p.drawRect(4, 1, 8, 5);
        p.drawRect(3, 9, 10, 6);
        break;
    case 3: // spare picture: a gear-like circle
        p.setPen(QPen(Qt::darkGray, 2));
        p.drawEllipse(3, 3, 10, 10);
        break;
    case 4: // reconfigure: chip with a pencil stroke
        drawChip(p, QColor(90, 90, 90));
        p.setPen(QPen(QColor(230, 160, 0), 2));
        p.drawLine(9, 1, 15, 7);
        break;
    case 5: // read: arrow out of the chip
        drawChip(p, QColor(90, 90, 90));
        drawArrow(p, QPointF(8, 9), QPointF(8, 3), green);
        break;
    case 6: // compare: two bars
        p.setPen(Qt::NoPen);
        p.setBrush(blue);
        p.drawRect(2, 4, 12, 3);
        p.drawRect(2, 10, 12, 3);
        break;
    case 7: // COM port: a connector
        p.setPen(Qt::black);
        p.setBrush(QColor(170, 170, 170));
        p.drawRoundedRect(1, 5, 14, 7, 2, 2);
        p.setBrush(Qt::black);
        for (int x = 3; x <= 12; x += 3)
            p.drawEllipse(QPointF(x + 0.5, 8.5), 1, 1);
        break;
    case 8: { // restart: a circular arrow
        p.setPen(QPen(red, 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(3, 3, 10, 10, 60 * 16, 280 * 16);
        QPainterPath head;
        head.moveTo(11, 1);
        head.lineTo(14, 5);
        head.lineTo(9, 6);
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(red);
        p.drawPath(head);
        break;
    }
    case 9: // program: arrow into the chip
    default:
        drawChip(p, QColor(90, 90, 90));
        drawArrow(p, QPointF(8, 1), QPointF(8, 6), red);
        break;
    }
    p.end();
    return QIcon(pm);
}

QPixmap programPicture()
{
    QPixmap pm(250, 50);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 250, 0);
    g.setColorAt(0, QColor(0, 60, 140));
    g.setColorAt(1, QColor(90, 160, 230));
    p.fillRect(pm.rect(), g);
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(26);
    p.setFont(f);
    p.drawText(QRect(12, 0, 238, 50), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("ZEL470"));
    f.setPixelSize(11);
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRect(130, 0, 112, 50), Qt::AlignVCenter | Qt::AlignRight, QStringLiteral("GSM"));
    return pm;
}

} // namespace zel
