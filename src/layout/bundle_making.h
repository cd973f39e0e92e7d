#pragma once

#include "layout/layout_check.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace installer {

// One entry of a language's InfoPlist.strings: the name a layout has in that language.
struct LocalizedName {
    std::string language;  // the .lproj folder's name, a language tag
    std::string layout;  // the layout's name
    std::string text;
};

// What a keyboard bundle is made of.
struct BundleRecipe {
    std::filesystem::path output;  // NAME.bundle
    std::string identifier;  // CFBundleIdentifier
    std::string version = "1.0";  // CFBundleVersion and CFBundleShortVersionString
    std::vector<std::filesystem::path> layouts;  // .keylayout files
    std::string language = {};  // TISIntendedLanguage of every layout not in `languages`
    std::map<std::string, std::string> languages = {};  // by layout name
    bool capsLockSwitch = false;  // TICapsLockLanguageSwitchCapable
    bool templateIcons = false;  // TISIconIsTemplate
    std::vector<LocalizedName> localizedNames = {};
    bool replace = false;  // an existing output gives way
};

// Why the bundle is not made. `layout` is the layout file as the recipe names it.
struct BundleRefusal {
    enum class Kind {
        // The recipe itself is wrong.
        outputNotBundle,  // detail: the output, which does not end in .bundle or whose name cannot be a bundle's
        identifierForm,  // detail: an identifier without ".keyboardlayout." and more, or outside the letters,
                         // digits, "-" and "." of a bundle identifier, or under "com.apple."
        versionForm,  // detail: a version that is not one to three whole numbers joined by "."
        languageForm,  // detail: a language that is no language tag
        noLanguage,  // a layout given no TISIntendedLanguage; detail: its name
        unknownLayout,  // detail: the name a language or localized name is given for, which no layout has
        localizedNameMissing,  // detail: a language that names other layouts but not this one
        // A layout or the output stands in the way.
        notLayoutFile,  // not named .keylayout
        layoutRefused,  // problem: what the checks say
        sameId,  // detail: the other layout's file
        sameName,  // detail: the other layout's file; names equal but for spaces and letter case count
        idNotNegative,  // detail: the id
        nameNotFileName,  // detail: the name, which cannot be a file's
        outputExists,  // detail: the output
    };
    Kind kind;
    std::string layout;
    std::string detail;
    std::optional<Problem> problem = std::nullopt;

    // Whether the recipe is wrong, rather than a layout or the output.
    bool inRecipe() const { return kind <= Kind::localizedNameMissing; }
};

// Makes the bundle at recipe.output, all of it or nothing: built beside it under a hidden name,
// then moved into place, replacing what stood there only with recipe.replace. Every layout goes into
// Contents/Resources as "<its name>.keylayout", with the icon beside it as "<its name>.icns". The
// same recipe over the same layouts gives the same bytes. Returns why it made nothing, or nothing
// when it made the bundle; throws platform::Error when reading or writing fails, leaving nothing behind.
std::vector<BundleRefusal> makeBundle(const BundleRecipe& recipe);

}  // namespace installer
