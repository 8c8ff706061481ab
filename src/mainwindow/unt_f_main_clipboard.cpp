// The main window's clipboard commands: cut, copy and paste of whole items
// while the item tree has the focus, of text otherwise, and text-to-items.
#include "mainwindow/unt_f_main.h"

#include "document/unt_funciones.h"
#include "language/messages.h"
#include "language/unt_idioma.h"
#include "mainwindow/outline_model.h"
#include "mainwindow/outline_view.h"
#include "mainwindow/user_dialogs.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTextCursor>

void Tfrm_ppal::cortarExecute() {
    if (re_texto->hasFocus()) {
        re_texto->cut();
        setModified(true);
    } else if (tv_lista->hasFocus()) {
        // Cutting asks nothing: the items stay in the item clipboard.
        if (OutlineNode* cut = copySelectedItem())
            removeItem(cut);
        setModified(true);
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
        pasteItems();
        m_model->rollUp();
    } else {
        // The editor takes only plain text, in its own font (PlainTextEditor).
        re_texto->paste();
        f_actualizarTextoNodo();
    }
    setModified(true);
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

void Tfrm_ppal::pasteItems() {
    OutlineNode* target = selectedNode();
    if (!target)
        return;
    const auto addLastChild = [this](OutlineNode* parent, const OutlineNode* source) {
        return m_model->insertNode(parent, parent->childCount(), source->caption(),
                                   copyRecord(source->nota()));
    };
    if (tv_clipboard.pasteAsLastChild(target, addLastChild))
        updatePercentControls(false); // the target's percentage now comes from its children
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
        // Each new item is selected when added, so the next lands after it.
        for (const QString& line : splitTextIntoLines(text)) {
            agregarnodoExecute(re_texto);
            m_model->renameNode(selectedNode(), line);
        }
        setModified(true);
    }
    const bool erase = userDialogs().askOkCancel(this, f_getTexto(Messages::borraElTexto));
    selectNode(source);
    selectEditorText(start, length);
    if (erase)
        re_texto->textCursor().removeSelectedText();
}
