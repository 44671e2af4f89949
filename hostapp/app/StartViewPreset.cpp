#include "hostapp/app/StartViewPreset.h"

#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/hostapi/HostGlobals.h"

namespace zelhost {

StartView startViewFor(const HostOptions& options)
{
    if (options.view != StartView::Stored)
        return options.view;
    const bool item = !options.itemNumber.isEmpty();
    const bool partner = !options.partnerNumber.isEmpty();
    // The asked-for node is found only in the view that shows it.
    if (item && !partner)
        return StartView::Item;
    if (partner && !item)
        return StartView::Partner;
    return StartView::Stored;
}

void presetStartView(StartView view)
{
    if (view == StartView::Stored)
        return;
    const auto store = hostapi::globals().settingsStore();
    if (!store)
        throw com::ComError(com::VB_OBJECT_REQUIRED, QStringLiteral("zelhost"),
                            QStringLiteral("主程序还没有设置存储，无法预设查询视图。"));
    store->Save(QStringLiteral("ComTradeQuery"), QStringLiteral("ByCompany"), view == StartView::Partner ? 1 : 2);
}

} // namespace zelhost
