#include "cli/bundle.h"

#include "cli/finding_words.h"

#include "cli/output.h"
#include "layout/bundle_making.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/text.h"

namespace cli {
namespace {

using installer::BundleRefusal;
using platform::inQuotes;

std::string sentence(const BundleRefusal& refusal)
{
    using Kind = BundleRefusal::Kind;
    const std::string layout = inQuotes(refusal.layout), detail = inQuotes(refusal.detail);
    switch (refusal.kind) {
    case Kind::outputNotBundle: return "--output " + detail + " names no bundle: give a file name ending in .bundle.";
    case Kind::identifierForm:
        return "--identifier " + detail
            + " is no keyboard layout bundle's identifier: it needs \".keyboardlayout.\" and a name after it, only "
              "letters, digits, \"-\" and \".\", and no \"com.apple.\" (say org.example.keyboardlayout.colemak).";
    case Kind::versionForm:
        return "--bundle-version " + detail + " is no bundle version: give one to three whole numbers joined by \".\".";
    case Kind::languageForm:
        return detail + " is no BCP 47 language tag, such as \"en\", \"de-CH\", \"sr-Latn\" or \"es-419\".";
    case Kind::noLanguage:
        return layout + " is given no language: add --language CODE, or --language "
            + inQuotes(refusal.detail + "=CODE") + "; without one the system files the layout under \"Others\".";
    case Kind::unknownLayout: return "No layout is named " + detail + ", which --language or --localized-name names.";
    case Kind::localizedNameMissing:
        return "--localized-name names other layouts in " + detail + " but not the one in " + layout
            + "; the input menu would show it untranslated there.";
    case Kind::notLayoutFile: return layout + " is not a .keylayout file.";
    case Kind::layoutRefused: return cli::sentence(*refusal.problem);
    case Kind::sameId: return layout + " has the same id as " + detail + "; macOS would renumber or hide one of them.";
    case Kind::sameName:
        return layout + " has the same name as " + detail
            + ", spaces and letter case aside; they would share one file or one input source.";
    case Kind::idNotNegative:
        return layout + " has the id " + refusal.detail
            + "; Apple's note on keyboard layouts asks a Unicode layout for a negative id.";
    case Kind::nameNotFileName: return layout + " has the name " + detail + ", which cannot name a file in the bundle.";
    case Kind::outputExists: return detail + " exists already; --force replaces it.";
    }
    return refusal.detail;
}

}  // namespace

ExitCode bundle(const BundleArguments& arguments)
{
    installer::BundleRecipe recipe{.output = arguments.output,
                                   .identifier = arguments.identifier,
                                   .version = arguments.version,
                                   .layouts = arguments.layouts,
                                   .capsLockSwitch = arguments.capsLockSwitch,
                                   .templateIcons = arguments.templateIcons,
                                   .replace = arguments.force};
    const auto usageError = [](const std::string& message) {
        tell("keylayout: " + message + " Run \"keylayout --help\" for the commands.");
        return cli::usageError;
    };
    // A language tag holds no "=", a layout's name may.
    for (const std::string& language : arguments.languages) {
        const auto equals = language.rfind('=');
        if (equals == std::string::npos)
            recipe.language = language;
        else
            recipe.languages[language.substr(0, equals)] = language.substr(equals + 1);
    }
    for (const std::string& given : arguments.localizedNames) {
        const auto colon = given.find(':'), equals = given.find('=', colon);
        if (colon == std::string::npos || equals == std::string::npos)
            return usageError("--localized-name " + inQuotes(given) + " is not LANG:NAME=TEXT.");
        recipe.localizedNames.push_back(
            {given.substr(0, colon), given.substr(colon + 1, equals - colon - 1), given.substr(equals + 1)});
    }

    const std::string name = inQuotes(platform::lastPathComponent(arguments.output));
    try {
        const std::vector<BundleRefusal> refusals = installer::makeBundle(recipe);
        bool inRecipe = false;
        for (const BundleRefusal& refusal : refusals)
            inRecipe = inRecipe || refusal.inRecipe();
        for (const BundleRefusal& refusal : refusals)
            tell((refusal.inRecipe() ? "keylayout: " : "Refused: ") + sentence(refusal));
        if (inRecipe)
            return usageError("Made no bundle.");
        if (!refusals.empty()) {
            tell("Made no bundle " + name + ".");
            return failed;
        }
    } catch (const platform::Error& error) {
        tell("Couldn't make " + name + ": " + error.localizedDescription());
        return failed;
    }
    tell("Made " + name + ".");
    return succeeded;
}

}  // namespace cli
