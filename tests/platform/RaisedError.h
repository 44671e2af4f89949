#pragma once
// What a call raised, for tables that mix calls which succeed with calls which must fail.
#include "platform/com/ComError.h"

#include <QVariant>
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

// The text of what a call returned, or the description of the error it raised.
template <typename Call>
QString outcome(Call call)
{
    try {
        return QVariant(call()).toString();
    } catch (const com::ComError& error) {
        return error.description();
    }
}

} // namespace platformtest
