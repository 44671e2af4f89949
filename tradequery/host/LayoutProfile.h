#pragma once
// Where the component's windows remember their layout: values of section "ComTradeQuery" in the
// host's settings store, and user profile values (the grid font) in the host's user profile
// "ZELEBCBASE.UserProfile". Nothing is cached: every read and write goes to the host.
#include <QString>
#include <QVariant>

namespace tq {

// The settings store section of every layout value.
inline constexpr char kLayoutSection[] = "ComTradeQuery";

// The application under which the component keeps its user profile values: its own module name.
inline constexpr char kProfileApplication[] = "ZELTradeQuery";

// The value of key in section "ComTradeQuery" of the host's settings store, or defaultValue
// when the key has none or the host published no store. Errors of the store reach the caller.
QVariant GetLayoutSetting(const QString& key, const QVariant& defaultValue);

// Stores the value under key in section "ComTradeQuery". A host without a settings store, or
// a store that fails, raises ComError.
void SaveLayoutSetting(const QString& key, const QVariant& value);

// The user profile value of key in the section of the application: a Boolean when
// defaultValue is a Boolean, else text (null reads as ""). Failing steps are skipped; no value
// at all (an invalid QVariant) when the profile object cannot be created or gives no answer,
// or when a Boolean is asked for and the stored value is none.
QVariant GetUserProfileValue(const QString& application, const QString& section, const QString& key,
                             const QVariant& defaultValue);

// Sets key to value in the section and saves the whole section back, keeping its other keys.
// Returns true; errors reach the caller.
bool SaveUserProfileValue(const QString& application, const QString& section, const QString& key,
                          const QVariant& value);

} // namespace tq
