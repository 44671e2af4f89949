// The virtual ledger grid on screen: which rows it asks for, its layout in twips, the current
// row, the pointer and its events.
#include "platform/controls/Ledger50.h"
#include "tests/platform/RaisedError.h"
#include "tests/platform/controls/LedgerTestOwner.h"

#include <QHeaderView>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

using controls::Ledger50;

namespace {

struct LedgerGridTest : ::testing::Test {
    Ledger50 ledger;
    controls::testing::LedgerTestOwner owner{ledger, {"物料代码", "物料名称", "数量"}};
    QTableView* view = ledger.tableView();

    void fill(long rows)
    {
        ledger.resize(480, 240);
        ledger.LedgerGrid().setColCount(3);
        ledger.setRows(rows);
    }
    void paint() { ledger.grab(); }  // rows are asked when painted
    QPoint pointOf(long row, long col) { return view->visualRect(view->model()->index(int(row - 2), int(col - 1))).center(); }
};

TEST_F(LedgerGridTest, AsksOnlyForTheRowsItPaints)
{
    fill(1);
    paint();
    EXPECT_EQ(owner.distinctAsked(), QList<long>{1}) << "a grid of titles only asks for the titles";

    owner.asked.clear();
    fill(100000);
    paint();
    const long onScreen = view->viewport()->height() / view->verticalHeader()->defaultSectionSize() + 1;
    QList<long> asked = owner.distinctAsked();
    EXPECT_EQ(asked.value(0), 1);
    EXPECT_GE(asked.size(), onScreen - 1);
    EXPECT_LE(asked.last(), onScreen + 2);

    owner.asked.clear();  // a jump far down asks for the rows shown there, not those in between
    ledger.LedgerSelection().setCurrentRow(60000);
    paint();
    asked = owner.distinctAsked();
    EXPECT_LE(asked.size(), onScreen + 1);
    EXPECT_TRUE(asked.contains(60000));
    EXPECT_GT(asked.first(), 60000 - onScreen - 1);
}

TEST_F(LedgerGridTest, AnsweredRowsAreAskedAgainOnlyAfterACountChangeOrRedraw)
{
    const std::tuple<const char*, std::function<void()>, bool> cases[] = {
        {"repaint alone", [] {}, false}, {"Redraw", [&] { ledger.LedgerGrid().Redraw(); }, true},
        {"row count", [&] { ledger.LedgerGrid().setRowCount(30); }, true}, {"Rows", [&] { ledger.setRows(21); }, true},
        {"column count", [&] { ledger.LedgerGrid().setColCount(3); }, true},
        {"column format", [&] { ledger.LedgerColumn(2).setFormat(QStringLiteral("0.00")); }, true},
    };
    for (const auto& [name, change, asksAgain] : cases) {
        fill(20);
        ledger.LedgerColumn(2).setFormat({});
        paint();
        owner.asked.clear();
        change();
        paint();
        paint();
        EXPECT_EQ(owner.asked.count(2), asksAgain ? 1 : 0) << name;
        EXPECT_EQ(owner.asked.contains(1), asksAgain) << name;
    }
}

TEST_F(LedgerGridTest, TheOwnerMayReadTheGridWhileAnsweringAndFormatsNumbersOfAFormattedColumn)
{
    // The browse window marks the number columns while answering the titles; reading the row
    // being answered gives an empty text instead of recursing.
    QString readInside;
    QList<QString> patterns;
    owner.rowText = [](long row) { return row == 2 ? QStringLiteral("a|7.5|x|") : QStringLiteral("b|n/a|y|"); };
    QObject::connect(&ledger, &Ledger50::RowTextRequest, [&](long row, QString&, long&, long&) {
        if (row == 1)
            ledger.LedgerColumn(3).setNumericAlign(1);
        if (row == 2)
            readInside = ledger.LedgerCell(2, 1).Text() + ledger.LedgerCell(1, 1).Text();
    });
    QObject::connect(&ledger, &Ledger50::FormatRequest, [&](const QVariant& value, const QString& pattern, QString& result) {
        patterns.append(pattern);
        result = QString::asprintf("%05.2f", value.toDouble());
    });
    fill(3);
    ledger.LedgerColumn(2).setFormat(QStringLiteral("00.00"));
    paint();
    EXPECT_EQ(ledger.LedgerColumn(3).NumericAlign(), 1);
    EXPECT_EQ(readInside, QStringLiteral("物料代码"));
    EXPECT_EQ(ledger.LedgerCell(2, 1).Text() + ledger.LedgerCell(2, 2).Text() + ledger.LedgerCell(3, 2).Text(),
              QStringLiteral("a07.50n/a"));
    EXPECT_EQ(patterns, QList<QString>{QStringLiteral("00.00")}) << "only the number is formatted";
}

TEST_F(LedgerGridTest, ValuesOutsideTheGridRaiseAnError)
{
    fill(5);
    const std::function<void()> calls[] = {
        [&] { ledger.LedgerCell(0, 1); }, [&] { ledger.LedgerCell(6, 1); }, [&] { ledger.LedgerCell(2, 0); },
        [&] { ledger.LedgerCell(2, 4); }, [&] { ledger.LedgerColumn(4); }, [&] { ledger.setRows(-1); },
        [&] { ledger.LedgerColumn(1).setWidth(-15); }, [&] { ledger.LedgerColumn(2).Hidden(1); },
        [&] { ledger.LedgerGrid().setRowHeight(0); }, [&] { ledger.LedgerSelection().setCurrentRow(1); },
        [&] { ledger.LedgerSelection().setCurrentRow(6); },
    };
    for (size_t i = 0; i < std::size(calls); ++i)
        EXPECT_FALSE(platformtest::raisedBy(calls[i]).description.isEmpty()) << "call " << i << " raised no clear error";
}

TEST_F(LedgerGridTest, WidthsAndRowHeightAreTwipsAndWidthsSurviveNewCounts)
{
    fill(3);
    ASSERT_EQ(ledger.logicalDpiX(), 96) << "the pixel checks assume 96 dpi";
    for (long twips : {1200L, 17L, 0L}) {
        ledger.LedgerColumn(2).setWidth(twips);
        EXPECT_EQ(ledger.LedgerColumn(2).Width(), twips);
        EXPECT_EQ(view->columnWidth(1), std::max(1L, std::lround(twips / 15.0)));
    }
    view->horizontalHeader()->resizeSection(0, 100);  // a user's drag
    EXPECT_EQ(ledger.LedgerColumn(1).Width(), 1500);
    ledger.LedgerColumn(2).setWidth(1800);
    ledger.LedgerColumn(2).setHidden(true);
    ledger.LedgerColumn(3).setWidth(2400);
    ledger.setRows(50);
    ledger.LedgerGrid().setColCount(4);
    EXPECT_TRUE(ledger.LedgerColumn(2).Hidden(16) && view->isColumnHidden(1));
    EXPECT_EQ(view->columnWidth(2), 160);
    ledger.LedgerColumn(2).setHidden(false);
    EXPECT_EQ(view->columnWidth(1), 120) << "a hidden column keeps its width";

    ledger.LedgerGrid().setRowHeight(240);
    EXPECT_EQ(view->verticalHeader()->defaultSectionSize(), 16);
}

TEST_F(LedgerGridTest, CurrentRowIsAnnouncedScrolledToAndDroppedWithItsRow)
{
    fill(1000);
    int changed = 0;
    QList<std::pair<QString, long>> notified;
    QObject::connect(&ledger, &Ledger50::CurrentRowChanged, [&] { ++changed; });
    QObject::connect(&ledger, &Ledger50::Notify, [&](long, const QString& name, const QVariant&, long row, const QVariant&) {
        notified.append({name, row});
    });
    ledger.LedgerSelection().setCurrentRow(700);
    ledger.LedgerSelection().setCurrentRow(700);  // no move, no news
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(notified, (QList<std::pair<QString, long>>{{QStringLiteral("SelChanged"), 700L}}));
    paint();
    EXPECT_LE(view->rowAt(0) + 2, 700);
    EXPECT_GE(view->rowAt(view->viewport()->height() - 1) + 2, 700);

    ledger.setRows(500);  // the current row is gone
    EXPECT_EQ(ledger.LedgerSelection().CurrentRow(), 0);
    EXPECT_EQ(changed, 2);
    ledger.LedgerSelection().setCurrentRow(3);
    ledger.setRows(40);
    EXPECT_EQ(ledger.LedgerSelection().CurrentRow(), 3);
    EXPECT_EQ(view->selectionModel()->currentIndex().row(), 1);
}

TEST_F(LedgerGridTest, PointerClicksAndKeysTellRowColumnAndTwips)
{
    fill(50);
    ledger.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ledger));
    QList<long> notifiedRows, titleColumns;
    QList<std::array<long, 4>> moves;  // row, col, x, y as the handler saw them
    QObject::connect(&ledger, &Ledger50::Notify, [&](long, const QString&, const QVariant&, long row, const QVariant&) { notifiedRows << row; });
    QObject::connect(&ledger, &Ledger50::MouseOverRow, [&](long, long, long x, long y) {
        moves.append({ledger.LedgerGrid().MouseRow(), ledger.LedgerGrid().MouseCol(), x, y});
    });
    QObject::connect(&ledger, &Ledger50::TitleDblClick, [&] { titleColumns.append(ledger.LedgerGrid().MouseCol()); });
    QWidget* viewport = view->viewport();
    QHeaderView* titles = view->horizontalHeader();

    QTest::mouseMove(viewport, pointOf(4, 2));
    const QPoint inGrid = viewport->mapTo(&ledger, pointOf(4, 2));
    EXPECT_EQ(moves.value(moves.size() - 1), (std::array<long, 4>{4, 2, inGrid.x() * 15L, inGrid.y() * 15L}));
    QTest::mouseMove(titles->viewport(), QPoint(titles->sectionViewportPosition(2) + 10, 5));
    EXPECT_EQ(std::pair(moves.last()[0], moves.last()[1]), std::pair(1L, 3L)) << "the title row, column 3";

    QTest::mouseClick(viewport, Qt::LeftButton, {}, pointOf(4, 2));
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(notifiedRows, (QList<long>{4, 5}));

    QTest::mouseDClick(titles->viewport(), Qt::LeftButton, {}, QPoint(titles->sectionViewportPosition(1) + 5, 5));
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, pointOf(3, 1));  // a data row: no title event
    EXPECT_EQ(titleColumns, QList<long>{2});
    ledger.setRows(2);  // beyond the last row and column the pointer is over nothing
    QTest::mouseMove(viewport, QPoint(viewport->width() - 2, viewport->height() - 2));
    EXPECT_EQ(ledger.LedgerGrid().MouseRow() + ledger.LedgerGrid().MouseCol(), 0);

}

} // namespace
