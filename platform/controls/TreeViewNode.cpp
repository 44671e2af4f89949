#include "platform/controls/TreeViewNode.h"

#include "platform/controls/TreeView.h"
#include "platform/controls/TreeViewErrors.h"
#include "platform/controls/TreeViewModel.h"

namespace controls {

namespace {
const QString kSource = QStringLiteral("TreeView.Node");

Node handleOf(TreeNodeRecord* record)
{
    return record ? Node(record->model->handle(record)) : Node();
}
} // namespace

bool Node::isAlive() const
{
    return m_record && m_record->model;
}

TreeNodeRecord& Node::live() const
{
    if (!m_record)
        throw errors::objectNotSet(kSource);
    if (!m_record->model)
        throw errors::nodeRemoved(kSource);
    return *m_record;
}

QString Node::Key() const { return live().key; }
QString Node::Text() const { return live().text; }
QVariant Node::Tag() const { return live().tag; }
QVariant Node::Image() const { return live().image; }
QVariant Node::SelectedImage() const { return live().selectedImage; }
bool Node::Expanded() const { return live().expanded; }
int Node::Index() const { return live().index; }
int Node::Children() const { return static_cast<int>(live().children.size()); }

void Node::setText(const QString& text) const
{
    TreeNodeRecord& record = live();
    record.model->setText(&record, text);
}

void Node::setTag(const QVariant& tag) const
{
    live().tag = tag;
}

void Node::setExpanded(bool expanded) const
{
    TreeNodeRecord& record = live();
    record.model->owner()->setNodeExpanded(&record, expanded);
}

Node Node::Parent() const
{
    return handleOf(live().parent);
}

Node Node::Root() const
{
    TreeNodeRecord* record = &live();
    while (record->parent)
        record = record->parent;
    return handleOf(record);
}

Node Node::Child() const
{
    TreeNodeRecord& record = live();
    return record.children.empty() ? Node() : handleOf(record.children.front());
}

Node Node::Next() const
{
    const TreeNodeRecord& record = live();
    const auto& siblings = record.model->siblingsOf(&record);
    const size_t next = static_cast<size_t>(record.row) + 1;
    return next < siblings.size() ? handleOf(siblings[next]) : Node();
}

Node Node::Previous() const
{
    const TreeNodeRecord& record = live();
    return record.row > 0
        ? handleOf(record.model->siblingsOf(&record)[static_cast<size_t>(record.row) - 1])
        : Node();
}

bool Node::Selected() const
{
    const TreeNodeRecord& record = live();
    return record.model->selectedRecord() == &record;
}

void Node::setSelected(bool selected) const
{
    TreeNodeRecord& record = live();
    TreeView* tree = record.model->owner();
    if (selected)
        tree->setSelectedItem(*this);
    else if (record.model->selectedRecord() == &record)
        tree->setSelectedItem(Node());
}

void Node::EnsureVisible() const
{
    TreeNodeRecord& record = live();
    record.model->owner()->ensureVisible(&record);
}

} // namespace controls
