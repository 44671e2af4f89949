#pragma once
// Fakes of the host components that run SQL. Each records its call (the SQL text last) and
// answers from its SqlScript.
#include "platform/hostapi/AppCnnExt.h"
#include "platform/hostapi/AppConnection.h"
#include "platform/hostapi/BillDataAccess.h"
#include "platform/hostapi/Connection.h"
#include "tests/testsupport/CallLog.h"
#include "tests/testsupport/SqlScript.h"

namespace fakehost {

// "ZELMAppConnection.AppCnnExt": Execute(propsString, sql).
class FakeAppCnnExt : public hostapi::AppCnnExt, public FakeObject {
public:
    explicit FakeAppCnnExt(CallLogPtr log) : FakeObject(QStringLiteral("AppCnnExt"), std::move(log)) {}
    SqlScript& sql() { return m_sql; }
    ado::RecordsetPtr Execute(const QString& propsString, const QString& sql) override;

private:
    SqlScript m_sql;
};

// "ZELMAppConnection.AppConnection": Execute(connectString, sql).
class FakeAppConnection : public hostapi::AppConnection, public FakeObject {
public:
    explicit FakeAppConnection(CallLogPtr log) : FakeObject(QStringLiteral("AppConnection"), std::move(log)) {}
    SqlScript& sql() { return m_sql; }
    ado::RecordsetPtr Execute(const QString& connectString, const QString& sql) override;

private:
    SqlScript m_sql;
};

// "ZELBillDataAccess.GetData": ExecuteSql(propsString, sql).
class FakeBillDataAccess : public hostapi::BillDataAccess, public FakeObject {
public:
    explicit FakeBillDataAccess(CallLogPtr log) : FakeObject(QStringLiteral("BillDataAccess"), std::move(log)) {}
    SqlScript& sql() { return m_sql; }
    ado::RecordsetPtr ExecuteSql(const QString& propsString, const QString& sql) override;

private:
    SqlScript m_sql;
};

// "ZELConnection.AppConnection": Execute(sql).
class FakeConnection : public hostapi::Connection, public FakeObject {
public:
    explicit FakeConnection(CallLogPtr log) : FakeObject(QStringLiteral("Connection"), std::move(log)) {}
    SqlScript& sql() { return m_sql; }
    ado::RecordsetPtr Execute(const QString& sql) override;

private:
    SqlScript m_sql;
};

} // namespace fakehost
