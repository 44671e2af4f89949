#include "hostapp/services/HostUserProfile.h"

#include "hostapp/database/HostDatabase.h"
#include "hostapp/services/CurrentSession.h"
#include "hostapp/services/ServiceErrors.h"
#include "hostapp/services/SqlLiteral.h"
#include "platform/hostapi/ProgIds.h"
#include "platform/hostapi/StandardFoundation.h"

namespace hostsvc {

namespace {

const QString& source()
{
    static const QString text = QString::fromLatin1(hostapi::progid::UserProfile);
    return text;
}

void requireNames(const QString& application, const QString& section)
{
    if (application.trimmed().isEmpty() || section.trimmed().isEmpty())
        throw serviceError(source(), QStringLiteral("用户配置的应用名和节名不能为空（应用“%1”，节“%2”）。")
                                         .arg(application, section));
}

// "FUserID=1 AND FApplication='…' AND FSection='…'"
QString sectionCondition(int32_t userId, const QString& application, const QString& section)
{
    return QStringLiteral("FUserID=%1 AND FApplication=%2 AND FSection=%3")
        .arg(userId)
        .arg(sqlLiteral(application), sqlLiteral(section));
}

QString storedValue(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QStringLiteral("NULL");
    return sqlLiteral(hostapi::StandardFoundation::argumentText(value));
}

} // namespace

HostUserProfile::HostUserProfile()
    : m_dictionary(std::make_shared<HostProfileDictionary>())
{
}

void HostUserProfile::Load(const QString& application, const QString& section)
{
    requireNames(application, section);
    const int32_t userId = currentSession(source()).login.userId;
    const hostdb::ResultTable rows = currentDatabase(source())->executeTable(
        QStringLiteral("SELECT FKey, FValue FROM t_UserProfile WHERE ")
        + sectionCondition(userId, application, section));
    m_dictionary->clear();
    for (const auto& row : rows.rows) {
        const QVariant& value = row[1];
        m_dictionary->SetValue(row[0].toString(),
                               value.isValid() && !value.isNull() ? QVariant(value.toString()) : QVariant());
    }
}

std::shared_ptr<hostapi::ProfileDictionary> HostUserProfile::Dictionary()
{
    return m_dictionary;
}

void HostUserProfile::save(const QString& application, const QString& section)
{
    requireNames(application, section);
    const int32_t userId = currentSession(source()).login.userId;
    const auto database = currentDatabase(source());

    database->execute(QStringLiteral("BEGIN TRANSACTION"));
    try {
        database->execute(QStringLiteral("DELETE FROM t_UserProfile WHERE ")
                          + sectionCondition(userId, application, section));
        for (const QString& key : m_dictionary->keys()) {
            database->execute(
                QStringLiteral("INSERT INTO t_UserProfile (FUserID, FApplication, FSection, FKey, FValue) "
                               "VALUES (%1, %2, %3, %4, %5)")
                    .arg(userId)
                    .arg(sqlLiteral(application), sqlLiteral(section), sqlLiteral(key),
                         storedValue(m_dictionary->value(key))));
        }
        database->execute(QStringLiteral("COMMIT TRANSACTION"));
    } catch (...) {
        try {
            database->execute(QStringLiteral("ROLLBACK TRANSACTION"));
        } catch (const com::ComError&) {
            // The first error is the one to report; a failed rollback leaves nothing newer.
        }
        throw;
    }
}

} // namespace hostsvc
