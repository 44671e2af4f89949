#pragma once
// Points the component registry at a file in a temporary folder while it lives, so tests never
// touch the user's own registry; restores the previous setting when it goes.
#include "platform/com/ComponentRegistry.h"

#include <QByteArray>
#include <QTemporaryDir>

namespace fakehost {

class TemporaryComponentRegistry {
public:
    TemporaryComponentRegistry()
        : m_hadPrevious(qEnvironmentVariableIsSet(com::kComponentRegistryVariable)),
          m_previous(qgetenv(com::kComponentRegistryVariable))
    {
        qputenv(com::kComponentRegistryVariable, QFile::encodeName(file()));
    }
    ~TemporaryComponentRegistry()
    {
        if (m_hadPrevious)
            qputenv(com::kComponentRegistryVariable, m_previous);
        else
            qunsetenv(com::kComponentRegistryVariable);
    }
    TemporaryComponentRegistry(const TemporaryComponentRegistry&) = delete;
    TemporaryComponentRegistry& operator=(const TemporaryComponentRegistry&) = delete;

    QString folder() const { return m_dir.path(); }
    QString file() const { return m_dir.filePath(QStringLiteral("components.ini")); }

private:
    QTemporaryDir m_dir;
    bool m_hadPrevious;
    QByteArray m_previous;
};

} // namespace fakehost
