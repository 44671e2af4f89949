#pragma once
// Conversions between the ledger's outside units and Qt's: lengths in twips (1/1440 inch, so
// 15 twips per pixel at 96 dpi) and colours as 0x00BBGGRR numbers.
#include <QColor>
#include <cmath>

namespace controls {

constexpr int TWIPS_PER_INCH = 1440;

inline int twipsToPixels(long twips, double dpi)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / TWIPS_PER_INCH));
}

inline long pixelsToTwips(double pixels, double dpi)
{
    return std::lround(pixels * TWIPS_PER_INCH / dpi);
}

// Colours travel as 0x00BBGGRR: red in the low byte.
inline QColor colorFromBgr(long bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

inline long bgrFromColor(const QColor& color)
{
    return static_cast<long>(color.red()) | (static_cast<long>(color.green()) << 8)
           | (static_cast<long>(color.blue()) << 16);
}

} // namespace controls
