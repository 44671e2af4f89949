// Val: the leading number of a text.
#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/vb/Conversion.h"

#include <gtest/gtest.h>

namespace {

TEST(Val, ReadsTheLeadingNumber)
{
    struct Case {
        const char16_t* text;
        double expected;
    };
    const Case cases[] = {
        {u"", 0},
        {u"abc", 0},
        {u"1,234", 1},
        {u"24 and 57", 24},
        {u"1E3", 1000},
        {u"1e-2", 0.01},
        {u"2.5D2", 250},           // D marks an exponent too
        {u"1E", 1},                // an exponent without digits is left off
        {u"1E+", 1},
        {u"3.14.15", 3.14},
        {u".5", 0.5},
        {u"5.", 5},
        {u".", 0},
        {u"-12.5kg", -12.5},
        {u"+7", 7},
        {u"-", 0},
        {u"--5", 0},
        {u" 1 2 3", 123},          // blanks are dropped anywhere, even between digits
        {u"\t4\n5", 45},
        {u"1\r2", 1},              // a carriage return is not dropped
        {u"1\u30002", 1},          // nor an ideographic space
        {u"- 1 . 5 E 2", -150},
        {u"&HFF", 255},
        {u"&hff", 255},
        {u"&O17", 15},
        {u"&H7FFF", 32767},
        {u"&HFFFF", -1},           // up to 16 bits an Integer
        {u"&H8000", -32768},
        {u"&H10000", 65536},       // then a Long
        {u"&HFFFFFFFF", -1},
        {u"&HFG", 15},
        {u"&O8", 0},
        {u"&H", 0},
        {u"&X1", 0},
        {u"0.1", 0.1},
        {u"123456789012345678901234567890", 1.2345678901234568e29},
        {u"1e-400", 0},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_DOUBLE_EQ(vb::Val(text), c.expected) << text.toStdString();
    }
}

TEST(Val, ReadsDecimalsExactly)
{
    // The same double as the compiler's literal, not one off in the last bit.
    EXPECT_EQ(vb::Val(u"0.1"), 0.1);
    EXPECT_EQ(vb::Val(u"2.675"), 2.675);
    EXPECT_EQ(vb::Val(u"1234567.891"), 1234567.891);
}

TEST(Val, OverflowsBeyondTheDoubleRange)
{
    for (const char16_t* text : {u"1E400", u"-1e309", u"&H100000000"}) {
        try {
            vb::Val(text);
            FAIL() << QString::fromUtf16(text).toStdString();
        } catch (const com::ComError& error) {
            EXPECT_EQ(error.number(), com::VB_OVERFLOW);
            EXPECT_EQ(error.description(), QStringLiteral("溢出"));
        }
    }
}

} // namespace
