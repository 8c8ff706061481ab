#include "mainwindow/widgets/action_images.h"

#include "base/widgets/drawn_icon.h"
#include "mainwindow/widgets/item_images.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

namespace {

// Every image is a few strokes on the 16 by 16 grid in the palette's text
// colour; coordinates on half units keep one-unit lines crisp at 1x.
QPen strokePen(const QPalette& palette, qreal width = 1.25) {
    return QPen(glyphColor(palette), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void strokePath(QPainter& p, const QPalette& palette, const QPainterPath& path,
                qreal width = 1.25) {
    p.setPen(strokePen(palette, width));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

QPainterPath page(qreal left = 3.5, qreal right = 12.5) {
    QPainterPath path;
    path.moveTo(left, 1.5);
    path.lineTo(right - 3, 1.5);
    path.lineTo(right, 4.5);
    path.lineTo(right, 14.5);
    path.lineTo(left, 14.5);
    path.closeSubpath();
    path.moveTo(right - 3, 1.5);
    path.lineTo(right - 3, 4.5);
    path.lineTo(right, 4.5);
    return path;
}

QPainterPath floppy() {
    QPainterPath path;
    path.moveTo(2.5, 2.5);
    path.lineTo(11.5, 2.5);
    path.lineTo(13.5, 4.5);
    path.lineTo(13.5, 13.5);
    path.lineTo(2.5, 13.5);
    path.closeSubpath();
    path.addRect(5.5, 2.5, 5, 3.5);
    path.addRect(4.5, 9, 7, 4.5);
    return path;
}

// An arrow pointing right, turned by the given degrees about the centre.
QPainterPath arrow(qreal degrees) {
    QPainterPath path;
    path.moveTo(2.5, 8);
    path.lineTo(13, 8);
    path.moveTo(9, 4);
    path.lineTo(13, 8);
    path.lineTo(9, 12);
    return QTransform().translate(8, 8).rotate(degrees).translate(-8, -8).map(path);
}

// A curved arrow pointing back to the left; mirrored, it points forward.
QPainterPath turnBack(bool forward) {
    QPainterPath path;
    path.moveTo(3.5, 6.5);
    path.lineTo(9.5, 6.5);
    path.cubicTo(14.5, 6.5, 14.5, 13.5, 9.5, 13.5);
    path.lineTo(6.5, 13.5);
    path.moveTo(6.5, 3.5);
    path.lineTo(3.5, 6.5);
    path.lineTo(6.5, 9.5);
    return forward ? QTransform(-1, 0, 0, 1, 16, 0).map(path) : path;
}

void drawText(QPainter& p, const QPalette& palette, const QString& text, const QRectF& box) {
    QFont font = QGuiApplication::font();
    font.setPixelSize(int(box.height() * 0.9));
    font.setBold(true);
    p.setFont(font);
    p.setPen(glyphColor(palette));
    p.drawText(box, Qt::AlignCenter, text);
}

void drawImage(QPainter& p, const QPalette& palette, int index) {
    QPainterPath path;
    switch (index) {
    case 0: // new document
        path = page();
        path.moveTo(8, 7.5);
        path.lineTo(8, 12.5);
        path.moveTo(5.5, 10);
        path.lineTo(10.5, 10);
        break;
    case 1: // open: a folder
        path.moveTo(1.5, 3.5);
        path.lineTo(6, 3.5);
        path.lineTo(7.5, 5.5);
        path.lineTo(14.5, 5.5);
        path.lineTo(14.5, 13.5);
        path.lineTo(1.5, 13.5);
        path.closeSubpath();
        path.moveTo(1.5, 7.5);
        path.lineTo(14.5, 7.5);
        break;
    case 2: // exit: out of the door
        path.moveTo(9.5, 4.5);
        path.lineTo(9.5, 2.5);
        path.lineTo(2.5, 2.5);
        path.lineTo(2.5, 13.5);
        path.lineTo(9.5, 13.5);
        path.lineTo(9.5, 11.5);
        path.moveTo(6, 8);
        path.lineTo(14.5, 8);
        path.moveTo(11.5, 5);
        path.lineTo(14.5, 8);
        path.lineTo(11.5, 11);
        break;
    case 4: // delete
        path.moveTo(4, 4);
        path.lineTo(12, 12);
        path.moveTo(12, 4);
        path.lineTo(4, 12);
        strokePath(p, palette, path, 1.75);
        return;
    case 5:
        path = arrow(180);
        break;
    case 6:
        path = arrow(0);
        break;
    case 14:
        path = arrow(90);
        break;
    case 15:
        path = arrow(-90);
        break;
    case 7: // fonts
        drawText(p, palette, QStringLiteral("A"), QRectF(0, 0, 16, 15));
        path.moveTo(3, 15);
        path.lineTo(13, 15);
        break;
    case 8:
        path = floppy();
        break;
    case 34: // save as: the disk and a pen
        path = QTransform().scale(0.8, 0.8).map(floppy());
        path.moveTo(9, 15);
        path.lineTo(15, 9);
        break;
    case 35: // an item saved as a document of its own
        path = page(1.5, 10.5);
        path.moveTo(7, 10);
        path.lineTo(14.5, 10);
        path.moveTo(12, 7.5);
        path.lineTo(14.5, 10);
        path.lineTo(12, 12.5);
        break;
    case 9: // add
        path.moveTo(8, 2.5);
        path.lineTo(8, 13.5);
        path.moveTo(2.5, 8);
        path.lineTo(13.5, 8);
        strokePath(p, palette, path, 2);
        return;
    case 11: // paste: the clipboard
        path.addRect(3.5, 3.5, 9, 11);
        path.addRect(6, 2, 4, 3);
        path.moveTo(5.5, 8.5);
        path.lineTo(10.5, 8.5);
        path.moveTo(5.5, 11.5);
        path.lineTo(10.5, 11.5);
        break;
    case 12: // copy: two sheets
        path.moveTo(9.5, 3.5);
        path.lineTo(9.5, 1.5);
        path.lineTo(1.5, 1.5);
        path.lineTo(1.5, 10.5);
        path.lineTo(4.5, 10.5);
        path.addRect(5.5, 5.5, 9, 9);
        break;
    case 13: // cut: scissors
        path.addEllipse(QPointF(4.5, 12), 2.25, 2.25);
        path.addEllipse(QPointF(11.5, 12), 2.25, 2.25);
        path.moveTo(5.8, 10.2);
        path.lineTo(11.5, 1.5);
        path.moveTo(10.2, 10.2);
        path.lineTo(4.5, 1.5);
        break;
    case 16: { // options: three sliders
        for (const qreal y : {3.5, 8.0, 12.5}) {
            path.moveTo(1.5, y);
            path.lineTo(14.5, y);
        }
        strokePath(p, palette, path);
        p.setBrush(glyphColor(palette));
        for (const QPointF knob : {QPointF(10.5, 3.5), QPointF(5, 8), QPointF(11.5, 12.5)})
            p.drawEllipse(knob, 2, 2);
        return;
    }
    case 17: // rename: a pencil
        path.moveTo(2.5, 13.5);
        path.lineTo(3.5, 10);
        path.lineTo(11, 2.5);
        path.lineTo(13.5, 5);
        path.lineTo(6, 12.5);
        path.closeSubpath();
        path.moveTo(9.5, 4);
        path.lineTo(12, 6.5);
        break;
    case 18: // find: a magnifier
        path.addEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
        strokePath(p, palette, path);
        path = QPainterPath();
        path.moveTo(10, 10);
        path.lineTo(14, 14);
        strokePath(p, palette, path, 2.25);
        return;
    case 21: // help
        path.addEllipse(QPointF(8, 8), 6.5, 6.5);
        strokePath(p, palette, path);
        drawText(p, palette, QStringLiteral("?"), QRectF(2, 2.5, 12, 11));
        return;
    case 22: // a text made an item
        path.moveTo(4, 2.5);
        path.lineTo(4, 10.5);
        path.lineTo(13, 10.5);
        path.moveTo(10, 7.5);
        path.lineTo(13, 10.5);
        path.lineTo(10, 13.5);
        break;
    case 23: // today: a calendar
        path.addRect(2.5, 3.5, 11, 10);
        path.moveTo(2.5, 6.5);
        path.lineTo(13.5, 6.5);
        path.moveTo(5.5, 2);
        path.lineTo(5.5, 4.5);
        path.moveTo(10.5, 2);
        path.lineTo(10.5, 4.5);
        strokePath(p, palette, path);
        p.fillRect(QRectF(6.5, 8.5, 3, 3), glyphColor(palette));
        return;
    case 24: // reports: a written page
        path = page();
        for (const qreal y : {7.5, 9.5, 11.5}) {
            path.moveTo(5.5, y);
            path.lineTo(10.5, y);
        }
        break;
    case 36:
        path = turnBack(false);
        break;
    case 37:
        path = turnBack(true);
        break;
    default:
        return;
    }
    strokePath(p, palette, path);
}

} // namespace

QIcon actionImage(int index) {
    if (index == 19)
        return ItemImages::priorityMark(2);
    if (index == 20)
        return ItemImages::priorityMark(3);
    if (index >= 25 && index <= 33) { // the nine recent documents carry their place number
        const QString place = QString::number(index - 24);
        return drawnIcon([place](QPainter& painter, const QPalette& palette) {
            drawText(painter, palette, place, QRectF(0, 0, 16, 16));
        });
    }
    static const QList<int> drawn{0,  1,  2,  4,  5,  6,  7,  8,  9,  11, 12, 13, 14,
                                  15, 16, 17, 18, 21, 22, 23, 24, 34, 35, 36, 37};
    if (!drawn.contains(index))
        return QIcon();
    return drawnIcon([index](QPainter& painter, const QPalette& palette) {
        drawImage(painter, palette, index);
    });
}
