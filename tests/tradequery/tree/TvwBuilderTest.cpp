// The tree builder against a fake host: the two tree statements byte for byte (the data right
// of the partner kind in force), the nodes made from their rows, and the failures it rides out.
#include "platform/controls/ImageList.h"
#include "platform/controls/ImageListNavigationPictures.h"
#include "platform/controls/TreeView.h"
#include "tests/testsupport/FakeHost.h"
#include "tradequery/tree/tvwBuilder.h"

#include <gtest/gtest.h>
#include <memory>

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

ado::RecordsetPtr itemRows(std::vector<std::vector<QVariant>> values)
{
    return fakehost::rows({{"FItemID", FieldType::Integer},
                           {"FName", FieldType::Text},
                           {"FNumber", FieldType::Text},
                           {"FParentID", FieldType::Integer},
                           {"FDetail", FieldType::Integer},
                           {"FModel", FieldType::Text}},
                          std::move(values));
}

ado::RecordsetPtr partnerRows(std::vector<std::vector<QVariant>> values)
{
    return fakehost::rows({{"FItemID", FieldType::Integer},
                           {"FName", FieldType::Text},
                           {"FNumber", FieldType::Text},
                           {"FParentID", FieldType::Integer},
                           {"FDetail", FieldType::Integer}},
                          std::move(values));
}

// "key|text|image|selected image|tag|parent key" of every node, in index order.
QStringList describe(const controls::TreeView& tree)
{
    QStringList lines;
    for (int i = 1; i <= tree.Nodes().Count(); ++i) {
        const controls::Node node = tree.Nodes().Item(i);
        const controls::Node parent = node.Parent();
        lines << QStringList{node.Key(), node.Text(), node.Image().toString(), node.SelectedImage().toString(),
                             node.Tag().toString(), parent.isNull() ? QString() : parent.Key()}
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
    host.appCnnExt().sql().answer(kItemTreeSql,
                                  itemRows({{10, " 原料 ", " 01 ", 0, 0, QVariant()},
                                            {11, "钢材", "01.01", 10, 0, QVariant()},
                                            {20, "Bolt", "A01", 0, 1, "M1"},
                                            {21, "Nut", "A02 ", 0, 1, ""},
                                            {22, "Washer", "A03", 0, 1, QVariant()},
                                            {30, "孤儿", "09.01", 99, 0, QVariant()},
                                            {12, "铜材", "01.02", 10, 0, QVariant()}}));
    builder.BICItem = true;
    builder.SetTreeView(1, nullptr);

    EXPECT_EQ(host.sqlSent(), QStringList{kItemTreeSql});
    EXPECT_EQ(describe(tree), (QStringList{
                                  "gc0|物料|Item|Item|1|",
                                  "gi10|01(原料)|24|24|0|gc0",
                                  "gi11|01.01(钢材)|24|24|0|gi10",
                                  "gb20|A01(Bolt)/M1|3||0|gc0",
                                  "gb21|A02(Nut)|3||0|gc0",
                                  "gb22|A03(Washer)|3||0|gc0",
                                  "gi12|01.02(铜材)|24|24|0|gi10",
                              }));
    EXPECT_TRUE(tree.Nodes().Item(1).Expanded());

    // A second build replaces the tree instead of doubling it.
    const QStringList first = describe(tree);
    builder.SetTreeView(1, nullptr);
    EXPECT_EQ(describe(tree), first);
}

TEST_F(TvwBuilderTest, PartnerViewStatementAndRootPerQueryType)
{
    struct Case {
        int queryType;
        int16_t restrictedKind;  // 0: no data right in force
        QString sql;
        QString root;
    };
    const Case cases[] = {
        {1, 0, partnerTreeSql(1, QString()), "客户"},
        {1, 1, partnerTreeSql(1, " And CharIndex('21',t1.FRightUserID)>0 "), "客户"},
        {2, 0, partnerTreeSql(8, QString()), "供应商"},
        {2, 2, partnerTreeSql(8, " And CharIndex('21',t1.FRightUserID)>0 "), "供应商"},
        {0, 0, partnerTreeSql(8, QString()), "供应商"},
        // A right on the other kind does not restrict this one.
        {1, 2, partnerTreeSql(1, QString()), "客户"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql.toStdString());
        host.itemInfo().clear();
        if (c.restrictedKind != 0)
            host.itemInfo().restrict(c.restrictedKind, 21);
        host.log().clear();
        host.appCnnExt().sql().answer(c.sql, partnerRows({{5, "华东", "01", 0, 0}, {6, "上海公司 ", " 01.001", 5, 1}}));
        builder.BICItem = false;
        builder.SetTreeView(c.queryType, nullptr);

        EXPECT_EQ(host.sqlSent(), QStringList{c.sql});
        const auto rightCalls = host.log().callsTo("ItemInfo", "GetDataRight");
        ASSERT_EQ(rightCalls.size(), 1);
        EXPECT_EQ(rightCalls[0].args.value(0).toString(), fakehost::FakeHost::kPropsString);
        EXPECT_EQ(rightCalls[0].args.value(2).toInt(), c.queryType == 1 ? 1 : 2);
        EXPECT_EQ(describe(tree), (QStringList{"gc0|" + c.root + "|Item|Item|1|", "gi5|01(华东)|24|24|0|gc0",
                                               "gb6|01.001(上海公司)|3||0|gi5"}));
    }
}

TEST_F(TvwBuilderTest, FailuresLeaveTheRootAloneAndATakenKeyIsSkipped)
{
    builder.BICItem = false;
    // The host cannot create its data-right object: no statement is sent.
    host.failCreation("ZELEBSGLItem.ItemInfo", com::ComError(429, "test", "cannot create"));
    builder.SetTreeView(1, nullptr);
    EXPECT_TRUE(host.sqlSent().isEmpty());
    EXPECT_EQ(describe(tree), QStringList{"gc0|客户|Item|Item|1|"});
    EXPECT_FALSE(tree.Nodes().Item(1).Expanded());
    host.allowCreation("ZELEBSGLItem.ItemInfo");

    // The statement fails.
    host.appCnnExt().failures().fail("Execute", com::ComError(-2147467259, "db", "no such table"));
    builder.BICItem = true;
    builder.SetTreeView(1, nullptr);
    EXPECT_EQ(describe(tree), QStringList{"gc0|物料|Item|Item|1|"});
    host.appCnnExt().failures().clear();

    // An empty result: the root alone, expanded.
    host.appCnnExt().sql().answer(kItemTreeSql, itemRows({}));
    builder.SetTreeView(1, nullptr);
    EXPECT_EQ(describe(tree), QStringList{"gc0|物料|Item|Item|1|"});
    EXPECT_TRUE(tree.Nodes().Item(1).Expanded());

    // A row whose key is taken is skipped and the rest built.
    host.appCnnExt().sql().answer(kItemTreeSql, itemRows({{10, "A", "01", 0, 0, QVariant()},
                                                          {10, "A again", "01", 0, 0, QVariant()},
                                                          {11, "B", "02", 0, 0, QVariant()}}));
    builder.SetTreeView(1, nullptr);
    EXPECT_EQ(describe(tree), (QStringList{"gc0|物料|Item|Item|1|", "gi10|01(A)|24|24|0|gc0", "gi11|02(B)|24|24|0|gc0"}));
}

} // namespace
