#pragma once
// Fakes of the host components the component calls: the four that run SQL (each records its
// call, the SQL text last, and answers from its SqlScript), the rights, and what the host
// shares with the whole process (login properties and the SharedDictionary).
#include "platform/hostapi/AppCnnExt.h"
#include "platform/hostapi/AppConnection.h"
#include "platform/hostapi/BillDataAccess.h"
#include "platform/hostapi/Connection.h"
#include "platform/hostapi/GLData.h"
#include "platform/hostapi/ItemInfo.h"
#include "platform/hostapi/ShareProps.h"
#include "platform/hostapi/SharedDictionary.h"
#include "platform/win/Foreground.h"
#include "tests/testsupport/CallLog.h"
#include "tests/testsupport/SqlScript.h"

namespace fakehost {

class FakeSqlRunner : public FakeObject {
public:
    using FakeObject::FakeObject;
    SqlScript& sql() { return m_sql; }

protected:
    ado::RecordsetPtr run(const QString& method, const QVariantList& args)
    {
        enter(method, args);
        return m_sql.run(args.last().toString());
    }

private:
    SqlScript m_sql;
};

// "ZELMAppConnection.AppCnnExt": Execute(propsString, sql).
class FakeAppCnnExt : public hostapi::AppCnnExt, public FakeSqlRunner {
public:
    explicit FakeAppCnnExt(CallLogPtr log) : FakeSqlRunner(QStringLiteral("AppCnnExt"), std::move(log)) {}
    ado::RecordsetPtr Execute(const QString& props, const QString& sql) override { return run("Execute", {props, sql}); }
};

// "ZELMAppConnection.AppConnection": Execute(connectString, sql).
class FakeAppConnection : public hostapi::AppConnection, public FakeSqlRunner {
public:
    explicit FakeAppConnection(CallLogPtr log) : FakeSqlRunner(QStringLiteral("AppConnection"), std::move(log)) {}
    ado::RecordsetPtr Execute(const QString& connect, const QString& sql) override { return run("Execute", {connect, sql}); }
};

// "ZELBillDataAccess.GetData": ExecuteSql(propsString, sql).
class FakeBillDataAccess : public hostapi::BillDataAccess, public FakeSqlRunner {
public:
    explicit FakeBillDataAccess(CallLogPtr log) : FakeSqlRunner(QStringLiteral("BillDataAccess"), std::move(log)) {}
    ado::RecordsetPtr ExecuteSql(const QString& props, const QString& sql) override { return run("ExecuteSql", {props, sql}); }
};

// "ZELConnection.AppConnection": Execute(sql).
class FakeConnection : public hostapi::Connection, public FakeSqlRunner {
public:
    explicit FakeConnection(CallLogPtr log) : FakeSqlRunner(QStringLiteral("Connection"), std::move(log)) {}
    ado::RecordsetPtr Execute(const QString& sql) override { return run("Execute", {sql}); }
};

// "ZELEBCGLView.GLData": AccessCheck answers `answer` (true, -1, unless changed).
class FakeGLData : public hostapi::GLData, public FakeObject {
public:
    explicit FakeGLData(CallLogPtr log) : FakeObject(QStringLiteral("GLData"), std::move(log)) {}
    QVariant answer = -1;
    QVariant AccessCheck(int16_t functionId, int16_t objectId, int32_t right) override
    {
        enter(QStringLiteral("AccessCheck"), {int(functionId), int(objectId), right});
        return answer;
    }
};

// "ZELEBSGLItem.ItemInfo": GetDataRight answers per partner kind (1 customers, 2 suppliers);
// a kind without a restriction is not restricted.
class FakeItemInfo : public hostapi::ItemInfo, public FakeObject {
public:
    explicit FakeItemInfo(CallLogPtr log) : FakeObject(QStringLiteral("ItemInfo"), std::move(log)) {}
    // Partners of the kind are restricted to those whose FRightUserID text holds `value`.
    void restrict(int16_t partnerKind, int32_t value) { m_rights.insert(partnerKind, value); }
    void clear() { m_rights.clear(); }
    bool GetDataRight(const QString& propsString, int32_t& value, int16_t& partnerKind) override
    {
        enter(QStringLiteral("GetDataRight"), {propsString, value, int(partnerKind)});
        value = m_rights.value(partnerKind, value);
        return m_rights.contains(partnerKind);
    }

private:
    QHash<int16_t, int32_t> m_rights;
};

// "ZELPropsMgr.ShareProps": answers the properties set here to this process only, like the
// host does; another process id (or a property never set) gets no value.
class FakeShareProps : public hostapi::ShareProps, public FakeObject {
public:
    explicit FakeShareProps(CallLogPtr log) : FakeObject(QStringLiteral("ShareProps"), std::move(log)) {}
    void setProperty(const QString& name, const QVariant& value) { m_properties.insert(name, value); }
    QVariant GetProperty(int32_t& processId, const QString& name) override
    {
        enter(QStringLiteral("GetProperty"), {processId, name});
        return processId == win::GetCurrentProcessId() ? m_properties.value(name) : QVariant();
    }

private:
    QHash<QString, QVariant> m_properties;
};

// The host's SharedDictionary; FakeHost publishes it on the desktop window.
class FakeSharedDictionary : public hostapi::SharedDictionary, public FakeObject {
public:
    explicit FakeSharedDictionary(CallLogPtr log) : FakeObject(QStringLiteral("SharedDictionary"), std::move(log)) {}
    void setValue(const QString& key, const QVariant& value) { m_values.insert(key, value); }
    bool Lookup(const QString& key) override
    {
        enter(QStringLiteral("Lookup"), {key});
        return m_values.contains(key);
    }
    QVariant Item(const QString& key) override
    {
        enter(QStringLiteral("Item"), {key});
        return m_values.value(key);
    }

private:
    QHash<QString, QVariant> m_values;
};

} // namespace fakehost
