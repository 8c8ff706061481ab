#include "document/unt_clipboard.h"

#include "base/unt_constantes.h"

OutlineNode* copySubtree(const OutlineNode* source, OutlineTree& tree, OutlineNode* parent) {
    return copySubtree(source, parent, [&tree](OutlineNode* under, const OutlineNode* from) {
        OutlineNode* copy =
            tree.insert(under, tree.childCount(under), from->captionUtf8(), from->nota());
        copy->setImageIndex(from->imageIndex());
        copy->setStateIndex(from->stateIndex());
        return copy;
    });
}

void ItemClipboard::copy(const OutlineNode* source) {
    m_tree.clear();
    copySubtree(source, m_tree, nullptr);
}

QString ItemClipboard::outlineText() const {
    QString text;
    m_tree.forEach([&text](const OutlineNode* node) {
        text += QString(node->level() + 1, u'\t') + node->caption() + Unt_constantes::crlf;
    });
    return text;
}

OutlineNode* ItemClipboard::pasteAsLastChild(OutlineNode* parent,
                                             const AddCopy& addLastChild) const {
    return isEmpty() ? nullptr : copySubtree(item(), parent, addLastChild);
}
