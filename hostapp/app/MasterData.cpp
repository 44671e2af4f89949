#include "hostapp/app/MasterData.h"

#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/hostapi/Connection.h"
#include "platform/hostapi/ProgIds.h"

namespace zelhost {

namespace {

QString partnerTable(QueryKind kind)
{
    return kind == QueryKind::Sales ? QStringLiteral("t_Organization") : QStringLiteral("t_Supplier");
}

QString quoted(const QString& text)
{
    return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

QList<ChoiceEntry> readEntries(const ado::RecordsetPtr& rows, bool withModel)
{
    QList<ChoiceEntry> entries;
    if (!rows || rows->State() != ado::adStateOpen)
        return entries;
    entries.reserve(rows->RecordCount());
    const int id = rows->fieldIndex(QStringLiteral("FItemID"));
    const int number = rows->fieldIndex(QStringLiteral("FNumber"));
    const int name = rows->fieldIndex(QStringLiteral("FName"));
    const int model = withModel ? rows->fieldIndex(QStringLiteral("FModel")) : -1;
    for (; !rows->Eof(); rows->MoveNext()) {
        ChoiceEntry entry;
        entry.id = rows->value(id).toInt();
        entry.number = rows->value(number).toString();
        entry.name = rows->value(name).toString();
        if (model >= 0)
            entry.model = rows->value(model).toString();
        entries.append(entry);
    }
    return entries;
}

int32_t idByNumber(const SqlRunner& run, const QString& table, const QString& what, const QString& number)
{
    const QString code = number.trimmed();
    const ado::RecordsetPtr rows = run(QStringLiteral("select FItemID from %1 where FDeleted=0 and FNumber=%2")
                                           .arg(table, quoted(code)));
    if (!rows || rows->State() != ado::adStateOpen || rows->Eof()) {
        throw com::ComError(com::VB_ELEMENT_NOT_FOUND, QStringLiteral("zelhost"),
                            QStringLiteral("没有代码为“%1”的%2。").arg(code, what));
    }
    return rows->value(QStringLiteral("FItemID")).toInt();
}

} // namespace

SqlRunner serviceConnection()
{
    return [](const QString& sql) {
        return com::ObjectFactory::instance()
            .createAs<hostapi::Connection>(QString::fromLatin1(hostapi::progid::Connection))
            ->Execute(sql);
    };
}

QString partnerWord(QueryKind kind)
{
    return kind == QueryKind::Sales ? QStringLiteral("客户") : QStringLiteral("供应商");
}

QList<ChoiceEntry> listMaterials(const SqlRunner& run)
{
    return readEntries(run(QStringLiteral("select FItemID, FNumber, FName, FModel from t_ICItem "
                                          "where FDeleted=0 order by FNumber")),
                       true);
}

QList<ChoiceEntry> listPartners(const SqlRunner& run, QueryKind kind)
{
    return readEntries(run(QStringLiteral("select FItemID, FNumber, FName from %1 where FDeleted=0 order by FNumber")
                               .arg(partnerTable(kind))),
                       false);
}

int32_t materialIdByNumber(const SqlRunner& run, const QString& number)
{
    return idByNumber(run, QStringLiteral("t_ICItem"), QStringLiteral("物料"), number);
}

int32_t partnerIdByNumber(const SqlRunner& run, QueryKind kind, const QString& number)
{
    return idByNumber(run, partnerTable(kind), partnerWord(kind), number);
}

void requirePartnerRight(const SqlRunner& run, int32_t userId, QueryKind kind, int32_t partnerId,
                         const QString& number)
{
    const int kindNumber = kind == QueryKind::Sales ? 1 : 2;
    const ado::RecordsetPtr right = run(QStringLiteral("select FRightID from t_UserDataRight where FUserID=%1 and FKind=%2")
                                            .arg(userId)
                                            .arg(kindNumber));
    if (!right || right->State() != ado::adStateOpen || right->Eof() || right->value(0).isNull())
        return;  // no data right set: every partner
    const ado::RecordsetPtr seen = run(QStringLiteral("select count(*) as n from t_Item where FItemID=%1 and "
                                                      "CharIndex('%2',FRightUserID)>0")
                                           .arg(partnerId)
                                           .arg(right->value(0).toLongLong()));
    if (seen && seen->State() == ado::adStateOpen && !seen->Eof() && seen->value(0).toInt() > 0)
        return;
    throw com::ComError(com::vbError(70), QStringLiteral("zelhost"),
                        QStringLiteral("用户 %1 没有查看%2“%3”的数据权限。").arg(userId).arg(partnerWord(kind), number.trimmed()));
}

} // namespace zelhost
