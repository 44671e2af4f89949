#pragma once
// Print, preview and printer setup of the ledger through the grid's own print object. Before
// every print and preview the page header and footer are filled anew, so they follow the
// current node, the flavour, today's date and the grid font. Errors reach the caller.
#include <QString>

namespace tq {

class BrowseBase;

// No row-number column; header 1 the flavour's title in the grid's font family, 18 pt bold;
// header 2 an empty line; header 3 "root:selected node|打印日期:YYYY-MM-DD|"; footer 1 an empty
// line; footer 2 "第 &[页] 页        |共 &[总页] 页".
void PrepareLedgerPrint(BrowseBase& window);

// Shows the preview; a font chosen inside it becomes the tree's font and the saved grid font.
void PreviewLedger(BrowseBase& window);

// The commands: each lets pending events run when it is done.
void PrintLedger(BrowseBase& window);
void PreviewLedgerCommand(BrowseBase& window);
void LedgerPrinterSetup(BrowseBase& window);

// Prints the ledger with its header and footer into a PDF file instead of the printer; false
// when the file could not be written.
bool PrintLedgerToPdf(BrowseBase& window, const QString& path);

} // namespace tq
