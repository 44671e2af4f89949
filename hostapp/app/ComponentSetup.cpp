#include "hostapp/app/ComponentSetup.h"

#include "platform/com/ComError.h"
#include "platform/com/ComponentRegistry.h"
#include "platform/com/ErrorCodes.h"
#include "platform/com/InProcServer.h"

#include <QDir>
#include <QFileInfo>

#include <dlfcn.h>
#include <unistd.h>

namespace zelhost {

namespace {

using RegisterServerFunction = int32_t (*)();

com::ComError setupError(const QString& libraryPath, const QString& reason)
{
    return com::ComError(com::VB_CANT_CREATE_OBJECT, QStringLiteral("zelhost"),
                         QStringLiteral("无法安装价格查询组件 %1：%2").arg(libraryPath, reason));
}

// A registry of this user's in the temporary folder, for machines whose configuration folder
// cannot be written.
QString temporaryRegistryFile()
{
    const QString folder = QDir::temp().filePath(QStringLiteral("zelhost-%1").arg(::getuid()));
    QDir().mkpath(folder);
    return QDir(folder).filePath(QStringLiteral("components.ini"));
}

} // namespace

QString tradeQueryLibraryPath(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral("libZELTradeQuery.so"));
}

void registerTradeQueryComponent(const QString& libraryPath)
{
    if (!QFileInfo::exists(libraryPath))
        throw setupError(libraryPath, QStringLiteral("文件不存在（它应当和 zelhost 在同一个文件夹里）。"));
    // Stays loaded for the life of the process, as every in-process server does.
    void* library = ::dlopen(QFile::encodeName(libraryPath).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!library)
        throw setupError(libraryPath, QString::fromLocal8Bit(::dlerror()));
    auto registerServer = reinterpret_cast<RegisterServerFunction>(::dlsym(library, "DllRegisterServer"));
    if (!registerServer)
        throw setupError(libraryPath, QStringLiteral("它没有 DllRegisterServer。"));

    int32_t result = registerServer();
    if (result == com::SELFREG_E_CLASS_ && !qEnvironmentVariableIsSet(com::kComponentRegistryVariable)) {
        qputenv(com::kComponentRegistryVariable, QFile::encodeName(temporaryRegistryFile()));
        result = registerServer();
    }
    if (result != com::S_OK_) {
        throw setupError(libraryPath, QStringLiteral("DllRegisterServer 返回 0x%1，组件注册表 %2 写不进去。")
                                          .arg(static_cast<uint32_t>(result), 8, 16, QLatin1Char('0'))
                                          .arg(com::componentRegistryFile()));
    }
    com::installInProcServerFallback();
}

} // namespace zelhost
