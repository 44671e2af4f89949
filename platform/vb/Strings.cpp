#include "platform/vb/Strings.h"

namespace vb {

namespace {

qsizetype firstNonBlank(const QString& text)
{
    qsizetype pos = 0;
    while (pos < text.size() && text[pos] == u' ')
        ++pos;
    return pos;
}

qsizetype endOfNonBlank(const QString& text, qsizetype from)
{
    qsizetype end = text.size();
    while (end > from && text[end - 1] == u' ')
        --end;
    return end;
}

// A text without blanks to remove is returned shared, not copied.
QString slice(const QString& text, qsizetype from, qsizetype to)
{
    return from == 0 && to == text.size() ? text : text.sliced(from, to - from);
}

} // namespace

QString Trim(const QString& text)
{
    const qsizetype from = firstNonBlank(text);
    return slice(text, from, endOfNonBlank(text, from));
}

QString LTrim(const QString& text)
{
    return slice(text, firstNonBlank(text), text.size());
}

QString RTrim(const QString& text)
{
    return slice(text, 0, endOfNonBlank(text, 0));
}

} // namespace vb
