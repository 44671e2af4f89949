#include "tradequery/trend/PriceTrendPane.h"

#include "platform/controls/Ledger50.h"
#include "tradequery/history/CurrencyTable.h"
#include "tradequery/host/Messages.h"
#include "tradequery/trend/TrendSummary.h"

#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QGraphicsLayout>
#include <QHeaderView>
#include <QIcon>
#include <QPixmap>
#include <QLineSeries>
#include <QScatterSeries>
#include <QTableWidget>
#include <QToolTip>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tq {

namespace {

// Rows of the summary shown at once; more series scroll.
constexpr int kSummaryRowsShown = 4;

QString number(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

// A stored amount without trailing zeros, as billed.
QString billed(double value)
{
    return QString::number(value, 'g', 15);
}

QString day(qint64 time)
{
    return QDateTime::fromMSecsSinceEpoch(time).date().toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

PriceTrendPane::PriceTrendPane(QWidget* parent)
    : QWidget(parent),
      m_summary(new QTableWidget(this)),
      // Made with its chart: a view made without one makes a default chart that setChart would
      // release but never delete.
      m_view(new QChartView(new QChart, this)),
      m_chart(m_view->chart())
{
    setObjectName(QStringLiteral("priceTrendPane"));
    m_summary->setObjectName(QStringLiteral("priceSummary"));
    m_summary->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_summary->verticalHeader()->hide();
    m_summary->verticalHeader()->setDefaultSectionSize(m_summary->fontMetrics().height() + 6);
    m_summary->setIconSize(QSize(10, 10));
    m_summary->setMaximumHeight(m_summary->horizontalHeader()->sizeHint().height()
                                + kSummaryRowsShown * m_summary->verticalHeader()->defaultSectionSize() + 4);

    // No frame room around the chart: in a pane this low the date labels need every pixel.
    m_chart->setMargins(QMargins(2, 2, 8, 2));
    m_chart->layout()->setContentsMargins(0, 0, 0, 0);
    m_chart->setBackgroundRoundness(0);
    // The summary rows carry the series' colours and so stand for the legend, which would take
    // the room the points need.
    m_chart->legend()->hide();
    m_view->setObjectName(QStringLiteral("priceTrendChart"));
    m_view->setRenderHint(QPainter::Antialiasing);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_summary);
    layout->addWidget(m_view, 1);
}

PriceTrendPane::~PriceTrendPane() = default;

void PriceTrendPane::ShowLines(const QList<TrendLine>& lines, TrendGrouping grouping, const QString& partnerTitle,
                               const CurrencyInfo& base)
{
    m_series = GroupTrendLines(lines, grouping);
    m_partnerTitle = partnerTitle;
    fillSummary(grouping, base);
    drawSeries(base);
}

void PriceTrendPane::fillSummary(TrendGrouping grouping, const CurrencyInfo& base)
{
    // Prices show as many decimals as the materials' prices do, at least the base currency's.
    int decimals = base.scale;
    for (const TrendSeries& series : m_series)
        for (const TrendLine& line : series.lines)
            decimals = std::max(decimals, line.priceDecimals);
    const QStringList titles{grouping == TrendGrouping::ByPartner ? m_partnerTitle : LangText(QStringLiteral("物料")),
                             LangText(QStringLiteral("最近价格")), LangText(QStringLiteral("最近日期")),
                             LangText(QStringLiteral("最低价")), LangText(QStringLiteral("最高价")),
                             LangText(QStringLiteral("加权平均价")), LangText(QStringLiteral("笔数"))};
    m_summary->clear();
    m_summary->setColumnCount(static_cast<int>(titles.size()));
    m_summary->setHorizontalHeaderLabels(titles);
    m_summary->setRowCount(static_cast<int>(m_series.size()));
    for (int row = 0; row < m_series.size(); ++row) {
        const TrendSummary s = SummarizeTrend(m_series[row].lines);
        const QStringList cells{m_series[row].name, number(s.lastPrice, decimals), day(s.lastTime),
                                number(s.minPrice, decimals), number(s.maxPrice, decimals),
                                number(s.weightedAverage, decimals), QString::number(s.lineCount)};
        for (int col = 0; col < cells.size(); ++col) {
            auto* item = new QTableWidgetItem(cells[col]);  // plain text, never markup
            if (col > 0 && col != 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_summary->setItem(row, col, item);
        }
    }
    m_summary->resizeColumnsToContents();
}

void PriceTrendPane::drawSeries(const CurrencyInfo& base)
{
    m_chart->removeAllSeries();
    // The axes are made anew after their series, or the date axis shows no labels.
    for (QAbstractAxis* axis : m_chart->axes()) {
        m_chart->removeAxis(axis);
        delete axis;
    }
    QList<QXYSeries*> drawn;
    qint64 firstDay = 0, lastDay = 0;
    double low = 0, high = 0;
    bool any = false;
    for (qsizetype i = 0; i < m_series.size(); ++i) {
        const TrendSeries& group = m_series[i];
        QXYSeries* series = group.others ? static_cast<QXYSeries*>(new QScatterSeries) : new QLineSeries;
        if (auto* scatter = qobject_cast<QScatterSeries*>(series))
            scatter->setMarkerSize(7);
        else
            series->setPointsVisible(true);
        series->setName(group.name);
        QList<QPointF> points;
        points.reserve(group.lines.size());
        for (const TrendLine& line : group.lines) {
            const qint64 x = line.time;
            points.append(QPointF(static_cast<double>(x), line.basePrice));
            firstDay = any ? std::min(firstDay, x) : x;
            lastDay = any ? std::max(lastDay, x) : x;
            low = any ? std::min(low, line.basePrice) : line.basePrice;
            high = any ? std::max(high, line.basePrice) : line.basePrice;
            any = true;
        }
        series->replace(points);
        m_chart->addSeries(series);
        drawn.append(series);
        QPixmap colour(10, 10);
        colour.fill(series->color());
        m_summary->item(static_cast<int>(i), 0)->setIcon(QIcon(colour));
        connect(series, &QXYSeries::hovered, this,
                [this, i](const QPointF& point, bool entered) { showPointToolTip(i, point, entered); });
    }
    auto* dates = new QDateTimeAxis;
    dates->setFormat(QStringLiteral("yyyy-MM-dd"));
    dates->setTickCount(6);
    auto* prices = new QValueAxis;
    // Axis titles are drawn as markup: the currency's name from the database is escaped.
    prices->setTitleText(FormatMsg(LangText(QStringLiteral("实际价格（%1）")), base.name).toHtmlEscaped());
    m_chart->addAxis(dates, Qt::AlignBottom);
    m_chart->addAxis(prices, Qt::AlignLeft);
    for (QXYSeries* series : drawn) {
        series->attachAxis(dates);
        series->attachAxis(prices);
    }
    // A day's margin on either side and a twentieth of the span above and below keep the
    // outer points off the frame; a single price gets room of its own.
    constexpr qint64 kDay = 24LL * 3600 * 1000;
    const QDateTime today = QDateTime(QDate::currentDate(), QTime(0, 0));
    dates->setRange(QDateTime::fromMSecsSinceEpoch(any ? firstDay - kDay : today.toMSecsSinceEpoch() - kDay),
                      QDateTime::fromMSecsSinceEpoch(any ? lastDay + kDay : today.toMSecsSinceEpoch() + kDay));
    const double margin = high > low ? (high - low) / 20 : std::max(1.0, std::abs(high) / 20);
    prices->setRange(low - margin, high + margin);
}

QString PriceTrendPane::pointToolTip(qsizetype index, const QPointF& point) const
{
    if (index < 0 || index >= m_series.size())
        return {};
    // Markers are a few pixels wide: the lines nearest to the pointer, all of them when several
    // share the spot.
    const QPointF pixel = m_chart->mapToPosition(point);
    double best = 0;
    QList<const TrendLine*> nearest;
    for (const TrendLine& line : m_series[index].lines) {
        const QPointF at = m_chart->mapToPosition(QPointF(static_cast<double>(line.time), line.basePrice));
        const double distance = std::hypot(at.x() - pixel.x(), at.y() - pixel.y());
        if (nearest.isEmpty() || distance < best - 0.5) {
            nearest = {&line};
            best = distance;
        } else if (distance <= best + 0.5) {
            nearest.append(&line);
        }
    }
    QStringList texts;
    for (const TrendLine* line : nearest)
        texts << FormatMsg(LangText(QStringLiteral("单据编号: %1\n%2: %3\n数量: %4\n原币价格: %5 %6")), line->billNo,
                           m_partnerTitle, line->partner, billed(line->qty), billed(line->price), line->currency);
    return texts.join(QStringLiteral("\n\n"));
}

void PriceTrendPane::showPointToolTip(qsizetype index, const QPointF& point, bool entered)
{
    if (!entered) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(QCursor::pos(), controls::Ledger50::plainToolTip(pointToolTip(index, point)), m_view);
}

QString PriceTrendPane::describe() const
{
    QStringList rows;
    QStringList titles;
    for (int col = 0; col < m_summary->columnCount(); ++col)
        titles << m_summary->horizontalHeaderItem(col)->text();
    rows << titles.join(QLatin1Char('\t'));
    for (int row = 0; row < m_summary->rowCount(); ++row) {
        QStringList cells;
        for (int col = 0; col < m_summary->columnCount(); ++col)
            cells << m_summary->item(row, col)->text();
        rows << cells.join(QLatin1Char('\t'));
    }
    return rows.join(QLatin1Char('\n'));
}

} // namespace tq
