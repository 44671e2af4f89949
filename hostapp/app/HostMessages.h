#pragma once
// How the host tells a person that something went wrong before or outside a window.
#include <QString>

namespace zelhost {

// The host's name in window titles and message boxes.
QString hostTitle();

// A problem that stops the program from starting (no database, unknown user, no component):
// a message box when there is a screen, standard error when there is none. Returns the
// process exit code to end with (2).
int reportStartupError(const QString& message);

// A problem the person can go on from (an unknown code, a failing query): a message box,
// which on a headless platform prints itself.
void reportProblem(const QString& message);

} // namespace zelhost
