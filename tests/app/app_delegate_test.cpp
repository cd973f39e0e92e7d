#include "app/app_delegate.h"

#include "app/person_view.h"
#include "app/scope_button.h"
#include "intake/drop_view.h"
#include "platform/colors.h"
#include "ui_support.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFileOpenEvent>
#include <QTest>

#include <gtest/gtest.h>

using installer::InstallScope;

namespace {

class LaunchedDelegate : public ::testing::Test {
protected:
    LaunchedDelegate()
    {
        delegate.applicationDidFinishLaunching();
        QApplication::processEvents();
    }

    template <typename View>
    View* view(const char* name)
    {
        return delegate.window()->findChild<View*>(QString::fromLatin1(name));
    }

    app::ScopeButton* current() { return view<app::ScopeButton>("currentButton"); }
    app::ScopeButton* all() { return view<app::ScopeButton>("allButton"); }

    void expectSelection(InstallScope scope)
    {
        EXPECT_EQ(delegate.selectedScope(), scope);
        EXPECT_EQ(current()->isChecked(), scope == InstallScope::currentUser);
        EXPECT_EQ(all()->isChecked(), scope == InstallScope::allUsers);
    }

    app::AppDelegate delegate;
};

}  // namespace

TEST(AppDelegate, HasNoWindowBeforeLaunchAndEndsTheProgramWithItsLastWindow)
{
    app::AppDelegate delegate;
    EXPECT_EQ(delegate.window(), nullptr);
    EXPECT_EQ(delegate.selectedScope(), InstallScope::currentUser);
    EXPECT_TRUE(delegate.applicationShouldTerminateAfterLastWindowClosed());
}

TEST_F(LaunchedDelegate, BuildsTheFixedSizeWindowWithTheFiveViewsAtTheirFrames)
{
    QWidget* window = delegate.window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isWindow());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Keyboard Installer"));
    EXPECT_EQ(window->size(), QSize(760, 500));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "cannot be resized";
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));

    const struct {
        const char* name;
        QRect frame;
    } table[] = {
        {"personView", QRect(70, 55, 260, 210)},
        {"groupView", QRect(400, 72, 300, 190)},
        {"currentButton", QRect(70, 283, 260, 62)},
        {"allButton", QRect(420, 282, 260, 62)},
        {"dropView", QRect(120, 390, 520, 82)},
    };
    for (const auto& row : table) {
        QWidget* widget = view<QWidget>(row.name);
        ASSERT_NE(widget, nullptr) << row.name;
        EXPECT_EQ(widget->parentWidget(), window) << row.name;
        EXPECT_EQ(widget->geometry(), row.frame) << row.name;
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << row.name;
        EXPECT_FALSE(widget->accessibleDescription().isEmpty()) << row.name;
    }
    // Later views lie above earlier ones.
    const QObjectList children = window->children();
    EXPECT_LT(children.indexOf(view<QWidget>("personView")), children.indexOf(view<QWidget>("dropView")));

    EXPECT_FALSE(view<app::PersonView>("personView")->group());
    EXPECT_EQ(view<app::PersonView>("personView")->color(), QColor(Qt::black));
    EXPECT_TRUE(view<app::PersonView>("groupView")->group());
    EXPECT_EQ(view<app::PersonView>("groupView")->color(), platform::labelColor(window->palette()));
    EXPECT_EQ(current()->text(), QStringLiteral("Install for current user\n(recommended)"));
    EXPECT_EQ(all()->text(), QStringLiteral("Install for all users\n(Sierra or earlier)"));
    EXPECT_EQ(current()->font().pixelSize(), 18);
    EXPECT_TRUE(current()->isCheckable());
    EXPECT_TRUE(all()->isCheckable());
}

TEST_F(LaunchedDelegate, ClicksKeepExactlyOneScopeSelected)
{
    expectSelection(InstallScope::currentUser);

    QTest::mouseClick(all(), Qt::LeftButton);
    expectSelection(InstallScope::allUsers);
    QTest::mouseClick(all(), Qt::LeftButton);
    expectSelection(InstallScope::allUsers);

    QTest::mouseClick(current(), Qt::LeftButton);
    expectSelection(InstallScope::currentUser);
    QTest::mouseClick(current(), Qt::LeftButton);
    expectSelection(InstallScope::currentUser);

    delegate.selectAll();
    expectSelection(InstallScope::allUsers);
    delegate.selectCurrent();
    expectSelection(InstallScope::currentUser);
}

TEST_F(LaunchedDelegate, ScopeProviderReadsTheSelectionAtEachCallAndOnlyItsOwnDelegate)
{
    const auto provider = delegate.scopeProvider();
    auto other = std::make_unique<app::AppDelegate>();
    other->selectAll();
    const auto otherProvider = other->scopeProvider();

    EXPECT_EQ(provider(), InstallScope::currentUser);
    EXPECT_EQ(otherProvider(), InstallScope::allUsers);
    QTest::mouseClick(all(), Qt::LeftButton);
    EXPECT_EQ(provider(), InstallScope::allUsers);

    other.reset();
    EXPECT_EQ(otherProvider(), InstallScope::currentUser) << "its delegate is gone";
    EXPECT_EQ(provider(), InstallScope::allUsers);
}

TEST(AppDelegate, ScopeProviderOutlivesALaunchedDelegateAndItsWindow)
{
    std::function<InstallScope()> provider;
    {
        app::AppDelegate delegate;
        delegate.applicationDidFinishLaunching();
        delegate.selectAll();
        provider = delegate.scopeProvider();
        ASSERT_EQ(provider(), InstallScope::allUsers);
    }
    EXPECT_EQ(provider(), InstallScope::currentUser);
}

TEST_F(LaunchedDelegate, AdaptiveColoursFollowTheWindowIntoDarkAppearance)
{
    QPalette dark = delegate.window()->palette();
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    delegate.window()->setPalette(dark);
    ASSERT_TRUE(platform::isDarkAppearance(view<QWidget>("dropView")->palette()));

    EXPECT_EQ(view<app::PersonView>("groupView")->color(), platform::labelColor(dark));
    EXPECT_EQ(view<app::PersonView>("personView")->color(), QColor(Qt::black)) << "not adaptive";
    EXPECT_EQ(view<QWidget>("titleLabel")->palette().color(QPalette::WindowText),
              platform::systemBlueColor(dark));
    EXPECT_EQ(view<QWidget>("hintLabel")->palette().color(QPalette::WindowText),
              platform::secondaryLabelColor(dark));
}

TEST_F(LaunchedDelegate, InstallsWithTheKeyboardAloneInTheScopeChosenWithSpace)
{
    ui_testing::TemporaryHome home;
    QWidget* window = delegate.window();
    testing_support::writeFile(home.root() / "Keys.keylayout", "<keyboard/>", 0644);
    view<intake::DropView>("dropView")->setFileChooser([&](QWidget*) {
        return std::optional(QUrl::fromLocalFile(QString::fromStdString((home.root() / "Keys.keylayout").string())));
    });
    QStringList alert;  // the focused button, then what a screen reader gets of the alert
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* ok = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        if (!ok || ok->window() != QApplication::activeModalWidget())
            return;
        const QAccessibleInterface* box = QAccessible::queryAccessibleInterface(ok->window());
        alert << ok->text() << box->text(QAccessible::Name) << box->text(QAccessible::Description).section(u'.', 0, 0);
        QTest::keyClick(ok, Qt::Key_Return);
        if (ok->window()->isVisible())
            ok->window()->close(), alert << QStringLiteral("still open after Return");
    });
    answer.start(10);
    const auto checked = [](QWidget* widget) {
        const auto* button = QAccessible::queryAccessibleInterface(widget);
        return button->role() == QAccessible::Button && button->state().checkable && button->state().checked;
    };

    const struct { Qt::Key key; Qt::KeyboardModifiers modifiers; const char* focus; InstallScope scope; } steps[] = {
        {Qt::Key_Tab, {}, "allButton", InstallScope::currentUser},
        {Qt::Key_Space, {}, "allButton", InstallScope::allUsers},
        {Qt::Key_Tab, Qt::ShiftModifier, "currentButton", InstallScope::allUsers},
        {Qt::Key_Space, {}, "currentButton", InstallScope::currentUser},
        {Qt::Key_Tab, {}, "allButton", InstallScope::currentUser},
        {Qt::Key_Tab, {}, "dropView", InstallScope::currentUser},
        {Qt::Key_Space, {}, "dropView", InstallScope::currentUser},
        {Qt::Key_Tab, {}, "currentButton", InstallScope::currentUser},  // and round again
    };
    ASSERT_EQ(window->focusWidget(), current()) << "at start";
    for (const auto& step : steps) {
        QTest::keyClick(window->focusWidget(), step.key, step.modifiers);
        window->activateWindow();  // offscreen hands activation back to no one after an alert
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        const std::string focused = window->focusWidget()->objectName().toStdString();
        EXPECT_EQ(focused, step.focus);
        EXPECT_EQ(delegate.selectedScope(), step.scope) << focused;
        EXPECT_EQ(checked(all()), step.scope == InstallScope::allUsers) << focused;
        EXPECT_EQ(checked(current()), step.scope == InstallScope::currentUser) << focused;
        EXPECT_EQ(ui_testing::render(*window).pixel(121, 431) == platform::controlAccentColor().rgb(),
                  focused == "dropView") << "focus ring, with focus on " << focused;
    }
    EXPECT_TRUE(std::filesystem::exists(home.home() / "Library/Keyboard Layouts/Keys.keylayout"));
    EXPECT_EQ(alert, (QStringList{QStringLiteral("OK"), QStringLiteral("Keyboard Installed"),
                                  QStringLiteral("Open Keyboard Settings and add the new input source")}));
}

TEST(AppDelegate, InstallsFilesOpenedFromFinderOrTheDockLikeADropBeforeAndAfterLaunch)
{
    ui_testing::TemporaryHome home;
    ui_testing::AlertCatcher alerts;
    const auto open = [&](const std::string& name) {
        testing_support::writeFile(home.root() / name, "<keyboard name=\"" + name + "\"/>", 0600);
        QFileOpenEvent event(QUrl::fromLocalFile(QString::fromStdString(home.root() / name)));
        return QCoreApplication::sendEvent(QCoreApplication::instance(), &event);
    };
    const auto installed = [&](const char* name) {  // empty when missing
        return testing_support::readFile(home.home() / "Library" / "Keyboard Layouts" / name);
    };
    app::AppDelegate delegate;

    EXPECT_TRUE(open("Early.keylayout"));
    EXPECT_EQ(installed("Early.keylayout"), "") << "waits for the window";
    delegate.applicationDidFinishLaunching();
    EXPECT_EQ(installed("Early.keylayout"), "<keyboard name=\"Early.keylayout\"/>");
    EXPECT_TRUE(open("Late.keylayout"));
    EXPECT_EQ(installed("Late.keylayout"), "<keyboard name=\"Late.keylayout\"/>");
    EXPECT_TRUE(open("Notes.txt"));
    QStringList texts;
    for (const auto& alert : alerts.alerts())
        texts << alert.text;
    EXPECT_EQ(texts, QStringList({"Keyboard Installed", "Keyboard Installed", "Unsupported File"}));
}
