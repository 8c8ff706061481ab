#include "mainwindow/outline_model.h"

#include "document/rollup.h"
#include "mainwindow/item_images.h"

#include <QMimeData>

namespace {

const QString kDragType = QStringLiteral("application/x-quillnest-item");

} // namespace

OutlineModel::OutlineModel(QObject* parent)
    : QAbstractItemModel(parent), m_tree(std::make_unique<OutlineTree>()) {}

OutlineModel::~OutlineModel() = default;

// ---- reading ----

OutlineNode* OutlineModel::nodeOf(const QModelIndex& index) const {
    Q_ASSERT(!index.isValid() || index.model() == this);
    return static_cast<OutlineNode*>(index.internalPointer());
}

QModelIndex OutlineModel::indexOf(const OutlineNode* node) const {
    return node ? createIndex(node->row(), 0, const_cast<OutlineNode*>(node)) : QModelIndex();
}

// ---- changing the document ----

void OutlineModel::resetTree(std::unique_ptr<OutlineTree> tree) {
    beginResetModel();
    m_tree = tree ? std::move(tree) : std::make_unique<OutlineTree>();
    endResetModel();
}

void OutlineModel::clear() {
    const bool hadItems = !m_tree->isEmpty();
    beginResetModel();
    m_tree->clear();
    endResetModel();
    if (hadItems)
        emit documentChanged();
}

OutlineNode* OutlineModel::insertNode(OutlineNode* parent, int row, const QString& caption,
                                      const Tnota& nota) {
    if (row < 0 || row > m_tree->childCount(parent))
        return nullptr;
    beginInsertRows(indexOf(parent), row, row);
    OutlineNode* node = m_tree->insert(parent, row, caption.toUtf8(), nota);
    // The images always follow the record, also for items that arrive with data.
    f_asignaricononodo(node, nota.cumplido);
    applyPriorityMark(node);
    endInsertRows();
    emit documentChanged();
    return node;
}

OutlineNode* OutlineModel::addFirstTopLevel(const QString& caption, const Tnota& nota) {
    return insertNode(nullptr, 0, caption, nota);
}

OutlineNode* OutlineModel::addLastChild(OutlineNode* parent, const QString& caption,
                                        const Tnota& nota) {
    return insertNode(parent, parent->childCount(), caption, nota);
}

OutlineNode* OutlineModel::addLastSibling(OutlineNode* sibling, const QString& caption,
                                          const Tnota& nota) {
    OutlineNode* parent = sibling->parent();
    return insertNode(parent, m_tree->childCount(parent), caption, nota);
}

void OutlineModel::removeNode(OutlineNode* node) {
    if (!node)
        return;
    beginRemoveRows(indexOf(node->parent()), node->row(), node->row());
    m_tree->remove(node);
    endRemoveRows();
    emit documentChanged();
}

bool OutlineModel::moveNode(OutlineNode* node, OutlineTree::Place place,
                            const OutlineNode* destination) {
    // Validated first: a view is never told of a move that then does not happen.
    const auto target = m_tree->moveTarget(node, place, destination);
    if (!target)
        return false;
    OutlineNode* newParent = target->parent;
    const bool parentWasExpanded = newParent && newParent->expanded();
    const int row = node->row();
    // Qt refuses to announce a move that leaves the node where it stands; then
    // the structure stays as it is and only the parent is expanded below.
    if (beginMoveRows(indexOf(node->parent()), row, row, indexOf(newParent), target->row)) {
        m_tree->move(node, place, destination);
        endMoveRows();
        emit documentChanged();
    }
    if (newParent && !parentWasExpanded) {
        newParent->setExpanded(true);
        emit expandedChanged(indexOf(newParent), true);
    }
    return true;
}

void OutlineModel::renameNode(OutlineNode* node, const QString& caption) {
    if (node->caption() == caption)
        return;
    node->setCaption(caption);
    const QModelIndex index = indexOf(node);
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    emit documentChanged();
}

void OutlineModel::setCumplido(OutlineNode* node, int cumplido) {
    const int oldImage = node->imageIndex();
    const bool recordChanged = node->nota().cumplido != cumplido;
    node->nota().cumplido = cumplido;
    f_asignaricononodo(node, cumplido);
    if (node->imageIndex() != oldImage)
        announceData(node, Qt::DecorationRole);
    if (recordChanged)
        emit documentChanged();
}

void OutlineModel::setPrioridad(OutlineNode* node, quint8 prioridad) {
    const int oldMark = node->stateIndex();
    const bool recordChanged = node->nota().prioridad != prioridad;
    node->nota().prioridad = prioridad;
    applyPriorityMark(node);
    if (node->stateIndex() != oldMark)
        announceData(node, StateImageRole);
    if (recordChanged)
        emit documentChanged();
}

void OutlineModel::setFecha(OutlineNode* node, const QString& fecha) {
    if (node->nota().fecha() == fecha)
        return;
    node->nota().setFecha(fecha);
    emit documentChanged();
}

void OutlineModel::setTexto(OutlineNode* node, const QString& texto) {
    const QByteArray utf8 = texto.toUtf8();
    if (node->nota().textoUtf8() == utf8)
        return;
    node->nota().setTextoUtf8(utf8);
    emit documentChanged();
}

void OutlineModel::setExpanded(OutlineNode* node, bool expanded) {
    if (node->expanded() == expanded)
        return;
    node->setExpanded(expanded);
    emit expandedChanged(indexOf(node), expanded);
}

void OutlineModel::rollUp() {
    // Derived values only: whatever made them change has already been reported
    // as a change of the document.
    for (const OutlineNode* parent : f_consolidarTreeView(*m_tree))
        announceData(parent, Qt::DecorationRole);
}

void OutlineModel::announceData(const OutlineNode* node, int role) {
    const QModelIndex index = indexOf(node);
    emit dataChanged(index, index, {role});
}

// ---- QAbstractItemModel ----

// A view lays out every shown row after each change of structure, calling
// index() and hasChildren() for each; both go straight to the nodes rather
// than through the virtual rowCount() and columnCount().
QModelIndex OutlineModel::index(int row, int column, const QModelIndex& parent) const {
    const OutlineNode* holder = nodeOf(parent);
    if (row < 0 || column != 0 || parent.column() > 0 || row >= m_tree->childCount(holder))
        return {};
    return createIndex(row, column, m_tree->child(holder, row));
}

QModelIndex OutlineModel::parent(const QModelIndex& child) const {
    // Each node knows its row, so no sibling list is searched.
    const OutlineNode* node = nodeOf(child);
    return node ? indexOf(node->parent()) : QModelIndex();
}

bool OutlineModel::hasChildren(const QModelIndex& parent) const {
    return parent.column() <= 0 && m_tree->childCount(nodeOf(parent)) > 0;
}

int OutlineModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0)
        return 0;
    return m_tree->childCount(nodeOf(parent));
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
    renameNode(node, value.toString());
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
