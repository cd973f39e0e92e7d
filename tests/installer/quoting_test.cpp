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

namespace {

// Texts built from the characters that matter to either quoting, mixed with ordinary and
// multi-byte ones, including combining marks right after a quote or backslash.
std::vector<std::string> generatedTexts(std::size_t count)
{
    const std::vector<std::string> pieces = {
        "'", "''", "\\", "\"", "$", "`", " ", "\t", "\n", "\r", "\r\n", "$(id)", "${HOME}", "*", "?", "#",
        ";", "&", "|", "<", ">", "!", "a", "Layout", ".keylayout", "é", "e\xCC\x81", "\"\xCC\x81",
        "\\\xCC\x81", "'\xCC\x88", "日本語", "\xF0\x9F\x98\x80", "\xE2\x80\x8D", "\xC2\xA0", "~", "%s"};
    std::mt19937 random(20261206);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(0, 12);
    std::vector<std::string> texts = {"", "'", "\\", "\"", "\n"};
    while (texts.size() < count) {
        std::string text;
        for (int i = length(random); i > 0; --i)
            text += pieces[pick(random)];
        texts.push_back(text);
    }
    return texts;
}

// Has a real shell print each quoted word back, NUL-separated, in one run.
std::vector<std::string> readBackByShell(const std::vector<std::string>& words)
{
    std::string script = "printf '%s\\0'";
    for (const std::string& word : words)
        script += " " + word;
    const platform::ProcessResult result = platform::runToEnd("/bin/sh", {"-c", script});
    EXPECT_TRUE(result.succeeded()) << result.standardError;
    std::vector<std::string> texts;
    std::size_t start = 0;
    for (std::size_t end; (end = result.standardOutput.find('\0', start)) != std::string::npos; start = end + 1)
        texts.push_back(result.standardOutput.substr(start, end - start));
    return texts;
}

}  // namespace

TEST(ShellQuote, WrapsInSingleQuotesAndEscapesOnlySingleQuotes)
{
    EXPECT_EQ(shellQuote(""), "''");
    EXPECT_EQ(shellQuote("'"), "''\\'''");
    EXPECT_EQ(shellQuote("''"), "''\\'''\\'''");
    EXPECT_EQ(shellQuote("''").size(), 10u);
    EXPECT_EQ(shellQuote("/Users/a b/$HOME/\\x\"`"), "'/Users/a b/$HOME/\\x\"`'");
    EXPECT_EQ(shellQuote("Bob's Layout"), "'Bob'\\''s Layout'");
}

TEST(ShellQuote, RealShellReadsBackExactlyTheInput)
{
    const std::vector<std::string> texts = generatedTexts(400);
    std::vector<std::string> words;
    for (const std::string& text : texts)
        words.push_back(shellQuote(text));
    EXPECT_EQ(readBackByShell(words), texts);
}

TEST(AppleScriptString, EscapesBackslashQuoteAndLineBreaksOnly)
{
    EXPECT_EQ(appleScriptString(""), "\"\"");
    EXPECT_EQ(appleScriptString("\\"), "\"\\\\\"");
    EXPECT_EQ(appleScriptString("\r\n"), "\"\\r\\n\"");
    EXPECT_EQ(appleScriptString("a\tb"), "\"a\tb\"");
    EXPECT_EQ(appleScriptString("say \"hi\""), "\"say \\\"hi\\\"\"");
    // A mark combining with the quote or backslash doesn't shield it from escaping.
    EXPECT_EQ(appleScriptString("\"\xCC\x81\\\xCC\x81"), "\"\\\"\xCC\x81\\\\\xCC\x81\"");
    EXPECT_EQ(appleScriptString("日本 é"), "\"日本 é\"");
}

TEST(AppleScriptString, DecodesBackToExactlyTheInput)
{
    for (const std::string& text : generatedTexts(2000))
        EXPECT_EQ(decodeAppleScriptString(appleScriptString(text)), text) << appleScriptString(text);
}

TEST(StackedQuoting, ShellReceivesTheWordThroughAppleScript)
{
    EXPECT_EQ(appleScriptString(shellQuote("Bob's")), "\"'Bob'\\\\''s'\"");

    const std::vector<std::string> texts = generatedTexts(300);
    std::vector<std::string> words;
    for (const std::string& text : texts) {
        const auto received = decodeAppleScriptString(appleScriptString(shellQuote(text)));
        ASSERT_TRUE(received.has_value());
        EXPECT_EQ(*received, shellQuote(text));
        words.push_back(*received);
    }
    EXPECT_EQ(readBackByShell(words), texts);
}
