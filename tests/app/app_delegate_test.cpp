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

TEST(AppDelegate, BeforeLaunchHasNoWindowAndInstallsFilesOpenedFromFinderOrTheDockOnceItHasOne)
{
    ui_testing::TemporaryHome home;
    ui_testing::AlertCatcher alerts;
    const auto open = [&](const std::string& name) {
        writeFile(home.root / name, "<keyboard name=\"" + name + "\"/>", 0600);
        QFileOpenEvent event(QUrl::fromLocalFile(QString::fromStdString(home.root / name)));
        return QCoreApplication::sendEvent(QCoreApplication::instance(), &event);
    };
    const auto installed = [&](const char* name) {  // empty when missing
        return readFile(home.layouts() / name);
    };
    app::AppDelegate delegate;
    EXPECT_EQ(delegate.window(), nullptr);
    EXPECT_EQ(delegate.selectedScope(), InstallScope::currentUser);
    EXPECT_TRUE(delegate.applicationShouldTerminateAfterLastWindowClosed());

    EXPECT_TRUE(open("Early.keylayout"));
    EXPECT_EQ(installed("Early.keylayout"), "") << "waits for the window";
    delegate.applicationDidFinishLaunching();
    EXPECT_EQ(installed("Early.keylayout"), "<keyboard name=\"Early.keylayout\"/>");
    EXPECT_TRUE(open("Late.keylayout"));
    EXPECT_EQ(installed("Late.keylayout"), "<keyboard name=\"Late.keylayout\"/>");
    EXPECT_TRUE(open("Notes.txt"));
    QStringList texts;
    for (const auto& alert : alerts.alerts)
        texts << alert.text;
    EXPECT_EQ(texts, QStringList({"Keyboard Installed", "Keyboard Installed", "Unsupported File"}));
}

TEST_F(LaunchedDelegate, BuildsTheFixedSizeWindowWithItsFiveViewsInAdaptiveColours)
{
    QWidget* window = delegate.window();
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Keyboard Installer"));
    EXPECT_EQ(window->size(), QSize(760, 500));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "cannot be resized";
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlags(Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint));

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

    for (const QColor& windowColor : {QColor(236, 236, 236), QColor(30, 30, 30)}) {
        QPalette palette = window->palette();
        palette.setColor(QPalette::Window, windowColor);
        window->setPalette(palette);
        EXPECT_EQ(view<app::PersonView>("groupView")->color(), platform::labelColor(palette));
        EXPECT_EQ(view<app::PersonView>("personView")->color(), QColor(Qt::black)) << "not adaptive";
        EXPECT_EQ(view<QWidget>("titleLabel")->palette().color(QPalette::WindowText), platform::systemBlueColor(palette));
        EXPECT_EQ(view<QWidget>("hintLabel")->palette().color(QPalette::WindowText),
                  platform::secondaryLabelColor(palette));
    }
}

TEST_F(LaunchedDelegate, TheScopeProviderReadsTheSelectionAtEachCallAndOutlivesItsDelegate)
{
    const auto provider = delegate.scopeProvider();
    auto other = std::make_unique<app::AppDelegate>();
    other->applicationDidFinishLaunching();
    other->selectAll();
    const auto otherProvider = other->scopeProvider();
    EXPECT_EQ(provider(), InstallScope::currentUser);
    EXPECT_EQ(otherProvider(), InstallScope::allUsers);

    // A click on the button that is on leaves it on.
    for (app::ScopeButton* button : {all(), all(), current(), current(), all()}) {
        QTest::mouseClick(button, Qt::LeftButton);
        const InstallScope expected = button == all() ? InstallScope::allUsers : InstallScope::currentUser;
        EXPECT_EQ(provider(), expected);
        EXPECT_EQ(all()->isChecked(), expected == InstallScope::allUsers);
        EXPECT_EQ(current()->isChecked(), expected == InstallScope::currentUser);
    }
    EXPECT_EQ(otherProvider(), InstallScope::allUsers) << "only its own delegate";
    other.reset();
    EXPECT_EQ(otherProvider(), InstallScope::currentUser) << "its delegate and window are gone";
}

TEST_F(LaunchedDelegate, InstallsWithTheKeyboardAloneInTheScopeChosenWithSpace)
{
    QWidget* window = delegate.window();
    writeFile(home.root / "Keys.keylayout", "<keyboard/>", 0644);
    view<intake::DropView>("dropView")->setFileChooser([&](QWidget*) {
        return std::optional(QUrl::fromLocalFile(QString::fromStdString((home.root / "Keys.keylayout").string())));
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
        {Qt::Key_Space, {}, "currentButton", InstallScope::currentUser},
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
    EXPECT_TRUE(std::filesystem::exists(home.layouts() / "Keys.keylayout"));
    EXPECT_EQ(alert, (QStringList{QStringLiteral("OK"), QStringLiteral("Keyboard Installed"),
                                  QStringLiteral("Open Keyboard Settings and add the new input source")}));
}
