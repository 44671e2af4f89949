#pragma once
// The value helpers as every host needs them; a host may publish this one as its ValueConvert.
#include "platform/hostapi/ValueConvert.h"

namespace hostapi {

class StandardValueConvert : public ValueConvert {
public:
    QVariant ValueOrDefault(const QVariant& value, const QVariant& defaultValue) override;
    // Captions under the icons when shown, icons only when hidden; a null toolbar is ignored.
    void ShowToolbarLabels(QToolBar* toolbar, bool showLabels) override;
};

} // namespace hostapi
