#include "document/outline_document.h"

#include "document/rollup.h"
#include "document/unt_clipboard.h"

#include <algorithm>
#include <variant>

namespace {

template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

// A node with its subtree that belongs to no tree yet.
std::unique_ptr<OutlineNode> detachedNode(QByteArrayView captionUtf8, const Tnota& nota) {
    OutlineTree scratch;
    OutlineNode* node = scratch.insert(nullptr, 0, captionUtf8, nota);
    // The images always follow the record, also for items that arrive with data.
    f_asignaricononodo(node, nota.cumplido);
    applyPriorityMark(node);
    return scratch.detach(node);
}

std::unique_ptr<OutlineNode> detachedCopy(const OutlineNode* source) {
    OutlineTree scratch;
    return scratch.detach(copySubtree(source, scratch, nullptr));
}

// Items with their subtrees: the nodes and their texts.
qint64 subtreeBytes(const OutlineNode* node) {
    qint64 bytes = 0;
    std::vector<const OutlineNode*> pending{node};
    while (!pending.empty()) {
        const OutlineNode* n = pending.back();
        pending.pop_back();
        bytes +=
            qint64(sizeof(OutlineNode)) + n->captionUtf8().size() + n->nota().textoUtf8().size();
        for (int i = 0; i < n->childCount(); ++i)
            pending.push_back(n->child(i));
    }
    return bytes;
}

} // namespace

// ---- steps ----

// An item enters the tree (forward) or leaves it; the step holds it while it is out.
struct Presence {
    OutlineNode* node;
    OutlineNode* parent;
    int row;
    bool inserts;
    std::unique_ptr<OutlineNode> held;
};
// An item moves from one place to another; rows count after it was taken out.
struct Relocation {
    OutlineNode* node;
    OutlineNode* fromParent;
    int fromRow;
    OutlineNode* toParent;
    int toRow;
};
struct CaptionChange {
    OutlineNode* node;
    CompactText before, after;
};
struct TextChange {
    OutlineNode* node;
    CompactText before, after;
};
struct DateChange {
    OutlineNode* node;
    QString before, after;
};
struct PercentChange {
    OutlineNode* node;
    qint32 before, after;
    qint8 imageBefore, imageAfter;
};
struct PriorityChange {
    OutlineNode* node;
    quint8 before, after;
    qint8 stateBefore, stateAfter;
};
struct ExpandedChange {
    OutlineNode* node;
    bool after;
};

struct OutlineDocument::Step
    : std::variant<Presence, Relocation, CaptionChange, TextChange, DateChange, PercentChange,
                   PriorityChange, ExpandedChange> {
    using variant::variant;
};

struct OutlineDocument::Entry {
    ChangeKind kind;
    std::vector<Step> steps;
    OutlineNode* focusBefore = nullptr; // shown after an undo
    OutlineNode* focusAfter = nullptr;  // shown after a redo
};

OutlineDocument::OutlineDocument(QObject* parent)
    : QObject(parent), m_tree(std::make_unique<OutlineTree>()) {}

OutlineDocument::~OutlineDocument() = default;

// ---- life cycle ----

void OutlineDocument::load(std::unique_ptr<OutlineTree> tree, bool inFile) {
    emit aboutToReset();
    // The history goes first: its steps refer to the items of the old outline.
    m_history.clear();
    m_index = 0;
    m_savedIndex = inFile ? std::optional<size_t>(0) : std::nullopt;
    m_tree = tree ? std::move(tree) : std::make_unique<OutlineTree>();
    emit resetDone();
    announceState();
}

OutlineNode* OutlineDocument::loadNew(const QString& caption, const Tnota& nota) {
    auto tree = std::make_unique<OutlineTree>();
    OutlineNode* first = tree->attach(nullptr, 0, detachedNode(caption.toUtf8(), nota));
    load(std::move(tree), false);
    return first;
}

void OutlineDocument::markSaved() {
    m_savedIndex = m_index;
    announceState();
}

void OutlineDocument::announceState() {
    if (m_modifiedShown != isModified()) {
        m_modifiedShown = isModified();
        emit modifiedChanged(m_modifiedShown);
    }
}

// ---- history ----

bool OutlineDocument::canRedo() const {
    return m_index < m_history.size();
}

OutlineDocument::ChangeKind OutlineDocument::undoKind() const {
    return canUndo() ? m_history[m_index - 1].kind : ChangeKind::AddItem;
}

OutlineDocument::ChangeKind OutlineDocument::redoKind() const {
    return canRedo() ? m_history[m_index].kind : ChangeKind::AddItem;
}

OutlineNode* OutlineDocument::undo() {
    if (!canUndo())
        return nullptr;
    Entry& entry = m_history[--m_index];
    for (auto step = entry.steps.rbegin(); step != entry.steps.rend(); ++step)
        play(*step, false);
    emit changed();
    announceState();
    return entry.focusBefore;
}

OutlineNode* OutlineDocument::redo() {
    if (!canRedo())
        return nullptr;
    Entry& entry = m_history[m_index++];
    for (Step& step : entry.steps)
        play(step, true);
    emit changed();
    announceState();
    return entry.focusAfter;
}

qint64 OutlineDocument::historyBytes() const {
    qint64 bytes = qint64(m_history.capacity() * sizeof(Entry));
    for (const Entry& entry : m_history) {
        bytes += qint64(entry.steps.capacity() * sizeof(Step));
        for (const Step& step : entry.steps)
            bytes += std::visit(
                Overloaded{
                    [](const Presence& s) -> qint64 {
                        return s.held ? subtreeBytes(s.held.get()) : 0;
                    },
                    [](const CaptionChange& s) -> qint64 {
                        return s.before.size() + s.after.size();
                    },
                    [](const TextChange& s) -> qint64 { return s.before.size() + s.after.size(); },
                    [](const DateChange& s) -> qint64 {
                        return 2 * (s.before.size() + s.after.size());
                    },
                    [](const auto&) -> qint64 { return 0; },
                },
                static_cast<const Step::variant&>(step));
    }
    return bytes;
}

void OutlineDocument::play(Step& step, bool forward) {
    std::visit(Overloaded{
                   [&](Presence& s) {
                       if (s.inserts == forward) {
                           emit aboutToInsert(s.parent, s.row);
                           m_tree->attach(s.parent, s.row, std::move(s.held));
                           emit inserted();
                       } else {
                           emit aboutToRemove(s.node);
                           s.held = m_tree->detach(s.node);
                           emit removed();
                       }
                   },
                   [&](Relocation& s) {
                       OutlineNode* parent = forward ? s.toParent : s.fromParent;
                       const int row = forward ? s.toRow : s.fromRow;
                       // A model counts the destination row before the node leaves its list.
                       const bool sameList = parent == s.node->parent();
                       emit aboutToMove(s.node, parent,
                                        sameList && row > s.node->row() ? row + 1 : row);
                       m_tree->attach(parent, row, m_tree->detach(s.node));
                       emit moved();
                   },
                   [&](CaptionChange& s) {
                       s.node->setCaption(QString::fromUtf8((forward ? s.after : s.before).view()));
                       emit itemChanged(s.node, Aspect::Caption);
                   },
                   [&](TextChange& s) {
                       s.node->nota().setTextoUtf8((forward ? s.after : s.before).view());
                       emit itemChanged(s.node, Aspect::Texto);
                   },
                   [&](DateChange& s) {
                       s.node->nota().setFecha(forward ? s.after : s.before);
                       emit itemChanged(s.node, Aspect::Fecha);
                   },
                   // Only the images show in a tree; the numbers reach views through changed().
                   [&](PercentChange& s) {
                       s.node->nota().cumplido = forward ? s.after : s.before;
                       if (s.imageAfter != s.imageBefore) {
                           s.node->setImageIndex(forward ? s.imageAfter : s.imageBefore);
                           emit itemChanged(s.node, Aspect::Progress);
                       }
                   },
                   [&](PriorityChange& s) {
                       s.node->nota().prioridad = forward ? s.after : s.before;
                       if (s.stateAfter != s.stateBefore) {
                           s.node->setStateIndex(forward ? s.stateAfter : s.stateBefore);
                           emit itemChanged(s.node, Aspect::Priority);
                       }
                   },
                   [&](ExpandedChange& s) { setExpanded(s.node, forward == s.after); },
               },
               static_cast<Step::variant&>(step));
}

// ---- recording ----

void OutlineDocument::beginChange(ChangeKind kind, OutlineNode* focus) {
    Q_ASSERT(!m_recording);
    m_recording = std::make_unique<Entry>(Entry{kind, {}, focus, nullptr});
}

void OutlineDocument::record(Step step) {
    play(step, true);
    m_recording->steps.push_back(std::move(step));
}

void OutlineDocument::endChange(OutlineNode* focus, bool keepIfEmpty) {
    rollUpPending();
    std::unique_ptr<Entry> entry = std::move(m_recording);
    if (entry->steps.empty() && !keepIfEmpty)
        return;
    entry->focusAfter = focus;
    pushEntry(std::move(*entry));
    emit changed();
    announceState();
}

void OutlineDocument::pushEntry(Entry entry) {
    // A new change ends every change that was undone; the saved state may go with them.
    if (m_savedIndex && *m_savedIndex > m_index)
        m_savedIndex.reset();
    m_history.erase(m_history.begin() + qsizetype(m_index), m_history.end());
    m_history.push_back(std::move(entry));
    m_index = m_history.size();
}

OutlineDocument::Entry* OutlineDocument::mergeableEntry(ChangeKind kind, const OutlineNode* node) {
    // Merging into the change the file already holds would hide the edit from
    // the modified state.
    if (!canUndo() || canRedo() || m_savedIndex == m_index)
        return nullptr;
    Entry& last = m_history.back();
    return last.kind == kind && last.focusAfter == node ? &last : nullptr;
}

void OutlineDocument::rollUpPending() {
    std::sort(m_rollUp.begin(), m_rollUp.end());
    m_rollUp.erase(std::unique(m_rollUp.begin(), m_rollUp.end()), m_rollUp.end());
    for (OutlineNode* node : m_rollUp)
        rollUpAncestors(node,
                        [this](OutlineNode* parent, int mean) { setCumplidoStep(parent, mean); });
    m_rollUp.clear();
}

void OutlineDocument::setCumplidoStep(OutlineNode* node, int cumplido) {
    record(PercentChange{node, node->nota().cumplido, cumplido, qint8(node->imageIndex()),
                         qint8(progressImage(cumplido))});
}

void OutlineDocument::insertNode(OutlineNode* parent, int row, std::unique_ptr<OutlineNode> node) {
    OutlineNode* raw = node.get();
    record(Presence{raw, parent, row, true, std::move(node)});
    m_rollUp.push_back(parent);
}

bool OutlineDocument::moveNode(OutlineNode* node, OutlineTree::Place place,
                               const OutlineNode* destination) {
    // Validated first: nothing is announced for a move that does not happen.
    const auto target = m_tree->moveTarget(node, place, destination);
    if (!target)
        return false;
    OutlineNode* from = node->parent();
    int row = target->row;
    if (target->parent == from && node->row() < row)
        --row; // taking the node out first shifts the later rows of its own list
    if (target->parent != from || row != node->row()) {
        record(Relocation{node, from, node->row(), target->parent, row});
        m_rollUp.push_back(from);
        m_rollUp.push_back(target->parent);
    }
    // The new parent ends up expanded.
    if (target->parent && !target->parent->expanded())
        record(ExpandedChange{target->parent, true});
    return true;
}

// ---- changes of the structure ----

OutlineNode* OutlineDocument::addItem(OutlineNode* selected, OutlineNode* topmostShown,
                                      const QString& caption, const Tnota& nota) {
    OutlineNode* parent = nullptr;
    if (selected && selected->hasChildren())
        parent = selected;
    else if (selected)
        parent = selected->parent(); // the end of the selected item's own list
    else if (!m_tree->isEmpty())
        parent = topmostShown;
    beginChange(ChangeKind::AddItem, selected);
    auto node = detachedNode(caption.toUtf8(), nota);
    OutlineNode* added = node.get();
    insertNode(parent, m_tree->childCount(parent), std::move(node));
    endChange(added);
    return added;
}

void OutlineDocument::removeItem(OutlineNode* node, ChangeKind kind) {
    if (!node)
        return;
    beginChange(kind, node);
    m_rollUp.push_back(node->parent());
    record(Presence{node, node->parent(), node->row(), false, nullptr});
    endChange(nullptr);
}

bool OutlineDocument::moveUp(OutlineNode* node) {
    OutlineNode* above = node ? m_tree->previousVisible(node) : nullptr;
    if (!above)
        return false;
    beginChange(ChangeKind::MoveItem, node);
    moveNode(node, OutlineTree::Place::Before, above);
    endChange(node);
    return true;
}

bool OutlineDocument::moveDown(OutlineNode* node) {
    OutlineNode* next = node ? node->nextSibling() : nullptr;
    if (!next)
        return false;
    beginChange(ChangeKind::MoveItem, node);
    if (OutlineNode* afterNext = next->nextSibling())
        moveNode(node, OutlineTree::Place::Before, afterNext);
    else // with no parent this is the end of the top level
        moveNode(node, OutlineTree::Place::LastChild, node->parent());
    endChange(node);
    return true;
}

bool OutlineDocument::outdent(OutlineNode* node) {
    OutlineNode* parent = node ? node->parent() : nullptr;
    if (!parent)
        return false;
    beginChange(ChangeKind::MoveItem, node);
    // The siblings that follow become the item's last children.
    while (OutlineNode* follower = node->nextSibling())
        moveNode(follower, OutlineTree::Place::LastChild, node);
    moveNode(node, OutlineTree::Place::LastSibling, parent);
    endChange(node);
    return true;
}

bool OutlineDocument::indent(OutlineNode* node) {
    // A first child stays where it is.
    OutlineNode* previous = node ? node->previousSibling() : nullptr;
    if (!previous)
        return false;
    beginChange(ChangeKind::MoveItem, node);
    moveNode(node, OutlineTree::Place::LastChild, previous);
    endChange(node);
    return true;
}

void OutlineDocument::drop(OutlineNode* node, OutlineTree::Place place, OutlineNode* destination) {
    if (!node)
        return;
    beginChange(ChangeKind::MoveItem, node);
    if (OutlineNode* former = node->parent()) {
        if (former->nota().cumplido != 0 || former->imageIndex() != 0)
            setCumplidoStep(former, 0);
        m_rollUp.push_back(former);
    }
    moveNode(node, place, destination);
    endChange(node, true);
}

OutlineNode* OutlineDocument::paste(OutlineNode* target, const OutlineNode* source) {
    beginChange(ChangeKind::PasteItems, target);
    OutlineNode* pasted = nullptr;
    if (target && source) {
        auto copy = detachedCopy(source);
        pasted = copy.get();
        insertNode(target, target->childCount(), std::move(copy));
    }
    endChange(target, true);
    return pasted;
}

OutlineNode* OutlineDocument::addItemsFromLines(OutlineNode* source, const QStringList& lines,
                                                const Tnota& nota) {
    if (!source || lines.isEmpty())
        return nullptr;
    OutlineNode* parent = source->hasChildren() ? source : source->parent();
    beginChange(ChangeKind::TextToItems, source);
    OutlineNode* last = nullptr;
    for (const QString& line : lines) {
        auto node = detachedNode(line.toUtf8(), nota);
        last = node.get();
        insertNode(parent, m_tree->childCount(parent), std::move(node));
    }
    endChange(source);
    return last;
}

// ---- changes of one item ----

void OutlineDocument::rename(OutlineNode* node, const QString& caption) {
    const QByteArray utf8 = caption.toUtf8();
    if (node->captionUtf8() == utf8)
        return;
    if (Entry* last = mergeableEntry(ChangeKind::RenameItem, node)) {
        if (last->steps.empty()) {
            Step step{CaptionChange{node, CompactText(node->captionUtf8()), CompactText(utf8)}};
            play(step, true);
            last->steps.push_back(std::move(step));
        } else {
            auto& step = std::get<CaptionChange>(last->steps.front());
            step.after = CompactText(utf8);
            play(last->steps.front(), true);
        }
        emit changed();
        announceState();
        return;
    }
    beginChange(ChangeKind::RenameItem, node);
    record(CaptionChange{node, CompactText(node->captionUtf8()), CompactText(utf8)});
    endChange(node);
}

void OutlineDocument::beginRename(OutlineNode* node) {
    if (!node)
        return;
    beginChange(ChangeKind::RenameItem, node);
    endChange(node, true);
}

void OutlineDocument::setCumplido(OutlineNode* node, int cumplido) {
    if (node->nota().cumplido == cumplido && node->imageIndex() == progressImage(cumplido))
        return;
    // Dragging the track bar is one change, however many positions it passes.
    if (Entry* last = mergeableEntry(ChangeKind::SetPercentage, node)) {
        m_recording = std::make_unique<Entry>(std::move(*last));
        m_history.pop_back();
        --m_index;
    } else {
        beginChange(ChangeKind::SetPercentage, node);
    }
    setCumplidoStep(node, cumplido);
    m_rollUp.push_back(node);
    endChange(node);
}

void OutlineDocument::setPrioridad(OutlineNode* node, quint8 prioridad) {
    if (node->nota().prioridad == prioridad)
        return;
    // A value the program does not know leaves the mark as it is.
    const int state =
        prioridad <= kPrioridadBaja ? priorityStateImage(prioridad) : node->stateIndex();
    beginChange(ChangeKind::SetPriority, node);
    record(PriorityChange{node, node->nota().prioridad, prioridad, qint8(node->stateIndex()),
                          qint8(state)});
    endChange(node);
}

void OutlineDocument::setFecha(OutlineNode* node, const QString& fecha) {
    if (node->nota().fecha() == fecha)
        return;
    beginChange(ChangeKind::SetDate, node);
    record(DateChange{node, node->nota().fecha(), fecha});
    endChange(node);
}

void OutlineDocument::setTexto(OutlineNode* node, const QString& texto) {
    const QByteArray utf8 = texto.toUtf8();
    if (node->nota().textoUtf8() == utf8)
        return;
    if (Entry* last = mergeableEntry(ChangeKind::EditText, node)) {
        auto& step = std::get<TextChange>(last->steps.front());
        step.after = CompactText(utf8);
        play(last->steps.front(), true);
        if (step.after == step.before) {
            // Typed back to where the item's text started: no change is left.
            m_history.pop_back();
            --m_index;
        }
        emit changed();
        announceState();
        return;
    }
    beginChange(ChangeKind::EditText, node);
    record(TextChange{node, CompactText(node->nota().textoUtf8()), CompactText(utf8)});
    endChange(node);
}

void OutlineDocument::setExpanded(OutlineNode* node, bool expanded) {
    if (!node || node->expanded() == expanded)
        return;
    node->setExpanded(expanded);
    emit expandedChanged(node, expanded);
}
