// The item-model contract Qt's views rely on, checked by Qt's own model tester while the ledger
// grid and the tree go through the changes their owners make. A broken contract aborts the run.
#include "platform/controls/Ledger50.h"
#include "platform/controls/TreeView.h"
#include "tests/platform/controls/LedgerTestOwner.h"

#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QTableView>
#include <gtest/gtest.h>

using namespace controls;

using Tester = QAbstractItemModelTester;

TEST(ModelContract, LedgerModelThroughRowColumnAndRedrawChanges)
{
    Ledger50 ledger;
    controls::testing::LedgerTestOwner owner(ledger, {"物料代码", "物料名称", "数量"});
    Tester tester(ledger.tableView()->model(), Tester::FailureReportingMode::Fatal);
    Ledger50Grid& grid = ledger.LedgerGrid();
    grid.setColCount(3);
    ledger.setRows(30);
    ledger.LedgerColumn(3).setNumericAlign(1);
    ledger.LedgerColumn(2).setFormat(QStringLiteral("0.00"));
    grid.Redraw();
    ledger.LedgerSelection().setCurrentRow(12);
    for (long rows : {8, 45, 1, 0, 12}) {
        ledger.setRows(rows);
        grid.setColCount(rows % 5);
    }
    ledger.grab();
}

TEST(ModelContract, TreeModelThroughAddsAtEveryLevelRemovalsAndClear)
{
    TreeView tree;
    Tester tester(tree.itemView()->model(), Tester::FailureReportingMode::Fatal);
    TreeNodes& n = tree.Nodes();
    n.Add({}, tvwLast, "gc0", QStringLiteral("物料"));
    for (const QString key : {"gi1", "gi2", "gi3"}) {
        n.Add("gc0", tvwChild, key, key);
        for (const QString item : {"1", "2", "3"})
            n.Add(key, tvwChild, key + item, key + item);
        n.Add(key + "1", tvwChild, key + "1a", "deep");
    }
    n.Add("gi2", tvwPrevious, "gi15", "before gi2");
    n.Add("gi11", tvwFirst, "gi10", "first");
    n.Add("gc0", tvwNext, "top2", "second top");
    tree.setSelectedItem(n.Item("gi21a"));
    n.Item("gi22").setText(QStringLiteral("renamed"));
    n.Remove("gi21");  // a node with children, from the middle
    n.Remove("gi1");   // a group with its whole subtree
    n.Remove(n.Count());
    tree.show();
    n.Clear();
    n.Add({}, tvwLast, "again", "again");
    n.Add("again", tvwChild, "child", "child");
}
