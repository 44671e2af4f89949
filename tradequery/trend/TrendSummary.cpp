#include "tradequery/trend/TrendSummary.h"

#include <algorithm>

namespace tq {

TrendSummary SummarizeTrend(const QList<TrendLine>& lines)
{
    TrendSummary summary;
    summary.lineCount = lines.size();
    if (lines.isEmpty())
        return summary;
    summary.minPrice = summary.maxPrice = lines.first().basePrice;
    double amount = 0, quantity = 0, sum = 0;
    const TrendLine* last = nullptr;
    for (const TrendLine& line : lines) {
        summary.minPrice = std::min(summary.minPrice, line.basePrice);
        summary.maxPrice = std::max(summary.maxPrice, line.basePrice);
        amount += line.basePrice * line.qty;
        quantity += line.qty;
        sum += line.basePrice;
        if (!last || line.time > last->time)
            last = &line;
    }
    summary.lastPrice = last->basePrice;
    summary.lastTime = last->time;
    summary.weightedAverage = quantity != 0 ? amount / quantity : sum / static_cast<double>(lines.size());
    return summary;
}

} // namespace tq
