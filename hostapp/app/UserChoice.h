#pragma once
// "切换用户…": the users of the database to log in as.
#include "hostapp/app/MasterData.h"

#include <QWidget>

#include <optional>

namespace zelhost {

struct UserEntry {
    int32_t id = 0;
    QString name;
    QString description;
};

// Every user of the database, by id.
QList<UserEntry> listUsers(const SqlRunner& run);

// Asks which user to log in as (the current one preselected); nothing when cancelled or when
// the users cannot be read (the person is told why).
std::optional<int32_t> askForUser(int32_t currentUserId, QWidget* parent);

} // namespace zelhost
