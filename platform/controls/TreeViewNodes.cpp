#include "platform/controls/TreeViewNodes.h"

#include "platform/controls/TreeViewErrors.h"
#include "platform/controls/TreeViewModel.h"

namespace controls {

namespace {
const QString kSource = QStringLiteral("TreeView.Nodes");
} // namespace

int TreeNodes::Count() const
{
    return m_model->count();
}

void TreeNodes::Clear()
{
    m_model->clear();
}

Node TreeNodes::Add(const QString& relativeKey, int relationship, const QString& key,
                    const QString& text, const QVariant& image, const QVariant& selectedImage)
{
    return Node(m_model->add(relativeKey, relationship, key, text, image, selectedImage));
}

Node TreeNodes::Item(int index) const
{
    TreeNodeRecord* record = m_model->recordAt(index);
    if (!record)
        throw errors::indexOutOfBounds(kSource);
    return Node(m_model->handle(record));
}

Node TreeNodes::Item(const QString& key) const
{
    TreeNodeRecord* record = m_model->recordByKey(key);
    if (!record)
        throw errors::elementNotFound(kSource);
    return Node(m_model->handle(record));
}

bool TreeNodes::Exists(const QString& key) const
{
    return m_model->recordByKey(key) != nullptr;
}

void TreeNodes::Remove(int index)
{
    TreeNodeRecord* record = m_model->recordAt(index);
    if (!record)
        throw errors::indexOutOfBounds(kSource);
    m_model->remove(record);
}

void TreeNodes::Remove(const QString& key)
{
    TreeNodeRecord* record = m_model->recordByKey(key);
    if (!record)
        throw errors::elementNotFound(kSource);
    m_model->remove(record);
}

} // namespace controls
