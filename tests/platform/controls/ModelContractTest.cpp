// The item-model contract Qt's views rely on, checked by Qt's own model tester while the
// ledger grid and the tree go through the changes their owners make.
#include "platform/controls/Ledger50.h"
#include "platform/controls/TreeView.h"
#include "tests/platform/controls/LedgerTestOwner.h"

#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QTableView>
#include <gtest/gtest.h>

using namespace controls;

namespace {

// Runs the model tester over a model; what it reports as broken fails the test that broke it.
class ContractWatch {
public:
    explicit ContractWatch(QAbstractItemModel* model)
    {
        s_reports.clear();
        s_previous = qInstallMessageHandler(&collect);
        m_tester = std::make_unique<QAbstractItemModelTester>(
            model, QAbstractItemModelTester::FailureReportingMode::Warning);
    }
    ~ContractWatch()
    {
        m_tester.reset();
        qInstallMessageHandler(s_previous);
    }
    QStringList reports() const { return s_reports; }

private:
    static void collect(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (context.category && qstrcmp(context.category, "qt.modeltest") == 0)
            s_reports << message;
        else if (s_previous)
            s_previous(type, context, message);
    }
    static inline QStringList s_reports;
    static inline QtMessageHandler s_previous = nullptr;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

TEST(ModelContract, LedgerModelThroughRowColumnAndRedrawChanges)
{
    Ledger50 ledger;
    controls::testing::LedgerTestOwner owner(ledger, {"物料代码", "物料名称", "数量"});
    ContractWatch watch(ledger.tableView()->model());
    ledger.LedgerGrid().setColCount(3);
    ledger.setRows(30);
    ledger.LedgerColumn(3).setNumericAlign(1);
    ledger.LedgerColumn(2).setFormat(QStringLiteral("0.00"));
    ledger.LedgerGrid().Redraw();
    ledger.LedgerSelection().setCurrentRow(12);
    ledger.setRows(8);   // fewer rows
    ledger.setRows(45);  // more rows
    ledger.LedgerGrid().setColCount(5);
    ledger.LedgerGrid().setRowCount(1);  // titles only
    ledger.LedgerGrid().setColCount(0);
    ledger.setRows(0);
    ledger.LedgerGrid().setColCount(2);
    ledger.setRows(12);
    ledger.grab();
    EXPECT_EQ(watch.reports(), QStringList());
}

TEST(ModelContract, TreeModelThroughAddsAtEveryLevelRemovalsAndClear)
{
    TreeView tree;
    ContractWatch watch(tree.itemView()->model());
    TreeNodes& n = tree.Nodes();
    n.Add({}, tvwLast, "gc0", QStringLiteral("物料"));
    for (int group = 1; group <= 3; ++group) {
        const QString key = QStringLiteral("gi%1").arg(group);
        n.Add("gc0", tvwChild, key, key);
        for (int item = 1; item <= 3; ++item)
            n.Add(key, tvwChild, key + QString::number(item), key + QString::number(item));
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
    EXPECT_EQ(watch.reports(), QStringList());
}

} // namespace
