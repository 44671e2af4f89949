#pragma once
// The price-trend pane: the price summary over a chart of the lines' prices in the base
// currency against their dates, one series per partner or per material (ten and "其他").
// A point's tooltip names the bill, the partner, the quantity and the price as billed.
// Everything from the database shows as plain text.
#include "tradequery/trend/TrendSeries.h"

#include <QWidget>

class QChart;
class QChartView;
class QTableWidget;
class QXYSeries;

namespace tq {

struct CurrencyInfo;

class PriceTrendPane : public QWidget {
    Q_OBJECT
public:
    explicit PriceTrendPane(QWidget* parent = nullptr);
    ~PriceTrendPane() override;

    // Replaces what the pane shows with these lines. partnerTitle names the partner column
    // ("客户" or "供应商"); the summary's prices show the lines' price decimals, at least the
    // base currency's scale.
    void ShowLines(const QList<TrendLine>& lines, TrendGrouping grouping, const QString& partnerTitle,
                   const CurrencyInfo& base);

    // The series drawn, in legend order, with their lines.
    const QList<TrendSeries>& series() const { return m_series; }
    // The summary as a person reads it: the title row, then one row per series, cells separated
    // by tabs, one row per line.
    QString describe() const;
    // The tooltip text of the lines of series `index` drawn at `point` (a date in milliseconds,
    // a price); empty when none is there.
    QString pointToolTip(qsizetype index, const QPointF& point) const;

    QChart* chart() const { return m_chart; }
    QTableWidget* summaryTable() const { return m_summary; }

private:
    void fillSummary(TrendGrouping grouping, const CurrencyInfo& base);
    void drawSeries(const CurrencyInfo& base);
    void showPointToolTip(qsizetype index, const QPointF& point, bool entered);

    QTableWidget* m_summary;
    QChartView* m_view;
    QChart* m_chart;
    QList<TrendSeries> m_series;
    QString m_partnerTitle;
};

} // namespace tq
