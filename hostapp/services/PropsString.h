#pragma once
// The login property string, both ways: the host writes it for the session it publishes, and
// its services read back the user and the database of the login a caller hands them.
//
//     UserID=1;UserName={administrator};ConnectString={/home/me/demo.db};AcctName={demo};
//     DBName={demo.db};Language=chs
//
// Values that may hold ";" are wrapped in braces. A braced value ends at its first "}", so a
// value holding "}" cannot be carried (buildPropsString refuses it); an ODBC connection
// string's own braces around a driver name without ";" are dropped instead ("DRIVER={FreeTDS}"
// is published as "DRIVER=FreeTDS", which ODBC reads the same).
#include <QList>
#include <QString>
#include <cstdint>
#include <utility>

namespace hostsvc {

struct LoginSession;

// The pairs of a property string in their order, read as the component reads them: the key
// before "=", trimmed; a value in braces up to the first "}" (the rest up to ";" dropped),
// else up to ";"; values trimmed; reading stops at the first empty key.
class PropsPairs {
public:
    explicit PropsPairs(const QString& propsString);

    // The value of key (compared without regard to case); empty when absent.
    QString value(const QString& key) const;
    bool contains(const QString& key) const;
    const QList<std::pair<QString, QString>>& pairs() const { return m_pairs; }

private:
    QList<std::pair<QString, QString>> m_pairs;
};

// The connection string of the login; raises ComError (naming `source`) when the property
// string has none.
QString connectStringOf(const QString& propsString, const QString& source);

// The user id of the login; raises ComError (naming `source`) when the property string has
// none or it is not a whole number.
int32_t userIdOf(const QString& propsString, const QString& source);

// The connection string as it can travel in braces: ODBC's braces around values without ";"
// dropped. Raises ComError when it still holds a "}".
QString publishableConnectString(const QString& connectString);

} // namespace hostsvc
