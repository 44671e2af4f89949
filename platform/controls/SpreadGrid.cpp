#include "platform/controls/SpreadGrid.h"

#include "platform/controls/SpreadGridEditors.h"
#include "platform/controls/SpreadGridModel.h"
#include "platform/controls/TreeViewErrors.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

namespace controls {

namespace {

const QString kSource = QStringLiteral("SpreadGrid");

} // namespace

// The table view of the grid. An editor whose text the model refused stays open (unless the
// person pressed Escape), so a half-typed value is neither lost nor silently kept.
class SpreadGridView : public QTableView {
public:
    SpreadGridView(SpreadGridDelegate& delegate, QWidget* parent) : QTableView(parent), m_delegate(delegate) {}

    std::optional<SpreadGridRefusal> finishEditing()
    {
        QWidget* editor = m_delegate.openEditor();
        if (!editor)
            return std::nullopt;
        const QModelIndex index = m_delegate.openIndex();
        commitData(editor);
        if (m_delegate.lastValueRefused())
            return SpreadGridRefusal{index.column() + 1, index.row() + 1, SpreadGridDelegate::editorText(editor)};
        closeEditor(editor, QAbstractItemDelegate::NoHint);
        return std::nullopt;
    }

protected:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override
    {
        if (hint != QAbstractItemDelegate::RevertModelCache && editor == m_delegate.openEditor()
            && m_delegate.lastValueRefused())
            return;
        QTableView::closeEditor(editor, hint);
    }

private:
    SpreadGridDelegate& m_delegate;
};

SpreadGrid::SpreadGrid(QWidget* parent)
    : QWidget(parent),
      m_model(new SpreadGridModel(this)),
      m_delegate(new SpreadGridDelegate(this)),
      m_view(new SpreadGridView(*m_delegate, this))
{
    m_view->setObjectName(QStringLiteral("spreadGridView"));
    m_view->setModel(m_model);
    m_view->setItemDelegate(m_delegate);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                            | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    m_view->setWordWrap(false);  // a long caption is cut short rather than doubling its row
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_model->setBaseFont(font());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
}

SpreadGrid::~SpreadGrid() = default;

QTableView* SpreadGrid::tableView() const
{
    return m_view;
}

void SpreadGrid::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        m_model->setBaseFont(font());
    QWidget::changeEvent(event);
}

long SpreadGrid::MaxRows() const
{
    return m_model->gridRows();
}

void SpreadGrid::SetMaxRows(long rows)
{
    if (rows < 0)
        throw errors::invalidArgument(kSource, QStringLiteral("行数不能为负: %1").arg(rows));
    m_model->setGridSize(static_cast<int>(rows), m_model->gridCols());
}

long SpreadGrid::MaxCols() const
{
    return m_model->gridCols();
}

void SpreadGrid::SetMaxCols(long cols)
{
    if (cols < 0)
        throw errors::invalidArgument(kSource, QStringLiteral("列数不能为负: %1").arg(cols));
    m_model->setGridSize(m_model->gridRows(), static_cast<int>(cols));
}

void SpreadGrid::SetColWidth(long col, double characters)
{
    checkCol(col);
    const int perCharacter = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    m_view->setColumnWidth(static_cast<int>(col - 1), static_cast<int>(std::lround(characters * perCharacter)) + 8);
}

void SpreadGrid::checkCol(long col) const
{
    if (col < 1 || col > MaxCols())
        throw errors::indexOutOfBounds(kSource);
}

void SpreadGrid::checkCell(long col, long row) const
{
    checkCol(col);
    if (row < 1 || row > MaxRows())
        throw errors::indexOutOfBounds(kSource);
}

void SpreadGrid::reformat(long col, long row, const std::function<void(SpreadCell&)>& change)
{
    checkCell(col, row);
    SpreadCell format = m_model->cell(static_cast<int>(row), static_cast<int>(col));
    change(format);
    m_model->setCellFormat(static_cast<int>(row), static_cast<int>(col), format);
}

void SpreadGrid::SetCellType(long col, long row, SpreadCellType type)
{
    reformat(col, row, [type](SpreadCell& cell) { cell.type = type; });
}

void SpreadGrid::SetDecimalCell(long col, long row, int places)
{
    if (places < 0)
        throw errors::invalidArgument(kSource, QStringLiteral("小数位数不能为负: %1").arg(places));
    reformat(col, row, [places](SpreadCell& cell) {
        cell.type = SpreadCellType::Decimal;
        cell.decimals = places;
    });
}

void SpreadGrid::SetListCell(long col, long row, const QStringList& items)
{
    reformat(col, row, [&items](SpreadCell& cell) {
        cell.type = SpreadCellType::List;
        cell.items.clear();
        for (const QString& item : items)
            cell.items.append(StripQuotes(item));
    });
}

SpreadCellType SpreadGrid::CellType(long col, long row) const
{
    checkCell(col, row);
    return m_model->cell(static_cast<int>(row), static_cast<int>(col)).type;
}

void SpreadGrid::SetLocked(long col, long row, bool locked)
{
    reformat(col, row, [locked](SpreadCell& cell) { cell.locked = locked; });
}

bool SpreadGrid::Locked(long col, long row) const
{
    checkCell(col, row);
    return m_model->cell(static_cast<int>(row), static_cast<int>(col)).locked;
}

void SpreadGrid::SetFontSize(long col, long row, int points)
{
    if (points < 1)
        throw errors::invalidArgument(kSource, QStringLiteral("字号必须大于 0: %1").arg(points));
    reformat(col, row, [points](SpreadCell& cell) { cell.fontSize = points; });
}

int SpreadGrid::FontSize(long col, long row) const
{
    checkCell(col, row);
    const int size = m_model->cell(static_cast<int>(row), static_cast<int>(col)).fontSize;
    return size > 0 ? size : font().pointSize();
}

QString SpreadGrid::Text(long col, long row) const
{
    if (row == 0) {
        checkCol(col);
        return m_model->caption(static_cast<int>(col));
    }
    checkCell(col, row);
    return m_model->cell(static_cast<int>(row), static_cast<int>(col)).text;
}

void SpreadGrid::SetText(long col, long row, const QString& text)
{
    if (row == 0) {
        checkCol(col);
        m_model->setCaption(static_cast<int>(col), text);
        return;
    }
    checkCell(col, row);
    const QModelIndex index = m_model->index(static_cast<int>(row - 1), static_cast<int>(col - 1));
    if (CellType(col, row) == SpreadCellType::List) {
        const int found = m_model->cell(static_cast<int>(row), static_cast<int>(col)).items.indexOf(text);
        if (found < 0 || !m_model->setData(index, found, SpreadGridModel::ListIndexRole))
            throw errors::invalidArgument(kSource, QStringLiteral("列表中没有“%1”").arg(text));
        return;
    }
    if (!m_model->setData(index, text, Qt::EditRole))
        throw errors::invalidArgument(kSource, QStringLiteral("单元格(%1,%2)不接受“%3”").arg(col).arg(row).arg(text));
}

int SpreadGrid::ListIndex(long col, long row) const
{
    checkCell(col, row);
    return m_model->cell(static_cast<int>(row), static_cast<int>(col)).listIndex;
}

void SpreadGrid::SetListIndex(long col, long row, int index)
{
    checkCell(col, row);
    const QModelIndex cell = m_model->index(static_cast<int>(row - 1), static_cast<int>(col - 1));
    if (CellType(col, row) != SpreadCellType::List || !m_model->setData(cell, index, SpreadGridModel::ListIndexRole))
        throw errors::invalidArgument(kSource, QStringLiteral("单元格(%1,%2)没有第 %3 项").arg(col).arg(row).arg(index));
}

std::optional<SpreadGridRefusal> SpreadGrid::FinishEditing()
{
    return m_view->finishEditing();
}

QWidget* SpreadGrid::EditCell(long col, long row)
{
    checkCell(col, row);
    const QModelIndex index = m_model->index(static_cast<int>(row - 1), static_cast<int>(col - 1));
    if (!(m_model->flags(index) & Qt::ItemIsEditable))
        return nullptr;
    m_view->setCurrentIndex(index);
    m_view->edit(index);
    return m_delegate->openEditor();
}

} // namespace controls
