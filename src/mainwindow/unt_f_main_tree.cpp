// The main window's commands that change the outline's structure.
#include "mainwindow/unt_f_main.h"

#include "document/rollup.h"
#include "language/messages.h"
#include "language/unt_idioma.h"
#include "mainwindow/outline_model.h"
#include "mainwindow/outline_view.h"
#include "mainwindow/user_dialogs.h"

#include <QPlainTextEdit>

void Tfrm_ppal::agregarnodoExecute(QObject* sender) {
    setModified(true);
    const QString caption = f_getTexto(Messages::nuevoItem);
    OutlineNode* selected = selectedNode();
    const OutlineTree& tree = m_model->tree();
    OutlineNode* parent = nullptr;
    if (selected && selected->hasChildren())
        parent = selected;
    else if (selected)
        parent = selected->parent(); // the end of the selected item's own list
    else if (!tree.isEmpty())
        parent = m_model->nodeOf(tv_lista->indexAt(QPoint(0, 0)));
    OutlineNode* added =
        m_model->insertNode(parent, tree.childCount(parent), caption, newItemRecord());
    selectNode(added);
    m_model->rollUp();
    if (sender != re_texto)
        tv_lista->edit(m_model->indexOf(added));
}

void Tfrm_ppal::borrarnodoExecute() {
    OutlineNode* selected = selectedNode();
    if (!selected || !userDialogs().askOkCancel(this, f_getTexto(Messages::seguroBorra)))
        return;
    removeItem(selected);
    setModified(true);
}

void Tfrm_ppal::removeItem(OutlineNode* node) {
    if (m_editorNode && node->contains(m_editorNode))
        m_editorNode = nullptr; // its record goes with it
    m_model->removeNode(node);
}

void Tfrm_ppal::nombrarnodoExecute() {
    OutlineNode* selected = selectedNode();
    if (!selected)
        return;
    tv_lista->edit(m_model->indexOf(selected));
    setModified(true);
}

void Tfrm_ppal::f_moverNodo(OutlineNode* node, OutlineTree::Place place,
                            OutlineNode* destination) {
    if (!node)
        return;
    // The node keeps its expanded state and priority mark through the move.
    m_model->moveNode(node, place, destination);
    setModified(true);
    m_model->rollUp();
}

void Tfrm_ppal::arribaExecute() {
    OutlineNode* selected = selectedNode();
    if (!selected)
        return;
    if (OutlineNode* above = m_model->tree().previousVisible(selected))
        f_moverNodo(selected, OutlineTree::Place::Before, above);
}

void Tfrm_ppal::abajoExecute() {
    OutlineNode* selected = selectedNode();
    OutlineNode* next = selected ? selected->nextSibling() : nullptr;
    if (!next)
        return;
    if (OutlineNode* afterNext = next->nextSibling())
        f_moverNodo(selected, OutlineTree::Place::Before, afterNext);
    else // with no parent this is the end of the top level
        f_moverNodo(selected, OutlineTree::Place::LastChild, selected->parent());
}

void Tfrm_ppal::izquierdaExecute() {
    OutlineNode* selected = selectedNode();
    if (re_texto->hasFocus() || !selected || !selected->parent())
        return;
    OutlineNode* parent = selected->parent();
    // The siblings that follow become the item's last children.
    while (OutlineNode* follower = selected->nextSibling())
        m_model->moveNode(follower, OutlineTree::Place::LastChild, selected);
    f_moverNodo(selected, OutlineTree::Place::LastSibling, parent);
}

void Tfrm_ppal::derechaExecute() {
    OutlineNode* selected = selectedNode();
    if (re_texto->hasFocus() || !selected)
        return;
    // The item becomes the last child of its previous sibling; a first child stays.
    if (OutlineNode* previous = selected->previousSibling())
        f_moverNodo(selected, OutlineTree::Place::LastChild, previous);
}

void Tfrm_ppal::tv_listaEndDrag(const QPoint& position) {
    OutlineNode* dragged = selectedNode();
    if (!dragged)
        return;
    const OutlineView::Hit hit = tv_lista->hitTest(position);
    OutlineNode* destination = m_model->nodeOf(hit.index);
    OutlineTree::Place place = OutlineTree::Place::LastSibling;
    switch (hit.zone) {
    case OutlineView::Zone::Label:
    case OutlineView::Zone::BelowItems:
        place = OutlineTree::Place::LastChild;
        break;
    case OutlineView::Zone::Indentation:
        place = OutlineTree::Place::Before;
        break;
    case OutlineView::Zone::ExpandButton:
    case OutlineView::Zone::RightOfLabel:
        place = OutlineTree::Place::LastSibling;
        break;
    }
    // The former parent starts from 0 %; the roll-up gives it back its value
    // when it still has children.
    if (OutlineNode* former = dragged->parent())
        m_model->setCumplido(former, 0);
    f_moverNodo(dragged, place, destination);
    m_model->rollUp();
}
