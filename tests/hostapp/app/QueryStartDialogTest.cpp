// The chooser before a price query: searching the lists and what the choice asks for.
#include "hostapp/app/QueryStartDialog.h"
#include "tests/hostapp/database/QtPrinters.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using zelhost::ChoiceEntry;
using zelhost::QueryKind;

const QList<ChoiceEntry> kMaterials = {
    {25, QStringLiteral("01.01.001"), QStringLiteral("六角螺栓"), QStringLiteral("M5×200 碳钢4.8级")},
    {26, QStringLiteral("01.01.002"), QStringLiteral("六角螺栓"), QStringLiteral("M10×60 碳钢4.8级")},
    {40, QStringLiteral("02.03.001"), QStringLiteral("深沟球轴承"), QStringLiteral("6204-2RS")},
    {41, QStringLiteral("02.03.002"), QStringLiteral("Bearing housing"), QStringLiteral("UCP204")}};
const QList<ChoiceEntry> kCustomers = {{469, QStringLiteral("01.0001"), QStringLiteral("上海宏图电器有限公司"), {}},
                                       {471, QStringLiteral("01.0003"), QStringLiteral("苏州佳和实业有限公司"), {}}};

TEST(QueryStartDialog, SearchingNarrowsByCodeNameOrModelAndTakesTheFirstMatch)
{
    zelhost::QueryStartDialog dialog(QueryKind::Purchase, kMaterials, kCustomers);
    zelhost::ChoicePicker& items = dialog.materialPicker();
    const struct {
        const char* text;
        int rows;  // with the "no choice" row
        int firstId;
    } cases[] = {{"螺栓", 3, 25}, {"02.03", 3, 40}, {"6204", 2, 40}, {"bearing", 2, 41}, {"不存在", 1, 0}, {"", 5, 0}};
    for (const auto& c : cases) {
        items.setSearchText(QString::fromUtf8(c.text));
        EXPECT_EQ(items.visibleRowCount(), c.rows) << c.text;
        EXPECT_EQ(items.chosenId(), c.firstId) << c.text;
    }
}

TEST(QueryStartDialog, TheChosenMaterialAndPartnerGoIntoTheRequest)
{
    zelhost::QueryStartDialog dialog(QueryKind::Sales, kMaterials, kCustomers);
    EXPECT_EQ(dialog.request().itemId, 0);  // nothing chosen: the whole query
    dialog.show();
    QTest::keyClicks(dialog.partnerPicker().findChild<QLineEdit*>(), QStringLiteral("0003"));  // as a person types
    dialog.materialPicker().setSearchText(QStringLiteral("01.01"));
    ASSERT_TRUE(dialog.materialPicker().choose(2));
    EXPECT_FALSE(dialog.materialPicker().choose(3));  // only two materials match
    const zelhost::QueryRequest request = dialog.request();
    EXPECT_EQ(request.itemId, 26);
    EXPECT_EQ(request.companyId, 471);
    ASSERT_TRUE(dialog.materialPicker().choose(0));  // back to "no choice" for the material only
    EXPECT_EQ(dialog.request().itemId, 0);
    EXPECT_EQ(dialog.request().companyId, 471);
}

} // namespace
