#pragma once
// The host's side of the contract with the component: every service component registered
// under its ProgID, the global objects, the login property string and the shared dictionary,
// all working on the host database of the logged-in session.
#include <QString>
#include <QVariant>
#include <cstdint>

namespace hostsvc {

// Who is logged in, and where.
struct LoginSession {
    QString connectString;  // a SQLite file path or an ODBC connection string
    int32_t userId = 0;
    QString userName;
    QString settingsFile;   // the settings store's INI file; empty = the user's config folder
};

// Checks that the database opens and that the user exists; raises com::ComError with a clear
// description otherwise. Fills userName.
void validateLogin(LoginSession& session);

// The login property string the host publishes: "UserID=…;UserName={…};ConnectString={…};…".
QString buildPropsString(const LoginSession& session);

// Registers every service component under its ProgID on com::ObjectFactory, sets the global
// objects (settings store, value convert, foundation) and publishes the property string and
// the shared dictionary for this process. Calling it again replaces the session.
void installHostServices(const LoginSession& session);

// Undoes installHostServices (tests, and the host at exit).
void uninstallHostServices();

// The shared dictionary's values the host publishes besides the session ("MainFormWnd" …).
void setSharedValue(const QString& key, const QVariant& value);

} // namespace hostsvc
