#pragma once
// The host's SharedDictionary: values it shares with every component of the process (its main
// window handle under "MainFormWnd"), published on the desktop window under the process id.
#include "platform/hostapi/SharedDictionary.h"

#include <QHash>
#include <memory>

namespace hostsvc {

class HostSharedDictionary : public hostapi::SharedDictionary {
public:
    // Keys compare exactly, as a dictionary with binary comparison does.
    bool Lookup(const QString& key) override;
    // The value, or no value (an invalid QVariant) for a key that is absent.
    QVariant Item(const QString& key) override;

    void setValue(const QString& key, const QVariant& value);
    void clear();

private:
    QHash<QString, QVariant> m_values;
};

// The one dictionary of the process (created on first use; publishing it is the installer's).
const std::shared_ptr<HostSharedDictionary>& processSharedDictionary();

} // namespace hostsvc
