#pragma once
// The process-wide registry ProgID -> creator. The host registers its service components at
// start-up; tests register fakes under the same ProgIDs to see what the component passes.
#include "platform/com/ComError.h"

#include <QString>
#include <functional>
#include <memory>

namespace com {

// Base of every object that can be created by ProgID.
class ComObject {
public:
    virtual ~ComObject() = default;
};
using ComObjectPtr = std::shared_ptr<ComObject>;

class ObjectFactory {
public:
    using Creator = std::function<ComObjectPtr()>;
    // Asked when a ProgID has no creator of its own (the component registry plugs in here).
    using Fallback = std::function<ComObjectPtr(const QString& progId)>;

    static ObjectFactory& instance();

    // ProgIDs compare without regard to case, as the platform's class registry does.
    void registerClass(const QString& progId, Creator creator);
    void unregisterClass(const QString& progId);
    bool isRegistered(const QString& progId) const;
    void setFallback(Fallback fallback);

    // A new object of that ProgID; raises ComError VB_CANT_CREATE_OBJECT naming the ProgID
    // when nothing can create it.
    ComObjectPtr create(const QString& progId) const;

    // As create, then the interface T; an object without T raises the same error.
    template <class T>
    std::shared_ptr<T> createAs(const QString& progId) const
    {
        auto object = create(progId);
        if (auto typed = std::dynamic_pointer_cast<T>(object))
            return typed;
        throw cantCreate(progId);
    }

    static ComError cantCreate(const QString& progId);

private:
    ObjectFactory() = default;
    struct Impl;
    Impl& impl() const;
};

} // namespace com
