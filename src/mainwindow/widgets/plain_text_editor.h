#pragma once
// The editor of an item's body. The body is plain text, so whatever arrives
// from the clipboard or a drop is inserted as plain text in the editor's font:
// QPlainTextEdit would otherwise take headings and emphasis from Markdown.

#include <QPlainTextEdit>

class PlainTextEditor : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};
