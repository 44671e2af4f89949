#pragma once
// The library's side of the in-process server ABI (platform/com/ClassFactoryAbi.h): the class
// factory of TradeQuery and the work behind the four exports, which Exports.cpp forwards to.
#include "platform/com/ClassFactoryAbi.h"

#include <QString>
#include <cstdint>

namespace tq {

// The ProgID of the one creatable class.
QString tradeQueryProgId();

// DllGetClassObject: the factory of progId (any case), CLASS_E_CLASSNOTAVAILABLE for another
// ProgID, E_POINTER for a null argument.
int32_t getClassObject(const char* progId, ZelClassFactory** factoryOut);

// DllCanUnloadNow: S_OK when no TradeQuery, no window and no factory lock is alive, else
// S_FALSE.
int32_t canUnloadNow();

// DllRegisterServer / DllUnregisterServer for the library at libraryPath: record or remove the
// TradeQuery entry of the component registry. S_OK, or the registry's error number.
int32_t registerServer(const QString& libraryPath);
int32_t unregisterServer();

} // namespace tq
