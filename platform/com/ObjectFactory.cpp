#include "platform/com/ObjectFactory.h"

#include "platform/com/ErrorCodes.h"

#include <QHash>

namespace com {

struct ObjectFactory::Impl {
    QHash<QString, Creator> creators;  // keyed by the lower-cased ProgID
    Fallback fallback;
};

ObjectFactory& ObjectFactory::instance()
{
    static ObjectFactory factory;
    return factory;
}

ObjectFactory::Impl& ObjectFactory::impl() const
{
    static Impl state;
    return state;
}

void ObjectFactory::registerClass(const QString& progId, Creator creator)
{
    impl().creators.insert(progId.toLower(), std::move(creator));
}

void ObjectFactory::unregisterClass(const QString& progId)
{
    impl().creators.remove(progId.toLower());
}

bool ObjectFactory::isRegistered(const QString& progId) const
{
    return impl().creators.contains(progId.toLower());
}

void ObjectFactory::setFallback(Fallback fallback)
{
    impl().fallback = std::move(fallback);
}

ComObjectPtr ObjectFactory::create(const QString& progId) const
{
    const auto it = impl().creators.constFind(progId.toLower());
    ComObjectPtr object;
    if (it != impl().creators.constEnd())
        object = (*it)();
    else if (impl().fallback)
        object = impl().fallback(progId);
    if (!object)
        throw cantCreate(progId);
    return object;
}

ComError ObjectFactory::cantCreate(const QString& progId)
{
    return ComError(VB_CANT_CREATE_OBJECT, progId,
                    QStringLiteral("ActiveX 部件不能创建对象: %1").arg(progId));
}

} // namespace com
