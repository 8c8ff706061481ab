#include "document/unt_clipboard.h"

#include "base/unt_constantes.h"

#include <utility>
#include <vector>

Tnota copyRecord(const Tnota& source) {
    Tnota copy = source;
    copy.indice = 0;
    return copy;
}

OutlineNode* copySubtree(const OutlineNode* source, OutlineNode* parent,
                         const AddCopy& addLastChild) {
    OutlineNode* top = nullptr;
    // Iterative, so that a very deep outline cannot exhaust the stack.
    std::vector<std::pair<const OutlineNode*, OutlineNode*>> pending{{source, parent}};
    while (!pending.empty()) {
        const auto [from, under] = pending.back();
        pending.pop_back();
        OutlineNode* copy = addLastChild(under, from);
        if (!top)
            top = copy;
        for (int i = from->childCount() - 1; i >= 0; --i)
            pending.emplace_back(from->child(i), copy);
    }
    return top;
}

OutlineNode* copySubtree(const OutlineNode* source, OutlineTree& tree, OutlineNode* parent) {
    return copySubtree(source, parent, [&tree](OutlineNode* under, const OutlineNode* from) {
        OutlineNode* copy = tree.insert(under, tree.childCount(under), from->captionUtf8(),
                                        copyRecord(from->nota()));
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
