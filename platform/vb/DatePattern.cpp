#include "platform/vb/DatePattern.h"

namespace vb::detail {

namespace {

char16_t lowerAscii(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c;
}

bool isAsciiLetter(char16_t c)
{
    const char16_t lower = lowerAscii(c);
    return lower >= u'a' && lower <= u'z';
}

// Length of the run of the same letter (either case) starting at `pos`.
qsizetype runLength(QStringView pattern, qsizetype pos)
{
    const char16_t letter = lowerAscii(pattern[pos].unicode());
    qsizetype end = pos + 1;
    while (end < pattern.size() && lowerAscii(pattern[end].unicode()) == letter)
        ++end;
    return end - pos;
}

bool isToken(char16_t letter, qsizetype length)
{
    switch (letter) {
    case u'y':
        return length == 2 || length == 4;
    case u'm':
    case u'd':
    case u'h':
    case u'n':
    case u's':
        return length <= 2;
    default:
        return false;
    }
}

bool isForbiddenLiteral(char16_t c)
{
    switch (c) {
    case u'#': case u'"': case u'\\': case u';': case u'%': case u'@':
    case u'&': case u'<': case u'>': case u'!':
        return true;
    default:
        return c >= u'0' && c <= u'9';
    }
}

void appendNumber(QString& out, int value, qsizetype minDigits)
{
    char buffer[8];
    int length = 0;
    do {
        buffer[length++] = char('0' + value % 10);
        value /= 10;
    } while (value > 0 && length < 8);
    for (qsizetype pad = length; pad < minDigits; ++pad)
        out += u'0';
    while (length > 0)
        out += QLatin1Char(buffer[--length]);
}

} // namespace

bool isDatePattern(QStringView pattern)
{
    bool anyToken = false;
    for (qsizetype pos = 0; pos < pattern.size();) {
        const char16_t c = pattern[pos].unicode();
        if (isAsciiLetter(c)) {
            const qsizetype length = runLength(pattern, pos);
            if (!isToken(lowerAscii(c), length))
                return false;
            anyToken = true;
            pos += length;
        } else if (isForbiddenLiteral(c)) {
            return false;
        } else {
            ++pos;
        }
    }
    return anyToken;
}

QString formatDate(const DateParts& date, QStringView pattern)
{
    QString out;
    out.reserve(pattern.size() + 4);
    bool afterHour = false;
    for (qsizetype pos = 0; pos < pattern.size();) {
        const char16_t c = pattern[pos].unicode();
        if (!isAsciiLetter(c)) {
            out += QChar(c);
            ++pos;
            continue;
        }
        const char16_t letter = lowerAscii(c);
        const qsizetype length = runLength(pattern, pos);
        switch (letter) {
        case u'y':
            if (length == 2)
                appendNumber(out, date.year % 100, 2);
            else
                appendNumber(out, date.year, 1);
            break;
        case u'm':
            appendNumber(out, afterHour ? date.minute : date.month, length);
            break;
        case u'd':
            appendNumber(out, date.day, length);
            break;
        case u'h':
            appendNumber(out, date.hour, length);
            break;
        case u'n':
            appendNumber(out, date.minute, length);
            break;
        case u's':
            appendNumber(out, date.second, length);
            break;
        }
        afterHour = letter == u'h';
        pos += length;
    }
    return out;
}

} // namespace vb::detail
