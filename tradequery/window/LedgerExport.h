#pragma once
// The export command: hands what the ledger shows to the host's exporter, which asks where to
// save and writes the file. Hidden columns are left out and the rest numbered 1, 2, … without
// gaps; the titles are the grid's title cells and each row's texts are the cells as the grid
// shows them, formatted. Every step goes on when the one before failed; when the exporter
// cannot be created nothing happens and nothing is said.
#include <cstdint>

namespace controls {
class Ledger50;
}
namespace hostapi {
class ExportColData;
}

namespace tq {

class BrowseBase;

// Runs one export of the window's ledger; true when the exporter wrote a file.
bool ExportLedger(BrowseBase& window);

// The exporter's request for data row nRow (1 = the first row under the titles): the visible
// columns' texts into items 1, 2, ….
void Export_LoadData(controls::Ledger50& ledger, int32_t nRow, hostapi::ExportColData& ColData);

} // namespace tq
