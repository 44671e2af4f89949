// How batches are cut into steps and how single statements read after translation, for what
// the rows on a real database cannot show (steps, text left alone, where "+" joins). What the
// translated text returns is checked in SqlServerDialectOnSqliteTest.
#include "hostapp/database/SqlServerDialect.h"
#include "tests/hostapp/database/QtPrinters.h"

#include <gtest/gtest.h>

namespace hostdb {
namespace {

// "run: SQL", "unless->N: SQL" or "jump->N", one per step.
QStringList describe(const SqlProgram& program)
{
    QStringList lines;
    for (const SqlStep& step : program.steps) {
        if (step.kind == SqlStep::Kind::Run)
            lines << QStringLiteral("run: ") + step.sql;
        else if (step.kind == SqlStep::Kind::SkipUnless)
            lines << QStringLiteral("unless->%1: %2").arg(step.target).arg(step.sql);
        else
            lines << QStringLiteral("jump->%1").arg(step.target);
    }
    return lines;
}

TEST(SqlServerDialect, CutsBatchesWhereSqlServerWould)
{
    const struct {
        const char* name;
        const char* batch;
        QStringList steps;
    } cases[] = {
        {"two_updates_without_separator",
                  "UPDATE p SET v='1' WHERE k='a ' \r\nUPDATE p SET v='2' WHERE k='b' ",
                  {"run: UPDATE p SET v='1' WHERE k='a'", "run: UPDATE p SET v='2' WHERE k='b'"}},
        {"insert_values_then_select", "insert into t values (1) select * from t",
                  {"run: insert into t values (1)", "run: select * from t"}},
        {"if_exists_in_ddl", "DROP TABLE IF EXISTS t CREATE TABLE IF NOT EXISTS t (a int)",
                  {"run: DROP TABLE IF EXISTS t", "run: CREATE TABLE IF NOT EXISTS t (a int)"}},
        {"semicolons", "select 1; ; select 2;", {"run: select 1", "run: select 2"}},
        {"else_inside_case", "select case when a = 1 then 'x' else 'y' end from t select 2",
                  {"run: select case when a = 1 then 'x' else 'y' end from t", "run: select 2"}},
        {"trigger_body_kept_whole",
                  "CREATE TRIGGER tr AFTER INSERT ON t BEGIN UPDATE s SET a = 1; DELETE FROM u; END select 1",
                  {"run: CREATE TRIGGER tr AFTER INSERT ON t BEGIN UPDATE s SET a = 1; DELETE FROM u; END",
                   "run: select 1"}},
        {"transaction", "BEGIN TRANSACTION update t set a=1 COMMIT",
                  {"run: BEGIN TRANSACTION", "run: update t set a=1", "run: COMMIT"}},
        {"if_block", "if not exists (select 1 from t) begin update t set a=1 update t set b=2 end select 3",
                  {"unless->3: SELECT CASE WHEN not exists (select 1 from t) THEN 1 ELSE 0 END",
                   "run: update t set a=1", "run: update t set b=2", "run: select 3"}},
        {"only_comments", "-- nothing here\r\n/* nor here */", {}},
    };
    const SqlColumnKinds noSchema;
    for (const auto& c : cases)
        EXPECT_EQ(describe(SqlServerDialect(noSchema).translate(QString::fromUtf8(c.batch))), c.steps) << c.name;
}

TEST(SqlServerDialect, RewritesStatementsAsSqliteReadsThem)
{
    const struct {
        const char* name;
        const char* sql;
        const char* expected;
    } cases[] = {
        {"charindex_with_start_left_alone", "select CharIndex('a', b, 2)", "select CharIndex('a', b, 2)"},
        {"sum_before_text_in_parentheses", "select a + b + 'x' from t", "select (a + b) || 'x' from t"},
        {"difference_before_text_adds", "select a - b + 'x' from t", "select a - b + 'x' from t"},
        {"inside_case_branches", "select case when a = 'p ' then b + 'x' else 'y' end + 'z' from t",
                    "select case when a = 'p' then b || 'x' else 'y' end || 'z' from t"},
        {"compared_concatenation_keeps_blanks", "select a from t where a = 'x ' + b",
                    "select a from t where a = 'x ' || b"},
        {"unterminated_literal_passes", "select 'abc", "select 'abc"},
        {"stray_parenthesis_passes", "select a) from t", "select a) from t"},
    };
    const SqlColumnKinds noSchema;
    for (const auto& c : cases) {
        const SqlProgram program = SqlServerDialect(noSchema).translate(QString::fromUtf8(c.sql));
        ASSERT_EQ(program.steps.size(), 1u) << c.name;
        EXPECT_EQ(program.steps[0].sql, QString::fromUtf8(c.expected)) << c.name;
    }
}

TEST(SqlServerDialect, TellsWhenAPlusDependedOnAnUnknownColumn)
{
    SqlColumnKinds columns;
    columns.add(u"FNumber", ColumnKind::Text);
    columns.add(u"FQty", ColumnKind::Numeric);
    const SqlServerDialect dialect(columns);
    EXPECT_FALSE(dialect.translate("select t1.FNumber + '%', FQty + 1, FOther - 1 from t").guessedColumns);
    EXPECT_TRUE(dialect.translate("select 1 from t where a = (select FNumber + FOther from u)").guessedColumns);
}

} // namespace
} // namespace hostdb
