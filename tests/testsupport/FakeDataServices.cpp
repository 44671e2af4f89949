#include "tests/testsupport/FakeDataServices.h"

namespace fakehost {

ado::RecordsetPtr FakeAppCnnExt::Execute(const QString& propsString, const QString& sql)
{
    enter(QStringLiteral("Execute"), {propsString, sql});
    return m_sql.run(sql);
}

ado::RecordsetPtr FakeAppConnection::Execute(const QString& connectString, const QString& sql)
{
    enter(QStringLiteral("Execute"), {connectString, sql});
    return m_sql.run(sql);
}

ado::RecordsetPtr FakeBillDataAccess::ExecuteSql(const QString& propsString, const QString& sql)
{
    enter(QStringLiteral("ExecuteSql"), {propsString, sql});
    return m_sql.run(sql);
}

ado::RecordsetPtr FakeConnection::Execute(const QString& sql)
{
    enter(QStringLiteral("Execute"), {sql});
    return m_sql.run(sql);
}

} // namespace fakehost
