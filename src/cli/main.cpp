// keylayout: the app's checks, install, list and removal for a terminal, a script run as root by
// a management tool, or a layout author's CI.

#include "cli/bundle.h"
#include "cli/commands.h"
#include "cli/diff.h"
#include "cli/input_sources_file.h"
#include "cli/output.h"
#include "cli/show.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <map>

namespace {

const char* const description =
    R"(Installs macOS keyboard layouts (.keylayout files and keyboard .bundle folders) the way
Keyboard Installer does: the same checks, the same copy, the same refresh of the input menu.
Messages go to standard error; output and --json's one JSON document go to standard output.

Commands:
  check [--json] [--strict] ITEM...
      Checks each item as a drop would and says what it finds; for a bundle also the advice
      to its author on what its making gets wrong, which installing never shows.
      Exits 0 when every item can be installed, warnings allowed; 1 when any is refused,
      or with --strict has a warning or advice.
        keylayout check --strict --json Build/Colemak.keylayout
  install [--all-users [--login-window]] [--strict] [--no-enable] [--replace] ITEM...
      Installs each item for the current user (~/Library/Keyboard Layouts) or for all users
      (/Library/Keyboard Layouts): run as root, without asking; otherwise an administrator
      approves. Warnings are printed and the item installed, unless --strict refuses it.
      Over an item of its name, it says what the new version types differently; the old one
      goes to the Trash, or for all users is removed. --replace installs it in place of the
      one installed item, under another name, with a layout of the same id or name, and
      refuses it where there are several.
      On a Mac each installed layout goes into your input menu, unless --no-enable; run as
      root, into nobody's. --login-window also adds the layouts to the login window's input
      sources and shows its input menu; before FileVault unlocks the disk, the Mac types with
      its built-in layouts only.
      Exits 1 when any item was not installed; the others are still tried.
        sudo keylayout install --all-users --login-window Colemak.bundle
  list [--json]
      Lists the layouts installed for the current user and for all users, with notes on
      what the checks find wrong and, on a Mac, whether each is in the input menu.
        keylayout list
  enable [--login-window] NAME...
  disable [--login-window] NAME...
      Adds installed items, by file name, to your input menu, or takes them out of it; with
      --login-window, items installed for all users to the login window's input sources.
        keylayout enable Colemak.keylayout
  repair [--all-users] NAME...
      Installs installed items, by file name, again from themselves, so that nothing makes the
      system or some apps ignore them: extended attributes cleared, modes and owner set, as list
      notes them. An item in the input menu stays there; one that fails is left as it was.
        keylayout repair --all-users Colemak.bundle
  remove [--all-users] NAME...
      Removes installed items by file name: into the Trash, or for all users. Exits as
      install does.
        keylayout remove Colemak.keylayout
  show [--json] [--svg FILE] [--iso] ITEM...
      Shows what each key of each layout types with no modifier, Shift, Option, both, and
      Caps Lock: a picture of the keyboard, JSON, or with one item an SVG picture in FILE.
      --iso draws the ISO keyboard instead of ANSI. Exits 1 when any item is refused.
        keylayout show --svg docs/Colemak.svg Colemak.bundle
  diff [--json] OLD NEW
      Lists what each key of each layout types differently in NEW than in OLD, two files or
      bundles, with what keys type after its dead keys. Exits 0 when both type the same, 1 when
      they differ, 2 when either cannot be read.
        keylayout diff v1/Colemak.keylayout v2/Colemak.keylayout
  bundle [options] --output NAME.bundle LAYOUT.keylayout...
      Makes a keyboard bundle of the layouts, whole or not at all: each layout goes in as
      Contents/Resources/<its name>.keylayout, with the .icns of its base name beside it.
      Contents/Info.plist gets --identifier ID (required, with ".keyboardlayout." and a
      name after it), --bundle-version V (1.0), and for each layout the input source id the
      system derives and its language: --language CODE for all, --language "NAME=CODE" for
      one (a BCP 47 tag: en, de-CH, sr-Latn). --caps-lock-switch lets Caps Lock switch to
      the layouts, --template-icons has the menu bar tint their icons, and each
      --localized-name "LANG:NAME=TEXT" names a layout in a language. --force replaces an
      existing NAME.bundle. The same layouts and options give the same bytes.
      Exits 1 when a layout is refused or NAME.bundle exists; nothing is written.
        keylayout bundle --identifier org.example.keyboardlayout.colemak --language en
            --output Colemak.bundle Colemak.keylayout

A usage error exits with 2.)";

const QStringList bundleOptions = {"output",           "identifier",     "bundle-version", "language",
                                   "caps-lock-switch", "template-icons", "localized-name", "force"};

// Which options each command takes; anything else is a usage error.
const std::map<QString, QStringList> commandOptions = {
    {"check", {"json", "strict"}},
    {"install", {"all-users", "strict", "no-enable", "replace", "login-window"}},
    {"list", {"json"}},
    {"remove", {"all-users"}},
    {"repair", {"all-users"}},
    {"enable", {"login-window"}},
    {"disable", {"login-window"}},
    {"show", {"json", "svg", "iso"}},
    {"diff", {"json"}},
    {"bundle", bundleOptions}};

cli::ExitCode usageError(const QString& message)
{
    cli::tell("keylayout: " + message.toStdString() + " Run \"keylayout --help\" for the commands.");
    return cli::usageError;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("keylayout"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KEYBOARD_INSTALLER_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(description));
    const QCommandLineOption help = parser.addHelpOption(), version = parser.addVersionOption();
    parser.addOptions({{"json", "Print one JSON document on standard output (check, list, show, diff)."},
                       {"strict", "Refuse items with warnings too (check, install)."},
                       {"all-users", "Install into or remove from /Library/Keyboard Layouts (install, remove)."},
                       {"no-enable", "Leave what is installed out of the input menu (install)."},
                       {"login-window", "Also at the login window, for all users (install, enable, disable)."},
                       {"replace", "Install in place of the installed item whose layout clashes (install)."},
                       {"svg", "Write the picture of the one item as SVG to the file (show).", "FILE"},
                       {"iso", "Draw the ISO keyboard (show)."},
                       {"output", "The bundle to make (bundle).", "NAME.bundle"},
                       {"identifier", "The bundle's CFBundleIdentifier, with \".keyboardlayout.\" (bundle).", "ID"},
                       {"bundle-version", "The bundle's version, 1.0 unless given (bundle).", "V"},
                       {"language", "The layouts' language, or one layout's as NAME=CODE (bundle).", "CODE"},
                       {"caps-lock-switch", "Caps Lock switches to the layouts (bundle)."},
                       {"template-icons", "The icons are black shapes the menu bar tints (bundle)."},
                       {"localized-name", "A layout's name in a language (bundle).", "LANG:NAME=TEXT"},
                       {"force", "Replace an existing bundle (bundle)."}});
    // Seams for tests: the system programs, the all-users folder, the Trash and the input menu.
    std::map<QString, std::filesystem::path*> toolOptions;
    cli::Options options;
    QCommandLineOption inputSources(QStringLiteral("input-sources"), QString(), QStringLiteral("path"));
    inputSources.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(inputSources);
    for (const auto& [name, tool] : {std::pair{"osascript", &options.tools.osascript},
                                     {"killall", &options.tools.killall},
                                     {"shell", &options.tools.shell},
                                     {"system-layouts", &options.tools.systemLayouts},
                                     {"defaults", &options.tools.defaults},
                                     {"trash", &options.tools.trash}}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("path"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
        toolOptions[QString::fromLatin1(name)] = tool;
    }
    parser.addPositionalArgument(
        QStringLiteral("command"),
        QStringLiteral("check, install, list, remove, repair, enable, disable, show, diff or bundle."));
    parser.addPositionalArgument(QStringLiteral("items"),
                                 QStringLiteral("Layout files or bundles; for remove, installed file names."),
                                 QStringLiteral("[ITEM|NAME...]"));

    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser.errorText());
    if (parser.isSet(help))
        parser.showHelp(cli::succeeded);
    if (parser.isSet(version))
        parser.showVersion();

    QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty())
        return usageError(QStringLiteral("No command given."));
    const QString command = arguments.takeFirst();
    const auto allowed = commandOptions.find(command);
    if (allowed == commandOptions.end())
        return usageError(QStringLiteral("Unknown command \"%1\".").arg(command));
    for (const QString& name : parser.optionNames())
        if (!toolOptions.count(name) && name != inputSources.names().front() && !allowed->second.contains(name))
            return usageError(QStringLiteral("%1 takes no --%2.").arg(command, name));
    if (command == u"diff" && arguments.size() != 2)
        return usageError(QStringLiteral("diff takes two items, OLD and NEW."));
    if (command == u"list" ? !arguments.isEmpty() : arguments.isEmpty())
        return usageError(command == u"list" ? QStringLiteral("list takes no items.")
                                             : QStringLiteral("%1 needs at least one item.").arg(command));
    if (parser.isSet(QStringLiteral("svg")) && arguments.size() > 1)
        return usageError(QStringLiteral("show --svg takes one item."));
    if (command == u"install" && parser.isSet(QStringLiteral("login-window"))
        && !parser.isSet(QStringLiteral("all-users")))
        return usageError(QStringLiteral("install --login-window needs --all-users: the login window uses only "
                                         "layouts installed for all users."));
    for (const char* required : {"output", "identifier"})
        if (command == u"bundle" && !parser.isSet(QString::fromLatin1(required)))
            return usageError(QStringLiteral("bundle needs --%1.").arg(QString::fromLatin1(required)));

    options.json = parser.isSet(QStringLiteral("json"));
    options.strict = parser.isSet(QStringLiteral("strict"));
    options.allUsers = parser.isSet(QStringLiteral("all-users"));
    options.addToInputMenu = !parser.isSet(QStringLiteral("no-enable"));
    options.loginWindow = parser.isSet(QStringLiteral("login-window"));
    options.replace = parser.isSet(QStringLiteral("replace"));
    // An empty path stands for a system without an input menu.
    if (parser.isSet(inputSources))
        options.tools.inputSources = parser.value(inputSources).isEmpty()
            ? platform::InputSourceRegistry()
            : cli::inputSourcesInFile(QFile::encodeName(parser.value(inputSources)).toStdString());
    for (const auto& [name, tool] : toolOptions)
        if (parser.isSet(name))
            *tool = QFile::encodeName(parser.value(name)).toStdString();
    std::vector<std::filesystem::path> items;
    std::vector<std::string> names;
    for (const QString& argument : arguments)
        items.emplace_back(QFile::encodeName(argument).toStdString()), names.push_back(items.back().string());

    if (command == u"check")
        return cli::check(items, options);
    if (command == u"install")
        return cli::install(items, options);
    if (command == u"list")
        return cli::list(options);
    if (command == u"enable" || command == u"disable")
        return options.loginWindow ? cli::setAtLoginWindow(names, command == u"enable", options)
                                   : cli::setInInputMenu(names, command == u"enable", options);
    if (command == u"repair")
        return cli::repair(names, options);
    if (command == u"diff")
        return cli::diff(items[0], items[1], options.json);
    if (command == u"show") {
        cli::ShowOptions show{options.json, parser.isSet(QStringLiteral("iso")), std::nullopt};
        if (parser.isSet(QStringLiteral("svg")))
            show.svg = QFile::encodeName(parser.value(QStringLiteral("svg"))).toStdString();
        return cli::show(items, show);
    }
    if (command == u"bundle") {
        const auto text = [&](const char* name) { return parser.value(QString::fromLatin1(name)).toStdString(); };
        cli::BundleArguments bundle;
        bundle.output = QFile::encodeName(parser.value(QStringLiteral("output"))).toStdString();
        bundle.identifier = text("identifier");
        if (parser.isSet(QStringLiteral("bundle-version")))
            bundle.version = text("bundle-version");
        for (const QString& language : parser.values(QStringLiteral("language")))
            bundle.languages.push_back(language.toStdString());
        for (const QString& name : parser.values(QStringLiteral("localized-name")))
            bundle.localizedNames.push_back(name.toStdString());
        bundle.capsLockSwitch = parser.isSet(QStringLiteral("caps-lock-switch"));
        bundle.templateIcons = parser.isSet(QStringLiteral("template-icons"));
        bundle.force = parser.isSet(QStringLiteral("force"));
        bundle.layouts = items;
        return cli::bundle(bundle);
    }
    return cli::remove(names, options);
}
