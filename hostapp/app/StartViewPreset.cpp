#include "hostapp/app/StartViewPreset.h"

#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/hostapi/HostGlobals.h"

namespace zelhost {

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
