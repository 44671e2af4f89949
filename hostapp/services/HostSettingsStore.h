#pragma once
// The host's SettingsStore: an INI file (one [section] per caller, UTF-8), written through
// QSettings, which replaces the file in one step, so a failed save leaves the old file whole.
//
// A file that cannot be parsed reads as empty (every Get gives its default) and fileStatus()
// says so, so the host can warn; the first Save sets the damaged file aside as
// "<file>.corrupt" and starts a new one. A link is followed (the file it leads to is
// replaced); anything but a regular file under the name is never read nor replaced. Values are stored as text: Booleans "True"/"False",
// numbers in their shortest form; Get answers the stored text.
#include "platform/hostapi/SettingsStore.h"

#include <QDateTime>
#include <QString>

namespace hostsvc {

class HostSettingsStore : public hostapi::SettingsStore {
public:
    enum class FileState {
        Ok,          // readable, or not there yet (first use)
        Corrupt,     // cannot be parsed: reads give defaults
        Unreadable,  // there, but not readable: reads give defaults
        NotAFile,    // a device, pipe or folder under the name: reads give defaults, saves refused
    };

    explicit HostSettingsStore(QString filePath);

    // The stored value, or defaultValue when the key has none or the file cannot be read.
    // An empty section or key raises ComError.
    QVariant Get(const QString& section, const QString& key, const QVariant& defaultValue) override;
    // Writes the value (a null value removes the key). An empty section or key, or a file
    // that cannot be written, raise ComError naming the file; the file is then unchanged.
    void Save(const QString& section, const QString& key, const QVariant& value) override;

    const QString& filePath() const { return m_path; }
    FileState fileState();
    // For the person: what is wrong with the file and what the store does about it; empty
    // when the file is fine.
    QString fileProblem();

    // Where the host keeps its settings: zelhost/settings.ini in the user's config folder.
    static QString defaultFilePath();

private:
    struct Stamp {
        bool exists = false;
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const Stamp&) const = default;
    };

    Stamp currentStamp() const;
    // Looks at the file again when it changed since the last look.
    void refreshState();
    void setAsideCorruptFile();

    QString m_path;
    FileState m_state = FileState::Ok;
    Stamp m_checked;
    bool m_everChecked = false;
};

} // namespace hostsvc
