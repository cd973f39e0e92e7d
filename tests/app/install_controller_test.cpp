#include "app/install_controller.h"

#include "app/app_delegate.h"
#include "app/installed_layouts_window.h"
#include "intake/colors.h"
#include "intake/drop_view.h"
#include "layout/layout_check.h"
#include "platform/process.h"
#include "ui_support.h"

#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QFile>
#include <QFileOpenEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

// Qt's platform accessibility is a private class; Linux's Qt ships its headers.
#if defined(HAVE_QT_GUI_PRIVATE) && defined(__linux__)
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#endif

namespace fs = std::filesystem;
using installer::InstallScope;
using namespace testing_support;
using ui_testing::validLayout;

namespace {

// Switches assistive technology on or off as a screen reader would, which offscreen Qt never does
// itself. Whether it could.
bool setAssistiveTechnology(bool active)
{
#if defined(HAVE_QT_GUI_PRIVATE) && defined(__linux__)
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(active);
#endif
    return QAccessible::isActive() == active;
}

// What assistive technology was told of a value, in order.
QStringList announced;
void noteAnnouncement(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::ValueChanged && qobject_cast<intake::DropView*>(event->object()))
        announced << static_cast<QAccessibleValueChangeEvent*>(event)->value().toString();
}

std::unique_ptr<QMimeData> dragOf(const QList<QUrl>& urls)
{
    auto data = std::make_unique<QMimeData>();
    data->setUrls(urls);
    return data;
}

// The application's own window and controller, over stand-in system programs and input menu.
class InstallControllerTest : public ::testing::Test {
protected:
    InstallControllerTest()
    {
        // Each launch waits a while for the test to open the gate, then notes its service and its drop.
        writeScript(home.root / "killall",
                    "i=0; until [ -e \"$0.gate\" ]; do sleep 0.01; i=$((i + 1)); [ $i -lt 1000 ] || exit; done\n"
                    "echo \"$* $ROW\" >> \"$0.calls\"\n");
        // A Mac's input menu, which lists one layout of the drops below.
        home.system.menu.sources = {{"org.unknown.keylayout.Listed.keylayout", "Listed.keylayout", false}};
        delegate.setSystemTools(home.tools(true));
        delegate.applicationDidFinishLaunching();
        view = delegate.window()->findChild<intake::DropView*>(QStringLiteral("dropView"));
    }

    bool lit() { return ui_testing::render(*view).pixel(1, 41) == intake::controlAccentColor(view->palette()).rgb(); }

    // A drag that enters, lighting the border if taken, then drops; whether each was taken. The drop
    // itself runs once the event has returned.
    std::pair<bool, bool> drag(const QMimeData* data)
    {
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, {});
        QApplication::sendEvent(view, &enter);
        EXPECT_EQ(lit(), enter.isAccepted());
        // Even when the source proposes a move, the original must stay where it is.
        QDropEvent drop(QPointF(10, 10), Qt::MoveAction | Qt::CopyAction, data, Qt::LeftButton, {});
        drop.setDropAction(Qt::MoveAction);
        QApplication::sendEvent(view, &drop);
        EXPECT_FALSE(lit());
        EXPECT_TRUE(!drop.isAccepted() || drop.dropAction() == Qt::CopyAction);
        QApplication::processEvents();
        return {enter.isAccepted(), drop.isAccepted()};
    }

    // A name ending in "/" is a bundle folder, dropped with the slash its URL has. Content "<fifo>"
    // makes a FIFO and "->target" a link.
    QUrl makeItem(const std::string& name, const std::string& content)
    {
        const fs::path path = home.root / "source" / name;
        if (content == "<fifo>")
            EXPECT_EQ(::mkfifo(path.c_str(), 0644), 0);
        else if (content.starts_with("->"))
            fs::create_symlink(content.substr(2), path);
        else if (!name.ends_with('/'))
            writeFile(path, content, 0600);
        else {
            writeFile(path / "Contents/Resources/A.keylayout", content, 0600),
                writeFile(path / "Contents/Info.plist",
                          "<plist><dict><key>CFBundleIdentifier</key><string>org.test.keyboardlayout.a</string></"
                          "dict></plist>");
            // Advice for its author, which the drop never shows: it installs with no alert but the last.
            EXPECT_FALSE(installer::inspectLayoutItem(path).advice.empty());
        }
        return QUrl::fromLocalFile(QFile::decodeName(path.c_str()));
    }

    QLabel* label(const char* name) { return view->findChild<QLabel*>(QString::fromLatin1(name)); }

    ui_testing::TemporaryHome home;
    ui_testing::AlertCatcher alerts;
    app::AppDelegate delegate;
    intake::DropView* view = nullptr;
};

}  // namespace

TEST_F(InstallControllerTest, EachDropEndsInItsAlertLabelsAndDiskState)
{
    const auto current = InstallScope::currentUser, all = InstallScope::allUsers;
    const QString unsupported = QStringLiteral("Please drag a .keylayout file or keyboard .bundle.");
    const QString installed = QStringLiteral("Open Keyboard Settings and add the new input source. "
                                             "If it does not appear immediately, sign out and sign back in.");
    const std::string taken = validLayout("Taken", 77),
                      copyFailed = "Couldn't copy \"Full.keylayout\" into /Library/Keyboard Layouts";
    writeFile(home.tools().systemLayouts / "Installed.keylayout", taken);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(view);
    const QString listed = QStringLiteral("\"Listed.keylayout\" is in the input menu now."),
                  settings = QStringLiteral("Open Keyboard Settings"), useNow = QStringLiteral("Use Now");
    // items: dropped, or chosen; content: "" for a valid layout of its own; osascript: the stand-in's
    // answer; warned: the answer to the warning alert; message: how the last alert's message starts;
    // offered: the success alert's button beside OK, and answer: the answer to it.
    const struct Row {
        std::vector<std::string> items;
        bool chosen = false;
        InstallScope scope = current;
        std::string content, osascript = "exit 0";
        QString warned, title, message, offered = QStringLiteral("Open Keyboard Settings"), answer;
    } table[] = {
        {.items = {"Layout.keylayout.zip"}, .title = "Unsupported File", .message = unsupported},
        {.items = {"Layout", "Good.keylayout"}, .title = "Unsupported File", .message = unsupported},
        {.items = {"My Layout.keylayout"}, .osascript = "exit 1", .title = "Keyboard Installed", .message = installed},
        {.items = {"Ünïcode Layouts.Bundle/"}, .title = "Keyboard Installed", .message = installed},
        {.items = {"Chosen.keylayout"}, .chosen = true, .title = "Keyboard Installed", .message = installed},
        {.items = {"Everyone.keylayout"},
         .chosen = true,
         .scope = all,
         .title = "Keyboard Installed",
         .message = installed},
        {.items = {"Cancelled.keylayout"},
         .scope = all,
         .osascript = "echo '0:123: execution error: User canceled. (-128)' >&2; exit 1",
         .title = "Install Failed",
         .message = "Nothing was installed: the approval was cancelled."},
        {.items = {"Full.keylayout"},
         .scope = all,
         .osascript =
             "cat >&2 <<'END'\n0:1: execution error: " + copyFailed + ": No space left on device. (1)\nEND\nexit 1",
         .title = "Install Failed",
         .message = QString::fromStdString(copyFailed)},
        {.items = {"Colemak.keylayout"},
         .chosen = true,
         .scope = all,
         .content = "<!DOCTYPE html>\n<html><body>Colemak",
         .title = "Install Failed",
         .message = "\"Colemak.keylayout\" is not a keyboard layout: it is a web page."},
        {.items = {"Pipe.keylayout"},
         .scope = all,
         .content = "<fifo>",
         .title = "Install Failed",
         .message = "\"Pipe.keylayout\" is not a keyboard layout: it is not a regular file."},
        {.items = {"Noise.keylayout"},
         .content = "->/dev/urandom",
         .title = "Install Failed",
         .message = "\"Noise.keylayout\" is not a keyboard layout: it is not a regular file."},
        {.items = {"Clash.keylayout"}, .scope = all, .content = taken, .warned = "Escape"},
        {.items = {"Anyway.keylayout"},
         .content = taken,
         .warned = "Install Anyway",
         .title = "Keyboard Installed",
         .message = installed},
        {.items = {"Listed.keylayout"},
         .title = "Keyboard Installed",
         .message = listed,
         .offered = useNow,
         .answer = useNow},
        // Over an earlier version: what changed first, and the sign-in a Mac may need before it types so.
        {.items = {"Listed.keylayout"},
         .title = "Keyboard Installed",
         .message = "What it types is unchanged.\nThe version it replaced is in the Trash.\n\n" + listed,
         .offered = useNow,
         .answer = "OK"},
        {.items = {"Listed.keylayout"},
         .content = validLayout("Listed", 1, "q"),
         .title = "Keyboard Installed",
         .message = "Keystrokes that now type something else: 1\n• q: nothing → q\nThe version it replaced is in the "
                    "Trash.\n\nmacOS may keep typing with the old version until you sign out and sign back in.",
         .offered = ""},
#ifndef __APPLE__
        {.items = {"Taken 2.keylayout"},
         .content = taken,
         .warned = "Replace \"Anyway.keylayout\"",
         .title = "Keyboard Installed",
         .message = "What it types is unchanged.\nThe version it replaced is in the Trash.\n\n" + installed},
#endif
        {.items = {"Unlisted.keylayout"},
         .title = "Keyboard Installed",
         .message = installed,
         .offered = settings,
         .answer = settings},
    };
    ui_testing::UrlCatcher desktop;
    QDesktopServices::setUrlHandler(QStringLiteral("x-apple.systempreferences"), &desktop, "open");
    std::string lastInstalled;
    std::string expectedRefreshes;  // service and drop
    for (const Row& row : table) {
        const std::string name = row.items.front().substr(0, row.items.front().find_last_not_of('/') + 1);
        SCOPED_TRACE(name);
        QList<QUrl> urls;
        for (const std::string& item : row.items)
            urls << makeItem(item, row.content.empty() ? validLayout(item, int(&row - table)) : row.content);
        writeScript(home.root / "osascript", "echo \"$ROW\" >> \"$0.calls\"\n" + row.osascript);
        const ScopedEnvironment tag("ROW", name);
        row.scope == all ? delegate.selectAll() : delegate.selectCurrent();
        alerts.answers = QStringList{row.warned, row.answer};
        alerts.answers.removeAll(QString());

        const bool succeeded = row.title == u"Keyboard Installed";
        delegate.controller()->setFileChooser([&](QWidget*) { return std::optional(urls.front()); });
        if (row.chosen)
            QTest::keyClick(view, Qt::Key_Return);
        else
            EXPECT_EQ(drag(dragOf(urls).get()), std::pair(true, true)) << "taken, whatever comes of it";
        EXPECT_TRUE(fs::exists(fs::symlink_status(home.root / "source" / name)));
        ASSERT_EQ(alerts.alerts.size(), int(!row.warned.isEmpty()) + int(!row.title.isEmpty()));
        if (!row.warned.isEmpty()) {
            const auto warning = alerts.alerts.takeFirst();
            EXPECT_EQ(warning.text, QString::fromStdString("\"" + name + "\" May Not Work as Expected"));
            // Replace is offered for the one item in the way in the same folder.
            const QString other = QString::fromStdString(row.scope == all ? "Installed.keylayout" : "Anyway.keylayout");
            QStringList buttons = {"Install Anyway", "Cancel"};
            if (row.scope == all || row.warned.startsWith("Replace"))
                buttons << QStringLiteral("Replace \"%1\"").arg(other);
            EXPECT_EQ(std::pair(warning.icon, warning.buttons), std::pair(QMessageBox::Warning, buttons));
            EXPECT_TRUE(warning.informativeText.endsWith(QString::fromStdString(
                "\"Taken\" in \"" + name
                + "\" has the same id (77) and name as \"Taken\" in "
                  "\"Installed.keylayout\" in ~/System Layouts; macOS renumbers or hides one of them.")));
            EXPECT_NE(
                fs::exists((row.scope == all ? home.tools().systemLayouts : home.layouts()) / other.toStdString()),
                row.warned.startsWith("Replace"));
            EXPECT_EQ(warning.missed, QString());
        }
        for (auto alert : alerts.alerts) {
            EXPECT_EQ(std::pair(alert.text, alert.icon),
                      std::pair(row.title,
                                succeeded                        ? QMessageBox::Information
                                    : row.message == unsupported ? QMessageBox::Warning
                                                                 : QMessageBox::Critical));
            EXPECT_TRUE(alert.informativeText.startsWith(row.message)) << alert.informativeText.toStdString();
            EXPECT_EQ(alert.missed, QString());
            alert.buttons.sort();  // in the platform's order
            EXPECT_EQ(alert.buttons.join(""),
                      succeeded ? QStringList({"OK", row.offered}).join("") : alert.buttons.join(""));
        }
        alerts.alerts.clear();

        for (const std::string& item : row.items)
            EXPECT_EQ(fs::exists(home.layouts() / item), succeeded && row.scope == current) << item;
        const bool asked =
            row.scope == all && row.message != unsupported && row.content.empty() && row.warned != u"Escape";
        EXPECT_EQ(readFile(home.root / "osascript.calls").find(name) != std::string::npos, asked);
        for (const char* service : {"TextInputMenuAgent", "SystemUIServer", "cfprefsd"})
            expectedRefreshes += succeeded ? service + (" " + name) + "\n" : "";

        lastInstalled = succeeded ? name : lastInstalled;
        const bool rest = lastInstalled.empty();
        const QColor blue = intake::systemBlueColor(view->palette()),
                     grey = intake::secondaryLabelColor(view->palette());
        QLabel *title = label("titleLabel"), *hint = label("hintLabel");
        EXPECT_EQ(std::pair(title->text(), title->palette().color(QPalette::WindowText)),
                  std::pair(QString(rest ? "Keyboard layout to install:" : "Installed:"), blue));
        EXPECT_EQ(std::pair(hint->text(), hint->palette().color(QPalette::WindowText)),
                  std::pair(QString::fromStdString(rest ? "Drag keyboard layout here to install"
                                                        : "Installed " + lastInstalled),
                            rest ? grey : blue));
        EXPECT_EQ(std::pair(hint->font().pixelSize(), hint->font().bold()), std::pair(17, !rest));
        EXPECT_NEAR(hint->geometry().center().x(), 260, 1) << "centred in its natural size";
        EXPECT_EQ(accessible->text(QAccessible::Value), hint->text());
    }
    // Use Now chose the listed layout once; Keyboard Settings opened where the menu could not list one.
    EXPECT_EQ(std::count(home.system.menu.calls.begin(), home.system.menu.calls.end(),
                         "select org.unknown.keylayout.Listed.keylayout"),
              1);
    EXPECT_EQ(desktop.opened, QList<QUrl>({QUrl("x-apple.systempreferences:com.apple.Keyboard-Settings.extension")}));
    QDesktopServices::unsetUrlHandler(QStringLiteral("x-apple.systempreferences"));
    // The refresh runs on its own after each install, and only then: no drop waited for it. Its three
    // services run side by side and end in any order.
    writeFile(home.root / "killall.gate", "");
    const auto sorted = [](const std::string& lines) {
        return platform::runToEnd("/bin/sh", {"-c", "printf %s \"$0\" | LC_ALL=C sort", lines}).standardOutput;
    };
    EXPECT_TRUE(eventually([&] { return sorted(readFile(home.root / "killall.calls")) == sorted(expectedRefreshes); }))
        << readFile(home.root / "killall.calls");
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG) == -1 ? errno : 0, ECHILD) << "no child left to reap";
}

// While an administrator is asked, the event loop runs: timers fire, the hint says what the app waits
// for, a drag, a click or the other window's buttons start nothing, and what Finder opens meanwhile
// waits its turn. Afterwards the hint reads as it would have: the outcome after a success, its
// earlier text after a cancel.
TEST_F(InstallControllerTest, WaitsForTheAdministratorWithItsEventLoopRunningAndQueuesWhatFinderOpens)
{
    writeFile(home.tools().systemLayouts / "Listed.keylayout", validLayout("Listed", 5));
    delegate.showInstalledLayouts();
    auto* remove = delegate.installedLayoutsWindow()->findChild<QPushButton*>(QStringLiteral("removeButton"));
    int chooserCalls = 0;
    delegate.controller()->setFileChooser([&](QWidget*) { return ++chooserCalls, std::optional<QUrl>(); });
    delegate.selectAll();
    const bool listening = setAssistiveTechnology(true);
    QAccessible::installUpdateHandler(noteAnnouncement);
    // osascript answers once the test, from inside the wait, opens its gate; a wait that blocks the
    // event loop never opens it, and after 10 s osascript gives up.
    for (const std::string answer : {"echo ' User canceled.' >&2; exit 1", "exit 0"}) {
        writeScript(home.root / "osascript",
                    "case \"$2\" in *Waited*) echo Waited ;; *) echo Opened ;; esac >> \"$0.calls\"; i=0; until [ -e "
                    "\"$0.gate\" ] || [ $i = 1000 ]; do sleep 0.01; "
                    "i=$((i + 1)); done\n"
                        + answer);
        fs::remove(home.root / "osascript.gate");
        const QString before = label("hintLabel")->text();
        const QUrl opened = makeItem("Opened" + std::to_string(answer.size()) + ".keylayout", validLayout("Opened", 9));
        QStringList seen;
        QTimer::singleShot(50, [&] {
            seen << label("hintLabel")->text();
            const auto second = dragOf({makeItem("Second.keylayout", validLayout("Second", 9))});
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, second.get(), Qt::LeftButton, {});
            QApplication::sendEvent(view, &enter);
            QFileOpenEvent open(opened);
            QCoreApplication::sendEvent(QCoreApplication::instance(), &open);
            QTest::mouseClick(view, Qt::LeftButton);
            delegate.installedLayoutsWindow()->removeSelected();
            seen << QString::number(enter.isAccepted()) + QString::number(remove->isEnabled())
                    + QString::number(chooserCalls) + QString::number(alerts.alerts.size());
            writeFile(home.root / "osascript.gate", "");
        });
        drag(dragOf({makeItem("Waited.keylayout", validLayout("Waited", 8))}).get());
        EXPECT_EQ(seen, QStringList({QStringLiteral("Waiting for administrator approval…"), "0000"}));
        // The opened file came after; its own prompt then ran at once through the open gate.
        EXPECT_TRUE(eventually([&] { return QApplication::processEvents(), alerts.alerts.size() == 2; }));
        EXPECT_EQ(label("hintLabel")->text(), answer == "exit 0" ? "Installed " + opened.fileName() : before);
        EXPECT_TRUE(remove->isEnabled());
        alerts.alerts.clear();
        // The wait is read out, and so is the outcome, before the alert.
        const QStringList told = std::exchange(announced, {});
        const QString waiting = QStringLiteral("Waiting for administrator approval…");
        if (listening) {
            EXPECT_EQ(told,
                      answer == "exit 0" ? QStringList(
                          {waiting, "Installed Waited.keylayout", waiting, "Installed " + opened.fileName()})
                                         : QStringList({waiting, waiting}));
        }
    }
    QAccessible::installUpdateHandler(nullptr);
    setAssistiveTechnology(false);
#ifdef __linux__
    EXPECT_TRUE(listening) << "announcements are checked where the platform's accessibility can be switched on";
#endif
    const std::string calls = readFile(home.root / "osascript.calls");
    EXPECT_EQ(calls, "Waited\nOpened\nWaited\nOpened\n") << "one prompt a drop or open, in the order they came";
}
