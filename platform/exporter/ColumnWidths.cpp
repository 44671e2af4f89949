#include "platform/exporter/ColumnWidths.h"

#include <algorithm>

namespace exporter {

namespace {

constexpr int margin = 2;
constexpr int narrowest = 6;
// A few very long texts should not push the other columns off the screen.
constexpr int widest = 60;

// East Asian wide characters: CJK, kana, hangul and full-width forms.
bool isWide(char16_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3)
        || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
        || (c >= 0xFFE0 && c <= 0xFFE6);
}

} // namespace

int ColumnWidths::textWidth(QStringView text)
{
    int width = 0;
    for (QChar c : text)
        width += isWide(c.unicode()) ? 2 : 1;
    return width;
}

void ColumnWidths::measure(int column, QStringView text)
{
    // Most cells are narrower than the widest so far; counting characters first is cheaper.
    if (text.size() * 2 <= m_widest[column])
        return;
    m_widest[column] = std::max(m_widest[column], textWidth(text));
}

double ColumnWidths::width(int column) const
{
    return std::clamp(m_widest[column] + margin, narrowest, widest);
}

} // namespace exporter
