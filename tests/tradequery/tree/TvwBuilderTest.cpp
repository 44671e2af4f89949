// The tree builder against a fake host: the two tree statements byte for byte (the data right
// of the partner kind in force), the nodes made from their rows, and the failures it rides out.
#include "platform/controls/ImageList.h"
#include "platform/controls/ImageListNavigationPictures.h"
#include "platform/controls/TreeView.h"
#include "tests/testsupport/FakeHost.h"
#include "tradequery/tree/tvwBuilder.h"

#include <gtest/gtest.h>

namespace {

using ado::FieldType;

const QString kItemTreeSql = QStringLiteral(
    "SELECT t1.FItemID,t1.FName,t1.FNumber,t1.FParentID ,t1.FDetail ,\r\n"
    "  c1.FModel FROM t_Item t1 left join t_ICItem c1 on ( t1.FItemID = c1.FItemID)\r\n"
    " WHERE t1.FDeleted=0 And t1.FItemClassID=4 AND (t1.FDetail=0 or t1.FParentID = 0) Order By t1.FLevel,t1.FShortNumber");

QString partnerTreeSql(int itemClass, const QString& rights)
{
    return QStringLiteral("SELECT t1.FItemID,t1.FName,t1.FNumber,t1.FParentID ,t1.FDetail \r\n"
                          "  FROM t_Item t1\r\n"
                          " WHERE t1.FDeleted=0 And t1.FItemClassID= %1 AND (t1.FDetail=0 or t1.FParentID = 0) \r\n")
               .arg(itemClass)
           + rights + QStringLiteral(" Order By t1.FLevel,t1.FShortNumber");
}

ado::RecordsetPtr treeRows(std::vector<std::vector<QVariant>> values)
{
    return fakehost::rows({{"FItemID", FieldType::Integer}, {"FName", FieldType::Text}, {"FNumber", FieldType::Text},
                           {"FParentID", FieldType::Integer}, {"FDetail", FieldType::Integer}, {"FModel", FieldType::Text}},
                          std::move(values));
}

// "key|text|image|tag|parent key" of every node, in index order.
QStringList describe(const controls::TreeView& tree)
{
    QStringList lines;
    for (int i = 1; i <= tree.Nodes().Count(); ++i) {
        const controls::Node node = tree.Nodes().Item(i);
        lines << QStringList{node.Key(), node.Text(), node.Image().toString(), node.Tag().toString(),
                             node.Parent().isNull() ? QString() : node.Parent().Key()}
                     .join(u'|');
    }
    return lines;
}

class TvwBuilderTest : public ::testing::Test {
protected:
    TvwBuilderTest() : images(controls::standardNavigationImages())
    {
        tree.setImageList(images.get());
        builder.settvwGroup(&tree);
    }

    fakehost::FakeHost host;
    std::unique_ptr<controls::ImageList> images;
    controls::TreeView tree;
    tq::tvwBuilder builder;
};

TEST_F(TvwBuilderTest, ItemViewNodesFromTheTreeStatement)
{
    host.appCnnExt().sql().answer(kItemTreeSql, treeRows({{10, " 原料 ", " 01 ", 0, 0, QVariant()},
                                                          {11, "钢材", "01.01", 10, 0, QVariant()},
                                                          {20, "Bolt", "A01", 0, 1, "M1"},
                                                          {21, "Nut", "A02 ", 0, 1, ""},
                                                          {30, "孤儿", "09.01", 99, 0, QVariant()},
                                                          {11, "taken key", "01.02", 10, 0, QVariant()}}));
    builder.BICItem = true;
    for (int build = 0; build < 2; ++build) {  // a second build replaces the tree instead of doubling it
        builder.SetTreeView(1, nullptr);
        EXPECT_EQ(describe(tree), (QStringList{"gc0|物料|Item|1|", "gi10|01(原料)|24|0|gc0", "gi11|01.01(钢材)|24|0|gi10",
                                               "gb20|A01(Bolt)/M1|3|0|gc0", "gb21|A02(Nut)|3|0|gc0"}));
    }
    EXPECT_EQ(host.sqlSent(), (QStringList{kItemTreeSql, kItemTreeSql}));
    EXPECT_TRUE(tree.Nodes().Item(1).Expanded());
}

TEST_F(TvwBuilderTest, PartnerViewStatementAndRootPerQueryType)
{
    const QString right = QStringLiteral(" And CharIndex('21',t1.FRightUserID)>0 ");
    const std::tuple<int, int16_t, QString, QString> cases[] = {
        // query type, partner kind with a data right of 21 (0 none), statement, root
        {1, 0, partnerTreeSql(1, QString()), "客户"}, {1, 1, partnerTreeSql(1, right), "客户"},
        {2, 2, partnerTreeSql(8, right), "供应商"},   {0, 0, partnerTreeSql(8, QString()), "供应商"},
        {1, 2, partnerTreeSql(1, QString()), "客户"},  // a right on the other kind does not restrict this one
    };
    builder.BICItem = false;
    for (const auto& [queryType, restrictedKind, sql, root] : cases) {
        host.itemInfo().clear();
        if (restrictedKind != 0)
            host.itemInfo().restrict(restrictedKind, 21);
        host.log().clear();
        host.appCnnExt().sql().answer(sql, treeRows({{5, "华东", "01", 0, 0, QVariant()}, {6, "上海公司 ", " 01.001", 5, 1, QVariant()}}));
        builder.SetTreeView(queryType, nullptr);
        EXPECT_EQ(host.sqlSent(), QStringList{sql});
        EXPECT_EQ(host.log().callsTo("ItemInfo", "GetDataRight").value(0).args.value(2).toInt(), queryType == 1 ? 1 : 2);
        EXPECT_EQ(describe(tree), (QStringList{"gc0|" + root + "|Item|1|", "gi5|01(华东)|24|0|gc0", "gb6|01.001(上海公司)|3|0|gi5"}));
    }
}

TEST_F(TvwBuilderTest, FailuresLeaveTheRootAlone)
{
    builder.BICItem = false;
    host.failCreation("ZELEBSGLItem.ItemInfo", com::ComError(429, "test", "cannot create"));
    builder.SetTreeView(1, nullptr);
    EXPECT_TRUE(host.sqlSent().isEmpty()) << "no data right known: no statement";
    EXPECT_EQ(describe(tree), QStringList{"gc0|客户|Item|1|"});

    host.appCnnExt().failures().fail("Execute", com::ComError(-2147467259, "db", "no such table"));
    builder.BICItem = true;
    builder.SetTreeView(1, nullptr);
    EXPECT_EQ(describe(tree), QStringList{"gc0|物料|Item|1|"});
}

} // namespace
