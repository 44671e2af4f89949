// The quick search of a real window on a copy of the demo data, where three materials carry
// "12" in their codes (1.01.12, 1.02.120, 3.12) and no other material text holds it: each press
// selects the next of them in the tree, in code order, opening groups nobody has expanded.
#include "tests/tradequery/find/FindFixtures.h"

#include "tests/testsupport/Screenshots.h"

#include <QCheckBox>

namespace {

class QuickSearchOnDemo : public WindowOnDemoCopy {
protected:
    QuickSearchOnDemo()
    {
        // Three materials of three different groups, the first group's first material, its
        // last group's and one between; a fourth named ABC-1.
        const char* pick = "select FItemID from t_ICItem where FParentID = (select FParentID from t_ICItem"
                           " where FParentID <> 0 group by FParentID order by FParentID %1 limit 1 offset %2)"
                           " order by FNumber limit 1";
        first = sql(QString::fromLatin1(pick).arg("asc").arg(0).toUtf8());
        second = sql(QString::fromLatin1(pick).arg("asc").arg(3).toUtf8());
        third = sql(QString::fromLatin1(pick).arg("desc").arg(0).toUtf8());
        named = sql("select max(FItemID) from t_ICItem where FParentID <> 0");
        sql(QStringLiteral("update t_ICItem set FNumber = replace(FNumber, '12', '~'),"
                           " FName = replace(FName, '12', '~'), FModel = replace(FModel, '12', '~');"
                           "update t_ICItem set FNumber = '1.01.12' where FItemID = %1;"
                           "update t_ICItem set FNumber = '1.02.120' where FItemID = %2;"
                           "update t_ICItem set FNumber = '3.12' where FItemID = %3;"
                           "update t_ICItem set FName = 'ABC-1' where FItemID = %4;")
                .arg(first).arg(second).arg(third).arg(named).toUtf8());
        open(true, 0, 0);
    }
    // One showing of the dialog: a press of find next per text, the selected node after each.
    QStringList search(const QStringList& texts, bool withCase = false)
    {
        QStringList selected;
        findtest::withDialog([&] { trigger("search"); }, [&](QDialog& d) {
            d.findChild<QCheckBox*>(QStringLiteral("chkCase"))->setChecked(withCase);
            for (const QString& text : texts) {
                d.findChild<QComboBox*>(QStringLiteral("cmbFilter"))->setEditText(text);
                findtest::press(d, "cmdSearch");
                selected << selectedKey();
                testsupport::saveScreenshot(*window, QStringLiteral("quick_search_hit.png"));
            }
            findtest::press(d, "cmdCancel");
        });
        return selected;
    }
    static QString detail(int id) { return QStringLiteral("gb%1").arg(id); }
    int first = 0, second = 0, third = 0, named = 0;
};

TEST_F(QuickSearchOnDemo, PressesWalkTheCodesInOrderWrapAroundAndMatchCase)
{
    ASSERT_EQ(QSet<int>({first, second, third, named}).size(), 4);
    for (int id : {first, second, third})
        ASSERT_FALSE(window->tvwBase().Nodes().Exists(detail(id))) << "its group is not expanded yet";
    const QString twelve = QStringLiteral("12");
    EXPECT_EQ(search({twelve, twelve, twelve, twelve}),
              (QStringList{detail(first), detail(second), detail(third), detail(first)}));
    EXPECT_EQ(window->ItemID(), first) << "the hit's history is listed";
    EXPECT_TRUE(takeMessages().isEmpty());
    // A view switch there and back starts the next search at the top again.
    search({twelve});
    window->menuItem(QStringLiteral("mnuVCompany"))->trigger();
    window->menuItem(QStringLiteral("mnuVBaseICItem"))->trigger();
    EXPECT_EQ(search({twelve}), QStringList{detail(first)});
    // Matching case, and texts that find nothing.
    // selected "": nothing found, the selection stays.
    struct Case { QString text; bool withCase; QString selected; } const cases[] = {
        {QStringLiteral("abc"), false, detail(named)},
        {QStringLiteral("abc"), true, QString()},
        {QStringLiteral("ABC"), true, detail(named)},
        {QString(10000, QLatin1Char('x')), false, QString()},
    };
    for (const Case& c : cases) {
        const QString before = selectedKey();
        const QStringList selected = search({c.text}, c.withCase);
        EXPECT_EQ(selected, QStringList{c.selected.isEmpty() ? before : c.selected}) << c.text.left(10).toStdString();
        EXPECT_EQ(takeMessages(), c.selected.isEmpty() ? QStringList{QStringLiteral("未找到符合的记录!")} : QStringList{});
    }
    EXPECT_EQ(search({QStringLiteral("3.12")}), QStringList{detail(third)}) << "still usable";
}

} // namespace
