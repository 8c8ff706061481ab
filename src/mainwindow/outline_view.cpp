#include "mainwindow/outline_view.h"

#include <QContextMenuEvent>
#include <QDropEvent>

OutlineView::OutlineView(QWidget* parent) : QTreeView(parent) {
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setIndentation(19);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    setMouseTracking(true); // hot tracking
    setContextMenuPolicy(Qt::DefaultContextMenu);
}

OutlineView::Hit OutlineView::hitTest(const QPoint& position) const {
    const QModelIndex index = indexAt(position);
    if (!index.isValid())
        return {QModelIndex(), Zone::BelowItems};
    const QRect item = visualRect(index);
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = item;
    const int labelEnd = item.left() + itemDelegateForIndex(index)->sizeHint(option, index).width();
    Zone zone = Zone::RightOfLabel;
    if (position.x() < item.left() - indentation())
        zone = Zone::Indentation;
    else if (position.x() < item.left())
        zone = Zone::ExpandButton;
    else if (position.x() < labelEnd)
        zone = Zone::Label;
    return {index, zone};
}

bool OutlineView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // A click on the selected item opens its caption editor a moment later,
    // from a timer. When the user has gone on to another control by then (a
    // quick click into the body), that editor would take the keys typed there.
    if (m_inTimer && !hasFocus())
        return false;
    return QTreeView::edit(index, trigger, event);
}

void OutlineView::timerEvent(QTimerEvent* event) {
    m_inTimer = true;
    QTreeView::timerEvent(event);
    m_inTimer = false;
}

void OutlineView::dragEnterEvent(QDragEnterEvent* event) {
    // Only items dragged inside this tree are taken.
    if (event->source() == this)
        event->acceptProposedAction();
    else
        event->ignore();
}

void OutlineView::dragMoveEvent(QDragMoveEvent* event) {
    if (event->source() == this)
        event->acceptProposedAction();
    else
        event->ignore();
}

void OutlineView::dropEvent(QDropEvent* event) {
    if (event->source() != this) {
        event->ignore();
        return;
    }
    // The window moves the item itself; reporting a copy keeps the view from
    // removing the dragged rows as it would after a move.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit itemDropped(event->position().toPoint());
}

void OutlineView::contextMenuEvent(QContextMenuEvent* event) {
    emit popupRequested(event->pos(), event->reason() == QContextMenuEvent::Mouse);
    event->accept();
}
