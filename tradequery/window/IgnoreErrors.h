#pragma once
// "Errors are ignored statement by statement": a window step that fails is skipped and the
// next one runs, without a message.
#include "platform/com/ComError.h"

#include <utility>

namespace tq {

// Runs one step; a ComError it raises is swallowed. Answers whether the step completed.
template <class Step>
bool IgnoreErrors(Step&& step)
{
    try {
        std::forward<Step>(step)();
        return true;
    } catch (const com::ComError&) {
        return false;
    }
}

} // namespace tq
