#include "tests/testsupport/CallLog.h"

namespace fakehost {

namespace {

QString argumentText(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QStringLiteral("Null");
    if (value.typeId() == QMetaType::QString)
        return QLatin1Char('\'') + value.toString() + QLatin1Char('\'');
    if (value.canConvert<QString>())
        return value.toString();
    return QStringLiteral("<%1>").arg(QLatin1String(value.typeName()));
}

} // namespace

QString Call::text() const
{
    QStringList parts;
    for (const QVariant& arg : args)
        parts << argumentText(arg);
    return object + QLatin1Char('.') + method + QLatin1Char('(') + parts.join(QStringLiteral(", "))
           + QLatin1Char(')');
}

void CallLog::record(const QString& object, const QString& method, const QVariantList& args)
{
    m_calls.append(Call{object, method, args});
}

QList<Call> CallLog::callsTo(const QString& object, const QString& method) const
{
    QList<Call> found;
    for (const Call& call : m_calls) {
        if (call.object == object && (method.isEmpty() || call.method == method))
            found.append(call);
    }
    return found;
}

QStringList CallLog::texts() const
{
    QStringList lines;
    for (const Call& call : m_calls)
        lines << call.text();
    return lines;
}

void FailureScript::fail(const QString& method, const com::ComError& error)
{
    m_errors.insert(method, error);
}

void FailureScript::raiseIfScripted(const QString& method) const
{
    auto found = m_errors.constFind(method);
    if (found == m_errors.constEnd())
        found = m_errors.constFind(QStringLiteral("*"));
    if (found != m_errors.constEnd())
        throw *found;
}

} // namespace fakehost
