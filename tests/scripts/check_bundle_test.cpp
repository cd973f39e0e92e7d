#include "platform/process.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

#include <map>

namespace fs = std::filesystem;
using namespace testing_support;

// scripts/check-bundle on fake bundles, with stand-ins for the Mac's file, lipo, otool, codesign and
// PlistBuddy. A fake Mach-O file names its architectures ("#slice ARCH MINIMUM") and the libraries
// it loads ("#load PATH"); like otool, the stand-in shows only the first of a universal file's.
TEST(CheckBundle, FailsOnEveryMachOFileThatLacksAnArchitectureOrNeedsALaterMacOS)
{
    TemporaryFolder folder;
    const fs::path tools = folder / "tools";
    writeScript(tools / "file", "grep -q '^#slice ' \"$2\" && echo 'Mach-O 64-bit executable' || echo 'ASCII text'\n");
    writeScript(tools / "lipo",
                R"(if [ "$1" = -archs ]; then awk '$1 == "#slice" { printf "%s ", $2 } END { print "" }' "$2"
                                   else awk -v arch="$3" '$1 != "#slice" || $2 == arch' "$1" > "$5"; fi
)");
    writeScript(tools / "otool",
                R"([ "$1" = -L ] && exec awk '$1 == "#load" { printf "\t%s (compatibility version 1.0.0)\n", $2 }' "$2"
                                    awk '$1 == "#slice" && !shown++ { printf "Load command 9\n      cmd LC_BUILD_VERSION\n    minos %s\n", $3 }' "$2"
)");
    writeScript(tools / "codesign", "exit 0\n");
    writeScript(tools / "PlistBuddy",
                R"(awk -v key="<key>${2#Print :}</key>" 'found { gsub(/.*<string>|<\/string>.*/, ""); print; exit }
                                         index($0, key) { found = 1 }' "$3"
)");
    const ScopedEnvironment path("PATH", tools.string() + ":" + std::getenv("PATH")),
        plist("PLISTBUDDY", (tools / "PlistBuddy").string());

    const std::string executable = "Contents/MacOS/Keyboard Installer",
                      qtCore = "Contents/Frameworks/QtCore.framework/Versions/A/QtCore";
    const std::string universal = "#slice arm64 13.0\n#slice x86_64 12.0\n#load /usr/lib/libSystem.B.dylib\n";
    const std::map<std::string, std::string> bundle = {
        {executable, universal},
        {qtCore, "#slice arm64 12.0\n#slice x86_64 12.0\n"},
        {"Contents/Resources/qt.conf", "[Paths]\n"},
        {"Contents/MacOS/keylayout",
         "#!/bin/sh\n#slice arm64 13.0\n#slice x86_64 13.0\necho 'keylayout " PROJECT_VERSION "'\n"},
        {"Contents/Info.plist",
         "<plist><dict>\n<key>LSMinimumSystemVersion</key>\n<string>13.0</string>\n"
         "<key>CFBundleShortVersionString</key>\n<string>" PROJECT_VERSION "</string>\n</dict></plist>\n"}};
    // files: what a row changes in the bundle above ("" removes the file); problems: check-bundle's list.
    const struct {
        std::map<std::string, std::string> files;
        std::string problems;
    } rows[] = {
        {{}, ""},
        {{{executable, "#slice arm64 13.0\n"}}, "Contents/MacOS/Keyboard Installer lacks x86_64 (it has: arm64)"},
        {{{qtCore, "#slice arm64 13.0\n#slice x86_64 14.0\n"}},
         qtCore + " (x86_64) needs macOS 14.0; the bundle promises 13.0"},
        {{{executable, universal + "#load /opt/homebrew/opt/pugixml/lib/libpugixml.1.dylib\n"},
          {"Contents/MacOS/keylayout", ""}},
         executable + " loads /opt/homebrew/opt/pugixml/lib/libpugixml.1.dylib\n  Contents/MacOS/keylayout is missing"},
        {{{"Contents/Info.plist",
           bundle.at("Contents/Info.plist") + "<key>CFBundleLocalizations</key>\n<string>ja</string>\n"}},
         "Contents/Resources/translations/qtbase_ja.qm is missing"},  // the stand-in reads a key wherever it is
    };
    for (const auto& row : rows) {
        const fs::path app = folder / "Keyboard Installer.app";
        fs::remove_all(app);
        for (const auto& [file, content] : bundle)
            if (const std::string& written = row.files.contains(file) ? row.files.at(file) : content; !written.empty())
                writeFile(app / file, written, 0755);
        const platform::ProcessResult result = platform::runToEnd(CHECK_BUNDLE, {app.string()});
        SCOPED_TRACE(row.problems);
        EXPECT_EQ(result.terminationStatus, row.problems.empty() ? 0 : 1);
        EXPECT_EQ(result.standardError,
                  row.problems.empty() ? "" : app.string() + " is not self-contained:\n  " + row.problems + "\n");
        EXPECT_EQ(result.standardOutput,
                  row.problems.empty() ? app.string()
                          + " is self-contained: 3 Mach-O files, each arm64 x86_64, "
                            "none needing macOS later than 13.0 or loading from Homebrew or /usr/local, "
                            "signature valid.\n"
                                       : "");
    }
}
