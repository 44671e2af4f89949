#pragma once
// Every failure of the host database reaches callers as one kind of ComError: the provider
// error number, source "HostDatabase", and a description a person can act on.
#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"

namespace hostdb {

inline const QString& databaseErrorSource()
{
    static const QString source = QStringLiteral("HostDatabase");
    return source;
}

inline com::ComError databaseError(const QString& description)
{
    return com::ComError(com::ADO_PROVIDER_ERROR, databaseErrorSource(), description);
}

} // namespace hostdb
