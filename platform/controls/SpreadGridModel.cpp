#include "platform/controls/SpreadGridModel.h"

#include <algorithm>

namespace controls {

SpreadGridModel::SpreadGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void SpreadGridModel::setGridSize(int rows, int cols)
{
    rows = std::max(rows, 0);
    cols = std::max(cols, 0);
    if (rows == m_rows && cols == m_cols)
        return;
    beginResetModel();
    std::vector<SpreadCell> cells(static_cast<size_t>(rows) * cols);
    for (int r = 1; r <= std::min(rows, m_rows); ++r)
        for (int c = 1; c <= std::min(cols, m_cols); ++c)
            cells[static_cast<size_t>(r - 1) * cols + (c - 1)] = m_cells[slot(r, c)];
    m_cells = std::move(cells);
    m_rows = rows;
    m_cols = cols;
    while (m_captions.size() > cols)
        m_captions.removeLast();
    while (m_captions.size() < cols)
        m_captions.append(QString());
    endResetModel();
}

void SpreadGridModel::setCellFormat(int row, int col, const SpreadCell& format)
{
    SpreadCell& target = m_cells[slot(row, col)];
    const SpreadCell previous = target;
    target = format;
    if (format.type == SpreadCellType::List) {
        target.listIndex = previous.type == SpreadCellType::List && previous.listIndex < format.items.size()
                               ? previous.listIndex
                               : -1;
        target.text = target.listIndex >= 0 ? target.items[target.listIndex] : QString();
    } else {
        const QString kept = previous.type == SpreadCellType::List ? QString() : AcceptedValue(target, previous.text);
        target.text = kept.isNull() ? QString() : kept;
        target.listIndex = -1;
        target.items.clear();
    }
    cellChanged(row, col);
}

void SpreadGridModel::setCaption(int col, const QString& text)
{
    m_captions[col - 1] = StripQuotes(text);
    emit headerDataChanged(Qt::Horizontal, col - 1, col - 1);
}

void SpreadGridModel::setBaseFont(const QFont& font)
{
    m_baseFont = font;
    if (m_rows > 0 && m_cols > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, m_cols - 1), {Qt::FontRole});
}

bool SpreadGridModel::holds(const QModelIndex& index) const
{
    return index.isValid() && index.model() == this && index.row() < m_rows && index.column() < m_cols;
}

int SpreadGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int SpreadGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_cols;
}

QString SpreadGridModel::shownText(const SpreadCell& cell) const
{
    if (cell.type == SpreadCellType::List)
        return cell.listIndex >= 1 ? cell.items[cell.listIndex] : QString();
    return cell.text;
}

QVariant SpreadGridModel::data(const QModelIndex& index, int role) const
{
    if (!holds(index))
        return {};
    const SpreadCell& cell = at(index);
    switch (role) {
    case Qt::DisplayRole:
        return shownText(cell);
    case Qt::EditRole:
        return cell.type == SpreadCellType::List ? QVariant(cell.listIndex) : QVariant(cell.text);
    case ListIndexRole:
        return cell.listIndex;
    case Qt::FontRole: {
        QFont font = m_baseFont;
        if (cell.fontSize > 0)
            font.setPointSize(cell.fontSize);
        return font;
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter
                                   | (IsRightAligned(cell.type) ? Qt::AlignRight : Qt::AlignLeft));
    default:
        return {};
    }
}

bool SpreadGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!holds(index))
        return false;
    SpreadCell& cell = at(index);
    if (cell.type == SpreadCellType::List) {
        if (role != Qt::EditRole && role != ListIndexRole)
            return false;
        bool isNumber = false;
        const int chosen = value.toInt(&isNumber);
        if (!isNumber || chosen < -1 || chosen >= cell.items.size())
            return false;
        cell.listIndex = chosen;
        cell.text = chosen >= 0 ? cell.items[chosen] : QString();
    } else {
        if (role != Qt::EditRole)
            return false;
        const QString accepted = AcceptedValue(cell, value.toString());
        if (accepted.isNull())
            return false;
        cell.text = accepted;
    }
    cellChanged(index.row() + 1, index.column() + 1);
    return true;
}

QVariant SpreadGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_cols)
        return m_captions[section];
    if (orientation == Qt::Vertical && role == Qt::DisplayRole && section >= 0 && section < m_rows)
        return section + 1;
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags SpreadGridModel::flags(const QModelIndex& index) const
{
    if (!holds(index))
        return Qt::NoItemFlags;
    const SpreadCell& cell = at(index);
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!cell.locked && cell.type != SpreadCellType::Static)
        flags |= Qt::ItemIsEditable;
    return flags;
}

void SpreadGridModel::cellChanged(int row, int col)
{
    const QModelIndex changed = index(row - 1, col - 1);
    emit dataChanged(changed, changed);
}

} // namespace controls
