// Val, CDbl, CInt, CLng and the text of a value: where they round, where they overflow, which
// texts they read and which they refuse; and the trims, which remove the ordinary blank only.
#include "platform/vb/Conversion.h"
#include "platform/vb/Strings.h"
#include "tests/platform/RaisedError.h"

#include <QDateTime>
#include <QSize>
#include <gtest/gtest.h>

#include <limits>

using platformtest::outcome;

const QString kOverflow = QStringLiteral("溢出"), kMismatch = QStringLiteral("类型不匹配"), kNull = QStringLiteral("无效使用 Null");

TEST(CIntCLng, RoundHalfToEvenAndOverflowBeyondTheirRanges)
{
    const std::tuple<QVariant, QString, QString> cases[] = {  // value, CInt, CLng
        {0.5, "0", "0"}, {1.5, "2", "2"}, {2.5, "2", "2"}, {-2.5, "-2", "-2"}, {-1.5, "-2", "-2"}, {2.5001, "3", "3"},
        {0.49999999999999994, "0", "0"}, {32767.4, "32767", "32767"}, {-32768.5, "-32768", "-32768"},
        {32767.5, kOverflow, "32768"}, {-32769, kOverflow, "-32769"}, {QStringLiteral("40000"), kOverflow, "40000"},
        {QStringLiteral("-32768.5"), "-32768", "-32768"}, {-2147483648.5, kOverflow, "-2147483648"},
        {2147483647.5, kOverflow, kOverflow}, {qlonglong(2147483648LL), kOverflow, kOverflow},
        {std::numeric_limits<qulonglong>::max(), kOverflow, kOverflow},
        {std::numeric_limits<double>::quiet_NaN(), kOverflow, kOverflow}, {QStringLiteral("1e400"), kOverflow, kOverflow},
        {QStringLiteral(" 12 "), "12", "12"}, {QStringLiteral("1,234"), "1234", "1234"}, {QStringLiteral("-1.5E1"), "-15", "-15"},
        {QStringLiteral("&HFFFF"), "-1", "-1"}, {true, "-1", "-1"}, {false, "0", "0"},
        {QDateTime(QDate(2008, 1, 5), QTime(18, 0)), kOverflow, "39453"}, {QVariant::fromValue(QSize(1, 2)), kMismatch, kMismatch},
        {QVariant(), kNull, kNull}, {QVariant(QDate()), kNull, kNull}, {QVariant::fromValue(nullptr), kNull, kNull},
    };
    for (const auto& [value, cint, clng] : cases) {
        EXPECT_EQ(outcome([&] { return vb::CInt(value); }), cint) << value.toString().toStdString();
        EXPECT_EQ(outcome([&] { return vb::CLng(value); }), clng) << value.toString().toStdString();
    }
}

TEST(CDbl, ReadsNumericTextsAndDatesAndRefusesTheRest)
{
    const std::pair<QVariant, QString> cases[] = {
        {QStringLiteral("1,234.5"), "1234.5"}, {QStringLiteral("\t-0.25 "), "-0.25"}, {QStringLiteral("1D3"), "1000"},
        {QDateTime(QDate(2008, 1, 5), QTime(6, 0)), "39452.25"}, {QStringLiteral("2008-01-05"), kMismatch},
        {QStringLiteral("-1e999"), kOverflow}, {QVariant(), kNull},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(outcome([&] { return vb::CDbl(value); }), expected) << value.toString().toStdString();
    for (const char* text : {"", " ", "abc", "12abc", "1E", "1.2.3", ",5", "&H", "&HFG"})
        EXPECT_EQ(outcome([&] { return vb::CInt(QString::fromLatin1(text)); }), kMismatch) << '"' << text << '"';
}

TEST(ToText, GivesTheTextOfEachKindOfValue)
{
    const std::pair<QVariant, const char*> cases[] = {
        {QVariant(), ""}, {42, "42"}, {qlonglong(-9007199254740993LL), "-9007199254740993"}, {1234.5, "1234.5"},
        {0.1 + 0.2, "0.3"}, {-0.0, "0"}, {100.0, "100"}, {123456789012345.0, "123456789012345"}, {1e15, "1E+15"},
        {1234567890123456789.0, "1.23456789012346E+18"}, {0.0001, "0.0001"}, {0.00001234, "1.234E-05"},
        {-2.5e-300, "-2.5E-300"}, {true, "True"}, {false, "False"}, {QStringLiteral("  text "), "  text "},
        {QDate(2008, 1, 5), "2008-01-05"}, {QDateTime(QDate(2008, 1, 5), QTime(0, 0)), "2008-01-05"},
        {QDateTime(QDate(2008, 1, 5), QTime(13, 4, 5)), "2008-01-05 13:04:05"}, {QTime(7, 8, 9), "07:08:09"}, {QDate(), ""},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(vb::toText(value).toStdString(), expected) << value.typeName();
}

TEST(Val, ReadsTheLeadingNumber)
{
    const std::pair<const char16_t*, double> cases[] = {
        {u"", 0}, {u"abc", 0}, {u"1,234", 1}, {u"24 and 57", 24}, {u"1E3", 1000}, {u"1e-2", 0.01}, {u"2.5D2", 250},
        {u"1E", 1}, {u"1E+", 1}, {u"3.14.15", 3.14}, {u".5", 0.5}, {u".", 0}, {u"-12.5kg", -12.5}, {u"+7", 7}, {u"--5", 0},
        {u" 1 2 3", 123}, {u"\t4\n5", 45}, {u"1\r2", 1}, {u"1\u30002", 1}, {u"- 1 . 5 E 2", -150},  // blanks, tabs, line feeds go
        {u"&hff", 255}, {u"&O17", 15}, {u"&H7FFF", 32767}, {u"&HFFFF", -1}, {u"&H8000", -32768},  // 16 bits an Integer
        {u"&H10000", 65536}, {u"&HFFFFFFFF", -1}, {u"&HFG", 15}, {u"&O8", 0}, {u"&X1", 0},
        {u"123456789012345678901234567890", 1.2345678901234568e29}, {u"1e-400", 0},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_DOUBLE_EQ(vb::Val(text), expected) << QString::fromUtf16(text).toStdString();
    // The same double as the compiler's literal, not one off in the last bit.
    for (const auto& [text, expected] : {std::pair{u"0.1", 0.1}, {u"2.675", 2.675}, {u"1234567.891", 1234567.891}})
        EXPECT_EQ(vb::Val(text), expected);
    for (const char16_t* text : {u"1E400", u"-1e309", u"&H100000000"})
        EXPECT_EQ(outcome([&] { return vb::Val(text); }), kOverflow) << QString::fromUtf16(text).toStdString();
}

TEST(Trim, RemovesOnlyOrdinaryBlanks)
{
    const std::tuple<const char16_t*, const char16_t*, const char16_t*, const char16_t*> cases[] = {  // text, Trim, LTrim, RTrim
        {u"   ", u"", u"", u""}, {u"  a b  ", u"a b", u"a b  ", u"  a b"}, {u" \tx\t ", u"\tx\t", u"\tx\t ", u" \tx\t"},
        {u"\u3000物料\u3000 ", u"\u3000物料\u3000", u"\u3000物料\u3000 ", u"\u3000物料\u3000"},
        {u"\r\nline\r\n", u"\r\nline\r\n", u"\r\nline\r\n", u"\r\nline\r\n"}, {u"\u00a0x ", u"\u00a0x", u"\u00a0x ", u"\u00a0x"},
    };
    for (const auto& [text, trim, ltrim, rtrim] : cases) {
        const QString t = QString::fromUtf16(text);
        EXPECT_EQ(QStringList({vb::Trim(t), vb::LTrim(t), vb::RTrim(t)}),
                  QStringList({QString::fromUtf16(trim), QString::fromUtf16(ltrim), QString::fromUtf16(rtrim)})) << t.toStdString();
    }
}
