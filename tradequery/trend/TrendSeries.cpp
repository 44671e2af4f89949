#include "tradequery/trend/TrendSeries.h"

#include "tradequery/host/Messages.h"

#include <QHash>
#include <algorithm>

namespace tq {

namespace {

void sortByDate(QList<TrendLine>& lines)
{
    std::stable_sort(lines.begin(), lines.end(),
                     [](const TrendLine& a, const TrendLine& b) { return a.time < b.time; });
}

} // namespace

QList<TrendSeries> GroupTrendLines(const QList<TrendLine>& lines, TrendGrouping grouping)
{
    QHash<QString, qsizetype> indexOf;
    QList<TrendSeries> groups;
    for (const TrendLine& line : lines) {
        const QString& key = grouping == TrendGrouping::ByPartner ? line.partner : line.material;
        auto found = indexOf.constFind(key);
        if (found == indexOf.constEnd()) {
            found = indexOf.insert(key, groups.size());
            groups.append(TrendSeries{key, false, {}});
        }
        groups[found.value()].lines.append(line);
    }
    std::sort(groups.begin(), groups.end(), [](const TrendSeries& a, const TrendSeries& b) {
        return a.lines.size() != b.lines.size() ? a.lines.size() > b.lines.size() : a.name < b.name;
    });
    if (groups.size() > kTrendSeriesLimit) {
        TrendSeries others{LangText(QStringLiteral("其他")), true, {}};
        for (qsizetype i = kTrendSeriesLimit; i < groups.size(); ++i)
            others.lines += groups[i].lines;
        groups.resize(kTrendSeriesLimit);
        groups.append(others);
    }
    for (TrendSeries& series : groups)
        sortByDate(series.lines);
    return groups;
}

} // namespace tq
