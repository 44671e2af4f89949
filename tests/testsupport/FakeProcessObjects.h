#pragma once
// Fakes of what the host shares with the whole process: the shared login properties, the
// SharedDictionary on the desktop window, and the foundation and value-helper globals (these
// two record their calls and answer as the standard ones do).
#include "platform/hostapi/Foundation.h"
#include "platform/hostapi/ShareProps.h"
#include "platform/hostapi/SharedDictionary.h"
#include "platform/hostapi/ValueConvert.h"
#include "tests/testsupport/CallLog.h"

#include <QHash>

namespace fakehost {

// "ZELPropsMgr.ShareProps": answers the properties set here to this process only, like the
// host does; another process id (or a property never set) gets no value.
class FakeShareProps : public hostapi::ShareProps, public FakeObject {
public:
    explicit FakeShareProps(CallLogPtr log) : FakeObject(QStringLiteral("ShareProps"), std::move(log)) {}
    void setProperty(const QString& name, const QVariant& value) { m_properties.insert(name, value); }

    QVariant GetProperty(int32_t& processId, const QString& name) override;

private:
    QHash<QString, QVariant> m_properties;
};

// The host's SharedDictionary; FakeHost publishes it on the desktop window.
class FakeSharedDictionary : public hostapi::SharedDictionary, public FakeObject {
public:
    explicit FakeSharedDictionary(CallLogPtr log) : FakeObject(QStringLiteral("SharedDictionary"), std::move(log)) {}
    void setValue(const QString& key, const QVariant& value) { m_values.insert(key, value); }
    void removeValue(const QString& key) { m_values.remove(key); }

    bool Lookup(const QString& key) override;
    QVariant Item(const QString& key) override;

private:
    QHash<QString, QVariant> m_values;
};

// The foundation library's global function object.
class RecordingFoundation : public hostapi::Foundation, public FakeObject {
public:
    explicit RecordingFoundation(CallLogPtr log) : FakeObject(QStringLiteral("Foundation"), std::move(log)) {}
    QString Format(const QString& templateText, const QVariantList& args) override;
};

// The host's value helpers.
class RecordingValueConvert : public hostapi::ValueConvert, public FakeObject {
public:
    explicit RecordingValueConvert(CallLogPtr log) : FakeObject(QStringLiteral("ValueConvert"), std::move(log)) {}
    QVariant ValueOrDefault(const QVariant& value, const QVariant& defaultValue) override;
    void ShowToolbarLabels(QToolBar* toolbar, bool showLabels) override;
};

} // namespace fakehost
