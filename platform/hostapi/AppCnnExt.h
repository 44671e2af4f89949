#pragma once
// The host connection the component runs its queries through, chosen by the login.
#include "platform/ado/Recordset.h"

#include <QString>

namespace hostapi {

class AppCnnExt : public com::ComObject {
public:
    // Runs the SQL on the database of the login the property string describes.
    virtual ado::RecordsetPtr Execute(const QString& propsString, const QString& sql) = 0;
};

} // namespace hostapi
