#include "platform/win/Twips.h"

#include "platform/com/ComError.h"

#include <cmath>

namespace win::twips {

namespace {

// The error names the window the control sits on, as a form's property error does.
void refuseNegative(const QWidget* widget, long value)
{
    if (value < 0)
        throw com::ComError(380, widget->window()->objectName(), QStringLiteral("无效的属性值"));
}

} // namespace

long toTwips(int pixels)
{
    return static_cast<long>(pixels) * PerPixel;
}

int toPixels(long twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / PerPixel));
}

long Left(const QWidget* widget) { return toTwips(widget->x()); }
long Top(const QWidget* widget) { return toTwips(widget->y()); }
long Width(const QWidget* widget) { return toTwips(widget->width()); }
long Height(const QWidget* widget) { return toTwips(widget->height()); }

void setLeft(QWidget* widget, long value) { widget->move(toPixels(value), widget->y()); }
void setTop(QWidget* widget, long value) { widget->move(widget->x(), toPixels(value)); }

void setWidth(QWidget* widget, long value)
{
    refuseNegative(widget, value);
    widget->resize(toPixels(value), widget->height());
}

void setHeight(QWidget* widget, long value)
{
    refuseNegative(widget, value);
    widget->resize(widget->width(), toPixels(value));
}

} // namespace win::twips
