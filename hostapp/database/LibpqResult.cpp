#include "hostapp/database/LibpqResult.h"

#include <QDateTime>
#include <libpq-fe.h>

#include <charconv>

namespace hostdb {

namespace {

// Type OIDs of the built-in types (pg_type.h); extension types such as citext read as text.
enum : Oid {
    kBool = 16, kInt8 = 20, kInt2 = 21, kInt4 = 23, kOid = 26,
    kFloat4 = 700, kFloat8 = 701, kNumeric = 1700, kDate = 1082, kTimestamp = 1114,
};

ado::FieldType fieldTypeOf(Oid type)
{
    switch (type) {
    case kBool:
    case kInt8:
    case kInt2:
    case kInt4:
    case kOid:
        return ado::FieldType::Integer;
    case kFloat4:
    case kFloat8:
    case kNumeric:
        return ado::FieldType::Double;
    case kDate:
    case kTimestamp:
        return ado::FieldType::Date;
    default:
        return ado::FieldType::Text;
    }
}

// Reads `count` digits at `p` as a number, moving `p` past them; -1 when there are not as many.
int digits(const char*& p, const char* end, int count)
{
    if (end - p < count)
        return -1;
    int value = 0;
    const auto [next, error] = std::from_chars(p, p + count, value);
    if (error != std::errc() || next != p + count)
        return -1;
    p = next;
    return value;
}

// "YYYY-MM-DD" with an optional " HH:MM:SS[.ffffff]", the server's ISO output.
QVariant dateTimeOf(const char* text, int length)
{
    const char* p = text;
    const char* end = text + length;
    const int year = digits(p, end, 4);
    const int month = (p < end && *p++ == '-') ? digits(p, end, 2) : -1;
    const int day = (p < end && *p++ == '-') ? digits(p, end, 2) : -1;
    const QDate date(year, month, day);
    if (!date.isValid())
        return QVariant(QString::fromUtf8(text, length));  // BC dates, infinity: shown as the server wrote them
    if (p == end)
        return QVariant(date.startOfDay());
    int hour = -1, minute = -1, second = -1, msec = 0;
    if (*p++ == ' ') {
        hour = digits(p, end, 2);
        minute = (p < end && *p++ == ':') ? digits(p, end, 2) : -1;
        second = (p < end && *p++ == ':') ? digits(p, end, 2) : -1;
    }
    if (p < end && *p == '.') {
        ++p;
        int scale = 100;
        for (; p < end && *p >= '0' && *p <= '9'; ++p, scale /= 10)
            msec += (*p - '0') * scale;
    }
    const QTime time(hour, minute, second, msec);
    if (!time.isValid())
        return QVariant(QString::fromUtf8(text, length));
    return QVariant(QDateTime(date, time));
}

QVariant valueOf(const char* text, int length, Oid type, ado::FieldType kind)
{
    switch (kind) {
    case ado::FieldType::Integer: {
        if (type == kBool)
            return QVariant(qlonglong(text[0] == 't' ? 1 : 0));
        qlonglong value = 0;
        std::from_chars(text, text + length, value);
        return QVariant(value);
    }
    case ado::FieldType::Double: {
        double value = 0;
        if (std::from_chars(text, text + length, value).ec != std::errc())
            return QVariant(QString::fromUtf8(text, length).toDouble());  // NaN, Infinity
        return QVariant(value);
    }
    case ado::FieldType::Date:
        return dateTimeOf(text, length);
    default:
        return QVariant(QString::fromUtf8(text, length));
    }
}

} // namespace

ResultTable readLibpqRows(const pg_result* result)
{
    ResultTable table;
    table.returnsRows = true;
    const int columns = PQnfields(result);
    const int rows = PQntuples(result);
    std::vector<Oid> types(static_cast<size_t>(columns));
    for (int c = 0; c < columns; ++c) {
        types[static_cast<size_t>(c)] = PQftype(result, c);
        table.fields.push_back({QString::fromUtf8(PQfname(result, c)), fieldTypeOf(types[static_cast<size_t>(c)])});
    }
    table.rows.resize(static_cast<size_t>(rows));
    for (int r = 0; r < rows; ++r) {
        std::vector<QVariant>& row = table.rows[static_cast<size_t>(r)];
        row.reserve(static_cast<size_t>(columns));
        for (int c = 0; c < columns; ++c) {
            if (PQgetisnull(result, r, c))
                row.emplace_back();
            else
                row.push_back(valueOf(PQgetvalue(result, r, c), PQgetlength(result, r, c), types[static_cast<size_t>(c)],
                                      table.fields[static_cast<size_t>(c)].type));
        }
    }
    return table;
}

QString libpqErrorText(const pg_result* result)
{
    QString text = QString::fromUtf8(PQresultErrorMessage(result));
    const char* state = PQresultErrorField(result, PG_DIAG_SQLSTATE);
    if (state && *state)
        text += QStringLiteral("(%1)").arg(QString::fromLatin1(state));
    return text.trimmed();
}

} // namespace hostdb
