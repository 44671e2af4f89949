// The virtual ledger grid on screen: which rows it asks for, its layout members in twips, the
// current row, the pointer and its events.
#include "platform/com/ComError.h"
#include "platform/controls/Ledger50.h"
#include "tests/platform/RaisedError.h"
#include "tests/platform/controls/LedgerTestOwner.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QTableView>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

using controls::Ledger50;
using controls::testing::LedgerTestOwner;

namespace {

const QStringList kTitles{QStringLiteral("物料代码"), QStringLiteral("物料名称"), QStringLiteral("数量")};

struct LedgerGridTest : ::testing::Test {
    Ledger50 ledger;
    LedgerTestOwner owner{ledger, kTitles};

    void fill(long rows)
    {
        ledger.resize(480, 240);
        ledger.LedgerGrid().setColCount(kTitles.size());
        ledger.setRows(rows);
    }
    // Paints the grid as a person would see it, which is when rows are asked.
    void paint() { ledger.grab(); }
    void show()
    {
        ledger.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&ledger));
    }
    QPoint viewportPointOf(long row, long col)
    {
        QTableView* view = ledger.tableView();
        return view->visualRect(view->model()->index(int(row - 2), int(col - 1))).center();
    }
};

} // namespace

TEST_F(LedgerGridTest, AsksOnlyForTheRowsItPaints)
{
    fill(1);
    paint();
    EXPECT_EQ(owner.distinctAsked(), QList<long>{1}) << "a grid of titles only asks for the titles";

    owner.asked.clear();
    fill(100000);
    paint();
    const QTableView* view = ledger.tableView();
    const long onScreen = view->viewport()->height() / view->verticalHeader()->defaultSectionSize() + 1;
    QList<long> asked = owner.distinctAsked();
    ASSERT_FALSE(asked.isEmpty());
    EXPECT_EQ(asked.first(), 1);
    EXPECT_GE(asked.size(), onScreen - 1) << "the rows on screen were painted";
    EXPECT_LE(asked.last(), onScreen + 2);

    // Jumping far down asks for the rows shown there, not for those in between.
    owner.asked.clear();
    ledger.LedgerSelection().setCurrentRow(60000);
    paint();
    asked = owner.distinctAsked();
    EXPECT_LE(asked.size(), onScreen + 1);
    EXPECT_TRUE(asked.contains(60000));
    for (long row : asked)
        EXPECT_GT(row, 60000 - onScreen - 1) << "row " << row << " is not on screen";
}

TEST_F(LedgerGridTest, AnsweredRowsAreAskedAgainOnlyAfterACountChangeOrRedraw)
{
    const std::tuple<const char*, std::function<void(Ledger50&)>, bool> cases[] = {
        {"repaint alone", [](Ledger50&) {}, false},
        {"Redraw", [](Ledger50& l) { l.LedgerGrid().Redraw(); }, true},
        {"row count", [](Ledger50& l) { l.LedgerGrid().setRowCount(30); }, true},
        {"Rows", [](Ledger50& l) { l.setRows(21); }, true},
        {"column count", [](Ledger50& l) { l.LedgerGrid().setColCount(3); }, true},
        {"column format", [](Ledger50& l) { l.LedgerColumn(2).setFormat(QStringLiteral("0.00")); }, true},
    };
    for (const auto& [name, change, asksAgain] : cases) {
        fill(20);
        ledger.LedgerColumn(2).setFormat({});
        paint();
        owner.asked.clear();
        change(ledger);
        paint();
        paint();
        // However often a row is painted, it is asked once until the next change.
        EXPECT_EQ(owner.asked.count(2), asksAgain ? 1 : 0) << name;
        EXPECT_EQ(owner.asked.contains(1), asksAgain) << name;
    }
}

TEST_F(LedgerGridTest, OwnerMayReadTheGridWhileAnsweringARow)
{
    // The browse window's answer for the title row marks the number columns; a handler reading
    // the row it is answering gets an empty text instead of recursing.
    QString readInside;
    QObject::connect(&ledger, &Ledger50::RowTextRequest, [&](long row, QString&, long&, long&) {
        if (row == 1)
            ledger.LedgerColumn(3).setNumericAlign(1);
        if (row == 2)
            readInside = ledger.LedgerCell(2, 1).Text() + ledger.LedgerCell(1, 1).Text();
    });
    fill(3);
    paint();
    EXPECT_EQ(ledger.LedgerColumn(3).NumericAlign(), 1);
    EXPECT_EQ(readInside, QStringLiteral("物料代码"));
    EXPECT_EQ(ledger.LedgerCell(2, 1).Text(), QStringLiteral("R2C1"));
}

TEST_F(LedgerGridTest, NumberCellsOfAFormattedColumnAreFormattedByTheOwner)
{
    owner.rowText = [](long row) { return row == 2 ? QStringLiteral("a|7.5|x|") : QStringLiteral("b|n/a|y|"); };
    QList<QString> patterns;
    QObject::connect(&ledger, &Ledger50::FormatRequest, [&](const QVariant& value, const QString& pattern, QString& result) {
        patterns.append(pattern);
        result = QString::asprintf("%05.2f", value.toDouble());
    });
    fill(3);
    ledger.LedgerColumn(2).setFormat(QStringLiteral("00.00"));
    EXPECT_EQ(ledger.LedgerCell(2, 2).Text(), QStringLiteral("07.50"));
    EXPECT_EQ(ledger.LedgerCell(3, 2).Text(), QStringLiteral("n/a"));
    EXPECT_EQ(ledger.LedgerCell(2, 1).Text(), QStringLiteral("a"));
    EXPECT_EQ(patterns, QList<QString>{QStringLiteral("00.00")});
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

TEST_F(LedgerGridTest, ColumnWidthsAndHidingRoundTripInTwipsAcrossNewCounts)
{
    fill(3);
    ASSERT_EQ(ledger.logicalDpiX(), 96) << "the pixel checks assume 96 dpi";
    for (long twips : {1200L, 17L, 2880L, 0L}) {
        ledger.LedgerColumn(2).setWidth(twips);
        EXPECT_EQ(ledger.LedgerColumn(2).Width(), twips);
        EXPECT_EQ(ledger.tableView()->columnWidth(1), std::max(1L, std::lround(twips / 15.0)));
    }
    ledger.tableView()->horizontalHeader()->resizeSection(0, 100);  // a user's drag
    EXPECT_EQ(ledger.LedgerColumn(1).Width(), 1500);
    ledger.LedgerColumn(2).setWidth(1800);
    ledger.LedgerColumn(2).setHidden(true);
    ledger.LedgerColumn(3).setWidth(2400);
    ledger.setRows(50);
    ledger.LedgerGrid().setColCount(4);
    EXPECT_TRUE(ledger.LedgerColumn(2).Hidden(16));
    EXPECT_TRUE(ledger.tableView()->isColumnHidden(1));
    EXPECT_EQ(ledger.LedgerColumn(2).Width(), 1800) << "a hidden column keeps its width";
    EXPECT_EQ(ledger.tableView()->columnWidth(2), 160);
    ledger.LedgerColumn(2).setHidden(false);
    EXPECT_EQ(ledger.tableView()->columnWidth(1), 120);
}

TEST_F(LedgerGridTest, RowHeightIsTwipsAndFitsTheFontUntilSet)
{
    fill(10);
    QFont font = ledger.Font();
    EXPECT_GE(ledger.tableView()->verticalHeader()->defaultSectionSize(), QFontMetrics(font).height());
    EXPECT_EQ(ledger.LedgerGrid().RowHeight(), ledger.tableView()->verticalHeader()->defaultSectionSize() * 15);
    font.setPointSizeF(font.pointSizeF() * 2);
    ledger.setFont(font);
    EXPECT_GE(ledger.tableView()->verticalHeader()->defaultSectionSize(), QFontMetrics(font).height());
    ledger.LedgerGrid().setRowHeight(240);
    EXPECT_EQ(ledger.tableView()->verticalHeader()->defaultSectionSize(), 16);
    font.setPointSizeF(font.pointSizeF() / 2);
    ledger.setFont(font);
    EXPECT_EQ(ledger.LedgerGrid().RowHeight(), 240) << "a set height is the caller's";
}

TEST_F(LedgerGridTest, CurrentRowIsAnnouncedScrolledToAndDroppedWithItsRow)
{
    fill(1000);
    int changed = 0;
    QList<std::pair<QString, long>> notified;
    QObject::connect(&ledger, &Ledger50::CurrentRowChanged, [&] { ++changed; });
    QObject::connect(&ledger, &Ledger50::Notify, [&](long code, const QString& name, const QVariant&, long row, const QVariant&) {
        EXPECT_EQ(code, 0);
        notified.append({name, row});
    });
    EXPECT_EQ(ledger.LedgerSelection().CurrentRow(), 0);
    ledger.LedgerSelection().setCurrentRow(700);
    ledger.LedgerSelection().setCurrentRow(700);  // no move, no news
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(notified, (QList<std::pair<QString, long>>{{QStringLiteral("SelChanged"), 700L}}));
    paint();
    const QTableView* view = ledger.tableView();
    EXPECT_LE(view->rowAt(0) + 2, 700);
    EXPECT_GE(view->rowAt(view->viewport()->height() - 1) + 2, 700);

    ledger.setRows(500);  // fewer rows than the current one: no current row any more
    EXPECT_EQ(ledger.LedgerSelection().CurrentRow(), 0);
    EXPECT_EQ(changed, 2);
    ledger.LedgerSelection().setCurrentRow(3);
    ledger.setRows(40);  // a row that still exists stays current
    EXPECT_EQ(ledger.LedgerSelection().CurrentRow(), 3);
    EXPECT_EQ(view->selectionModel()->currentIndex().row(), 1);
    ledger.LedgerGrid().setOption(512, 1);  // row select: the whole row is highlighted
    EXPECT_EQ(view->selectionModel()->selectedIndexes().size(), 3);
}

TEST_F(LedgerGridTest, PointerClicksAndKeysTellRowColumnAndTwips)
{
    fill(50);
    show();
    QList<long> notifiedRows, titleColumns;
    QList<std::array<long, 4>> moves;  // row, col, x, y as the handler saw them
    QObject::connect(&ledger, &Ledger50::Notify, [&](long, const QString&, const QVariant&, long row, const QVariant&) {
        notifiedRows.append(row);
    });
    QObject::connect(&ledger, &Ledger50::MouseOverRow, [&](long, long, long x, long y) {
        moves.append({ledger.LedgerGrid().MouseRow(), ledger.LedgerGrid().MouseCol(), x, y});
    });
    QObject::connect(&ledger, &Ledger50::TitleDblClick, [&] { titleColumns.append(ledger.LedgerGrid().MouseCol()); });
    QWidget* viewport = ledger.tableView()->viewport();
    QHeaderView* titles = ledger.tableView()->horizontalHeader();

    QTest::mouseMove(viewport, viewportPointOf(4, 2));
    const QPoint inGrid = viewport->mapTo(&ledger, viewportPointOf(4, 2));
    EXPECT_EQ(moves.value(moves.size() - 1), (std::array<long, 4>{4, 2, inGrid.x() * 15L, inGrid.y() * 15L}));
    QTest::mouseMove(titles->viewport(), QPoint(titles->sectionViewportPosition(2) + 10, 5));
    EXPECT_EQ(moves.last()[0], 1);
    EXPECT_EQ(moves.last()[1], 3);

    QTest::mouseClick(viewport, Qt::LeftButton, {}, viewportPointOf(4, 2));
    QTest::keyClick(ledger.tableView(), Qt::Key_Down);
    EXPECT_EQ(ledger.LedgerSelection().CurrentRow(), 5);
    EXPECT_EQ(notifiedRows, (QList<long>{4, 5}));

    QTest::mouseDClick(titles->viewport(), Qt::LeftButton, {},
                       QPoint(titles->sectionViewportPosition(1) + titles->sectionSize(1) / 2, 5));
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, viewportPointOf(3, 1));  // a data row: no title event
    EXPECT_EQ(titleColumns, QList<long>{2});
    ledger.setRows(2);  // beyond the last row and column the pointer is over nothing
    QTest::mouseMove(viewport, QPoint(viewport->width() - 2, viewport->height() - 2));
    EXPECT_EQ(ledger.LedgerGrid().MouseRow(), 0);
    EXPECT_EQ(ledger.LedgerGrid().MouseCol(), 0);
}

TEST_F(LedgerGridTest, TooltipShowsTheTextSetForItAndFollowsChanges)
{
    fill(10);
    show();
    QWidget* viewport = ledger.tableView()->viewport();
    ledger.setToolTipText(QStringLiteral("A001|螺栓|价格信息:12.50"));
    const QPoint at = viewportPointOf(3, 1);
    QHelpEvent help(QEvent::ToolTip, at, viewport->mapToGlobal(at));
    QCoreApplication::sendEvent(viewport, &help);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("A001|螺栓|价格信息:12.50"));
    QCursor::setPos(viewport->mapToGlobal(at));
    ledger.setToolTipText(QStringLiteral("A002|螺母|价格信息:3.00"));
    EXPECT_EQ(QToolTip::text(), QStringLiteral("A002|螺母|价格信息:3.00"));
    QToolTip::hideText();
}
