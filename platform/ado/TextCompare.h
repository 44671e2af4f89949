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

// The text folded as above, blanks kept: the form LIKE patterns are kept in.
QString folded(QStringView text);

// Ignoring case, with the pattern already folded; blanks count as written.
bool startsWithFolded(QStringView text, QStringView foldedPrefix);
bool containsFolded(QStringView text, QStringView foldedPart);

} // namespace ado::text
