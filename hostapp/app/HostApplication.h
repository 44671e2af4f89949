#pragma once
// The host program from start to end: command line, login, host services, the component,
// the main window, and either the event loop or a captured run.
#include <QStringList>

namespace zelhost {

// `arguments` are the words after the program name; a QApplication exists. Returns the
// process exit code: 0 done, 1 a captured run failed, 2 a wrong command line or a start that
// could not be made (missing database, unknown user, missing component).
int runHost(const QStringList& arguments);

} // namespace zelhost
