// The tree measures its rows for the column fit from character advances: never narrower than
// the standard delegate lays each text out (Chinese through the font fallback, a character
// outside the basic plane, Latin), hardly wider, and the column holds the widest row.
#include "platform/controls/TreeNodeDelegate.h"
#include "platform/controls/TreeView.h"

#include <QApplication>
#include <QTreeView>
#include <gtest/gtest.h>

using namespace controls;

TEST(TreeColumnFit, RowsMeasureAsTheStandardDelegateLaysThemOutAndTheColumnHoldsTheWidest)
{
    TreeView tree;
    tree.resize(120, 300);
    tree.show();
    const QStringList texts = {QStringLiteral("01.02.0003(上海浦东新区张江高科技园区精密机械有限公司)"),
                               QStringLiteral("WWWWWWWWWWWWWWWWWWWW 𠀋𠀋 iiiiiiiiii"), QStringLiteral("客户")};
    tree.Nodes().Add({}, tvwLast, "r", texts[2]);
    tree.Nodes().Add("r", tvwChild, "a", texts[0]);
    tree.Nodes().Add("r", tvwChild, "b", texts[1]);
    tree.Nodes().Item(QStringLiteral("r")).setExpanded(true);
    QApplication::processEvents();  // the fit runs once the changes are done

    auto* view = static_cast<QTreeView*>(tree.itemView());
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.widget = view;
    option.font = view->font();
    option.decorationSize = view->iconSize();
    const QStyledItemDelegate standard;
    const TreeNodeDelegate measured;
    int widest = 0;
    for (const char* key : {"r", "a", "b"}) {
        const QModelIndex index = view->indexAt(tree.nodeRect(tree.Nodes().Item(QString::fromLatin1(key))).center());
        ASSERT_TRUE(index.isValid()) << key;
        const int laidOut = standard.sizeHint(option, index).width();
        const int width = measured.sizeHint(option, index).width();
        EXPECT_GE(width, laidOut) << key;
        EXPECT_LE(width, laidOut + 1 + index.data().toString().size() / 8) << key;
        widest = std::max(widest, view->indentation() * (key[0] == 'r' ? 1 : 2) + width);
    }
    EXPECT_EQ(view->columnWidth(0), widest);
}
