#pragma once
// The host's side of the contract with the component: every service component registered
// under its ProgID, the global objects, the login property string and the shared dictionary,
// all working on the host database of the logged-in session.
//
// Services that are handed a property string (SystemProfile, ItemInfo, AppCnnExt,
// BillDataAccess) work on the login it describes; the others (GLData, Connection, ShareProps,
// UserProfile) on the session installed last, read at each call, so an object created before
// a new login answers for the new one.
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
    QString accountName;    // the account set as users call it; empty = named after the database
};

// Checks that the database opens, that it is a host database and that the user exists (its id
// in 1…32767, the range the component reads); raises com::ComError with a clear description
// otherwise. Fills userName.
void validateLogin(LoginSession& session);

// The login property string the host publishes:
// "UserID=…;UserName={…};ConnectString={…};AcctName={…};DBName={…};Language=chs".
// Raises com::ComError when a value holds "}" (it could not be read back).
QString buildPropsString(const LoginSession& session);

// Registers every service component under its ProgID on com::ObjectFactory, sets the global
// objects (settings store, value convert, foundation) and publishes the property string and
// the shared dictionary for this process. Calling it again replaces the session.
void installHostServices(const LoginSession& session);

// Undoes installHostServices (tests, and the host at exit): the ProgIDs, the global objects,
// the session and the shared dictionary with its values are gone.
void uninstallHostServices();

// The shared dictionary's values the host publishes besides the session ("MainFormWnd" …).
// Kept until uninstallHostServices; may be set before installHostServices.
void setSharedValue(const QString& key, const QVariant& value);

// A warning for the person when the installed settings store's file is damaged or unreadable
// (its values then read as defaults); empty when all is well or nothing is installed.
QString settingsStoreWarning();

} // namespace hostsvc
