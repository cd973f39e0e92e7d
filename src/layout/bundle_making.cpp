#include "layout/bundle_making.h"

#include "layout/bundle_advice.h"
#include "layout/file_names.h"
#include "layout/layout_check.h"
#include "layout/strings_file.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/uuid.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <regex>
#include <set>

namespace fs = std::filesystem;

namespace installer {
namespace {

using Kind = BundleRefusal::Kind;

// Icons hold many sizes of one picture; none comes near this.
constexpr std::size_t maximumIconSize = 64 * 1024 * 1024;

// A layout of the bundle, read.
struct Ingredient {
    fs::path source;
    KeyboardLayout layout;
    std::string bytes;
    std::optional<std::string> icon;
    std::string language;
};

bool isBundleIdentifier(const std::string& identifier)
{
    static const std::regex form("[A-Za-z0-9-]+(\\.[A-Za-z0-9-]+)*\\.keyboardlayout(\\.[A-Za-z0-9-]+)+");
    return std::regex_match(identifier, form) && !identifier.starts_with("com.apple.");
}

bool isVersion(const std::string& version)
{
    static const std::regex form("[0-9]+(\\.[0-9]+){0,2}");
    return std::regex_match(version, form);
}

// What a file of Contents/Resources can be named after: one plain name, visible, without a control
// character or the ":" that Finder shows as "/", short enough for its extension.
bool canNameFile(const std::string& name)
{
    return isPlainFileName(name) && !name.starts_with('.') && name.size() <= 240
        && std::none_of(name.begin(), name.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F || c == ':'; });
}

// What two layouts may not share: equal names but for spaces and letter case meet in one file on a
// Mac's disk, or in one input source id.
std::string nameKey(const std::string& name)
{
    std::string key = lowered(name);
    key.erase(std::remove(key.begin(), key.end(), ' '), key.end());
    return key;
}

std::vector<BundleRefusal> recipeRefusals(const BundleRecipe& recipe)
{
    std::vector<BundleRefusal> refusals;
    const fs::path output = platform::withoutTrailingSlashes(recipe.output);
    if (!hasExtension(output, ".bundle") || !canNameFile(output.stem().string()))
        refusals.push_back({Kind::outputNotBundle, "", recipe.output.string()});
    if (!isBundleIdentifier(recipe.identifier))
        refusals.push_back({Kind::identifierForm, "", recipe.identifier});
    if (!isVersion(recipe.version))
        refusals.push_back({Kind::versionForm, "", recipe.version});
    std::set<std::string> languages;
    if (!recipe.language.empty())
        languages.insert(recipe.language);
    for (const auto& [name, language] : recipe.languages)
        languages.insert(language);
    for (const LocalizedName& localized : recipe.localizedNames)
        languages.insert(localized.language);
    for (const std::string& language : languages)
        if (!isLanguageTag(language))
            refusals.push_back({Kind::languageForm, "", language});
    return refusals;
}

std::optional<Ingredient> read(const fs::path& source, std::vector<BundleRefusal>& refusals)
{
    const std::string file = source.string();
    if (!hasExtension(source, ".keylayout")) {
        refusals.push_back({Kind::notLayoutFile, file, ""});
        return std::nullopt;
    }
    LayoutReport report = inspectLayoutItem(source);
    if (!report.installable()) {
        refusals.push_back({Kind::layoutRefused, file, "", report.problems.front()});
        return std::nullopt;
    }
    Ingredient ingredient{source, report.layouts.front(), {}, {}, {}};
    const KeyboardLayout& layout = ingredient.layout;
    if (layout.id >= 0)
        refusals.push_back({Kind::idNotNegative, file, std::to_string(layout.id)});
    if (!canNameFile(layout.name))
        refusals.push_back({Kind::nameNotFileName, file, layout.name});
    ingredient.bytes = platform::readRegularFile(source, maximumLayoutSize);
    if (const LayoutIcon icon = iconBeside(source); icon.state == LayoutIcon::State::found)
        ingredient.icon = platform::readRegularFile(icon.path, maximumIconSize);
    return ingredient;
}

void refuseDuplicates(const std::vector<Ingredient>& ingredients, std::vector<BundleRefusal>& refusals)
{
    std::map<long, const Ingredient*> ids;
    std::map<std::string, const Ingredient*> names;
    for (const Ingredient& ingredient : ingredients) {
        if (const auto [it, added] = ids.emplace(ingredient.layout.id, &ingredient); !added)
            refusals.push_back({Kind::sameId, ingredient.source.string(), it->second->source.string()});
        if (const auto [it, added] = names.emplace(nameKey(ingredient.layout.name), &ingredient); !added)
            refusals.push_back({Kind::sameName, ingredient.source.string(), it->second->source.string()});
    }
}

void chooseLanguages(const BundleRecipe& recipe, std::vector<Ingredient>& ingredients,
                     std::vector<BundleRefusal>& refusals)
{
    std::set<std::string> names;
    for (Ingredient& ingredient : ingredients) {
        const std::string& name = ingredient.layout.name;
        names.insert(name);
        const auto own = recipe.languages.find(name);
        ingredient.language = own != recipe.languages.end() ? own->second : recipe.language;
        if (ingredient.language.empty())
            refusals.push_back({Kind::noLanguage, ingredient.source.string(), name});
    }
    for (const auto& [name, language] : recipe.languages)
        if (!names.count(name))
            refusals.push_back({Kind::unknownLayout, "", name});
}

// Each language's entries; every language names the same layouts, or a layout would show
// untranslated in the languages that leave it out.
std::map<std::string, std::map<std::string, std::string>> localizedNames(const BundleRecipe& recipe,
                                                                         const std::vector<Ingredient>& ingredients,
                                                                         std::vector<BundleRefusal>& refusals)
{
    std::map<std::string, std::string> layouts;  // each name's file
    std::set<std::string> named;
    for (const Ingredient& ingredient : ingredients)
        layouts[ingredient.layout.name] = ingredient.source.string();
    std::map<std::string, std::map<std::string, std::string>> byLanguage;
    for (const LocalizedName& localized : recipe.localizedNames) {
        if (!layouts.count(localized.layout)) {
            refusals.push_back({Kind::unknownLayout, "", localized.layout});
            continue;
        }
        byLanguage[localized.language][localized.layout] = localized.text;
        named.insert(localized.layout);
    }
    for (const auto& [language, entries] : byLanguage)
        for (const std::string& name : named)
            if (!entries.count(name))
                refusals.push_back({Kind::localizedNameMissing, layouts[name], language});
    return byLanguage;
}

std::string xmlText(std::string_view text)
{
    std::string out;
    for (const char c : text)
        out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : std::string(1, c);
    return out;
}

// A property list of one dictionary, written as plutil writes one: tabs, keys in byte order.
// Each entry's value is its element, written as it is.
std::string propertyList(const std::vector<std::pair<std::string, std::string>>& entries)
{
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                       "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n<plist version=\"1.0\">\n<dict>\n";
    for (const auto& [key, value] : entries)
        text += "\t<key>" + xmlText(key) + "</key>\n\t" + value + "\n";
    return text + "</dict>\n</plist>\n";
}

std::string string(std::string_view text)
{
    return "<string>" + xmlText(text) + "</string>";
}

std::string infoPlist(const BundleRecipe& recipe, const std::string& bundleName,
                      const std::vector<Ingredient>& ingredients)
{
    std::vector<std::pair<std::string, std::string>> entries = {{"CFBundleIdentifier", string(recipe.identifier)},
                                                                {"CFBundleInfoDictionaryVersion", string("6.0")},
                                                                {"CFBundleName", string(bundleName)},
                                                                {"CFBundlePackageType", string("BNDL")},
                                                                {"CFBundleShortVersionString", string(recipe.version)},
                                                                {"CFBundleVersion", string(recipe.version)}};
    std::map<std::string, std::string> infos;
    for (const Ingredient& ingredient : ingredients) {
        const std::string& name = ingredient.layout.name;
        std::string info = "<dict>\n";
        const auto add = [&](const std::string& key, const std::string& value) {
            info += "\t\t<key>" + key + "</key>\n\t\t" + value + "\n";
        };
        if (recipe.capsLockSwitch)
            add("TICapsLockLanguageSwitchCapable", "<true/>");
        if (recipe.templateIcons)
            add("TISIconIsTemplate", "<true/>");
        add("TISInputSourceID", string(derivedInputSourceId(recipe.identifier, name)));
        add("TISIntendedLanguage", string(ingredient.language));
        infos["KLInfo_" + name] = info + "\t</dict>";
    }
    entries.insert(entries.end(), infos.begin(), infos.end());
    return propertyList(entries);
}

void writeBundle(const fs::path& folder, const BundleRecipe& recipe, const std::string& bundleName,
                 const std::vector<Ingredient>& ingredients,
                 const std::map<std::string, std::map<std::string, std::string>>& names)
{
    const fs::path contents = folder / "Contents", resources = contents / "Resources";
    // In a folder that exists: a mistyped --output makes no folders on the way to it.
    platform::createPrivateDirectory(folder);
    platform::setPosixPermissions(folder, 0755);
    platform::createDirectories(resources);
    platform::writeNewFile(contents / "Info.plist", infoPlist(recipe, bundleName, ingredients));
    platform::writeNewFile(contents / "version.plist",
                           propertyList({{"CFBundleShortVersionString", string(recipe.version)},
                                         {"CFBundleVersion", string(recipe.version)},
                                         {"ProjectName", string(bundleName)},
                                         {"SourceVersion", string(recipe.version)}}));
    for (const Ingredient& ingredient : ingredients) {
        platform::writeNewFile(resources / (ingredient.layout.name + ".keylayout"), ingredient.bytes);
        if (ingredient.icon)
            platform::writeNewFile(resources / (ingredient.layout.name + ".icns"), *ingredient.icon);
    }
    for (const auto& [language, entries] : names) {
        platform::createDirectories(resources / (language + ".lproj"));
        platform::writeNewFile(resources / (language + ".lproj") / "InfoPlist.strings", stringsFileBytes(entries));
    }
}

}  // namespace

std::vector<BundleRefusal> makeBundle(const BundleRecipe& recipe)
{
    std::vector<BundleRefusal> refusals = recipeRefusals(recipe);
    std::vector<Ingredient> ingredients;
    for (const fs::path& source : recipe.layouts)
        if (std::optional<Ingredient> ingredient = read(source, refusals))
            ingredients.push_back(std::move(*ingredient));
    refuseDuplicates(ingredients, refusals);
    chooseLanguages(recipe, ingredients, refusals);
    const auto names = localizedNames(recipe, ingredients, refusals);
    const fs::path output = platform::withoutTrailingSlashes(recipe.output);
    if (!recipe.replace && platform::itemOrLinkExists(output))
        refusals.push_back({Kind::outputExists, "", recipe.output.string()});
    if (!refusals.empty())
        return refusals;

    const fs::path parent = output.parent_path().empty() ? "." : output.parent_path();
    const std::string hidden = "." + output.filename().string() + "-" + platform::newUuidString();
    const fs::path folder = parent / (hidden + ".tmp"), aside = parent / (hidden + "-old.tmp");
    try {
        writeBundle(folder, recipe, output.stem().string(), ingredients, names);
        platform::swapIntoPlace(folder, output, aside);
    } catch (...) {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
        throw;
    }
    // What stood at the output before, if anything, is now at one of these.
    for (const fs::path& old : {folder, aside})
        if (platform::itemOrLinkExists(old))
            platform::removeItem(old);
    return {};
}

}  // namespace installer
