#include "tradequery/tree/tvwBuilder.h"

#include "platform/controls/TreeView.h"
#include "platform/hostapi/ItemInfo.h"
#include "platform/hostapi/ProgIds.h"
#include "platform/vb/Strings.h"
#include "tradequery/history/HistoryStatement.h"
#include "tradequery/host/HostCalls.h"
#include "tradequery/host/Messages.h"
#include "tradequery/host/Steps.h"
#include "tradequery/tree/TreeNodeKeys.h"

namespace tq {

namespace {

// Constant-initialised: other translation units build statements during their own start-up.
constexpr QLatin1String kCrLf("\r\n");

// "A01(Bolt)": number and name without their outer blanks.
QString numberAndName(const QVariant& number, const QVariant& name)
{
    return vb::Trim(number.toString()) + QLatin1Char('(') + vb::Trim(name.toString()) + QLatin1Char(')');
}

} // namespace

QString tvwBuilder::itemTreeStatement()
{
    return QStringLiteral("SELECT t1.FItemID,t1.FName,") + QStringLiteral("t1.FNumber")
           + QStringLiteral(",t1.FParentID ,t1.FDetail ,") + kCrLf
           + QStringLiteral("  c1.FModel FROM t_Item t1 left join t_ICItem c1 on ( t1.FItemID = c1.FItemID)")
           + kCrLf
           + QStringLiteral(" WHERE t1.FDeleted=0 And t1.FItemClassID=4 AND (t1.FDetail=0 or t1.FParentID = 0)")
           + QStringLiteral(" Order By t1.FLevel,t1.FShortNumber");
}

QString tvwBuilder::partnerTreeStatement(int32_t queryType, const QString& rightsCondition)
{
    return QStringLiteral("SELECT t1.FItemID,t1.FName,") + QStringLiteral("t1.FNumber")
           + QStringLiteral(",t1.FParentID ,t1.FDetail ") + kCrLf + QStringLiteral("  FROM t_Item t1") + kCrLf
           + QStringLiteral(" WHERE t1.FDeleted=0 And t1.FItemClassID= ") + QString::number(partnerItemClass(queryType))
           + QStringLiteral(" AND (t1.FDetail=0 or t1.FParentID = 0) ") + kCrLf + rightsCondition
           + QStringLiteral(" Order By t1.FLevel,t1.FShortNumber");
}

QString tvwBuilder::partnerRightsCondition(int32_t queryType)
{
    auto itemInfo = com::ObjectFactory::instance().createAs<hostapi::ItemInfo>(QString::fromLatin1(hostapi::progid::ItemInfo));
    int32_t rightId = 0;
    int16_t partnerKind = queryType == 1 ? 1 : 2;
    const bool restricted = itemInfo->GetDataRight(GetPropsString(), rightId, partnerKind);
    itemInfo.reset();
    if (!restricted)
        return QString();
    return QStringLiteral(" And CharIndex('") + QString::number(rightId) + QStringLiteral("',t1.FRightUserID)>0 ");
}

void tvwBuilder::OpenTreeQuery(int32_t QueryType, const com::ComObjectPtr& /*Filter*/)
{
    m_treeRecords.reset();
    step([&] {
        const QString sql = BICItem ? itemTreeStatement() : partnerTreeStatement(QueryType, partnerRightsCondition(QueryType));
        m_treeRecords = CnExecute(sql);
    });
}

void tvwBuilder::SetTreeView(int32_t QueryType, const com::ComObjectPtr& Filter)
{
    step([&] { OpenTreeQuery(QueryType, Filter); });
    step([&] {
        if (m_tree->Nodes().Count() > 0)
            m_tree->Nodes().Clear();
    });
    step([&] { addRootNode(QueryType); });
    if (m_treeRecords) {
        step([&] { addRowNodes(); });
        step([&] { m_tree->Nodes().Item(1).setExpanded(true); });
    }
    step([&] { releaseRecordset(); });
}

void tvwBuilder::addRootNode(int32_t queryType)
{
    const QString caption = BICItem ? LangText(QStringLiteral("物料")) : LangText(partnerRootCaption(queryType));
    const QString itemPicture = QStringLiteral("Item");
    controls::Node root = m_tree->Nodes().Add(QString(), controls::tvwLast, QString::fromLatin1(kRootKey), caption,
                                              itemPicture, itemPicture);
    root.setTag(QStringLiteral("1"));
}

void tvwBuilder::addRowNodes()
{
    ado::Recordset& rows = *m_treeRecords;
    const int itemIdField = rows.fieldIndex(QStringLiteral("FItemID"));
    const int nameField = rows.fieldIndex(QStringLiteral("FName"));
    const int numberField = rows.fieldIndex(QStringLiteral("FNumber"));
    const int parentField = rows.fieldIndex(QStringLiteral("FParentID"));
    const int detailField = rows.fieldIndex(QStringLiteral("FDetail"));
    const int modelField = BICItem ? rows.fieldIndex(QStringLiteral("FModel")) : -1;
    controls::TreeNodes& nodes = m_tree->Nodes();

    for (; !rows.Eof(); rows.MoveNext()) {
        // A row that cannot be added (its parent is not in the tree) is skipped.
        step([&] {
            const qint64 parentId = rows.value(parentField).toLongLong();
            const QString parentKey = parentId == 0 ? QString::fromLatin1(kRootKey) : groupKey(parentId);
            const QString itemId = QString::number(rows.value(itemIdField).toLongLong());
            QString text = numberAndName(rows.value(numberField), rows.value(nameField));
            controls::Node node;
            if (rows.value(detailField).toLongLong() == 0) {
                node = nodes.Add(parentKey, controls::tvwChild, QStringLiteral("gi") + itemId, text, kGroupImage,
                                 kGroupImage);
            } else {
                if (modelField >= 0) {
                    const QVariant& model = rows.value(modelField);
                    if (!model.isNull() && !model.toString().isEmpty())
                        text += QLatin1Char('/') + model.toString();
                }
                node = nodes.Add(parentKey, controls::tvwChild, QStringLiteral("gb") + itemId, text, kDetailImage);
            }
            node.setTag(QStringLiteral("0"));
        });
    }
}

void tvwBuilder::releaseRecordset()
{
    if (m_treeRecords && m_treeRecords->State() == ado::adStateOpen)
        m_treeRecords->Close();
    m_treeRecords.reset();
}

QString tvwBuilder::GetHistorySQL(int32_t queryType, QueryOptions& options, const QString& nodeKey,
                                  int32_t partnerId, int32_t mode, const QString& filterCondition) const
{
    return tq::GetHistorySQL(queryType, options, nodeKey, partnerId, mode, filterCondition);
}

QString tvwBuilder::BuildHistoryFilter(QueryOptions& options, const QString& key, const QString& partner) const
{
    return tq::BuildHistoryFilter(options, key, partner);
}

} // namespace tq
