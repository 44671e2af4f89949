#pragma once
// The foundation library's global function object. Its other class the component uses, the
// string-keyed dictionary, is StringDictionary.
#include "platform/com/ObjectFactory.h"

#include <QString>
#include <QVariantList>

namespace hostapi {

class Foundation : public com::ComObject {
public:
    // The template with "%1", "%2", ... replaced by the arguments in order.
    virtual QString Format(const QString& templateText, const QVariantList& args) = 0;
};

} // namespace hostapi
