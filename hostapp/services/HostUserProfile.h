#pragma once
// "ZELEBCBASE.UserProfile": the current user's profile sections, kept in t_UserProfile (one
// row per user, application, section and key; values as text).
#include "hostapp/services/HostProfileDictionary.h"
#include "platform/hostapi/UserProfile.h"

namespace hostsvc {

class HostUserProfile : public hostapi::UserProfile {
public:
    HostUserProfile();

    // Replaces the dictionary's content by the section's rows of the current user. An empty
    // application or section, no login, or a database error raise ComError.
    void Load(const QString& application, const QString& section) override;
    // The dictionary Load fills (the same object for the profile's whole life).
    std::shared_ptr<hostapi::ProfileDictionary> Dictionary() override;
    // Replaces the section of the current user by the dictionary's content, in one
    // transaction: afterwards the section holds exactly these keys, or (after an error)
    // what it held before. Values are stored as text: Booleans as "True"/"False", numbers
    // in their shortest form, dates as yyyy-MM-dd; a null value as a null FValue.
    void save(const QString& application, const QString& section) override;

private:
    std::shared_ptr<HostProfileDictionary> m_dictionary;
};

} // namespace hostsvc
