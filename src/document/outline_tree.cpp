#include "document/outline_tree.h"

#include <utility>

// ---- OutlineNode ----

OutlineNode::~OutlineNode() {
    // Dismantled without recursion, so that a very deep outline cannot exhaust
    // the stack: every node is destroyed once its children are taken away.
    if (!m_sharesNota)
        m_ownNota.~Tnota();
    std::vector<std::unique_ptr<OutlineNode>> pending = std::move(m_children);
    while (!pending.empty()) {
        std::unique_ptr<OutlineNode> node = std::move(pending.back());
        pending.pop_back();
        for (auto& child : node->m_children)
            pending.push_back(std::move(child));
        node->m_children.clear();
    }
}

void OutlineNode::operator delete(OutlineNode* node, std::destroying_delete_t) {
    const bool inArena = node->m_inArena;
    node->~OutlineNode();
    if (!inArena)
        ::operator delete(node);
}

OutlineNode* OutlineNode::parent() const {
    // The invisible root is the only node without a parent of its own.
    return m_parent && m_parent->m_parent ? m_parent : nullptr;
}

int OutlineNode::level() const {
    int level = 0;
    for (const OutlineNode* p = parent(); p; p = p->parent())
        ++level;
    return level;
}

OutlineNode* OutlineNode::previousSibling() const {
    return m_row > 0 ? m_parent->child(m_row - 1) : nullptr;
}

OutlineNode* OutlineNode::nextSibling() const {
    return m_row + 1 < m_parent->childCount() ? m_parent->child(m_row + 1) : nullptr;
}

bool OutlineNode::contains(const OutlineNode* other) const {
    for (const OutlineNode* p = other; p; p = p->m_parent)
        if (p == this)
            return true;
    return false;
}

// ---- OutlineTree ----

OutlineTree::OutlineTree() : m_root(new OutlineNode) {}
OutlineTree::~OutlineTree() = default;
OutlineTree::OutlineTree(OutlineTree&& other) noexcept
    : m_arena(std::move(other.m_arena)),
      m_root(std::exchange(other.m_root, std::unique_ptr<OutlineNode>(new OutlineNode))),
      m_count(std::exchange(other.m_count, 0)) {}

OutlineTree& OutlineTree::operator=(OutlineTree&& other) noexcept {
    if (this != &other) {
        std::swap(m_root, other.m_root);
        std::swap(m_count, other.m_count);
        m_arena.swap(other.m_arena);
        other.clear();
    }
    return *this;
}

void OutlineTree::clear() {
    m_root.reset(new OutlineNode);
    m_count = 0;
    m_arena = BlockArena();
}

int OutlineTree::childCount(const OutlineNode* parent) const {
    return parent ? parent->childCount() : m_root->childCount();
}

OutlineNode* OutlineTree::child(const OutlineNode* parent, int row) const {
    return parent ? parent->child(row) : m_root->child(row);
}

OutlineNode* OutlineTree::addFirstTopLevel(const QString& caption, const Tnota& nota) {
    return insert(nullptr, 0, caption.toUtf8(), nota);
}

OutlineNode* OutlineTree::addLastTopLevel(const QString& caption, const Tnota& nota) {
    return insert(nullptr, topLevelCount(), caption.toUtf8(), nota);
}

OutlineNode* OutlineTree::addLastChild(OutlineNode* parent, const QString& caption,
                                       const Tnota& nota) {
    return insert(parent, parent->childCount(), caption.toUtf8(), nota);
}

OutlineNode* OutlineTree::addLastSibling(OutlineNode* sibling, const QString& caption,
                                         const Tnota& nota) {
    OutlineNode* parent = sibling->parent();
    return insert(parent, childCount(parent), caption.toUtf8(), nota);
}

OutlineNode* OutlineTree::insert(OutlineNode* parent, int row, QByteArrayView captionUtf8,
                                 Tnota nota) {
    std::unique_ptr<OutlineNode> node(new OutlineNode);
    node->m_caption = CompactText(captionUtf8);
    node->m_ownNota = std::move(nota);
    return attach(parent, row, std::move(node));
}

OutlineNode* OutlineTree::insertStored(OutlineNode* parent, int row, QByteArrayView captionUtf8,
                                       Tnota nota) {
    std::unique_ptr<OutlineNode> node(
        new (m_arena.allocate(sizeof(OutlineNode), alignof(OutlineNode))) OutlineNode);
    node->m_inArena = true;
    node->m_caption = CompactText(captionUtf8, m_arena);
    node->m_ownNota = std::move(nota);
    return attach(parent, row, std::move(node));
}

OutlineNode* OutlineTree::insertShared(OutlineNode* parent, int row, QByteArrayView captionUtf8,
                                       Tnota* nota) {
    std::unique_ptr<OutlineNode> node(new OutlineNode);
    node->m_caption = CompactText(captionUtf8);
    node->m_ownNota.~Tnota();
    node->m_sharedNota = nota;
    node->m_sharesNota = true;
    return attach(parent, row, std::move(node));
}

OutlineNode* OutlineTree::attach(OutlineNode* parent, int row, std::unique_ptr<OutlineNode> node) {
    OutlineNode* holder = container(parent);
    Q_ASSERT(node && !node->m_parent && row >= 0 && row <= holder->childCount());
    OutlineNode* raw = node.get();
    m_count += subtreeSize(raw);
    node->m_parent = holder;
    holder->m_children.insert(holder->m_children.begin() + row, std::move(node));
    renumber(holder, row);
    return raw;
}

std::unique_ptr<OutlineNode> OutlineTree::detach(OutlineNode* node) {
    OutlineNode* holder = node->m_parent;
    const int row = node->m_row;
    std::unique_ptr<OutlineNode> owned = std::move(holder->m_children[size_t(row)]);
    holder->m_children.erase(holder->m_children.begin() + row);
    renumber(holder, row);
    m_count -= subtreeSize(node);
    node->m_parent = nullptr;
    return owned;
}

void OutlineTree::remove(OutlineNode* node) {
    detach(node);
}

int OutlineTree::subtreeSize(const OutlineNode* node) {
    int size = 0;
    const OutlineNode* end = node;
    // Depth-first walk bounded to the subtree, without recursion.
    for (const OutlineNode* n = node; n;) {
        ++size;
        if (n->hasChildren()) {
            n = n->firstChild();
            continue;
        }
        while (n != end && !n->nextSibling())
            n = n->m_parent;
        n = n == end ? nullptr : n->nextSibling();
    }
    return size;
}

void OutlineTree::renumber(OutlineNode* parent, int fromRow) {
    for (int i = fromRow; i < parent->childCount(); ++i)
        parent->m_children[size_t(i)]->m_row = i;
}

std::optional<OutlineTree::Slot> OutlineTree::moveTarget(const OutlineNode* node, Place place,
                                                         const OutlineNode* destination) const {
    if (!node || (destination && node->contains(destination)))
        return std::nullopt;
    OutlineNode* parent = nullptr;
    int row = 0;
    if (!destination) {
        row = topLevelCount();
    } else if (place == Place::LastChild) {
        parent = const_cast<OutlineNode*>(destination);
        row = destination->childCount();
    } else {
        parent = destination->parent();
        row = place == Place::Before ? destination->row() : childCount(parent);
    }
    return Slot{parent, row};
}

bool OutlineTree::move(OutlineNode* node, Place place, const OutlineNode* destination) {
    const auto slot = moveTarget(node, place, destination);
    if (!slot)
        return false;
    int row = slot->row;
    // Taking the node out first shifts the later rows of its own list.
    if (container(slot->parent) == node->m_parent && node->m_row < row)
        --row;
    std::unique_ptr<OutlineNode> owned = detach(node);
    attach(slot->parent, row, std::move(owned));
    if (slot->parent)
        slot->parent->setExpanded(true);
    return true;
}

OutlineNode* OutlineTree::next(const OutlineNode* node) const {
    if (node->hasChildren())
        return node->firstChild();
    for (const OutlineNode* n = node; n; n = n->parent())
        if (OutlineNode* sibling = n->nextSibling())
            return sibling;
    return nullptr;
}

OutlineNode* OutlineTree::previous(const OutlineNode* node) const {
    OutlineNode* sibling = node->previousSibling();
    if (!sibling)
        return node->parent();
    while (sibling->hasChildren())
        sibling = sibling->lastChild();
    return sibling;
}

OutlineNode* OutlineTree::previousVisible(const OutlineNode* node) const {
    OutlineNode* sibling = node->previousSibling();
    if (!sibling)
        return node->parent();
    while (sibling->expanded() && sibling->hasChildren())
        sibling = sibling->lastChild();
    return sibling;
}

int OutlineTree::absoluteIndex(const OutlineNode* node) const {
    // Every earlier sibling's subtree and every ancestor comes before the node.
    int index = 0;
    for (const OutlineNode* n = node; n && n != m_root.get(); n = n->m_parent) {
        for (int i = 0; i < n->m_row; ++i)
            index += subtreeSize(n->m_parent->child(i));
        if (n->parent())
            ++index;
    }
    return index;
}

OutlineNode* OutlineTree::nodeAt(int index) const {
    if (index < 0 || index >= m_count)
        return nullptr;
    // Skip whole subtrees that end before the index.
    const OutlineNode* holder = m_root.get();
    while (true) {
        for (int i = 0; i < holder->childCount(); ++i) {
            OutlineNode* candidate = holder->child(i);
            if (index == 0)
                return candidate;
            const int size = subtreeSize(candidate);
            if (index < size) {
                --index;
                holder = candidate;
                break;
            }
            index -= size;
        }
    }
}

void OutlineTree::forEach(const std::function<void(OutlineNode*)>& f) const {
    for (OutlineNode* n = firstTopLevel(); n; n = next(n))
        f(n);
}

void OutlineTree::expandAll() {
    forEach([](OutlineNode* n) { n->setExpanded(true); });
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
