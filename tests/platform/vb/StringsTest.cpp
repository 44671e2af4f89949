// Trim, LTrim and RTrim remove the ordinary blank only.
#include "platform/vb/Strings.h"

#include <gtest/gtest.h>

namespace {

TEST(Trim, RemovesOnlyOrdinaryBlanks)
{
    struct Case {
        const char16_t* text;
        const char16_t* trim;
        const char16_t* ltrim;
        const char16_t* rtrim;
    };
    const Case cases[] = {
        {u"", u"", u"", u""},
        {u"   ", u"", u"", u""},
        {u"  a b  ", u"a b", u"a b  ", u"  a b"},
        {u"\tx\t", u"\tx\t", u"\tx\t", u"\tx\t"},
        {u" \tx\t ", u"\tx\t", u"\tx\t ", u" \tx\t"},
        {u"\u3000物料\u3000 ", u"\u3000物料\u3000", u"\u3000物料\u3000 ", u"\u3000物料\u3000"},
        {u"\r\nline\r\n", u"\r\nline\r\n", u"\r\nline\r\n", u"\r\nline\r\n"},
        {u"\u00a0x ", u"\u00a0x", u"\u00a0x ", u"\u00a0x"},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(vb::Trim(text), QString::fromUtf16(c.trim)) << text.toStdString();
        EXPECT_EQ(vb::LTrim(text), QString::fromUtf16(c.ltrim)) << text.toStdString();
        EXPECT_EQ(vb::RTrim(text), QString::fromUtf16(c.rtrim)) << text.toStdString();
    }
}

} // namespace
