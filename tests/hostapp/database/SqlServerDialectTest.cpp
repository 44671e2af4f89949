// The SQL Server constructs the component sends: how batches are cut into steps and where "+"
// joins text (what the rows cannot show), and the rows they return through the host database
// on a real SQLite file and on the test PostgreSQL server alike.
#include "hostapp/database/HostDatabase.h"
#include "hostapp/database/PostgresDatabase.h"
#include "hostapp/database/PostgresSchema.h"
#include "hostapp/database/SqlServerDialect.h"
#include "tests/hostapp/database/QtPrinters.h"
#include "tests/hostapp/database/TempSqliteFile.h"
#include "tests/testsupport/HostServicesFixture.h"
#include "tests/testsupport/PostgresTestDatabase.h"

#include <QDate>
#include <gtest/gtest.h>

#include <optional>

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
    // PostgreSQL folds unquoted names to lower case and spells some built-ins its own way.
    const SqlProgram onServer = SqlServerDialect(noSchema, SqlTarget::Postgres)
                                    .translate("select [FName], \"FNumber\", isnull(a, 0), CharIndex('x', b), getdate() from t");
    EXPECT_EQ(onServer.steps.at(0).sql,
              "select \"fname\", \"fnumber\", coalesce(a, 0), strpos(lower(b), lower('x')), localtimestamp from t");
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

TEST(SqlServerDialect, RefusesDeepNestingAndTranslatesLongStatementsInOnePass)
{
    const auto times = [](const char* text, int count) { return QString::fromUtf8(text).repeated(count); };
    const QString refused;
    // The long statements are about 1 MB; rewritten level by level in place they took minutes.
    const struct {
        const char* name;
        QString sql;
        QString expected;  // the one step's text, or nothing when the statement is refused
    } cases[] = {
        {"parentheses_at_the_limit", "select " + times("(", 64) + "1" + times(")", 64),
         "select " + times("(", 64) + "1" + times(")", 64)},
        {"deep_parentheses", "select " + times("(", 20000) + "1" + times(")", 20000), refused},
        {"deep_case", "select " + times("case when a = 1 then ", 20000) + "1" + times(" end", 20000), refused},
        {"deep_if", times("if a = 1 ", 20000) + "select 1", refused},
        {"deep_blocks", times("begin ", 20000) + "select 1", refused},
        {"deep_parentheses_added_for_text",
         "select a " + times("- 1 || 'x' ", 65) + "from t", refused},
        {"nested_concatenation", "select " + times("(", 60) + "FName" + times(" + 'x')", 60),
         "select " + times("(", 60) + "FName" + times(" || 'x')", 60)},
        {"many_concatenations", "select " + times("'a' + b, ", 100000) + "1",
         "select " + times("'a' || b, ", 100000) + "1"},
        {"many_owner_names", "select " + times("dbo.f, ", 150000) + "1", "select " + times("f, ", 150000) + "1"},
    };
    SqlColumnKinds columns;
    columns.add(u"FName", ColumnKind::Text);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            const SqlProgram program = SqlServerDialect(columns).translate(c.sql);
            ASSERT_EQ(program.steps.size(), 1u);
            EXPECT_TRUE(program.steps[0].sql == c.expected) << program.steps[0].sql.left(200).toStdString();
        } catch (const com::ComError& error) {
            EXPECT_TRUE(c.expected.isEmpty()) << error.description().toStdString();
            EXPECT_TRUE(error.description().contains(u"嵌套太深")) << error.description().toStdString();
        }
    }
}

constexpr const char* schema = R"sql(
CREATE TABLE t_Item (FItemID INTEGER PRIMARY KEY, FItemClassID INT, FNumber VARCHAR(80) COLLATE NOCASE,
    FName NVARCHAR(255) COLLATE NOCASE, FParentID INT, FRightUserID VARCHAR(255) COLLATE NOCASE,
    FHelpCode VARCHAR(40) COLLATE NOCASE);
INSERT INTO t_Item VALUES (1, 4, '1', '五金', 0, NULL, NULL);
INSERT INTO t_Item VALUES (2, 4, '1.01', 'Bolt M8', 1, '3,5', 'LS');
INSERT INTO t_Item VALUES (3, 4, '1.02', '螺母', 1, '5', NULL);
INSERT INTO t_Item VALUES (4, 4, '2.01', 'Washer', 0, NULL, 'DQ');
INSERT INTO t_Item VALUES (5, 4, '10.01', 'Nut', 0, NULL, NULL);
CREATE TABLE ICSaleEntry (FInterID INT, FIndex INT, FItemID INT, FQty DECIMAL(18,4), FAmount MONEY,
    FTaxAmount MONEY, FNote VARCHAR(40) COLLATE NOCASE);
INSERT INTO ICSaleEntry VALUES (10, 1, 2, 4, 100, 17, 'a');
INSERT INTO ICSaleEntry VALUES (10, 2, 3, 2.5, 20.5, 3.25, NULL);
CREATE TABLE t_SystemProfile (FCategory VARCHAR(30) COLLATE NOCASE, FKey VARCHAR(100) COLLATE NOCASE,
    FValue TEXT COLLATE NOCASE);
INSERT INTO t_SystemProfile VALUES ('IC', 'ProviderAllowSelf', '0');
INSERT INTO t_SystemProfile VALUES ('IC', 'ProviderTradeTimes', '0');
INSERT INTO t_SystemProfile VALUES ('IC', 'ClientTradeTimes', '7');
)sql";

using hostsvc::testing::linesOf;

enum class Engine { Sqlite, Postgres };

// The same schema and rows on a SQLite file and in a database of the test server.
class DialectOnDatabase : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override
    {
        if (GetParam() == Engine::Sqlite) {
            file.emplace(schema);
            db = file->open();
            return;
        }
        ZEL_REQUIRE_POSTGRES();
        server.emplace();
        const auto setup = PostgresDatabase::open(ConnectionTarget::parse(server->connection()));
        enableCitext(*setup);
        setup->runScript(postgresDdl(QString::fromUtf8(schema)));
        db = HostDatabase::open(server->connection());
    }
    QStringList rows(const QString& sql) { return linesOf(db->execute(sql)); }

    std::optional<testing::TempSqliteFile> file;
    std::optional<testsupport::PostgresTestDatabase> server;
    std::shared_ptr<HostDatabase> db;  // let go before the database is dropped
};

INSTANTIATE_TEST_SUITE_P(Engines, DialectOnDatabase, ::testing::Values(Engine::Sqlite, Engine::Postgres),
                         [](const auto& info) { return info.param == Engine::Sqlite ? "Sqlite" : "Postgres"; });

TEST_P(DialectOnDatabase, QueriesReturnTheRowsSqlServerWould)
{
    const struct {
        const char* sql;
        QStringList expected;
    } cases[] = {
        // TOP
        {"select top 2 FItemID from t_Item order by FItemID desc", {"5", "4"}},
        {"SELECT TOP (3) FItemID FROM t_Item ORDER BY FItemID", {"1", "2", "3"}},
        {"select distinct top 1 FItemClassID from t_Item", {"4"}},
        {"select FItemID from t_Item where FItemID in (select top 2 FItemID from t_Item order by FNumber desc) order by FItemID",
                {"4", "5"}},
        {"select top 1 FName from t_Item where FParentID = (select top 1 FItemID from t_Item where FParentID = 0 "
         "order by FItemID) order by FItemID desc",
                {"螺母"}},
        // isnull, CharIndex, len
        {"select isnull(FHelpCode,'') as FHelpCode from t_Item where FItemID in (2, 3) order by FItemID", {"LS", ""}},
        {"select FItemID, CharIndex('bolt', FName) from t_Item where CharIndex('BOLT',FName)>0", {"2|1"}},
        {"select CharIndex('3', FRightUserID) from t_Item where FItemID=1", {"NULL"}},
        {"select FItemID from t_Item t1 where 1=1 And CharIndex('5',t1.FRightUserID)>0 order by FItemID", {"2", "3"}},
        {"select len('abc  '), len(FName) from t_Item where FItemID=4", {"3|6"}},
        // "+" joins text and adds numbers, decided per "+"
        {"select t1.FNumber + '-' + t1.FName as Label, case when 1=1 then u2.FAmount + u2.FTaxAmount else "
         "u2.FAmount end as Total from ICSaleEntry u2 inner join t_Item t1 on u2.FItemID = t1.FItemID order by u2.FIndex",
                {"1.01-Bolt M8|117", "1.02-螺母|23.75"}},
        {"select FNumber + FName from t_Item where FItemID=5", {"10.01Nut"}},
        {"select FQty + 1, FQty * 2 + FAmount from ICSaleEntry where FIndex=1", {"5|108"}},
        {"select FQty + '1' from ICSaleEntry where FIndex=1", {"5"}},
        {"select '(' + FNumber + ')' + FName from t_Item where FItemID=2", {"(1.01)Bolt M8"}},
        {"select FNote + 'x' from ICSaleEntry where FIndex=2", {"NULL"}},
        {"select FItemID from t_Item t1 where 1=1 AND t1.FNumber like (select FNumber+ '%' from t_Item where "
         "FItemID=1)\r\n order by FItemID",
                {"1", "2", "3", "5"}},
        {"select t1.FItemID from t_Item t1 where t1.FItemID=1 AND Exists(select 1 from t_Item ts1 \r\n where "
         "ts1.FNumber like t1.FNumber + '%' AND ts1.FItemID = 3)",
                {"1"}},
        // Trailing blanks: ignored by "=" and "<>", kept by LIKE
        {"SELECT FValue FROM t_SystemProfile WHERE FCategory='ic' And (FKey ='provideraLLOWself   ' )", {"0"}},
        {"select FValue from t_SystemProfile where 'ClientTradeTimes ' = FKey", {"7"}},
        {"select FKey from t_SystemProfile where FKey <> 'ProviderAllowSelf ' and FKey<>'ClientTradeTimes '",
                {"ProviderTradeTimes"}},
        {"select FValue from t_SystemProfile where FKey in ('ClientTradeTimes  ', 'x') ", {"7"}},
        {"select FItemID from t_Item where FName like 'Nut '", {}},
        // LIKE on a number compares its text
        {"select FIndex from ICSaleEntry s where s.FQty like '%4%' or round(FQty, 0) Like '3%' order by FIndex", {"1", "2"}},
        // Text that only looks like SQL stays as written
        {"select 'select top 5 a + b; isnull(x) [y] -- z' as T", {"select top 5 a + b; isnull(x) [y] -- z"}},
        {"select FItemID from t_Item where FName = N'螺母  '", {"3"}},
        {"select 1 where 'it''s ' = 'it''s'", {"1"}},
        {"select [FName] /* the /* nested */ name */ from [dbo].[t_Item] -- only one\n where [FItemID] = 2", {"Bolt M8"}},
        {"select FItemID from t_Item with (nolock) where FItemID = 3", {"3"}},
        {"select FItemID from t_Item t1 where t1.FItemID=2AND t1.FName Like '%m8%'", {"2"}},
        // Batches
        {"select 1 as A\r\nselect FItemID from t_Item where FItemID = 4 update t_Item set FHelpCode='x' where 1=0", {"4"}},
        {"IF EXISTS(select 1 from t_Item where FItemID=99) select 'yes' ELSE select 'no'", {"no"}},
        {"if not exists (select * from t_Item where FItemID = 99) begin select 'first' select 'second' end", {"second"}},
        // Writes, each followed by the read that shows its effect (these change the table: last)
        {"UPDATE t_SystemProfile SET FValue = 'a  ', FCategory='IC' WHERE FKey = 'ClientTradeTimes  ' select '[' + "
         "FValue + ']' from t_SystemProfile where FKey='ClientTradeTimes'",
                {"[a  ]"}},
        {"INSERT INTO t_SystemProfile(FCategory, FKey, FValue) SELECT 'X', FNumber, FName FROM t_Item WHERE "
         "FItemID = 2 UNION SELECT 'X', FNumber, FName FROM t_Item WHERE FItemID = 4 select FKey from t_SystemProfile where FCategory = 'X' order by FKey",
                {"1.01", "2.01"}},
        {"UPDATE t_Item SET FHelpCode = s.FNote FROM ICSaleEntry s WHERE s.FItemID = t_Item.FItemID AND s.FIndex = "
         "1 select FHelpCode from t_Item where FItemID = 2",
                {"a"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rows(QString::fromUtf8(c.sql)), c.expected) << c.sql;
}

TEST_P(DialectOnDatabase, DefaultOptionsBatchInsertsOnlyWhatIsMissing)
{
    const QString batch = QStringLiteral(
        "IF NOT EXISTS(SELECT FKey FROM t_SystemProfile WHERE FCategory = 'IC' AND FKey = 'ClientAllowSelf') \r\n"
        "       INSERT INTO t_SystemProfile(FCategory,FKey,FValue) VALUES('IC','ClientAllowSelf','0') \r\n"
        "IF NOT EXISTS(SELECT FKey FROM t_SystemProfile WHERE FCategory = 'IC' AND FKey = 'ClientTradeTimes') \r\n"
        "       INSERT INTO t_SystemProfile(FCategory,FKey,FValue) VALUES('IC','ClientTradeTimes','0')");
    for (int run = 0; run < 2; ++run)
        EXPECT_EQ(db->executeTable(batch).rowsAffected, run == 0 ? 1 : 0);
    EXPECT_EQ(rows("select FKey, FValue from t_SystemProfile where FKey like 'Client%' order by FKey"),
              QStringList({"ClientAllowSelf|0", "ClientTradeTimes|7"}));
}

TEST_P(DialectOnDatabase, GetDateIsTodayInLocalTime)
{
    EXPECT_EQ(rows("select getdate()").value(0).left(10), QDate::currentDate().toString(Qt::ISODate));
}

} // namespace
} // namespace hostdb
