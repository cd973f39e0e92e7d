#include "cli/finding_words.h"

#include "platform/text.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

namespace cli {
namespace {

using installer::Problem;
using installer::Warning;
using platform::inQuotes;

// Why one .keylayout file is refused, naming it.
std::string layoutSentence(const Problem& problem, const std::string& file)
{
    using Reason = Problem::Reason;
    const std::string notLayout = inQuotes(file) + " is not a keyboard layout: ",
                      cannotLoad = inQuotes(file) + " is not a keyboard layout macOS can load: ",
                      line = std::to_string(problem.number);
    switch (problem.reason) {
    case Reason::none: break;
    case Reason::empty: return notLayout + "the file is empty.";
    case Reason::zipArchive: return notLayout + "it is a zip archive. Open it and drop the layout inside.";
    case Reason::webPage: return notLayout + "it is a web page. Download the raw file instead.";
    case Reason::binaryData: return notLayout + "it holds binary data, not text.";
    case Reason::notXml: return notLayout + "it is not XML; a keyboard layout is an XML file.";
    case Reason::otherRoot: return notLayout + "its root element is <" + problem.detail + ">, not <keyboard>.";
    case Reason::damagedText: return notLayout + "its text is damaged.";
    case Reason::damagedTextAtLine: return notLayout + "its text is damaged at line " + line + ".";
    case Reason::cutShort:
        return notLayout + "it ends before line " + line + " is complete; the download may have been cut short.";
    case Reason::folder: return notLayout + "it is a folder.";
    case Reason::notRegularFile: return notLayout + "it is not a regular file.";
    case Reason::tooLarge: return notLayout + "it is larger than " + line + " MB, far more than any keyboard layout.";
    case Reason::missingAttribute: return cannotLoad + "its <keyboard> has no " + problem.detail + ".";
    case Reason::notWholeNumber:
        return cannotLoad + "its " + problem.detail + ", " + inQuotes(problem.value) + ", is not a whole number.";
    case Reason::missingElement: return cannotLoad + "it has no <" + problem.detail + ">.";
    case Reason::readFailed:
        return "Couldn't read " + inQuotes(file) + ": " + std::generic_category().message(int(problem.number)) + ".";
    }
    return {};
}

// What the input menu would do with two layouts of one id or name.
std::string sameIdOrName(bool sameId)
{
    return sameId ? "macOS renumbers or hides one of them."
                  : "the input menu would show two entries you cannot tell apart.";
}

std::string octal(long mode)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04lo", mode);
    return text;
}

}  // namespace

std::string sentence(const Problem& problem)
{
    switch (problem.kind) {
    case Problem::Kind::missing:
        return inQuotes(problem.item) + " could not be found; it may have been moved or deleted.";
    case Problem::Kind::notLayoutItem: return inQuotes(problem.item) + " is not a .keylayout file or keyboard .bundle.";
    case Problem::Kind::noLayoutInBundle:
        return inQuotes(problem.item) + " holds no keyboard layout in Contents/Resources."
            + (problem.reason == Problem::Reason::none ? "" : " " + layoutSentence(problem, problem.layout));
    default: return layoutSentence(problem, problem.item);
    }
}

std::string sentence(const Warning& warning)
{
    using Reason = Warning::Reason;
    const std::string item = inQuotes(warning.item), id = std::to_string(warning.layout.id);
    const std::string marker = "\".keyboardlayout.\"", registers = ", which the system reads to register its layouts.",
                      expects = ", which the system expects of keyboard layout bundles.";
    const std::string pair = inQuotes(warning.other.file) + " and " + inQuotes(warning.layout.file) + "; ";
    const std::string clash = inQuotes(warning.layout.name) + " in " + inQuotes(warning.layout.file) + " has the same ";
    const std::string mayIgnore = "; the system or some apps may ignore the layout until it is repaired.";
    const std::string installed =
        " as " + inQuotes(warning.other.name) + " in " + inQuotes(warning.otherItem) + " in " + warning.folder + "; ";
    switch (warning.kind) {
    case Warning::Kind::layoutCannotLoad:
        return "In " + item + ", " + (warning.problem ? sentence(*warning.problem) : "");
    case Warning::Kind::installedTwice:
        return item + " is also installed in " + warning.folder + "; the input menu would list it twice.";
    case Warning::Kind::icon:
        return inQuotes(warning.otherItem) + " beside " + item
            + " is not an icon file (.icns); the input menu would show a generic icon.";
    case Warning::Kind::extendedAttribute:
        return inQuotes(warning.detail) + " carries the extended attribute " + inQuotes(warning.otherItem) + mayIgnore;
    case Warning::Kind::permissions:
        return inQuotes(warning.detail) + " has the mode " + octal(warning.number) + ", so not everyone may read it ("
            + (warning.reason == Reason::folderMode ? "folders need 0755" : "files need 0644") + ")" + mayIgnore;
    case Warning::Kind::owner:
        return inQuotes(warning.detail) + " belongs to user " + std::to_string(warning.number) + " and group "
            + std::to_string(warning.group) + ", not "
            + (warning.reason == Reason::notRootWheel ? "root:wheel as layouts for all users do" : "to you")
            + mayIgnore;
    default: break;
    }
    switch (warning.reason) {
    case Reason::none: break;
    case Reason::sameIdInBundle:
        return item + " holds two layouts with the id " + id + ", " + pair + sameIdOrName(true);
    case Reason::sameNameInBundle:
        return item + " holds two layouts named " + inQuotes(warning.layout.name) + ", " + pair + sameIdOrName(false);
    case Reason::sameIdAs: return clash + "id (" + id + ")" + installed + sameIdOrName(true);
    case Reason::sameNameAs: return clash + "name" + installed + sameIdOrName(false);
    case Reason::sameIdAndNameAs: return clash + "id (" + id + ") and name" + installed + sameIdOrName(true);
    case Reason::noInfoPlist: return item + " has no Contents/Info.plist" + registers;
    case Reason::unreadableInfoPlist: return item + " has a Contents/Info.plist that cannot be read" + registers;
    case Reason::noBundleIdentifier: return item + " has no CFBundleIdentifier in Contents/Info.plist" + registers;
    case Reason::identifierWithoutMarker:
        return item + " has the bundle identifier " + inQuotes(warning.detail) + ", without " + marker + expects;
    case Reason::binaryIdentifierWithoutMarker: return item + " has a bundle identifier without " + marker + expects;
    default: break;
    }
    return {};
}

std::vector<std::string> notes(const installer::LayoutReport& report)
{
    std::vector<std::string> words;
    if (!report.installable())
        words.push_back("Cannot load");
    for (const Warning& warning : report.warnings) {
        const char* word = warning.kind == Warning::Kind::duplicate ? "Duplicate id or name"
            : warning.kind == Warning::Kind::installedTwice         ? "Installed in both places"
            : warning.kind == Warning::Kind::layoutCannotLoad       ? "Some layouts cannot load"
            : warning.kind == Warning::Kind::icon                   ? "Icon is no icns file"
            : warning.kind == Warning::Kind::extendedAttribute      ? "Extended attributes"
            : warning.kind == Warning::Kind::permissions            ? "Not readable by everyone"
            : warning.kind == Warning::Kind::owner                  ? "Wrong owner"
                                                                    : "Incomplete bundle information";
        if (std::find(words.begin(), words.end(), word) == words.end())
            words.push_back(word);
    }
    return words;
}

std::string scopeName(installer::InstallScope scope)
{
    return scope == installer::InstallScope::allUsers ? "All users" : "Current user";
}

}  // namespace cli
