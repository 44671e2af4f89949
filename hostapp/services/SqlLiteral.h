#pragma once
// Text values written into the SQL the services send: in apostrophes, inner ones doubled.
#include <QString>

namespace hostsvc {

inline QString sqlLiteral(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

} // namespace hostsvc
