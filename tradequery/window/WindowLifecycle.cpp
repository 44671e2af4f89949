#include "tradequery/window/WindowLifecycle.h"

#include "platform/controls/Ledger50.h"
#include "platform/controls/TreeView.h"
#include "tradequery/find/LedgerConditions.h"
#include "tradequery/host/KeyValueText.h"
#include "tradequery/host/LayoutProfile.h"
#include "tradequery/window/BrowseBase.h"
#include "tradequery/window/GridFont.h"
#include "tradequery/host/Steps.h"
#include "tradequery/window/TreeCollaborators.h"
#include "tradequery/window/WindowDesign.h"

#include <QAction>

namespace tq {

namespace {

constexpr double kSmallestStoredSize = 1;
constexpr double kLargestStoredSize = 400;

// A Boolean as the profile writes it: "True"/"False", or a number (non-zero is true).
bool profileBoolean(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0 || trimmed.isEmpty())
        return false;
    bool ok = false;
    const double number = trimmed.toDouble(&ok);
    if (!ok)
        throw com::ComError(13, QStringLiteral("BrowseBase"), QStringLiteral("类型不匹配"));
    return number != 0;
}

void applyGridFont(BrowseBase& window)
{
    QString value;
    step([&] {
        value = GetUserProfileValue(QLatin1String(kProfileApplication), QLatin1String(BrowseBase::kWindowName),
                                    QStringLiteral("GridFont"), QString())
                    .toString();
    });
    if (value.isEmpty()) {
        window.setAppliedFontSize(0);
        step([&] { ApplyReportFontSize(window); });
        return;
    }
    step([&] { window.ldgBase().setFont(GridFontFromProfile(value, window.ldgBase().font())); });
    step([&] { CopyGridFontToTree(window); });
}

} // namespace

QFont GridFontFromProfile(const QString& value, QFont font)
{
    const QString separator = QStringLiteral("|");
    step([&] {
        const QString name = GetKeyValue(value, QStringLiteral("FontName"), separator);
        if (!name.isEmpty())
            font.setFamily(name);
    });
    step([&] {
        bool ok = false;
        const double size = GetKeyValue(value, QStringLiteral("FontSize"), separator).toDouble(&ok);
        // A size no one could have chosen (a damaged value) keeps the grid's own size.
        if (ok && size >= kSmallestStoredSize && size <= kLargestStoredSize)
            font.setPointSizeF(size);
    });
    step([&] { font.setBold(profileBoolean(GetKeyValue(value, QStringLiteral("FontBold"), separator))); });
    step([&] { font.setItalic(profileBoolean(GetKeyValue(value, QStringLiteral("FontItalic"), separator))); });
    return font;
}

void LoadWindow(BrowseBase& window)
{
    SetCaptions(window, window.browseControls(), window.QueryType());
    step([&] { window.setConditions(std::make_unique<LedgerConditions>(window, &window)); });
    step([&] { window.treeCollaborators().StartUp(); });
    applyGridFont(window);
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
    step([&] { window.setConditions(nullptr); });
    step([&] { window.setLedgerObject(nullptr); });
    step([&] { window.releaseTreeBuilder(); });
}

} // namespace tq
