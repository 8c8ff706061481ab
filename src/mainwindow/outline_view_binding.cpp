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
    showAllExpanded();
}

void OutlineViewBinding::viewExpanded(const QModelIndex& index, bool expanded) {
    if (!m_showing)
        m_model->setExpanded(m_model->nodeOf(index), expanded);
}

void OutlineViewBinding::showExpanded(const QModelIndex& index, bool expanded) {
    m_showing = true;
    m_view->setExpanded(index, expanded);
    m_showing = false;
}

void OutlineViewBinding::showAllExpanded() {
    // A reset leaves every row of the view collapsed and its layout pending, so
    // only the expanded nodes need a call, and each call only records the row.
    m_showing = true;
    m_model->tree().forEach([this](OutlineNode* node) {
        if (node->expanded())
            m_view->setExpanded(m_model->indexOf(node), true);
    });
    m_showing = false;
}
