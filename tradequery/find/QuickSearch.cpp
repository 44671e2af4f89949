#include "tradequery/find/QuickSearch.h"

#include "platform/controls/TreeView.h"
#include "platform/vb/Conversion.h"
#include "platform/win/MsgBox.h"
#include "tradequery/find/frmSearch.h"
#include "tradequery/host/HostCalls.h"
#include "tradequery/host/Messages.h"
#include "tradequery/tree/BrowseContext.h"
#include "tradequery/tree/TreeNodeKeys.h"

#include <QAction>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace tq {

namespace {

// The lists, exactly as the host is asked for them.
const QLatin1String kMaterials(
    "select FItemID,FName,FFullName,isnull(FHelpCode,'') as FHelpCode,FNumber,isnull(FModel,'') as FModel,"
    "FParentID from t_ICItem where FDeleted=0 order by FNumber");
const QLatin1String kCustomers(
    "select FItemID,FName,FFullName,isnull(FHelpCode,'') as FHelpCode,FNumber,FParentID from t_Organization "
    "where FDeleted=0 order by FNumber");
const QLatin1String kSuppliers(
    "select FItemID,FName,FFullName,isnull(FHelpCode,'')as FHelpCode,FNumber,FParentID from t_Supplier "
    "where FDeleted=0 order by FNumber");

} // namespace

QuickSearch::QuickSearch(BrowseContext& window, TreeActions tree, QObject* parent)
    : QObject(parent), m_window(window), m_tree(std::move(tree))
{
}

QuickSearch::~QuickSearch() = default;

bool QuickSearch::itemViewShown() const
{
    QAction* itemView = m_window.menuItem(QStringLiteral("mnuVBaseICItem"));
    return itemView && itemView->isChecked();
}

void QuickSearch::SearchCommand()
{
    QString area;
    QString caption;
    if (itemViewShown()) {
        area = QStringLiteral("代码,名称,规格型号");
        if (!m_itemSearchList)
            m_itemSearchList = CnExecute(kMaterials);
        m_quickSearchList = m_itemSearchList;
        caption = QStringLiteral("    物料");
    } else {
        area = QStringLiteral("代码,名称");
        const bool customers = m_window.QueryType() == 1;
        if (!m_partnerSearchList)
            m_partnerSearchList = CnExecute(customers ? kCustomers : kSuppliers);
        m_quickSearchList = m_partnerSearchList;
        caption = customers ? QStringLiteral("    客户") : QStringLiteral("  供应商");
    }
    if (!m_frmSch) {
        m_frmSch = std::make_unique<frmSearch>(qobject_cast<QWidget*>(parent()));
        connect(m_frmSch.get(), &frmSearch::Search, this, &QuickSearch::frmSch_Search);
    }
    m_frmSch->SearchItem(QStringLiteral("SearchItem"), LangText(area), QString(), LangText(caption));
}

void QuickSearch::frmSch_Search(const QString& SearchKey, const QString& Filter, bool WithCase,
                                const QString& SearchArea)
{
    Q_UNUSED(SearchKey);
    // An earlier walk may have left the cursor past the end; only an empty list has nothing.
    ado::Recordset* list = m_quickSearchList.get();
    if (!list || list->RecordCount() == 0)
        return;
    int32_t hit = 0;
    const long rows = list->RecordCount();
    if (rows >= m_quickSearchPos + 1)
        hit = SearchRows(m_quickSearchPos + 1, static_cast<int32_t>(rows), Filter, WithCase, SearchArea);
    if (hit < 1)
        hit = SearchRows(1, m_quickSearchPos, Filter, WithCase, SearchArea);
    if (hit < 1) {
        win::MsgBox(LangText(QStringLiteral("未找到符合的记录!")), win::vbInformation, LangText(QStringLiteral("青禾提示")));
        return;
    }
    m_quickSearchPos = hit;
    list->SetAbsolutePosition(hit);
    int32_t id = vb::CLng(list->value(QStringLiteral("FItemID")));
    const int32_t parent = vb::CLng(list->value(QStringLiteral("FParentID")));

    // The hit's group and the hit by their keys, found at once however large the tree.
    controls::TreeNodes& nodes = m_window.tvwBase().Nodes();
    if (parent != 0 && nodes.Exists(groupKey(parent)))
        m_tree.LoadChildNodes(nodes.Item(groupKey(parent)));
    if (id != 0 && nodes.Exists(detailKey(id)))
        m_tree.SelectNodeById(id);
}

int32_t QuickSearch::SearchRows(int32_t first, int32_t last, const QString& text, bool WithCase,
                                const QString& SearchArea)
{
    Q_UNUSED(SearchArea);
    if (last < first)
        return 0;
    const QStringList fields = itemViewShown() ? QStringList{QStringLiteral("FNumber"), QStringLiteral("FName"), QStringLiteral("FModel")}
                                               : QStringList{QStringLiteral("FNumber"), QStringLiteral("FName")};
    ado::Recordset* list = m_quickSearchList.get();
    if (!list || list->RecordCount() == 0)
        return 0;
    last = std::min<int32_t>(last, static_cast<int32_t>(list->RecordCount()));
    if (first < 1 || last < first)
        return 0;
    // The column indexes are looked up once; the walk reads the stored rows directly and
    // compares the texts in place.
    std::vector<int> columns;
    for (const QString& field : fields) {
        const int index = FieldIndexByName(field);
        if (index >= 0)
            columns.push_back(index);
    }
    const Qt::CaseSensitivity sensitivity = WithCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    list->SetAbsolutePosition(first);
    for (int32_t row = first; row <= last; ++row) {
        for (int column : columns) {
            const QVariant& value = list->value(column);
            const bool found = value.typeId() == QMetaType::QString
                                   ? static_cast<const QString*>(value.constData())->contains(text, sensitivity)
                                   : value.toString().contains(text, sensitivity);
            if (found)
                return row;
        }
        if (row < last)
            list->MoveNext();
    }
    return 0;
}

int32_t QuickSearch::FieldIndexByName(const QString& name) const
{
    if (!m_quickSearchList)
        return -1;
    const ado::Fields fields = m_quickSearchList->Fields();
    for (int i = 0; i < fields.Count(); ++i) {
        if (fields.Item(i).Name() == name)
            return i;
    }
    return -1;
}

} // namespace tq
