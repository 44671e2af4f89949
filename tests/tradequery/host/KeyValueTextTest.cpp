// SQL literals and key=value lists.
#include "tradequery/host/KeyValueText.h"

#include <QList>
#include <gtest/gtest.h>

namespace {

TEST(SqlQuote, TrimsDoublesApostrophesAndQuotes)
{
    struct Case {
        QString text;
        bool quote;
        bool trim;
        QString expected;
    };
    const QList<Case> cases = {
        {" it's ", true, true, "'it''s'"},
        {" it's ", false, true, "it''s"},
        {" it's ", true, false, "' it''s '"},
        {"''", true, true, "''''''"},
        {"", true, true, "''"},
        {"\tx ", true, true, "'\tx'"},  // only blanks are trimmed
    };
    for (const Case& c : cases)
        EXPECT_EQ(tq::SqlQuote(c.text, c.quote, c.trim), c.expected) << c.text.toStdString();
}

TEST(KeyValueText, MakeAndFindPairs)
{
    EXPECT_EQ(tq::MakeKeyValue(QStringLiteral("UserID"), QStringLiteral("5"), QStringLiteral(";")),
              QStringLiteral("UserID=5;"));

    struct Case {
        QString text;
        QString key;
        QString separator;
        QString expected;
    };
    const QList<Case> cases = {
        {"A=1|b=2", "B", "|", "2"},           // key matched without regard to case
        {"A=1|b=2", "a", "|", "1"},
        {"A=1|b=2", "c", "|", ""},
        {"XA=1|A=2", "A", "|", "2"},          // a key that ends another key is not it
        {"A=x=y|B=1", "A", "|", "x=y"},
        {"A=|B=2", "A", "|", ""},
        {"A=1;;B=2;;", "B", ";;", "2"},
        {"A=1X2xB=3", "A", "x", "1X2"},       // the separator itself is matched exactly
        {"A=1", "A", "", "1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tq::GetKeyValue(c.text, c.key, c.separator), c.expected)
            << c.text.toStdString() << " / " << c.key.toStdString();
}

} // namespace
