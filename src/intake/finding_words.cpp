#include "intake/finding_words.h"

#include <QCoreApplication>

#include <system_error>

namespace intake {
namespace {

using installer::Problem;
using installer::Warning;

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// Why one .keylayout file is refused, naming it.
QString layoutSentence(const Problem& problem, const std::string& fileName)
{
    using Reason = Problem::Reason;
    const QString file = text(fileName), detail = text(problem.detail), number = QString::number(problem.number);
    switch (problem.reason) {
    case Reason::none: break;
    case Reason::empty:
        return QCoreApplication::translate("intake::FindingWords",
                                           "\"%1\" is not a keyboard layout: the file is empty.")
            .arg(file);
    case Reason::zipArchive:
        return QCoreApplication::translate(
                   "intake::FindingWords",
                   "\"%1\" is not a keyboard layout: it is a zip archive. Open it and drop the layout inside.")
            .arg(file);
    case Reason::webPage:
        return QCoreApplication::translate(
                   "intake::FindingWords",
                   "\"%1\" is not a keyboard layout: it is a web page. Download the raw file instead.")
            .arg(file);
    case Reason::binaryData:
        return QCoreApplication::translate("intake::FindingWords",
                                           "\"%1\" is not a keyboard layout: it holds binary data, not text.")
            .arg(file);
    case Reason::notXml:
        return QCoreApplication::translate(
                   "intake::FindingWords",
                   "\"%1\" is not a keyboard layout: it is not XML; a keyboard layout is an XML file.")
            .arg(file);
    case Reason::otherRoot:
        return QCoreApplication::translate("intake::FindingWords",
                                           "\"%1\" is not a keyboard layout: its root element is <%2>, not <keyboard>.")
            .arg(file, detail);
    case Reason::damagedText:
        return QCoreApplication::translate("intake::FindingWords",
                                           "\"%1\" is not a keyboard layout: its text is damaged.")
            .arg(file);
    case Reason::damagedTextAtLine:
        return QCoreApplication::translate("intake::FindingWords",
                                           "\"%1\" is not a keyboard layout: its text is damaged at line %2.")
            .arg(file, number);
    case Reason::cutShort:
        return QCoreApplication::translate("intake::FindingWords",
                                           "\"%1\" is not a keyboard layout: it ends before line %2 is complete; the "
                                           "download may have been cut short.")
            .arg(file, number);
    case Reason::folder:
        return QCoreApplication::translate("intake::FindingWords", "\"%1\" is not a keyboard layout: it is a folder.")
            .arg(file);
    case Reason::notRegularFile:
        return QCoreApplication::translate("intake::FindingWords",
                                           "\"%1\" is not a keyboard layout: it is not a regular file.")
            .arg(file);
    case Reason::tooLarge:
        return QCoreApplication::translate(
                   "intake::FindingWords",
                   "\"%1\" is not a keyboard layout: it is larger than %2 MB, far more than any keyboard layout.")
            .arg(file, number);
    case Reason::missingAttribute:
        return QCoreApplication::translate("intake::FindingWords",
                                           "\"%1\" is not a keyboard layout macOS can load: its <keyboard> has no %2.")
            .arg(file, detail);
    case Reason::notWholeNumber:
        return QCoreApplication::translate(
                   "intake::FindingWords",
                   "\"%1\" is not a keyboard layout macOS can load: its %2, \"%3\", is not a whole number.")
            .arg(file, detail, text(problem.value));
    case Reason::missingElement:
        return QCoreApplication::translate("intake::FindingWords",
                                           "\"%1\" is not a keyboard layout macOS can load: it has no <%2>.")
            .arg(file, detail);
    case Reason::readFailed:
        return QCoreApplication::translate("intake::FindingWords", "Couldn't read \"%1\": %2.")
            .arg(file, QString::fromLocal8Bit(std::generic_category().message(int(problem.number))));
    }
    return {};
}

}  // namespace

QString sentence(const Problem& problem)
{
    const QString item = text(problem.item);
    switch (problem.kind) {
    case Problem::Kind::missing:
        return QCoreApplication::translate("intake::FindingWords",
                                           "\"%1\" could not be found; it may have been moved or deleted.")
            .arg(item);
    case Problem::Kind::notLayoutItem:
        return QCoreApplication::translate("intake::FindingWords",
                                           "\"%1\" is not a .keylayout file or keyboard .bundle.")
            .arg(item);
    case Problem::Kind::noLayoutInBundle: {
        const QString none = QCoreApplication::translate("intake::FindingWords",
                                                         "\"%1\" holds no keyboard layout in Contents/Resources.")
                                 .arg(item);
        return problem.reason == Problem::Reason::none ? none : none + u' ' + layoutSentence(problem, problem.layout);
    }
    default: return layoutSentence(problem, problem.item);
    }
}

QString sentence(const Warning& warning)
{
    using Reason = Warning::Reason;
    const QString item = text(warning.item), layout = text(warning.layout.name), file = text(warning.layout.file),
                  other = text(warning.other.name), otherFile = text(warning.other.file),
                  otherItem = text(warning.otherItem), folder = text(warning.folder),
                  id = QString::number(warning.layout.id);
    switch (warning.kind) {
    case Warning::Kind::layoutCannotLoad:
        return QCoreApplication::translate("intake::FindingWords", "In \"%1\", %2")
            .arg(item, warning.problem ? sentence(*warning.problem) : QString());
    case Warning::Kind::installedTwice:
        return QCoreApplication::translate("intake::FindingWords",
                                           "\"%1\" is also installed in %2; the input menu would list it twice.")
            .arg(item, folder);
    case Warning::Kind::icon:
        return QCoreApplication::translate(
                   "intake::FindingWords",
                   "\"%1\" beside \"%2\" is not an icon file (.icns); the input menu would show a generic icon.")
            .arg(otherItem, item);
    case Warning::Kind::extendedAttribute:
        return QCoreApplication::translate("intake::FindingWords",
                                           "\"%1\" carries the extended attribute \"%2\"; the system or some apps may "
                                           "ignore the layout until it is repaired.")
            .arg(text(warning.detail), otherItem);
    case Warning::Kind::permissions: {
        const QString mode = QStringLiteral("%1").arg(warning.number, 4, 8, QLatin1Char('0'));
        return (warning.reason == Reason::folderMode
                    ? QCoreApplication::translate("intake::FindingWords",
                                                  "\"%1\" has the mode %2, so not everyone may read it (folders "
                                                  "need 0755); the system or some apps may ignore the layout until "
                                                  "it is repaired.")
                    : QCoreApplication::translate("intake::FindingWords",
                                                  "\"%1\" has the mode %2, so not everyone may read it (files need "
                                                  "0644); the system or some apps may ignore the layout until it is "
                                                  "repaired."))
            .arg(text(warning.detail), mode);
    }
    case Warning::Kind::owner:
        return (warning.reason == Reason::notRootWheel
                    ? QCoreApplication::translate("intake::FindingWords",
                                                  "\"%1\" belongs to user %2 and group %3, not root:wheel as layouts "
                                                  "for all users do; the system or some apps may ignore the layout "
                                                  "until it is repaired.")
                    : QCoreApplication::translate("intake::FindingWords",
                                                  "\"%1\" belongs to user %2 and group %3, not to you; the system or "
                                                  "some apps may ignore the layout until it is repaired."))
            .arg(text(warning.detail), QString::number(warning.number), QString::number(warning.group));
    default: break;
    }
    switch (warning.reason) {
    case Reason::none: break;
    case Reason::sameIdInBundle:
        return QCoreApplication::translate(
                   "intake::FindingWords",
                   "\"%1\" holds two layouts with the id %2, \"%3\" and \"%4\"; macOS renumbers or hides one of them.")
            .arg(item, id, otherFile, file);
    case Reason::sameNameInBundle:
        return QCoreApplication::translate("intake::FindingWords",
                                           "\"%1\" holds two layouts named \"%2\", \"%3\" and \"%4\"; the input menu "
                                           "would show two entries you cannot tell apart.")
            .arg(item, layout, otherFile, file);
    case Reason::sameIdAs:
        return QCoreApplication::translate("intake::FindingWords",
                                           "\"%1\" in \"%2\" has the same id (%3) as \"%4\" in \"%5\" in %6; macOS "
                                           "renumbers or hides one of them.")
            .arg(layout, file, id, other, otherItem, folder);
    case Reason::sameNameAs:
        return QCoreApplication::translate("intake::FindingWords",
                                           "\"%1\" in \"%2\" has the same name as \"%3\" in \"%4\" in %5; the input "
                                           "menu would show two entries you cannot tell apart.")
            .arg(layout, file, other, otherItem, folder);
    case Reason::sameIdAndNameAs:
        return QCoreApplication::translate("intake::FindingWords",
                                           "\"%1\" in \"%2\" has the same id (%3) and name as \"%4\" in \"%5\" in %6; "
                                           "macOS renumbers or hides one of them.")
            .arg(layout, file, id, other, otherItem, folder);
    case Reason::noInfoPlist:
        return QCoreApplication::translate(
                   "intake::FindingWords",
                   "\"%1\" has no Contents/Info.plist, which the system reads to register its layouts.")
            .arg(item);
    case Reason::unreadableInfoPlist:
        return QCoreApplication::translate("intake::FindingWords",
                                           "\"%1\" has a Contents/Info.plist that cannot be read, which the system "
                                           "reads to register its layouts.")
            .arg(item);
    case Reason::noBundleIdentifier:
        return QCoreApplication::translate("intake::FindingWords",
                                           "\"%1\" has no CFBundleIdentifier in Contents/Info.plist, which the system "
                                           "reads to register its layouts.")
            .arg(item);
    case Reason::identifierWithoutMarker:
        return QCoreApplication::translate("intake::FindingWords",
                                           "\"%1\" has the bundle identifier \"%2\", without \".keyboardlayout.\", "
                                           "which the system expects of keyboard layout bundles.")
            .arg(item, text(warning.detail));
    case Reason::binaryIdentifierWithoutMarker:
        return QCoreApplication::translate("intake::FindingWords",
                                           "\"%1\" has a bundle identifier without \".keyboardlayout.\", which the "
                                           "system expects of keyboard layout bundles.")
            .arg(item);
    default: break;
    }
    return {};
}

QStringList notes(const installer::LayoutReport& report)
{
    QStringList words;
    if (!report.installable())
        words << QCoreApplication::translate("intake::FindingWords", "Cannot load");
    for (const Warning& warning : report.warnings) {
        const QString word = warning.kind == Warning::Kind::duplicate
            ? QCoreApplication::translate("intake::FindingWords", "Duplicate id or name")
            : warning.kind == Warning::Kind::installedTwice
            ? QCoreApplication::translate("intake::FindingWords", "Installed in both places")
            : warning.kind == Warning::Kind::layoutCannotLoad
            ? QCoreApplication::translate("intake::FindingWords", "Some layouts cannot load")
            : warning.kind == Warning::Kind::icon
            ? QCoreApplication::translate("intake::FindingWords", "Icon is no icns file")
            : warning.kind == Warning::Kind::extendedAttribute
            ? QCoreApplication::translate("intake::FindingWords", "Extended attributes")
            : warning.kind == Warning::Kind::permissions
            ? QCoreApplication::translate("intake::FindingWords", "Not readable by everyone")
            : warning.kind == Warning::Kind::owner
            ? QCoreApplication::translate("intake::FindingWords", "Wrong owner")
            : QCoreApplication::translate("intake::FindingWords", "Incomplete bundle information");
        if (!words.contains(word))
            words << word;
    }
    return words;
}

QString scopeName(installer::InstallScope scope)
{
    return scope == installer::InstallScope::allUsers
        ? QCoreApplication::translate("intake::FindingWords", "All users")
        : QCoreApplication::translate("intake::FindingWords", "Current user");
}

QString nothingInstalled()
{
    return QCoreApplication::translate("intake::FindingWords",
                                       "No keyboard layouts are installed, for you or for all users.");
}

}  // namespace intake
