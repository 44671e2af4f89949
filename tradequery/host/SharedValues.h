#pragma once
// Values the host publishes for the whole process in its SharedDictionary (found through the
// desktop window, see hostapi/SharedDictionaryProperty.h).
#include "platform/win/WindowHandles.h"

#include <QString>
#include <QVariant>

namespace tq {

// The value under key in the host's SharedDictionary; defaultValue when the host published no
// dictionary, the key is absent or the dictionary fails.
QVariant GetSharedValue(const QString& key, const QVariant& defaultValue = QVariant());

// The host's main window: "MainFormWnd" of the SharedDictionary as a 32-bit handle; 0 when the
// host does not publish it. A value that is no number raises the type mismatch error 13.
win::Handle GetMainFormWnd();

} // namespace tq
