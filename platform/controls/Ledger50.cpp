#include "platform/controls/Ledger50.h"

#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/controls/Ledger50Model.h"
#include "platform/controls/Ledger50Printer.h"
#include "platform/controls/Ledger50Units.h"
#include "platform/controls/LedgerCellDelegate.h"

#include <QCursor>
#include <QEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>
#include <exception>

namespace controls {

namespace {

constexpr int32_t INVALID_PROPERTY_VALUE = com::vbError(380);
const QString SOURCE = QStringLiteral("Ledger50");

// The table view without the behaviours that would walk every row of a virtual grid.
class LedgerTableView : public QTableView {
public:
    using QTableView::QTableView;
    // Type-ahead search reads every row's text; the grid offers its own find instead.
    void keyboardSearch(const QString&) override {}

    // Scrolls to a row now and again once the view knows its size: a grid that is not laid
    // out yet has no scroll range to move in.
    void scrollToSoon(const QModelIndex& index)
    {
        scrollTo(index);
        m_pendingScroll = isVisible() ? QPersistentModelIndex() : QPersistentModelIndex(index);
    }

protected:
    void updateGeometries() override
    {
        QTableView::updateGeometries();
        if (m_pendingScroll.isValid() && viewport()->height() > 0) {
            const QModelIndex target = m_pendingScroll;
            m_pendingScroll = QPersistentModelIndex();
            scrollTo(target);
        }
    }

private:
    QPersistentModelIndex m_pendingScroll;
};

long vbButtons(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
           | (buttons & Qt::MiddleButton ? 4 : 0);
}

long vbShift(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
           | (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace

Ledger50::Ledger50(QWidget* parent)
    : QWidget(parent),
      m_model(new Ledger50Model(this)),
      m_view(new LedgerTableView(this)),
      m_grid(std::make_unique<Ledger50Grid>(*this)),
      m_printer(std::make_unique<Ledger50Printer>(*this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    setFocusProxy(m_view);

    m_model->setRowSource([this](long row) {
        QString text;
        long color = 0;
        long extra = 0;
        emit RowTextRequest(row, text, color, extra);
        return LedgerRowAnswer{splitRowText(text), color};
    });
    m_model->setValueFormatter([this](const QVariant& value, const QString& pattern) {
        QString result;
        emit FormatRequest(value, pattern, result);
        return result;
    });

    m_view->setModel(m_model);
    m_view->setItemDelegate(new LedgerCellDelegate(m_view));
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_view->setWordWrap(false);
    m_view->setTextElideMode(Qt::ElideRight);
    m_view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_view->setSortingEnabled(false);

    // Uniform rows: the view never measures a row, so 100 000 rows cost what a screenful does.
    QHeaderView* rowHeader = m_view->verticalHeader();
    rowHeader->hide();
    rowHeader->setMinimumSectionSize(1);
    rowHeader->setSectionResizeMode(QHeaderView::Fixed);

    QHeaderView* titles = m_view->horizontalHeader();
    titles->setSectionsClickable(false);  // a click on a title must not move the current row
    titles->setHighlightSections(false);
    titles->setStretchLastSection(false);
    titles->setMinimumSectionSize(1);
    titles->setResizeContentsPrecision(0);  // sizing to contents reads only the rows on screen
    titles->setSectionResizeMode(QHeaderView::Interactive);
    connect(titles, &QHeaderView::sectionResized, this, [this](int index, int, int newSize) {
        // A user's drag changes the stored width; hiding (size 0) keeps it.
        if (!m_applyingLayout && newSize > 0 && index < model().cols())
            model().setColumnWidth(index, pixelsToTwips(newSize, dpiX()));
    });

    for (QWidget* area : {m_view->viewport(), titles->viewport()}) {
        area->setMouseTracking(true);
        area->installEventFilter(this);
    }
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { onViewCurrentChanged(current); });

    applyRowHeight();
    setBackColor(m_backColor);
}

Ledger50::~Ledger50() = default;

QTableView* Ledger50::tableView() const
{
    return m_view;
}

double Ledger50::dpiX() const
{
    return logicalDpiX();
}

double Ledger50::dpiY() const
{
    return logicalDpiY();
}

void Ledger50::raiseEvent(const std::function<void()>& emitter)
{
    try {
        emitter();
    } catch (const com::ComError& error) {
        qWarning("Ledger50: an event handler failed: %s", qPrintable(error.description()));
    } catch (const std::exception& error) {
        qWarning("Ledger50: an event handler failed: %s", error.what());
    }
}

// ---- rows and columns ----

long Ledger50::Rows() const
{
    return model().rows();
}

void Ledger50::setRows(long rows)
{
    if (rows < 0)
        throw com::ComError(INVALID_PROPERTY_VALUE, SOURCE,
                            QStringLiteral("行数不能为负数：%1").arg(rows));
    model().setRows(rows);
    applyAllColumns();  // a reset of the view forgets the column sizes
    if (m_currentRow > rows) {
        m_currentRow = 0;
        announceCurrentRow();
    } else {
        showCurrentRow();
    }
}

void Ledger50::setColCount(long cols)
{
    if (cols < 0)
        throw com::ComError(INVALID_PROPERTY_VALUE, SOURCE,
                            QStringLiteral("列数不能为负数：%1").arg(cols));
    model().setCols(cols);
    applyAllColumns();
    showCurrentRow();
}

void Ledger50::checkRow(long row) const
{
    if (row < 1 || row > model().rows())
        throw com::ComError(com::VB_SUBSCRIPT_OUT_OF_RANGE, SOURCE,
                            QStringLiteral("行号 %1 超出范围（共 %2 行）").arg(row).arg(model().rows()));
}

void Ledger50::checkCol(long col) const
{
    if (col < 1 || col > model().cols())
        throw com::ComError(com::VB_SUBSCRIPT_OUT_OF_RANGE, SOURCE,
                            QStringLiteral("列号 %1 超出范围（共 %2 列）").arg(col).arg(model().cols()));
}

Ledger50Column Ledger50::LedgerColumn(long col)
{
    checkCol(col);
    return Ledger50Column(*this, col);
}

Ledger50Cell Ledger50::LedgerCell(long row, long col)
{
    checkRow(row);
    checkCol(col);
    return Ledger50Cell(*this, row, col);
}

void Ledger50::applyColumn(long index)
{
    const LedgerColumnSettings& settings = model().column(index);
    const int section = static_cast<int>(index);
    m_applyingLayout = true;
    m_view->setColumnHidden(section, settings.hidden);
    if (!settings.hidden)
        m_view->setColumnWidth(section, std::max(1, twipsToPixels(settings.widthTwips, dpiX())));
    m_applyingLayout = false;
}

void Ledger50::applyAllColumns()
{
    for (long index = 0; index < model().cols(); ++index)
        applyColumn(index);
}

// ---- look ----

long Ledger50::rowHeightTwips() const
{
    if (m_rowHeightTwips > 0)
        return m_rowHeightTwips;
    // Room for the tallest glyphs of the font (CJK included) and a little air.
    return pixelsToTwips(fontMetrics().height() + 6, dpiY());
}

void Ledger50::setRowHeightTwips(long twips)
{
    if (twips <= 0)
        throw com::ComError(INVALID_PROPERTY_VALUE, SOURCE,
                            QStringLiteral("行高必须大于 0：%1").arg(twips));
    m_rowHeightTwips = twips;
    applyRowHeight();
}

void Ledger50::applyRowHeight()
{
    const int pixels = std::max(1, twipsToPixels(rowHeightTwips(), dpiY()));
    m_view->verticalHeader()->setDefaultSectionSize(pixels);
    m_view->horizontalHeader()->setMinimumHeight(pixels);
}

void Ledger50::setBackColor(long bgr)
{
    m_backColor = bgr;
    QPalette palette = m_view->palette();
    palette.setColor(QPalette::Base, colorFromBgr(bgr));
    m_view->setPalette(palette);
}

void Ledger50::setOption(long index, long value)
{
    m_options.insert(index, value);
    if (index == Ledger50Grid::OPTION_ROW_SELECT) {
        m_view->setSelectionBehavior(value ? QAbstractItemView::SelectRows
                                           : QAbstractItemView::SelectItems);
        showCurrentRow();
    }
}

void Ledger50::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        applyRowHeight();
    QWidget::changeEvent(event);
}

// ---- current row ----

void Ledger50::setCurrentRow(long row)
{
    const long first = model().fixedRows() + 1;
    if (row < first || row > model().rows()) {
        const QString range = model().rows() < first
                                  ? QStringLiteral("表格没有数据行")
                                  : QStringLiteral("数据行为 %1 到 %2").arg(first).arg(model().rows());
        throw com::ComError(INVALID_PROPERTY_VALUE, SOURCE,
                            QStringLiteral("当前行 %1 无效：%2").arg(row).arg(range));
    }
    const bool moved = row != m_currentRow;
    m_currentRow = row;
    showCurrentRow();
    if (moved)
        announceCurrentRow();
}

void Ledger50::showCurrentRow()
{
    QItemSelectionModel* selection = m_view->selectionModel();
    m_movingCurrent = true;
    if (m_currentRow > model().fixedRows() && model().cols() > 0) {
        const int column = std::max(0, selection->currentIndex().column());
        const QModelIndex index = model().index(model().modelRowOf(m_currentRow), column);
        QItemSelectionModel::SelectionFlags flags = QItemSelectionModel::ClearAndSelect;
        if (m_view->selectionBehavior() == QAbstractItemView::SelectRows)
            flags |= QItemSelectionModel::Rows;
        selection->setCurrentIndex(index, flags);
        static_cast<LedgerTableView*>(m_view)->scrollToSoon(index);
    } else {
        selection->clear();
    }
    m_movingCurrent = false;
}

void Ledger50::onViewCurrentChanged(const QModelIndex& current)
{
    if (m_movingCurrent)
        return;
    const long row = current.isValid() ? model().ledgerRowOf(current.row()) : 0;
    if (row == m_currentRow)
        return;
    m_currentRow = row;
    announceCurrentRow();
}

void Ledger50::announceCurrentRow()
{
    raiseEvent([this] { emit CurrentRowChanged(); });
    if (m_currentRow <= 0)
        return;
    const int column = m_view->selectionModel()->currentIndex().column() + 1;
    raiseEvent([this, column] {
        emit Notify(0, QStringLiteral("SelChanged"), QVariant(column), m_currentRow, QVariant());
    });
}

// ---- pointer ----

void Ledger50::trackPointer(QWidget* area, const QPoint& pos)
{
    QHeaderView* titles = m_view->horizontalHeader();
    int column = -1;
    if (area == titles->viewport()) {
        m_mouseRow = model().rows() >= 1 ? 1 : 0;
        column = titles->logicalIndexAt(pos.x());
    } else {
        const int row = m_view->rowAt(pos.y());
        m_mouseRow = row < 0 ? 0 : model().ledgerRowOf(row);
        column = m_view->columnAt(pos.x());
    }
    m_mouseCol = column < 0 ? 0 : column + 1;
}

bool Ledger50::isOnSectionHandle(int x) const
{
    const QHeaderView* titles = m_view->horizontalHeader();
    const int grip = titles->style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, titles);
    const int visual = titles->visualIndexAt(x);
    if (visual < 0)
        return x - (titles->length() - titles->offset()) < grip;
    const int logical = titles->logicalIndex(visual);
    const int start = titles->sectionViewportPosition(logical);
    return (visual > 0 && x < start + grip) || x > start + titles->sectionSize(logical) - grip;
}

bool Ledger50::eventFilter(QObject* watched, QEvent* event)
{
    QWidget* titlesArea = m_view->horizontalHeader()->viewport();
    if (watched != m_view->viewport() && watched != titlesArea)
        return QWidget::eventFilter(watched, event);
    auto* area = static_cast<QWidget*>(watched);

    switch (event->type()) {
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint pos = mouse->position().toPoint();
        trackPointer(area, pos);
        const QPoint inGrid = area->mapTo(this, pos);
        const long button = vbButtons(mouse->buttons());
        const long shift = vbShift(mouse->modifiers());
        raiseEvent([&] {
            emit MouseOverRow(button, shift, pixelsToTwips(inGrid.x(), dpiX()),
                              pixelsToTwips(inGrid.y(), dpiY()));
        });
        break;
    }
    case QEvent::MouseButtonPress:
        trackPointer(area, static_cast<QMouseEvent*>(event)->position().toPoint());
        break;
    case QEvent::MouseButtonDblClick: {
        const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
        trackPointer(area, pos);
        if (area == titlesArea && !isOnSectionHandle(pos.x())) {
            raiseEvent([this] { emit TitleDblClick(); });
            return true;
        }
        break;
    }
    case QEvent::ToolTip: {
        auto* help = static_cast<QHelpEvent*>(event);
        if (m_toolTipText.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), plainToolTip(m_toolTipText), area);
        return true;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

QString Ledger50::plainToolTip(const QString& text)
{
    // The tooltip shows cells from the database: escaped, so markup in them shows as typed.
    return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

void Ledger50::setToolTipText(const QString& text)
{
    m_toolTipText = text;
    if (!QToolTip::isVisible())
        return;
    // A tooltip on show follows the text, so it can change row by row under the pointer.
    for (QWidget* area : {m_view->viewport(), m_view->horizontalHeader()->viewport()}) {
        if (!area->rect().contains(area->mapFromGlobal(QCursor::pos())))
            continue;
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(QCursor::pos(), plainToolTip(text), area);
    }
}

} // namespace controls
