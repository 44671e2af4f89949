#include "hostapp/app/UserChoice.h"

#include "hostapp/app/HostMessages.h"
#include "platform/com/ComError.h"
#include "platform/win/ModalDialog.h"

#include <QInputDialog>

namespace zelhost {

QList<UserEntry> listUsers(const SqlRunner& run)
{
    QList<UserEntry> users;
    const ado::RecordsetPtr rows = run(QStringLiteral("select FUserID, FName, FDescription from t_User order by FUserID"));
    if (!rows || rows->State() != ado::adStateOpen)
        return users;
    for (; !rows->Eof(); rows->MoveNext()) {
        users.append({rows->value(QStringLiteral("FUserID")).toInt(), rows->value(QStringLiteral("FName")).toString(),
                      rows->value(QStringLiteral("FDescription")).toString()});
    }
    return users;
}

std::optional<int32_t> askForUser(int32_t currentUserId, QWidget* parent)
{
    QList<UserEntry> users;
    try {
        users = listUsers(serviceConnection());
    } catch (const com::ComError& e) {
        reportProblem(QStringLiteral("读取用户时出错：%1").arg(e.description()));
        return std::nullopt;
    }
    QStringList items;
    int current = 0;
    for (const UserEntry& user : users) {
        if (user.id == currentUserId)
            current = static_cast<int>(items.size());
        items << QStringLiteral("%1  %2  %3").arg(user.id).arg(user.name, user.description);
    }
    QInputDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("切换用户"));
    dialog.setLabelText(QStringLiteral("以哪个用户登录："));
    dialog.setComboBoxItems(items);
    dialog.setComboBoxEditable(false);
    if (!items.isEmpty())
        dialog.setTextValue(items[current]);
    dialog.setOkButtonText(QStringLiteral("登录"));
    dialog.setCancelButtonText(QStringLiteral("取消"));
    if (win::runModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    const qsizetype chosen = items.indexOf(dialog.textValue());
    if (chosen < 0)
        return std::nullopt;
    return users[chosen].id;
}

} // namespace zelhost
