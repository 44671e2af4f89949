#include "platform/hostapi/StandardValueConvert.h"

#include <QToolBar>

namespace hostapi {

QVariant StandardValueConvert::ValueOrDefault(const QVariant& value, const QVariant& defaultValue)
{
    // A database null arrives as an invalid QVariant. Text, even empty text, is a value.
    if (!value.isValid() || value.isNull())
        return defaultValue;
    return value;
}

void StandardValueConvert::ShowToolbarLabels(QToolBar* toolbar, bool showLabels)
{
    if (!toolbar)
        return;
    toolbar->setToolButtonStyle(showLabels ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
}

} // namespace hostapi
