#pragma once
// The exporter's messages to the person: one box style and title for all of them.
#include <QString>

namespace exporter {

inline const QString exportMessageTitle = QStringLiteral("引出数据");

// An exclamation box with an OK button.
void showExportMessage(const QString& text);

} // namespace exporter
