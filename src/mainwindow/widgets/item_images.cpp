#include "mainwindow/widgets/item_images.h"

#include "mainwindow/widgets/outline_model.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <functional>

namespace ItemImages {
namespace {

// Each image is drawn once per pixel density, so it stays crisp on high-density screens.
QIcon drawnIcon(const std::function<void(QPainter&)>& draw) {
    QIcon icon;
    for (const qreal scale : {1.0, 2.0, 3.0}) {
        QPixmap pixmap(QSize(kImageSize, kImageSize) * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// A pie that fills clockwise from twelve o'clock, one fourteenth per step.
void drawProgress(QPainter& painter, int image) {
    const QRectF disc(1.5, 1.5, kImageSize - 3, kImageSize - 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(disc);
    if (image > 0) {
        constexpr int fullCircle = 360 * 16; // QPainter angles are in sixteenths of a degree
        constexpr int lastImage = kProgressImageCount - 1;
        painter.setBrush(QColor(0x3a, 0x9a, 0x3e));
        painter.drawPie(disc, 90 * 16, -fullCircle * image / lastImage);
    }
    painter.setPen(QPen(QColor(0x6e, 0x6e, 0x6e), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(disc);
}

// An arrow pointing up for high priority, or down for low priority.
void drawArrow(QPainter& painter, bool up, const QColor& fill, const QColor& edge) {
    QPolygonF arrow{{8, 1.5}, {14.5, 8}, {10.5, 8}, {10.5, 14.5}, {5.5, 14.5}, {5.5, 8}, {1.5, 8}};
    if (!up)
        for (QPointF& point : arrow)
            point.setY(kImageSize - point.y());
    painter.setPen(QPen(edge, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPolygon(arrow);
}

} // namespace

const QIcon& progressImage(int image) {
    static const std::array<QIcon, kProgressImageCount> images = [] {
        std::array<QIcon, kProgressImageCount> built;
        for (int i = 0; i < kProgressImageCount; ++i)
            built[size_t(i)] = drawnIcon([i](QPainter& painter) { drawProgress(painter, i); });
        return built;
    }();
    return images[size_t(std::clamp(image, 0, kProgressImageCount - 1))];
}

const QIcon& priorityMark(int stateImage) {
    static const QIcon none;
    static const QIcon high = drawnIcon([](QPainter& painter) {
        drawArrow(painter, true, QColor(0xd9, 0x30, 0x25), QColor(0x8c, 0x1a, 0x12));
    });
    static const QIcon low = drawnIcon([](QPainter& painter) {
        drawArrow(painter, false, QColor(0x2a, 0x6f, 0xd6), QColor(0x16, 0x3f, 0x80));
    });
    switch (stateImage) {
    case 2:
        return high;
    case 3:
        return low;
    default:
        return none;
    }
}

} // namespace ItemImages

// ---- OutlineDelegate ----

namespace {

// The mark's column: the mark itself and a small gap before the progress image.
constexpr int kMarkSpace = ItemImages::kImageSize + 2;

QRect markRect(const QStyleOptionViewItem& option) {
    const QSize size(ItemImages::kImageSize, ItemImages::kImageSize);
    return QStyle::alignedRect(option.direction, Qt::AlignLeft | Qt::AlignVCenter, size,
                               option.rect);
}

// The option for everything the standard delegate draws, beside the mark's column.
QStyleOptionViewItem besideMark(const QStyleOptionViewItem& option) {
    QStyleOptionViewItem rest(option);
    rest.rect = QStyle::visualRect(option.direction, option.rect,
                                   option.rect.adjusted(kMarkSpace, 0, 0, 0));
    return rest;
}

} // namespace

void OutlineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    const QIcon& mark = ItemImages::priorityMark(index.data(OutlineModel::StateImageRole).toInt());
    if (!mark.isNull())
        mark.paint(painter, markRect(option));
    QStyledItemDelegate::paint(painter, besideMark(option), index);
}

QSize OutlineDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    return QStyledItemDelegate::sizeHint(besideMark(option), index) + QSize(kMarkSpace, 0);
}

void OutlineDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const {
    // The caption editor covers the caption, not the mark.
    QStyledItemDelegate::updateEditorGeometry(editor, besideMark(option), index);
}
