#pragma once
// A name taken by something that is no regular file, which a save must leave alone: a null
// device like /dev/null where the system allows making one (as root), else a Unix socket.
// Both fail or finish at once when opened, where a pipe would wait for a writer.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace testsupport {

// Makes the special file `name` in `folder`; returns its path, or an empty text when neither
// kind could be made.
inline QString makeSpecialFile(const QString& folder, const QString& name)
{
    const QString path = QDir(folder).filePath(name);
    const QByteArray native = QFile::encodeName(path);
    if (::mknod(native.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        return path;
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    if (native.size() >= static_cast<qsizetype>(sizeof address.sun_path))
        return {};
    std::memcpy(address.sun_path, native.constData(), static_cast<size_t>(native.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0)
        ::close(fd);  // the file stays
    return bound ? path : QString();
}

inline bool isSpecialFile(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir() && !info.isSymLink();
}

} // namespace testsupport
