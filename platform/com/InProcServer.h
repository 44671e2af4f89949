#pragma once
// Creating objects served by in-process server libraries, the way a COM host does: look the
// ProgID up in the component registry, load the library once, ask its DllGetClassObject for
// the class factory and let the factory create the object. The host installs this as the
// object factory's fallback, so ObjectFactory::create reaches registered components too.
//
// Libraries stay loaded for the life of the process once loaded: the objects they made, the
// Qt meta-objects and the process-wide state inside them must outlive any caller's reference.
#include "platform/com/ObjectFactory.h"

#include <QString>

namespace com {

// A new object of progId from the library registered for it; null when no library is
// registered (ObjectFactory then raises its "can't create object" error). Raises ComError
// VB_CANT_CREATE_OBJECT naming the ProgID and the library when the library cannot be loaded,
// lacks DllGetClassObject, does not serve the class or fails to create the object.
ComObjectPtr createFromInProcServer(const QString& progId);

// Makes createFromInProcServer the fallback of ObjectFactory::instance(); removing is
// ObjectFactory::instance().setFallback({}).
void installInProcServerFallback();

} // namespace com
