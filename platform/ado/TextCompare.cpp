#include "platform/ado/TextCompare.h"

#include <QChar>
#include <string_view>

namespace ado::text {

namespace {

inline char16_t fold(char16_t unit)
{
    if (unit < 0x80)
        return (unit >= u'A' && unit <= u'Z') ? char16_t(unit + (u'a' - u'A')) : unit;
    return QChar::toCaseFolded(unit);
}

inline bool sameFolded(QStringView text, qsizetype from, QStringView foldedPart)
{
    for (qsizetype i = 0; i < foldedPart.size(); ++i) {
        if (fold(text[from + i].unicode()) != foldedPart[i].unicode())
            return false;
    }
    return true;
}

} // namespace

QStringView withoutTrailingBlanks(QStringView text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    return text.first(end);
}

QString folded(QStringView text)
{
    QString result(text.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(result.data());
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = fold(text[i].unicode());
    return result;
}

QString comparisonKey(QStringView text)
{
    return folded(withoutTrailingBlanks(text));
}

int compareKeys(QStringView leftKey, QStringView rightKey)
{
    const std::u16string_view left(reinterpret_cast<const char16_t*>(leftKey.utf16()),
                                   size_t(leftKey.size()));
    const std::u16string_view right(reinterpret_cast<const char16_t*>(rightKey.utf16()),
                                    size_t(rightKey.size()));
    return left.compare(right);
}

int compare(QStringView left, QStringView right)
{
    left = withoutTrailingBlanks(left);
    right = withoutTrailingBlanks(right);
    const qsizetype common = std::min(left.size(), right.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t a = fold(left[i].unicode());
        const char16_t b = fold(right[i].unicode());
        if (a != b)
            return a < b ? -1 : 1;
    }
    if (left.size() == right.size())
        return 0;
    return left.size() < right.size() ? -1 : 1;
}

bool startsWithFolded(QStringView text, QStringView foldedPrefix)
{
    return foldedPrefix.size() <= text.size() && sameFolded(text, 0, foldedPrefix);
}

bool containsFolded(QStringView text, QStringView foldedPart)
{
    if (foldedPart.isEmpty())
        return true;
    const char16_t first = foldedPart[0].unicode();
    const QStringView rest = foldedPart.sliced(1);
    for (qsizetype from = 0; from + foldedPart.size() <= text.size(); ++from) {
        if (fold(text[from].unicode()) == first && sameFolded(text, from + 1, rest))
            return true;
    }
    return false;
}

} // namespace ado::text
