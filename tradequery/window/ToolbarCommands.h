#pragma once
// The browse window's commands: the menu items and the toolbar buttons lead to the same
// command, a button by its key. The frame's own commands (the two views, refresh, query
// options, close, the view toggles) are wired here; print, export, grid font, find, sort,
// filter and the quick search are set by their own parts with setCommand.
#include <QHash>
#include <QObject>
#include <QString>
#include <functional>

class QAction;

namespace tq {

class BrowseBase;

namespace command {
inline constexpr char PartnerView[] = "PartnerView";
inline constexpr char ItemView[] = "ItemView";
inline constexpr char Find[] = "Find";
inline constexpr char Sort[] = "Sort";
inline constexpr char Filter[] = "Filter";
inline constexpr char Print[] = "Print";
inline constexpr char PrintPreview[] = "PrintPreview";
inline constexpr char PrintSetup[] = "PrintSetup";
inline constexpr char Export[] = "Export";
inline constexpr char GridFont[] = "GridFont";
inline constexpr char QueryProperty[] = "QueryProperty";
inline constexpr char Refresh[] = "Refresh";
inline constexpr char QuickSearch[] = "QuickSearch";
inline constexpr char Close[] = "Close";
} // namespace command

class ToolbarCommands : public QObject {
    Q_OBJECT
public:
    using Command = std::function<void()>;

    explicit ToolbarCommands(BrowseBase& window);

    // Sets (or replaces) what a command does; an empty function makes it do nothing.
    void setCommand(const QString& name, Command command);
    // Runs a command; one that nobody set does nothing.
    void run(const QString& name);

    // The toolbar's button click: the command of the button's key, by exact comparison; any
    // other key does nothing.
    void tbToolBar_ButtonClick(const QString& key);

    // The three view toggles: each inverts its own check mark, then lays the window out again.
    void mnuViewToolbar_Click();
    void mnuViewToolbarLable_Click();
    void mnuViewStatusBar_Click();

private:
    void connectMenu(const char* name, const char* commandName);
    void connectMenu(const char* name, std::function<void()> handler);

    BrowseBase& m_window;
    QHash<QString, Command> m_commands;
};

} // namespace tq
