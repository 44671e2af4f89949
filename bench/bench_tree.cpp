// The navigation tree on the large demo database:
// - opening the largest material group through TreeNavigation::LoadChildNodes (the child
//   statement through the host services, then one node per row), against the same statement
//   run on raw sqlite3 plus a bare insertion of the same rows into a tree view, in the same run;
// - building each view with tvwBuilder::SetTreeView, against raw sqlite3 running the same tree
//   statement plus the bare insertion of its rows.
// Prints the ratios at the end. Run: QT_QPA_PLATFORM=offscreen build/bin/bench_tree
// (the first run generates the large database, about 20 s).
#include "hostapp/database/DemoData.h"
#include "hostapp/database/HostDatabase.h"
#include "hostapp/services/HostServices.h"
#include "platform/controls/ImageList.h"
#include "platform/controls/ImageListNavigationPictures.h"
#include "platform/controls/Ledger50.h"
#include "platform/controls/TreeView.h"
#include "support/LargeDatabase.h"
#include "tradequery/history/BaseDetail.h"
#include "tradequery/tree/TreeNavigation.h"
#include "tradequery/tree/tvwBuilder.h"
#include "tradequery/tree/BrowseContext.h"

#include <QAction>
#include <QHash>
#include <QTemporaryDir>
#include "support/BenchMain.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>

namespace {

// Just enough of a browse window for the tree: the tree, a ledger and the two view menu items.
class TreeWindow : public tq::BrowseContext {
public:
    explicit TreeWindow(bool itemView) : m_images(controls::standardNavigationImages())
    {
        m_tree.setImageList(m_images.get());
        m_itemView.setCheckable(true);
        m_partnerView.setCheckable(true);
        m_itemView.setChecked(itemView);
        m_partnerView.setChecked(!itemView);
    }
    int32_t QueryType() const override { return 1; }
    int32_t ItemID() const override { return 0; }
    void setItemID(int32_t) override {}
    int32_t CompanyID() const override { return 0; }
    void setCompanyID(int32_t) override {}
    const com::ComObjectPtr& Filter() const override { return m_filter; }
    tq::QueryOptions& queryOptions() override { return m_options; }
    bool ShowViewBy() const override { return false; }
    void setShowViewBy(bool) override {}
    controls::TreeView& tvwBase() override { return m_tree; }
    controls::Ledger50& ldgBase() override { return m_ledger; }
    tq::BaseDetail* ledgerObject() override { return nullptr; }
    void setLedgerObject(std::unique_ptr<tq::BaseDetail>) override {}
    tq::tvwBuilder* treeBuilder() override { return nullptr; }
    void setTreeBuilder(std::unique_ptr<tq::tvwBuilder>) override {}
    QAction* menuItem(const QString& name) override
    {
        return name == QLatin1String("mnuVBaseICItem") ? &m_itemView
               : name == QLatin1String("mnuVCompany")  ? &m_partnerView
                                                       : nullptr;
    }
    QAction* toolbarButton(const QString&) override { return nullptr; }
    QString statusText(const QString&) const override { return QString(); }
    void setStatusText(const QString&, const QString&) override {}
    void setTitleClass(const QString&) override {}
    void setTitleItem(const QString&) override {}
    void SaveColumnWidths() override {}
    void RestoreColumnWidths() override {}
    void Refresh() override {}
    void ShowCurrentRowPrice() override {}
    void ResetQuickSearchPosition() override {}

private:
    std::unique_ptr<controls::ImageList> m_images;
    controls::TreeView m_tree;
    controls::Ledger50 m_ledger;
    QAction m_itemView;
    QAction m_partnerView;
    com::ComObjectPtr m_filter;
    tq::QueryOptions m_options;
};

// The large database opened raw, for the baselines and for picking the group.
class RawDatabase {
public:
    RawDatabase()
    {
        if (sqlite3_open_v2(bench::largeDatabasePath().toUtf8().constData(), &m_db, SQLITE_OPEN_READONLY, nullptr)
            != SQLITE_OK)
            throw std::runtime_error("cannot open the large database");
    }
    ~RawDatabase() { sqlite3_close(m_db); }

    // Runs sql and hands each row to onRow.
    void each(const char* sql, const std::function<void(sqlite3_stmt*)>& onRow) const
    {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(m_db));
        while (sqlite3_step(statement) == SQLITE_ROW)
            onRow(statement);
        sqlite3_finalize(statement);
    }

private:
    sqlite3* m_db = nullptr;
};

QString text(sqlite3_stmt* row, int column)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(row, column)),
                             sqlite3_column_bytes(row, column));
}

struct Setup {
    QTemporaryDir folder;
    RawDatabase raw;
    qint64 largestGroup = 0;
    qint64 largestGroupSize = 0;

    Setup()
    {
        hostsvc::LoginSession session;
        session.connectString = bench::largeDatabasePath();
        session.userId = hostdb::demo::kAdminUserId;
        session.settingsFile = folder.filePath(QStringLiteral("settings.ini"));
        hostsvc::validateLogin(session);
        hostsvc::installHostServices(session);
        raw.each("select t1.FParentID, count(*) from t_Item t1 join t_ICItem c on c.FItemID = t1.FItemID "
                 "where t1.FItemClassID = 4 and t1.FParentID <> 0 group by t1.FParentID order by 2 desc limit 1",
                 [this](sqlite3_stmt* row) {
                     largestGroup = sqlite3_column_int64(row, 0);
                     largestGroupSize = sqlite3_column_int64(row, 1);
                 });
    }
};

Setup& setup()
{
    static Setup instance;
    return instance;
}

// The tree as the build leaves it around one group: the root and the group, not yet loaded.
controls::Node freshGroup(controls::TreeView& tree, qint64 groupId)
{
    tree.Nodes().Clear();
    tree.Nodes().Add(QString(), controls::tvwLast, QStringLiteral("gc0"), QStringLiteral("物料"), QStringLiteral("Item"),
                     QStringLiteral("Item"));
    controls::Node group = tree.Nodes().Add(QStringLiteral("gc0"), controls::tvwChild,
                                            QStringLiteral("gi%1").arg(groupId), QStringLiteral("group"), 24, 24);
    group.setTag(QStringLiteral("0"));
    return group;
}

void BM_OpenLargestGroup_LoadChildNodes(benchmark::State& state)
{
    const qint64 groupId = setup().largestGroup;
    TreeWindow window(true);
    tq::TreeNavigation navigation(window);
    for (auto _ : state) {
        state.PauseTiming();
        controls::Node group = freshGroup(window.tvwBase(), groupId);
        state.ResumeTiming();
        navigation.LoadChildNodes(group);
    }
    state.counters["children"] = window.tvwBase().Nodes().Count() - 2;
}

void BM_OpenLargestGroup_BaselineRawSqlite(benchmark::State& state)
{
    const qint64 groupId = setup().largestGroup;
    const QByteArray sql = QStringLiteral("SELECT t1.*,c.FModel FROM t_Item t1 inner join t_ICItem as c on "
                                          "(t1.FItemClassID =4 And t1.FItemID = c.FItemID) Where t1.FParentID=%1 "
                                          "Order By t1.FNumber")
                               .arg(groupId)
                               .toUtf8();
    TreeWindow window(true);
    controls::TreeView& tree = window.tvwBase();
    QHash<QString, int> columns;  // t1.* comes first: its columns are found on the first row
    for (auto _ : state) {
        state.PauseTiming();
        controls::Node group = freshGroup(tree, groupId);
        state.ResumeTiming();
        const QString parentKey = group.Key();
        setup().raw.each(sql.constData(), [&](sqlite3_stmt* row) {
            if (columns.isEmpty())
                for (int i = 0; i < sqlite3_column_count(row); ++i)
                    columns.insert(QString::fromUtf8(sqlite3_column_name(row, i)), i);
            QString nodeText = text(row, columns.value("FNumber")) + QLatin1Char('(') + text(row, columns.value("FName"));
            const QString model = text(row, sqlite3_column_count(row) - 1);
            if (!model.isEmpty())
                nodeText += QLatin1Char('/') + model;
            nodeText += QLatin1Char(')');
            controls::Node child = tree.Nodes().Add(parentKey, controls::tvwChild,
                                                    QStringLiteral("gb") + QString::number(sqlite3_column_int64(row, columns.value("FItemID"))),
                                                    nodeText, 3);
            child.setTag(QStringLiteral("1"));
        });
    }
    state.counters["children"] = tree.Nodes().Count() - 2;
}

void setTreeView(benchmark::State& state, bool itemView)
{
    TreeWindow window(itemView);
    tq::tvwBuilder builder;
    builder.settvwGroup(&window.tvwBase());
    builder.BICItem = itemView;
    for (auto _ : state)
        builder.SetTreeView(1, nullptr);
    state.counters["nodes"] = window.tvwBase().Nodes().Count();
}

// The tree statement of a view in SQLite's words, its rows added as the builder adds them.
void baselineTree(benchmark::State& state, bool itemView)
{
    const char* sql = itemView
                          ? "SELECT t1.FItemID,t1.FName,t1.FNumber,t1.FParentID ,t1.FDetail , c1.FModel FROM t_Item t1 "
                            "left join t_ICItem c1 on ( t1.FItemID = c1.FItemID) WHERE t1.FDeleted=0 And "
                            "t1.FItemClassID=4 AND (t1.FDetail=0 or t1.FParentID = 0) Order By t1.FLevel,t1.FShortNumber"
                          : "SELECT t1.FItemID,t1.FName,t1.FNumber,t1.FParentID ,t1.FDetail FROM t_Item t1 WHERE "
                            "t1.FDeleted=0 And t1.FItemClassID= 1 AND (t1.FDetail=0 or t1.FParentID = 0) "
                            "Order By t1.FLevel,t1.FShortNumber";
    TreeWindow window(itemView);
    controls::TreeView& tree = window.tvwBase();
    for (auto _ : state) {
        tree.Nodes().Clear();
        tree.Nodes().Add(QString(), controls::tvwLast, QStringLiteral("gc0"), QStringLiteral("物料"),
                         QStringLiteral("Item"), QStringLiteral("Item"));
        setup().raw.each(sql, [&](sqlite3_stmt* row) {
            const qint64 parent = sqlite3_column_int64(row, 3);
            const QString parentKey = parent == 0 ? QStringLiteral("gc0") : QStringLiteral("gi") + QString::number(parent);
            QString nodeText = text(row, 2).trimmed() + QLatin1Char('(') + text(row, 1).trimmed() + QLatin1Char(')');
            const bool group = sqlite3_column_int64(row, 4) == 0;
            if (!group && itemView && sqlite3_column_bytes(row, 5) > 0)
                nodeText += QLatin1Char('/') + text(row, 5);
            const QString key = (group ? QStringLiteral("gi") : QStringLiteral("gb")) + QString::number(sqlite3_column_int64(row, 0));
            controls::Node node = group ? tree.Nodes().Add(parentKey, controls::tvwChild, key, nodeText, 24, 24)
                                        : tree.Nodes().Add(parentKey, controls::tvwChild, key, nodeText, 3);
            node.setTag(QStringLiteral("0"));
        });
        tree.Nodes().Item(1).setExpanded(true);
    }
    state.counters["nodes"] = tree.Nodes().Count();
}

void BM_SetTreeView_ItemView(benchmark::State& state) { setTreeView(state, true); }
void BM_SetTreeView_ItemView_BaselineRawSqlite(benchmark::State& state) { baselineTree(state, true); }
void BM_SetTreeView_PartnerView(benchmark::State& state) { setTreeView(state, false); }
void BM_SetTreeView_PartnerView_BaselineRawSqlite(benchmark::State& state) { baselineTree(state, false); }

BENCHMARK(BM_OpenLargestGroup_LoadChildNodes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenLargestGroup_BaselineRawSqlite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetTreeView_ItemView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetTreeView_ItemView_BaselineRawSqlite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetTreeView_PartnerView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetTreeView_PartnerView_BaselineRawSqlite)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchProgram(
        argc, argv,
        {"bench_tree",
         {{"BM_OpenLargestGroup_LoadChildNodes", "BM_OpenLargestGroup_BaselineRawSqlite"},
          {"BM_SetTreeView_ItemView", "BM_SetTreeView_ItemView_BaselineRawSqlite"},
          {"BM_SetTreeView_PartnerView", "BM_SetTreeView_PartnerView_BaselineRawSqlite"}},
         {},
         [] {
             std::printf("Largest material group: FItemID %lld with %lld materials directly under it\n",
                         static_cast<long long>(setup().largestGroup), static_cast<long long>(setup().largestGroupSize));
         },
         [] {
             hostsvc::uninstallHostServices();
             hostdb::HostDatabase::closeAll();
         }});
}
