#include "installer/layout_check.h"
#include "platform/error.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using testing_support::TemporaryFolder;
using testing_support::writeFile;

namespace {

std::string utf16WithByteOrderMark(const std::string& ascii)
{
    std::string bytes = "\xFF\xFE";
    for (const char c : ascii)
        bytes += {c, '\0'};
    return bytes;
}

struct Case {
    const char* what;
    std::string item;
    std::vector<std::pair<std::string, std::string>> files;  // path inside the item ("" for itself), content
    std::string refusal;  // part of the message; empty when the item is accepted
};

const std::string webPage = "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"></head><body>";

const std::vector<Case> cases = {
    {"XML 1.1 declaration", "A.keylayout", {{"", "<?xml version=\"1.1\" encoding=\"UTF-8\"?>\n<keyboard/>"}}, ""},
    {"control character reference", "A.keylayout", {{"", "<keyboard><key output=\"&#x0008;\"/></keyboard>"}}, ""},
    {"comment and blank lines first", "A.keylayout", {{"", "<!-- a -->\n\n<?xml version=\"1.1\"?><keyboard/>"}}, ""},
    {"DOCTYPE naming a missing DTD", "A.keylayout",
     {{"", "<?xml version=\"1.0\"?>\n<!DOCTYPE keyboard SYSTEM \"no/such/Layout.dtd\">\n<keyboard/>"}}, ""},
    {"UTF-16 with a byte-order mark", "A.KEYLAYOUT",
     {{"", utf16WithByteOrderMark("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<keyboard/>")}}, ""},
    {"bundle with one good layout among others", "B.bundle", {{"Contents/Resources/Bad.keylayout", webPage},
     {"Contents/Resources/Notes.txt", "x"}, {"Contents/Resources/Good.keylayout", "<keyboard/>"}}, ""},

    {"web page", "Colemak.keylayout", {{"", webPage}},
     "\"Colemak.keylayout\" is not a keyboard layout: it is a web page. Download the raw file instead."},
    {"well-formed web page", "A.keylayout", {{"", "<html xmlns=\"http://www.w3.org/1999/xhtml\"/>"}}, "a web page"},
    {"empty file", "My.keylayout", {{"", ""}}, "\"My.keylayout\" is not a keyboard layout: the file is empty."},
    {"cut short", "A.keylayout", {{"", "<keyboard>\n  <keyMap index=\"0\">\n    <key code=\"0\" out"}},
     "it ends before line 3 is complete; the download may have been cut short."},
    {"damaged in the middle", "A.keylayout", {{"", "<keyboard>\n<a></b>\n</keyboard>\n"}}, "damaged at line 2"},
    {"binary bytes", "A.keylayout", {{"", std::string("\x7f" "ELF\x02\x01\x01\0\0\0", 10)}}, "binary data"},
    {"renamed zip", "A.keylayout", {{"", std::string("PK\x03\x04\x14\0\0\0\x08\0<keyboard/>", 21)}}, "a zip archive"},
    {"wrong root", "A.keylayout", {{"", "<?xml version=\"1.0\"?>\n<plist><dict/></plist>"}}, "root element is <plist>"},
    {"bundle without layouts", "Foo.bundle", {{"Contents/Info.plist", "<plist/>"}},
     "\"Foo.bundle\" holds no keyboard layout in Contents/Resources."},
    {"bundle whose only layout is broken", "Foo.bundle", {{"Contents/Resources/Foo.keylayout", ""}},
     "in Contents/Resources. \"Foo.keylayout\" is not a keyboard layout: the file is empty."},
    {"missing item", "Gone.keylayout", {}, "\"Gone.keylayout\" could not be found"},
    {"folder .keylayout", "D.keylayout", {{"x", "<keyboard/>"}}, "\"D.keylayout\" is not a keyboard layout: it is a folder"},
};

}  // namespace

TEST(RequireKeyboardLayout, AcceptsWhatTheSystemLoadsAndRefusesWhatItCannot)
{
    for (const Case& row : cases) {
        SCOPED_TRACE(row.what);
        const TemporaryFolder folder;
        for (const auto& [inside, content] : row.files)
            writeFile(inside.empty() ? folder / row.item : folder / row.item / inside, content);
        try {
            installer::requireKeyboardLayout(folder / row.item);
            EXPECT_EQ(row.refusal, "") << "accepted";
        } catch (const platform::Error& error) {
            EXPECT_NE(row.refusal, "") << error.localizedDescription();
            EXPECT_NE(error.localizedDescription().find(row.refusal), std::string::npos)
                << error.localizedDescription();
        }
    }
}
