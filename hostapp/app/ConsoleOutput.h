#pragma once
// Text the host prints on a terminal: UTF-8 on standard output or standard error, flushed at
// once so that what the host and the component it loads print stays in order.
#include <QString>

namespace zelhost {

void printOut(const QString& text);
void printErr(const QString& text);

} // namespace zelhost
