#include "intake/drop_view.h"

#include "app/installed_layouts_window.h"
#include "installer/refresh.h"
#include "intake/activity.h"
#include "intake/colors.h"
#include "layout/layout_check.h"
#include "platform/process.h"
#include "support/stand_in_registry.h"
#include "ui_support.h"

#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QFile>
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
    if (event->type() == QAccessible::ValueChanged)
        announced << static_cast<QAccessibleValueChangeEvent*>(event)->value().toString();
}

std::unique_ptr<QMimeData> dragOf(const QList<QUrl>& urls)
{
    auto data = std::make_unique<QMimeData>();
    data->setUrls(urls);
    return data;
}

class DropViewTest : public ::testing::Test {
protected:
    DropViewTest()
    {
        // Each launch waits a while for the test to open the gate, then notes its service and its drop.
        writeScript(home.root / "killall",
                    "i=0; until [ -e \"$0.gate\" ]; do sleep 0.01; i=$((i + 1)); [ $i -lt 1000 ] || exit; done\n"
                    "echo \"$* $ROW\" >> \"$0.calls\"\n");
        // A Mac's input menu, which lists one layout of the drops below.
        installer::SystemTools tools = home.tools();
        system.sources = {{"org.unknown.keylayout.Listed.keylayout", "Listed.keylayout", false}};
        tools.inputSources = system.registry();
        view.setSystemTools(tools);
        view.setScopeProvider([this] {
            ++scopeCalls;
            return scope;
        });
        view.resize(520, 82);
        view.show();
    }

    bool lit() { return ui_testing::render(view).pixel(1, 41) == intake::controlAccentColor(view.palette()).rgb(); }

    // A drag that enters, lighting the border if taken, then drops or leaves; whether each was taken.
    std::pair<bool, bool> drag(const QMimeData* data, bool drops = true)
    {
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, {});
        QApplication::sendEvent(&view, &enter);
        EXPECT_EQ(lit(), enter.isAccepted());
        // Even when the source proposes a move, the original must stay where it is.
        QDropEvent drop(QPointF(10, 10), Qt::MoveAction | Qt::CopyAction, data, Qt::LeftButton, {});
        drop.setDropAction(Qt::MoveAction);
        QDragLeaveEvent leave;
        QApplication::sendEvent(&view, drops ? static_cast<QEvent*>(&drop) : &leave);
        EXPECT_FALSE(lit());
        EXPECT_TRUE(!drop.isAccepted() || drop.dropAction() == Qt::CopyAction);
        return {enter.isAccepted(), drops && drop.isAccepted()};
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

    QLabel* label(const char* name) { return view.findChild<QLabel*>(QString::fromLatin1(name)); }

    ui_testing::TemporaryHome home;
    ui_testing::AlertCatcher alerts;
    StandInRegistry system;
    intake::DropView view;
    InstallScope scope = InstallScope::currentUser;
    int scopeCalls = 0;
};

}  // namespace

TEST_F(DropViewTest, EachDropEndsInItsAlertLabelsAndDiskState)
{
    const auto current = InstallScope::currentUser, all = InstallScope::allUsers;
    const QString unsupported = QStringLiteral("Please drag a .keylayout file or keyboard .bundle.");
    const QString installed = QStringLiteral("Open Keyboard Settings and add the new input source. "
                                             "If it does not appear immediately, sign out and sign back in.");
    const std::string taken = validLayout("Taken", 77),
                      copyFailed = "Couldn't copy \"Full.keylayout\" into /Library/Keyboard Layouts";
    writeFile(home.tools().systemLayouts / "Installed.keylayout", taken);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&view);
    // Dropped or chosen; content: "" for a valid layout of its own; osascript: the stand-in's answer;
    // warned: the answer to the warning alert; message: how the last alert's message starts; offered:
    // the success alert's button beside OK, and the answer to it.
    const QString listed = QStringLiteral("\"Listed.keylayout\" is in the input menu now."),
                  settings = QStringLiteral("Open Keyboard Settings");
    const struct {
        std::vector<std::string> items;
        bool chosen;
        InstallScope scope;
        std::string content, osascript;
        QString warned, title, message;
        int scopeCalls;
        bool provider = true;
        QString offered = QStringLiteral("Open Keyboard Settings"), answer = {};
    } table[] = {
        {{"Layout.keylayout.zip"}, false, current, "", "exit 0", "", "Unsupported File", unsupported, 0},
        {{"Layout", "Good.keylayout"}, false, current, "", "exit 0", "", "Unsupported File", unsupported, 0},
        {{"My Layout.keylayout"}, false, current, "", "exit 1", "", "Keyboard Installed", installed, 1},
        {{"Ünïcode Layouts.Bundle/"}, false, current, "", "exit 1", "", "Keyboard Installed", installed, 1},
        {{"Chosen.keylayout"}, true, current, "", "exit 1", "", "Keyboard Installed", installed, 1},
        {{"Everyone.keylayout"}, true, all, "", "exit 0", "", "Keyboard Installed", installed, 1},
        {{"Unasked.keylayout"}, false, current, "", "exit 0", "", "Keyboard Installed", installed, 0, false},
        {{"Cancelled.keylayout"},
         false,
         all,
         "",
         "echo ' User canceled.' >&2; exit 1",
         "",
         "Install Failed",
         "User canceled.",
         1},
        {{"Full.keylayout"},
         false,
         all,
         "",
         "cat >&2 <<'END'\n0:1: execution error: " + copyFailed + ": No space left on device. (1)\nEND\nexit 1",
         "",
         "Install Failed",
         "0:1: execution error: " + QString::fromStdString(copyFailed),
         1},
        {{"Colemak.keylayout"},
         true,
         all,
         "<!DOCTYPE html>\n<html><body>Colemak",
         "exit 0",
         "",
         "Install Failed",
         "\"Colemak.keylayout\" is not a keyboard layout: it is a web page.",
         0},
        {{"Pipe.keylayout"},
         false,
         all,
         "<fifo>",
         "exit 0",
         "",
         "Install Failed",
         "\"Pipe.keylayout\" is not a keyboard layout: it is not a regular file.",
         0},
        {{"Noise.keylayout"},
         false,
         current,
         "->/dev/urandom",
         "exit 0",
         "",
         "Install Failed",
         "\"Noise.keylayout\" is not a keyboard layout: it is not a regular file.",
         0},
        {{"Clash.keylayout"}, false, all, taken, "exit 0", "Escape", "", "", 1},
        {{"Anyway.keylayout"}, false, current, taken, "exit 0", "Install Anyway", "Keyboard Installed", installed, 1},
        {{"Listed.keylayout"},
         false,
         current,
         "",
         "exit 0",
         "",
         "Keyboard Installed",
         listed,
         1,
         true,
         "Use Now",
         "Use Now"},
        {{"Listed.keylayout"},
         false,
         current,
         "",
         "exit 0",
         "",
         "Keyboard Installed",
         listed,
         1,
         true,
         "Use Now",
         "OK"},
        {{"Unlisted.keylayout"},
         false,
         current,
         "",
         "exit 0",
         "",
         "Keyboard Installed",
         installed,
         1,
         true,
         settings,
         settings},
    };
    ui_testing::UrlCatcher desktop;
    QDesktopServices::setUrlHandler(QStringLiteral("x-apple.systempreferences"), &desktop, "open");
    std::string lastInstalled;
    std::string expectedRefreshes;  // service and drop
    for (const auto& row : table) {
        const std::string name = row.items.front().substr(0, row.items.front().find_last_not_of('/') + 1);
        SCOPED_TRACE(name);
        QList<QUrl> urls;
        for (const std::string& item : row.items)
            urls << makeItem(item, row.content.empty() ? validLayout(item, int(&row - table)) : row.content);
        writeScript(home.root / "osascript", "echo \"$ROW\" >> \"$0.calls\"\n" + row.osascript);
        const ScopedEnvironment tag("ROW", name);
        scope = row.scope;
        scopeCalls = 0;
        if (!row.provider)
            view.setScopeProvider(nullptr), scope = all;  // what the test's provider would have said
        alerts.answers = QStringList{row.warned, row.answer};
        alerts.answers.removeAll(QString());

        const bool succeeded = row.title == u"Keyboard Installed";
        view.setFileChooser([&](QWidget*) { return std::optional(urls.front()); });
        if (row.chosen) {
            QTest::keyClick(&view, Qt::Key_Return);
        } else {
            EXPECT_EQ(drag(dragOf(urls).get()), std::pair(true, succeeded));
        }
        view.setScopeProvider([this] {
            ++scopeCalls;
            return scope;
        });
        EXPECT_TRUE(fs::exists(fs::symlink_status(home.root / "source" / name)));
        EXPECT_EQ(scopeCalls, row.scopeCalls);
        ASSERT_EQ(alerts.alerts.size(), int(!row.warned.isEmpty()) + int(!row.title.isEmpty()));
        if (!row.warned.isEmpty()) {
            const auto warning = alerts.alerts.takeFirst();
            EXPECT_EQ(warning.text, QString::fromStdString("\"" + name + "\" May Not Work as Expected"));
            EXPECT_EQ(std::pair(warning.icon, warning.buttons),
                      std::pair(QMessageBox::Warning, QStringList({"Install Anyway", "Cancel"})));
            EXPECT_EQ(warning.informativeText.toStdString(),
                      "\"Taken\" in \"" + name
                          + "\" has the same id (77) and name as \"Taken\" in "
                            "\"Installed.keylayout\" in ~/System Layouts; macOS renumbers or hides one of them.");
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
            EXPECT_EQ(alert.buttons, succeeded ? QStringList({"OK", row.offered}) : alert.buttons);
        }
        alerts.alerts.clear();

        for (const std::string& item : row.items)
            EXPECT_EQ(fs::exists(home.layouts() / item), succeeded && row.scope == current) << item;
        const bool asked = row.scope == all && row.scopeCalls == 1 && row.warned != u"Escape";
        EXPECT_EQ(readFile(home.root / "osascript.calls").find(name) != std::string::npos, asked);
        for (const char* service : {"TextInputMenuAgent", "SystemUIServer", "cfprefsd"})
            expectedRefreshes += succeeded ? service + (" " + name) + "\n" : "";

        lastInstalled = succeeded ? name : lastInstalled;
        const bool rest = lastInstalled.empty();
        QApplication::processEvents();
        const QColor blue = intake::systemBlueColor(view.palette()), grey = intake::secondaryLabelColor(view.palette());
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
    EXPECT_EQ(std::count(system.calls.begin(), system.calls.end(), "select org.unknown.keylayout.Listed.keylayout"), 1);
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

TEST_F(DropViewTest, RestsUnlitIgnoresWhatIsNotALocalFileAndOpensTheChooserOnlyForItsKeys)
{
    QLabel* title = label("titleLabel");
    EXPECT_EQ(std::pair(title->font().pixelSize(), title->font().bold()), std::pair(18, true));
    EXPECT_EQ(std::pair(title->y(), label("hintLabel")->y()), std::pair(8, title->geometry().bottom() + 1 + 14));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&view);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_TRUE(accessible->text(QAccessible::Description).contains(QStringLiteral("drag")));
    EXPECT_EQ(view.cursor().shape(), Qt::PointingHandCursor);

    view.clearFocus();  // alone in its window it takes focus, which the window never gives it
    const std::unique_ptr<QMimeData> ignored[] = {
        dragOf({QUrl(QStringLiteral("https://example.com/Layout.keylayout"))}), dragOf({}),
        std::make_unique<QMimeData>()};
    ignored[2]->setText(QStringLiteral("Layout.keylayout"));
    for (const auto& data : ignored)
        EXPECT_EQ(drag(data.get()), std::pair(false, false));
    EXPECT_EQ(drag(dragOf({makeItem("Left.keylayout", "")}).get(), false), std::pair(true, false))
        << "a drag that left";
    EXPECT_FALSE(view.performDragOperation(nullptr));
    EXPECT_NO_THROW(installer::refreshInputSources(home.root / "missing/killall")) << "nothing to show for it";

    int chooserCalls = 0;
    view.setFileChooser([&](QWidget*) { return ++chooserCalls, std::optional<QUrl>(); });
    for (const Qt::Key key : {Qt::Key_A, Qt::Key_Enter, Qt::Key_Return, Qt::Key_Space})
        QTest::keyClick(&view, key);
    QTest::mouseClick(&view, Qt::LeftButton);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(chooserCalls, 5) << "each key but a letter, a click and a screen reader's press";
    EXPECT_TRUE(alerts.alerts.isEmpty()) << "a cancel does nothing";
    EXPECT_EQ(scopeCalls, 0);
}

// While an administrator is asked, the event loop runs: timers fire, the hint says what the app waits
// for, and a drop, a click or the other window's buttons start nothing. Afterwards the hint reads as
// it would have: the outcome after a success, its earlier text after a cancel.
TEST_F(DropViewTest, WaitsForTheAdministratorWithItsEventLoopRunningAndRefusesAnotherRequest)
{
    intake::Activity activity;
    writeFile(home.tools().systemLayouts / "Listed.keylayout", validLayout("Listed", 5));
    app::InstalledLayoutsWindow window;
    window.setSystemTools(home.tools());
    window.setActivity(&activity), view.setActivity(&activity);
    auto* remove = window.findChild<QPushButton*>(QStringLiteral("removeButton"));
    int chooserCalls = 0;
    view.setFileChooser([&](QWidget*) { return ++chooserCalls, std::optional<QUrl>(); });
    scope = InstallScope::allUsers;
    const bool listening = setAssistiveTechnology(true);
    QAccessible::installUpdateHandler(noteAnnouncement);
    // osascript answers once the test, from inside the wait, opens its gate; a wait that blocks the
    // event loop never opens it, and after 10 s osascript gives up.
    for (const std::string answer : {"echo ' User canceled.' >&2; exit 1", "exit 0"}) {
        writeScript(
            home.root / "osascript",
            "echo >> \"$0.calls\"; i=0; until [ -e \"$0.gate\" ] || [ $i = 1000 ]; do sleep 0.01; i=$((i + 1)); done\n"
                + answer);
        fs::remove(home.root / "osascript.gate");
        const QString before = label("hintLabel")->text();
        QStringList seen;
        QTimer::singleShot(50, [&] {
            seen << label("hintLabel")->text();
            const auto second = dragOf({makeItem("Second.keylayout", validLayout("Second", 9))});
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, second.get(), Qt::LeftButton, {});
            QApplication::sendEvent(&view, &enter);
            seen << QString::number(enter.isAccepted()) + QString::number(view.installItem(second->urls().front()));
            QTest::mouseClick(&view, Qt::LeftButton);
            window.removeSelected();
            seen << QString::number(remove->isEnabled()) + QString::number(chooserCalls)
                    + QString::number(alerts.alerts.size());
            writeFile(home.root / "osascript.gate", "");
        });
        EXPECT_EQ(drag(dragOf({makeItem("Waited.keylayout", validLayout("Waited", 8))}).get()).second,
                  answer == "exit 0");
        EXPECT_EQ(seen, QStringList({QStringLiteral("Waiting for administrator approval…"), "00", "000"}));
        EXPECT_EQ(label("hintLabel")->text(),
                  answer == "exit 0" ? QStringLiteral("Installed Waited.keylayout") : before);
        EXPECT_TRUE(remove->isEnabled());
        alerts.alerts.clear();
        // The wait is read out, and so is the outcome, before the alert.
        const QStringList told = std::exchange(announced, {});
        if (listening) {
            EXPECT_EQ(told,
                      QStringList({QStringLiteral("Waiting for administrator approval…")})
                          + (answer == "exit 0" ? QStringList({"Installed Waited.keylayout"}) : QStringList()));
        }
    }
    QAccessible::installUpdateHandler(nullptr);
    setAssistiveTechnology(false);
#ifdef __linux__
    EXPECT_TRUE(listening) << "announcements are checked where the platform's accessibility can be switched on";
#endif
    EXPECT_EQ(readFile(home.root / "osascript.calls"), "\n\n") << "one prompt a drop, none for the refused ones";
}
