#pragma once
// Fixed texts on their way to the screen: every caption, title and message passes through
// LangText, and messages with "%1", "%2", ... are filled by FormatMsg.
#include <QString>
#include <QVariant>
#include <QVariantList>

namespace tq {

// The user interface speaks simplified Chinese ("chs") only, and the built-in texts are
// Chinese: a text comes back unchanged. Kept as the one place a translation would hook in.
QString LangText(const QString& text);

// The template with "%1", "%2", ... replaced by the arguments in order, by the format function
// of the host foundation library's global object. A host that published no foundation object
// gets the standard one (hostapi::StandardFoundation), which formats the same way.
QString FormatMsg(const QString& templateText, const QVariantList& args);

template <class... Args>
QString FormatMsg(const QString& templateText, const Args&... args)
{
    return FormatMsg(templateText, QVariantList{QVariant(args)...});
}

} // namespace tq
