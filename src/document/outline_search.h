#pragma once
// Find over the whole outline, reading captions and bodies from the records,
// so that a run through a large document selects and loads only the item it
// stops on.

#include "document/outline_tree.h"

#include <QString>
#include <QStringView>

// The find dialog's options; they apply to bodies only.
struct FindOptions {
    bool matchCase = false;
    bool wholeWord = false;
};

// Where one run of find stopped.
struct FindHit {
    // nullptr: the run came back to its origin without a match.
    OutlineNode* node = nullptr;
    // Start of the match in the body as the editor holds it (see editorBody),
    // or -1 when the caption matched.
    qsizetype position = -1;
};

// An item's body as the editor counts it: every CR LF, CR or LF one line
// feed, so that positions in it are positions in the editor.
QString editorBody(const Tnota& nota);

// The first match of `text` in `body` at or after `from`, or -1. A whole word
// has no letter or digit right before or after it.
qsizetype findInBody(QStringView body, QStringView text, qsizetype from, FindOptions options);

// One run of find: the origin's body from `from` on, then every following
// item in depth-first order, wrapping round from the last item to the first,
// its caption (a case-sensitive substring test whatever the options) before
// its whole body. Ends at the first match, or without one on coming back to
// the origin, whose caption and body before `from` are not searched. An empty
// text matches nothing.
FindHit findInOutline(const OutlineTree& tree, OutlineNode* origin, qsizetype from,
                      const QString& text, FindOptions options);
