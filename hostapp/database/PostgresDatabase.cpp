#include "hostapp/database/PostgresDatabase.h"

#include "hostapp/database/ConnectionLoss.h"
#include "hostapp/database/HostDatabaseErrors.h"
#include "hostapp/database/LibpqResult.h"
#include "hostapp/database/QtSqlResult.h"
#include "hostapp/database/Schema.h"
#include "hostapp/database/SqlTokenizer.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <libpq-fe.h>

#include <atomic>
#include <memory>

namespace hostdb {

namespace {

constexpr int maxCachedTranslations = 256;

// Column names and declared types of the tables and views the connection sees.
const char* const kColumnTypesSql =
    "SELECT a.attname, format_type(a.atttypid, a.atttypmod) FROM pg_attribute a"
    " JOIN pg_class c ON c.oid = a.attrelid JOIN pg_namespace n ON n.oid = c.relnamespace"
    " WHERE c.relkind IN ('r', 'v', 'm', 'p') AND a.attnum > 0 AND NOT a.attisdropped"
    " AND n.nspname = ANY (current_schemas(false))";

// The settings every host session runs with, as libpq's "options" value:
// - notices and warnings ("table does not exist, skipping") are no news for a person;
// - no parallel workers and no JIT: a clerk's statements walk an index to a few dozen rows,
//   and starting workers or compiling took several times longer than the walk (the busiest
//   material: about 75 ms with workers, 14 ms without).
const char* const kSessionOptions = "-c client_min_messages=error -c max_parallel_workers_per_gather=0 -c jit=off";

void configure(QSqlDatabase& db, const PostgresServer& server)
{
    db.setHostName(server.host);
    db.setPort(server.port);
    db.setDatabaseName(server.database);
    db.setUserName(server.user);
    db.setPassword(server.password);
    db.setConnectOptions(QStringLiteral("connect_timeout=%1;application_name=zelhost;options='%2'")
                             .arg(server.connectTimeoutSeconds)
                             .arg(QString::fromLatin1(kSessionOptions)));
}

// The server's words without the password, should they ever hold it.
QString withoutSecret(QString message, const PostgresServer& server)
{
    if (server.password.size() >= 3)
        message.replace(server.password, QStringLiteral("***"));
    return message.trimmed();
}

QString connectFailure(const PostgresServer& server, const QSqlError& error)
{
    return QStringLiteral("无法连接 PostgreSQL 服务器 %1（用户 %2）：%3")
        .arg(server.displayName(), server.user.isEmpty() ? QStringLiteral("默认") : server.user,
             withoutSecret(messageOf(error), server));
}

// A statement that may change which columns exist.
bool changesSchema(const QString& sql)
{
    const QString start = sql.left(8).trimmed().toUpper();
    return start.startsWith(QLatin1String("CREATE")) || start.startsWith(QLatin1String("ALTER"))
        || start.startsWith(QLatin1String("DROP"));
}

// How the batch spells each name whose lower-case form the server would answer with.
QHash<QString, QString> spellingsOf(const QString& batch)
{
    QHash<QString, QString> spellings;
    for (const sql::Token& token : sql::tokenize(batch)) {
        QString name;
        if (token.kind == sql::TokenKind::Word)
            name = token.text;
        else if (token.kind == sql::TokenKind::QuotedName || token.kind == sql::TokenKind::BracketName)
            name = token.text.mid(1, token.text.size() - 2);
        const QString lower = name.toLower();
        if (lower != name && !spellings.contains(lower))
            spellings.insert(lower, name);
    }
    return spellings;
}

// The host columns as the schema spells them (FItemID...), for the columns of "select *".
const QHash<QString, QString>& hostColumnSpellings()
{
    static const QHash<QString, QString> spellings = [] {
        QHash<QString, QString> columns;
        const QHash<QString, QString> all = spellingsOf(QString::fromUtf8(schemaTablesSql()));
        for (auto it = all.cbegin(); it != all.cend(); ++it) {
            if (it.value().startsWith(u'F'))
                columns.insert(it.key(), it.value());
        }
        return columns;
    }();
    return spellings;
}

} // namespace

std::shared_ptr<PostgresDatabase> PostgresDatabase::open(const ConnectionTarget& target)
{
    static std::atomic<int> connections{0};
    const QString name = QStringLiteral("zelhost-pg-%1").arg(++connections);
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        if (!db.isValid()) {
            failure = QStringLiteral("无法连接 PostgreSQL 服务器 %1：Qt 的 PostgreSQL 驱动（QPSQL，软件包 libqt6sql6-psql）没有装载。")
                          .arg(target.server.displayName());
        } else {
            configure(db, target.server);
            if (!db.open())
                failure = connectFailure(target.server, db.lastError());
        }
    }
    if (!failure.isEmpty()) {
        QSqlDatabase::removeDatabase(name);
        throw databaseError(failure);
    }
    std::shared_ptr<PostgresDatabase> database(new PostgresDatabase(target, name));
    database->reloadColumnKinds();
    return database;
}

PostgresDatabase::PostgresDatabase(ConnectionTarget target, QString connectionName)
    : m_target(std::move(target)), m_connectionName(std::move(connectionName))
{
}

PostgresDatabase::~PostgresDatabase()
{
    removeQtConnection(m_connectionName);
}

ResultTable PostgresDatabase::executeTable(const QString& sql)
{
    reconnectIfDropped();
    const Translation translation = translated(sql);
    const std::vector<SqlStep>& steps = translation.program.steps;
    ResultTable result;
    qint64 affected = 0;
    bool schemaChanged = false;
    size_t next = 0;
    while (next < steps.size()) {
        const SqlStep& step = steps[next];
        switch (step.kind) {
        case SqlStep::Kind::Run: {
            ResultTable table = runStatement(step.sql);
            if (table.returnsRows)
                result = std::move(table);
            else
                affected += table.rowsAffected;
            schemaChanged = schemaChanged || changesSchema(step.sql);
            ++next;
            break;
        }
        case SqlStep::Kind::SkipUnless: {
            const ResultTable condition = runStatement(step.sql);
            const bool holds = !condition.rows.empty() && !condition.rows.front().empty()
                && condition.rows.front().front().toLongLong() == 1;
            next = holds ? next + 1 : static_cast<size_t>(step.target);
            break;
        }
        case SqlStep::Kind::Jump:
            next = static_cast<size_t>(step.target);
            break;
        }
    }
    if (schemaChanged)
        reloadColumnKinds();
    if (!result.returnsRows)
        result.rowsAffected = affected;
    for (ado::FieldInfo& field : result.fields)
        field.name = translation.spellings.value(field.name, hostColumnSpellings().value(field.name, field.name));
    return result;
}

void PostgresDatabase::runScript(const QString& sql)
{
    reconnectIfDropped();
    runStatement(sql);
}

pg_conn* PostgresDatabase::libpqHandle() const
{
    const QVariant handle = QSqlDatabase::database(m_connectionName, false).driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "pg_conn*") != 0)
        return nullptr;
    return *static_cast<pg_conn* const*>(handle.constData());
}

void PostgresDatabase::reloadColumnKinds()
{
    const ResultTable columns = runStatement(QString::fromLatin1(kColumnTypesSql));
    m_columns.clear();
    for (const std::vector<QVariant>& column : columns.rows)
        m_columns.add(column.at(0).toString(), SqlColumnKinds::kindOfDeclaredType(column.at(1).toString()));
    m_translations.clear();
}

void PostgresDatabase::reconnectIfDropped()
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (db.isOpen())
        return;
    if (!db.open())
        throw databaseError(connectFailure(m_target.server, db.lastError()));
}

const PostgresDatabase::Translation& PostgresDatabase::translated(const QString& sql)
{
    auto found = m_translations.constFind(sql);
    if (found != m_translations.constEnd())
        return *found;
    if (m_translations.size() >= maxCachedTranslations)
        m_translations.clear();
    Translation translation{SqlServerDialect(m_columns, SqlTarget::Postgres).translate(sql), spellingsOf(sql)};
    return *m_translations.insert(sql, std::move(translation));
}

ResultTable PostgresDatabase::runStatement(const QString& sql)
{
    // Straight through libpq: Qt's driver would turn every value into a QVariant of its own
    // first, which costs as much again as reading the rows.
    pg_conn* connection = libpqHandle();
    if (!connection)
        raise(QString(), QStringLiteral("PostgreSQL 连接没有给出 libpq 句柄。"));
    const std::unique_ptr<PGresult, void (*)(PGresult*)> result(PQexec(connection, sql.toUtf8().constData()), PQclear);
    switch (PQresultStatus(result.get())) {
    case PGRES_TUPLES_OK:
        return readLibpqRows(result.get());
    case PGRES_COMMAND_OK:
    case PGRES_EMPTY_QUERY: {
        ResultTable table;
        table.rowsAffected = QByteArray(PQcmdTuples(result.get())).toLongLong();
        return table;
    }
    default: {
        const char* state = result ? PQresultErrorField(result.get(), PG_DIAG_SQLSTATE) : nullptr;
        raise(QString::fromLatin1(state ? state : ""),
              result ? libpqErrorText(result.get()) : QString::fromUtf8(PQerrorMessage(connection)).trimmed());
    }
    }
}

void PostgresDatabase::raise(const QString& code, const QString& serverMessage)
{
    // Class 08 is a connection failure, 57P an operator or a crash ending the session; libpq
    // may not have noticed the closed socket yet.
    pg_conn* connection = libpqHandle();
    if (!connection || PQstatus(connection) == CONNECTION_BAD || code.startsWith(QLatin1String("08"))
        || code.startsWith(QLatin1String("57P"))) {
        // Closed here, opened again by the next statement once the server is back.
        QSqlDatabase::database(m_connectionName, false).close();
        const QString message = QStringLiteral("与 PostgreSQL 服务器 %1 的连接断开了（%2）。服务器恢复后下一次操作会重新连接。")
                                    .arg(m_target.server.displayName(), withoutSecret(serverMessage, m_target.server));
        tellConnectionLost(message);
        throw databaseError(message);
    }
    // PostgreSQL runs nothing more in a transaction a statement failed in, where SQL Server
    // would go on: it is rolled back, so the connection stays usable.
    if (PQtransactionStatus(connection) == PQTRANS_INERROR)
        PQclear(PQexec(connection, "ROLLBACK"));
    throw databaseError(withoutSecret(serverMessage, m_target.server));
}

} // namespace hostdb
