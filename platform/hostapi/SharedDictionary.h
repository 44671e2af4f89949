#pragma once
// The key/value object a host publishes once per process (its main window handle under
// "MainFormWnd", for one). It is found through a desktop-window property: see
// SharedDictionaryProperty.h.
#include "platform/com/ObjectFactory.h"

#include <QString>
#include <QVariant>

namespace hostapi {

class SharedDictionary : public com::ComObject {
public:
    // True when the key is present.
    virtual bool Lookup(const QString& key) = 0;
    // The value under key (the dictionary's default member).
    virtual QVariant Item(const QString& key) = 0;
};

} // namespace hostapi
