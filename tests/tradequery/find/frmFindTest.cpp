// The condition dialog driven as a person drives it: the texts each mode hands over, what is
// refused and why, quotes by every path into a cell, and what the dialog keeps between openings.
#include "tests/tradequery/find/FindFixtures.h"

#include "platform/ado/Recordset.h"
#include "tradequery/history/CurrencyScale.h"

#include <QClipboard>

namespace {

using namespace findtest;
using tq::frmFind;

constexpr long kName = 2, kDate = 9, kQty = 11, kDiscount = 13, kAmount = 18;

TEST_F(FindDialogTest, SortAndFilterTexts)
{
    struct Entry { long row; int choice; const char* value; };  // in the order filled; values for filters only
    struct Case { int32_t mode; std::vector<Entry> entries; const char* expected; } const cases[] = {
        {frmFind::SortMode, {{kDate, 2, ""}, {kQty, 1, ""}}, "FDate DESC,FQty ASC"},
        {frmFind::SortMode, {{kDate, 2, ""}}, "FDate DESC"},
        {frmFind::SortMode, {{kName, 0, ""}}, ""},
        {frmFind::FilterMode, {{kQty, 4, "10"}, {kName, 5, "螺栓"}}, "t1.FName Like '%螺栓%' AND u2.FQty > 10"},
        {frmFind::FilterMode, {{kDate, 1, "2008-01-05"}}, "u1.FDate = '2008-01-05'"},
        {frmFind::FilterMode, {{kQty, 5, "5"}}, "u2.FQty Like '%5%'"},
        {frmFind::FilterMode, {{kName, 2, " A1 "}, {kQty, 3, "-2.5"}}, "t1.FName <> 'A1' AND u2.FQty < -2.5"},
        {frmFind::FilterMode, {{kName, 0, "gone"}, {kDate, 4, "2008-1-5"}}, "u1.FDate > '2008-01-05'"},
    };
    for (const Case& c : cases) {
        tq::InitFieldTable(1), raised.clear();
        open(c.mode, [&] {
            for (const Entry& e : c.entries) {
                grid(dialog).SetListIndex(2, e.row, e.choice);
                if (c.mode == frmFind::FilterMode)
                    type(dialog, 3, e.row, QString::fromUtf8(e.value));
            }
            press(dialog, "cmdOK");
            EXPECT_FALSE(dialog.isVisible()) << c.expected;
        });
        const char* signal = c.mode == frmFind::SortMode ? "SortNow" : "FilterNow";
        EXPECT_EQ(raised, (QList<QStringList>{{signal, QString::fromUtf8(c.expected)}}));
    }
    // A row with content but no condition is emptied for the next opening.
    EXPECT_EQ(tq::FieldTable(kName).FilterValue, QString());
    EXPECT_EQ(tq::FieldTable(kDate).FilterValue, QStringLiteral("2008-01-05"));
}

TEST_F(FindDialogTest, FindHandsOverTheTrimmedTextsAndKeepsThem)
{
    open(frmFind::FindMode, [&] {
        type(dialog, 2, kName, QStringLiteral(" 螺栓 "));
        type(dialog, 2, kQty, QStringLiteral("10"));
        option("optBlur")->setChecked(true);
        option("optUL_Yes")->setChecked(true);
        press(dialog, "cmdOK");
    });
    EXPECT_EQ(raised, (QList<QStringList>{{"FindNow", QStringLiteral("螺栓10"), "1", "1"}}));
    // The next opening shows the trimmed texts again, with the options back at their start.
    open(frmFind::FindMode, [&] {
        EXPECT_EQ(grid(dialog).Text(2, kName), QStringLiteral("螺栓"));
        EXPECT_EQ(grid(dialog).Text(2, kQty), QStringLiteral("10"));
        EXPECT_TRUE(option("optMatch")->isChecked());
    });
}

TEST_F(FindDialogTest, RefusalsKeepTheDialogOpenAndRaiseNothing)
{
    // What the person types into the row's text cell (after choosing a condition, when filtering).
    struct Case { int32_t mode; long row; int choice; const char *text, *message; } const cases[] = {
        {frmFind::FindMode, kName, 0, "   ", "请输入要搜索的字符!"},
        {frmFind::FilterMode, kName, 0, "x", "请输入要过滤的条件!"},
        {frmFind::FilterMode, kDate, 1, "2008-01", "单据日期 的日期“2008-01”不完整或不存在，请按 yyyy-mm-dd 输入，例如 2008-01-05。"},
        {frmFind::FindMode, kQty, 0, "-", "数量 的内容“-”不是一个完整的数字，请重新输入。"},
    };
    for (const Case& c : cases) {
        tq::InitFieldTable(1), boxes.clear();
        open(c.mode, [&] {
            if (c.choice)
                grid(dialog).SetListIndex(2, c.row, c.choice);
            type(dialog, c.mode == frmFind::FindMode ? 2 : 3, c.row, QString::fromUtf8(c.text));
            press(dialog, "cmdOK");
            EXPECT_TRUE(dialog.isVisible()) << c.message;
        });
        ASSERT_EQ(boxes.boxes().size(), 1) << c.message;
        EXPECT_EQ(boxes.boxes()[0].title + ": " + boxes.boxes()[0].text, "青禾提示: " + QString::fromUtf8(c.message));
    }
    EXPECT_TRUE(raised.isEmpty());
}

TEST_F(FindDialogTest, NoQuoteReachesTheFilterByAnyPath)
{
    // Restored from an earlier opening (or any code that wrote the table).
    tq::FieldTable(1).FilterCondition = 1;
    tq::FieldTable(1).FilterValue = QStringLiteral("a'b");
    QApplication::clipboard()->setText(QStringLiteral("M\"8'"));
    open(frmFind::FilterMode, [&] {
        grid(dialog).SetListIndex(2, kName, 5);
        type(dialog, 3, kName, QStringLiteral("螺'栓\""));
        grid(dialog).SetListIndex(2, 3, 1);
        QTest::keyClick(type(dialog, 3, 3, QString()), Qt::Key_V, Qt::ControlModifier);
        press(dialog, "cmdOK");
    });
    const QString quoteless = QStringLiteral("t1.FNumber = 'ab' AND t1.FName Like '%螺栓%' AND c1.FModel = 'M8'");
    EXPECT_EQ(raised, (QList<QStringList>{{"FilterNow", quoteless}}));
}

TEST_F(FindDialogTest, DecimalsAndPlaceFromTheHost)
{
    host.billDataAccess().sql().answer(tq::CurrencyScaleSql(1),
                                       fakehost::rows({{"FScale", ado::FieldType::Integer}}, {{QVariant(3)}}));
    host.systemProfile().setProfile("IC", "PrecisionOfDiscountRate", 1);
    const char* keys[] = {"FindForm_X", "FindForm_Y", "FindForm_Width", "FindForm_Height"};
    const QVariant stored[] = {1500, "1200", 9000, 7500};  // twips; text reads as a number too
    const qlonglong saved[] = {2250, 1350, 9600, 7200};
    for (int i = 0; i < 4; ++i)
        host.settingsStore().put("ComTradeQuery", keys[i], stored[i]);
    open(frmFind::FindMode, [&] {
        type(dialog, 2, kAmount, QStringLiteral("1a.2b3456"));  // no letters, no fourth place
        type(dialog, 2, kDiscount, QStringLiteral("0.55"));
        type(dialog, 2, kQty, QStringLiteral("1.123456789"));
        grid(dialog).FinishEditing();
        EXPECT_EQ(grid(dialog).Text(2, kAmount), QStringLiteral("1.234"));
        EXPECT_EQ(grid(dialog).Text(2, kDiscount), QStringLiteral("0.5"));
        EXPECT_EQ(grid(dialog).Text(2, kQty), QStringLiteral("1.12345678"));
        EXPECT_EQ(QRect(dialog.pos(), dialog.size()), QRect(100, 80, 600, 500));  // frame corner, inner size
        dialog.move(150, 90);
        dialog.resize(640, 480);
    });
    EXPECT_EQ(frmFind::GetCurrencyScale(2), 2);  // no t_Currency row
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(host.settingsStore().stored("ComTradeQuery", keys[i]).toLongLong(), saved[i]) << keys[i];
}

} // namespace
