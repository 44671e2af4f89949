#pragma once
// Where an export goes. A script or a run without a screen names the file in the environment
// variable ZEL_EXPORT_PATH; otherwise the person picks it in a save dialog that opens in the
// folder used last, kept in the host's settings store (section "Exporter", key "LastFolder").
#include <QString>

namespace exporter {

inline constexpr char exportPathVariable[] = "ZEL_EXPORT_PATH";

// The chosen path, absolute; empty when the person cancelled or nobody could be asked (no
// screen, no variable and no test answering dialogs), the latter said in a message box.
QString chooseSavePath(const QString& suggestedName);

} // namespace exporter
