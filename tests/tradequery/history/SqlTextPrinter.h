#pragma once
// Failure messages that show SQL texts readably, with their line breaks as \r and \n so a
// missing or extra CR LF is visible.
#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QStringLiteral("\\r")).replace(QLatin1Char('\n'), QStringLiteral("\\n\n"));
    *out << "\n\"" << shown.toStdString() << '"';
}
