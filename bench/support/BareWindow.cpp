#include "support/BareWindow.h"

#include "platform/controls/Ledger50.h"
#include "platform/controls/TreeView.h"
#include "support/WindowStart.h"
#include "tradequery/window/BrowseBase.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QStandardItemModel>
#include <QTableView>
#include <QTreeView>

#include <stdexcept>

namespace bench {

namespace {

std::vector<ShownNode> shownNodes(const QTreeView& view, const QModelIndex& parent)
{
    std::vector<ShownNode> nodes;
    const QAbstractItemModel& model = *view.model();
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        ShownNode node{index.data().toString(), view.isExpanded(index), view.currentIndex() == index, {}};
        if (node.expanded)
            node.children = shownNodes(view, index);
        nodes.push_back(std::move(node));
    }
    return nodes;
}

void addNodes(QStandardItem* parent, const std::vector<ShownNode>& nodes)
{
    for (const ShownNode& node : nodes) {
        auto* item = new QStandardItem(node.text);
        parent->appendRow(item);
        addNodes(item, node.children);
    }
}

void expandAndSelect(QTreeView& view, const std::vector<ShownNode>& nodes, const QModelIndex& parent)
{
    for (size_t row = 0; row < nodes.size(); ++row) {
        const QModelIndex index = view.model()->index(static_cast<int>(row), 0, parent);
        if (nodes[row].expanded) {
            view.expand(index);
            expandAndSelect(view, nodes[row].children, index);
        }
        if (nodes[row].selected)
            view.setCurrentIndex(index);
    }
}

} // namespace

ShownTexts shownTexts(tq::BrowseBase& window)
{
    ShownTexts shown;
    const auto* tree = qobject_cast<const QTreeView*>(window.tvwBase().itemView());
    if (!tree)
        throw std::runtime_error("the window's tree is not a QTreeView");
    shown.tree = shownNodes(*tree, QModelIndex());
    const QAbstractItemModel& ledger = *window.ldgBase().tableView()->model();
    for (int col = 0; col < ledger.columnCount(); ++col)
        shown.ledgerTitles << ledger.headerData(col, Qt::Horizontal, Qt::DisplayRole).toString();
    for (int row = 0; row < ledger.rowCount(); ++row) {
        QStringList cells;
        for (int col = 0; col < ledger.columnCount(); ++col)
            cells << ledger.index(row, col).data().toString();
        shown.ledgerRows.push_back(cells);
    }
    return shown;
}

void runBareWindow(const ShownTexts& shown)
{
    auto* window = new QWidget;
    window->resize(kWindowWidth, kWindowHeight);
    auto* layout = new QHBoxLayout(window);
    auto* tree = new QTreeView;
    auto* treeModel = new QStandardItemModel(tree);
    addNodes(treeModel->invisibleRootItem(), shown.tree);
    tree->setHeaderHidden(true);
    tree->setModel(treeModel);
    expandAndSelect(*tree, shown.tree, QModelIndex());
    auto* table = new QTableView;
    auto* ledgerModel = new QStandardItemModel(static_cast<int>(shown.ledgerRows.size()),
                                               static_cast<int>(shown.ledgerTitles.size()), table);
    ledgerModel->setHorizontalHeaderLabels(shown.ledgerTitles);
    for (size_t row = 0; row < shown.ledgerRows.size(); ++row) {
        for (int col = 0; col < shown.ledgerRows[row].size(); ++col)
            ledgerModel->setItem(static_cast<int>(row), col, new QStandardItem(shown.ledgerRows[row][col]));
    }
    table->setModel(ledgerModel);
    layout->addWidget(tree, 1);
    layout->addWidget(table, 3);
    window->show();
    QCoreApplication::processEvents();
    delete window;
}

} // namespace bench
