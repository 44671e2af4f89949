#include "platform/com/InProcServer.h"

#include "platform/com/ClassFactoryAbi.h"
#include "platform/com/ComponentRegistry.h"
#include "platform/com/ErrorCodes.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <dlfcn.h>
#include <memory>

namespace com {

namespace {

struct LoadedServer {
    void* handle = nullptr;
    ZelDllGetClassObjectFn getClassObject = nullptr;
};

// Loaded libraries by path. Never unloaded (see the header).
QHash<QString, LoadedServer>& loadedServers()
{
    static QHash<QString, LoadedServer> servers;
    return servers;
}

ComError cannotCreate(const QString& progId, const QString& library, const QString& reason)
{
    return ComError(VB_CANT_CREATE_OBJECT, progId,
                    QStringLiteral("ActiveX 部件不能创建对象: %1 (%2: %3)")
                        .arg(progId, QDir::toNativeSeparators(library), reason));
}

QString hresultText(int32_t result)
{
    return QStringLiteral("0x")
           + QString::number(static_cast<uint32_t>(result), 16).toUpper().rightJustified(8, QLatin1Char('0'));
}

const LoadedServer& load(const QString& progId, const QString& library)
{
    auto& servers = loadedServers();
    const auto found = servers.constFind(library);
    if (found != servers.constEnd())
        return *found;

    // RTLD_LOCAL: each server keeps its own symbols; they meet the host only through the ABI.
    void* handle = ::dlopen(QFile::encodeName(library).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        throw cannotCreate(progId, library,
                           QStringLiteral("无法加载库 %1").arg(QString::fromLocal8Bit(::dlerror())));
    LoadedServer server;
    server.handle = handle;
    server.getClassObject =
        reinterpret_cast<ZelDllGetClassObjectFn>(::dlsym(handle, ZEL_DLL_GET_CLASS_OBJECT));
    if (!server.getClassObject) {
        // Not a server: let it go again, so a corrected registry entry can load the right file.
        ::dlclose(handle);
        throw cannotCreate(progId, library,
                           QStringLiteral("库中没有入口 %1").arg(QLatin1String(ZEL_DLL_GET_CLASS_OBJECT)));
    }
    return *servers.insert(library, server);
}

} // namespace

ComObjectPtr createFromInProcServer(const QString& progId)
{
    const QString library = inProcServerPath(progId);
    if (library.isEmpty())
        return nullptr;
    const LoadedServer& server = load(progId, library);

    ZelClassFactory* factory = nullptr;
    const QByteArray name = progId.toUtf8();
    const int32_t found = server.getClassObject(name.constData(), &factory);
    if (found != S_OK_ || !factory)
        throw cannotCreate(progId, library,
                           QStringLiteral("DllGetClassObject 返回 %1").arg(hresultText(found)));
    if (factory->abiVersion != ZEL_CLASS_FACTORY_ABI_VERSION)
        throw cannotCreate(progId, library,
                           QStringLiteral("类工厂版本 %1 不受支持").arg(factory->abiVersion));

    void* raw = nullptr;
    const int32_t created = factory->CreateInstance(factory, &raw);
    if (created != S_OK_ || !raw)
        throw cannotCreate(progId, library,
                           QStringLiteral("CreateInstance 返回 %1").arg(hresultText(created)));
    // The library handed over a heap-allocated shared_ptr; it is ours now.
    std::unique_ptr<ComObjectPtr> holder(static_cast<ComObjectPtr*>(raw));
    ComObjectPtr object = std::move(*holder);
    if (!object)
        throw cannotCreate(progId, library, QStringLiteral("CreateInstance 没有给出对象"));
    return object;
}

void installInProcServerFallback()
{
    ObjectFactory::instance().setFallback(&createFromInProcServer);
}

} // namespace com
