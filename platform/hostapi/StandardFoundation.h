#pragma once
// The foundation library's global function object as the host library ships it.
#include "platform/hostapi/Foundation.h"

namespace hostapi {

class StandardFoundation : public Foundation {
public:
    // One pass over the template: "%" followed by digits takes the longest run of those digits
    // that numbers an argument ("%10" is argument 10 when there are ten, else argument 1
    // followed by "0"). A placeholder without an argument ("%3" with two, "%0") stays as
    // written, and so does every other "%". Replaced text is never scanned again.
    QString Format(const QString& templateText, const QVariantList& args) override;

    // The text an argument stands as: null as "", Booleans as "True"/"False", dates as
    // yyyy-MM-dd (with hh:mm:ss when they have a time), numbers in their shortest form.
    static QString argumentText(const QVariant& value);
};

} // namespace hostapi
