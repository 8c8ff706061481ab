// The main window's undo and redo commands. While the text editor has the
// focus and typing to take back, they act on its own history, whose edits
// reach the document as one change of the item's text; otherwise they take
// back or repeat the document's last change and show the item it concerned.
#include "mainwindow/widgets/unt_f_main.h"

#include "mainwindow/widgets/main_actions.h"

#include "document/outline_document.h"
#include "language/messages.h"
#include "mainwindow/widgets/outline_model.h"

#include <QAction>
#include <QPlainTextEdit>

namespace {

const NewText& changeName(OutlineDocument::ChangeKind kind) {
    using Kind = OutlineDocument::ChangeKind;
    switch (kind) {
    case Kind::AddItem:
        return Messages::cambioAgregar;
    case Kind::DeleteItem:
        return Messages::cambioBorrar;
    case Kind::CutItem:
        return Messages::cambioCortar;
    case Kind::RenameItem:
        return Messages::cambioRenombrar;
    case Kind::MoveItem:
        return Messages::cambioMover;
    case Kind::PasteItems:
        return Messages::cambioPegar;
    case Kind::TextToItems:
        return Messages::cambioTextoItems;
    case Kind::EditText:
        return Messages::cambioTexto;
    case Kind::SetDate:
        return Messages::cambioFecha;
    case Kind::SetPercentage:
        return Messages::cambioCumplido;
    case Kind::SetPriority:
        return Messages::cambioPrioridad;
    }
    return Messages::cambioTexto;
}

} // namespace

void Tfrm_ppal::deshacerExecute() {
    if (re_texto->hasFocus() && re_texto->document()->isUndoAvailable()) {
        re_texto->undo(); // reaches the record through the editor's change handler
        return;
    }
    f_actualizarTextoNodo();
    if (OutlineNode* concerned = m_document->undo())
        selectNode(concerned);
}

void Tfrm_ppal::rehacerExecute() {
    if (re_texto->hasFocus() && re_texto->document()->isRedoAvailable()) {
        re_texto->redo();
        return;
    }
    if (OutlineNode* concerned = m_document->redo())
        selectNode(concerned);
}

void Tfrm_ppal::updateUndoActions() {
    using Kind = OutlineDocument::ChangeKind;
    const bool editorFocused = re_texto->hasFocus();
    const bool editorUndo = editorFocused && re_texto->document()->isUndoAvailable();
    const bool editorRedo = editorFocused && re_texto->document()->isRedoAvailable();
    const auto show = [](QAction* action, const NewText& command, const NewText& hint, bool enabled,
                         Kind kind) {
        const QString caption = f_getTexto(command);
        action->setEnabled(enabled);
        action->setText(enabled ? caption + u' ' + f_getTexto(changeName(kind)) : caption);
        action->setStatusTip(f_getTexto(hint));
        action->setToolTip(action->text());
    };
    show(action(ActionName::deshacer), Messages::deshacer, Messages::deshacerHint,
         editorUndo || m_document->canUndo(), editorUndo ? Kind::EditText : m_document->undoKind());
    show(action(ActionName::rehacer), Messages::rehacer, Messages::rehacerHint,
         editorRedo || m_document->canRedo(), editorRedo ? Kind::EditText : m_document->redoKind());
    assignMenuMnemonics();
}
