#pragma once
// Objects carried in a QVariant, for host calls that answer "an object reference when the
// property holds an object" (ShareProps::GetProperty). The QVariant holds a shared pointer to
// the object's com::ComObject, so it keeps the object alive as a COM reference would.
#include "platform/com/ObjectFactory.h"

#include <QMetaType>
#include <QVariant>

Q_DECLARE_METATYPE(com::ComObjectPtr)

namespace hostapi {

inline QVariant objectValue(com::ComObjectPtr object)
{
    return QVariant::fromValue(std::move(object));
}

inline bool holdsObject(const QVariant& value)
{
    return value.metaType() == QMetaType::fromType<com::ComObjectPtr>();
}

// The object the value holds; null when it holds none.
inline com::ComObjectPtr objectOf(const QVariant& value)
{
    return holdsObject(value) ? value.value<com::ComObjectPtr>() : nullptr;
}

// The object as interface T; null when the value holds no object or one without T.
template <class T>
std::shared_ptr<T> objectAs(const QVariant& value)
{
    return std::dynamic_pointer_cast<T>(objectOf(value));
}

} // namespace hostapi
