#pragma once
// The item clipboard: cut and copied items are kept as a subtree with records
// of their own, so that they outlive the document they came from and every
// paste makes new, independent items.

#include "document/outline_tree.h"

#include <QString>
#include <functional>

// copySubtree (outline_tree.h) into a plain tree: each copy gets a copied record, the source's
// caption and its image and state image indexes.
OutlineNode* copySubtree(const OutlineNode* source, OutlineTree& tree, OutlineNode* parent);

class ItemClipboard {
public:
    bool isEmpty() const { return m_tree.isEmpty(); }
    // The copied item, the only top-level node; nullptr when empty.
    const OutlineNode* item() const { return m_tree.firstTopLevel(); }

    // Replaces the contents with a copy of `source` (not nullptr) and its subtree.
    void copy(const OutlineNode* source);
    // One line per copied item in depth-first order: a tab per level (one for
    // the copied item itself), the caption and CR LF. Empty when empty.
    QString outlineText() const;
    // Adds a fresh copy of the contents as the last child of `parent`; returns
    // it, or nullptr when the clipboard is empty.
    OutlineNode* pasteAsLastChild(OutlineNode* parent, const AddCopy& addLastChild) const;

private:
    OutlineTree m_tree;
};
