// The four entry points of libZELTradeQuery.so, and the only symbols it exports. Built into
// the shared library only; the work is done in ClassFactory.cpp.
#include "platform/com/ClassFactoryAbi.h"
#include "platform/com/ErrorCodes.h"
#include "tradequery/component/ClassFactory.h"

#include <QFileInfo>
#include <QString>
#include <dlfcn.h>
#include <type_traits>

namespace {

// This library's own file, found from the address of one of its functions.
QString thisLibraryPath()
{
    Dl_info info{};
    if (::dladdr(reinterpret_cast<const void*>(&thisLibraryPath), &info) == 0 || !info.dli_fname)
        return {};
    return QFileInfo(QFile::decodeName(info.dli_fname)).absoluteFilePath();
}

} // namespace

extern "C" {

ZEL_SERVER_EXPORT int32_t DllGetClassObject(const char* progId, ZelClassFactory** factoryOut)
{
    return tq::getClassObject(progId, factoryOut);
}

ZEL_SERVER_EXPORT int32_t DllCanUnloadNow(void)
{
    return tq::canUnloadNow();
}

ZEL_SERVER_EXPORT int32_t DllRegisterServer(void)
{
    const QString path = thisLibraryPath();
    if (path.isEmpty())
        return com::SELFREG_E_CLASS_;
    return tq::registerServer(path);
}

ZEL_SERVER_EXPORT int32_t DllUnregisterServer(void)
{
    return tq::unregisterServer();
}

} // extern "C"

// The exports must keep the signatures hosts look them up with.
static_assert(std::is_same_v<decltype(&DllGetClassObject), ZelDllGetClassObjectFn>);
static_assert(std::is_same_v<decltype(&DllCanUnloadNow), ZelDllCanUnloadNowFn>);
static_assert(std::is_same_v<decltype(&DllRegisterServer), ZelDllRegisterServerFn>);
static_assert(std::is_same_v<decltype(&DllUnregisterServer), ZelDllUnregisterServerFn>);
