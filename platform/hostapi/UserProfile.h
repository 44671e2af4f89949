#pragma once
// The host's per-user profile: values by application and section.
#include "platform/hostapi/ProfileDictionary.h"

#include <QString>
#include <memory>

namespace hostapi {

class UserProfile : public com::ComObject {
public:
    // Reads the section of the current user into this object's dictionary.
    virtual void Load(const QString& application, const QString& section) = 0;
    // The loaded section; changes made through it are written by save.
    virtual std::shared_ptr<ProfileDictionary> Dictionary() = 0;
    // Writes the whole dictionary back as the section of the current user.
    virtual void save(const QString& application, const QString& section) = 0;
};

} // namespace hostapi
