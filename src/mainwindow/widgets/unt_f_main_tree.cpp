// The main window's commands that change the outline's structure: each reads
// the selection and hands it to the document, which knows where things go.
#include "mainwindow/widgets/unt_f_main.h"

#include "base/widgets/user_dialogs.h"
#include "document/outline_document.h"
#include "language/messages.h"
#include "language/unt_idioma.h"
#include "mainwindow/widgets/outline_model.h"
#include "mainwindow/widgets/outline_view.h"

#include <QPlainTextEdit>

void Tfrm_ppal::agregarnodoExecute() {
    OutlineNode* added =
        m_document->addItem(selectedNode(), m_model->nodeOf(tv_lista->indexAt(QPoint(0, 0))),
                            f_getTexto(Messages::nuevoItem), newItemRecord());
    selectNode(added);
    tv_lista->edit(m_model->indexOf(added));
}

void Tfrm_ppal::borrarnodoExecute() {
    OutlineNode* selected = selectedNode();
    if (!selected || !m_services.dialogs().askOkCancel(this, f_getTexto(Messages::seguroBorra)))
        return;
    m_document->removeItem(selected);
}

void Tfrm_ppal::nombrarnodoExecute() {
    OutlineNode* selected = selectedNode();
    if (!selected)
        return;
    // Counts as a change at once, also when the edit is then cancelled.
    m_document->beginRename(selected);
    tv_lista->edit(m_model->indexOf(selected));
}

void Tfrm_ppal::arribaExecute() {
    m_document->moveUp(selectedNode());
}

void Tfrm_ppal::abajoExecute() {
    m_document->moveDown(selectedNode());
}

void Tfrm_ppal::izquierdaExecute() {
    if (!re_texto->hasFocus())
        m_document->outdent(selectedNode());
}

void Tfrm_ppal::derechaExecute() {
    if (!re_texto->hasFocus())
        m_document->indent(selectedNode());
}

void Tfrm_ppal::tv_listaEndDrag(const QPoint& position) {
    OutlineNode* dragged = selectedNode();
    if (!dragged)
        return;
    const OutlineView::Hit hit = tv_lista->hitTest(position);
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
    m_document->drop(dragged, place, m_model->nodeOf(hit.index));
}
