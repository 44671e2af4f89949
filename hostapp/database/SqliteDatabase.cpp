#include "hostapp/database/SqliteDatabase.h"

#include "hostapp/database/HostDatabaseErrors.h"
#include "hostapp/database/SqliteResultReader.h"
#include "hostapp/database/SqliteTuning.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QUrl>
#include <sqlite3.h>

#include <atomic>

namespace hostdb {

namespace {

constexpr int maxCachedPrograms = 256;

// Resets a cached statement, or finalizes a statement of its own, when its run ends (also
// on an error), so that no statement keeps the file locked.
class StatementRun {
public:
    StatementRun(sqlite3_stmt* statement, bool owned) : m_statement(statement), m_owned(owned) {}
    ~StatementRun()
    {
        if (m_owned)
            sqlite3_finalize(m_statement);
        else
            sqlite3_reset(m_statement);
    }
    StatementRun(const StatementRun&) = delete;
    StatementRun& operator=(const StatementRun&) = delete;

private:
    sqlite3_stmt* m_statement;
    bool m_owned;
};

bool onlyBlanks(const char* begin, const char* end)
{
    for (const char* p = begin; p < end; ++p) {
        if (*p != ' ' && *p != '\t' && *p != '\r' && *p != '\n')
            return false;
    }
    return true;
}

sqlite3* handleOf(const QSqlDatabase& db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

// file:///absolute/path?mode=rw: SQLite opens the file for writing but never creates it.
QString openUri(const QString& path)
{
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded)
        + QStringLiteral("?mode=rw");
}

// Failures that no other query would get past.
bool isFileProblem(int code)
{
    const int primary = code & 0xff;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED || primary == SQLITE_NOTADB
        || primary == SQLITE_CORRUPT;
}

} // namespace

std::shared_ptr<SqliteDatabase> SqliteDatabase::open(const ConnectionTarget& target)
{
    const QString& path = target.sqlitePath;
    // Waits while another process creates or replaces the file.
    files::FileLock lock = files::FileLock::acquire(path, files::FileLock::Mode::Shared);
    const QFileInfo info(path);
    if (!info.exists())
        throw databaseError(QStringLiteral("数据库文件不存在：%1").arg(path));
    if (!info.isFile())
        throw databaseError(QStringLiteral("不是数据库文件：%1").arg(path));

    static std::atomic<int> connections{0};
    const QString name = QStringLiteral("zelhost-sqlite-%1").arg(++connections);
    sqlite3* handle = nullptr;
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        if (!db.isValid()) {
            failure = QStringLiteral("无法打开数据库：Qt 的 SQLite 驱动（QSQLITE）没有装载。");
        } else {
            db.setDatabaseName(openUri(path));
            db.setConnectOptions(
                QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(target.busyTimeoutMs));
            if (!db.open())
                failure = QStringLiteral("无法打开数据库文件 %1：%2").arg(path, db.lastError().text());
            else if (!(handle = handleOf(db)))
                failure = QStringLiteral("无法打开数据库：Qt 的 SQLite 驱动没有给出 sqlite3 连接。");
        }
    }
    if (!failure.isEmpty()) {
        QSqlDatabase::removeDatabase(name);
        throw databaseError(failure);
    }
    sqlite3_busy_timeout(handle, target.busyTimeoutMs);
    applyReadSettings(handle);

    std::shared_ptr<SqliteDatabase> database(new SqliteDatabase(target, name, handle, std::move(lock)));
    // Reads the file for the first time: a file that is no database, or one locked by
    // another program, is reported here.
    database->refreshSchemaIfChanged();
    if (addMissingIndexesAndStatistics(handle))
        database->refreshSchemaIfChanged(true);
    return database;
}

SqliteDatabase::SqliteDatabase(ConnectionTarget target, QString connectionName, sqlite3* db, files::FileLock lock)
    : m_target(std::move(target)), m_fileLock(std::move(lock)), m_connectionName(std::move(connectionName)), m_db(db),
      m_statements(db)
{
}

SqliteDatabase::~SqliteDatabase()
{
    m_statements.clear();  // before Qt closes the handle
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

ResultTable SqliteDatabase::executeTable(const QString& sql) { return runBatch(sql, nullptr); }

std::vector<ResultTable> SqliteDatabase::executeEach(const QString& sql)
{
    std::vector<ResultTable> each;
    runBatch(sql, &each);
    return each;
}

ResultTable SqliteDatabase::runBatch(const QString& sql, std::vector<ResultTable>* each)
{
    refreshSchemaIfChanged();
    SqlProgram program = translated(sql);
    // Another program may have changed the schema without our data version showing it yet.
    if (program.guessedColumns && refreshSchemaIfChanged(true))
        program = translated(sql);
    const sqlite3_int64 changesBefore = sqlite3_total_changes64(m_db);
    ResultTable result;
    size_t next = 0;
    while (next < program.steps.size()) {
        const SqlStep& step = program.steps[next];
        switch (step.kind) {
        case SqlStep::Kind::Run: {
            const sqlite3_int64 changes = sqlite3_total_changes64(m_db);
            const int schema = each ? schemaVersion() : 0;
            ResultTable table = runStatement(step.sql);
            if (each) {
                ResultTable& own = each->emplace_back(table);
                own.statement = step.sql;
                own.rowsAffected = table.returnsRows ? 0 : sqlite3_total_changes64(m_db) - changes;
                own.schemaChanged = schemaVersion() != schema;
            }
            if (table.returnsRows)
                result = std::move(table);
            ++next;
            break;
        }
        case SqlStep::Kind::SkipUnless:
            next = runCondition(step.sql) ? next + 1 : static_cast<size_t>(step.target);
            break;
        case SqlStep::Kind::Jump:
            next = static_cast<size_t>(step.target);
            break;
        }
    }
    if (!result.returnsRows)
        result.rowsAffected = sqlite3_total_changes64(m_db) - changesBefore;
    return result;
}

const SqlProgram& SqliteDatabase::translated(const QString& sql)
{
    auto found = m_programs.constFind(sql);
    if (found != m_programs.constEnd())
        return *found;
    if (m_programs.size() >= maxCachedPrograms)
        m_programs.clear();
    return *m_programs.insert(sql, SqlServerDialect(m_columns).translate(sql));
}

ResultTable SqliteDatabase::runStatement(const QString& sql)
{
    ResultTable result;
    auto run = [&](sqlite3_stmt* statement, bool owned) {
        StatementRun guard(statement, owned);
        SqliteResultReader reader(statement);
        int code;
        while ((code = sqlite3_step(statement)) == SQLITE_ROW)
            reader.readRow();
        if (code != SQLITE_DONE)
            raise(code);
        ResultTable table = reader.finish();
        if (table.returnsRows)
            result = std::move(table);
    };

    if (sqlite3_stmt* cached = m_statements.find(sql)) {
        run(cached, false);
        return result;
    }
    // One step holds one statement; should the text hold more, they all run in order.
    const QByteArray utf8 = sql.toUtf8();
    const char* rest = utf8.constData();
    const char* end = rest + utf8.size();
    bool first = true;
    while (rest < end) {
        sqlite3_stmt* statement = nullptr;
        const char* tail = end;
        const int code = sqlite3_prepare_v3(m_db, rest, static_cast<int>(end - rest),
                                            first ? SQLITE_PREPARE_PERSISTENT : 0, &statement, &tail);
        if (code != SQLITE_OK)
            raise(code);
        if (!statement)
            break;  // only blanks were left
        const bool keep = first && onlyBlanks(tail, end);
        if (keep)
            m_statements.insert(sql, statement);
        run(statement, !keep);
        rest = tail;
        first = false;
    }
    return result;
}

bool SqliteDatabase::runCondition(const QString& sql)
{
    const ResultTable table = runStatement(sql);
    return !table.rows.empty() && !table.rows.front().empty()
        && table.rows.front().front().toLongLong() == 1;
}

int SqliteDatabase::schemaVersion()
{
    static const QString versionQuery = QStringLiteral("PRAGMA schema_version");
    const ResultTable version = runStatement(versionQuery);
    return version.rows.empty() ? 0 : version.rows.front().front().toInt();
}

bool SqliteDatabase::refreshSchemaIfChanged(bool evenWithoutWrites)
{
    // The data version is kept in memory and changes with every committed change, ours or
    // another connection's: asking it costs no read of the file, so the schema version is
    // only read again after something was written.
    unsigned int dataVersion = 0;
    if (sqlite3_file_control(m_db, "main", SQLITE_FCNTL_DATA_VERSION, &dataVersion) == SQLITE_OK
        && m_schemaVersion >= 0 && dataVersion == m_dataVersion && !evenWithoutWrites)
        return false;
    m_dataVersion = dataVersion;
    const int current = schemaVersion();
    if (current == m_schemaVersion)
        return false;
    loadColumnKinds();
    m_programs.clear();
    m_schemaVersion = current;
    return true;
}

// Column names and declared types of every table and view, in one pass.
void SqliteDatabase::loadColumnKinds()
{
    static const char* const queries[] = {
        "SELECT p.name, p.type FROM sqlite_master AS m, pragma_table_info(m.name) AS p"
        " WHERE m.type IN ('table', 'view')",
        // A view over a missing table makes the first query fail: read the tables alone.
        "SELECT p.name, p.type FROM sqlite_master AS m, pragma_table_info(m.name) AS p"
        " WHERE m.type = 'table'",
    };
    for (const char* query : queries) {
        const bool lastTry = query == queries[1];
        m_columns.clear();
        sqlite3_stmt* statement = nullptr;
        int code = sqlite3_prepare_v2(m_db, query, -1, &statement, nullptr);
        if (code == SQLITE_OK) {
            StatementRun guard(statement, true);
            while ((code = sqlite3_step(statement)) == SQLITE_ROW) {
                const auto text = [&](int column) {
                    return QString::fromUtf8(
                        reinterpret_cast<const char*>(sqlite3_column_text(statement, column)));
                };
                m_columns.add(text(0), SqlColumnKinds::kindOfDeclaredType(text(1)));
            }
            if (code == SQLITE_DONE)
                return;
            if (lastTry || isFileProblem(code))
                raise(code);
        } else if (lastTry || isFileProblem(code)) {
            raise(code);
        }
    }
}

void SqliteDatabase::raise(int code) const
{
    const QString message = QString::fromUtf8(sqlite3_errmsg(m_db));
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        throw databaseError(
            QStringLiteral("数据库正被其他程序占用，请稍后再试（%1）：%2").arg(message, m_target.sqlitePath));
    case SQLITE_NOTADB:
        throw databaseError(QStringLiteral("不是数据库文件：%1（%2）").arg(m_target.sqlitePath, message));
    case SQLITE_CORRUPT:
        throw databaseError(QStringLiteral("数据库文件已损坏：%1（%2）").arg(m_target.sqlitePath, message));
    default:
        throw databaseError(message);
    }
}

} // namespace hostdb
