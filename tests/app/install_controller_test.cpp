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
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

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

    // A drag and drop as Finder makes it, proposing a move; what it starts runs once the event has returned.
    bool drop(const QList<QUrl>& urls)
    {
        const auto data = ui_testing::dragOf(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(view, &enter);
        QDropEvent drop(QPointF(10, 10), Qt::MoveAction | Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(view, &drop);
        QApplication::processEvents();
        return drop.isAccepted();
    }

    // A name ending in "/" is a bundle folder, dropped with the slash its URL has.
    QUrl makeItem(const std::string& name, const std::string& content)
    {
        const fs::path path = home.root / "source" / name;
        if (!name.ends_with('/'))
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
    const std::string taken = validLayout("Taken", 77);
    writeFile(home.tools().systemLayouts / "Installed.keylayout", taken);
    // Each alert as "[what a keyboard user would miss]icon title [buttons] message", to where a row's ends.
    const QString installed = "information Keyboard Installed [OK", failed = "critical Install Failed [OK] ",
                  offersSettings = installed + ",Open Keyboard Settings] ",
                  addIt = offersSettings + "Open Keyboard Settings and add the new input source.",
                  listed = installed + ",Use Now] ", inMenu = "\"Listed.keylayout\" is in the input menu now.",
                  unchanged = "What it types is unchanged.\nThe version it replaced is in the Trash.\n\n";
    const auto clash = [](const std::string& name, const std::string& replaceable) {
        return QString::fromStdString("warning \"" + name + "\" May Not Work as Expected [Cancel,Install Anyway"
                                      + (replaceable.empty() ? "" : ",Replace \"" + replaceable + "\"")
                                      + "] \"Taken\" in \"" + name + "\" has the same id (77) and name as");
    };
    // items: dropped; content: "" for a valid layout of its own; cancel: the administrator cancels;
    // answers: to the alerts that offer a choice.
    const struct Row {
        std::vector<std::string> items;
        InstallScope scope = current;
        std::string content;
        bool cancel = false;
        QStringList answers, alerts;
    } table[] = {
        {.items = {"Layout.keylayout.zip", "Good.keylayout"}, .alerts = {"warning Unsupported File [OK] Please drag"}},
        {.items = {"My Layout.keylayout"}, .answers = {"Open Keyboard Settings"}, .alerts = {addIt}},
        {.items = {"Ünïcode Layouts.Bundle/"}, .scope = all, .alerts = {addIt}},
        {.items = {"Cancelled.keylayout"}, .scope = all, .cancel = true, .alerts = {failed + "Nothing was installed"}},
        {.items = {"Colemak.keylayout"},
         .scope = all,
         .content = "<html>Colemak",
         .alerts = {failed + "\"Colemak.keylayout\" is not a keyboard layout: it is a web page."}},
        {.items = {"Clash.keylayout"},
         .scope = all,
         .content = taken,
         .answers = {"Escape"},
         .alerts = {clash("Clash.keylayout", "Installed.keylayout")}},
        {.items = {"Anyway.keylayout"},
         .content = taken,
         .answers = {"Install Anyway"},
         .alerts = {clash("Anyway.keylayout", ""), addIt}},
        {.items = {"Listed.keylayout"}, .answers = {"Use Now"}, .alerts = {listed + inMenu}},
        // Over an earlier version: what changed first, and the sign-in a Mac may need before it types so.
        {.items = {"Listed.keylayout"}, .alerts = {listed + unchanged + inMenu}},
        {.items = {"Listed.keylayout"},
         .content = validLayout("Listed", 99, "q"),
         .alerts = {installed
                    + "] Keystrokes that now type something else: 1\n• q: nothing → q\nThe version it "
                      "replaced is in the Trash.\n\nmacOS may keep typing with the old version"}},
        {.items = {"Taken 2.keylayout"},
         .content = taken,
         .answers = {"Replace \"Anyway.keylayout\""},
         .alerts = {clash("Taken 2.keylayout", "Anyway.keylayout"), offersSettings + unchanged + "Open Keyboard"}},
    };
    ui_testing::UrlCatcher desktop;
    QDesktopServices::setUrlHandler(QStringLiteral("x-apple.systempreferences"), &desktop, "open");
    std::string lastInstalled, expectedRefreshes;  // service and drop
    for (const Row& row : table) {
        const std::string name = row.items.front().substr(0, row.items.front().find_last_not_of('/') + 1);
        SCOPED_TRACE(name);
        QList<QUrl> urls;
        for (const std::string& item : row.items)
            urls << makeItem(item, row.content.empty() ? validLayout(item, int(&row - table)) : row.content);
        const std::string cancel = "echo '0:1: execution error: User canceled. (-128)' >&2; exit 1";
        writeScript(home.root / "osascript", "echo \"$ROW\" >> \"$0.calls\"\n" + (row.cancel ? cancel : ""));
        const ScopedEnvironment tag("ROW", name);
        row.scope == all ? delegate.selectAll() : delegate.selectCurrent();
        alerts.answers = row.answers;
        EXPECT_TRUE(drop(urls)) << "taken, whatever comes of it";
        EXPECT_TRUE(fs::exists(fs::symlink_status(home.root / "source" / name))) << "copied, never moved";
        QStringList seen;
        for (auto alert : std::exchange(alerts.alerts, {})) {
            alert.buttons.sort();  // in the platform's order
            seen << (alert.missed + QStringList{"", "information", "warning", "critical"}.value(alert.icon) + ' '
                     + alert.text + " [" + alert.buttons.join(',') + "] " + alert.informativeText)
                        .left(row.alerts.value(seen.size()).size());
        }
        EXPECT_EQ(seen, row.alerts);

        const bool succeeded = row.alerts.back().startsWith(u"information Keyboard Installed");
        for (const std::string& item : row.items)
            EXPECT_EQ(fs::exists(home.layouts() / item), succeeded && row.scope == current) << item;
        // An administrator is asked for what passed the checks and was not declined.
        EXPECT_EQ(readFile(home.root / "osascript.calls").find(name) != std::string::npos,
                  row.scope == all && (succeeded || row.cancel));
        for (const char* service : {"TextInputMenuAgent", "SystemUIServer", "cfprefsd"})
            expectedRefreshes += succeeded ? service + (" " + name) + "\n" : "";

        const bool rest = (lastInstalled = succeeded ? name : lastInstalled).empty();
        const QString hint =
            QString::fromStdString(rest ? "Drag keyboard layout here to install" : "Installed " + lastInstalled);
        QLabel *titleLabel = label("titleLabel"), *hintLabel = label("hintLabel");
        EXPECT_EQ(std::tuple(titleLabel->text(), hintLabel->text(),
                             QAccessible::queryAccessibleInterface(view)->text(QAccessible::Value),
                             hintLabel->palette().color(QPalette::WindowText), hintLabel->font().bold()),
                  std::tuple(QString(rest ? "Keyboard layout to install:" : "Installed:"), hint, hint,
                             (rest ? intake::secondaryLabelColor : intake::systemBlueColor)(view->palette()), !rest));
        EXPECT_NEAR(hintLabel->geometry().center().x(), 260, 1) << "centred in its natural size";
    }
    // Use Now chose the listed layout once; Keyboard Settings opened where the menu could not list one.
    EXPECT_EQ(std::ranges::count(home.system.menu.calls, "select org.unknown.keylayout.Listed.keylayout"), 1);
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
    // Assistive technology switched on as a screen reader would, which offscreen Qt never does itself.
#if defined(HAVE_QT_GUI_PRIVATE) && defined(__linux__)
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
#endif
    const bool listening = QAccessible::isActive();
    // What assistive technology is told of the drop area's value, in order.
    static QStringList told;
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        if (event->type() == QAccessible::ValueChanged && qobject_cast<intake::DropView*>(event->object()))
            told << static_cast<QAccessibleValueChangeEvent*>(event)->value().toString();
    });
    const QString waiting = QStringLiteral("Waiting for administrator approval…");
    // osascript answers once the test, from inside the wait, opens its gate; a wait that blocks the
    // event loop never opens it, and after 10 s osascript gives up.
    for (const std::string answer : {"echo ' User canceled.' >&2; exit 1", "exit 0"}) {
        writeScript(home.root / "osascript",
                    "case \"$2\" in *Waited*) echo Waited ;; *) echo Opened ;; esac >> \"$0.calls\"\n"
                    "i=0; until [ -e \"$0.gate\" ] || [ $i = 1000 ]; do sleep 0.01; i=$((i + 1)); done\n"
                        + answer);
        fs::remove(home.root / "osascript.gate");
        const QString before = label("hintLabel")->text();
        const QUrl opened = makeItem("Opened" + std::to_string(answer.size()) + ".keylayout", validLayout("Opened", 9));
        QStringList seen;
        QTimer::singleShot(50, [&] {
            seen << label("hintLabel")->text();
            const auto second = ui_testing::dragOf({makeItem("Second.keylayout", validLayout("Second", 9))});
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
        drop({makeItem("Waited.keylayout", validLayout("Waited", 8))});
        EXPECT_EQ(seen, QStringList({waiting, "0000"}));
        // The opened file came after; its own prompt then ran at once through the open gate.
        EXPECT_TRUE(eventually([&] { return QApplication::processEvents(), alerts.alerts.size() == 2; }));
        EXPECT_EQ(label("hintLabel")->text(), answer == "exit 0" ? "Installed " + opened.fileName() : before);
        EXPECT_TRUE(remove->isEnabled());
        alerts.alerts.clear();
        // The wait is read out, and so is the outcome, before the alert.
        const QStringList expected = answer == "exit 0"
            ? QStringList({waiting, "Installed Waited.keylayout", waiting, "Installed " + opened.fileName()})
            : QStringList({waiting, waiting});
        EXPECT_EQ(listening ? std::exchange(told, {}) : expected, expected);
    }
    QAccessible::installUpdateHandler(nullptr);
#if defined(HAVE_QT_GUI_PRIVATE) && defined(__linux__)
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
#endif
#ifdef __linux__
    EXPECT_TRUE(listening) << "announcements are checked where the platform's accessibility can be switched on";
#endif
    EXPECT_EQ(readFile(home.root / "osascript.calls"), "Waited\nOpened\nWaited\nOpened\n")
        << "one prompt a drop or open, in the order they came";
}
