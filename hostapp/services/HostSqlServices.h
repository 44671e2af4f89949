#pragma once
// The four services that run any SQL text the component sends. They differ only in how they
// find the database (the current login, a connection string, or the login a property string
// describes) and in what a statement without rows gives back; the running itself is shared.
// Each text runs on the pooled host database; a blank text raises ComError naming the
// service's ProgID, and database errors pass through with the database's own message.
#include "platform/hostapi/AppCnnExt.h"
#include "platform/hostapi/AppConnection.h"
#include "platform/hostapi/BillDataAccess.h"
#include "platform/hostapi/Connection.h"

namespace hostsvc {

// "ZELConnection.AppConnection": the database of the current login. A statement gives a
// closed recordset; no login raises ComError.
class HostConnection : public hostapi::Connection {
public:
    ado::RecordsetPtr Execute(const QString& sql) override;
};

// "ZELMAppConnection.AppConnection": the database a connection string names. A statement gives
// a closed recordset; a string that names no database raises ComError.
class HostAppConnection : public hostapi::AppConnection {
public:
    ado::RecordsetPtr Execute(const QString& connectString, const QString& sql) override;
};

// "ZELMAppConnection.AppCnnExt": the database of the property string's ConnectString. A
// statement gives a closed recordset; a string without a connection raises ComError.
class HostAppCnnExt : public hostapi::AppCnnExt {
public:
    ado::RecordsetPtr Execute(const QString& propsString, const QString& sql) override;
};

// "ZELBillDataAccess.GetData": as AppCnnExt, but a statement without rows gives null.
class HostBillDataAccess : public hostapi::BillDataAccess {
public:
    ado::RecordsetPtr ExecuteSql(const QString& propsString, const QString& sql) override;
};

} // namespace hostsvc
