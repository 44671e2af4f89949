// The price-trend pane of a real window on the demo data: it draws exactly the rows the ledger
// holds after a click, a filter and a find, with base-currency prices and summary figures
// worked out from raw sqlite3; it groups into ten series and "其他"; hidden, the window is as it
// was, and its visibility is remembered.
#include "tests/tradequery/find/FindFixtures.h"

#include "hostapp/database/DemoData.h"
#include "tests/testsupport/HistoryEndToEndExpected.h"
#include "tests/testsupport/Screenshots.h"
#include "tradequery/find/LedgerConditions.h"
#include "tradequery/trend/PriceTrendPane.h"
#include "tradequery/trend/TrendSummary.h"
#include "tradequery/window/PriceTrendView.h"
#include "tradequery/window/WindowLayout.h"

#include <QChart>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QXYSeries>
#include <algorithm>

namespace {

using Point = std::pair<qint64, double>;  // a date in milliseconds, a base-currency price

class PriceTrendOnDemo : public WindowOnDemoCopy {
protected:
    historye2e::DemoFile raw{path};
    const int itemId = raw.itemId(4, hostdb::demo::samples(hostdb::DemoSize::Small).itemNumber);

    tq::PriceTrendPane& shownPane()
    {
        window->setPriceTrendShown(true);
        QCoreApplication::processEvents();  // the pane draws once the ledger's refill is done
        return *window->priceTrend().pane();
    }
    // The ledger's rows as the oracle's lines, found by bill, material and quantity.
    QList<historye2e::ExpectedLine> ledgerLines() const
    {
        QMultiHash<QStringList, historye2e::ExpectedLine> byKey;
        for (const auto& line : raw.allLines(true, itemId, 0))
            byKey.insert({line.billNo, line.materialNumber, line.qty}, line);
        QList<historye2e::ExpectedLine> lines;
        const QStringList bills = column(10), materials = column(1), qtys = column(11);
        for (qsizetype i = 0; i < bills.size(); ++i) {
            const QStringList key{bills[i], materials[i], qtys[i]};
            EXPECT_TRUE(byKey.contains(key)) << key.join(' ').toStdString();
            lines << byKey.take(key);
        }
        return lines;
    }
    static qint64 dayOf(const QString& isoDate)
    {
        return QDateTime(QDate::fromString(isoDate, Qt::ISODate), QTime(0, 0)).toMSecsSinceEpoch();
    }
    // Every point of the chart against the ledger's rows, priced independently.
    void expectChartEqualsLedger(tq::PriceTrendPane& pane)
    {
        QList<Point> expected, drawn;
        for (const auto& line : ledgerLines())
            expected << Point{dayOf(line.date), line.actualPrice * line.exchangeRate};
        for (QAbstractSeries* series : pane.chart()->series())
            for (const QPointF& p : static_cast<QXYSeries*>(series)->points())
                drawn << Point{static_cast<qint64>(p.x()), p.y()};
        std::sort(expected.begin(), expected.end());
        std::sort(drawn.begin(), drawn.end());
        ASSERT_EQ(drawn.size(), expected.size());
        for (qsizetype i = 0; i < drawn.size(); ++i) {
            EXPECT_EQ(drawn[i].first, expected[i].first) << i;
            EXPECT_NEAR(drawn[i].second, expected[i].second, 1e-6) << i;
        }
    }
};

TEST_F(PriceTrendOnDemo, DrawsTheLedgerRowsAfterAClickAFilterAndAFindWithTheirSummary)
{
    open(true, itemId, 0);
    tq::PriceTrendPane& pane = shownPane();
    expectChartEqualsLedger(pane);
    QTest::qWait(20);  // the chart lays its axes out
    testsupport::saveScreenshot(*window, QStringLiteral("price_trend.png"));

    // The summary of each partner's series against the figures worked out from raw lines.
    QHash<QString, QList<historye2e::ExpectedLine>> byPartner;
    for (const auto& line : ledgerLines())
        byPartner[line.partnerName] << line;
    int decimals = 2;  // the base currency's, or the prices' when they show more
    for (const auto& lines : byPartner)
        for (const auto& line : lines)
            decimals = std::max<int>(decimals, line.price.size() - line.price.indexOf(u'.') - 1);
    const QTableWidget& table = *pane.summaryTable();
    ASSERT_EQ(table.rowCount(), std::min<qsizetype>(byPartner.size(), 11));
    for (int row = 0; row < table.rowCount(); ++row) {
        const QString partner = table.item(row, 0)->text();
        if (partner == QStringLiteral("其他"))
            continue;
        const auto lines = byPartner.value(partner);
        ASSERT_FALSE(lines.isEmpty()) << partner.toStdString();
        double amount = 0, qty = 0, low = 1e300, high = -1e300;
        for (const auto& line : lines) {
            const double price = line.actualPrice * line.exchangeRate;
            amount += price * line.quantity, qty += line.quantity;
            low = std::min(low, price), high = std::max(high, price);
        }
        const auto& newest = lines.first();  // the ledger lists the newest first
        const QStringList expected{partner, QString::number(newest.actualPrice * newest.exchangeRate, 'f', decimals), newest.date,
                                   QString::number(low, 'f', decimals), QString::number(high, 'f', decimals),
                                   QString::number(amount / qty, 'f', decimals), QString::number(lines.size())};
        QStringList shown;
        for (int col = 0; col < table.columnCount(); ++col)
            shown << table.item(row, col)->text();
        EXPECT_EQ(shown, expected);
    }

    const long before = window->ldgBase().Rows();
    window->conditions()->frmF_FilterNow(QStringLiteral("tm1.FName = '%1'").arg(column(6).value(0)));
    QCoreApplication::processEvents();
    ASSERT_LT(window->ldgBase().Rows(), before);
    expectChartEqualsLedger(pane);

    tq::FieldTable(10).FindText = column(10).value(2);
    window->conditions()->frmF_FindNow(0, 0, QString());
    QCoreApplication::processEvents();
    EXPECT_EQ(window->ldgBase().LedgerSelection().CurrentRow(), 4);
    expectChartEqualsLedger(pane);
}

TEST(TrendGrouping, TenLargestGroupsGetASeriesAndTheRestShareOther)
{
    // Partner k has k lines; dates run backwards, as the ledger lists them.
    QList<tq::TrendLine> lines;
    auto add = [&lines](QDate date, double basePrice, const QString& partner) {
        tq::TrendLine line;
        line.time = QDateTime(date, QTime(0, 0)).toMSecsSinceEpoch();
        line.basePrice = basePrice;
        line.partner = partner;
        lines << line;
    };
    for (int k = 1; k <= 12; ++k)
        for (int i = 0; i < k; ++i)
            add(QDate(2024, 1, 28 - i), double(k), QStringLiteral("P%1").arg(k, 2, 10, QChar('0')));
    add(QDate(2024, 2, 1), 0, QStringLiteral("P03"));  // P03 ties P04
    const auto series = tq::GroupTrendLines(lines, tq::TrendGrouping::ByPartner);
    QStringList names;
    for (const auto& s : series)
        names << s.name + QString::number(s.lines.size());
    EXPECT_EQ(names, (QStringList{"P1212", "P1111", "P1010", "P099", "P088", "P077", "P066", "P055", "P034", "P044",
                                  QStringLiteral("其他3")}));
    for (const auto& s : series)
        EXPECT_TRUE(std::is_sorted(s.lines.begin(), s.lines.end(), [](auto& a, auto& b) { return a.time < b.time; }));
    EXPECT_TRUE(series.last().others);
}

TEST_F(PriceTrendOnDemo, HiddenTheWindowIsAsBeforeAndTheChoiceIsRemembered)
{
    open(true, itemId, 0);
    EXPECT_EQ(window->priceTrend().pane(), nullptr) << "nothing is made while hidden";
    QAction* item = window->menuItem(QStringLiteral("mnuViewPriceTrend"));
    const QList<QAction*> viewMenu = window->menuItem(QStringLiteral("mnuView"))->menu()->actions();
    ASSERT_EQ(viewMenu.last(), item);
    EXPECT_EQ(item->text(), QStringLiteral("价格走势图"));
    for (QAction* other : window->findChildren<QAction*>())
        EXPECT_TRUE(other == item || other->shortcut() != item->shortcut()) << other->objectName().toStdString();
    window->layout().Resize();  // the layout as it is now, status texts and all
    const QRect ledger = window->ldgBase().geometry();
    item->trigger();
    ASSERT_TRUE(item->isChecked());
    const QRect pane = window->priceTrend().pane()->geometry();
    EXPECT_EQ(window->ldgBase().geometry().top(), ledger.top());
    EXPECT_LT(window->ldgBase().geometry().bottom(), pane.top());
    EXPECT_EQ(pane.bottom(), window->tvwBase().geometry().bottom());
    item->trigger();
    EXPECT_EQ(window->ldgBase().geometry(), ledger);
    EXPECT_FALSE(window->priceTrend().pane()->isVisible());
    item->trigger();
    window->close();
    open(true, itemId, 0);
    EXPECT_TRUE(window->menuItem(QStringLiteral("mnuViewPriceTrend"))->isChecked());
    ASSERT_NE(window->priceTrend().pane(), nullptr);
    EXPECT_TRUE(window->priceTrend().pane()->isVisible());
}

} // namespace
