#pragma once
// The item tree as a Qt model: a thin adapter over the document's OutlineTree
// that keeps no data of its own (an index's internal pointer is its node).
// Every change of the document goes through the methods below, so that views
// receive exact notifications and an undo stack can later wrap them in one place.

#include "document/outline_tree.h"

#include <QAbstractItemModel>
#include <memory>

class OutlineModel : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Role {
        // The node's state image index (int): 2 high priority, 3 low, -1 none.
        StateImageRole = Qt::UserRole + 1,
    };

    explicit OutlineModel(QObject* parent = nullptr);
    ~OutlineModel() override;

    // ---- reading ----
    const OutlineTree& tree() const { return *m_tree; }
    // nullptr for the invisible root (an invalid index).
    OutlineNode* nodeOf(const QModelIndex& index) const;
    // The invalid index for nullptr, the top level's parent.
    QModelIndex indexOf(const OutlineNode* node) const;

    // ---- changing the document ----
    // Takes over a whole new outline (a document was read) in one model reset.
    void resetTree(std::unique_ptr<OutlineTree> tree);
    void clear();
    // Adds one node with an owned copy of `nota`, its images set from the record.
    // `parent` nullptr means the top level; returns nullptr for a row out of range.
    OutlineNode* insertNode(OutlineNode* parent, int row, const QString& caption,
                            const Tnota& nota = {});
    OutlineNode* addFirstTopLevel(const QString& caption, const Tnota& nota = {});
    OutlineNode* addLastChild(OutlineNode* parent, const QString& caption, const Tnota& nota = {});
    // At the end of `sibling`'s sibling list, not directly after it.
    OutlineNode* addLastSibling(OutlineNode* sibling, const QString& caption,
                                const Tnota& nota = {});
    // Deletes the node with its subtree. The former parent keeps its percentage.
    void removeNode(OutlineNode* node);
    // Moves the node with its subtree; the new parent ends up expanded. False,
    // with nothing changed or announced, when there is no node or the destination
    // is the node itself or lies in its subtree. A move to where the node already
    // stands is accepted and changes only the parent's expanded state.
    bool moveNode(OutlineNode* node, OutlineTree::Place place, const OutlineNode* destination);
    void renameNode(OutlineNode* node, const QString& caption);
    // The percentage with its progress image; the roll-up is left to the caller.
    void setCumplido(OutlineNode* node, int cumplido);
    // The priority with its mark (0 none, 1 high, 2 low).
    void setPrioridad(OutlineNode* node, quint8 prioridad);
    void setFecha(OutlineNode* node, const QString& fecha);
    void setTexto(OutlineNode* node, const QString& texto);
    void setExpanded(OutlineNode* node, bool expanded);
    // The completion roll-up over the whole tree.
    void rollUp();

    // ---- QAbstractItemModel ----
    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Edit role only: in-place editing of a caption renames the node.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDragActions() const override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

signals:
    // The document changed: structure, caption or record. Not raised by a reset
    // or by expanding and collapsing.
    void documentChanged();
    // A node's expanded state changed; a view shows it the same way.
    void expandedChanged(const QModelIndex& index, bool expanded);

private:
    void announceData(const OutlineNode* node, int role);

    std::unique_ptr<OutlineTree> m_tree;
};
