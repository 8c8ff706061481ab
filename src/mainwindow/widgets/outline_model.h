#pragma once
// The item tree as a Qt model: a thin adapter over the open document that
// keeps no data of its own (an index's internal pointer is its node). It turns
// the document's announcements into the model's begin/end signals, and the
// view's in-place edits into renames through the document.

#include "document/outline_document.h"

#include <QAbstractItemModel>

class OutlineModel : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Role {
        // The node's state image index (int): 2 high priority, 3 low, -1 none.
        StateImageRole = Qt::UserRole + 1,
    };

    explicit OutlineModel(OutlineDocument* document, QObject* parent = nullptr);
    ~OutlineModel() override;

    OutlineDocument* document() const { return m_document; }
    const OutlineTree& tree() const { return m_document->tree(); }
    // nullptr for the invisible root (an invalid index).
    OutlineNode* nodeOf(const QModelIndex& index) const;
    // The invalid index for nullptr, the top level's parent.
    QModelIndex indexOf(const OutlineNode* node) const;

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
    // A node's expanded state changed; a view shows it the same way.
    void expandedChanged(const QModelIndex& index, bool expanded);

private:
    void announceData(OutlineNode* node, OutlineDocument::Aspect aspect);

    OutlineDocument* m_document;
};
