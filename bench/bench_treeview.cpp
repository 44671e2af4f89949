// The tree view with 100 000 nodes (1 000 groups of 100 details), against a bare QTreeWidget doing
// the same inserts in the same run: adding through Nodes().Add, looking up every key, clearing,
// opening every group and painting.
// Prints the ratios at the end. Run: QT_QPA_PLATFORM=offscreen build/bin/bench_treeview
#include "platform/controls/ImageList.h"
#include "platform/controls/ImageListNavigationPictures.h"
#include "platform/controls/TreeView.h"

#include <QCoreApplication>
#include <QHash>
#include <QTreeWidget>
#include "support/BenchMain.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <vector>

using namespace controls;

namespace {

constexpr int kGroups = 1000;
constexpr int kDetailsPerGroup = 100;

// Keys and texts made once, so both sides measure the tree and not the string formatting.
struct TreeData {
    std::vector<QString> groupKeys, groupTexts;
    std::vector<QString> detailKeys, detailTexts;   // kDetailsPerGroup per group, in group order
    std::vector<QString> allKeys;

    TreeData()
    {
        for (int g = 0; g < kGroups; ++g) {
            groupKeys.push_back(QStringLiteral("gi%1").arg(g + 1));
            groupTexts.push_back(QStringLiteral("%1(物料分类%2)").arg(g + 1, 3, 10, QChar('0')).arg(g + 1));
            allKeys.push_back(groupKeys.back());
            for (int d = 0; d < kDetailsPerGroup; ++d) {
                const int id = 100000 + g * kDetailsPerGroup + d;
                detailKeys.push_back(QStringLiteral("gb%1").arg(id));
                detailTexts.push_back(QStringLiteral("%1.%2(物料%3)/M%4").arg(g + 1).arg(d + 1).arg(id).arg(d));
                allKeys.push_back(detailKeys.back());
            }
        }
    }
};

const TreeData& data()
{
    static const TreeData instance;
    return instance;
}

ImageList& pictures()
{
    static std::unique_ptr<ImageList> images(standardNavigationImages());
    return *images;
}

void fillTreeView(TreeView& tree)
{
    const TreeData& d = data();
    TreeNodes& nodes = tree.Nodes();
    for (int g = 0; g < kGroups; ++g) {
        nodes.Add({}, tvwLast, d.groupKeys[g], d.groupTexts[g], picGroup, picGroup);
        for (int c = 0; c < kDetailsPerGroup; ++c) {
            const size_t at = static_cast<size_t>(g * kDetailsPerGroup + c);
            nodes.Add(d.groupKeys[g], tvwChild, d.detailKeys[at], d.detailTexts[at], picDetail);
        }
    }
}

void fillTreeWidget(QTreeWidget& tree, QHash<QString, QTreeWidgetItem*>* byKey = nullptr)
{
    const TreeData& d = data();
    const QIcon group = pictures().icon(int(picGroup));
    const QIcon detail = pictures().icon(int(picDetail));
    for (int g = 0; g < kGroups; ++g) {
        auto* parent = new QTreeWidgetItem(QStringList{d.groupTexts[g]});
        parent->setIcon(0, group);
        tree.addTopLevelItem(parent);
        if (byKey)
            byKey->insert(d.groupKeys[g], parent);
        for (int c = 0; c < kDetailsPerGroup; ++c) {
            const size_t at = static_cast<size_t>(g * kDetailsPerGroup + c);
            auto* child = new QTreeWidgetItem(QStringList{d.detailTexts[at]});
            child->setIcon(0, detail);
            parent->addChild(child);
            if (byKey)
                byKey->insert(d.detailKeys[at], child);
        }
    }
}

std::unique_ptr<TreeView> shownTreeView()
{
    auto tree = std::make_unique<TreeView>();
    tree->setImageList(&pictures());
    tree->resize(300, 600);
    tree->show();
    return tree;
}

std::unique_ptr<QTreeWidget> shownTreeWidget()
{
    auto tree = std::make_unique<QTreeWidget>();
    tree->setHeaderHidden(true);
    tree->setUniformRowHeights(true);
    tree->setSortingEnabled(false);
    tree->resize(300, 600);
    tree->show();
    return tree;
}

void BM_AddNodes_TreeView(benchmark::State& state)
{
    data();
    auto tree = shownTreeView();
    for (auto _ : state) {
        fillTreeView(*tree);
        state.PauseTiming();
        tree->Nodes().Clear();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kGroups * (kDetailsPerGroup + 1));
}

void BM_AddNodes_BaselineQTreeWidget(benchmark::State& state)
{
    data();
    auto tree = shownTreeWidget();
    for (auto _ : state) {
        fillTreeWidget(*tree);
        state.PauseTiming();
        tree->clear();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kGroups * (kDetailsPerGroup + 1));
}

void BM_ItemByKey_TreeView(benchmark::State& state)
{
    auto tree = shownTreeView();
    fillTreeView(*tree);
    const auto& keys = data().allKeys;
    for (auto _ : state) {
        for (const QString& key : keys)
            benchmark::DoNotOptimize(tree->Nodes().Item(key).record());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(keys.size()));
}

void BM_ItemByKey_BaselineQHash(benchmark::State& state)
{
    auto tree = shownTreeWidget();
    QHash<QString, QTreeWidgetItem*> byKey;
    fillTreeWidget(*tree, &byKey);
    const auto& keys = data().allKeys;
    for (auto _ : state) {
        for (const QString& key : keys)
            benchmark::DoNotOptimize(byKey.value(key));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(keys.size()));
}

void BM_Clear_TreeView(benchmark::State& state)
{
    auto tree = shownTreeView();
    for (auto _ : state) {
        state.PauseTiming();
        fillTreeView(*tree);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        tree->Nodes().Clear();
    }
}

void BM_Clear_BaselineQTreeWidget(benchmark::State& state)
{
    auto tree = shownTreeWidget();
    for (auto _ : state) {
        state.PauseTiming();
        fillTreeWidget(*tree);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        tree->clear();
    }
}

// Every group opened from code, then the last screen of rows painted: what a user waits for
// after opening everything and jumping to the end.
void BM_ExpandAllAndPaint_TreeView(benchmark::State& state)
{
    auto tree = shownTreeView();
    fillTreeView(*tree);
    const TreeData& d = data();
    for (auto _ : state) {
        for (const QString& key : d.groupKeys)
            tree->Nodes().Item(key).setExpanded(true);
        tree->Nodes().Item(d.detailKeys.back()).EnsureVisible();
        benchmark::DoNotOptimize(tree->grab());
        state.PauseTiming();
        for (const QString& key : d.groupKeys)
            tree->Nodes().Item(key).setExpanded(false);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_ExpandAllAndPaint_BaselineQTreeWidget(benchmark::State& state)
{
    auto tree = shownTreeWidget();
    fillTreeWidget(*tree);
    for (auto _ : state) {
        for (int g = 0; g < tree->topLevelItemCount(); ++g)
            tree->topLevelItem(g)->setExpanded(true);
        QTreeWidgetItem* lastGroup = tree->topLevelItem(tree->topLevelItemCount() - 1);
        tree->scrollToItem(lastGroup->child(lastGroup->childCount() - 1));
        benchmark::DoNotOptimize(tree->grab());
        state.PauseTiming();
        tree->collapseAll();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_AddNodes_TreeView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddNodes_BaselineQTreeWidget)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ItemByKey_TreeView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ItemByKey_BaselineQHash)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Clear_TreeView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Clear_BaselineQTreeWidget)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExpandAllAndPaint_TreeView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExpandAllAndPaint_BaselineQTreeWidget)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchProgram(argc, argv,
                                  {"bench_treeview",
                                   {{"BM_AddNodes_TreeView", "BM_AddNodes_BaselineQTreeWidget"},
                                    {"BM_ItemByKey_TreeView", "BM_ItemByKey_BaselineQHash"},
                                    {"BM_Clear_TreeView", "BM_Clear_BaselineQTreeWidget"},
                                    {"BM_ExpandAllAndPaint_TreeView", "BM_ExpandAllAndPaint_BaselineQTreeWidget"}},
                                   {},
                                   {},
                                   {}});
}
