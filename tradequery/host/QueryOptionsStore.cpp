#include "tradequery/host/QueryOptionsStore.h"

#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/hostapi/AppConnection.h"
#include "platform/hostapi/ProgIds.h"
#include "platform/vb/Conversion.h"
#include "tradequery/host/HostCalls.h"
#include "tradequery/host/LoginProps.h"

#include <QStringList>
#include <exception>

namespace tq {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

QString keyPrefix(int32_t queryType)
{
    return queryType == 1 ? QStringLiteral("Client") : QStringLiteral("Provider");
}

// Parses the login properties and runs sql on the login's database.
ado::RecordsetPtr executeOnLoginDatabase(const QString& sql)
{
    LoadLoginProps(GetPropsString());
    auto connection = com::ObjectFactory::instance().createAs<hostapi::AppConnection>(
        QString::fromLatin1(hostapi::progid::AppConnection));
    return connection->Execute(LoginConnectString(), sql);
}

QString selectOptionsSql(const QString& p)
{
    return QStringLiteral("SELECT FKey,FCategory,FValue FROM t_SystemProfile WHERE ")
           + QStringLiteral("FCategory='IC' And (FKey ='") + p + QStringLiteral("AllowSelf' or FKey ='") + p
           + QStringLiteral("AllowDept' or ") + QStringLiteral(" FKey ='") + p + QStringLiteral("AllowEmp' or FKey ='")
           + p + QStringLiteral("AllowStock' or FKey ='") + p + QStringLiteral("TradeTimes' ) ");
}

QString createDefaultsSql(const QString& p)
{
    const QStringList lines{
        QStringLiteral("IF NOT EXISTS(SELECT FKey,FCategory,FValue FROM t_SystemProfile "
                       "WHERE FCategory = 'IC' AND FKey = '")
            + p + QStringLiteral("AllowSelf') "),
        QStringLiteral("       INSERT INTO t_SystemProfile(FCategory,FKey,FValue) VALUES('IC','") + p
            + QStringLiteral("AllowSelf','0') "),
        QStringLiteral("IF NOT EXISTS(SELECT FKey,FCategory,FValue FROM t_SystemProfile "
                       "WHERE FCategory = 'IC' AND FKey = '")
            + p + QStringLiteral("TradeTimes') "),
        QStringLiteral("       INSERT INTO t_SystemProfile(FCategory,FKey,FValue) VALUES('IC','") + p
            + QStringLiteral("TradeTimes','0')"),
    };
    return lines.join(kLineEnd);
}

QString saveOptionsSql(const QString& p, const QueryOptions& options)
{
    // The first key literal ends in a blank; the database ignores trailing blanks when it
    // compares, so it still names the stored key.
    return QStringLiteral("UPDATE t_SystemProfile SET FValue='") + QString::number(options.AllowSelf)
           + QStringLiteral("' WHERE FCategory='IC' AND FKey='") + p + QStringLiteral("AllowSelf ' ") + kLineEnd
           + QStringLiteral("UPDATE t_SystemProfile SET FValue='") + QString::number(options.TradeTimes)
           + QStringLiteral("' WHERE FCategory='IC' AND FKey='") + p + QStringLiteral("TradeTimes' ");
}

// The options as the table holds them, or null when the query could not be run.
ado::RecordsetPtr fetchOptionRows(const QString& p)
{
    try {
        ado::RecordsetPtr rows = executeOnLoginDatabase(selectOptionsSql(p));
        if (!rows || rows->State() != ado::adStateOpen)
            return nullptr;
        if (rows->Eof() && rows->Bof())
            executeOnLoginDatabase(createDefaultsSql(p));  // the rows fetched stay empty
        return rows;
    } catch (const std::exception&) {
        return nullptr;
    }
}

// Takes the FValue of the row with this key into target; skipped when there is no such row or
// its value is not a 32-bit number.
void takeValue(ado::Recordset& rows, const QString& key, int32_t& target)
{
    try {
        rows.SetFilter(QStringLiteral("FCategory='IC' AND FKey ='") + key + QStringLiteral("'"));
        if (!rows.Eof())
            target = vb::CLng(rows.value(QStringLiteral("FValue")));
    } catch (const com::ComError&) {
    }
}

} // namespace

void ReadQueryOptions(int32_t queryType, QueryOptions& options)
{
    const QString p = keyPrefix(queryType);
    const ado::RecordsetPtr rows = fetchOptionRows(p);
    if (!rows)
        return;
    takeValue(*rows, p + QStringLiteral("AllowSelf"), options.AllowSelf);
    takeValue(*rows, p + QStringLiteral("TradeTimes"), options.TradeTimes);
}

bool SaveQueryOptions(int32_t queryType, QueryOptions& options)
{
    try {
        executeOnLoginDatabase(saveOptionsSql(keyPrefix(queryType), options));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace tq
