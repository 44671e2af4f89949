#pragma once
// The login property string the host publishes: "key=value" pairs separated by ";", where a
// value in braces may hold ";" ("UserID=5;ConnectString={Data Source=a.db;x=1}").
#include <QString>

namespace hostapi {

// Takes the next pair off the front of rest (key and value trimmed of blanks; a braced value
// runs to the first "}" and what follows it up to the next ";" is dropped). False when no key
// is left.
bool takePropsPair(QString& rest, QString& key, QString& value);

} // namespace hostapi
