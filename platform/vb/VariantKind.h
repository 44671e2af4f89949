#pragma once
// Sorts a QVariant into the few kinds of value the VB runtime functions tell apart.
#include "platform/vb/DateValue.h"

#include <QString>
#include <QVariant>

namespace vb::detail {

enum class VariantKind {
    Null,      // invalid variant, null pointer, invalid date
    Boolean,   // True is -1 as a number
    Integer,   // any signed or unsigned integer up to 64 bits
    Unsigned,  // unsigned 64-bit beyond the signed range is read as unsigned
    Double,    // double or float
    Text,      // QString, QChar, QByteArray (UTF-8)
    Date,      // QDate, QDateTime, QTime (a time alone is on 1899-12-30)
    Other,
};

VariantKind kindOf(const QVariant& value);

// The text of a Text value; shares the variant's string when it holds a QString.
QString textOf(const QVariant& value);

// The calendar parts of a Date value.
DateParts datePartsOf(const QVariant& value);

} // namespace vb::detail
