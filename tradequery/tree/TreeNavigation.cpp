#include "tradequery/tree/TreeNavigation.h"

#include "platform/com/ErrorCodes.h"
#include "platform/controls/Ledger50.h"
#include "platform/controls/Ledger50Parts.h"
#include "platform/controls/TreeView.h"
#include "platform/hostapi/StringDictionary.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Format.h"
#include "platform/win/Screen.h"
#include "tradequery/history/BaseDetail.h"
#include "tradequery/history/HistoryStatement.h"
#include "tradequery/host/HostCalls.h"
#include "tradequery/host/InfoBox.h"
#include "tradequery/host/Messages.h"
#include "tradequery/host/Steps.h"
#include "tradequery/tree/TreeNodeKeys.h"
#include "tradequery/tree/BrowseContext.h"

#include <QAction>
#include <QSet>
#include <QTime>

namespace tq {

namespace {

// Constant-initialised: other translation units build statements during their own start-up.
constexpr QLatin1String kCrLf("\r\n");
constexpr QLatin1String kDataRightFrom("DataRightFrom");
constexpr QLatin1String kDataRightWhere("DataRightWhere");

double secondsSinceMidnight()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

// The rights part of a child statement: empty when there is no where-text.
QString childRightsCondition(const hostapi::StringDictionary& rights, const QString& partnerTable)
{
    const QString where = rights.Value(kDataRightWhere).toString();
    if (where.isEmpty())
        return QString();
    return QStringLiteral(" AND Exists(select 1 from ") + partnerTable + QStringLiteral(" ts1 ")
           + rights.Value(kDataRightFrom).toString() + kCrLf + QStringLiteral(" where ts1.FNumber like t1.FNumber + '%' AND ")
           + where + QLatin1Char(')');
}

void closeRecordset(const ado::RecordsetPtr& records)
{
    if (records && records->State() == ado::adStateOpen)
        records->Close();
}

} // namespace

TreeNavigation::TreeNavigation(BrowseContext& window) : m_window(window), m_clock(secondsSinceMidnight) {}

bool TreeNavigation::isChecked(const char* menuItemName) const
{
    QAction* item = m_window.menuItem(QString::fromLatin1(menuItemName));
    return item && item->isChecked();
}

BaseDetail& TreeNavigation::ledgerObject() const
{
    BaseDetail* detail = m_window.ledgerObject();
    if (!detail)
        throw com::ComError(com::vbError(91), QStringLiteral("TreeNavigation"),
                            QStringLiteral("对象变量或 With 块变量未设置"));
    return *detail;
}

QString TreeNavigation::elapsedText(double seconds)
{
    if (seconds > 1)
        return FormatMsg(QStringLiteral("%1 秒"), vb::Format(seconds, QStringLiteral("#.00")));
    return FormatMsg(QStringLiteral("%1 毫秒"), vb::Format(seconds * 1000, QStringLiteral("#.00")));
}

void TreeNavigation::NodeClick(controls::Node node)
{
    bool repeated = false;
    step([&] {
        repeated = node.Root().Text() == m_lastNodeClick.RootText && node.Key() == m_lastNodeClick.NodeKey
                   && !m_forceReload;
    });
    if (repeated)
        return;

    step([&] { m_lastNodeClick.RootText = node.Root().Text(); });
    if (m_lastNodeClick.Busy == 1)
        return;
    step([&] {
        m_lastNodeClick.NodeKey = node.Key();
        m_lastNodeClick.Busy = 1;
    });

    const int32_t queryType = m_window.QueryType();
    const QString partnerInfo = queryType == 1 ? QStringLiteral(" 客户信息") : QStringLiteral(" 供应商信息");
    QString classTitle;
    QString itemTitle;
    step([&] {
        const QString rootText = m_lastNodeClick.RootText;
        if (rootText == LangText(partnerRootCaption(queryType))) {
            classTitle = LangText(partnerInfo);
            itemTitle = LangText(QStringLiteral("物料信息"));
            m_partnerNodeIndex = node.Index();
        } else if (rootText == LangText(QStringLiteral("物料"))) {
            classTitle = LangText(QStringLiteral("物料信息"));
            itemTitle = LangText(partnerInfo);
            // An item stands for its group: the view switch comes back to the group.
            const bool isDetail = node.Key().contains(QLatin1String("gb")) && node.Index() != 1;
            m_itemClassNodeIndex = isDetail ? node.Parent().Index() : node.Index();
        }
    });

    step([&] { win::Screen::setMousePointer(win::vbHourglass); });
    const double start = m_clock();
    step([&] { m_window.setStatusText(QStringLiteral("Status"), LangText(QStringLiteral("正在获取数据,请稍候..."))); });
    step([&] { LoadChildNodes(node); });

    QString key;
    step([&] { key = node.Key(); });
    if (key.contains(QLatin1String("gb")))
        listHistory(key);
    else
        step([&] { ledgerObject().ClearRows(); });

    auto ledgerRows = [&] { return m_window.ldgBase().LedgerGrid().RowCount(); };
    step([&] {
        if (ledgerRows() > 1)
            m_window.ShowCurrentRowPrice();
    });

    step([&] {
        double elapsed = m_clock() - start;
        if (elapsed < 0)  // the load ran over midnight
            elapsed += 24 * 60 * 60;
        m_window.setStatusText(QStringLiteral("Passtime"), FormatMsg(QStringLiteral("取数据时间: %1"), elapsedText(elapsed)));
    });
    step([&] {
        m_window.setTitleItem(FormatMsg(QStringLiteral("[%1]  的%2--共计：%3条记录"), node.Text(), itemTitle,
                                        static_cast<qlonglong>(ledgerRows() - 1)));
    });
    step([&] { m_window.setTitleClass(classTitle); });
    step([&] {
        if (ledgerRows() <= 1)
            m_window.setStatusText(QStringLiteral("Info"), QString());
    });
    step([&] { m_window.setStatusText(QStringLiteral("Status"), LangText(QStringLiteral("就绪"))); });

    m_forceReload = false;
    step([&] { win::Screen::setMousePointer(win::vbDefault); });
    m_lastNodeClick.Busy = 0;
}

void TreeNavigation::listHistory(const QString& nodeKey)
{
    const int32_t id = nodeIdentifier(nodeKey);
    const int32_t queryType = m_window.QueryType();
    QString sql;
    if (isChecked("mnuVCompany")) {
        step([&] { m_window.setCompanyID(id); });
        step([&] { m_window.setItemID(0); });
        step([&] {
            sql = GetHistorySQL(queryType, m_window.queryOptions(), QStringLiteral("0"), m_window.CompanyID(),
                                HistoryNormalMode, QString());
        });
    } else {
        step([&] { m_window.setItemID(id); });
        step([&] { m_window.setCompanyID(0); });
        step([&] {
            sql = GetHistorySQL(queryType, m_window.queryOptions(), QString::number(m_window.ItemID()), 0,
                                HistoryNormalMode, QString());
        });
    }
    step([&] { ledgerObject().TakeJournalData(sql, nullptr, QString()); });
}

void TreeNavigation::LoadChildNodes(controls::Node node)
{
    bool loaded = true;
    step([&] { loaded = node.Tag().toString() != QLatin1String("0"); });
    if (loaded)
        return;
    if (isChecked("mnuVBaseICItem"))
        step([&] { loadItemChildren(node); });
    else if (isChecked("mnuVCompany"))
        step([&] { loadPartnerChildren(node); });
    step([&] { node.setTag(QStringLiteral("1")); });
}

std::shared_ptr<hostapi::StringDictionary> TreeNavigation::DataRightParams(int32_t /*kind*/) const
{
    auto rights = std::make_shared<hostapi::StringDictionary>();
    rights->SetValue(kDataRightFrom, QString());
    rights->SetValue(kDataRightWhere, QString());
    return rights;
}

void TreeNavigation::loadItemChildren(const controls::Node& node)
{
    const auto rights = DataRightParams(3);
    const QString sql = QStringLiteral("SELECT t1.*,c.FModel FROM t_Item t1 inner join t_ICItem as c on "
                                       "(t1.FItemClassID =4 And t1.FItemID = c.FItemID) ")
                        + kCrLf + QStringLiteral("Where t1.FParentID=") + node.Key().mid(2) + kCrLf
                        + childRightsCondition(*rights, QStringLiteral("t_ICItem")) + QStringLiteral(" Order By t1.FNumber ");
    const ado::RecordsetPtr records = CnExecute(sql);
    if (!records)
        return;
    ado::Recordset& rows = *records;
    const int itemIdField = rows.fieldIndex(QStringLiteral("FItemID"));
    const int numberField = rows.fieldIndex(QStringLiteral("FNumber"));
    const int nameField = rows.fieldIndex(QStringLiteral("FName"));
    const int modelField = rows.fieldIndex(QStringLiteral("FModel"));
    controls::TreeNodes& nodes = m_window.tvwBase().Nodes();
    const QString parentKey = node.Key();
    for (; !rows.Eof(); rows.MoveNext()) {
        step([&] {
            // Number and name as stored; the model stands inside the parentheses.
            QString text = rows.value(numberField).toString() + QLatin1Char('(') + rows.value(nameField).toString();
            const QVariant& model = rows.value(modelField);
            if (!model.isNull() && !model.toString().isEmpty())
                text += QLatin1Char('/') + model.toString();
            text += QLatin1Char(')');
            controls::Node child = nodes.Add(parentKey, controls::tvwChild,
                                             detailKey(rows.value(itemIdField).toLongLong()), text, kDetailImage);
            child.setTag(QStringLiteral("1"));
        });
    }
    step([&] { closeRecordset(records); });
}

void TreeNavigation::loadPartnerChildren(const controls::Node& node)
{
    const int32_t queryType = m_window.QueryType();
    const auto rights = DataRightParams(queryType == 1 ? 1 : 2);
    const QString partnerTable = queryType == 1 ? QStringLiteral("t_Organization") : QStringLiteral("t_Supplier");
    const QString sql = QStringLiteral("SELECT t1.* FROM t_Item t1 ") + kCrLf + QStringLiteral("Where t1.FItemClassID = ")
                        + QString::number(partnerItemClass(queryType)) + QStringLiteral(" And t1.FParentID=")
                        + node.Key().mid(2) + kCrLf + childRightsCondition(*rights, partnerTable)
                        + QStringLiteral(" Order by t1.FNumber ");
    const ado::RecordsetPtr records = CnExecute(sql);
    if (!records)
        return;
    ado::Recordset& rows = *records;
    const int itemIdField = rows.fieldIndex(QStringLiteral("FItemID"));
    const int numberField = rows.fieldIndex(QStringLiteral("FNumber"));
    const int nameField = rows.fieldIndex(QStringLiteral("FName"));
    controls::TreeNodes& nodes = m_window.tvwBase().Nodes();
    const QString parentKey = node.Key();

    // The statement also returns the node's subgroups, which the tree already holds: the texts
    // under the node are collected once, so the duplicate check costs no walk per row.
    QSet<QString> textsUnder;
    for (controls::Node child = node.Child(); !child.isNull(); child = child.Next())
        textsUnder.insert(child.Text());

    for (; !rows.Eof(); rows.MoveNext()) {
        step([&] {
            const QString text = rows.value(numberField).toString() + QLatin1Char('(') + rows.value(nameField).toString()
                                 + QLatin1Char(')');
            if (textsUnder.contains(text))
                return;
            controls::Node child = nodes.Add(parentKey, controls::tvwChild,
                                             detailKey(rows.value(itemIdField).toLongLong()), text, kDetailImage);
            child.setTag(QStringLiteral("1"));
            textsUnder.insert(text);
        });
    }
    step([&] { closeRecordset(records); });
}

bool TreeNavigation::NodeTextExistsUnder(const QString& text, const controls::Node& parent) const
{
    for (controls::Node child = parent.Child(); !child.isNull(); child = child.Next()) {
        if (child.Text() == text)
            return true;
    }
    return false;
}

void TreeNavigation::SelectNodeById(int32_t& id)
{
    selectNodeById(id, 0);
}

void TreeNavigation::selectNodeById(int32_t id, int depth)
{
    if (id == 0)
        return;
    // The host's parent chain may run in a circle; no classification is this deep.
    if (depth < kMaxAncestorDepth) {
        int32_t parent = 0;
        step([&] { parent = GetParentItemId(id); });
        if (parent != 0)
            selectNodeById(parent, depth + 1);
    }

    controls::TreeView& tree = m_window.tvwBase();
    controls::TreeNodes& nodes = tree.Nodes();
    const QString group = groupKey(id);
    const QString detail = detailKey(id);
    if (nodes.Exists(group)) {
        step([&] { tree.setSelectedItem(nodes.Item(group)); });
        step([&] { NodeClick(tree.SelectedItem()); });
    } else if (nodes.Exists(detail)) {
        step([&] { tree.setSelectedItem(nodes.Item(detail)); });
        step([&] { NodeClick(tree.SelectedItem()); });
    }
}

int32_t TreeNavigation::GetParentItemId(int32_t id)
{
    try {
        const ado::RecordsetPtr records = CnExecute(QStringLiteral("Select FParentID from t_item Where FItemID = ")
                                                    + QString::number(id));
        int32_t parent = 0;
        if (records && records->State() == ado::adStateOpen && !records->Eof())
            parent = vb::CLng(records->value(QStringLiteral("FParentID")));
        closeRecordset(records);
        return parent;
    } catch (const com::ComError& error) {
        InfoBox(FormatMsg(LangText(QStringLiteral("取基础资料的父项内码时出错。原因：%1")), error.description()));
        return 0;
    }
}

} // namespace tq
