#pragma once
// A new file written beside its target under a unique temporary name and put in the target's
// place in one step only when it is complete, so an existing target stays whole until then
// and a failed or abandoned file leaves nothing behind.
//
// A link is followed: the file it leads to is replaced and the link stays. Only a regular
// file is ever replaced (files::saveTarget).
//
// Failures raise ComError whose description is the reason, for the caller to name the file.
#include <QString>

namespace files {

class ReplacingFile {
public:
    // Checks that the target can be written and creates the temporary file in its folder.
    explicit ReplacingFile(QString target);
    // Removes the temporary file unless it was committed.
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // The file replaced: the one a link leads to, not the link.
    const QString& target() const { return m_target; }
    // Where to write the new content.
    const QString& temporaryPath() const { return m_temporary; }

    // Makes the written content durable and moves it onto the target, which then has the old
    // target's permissions (or the usual ones for a new file).
    void commit();

private:
    QString m_target;
    QString m_temporary;
    bool m_committed = false;
};

} // namespace files
