#include "platform/exporter/CellValue.h"

#include <charconv>

namespace exporter {

namespace {

// A spreadsheet keeps 15 significant digits; longer numbers (bill numbers, codes) would change.
constexpr int maxSignificantDigits = 15;

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// "-1,234.50", "0.5", "12.", "1234": an optional minus, digits (optionally grouped by three
// with commas), an optional point with digits.
bool readNumber(QStringView text, CellValue& cell)
{
    if (text.isEmpty() || text.size() > 40)
        return false;
    char plain[48] = {};
    int length = 0;
    qsizetype i = 0;
    if (text[0] == u'-')
        plain[length++] = '-', ++i;

    const qsizetype intStart = i;
    int groupDigits = 0;   // digits since the last comma
    bool grouped = false;
    for (; i < text.size() && (isDigit(text[i]) || text[i] == u','); ++i) {
        if (text[i] == u',') {
            // A comma needs 1..3 digits before the first one and exactly 3 between.
            if (i == intStart || (grouped ? groupDigits != 3 : groupDigits > 3))
                return false;
            grouped = true;
            groupDigits = 0;
            continue;
        }
        plain[length++] = static_cast<char>(text[i].unicode());
        ++groupDigits;
    }
    const int intDigits = length - (plain[0] == '-' ? 1 : 0);
    if (intDigits == 0 || (grouped && groupDigits != 3))
        return false;
    // "007" is a code, not seven.
    if (intDigits > 1 && plain[length - intDigits] == '0')
        return false;

    int decimals = 0;
    bool trailingPoint = false;
    if (i < text.size() && text[i] == u'.') {
        plain[length++] = '.';
        ++i;
        for (; i < text.size() && isDigit(text[i]); ++i, ++decimals)
            plain[length++] = static_cast<char>(text[i].unicode());
        trailingPoint = decimals == 0;
    }
    if (i != text.size())
        return false;

    int significant = 0;
    bool leading = true;
    for (int k = 0; k < length; ++k) {
        if (plain[k] < '0' || plain[k] > '9' || (leading && plain[k] == '0'))
            continue;
        leading = false;
        ++significant;
    }
    if (significant > maxSignificantDigits)
        return false;

    double value = 0;
    const auto result = std::from_chars(plain, plain + length - (trailingPoint ? 1 : 0), value);
    if (result.ec != std::errc())
        return false;
    cell.kind = CellValue::Kind::Number;
    cell.number = value;
    cell.decimals = decimals;
    cell.grouped = grouped;
    cell.trailingPoint = trailingPoint;
    return true;
}

int digitsAt(QStringView text, qsizetype at, qsizetype count)
{
    int value = 0;
    for (qsizetype i = at; i < at + count; ++i) {
        if (!isDigit(text[i]))
            return -1;
        value = value * 10 + (text[i].unicode() - u'0');
    }
    return value;
}

// "yyyy-mm-dd", optionally followed by " hh:mm" or " hh:mm:ss"; a day that does not exist, or
// one before 1900 (where spreadsheet dates start), stays text.
bool readDate(QStringView text, CellValue& cell)
{
    if ((text.size() != 10 && text.size() != 16 && text.size() != 19) || text[4] != u'-' || text[7] != u'-')
        return false;
    const QDate date(digitsAt(text, 0, 4), digitsAt(text, 5, 2), digitsAt(text, 8, 2));
    if (!date.isValid() || date.year() < 1900)
        return false;
    QTime time(0, 0);
    if (text.size() > 10) {
        if (text[10] != u' ' || text[13] != u':' || (text.size() == 19 && text[16] != u':'))
            return false;
        time = QTime(digitsAt(text, 11, 2), digitsAt(text, 14, 2), text.size() == 19 ? digitsAt(text, 17, 2) : 0);
        if (!time.isValid())
            return false;
    }
    cell.kind = CellValue::Kind::Date;
    cell.date = date;
    cell.time = time;
    cell.hasTime = text.size() > 10;
    cell.hasSeconds = text.size() == 19;
    return true;
}

} // namespace

CellValue readCell(QStringView text, bool numbers, bool dates)
{
    CellValue cell;
    if (text.isEmpty())
        return cell;
    if (numbers && (isDigit(text[0]) || text[0] == u'-') && readNumber(text, cell))
        return cell;
    if (dates && isDigit(text[0]))
        readDate(text, cell);
    return cell;
}

QString displayFormat(const CellValue& cell)
{
    switch (cell.kind) {
    case CellValue::Kind::Text:
        return {};
    case CellValue::Kind::Date:
        if (!cell.hasTime)
            return QStringLiteral("yyyy-mm-dd");
        return cell.hasSeconds ? QStringLiteral("yyyy-mm-dd hh:mm:ss") : QStringLiteral("yyyy-mm-dd hh:mm");
    case CellValue::Kind::Number:
        break;
    }
    QString format = cell.grouped ? QStringLiteral("#,##0") : QStringLiteral("0");
    if (cell.decimals > 0 || cell.trailingPoint)
        format += u'.' + QString(cell.decimals, u'0');
    return format;
}

} // namespace exporter
