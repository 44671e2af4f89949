#include "tradequery/window/ServerReferences.h"

#include <atomic>

namespace tq {

namespace {

// Objects are made and dropped on the GUI thread, but a host may ask DllCanUnloadNow from any.
std::atomic<int> g_references{0};

} // namespace

void addServerReference()
{
    g_references.fetch_add(1, std::memory_order_relaxed);
}

void releaseServerReference()
{
    g_references.fetch_sub(1, std::memory_order_relaxed);
}

int serverReferenceCount()
{
    return g_references.load(std::memory_order_relaxed);
}

} // namespace tq
