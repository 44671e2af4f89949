#include "hostapp/app/ChoiceListModel.h"

namespace zelhost {

ChoiceListModel::ChoiceListModel(QList<ChoiceEntry> entries, bool withModel, QObject* parent)
    : QAbstractTableModel(parent), m_entries(std::move(entries)), m_withModel(withModel)
{
}

int ChoiceListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_entries.size()) + 1;
}

int ChoiceListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : (m_withModel ? 3 : 2);
}

const ChoiceEntry* ChoiceListModel::entryAt(int row) const
{
    return row >= 1 && row <= m_entries.size() ? &m_entries[row - 1] : nullptr;
}

QVariant ChoiceListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const ChoiceEntry* entry = entryAt(index.row());
    if (role == IdRole)
        return entry ? entry->id : 0;
    if (role != Qt::DisplayRole)
        return {};
    if (!entry)
        return index.column() == 0 ? QStringLiteral("（不指定）") : QString();
    switch (index.column()) {
    case 0: return entry->number;
    case 1: return entry->name;
    case 2: return entry->model;
    default: return {};
    }
}

QVariant ChoiceListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case 0: return QStringLiteral("代码");
    case 1: return QStringLiteral("名称");
    case 2: return QStringLiteral("规格型号");
    default: return {};
    }
}

bool ChoiceListModel::rowMatches(int row, const QString& text) const
{
    const ChoiceEntry* entry = entryAt(row);
    if (!entry)
        return true;
    return entry->number.contains(text, Qt::CaseInsensitive) || entry->name.contains(text, Qt::CaseInsensitive)
           || entry->model.contains(text, Qt::CaseInsensitive);
}

ChoiceFilter::ChoiceFilter(ChoiceListModel* source, QObject* parent)
    : QSortFilterProxyModel(parent), m_source(source)
{
    setSourceModel(source);
}

void ChoiceFilter::setSearchText(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed == m_text)
        return;
    m_text = trimmed;
    invalidateRowsFilter();
}

bool ChoiceFilter::filterAcceptsRow(int sourceRow, const QModelIndex& /*sourceParent*/) const
{
    return m_text.isEmpty() || m_source->rowMatches(sourceRow, m_text);
}

} // namespace zelhost
