#include "platform/vb/NumericText.h"

#include "platform/vb/RuntimeErrors.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <system_error>

namespace vb::detail {

namespace {

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

bool isExponentMark(char16_t c) { return c == u'E' || c == u'e' || c == u'D' || c == u'd'; }

// Walks a text, stepping over the characters a reader ignores (for Val: blanks, tabs and
// line feeds anywhere).
class Cursor {
public:
    Cursor(QStringView text, bool skipBlanks) : m_text(text), m_skipBlanks(skipBlanks) { settle(); }

    bool atEnd() const { return m_pos >= m_text.size(); }
    char16_t peek() const { return atEnd() ? u'\0' : m_text[m_pos].unicode(); }
    void next()
    {
        ++m_pos;
        settle();
    }
    qsizetype position() const { return m_pos; }
    void reset(qsizetype pos)
    {
        m_pos = pos;
        settle();
    }

private:
    void settle()
    {
        if (!m_skipBlanks)
            return;
        while (m_pos < m_text.size()) {
            const char16_t c = m_text[m_pos].unicode();
            if (c != u' ' && c != u'\t' && c != u'\n')
                break;
            ++m_pos;
        }
    }

    QStringView m_text;
    qsizetype m_pos = 0;
    bool m_skipBlanks;
};

// The ASCII form of a decimal number, collected for std::from_chars; long texts spill into
// a std::string, the usual short ones stay on the stack.
class DecimalBuffer {
public:
    void push(char c)
    {
        if (m_size < qsizetype(sizeof m_small))
            m_small[m_size] = c;
        else {
            if (m_size == qsizetype(sizeof m_small))
                m_large.assign(m_small, sizeof m_small);
            m_large.push_back(c);
        }
        ++m_size;
    }
    const char* begin() const { return m_size <= qsizetype(sizeof m_small) ? m_small : m_large.data(); }
    const char* end() const { return begin() + m_size; }

private:
    char m_small[64];
    std::string m_large;
    qsizetype m_size = 0;
};

struct DecimalScan {
    bool anyDigit = false;           // in the mantissa
    bool exponentIncomplete = false; // an exponent mark not followed by digits
    double value = 0;
    bool overflow = false;
};

// Reads [sign] digits [. digits] [exponent] from the cursor; stops before the first character
// that does not fit. With `groupCommas`, a ',' after an integer digit is skipped.
DecimalScan scanDecimal(Cursor& cursor, bool groupCommas)
{
    DecimalScan scan;
    DecimalBuffer buffer;
    bool negative = false;
    if (cursor.peek() == u'+' || cursor.peek() == u'-') {
        negative = cursor.peek() == u'-';
        cursor.next();
    }
    // Decimal exponent of the first significant digit, to tell overflow from underflow.
    long long magnitude = 0;
    bool significant = false;
    while (isDigit(cursor.peek()) || (groupCommas && scan.anyDigit && cursor.peek() == u',')) {
        const char16_t c = cursor.peek();
        if (c != u',') {
            scan.anyDigit = true;
            significant = significant || c != u'0';
            if (significant)
                ++magnitude;
            buffer.push(char(c));
        }
        cursor.next();
    }
    if (cursor.peek() == u'.') {
        buffer.push('.');
        cursor.next();
        while (isDigit(cursor.peek())) {
            const char16_t c = cursor.peek();
            scan.anyDigit = true;
            if (!significant && c == u'0')
                --magnitude;
            significant = significant || c != u'0';
            buffer.push(char(c));
            cursor.next();
        }
    }
    if (!scan.anyDigit)
        return scan;

    if (isExponentMark(cursor.peek())) {
        const qsizetype markPos = cursor.position();
        cursor.next();
        bool negativeExponent = false;
        if (cursor.peek() == u'+' || cursor.peek() == u'-') {
            negativeExponent = cursor.peek() == u'-';
            cursor.next();
        }
        if (!isDigit(cursor.peek())) {
            scan.exponentIncomplete = true;
            cursor.reset(markPos);  // the mark is not part of the number
        } else {
            long long exponent = 0;
            buffer.push('e');
            if (negativeExponent)
                buffer.push('-');
            while (isDigit(cursor.peek())) {
                exponent = std::min(exponent * 10 + (cursor.peek() - u'0'), 1000000000LL);
                buffer.push(char(cursor.peek()));
                cursor.next();
            }
            magnitude += negativeExponent ? -exponent : exponent;
        }
    }

    double value = 0;
    const auto [ptr, error] = std::from_chars(buffer.begin(), buffer.end(), value,
                                              std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        if (significant && magnitude > 0)
            scan.overflow = true;
        value = 0;  // far below the smallest Double
    }
    scan.value = negative ? -value : value;
    return scan;
}

enum class RadixResult { Number, NoDigits, Overflow };

// &H / &O digits after the prefix. VB reads them as an Integer when they fit in 16 bits
// (&HFFFF = -1) and as a Long when they fit in 32 (&HFFFFFFFF = -1).
RadixResult scanRadix(Cursor& cursor, int radix, double& value)
{
    unsigned long long number = 0;
    bool anyDigit = false;
    bool tooLarge = false;
    for (;;) {
        const char16_t c = cursor.peek();
        int digit;
        if (isDigit(c))
            digit = c - u'0';
        else if (c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            break;
        if (digit >= radix)
            break;
        number = number * radix + digit;
        tooLarge = tooLarge || number > 0xFFFFFFFFull;
        anyDigit = true;
        cursor.next();
    }
    if (!anyDigit)
        return RadixResult::NoDigits;
    if (tooLarge)
        return RadixResult::Overflow;
    value = number <= 0xFFFF ? static_cast<double>(static_cast<int16_t>(number))
                             : static_cast<double>(static_cast<int32_t>(number));
    return RadixResult::Number;
}

// 16 for "&H", 8 for "&O", 0 when the cursor is not at such a prefix (then it stays put).
int radixPrefix(Cursor& cursor)
{
    if (cursor.peek() != u'&')
        return 0;
    const qsizetype start = cursor.position();
    cursor.next();
    const char16_t mark = cursor.peek();
    if (mark == u'H' || mark == u'h' || mark == u'O' || mark == u'o') {
        cursor.next();
        return mark == u'H' || mark == u'h' ? 16 : 8;
    }
    cursor.reset(start);
    return 0;
}

bool isBlankOrTab(QChar c) { return c == u' ' || c == u'\t'; }

} // namespace

NumericTextResult parseNumericText(QStringView text, double& value)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlankOrTab(text[first]))
        ++first;
    while (last > first && isBlankOrTab(text[last - 1]))
        --last;
    const QStringView body = text.sliced(first, last - first);
    if (body.isEmpty())
        return NumericTextResult::NotNumeric;

    Cursor cursor(body, false);
    if (const int radix = radixPrefix(cursor)) {
        const RadixResult result = scanRadix(cursor, radix, value);
        if (result == RadixResult::NoDigits || !cursor.atEnd())
            return NumericTextResult::NotNumeric;
        return result == RadixResult::Overflow ? NumericTextResult::Overflow
                                               : NumericTextResult::Number;
    }
    const DecimalScan scan = scanDecimal(cursor, true);
    if (!scan.anyDigit || scan.exponentIncomplete || !cursor.atEnd())
        return NumericTextResult::NotNumeric;
    if (scan.overflow)
        return NumericTextResult::Overflow;
    value = scan.value;
    return NumericTextResult::Number;
}

namespace {

// The plain form "[-+]digits[,digits][.digits]" with blanks or tabs around it and at most 15
// significant digits; false for anything else, which the general reader then handles.
bool readPlainDecimal(QStringView text, DecimalDigits& digits)
{
    qsizetype pos = 0;
    qsizetype end = text.size();
    while (pos < end && isBlankOrTab(text[pos]))
        ++pos;
    while (end > pos && isBlankOrTab(text[end - 1]))
        --end;
    if (pos < end && (text[pos] == u'-' || text[pos] == u'+')) {
        digits.negative = text[pos] == u'-';
        ++pos;
    }
    int count = 0;
    int pointPos = 0;
    bool anyDigit = false;
    bool inFraction = false;
    for (; pos < end; ++pos) {
        const char16_t c = text[pos].unicode();
        if (isDigit(c)) {
            anyDigit = true;
            if (count == 0 && c == u'0') {  // a leading zero
                if (inFraction)
                    --pointPos;
                continue;
            }
            if (count == 15)
                return false;
            digits.digits[count++] = char(c);
            if (!inFraction)
                ++pointPos;
        } else if (c == u',' && anyDigit && !inFraction) {
            continue;
        } else if (c == u'.' && !inFraction) {
            inFraction = true;
        } else {
            return false;
        }
    }
    if (!anyDigit || pointPos < -300)  // far below any decimals a pattern shows: let the Double decide
        return false;
    while (count > 0 && digits.digits[count - 1] == '0')
        --count;
    digits.count = count;
    digits.pointPos = count == 0 ? 0 : pointPos;
    return true;
}

} // namespace

NumericTextResult parseNumericTextDigits(QStringView text, DecimalDigits& digits)
{
    digits = DecimalDigits();
    if (readPlainDecimal(text, digits))
        return NumericTextResult::Number;
    double value = 0;
    const NumericTextResult result = parseNumericText(text, value);
    if (result == NumericTextResult::Number)
        digits = DecimalDigits::fromDouble(value);
    return result;
}

double parseLeadingNumber(QStringView text)
{
    Cursor cursor(text, true);
    if (const int radix = radixPrefix(cursor)) {
        double value = 0;
        if (scanRadix(cursor, radix, value) == RadixResult::Overflow)
            throw overflowError();
        return value;
    }
    const DecimalScan scan = scanDecimal(cursor, false);
    if (scan.overflow)
        throw overflowError();
    return scan.value;
}

} // namespace vb::detail
