#include "platform/controls/Ledger50Model.h"

#include "platform/controls/Ledger50Units.h"

#include <QColor>
#include <exception>

namespace controls {

QStringList splitRowText(const QString& text)
{
    QStringList cells = text.split(QLatin1Char('|'));
    if (text.endsWith(QLatin1Char('|')) || text.isEmpty())
        cells.removeLast();
    return cells;
}

Ledger50Model::Ledger50Model(QObject* parent) : QAbstractTableModel(parent) {}

void Ledger50Model::setRows(long rows)
{
    beginResetModel();
    m_rows = rows;
    clearCache();
    endResetModel();
}

void Ledger50Model::setCols(long cols)
{
    beginResetModel();
    m_columns.resize(static_cast<size_t>(cols));
    clearCache();
    endResetModel();
}

void Ledger50Model::setNumericAlign(long index, bool on)
{
    if (m_columns[index].numericAlign == on)
        return;
    m_columns[index].numericAlign = on;
    // Only the alignment changes: the rows need not be asked again.
    if (rowCount() > 0)
        emit dataChanged(this->index(0, static_cast<int>(index)),
                         this->index(rowCount() - 1, static_cast<int>(index)),
                         {Qt::TextAlignmentRole});
}

void Ledger50Model::setColumnFormat(long index, const QString& pattern)
{
    if (m_columns[index].format == pattern)
        return;
    m_columns[index].format = pattern;
    redraw();
}

void Ledger50Model::redraw()
{
    clearCache();
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    if (columnCount() > 0)
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void Ledger50Model::clearCache()
{
    m_cache.clear();
}

LedgerRowAnswer Ledger50Model::ask(long row) const
{
    LedgerRowAnswer result;
    if (!m_rowSource)
        return result;
    try {
        result = m_rowSource(row);
    } catch (const std::exception&) {
        // A failing owner must not take the paint down with it: the row shows empty.
        return {};
    }
    if (row <= FIXED_ROWS || !m_formatter)
        return result;
    for (long col = 0; col < cols() && col < result.cells.size(); ++col) {
        const QString& pattern = m_columns[col].format;
        if (pattern.isEmpty())
            continue;
        QString plain = result.cells[col].trimmed();
        plain.remove(QLatin1Char(','));
        bool isNumber = false;
        const double value = plain.toDouble(&isNumber);
        if (!isNumber)
            continue;
        try {
            const QString shown = m_formatter(QVariant(value), pattern);
            if (!shown.isEmpty())
                result.cells[col] = shown;
        } catch (const std::exception&) {
            // Keep the owner's own text.
        }
    }
    return result;
}

LedgerRowAnswer Ledger50Model::fetch(long row)
{
    if (row < 1 || row > m_rows || m_asking.contains(row))
        return {};
    m_asking.insert(row);
    LedgerRowAnswer result = ask(row);
    m_asking.remove(row);
    return result;
}

LedgerRowAnswer Ledger50Model::answer(long row) const
{
    if (row < 1 || row > m_rows || m_asking.contains(row))
        return {};
    if (const LedgerRowAnswer* cached = m_cache.find(row))
        return *cached;
    m_asking.insert(row);
    LedgerRowAnswer result = ask(row);
    m_asking.remove(row);
    m_cache.insert(row, result);
    return result;
}

QString Ledger50Model::cellText(long row, long col) const
{
    return answer(row).cells.value(static_cast<int>(col - 1));
}

int Ledger50Model::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return static_cast<int>(std::max(0L, m_rows - FIXED_ROWS));
}

int Ledger50Model::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant Ledger50Model::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const long row = ledgerRowOf(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return answer(row).cells.value(index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(
            Qt::AlignVCenter
            | (m_columns[index.column()].numericAlign ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::BackgroundRole: {
        const long color = answer(row).color;
        return color == 0 ? QVariant() : QVariant(colorFromBgr(color));
    }
    default:
        return {};
    }
}

QVariant Ledger50Model::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(qlonglong(ledgerRowOf(section))) : QVariant();
    if (role == Qt::DisplayRole)
        return m_rows >= 1 ? answer(1).cells.value(section) : QString();
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags Ledger50Model::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace controls
