#include "mainwindow/outline_view_binding.h"

#include "mainwindow/outline_model.h"

#include <QTreeView>

OutlineViewBinding::OutlineViewBinding(QTreeView* view, OutlineModel* model)
    : QObject(view), m_view(view), m_model(model) {
    // The view connects to the model first, so it has handled a reset before
    // the nodes' states are applied to it.
    view->setModel(model);
    connect(view, &QTreeView::expanded, this,
            [this](const QModelIndex& index) { viewExpanded(index, true); });
    connect(view, &QTreeView::collapsed, this,
            [this](const QModelIndex& index) { viewExpanded(index, false); });
    connect(model, &OutlineModel::expandedChanged, this, &OutlineViewBinding::showExpanded);
    connect(model, &OutlineModel::modelReset, this, &OutlineViewBinding::showAllExpanded);
    connect(model, &OutlineModel::rowsInserted, this,
            [this](const QModelIndex& parent) { showGainedChildren(parent); });
    connect(model, &OutlineModel::rowsMoved, this,
            [this](const QModelIndex&, int, int, const QModelIndex& destination) {
                showGainedChildren(destination);
            });
    showAllExpanded();
}

void OutlineViewBinding::viewExpanded(const QModelIndex& index, bool expanded) {
    if (!m_showing)
        m_model->document()->setExpanded(m_model->nodeOf(index), expanded);
}

void OutlineViewBinding::showExpanded(const QModelIndex& index, bool expanded) {
    // The view keeps a persistent index for every expanded row, which costs
    // memory and time on every change of structure; an item without children
    // shows no difference, so its state waits until it gains one.
    if (expanded && !m_model->nodeOf(index)->hasChildren())
        return;
    m_showing = true;
    m_view->setExpanded(index, expanded);
    m_showing = false;
}

void OutlineViewBinding::showAllExpanded() {
    // A reset leaves every row of the view collapsed and its layout pending, so
    // only the expanded nodes need a call, and each call only records the row.
    m_showing = true;
    m_model->tree().forEach([this](OutlineNode* node) {
        if (node->expanded() && node->hasChildren())
            m_view->setExpanded(m_model->indexOf(node), true);
    });
    m_showing = false;
}

void OutlineViewBinding::showGainedChildren(const QModelIndex& parent) {
    const OutlineNode* node = m_model->nodeOf(parent);
    if (node && node->expanded() && !m_view->isExpanded(parent))
        showExpanded(parent, true);
}
