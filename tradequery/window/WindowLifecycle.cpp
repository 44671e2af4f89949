#include "tradequery/window/WindowLifecycle.h"

#include "platform/controls/Ledger50.h"
#include "platform/controls/TreeView.h"
#include "tradequery/find/LedgerConditions.h"
#include "tradequery/host/LayoutProfile.h"
#include "tradequery/window/BrowseBase.h"
#include "tradequery/window/GridFont.h"
#include "tradequery/window/PriceTrendView.h"
#include "tradequery/host/Steps.h"
#include "tradequery/window/TreeCollaborators.h"
#include "tradequery/window/WindowDesign.h"

#include <QAction>

namespace tq {

void LoadWindow(BrowseBase& window)
{
    SetCaptions(window, window.browseControls(), window.QueryType());
    step([&] { window.setConditions(std::make_unique<LedgerConditions>(window, &window)); });
    step([&] { window.treeCollaborators().StartUp(); });
    step([&] { window.priceTrend().Restore(); });
    RestoreGridFont(window);
}

void UnloadWindow(BrowseBase& window)
{
    step([&] { window.SaveColumnWidths(); });
    window.setAppliedFontSize(0);
    step([&] {
        const controls::Node selected = window.tvwBase().SelectedItem();
        SaveLayoutSetting(QStringLiteral("tvwKey"), selected.isNull() ? QString() : selected.Key());
    });
    step([&] { SaveLayoutSetting(QStringLiteral("ShowViewBy"), window.ShowViewBy()); });
    step([&] { SaveLayoutSetting(QStringLiteral("blBatchSort"), window.treeBatchSort() ? 1 : 0); });
    step([&] {
        QAction* byCompany = window.toolbarButton(QStringLiteral("ByCompany"));
        SaveLayoutSetting(QStringLiteral("ByCompany"), byCompany && byCompany->isChecked() ? 1 : 2);
    });
    step([&] { window.priceTrend().Save(); });
    step([&] { window.setConditions(nullptr); });
    step([&] { window.setLedgerObject(nullptr); });
    step([&] { window.releaseTreeBuilder(); });
}

} // namespace tq
