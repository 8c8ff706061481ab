#include "document/outline_search.h"

#include "base/unt_constantes.h"

namespace {

bool isWholeWord(QStringView body, qsizetype at, qsizetype length) {
    const qsizetype end = at + length;
    return (at == 0 || !body[at - 1].isLetterOrNumber()) &&
           (end == body.size() || !body[end].isLetterOrNumber());
}

// The item after `node` in depth-first order, the first item after the last.
OutlineNode* following(const OutlineTree& tree, const OutlineNode* node) {
    OutlineNode* next = tree.next(node);
    return next ? next : tree.firstTopLevel();
}

// The body searched as stored, which spares a converted copy of every body:
// for a text without line breaks, matches and word boundaries are the same
// as in the editor, and only the CR LFs before a match shift its position.
qsizetype findInStoredBody(const Tnota& nota, const QString& text, FindOptions options) {
    const QString stored = nota.texto();
    const qsizetype at = findInBody(stored, text, 0, options);
    // A UTF-16 needle: Qt 6.4 counts a Latin-1 one as -1 in an empty view.
    return at < 0 ? at : at - QStringView(stored).first(at).count(u"\r\n");
}

} // namespace

QString editorBody(const Tnota& nota) {
    QString body = textForEditor(nota.texto());
    return body.replace(QLatin1Char(Unt_constantes::cr), QLatin1Char(Unt_constantes::lf));
}

qsizetype findInBody(QStringView body, QStringView text, qsizetype from, FindOptions options) {
    const Qt::CaseSensitivity cs = options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (qsizetype at = body.indexOf(text, from, cs); at >= 0; at = body.indexOf(text, at + 1, cs))
        if (!options.wholeWord || isWholeWord(body, at, text.size()))
            return at;
    return -1;
}

FindHit findInOutline(const OutlineTree& tree, OutlineNode* origin, qsizetype from,
                      const QString& text, FindOptions options) {
    if (!origin || text.isEmpty())
        return {};
    qsizetype position = findInBody(editorBody(origin->nota()), text, from, options);
    if (position >= 0)
        return {origin, position};
    const bool hasLineBreak = text.contains(QLatin1Char(Unt_constantes::cr)) ||
                              text.contains(QLatin1Char(Unt_constantes::lf));
    // Captions are tested as stored: in UTF-8 a substring is still a substring.
    const QByteArray captionText = text.toUtf8();
    for (OutlineNode* node = following(tree, origin); node != origin;
         node = following(tree, node)) {
        if (node->captionUtf8().contains(captionText))
            return {node, -1};
        position = hasLineBreak ? findInBody(editorBody(node->nota()), text, 0, options)
                                : findInStoredBody(node->nota(), text, options);
        if (position >= 0)
            return {node, position};
    }
    return {};
}
