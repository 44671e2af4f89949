#pragma once
// How the chart groups the lines into series: one per partner when the ledger lists a
// material's lines (the item view), one per material when it lists a partner's (the partner
// view). The ten groups with the most lines get a series each; the rest share one "其他".
#include "tradequery/trend/TrendLines.h"

#include <QList>
#include <QString>

namespace tq {

enum class TrendGrouping { ByPartner, ByMaterial };

// The number of groups that get a series of their own.
inline constexpr int kTrendSeriesLimit = 10;

struct TrendSeries {
    QString name;         // the partner, the material, or "其他"
    bool others = false;  // the series of every group beyond the largest ten
    QList<TrendLine> lines;  // oldest first; lines of one day keep the order they came in
};

// The largest groups first (by line count, then by name), then "其他" when there is a rest.
QList<TrendSeries> GroupTrendLines(const QList<TrendLine>& lines, TrendGrouping grouping);

} // namespace tq
