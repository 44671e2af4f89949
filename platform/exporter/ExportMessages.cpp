#include "platform/exporter/ExportMessages.h"

#include "platform/win/MsgBox.h"

namespace exporter {

void showExportMessage(const QString& text)
{
    win::MsgBox(text, win::vbOKOnly | win::vbExclamation, exportMessageTitle);
}

} // namespace exporter
