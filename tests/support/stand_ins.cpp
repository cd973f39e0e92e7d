#include "support/stand_ins.h"

#include <sstream>

namespace testing_support {

// Apart from the header, whose raw string moc would misread.
void writeOsascript(const std::filesystem::path& osascript)
{
    writeScript(osascript, R"(echo >> "$0.ran"; exec perl -e '$_ = $ARGV[0]; s/^do shell script "//;
s/"( with prompt "([^"\\]|\\.)*")? with administrator privileges$//s;
s/\\(.)/$1 eq "n" ? "\n" : $1 eq "r" ? "\r" : $1/ge; exec "/bin/sh", "-c", $_' "$2")");
}

void StandInSystem::listAtLoginWindow(const std::string& layouts) const
{
    std::string entries;
    std::istringstream each(layouts);
    for (std::string id, name; each >> id && std::getline(each, name, '|');)
        entries += "<dict><key>InputSourceKind</key><string>Keyboard Layout</string><key>KeyboardLayout ID</key>"
                   "<integer>"
            + id + "</integer><key>KeyboardLayout Name</key><string>" + name.substr(1) + "</string></dict>";
    writeFile(folder / "Preferences/com.apple.HIToolbox.plist",
              "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>Other</key><string>x</string>"
              "<key>AppleEnabledInputSources</key><array>"
                  + entries + "</array></dict></plist>");
}

}  // namespace testing_support
