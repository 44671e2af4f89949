#include "tradequery/window/ToolbarCommands.h"

#include "tradequery/host/InfoBox.h"
#include "tradequery/window/BrowseBase.h"
#include "tradequery/window/PriceTrendView.h"
#include "tradequery/window/TreeCollaborators.h"

#include <QAction>
#include <QToolBar>

namespace tq {

namespace {

// Toolbar keys and the command each one runs.
const std::pair<const char*, const char*> kButtonCommands[] = {
    {"ByCompany", command::PartnerView}, {"ByItem", command::ItemView},
    {"Find", command::Find},             {"Property", command::QueryProperty},
    {"Sort", command::Sort},             {"Filter", command::Filter},
    {"Print", command::Print},           {"PrintView", command::PrintPreview},
    {"Exit", command::Close},            {"refresh", command::Refresh},
    {"search", command::QuickSearch},
};

} // namespace

ToolbarCommands::ToolbarCommands(BrowseBase& window) : QObject(&window), m_window(window)
{
    setCommand(command::PartnerView, [this] { m_window.treeCollaborators().ShowPartnerView(); });
    setCommand(command::ItemView, [this] { m_window.treeCollaborators().ShowItemView(); });
    setCommand(command::QueryProperty, [this] { m_window.ShowQueryProperty(); });
    setCommand(command::Refresh, [this] { m_window.Refresh(); });
    setCommand(command::Close, [this] { m_window.CloseWindow(); });

    connectMenu("mnuFilePrint", command::Print);
    connectMenu("mnuFilePrintSetup", command::PrintSetup);
    connectMenu("mnuFilePreview", command::PrintPreview);
    connectMenu("mnuFileOut", command::Export);
    connectMenu("mnuFileClose", command::Close);
    connectMenu("mnuView_Find", command::Find);
    connectMenu("mnuView_Sort", command::Sort);
    connectMenu("mnuView_Filter", command::Filter);
    connectMenu("mnuVCompany", command::PartnerView);
    connectMenu("mnuVBaseICItem", command::ItemView);
    connectMenu("mnuProperty", command::QueryProperty);
    connectMenu("mnuSFont", command::GridFont);
    connectMenu("mnuViewRefresh", command::Refresh);
    connectMenu("mnuViewToolbar", [this] { mnuViewToolbar_Click(); });
    connectMenu("mnuViewToolbarLable", [this] { mnuViewToolbarLable_Click(); });
    connectMenu("mnuViewStatusBar", [this] { mnuViewStatusBar_Click(); });
    connectMenu("mnuViewPriceTrend", [this] { m_window.priceTrend().mnuViewPriceTrend_Click(); });

    QToolBar* toolbar = m_window.browseControls().tbToolBar;
    connect(toolbar, &QToolBar::actionTriggered, this,
            [this](QAction* button) { tbToolBar_ButtonClick(button->data().toString()); });
}

void ToolbarCommands::setCommand(const QString& name, Command command)
{
    m_commands.insert(name, std::move(command));
}

void ToolbarCommands::run(const QString& name)
{
    const Command command = m_commands.value(name);
    if (!command)
        return;
    // A host failure in a command (the security object cannot be made, ...) must not leave
    // through the event loop: the user reads it.
    try {
        command();
    } catch (const com::ComError& error) {
        InfoBox(error.description());
    }
}

void ToolbarCommands::tbToolBar_ButtonClick(const QString& key)
{
    for (const auto& [buttonKey, commandName] : kButtonCommands) {
        if (key == QLatin1String(buttonKey)) {
            run(QLatin1String(commandName));
            return;
        }
    }
}

void ToolbarCommands::connectMenu(const char* name, const char* commandName)
{
    const QString commandText = QLatin1String(commandName);
    connectMenu(name, [this, commandText] { run(commandText); });
}

void ToolbarCommands::connectMenu(const char* name, std::function<void()> handler)
{
    QAction* item = m_window.menuItem(QLatin1String(name));
    // A checkable item's own check toggle is undone: its command decides the check marks.
    connect(item, &QAction::triggered, this, [item, handler = std::move(handler)] {
        if (item->isCheckable())
            item->setChecked(!item->isChecked());
        try {
            handler();
        } catch (const com::ComError& error) {
            InfoBox(error.description());
        }
    });
}

namespace {

void invertCheck(BrowseBase& window, const char* name)
{
    QAction* item = window.menuItem(QLatin1String(name));
    item->setChecked(!item->isChecked());
}

} // namespace

void ToolbarCommands::mnuViewToolbar_Click()
{
    invertCheck(m_window, "mnuViewToolbar");
    m_window.LayoutControls(0, 0, 5);
}

void ToolbarCommands::mnuViewToolbarLable_Click()
{
    invertCheck(m_window, "mnuViewToolbarLable");
    m_window.LayoutControls(0, 0, 5);
}

void ToolbarCommands::mnuViewStatusBar_Click()
{
    invertCheck(m_window, "mnuViewStatusBar");
    m_window.LayoutControls(0, 0, 4);
}

} // namespace tq
