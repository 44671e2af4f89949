#pragma once
// What keeps this library in use: its live objects (TradeQuery instances, open BrowseBase
// windows) and the locks of its class factory. DllCanUnloadNow answers from the count.
namespace tq {

void addServerReference();
void releaseServerReference();
int serverReferenceCount();

// Counts its owner for as long as the owner lives.
class ServerReference {
public:
    ServerReference() { addServerReference(); }
    ServerReference(const ServerReference&) { addServerReference(); }
    ServerReference& operator=(const ServerReference&) = default;
    ~ServerReference() { releaseServerReference(); }
};

} // namespace tq
