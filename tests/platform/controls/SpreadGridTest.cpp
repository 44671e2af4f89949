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
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using controls::SpreadCell;
using controls::SpreadCellType;

struct AcceptCase {
    SpreadCellType type;
    int decimals;
    const char* typed;
    const char* stored;  // nullptr: refused
};

TEST(SpreadCellRules, WhatEachKindStores)
{
    const AcceptCase cases[] = {
        {SpreadCellType::Text, 0, " a\"b'c ", " abc "},
        {SpreadCellType::Text, 0, "   ", ""},
        {SpreadCellType::Date, 0, "2008-1-5", "2008-01-05"},
        {SpreadCellType::Date, 0, "2008-01", nullptr},
        {SpreadCellType::Date, 0, "2008-02-30", nullptr},
        {SpreadCellType::Date, 0, "", ""},
        {SpreadCellType::Decimal, 2, "12.34", "12.34"},
        {SpreadCellType::Decimal, 2, "12.345", nullptr},
        {SpreadCellType::Decimal, 0, "12.", nullptr},
        {SpreadCellType::Decimal, 8, "-", nullptr},
        {SpreadCellType::NumericText, 0, "12a", nullptr},
        {SpreadCellType::NumericText, 0, "-0.125", "-0.125"},
        {SpreadCellType::NumericText, 0, "1-2", nullptr},
        {SpreadCellType::NumericText, 0, "--", nullptr},
        {SpreadCellType::Integer, 0, "1.5", nullptr},
        {SpreadCellType::Integer, 0, "'42'", "42"},
    };
    for (const AcceptCase& c : cases) {
        SpreadCell cell;
        cell.type = c.type;
        cell.decimals = c.decimals;
        const QString stored = controls::AcceptedValue(cell, QString::fromUtf8(c.typed));
        if (c.stored)
            EXPECT_EQ(stored, QString::fromUtf8(c.stored)) << c.typed;
        else
            EXPECT_TRUE(stored.isNull()) << c.typed << " stored as " << stored.toStdString();
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

    QLineEdit* lineEditor(long col, long row)
    {
        auto* editor = qobject_cast<QLineEdit*>(grid.EditCell(col, row));
        EXPECT_NE(editor, nullptr);
        return editor;
    }

    // Types the keys into a freshly opened editor and ends the edit with Enter.
    void typeInto(long col, long row, const QString& keys)
    {
        QLineEdit* editor = lineEditor(col, row);
        QTest::keyClicks(editor, keys);
        pressEnter(editor);
    }

    // The view takes the text after the key has been handled, from the event loop.
    static void pressEnter(QWidget* editor)
    {
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
    }

    controls::SpreadGrid grid;
};

TEST_F(SpreadGridUse, QuotesNeverReachACell)
{
    typeInto(2, 1, QStringLiteral("a\"b'c"));
    EXPECT_EQ(grid.Text(2, 1), QStringLiteral("abc"));

    QApplication::clipboard()->setText(QStringLiteral("x'y\"z"));
    QLineEdit* editor = lineEditor(2, 1);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(editor->text(), QStringLiteral("xyz"));
    pressEnter(editor);
    EXPECT_EQ(grid.Text(2, 1), QStringLiteral("xyz"));

    editor = lineEditor(2, 1);
    editor->clear();
    QMimeData dragged;
    dragged.setText(QStringLiteral("d'r\"op"));
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(editor, &enter);
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(editor, &drop);
    EXPECT_EQ(editor->text(), QStringLiteral("drop"));
    QTest::keyClick(editor, Qt::Key_Escape);
    QCoreApplication::processEvents();

    grid.SetText(2, 1, QStringLiteral("co'de\""));
    EXPECT_EQ(grid.Text(2, 1), QStringLiteral("code"));
    grid.model().setData(grid.model().index(0, 1), QStringLiteral("m'odel"), Qt::EditRole);
    EXPECT_EQ(grid.Text(2, 1), QStringLiteral("model"));
    grid.SetText(1, 0, QStringLiteral("\"caption\""));
    EXPECT_EQ(grid.Text(1, 0), QStringLiteral("caption"));
}

TEST_F(SpreadGridUse, AHalfTypedDateStaysInItsEditorUntilFinished)
{
    grid.SetText(2, 2, QStringLiteral("2007-12-31"));
    QLineEdit* editor = lineEditor(2, 2);
    editor->clear();
    QTest::keyClicks(editor, QStringLiteral("2008-01x"));
    pressEnter(editor);  // refused: the editor stays open

    const auto refusal = grid.FinishEditing();
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->col, 2);
    EXPECT_EQ(refusal->row, 2);
    EXPECT_EQ(refusal->text, QStringLiteral("2008-01"));
    EXPECT_EQ(grid.Text(2, 2), QStringLiteral("2007-12-31"));

    QTest::keyClicks(editor, QStringLiteral("-5"));
    EXPECT_FALSE(grid.FinishEditing().has_value());
    EXPECT_EQ(grid.Text(2, 2), QStringLiteral("2008-01-05"));

    // The calendar drop-down writes the date it was clicked on.
    auto* dateEditor = lineEditor(2, 2);
    QTest::keyClick(dateEditor, Qt::Key_F4);
    auto* calendar = dateEditor->findChild<QCalendarWidget*>();
    ASSERT_NE(calendar, nullptr);
    EXPECT_TRUE(calendar->isVisible());
    EXPECT_EQ(calendar->selectedDate(), QDate(2008, 1, 5));
    emit calendar->clicked(QDate(2009, 3, 7));
    EXPECT_FALSE(grid.FinishEditing().has_value());
    EXPECT_EQ(grid.Text(2, 2), QStringLiteral("2009-03-07"));
}

TEST_F(SpreadGridUse, ListCellsLocksAndFonts)
{
    EXPECT_EQ(grid.ListIndex(2, 4), -1);
    grid.SetListIndex(2, 4, 0);
    EXPECT_EQ(grid.ListIndex(2, 4), 0);
    EXPECT_EQ(grid.model().index(3, 1).data().toString(), QString());  // "(无)" shows as nothing chosen

    auto* list = qobject_cast<QComboBox*>(grid.EditCell(2, 4));
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->isEditable());
    QTest::keyClick(list, Qt::Key_Down);  // choosing ends the edit
    EXPECT_EQ(grid.ListIndex(2, 4), 1);
    EXPECT_EQ(grid.Text(2, 4), QStringLiteral("升序"));
    EXPECT_THROW(grid.SetListIndex(2, 4, 3), com::ComError);
    EXPECT_THROW(grid.SetListIndex(2, 1, 0), com::ComError);

    grid.SetLocked(2, 1, true);
    EXPECT_EQ(grid.EditCell(2, 1), nullptr);
    EXPECT_EQ(grid.EditCell(1, 1), nullptr);  // cells start as display-only

    EXPECT_THROW(grid.SetText(2, 3, QStringLiteral("12abc")), com::ComError);
    EXPECT_EQ(grid.model().index(2, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    grid.SetFontSize(2, 3, 14);
    EXPECT_EQ(grid.FontSize(2, 3), 14);
    EXPECT_EQ(grid.model().index(2, 1).data(Qt::FontRole).value<QFont>().pointSize(), 14);

    EXPECT_THROW(grid.Text(3, 1), com::ComError);
    EXPECT_THROW(grid.SetText(1, 5, QStringLiteral("x")), com::ComError);
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
    EXPECT_FALSE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
    model.setGridSize(2, 2);
    EXPECT_EQ(model.index(0, 1).data(controls::SpreadGridModel::ListIndexRole).toInt(), 1);
    model.setGridSize(0, 2);
    EXPECT_EQ(model.rowCount(), 0);
}

} // namespace
