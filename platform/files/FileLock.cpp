#include "platform/files/FileLock.h"

#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace files {

namespace {

int openLockFile(const QByteArray& path)
{
    // O_NOFOLLOW: a link planted under the lock's name must not make us create or lock another file.
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd >= 0 || (errno != EACCES && errno != EROFS))
        return fd;
    return ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);  // locking needs no write access
}

bool sameFile(int fd, const QByteArray& path)
{
    struct stat held = {}, named = {};
    return ::fstat(fd, &held) == 0 && ::lstat(path.constData(), &named) == 0 && held.st_dev == named.st_dev
        && held.st_ino == named.st_ino;
}

} // namespace

QString FileLock::lockFileOf(const QString& file)
{
    return QFileInfo(file).absoluteFilePath() + QStringLiteral(".lock");
}

FileLock::FileLock(int descriptor, QByteArray lockFile) : m_descriptor(descriptor), m_lockFile(std::move(lockFile)) {}

FileLock::FileLock(FileLock&& other) noexcept
    : m_descriptor(std::exchange(other.m_descriptor, -1)), m_lockFile(std::move(other.m_lockFile))
{
}

FileLock& FileLock::operator=(FileLock&& other) noexcept
{
    if (this != &other) {
        release();
        m_descriptor = std::exchange(other.m_descriptor, -1);
        m_lockFile = std::move(other.m_lockFile);
    }
    return *this;
}

FileLock::~FileLock() { release(); }

void FileLock::release()
{
    if (m_descriptor < 0)
        return;
    // Whoever gets the lock alone is its last holder and removes the lock file; a process that
    // opened it meanwhile finds the name gone once it holds the lock, and tries again.
    if (::flock(m_descriptor, LOCK_EX | LOCK_NB) == 0 && sameFile(m_descriptor, m_lockFile))
        ::unlink(m_lockFile.constData());
    ::close(m_descriptor);
    m_descriptor = -1;
}

FileLock FileLock::acquire(const QString& file, Mode mode) { return *lock(file, mode, true); }

std::optional<FileLock> FileLock::tryAcquire(const QString& file, Mode mode) { return lock(file, mode, false); }

std::optional<FileLock> FileLock::lock(const QString& file, Mode mode, bool wait)
{
    const QByteArray path = QFile::encodeName(lockFileOf(file));
    const int operation = (mode == Mode::Shared ? LOCK_SH : LOCK_EX) | (wait ? 0 : LOCK_NB);
    for (;;) {
        const int fd = openLockFile(path);
        if (fd < 0) {
            const int reason = errno;
            if (mode == Mode::Shared && (reason == EACCES || reason == EROFS || reason == ENOENT))
                return FileLock(-1, path);
            throw com::ComError(com::E_FAIL_, QStringLiteral("FileLock"),
                                QStringLiteral("无法使用锁文件 %1：%2")
                                    .arg(QFile::decodeName(path), QString::fromLocal8Bit(std::strerror(reason))));
        }
        int result;
        while ((result = ::flock(fd, operation)) != 0 && errno == EINTR) {
        }
        if (result != 0) {
            const int reason = errno;
            ::close(fd);
            if (reason == EWOULDBLOCK)
                return std::nullopt;
            throw com::ComError(com::E_FAIL_, QStringLiteral("FileLock"),
                                QStringLiteral("无法锁定 %1：%2")
                                    .arg(QFile::decodeName(path), QString::fromLocal8Bit(std::strerror(reason))));
        }
        if (sameFile(fd, path))
            return FileLock(fd, path);
        ::close(fd);  // the last holder removed this lock file meanwhile
    }
}

} // namespace files
