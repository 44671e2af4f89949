#pragma once
// The figures the price summary shows for one series, all in the base currency: the last
// price and its date, the lowest and the highest price, the average weighted by quantity and
// the number of lines.
#include "tradequery/trend/TrendLines.h"

#include <QList>

namespace tq {

struct TrendSummary {
    double lastPrice = 0;
    qint64 lastTime = 0;  // as TrendLine::time
    double minPrice = 0;
    double maxPrice = 0;
    double weightedAverage = 0;  // sum(price x qty) / sum(qty); the plain mean when the quantities sum to 0
    qsizetype lineCount = 0;
};

// The last price is that of the newest line; of several lines on the newest day, the first
// in `lines`. No lines give all zeros.
TrendSummary SummarizeTrend(const QList<TrendLine>& lines);

} // namespace tq
