#pragma once
// The host's value helpers (a host global object, beside the settings store).
#include "platform/com/ObjectFactory.h"

#include <QVariant>

class QToolBar;

namespace hostapi {

class ValueConvert : public com::ComObject {
public:
    // The value, or defaultValue when the value is null (an invalid QVariant, or a null
    // pointer). Empty text is a value, not null.
    virtual QVariant ValueOrDefault(const QVariant& value, const QVariant& defaultValue) = 0;
    // Shows or hides the captions of all buttons of the toolbar.
    virtual void ShowToolbarLabels(QToolBar* toolbar, bool showLabels) = 0;
};

} // namespace hostapi
