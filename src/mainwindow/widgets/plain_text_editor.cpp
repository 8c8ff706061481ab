#include "mainwindow/widgets/plain_text_editor.h"

#include <QMimeData>

bool PlainTextEditor::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasText();
}

void PlainTextEditor::insertFromMimeData(const QMimeData* source) {
    // Pasting bypasses the read-only check that typing goes through.
    if (isReadOnly() || !source->hasText())
        return;
    insertPlainText(source->text());
    ensureCursorVisible();
}
