#include "mainwindow/widgets/outline_view.h"

#include "mainwindow/widgets/item_images.h"
#include "mainwindow/widgets/outline_model.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

namespace {

// The item after `node` and all its descendants in depth-first order.
const OutlineNode* following(const OutlineNode* node) {
    while (node && !node->nextSibling())
        node = node->parent();
    return node ? node->nextSibling() : nullptr;
}

} // namespace

OutlineView::OutlineView(QWidget* parent) : QAbstractItemView(parent) {
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectRows);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    setMouseTracking(true); // hot tracking
    setContextMenuPolicy(Qt::DefaultContextMenu);
    setVerticalScrollMode(ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setItemDelegate(new OutlineDelegate(this));
}

void OutlineView::setModel(QAbstractItemModel* model) {
    m_outline = qobject_cast<OutlineModel*>(model);
    Q_ASSERT(m_outline || !model);
    QAbstractItemView::setModel(model);
    if (!m_outline)
        return;
    connect(m_outline, &QAbstractItemModel::rowsAboutToBeMoved, this,
            [this](const QModelIndex& parent, int start) { beforeMove(parent, start); });
    connect(m_outline, &QAbstractItemModel::rowsMoved, this, &OutlineView::afterMove);
    connect(m_outline, &OutlineModel::expandedChanged, this, &OutlineView::nodeExpandedChanged);
}

// ---- the shown rows ----

OutlineNode* OutlineView::nodeOf(const QModelIndex& index) const {
    return m_outline ? m_outline->nodeOf(index) : nullptr;
}

QModelIndex OutlineView::indexOf(const OutlineNode* node) const {
    return m_outline ? m_outline->indexOf(node) : QModelIndex();
}

bool OutlineView::isShown(const OutlineNode* node) const {
    for (const OutlineNode* p = node->parent(); p; p = p->parent())
        if (!p->expanded())
            return false;
    return true;
}

bool OutlineView::childrenShown(const OutlineNode* parent) const {
    return !parent || (parent->expanded() && isShown(parent));
}

int OutlineView::rowOf(const OutlineNode* node) const {
    if (!node || m_rows.empty() || !isShown(node))
        return -1;
    const int size = int(m_rows.size());
    const auto seen = [&](const OutlineNode* n) {
        const int row = m_rowHint.value(n, -1);
        return row >= 0 && row < size && m_rows[size_t(row)] == n ? row : -1;
    };
    if (const int row = seen(node); row >= 0)
        return row;
    // A change of structure moves later rows by the size of what it moved, so
    // an item is looked for near where it was last seen, or else after the
    // nearest ancestor whose row is known.
    int start = m_rowHint.value(node, -1);
    if (start < 0 || start >= size) {
        start = 0;
        for (const OutlineNode* p = node->parent(); p; p = p->parent())
            if (const int row = seen(p); row >= 0) {
                start = row;
                break;
            }
    }
    for (int distance = 0; start + distance < size || start - distance >= 0; ++distance) {
        for (const int row : {start + distance, start - distance}) {
            if (row >= 0 && row < size && m_rows[size_t(row)] == node) {
                if (m_rowHint.size() > 65536)
                    m_rowHint.clear();
                m_rowHint.insert(node, row);
                return row;
            }
        }
    }
    return -1;
}

void OutlineView::appendShown(const OutlineNode* node, std::vector<OutlineNode*>& rows) {
    // Depth-first without recursion: a deep outline costs no stack.
    std::vector<const OutlineNode*> pending{node};
    while (!pending.empty()) {
        const OutlineNode* n = pending.back();
        pending.pop_back();
        rows.push_back(const_cast<OutlineNode*>(n));
        if (n->expanded())
            for (int i = n->childCount() - 1; i >= 0; --i)
                pending.push_back(n->child(i));
    }
}

int OutlineView::endOfShown(int row) const {
    const OutlineNode* next = following(m_rows[size_t(row)]);
    int end = row + 1;
    while (end < int(m_rows.size()) && m_rows[size_t(end)] != next)
        ++end;
    return end;
}

int OutlineView::insertionRow(const OutlineNode* node) const {
    // The item goes right before whatever follows it in the outline.
    const OutlineNode* next = following(node);
    const int row = next ? rowOf(next) : -1;
    return row >= 0 ? row : int(m_rows.size());
}

void OutlineView::showRows(int at, const std::vector<OutlineNode*>& rows) {
    m_rows.insert(m_rows.begin() + at, rows.begin(), rows.end());
    updateGeometries();
    viewport()->update();
}

void OutlineView::hideRows(int from, int to) {
    m_rows.erase(m_rows.begin() + from, m_rows.begin() + to);
    updateGeometries();
    viewport()->update();
}

void OutlineView::reset() {
    QAbstractItemView::reset();
    m_rows.clear();
    m_rowHint.clear();
    m_moving = nullptr;
    m_movingRows.clear();
    if (m_outline) {
        const OutlineTree& tree = m_outline->tree();
        for (int i = 0; i < tree.topLevelCount(); ++i)
            appendShown(tree.topLevel(i), m_rows);
    }
    updateGeometries();
    viewport()->update();
}

void OutlineView::rowsInserted(const QModelIndex& parent, int start, int end) {
    OutlineNode* holder = nodeOf(parent);
    if (childrenShown(holder)) {
        // From the last, so that what follows each one is already shown.
        for (int i = end; i >= start; --i) {
            const OutlineNode* node = m_outline->tree().child(holder, i);
            std::vector<OutlineNode*> rows;
            appendShown(node, rows);
            showRows(insertionRow(node), rows);
        }
    } else if (holder) {
        update(parent); // its expand button may have just appeared
    }
    QAbstractItemView::rowsInserted(parent, start, end);
}

void OutlineView::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) {
    OutlineNode* holder = nodeOf(parent);
    if (childrenShown(holder)) {
        for (int i = start; i <= end; ++i) {
            const int row = rowOf(m_outline->tree().child(holder, i));
            if (row >= 0)
                hideRows(row, endOfShown(row));
        }
    }
    QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
    if (holder)
        update(parent);
}

void OutlineView::beforeMove(const QModelIndex& parent, int row) {
    m_moving = m_outline->tree().child(nodeOf(parent), row);
    m_movingRows.clear();
    const int shown = rowOf(m_moving);
    if (shown < 0)
        return;
    const int end = endOfShown(shown);
    m_movingRows.assign(m_rows.begin() + shown, m_rows.begin() + end);
    hideRows(shown, end);
}

void OutlineView::afterMove() {
    if (m_moving && childrenShown(m_moving->parent())) {
        if (m_movingRows.empty()) // it comes out of a closed item
            appendShown(m_moving, m_movingRows);
        showRows(insertionRow(m_moving), m_movingRows);
    }
    m_moving = nullptr;
    m_movingRows.clear();
}

void OutlineView::nodeExpandedChanged(const QModelIndex& index, bool expanded) {
    const OutlineNode* node = nodeOf(index);
    const int row = rowOf(node);
    if (row < 0)
        return;
    if (expanded) {
        std::vector<OutlineNode*> rows;
        for (int i = 0; i < node->childCount(); ++i)
            appendShown(node->child(i), rows);
        showRows(row + 1, rows);
    } else {
        hideRows(row + 1, endOfShown(row));
    }
}

// ---- expanded state ----

bool OutlineView::isExpanded(const QModelIndex& index) const {
    const OutlineNode* node = nodeOf(index);
    return node && node->expanded() && node->hasChildren();
}

void OutlineView::setExpanded(const QModelIndex& index, bool expanded) {
    if (OutlineNode* node = nodeOf(index))
        m_outline->document()->setExpanded(node, expanded);
}

QModelIndex OutlineView::indexBelow(const QModelIndex& index) const {
    const int row = rowOf(nodeOf(index));
    return row >= 0 && row + 1 < int(m_rows.size()) ? indexOf(m_rows[size_t(row) + 1])
                                                    : QModelIndex();
}

// ---- geometry ----

int OutlineView::rowHeight() const {
    if (m_rowHeight == 0) {
        // Every row has the height of the first, as in a tree with uniform rows.
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        const QModelIndex sample = m_rows.empty() ? QModelIndex() : indexOf(m_rows.front());
        const int hinted = sample.isValid() ? itemDelegate()->sizeHint(option, sample).height() : 0;
        m_rowHeight = std::max({hinted, fontMetrics().height() + 2, ItemImages::kImageSize + 2});
    }
    return m_rowHeight;
}

int OutlineView::verticalOffset() const {
    return verticalScrollBar()->value();
}

QRect OutlineView::rowRect(int row) const {
    return QRect(0, row * rowHeight() - verticalOffset(), viewport()->width(), rowHeight());
}

QRect OutlineView::expanderRect(int row) const {
    const QRect line = rowRect(row);
    return QRect(m_rows[size_t(row)]->level() * m_indentation, line.top(), m_indentation,
                 line.height());
}

QRect OutlineView::itemRect(int row) const {
    const QRect line = rowRect(row);
    const int left = (m_rows[size_t(row)]->level() + 1) * m_indentation;
    return QRect(left, line.top(), std::max(0, line.width() - left), line.height());
}

QRect OutlineView::visualRect(const QModelIndex& index) const {
    const int row = rowOf(nodeOf(index));
    return row < 0 ? QRect() : itemRect(row);
}

QModelIndex OutlineView::indexAt(const QPoint& point) const {
    if (point.y() < 0)
        return {};
    const int row = (point.y() + verticalOffset()) / rowHeight();
    return row < int(m_rows.size()) ? indexOf(m_rows[size_t(row)]) : QModelIndex();
}

bool OutlineView::isIndexHidden(const QModelIndex& index) const {
    const OutlineNode* node = nodeOf(index);
    return !node || !isShown(node);
}

void OutlineView::updateGeometries() {
    const int height = rowHeight();
    QScrollBar* bar = verticalScrollBar();
    bar->setSingleStep(height);
    bar->setPageStep(viewport()->height());
    bar->setRange(0, std::max(0, int(m_rows.size()) * height - viewport()->height()));
    QAbstractItemView::updateGeometries();
}

void OutlineView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    OutlineNode* node = nodeOf(index);
    if (!node)
        return;
    // Ancestors first, the outermost first, so that each one shows the next.
    std::vector<OutlineNode*> closed;
    for (OutlineNode* p = node->parent(); p; p = p->parent())
        if (!p->expanded())
            closed.push_back(p);
    for (auto p = closed.rbegin(); p != closed.rend(); ++p)
        m_outline->document()->setExpanded(*p, true);
    const int row = rowOf(node);
    if (row < 0)
        return;
    const int top = row * rowHeight();
    const int bottom = top + rowHeight();
    const int shown = viewport()->height();
    QScrollBar* bar = verticalScrollBar();
    switch (hint) {
    case EnsureVisible:
        if (top < bar->value())
            bar->setValue(top);
        else if (bottom > bar->value() + shown)
            bar->setValue(bottom - shown);
        break;
    case PositionAtTop:
        bar->setValue(top);
        break;
    case PositionAtBottom:
        bar->setValue(bottom - shown);
        break;
    case PositionAtCenter:
        bar->setValue(top - (shown - rowHeight()) / 2);
        break;
    }
}

QModelIndex OutlineView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers) {
    if (m_rows.empty())
        return {};
    OutlineNode* node = nodeOf(currentIndex());
    int row = rowOf(node);
    // A current item inside a closed one moves from the row of the closed one.
    for (OutlineNode* p = node ? node->parent() : nullptr; row < 0 && p; p = p->parent())
        if ((row = rowOf(p)) >= 0)
            node = p;
    if (row < 0)
        return indexOf(m_rows.front());
    const int last = int(m_rows.size()) - 1;
    const int page = std::max(1, viewport()->height() / rowHeight());
    const auto at = [&](int r) { return indexOf(m_rows[size_t(std::clamp(r, 0, last))]); };
    switch (cursorAction) {
    case MoveUp:
    case MovePrevious:
        return at(row - 1);
    case MoveDown:
    case MoveNext:
        return at(row + 1);
    case MovePageUp:
        return at(row - page);
    case MovePageDown:
        return at(row + page);
    case MoveHome:
        return at(0);
    case MoveEnd:
        return at(last);
    case MoveLeft:
        // Left closes an open item, then climbs to its parent.
        if (node->hasChildren() && node->expanded()) {
            m_outline->document()->setExpanded(node, false);
            return currentIndex();
        }
        return node->parent() ? indexOf(node->parent()) : currentIndex();
    case MoveRight:
        // Right opens a closed item, then goes to its first child.
        if (node->hasChildren() && !node->expanded()) {
            m_outline->document()->setExpanded(node, true);
            return currentIndex();
        }
        return node->hasChildren() ? indexOf(node->firstChild()) : currentIndex();
    }
    return currentIndex();
}

void OutlineView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    if (m_rows.empty())
        return;
    const int last = int(m_rows.size()) - 1;
    const int first = std::clamp((rect.top() + verticalOffset()) / rowHeight(), 0, last);
    const int end = std::clamp((rect.bottom() + verticalOffset()) / rowHeight(), 0, last);
    QItemSelection selection;
    for (int row = std::min(first, end); row <= std::max(first, end); ++row) {
        const QModelIndex index = indexOf(m_rows[size_t(row)]);
        selection.select(index, index);
    }
    selectionModel()->select(selection, command);
}

QRegion OutlineView::visualRegionForSelection(const QItemSelection& selection) const {
    QRegion region;
    for (const QModelIndex& index : selection.indexes())
        region += visualRect(index);
    return region;
}

void OutlineView::keyboardSearch(const QString& search) {
    if (m_rows.empty() || search.isEmpty())
        return;
    // The next shown item whose caption starts with the typed text, from the current one on.
    const int size = int(m_rows.size());
    const int from = std::max(0, rowOf(nodeOf(currentIndex())));
    for (int i = 1; i <= size; ++i) {
        OutlineNode* node = m_rows[size_t((from + i) % size)];
        if (node->caption().startsWith(search, Qt::CaseInsensitive)) {
            setCurrentIndex(indexOf(node));
            return;
        }
    }
}

// ---- painting and input ----

void OutlineView::paintEvent(QPaintEvent* event) {
    if (m_rows.empty())
        return;
    QPainter painter(viewport());
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QStyle::State base = option.state;
    const int last = int(m_rows.size()) - 1;
    const int first = std::clamp((event->rect().top() + verticalOffset()) / rowHeight(), 0, last);
    const int end = std::clamp((event->rect().bottom() + verticalOffset()) / rowHeight(), 0, last);
    const QModelIndex current = currentIndex();
    for (int row = first; row <= end; ++row) {
        const OutlineNode* node = m_rows[size_t(row)];
        const QModelIndex index = indexOf(node);
        if (node->hasChildren()) {
            QStyleOption branch;
            branch.initFrom(this);
            branch.rect = expanderRect(row);
            branch.state = QStyle::State_Item | QStyle::State_Children |
                           (node->expanded() ? QStyle::State_Open : QStyle::State_None) |
                           (node->nextSibling() ? QStyle::State_Sibling : QStyle::State_None);
            style()->drawPrimitive(QStyle::PE_IndicatorBranch, &branch, &painter, this);
        }
        option.rect = itemRect(row);
        option.state = base;
        if (selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (index == current && hasFocus())
            option.state |= QStyle::State_HasFocus;
        if (index == m_hover)
            option.state |= QStyle::State_MouseOver;
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

void OutlineView::mousePressEvent(QMouseEvent* event) {
    // A press on an expand button opens or closes the item and selects nothing.
    const QPoint point = event->position().toPoint();
    const QModelIndex index = indexAt(point);
    const int row = rowOf(nodeOf(index));
    if (event->button() == Qt::LeftButton && row >= 0 && nodeOf(index)->hasChildren() &&
        expanderRect(row).contains(point)) {
        setExpanded(index, !isExpanded(index));
        event->accept();
        return;
    }
    QAbstractItemView::mousePressEvent(event);
}

void OutlineView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    const int row = rowOf(nodeOf(index));
    if (row >= 0 && expanderRect(row).contains(event->position().toPoint())) {
        mousePressEvent(event);
        return;
    }
    QAbstractItemView::mouseDoubleClickEvent(event);
    // A double click opens or closes an item, as in the usual tree.
    if (event->button() == Qt::LeftButton && index.isValid() && nodeOf(index)->hasChildren())
        setExpanded(index, !isExpanded(index));
}

void OutlineView::mouseMoveEvent(QMouseEvent* event) {
    const QModelIndex hovered = indexAt(event->position().toPoint());
    if (hovered != m_hover) {
        update(m_hover);
        update(hovered);
        m_hover = hovered;
    }
    QAbstractItemView::mouseMoveEvent(event);
}

void OutlineView::leaveEvent(QEvent* event) {
    update(m_hover);
    m_hover = QPersistentModelIndex();
    QAbstractItemView::leaveEvent(event);
}

void OutlineView::keyPressEvent(QKeyEvent* event) {
    OutlineNode* node = nodeOf(currentIndex());
    if (node && event->modifiers() == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Asterisk: {
            // Everything below opens; the deepest first, while hidden, so that
            // the rows are shown once.
            std::vector<OutlineNode*> closed;
            std::vector<OutlineNode*> pending{node};
            while (!pending.empty()) {
                OutlineNode* n = pending.back();
                pending.pop_back();
                if (n->hasChildren() && !n->expanded())
                    closed.push_back(n);
                for (int i = 0; i < n->childCount(); ++i)
                    pending.push_back(n->child(i));
            }
            // Depth-first order puts every parent before its children.
            for (auto n = closed.rbegin(); n != closed.rend(); ++n)
                m_outline->document()->setExpanded(*n, true);
            event->accept();
            return;
        }
        case Qt::Key_Plus:
        case Qt::Key_Minus:
            setExpanded(currentIndex(), event->key() == Qt::Key_Plus);
            event->accept();
            return;
        default:
            break;
        }
    }
    QAbstractItemView::keyPressEvent(event);
}

bool OutlineView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // A click on the selected item opens its caption editor a moment later,
    // from a timer. When the user has gone on to another control by then (a
    // quick click into the body), that editor would take the keys typed there.
    if (m_inTimer && !hasFocus())
        return false;
    return QAbstractItemView::edit(index, trigger, event);
}

void OutlineView::timerEvent(QTimerEvent* event) {
    m_inTimer = true;
    QAbstractItemView::timerEvent(event);
    m_inTimer = false;
}

void OutlineView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        m_rowHeight = 0;
        updateGeometries();
    }
    QAbstractItemView::changeEvent(event);
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
