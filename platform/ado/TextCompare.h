#pragma once
// How recordset filters and sorts compare text: without regard to case and to trailing
// blanks, as the host database compares. Letters are folded one UTF-16 unit at a time
// (simple case folding, so "ABC" = "abc" and "Ä" = "ä"), then compared unit by unit. The
// order is locale-independent, so a sort gives the same rows on every machine; Chinese
// text orders by code point.
#include <QString>
#include <QStringView>

namespace ado::text {

// The text without its trailing U+0020 blanks.
QStringView withoutTrailingBlanks(QStringView text);

// The folded text without trailing blanks. compareKeys on two keys orders exactly as
// compare on the original texts; sorts precompute it once per row.
QString comparisonKey(QStringView text);
int compareKeys(QStringView leftKey, QStringView rightKey);

// < 0, 0, > 0 ignoring case and trailing blanks.
int compare(QStringView left, QStringView right);

// Ignoring case; blanks count as written.
bool startsWith(QStringView text, QStringView prefix);
bool contains(QStringView text, QStringView part);

} // namespace ado::text
