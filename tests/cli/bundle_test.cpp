#include "platform/process.h"
#include "support/stand_ins.h"
#include "support/temporary_folder.h"
#include "support/trees.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <regex>

namespace fs = std::filesystem;
using namespace testing_support;

namespace {

const std::string identifier = "org.example.keyboardlayout.test";

// "KEY" or "KEY/SUBKEY" of a property list: a string's text, else the element's name ("true").
std::string plistValue(const fs::path& plist, const std::string& path)
{
    pugi::xml_document document;
    document.load_file(plist.c_str());
    pugi::xml_node node = document.document_element().child("dict");
    for (std::size_t from = 0, to = 0; node && from <= path.size(); from = to + 1) {
        to = std::min(path.find('/', from), path.size());
        const pugi::xml_node key = node.find_child([&](pugi::xml_node n) {
            return std::string_view(n.name()) == "key" && n.child_value() == path.substr(from, to - from);
        });
        node = key ? key.next_sibling() : pugi::xml_node();
    }
    return !node ? "<none>" : std::string_view(node.name()) == "string" ? node.child_value() : node.name();
}

std::string utf16(const std::u16string& text)
{
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text)
        bytes += char(unit & 0xFF), bytes += char(unit >> 8);
    return bytes;
}

// keylayout with the stand-ins for the system and a registry of input sources of the test's own.
platform::ProcessResult keylayout(const TemporaryFolder& folder, std::vector<std::string> arguments)
{
    writeFile(folder / "sources", "");
    const TemporaryFolder beside;  // the stand-ins stay out of the folder that the test compares
    const StandInSystem stands(beside.path());
    std::vector<std::string> all = stands.keylayoutOptions(folder / "sources");
    all.insert(all.end(), arguments.begin(), arguments.end());
    return platform::runToEnd(KEYLAYOUT, all);
}

}  // namespace

// keylayout bundle in a folder of layouts, one run a row: the bundle it makes, or its refusal with
// nothing written.
TEST(KeylayoutBundle, MakesTheBundleTheOptionsDescribeOrNothing)
{
    const struct {
        const char* name;
        std::vector<std::string> options;
        std::vector<std::string> layouts = {"alpha.keylayout"};
        int status = 0;
        std::string error = "Made \"Out.bundle\".\n";  // a part of standard error
        // "KEY[/SUBKEY]" of Info.plist, "version.plist:KEY", or a file under Contents/Resources.
        std::map<std::string, std::string> made = {};
    } rows[] = {
        {.name = "identifier", .options = {}, .made = {{"CFBundleIdentifier", identifier}}},
        {.name = "name", .options = {}, .made = {{"CFBundleName", "Out"}, {"version.plist:ProjectName", "Out"}}},
        {.name = "package type", .options = {}, .made = {{"CFBundlePackageType", "BNDL"}}},
        {.name = "version 1.0 unless given",
         .options = {},
         .made = {{"CFBundleVersion", "1.0"}, {"CFBundleShortVersionString", "1.0"}}},
        {.name = "version",
         .options = {"--bundle-version", "2.1.3"},
         .made = {{"CFBundleVersion", "2.1.3"},
                  {"CFBundleShortVersionString", "2.1.3"},
                  {"version.plist:CFBundleVersion", "2.1.3"},
                  {"version.plist:CFBundleShortVersionString", "2.1.3"},
                  {"version.plist:SourceVersion", "2.1.3"}}},
        {.name = "derived id, file and icon by the layout's name",
         .options = {},
         .layouts = {"alpha.keylayout", "two.keylayout"},
         .made = {{"KLInfo_Alpha/TISInputSourceID", identifier + ".keylayout.Alpha"},
                  {"KLInfo_Two Words/TISInputSourceID", identifier + ".keylayout.TwoWords"},
                  {"Alpha.keylayout", validLayout("Alpha", -1)},
                  {"Alpha.icns", "icns"},
                  {"Two Words.keylayout", validLayout("Two Words", -2)},
                  {"Two Words.icns", "<none>"}}},
        {.name = "a layout's own language wins",
         .options = {"--language", "en", "--language", "Two Words=de-CH"},
         .layouts = {"alpha.keylayout", "two.keylayout"},
         .made = {{"KLInfo_Alpha/TISIntendedLanguage", "en"}, {"KLInfo_Two Words/TISIntendedLanguage", "de-CH"}}},
        {.name = "uk", .options = {"--language", "uk"}, .made = {{"KLInfo_Alpha/TISIntendedLanguage", "uk"}}},
        {.name = "sr-Latn",
         .options = {"--language", "sr-Latn"},
         .made = {{"KLInfo_Alpha/TISIntendedLanguage", "sr-Latn"}}},
        {.name = "es-419",
         .options = {"--language", "es-419"},
         .made = {{"KLInfo_Alpha/TISIntendedLanguage", "es-419"}}},
        {.name = "en_US", .options = {"--language", "en_US"}, .status = 2, .error = "\"en_US\" is no BCP 47"},
        {.name = "english", .options = {"--language", "english"}, .status = 2, .error = "\"english\" is no BCP 47"},
        {.name = "de-", .options = {"--language", "Alpha=de-"}, .status = 2, .error = "\"de-\" is no BCP 47"},
        {.name = "switch and template icons off",
         .options = {},
         .made = {{"KLInfo_Alpha/TICapsLockLanguageSwitchCapable", "<none>"},
                  {"KLInfo_Alpha/TISIconIsTemplate", "<none>"}}},
        {.name = "switch and template icons",
         .options = {"--caps-lock-switch", "--template-icons"},
         .made = {{"KLInfo_Alpha/TICapsLockLanguageSwitchCapable", "true"},
                  {"KLInfo_Alpha/TISIconIsTemplate", "true"}}},
        {.name = "localized names",
         .options = {"--localized-name", "de:Alpha=Ä \"quoted\" \\ 😀", "--localized-name", "de:Two Words=Zwei=2",
                     "--localized-name", "fr:Alpha=A", "--localized-name", "fr:Two Words=Deux"},
         .layouts = {"alpha.keylayout", "two.keylayout"},
         .made = {{"de.lproj/InfoPlist.strings",
                   utf16(u"\"Alpha\" = \"Ä \\\"quoted\\\" \\\\ 😀\";\n\"Two Words\" = \"Zwei=2\";\n")},
                  {"fr.lproj/InfoPlist.strings", utf16(u"\"Alpha\" = \"A\";\n\"Two Words\" = \"Deux\";\n")}}},
        {.name = "a language leaving out a layout others name",
         .options = {"--localized-name", "de:Alpha=A", "--localized-name", "fr:Two Words=B"},
         .layouts = {"alpha.keylayout", "two.keylayout"},
         .status = 2,
         .error = "two.keylayout\"; the input menu would show it untranslated there."},
        {.name = "no language", .options = {"--identifier", identifier}, .status = 2, .error = "is given no language"},
        {.name = "no identifier", .options = {"--language", "en"}, .status = 2, .error = "bundle needs --identifier."},
        {.name = "identifier without a name after .keyboardlayout.",
         .options = {"--identifier", "org.example.keyboardlayout."},
         .status = 2,
         .error = "--identifier \"org.example.keyboardlayout.\" is no keyboard layout bundle's identifier"},
        {.name = "a layout the checks refuse",
         .options = {},
         .layouts = {"alpha.keylayout", "web.keylayout"},
         .status = 1,
         .error = "Refused: \"web.keylayout\" is not a keyboard layout: it is a web page."},
        {.name = "same id",
         .options = {},
         .layouts = {"alpha.keylayout", "same-id.keylayout"},
         .status = 1,
         .error = "same-id.keylayout\" has the same id as \""},
        {.name = "same name",
         .options = {},
         .layouts = {"alpha.keylayout", "same-name.keylayout"},
         .status = 1,
         .error = "same-name.keylayout\" has the same name as \""},
        {.name = "id not negative",
         .options = {},
         .layouts = {"positive.keylayout"},
         .status = 1,
         .error = "positive.keylayout\" has the id 4;"},
        {.name = "name that cannot be a file's",
         .options = {},
         .layouts = {"slash.keylayout"},
         .status = 1,
         .error = "slash.keylayout\" has the name \"a/b\", which cannot name a file"},
        {.name = "existing output",
         .options = {"<existing>"},
         .status = 1,
         .error = "exists already; --force replaces it."},
        {.name = "existing output --force", .options = {"<existing>", "--force"}, .made = {{"Alpha.keylayout", ""}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TemporaryFolder folder;
        for (const auto& [file, content] : Entries{{"alpha.keylayout", validLayout("Alpha", -1)},
                                                   {"alpha.ICNS", "icns"},
                                                   {"two.keylayout", validLayout("Two Words", -2)},
                                                   {"web.keylayout", "<!DOCTYPE html><html>"},
                                                   {"same-id.keylayout", validLayout("Other", -1)},
                                                   {"same-name.keylayout", validLayout("ALPHA", -3)},
                                                   {"positive.keylayout", validLayout("Positive", 4)},
                                                   {"slash.keylayout", validLayout("a/b", -5)},
                                                   {"sources", ""}})
            writeFile(folder / file, content);
        const fs::path out = folder / "Out.bundle";
        std::vector<std::string> arguments = {"bundle", "--output", out.string()};
        if (std::find(row.options.begin(), row.options.end(), "--identifier") == row.options.end()
            && !row.error.starts_with("bundle needs"))
            arguments.insert(arguments.end(), {"--identifier", identifier});
        if (std::find(row.options.begin(), row.options.end(), "--language") == row.options.end()
            && !row.error.ends_with("given no language"))
            arguments.insert(arguments.end(), {"--language", "en"});
        for (const std::string& option : row.options)
            option == "<existing>" ? writeFile(out / "Stale", "stale") : arguments.push_back(option);
        for (const std::string& layout : row.layouts)
            arguments.push_back((folder / layout).string());
        const Entries before = tree(folder.path());

        const platform::ProcessResult result = keylayout(folder, arguments);
        EXPECT_EQ(result.terminationStatus, row.status);
        EXPECT_NE(result.standardError.find(row.error), std::string::npos) << result.standardError;
        if (row.status != 0) {
            EXPECT_EQ(tree(folder.path()), before);
            continue;
        }
        EXPECT_FALSE(fs::exists(out / "Stale"));
        for (const auto& [what, expected] : row.made) {
            const fs::path resource = out / "Contents/Resources" / what;
            const std::string found = what.starts_with("version.plist:")
                ? plistValue(out / "Contents/version.plist", what.substr(14))
                : what.find('.') == std::string::npos || what.starts_with("KLInfo_")
                ? plistValue(out / "Contents/Info.plist", what)
                : !fs::exists(resource) ? "<none>"
                : expected.empty()      ? ""
                                        : readFile(resource);
            EXPECT_EQ(found, expected) << what;
        }
        // Nothing else: no icon but the one beside a layout, nothing left of the making beside it.
        std::error_code error;
        EXPECT_EQ(std::distance(fs::directory_iterator(out / "Contents/Resources", error), fs::directory_iterator()),
                  std::ssize(row.layouts) + 1 + (row.name == std::string("localized names") ? 2 : 0));
        EXPECT_EQ(tree(folder.path()).size(), 10 + tree(out).size());
    }
}

// The example layout made into a bundle twice gives the same bytes, which check finds nothing to
// say about, and which installs as it is; the bundles authors make by hand draw one piece of advice
// for each thing they get wrong, which --strict refuses and installing never shows.
TEST(KeylayoutBundle, MadeBundleChecksCleanAndInstallsWhileEachMistakeDrawsItsAdvice)
{
    TemporaryFolder folder;
    const ScopedEnvironment home("HOME", (folder / "home").string());
    const fs::path example = folder / "US Accents.keylayout", bundle = folder / "US Accents.bundle";
    fs::copy_file(FIXTURES "/US Accents.keylayout", example);
    writeFile(folder / "US Accents.icns", "icns");
    const std::vector<std::string> make = {"bundle",
                                           "--identifier",
                                           "org.example.keyboardlayout.usaccents",
                                           "--language",
                                           "en",
                                           "--localized-name",
                                           "de:U.S. Accents=US-Akzente",
                                           "--localized-name",
                                           "fr:U.S. Accents=Accents US",
                                           "--caps-lock-switch",
                                           "--output",
                                           bundle.string(),
                                           example.string()};
    ASSERT_EQ(keylayout(folder, make).standardError, "Made \"US Accents.bundle\".\n");
    const Entries made = tree(bundle);
    std::vector<std::string> again = make;
    again.push_back("--force");
    ASSERT_EQ(keylayout(folder, again).terminationStatus, 0);
    EXPECT_EQ(tree(bundle), made);

    const platform::ProcessResult checked = keylayout(folder, {"check", "--strict", "--json", bundle.string()});
    EXPECT_EQ(checked.standardError, "\"US Accents.bundle\" can be installed.\n");
    EXPECT_NE(std::regex_replace(checked.standardOutput, std::regex("\n *"), "")
                  .find("{\"advice\": [],\"installable\": true"),
              std::string::npos);
    const platform::ProcessResult installed =
        keylayout(folder, {"install", "--strict", "--no-enable", bundle.string()});
    EXPECT_EQ(installed.standardError, "Installed \"US Accents.bundle\" for the current user.\n");
    EXPECT_EQ(tree(folder / "home/Library/Keyboard Layouts/US Accents.bundle"), made);

    const std::string plist = "Contents/Info.plist", de = "Contents/Resources/de.lproj/InfoPlist.strings";
    const struct {
        const char* kind;
        std::pair<std::string, std::string> replace = {};  // every occurrence in Info.plist
        Entries files = {};  // "" removes the file
    } rows[] = {
        {"inputSourceIdNotDerived", {"keylayout.U.S.Accents<", "keylayout.USAccents<"}},
        {"noShortVersion", {"<key>CFBundleShortVersionString</key>\n\t<string>1.0</string>", ""}},
        {"noVersion", {"<key>CFBundleVersion</key>\n\t<string>1.0", "<key>CFBundleVersion</key>\n\t<string>"}},
        {"noBundleName", {"<key>CFBundleName</key>\n\t<string>US Accents</string>", ""}},
        {"appleIdentifier", {"org.example.", "com.apple."}},
        {"identifierWithSpace", {"org.example.", "org.example ."}},
        {"identifierWithoutName", {"keyboardlayout.usaccents", "keyboardlayout."}},
        {"idNotNegative", {}, {{"Contents/Resources/U.S. Accents.keylayout", validLayout("U.S. Accents", 5)}}},
        {"fileNameNotName",
         {},
         {{"Contents/Resources/U.S. Accents.keylayout", ""},
          {"Contents/Resources/us.keylayout", validLayout("U.S. Accents", -5)}}},
        {"layoutWithoutInfo", {}, {{"Contents/Resources/Beta.keylayout", validLayout("Beta", -6)}}},
        {"infoWithoutLayout",
         {"<key>KLInfo_U.S. Accents</key>", "<key>KLInfo_U.S. Accents</key><dict/><key>KLInfo_Gone</key>"}},
        {"languageNotTag", {"<string>en</string>", "<string>en_US</string>"}},
        {"stringsNotUtf16", {}, {{de, "\"U.S. Accents\" = \"US-Akzente\";\n"}}},
        {"stringsMissingLayout", {}, {{de, utf16(u"/* none yet */\n\"Other\" = \"x\";\n")}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.kind);
        const fs::path copy = folder / "copies" / row.kind / "US Accents.bundle";
        fs::create_directories(copy.parent_path());
        fs::copy(bundle, copy, fs::copy_options::recursive);
        if (!row.replace.first.empty())
            writeFile(copy / plist,
                      std::regex_replace(readFile(copy / plist),
                                         std::regex(std::regex_replace(row.replace.first,
                                                                       std::regex("[.^$|()\\[\\]{}*+?\\\\]"), "\\$&")),
                                         row.replace.second));
        for (const auto& [file, content] : row.files)
            content.empty() ? static_cast<void>(fs::remove(copy / file)) : writeFile(copy / file, content);

        EXPECT_EQ(keylayout(folder, {"check", copy.string()}).terminationStatus, 0);
        const platform::ProcessResult strict = keylayout(folder, {"check", "--strict", "--json", copy.string()});
        EXPECT_EQ(strict.terminationStatus, 1);
        EXPECT_TRUE(strict.standardError.starts_with("Advice: ")) << strict.standardError;
        EXPECT_TRUE(strict.standardError.ends_with("is refused: --strict refuses advice.\n"));
        const std::string json = std::regex_replace(strict.standardOutput, std::regex("\n *"), "");
        EXPECT_TRUE(std::regex_search(json,
                                      std::regex("^\\[\\{\"advice\": \\[\\{\"kind\": \"" + std::string(row.kind)
                                                 + "\",\"message\": \"[^\"]*\\\\\"US Accents.bundle\\\\\"[^\\]]*"
                                                   "\\}\\],\"installable\": false.*\"warnings\": \\[\\]\\}\\]$")))
            << json;
    }
}
