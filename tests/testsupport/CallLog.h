#pragma once
// What the fake host saw: every call made on any of its fakes, in order, with its arguments.
// All fakes of one host write into one log, so a test can check the order across objects.
#include "platform/com/ComError.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <QVariantList>
#include <memory>

namespace fakehost {

struct Call {
    QString object;     // the fake's name: "AppCnnExt", "GLData", "ObjectFactory", ...
    QString method;     // "Execute", "AccessCheck", "create", ...
    QVariantList args;  // in call order; by-reference arguments as they came in

    // "AppCnnExt.Execute('UserID=5;', 'select 1')": texts quoted, null as Null.
    QString text() const
    {
        QStringList parts;
        for (const QVariant& arg : args)
            parts << (arg.isNull() ? QStringLiteral("Null")
                                   : arg.typeId() == QMetaType::QString ? QString(u'\'' + arg.toString() + u'\'') : arg.toString());
        return object + u'.' + method + u'(' + parts.join(QStringLiteral(", ")) + u')';
    }
};

class CallLog {
public:
    void record(const QString& object, const QString& method, const QVariantList& args)
    {
        m_calls.append(Call{object, method, args});
    }
    const QList<Call>& calls() const { return m_calls; }
    // The calls to one object (and method, when given), in order.
    QList<Call> callsTo(const QString& object, const QString& method = QString()) const
    {
        QList<Call> found;
        for (const Call& call : m_calls) {
            if (call.object == object && (method.isEmpty() || call.method == method))
                found.append(call);
        }
        return found;
    }
    // Call::text() of every call, for whole-sequence comparisons.
    QStringList texts() const
    {
        QStringList lines;
        for (const Call& call : m_calls)
            lines << call.text();
        return lines;
    }
    void clear() { m_calls.clear(); }

private:
    QList<Call> m_calls;
};

using CallLogPtr = std::shared_ptr<CallLog>;

// Errors a fake is told to raise, per method name, until cleared.
class FailureScript {
public:
    void fail(const QString& method, const com::ComError& error) { m_errors.insert(method, error); }
    void clear() { m_errors.clear(); }
    void raiseIfScripted(const QString& method) const
    {
        if (const auto found = m_errors.constFind(method); found != m_errors.constEnd())
            throw *found;
    }

private:
    QHash<QString, com::ComError> m_errors;
};

// Base of every fake: records each call in the shared log, then raises a scripted failure.
class FakeObject {
public:
    FakeObject(QString name, CallLogPtr log) : m_name(std::move(name)), m_log(std::move(log)) {}
    FailureScript& failures() { return m_failures; }

protected:
    void enter(const QString& method, const QVariantList& args) const
    {
        m_log->record(m_name, method, args);
        m_failures.raiseIfScripted(method);
    }

private:
    QString m_name;
    CallLogPtr m_log;
    FailureScript m_failures;
};

} // namespace fakehost
