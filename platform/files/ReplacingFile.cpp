#include "platform/files/ReplacingFile.h"

#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/files/SaveTarget.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

com::ComError fileError(const QString& reason)
{
    return com::ComError(com::E_FAIL_, QStringLiteral("ReplacingFile"), reason);
}

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

ReplacingFile::ReplacingFile(QString target) : m_target(QFileInfo(target).absoluteFilePath())
{
    const QFileInfo folder(QFileInfo(m_target).absolutePath());
    if (!folder.isDir())
        throw fileError(QStringLiteral("文件夹 \"%1\" 不存在").arg(folder.filePath()));
    m_target = saveTarget(m_target);
    const QFileInfo info(m_target);
    // Replacing would succeed in a writable folder, even as the superuser, but a read-only
    // file is meant to stay as it is.
    struct stat existing = {};
    const QByteArray nativeTarget = QFile::encodeName(m_target);
    if (::stat(nativeTarget.constData(), &existing) == 0
        && ((existing.st_mode & 0222) == 0 || ::access(nativeTarget.constData(), W_OK) != 0))
        throw fileError(QStringLiteral("文件是只读的"));

    QTemporaryFile file(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    file.setAutoRemove(false);
    if (!file.open())
        throw fileError(QStringLiteral("不能在文件夹 \"%1\" 中写入：%2").arg(info.absolutePath(), file.errorString()));
    m_temporary = file.fileName();
}

ReplacingFile::~ReplacingFile()
{
    if (!m_committed)
        QFile::remove(m_temporary);
}

void ReplacingFile::commit()
{
    const QByteArray temporary = QFile::encodeName(m_temporary);
    const QByteArray target = QFile::encodeName(m_target);

    const int fd = ::open(temporary.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw fileError(systemReason());
    const bool synced = ::fsync(fd) == 0;
    const QString syncReason = synced ? QString() : systemReason();
    ::close(fd);
    if (!synced)
        throw fileError(syncReason);

    struct stat old = {};
    const mode_t mode = ::stat(target.constData(), &old) == 0 ? (old.st_mode & 07777) : newFileMode();
    if (::chmod(temporary.constData(), mode) != 0 || ::rename(temporary.constData(), target.constData()) != 0)
        throw fileError(systemReason());
    m_committed = true;
}

} // namespace files
