#include "cli/finding_words.h"
#include "installer/installed_layouts.h"
#include "layout/layout_check.h"
#include "support/stand_ins.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <map>
#include <optional>
#include <set>
#include <sstream>

namespace fs = std::filesystem;
using namespace testing_support;

namespace {

std::string layout(const std::string& attributes, const std::string& body = "<layouts/><modifierMap/><keyMapSet/>")
{
    return "<keyboard " + attributes + ">" + body + "</keyboard>";
}

std::string plist(const std::string& identifier)
{
    return "<?xml version=\"1.0\"?>\n<plist version=\"1.0\"><dict><key>CFBundleName</key><string>x</string><key>"
           "CFBundleIdentifier</key><string>"
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

// Each finding on a line: "P", a problem's kind and its sentence, or a warning's kind and its sentence.
// None is told twice, as a sentence or as the list's word for its kind.
std::string told(const installer::LayoutReport& report)
{
    std::string lines;
    std::set<std::string> sentences;
    for (const auto& problem : report.problems)
        lines += "P" + std::to_string(int(problem.kind)) + " " + *sentences.insert(cli::sentence(problem)).first + "\n";
    for (const auto& warning : report.warnings)
        lines += std::to_string(int(warning.kind)) + " " + *sentences.insert(cli::sentence(warning)).first + "\n";
    const std::vector<std::string> notes = cli::notes(report);
    EXPECT_EQ(sentences.size() + std::set(notes.begin(), notes.end()).size(),
              report.problems.size() + report.warnings.size() + notes.size())
        << "told twice:\n"
        << lines << testing::PrintToString(notes);
    return lines;
}

// As many findings as `expected` has parts ("|" between them), each part in one of them.
void expectFindings(const installer::LayoutReport& report, const std::string& expected)
{
    const std::string lines = told(report);
    std::istringstream parts(expected);
    std::size_t count = 0;
    for (std::string part; std::getline(parts, part, '|'); ++count)
        EXPECT_NE(lines.find(part), std::string::npos) << part << " in\n" << lines;
    EXPECT_EQ(report.problems.size() + report.warnings.size(), count) << lines;
}

}  // namespace

// Whatever is not wholly a whole number is no group or id: the system reads none from it.
TEST(InspectLayoutItem, TakesOnlyWholeNumbersForGroupAndId)
{
    const TemporaryFolder folder;
    const std::pair<std::string, std::optional<long>> rows[] = {
        {"12abc", {}},    {"1.5", {}}, {"0x1F", {}}, {"1 2", {}}, {"+-3", {}},
        {"--3", {}},      {"+", {}},   {"", {}},     {" ", {}},   {"99999999999999999999999", {}},
        {"\xD9\xA3", {}}, {"0", 0},    {" +7 ", 7},  {"-5", -5},  {"\t12\n", 12}};
    for (const auto& [text, value] : rows) {
        make(folder / "A.keylayout", layout("group=\"" + text + "\" id=\"" + text + "\" name=\"A\""));
        const installer::LayoutReport report = installer::inspectLayoutItem(folder / "A.keylayout");
        expectFindings(report,
                       value ? "" : "its group, \"" + text + "\", is not a whole number.|its id, \"" + text + "\"");
        EXPECT_TRUE(!value || report.layouts.at(0).id * 1000 + report.layouts[0].group == *value * 1001) << text;
    }
}

TEST(InspectLayoutItem, RefusesOnlyWhatCannotLoadAndWarnsOfWhatTheSystemWouldIgnore)
{
    const std::string good = layout("group=\"126\" id=\"-5\" name=\"Good\"");
    // The byte-order mark comes out in the machine's own order, as the text does.
    const std::u16string utf16 =
        u"\uFEFF<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<keyboard group=\"0\" id=\"1\" name=\"\u00DC\">"
        u"<layouts/><modifierMap/><keyMapSet/></keyboard>";
    const std::string info = "Contents/Info.plist", res = "Contents/Resources/", a = res + "A.keylayout";
    const std::string noKeyMapSet = "<layouts/><modifierMap/>", meta = "3 \"B.bundle\" ";
    const std::string notLayout = "P2 \"A.keylayout\" is not a keyboard layout: ",
                      cannotLoad = "P3 \"A.keylayout\" is not a keyboard layout macOS can load: ";
    constexpr auto none = std::nullopt;
    using Inside = std::vector<std::string>;  // paths inside the item, each followed by its content
    const struct {
        std::optional<std::string> content;  // of the item itself, unless it is not made
        bool installable;
        std::string findings;  // as expectFindings takes them
        Inside inside = {};
        const char* item = nullptr;  // else A.keylayout for a file, B.bundle for a folder
    } rows[] = {
        {"<?xml version=\"1.1\" encoding=\"UTF-8\"?>\n" + good, true, ""},
        {layout("group=\"0\" id=\"7\" name=\"\"", noKeyMapSet + "<keyMapSet><key output=\"&#x0008;\"/></keyMapSet>"),
         true, ""},
        {"<!-- a -->\n\n<?xml version=\"1.1\"?>" + good, true, ""},
        {"<?xml version=\"1.0\"?>\n<!DOCTYPE keyboard SYSTEM \"x/Layout.dtd\">\n" + good, true, ""},
        {std::string(reinterpret_cast<const char*>(utf16.data()), utf16.size() * 2), true, "", {}, "A.KEYLAYOUT"},
        {"->real.keylayout", true, "", Inside{"../real.keylayout", good}},
        {none, true, "", Inside{info, plist("org.x.keyboardlayout.b"), res + "G.keylayout", good, res + "N.txt", ""}},

        {"<!DOCTYPE html>\n<html><head>", false, notLayout + "it is a web page. Download the raw file instead."},
        {"", false, notLayout + "the file is empty."},
        {"Colemak\n", false, notLayout + "it is not XML; a keyboard layout is an XML file.\n"},
        {"<keyboard>\n\n<a b=1/></keyboard>", false, notLayout + "its text is damaged at line 3.\n"},
        {"<keyboard>\n<keyMap>\n<key code=\"0\" out", false, notLayout + "it ends before line 3 is complete;"},
        {std::string("\177ELF\x02\x01\x01\0\0\0", 10), false, notLayout + "it holds binary data, not text.\n"},
        {std::string("PK\x03\x04\x14\0\0\0\x08\0<keyboard/>", 21), false, notLayout + "it is a zip archive"},
        {"<?xml version=\"1.0\"?>\n<plist><dict/></plist>", false, notLayout + "its root element is <plist>"},
        {"<fifo>", false, notLayout + "it is not a regular file."},
        {"->/dev/zero", false, notLayout + "it is not a regular file."},
        {"<big>", false, notLayout + "it is larger than 4 MB"},
        {none, false, "P2 \"D.keylayout\" is not a keyboard layout: it is a folder", Inside{"x", good}, "D.keylayout"},
        {none, false, "P0 \"B.bundle\" could not be found"},
        {layout("group=\"x1\" name=\"N\"", noKeyMapSet), false,
         cannotLoad + "its group, \"x1\", is not a whole number.|its <keyboard> has no id.|it has no <keyMapSet>."},
        {layout("id=\"1\"", "<keyMapSet/>"), false,
         cannotLoad + "its <keyboard> has no group.|has no name.|it has no <layouts>.|it has no <modifierMap>."},
        {none, false, "P5 \"B.bundle\" holds no keyboard layout in Contents/Resources.", Inside{info, "<plist/>"}},
        {none, false, "in Contents/Resources. \"Foo.keylayout\" is not a keyboard layout: the file is empty.",
         Inside{res + "Foo.keylayout", "", res + "Pipe.keylayout", "<fifo>"}},
        {none, true,
         "0 In \"B.bundle\", \"C.keylayout\" is not a keyboard layout: it is not a regular file."
         "|1 \"B.bundle\" holds two layouts with the id -5, \"A.keylayout\" and \"B.keylayout\"; macOS renumbers"
         "|1 \"B.bundle\" holds two layouts named \"Good\", \"A.keylayout\" and \"B.keylayout\""
         "|3 \"B.bundle\" has the bundle identifier \"org.x.b\", without \".keyboardlayout.\"",
         Inside{a, good, res + "B.keylayout", layout("group=\"0\" id=\"-5\" name=\"Good\""), res + "C.keylayout",
                "<fifo>", info, plist("org.x.b")}},
        {none, true, meta + "has no Contents/Info.plist", Inside{a, good}},
        {none, true, meta + "has a Contents/Info.plist that cannot be", Inside{a, good, info, "<fifo>"}},
        {none, true, meta + "has no CFBundleIdentifier", Inside{a, good, info, "<plist><dict/></plist>"}},
        {none, true, "", Inside{a, good, info, "bplist00\xd1\x01\x02_\x10\x16org.x.keyboardlayout.b"}},
        {none, true, meta + "has a bundle identifier without", Inside{a, good, info, "bplist00\xd1\x01\x02_org.x.b"}},
    };
    for (const auto& row : rows) {
        const TemporaryFolder folder;
        const std::string item = row.item ? row.item : row.content ? "A.keylayout" : "B.bundle";
        if (row.content)
            make(folder / item, *row.content);
        for (std::size_t i = 0; i + 1 < row.inside.size(); i += 2)
            make((folder / item / row.inside[i]).lexically_normal(), row.inside[i + 1]);
        const installer::LayoutReport report = installer::inspectLayoutItem(folder / (item + "/"));
        SCOPED_TRACE(item + " " + row.findings);
        EXPECT_TRUE(report.installable() == row.installable && report.layouts.empty() == !row.installable);
        expectFindings(report, row.findings);
    }
}

TEST(ClashWarnings, NameTheInstalledItemThatALayoutWouldClashWithButNotTheOneItReplaces)
{
    const TemporaryFolder folder;
    const ScopedEnvironment home("HOME", (folder / "home").string());
    testing_support::StandInSystem stands(folder.path());
    const installer::SystemTools tools = stands.tools();
    const fs::path user = installer::userLayoutsFolder(), system = tools.systemLayouts;
    make(user / "Mine.keylayout", layout("group=\"0\" id=\"1\" name=\"One\""));
    make(user / "Same.keylayout", layout("group=\"0\" id=\"2\" name=\"Two\""));
    make(system / "Same.keylayout", layout("group=\"0\" id=\"2\" name=\"Two\""));
    make(system / "Other.bundle/Contents/Resources/X.keylayout", layout("group=\"0\" id=\"3\" name=\"Three\""));
    make(system / ".keyboard-installer-1.tmp", layout("group=\"0\" id=\"1\" name=\"One\""));
    make(system / "Broken.keylayout", ""), make(system / "Notes.txt", "x"), make(system / "Pipe.keylayout", "<fifo>");
    using enum installer::InstallScope;
    const std::string same = "1 \"Two\" in \"N.keylayout\" has the same name as \"Two\" in \"Same.keylayout\" in ";
    const struct {
        installer::InstallScope scope;
        const char* file;
        long id;
        const char* name;
        std::string warnings;  // as expectFindings takes them
    } rows[] = {
        {currentUser, "Mine.keylayout", 1, "One", ""},
        {currentUser, "MINE.keylayout", 1, "One", ""},
        {allUsers, "Mine.keylayout", 1, "One", "2 \"Mine.keylayout\" is also installed in ~/Library/Keyboard Layouts;"},
        {currentUser, "New.keylayout", 3, "Fresh",
         "1 \"Fresh\" in \"New.keylayout\" has the same id (3) as \"Three\" in \"Other.bundle\" in " + system.string()},
        {allUsers, "N.keylayout", 9, "Two", same + "~/Library/Keyboard Layouts;|" + same + system.string() + ";"},
    };
    const auto installed = installer::installedItems(tools);
    for (const auto& row : rows)
        expectFindings({.warnings = installer::clashWarnings(installer::layoutsFolder(row.scope, tools) / row.file,
                                                             {{row.file, row.name, row.id, 0}}, installed)},
                       row.warnings);
    std::string listed;
    for (const auto& item : installer::listInstalled(tools))
        told(item.report),
            listed += item.path.filename().string() + (item.scope == allUsers ? " all " : " user ")
            + std::to_string(item.report.layouts.size() * 100 + item.report.problems.size() * 10
                             + item.report.warnings.size())
            + ", ";
    EXPECT_EQ(listed,
              "Mine.keylayout user 100, Same.keylayout user 101, Broken.keylayout all 10, Other.bundle all 101, "
              "Pipe.keylayout all 10, Same.keylayout all 101, ");
}
