#include "tradequery/window/PriceTrendView.h"

#include "platform/controls/Ledger50.h"
#include "platform/controls/TreeView.h"
#include "tradequery/history/CurrencyTable.h"
#include "tradequery/history/FieldTable.h"
#include "tradequery/host/LayoutProfile.h"
#include "tradequery/host/Steps.h"
#include "tradequery/trend/PriceTrendPane.h"
#include "tradequery/window/BrowseBase.h"
#include "tradequery/window/WindowLayout.h"

#include <QAction>
#include <QTableView>
#include <QTimer>

namespace tq {

namespace {

const QString kLayoutKey = QStringLiteral("PriceTrend");
const QString kMenuItem = QStringLiteral("mnuViewPriceTrend");
// Share of the ledger's room the pane takes, and the gap between them, in pixels.
constexpr int kPanePercent = 55;
constexpr int kGap = 4;

} // namespace

PriceTrendView::PriceTrendView(BrowseBase& window) : QObject(&window), m_window(window) {}

PriceTrendView::~PriceTrendView() = default;

void PriceTrendView::Restore()
{
    m_restoredShown = GetLayoutSetting(kLayoutKey, 0).toInt() != 0;
    if (m_restoredShown)
        setShown(true);
}

void PriceTrendView::Save()
{
    if (m_shown != m_restoredShown)
        SaveLayoutSetting(kLayoutKey, m_shown ? 1 : 0);
}

void PriceTrendView::mnuViewPriceTrend_Click()
{
    setShown(!m_shown);
}

void PriceTrendView::setShown(bool shown)
{
    if (QAction* item = m_window.menuItem(kMenuItem))
        item->setChecked(shown);
    if (shown == m_shown)
        return;
    m_shown = shown;
    if (shown && !m_pane) {
        m_pane = new PriceTrendPane(m_window.browseControls().client);
        // Every refill of the ledger resets its model: the pane follows, once per batch of resets.
        connect(m_window.ldgBase().tableView()->model(), &QAbstractItemModel::modelReset, this,
                [this] { scheduleRedraw(); });
    }
    if (m_pane)
        m_pane->setVisible(shown);
    m_window.layout().Resize();
    // The ledger holds its rows already: drawn at once, so the next paint shows them.
    if (shown)
        Redraw();
}

void PriceTrendView::FitUnderLedger()
{
    if (!m_shown)
        return;
    BrowseControls& c = m_window.browseControls();
    // The tree keeps the full height the ledger had without the pane.
    const int room = c.tvwBase->height();
    const int paneHeight = room * kPanePercent / 100;
    const int ledgerHeight = std::max(0, room - paneHeight - kGap);
    c.ldgBase->resize(c.ldgBase->width(), ledgerHeight);
    m_pane->setGeometry(c.ldgBase->x(), c.ldgBase->y() + ledgerHeight + kGap, c.ldgBase->width(), paneHeight);
}

void PriceTrendView::FollowLedgerWidth()
{
    if (!m_shown)
        return;
    const controls::Ledger50& ledger = *m_window.browseControls().ldgBase;
    m_pane->setGeometry(ledger.x(), m_pane->y(), ledger.width(), m_pane->height());
}

void PriceTrendView::scheduleRedraw()
{
    if (!m_shown || m_redrawPending)
        return;
    m_redrawPending = true;
    QTimer::singleShot(0, this, [this] {
        if (m_redrawPending)
            Redraw();
    });
}

void PriceTrendView::Redraw()
{
    m_redrawPending = false;
    if (!m_shown)
        return;
    step([&] {
        if (!m_currencies)
            m_currencies = std::make_unique<CurrencyTable>(CurrencyTable::Read());
        BaseDetail* detail = m_window.ledgerObject();
        const long rows = m_window.ldgBase().LedgerGrid().RowCount() - 1;
        const QList<TrendLine> lines = ReadTrendLines(detail ? detail->recordset() : nullptr, rows);
        const QString partnerTitle = HistoryColumns(m_window.QueryType())[5].Title;
        m_pane->ShowLines(lines, m_window.treeShowsItems() ? TrendGrouping::ByPartner : TrendGrouping::ByMaterial,
                          partnerTitle, m_currencies->base());
    });
}

QString PriceTrendView::describe() const
{
    if (!m_shown)
        return {};
    QString text;
    for (const QString& line : m_pane->describe().split(QLatin1Char('\n')))
        text += QStringLiteral("走势摘要: ") + line + QLatin1Char('\n');
    return text;
}

} // namespace tq
