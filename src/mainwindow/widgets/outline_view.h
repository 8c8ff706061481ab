#pragma once
// The item tree on screen. It keeps the shown items as one flat list, in
// order, and changes only the part of it that a change of the outline
// touches; it draws and measures only the rows on screen. The expanded state
// is the nodes' own: the view reads it from them and sets it through the
// document, so it keeps no state per item. (A QTreeView keeps a persistent
// index per expanded item, updates all of them on every change of structure
// and lays out every shown row again, which a large outline cannot afford.)
//
// Drops and popup requests go to the main window, which decides what they do.

#include <QAbstractItemView>
#include <QHash>
#include <QModelIndex>
#include <vector>

class OutlineModel;
class OutlineNode;

class OutlineView : public QAbstractItemView {
    Q_OBJECT
public:
    // The part of a row a point lies in; it decides where a dropped item goes.
    enum class Zone { Label, Indentation, ExpandButton, RightOfLabel, BelowItems };
    struct Hit {
        QModelIndex index; // invalid below the last item
        Zone zone;
    };

    explicit OutlineView(QWidget* parent = nullptr);
    // Takes only an OutlineModel.
    void setModel(QAbstractItemModel* model) override;

    // `position` in viewport coordinates.
    Hit hitTest(const QPoint& position) const;
    int indentation() const { return m_indentation; }
    bool isExpanded(const QModelIndex& index) const;
    void setExpanded(const QModelIndex& index, bool expanded);
    void expand(const QModelIndex& index) { setExpanded(index, true); }
    void collapse(const QModelIndex& index) { setExpanded(index, false); }
    // The item shown in the next row; invalid after the last.
    QModelIndex indexBelow(const QModelIndex& index) const;
    using QAbstractItemView::edit;

    // ---- QAbstractItemView ----
    QRect visualRect(const QModelIndex& index) const override;
    // Shows the item, expanding its ancestors first as a tree view does.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;
    void keyboardSearch(const QString& search) override;
    void reset() override;

signals:
    // An item was dropped at the position (viewport coordinates).
    void itemDropped(const QPoint& position);
    // The popup menu is asked for; `byMouse` is false when asked from the keyboard.
    void popupRequested(const QPoint& position, bool byMouse);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override { return 0; }
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex& index) const override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void updateGeometries() override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    OutlineNode* nodeOf(const QModelIndex& index) const;
    QModelIndex indexOf(const OutlineNode* node) const;
    // The row an item is shown in, or -1 when an ancestor is collapsed.
    int rowOf(const OutlineNode* node) const;
    bool isShown(const OutlineNode* node) const;
    // Whether the children of `parent` (nullptr: the top level) are on show.
    bool childrenShown(const OutlineNode* parent) const;
    // The item with the rows of its shown descendants, in order.
    static void appendShown(const OutlineNode* node, std::vector<OutlineNode*>& rows);
    // The first row after the item and its shown descendants.
    int endOfShown(int row) const;
    // Where the item's rows go, for an item whose parent's children are on show.
    int insertionRow(const OutlineNode* node) const;
    void showRows(int at, const std::vector<OutlineNode*>& rows);
    void hideRows(int from, int to);
    void nodeExpandedChanged(const QModelIndex& index, bool expanded);
    void beforeMove(const QModelIndex& parent, int row);
    void afterMove();
    QRect rowRect(int row) const;
    // The part of a row the item itself takes, right of its indentation.
    QRect itemRect(int row) const;
    QRect expanderRect(int row) const;
    int rowHeight() const;

    OutlineModel* m_outline = nullptr;
    std::vector<OutlineNode*> m_rows;                 // the shown items, top to bottom
    mutable QHash<const OutlineNode*, int> m_rowHint; // where items were last found
    OutlineNode* m_moving = nullptr;                  // the item being moved
    std::vector<OutlineNode*> m_movingRows;           // and the rows it showed
    mutable int m_rowHeight = 0;                      // 0 until measured
    int m_indentation = 19;
    QPersistentModelIndex m_hover;
    // True while the view's own timers run; the only one of them that edits is
    // the caption editor a click on the selected item asked for.
    bool m_inTimer = false;
};
