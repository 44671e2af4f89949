#pragma once
// An advisory lock on a file that the processes using it agree on: every process that has the
// file open holds it shared; the one that creates or replaces the file holds it alone. It lives
// in "<file>.lock" beside the file, so it stays the same lock while the file is replaced; the
// last holder removes that file again.
//
// Failures raise ComError whose description is the reason, for the caller to name the file.
#include <QString>

#include <optional>

namespace files {

class FileLock {
public:
    enum class Mode { Shared, Exclusive };

    // Waits until the lock is granted. A shared lock in a folder where no lock file can be made
    // is not held (no other process can replace the file there either); an exclusive one raises.
    static FileLock acquire(const QString& file, Mode mode);
    // The same without waiting: nothing when another holder is in the way.
    static std::optional<FileLock> tryAcquire(const QString& file, Mode mode);

    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    static QString lockFileOf(const QString& file);

private:
    FileLock(int descriptor, QByteArray lockFile);
    static std::optional<FileLock> lock(const QString& file, Mode mode, bool wait);
    void release();

    int m_descriptor = -1;  // -1: not held
    QByteArray m_lockFile;
};

} // namespace files
