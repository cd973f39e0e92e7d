#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace installer {

struct KeyboardLayout;

// What a bundle's author should fix: it installs all the same, and the person installing it
// cannot act on it. `layout` is the layout's name where the advice is about one.
struct Advice {
    enum class Kind {
        inputSourceIdNotDerived,  // detail: the declared TISInputSourceID; expected: the id the system derives
        noShortVersion,  // CFBundleShortVersionString missing or empty
        noVersion,  // CFBundleVersion missing or empty
        noBundleName,  // CFBundleName missing or empty
        appleIdentifier,  // detail: an identifier starting with "com.apple."
        identifierWithSpace,  // detail: the identifier
        identifierWithoutName,  // detail: an identifier ending in ".keyboardlayout."
        idNotNegative,  // detail: the id
        fileNameNotName,  // detail: the file's name; expected: the name it should have
        layoutWithoutInfo,  // detail: the KLInfo_ key it lacks
        infoWithoutLayout,  // detail: the KLInfo_ key; layout: the name it gives, which no layout has
        languageNotTag,  // detail: the TISIntendedLanguage
        stringsNotUtf16,  // detail: the strings file, as "de.lproj/InfoPlist.strings"
        stringsMissingLayout,  // detail: the strings file that gives no name for the layout
    };
    Kind kind;
    std::string layout;
    std::string detail;
    std::string expected;
};

// The input source id the system derives for a bundle's layout: "<identifier>.keylayout.<name
// without spaces>". A declared TISInputSourceID that differs from it gets the layout registered twice.
std::string derivedInputSourceId(std::string_view bundleIdentifier, std::string_view layoutName);

// Whether the text has the form of a BCP 47 language tag ("en", "de-CH", "sr-Latn", "es-419"),
// in any letter case; "en_US" has not.
bool isLanguageTag(std::string_view text);

// The advice on a bundle whose layouts that can load are `layouts`: on its Contents/Info.plist
// (when it is an XML property list), on each layout's file and id, and on its InfoPlist.strings files.
std::vector<Advice> adviceOnBundle(const std::filesystem::path& bundle, const std::vector<KeyboardLayout>& layouts);

}  // namespace installer
