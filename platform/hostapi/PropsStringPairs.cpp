#include "platform/hostapi/PropsStringPairs.h"

#include "platform/vb/Strings.h"

namespace hostapi {

bool takePropsPair(QString& rest, QString& key, QString& value)
{
    const qsizetype equals = rest.indexOf(QLatin1Char('='));
    key = vb::Trim(equals < 0 ? rest : rest.left(equals));
    rest = equals < 0 ? QString() : vb::Trim(rest.mid(equals + 1));

    if (rest.startsWith(QLatin1Char('{'))) {
        const qsizetype close = rest.indexOf(QLatin1Char('}'), 1);
        if (close < 0) {
            value = rest.mid(1);
            rest.clear();
        } else {
            value = rest.mid(1, close - 1);
            const qsizetype semicolon = rest.indexOf(QLatin1Char(';'), close + 1);
            rest = semicolon < 0 ? QString() : rest.mid(semicolon + 1);
        }
    } else {
        const qsizetype semicolon = rest.indexOf(QLatin1Char(';'));
        value = semicolon < 0 ? rest : rest.left(semicolon);
        rest = semicolon < 0 ? QString() : rest.mid(semicolon + 1);
    }
    value = vb::Trim(value);
    return !key.isEmpty();
}

} // namespace hostapi
