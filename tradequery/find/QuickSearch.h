#pragma once
// The browse window's quick search: a list of every material (item view) or every customer or
// supplier (partner view), loaded once per window and view, walked from the row after the last
// hit to the end and then from the top up to the last hit; a hit is selected in the tree
// (its group loaded first), which lists its history.
#include "platform/ado/Recordset.h"
#include "platform/controls/TreeViewNode.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace tq {

class BrowseContext;
class frmSearch;

class QuickSearch : public QObject {
    Q_OBJECT
public:
    // What a hit does to the tree: load a group's children, select (and click) a node by the
    // identifier it stands for.
    struct TreeActions {
        std::function<void(controls::Node)> LoadChildNodes;
        std::function<void(int32_t&)> SelectNodeById;
    };

    QuickSearch(BrowseContext& window, TreeActions tree, QObject* parent = nullptr);
    ~QuickSearch() override;

    // The quick-search command (toolbar "定位"): loads the view's list once, then shows the dialog.
    void SearchCommand();

    // The dialog's find-next: the next row of the list that holds Filter in a searched field;
    // "未找到符合的记录!" when no row does.
    void frmSch_Search(const QString& SearchKey, const QString& Filter, bool WithCase, const QString& SearchArea);

    // The 1-based position of the first row in first..last whose code, name (or, in the item
    // view, model) holds text; 0 when none does. SearchArea is not used.
    int32_t SearchRows(int32_t first, int32_t last, const QString& text, bool WithCase, const QString& SearchArea);

    // The 0-based index of the list's column named exactly name, -1 when there is none.
    int32_t FieldIndexByName(const QString& name) const;

    // The position of the last hit (0: none); the view switches set it back to 0.
    int32_t QuickSearchPos() const { return m_quickSearchPos; }
    void setQuickSearchPos(int32_t position) { m_quickSearchPos = position; }

    // The dialog, once the first quick search created it.
    frmSearch* dialog() const { return m_frmSch.get(); }

private:
    bool itemViewShown() const;

    BrowseContext& m_window;
    TreeActions m_tree;
    std::unique_ptr<frmSearch> m_frmSch;
    ado::RecordsetPtr m_itemSearchList;
    ado::RecordsetPtr m_partnerSearchList;
    ado::RecordsetPtr m_quickSearchList;
    int32_t m_quickSearchPos = 0;
};

} // namespace tq
