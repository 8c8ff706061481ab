#pragma once
// The outline: a plain node tree. Every node carries its caption, expanded
// state, image indexes and one Tnota record. A tree either owns its records
// (the document, the item clipboard) or shares them with another tree (the
// scratch copy of one subtree), and never frees a shared record.

#include "document/unt_funciones.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <new>
#include <optional>
#include <vector>

class OutlineTree;

class OutlineNode {
public:
    ~OutlineNode();
    OutlineNode(const OutlineNode&) = delete;
    OutlineNode& operator=(const OutlineNode&) = delete;

    QString caption() const { return QString::fromUtf8(m_caption.view()); }
    void setCaption(const QString& caption) { m_caption = CompactText(caption.toUtf8()); }
    QByteArrayView captionUtf8() const { return m_caption.view(); }

    Tnota& nota() { return m_sharesNota ? *m_sharedNota : m_ownNota; }
    const Tnota& nota() const { return m_sharesNota ? *m_sharedNota : m_ownNota; }

    bool expanded() const { return m_expanded; }
    void setExpanded(bool expanded) { m_expanded = expanded; }
    // Image and selected image are always set together (progress bands).
    int imageIndex() const { return m_image; }
    void setImageIndex(int index) { m_image = static_cast<qint8>(index); }
    // -1 means no state image (normal priority).
    int stateIndex() const { return m_state; }
    void setStateIndex(int index) { m_state = static_cast<qint8>(index); }

    // Parent in the outline; nullptr for a top-level node.
    OutlineNode* parent() const;
    int row() const { return m_row; }
    int level() const;
    int childCount() const { return m_children ? static_cast<int>(m_children->size) : 0; }
    bool hasChildren() const { return childCount() > 0; }
    OutlineNode* child(int i) const { return childSlots()[i]; }
    OutlineNode* firstChild() const { return hasChildren() ? child(0) : nullptr; }
    OutlineNode* lastChild() const { return hasChildren() ? child(childCount() - 1) : nullptr; }
    OutlineNode* previousSibling() const;
    OutlineNode* nextSibling() const;
    // True when this node is `other` or one of its ancestors.
    bool contains(const OutlineNode* other) const;

    // A node in its tree's arena only has its destructor run; the arena gives
    // the memory back when the tree goes.
    static void operator delete(OutlineNode* node, std::destroying_delete_t);

private:
    friend class OutlineTree;
    friend class StoredOutlineBuilder;
    OutlineNode() : m_ownNota() {}

    // The children's count and room, followed by their addresses. Most items
    // of an outline have no children, and those hold no block at all; a
    // document read from its file keeps its blocks in the tree's arena at
    // their exact size.
    struct ChildBlock {
        quint32 size;
        quint32 capacity; // 0: in the tree's arena, never grown in place or freed
    };
    OutlineNode** childSlots() const { return reinterpret_cast<OutlineNode**>(m_children + 1); }
    // Room for one more child, moving the block to the heap when it is full.
    void reserveOneMore();
    void insertChild(int row, OutlineNode* node);
    void eraseChild(int row);
    // Takes every child out, leaving no block.
    void releaseChildren(std::vector<OutlineNode*>& into);

    CompactText m_caption;
    OutlineNode* m_parent = nullptr;  // the tree's invisible root for top-level nodes
    ChildBlock* m_children = nullptr; // owns the children it lists
    union {
        Tnota m_ownNota;     // unless m_sharesNota
        Tnota* m_sharedNota; // a record owned elsewhere
    };
    int m_row = 0;
    qint8 m_image = 0;
    qint8 m_state = -1;
    // Bits, so that the node's small fields share one 8-byte word with m_row.
    bool m_expanded : 1 = false;
    bool m_inArena : 1 = false;
    bool m_sharesNota : 1 = false;
    bool m_gathering : 1 = false; // a StoredOutlineBuilder is gathering its children
};

class OutlineTree {
public:
    // Where a move puts a node, relative to a destination node.
    enum class Place { LastSibling, LastChild, Before };
    // A position in the tree: parent (nullptr for the top level) and row.
    struct Slot {
        OutlineNode* parent;
        int row;
    };

    OutlineTree();
    ~OutlineTree();
    OutlineTree(const OutlineTree&) = delete;
    OutlineTree& operator=(const OutlineTree&) = delete;
    OutlineTree(OutlineTree&&) noexcept;
    OutlineTree& operator=(OutlineTree&&) noexcept;

    void clear();
    bool isEmpty() const { return !m_root->hasChildren(); }
    // Number of nodes at every level.
    int count() const { return m_count; }

    int topLevelCount() const { return m_root->childCount(); }
    OutlineNode* topLevel(int i) const { return m_root->child(i); }
    OutlineNode* firstTopLevel() const { return m_root->firstChild(); }
    OutlineNode* lastTopLevel() const { return m_root->lastChild(); }
    // Children of a node, or the top level for nullptr.
    int childCount(const OutlineNode* parent) const;
    OutlineNode* child(const OutlineNode* parent, int row) const;

    // Adding, each with an owned copy of `nota`.
    OutlineNode* addFirstTopLevel(const QString& caption, const Tnota& nota = {});
    OutlineNode* addLastTopLevel(const QString& caption, const Tnota& nota = {});
    OutlineNode* addLastChild(OutlineNode* parent, const QString& caption, const Tnota& nota = {});
    // At the end of `sibling`'s sibling list (not directly after it).
    OutlineNode* addLastSibling(OutlineNode* sibling, const QString& caption,
                                const Tnota& nota = {});
    // The general form: `parent` nullptr means the top level; row in 0..childCount.
    OutlineNode* insert(OutlineNode* parent, int row, QByteArrayView captionUtf8, Tnota nota);
    // The memory of a document read from its file (StoredOutlineBuilder), where
    // the record's texts may go too. What lies there, a detached node included,
    // must not outlive the tree's contents (its destruction or clear()).
    BlockArena& arena() { return m_arena; }
    // A node that refers to a record owned elsewhere, which must outlive it.
    OutlineNode* insertShared(OutlineNode* parent, int row, QByteArrayView captionUtf8,
                              Tnota* nota);

    // Deletes the node with its whole subtree.
    void remove(OutlineNode* node);
    // Takes the node with its subtree out of the tree and hands it over; the
    // nodes keep their addresses, so it can be put back later as it was.
    std::unique_ptr<OutlineNode> detach(OutlineNode* node);
    // Puts a detached node with its subtree at `row` of `parent` (nullptr: the top level).
    OutlineNode* attach(OutlineNode* parent, int row, std::unique_ptr<OutlineNode> node);

    // Where a move would put `node`, or nothing when the move changes nothing
    // (the destination is the node itself or lies in its subtree). With no
    // destination, LastSibling and LastChild both mean the end of the top level.
    std::optional<Slot> moveTarget(const OutlineNode* node, Place place,
                                   const OutlineNode* destination) const;
    // Moves the node with its subtree; the new parent ends up expanded.
    // Returns false when nothing moved.
    bool move(OutlineNode* node, Place place, const OutlineNode* destination);

    // Depth-first order: parent before its children, children in order.
    OutlineNode* next(const OutlineNode* node) const;
    // The item before in full depth-first order, collapsed subtrees included.
    OutlineNode* previous(const OutlineNode* node) const;
    // The item shown one row higher, skipping the contents of collapsed items.
    OutlineNode* previousVisible(const OutlineNode* node) const;
    // Absolute depth-first index, and its inverse (nullptr when out of range).
    int absoluteIndex(const OutlineNode* node) const;
    OutlineNode* nodeAt(int index) const;
    // Calls f for every node in depth-first order.
    void forEach(const std::function<void(OutlineNode*)>& f) const;
    void expandAll();

private:
    friend class StoredOutlineBuilder;
    OutlineNode* container(OutlineNode* parent) const { return parent ? parent : m_root.get(); }
    static int subtreeSize(const OutlineNode* node);
    static void renumber(OutlineNode* parent, int fromRow);

    // Before the root: the nodes kept in it go first.
    BlockArena m_arena;
    std::unique_ptr<OutlineNode> m_root;
    int m_count = 0;
};

// Builds a tree from items that come in depth-first order, as a document file
// holds them: every node, its caption and its list of children go into the
// tree's arena, each list at its final size once no more children can come.
// A node may still get children after that (a damaged file may name an earlier
// parent); its list then moves to the heap like that of any edited node.
class StoredOutlineBuilder {
public:
    explicit StoredOutlineBuilder(OutlineTree& tree) : m_tree(tree) {}
    // Without finish(), what is still being gathered is dropped.
    ~StoredOutlineBuilder();
    StoredOutlineBuilder(const StoredOutlineBuilder&) = delete;
    StoredOutlineBuilder& operator=(const StoredOutlineBuilder&) = delete;

    // A new last child of `parent` (nullptr: the top level).
    OutlineNode* add(OutlineNode* parent, QByteArrayView captionUtf8, Tnota nota);
    // Puts every list still gathered into the tree; the builder is done.
    void finish();

private:
    struct Gathering {
        OutlineNode* owner;
        std::vector<OutlineNode*> children;
    };
    // Puts the last `count` gathered lists into their owners.
    void close(size_t count);

    OutlineTree& m_tree;
    // Lists still gathered, outermost first; the vectors stay for reuse.
    std::vector<Gathering> m_open;
    size_t m_openCount = 0;
};

// Adds one copy of `source` as the last child of `parent` (nullptr: the top
// level) and returns it.
using AddCopy = std::function<OutlineNode*(OutlineNode* parent, const OutlineNode* source)>;

// Copies `source` with its whole subtree, depth-first, each node added by
// `addLastChild`: the source under `parent`, its children in order under the
// source's copy, and so on. Returns the copy of `source`. Every copy of a
// subtree (the item clipboard, the document's own copies, the scratch tree of
// one item) walks through here.
OutlineNode* copySubtree(const OutlineNode* source, OutlineNode* parent,
                         const AddCopy& addLastChild);
