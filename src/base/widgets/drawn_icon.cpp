#include "base/widgets/drawn_icon.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <algorithm>

namespace {

class DrawnIconEngine : public QIconEngine {
public:
    explicit DrawnIconEngine(IconDrawing draw) : m_draw(std::move(draw)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const qreal side = std::min(rect.width(), rect.height());
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setRenderHint(QPainter::TextAntialiasing);
        painter->translate(rect.x() + (rect.width() - side) / 2,
                           rect.y() + (rect.height() - side) / 2);
        painter->scale(side / kDrawnIconGrid, side / kDrawnIconGrid);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.45);
        m_draw(*painter, QGuiApplication::palette());
        painter->restore();
    }

    // Asked for in device pixels: QIcon gives the pixmap its pixel density.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(m_draw); }
    QString key() const override { return QStringLiteral("QuillnestDrawnIcon"); }

private:
    IconDrawing m_draw;
};

} // namespace

QIcon drawnIcon(IconDrawing draw) {
    return QIcon(new DrawnIconEngine(std::move(draw)));
}

QColor glyphColor(const QPalette& palette) {
    return palette.color(QPalette::Active, QPalette::WindowText);
}

bool isDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Active, QPalette::Base).lightness() < 128;
}
