#include "platform/files/SaveTarget.h"

#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"

#include <QFileInfo>

namespace files {

namespace {

// As the system does, a chain of more links than this is taken for a loop.
constexpr int kMaxLinks = 40;

QString followLinks(const QString& path)
{
    QFileInfo info(path);
    for (int hops = 0; info.isSymLink() && hops < kMaxLinks; ++hops)
        info.setFile(info.symLinkTarget());
    return info.absoluteFilePath();
}

} // namespace

QString saveTarget(const QString& path)
{
    const QString target = followLinks(path);
    const QFileInfo info(target);
    const auto refuse = [](const QString& reason) { return com::ComError(com::E_FAIL_, QStringLiteral("SaveTarget"), reason); };
    if (info.isSymLink())
        throw refuse(QStringLiteral("链接太多，可能是一个循环"));
    if (info.isDir())
        throw refuse(QStringLiteral("这是一个文件夹"));
    if (info.exists() && !info.isFile())
        throw refuse(QStringLiteral("这不是普通文件（设备、管道或套接字），不能替换它"));
    return target;
}

bool isRegularOrMissing(const QString& path)
{
    const QFileInfo info(followLinks(path));
    return !info.exists() ? !info.isSymLink() : info.isFile();
}

} // namespace files
