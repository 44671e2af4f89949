#pragma once
// What a person reads in the browse window, as text: the title panel over the tree, the title
// panel over the ledger, the ledger (its title row first, then one line per row, cells
// separated by tabs) and the status bar panels. One item per line, with a short label.
#include <QString>

namespace tq {

struct BrowseControls;

QString DescribeWindowText(const BrowseControls& controls);

} // namespace tq
