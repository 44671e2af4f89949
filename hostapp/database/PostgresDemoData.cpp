#include "hostapp/database/PostgresDemoData.h"

#include "hostapp/database/HostDatabaseErrors.h"
#include "hostapp/database/PostgresDatabase.h"
#include "hostapp/database/PostgresSchema.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <libpq-fe.h>
#include <sqlite3.h>

#include <memory>

namespace hostdb {

namespace {

constexpr size_t kCopyChunk = 1 << 20;

// Appends one value in COPY's text format: \N for null, backslash escapes for the separators.
void appendCopyValue(std::string& line, sqlite3_stmt* row, int column)
{
    switch (sqlite3_column_type(row, column)) {
    case SQLITE_NULL:
        line += "\\N";
        return;
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        // SQLite writes a real with 15 significant digits: the decimal the generator rounded to.
        line += reinterpret_cast<const char*>(sqlite3_column_text(row, column));
        return;
    default:
        break;
    }
    const char* text = reinterpret_cast<const char*>(sqlite3_column_text(row, column));
    for (const char* p = text; p && *p; ++p) {
        switch (*p) {
        case '\\': line += "\\\\"; break;
        case '\t': line += "\\t"; break;
        case '\n': line += "\\n"; break;
        case '\r': line += "\\r"; break;
        default: line += *p;
        }
    }
}

class SqliteSource {
public:
    explicit SqliteSource(const QString& path)
    {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
            fail("open");
    }
    ~SqliteSource() { sqlite3_close_v2(m_db); }
    SqliteSource(const SqliteSource&) = delete;
    SqliteSource& operator=(const SqliteSource&) = delete;

    sqlite3_stmt* prepare(const QString& sql)
    {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
            fail(sql);
        return statement;
    }
    QStringList texts(const QString& sql)
    {
        QStringList values;
        sqlite3_stmt* statement = prepare(sql);
        while (sqlite3_step(statement) == SQLITE_ROW)
            values << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        sqlite3_finalize(statement);
        return values;
    }
    [[noreturn]] void fail(const QString& what) const
    {
        throw databaseError(QStringLiteral("读取演示数据失败（%1）：%2").arg(what, QString::fromUtf8(sqlite3_errmsg(m_db))));
    }

private:
    sqlite3* m_db = nullptr;
};

class CopyIn {
public:
    CopyIn(PostgresDatabase& db, const QString& table, const QStringList& columns) : m_conn(db.libpqHandle())
    {
        if (!m_conn)
            throw databaseError(QStringLiteral("PostgreSQL 连接没有给出 libpq 句柄，无法用 COPY 装入数据。"));
        const QByteArray command = QStringLiteral("COPY %1 (%2) FROM STDIN WITH (FREEZE)").arg(table, columns.join(u',')).toUtf8();
        PGresult* result = PQexec(m_conn, command.constData());
        const bool started = PQresultStatus(result) == PGRES_COPY_IN;
        PQclear(result);
        if (!started)
            fail(table);
        m_table = table;
    }
    void line(const std::string& text)
    {
        m_buffer += text;
        if (m_buffer.size() >= kCopyChunk)
            flush();
    }
    void finish()
    {
        flush();
        if (PQputCopyEnd(m_conn, nullptr) != 1)
            fail(m_table);
        bool ok = true;
        QString message;
        while (PGresult* result = PQgetResult(m_conn)) {
            if (PQresultStatus(result) != PGRES_COMMAND_OK) {
                ok = false;
                message = QString::fromUtf8(PQresultErrorMessage(result)).trimmed();
            }
            PQclear(result);
        }
        if (!ok)
            throw databaseError(QStringLiteral("向 %1 装入演示数据失败：%2").arg(m_table, message));
    }

private:
    void flush()
    {
        if (!m_buffer.empty() && PQputCopyData(m_conn, m_buffer.data(), static_cast<int>(m_buffer.size())) != 1)
            fail(m_table);
        m_buffer.clear();
    }
    [[noreturn]] void fail(const QString& table) const
    {
        throw databaseError(QStringLiteral("向 %1 装入演示数据失败：%2")
                                .arg(table, QString::fromUtf8(PQerrorMessage(m_conn)).trimmed()));
    }

    pg_conn* m_conn;
    QString m_table;
    std::string m_buffer;
};

void copyTable(SqliteSource& source, PostgresDatabase& db, const QString& table)
{
    const QStringList columns = source.texts(QStringLiteral("SELECT name FROM pragma_table_info('%1') ORDER BY cid").arg(table));
    CopyIn copy(db, table, columns);
    sqlite3_stmt* rows = source.prepare(QStringLiteral("SELECT * FROM %1").arg(table));
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> guard(rows, sqlite3_finalize);
    std::string line;
    while (sqlite3_step(rows) == SQLITE_ROW) {
        line.clear();
        for (int c = 0; c < columns.size(); ++c) {
            if (c > 0)
                line += '\t';
            appendCopyValue(line, rows, c);
        }
        line += '\n';
        copy.line(line);
    }
    copy.finish();
}

bool holdsHostTables(PostgresDatabase& db)
{
    const ResultTable found = db.executeTable(QStringLiteral(
        "select count(*) from pg_tables where schemaname = current_schema() and tablename = 't_item'"));
    return !found.rows.empty() && found.rows.front().front().toLongLong() > 0;
}

} // namespace

DemoReport loadDemoDatabaseOnServer(const QString& connectionString, DemoSize size, ExistingFile existing)
{
    QElapsedTimer timer;
    timer.start();
    const ConnectionTarget target = ConnectionTarget::parse(connectionString);
    if (target.kind != ConnectionTarget::Kind::Postgres)
        throw databaseError(QStringLiteral("不是 PostgreSQL 服务器的连接：%1").arg(ConnectionTarget::withoutPassword(connectionString)));
    const std::shared_ptr<PostgresDatabase> db = PostgresDatabase::open(target);
    const QString server = target.server.displayName();
    if (existing == ExistingFile::Refuse && holdsHostTables(*db))
        throw databaseError(QStringLiteral("PostgreSQL 数据库 %1 里主机数据表已存在，没有覆盖它们。").arg(server));

    QTemporaryDir folder;
    if (!folder.isValid())
        throw databaseError(QStringLiteral("无法创建临时文件夹来生成演示数据：%1").arg(folder.errorString()));
    DemoReport report = generateDemoRows(folder.filePath(QStringLiteral("demo.db")), size);
    SqliteSource source(report.path);
    const QStringList tables = source.texts(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%' ORDER BY name"));

    db->runScript(QStringLiteral("BEGIN"));
    try {
        for (const QString& table : tables)
            db->runScript(QStringLiteral("DROP TABLE IF EXISTS %1 CASCADE").arg(table));
        createPostgresTables(*db);
        for (const QString& table : tables)
            copyTable(source, *db, table);
        createPostgresIndexes(*db);
        db->runScript(QStringLiteral("COMMIT"));
    } catch (...) {
        try {
            db->runScript(QStringLiteral("ROLLBACK"));
        } catch (const com::ComError&) {
        }
        throw;
    }
    report.path = server;
    report.seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    return report;
}

} // namespace hostdb
