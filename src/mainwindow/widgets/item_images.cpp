#include "mainwindow/widgets/item_images.h"

#include "base/widgets/drawn_icon.h"
#include "mainwindow/widgets/outline_model.h"

#include <QPainter>
#include <QPalette>
#include <QPolygonF>
#include <algorithm>
#include <array>

namespace ItemImages {
namespace {

static_assert(kImageSize == kDrawnIconGrid, "the item images are drawn on the icons' grid");

// A pie that fills clockwise from twelve o'clock, one fourteenth per step,
// on the tree's own background with an edge in its text colour, so that it
// reads on a light palette and on a dark one.
void drawProgress(QPainter& painter, const QPalette& palette, int image) {
    const QRectF disc(1.5, 1.5, kImageSize - 3, kImageSize - 3);
    const QColor base = palette.color(QPalette::Active, QPalette::Base);
    const QColor text = palette.color(QPalette::Active, QPalette::Text);
    painter.setPen(Qt::NoPen);
    painter.setBrush(isDarkPalette(palette) ? base.lighter(130) : QColor(Qt::white));
    painter.drawEllipse(disc);
    if (image > 0) {
        constexpr int fullCircle = 360 * 16; // QPainter angles are in sixteenths of a degree
        constexpr int lastImage = kProgressImageCount - 1;
        painter.setBrush(isDarkPalette(palette) ? QColor(0x5c, 0xc0, 0x60)
                                                : QColor(0x3a, 0x9a, 0x3e));
        painter.drawPie(disc, 90 * 16, -fullCircle * image / lastImage);
    }
    QColor edge = text;
    edge.setAlphaF(0.6);
    painter.setPen(QPen(edge, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(disc);
}

// An arrow pointing up for high priority, or down for low priority; its edge
// is darker than its fill on a light palette and lighter on a dark one.
void drawArrow(QPainter& painter, const QPalette& palette, bool up, const QColor& fill) {
    QPolygonF arrow{{8, 1.5}, {14.5, 8}, {10.5, 8}, {10.5, 14.5}, {5.5, 14.5}, {5.5, 8}, {1.5, 8}};
    if (!up)
        for (QPointF& point : arrow)
            point.setY(kImageSize - point.y());
    const bool dark = isDarkPalette(palette);
    painter.setPen(QPen(dark ? fill.lighter(160) : fill.darker(170), 1, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.setBrush(dark ? fill.lighter(115) : fill);
    painter.drawPolygon(arrow);
}

} // namespace

const QIcon& progressImage(int image) {
    static const std::array<QIcon, kProgressImageCount> images = [] {
        std::array<QIcon, kProgressImageCount> built;
        for (int i = 0; i < kProgressImageCount; ++i)
            built[size_t(i)] = drawnIcon([i](QPainter& painter, const QPalette& palette) {
                drawProgress(painter, palette, i);
            });
        return built;
    }();
    return images[size_t(std::clamp(image, 0, kProgressImageCount - 1))];
}

const QIcon& priorityMark(int stateImage) {
    static const QIcon none;
    static const QIcon high = drawnIcon([](QPainter& painter, const QPalette& palette) {
        drawArrow(painter, palette, true, QColor(0xd9, 0x30, 0x25));
    });
    static const QIcon low = drawnIcon([](QPainter& painter, const QPalette& palette) {
        drawArrow(painter, palette, false, QColor(0x2a, 0x6f, 0xd6));
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
