#pragma once
// Internal to the window layer: the process-wide table behind window handles and window
// properties. Callers use WindowHandles.h and WindowProperties.h.
#include "platform/win/WindowHandles.h"

#include <QHash>
#include <QString>
#include <QtGlobal>

class QObject;

namespace win::detail {

class WindowRegistry {
public:
    using Properties = QHash<QString, quintptr>;  // keyed by the upper-cased property name

    static WindowRegistry& instance();

    Handle handleOf(QWidget* widget);
    QWidget* widgetOf(Handle handle) const;
    bool isLive(Handle handle) const;
    // Properties of a live handle (desktop included); null for any other number.
    Properties* propertiesOf(Handle handle);

    static constexpr Handle kDesktop = 0x00010010;

private:
    WindowRegistry();
    void forget(QObject* widget);

    struct Entry {
        QWidget* widget = nullptr;
        Properties properties;
    };
    QHash<Handle, Entry> m_entries;              // desktop included, widget null there
    QHash<const QObject*, Handle> m_handleOfWidget;
    Handle m_next;
};

} // namespace win::detail
