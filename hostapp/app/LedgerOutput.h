#pragma once
// `--export FILE` and `--print-pdf FILE`: what the opened price window's ledger shows, written
// to a file by the window's own export command (through the host's exporter, which takes the
// path from its save-path variable instead of a dialog) and by its print command into a PDF.
// The host reaches the window only by the names of its invokable methods.
#include "hostapp/app/HostCommandLine.h"

class QWidget;

namespace zelhost {

// True when the command line asks for a file from the ledger.
bool wantsLedgerOutput(const HostOptions& options);

// Writes the requested files from the window; 0 when every one was written, 1 (after saying
// which one failed) otherwise.
int writeLedgerOutputs(QWidget& window, const HostOptions& options);

} // namespace zelhost
