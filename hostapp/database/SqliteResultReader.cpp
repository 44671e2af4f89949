#include "hostapp/database/SqliteResultReader.h"

#include <QDateTime>
#include <sqlite3.h>

#include <charconv>
#include <cstring>
#include <string_view>

namespace hostdb {

namespace {

using ado::FieldType;

bool containsUpper(const char* upperText, const char* part)
{
    return std::strstr(upperText, part) != nullptr;
}

// Reads n digits at text[pos]; false when any is not a digit.
bool readDigits(const char* text, int length, int& pos, int count, int& value)
{
    if (pos + count > length)
        return false;
    value = 0;
    for (int i = 0; i < count; ++i) {
        const char c = text[pos + i];
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    pos += count;
    return true;
}

// 'yyyy-MM-dd', 'yyyy-MM-dd HH:mm[:ss[.fff]]', with ' ' or 'T' before the time.
bool parseDateTime(const char* text, int length, QDateTime& out)
{
    int pos = 0;
    int year, month, day;
    if (!readDigits(text, length, pos, 4, year) || pos >= length || text[pos++] != '-'
        || !readDigits(text, length, pos, 2, month) || pos >= length || text[pos++] != '-'
        || !readDigits(text, length, pos, 2, day))
        return false;
    const QDate date(year, month, day);
    if (!date.isValid())
        return false;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
    if (pos < length) {
        if (text[pos] != ' ' && text[pos] != 'T')
            return false;
        ++pos;
        if (!readDigits(text, length, pos, 2, hour) || pos >= length || text[pos++] != ':'
            || !readDigits(text, length, pos, 2, minute))
            return false;
        if (pos < length) {
            if (text[pos++] != ':' || !readDigits(text, length, pos, 2, second))
                return false;
            if (pos < length) {
                if (text[pos++] != '.')
                    return false;
                int scale = 100;
                const int fractionStart = pos;
                while (pos < length && text[pos] >= '0' && text[pos] <= '9') {
                    millisecond += (text[pos] - '0') * scale;
                    scale /= 10;
                    ++pos;
                }
                if (pos == fractionStart || pos < length)
                    return false;
            }
        }
    }
    const QTime time(hour, minute, second, millisecond);
    if (!time.isValid())
        return false;
    out = QDateTime(date, time);
    return true;
}

bool isBlank(const char* text, int length)
{
    for (int i = 0; i < length; ++i) {
        if (text[i] != ' ' && text[i] != '\t')
            return false;
    }
    return true;
}

QString numberText(double value)
{
    return QString::number(value, 'g', 15);
}

QString dateText(const QDateTime& value)
{
    const QTime time = value.time();
    if (time == QTime(0, 0))
        return value.date().toString(Qt::ISODate);
    return value.toString(time.msec() ? QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")
                                      : QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QVariant asText(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::LongLong:
        return QString::number(value.toLongLong());
    case QMetaType::Double:
        return numberText(value.toDouble());
    case QMetaType::QDateTime:
        return dateText(value.toDateTime());
    default:
        return value;
    }
}

} // namespace

std::optional<ado::FieldType> fieldTypeOfDeclared(const char* declaredType)
{
    if (!declaredType || !*declaredType)
        return std::nullopt;
    char upper[64];
    size_t i = 0;
    for (; declaredType[i] && i + 1 < sizeof upper; ++i) {
        const char c = declaredType[i];
        upper[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    upper[i] = '\0';
    if (containsUpper(upper, "INT"))
        return FieldType::Integer;
    if (containsUpper(upper, "CHAR") || containsUpper(upper, "CLOB") || containsUpper(upper, "TEXT"))
        return FieldType::Text;
    if (containsUpper(upper, "DATE") || containsUpper(upper, "TIME"))
        return FieldType::Date;
    for (const char* part : {"REAL", "FLOA", "DOUB", "MONEY", "DEC", "NUM"}) {
        if (containsUpper(upper, part))
            return FieldType::Double;
    }
    if (containsUpper(upper, "BIT") || containsUpper(upper, "BOOL"))
        return FieldType::Integer;
    return std::nullopt;
}

SqliteResultReader::SqliteResultReader(sqlite3_stmt* statement) : m_statement(statement)
{
    const int count = sqlite3_column_count(statement);
    m_table.returnsRows = count > 0;
    m_columns.resize(static_cast<size_t>(count));
    m_table.fields.resize(static_cast<size_t>(count));
    for (int c = 0; c < count; ++c) {
        m_table.fields[c].name = QString::fromUtf8(sqlite3_column_name(statement, c));
        if (const auto declared = fieldTypeOfDeclared(sqlite3_column_decltype(statement, c))) {
            m_columns[c].type = *declared;
            m_columns[c].decided = true;
        }
    }
}

void SqliteResultReader::readRow()
{
    std::vector<QVariant>& row = m_table.rows.emplace_back();
    row.reserve(m_columns.size());
    for (int c = 0; c < static_cast<int>(m_columns.size()); ++c)
        row.push_back(readValue(c));
}

QVariant SqliteResultReader::readValue(int c)
{
    const int storage = sqlite3_column_type(m_statement, c);
    if (storage == SQLITE_NULL)
        return QVariant();
    Column& column = m_columns[c];
    if (!column.decided) {
        column.type = storage == SQLITE_INTEGER ? FieldType::Integer
            : storage == SQLITE_FLOAT           ? FieldType::Double
                                                : FieldType::Text;
        column.decided = true;
    }

    if (storage == SQLITE_INTEGER || storage == SQLITE_FLOAT) {
        const bool integer = storage == SQLITE_INTEGER;
        const qint64 whole = integer ? sqlite3_column_int64(m_statement, c) : 0;
        const double real = integer ? static_cast<double>(whole) : sqlite3_column_double(m_statement, c);
        switch (column.type) {
        case FieldType::Integer:
            if (integer)
                return QVariant(whole);
            widen(c, FieldType::Double);
            return QVariant(real);
        case FieldType::Boolean:
            return QVariant(real != 0);
        case FieldType::Double:
            return QVariant(real);
        case FieldType::Date:
            widen(c, FieldType::Text);
            [[fallthrough]];
        case FieldType::Text:
            return integer ? QString::number(whole) : numberText(real);
        }
    }

    // Text, or a blob read as text.
    const char* text = reinterpret_cast<const char*>(
        storage == SQLITE_BLOB ? sqlite3_column_blob(m_statement, c) : sqlite3_column_text(m_statement, c));
    const int length = sqlite3_column_bytes(m_statement, c);
    switch (column.type) {
    case FieldType::Integer: {
        qint64 whole = 0;
        const auto [end, error] = std::from_chars(text, text + length, whole);
        if (error == std::errc() && end == text + length)
            return QVariant(whole);
        double real = 0;
        const auto [realEnd, realError] = std::from_chars(text, text + length, real);
        if (realError == std::errc() && realEnd == text + length) {
            widen(c, FieldType::Double);
            return QVariant(real);
        }
        break;
    }
    case FieldType::Double: {
        double real = 0;
        const auto [end, error] = std::from_chars(text, text + length, real);
        if (error == std::errc() && end == text + length)
            return QVariant(real);
        break;
    }
    case FieldType::Date: {
        QVariant value = readDate(text, length);
        if (value.isValid())
            return value;
        if (isBlank(text, length))
            return QVariant();
        break;
    }
    case FieldType::Boolean:
    case FieldType::Text:
        break;
    }
    if (column.type != FieldType::Text)
        widen(c, FieldType::Text);
    return QString::fromUtf8(text, length);
}

size_t SqliteResultReader::DateKeyHash::operator()(const DateKey& key) const noexcept
{
    return std::hash<std::string_view>()(std::string_view(key.text.data(), static_cast<size_t>(key.length)));
}

QVariant SqliteResultReader::readDate(const char* text, int length)
{
    DateKey key;
    if (length > static_cast<int>(key.text.size())) {
        QDateTime value;
        return parseDateTime(text, length, value) ? QVariant(value) : QVariant();
    }
    std::memcpy(key.text.data(), text, static_cast<size_t>(length));
    key.length = length;
    auto found = m_dates.find(key);
    if (found == m_dates.end()) {
        if (m_dates.size() >= 4096)
            m_dates.clear();
        QDateTime value;
        if (!parseDateTime(text, length, value))
            value = QDateTime();
        found = m_dates.emplace(key, value).first;
    }
    return found->second.isValid() ? QVariant(found->second) : QVariant();
}

void SqliteResultReader::widen(int c, ado::FieldType to)
{
    for (std::vector<QVariant>& row : m_table.rows) {
        if (row.size() <= static_cast<size_t>(c))
            continue;  // the row being read has not reached this column yet
        QVariant& value = row[c];
        if (!value.isValid())
            continue;
        if (to == FieldType::Double)
            value = QVariant(value.toDouble());
        else
            value = asText(value);
    }
    m_columns[c].type = to;
}

ResultTable SqliteResultReader::finish()
{
    for (size_t c = 0; c < m_columns.size(); ++c)
        m_table.fields[c].type = m_columns[c].type;
    return std::move(m_table);
}

} // namespace hostdb
