#include "cli/finding_words.h"
#include "installer/installed_layouts.h"
#include "layout/layout_check.h"
#include "support/stand_ins.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <map>
#include <optional>
#include <regex>

namespace fs = std::filesystem;
using namespace testing_support;

namespace {

std::string layout(const std::string& attributes, const std::string& body = "<layouts/><modifierMap/><keyMapSet/>")
{
    return "<keyboard " + attributes + ">" + body + "</keyboard>";
}

std::string plist(const std::string& identifier)
{
    return "<?xml version=\"1.0\"?>\n<plist version=\"1.0\"><dict><key>CFBundleName</key><string>x</string>"
           "<key>CFBundleIdentifier</key><string>"
        + identifier + "</string></dict></plist>";
}

// "<fifo>", "<big>" and "->target" make a FIFO, a sparse file past the limit and a link.
void make(const fs::path& path, const std::string& content)
{
    fs::create_directories(path.parent_path());
    if (content == "<fifo>")
        ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    else if (content == "<big>")
        writeFile(path, ""), fs::resize_file(path, installer::maximumLayoutSize + 1);
    else if (content.starts_with("->"))
        fs::create_symlink(content.substr(2), path);
    else
        writeFile(path, content);
}

// Every finding is told once, as a sentence and as the list's word for its kind.
void expectEachFindingOnce(const installer::LayoutReport& report)
{
    std::vector<std::string> sentences;
    for (const auto& problem : report.problems)
        sentences.push_back(cli::sentence(problem));
    for (const auto& warning : report.warnings)
        sentences.push_back(cli::sentence(warning));
    for (auto told : {sentences, cli::notes(report)}) {
        std::sort(told.begin(), told.end());
        EXPECT_EQ(std::adjacent_find(told.begin(), told.end()), told.end())
            << "told twice: " << testing::PrintToString(told);
    }
}

}  // namespace

// Whatever is not wholly a whole number is no group or id: the system reads none from it.
TEST(InspectLayoutItem, TakesOnlyWholeNumbersForGroupAndId)
{
    const TemporaryFolder folder;
    for (const auto& [text, value] : std::map<std::string, std::optional<long>>{{"12abc", {}},
                                                                                {"1.5", {}},
                                                                                {"0x1F", {}},
                                                                                {"1 2", {}},
                                                                                {"+-3", {}},
                                                                                {"--3", {}},
                                                                                {"+", {}},
                                                                                {"", {}},
                                                                                {" ", {}},
                                                                                {"99999999999999999999999", {}},
                                                                                {"\xD9\xA3", {}},
                                                                                {"0", 0},
                                                                                {" +7 ", 7},
                                                                                {"-5", -5},
                                                                                {"\t12\n", 12}}) {
        make(folder / "A.keylayout", layout("group=\"" + text + "\" id=\"" + text + "\" name=\"A\""));
        const installer::LayoutReport report = installer::inspectLayoutItem(folder / "A.keylayout");
        const std::string refusals =
            report.problems.size() == 2 ? cli::sentence(report.problems[0]) + cli::sentence(report.problems[1]) : "";
        EXPECT_EQ(report.layouts.empty() ? std::nullopt
                                         : std::optional(std::pair(report.layouts[0].id, report.layouts[0].group)),
                  value ? std::optional(std::pair(*value, *value)) : std::nullopt)
            << text;
        EXPECT_TRUE(
            value
            || std::regex_search(refusals, std::regex("group, .* is not a whole number.*id, .* is not a whole number")))
            << text;
    }
}

TEST(InspectLayoutItem, RefusesOnlyWhatCannotLoadAndWarnsOfWhatTheSystemWouldIgnore)
{
    const std::string good = layout("group=\"126\" id=\"-5\" name=\"Good\"");
    const std::string webPage = "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"></head><body>";
    // The byte-order mark comes out in the machine's own order, as the text does.
    const std::u16string utf16 =
        u"\uFEFF<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<keyboard group=\"0\" id=\"1\" name=\"\u00DC\">"
        u"<layouts/><modifierMap/><keyMapSet/></keyboard>";
    const std::string info = "Contents/Info.plist", resources = "Contents/Resources/";
    const struct {
        const char* item;
        std::map<std::string, std::string> files;  // path inside the item ("" for itself), content
        bool installable;
        std::vector<std::string> findings;  // each a part of one problem, or a warning's kind and message
    } rows[] = {
        {"A.keylayout", {{"", "<?xml version=\"1.1\" encoding=\"UTF-8\"?>\n" + good}}, true, {}},
        {"A.keylayout",
         {{"",
           layout("group=\"0\" id=\" +7 \" name=\"\"",
                  "<layouts/><modifierMap/><keyMapSet><key output=\"&#x0008;\"/></keyMapSet>")}},
         true,
         {}},
        {"A.keylayout", {{"", "<!-- a -->\n\n<?xml version=\"1.1\"?>" + good}}, true, {}},
        {"A.keylayout",
         {{"", "<?xml version=\"1.0\"?>\n<!DOCTYPE keyboard SYSTEM \"no/such/Layout.dtd\">\n" + good}},
         true,
         {}},
        {"A.KEYLAYOUT", {{"", std::string(reinterpret_cast<const char*>(utf16.data()), utf16.size() * 2)}}, true, {}},
        {"L.keylayout", {{"", "->real.keylayout"}, {"../real.keylayout", good}}, true, {}},
        {"B.bundle",
         {{info, plist("org.x.keyboardlayout.b")},
          {resources + "Good.keylayout", good},
          {resources + "Notes.txt", "x"}},
         true,
         {}},

        {"Colemak.keylayout",
         {{"", webPage}},
         false,
         {"P2 \"Colemak.keylayout\" is not a keyboard layout: it is a web page. Download the raw file instead."}},
        {"My.keylayout", {{"", ""}}, false, {"P2 \"My.keylayout\" is not a keyboard layout: the file is empty."}},
        {"Plain.keylayout", {{"", "Colemak\n"}}, false, {"layout: it is not XML; a keyboard layout is an XML file.\n"}},
        {"A.keylayout", {{"", "<keyboard>\n<layouts/>\n<a b=1/>\n</keyboard>"}}, false, {"damaged at line 3.\n"}},
        {"A.keylayout",
         {{"", "<keyboard>\n  <keyMap index=\"0\">\n    <key code=\"0\" out"}},
         false,
         {"it ends before line 3 is complete; the download may have been cut short."}},
        {"A.keylayout",
         {{"",
           std::string("\x7f"
                       "ELF\x02\x01\x01\0\0\0",
                       10)}},
         false,
         {"binary data"}},
        {"A.keylayout", {{"", std::string("PK\x03\x04\x14\0\0\0\x08\0<keyboard/>", 21)}}, false, {"a zip archive"}},
        {"A.keylayout", {{"", "<?xml version=\"1.0\"?>\n<plist><dict/></plist>"}}, false, {"root element is <plist>"}},
        {"Foo.keylayout",
         {{"", layout("group=\"x1\" name=\"N\"", "<layouts/><modifierMap/>")}},
         false,
         {"P3 \"Foo.keylayout\" is not a keyboard layout macOS can load: its group, \"x1\", is not a whole number.",
          "its <keyboard> has no id.",
          "\"Foo.keylayout\" is not a keyboard layout macOS can load: it has no <keyMapSet>."}},
        {"A.keylayout",
         {{"", layout("id=\"1\"", "<keyMapSet/>")}},
         false,
         {"has no group.", "has no name.", "it has no <layouts>.", "it has no <modifierMap>."}},
        {"Pipe.keylayout",
         {{"", "<fifo>"}},
         false,
         {"P2 \"Pipe.keylayout\" is not a keyboard layout: it is not a regular file."}},
        {"Zero.keylayout",
         {{"", "->/dev/zero"}},
         false,
         {"\"Zero.keylayout\" is not a keyboard layout: it is not a regular file."}},
        {"Big.keylayout",
         {{"", "<big>"}},
         false,
         {"\"Big.keylayout\" is not a keyboard layout: it is larger than 4 MB"}},
        {"Foo.bundle",
         {{info, "<plist/>"}},
         false,
         {"P5 \"Foo.bundle\" holds no keyboard layout in Contents/Resources."}},
        {"Foo.bundle",
         {{resources + "Foo.keylayout", ""}, {resources + "Pipe.keylayout", "<fifo>"}},
         false,
         {"in Contents/Resources. \"Foo.keylayout\" is not a keyboard layout: the file is empty."}},
        {"Gone.keylayout", {}, false, {"P0 \"Gone.keylayout\" could not be found"}},
        {"D.keylayout", {{"x", good}}, false, {"\"D.keylayout\" is not a keyboard layout: it is a folder"}},

        {"B.bundle",
         {{resources + "A.keylayout", good},
          {resources + "B.keylayout", layout("group=\"0\" id=\"-5\" name=\"Good\"")},
          {resources + "C.keylayout", "<fifo>"},
          {info, plist("org.x.b")}},
         true,
         {"0 In \"B.bundle\", \"C.keylayout\" is not a keyboard layout: it is not a regular file.",
          "1 \"B.bundle\" holds two layouts with the id -5, \"A.keylayout\" and \"B.keylayout\"; macOS renumbers",
          "1 \"B.bundle\" holds two layouts named \"Good\", \"A.keylayout\" and \"B.keylayout\"",
          "3 \"B.bundle\" has the bundle identifier \"org.x.b\", without \".keyboardlayout.\""}},
        {"B.bundle", {{resources + "A.keylayout", good}}, true, {"3 \"B.bundle\" has no Contents/Info.plist"}},
        {"B.bundle",
         {{resources + "A.keylayout", good}, {info, "<fifo>"}},
         true,
         {"3 \"B.bundle\" has a Contents/Info.plist that cannot be read"}},
        {"B.bundle",
         {{resources + "A.keylayout", good}, {info, "<plist><dict/></plist>"}},
         true,
         {"3 \"B.bundle\" has no CFBundleIdentifier"}},
        {"B.bundle",
         {{resources + "A.keylayout", good}, {info, "bplist00\xd1\x01\x02_\x10\x16org.x.keyboardlayout.b"}},
         true,
         {}},
        {"B.bundle",
         {{resources + "A.keylayout", good}, {info, "bplist00\xd1\x01\x02_org.x.b"}},
         true,
         {"3 \"B.bundle\" has a bundle identifier without"}},
    };
    for (const auto& row : rows) {
        const TemporaryFolder folder;
        for (const auto& [inside, content] : row.files)
            make((inside.empty() ? folder / row.item : folder / row.item / inside).lexically_normal(), content);
        const installer::LayoutReport report = installer::inspectLayoutItem(folder / (std::string(row.item) + "/"));
        std::string findings;
        for (const auto& problem : report.problems)
            findings += "P" + std::to_string(int(problem.kind)) + " " + cli::sentence(problem) + "\n";
        for (const auto& warning : report.warnings)
            findings += std::to_string(int(warning.kind)) + " " + cli::sentence(warning) + "\n";
        EXPECT_EQ(report.installable(), row.installable) << findings;
        EXPECT_EQ(report.problems.size() + report.warnings.size(), row.findings.size()) << findings;
        for (const std::string& finding : row.findings)
            EXPECT_NE(findings.find(finding), std::string::npos) << finding << " in\n" << findings;
        EXPECT_EQ(report.layouts.empty(), !row.installable);
        expectEachFindingOnce(report);
    }
}

TEST(ClashWarnings, NameTheInstalledItemThatALayoutWouldClashWithButNotTheOneItReplaces)
{
    const TemporaryFolder folder;
    const ScopedEnvironment home("HOME", (folder / "home").string());
    testing_support::StandInSystem stands(folder.path());
    const installer::SystemTools tools = stands.tools();
    const fs::path user = installer::userLayoutsFolder(), system = tools.systemLayouts;
    ASSERT_EQ(user, folder / "home/Library/Keyboard Layouts");
    for (const auto& [path, content] : std::map<fs::path, std::string>{
             {user / "Mine.keylayout", layout("group=\"0\" id=\"1\" name=\"One\"")},
             {user / "Same.keylayout", layout("group=\"0\" id=\"2\" name=\"Two\"")},
             {system / "Same.keylayout", layout("group=\"0\" id=\"2\" name=\"Two\"")},
             {system / "Broken.keylayout", ""},
             {system / "Other.bundle/Contents/Resources/X.keylayout", layout("group=\"0\" id=\"3\" name=\"Three\"")},
             {system / ".keyboard-installer-1.tmp", layout("group=\"0\" id=\"1\" name=\"One\"")},
             {system / "Notes.txt", "x"},
             {system / "Pipe.keylayout", "<fifo>"}})
        make(path, content);
    using installer::InstallScope;
    const struct {
        InstallScope scope;
        const char* file;
        long id;
        const char* name;
        std::vector<std::string> warnings;
    } rows[] = {
        {InstallScope::currentUser, "Mine.keylayout", 1, "One", {}},
        {InstallScope::currentUser, "MINE.keylayout", 1, "One", {}},
        {InstallScope::allUsers,
         "Mine.keylayout",
         1,
         "One",
         {"2 \"Mine.keylayout\" is also installed in ~/Library/Keyboard Layouts; the input menu would list it twice."}},
        {InstallScope::currentUser,
         "New.keylayout",
         3,
         "Fresh",
         {"1 \"Fresh\" in \"New.keylayout\" has the same id (3) as \"Three\" in \"Other.bundle\" in " + system.string()
          + "; macOS renumbers or hides one of them."}},
        {InstallScope::allUsers,
         "N.keylayout",
         9,
         "Two",
         {"1 \"Two\" in \"N.keylayout\" has the same name as \"Two\" in \"Same.keylayout\" in ~/Library/Keyboard "
          "Layouts; the input",
          "1 \"Two\" in \"N.keylayout\" has the same name as \"Two\" in \"Same.keylayout\" in " + system.string()}},
    };
    const auto installed = installer::installedItems(tools);
    for (const auto& row : rows) {
        const auto warnings = installer::clashWarnings(installer::layoutsFolder(row.scope, tools) / row.file,
                                                       {{row.file, row.name, row.id, 0}}, installed);
        ASSERT_EQ(warnings.size(), row.warnings.size()) << row.file;
        for (std::size_t i = 0; i < warnings.size(); ++i)
            EXPECT_TRUE(
                (std::to_string(int(warnings[i].kind)) + " " + cli::sentence(warnings[i])).starts_with(row.warnings[i]))
                << cli::sentence(warnings[i]);
    }

    std::vector<std::string> listed;
    for (const auto& item : installer::listInstalled(tools))
        expectEachFindingOnce(item.report),
            listed.push_back(item.path.filename().string() + (item.scope == InstallScope::allUsers ? " all" : " user")
                             + " " + std::to_string(item.report.layouts.size())
                             + std::to_string(item.report.problems.size())
                             + std::to_string(item.report.warnings.size()));
    EXPECT_EQ(
        listed,
        (std::vector<std::string>{"Mine.keylayout user 100", "Same.keylayout user 101", "Broken.keylayout all 010",
                                  "Other.bundle all 101", "Pipe.keylayout all 010", "Same.keylayout all 101"}));
}
