// The host's command line: what each combination means, and what a person is told when one
// is wrong.
#include "hostapp/app/HostCommandLine.h"
#include "tests/hostapp/database/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

using zelhost::HostOptions;
using zelhost::parseHostCommandLine;
using zelhost::QueryKind;
using zelhost::StartView;

QStringList words(const char* line)
{
    return QString::fromUtf8(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

struct ValidCase {
    const char* line;
    QString db;
    int userId;  // 0: none given
    QueryKind open;
    QString item;
    QString partner;
    StartView view;
    bool screenshot;
    QString screenshotFile;
};

void PrintTo(const ValidCase& c, std::ostream* os) { *os << '"' << c.line << '"'; }

class ValidCommandLine : public ::testing::TestWithParam<ValidCase> {};

TEST_P(ValidCommandLine, MeansWhatItSays)
{
    const ValidCase& c = GetParam();
    const auto parsed = parseHostCommandLine(words(c.line));
    ASSERT_TRUE(parsed.options.has_value()) << c.line << ": " << parsed.error.toStdString();
    EXPECT_TRUE(parsed.error.isEmpty());
    const HostOptions& o = *parsed.options;
    EXPECT_EQ(o.databaseFile, c.db);
    EXPECT_EQ(o.userId.value_or(0), c.userId);
    EXPECT_EQ(o.open, c.open);
    EXPECT_EQ(o.itemNumber, c.item);
    EXPECT_EQ(o.partnerNumber, c.partner);
    EXPECT_EQ(o.view, c.view);
    EXPECT_EQ(o.screenshotRequested, c.screenshot);
    EXPECT_EQ(o.screenshotFile, c.screenshotFile);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ValidCommandLine,
    ::testing::Values(
        ValidCase{"", "", 0, QueryKind::None, "", "", StartView::Stored, false, ""},
        ValidCase{"--db /tmp/a.db --user 4", "/tmp/a.db", 4, QueryKind::None, "", "", StartView::Stored, false, ""},
        ValidCase{"--db=/tmp/a.db --user=2", "/tmp/a.db", 2, QueryKind::None, "", "", StartView::Stored, false, ""},
        ValidCase{"--open sales", "", 0, QueryKind::Sales, "", "", StartView::Stored, false, ""},
        ValidCase{"--open purchase --item 01.01.001 --partner 01.0003 --view partner", "", 0, QueryKind::Purchase,
                  "01.01.001", "01.0003", StartView::Partner, false, ""},
        ValidCase{"--view item --open sales --item=02.001", "", 0, QueryKind::Sales, "02.001", "", StartView::Item,
                  false, ""},
        ValidCase{"--screenshot /tmp/x.png", "", 0, QueryKind::None, "", "", StartView::Stored, true, "/tmp/x.png"},
        ValidCase{"--open sales --screenshot shot.png --user 1", "", 1, QueryKind::Sales, "", "", StartView::Stored,
                  true, "shot.png"}));

struct InvalidCase {
    const char* line;
    const char* mentions;  // the error names what is wrong
};

void PrintTo(const InvalidCase& c, std::ostream* os) { *os << '"' << c.line << '"'; }

class InvalidCommandLine : public ::testing::TestWithParam<InvalidCase> {};

TEST_P(InvalidCommandLine, IsRefusedWithAReason)
{
    const InvalidCase& c = GetParam();
    const auto parsed = parseHostCommandLine(words(c.line));
    EXPECT_FALSE(parsed.options.has_value()) << c.line;
    EXPECT_FALSE(parsed.helpRequested);
    EXPECT_TRUE(parsed.error.contains(QString::fromUtf8(c.mentions))) << c.line << " -> " << parsed.error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Table, InvalidCommandLine,
    ::testing::Values(InvalidCase{"--open", "--open 需要一个值"},
                      InvalidCase{"--open sale", "sales"},
                      InvalidCase{"--open sales --view items", "--view 只能是"},
                      InvalidCase{"--user abc", "--user"},
                      InvalidCase{"--user 0", "--user"},
                      InvalidCase{"--user 40000", "--user"},
                      InvalidCase{"--db --user 1", "--db 需要一个值"},
                      InvalidCase{"--item 01.01.001", "--open"},
                      InvalidCase{"--partner 01.0001", "--open"},
                      InvalidCase{"--view item", "--open"},
                      InvalidCase{"--open sales --open purchase", "只能给一次"},
                      InvalidCase{"--open sales --colour red", "不认识的选项 --colour"},
                      InvalidCase{"/tmp/a.db", "--db FILE"},
                      InvalidCase{"--screenshot=", "--screenshot 需要一个值"}));

TEST(HostCommandLine, HelpWinsOverEverythingElse)
{
    const auto parsed = parseHostCommandLine(words("--open nonsense --help"));
    EXPECT_TRUE(parsed.helpRequested);
    EXPECT_FALSE(parsed.options.has_value());
    EXPECT_TRUE(zelhost::hostUsage().contains(QStringLiteral("--open sales|purchase")));
}

} // namespace
