#include "platform/controls/TreeView.h"

#include "platform/controls/ImageList.h"
#include "platform/controls/TreeViewErrors.h"
#include "platform/controls/TreeViewItemView.h"
#include "platform/controls/TreeNodeDelegate.h"
#include "platform/controls/TreeViewModel.h"

#include <QHeaderView>
#include <QTimer>
#include <QVBoxLayout>

namespace controls {

namespace {
const QString kSource = QStringLiteral("TreeView");
constexpr int kIndentation = 19;
} // namespace

TreeView::TreeView(QWidget* parent)
    : QWidget(parent),
      m_model(new TreeViewModel(this, this)),
      m_view(new TreeViewItemView(this)),
      m_nodes(m_model)
{
    m_view->setModel(m_model);
    m_view->setItemDelegate(new TreeNodeDelegate(m_view));
    m_view->setHeaderHidden(true);
    m_view->setUniformRowHeights(true);
    m_view->setSortingEnabled(false);
    m_view->setRootIsDecorated(true);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setIndentation(kIndentation);
    m_view->setIconSize(QSize(16, 16));
    m_view->setAnimated(false);
    // Long texts get a horizontal scroll bar rather than an ellipsis; the column follows the
    // widest row near the visible part, measured once per burst of changes.
    m_view->header()->setStretchLastSection(false);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    setFocusProxy(m_view);

    auto* fitColumn = new QTimer(this);
    fitColumn->setSingleShot(true);
    fitColumn->setInterval(0);
    connect(fitColumn, &QTimer::timeout, this, [this] { m_view->resizeColumnToContents(0); });
    const auto refit = [fitColumn] {
        if (!fitColumn->isActive())
            fitColumn->start();
    };
    connect(m_model, &QAbstractItemModel::rowsInserted, fitColumn, refit);
    connect(m_model, &QAbstractItemModel::rowsRemoved, fitColumn, refit);
    connect(m_model, &QAbstractItemModel::modelReset, fitColumn, refit);
    connect(m_model, &QAbstractItemModel::dataChanged, fitColumn, refit);
    connect(m_view, &QTreeView::expanded, fitColumn, refit);
    connect(m_view, &QTreeView::collapsed, fitColumn, refit);

    connect(m_view, &QTreeView::expanded, this, &TreeView::onViewExpanded);
    connect(m_view, &QTreeView::collapsed, this, &TreeView::onViewCollapsed);
    connect(m_view, &TreeViewItemView::userChoseNode, this,
            [this](const QModelIndex& index) { emit NodeClick(nodeOf(index)); });
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TreeView::updateSelectedRecord);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TreeView::updateSelectedRecord);
}

TreeView::~TreeView() = default;

Node TreeView::SelectedItem() const
{
    TreeNodeRecord* record = m_model->selectedRecord();
    return record ? Node(m_model->handle(record)) : Node();
}

void TreeView::setSelectedItem(const Node& node)
{
    if (node.isNull()) {
        m_view->selectionModel()->clearCurrentIndex();
        m_view->selectionModel()->clearSelection();
        return;
    }
    TreeNodeRecord* record = checkedRecord(node);
    expandAncestors(record);
    if (record->model != m_model)
        return;   // an Expand handler rebuilt the tree
    const QModelIndex at = m_model->indexOf(record);
    m_view->selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect);
    m_view->scrollTo(at);
}

void TreeView::setImageList(ImageList* images)
{
    if (ImageList* previous = m_model->imageList())
        disconnect(previous, nullptr, this, nullptr);
    m_model->setImageList(images);
    if (images)
        connect(images, &ImageList::changed, this, [this] { m_view->viewport()->update(); });
    m_view->viewport()->update();
}

ImageList* TreeView::imageList() const
{
    return m_model->imageList();
}

Node TreeView::HitTest(const QPoint& viewportPoint) const
{
    return nodeOf(m_view->indexAt(viewportPoint));
}

QRect TreeView::nodeRect(const Node& node) const
{
    return m_view->visualRect(m_model->indexOf(checkedRecord(node)));
}

QAbstractItemView* TreeView::itemView() const
{
    return m_view;
}

Node TreeView::nodeOf(const QModelIndex& index) const
{
    return index.isValid() ? Node(m_model->handle(TreeViewModel::recordOf(index))) : Node();
}

TreeNodeRecord* TreeView::checkedRecord(const Node& node) const
{
    if (node.isNull())
        throw errors::objectNotSet(kSource);
    TreeNodeRecord* record = node.record();
    if (!record->model)
        throw errors::nodeRemoved(kSource);
    if (record->model != m_model)
        throw errors::invalidArgument(kSource, QStringLiteral("该节点不属于此树"));
    return record;
}

void TreeView::setNodeExpanded(TreeNodeRecord* record, bool expanded)
{
    if (record->expanded == expanded)
        return;
    // The record changes first, so the view's own expanded/collapsed signal finds nothing to do.
    record->expanded = expanded;
    const QModelIndex at = m_model->indexOf(record);
    if (expanded) {
        m_view->expand(at);
        emit Expand(nodeOf(at));
    } else {
        m_view->collapse(at);
        emit Collapse(nodeOf(at));
    }
}

void TreeView::expandAncestors(TreeNodeRecord* record)
{
    std::vector<TreeNodeRecord*> ancestors;
    for (TreeNodeRecord* up = record->parent; up; up = up->parent)
        ancestors.push_back(up);
    // From the top down, as a user would open them; a handler may rebuild the tree meanwhile.
    for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it) {
        if (record->model != m_model)
            return;
        setNodeExpanded(*it, true);
    }
}

void TreeView::ensureVisible(TreeNodeRecord* record)
{
    expandAncestors(record);
    if (record->model == m_model)
        m_view->scrollTo(m_model->indexOf(record));
}

void TreeView::onViewExpanded(const QModelIndex& index)
{
    TreeNodeRecord* record = TreeViewModel::recordOf(index);
    if (record->expanded)
        return;
    record->expanded = true;
    emit Expand(nodeOf(index));
}

void TreeView::onViewCollapsed(const QModelIndex& index)
{
    TreeNodeRecord* record = TreeViewModel::recordOf(index);
    if (!record->expanded)
        return;
    record->expanded = false;
    emit Collapse(nodeOf(index));
}

void TreeView::updateSelectedRecord()
{
    const QItemSelectionModel* selection = m_view->selectionModel();
    const QModelIndex current = selection->currentIndex();
    m_model->setSelectedRecord(current.isValid() && selection->isSelected(current)
                                   ? TreeViewModel::recordOf(current)
                                   : nullptr);
}

} // namespace controls
