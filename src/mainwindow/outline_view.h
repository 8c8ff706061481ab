#pragma once
// The item tree on screen: a QTreeView that reports drops and popup requests
// to the main window, which decides what they do to the outline.

#include <QModelIndex>
#include <QTreeView>

class OutlineView : public QTreeView {
    Q_OBJECT
public:
    // The part of a row a point lies in; it decides where a dropped item goes.
    enum class Zone { Label, Indentation, ExpandButton, RightOfLabel, BelowItems };
    struct Hit {
        QModelIndex index; // invalid below the last item
        Zone zone;
    };

    explicit OutlineView(QWidget* parent = nullptr);
    // `position` in viewport coordinates.
    Hit hitTest(const QPoint& position) const;
    using QTreeView::edit;

signals:
    // An item was dropped at the position (viewport coordinates).
    void itemDropped(const QPoint& position);
    // The popup menu is asked for; `byMouse` is false when asked from the keyboard.
    void popupRequested(const QPoint& position, bool byMouse);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // True while the view's own timers run; the only one of them that edits is
    // the caption editor a click on the selected item asked for.
    bool m_inTimer = false;
};
