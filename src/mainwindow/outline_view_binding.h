#pragma once
// Keeps a tree view's expanded rows and the nodes' expanded states in step,
// both ways: the user's expanding and collapsing reach the nodes through the
// model, and the nodes' states reach the view after a reset, a move or a
// change made by the program.

#include <QObject>

class OutlineModel;
class QModelIndex;
class QTreeView;

class OutlineViewBinding : public QObject {
    Q_OBJECT
public:
    // Gives the view the model; the binding lives as long as the view.
    OutlineViewBinding(QTreeView* view, OutlineModel* model);

private:
    void viewExpanded(const QModelIndex& index, bool expanded);
    void showExpanded(const QModelIndex& index, bool expanded);
    void showAllExpanded();
    // A node that was a leaf shows its own expanded state once it has children.
    void showGainedChildren(const QModelIndex& parent);

    QTreeView* m_view;
    OutlineModel* m_model;
    bool m_showing = false; // the view's own signals then echo the nodes
};
