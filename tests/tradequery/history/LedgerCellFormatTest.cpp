// The cell rules where a record holds something unexpected; the ordinary cases are read
// through whole rows in BaseDetailRowTextTest.
#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "tradequery/history/LedgerCellFormat.h"

#include <gtest/gtest.h>

namespace {

tq::LedgerRowFormat rowFormat()
{
    tq::LedgerRowFormat format;
    format.qtyDecimal = QStringLiteral("2");
    format.priceDecimal = QStringLiteral("2");
    format.discountPrecision = 1;
    format.amountScale = [] { return 0; };
    return format;
}

TEST(LedgerCellFormatTest, UnexpectedValuesInNumberAndDateColumns)
{
    struct Case {
        const char* key;
        int16_t type;
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"FQty", 5, "abc", "abc"},                 // not a number: shown as it is
        {"FPrice", 5, "", ""},                     // empty stays empty
        {"FAmtTotalFor", 5, "-0.4", "0"},          // rounds to zero without a sign
        {"FSum", 5, "1234567", "1,234,567.00"},    // another number column: 2 decimals
        {"FSum", 131, "0.125", "0.13"},            // a decimal column is a number column too
        {"FSum", 3, "7", "7.00"},
        {"FDate", 7, "2008-13-45", "2008-13-45"},  // not a date: shown as it is
        {"FDate", 7, "2008-02-29 23:59:59", "2008-02-29"},
        {"FUnit", 0, "12.5", "12.5"},              // text columns are never formatted
    };
    for (const Case& c : cases)
        EXPECT_EQ(tq::FormatLedgerCell(QString::fromLatin1(c.key), c.type, QString::fromUtf8(c.text), rowFormat()),
                  QString::fromUtf8(c.expected))
            << c.key << " " << c.text;
}

TEST(LedgerCellFormatTest, DecimalsThatAreNotACountRaise)
{
    tq::LedgerRowFormat format = rowFormat();
    format.qtyDecimal = QStringLiteral("两位");
    try {
        tq::FormatLedgerCell(QStringLiteral("FQty"), 5, QStringLiteral("1.5"), format);
        FAIL();
    } catch (const com::ComError& error) {
        EXPECT_EQ(error.number(), com::VB_TYPE_MISMATCH);
    }

    format = rowFormat();
    format.priceDecimal = QStringLiteral("-1");
    try {
        tq::FormatLedgerCell(QStringLiteral("FPrice"), 5, QStringLiteral("1.5"), format);
        FAIL();
    } catch (const com::ComError& error) {
        EXPECT_EQ(error.number(), com::VB_INVALID_PROC_CALL);
    }
}

} // namespace
