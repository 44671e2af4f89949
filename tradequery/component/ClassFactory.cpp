#include "tradequery/component/ClassFactory.h"

#include "platform/com/ComponentRegistry.h"
#include "platform/com/ErrorCodes.h"
#include "platform/hostapi/ProgIds.h"
#include "tradequery/window/ServerReferences.h"
#include "tradequery/component/TradeQuery.h"

#include <memory>
#include <new>

namespace tq {

namespace {

// Nothing may unwind through the C boundary: every failure becomes an HRESULT.
int32_t createTradeQuery(ZelClassFactory* /*self*/, void** objectOut)
{
    if (!objectOut)
        return com::E_POINTER_;
    *objectOut = nullptr;
    try {
        auto holder = std::make_unique<com::ComObjectPtr>(std::make_shared<TradeQuery>());
        *objectOut = holder.release();  // the caller owns it now
        return com::S_OK_;
    } catch (const std::bad_alloc&) {
        return com::E_OUTOFMEMORY_;
    } catch (...) {
        return com::E_FAIL_;
    }
}

int32_t lockServer(ZelClassFactory* /*self*/, int32_t lock)
{
    if (lock)
        addServerReference();
    else
        releaseServerReference();
    return com::S_OK_;
}

ZelClassFactory g_tradeQueryFactory{ZEL_CLASS_FACTORY_ABI_VERSION, &createTradeQuery, &lockServer};

} // namespace

QString tradeQueryProgId()
{
    return QString::fromLatin1(hostapi::progid::TradeQuery);
}

int32_t getClassObject(const char* progId, ZelClassFactory** factoryOut)
{
    if (!factoryOut)
        return com::E_POINTER_;
    *factoryOut = nullptr;
    if (!progId)
        return com::E_POINTER_;
    if (QString::fromUtf8(progId).compare(tradeQueryProgId(), Qt::CaseInsensitive) != 0)
        return com::CLASS_E_CLASSNOTAVAILABLE_;
    *factoryOut = &g_tradeQueryFactory;
    return com::S_OK_;
}

int32_t canUnloadNow()
{
    return serverReferenceCount() == 0 ? com::S_OK_ : com::S_FALSE_;
}

int32_t registerServer(const QString& libraryPath)
{
    try {
        com::registerInProcServer(tradeQueryProgId(), libraryPath);
        return com::S_OK_;
    } catch (const com::ComError& error) {
        return error.number();
    } catch (...) {
        return com::SELFREG_E_CLASS_;
    }
}

int32_t unregisterServer()
{
    try {
        com::unregisterInProcServer(tradeQueryProgId());
        return com::S_OK_;
    } catch (const com::ComError& error) {
        return error.number();
    } catch (...) {
        return com::SELFREG_E_CLASS_;
    }
}

} // namespace tq
