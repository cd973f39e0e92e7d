#include "app/app_delegate.h"

#include "app/installed_layouts_window.h"
#include "app/person_view.h"
#include "intake/colors.h"
#include "ui_support.h"

#include <QFileOpenEvent>
#include <QMenuBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

using installer::InstallScope;
using namespace testing_support;

// Files opened from Finder or the Dock, the window, then a person who only has the keyboard.
TEST(AppDelegate, InstallsOpenedFilesBuildsItsWindowAndInstallsWithTheKeyboardAlone)
{
    ui_testing::TemporaryHome home;
    ui_testing::AlertCatcher alerts;
    const auto open = [&](const std::string& name) {
        writeFile(home.root / name, ui_testing::validLayout(name, int(name.size())), 0600);
        QFileOpenEvent event(QUrl::fromLocalFile(QString::fromStdString(home.root / name)));
        const bool taken = QCoreApplication::sendEvent(QCoreApplication::instance(), &event);
        QApplication::processEvents();  // installed from the event loop, once the open is answered
        return taken;
    };
    auto delegate = std::make_unique<app::AppDelegate>();
    delegate->setSystemTools(home.tools());
    EXPECT_EQ(delegate->window(), nullptr);
    EXPECT_TRUE(open("Early.keylayout"));
    EXPECT_FALSE(std::filesystem::exists(home.layouts())) << "waits for the window";
    delegate->applicationDidFinishLaunching();
    QApplication::processEvents();
    EXPECT_EQ(readFile(home.layouts() / "Early.keylayout"), ui_testing::validLayout("Early.keylayout", 15));
    EXPECT_TRUE(open("Late.keylayout") && open("Notes.txt"));
    EXPECT_EQ(readFile(home.layouts() / "Late.keylayout"), ui_testing::validLayout("Late.keylayout", 14));
    EXPECT_EQ(std::exchange(alerts.alerts, {}).value(2).text, QStringLiteral("Unsupported File")) << "as a drop's";

    QWidget* window = delegate->window();
    const auto view = [&](const char* name) { return window->findChild<QWidget*>(QString::fromLatin1(name)); };
    // Fixed in size, with no zoom button.
    const auto buttons = Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    EXPECT_EQ(std::tuple(window->minimumSize(), window->maximumSize(), window->windowFlags() & buttons),
              std::tuple(QSize(760, 500), QSize(760, 500), Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint));
    const std::pair<const char*, QRect> frames[] = {
        {"personView", QRect(70, 55, 260, 210)},    {"groupView", QRect(400, 72, 300, 190)},
        {"currentButton", QRect(70, 283, 260, 62)}, {"allButton", QRect(420, 282, 260, 62)},
        {"dropView", QRect(120, 390, 520, 82)},
    };
    const QRect link = view("installedLayoutsLink")->geometry();
    EXPECT_TRUE(link.right() == 639 && link.top() > 472 && link.bottom() < 500)
        << "in the margin, under the drop area's right edge";
    for (const auto& [name, frame] : frames) {
        ASSERT_NE(view(name), nullptr) << name;
        EXPECT_EQ(view(name)->geometry(), frame) << name;
        EXPECT_TRUE(view(name)->parentWidget() == window && !view(name)->accessibleDescription().isEmpty()) << name;
    }
    QWidget *current = view("currentButton"), *all = view("allButton"), *dropView = view("dropView");
    EXPECT_TRUE(current->toolTip().contains(u"login window")) << "says what the per-user install does not reach";
    auto* person = static_cast<app::PersonView*>(view("personView"));
    auto* group = static_cast<app::PersonView*>(view("groupView"));
    QPalette dark = window->palette();
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    window->setPalette(dark);
    // The group's figure and the drop area's words adapt to dark appearance; the person's is always black.
    EXPECT_EQ(std::tuple(person->group(), group->group(), group->color(), person->color(),
                         view("titleLabel")->palette().color(QPalette::WindowText),
                         view("hintLabel")->palette().color(QPalette::WindowText)),
              std::tuple(false, true, intake::labelColor(dark), QColor(Qt::black), intake::systemBlueColor(dark),
                         intake::systemBlueColor(dark)));

    writeFile(home.root / "Keys.keylayout", ui_testing::validLayout("Keys", 1), 0644);
    delegate->controller()->setFileChooser([&](QWidget*) {
        return std::optional(QUrl::fromLocalFile(QString::fromStdString(home.root / "Keys.keylayout")));
    });
    // Each key, then where focus is and the scope chosen, round the window and back to the start.
    const auto me = InstallScope::currentUser, everyone = InstallScope::allUsers;
    const struct {
        Qt::Key key;
        QWidget* focus;
        InstallScope scope;
    } steps[] = {{Qt::Key_Space, current, me},
                 {Qt::Key_Tab, all, me},
                 {Qt::Key_Space, all, everyone},
                 {Qt::Key_Backtab, current, everyone},
                 {Qt::Key_Space, current, me},
                 {Qt::Key_Tab, all, me},
                 {Qt::Key_Tab, dropView, me},
                 {Qt::Key_Space, dropView, me},
                 {Qt::Key_Tab, view("installedLayoutsLink"), me},
                 {Qt::Key_Tab, current, me}};
    const auto checked = [](QWidget* button) {
        const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
        return accessible->role() == QAccessible::Button && accessible->state().checkable
            && accessible->state().checked;
    };
    ASSERT_EQ(window->focusWidget(), current) << "at start";
    for (const auto& step : steps) {
        QTest::keyClick(window->focusWidget(), step.key);
        window->activateWindow();  // offscreen hands activation back to no one after an alert
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        // A screen reader reads each scope as a checkable button; only the drop area draws a focus ring.
        EXPECT_EQ(std::tuple(window->focusWidget(), delegate->selectedScope(), checked(current), checked(all),
                             ui_testing::render(*window).pixel(121, 431) == intake::controlAccentColor().rgb()),
                  std::tuple(step.focus, step.scope, step.scope == me, step.scope == everyone, step.focus == dropView))
            << window->focusWidget()->objectName().toStdString() << " at step " << &step - steps;
    }
    EXPECT_TRUE(std::filesystem::exists(home.layouts() / "Keys.keylayout")) << "installed in the scope chosen last";
    EXPECT_EQ(alerts.alerts.size() == 1 ? alerts.alerts[0].text + alerts.alerts[0].missed : "", "Keyboard Installed");

    // The installed layouts: by the shortcut, then the link, always the one window, in front.
    QTest::keySequence(window, QKeySequence(Qt::CTRL | Qt::Key_L));
    QWidget* installed = delegate->installedLayoutsWindow();
    ASSERT_TRUE(installed && QTest::qWaitForWindowActive(installed));
    delegate->selectCurrent();
    EXPECT_TRUE(open("Fresher.keylayout")) << "installed while the list is open";
    EXPECT_EQ(installed->findChild<QTreeWidget*>()->findItems("Fresher.keylayout", Qt::MatchExactly, 1).size(), 1);
    delegate->selectAll();
    window->activateWindow();
    QTest::keyClick(view("installedLayoutsLink"), Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitForWindowActive(installed) && delegate->installedLayoutsWindow() == installed);

    // A Mac's Window menu: the standard commands, the two windows listed, and Command-W closing the
    // frontmost window.
    QMenuBar* menuBar = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        menuBar = menuBar ? menuBar : qobject_cast<QMenuBar*>(top);
    ASSERT_NE(menuBar, nullptr);
    QStringList commands;
    for (const QAction* menu : menuBar->actions())
        for (const QAction* action : menu->menu()->actions())
            commands << action->text() + u' ' + action->shortcut().toString();
    EXPECT_EQ(commands,
              QStringList({"Open… Ctrl+O", "Close Window Ctrl+W", "Minimize Ctrl+M", "Zoom ", " ",
                           "Keyboard Installer ", "Installed Layouts… Ctrl+L", " ", "Bring All to Front "}));
    menuBar->actions().at(0)->menu()->actions().at(1)->trigger();
    EXPECT_FALSE(installed->isVisible()) << "closed";
    EXPECT_TRUE(window->isVisible());

    const auto provider = delegate->scopeProvider();
    EXPECT_EQ(provider(), InstallScope::allUsers);
    delegate.reset();
    EXPECT_EQ(provider(), InstallScope::currentUser) << "its delegate and window are gone";
}
