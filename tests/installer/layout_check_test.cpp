#include "installer/layout_check.h"
#include "platform/error.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

#include <map>

TEST(RequireKeyboardLayout, AcceptsWhatTheSystemLoadsAndRefusesWhatItCannot)
{
    const std::string webPage = "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"></head><body>";
    // The byte-order mark comes out in the machine's own order, as the text does.
    const std::u16string utf16 = u"\uFEFF<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<keyboard/>";
    const struct {
        const char* item;
        std::map<std::string, std::string> files;  // path inside the item ("" for itself), content
        std::string refusal;  // part of the message; empty when the item is accepted
    } rows[] = {
        {"A.keylayout", {{"", "<?xml version=\"1.1\" encoding=\"UTF-8\"?>\n<keyboard/>"}}, ""},
        {"A.keylayout", {{"", "<keyboard><key output=\"&#x0008;\"/></keyboard>"}}, ""},
        {"A.keylayout", {{"", "<!-- a -->\n\n<?xml version=\"1.1\"?><keyboard/>"}}, ""},
        {"A.keylayout", {{"", "<?xml version=\"1.0\"?>\n<!DOCTYPE keyboard SYSTEM \"no/such/Layout.dtd\">\n<keyboard/>"}}, ""},
        {"A.KEYLAYOUT", {{"", std::string(reinterpret_cast<const char*>(utf16.data()), utf16.size() * 2)}}, ""},
        {"B.bundle", {{"Contents/Resources/Bad.keylayout", webPage}, {"Contents/Resources/Notes.txt", "x"},
                      {"Contents/Resources/Good.keylayout", "<keyboard/>"}}, ""},

        {"Colemak.keylayout", {{"", webPage}},
         "\"Colemak.keylayout\" is not a keyboard layout: it is a web page. Download the raw file instead."},
        {"My.keylayout", {{"", ""}}, "\"My.keylayout\" is not a keyboard layout: the file is empty."},
        {"A.keylayout", {{"", "<keyboard>\n  <keyMap index=\"0\">\n    <key code=\"0\" out"}},
         "it ends before line 3 is complete; the download may have been cut short."},
        {"A.keylayout", {{"", std::string("\x7f" "ELF\x02\x01\x01\0\0\0", 10)}}, "binary data"},
        {"A.keylayout", {{"", std::string("PK\x03\x04\x14\0\0\0\x08\0<keyboard/>", 21)}}, "a zip archive"},
        {"A.keylayout", {{"", "<?xml version=\"1.0\"?>\n<plist><dict/></plist>"}}, "root element is <plist>"},
        {"Foo.bundle", {{"Contents/Info.plist", "<plist/>"}}, "\"Foo.bundle\" holds no keyboard layout in Contents/Resources."},
        {"Foo.bundle", {{"Contents/Resources/Foo.keylayout", ""}},
         "in Contents/Resources. \"Foo.keylayout\" is not a keyboard layout: the file is empty."},
        {"Gone.keylayout", {}, "\"Gone.keylayout\" could not be found"},
        {"D.keylayout", {{"x", "<keyboard/>"}}, "\"D.keylayout\" is not a keyboard layout: it is a folder"},
    };
    for (const auto& row : rows) {
        const testing_support::TemporaryFolder folder;
        for (const auto& [inside, content] : row.files)
            testing_support::writeFile(inside.empty() ? folder / row.item : folder / row.item / inside, content);
        std::string refusal;
        try {
            installer::requireKeyboardLayout(folder / row.item);
        } catch (const platform::Error& error) {
            refusal = error.localizedDescription();
        }
        EXPECT_TRUE(row.refusal.empty() ? refusal.empty() : refusal.find(row.refusal) != std::string::npos)
            << "row " << &row - rows << ": " << (refusal.empty() ? "accepted" : refusal);
    }
}
