#pragma once
// VB's Trim, LTrim and RTrim: they remove the ordinary blank U+0020 only, so tabs, line
// breaks and ideographic spaces stay.
#include <QString>

namespace vb {

QString Trim(const QString& text);
QString LTrim(const QString& text);
QString RTrim(const QString& text);

} // namespace vb
