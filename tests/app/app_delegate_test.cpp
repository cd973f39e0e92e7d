#include "app/app_delegate.h"

#include "app/person_view.h"
#include "app/scope_button.h"
#include "intake/drop_view.h"
#include "platform/colors.h"
#include "ui_support.h"

#include <QAccessible>
#include <QFileOpenEvent>

#include <gtest/gtest.h>

using installer::InstallScope;
using namespace testing_support;

namespace {

class LaunchedDelegate : public ::testing::Test {
protected:
    LaunchedDelegate()
    {
        delegate.applicationDidFinishLaunching();
        view<intake::DropView>("dropView")->setSystemTools({home.root / "osascript", home.root / "killall"});
        QApplication::processEvents();
    }

    template <typename View>
    View* view(const char* name)
    {
        return delegate.window()->findChild<View*>(QString::fromLatin1(name));
    }

    app::ScopeButton* current() { return view<app::ScopeButton>("currentButton"); }
    app::ScopeButton* all() { return view<app::ScopeButton>("allButton"); }

    ui_testing::TemporaryHome home;
    app::AppDelegate delegate;
};

}  // namespace

TEST(AppDelegate, InstallsFilesOpenedFromFinderOrTheDockOnceItsWindowIsUpAndLendsItsScopeNoLonger)
{
    ui_testing::TemporaryHome home;
    ui_testing::AlertCatcher alerts;
    const auto open = [&](const std::string& name) {
        writeFile(home.root / name, "<keyboard name=\"" + name + "\"/>", 0600);
        QFileOpenEvent event(QUrl::fromLocalFile(QString::fromStdString(home.root / name)));
        return QCoreApplication::sendEvent(QCoreApplication::instance(), &event);
    };
    auto delegate = std::make_unique<app::AppDelegate>();
    EXPECT_EQ(delegate->window(), nullptr);
    EXPECT_TRUE(delegate->applicationShouldTerminateAfterLastWindowClosed());
    EXPECT_TRUE(open("Early.keylayout"));
    EXPECT_FALSE(std::filesystem::exists(home.layouts())) << "waits for the window";
    delegate->applicationDidFinishLaunching();
    EXPECT_EQ(readFile(home.layouts() / "Early.keylayout"), "<keyboard name=\"Early.keylayout\"/>");
    EXPECT_TRUE(open("Late.keylayout") && open("Notes.txt"));
    EXPECT_EQ(readFile(home.layouts() / "Late.keylayout"), "<keyboard name=\"Late.keylayout\"/>");
    QStringList texts;
    for (const auto& alert : alerts.alerts)
        texts << alert.text;
    EXPECT_EQ(texts, QStringList({"Keyboard Installed", "Keyboard Installed", "Unsupported File"}));

    const auto provider = delegate->scopeProvider();
    delegate->selectAll();
    EXPECT_EQ(provider(), InstallScope::allUsers);
    delegate.reset();
    EXPECT_EQ(provider(), InstallScope::currentUser) << "its delegate and window are gone";
}

TEST_F(LaunchedDelegate, BuildsTheFixedSizeWindowWithItsFiveViewsInAdaptiveColours)
{
    QWidget* window = delegate.window();
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Keyboard Installer"));
    EXPECT_EQ(window->size(), QSize(760, 500));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "cannot be resized";
    const auto buttons = Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    EXPECT_EQ(window->windowFlags() & buttons, Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    const std::pair<const char*, QRect> frames[] = {
        {"personView", QRect(70, 55, 260, 210)},    {"groupView", QRect(400, 72, 300, 190)},
        {"currentButton", QRect(70, 283, 260, 62)}, {"allButton", QRect(420, 282, 260, 62)},
        {"dropView", QRect(120, 390, 520, 82)},
    };
    for (const auto& [name, frame] : frames) {
        QWidget* widget = view<QWidget>(name);
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_EQ(widget->parentWidget(), window) << name;
        EXPECT_EQ(widget->geometry(), frame) << name;
        EXPECT_FALSE(widget->accessibleName().isEmpty() || widget->accessibleDescription().isEmpty()) << name;
    }
    EXPECT_EQ(current()->text(), QStringLiteral("Install for current user\n(recommended)"));
    EXPECT_EQ(all()->text(), QStringLiteral("Install for all users\n(Sierra or earlier)"));
    EXPECT_EQ(current()->font().pixelSize(), 18);
    EXPECT_FALSE(view<app::PersonView>("personView")->group());
    EXPECT_TRUE(view<app::PersonView>("groupView")->group());

    QPalette dark = window->palette();
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    window->setPalette(dark);
    EXPECT_EQ(view<app::PersonView>("groupView")->color(), platform::labelColor(dark));
    EXPECT_EQ(view<app::PersonView>("personView")->color(), QColor(Qt::black)) << "not adaptive";
    EXPECT_EQ(view<QWidget>("titleLabel")->palette().color(QPalette::WindowText), platform::systemBlueColor(dark));
    EXPECT_EQ(view<QWidget>("hintLabel")->palette().color(QPalette::WindowText), platform::secondaryLabelColor(dark));
}

TEST_F(LaunchedDelegate, InstallsWithTheKeyboardAloneInTheScopeChosenWithSpace)
{
    QWidget* window = delegate.window();
    writeFile(home.root / "Keys.keylayout", "<keyboard/>", 0644);
    writeScript(home.root / "osascript", "echo \"$2\" > \"$0.calls\"");
    view<intake::DropView>("dropView")->setFileChooser([&](QWidget*) {
        return std::optional(QUrl::fromLocalFile(QString::fromStdString(home.root / "Keys.keylayout")));
    });
    ui_testing::AlertCatcher alerts;

    const struct { Qt::Key key; bool back; const char* focus; InstallScope scope; } steps[] = {
        {Qt::Key_Space, false, "currentButton", InstallScope::currentUser},
        {Qt::Key_Tab, false, "allButton", InstallScope::currentUser},
        {Qt::Key_Space, false, "allButton", InstallScope::allUsers},
        {Qt::Key_Tab, true, "currentButton", InstallScope::allUsers},
        {Qt::Key_Space, false, "currentButton", InstallScope::currentUser},
        {Qt::Key_Tab, false, "allButton", InstallScope::currentUser},
        {Qt::Key_Space, false, "allButton", InstallScope::allUsers},
        {Qt::Key_Tab, false, "dropView", InstallScope::allUsers},
        {Qt::Key_Space, false, "dropView", InstallScope::allUsers},
        {Qt::Key_Tab, false, "currentButton", InstallScope::allUsers},  // and round again
    };
    ASSERT_EQ(window->focusWidget(), current()) << "at start";
    for (const auto& step : steps) {
        QTest::keyClick(window->focusWidget(), step.key, step.back ? Qt::ShiftModifier : Qt::NoModifier);
        window->activateWindow();  // offscreen hands activation back to no one after an alert
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        const std::string focused = window->focusWidget()->objectName().toStdString();
        EXPECT_EQ(focused, step.focus);
        EXPECT_EQ(delegate.selectedScope(), step.scope) << focused;
        for (app::ScopeButton* button : {all(), current()}) {
            const auto* accessible = QAccessible::queryAccessibleInterface(button);
            EXPECT_EQ(accessible->role(), QAccessible::Button);
            EXPECT_TRUE(accessible->state().checkable);
            EXPECT_EQ(accessible->state().checked, (button == all()) == (step.scope == InstallScope::allUsers));
        }
        EXPECT_EQ(ui_testing::render(*window).pixel(121, 431) == platform::controlAccentColor().rgb(),
                  focused == "dropView") << "focus ring, with focus on " << focused;
    }
    EXPECT_NE(readFile(home.root / "osascript.calls").find("/Library/Keyboard Layouts/Keys.keylayout"), std::string::npos)
        << "installed in the scope chosen last";
    ASSERT_EQ(alerts.alerts.size(), 1);
    EXPECT_EQ(alerts.alerts.front().text, QStringLiteral("Keyboard Installed"));
    EXPECT_EQ(alerts.alerts.front().focused, QStringLiteral("OK"));
}
