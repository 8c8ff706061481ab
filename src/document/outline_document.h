#pragma once
// The open document: its outline, whether it differs from its file, and the
// history of its changes. Every change of the outline goes through here, so
// that undo, the modified state and the completion roll-up all see it; the
// rules of where an added, moved or pasted item goes live here too.
//
// Changes are recorded as steps that the history can play back and forth.
// Removed items are kept, detached, by the step that removed them, so an item
// keeps its address for as long as any step can bring it back: views and steps
// may hold on to items across undo and redo.

#include "document/outline_tree.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

class OutlineDocument : public QObject {
    Q_OBJECT
public:
    // What a change is called in the undo and redo commands.
    enum class ChangeKind {
        AddItem,
        DeleteItem,
        CutItem,
        RenameItem,
        MoveItem,
        PasteItems,
        TextToItems,
        EditText,
        SetDate,
        SetPercentage,
        SetPriority,
    };
    // Which part of an item a change touched.
    enum class Aspect { Caption, Progress, Priority, Fecha, Texto };

    explicit OutlineDocument(QObject* parent = nullptr);
    ~OutlineDocument() override;

    const OutlineTree& tree() const { return *m_tree; }

    // ---- life cycle ----
    // Takes over a whole outline with an empty history: one read from its file
    // (unmodified) or a new one that no file holds yet (modified until saved).
    void load(std::unique_ptr<OutlineTree> tree, bool inFile);
    // A new document: one new item, which it returns.
    OutlineNode* loadNew(const QString& caption, const Tnota& nota);
    bool isModified() const { return m_savedIndex != m_index; }
    // The file now holds the outline as it stands.
    void markSaved();

    // ---- history ----
    bool canUndo() const { return m_index > 0; }
    bool canRedo() const;
    ChangeKind undoKind() const;
    ChangeKind redoKind() const;
    // Each returns the item the change concerned, to be shown (nullptr for none).
    OutlineNode* undo();
    OutlineNode* redo();
    // Bytes the history holds beyond the outline itself (texts and detached items
    // counted by their size), for measuring.
    qint64 historyBytes() const;

    // ---- changes of the structure; each is one undo step with its roll-up ----
    // A new item: the last child of `selected` when it has children, else the
    // last of its own list; with nothing selected the last child of
    // `topmostShown` (the top level when nullptr).
    OutlineNode* addItem(OutlineNode* selected, OutlineNode* topmostShown, const QString& caption,
                         const Tnota& nota);
    // Deletes the item with its subtree; its former parent is rolled up again,
    // but keeps its percentage when it had no other child.
    void removeItem(OutlineNode* node, ChangeKind kind = ChangeKind::DeleteItem);
    // Up: before the item shown one row higher. Down: past the next sibling.
    // Outdent: to the end of the parent's list, the following siblings becoming
    // its last children. Indent: last child of the previous sibling. Each is
    // false, with nothing recorded, when the item cannot go there.
    bool moveUp(OutlineNode* node);
    bool moveDown(OutlineNode* node);
    bool outdent(OutlineNode* node);
    bool indent(OutlineNode* node);
    // A drop: the former parent starts from 0 %, then the item moves and the
    // roll-up gives the former parent its value back when it still has children.
    // Recorded even when the item could not move there.
    void drop(OutlineNode* node, OutlineTree::Place place, OutlineNode* destination);
    // A fresh copy of `source` and its subtree as the last child of `target`.
    // Recorded even when there is nothing to paste.
    OutlineNode* paste(OutlineNode* target, const OutlineNode* source);
    // One item per line, in order, where adding with `source` selected puts
    // them: at the end of `source`'s children, or of its own list. Returns the last.
    OutlineNode* addItemsFromLines(OutlineNode* source, const QStringList& lines,
                                   const Tnota& nota);

    // ---- changes of one item ----
    // A rename right after another of the same item is one undo step with it.
    void rename(OutlineNode* node, const QString& caption);
    // Renaming has begun: counts as a change even when it is then cancelled.
    void beginRename(OutlineNode* node);
    // A leaf's percentage, rolled up; consecutive settings of one item are one step.
    void setCumplido(OutlineNode* node, int cumplido);
    void setPrioridad(OutlineNode* node, quint8 prioridad);
    void setFecha(OutlineNode* node, const QString& fecha);
    // Consecutive edits of one item's text are one undo step.
    void setTexto(OutlineNode* node, const QString& texto);
    // Stored in the file, but neither an undo step nor a modification.
    void setExpanded(OutlineNode* node, bool expanded);

signals:
    // For a model over the outline: each pair brackets one change of structure.
    void aboutToReset();
    void resetDone();
    void aboutToInsert(OutlineNode* parent, int row);
    void inserted();
    void aboutToRemove(OutlineNode* node);
    void removed();
    // `destinationRow` counts the rows of `newParent` before the move.
    void aboutToMove(OutlineNode* node, OutlineNode* newParent, int destinationRow);
    void moved();
    void itemChanged(OutlineNode* node, OutlineDocument::Aspect aspect);
    void expandedChanged(OutlineNode* node, bool expanded);
    // After every change, undo and redo, once it is complete.
    void changed();
    // isModified() turned: by a change, a load, a save, or an undo or redo
    // across the saved state.
    void modifiedChanged(bool modified);

private:
    struct Step;
    struct Entry;

    // One recorded step, applied forward (or backward) and announced.
    void play(Step& step, bool forward);
    void record(Step step);
    void beginChange(ChangeKind kind, OutlineNode* focus);
    void endChange(OutlineNode* focus, bool keepIfEmpty = false);
    // Merges into the last change when it is of `kind` for `node` and the saved
    // state lies before it; true when there is such a change.
    Entry* mergeableEntry(ChangeKind kind, const OutlineNode* node);
    void pushEntry(Entry entry);
    // Moves the node with its subtree; false when the move is refused.
    bool moveNode(OutlineNode* node, OutlineTree::Place place, const OutlineNode* destination);
    void insertNode(OutlineNode* parent, int row, std::unique_ptr<OutlineNode> node);
    void setCumplidoStep(OutlineNode* node, int cumplido);
    void rollUpPending();
    void announceState();

    std::unique_ptr<OutlineTree> m_tree;
    std::vector<Entry> m_history;
    size_t m_index = 0;                    // the changes before it are applied
    std::optional<size_t> m_savedIndex{0}; // nothing when no state of the history is in the file
    std::unique_ptr<Entry> m_recording;    // the change being made
    std::vector<OutlineNode*> m_rollUp;    // where the change being made needs a roll-up
    bool m_modifiedShown = false;
};
