// Drawing the price-trend pane for a ledger of 5 000 lines against Qt Charts fed the same
// points directly. The pane's run reads the lines from the ledger's recordset, groups them
// (ten partners and "其他"), works out the summary, builds the chart and paints the pane; the
// baseline builds the same series from points prepared beforehand into a bare chart view of
// the same size and paints it.
//
//   build/bin/bench_price_trend [--benchmark_repetitions=5]
//
// Target: pane / bare chart <= 1.3.
#include "platform/ado/Recordset.h"
#include "tradequery/history/CurrencyTable.h"
#include "tradequery/trend/PriceTrendPane.h"

#include "support/BenchMain.h"

#include <benchmark/benchmark.h>

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QPixmap>
#include <QScatterSeries>
#include <QValueAxis>

#include <memory>

namespace {

constexpr int kLines = 5000;
constexpr int kPartners = 30;

struct Setup {
    ado::RecordsetPtr ledger;
    QList<tq::TrendSeries> series;  // what the pane draws, for the baseline
    QSize chartSize;
};

Setup& setup()
{
    static Setup s;
    return s;
}

// A material's lines over three years, newest first, with thirty customers in three currencies.
ado::RecordsetPtr ledgerRecords()
{
    using ado::FieldType;
    std::vector<ado::FieldInfo> fields{{"FNumber", FieldType::Text},     {"FName", FieldType::Text},
                                       {"FCompany", FieldType::Text},    {"FCurrencyName", FieldType::Text},
                                       {"FBillNo", FieldType::Text},     {"FDate", FieldType::Date},
                                       {"FExchangeRate", FieldType::Double}, {"FQty", FieldType::Double},
                                       {"FPriceDiscount", FieldType::Double}};
    const char* currencies[] = {"人民币", "美元", "欧元"};
    const double rates[] = {1.0, 7.12, 7.8};
    std::vector<std::vector<QVariant>> rows;
    const QDate last(2024, 12, 31);
    for (int i = 0; i < kLines; ++i) {
        const int partner = (i * 7 + i / 13) % kPartners;
        const int currency = partner % 3;
        rows.push_back({QStringLiteral("01.001"), QStringLiteral("螺栓 M8"), QStringLiteral("客户%1").arg(partner, 2, 10, QChar('0')),
                        QString::fromUtf8(currencies[currency]), QStringLiteral("XS%1").arg(kLines - i, 6, 10, QChar('0')),
                        QDateTime(last.addDays(-i / 5), QTime(0, 0)), rates[currency], double(1 + i % 40),
                        (12.5 + (i % 17) * 0.25) / rates[currency]});
    }
    return ado::Recordset::make(std::move(fields), std::move(rows));
}

tq::CurrencyInfo base()
{
    return {QStringLiteral("RMB"), QStringLiteral("人民币"), 2};
}

void BM_PriceTrendPane(benchmark::State& state)
{
    tq::PriceTrendPane pane;
    pane.resize(1100, 420);
    QPixmap canvas(pane.size());
    for (auto _ : state) {
        pane.ShowLines(tq::ReadTrendLines(setup().ledger, kLines), tq::TrendGrouping::ByPartner, QStringLiteral("客户"), base());
        pane.render(&canvas);
    }
    setup().series = pane.series();
    setup().chartSize = pane.findChild<QChartView*>()->size();
}

void BM_BareChart(benchmark::State& state)
{
    const QList<QList<QPointF>> points = [] {
        QList<QList<QPointF>> all;
        for (const tq::TrendSeries& s : setup().series) {
            QList<QPointF>& p = all.emplace_back();
            for (const tq::TrendLine& line : s.lines)
                p.append(QPointF(double(line.time), line.basePrice));
        }
        return all;
    }();
    QChartView view;
    view.resize(setup().chartSize);
    QPixmap canvas(view.size());
    for (auto _ : state) {
        auto* chart = new QChart;
        QList<QXYSeries*> all;
        for (qsizetype i = 0; i < points.size(); ++i) {
            QXYSeries* series = i == 10 ? static_cast<QXYSeries*>(new QScatterSeries) : new QLineSeries;
            series->setPointsVisible(true);
            series->replace(points[i]);
            chart->addSeries(series);
            all.append(series);
        }
        auto* dates = new QDateTimeAxis;
        auto* prices = new QValueAxis;
        chart->addAxis(dates, Qt::AlignBottom);
        chart->addAxis(prices, Qt::AlignLeft);
        for (QXYSeries* series : all) {
            series->attachAxis(dates);
            series->attachAxis(prices);
        }
        view.setChart(chart);  // the view deletes the chart it showed before
        static_cast<QWidget&>(view).render(&canvas);
    }
}

BENCHMARK(BM_PriceTrendPane)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareChart)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchProgram(argc, argv,
                                  {"bench_price_trend",
                                   {{"BM_PriceTrendPane", "BM_BareChart"}},
                                   "ratios of CPU times (target: pane / bare chart <= 1.3)",
                                   [] { setup().ledger = ledgerRecords(); },
                                   {}});
}
