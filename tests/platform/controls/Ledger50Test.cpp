// The virtual ledger grid on screen: which rows it asks for, how it shows the answers, its
// layout members in twips, the current row, the pointer and its events.
#include "platform/com/ComError.h"
#include "platform/controls/Ledger50.h"
#include "tests/platform/controls/LedgerTestOwner.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QImage>
#include <QTableView>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

using controls::Ledger50;
using controls::testing::LedgerTestOwner;

namespace {

const QStringList kTitles{QStringLiteral("物料代码"), QStringLiteral("物料名称"),
                          QStringLiteral("数量")};

struct LedgerGridTest : ::testing::Test {
    Ledger50 ledger;
    LedgerTestOwner owner{ledger, kTitles};

    void fill(long rows, int width = 480, int height = 240)
    {
        ledger.resize(width, height);
        ledger.LedgerGrid().setColCount(kTitles.size());
        ledger.setRows(rows);
    }

    // Paints the grid as a person would see it, which is when rows are asked.
    QImage paint() { return ledger.grab().toImage(); }

    QRect cellRect(long row, long col)
    {
        QTableView* view = ledger.tableView();
        const QRect inView = view->visualRect(view->model()->index(static_cast<int>(row - 2),
                                                                   static_cast<int>(col - 1)));
        return inView.translated(view->viewport()->mapTo(&ledger, QPoint(0, 0)));
    }

    QPoint viewportPointOf(long row, long col)
    {
        QTableView* view = ledger.tableView();
        return view->visualRect(view->model()->index(static_cast<int>(row - 2),
                                                     static_cast<int>(col - 1)))
            .center();
    }
};

} // namespace

TEST_F(LedgerGridTest, GridOfTitlesOnlyAsksForTheTitleRowOnly)
{
    fill(1);
    paint();
    EXPECT_EQ(owner.distinctAsked(), QList<long>{1});
    EXPECT_EQ(ledger.LedgerCell(1, 2).Text(), QStringLiteral("物料名称"));
}

TEST_F(LedgerGridTest, OnlyRowsOnScreenAreAskedOfAHundredThousand)
{
    fill(100000, 480, 240);
    paint();
    const QTableView* view = ledger.tableView();
    const long onScreen = view->viewport()->height() / view->verticalHeader()->defaultSectionSize() + 1;
    QList<long> asked = owner.distinctAsked();
    ASSERT_FALSE(asked.isEmpty());
    EXPECT_EQ(asked.first(), 1);
    EXPECT_GE(asked.size(), onScreen - 1) << "the rows on screen were painted";
    EXPECT_LE(asked.size(), onScreen + 1);
    EXPECT_LE(asked.last(), onScreen + 2);

    // Jumping far down asks for the rows shown there, not for those in between.
    owner.asked.clear();
    ledger.LedgerSelection().setCurrentRow(60000);
    paint();
    asked = owner.distinctAsked();
    ASSERT_FALSE(asked.isEmpty());
    EXPECT_LE(asked.size(), onScreen + 1);
    EXPECT_TRUE(asked.contains(60000));
    for (long row : asked)
        EXPECT_GT(row, 60000 - onScreen - 1) << "row " << row << " is not on screen";
}

TEST_F(LedgerGridTest, AnsweredRowsAreAskedAgainOnlyAfterACountChangeOrRedraw)
{
    struct Case {
        const char* name;
        std::function<void(Ledger50&)> change;
        bool asksAgain;
    };
    const std::vector<Case> cases{
        {"repaint alone", [](Ledger50&) {}, false},
        {"Redraw", [](Ledger50& l) { l.LedgerGrid().Redraw(); }, true},
        {"row count", [](Ledger50& l) { l.LedgerGrid().setRowCount(30); }, true},
        {"Rows", [](Ledger50& l) { l.setRows(21); }, true},
        {"column count", [](Ledger50& l) { l.LedgerGrid().setColCount(3); }, true},
    };
    for (const Case& c : cases) {
        fill(20);
        paint();
        owner.asked.clear();
        c.change(ledger);
        paint();
        EXPECT_EQ(owner.asked.contains(2), c.asksAgain) << c.name;
        EXPECT_EQ(owner.asked.contains(1), c.asksAgain) << c.name;
        // However often a row is painted, it is asked once until the next change.
        EXPECT_EQ(owner.asked.count(2), c.asksAgain ? 1 : 0) << c.name;
    }
}

TEST_F(LedgerGridTest, RowTextsAreCutIntoCellsAtTheBars)
{
    struct Case {
        QString text;
        QStringList cells;
    };
    const std::vector<Case> cases{
        {QStringLiteral("a|b|c|"), {"a", "b", "c"}},
        {QStringLiteral("a|b"), {"a", "b", ""}},
        {QStringLiteral("x||z|"), {"x", "", "z"}},
        {QStringLiteral(""), {"", "", ""}},
        {QStringLiteral("|"), {"", "", ""}},
        {QStringLiteral("1|2|3|4|5|"), {"1", "2", "3"}},
        {QStringLiteral(" 1,234.50 |数量|"), {" 1,234.50 ", "数量", ""}},
    };
    for (const Case& c : cases) {
        owner.rowText = [&](long) { return c.text; };
        fill(2);
        for (int col = 1; col <= 3; ++col)
            EXPECT_EQ(ledger.LedgerCell(2, col).Text(), c.cells[col - 1])
                << qPrintable(c.text) << " column " << col;
    }
}

TEST_F(LedgerGridTest, CellsOutsideTheGridRaiseAnError)
{
    fill(5);
    for (auto [row, col] : {std::pair{0L, 1L}, {6L, 1L}, {2L, 0L}, {2L, 4L}}) {
        try {
            ledger.LedgerCell(row, col);
            ADD_FAILURE() << "cell " << row << "," << col << " was accepted";
        } catch (const com::ComError& error) {
            EXPECT_FALSE(error.description().isEmpty());
        }
    }
    EXPECT_THROW(ledger.LedgerColumn(4), com::ComError);
    EXPECT_THROW(ledger.setRows(-1), com::ComError);
}

TEST_F(LedgerGridTest, NumericColumnsShowTheirNumbersRightAligned)
{
    owner.rowText = [](long) { return QStringLiteral("1|1|1|"); };
    fill(3, 600, 200);
    ledger.LedgerColumn(3).setNumericAlign(1);
    EXPECT_EQ(ledger.LedgerColumn(3).NumericAlign(), 1);
    EXPECT_EQ(ledger.LedgerColumn(2).NumericAlign(), 0);
    const QImage image = paint();

    // Where the ink of the "1" sits inside its cell.
    auto inkSpan = [&](long col) {
        const QRect cell = cellRect(2, col).adjusted(1, 1, -2, -2);
        int left = cell.right(), right = cell.left();
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                if (qGray(image.pixel(x, y)) < 128) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        return std::pair{left - cell.left(), cell.right() - right};
    };
    const auto [textLeftGap, textRightGap] = inkSpan(2);
    const auto [numberLeftGap, numberRightGap] = inkSpan(3);
    EXPECT_LT(textLeftGap, 10);
    EXPECT_GT(textRightGap, 40);
    EXPECT_GT(numberLeftGap, 40);
    EXPECT_LT(numberRightGap, 10);
}

TEST_F(LedgerGridTest, ColumnWidthsRoundTripInTwips)
{
    fill(3);
    ASSERT_EQ(ledger.logicalDpiX(), 96) << "the pixel checks assume 96 dpi";
    for (long twips : {1200L, 1000L, 17L, 2880L, 0L}) {
        ledger.LedgerColumn(2).setWidth(twips);
        EXPECT_EQ(ledger.LedgerColumn(2).Width(), twips);
        EXPECT_EQ(ledger.tableView()->columnWidth(1), std::max(1L, std::lround(twips / 15.0)));
    }
    // A user's drag is read back in twips.
    ledger.tableView()->horizontalHeader()->resizeSection(0, 100);
    EXPECT_EQ(ledger.LedgerColumn(1).Width(), 1500);
    // Widths survive a new row count and a new column count.
    ledger.LedgerColumn(3).setWidth(2400);
    ledger.setRows(50);
    ledger.LedgerGrid().setColCount(4);
    EXPECT_EQ(ledger.LedgerColumn(3).Width(), 2400);
    EXPECT_EQ(ledger.tableView()->columnWidth(2), 160);
    EXPECT_THROW(ledger.LedgerColumn(1).setWidth(-15), com::ComError);
}

TEST_F(LedgerGridTest, HiddenColumnsAreLeftOutAndKeepTheirWidth)
{
    fill(3);
    ledger.LedgerColumn(2).setWidth(1800);
    ledger.LedgerColumn(2).setHidden(true);
    EXPECT_TRUE(ledger.LedgerColumn(2).Hidden(16));
    EXPECT_FALSE(ledger.LedgerColumn(1).Hidden(16));
    EXPECT_TRUE(ledger.tableView()->isColumnHidden(1));
    EXPECT_EQ(ledger.LedgerColumn(2).Width(), 1800);
    ledger.setRows(10);  // a reset of the view keeps it hidden
    EXPECT_TRUE(ledger.tableView()->isColumnHidden(1));
    ledger.LedgerColumn(2).setHidden(false);
    EXPECT_FALSE(ledger.tableView()->isColumnHidden(1));
    EXPECT_EQ(ledger.tableView()->columnWidth(1), 120);
    EXPECT_THROW(ledger.LedgerColumn(2).Hidden(1), com::ComError);
}

TEST_F(LedgerGridTest, CurrentRowIsAnnouncedAndScrolledTo)
{
    fill(1000);
    int changed = 0;
    QList<std::pair<QString, long>> notified;
    QObject::connect(&ledger, &Ledger50::CurrentRowChanged, [&] { ++changed; });
    QObject::connect(&ledger, &Ledger50::Notify,
                     [&](long code, const QString& name, const QVariant&, long row, const QVariant&) {
                         EXPECT_EQ(code, 0);
                         notified.append({name, row});
                     });
    EXPECT_EQ(ledger.LedgerSelection().CurrentRow(), 0);

    ledger.LedgerSelection().setCurrentRow(700);
    EXPECT_EQ(ledger.LedgerSelection().CurrentRow(), 700);
    EXPECT_EQ(changed, 1);
    ASSERT_EQ(notified.size(), 1);
    EXPECT_EQ(notified[0], std::pair(QStringLiteral("SelChanged"), 700L));
    paint();
    const QTableView* view = ledger.tableView();
    const int top = view->rowAt(0) + 2;
    const int bottom = view->rowAt(view->viewport()->height() - 1) + 2;
    EXPECT_TRUE(top <= 700 && 700 <= bottom) << top << ".." << bottom;

    ledger.LedgerSelection().setCurrentRow(700);  // no move, no news
    EXPECT_EQ(changed, 1);

    // The title row and rows beyond the grid are not rows to stand on.
    EXPECT_THROW(ledger.LedgerSelection().setCurrentRow(1), com::ComError);
    EXPECT_THROW(ledger.LedgerSelection().setCurrentRow(1001), com::ComError);
    EXPECT_EQ(ledger.LedgerSelection().CurrentRow(), 700);

    // Fewer rows than the current one: there is no current row any more.
    ledger.setRows(500);
    EXPECT_EQ(ledger.LedgerSelection().CurrentRow(), 0);
    EXPECT_EQ(changed, 2);
    EXPECT_EQ(notified.size(), 1);
    // A row that still exists stays current across a new row count.
    ledger.LedgerSelection().setCurrentRow(3);
    ledger.setRows(40);
    EXPECT_EQ(ledger.LedgerSelection().CurrentRow(), 3);
    EXPECT_EQ(view->selectionModel()->currentIndex().row(), 1);
}

TEST_F(LedgerGridTest, ClickingARowMakesItCurrent)
{
    fill(50);
    ledger.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ledger));
    QList<long> notifiedRows;
    QObject::connect(&ledger, &Ledger50::Notify,
                     [&](long, const QString&, const QVariant&, long row, const QVariant&) {
                         notifiedRows.append(row);
                     });
    QTest::mouseClick(ledger.tableView()->viewport(), Qt::LeftButton, {}, viewportPointOf(4, 2));
    EXPECT_EQ(ledger.LedgerSelection().CurrentRow(), 4);
    EXPECT_EQ(notifiedRows, QList<long>{4});
    QTest::keyClick(ledger.tableView(), Qt::Key_Down);
    EXPECT_EQ(ledger.LedgerSelection().CurrentRow(), 5);
    EXPECT_EQ(notifiedRows, (QList<long>{4, 5}));
}

TEST_F(LedgerGridTest, PointerPositionIsKnownBeforeTheMoveIsAnnounced)
{
    fill(50, 480, 240);
    ledger.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ledger));
    QList<std::array<long, 6>> moves;  // row, col, button, shift, x, y as the handler saw them
    QObject::connect(&ledger, &Ledger50::MouseOverRow, [&](long button, long shift, long x, long y) {
        moves.append({ledger.LedgerGrid().MouseRow(), ledger.LedgerGrid().MouseCol(), button, shift, x, y});
    });

    QWidget* viewport = ledger.tableView()->viewport();
    const QPoint overRow4 = viewportPointOf(4, 2);
    QTest::mouseMove(viewport, overRow4);
    ASSERT_FALSE(moves.isEmpty());
    const QPoint inGrid = viewport->mapTo(&ledger, overRow4);
    EXPECT_EQ(moves.last()[0], 4);
    EXPECT_EQ(moves.last()[1], 2);
    EXPECT_EQ(moves.last()[2], 0);
    EXPECT_EQ(moves.last()[4], inGrid.x() * 15);
    EXPECT_EQ(moves.last()[5], inGrid.y() * 15);

    QHeaderView* titles = ledger.tableView()->horizontalHeader();
    QTest::mouseMove(titles->viewport(), QPoint(titles->sectionViewportPosition(2) + 10, 5));
    EXPECT_EQ(moves.last()[0], 1);
    EXPECT_EQ(moves.last()[1], 3);

    // Beyond the last row and column the pointer is over nothing.
    ledger.setRows(2);
    QTest::mouseMove(viewport, QPoint(viewport->width() - 2, viewport->height() - 2));
    EXPECT_EQ(ledger.LedgerGrid().MouseRow(), 0);
    EXPECT_EQ(ledger.LedgerGrid().MouseCol(), 0);
}

TEST_F(LedgerGridTest, DoubleClickOnATitleTellsWhichColumn)
{
    fill(50);
    ledger.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ledger));
    QList<long> clickedColumns;
    QObject::connect(&ledger, &Ledger50::TitleDblClick, [&] {
        EXPECT_EQ(ledger.LedgerGrid().MouseRow(), 1);
        clickedColumns.append(ledger.LedgerGrid().MouseCol());
    });
    QHeaderView* titles = ledger.tableView()->horizontalHeader();
    QTest::mouseDClick(titles->viewport(), Qt::LeftButton, {},
                       QPoint(titles->sectionViewportPosition(1) + titles->sectionSize(1) / 2, 5));
    EXPECT_EQ(clickedColumns, QList<long>{2});

    // A double-click on a data row is not a title double-click.
    QTest::mouseDClick(ledger.tableView()->viewport(), Qt::LeftButton, {}, viewportPointOf(3, 1));
    EXPECT_EQ(clickedColumns, QList<long>{2});
    EXPECT_EQ(ledger.LedgerGrid().MouseRow(), 3);
}

TEST_F(LedgerGridTest, RowColourAnswerPaintsTheRowBackground)
{
    owner.rowColor = [](long row) { return row == 3 ? 0x0000FFL : 0L; };  // red in 0x00BBGGRR
    fill(5, 480, 240);
    ledger.LedgerGrid().setBackColor(0xE0FFFF);  // a light yellow data area
    EXPECT_EQ(ledger.LedgerGrid().BackColor(), 0xE0FFFF);
    const QImage image = paint();
    auto background = [&](long row) {
        const QRect cell = cellRect(row, 3);
        return QColor(image.pixel(cell.right() - 3, cell.top() + 2));
    };
    EXPECT_EQ(background(3), QColor(255, 0, 0));
    EXPECT_EQ(background(2), QColor(255, 255, 224)) << "0 keeps the grid's background";
}

TEST_F(LedgerGridTest, NumberCellsOfAFormattedColumnAreFormattedByTheOwner)
{
    owner.rowText = [](long row) { return row == 2 ? QStringLiteral("a|7.5|x|") : QStringLiteral("b|n/a|y|"); };
    QList<QString> patterns;
    QObject::connect(&ledger, &Ledger50::FormatRequest,
                     [&](const QVariant& value, const QString& pattern, QString& result) {
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

TEST_F(LedgerGridTest, FailingOwnerLeavesAnEmptyRowAndTheGridAlive)
{
    owner.rowText = [](long row) -> QString {
        if (row == 3)
            throw com::ComError(-1, QStringLiteral("test"), QStringLiteral("记录集已关闭"));
        return QStringLiteral("ok|ok|ok|");
    };
    fill(4);
    paint();
    EXPECT_EQ(ledger.LedgerCell(3, 1).Text(), QString());
    EXPECT_EQ(ledger.LedgerCell(4, 1).Text(), QStringLiteral("ok"));
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

TEST_F(LedgerGridTest, OptionRowSelectHighlightsTheWholeRow)
{
    fill(10);
    EXPECT_EQ(ledger.LedgerGrid().Option(512), 0);
    ledger.LedgerSelection().setCurrentRow(4);
    EXPECT_EQ(ledger.tableView()->selectionModel()->selectedIndexes().size(), 1);
    ledger.LedgerGrid().setOption(512, 1);
    EXPECT_EQ(ledger.LedgerGrid().Option(512), 1);
    const QModelIndexList selected = ledger.tableView()->selectionModel()->selectedIndexes();
    EXPECT_EQ(selected.size(), 3);
    for (const QModelIndex& index : selected)
        EXPECT_EQ(index.row(), 2);
    ledger.LedgerGrid().setOption(7, 42);  // other options are kept but change nothing
    EXPECT_EQ(ledger.LedgerGrid().Option(7), 42);
}

TEST_F(LedgerGridTest, TooltipShowsTheTextSetForIt)
{
    fill(10);
    ledger.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ledger));
    QWidget* viewport = ledger.tableView()->viewport();
    ledger.setToolTipText(QStringLiteral("A001|螺栓|价格信息:12.50"));
    const QPoint at = viewportPointOf(3, 1);
    QHelpEvent help(QEvent::ToolTip, at, viewport->mapToGlobal(at));
    QCoreApplication::sendEvent(viewport, &help);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("A001|螺栓|价格信息:12.50"));
    // Changed while on show, it follows at once.
    QCursor::setPos(viewport->mapToGlobal(at));
    ledger.setToolTipText(QStringLiteral("A002|螺母|价格信息:3.00"));
    EXPECT_EQ(QToolTip::text(), QStringLiteral("A002|螺母|价格信息:3.00"));
    QToolTip::hideText();
}

TEST_F(LedgerGridTest, RowHeightIsTwipsAndFitsTheFontUntilSet)
{
    fill(10);
    QFont font = ledger.Font();
    const int defaultPixels = ledger.tableView()->verticalHeader()->defaultSectionSize();
    EXPECT_GE(defaultPixels, QFontMetrics(font).height());
    EXPECT_EQ(ledger.LedgerGrid().RowHeight(), defaultPixels * 15);

    font.setPointSizeF(font.pointSizeF() * 2);
    ledger.setFont(font);
    EXPECT_GE(ledger.tableView()->verticalHeader()->defaultSectionSize(), QFontMetrics(font).height());
    EXPECT_EQ(ledger.Font().pointSizeF(), font.pointSizeF());

    ledger.LedgerGrid().setRowHeight(240);
    EXPECT_EQ(ledger.LedgerGrid().RowHeight(), 240);
    EXPECT_EQ(ledger.tableView()->verticalHeader()->defaultSectionSize(), 16);
    font.setPointSizeF(font.pointSizeF() / 2);
    ledger.setFont(font);
    EXPECT_EQ(ledger.LedgerGrid().RowHeight(), 240) << "a set height is the caller's";
    EXPECT_THROW(ledger.LedgerGrid().setRowHeight(0), com::ComError);
}

TEST_F(LedgerGridTest, FilledGridScreenshot)
{
    const QStringList titles{QStringLiteral("物料代码"), QStringLiteral("物料名称"),
                             QStringLiteral("规格型号"), QStringLiteral("单据日期"),
                             QStringLiteral("数量"), QStringLiteral("含税单价"),
                             QStringLiteral("价税合计")};
    Ledger50 grid;
    LedgerTestOwner filled(grid, titles);
    filled.rowText = [](long row) {
        static const QStringList names{QStringLiteral("六角螺栓"), QStringLiteral("不锈钢螺母"),
                                       QStringLiteral("平垫圈"), QStringLiteral("弹簧垫圈")};
        return QStringLiteral("01.%1|%2|M%3×40|2024-03-%4|%5|%6|%7|")
            .arg(1000 + row)
            .arg(names[row % names.size()])
            .arg(6 + row % 5)
            .arg(row % 28 + 1, 2, 10, QLatin1Char('0'))
            .arg(row * 10)
            .arg(QStringLiteral("1,2%10.50").arg(row % 10))
            .arg(QStringLiteral("%1.00").arg(row * 1234));
    };
    grid.resize(760, 320);
    grid.LedgerGrid().setColCount(titles.size());
    grid.LedgerGrid().setRowHeight(300);
    grid.LedgerGrid().setOption(512, 1);
    for (long col : {5L, 6L, 7L})
        grid.LedgerColumn(col).setNumericAlign(1);
    grid.LedgerColumn(2).setWidth(1500);
    grid.setRows(2001);
    grid.LedgerSelection().setCurrentRow(4);
    const QImage image = grid.grab().toImage();
    ASSERT_TRUE(image.save(controls::testing::screenshotPath(QStringLiteral("ledger50_filled.png"))));
    EXPECT_LE(filled.distinctAsked().size(), 20);
}
