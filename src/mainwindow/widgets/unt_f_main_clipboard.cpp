// The main window's clipboard commands: cut, copy and paste of whole items
// while the item tree has the focus, of text otherwise, and text-to-items.
#include "mainwindow/widgets/unt_f_main.h"

#include "base/widgets/user_dialogs.h"
#include "document/outline_document.h"
#include "document/unt_funciones.h"
#include "language/messages.h"
#include "language/unt_idioma.h"
#include "mainwindow/widgets/outline_model.h"
#include "mainwindow/widgets/outline_view.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTextCursor>

void Tfrm_ppal::cortarExecute() {
    if (re_texto->hasFocus()) {
        re_texto->cut();
    } else if (tv_lista->hasFocus()) {
        // Cutting asks nothing: the items stay in the item clipboard.
        if (OutlineNode* cut = copySelectedItem())
            m_document->removeItem(cut, OutlineDocument::ChangeKind::CutItem);
    }
}

void Tfrm_ppal::copiarExecute() {
    if (re_texto->hasFocus())
        re_texto->copy();
    else if (tv_lista->hasFocus())
        copySelectedItem();
}

void Tfrm_ppal::pegarExecute() {
    if (tv_lista->hasFocus()) {
        // Counts as a change also with nothing to paste.
        m_document->paste(selectedNode(), tv_clipboard.item());
    } else {
        // The editor takes only plain text, in its own font (PlainTextEditor).
        re_texto->paste();
        f_actualizarTextoNodo();
    }
}

OutlineNode* Tfrm_ppal::copySelectedItem() {
    OutlineNode* selected = selectedNode();
    if (!selected)
        return nullptr;
    // The record gets the editor's pending text first, so the copy has it.
    f_actualizarTextoNodo();
    tv_clipboard.copy(selected);
    QGuiApplication::clipboard()->setText(tv_clipboard.outlineText());
    return selected;
}

void Tfrm_ppal::agregaritemtextoExecute() {
    OutlineNode* source = selectedNode();
    if (!source)
        return;
    const QTextCursor selection = re_texto->textCursor();
    const int start = selection.selectionStart();
    const int length = selection.selectionEnd() - start;
    const QString text = textFromEditor(selection.selectedText());
    if (!text.isEmpty()) {
        // The last new item is on show while the question is asked.
        selectNode(
            m_document->addItemsFromLines(source, splitTextIntoLines(text), newItemRecord()));
    }
    const bool erase = m_services.dialogs().askOkCancel(this, f_getTexto(Messages::borraElTexto));
    selectNode(source);
    selectEditorText(start, length);
    if (erase)
        re_texto->textCursor().removeSelectedText();
}
