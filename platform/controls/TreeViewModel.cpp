#include "platform/controls/TreeViewModel.h"

#include "platform/controls/ImageList.h"
#include "platform/controls/TreeViewErrors.h"
#include "platform/controls/TreeViewNodes.h"

#include <algorithm>

namespace controls {

namespace {
const QString kSource = QStringLiteral("TreeView.Nodes");

void renumberRows(std::vector<TreeNodeRecord*>& siblings, size_t from)
{
    for (size_t row = from; row < siblings.size(); ++row)
        siblings[row]->row = static_cast<int>(row);
}

void collectSubtree(TreeNodeRecord* record, std::vector<TreeNodeRecord*>& out)
{
    out.push_back(record);
    for (TreeNodeRecord* child : record->children)
        collectSubtree(child, out);
}

void detach(TreeNodeRecord* record)
{
    record->model = nullptr;
    record->parent = nullptr;
    record->children.clear();
    record->children.shrink_to_fit();
}
} // namespace

TreeViewModel::TreeViewModel(TreeView* owner, QObject* parent)
    : QAbstractItemModel(parent), m_owner(owner)
{
}

TreeViewModel::~TreeViewModel()
{
    // Handles that outlive the tree must see their nodes as removed.
    detachAll();
}

std::shared_ptr<TreeNodeRecord> TreeViewModel::add(const QString& relativeKey, int relationship,
                                                   const QString& key, const QString& text,
                                                   const QVariant& image,
                                                   const QVariant& selectedImage)
{
    if (relationship < tvwFirst || relationship > tvwChild)
        throw errors::invalidArgument(
            kSource, QStringLiteral("关系须为 0 到 4 之间的数, 而不是 %1").arg(relationship));
    TreeNodeRecord* relative = nullptr;
    if (!relativeKey.isEmpty()) {
        if (m_lastRelative && relativeKey == m_lastRelativeKey) {
            relative = m_lastRelative;
        } else {
            relative = recordByKey(relativeKey);
            if (!relative)
                throw errors::elementNotFound(kSource);
            m_lastRelativeKey = relativeKey;
            m_lastRelative = relative;
        }
    }
    checkPicture(image);
    checkPicture(selectedImage);

    // Without a relative the node goes last at the top level, whatever the relationship says.
    TreeNodeRecord* parent = nullptr;
    size_t position = m_topLevel.size();
    if (relative) {
        parent = relationship == tvwChild ? relative : relative->parent;
        const auto& siblings = parent ? parent->children : m_topLevel;
        switch (relationship) {
        case tvwFirst: position = 0; break;
        case tvwLast:
        case tvwChild: position = siblings.size(); break;
        case tvwNext: position = static_cast<size_t>(relative->row) + 1; break;
        case tvwPrevious: position = static_cast<size_t>(relative->row); break;
        }
    }

    auto record = std::make_shared<TreeNodeRecord>();
    record->model = this;
    record->parent = parent;
    record->key = key;
    record->text = text;
    record->image = image;
    record->selectedImage = selectedImage;
    record->index = count() + 1;
    record->row = static_cast<int>(position);

    // One hash probe both checks and claims the key; it is the last check before the change.
    if (!key.isEmpty()) {
        const qsizetype before = m_byKey.size();
        TreeNodeRecord*& slot = m_byKey[key];
        if (m_byKey.size() == before)
            throw errors::keyNotUnique(kSource);
        slot = record.get();
    }

    auto& siblings = parent ? parent->children : m_topLevel;
    beginInsertRows(indexOf(parent), record->row, record->row);
    siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(position), record.get());
    renumberRows(siblings, position + 1);
    m_byIndex.push_back(record);
    endInsertRows();
    return record;
}

void TreeViewModel::clear()
{
    beginResetModel();
    detachAll();
    m_byIndex.clear();
    m_topLevel.clear();
    // Trees are rebuilt at much the same size: keep the key table's room for the next build.
    const qsizetype keys = m_byKey.size();
    m_byKey.clear();
    m_byKey.reserve(keys);
    m_selected = nullptr;
    m_lastRelative = nullptr;
    endResetModel();
}

void TreeViewModel::remove(TreeNodeRecord* record)
{
    std::vector<TreeNodeRecord*> subtree;
    collectSubtree(record, subtree);
    auto& siblings = record->parent ? record->parent->children : m_topLevel;
    const int row = record->row;

    beginRemoveRows(indexOf(record->parent), row, row);
    siblings.erase(siblings.begin() + row);
    renumberRows(siblings, static_cast<size_t>(row));
    for (TreeNodeRecord* gone : subtree) {
        if (!gone->key.isEmpty())
            m_byKey.remove(gone->key);
        if (gone == m_selected)
            m_selected = nullptr;
        if (gone == m_lastRelative)
            m_lastRelative = nullptr;
        gone->model = nullptr;   // marks it for the compaction below
    }
    // Close the gap in the order of addition in one pass; the removed records stay alive until
    // they are detached (handles held elsewhere keep them longer).
    std::vector<std::shared_ptr<TreeNodeRecord>> released;
    released.reserve(subtree.size());
    size_t kept = 0;
    for (auto& record : m_byIndex) {
        if (!record->model) {
            released.push_back(std::move(record));
            continue;
        }
        record->index = static_cast<int>(kept) + 1;
        m_byIndex[kept++] = std::move(record);
    }
    m_byIndex.resize(kept);
    for (TreeNodeRecord* gone : subtree)
        detach(gone);
    endRemoveRows();
}

TreeNodeRecord* TreeViewModel::recordByKey(const QString& key) const
{
    const auto it = m_byKey.constFind(key);
    return it == m_byKey.constEnd() ? nullptr : *it;
}

TreeNodeRecord* TreeViewModel::recordAt(int index) const
{
    if (index < 1 || index > count())
        return nullptr;
    return m_byIndex[static_cast<size_t>(index - 1)].get();
}

QModelIndex TreeViewModel::indexOf(const TreeNodeRecord* record) const
{
    if (!record)
        return {};
    return createIndex(record->row, 0, const_cast<TreeNodeRecord*>(record));
}

void TreeViewModel::setText(TreeNodeRecord* record, const QString& text)
{
    if (record->text == text)
        return;
    record->text = text;
    repaintRecord(record);
}

void TreeViewModel::setImageList(ImageList* images)
{
    // The pictures are looked up at paint time; the view repaints (see TreeView::setImageList).
    m_images = images;
}

ImageList* TreeViewModel::imageList() const
{
    return m_images;
}

void TreeViewModel::setSelectedRecord(TreeNodeRecord* record)
{
    if (record == m_selected)
        return;
    TreeNodeRecord* previous = m_selected;
    m_selected = record;
    if (previous)
        repaintRecord(previous);
    if (record)
        repaintRecord(record);
}

void TreeViewModel::checkPicture(const QVariant& reference) const
{
    // Without an image list the reference is kept and resolved once a list is attached.
    if (m_images)
        m_images->indexOf(reference);
}

void TreeViewModel::detachAll()
{
    for (const auto& record : m_byIndex)
        detach(record.get());
}

void TreeViewModel::repaintRecord(const TreeNodeRecord* record)
{
    const QModelIndex at = indexOf(record);
    emit dataChanged(at, at);
}

QModelIndex TreeViewModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0)
        return {};
    const auto& siblings = parent.isValid() ? recordOf(parent)->children : m_topLevel;
    if (row >= static_cast<int>(siblings.size()))
        return {};
    return createIndex(row, 0, siblings[static_cast<size_t>(row)]);
}

QModelIndex TreeViewModel::parent(const QModelIndex& child) const
{
    if (!child.isValid())
        return {};
    return indexOf(recordOf(child)->parent);
}

int TreeViewModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return static_cast<int>(m_topLevel.size());
    if (parent.column() != 0)
        return 0;
    return static_cast<int>(recordOf(parent)->children.size());
}

int TreeViewModel::columnCount(const QModelIndex&) const
{
    return 1;
}

bool TreeViewModel::hasChildren(const QModelIndex& parent) const
{
    return rowCount(parent) > 0;
}

QVariant TreeViewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const TreeNodeRecord* record = recordOf(index);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return record->text;
    case Qt::DecorationRole: {
        if (!m_images)
            return {};
        if (record == m_selected) {
            QIcon selected = m_images->icon(record->selectedImage);
            if (!selected.isNull())
                return selected;
        }
        return m_images->icon(record->image);
    }
    default:
        return {};
    }
}

Qt::ItemFlags TreeViewModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace controls
