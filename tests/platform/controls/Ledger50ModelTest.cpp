// The ledger grid's model: how a row text becomes cells, alignment and row colour, and an owner
// that fails to answer.
#include "platform/controls/Ledger50Model.h"

#include <QColor>
#include <gtest/gtest.h>

#include <stdexcept>

using namespace controls;

namespace {

TEST(Ledger50Model, RowTextsAreCutIntoCellsAtTheBars)
{
    const std::pair<QString, QStringList> cases[] = {
        {"a|b|c|", {"a", "b", "c"}}, {"a|b", {"a", "b", ""}}, {"x||z|", {"x", "", "z"}}, {"", {"", "", ""}},
        {"|", {"", "", ""}}, {"1|2|3|4|5|", {"1", "2", "3"}}, {" 1,234.50 |数量|", {" 1,234.50 ", "数量", ""}},
    };
    for (const auto& [text, cells] : cases) {
        Ledger50Model model;
        model.setCols(3);
        model.setRows(2);
        model.setRowSource([&](long) { return LedgerRowAnswer{splitRowText(text), 0}; });
        for (int col = 1; col <= 3; ++col)
            EXPECT_EQ(model.cellText(2, col), cells[col - 1]) << text.toStdString() << " column " << col;
    }
}

TEST(Ledger50Model, ShowsAlignmentAndRowColourAndSurvivesAFailingOwner)
{
    Ledger50Model model;
    model.setCols(2);
    model.setRows(4);
    model.setNumericAlign(1, true);
    model.setRowSource([](long row) -> LedgerRowAnswer {
        if (row == 3)
            throw std::runtime_error("记录集已关闭");
        return {{"a", "1"}, row == 2 ? 0x0000FFL : 0L};  // red in 0x00BBGGRR
    });
    const auto alignment = [&](int col) {
        return model.data(model.index(0, col), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask;
    };
    EXPECT_EQ(alignment(0), Qt::AlignLeft);
    EXPECT_EQ(alignment(1), Qt::AlignRight);
    EXPECT_EQ(model.data(model.index(0, 0), Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));
    EXPECT_FALSE(model.data(model.index(2, 0), Qt::BackgroundRole).isValid()) << "0 keeps the grid's background";
    EXPECT_EQ(model.cellText(3, 1), QString()) << "a failing owner leaves the row empty";
    EXPECT_EQ(model.cellText(4, 2), QStringLiteral("1"));
}

} // namespace
