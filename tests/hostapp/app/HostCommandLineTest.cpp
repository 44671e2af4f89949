// The host's command line: what each combination means, and what a person is told when one
// is wrong.
#include "hostapp/app/HostCommandLine.h"
#include "hostapp/app/StartViewPreset.h"
#include "tests/hostapp/database/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

using zelhost::HostOptions;
using zelhost::parseHostCommandLine;

QStringList words(const char* line)
{
    return QString::fromUtf8(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// Every option of the result in one line, for compact expectations.
QString describe(const HostOptions& o)
{
    const char* kinds[] = {"none", "sales", "purchase"};
    const char* views[] = {"stored", "item", "partner"};
    return QStringLiteral("db=%1 user=%2 open=%3 item=%4 partner=%5 view=%6 shot=%7")
        .arg(o.databaseFile)
        .arg(o.userId.value_or(0))
        .arg(QLatin1String(kinds[int(o.open)]), o.itemNumber, o.partnerNumber, QLatin1String(views[int(o.view)]),
             o.screenshotRequested ? o.screenshotFile : QStringLiteral("no"));
}

TEST(HostCommandLine, ValidLinesMeanWhatTheySay)
{
    const struct {
        const char* line;
        const char* meaning;
    } cases[] = {
        {"", "db= user=0 open=none item= partner= view=stored shot=no"},
        {"--db /tmp/a.db --user 4", "db=/tmp/a.db user=4 open=none item= partner= view=stored shot=no"},
        {"--open purchase --item 01.01.001 --partner 01.0003 --view partner",
         "db= user=0 open=purchase item=01.01.001 partner=01.0003 view=partner shot=no"},
        {"--view item --open sales --item=02.001", "db= user=0 open=sales item=02.001 partner= view=item shot=no"},
        {"--open sales --screenshot shot.png --user 1", "db= user=1 open=sales item= partner= view=stored shot=shot.png"},
    };
    for (const auto& c : cases) {
        const auto parsed = parseHostCommandLine(words(c.line));
        ASSERT_TRUE(parsed.options.has_value()) << c.line << ": " << parsed.error.toStdString();
        EXPECT_EQ(describe(*parsed.options), QString::fromUtf8(c.meaning)) << c.line;
    }
}

TEST(HostCommandLine, InvalidLinesAreRefusedWithAReason)
{
    const struct {
        const char* line;
        const char* mentions;  // the error names what is wrong
    } cases[] = {{"--open", "--open 需要一个值"},
                 {"--open sale", "sales"},
                 {"--open sales --view items", "--view 只能是"},
                 {"--user 40000", "--user"},
                 {"--db --user 1", "--db 需要一个值"},
                 {"--item 01.01.001", "--open"},
                 {"--view item", "--open"},
                 {"--open sales --open purchase", "只能给一次"},
                 {"--open sales --colour red", "不认识的选项 --colour"},
                 {"/tmp/a.db", "--db FILE"},
                 {"--screenshot=", "--screenshot 需要一个值"}};
    for (const auto& c : cases) {
        const auto parsed = parseHostCommandLine(words(c.line));
        EXPECT_FALSE(parsed.options.has_value() || parsed.helpRequested) << c.line;
        EXPECT_TRUE(parsed.error.contains(QString::fromUtf8(c.mentions))) << c.line << " -> " << parsed.error.toStdString();
    }
}

TEST(HostCommandLine, TheWindowStartsInTheViewThatShowsWhatWasAskedFor)
{
    using zelhost::StartView;
    const std::pair<const char*, StartView> cases[] = {
        {"--open sales --item 01.01.001", StartView::Item},
        {"--open sales --partner 01.0004", StartView::Partner},
        {"--open sales --item 01.01.001 --partner 01.0004", StartView::Stored},
        {"--open sales", StartView::Stored},
        {"--open sales --item 01.01.001 --view partner", StartView::Partner},
    };
    for (const auto& [line, view] : cases)
        EXPECT_EQ(zelhost::startViewFor(*parseHostCommandLine(words(line)).options), view) << line;
}

TEST(HostCommandLine, HelpWinsOverEverythingElse)
{
    const auto parsed = parseHostCommandLine(words("--open nonsense --help"));
    EXPECT_TRUE(parsed.helpRequested);
    EXPECT_FALSE(parsed.options.has_value());
}

} // namespace
