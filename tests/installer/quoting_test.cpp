#include "installer/quoting.h"
#include "platform/process.h"
#include "support/apple_script.h"

#include <gtest/gtest.h>

#include <random>

using installer::appleScriptString;
using installer::shellQuote;
using testing_support::decodeAppleScriptString;

// Known texts quote exactly; they and random mixes of the characters that matter come back
// unchanged by AppleScript's rules and by a real shell, alone and stacked.
TEST(Quoting, EveryTextSurvivesTheShellAndAppleScriptUnchanged)
{
    const struct {
        std::string text, shell, appleScript;
    } known[] = {
        {"", "''", R"("")"},
        {"Bob's Layout", R"('Bob'\''s Layout')", R"("Bob's Layout")"},
        {R"(/Users/a b/$HOME/\x"`)", R"('/Users/a b/$HOME/\x"`')", R"("/Users/a b/$HOME/\\x\"`")"},
        {"\r\n\t", "'\r\n\t'", "\"\\r\\n\t\""},
        // A mark combining with the quote or backslash doesn't shield it from escaping.
        {"\"\xCC\x81\\\xCC\x81", "'\"\xCC\x81\\\xCC\x81'", "\"\\\"\xCC\x81\\\\\xCC\x81\""},
    };
    const std::vector<std::string> pieces = {
        "'", "\\", "\"", "$", "`", " ", "\t",         "\n",        "\r",   "$(id)",           "*",
        ";", "&",  "|",  "!", "a", "é", "\"\xCC\x81", "'\xCC\x88", "日本", "\xF0\x9F\x98\x80"};
    std::mt19937 random(20261206);
    std::vector<std::string> texts = pieces;
    for (const auto& row : known) {
        EXPECT_EQ(shellQuote(row.text), row.shell);
        EXPECT_EQ(appleScriptString(row.text), row.appleScript);
        texts.push_back(row.text);
    }
    while (texts.size() < 600) {
        std::string text;
        for (auto length = random() % 12; length > 0; --length)
            text += pieces[random() % pieces.size()];
        texts.push_back(text);
    }
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
