#include "installer/quoting.h"
#include "platform/process.h"
#include "support/apple_script.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using installer::appleScriptString;
using installer::shellQuote;
using testing_support::decodeAppleScriptString;

TEST(Quoting, KnownTextsQuoteExactly)
{
    const struct { std::string text, shell, appleScript; } rows[] = {
        {"", "''", R"("")"},
        {"'", R"(''\''')", R"("'")"},
        {"''", R"(''\'''\''')", R"("''")"},
        {"Bob's Layout", R"('Bob'\''s Layout')", R"("Bob's Layout")"},
        {R"(/Users/a b/$HOME/\x"`)", R"('/Users/a b/$HOME/\x"`')", R"("/Users/a b/$HOME/\\x\"`")"},
        {"\\", R"('\')", R"("\\")"},
        {"\r\n\t", "'\r\n\t'", "\"\\r\\n\t\""},
        // A mark combining with the quote or backslash doesn't shield it from escaping.
        {"\"\xCC\x81\\\xCC\x81", "'\"\xCC\x81\\\xCC\x81'", "\"\\\"\xCC\x81\\\\\xCC\x81\""},
        {"日本 é", "'日本 é'", "\"日本 é\""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(shellQuote(row.text), row.shell);
        EXPECT_EQ(appleScriptString(row.text), row.appleScript);
    }
}

// Random texts of the characters that matter to either quoting, mixed with ordinary and
// multi-byte ones, read back by AppleScript's rules and by a real shell, alone and stacked.
TEST(Quoting, EveryTextSurvivesTheShellAndAppleScriptUnchanged)
{
    const std::vector<std::string> pieces = {"'", "\\", "\"", "$", "`", " ", "\t", "\n", "\r", "$(id)", "*", ";",
                                             "&", "|", "!", "a", "é", "\"\xCC\x81", "'\xCC\x88", "日本", "\xF0\x9F\x98\x80"};
    std::mt19937 random(20261206);
    std::vector<std::string> texts = pieces;
    texts.resize(600);  // the first one after the pieces stays empty
    for (auto text = texts.begin() + pieces.size() + 1; text != texts.end(); ++text)
        for (auto length = random() % 12; length > 0; --length)
            *text += pieces[random() % pieces.size()];
    std::string direct = "printf '%s\\0'", stacked = direct, expected;
    for (const std::string& text : texts) {
        EXPECT_EQ(decodeAppleScriptString(appleScriptString(text)), text);
        direct += " " + shellQuote(text);
        stacked += " " + decodeAppleScriptString(appleScriptString(shellQuote(text))).value_or("");
        expected += text + '\0';
    }
    EXPECT_EQ(platform::runToEnd("/bin/sh", {"-c", direct}).standardOutput, expected);
    EXPECT_EQ(platform::runToEnd("/bin/sh", {"-c", stacked}).standardOutput, expected);
}
