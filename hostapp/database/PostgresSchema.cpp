#include "hostapp/database/PostgresSchema.h"

#include "hostapp/database/HostDatabaseErrors.h"
#include "hostapp/database/PostgresDatabase.h"
#include "hostapp/database/Schema.h"
#include "hostapp/database/SqlTokenizer.h"


namespace hostdb {

namespace {

using sql::Token;
using sql::TokenKind;

bool isWord(const Token& token, const char* upper)
{
    return token.kind == TokenKind::Word && sql::equalsUpper(token.text, upper);
}

// Index of the type word before a "COLLATE" at `collate` ("VARCHAR(80) COLLATE" included), or -1.
qsizetype textTypeBefore(const std::vector<Token>& tokens, qsizetype collate)
{
    qsizetype j = collate - 1;
    if (j >= 0 && tokens[j].kind == TokenKind::RightParen) {
        while (j >= 0 && tokens[j].kind != TokenKind::LeftParen)
            --j;
        --j;
    }
    if (j < 0 || tokens[j].kind != TokenKind::Word)
        return -1;
    for (const char* type : {"TEXT", "VARCHAR", "NVARCHAR", "CHAR", "NCHAR", "CLOB"}) {
        if (isWord(tokens[j], type))
            return j;
    }
    return -1;
}

} // namespace

QString postgresDdl(const QString& sqliteDdl)
{
    static const std::pair<const char*, const char*> renamedTypes[] = {
        {"REAL", "numeric"}, {"MONEY", "numeric"}, {"FLOAT", "numeric"}, {"DATETIME", "timestamp"},
        {"NVARCHAR", "varchar"}, {"NCHAR", "char"}, {"BIT", "smallint"},
    };
    std::vector<Token> tokens = sql::tokenize(sqliteDdl);
    std::vector<Token> out;
    out.reserve(tokens.size());
    for (qsizetype i = 0; i < static_cast<qsizetype>(tokens.size()); ++i) {
        Token token = tokens[static_cast<size_t>(i)];
        if (isWord(token, "COLLATE") && i + 1 < static_cast<qsizetype>(tokens.size())
            && isWord(tokens[static_cast<size_t>(i + 1)], "NOCASE")) {
            const qsizetype type = textTypeBefore(tokens, i);
            if (type >= 0) {
                const QString lead = tokens[static_cast<size_t>(type)].lead;
                out.resize(out.size() - static_cast<size_t>(i - type));
                out.push_back(sql::makeNode(TokenKind::Word, QStringLiteral("citext"), lead).token);
            }
            ++i;  // NOCASE
            continue;
        }
        for (const auto& [from, to] : renamedTypes) {
            if (isWord(token, from))
                sql::respell(token, QString::fromLatin1(to));
        }
        out.push_back(std::move(token));
    }
    return sql::render(sql::nest(std::move(out)));
}

void enableCitext(PostgresDatabase& db)
{
    try {
        db.runScript(QStringLiteral("CREATE EXTENSION IF NOT EXISTS citext"));
    } catch (const com::ComError& e) {
        throw databaseError(QStringLiteral("无法在数据库 %1 里启用 citext 扩展（需要软件包 postgresql-contrib，"
                                           "以及数据库所有者或超级用户的权限）：%2")
                                .arg(db.target().server.displayName(), e.description()));
    }
}

void createPostgresTables(PostgresDatabase& db)
{
    enableCitext(db);
    db.runScript(postgresDdl(QString::fromUtf8(schemaTablesSql())));
    db.reloadColumnKinds();
}

void createPostgresIndexes(PostgresDatabase& db)
{
    // Sorting a million keys in memory rather than in temporary files.
    db.runScript(QStringLiteral("SET maintenance_work_mem = '256MB'"));
    for (const SchemaIndex& index : schemaIndexes())
        db.runScript(postgresDdl(QString::fromStdString(index.createSql())));
    db.runScript(QStringLiteral("ANALYZE"));
}

} // namespace hostdb
