#pragma once
// A name taken by something that is no regular file, which a save must leave alone: a null
// device like /dev/null where the system allows making one (as root), else a Unix socket.
// Both answer at once when opened, where a pipe would wait for a writer.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace testsupport {

// The path of the special file `name` made in `folder`; empty when none could be made.
inline QString makeSpecialFile(const QString& folder, const QString& name)
{
    const QByteArray path = QFile::encodeName(QDir(folder).filePath(name));
    sockaddr_un address = {AF_UNIX, {}};
    std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool made = ::mknod(path.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0
        || ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);  // a bound socket's file stays
    return made ? QFile::decodeName(path) : QString();
}

inline bool isSpecialFile(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir() && !info.isSymLink();
}

} // namespace testsupport
