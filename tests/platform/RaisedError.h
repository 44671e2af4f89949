#pragma once
// What a call raised, for tables that mix calls which succeed with calls which must fail.
#include "platform/com/ComError.h"

#include <functional>

namespace platformtest {

struct Raised {
    int32_t number = 0;  // 0: nothing was raised
    QString source;
    QString description;
};

inline Raised raisedBy(const std::function<void()>& call)
{
    try {
        call();
    } catch (const com::ComError& error) {
        return {error.number(), error.source(), error.description()};
    }
    return {};
}

} // namespace platformtest
