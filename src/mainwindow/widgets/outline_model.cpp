#include "mainwindow/widgets/outline_model.h"

#include "mainwindow/widgets/item_images.h"

#include <QMimeData>

namespace {

const QString kDragType = QStringLiteral("application/x-quillnest-item");

} // namespace

OutlineModel::OutlineModel(OutlineDocument* document, QObject* parent)
    : QAbstractItemModel(parent), m_document(document) {
    using Doc = OutlineDocument;
    connect(document, &Doc::aboutToReset, this, [this] { beginResetModel(); });
    connect(document, &Doc::resetDone, this, [this] { endResetModel(); });
    connect(document, &Doc::aboutToInsert, this,
            [this](OutlineNode* parent, int row) { beginInsertRows(indexOf(parent), row, row); });
    connect(document, &Doc::inserted, this, [this] { endInsertRows(); });
    connect(document, &Doc::aboutToRemove, this, [this](OutlineNode* node) {
        beginRemoveRows(indexOf(node->parent()), node->row(), node->row());
    });
    connect(document, &Doc::removed, this, [this] { endRemoveRows(); });
    connect(document, &Doc::aboutToMove, this,
            [this](OutlineNode* node, OutlineNode* newParent, int destinationRow) {
                // The document announces only moves that change the structure.
                const bool announced =
                    beginMoveRows(indexOf(node->parent()), node->row(), node->row(),
                                  indexOf(newParent), destinationRow);
                Q_ASSERT(announced);
                Q_UNUSED(announced);
            });
    connect(document, &Doc::moved, this, [this] { endMoveRows(); });
    connect(document, &Doc::itemChanged, this, &OutlineModel::announceData);
    connect(document, &Doc::expandedChanged, this, [this](OutlineNode* node, bool expanded) {
        emit expandedChanged(indexOf(node), expanded);
    });
}

OutlineModel::~OutlineModel() = default;

OutlineNode* OutlineModel::nodeOf(const QModelIndex& index) const {
    Q_ASSERT(!index.isValid() || index.model() == this);
    return static_cast<OutlineNode*>(index.internalPointer());
}

QModelIndex OutlineModel::indexOf(const OutlineNode* node) const {
    return node ? createIndex(node->row(), 0, const_cast<OutlineNode*>(node)) : QModelIndex();
}

void OutlineModel::announceData(OutlineNode* node, OutlineDocument::Aspect aspect) {
    QList<int> roles;
    switch (aspect) {
    case OutlineDocument::Aspect::Caption:
        roles = {Qt::DisplayRole, Qt::EditRole};
        break;
    case OutlineDocument::Aspect::Progress:
        roles = {Qt::DecorationRole};
        break;
    case OutlineDocument::Aspect::Priority:
        roles = {StateImageRole};
        break;
    case OutlineDocument::Aspect::Fecha:
    case OutlineDocument::Aspect::Texto:
        return; // not shown in the tree
    }
    const QModelIndex index = indexOf(node);
    emit dataChanged(index, index, roles);
}

// ---- QAbstractItemModel ----

// A view lays out every shown row after each change of structure, calling
// index() and hasChildren() for each; both go straight to the nodes rather
// than through the virtual rowCount() and columnCount().
QModelIndex OutlineModel::index(int row, int column, const QModelIndex& parent) const {
    const OutlineNode* holder = nodeOf(parent);
    if (row < 0 || column != 0 || parent.column() > 0 || row >= tree().childCount(holder))
        return {};
    return createIndex(row, column, tree().child(holder, row));
}

QModelIndex OutlineModel::parent(const QModelIndex& child) const {
    // Each node knows its row, so no sibling list is searched.
    const OutlineNode* node = nodeOf(child);
    return node ? indexOf(node->parent()) : QModelIndex();
}

bool OutlineModel::hasChildren(const QModelIndex& parent) const {
    return parent.column() <= 0 && tree().childCount(nodeOf(parent)) > 0;
}

int OutlineModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0)
        return 0;
    return tree().childCount(nodeOf(parent));
}

int OutlineModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant OutlineModel::data(const QModelIndex& index, int role) const {
    const OutlineNode* node = nodeOf(index);
    if (!node)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return node->caption();
    case Qt::DecorationRole:
        return ItemImages::progressImage(node->imageIndex());
    case StateImageRole:
        return node->stateIndex();
    default:
        return {};
    }
}

bool OutlineModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    OutlineNode* node = nodeOf(index);
    if (!node || role != Qt::EditRole)
        return false;
    m_document->rename(node, value.toString());
    return true;
}

Qt::ItemFlags OutlineModel::flags(const QModelIndex& index) const {
    // The empty space below the items takes drops too (the end of the top level).
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemIsDragEnabled |
           Qt::ItemIsDropEnabled;
}

Qt::DropActions OutlineModel::supportedDragActions() const {
    return Qt::MoveAction;
}

Qt::DropActions OutlineModel::supportedDropActions() const {
    return Qt::MoveAction;
}

QStringList OutlineModel::mimeTypes() const {
    return {kDragType};
}

QMimeData* OutlineModel::mimeData(const QModelIndexList& indexes) const {
    if (indexes.isEmpty())
        return nullptr;
    // Only the tree itself takes this drag, and the window moves the selected
    // item on a drop, so the type alone is enough: no other program or widget
    // can read anything from it.
    auto* data = new QMimeData;
    data->setData(kDragType, {});
    return data;
}

bool OutlineModel::dropMimeData(const QMimeData*, Qt::DropAction, int, int, const QModelIndex&) {
    // The window decides where a dropped item goes from the drop zone of the row
    // and moves it with moveNode; the model itself never inserts dropped rows.
    return false;
}
