#pragma once
// The browse window's side of the condition dialog: the filter, sort and find commands that
// open it, and the handlers of its three events.
//
// - Filter runs the history again with the dialog's condition added (mode 2 of the history
//   statement) for the item and partner of the last node click.
// - Sort orders the rows already loaded and keeps the order for the next refresh.
// - Find steps through the loaded rows that match the dialog's texts, in the order the ledger
//   shows them; each find shows the next match, and at the end asks whether to start again.
//
// The window creates it (with its dialog) at load and releases both at unload.
#include <QObject>
#include <QWidget>
#include <QString>
#include <cstdint>
#include <memory>

namespace tq {

class BrowseContext;
class frmFind;

class LedgerConditions : public QObject {
    Q_OBJECT
public:
    // Creates the window's condition dialog (a child of dialogParent, the window) and connects
    // its events to the handlers.
    LedgerConditions(BrowseContext& window, QWidget* dialogParent);
    ~LedgerConditions() override;

    frmFind& dialog() { return *m_frmF; }

    // The menu and toolbar commands. Filter and sort refuse with "当前没有数据!" while a node with
    // children (the root or a group) is selected; find refuses when the ledger holds no rows.
    void FilterCommand();
    void SortCommand();
    void FindCommand();

    // The dialog's events.
    void frmF_FilterNow(const QString& strFilter);
    void frmF_SortNow(const QString& strSort);
    void frmF_FindNow(int32_t SearchMode, int32_t MatchMode, const QString& strFind);

    // The sort last applied through the dialog ("" until then), re-applied by every refresh.
    const QString& CurrentSort() const { return m_currentSort; }
    // How many matches of the current find have been shown.
    int32_t FindHitCount() const { return m_findHitCount; }
    // Set by the refresh: the next find starts again at the first match.
    void setResetFindCount(bool value) { m_resetFindCount = value; }
    bool ResetFindCount() const { return m_resetFindCount; }

    // The find criteria of the dialog's texts (FindText of each field), terms joined with
    // " AND ": exact (SearchMode 0) or fuzzy (1) as each field's type allows.
    static QString FindCriteria(int32_t SearchMode);

private:
    bool selectedNodeHasChildren() const;
    void showDialog(int32_t actionMode);

    BrowseContext& m_window;
    std::unique_ptr<frmFind> m_frmF;
    QString m_currentSort;
    int32_t m_findHitCount = 0;
    bool m_resetFindCount = false;
};

} // namespace tq
