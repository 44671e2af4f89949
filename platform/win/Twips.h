#pragma once
// Window geometry in twips, as the window's layout is written: 15 twips to a pixel. Reading
// gives the widget's place in its parent; a negative width or height is refused with the
// runtime's "invalid property value" (380), so the layout step that computed it is skipped.
#include <QWidget>

namespace win::twips {

constexpr long PerPixel = 15;

long toTwips(int pixels);
int toPixels(long twips);

long Left(const QWidget* widget);
long Top(const QWidget* widget);
long Width(const QWidget* widget);
long Height(const QWidget* widget);

void setLeft(QWidget* widget, long value);
void setTop(QWidget* widget, long value);
void setWidth(QWidget* widget, long value);
void setHeight(QWidget* widget, long value);

} // namespace win::twips
