#ifndef ZEL_CLASS_FACTORY_ABI_H
#define ZEL_CLASS_FACTORY_ABI_H
/*
 * The C entry points of an in-process server library (a component a host loads with dlopen),
 * and the class factory its DllGetClassObject hands out. A host needs nothing but this header;
 * platform/com/InProcServer.h does the loading for hosts built on this platform.
 *
 * Objects cross the boundary as C++ objects. A server and its host share one copy of
 * libzelplatform.so and the same C++ runtime (they are built together from this tree), so the
 * object created by CreateInstance is handed over as a heap-allocated
 * std::shared_ptr<com::ComObject>, passed through a void*. The caller takes ownership of that
 * shared_ptr: it moves the object out and deletes the shared_ptr itself:
 *
 *     void* raw = nullptr;
 *     if (factory->CreateInstance(factory, &raw) == 0) {
 *         auto* holder = static_cast<std::shared_ptr<com::ComObject>*>(raw);
 *         com::ComObjectPtr object = std::move(*holder);
 *         delete holder;
 *     }
 *
 * The object's code lives in the server library, so the library must stay loaded while any of
 * its objects is alive: DllCanUnloadNow tells. Results are HRESULTs: 0 (S_OK) for success,
 * 1 (S_FALSE) for "no" where a question is asked, negative values for errors.
 */
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define ZEL_CLASS_FACTORY_ABI_VERSION 1u

typedef struct ZelClassFactory ZelClassFactory;

/*
 * One per creatable class. It belongs to the server library and stays valid while the library
 * is loaded; the caller never frees it.
 */
struct ZelClassFactory {
    /* ZEL_CLASS_FACTORY_ABI_VERSION of the library that made it. */
    uint32_t abiVersion;

    /*
     * Creates a new object of the class. On success writes a new
     * std::shared_ptr<com::ComObject>* to *objectOut (the caller owns it, see above) and
     * returns 0; on failure writes NULL and returns an error: E_POINTER (0x80004003) for a
     * NULL objectOut, E_OUTOFMEMORY (0x8007000E), E_FAIL (0x80004005).
     */
    int32_t (*CreateInstance)(ZelClassFactory* self, void** objectOut);

    /*
     * lock != 0 keeps the library loaded without any object alive (DllCanUnloadNow answers
     * S_FALSE); lock == 0 takes one such lock back. Returns 0.
     */
    int32_t (*LockServer)(ZelClassFactory* self, int32_t lock);
};

/*
 * The class factory of the class registered under progId (compared without regard to case).
 * Returns 0 and writes the factory, or CLASS_E_CLASSNOTAVAILABLE (0x80040111) for a ProgID the
 * library does not serve, or E_POINTER (0x80004003) for a NULL argument.
 */
typedef int32_t (*ZelDllGetClassObjectFn)(const char* progId, ZelClassFactory** factoryOut);

/* 0 (S_OK) when no object of the library is alive and no lock is held, else 1 (S_FALSE). */
typedef int32_t (*ZelDllCanUnloadNowFn)(void);

/*
 * Record or remove the library's classes in the component registry (ComponentRegistry.h),
 * with the library's own absolute path. 0 or an error (SELFREG_E_CLASS 0x80040201 when the
 * registry cannot be written).
 */
typedef int32_t (*ZelDllRegisterServerFn)(void);
typedef int32_t (*ZelDllUnregisterServerFn)(void);

/* The symbol names a host looks up with dlsym. */
#define ZEL_DLL_GET_CLASS_OBJECT "DllGetClassObject"
#define ZEL_DLL_CAN_UNLOAD_NOW "DllCanUnloadNow"
#define ZEL_DLL_REGISTER_SERVER "DllRegisterServer"
#define ZEL_DLL_UNREGISTER_SERVER "DllUnregisterServer"

/* Marks the four entry points of a server library as exported (everything else is hidden). */
#define ZEL_SERVER_EXPORT __attribute__((visibility("default")))

#ifdef __cplusplus
}
#endif

#endif /* ZEL_CLASS_FACTORY_ABI_H */
