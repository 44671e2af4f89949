// The condition grid as its owner and a person use it: which values each kind of cell takes,
// how quotes are kept out whatever way they come, half-typed input, and the model's contract.
#include "platform/com/ComError.h"
#include "platform/controls/SpreadGrid.h"
#include "platform/controls/SpreadGridModel.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using controls::SpreadCell;
using controls::SpreadCellType;

TEST(SpreadCellRules, WhatEachKindStores)
{
    using T = SpreadCellType;
    const std::tuple<T, int, const char*, const char*> cases[] = {  // type, decimals, typed, stored (nullptr: refused)
        {T::Text, 0, " a\"b'c ", " abc "}, {T::Text, 0, "   ", ""}, {T::Date, 0, "2008-1-5", "2008-01-05"},
        {T::Date, 0, "2008-01", nullptr}, {T::Date, 0, "2008-02-30", nullptr}, {T::Date, 0, "", ""},
        {T::Decimal, 2, "12.34", "12.34"}, {T::Decimal, 2, "12.345", nullptr}, {T::Decimal, 0, "12.", nullptr},
        {T::Decimal, 8, "-", nullptr}, {T::NumericText, 0, "12a", nullptr}, {T::NumericText, 0, "-0.125", "-0.125"},
        {T::NumericText, 0, "1-2", nullptr}, {T::NumericText, 0, "--", nullptr}, {T::Integer, 0, "1.5", nullptr},
        {T::Integer, 0, "'42'", "42"},
    };
    for (const auto& [type, decimals, typed, stored] : cases) {
        SpreadCell cell;
        cell.type = type;
        cell.decimals = decimals;
        const QString accepted = controls::AcceptedValue(cell, QString::fromUtf8(typed));
        EXPECT_EQ(accepted, stored ? QString::fromUtf8(stored) : QString()) << typed;
        EXPECT_EQ(accepted.isNull(), !stored) << typed;
    }
}

class SpreadGridUse : public ::testing::Test {
protected:
    SpreadGridUse()
    {
        grid.SetMaxCols(2);
        grid.SetMaxRows(4);
        grid.SetCellType(2, 1, SpreadCellType::Text);
        grid.SetCellType(2, 2, SpreadCellType::Date);
        grid.SetDecimalCell(2, 3, 2);
        grid.SetListCell(2, 4, {"(无)", "升序", "降序"});
        grid.resize(400, 300);
        grid.show();
    }
    QLineEdit* editor(long col, long row)
    {
        auto* line = qobject_cast<QLineEdit*>(grid.EditCell(col, row));
        EXPECT_NE(line, nullptr);
        return line;
    }
    static void pressEnter(QWidget* editor)  // the view takes the text from the event loop
    {
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    controls::SpreadGrid grid;
};

TEST_F(SpreadGridUse, QuotesNeverReachACell)
{
    QLineEdit* typed = editor(2, 1);
    QTest::keyClicks(typed, QStringLiteral("a\"b'c"));
    pressEnter(typed);
    EXPECT_EQ(grid.Text(2, 1), QStringLiteral("abc"));

    QApplication::clipboard()->setText(QStringLiteral("x'y\"z"));
    QLineEdit* pasted = editor(2, 1);
    pasted->selectAll();
    QTest::keyClick(pasted, Qt::Key_V, Qt::ControlModifier);
    pressEnter(pasted);
    EXPECT_EQ(grid.Text(2, 1), QStringLiteral("xyz"));

    QLineEdit* dropped = editor(2, 1);
    dropped->clear();
    QMimeData dragged;
    dragged.setText(QStringLiteral("d'r\"op"));
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dropped, &enter);
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dropped, &drop);
    EXPECT_EQ(dropped->text(), QStringLiteral("drop"));
    QTest::keyClick(dropped, Qt::Key_Escape);
    QCoreApplication::processEvents();

    grid.SetText(2, 1, QStringLiteral("co'de\""));
    EXPECT_EQ(grid.Text(2, 1), QStringLiteral("code"));
    grid.model().setData(grid.model().index(0, 1), QStringLiteral("m'odel"), Qt::EditRole);
    EXPECT_EQ(grid.Text(2, 1), QStringLiteral("model"));
}

TEST_F(SpreadGridUse, AHalfTypedDateStaysInItsEditorUntilFinished)
{
    grid.SetText(2, 2, QStringLiteral("2007-12-31"));
    QLineEdit* date = editor(2, 2);
    date->clear();
    QTest::keyClicks(date, QStringLiteral("2008-01x"));
    pressEnter(date);  // refused: the editor stays open
    const auto refusal = grid.FinishEditing();
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(QStringLiteral("%1,%2 %3").arg(refusal->col).arg(refusal->row).arg(refusal->text), QStringLiteral("2,2 2008-01"));
    EXPECT_EQ(grid.Text(2, 2), QStringLiteral("2007-12-31"));
    QTest::keyClicks(date, QStringLiteral("-5"));
    EXPECT_FALSE(grid.FinishEditing().has_value());
    EXPECT_EQ(grid.Text(2, 2), QStringLiteral("2008-01-05"));

    QLineEdit* picked = editor(2, 2);  // the calendar drop-down writes the date clicked on
    QTest::keyClick(picked, Qt::Key_F4);
    auto* calendar = picked->findChild<QCalendarWidget*>();
    ASSERT_NE(calendar, nullptr);
    emit calendar->clicked(QDate(2009, 3, 7));
    EXPECT_FALSE(grid.FinishEditing().has_value());
    EXPECT_EQ(grid.Text(2, 2), QStringLiteral("2009-03-07"));
}

TEST_F(SpreadGridUse, ListCellsLockedCellsAndRefusedValues)
{
    grid.SetListIndex(2, 4, 0);
    EXPECT_EQ(grid.model().index(3, 1).data().toString(), QString()) << "\"(无)\" shows as nothing chosen";
    auto* list = qobject_cast<QComboBox*>(grid.EditCell(2, 4));
    ASSERT_NE(list, nullptr);
    QTest::keyClick(list, Qt::Key_Down);  // choosing ends the edit
    EXPECT_EQ(QString::number(grid.ListIndex(2, 4)) + grid.Text(2, 4), QStringLiteral("1升序"));
    grid.SetLocked(2, 1, true);
    EXPECT_TRUE(!grid.EditCell(2, 1) && !grid.EditCell(1, 1)) << "locked; display-only from the start";
    const std::function<void()> refused[] = {[&] { grid.SetListIndex(2, 4, 3); }, [&] { grid.SetListIndex(2, 1, 0); },
        [&] { grid.SetText(2, 3, QStringLiteral("12abc")); }, [&] { grid.Text(3, 1); }, [&] { grid.SetText(1, 5, QStringLiteral("x")); }};
    for (const auto& call : refused)
        EXPECT_THROW(call(), com::ComError);
}

TEST(SpreadGridModelContract, HoldsThroughResizesAndEdits)
{
    controls::SpreadGridModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setGridSize(18, 3);
    SpreadCell list;
    list.type = SpreadCellType::List;
    list.items = QStringList{"(无)", "等于"};
    model.setCellFormat(1, 2, list);
    EXPECT_TRUE(model.setData(model.index(0, 1), 1, controls::SpreadGridModel::ListIndexRole));
    EXPECT_FALSE(model.setData(model.index(0, 1), 2, controls::SpreadGridModel::ListIndexRole));
    model.setGridSize(2, 2);
    EXPECT_EQ(model.index(0, 1).data(controls::SpreadGridModel::ListIndexRole).toInt(), 1);
    model.setGridSize(0, 2);
}

} // namespace
