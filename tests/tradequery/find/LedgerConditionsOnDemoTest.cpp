// Sort, filter and find applied to the history ledger of a real window on the demo data through the
// condition dialog: the rows and their order afterwards, the title, the matches visited, refusals.
#include "tests/tradequery/find/FindFixtures.h"

#include "hostapp/database/HostDatabase.h"
#include "tests/testsupport/Screenshots.h"
#include "tradequery/find/LedgerConditions.h"

#include <QLabel>
#include <algorithm>
#include <cstring>
#include <tuple>

namespace {

// Grid rows of the condition dialog (one per ledger column, so the ledger columns read here too),
// and the dialog's list choices.
constexpr long kName = 2, kDate = 9, kQty = 11;
constexpr int kNone = 0, kAscending = 1, kDescending = 2, kGreater = 4, kContains = 5;

using Line = std::tuple<QString, QString, double>;  // a ledger line's date, name and quantity

class LedgerConditionsOnDemo : public WindowOnDemoCopy {
protected:
    // A customer with fewer lines than the ledger lists, so filtering it loses nothing to the
    // row limit, with a few 螺栓 lines of more than 10 pieces.
    void SetUp() override
    {
        const int customer = sql("select s.FCustID from ICSaleEntry e join ICSale s on s.FInterID = e.FInterID"
                       " join t_ICItem i on i.FItemID = e.FItemID where s.FCancellation = 0"
                       " group by s.FCustID having count(*) <= 45"
                       " and sum(i.FName like '%螺栓%' and e.FQty > 10) >= 3 order by s.FCustID");
        ASSERT_NE(customer, 0);
        open(false, 0, customer);
        ASSERT_EQ(selectedKey(), QStringLiteral("gb%1").arg(customer));
    }
    QList<Line> lines() const
    {
        const QStringList names = column(kName), dates = column(kDate), qtys = column(kQty);
        QList<Line> result;
        for (qsizetype i = 0; i < names.size(); ++i)
            result.append({dates[i], names[i], qtys[i].toDouble()});
        return result;
    }
    void sort(std::initializer_list<std::pair<long, int>> choices)  // (row, choice) pairs, then OK
    {
        ASSERT_TRUE(findtest::withDialog([&] { trigger("Sort"); }, [&](QDialog& d) {
            for (const auto& [row, choice] : choices)
                findtest::grid(d).SetListIndex(2, row, choice);
            findtest::press(d, "cmdOK");
        }));
    }
    QString title() const { return window->browseControls().SSPTitleItem->text(); }
};

TEST_F(LedgerConditionsOnDemo, SortOrdersTheRowsAndFindStepsThroughThemInThatOrder)
{
    const QList<Line> queryOrder = lines();
    QList<Line> expected = queryOrder;
    std::stable_sort(expected.begin(), expected.end(), [](const Line& a, const Line& b) {
        return std::get<0>(a) != std::get<0>(b) ? std::get<0>(a) > std::get<0>(b) : std::get<2>(a) < std::get<2>(b);
    });
    sort({{kDate, kDescending}, {kQty, kAscending}});
    EXPECT_EQ(lines(), expected);
    window->Refresh();
    EXPECT_EQ(lines(), expected) << "the refresh applies the sort again";
    // A material on exactly three lines; its rows as the sorted ledger shows them.
    const QStringList names = column(kName);
    const auto three = std::find_if(names.begin(), names.end(), [&](const QString& n) { return names.count(n) == 3; });
    ASSERT_NE(three, names.end()) << "the customer has a material on three lines";
    const QString name = *three;
    QList<long> rows;
    for (qsizetype i = 0; i < names.size(); ++i)
        if (names[i] == name)
            rows << i + 2;
    ASSERT_NE(rows, (QList<long>{2, 3, 4})) << "the matches must not simply be the first rows";
    QList<long> visited;
    QList<QStringList> asked;
    ASSERT_TRUE(findtest::withDialog([&] { trigger("Find"); }, [&](QDialog& d) {
        findtest::type(d, 2, kName, name);
        testsupport::saveScreenshot(d, QStringLiteral("ledger_find_dialog.png"));
        auto findNext = [&] {
            findtest::press(d, "cmdOK");
            visited << window->ldgBase().LedgerSelection().CurrentRow();
            asked << takeMessages();
            EXPECT_TRUE(d.isVisible()) << "the dialog stays open for the next find";
        };
        for (int i = 0; i < 5; ++i)
            findNext();
        window->Refresh();
        findNext();
        // A fuzzy term on a number column: the type mismatch, the current row kept.
        findtest::type(d, 2, kQty, QStringLiteral("10"));
        d.findChild<QRadioButton*>(QStringLiteral("optBlur"))->setChecked(true);
        findNext();
    }));
    const QString question = QStringLiteral("你已搜索完全部记录，但没有找到相应的下一个记录!是否重新搜索?");
    EXPECT_EQ(visited, (QList<long>{rows[0], rows[1], rows[2], 2, rows[0], rows[0], rows[0]}));
    EXPECT_EQ(asked, (QList<QStringList>{{}, {}, {}, {question}, {}, {}, {QStringLiteral("您搜索的数据不存在！")}}));
    sort({{kDate, kNone}, {kQty, kNone}});
    EXPECT_EQ(lines(), queryOrder) << "no sort at all gives the query's order back";
}

TEST_F(LedgerConditionsOnDemo, FilterRequeriesTheNodeAndAGroupRefusesEveryCondition)
{
    const QString node = window->tvwBase().SelectedItem().Text();
    QList<Line> wanted;
    for (const Line& line : lines())
        if (std::get<1>(line).contains(QStringLiteral("螺栓")) && std::get<2>(line) > 10)
            wanted.append(line);
    auto byContent = [](QList<Line> rows) { return std::sort(rows.begin(), rows.end()), rows; };
    struct Case { const char *name, *qty; QList<Line> rows; } const cases[] = {{"螺栓", "10", wanted}, {"无此物料", "", {}}};
    for (const Case& c : cases) {
        ASSERT_TRUE(findtest::withDialog([&] { trigger("Filter"); }, [&](QDialog& d) {
            findtest::grid(d).SetListIndex(2, kName, kContains);
            findtest::type(d, 3, kName, QString::fromUtf8(c.name));
            findtest::grid(d).SetListIndex(2, kQty, *c.qty ? kGreater : kNone);
            findtest::type(d, 3, kQty, QString::fromLatin1(c.qty));
            findtest::press(d, "cmdOK");
        }));
        EXPECT_EQ(byContent(lines()), byContent(c.rows)) << c.name;
        EXPECT_EQ(title(), QStringLiteral("[%1] 共计: %2条记录").arg(node).arg(c.rows.size()));
        EXPECT_TRUE(takeMessages().isEmpty()) << c.name;
    }
    // A condition the database rejects is reported by the load (as its own tests show); the title
    // still counts the rows the ledger keeps.
    const qsizetype kept = lines().size();
    window->conditions()->frmF_FilterNow(QStringLiteral("u2.FQty > 'x' +* 1"));
    EXPECT_EQ(takeMessages().size(), 1);
    EXPECT_EQ(title(), QStringLiteral("[%1] 共计: %2条记录").arg(node).arg(kept));
    // A group selected: nothing listed, nothing to sort, filter or find, by any path.
    controls::Node group = window->tvwBase().Nodes().Item(1);
    window->tvwBase().setSelectedItem(group);
    emit window->tvwBase().NodeClick(group);
    ASSERT_EQ(window->ldgBase().Rows(), 1);
    takeMessages();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const std::function<void()> commands[] = {
        [&] { trigger("Sort"); }, [&] { trigger("Filter"); }, [&] { trigger("Find"); },
        [&] { QTest::keyClick(window.get(), Qt::Key_F6); }, [&] { QTest::keyClick(window.get(), Qt::Key_F3); }};
    for (const auto& command : commands) {
        EXPECT_FALSE(findtest::withDialog(command, [](QDialog&) {}));
        EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("当前没有数据!")});
    }
}

// Counted where the statements reach the database: the start-up lists its node once, a refresh once.
TEST_F(WindowOnDemoCopy, AStartUpAndARefreshEachRunTheHistoryStatementOnce)
{
    services = std::make_unique<hostsvc::testing::InstalledServices>(hostdb::demo::kAdminUserId, path);
    int histories = 0;
    sqlite3_trace_v2(hostdb::HostDatabase::open(path)->sqliteHandle(), SQLITE_TRACE_STMT,
                     [](unsigned, void* count, void*, void* sql) {
                         if (std::strstr(static_cast<const char*>(sql), "ICSaleEntry"))
                             ++*static_cast<int*>(count);
                         return 0;
                     },
                     &histories);
    open(false, 0, sql("select FCustID from ICSale where FCancellation = 0 order by FCustID"));
    ASSERT_GT(window->ldgBase().Rows(), 1);
    EXPECT_EQ(histories, 1);
    trigger("refresh");
    EXPECT_EQ(histories, 2);
}

} // namespace
