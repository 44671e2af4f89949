#pragma once
// Errors the host services raise themselves (database errors pass through as the database
// raised them): number E_FAIL, the ProgID or part of the host as source, and a description a
// person can act on.
#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"

namespace hostsvc {

inline com::ComError serviceError(const QString& source, const QString& description)
{
    return com::ComError(com::E_FAIL_, source, description);
}

} // namespace hostsvc
