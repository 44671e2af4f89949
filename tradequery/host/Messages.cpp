#include "tradequery/host/Messages.h"

#include "platform/hostapi/HostGlobals.h"
#include "platform/hostapi/StandardFoundation.h"

namespace tq {

QString LangText(const QString& text)
{
    return text;
}

QString FormatMsg(const QString& templateText, const QVariantList& args)
{
    if (auto foundation = hostapi::globals().foundation())
        return foundation->Format(templateText, args);
    hostapi::StandardFoundation standard;
    return standard.Format(templateText, args);
}

} // namespace tq
