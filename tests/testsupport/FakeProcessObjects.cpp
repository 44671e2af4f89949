#include "tests/testsupport/FakeProcessObjects.h"

#include "platform/hostapi/StandardFoundation.h"
#include "platform/hostapi/StandardValueConvert.h"
#include "platform/win/Foreground.h"

namespace fakehost {

QVariant FakeShareProps::GetProperty(int32_t& processId, const QString& name)
{
    enter(QStringLiteral("GetProperty"), {processId, name});
    if (processId != win::GetCurrentProcessId())
        return {};
    return m_properties.value(name);
}

bool FakeSharedDictionary::Lookup(const QString& key)
{
    enter(QStringLiteral("Lookup"), {key});
    return m_values.contains(key);
}

QVariant FakeSharedDictionary::Item(const QString& key)
{
    enter(QStringLiteral("Item"), {key});
    return m_values.value(key);
}

QString RecordingFoundation::Format(const QString& templateText, const QVariantList& args)
{
    enter(QStringLiteral("Format"), QVariantList{templateText} + args);
    return hostapi::StandardFoundation().Format(templateText, args);
}

QVariant RecordingValueConvert::ValueOrDefault(const QVariant& value, const QVariant& defaultValue)
{
    enter(QStringLiteral("ValueOrDefault"), {value, defaultValue});
    return hostapi::StandardValueConvert().ValueOrDefault(value, defaultValue);
}

void RecordingValueConvert::ShowToolbarLabels(QToolBar* toolbar, bool showLabels)
{
    enter(QStringLiteral("ShowToolbarLabels"), {showLabels});
    hostapi::StandardValueConvert().ShowToolbarLabels(toolbar, showLabels);
}

} // namespace fakehost
