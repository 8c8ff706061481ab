// The main window's find command: a modeless dialog whose find-next button
// searches captions and bodies of the whole document, wrapping around.
#include "mainwindow/widgets/unt_f_main.h"

#include "document/outline_search.h"
#include "mainwindow/widgets/find_dialog.h"
#include "mainwindow/widgets/outline_model.h"

#include <QPlainTextEdit>
#include <QTextCursor>

void Tfrm_ppal::buscarExecute() {
    if (!selectAnItem())
        return;
    if (!FindDialog1) {
        FindDialog1 = new FindDialog(this);
        connect(FindDialog1, &FindDialog::findNext, this, &Tfrm_ppal::FindDialog1Find);
    }
    // A selection that starts the body leaves the last find text as it was.
    const QTextCursor cursor = re_texto->textCursor();
    if (cursor.selectionStart() != 0)
        FindDialog1->setFindText(cursor.selectedText().replace(QChar::ParagraphSeparator, u'\n'));
    FindDialog1->show();
    FindDialog1->raise();
    FindDialog1->activateWindow();
}

void Tfrm_ppal::FindDialog1Find() {
    OutlineNode* origin = selectAnItem();
    if (!origin)
        return;
    // The run reads bodies from the records; the origin's may still be in the editor.
    f_actualizarTextoNodo();
    // From the end of the selection, so a hit at the body's first character
    // counts and the next run moves past the hit it shows.
    const QString text = FindDialog1->findText();
    const FindHit hit =
        findInOutline(m_model->tree(), origin, re_texto->textCursor().selectionEnd(), text,
                      FindDialog1->options());
    if (!hit.node) {
        // Back at the origin: the next run searches its body from the start.
        re_texto->moveCursor(QTextCursor::Start);
        return;
    }
    if (hit.node != origin)
        selectNode(hit.node); // shown, its collapsed ancestors expanded
    if (hit.position >= 0) {
        re_texto->setFocus();
        selectEditorText(int(hit.position), int(text.size()));
    }
}

OutlineNode* Tfrm_ppal::selectAnItem() {
    if (!selectedNode())
        if (OutlineNode* first = m_model->tree().firstTopLevel())
            selectNode(first);
    return selectedNode();
}

void Tfrm_ppal::selectEditorText(int start, int length) {
    QTextCursor cursor(re_texto->document());
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    re_texto->setTextCursor(cursor);
}
