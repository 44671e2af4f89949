#include "tradequery/host/SharedValues.h"

#include "platform/hostapi/SharedDictionaryProperty.h"
#include "platform/vb/Conversion.h"

namespace tq {

QVariant GetSharedValue(const QString& key, const QVariant& defaultValue)
{
    try {
        // Borrowed for this lookup only: the host owns the dictionary.
        hostapi::SharedDictionary* dictionary = hostapi::publishedSharedDictionary();
        if (!dictionary || !dictionary->Lookup(key))
            return defaultValue;
        return dictionary->Item(key);
    } catch (...) {
        return defaultValue;
    }
}

win::Handle GetMainFormWnd()
{
    return vb::CLng(GetSharedValue(QStringLiteral("MainFormWnd"), 0));
}

} // namespace tq
