#pragma once
// Who hears that a database server dropped the host's connection. The database layer tells it
// once per drop, at the moment a connection that was open is found closed, with a message that
// names the server and never its password; the host program shows it to the person. The
// failing statement still raises its own error, and a failed reconnect is no new drop.
#include <QString>
#include <functional>

namespace hostdb {

using ConnectionLossListener = std::function<void(const QString& message)>;

// Installs `listener` (an empty one: nobody hears) and returns the one it replaces.
ConnectionLossListener setConnectionLossListener(ConnectionLossListener listener);

// Tells the listener, on the application object's thread: directly when called there, queued
// from any other thread.
void tellConnectionLost(const QString& message);

} // namespace hostdb
