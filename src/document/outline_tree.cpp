#include "document/outline_tree.h"

#include <algorithm>
#include <cstring>
#include <utility>

// ---- OutlineNode ----

OutlineNode::~OutlineNode() {
    // Dismantled without recursion, so that a very deep outline cannot exhaust
    // the stack: every node is destroyed once its children are taken away.
    if (!m_sharesNota)
        m_ownNota.~Tnota();
    std::vector<OutlineNode*> pending;
    releaseChildren(pending);
    while (!pending.empty()) {
        OutlineNode* node = pending.back();
        pending.pop_back();
        node->releaseChildren(pending);
        delete node;
    }
}

void OutlineNode::reserveOneMore() {
    const quint32 size = m_children ? m_children->size : 0;
    if (m_children && m_children->capacity > size)
        return;
    const quint32 capacity = std::max<quint32>(2, size * 2);
    auto* block = static_cast<ChildBlock*>(
        ::operator new(sizeof(ChildBlock) + capacity * sizeof(OutlineNode*)));
    block->size = size;
    block->capacity = capacity;
    if (size)
        std::memcpy(reinterpret_cast<OutlineNode**>(block + 1), childSlots(),
                    size * sizeof(OutlineNode*));
    if (m_children && m_children->capacity)
        ::operator delete(m_children);
    m_children = block;
}

void OutlineNode::insertChild(int row, OutlineNode* node) {
    reserveOneMore();
    OutlineNode** at = childSlots() + row;
    std::memmove(at + 1, at, (m_children->size - quint32(row)) * sizeof(OutlineNode*));
    *at = node;
    ++m_children->size;
}

void OutlineNode::eraseChild(int row) {
    OutlineNode** at = childSlots() + row;
    std::memmove(at, at + 1, (m_children->size - quint32(row) - 1) * sizeof(OutlineNode*));
    if (--m_children->size == 0) {
        // A former parent holds no block, like any other item without children.
        if (m_children->capacity)
            ::operator delete(m_children);
        m_children = nullptr;
    }
}

void OutlineNode::releaseChildren(std::vector<OutlineNode*>& into) {
    if (!m_children)
        return;
    into.insert(into.end(), childSlots(), childSlots() + m_children->size);
    if (m_children->capacity)
        ::operator delete(m_children);
    m_children = nullptr;
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
    holder->insertChild(row, node.release());
    renumber(holder, row);
    return raw;
}

std::unique_ptr<OutlineNode> OutlineTree::detach(OutlineNode* node) {
    OutlineNode* holder = node->m_parent;
    const int row = node->m_row;
    std::unique_ptr<OutlineNode> owned(node);
    holder->eraseChild(row);
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
        parent->child(i)->m_row = i;
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

// ---- StoredOutlineBuilder ----

StoredOutlineBuilder::~StoredOutlineBuilder() {
    // Left unfinished (the file turned out damaged): the lists still gathered
    // go with their nodes, innermost first, since an outer list holds the
    // owners of the inner ones.
    for (size_t i = m_openCount; i-- > 0;) {
        Gathering& open = m_open[i];
        open.owner->m_gathering = false;
        for (OutlineNode* node : open.children) {
            m_tree.m_count -= OutlineTree::subtreeSize(node);
            delete node;
        }
    }
}

OutlineNode* StoredOutlineBuilder::add(OutlineNode* parent, QByteArrayView captionUtf8,
                                       Tnota nota) {
    BlockArena& arena = m_tree.m_arena;
    OutlineNode* node = new (arena.allocate(sizeof(OutlineNode), alignof(OutlineNode))) OutlineNode;
    node->m_inArena = true;
    node->m_caption = CompactText(captionUtf8, arena);
    node->m_ownNota = std::move(nota);
    OutlineNode* owner = m_tree.container(parent);
    if (owner->m_gathering) {
        // Every list opened after the owner's belongs to a node whose
        // children are all here.
        size_t at = m_openCount;
        while (m_open[at - 1].owner != owner)
            --at;
        close(m_openCount - at);
    } else if (!owner->m_children) {
        if (m_open.size() == m_openCount)
            m_open.emplace_back();
        m_open[m_openCount++].owner = owner;
        owner->m_gathering = true;
    } else {
        // Its list was closed already: it grows as an edited node's does.
        std::unique_ptr<OutlineNode> owned(node);
        return m_tree.attach(parent, owner->childCount(), std::move(owned));
    }
    std::vector<OutlineNode*>& children = m_open[m_openCount - 1].children;
    node->m_parent = owner;
    node->m_row = int(children.size());
    children.push_back(node);
    ++m_tree.m_count;
    return node;
}

void StoredOutlineBuilder::finish() {
    close(m_openCount);
}

void StoredOutlineBuilder::close(size_t count) {
    for (; count > 0; --count) {
        Gathering& open = m_open[m_openCount - 1];
        const size_t size = open.children.size();
        auto* block = static_cast<OutlineNode::ChildBlock*>(m_tree.m_arena.allocate(
            sizeof(OutlineNode::ChildBlock) + size * sizeof(OutlineNode*), alignof(OutlineNode*)));
        block->size = quint32(size);
        block->capacity = 0;
        std::memcpy(reinterpret_cast<OutlineNode**>(block + 1), open.children.data(),
                    size * sizeof(OutlineNode*));
        open.owner->m_children = block;
        open.owner->m_gathering = false;
        open.children.clear();
        --m_openCount;
    }
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
