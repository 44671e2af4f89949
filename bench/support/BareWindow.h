#pragma once
// The start-up benchmarks' widget baseline: what bare Qt widgets need to show the texts a
// started browse window showed. A window of the same size with a QTreeView and a QTableView
// side by side, each over a QStandardItemModel filled with those cells (the tree's nodes, the
// same ones expanded and the start node selected; the ledger's title and rows), shown, its
// events run (painted once), deleted.
#include <QString>
#include <QStringList>

#include <vector>

namespace tq {
class BrowseBase;
}

namespace bench {

// A node of the tree as the start-up left it: its text, whether it was expanded, its children.
struct ShownNode {
    QString text;
    bool expanded = false;
    bool selected = false;
    std::vector<ShownNode> children;
};

// What the window showed once started: the tree and the ledger's cells.
struct ShownTexts {
    std::vector<ShownNode> tree;
    QStringList ledgerTitles;
    std::vector<QStringList> ledgerRows;
};

// Reads them off a started window; raises std::runtime_error when its tree is no QTreeView.
ShownTexts shownTexts(tq::BrowseBase& window);

// The same texts in bare Qt widgets: built, shown, painted once, deleted.
void runBareWindow(const ShownTexts& shown);

} // namespace bench
