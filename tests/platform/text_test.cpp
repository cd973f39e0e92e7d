#include "platform/text.h"

#include <gtest/gtest.h>

using platform::decodeUtf8;
using platform::trimmedWhitespaceAndNewlines;

TEST(DecodeUtf8, AcceptsWellFormedTextIncludingEmpty)
{
    EXPECT_EQ(decodeUtf8(""), "");
    EXPECT_EQ(decodeUtf8("plain"), "plain");
    EXPECT_EQ(decodeUtf8("é 日本 \xF0\x9F\x98\x80 e\xCC\x81"), "é 日本 \xF0\x9F\x98\x80 e\xCC\x81");
    EXPECT_EQ(decodeUtf8("\xF4\x8F\xBF\xBF"), "\xF4\x8F\xBF\xBF");  // U+10FFFF, the last code point
}

TEST(DecodeUtf8, RefusesMalformedBytes)
{
    for (const char* bytes : {"\xFF", "abc\xC3", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80",
                              "\xF4\x90\x80\x80", "\x80", "\xE6\x97", "ok\xE6\x97x"})
        EXPECT_FALSE(decodeUtf8(bytes).has_value()) << testing::PrintToString(bytes);
}

TEST(TrimmedWhitespaceAndNewlines, TrimsBothEndsAndKeepsInnerText)
{
    EXPECT_EQ(trimmedWhitespaceAndNewlines(""), "");
    EXPECT_EQ(trimmedWhitespaceAndNewlines(" \t\r\n "), "");
    EXPECT_EQ(trimmedWhitespaceAndNewlines("\n  execution error: canceled\n\n"), "execution error: canceled");
    EXPECT_EQ(trimmedWhitespaceAndNewlines(" line one\nline two \n"), "line one\nline two");
    // No-break, ideographic and line-separator spaces count as white space too.
    EXPECT_EQ(trimmedWhitespaceAndNewlines("\xC2\xA0\xE3\x80\x80text\xE2\x80\xA8"), "text");
    EXPECT_EQ(trimmedWhitespaceAndNewlines("\xC2\xA0"), "");
    EXPECT_EQ(trimmedWhitespaceAndNewlines("日本\v"), "日本");
}
