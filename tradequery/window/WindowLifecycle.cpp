#include "tradequery/window/WindowLifecycle.h"

#include "platform/controls/Ledger50.h"
#include "platform/controls/TreeView.h"
#include "tradequery/host/KeyValueText.h"
#include "tradequery/host/LayoutProfile.h"
#include "tradequery/window/BrowseBase.h"
#include "tradequery/window/IgnoreErrors.h"
#include "tradequery/window/TreeCollaborators.h"
#include "tradequery/window/WindowDesign.h"

#include <QAction>

namespace tq {

namespace {

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
    IgnoreErrors([&] {
        value = GetUserProfileValue(QLatin1String(kProfileApplication), QLatin1String(BrowseBase::kWindowName),
                                    QStringLiteral("GridFont"), QString())
                    .toString();
    });
    if (value.isEmpty()) {
        // The report font size of the host is applied by the grid-font part when it is there.
        window.setAppliedFontSize(0);
        return;
    }
    IgnoreErrors([&] { window.ldgBase().setFont(GridFontFromProfile(value, window.ldgBase().font())); });
    IgnoreErrors([&] { window.tvwBase().setFont(window.ldgBase().font()); });
}

} // namespace

QFont GridFontFromProfile(const QString& value, QFont font)
{
    const QString separator = QStringLiteral("|");
    IgnoreErrors([&] {
        const QString name = GetKeyValue(value, QStringLiteral("FontName"), separator);
        if (!name.isEmpty())
            font.setFamily(name);
    });
    IgnoreErrors([&] {
        bool ok = false;
        const double size = GetKeyValue(value, QStringLiteral("FontSize"), separator).toDouble(&ok);
        if (ok && size > 0)
            font.setPointSizeF(size);
    });
    IgnoreErrors([&] { font.setBold(profileBoolean(GetKeyValue(value, QStringLiteral("FontBold"), separator))); });
    IgnoreErrors([&] { font.setItalic(profileBoolean(GetKeyValue(value, QStringLiteral("FontItalic"), separator))); });
    return font;
}

void LoadWindow(BrowseBase& window)
{
    SetCaptions(window, window.browseControls(), window.QueryType());
    // The condition dialog (frmF) comes with the find part.
    IgnoreErrors([&] { window.treeCollaborators().StartUp(); });
    applyGridFont(window);
}

void UnloadWindow(BrowseBase& window)
{
    IgnoreErrors([&] { window.SaveColumnWidths(); });
    window.setAppliedFontSize(0);
    IgnoreErrors([&] {
        const controls::Node selected = window.tvwBase().SelectedItem();
        SaveLayoutSetting(QStringLiteral("tvwKey"), selected.isNull() ? QString() : selected.Key());
    });
    IgnoreErrors([&] { SaveLayoutSetting(QStringLiteral("ShowViewBy"), window.ShowViewBy()); });
    IgnoreErrors([&] { SaveLayoutSetting(QStringLiteral("blBatchSort"), window.treeBatchSort() ? 1 : 0); });
    IgnoreErrors([&] {
        QAction* byCompany = window.toolbarButton(QStringLiteral("ByCompany"));
        SaveLayoutSetting(QStringLiteral("ByCompany"), byCompany && byCompany->isChecked() ? 1 : 2);
    });
    IgnoreErrors([&] { window.setLedgerObject(nullptr); });
    IgnoreErrors([&] { window.releaseTreeBuilder(); });
}

} // namespace tq
