#pragma once
// Catching the ComError a call raises, for tests that check its number, source and text.
#include "platform/com/ComError.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace fakehost {

// The ComError the call raised; nothing (and a test failure) when it raised none.
inline std::optional<com::ComError> comErrorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const com::ComError& error) {
        return error;
    }
    ADD_FAILURE() << "no ComError raised";
    return std::nullopt;
}

} // namespace fakehost
