#pragma once
// Handlers that only arrange the window, the tree or the view go on when one of their steps
// fails: each step runs through step(), which swallows the step's ComError so the next one
// still runs. No message is shown and nothing is logged.
//
//     tq::step([&] { tree.Nodes().Clear(); });
//     tq::step([&] { addRoot(); });  // runs even when Clear failed
#include "platform/com/ComError.h"

#include <utility>

namespace tq {

// Runs the step; true when it ended normally, false when it raised a ComError (swallowed).
// Other exceptions are programming errors and pass on.
template <class Step>
bool step(Step&& body)
{
    try {
        std::forward<Step>(body)();
        return true;
    } catch (const com::ComError&) {
        return false;
    }
}

} // namespace tq
