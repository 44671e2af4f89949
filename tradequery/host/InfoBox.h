#pragma once
// The information box the component shows for query and processing errors and hints.
#include <QString>

namespace tq {

// A message box with only an OK button, the information icon and the title "青禾提示".
// Callers pass a text that already went through LangText.
void InfoBox(const QString& text);

} // namespace tq
