#include "cli/advice.h"

#include "platform/text.h"

#include <iterator>

namespace cli {
namespace {

using Kind = installer::Advice::Kind;

struct AdviceWords {
    Kind kind;
    const char* name;
    // {bundle}, {layout}, {detail} and {expected} stand for the advice's data, in quotes; {id} for its
    // detail as it is.
    const char* sentence;
};

const AdviceWords words[] = {
    {Kind::inputSourceIdNotDerived, "inputSourceIdNotDerived",
     "In {bundle}, {layout} declares the TISInputSourceID {detail}, not {expected}, the id the system derives; "
     "macOS may then register the layout twice, and removing it leaves a greyed-out entry."},
    {Kind::noShortVersion, "noShortVersion",
     "{bundle} gives no CFBundleShortVersionString in Contents/Info.plist, the version people and installers "
     "read."},
    {Kind::noVersion, "noVersion",
     "{bundle} gives no CFBundleVersion in Contents/Info.plist, by which the system tells a newer bundle from an "
     "older one."},
    {Kind::noBundleName, "noBundleName",
     "{bundle} gives no CFBundleName in Contents/Info.plist, the name the system shows for the bundle."},
    {Kind::appleIdentifier, "appleIdentifier",
     "{bundle} has the bundle identifier {detail}, under \"com.apple.\", which is Apple's; its layouts' ids could "
     "meet those of the system's own layouts. Use a reverse domain of your own."},
    {Kind::identifierWithSpace, "identifierWithSpace",
     "{bundle} has the bundle identifier {detail}, with a space, which no bundle identifier may hold; its layouts' "
     "input source ids would hold it too."},
    {Kind::identifierWithoutName, "identifierWithoutName",
     "{bundle} has the bundle identifier {detail}, with nothing after \".keyboardlayout.\"; add a name of the "
     "bundle's own, or its layouts' ids may meet another bundle's."},
    {Kind::idNotNegative, "idNotNegative",
     "In {bundle}, {layout} has the id {id}; Apple's note on keyboard layouts asks a Unicode layout for a "
     "negative id, and the system may take a positive one for a script's."},
    {Kind::fileNameNotName, "fileNameNotName",
     "In {bundle}, {layout} is in the file {detail}; the system expects the file to be named after the layout, "
     "{expected}."},
    {Kind::layoutWithoutInfo, "layoutWithoutInfo",
     "{bundle} has no {detail} in Contents/Info.plist for {layout}: no language for it, so the system files it "
     "under \"Others\" in the input menu."},
    {Kind::infoWithoutLayout, "infoWithoutLayout",
     "{bundle} has {detail} in Contents/Info.plist, but no layout named {layout}; the entry is for nothing, or for "
     "a layout under another name."},
    {Kind::languageNotTag, "languageNotTag",
     "In {bundle}, the TISIntendedLanguage of {layout}, {detail}, is no BCP 47 language tag (such as \"en\", "
     "\"de-CH\" or \"sr-Latn\"); the system then files the layout under \"Others\"."},
    {Kind::stringsNotUtf16, "stringsNotUtf16",
     "In {bundle}, {detail} is not UTF-16 text with a byte-order mark, as the system reads localized names; they "
     "may show garbled or not at all."},
    {Kind::stringsMissingLayout, "stringsMissingLayout",
     "In {bundle}, {detail} gives no name for {layout}, which the other languages name; in that language the input "
     "menu shows it untranslated."},
};

const AdviceWords& wordsFor(Kind kind)
{
    for (const AdviceWords& entry : words)
        if (entry.kind == kind)
            return entry;
    return words[std::size(words) - 1];
}

}  // namespace

const char* adviceKindName(Kind kind)
{
    return wordsFor(kind).name;
}

std::string adviceMessage(const std::string& item, const installer::Advice& advice)
{
    const std::pair<std::string, std::string> values[] = {{"{bundle}", platform::inQuotes(item)},
                                                          {"{layout}", platform::inQuotes(advice.layout)},
                                                          {"{detail}", platform::inQuotes(advice.detail)},
                                                          {"{expected}", platform::inQuotes(advice.expected)},
                                                          {"{id}", advice.detail}};
    std::string sentence = wordsFor(advice.kind).sentence;
    for (const auto& [placeholder, value] : values)
        for (auto at = sentence.find(placeholder); at != std::string::npos; at = sentence.find(placeholder, at))
            sentence.replace(at, placeholder.size(), value), at += value.size();
    return sentence;
}

}  // namespace cli
