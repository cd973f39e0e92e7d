#include "app/app_delegate.h"
#include "app/installed_layouts_window.h"
#include "app/keyboard_view.h"
#include "platform/process.h"

#include "support/stand_ins.h"
#include "ui_support.h"

#include <QDesktopServices>
#include <QLabel>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <regex>

namespace fs = std::filesystem;
using namespace testing_support;
using ui_testing::validLayout;

// Both folders listed with what is wrong with each item, then removed from the keyboard: into the
// Trash for the current user, through the administrator's command for all users.
TEST(InstalledLayoutsWindow, ListsBothFoldersAndRemovesOnlyWhatTheUserConfirms)
{
    ui_testing::TemporaryHome home;
    ui_testing::AlertCatcher alerts;
    const ScopedEnvironment data("XDG_DATA_HOME", (home.root / "data").string());  // missing, as on a fresh account
    const fs::path user = home.layouts(), system = home.tools().systemLayouts;
    writeScript(home.root / "killall", "echo \"$*\" >> \"$0.calls\"");
    // A Mac's input menu, with one of the layouts below in it.
    testing_support::StandInRegistry& menu = home.system.menu;
    menu.sources = {{"org.unknown.keylayout.Alpha", "Alpha", true}, {"org.unknown.keylayout.Gamma", "Gamma", false}};
    app::AppDelegate delegate;  // whose controller removes what the window asks to
    // First as on a system without defaults, where the login window's column stays hidden.
    installer::SystemTools tools = home.tools(true);
    tools.defaults = home.root / "no-defaults";
    delegate.setSystemTools(tools);
    delegate.showInstalledLayouts();
    app::InstalledLayoutsWindow& window = *delegate.installedLayoutsWindow();
    auto* list = window.findChild<QTreeWidget*>();
    EXPECT_TRUE(list->isHidden() && !window.findChild<QLabel*>()->isHidden()) << "an empty list says so";
    window.hide();

    for (const auto& [path, content] :
         std::map<fs::path, std::string>{{user / "Zed.keylayout", validLayout("Alpha", 1)},
                                         {user / "Twice.keylayout", validLayout("Twice", 3)},
                                         {system / "Twice.keylayout", validLayout("Twice", 3)},
                                         {system / "Broken.keylayout", ""},
                                         {system / "Clash.keylayout", validLayout("Gamma", 1)},
                                         {system / ".keyboard-installer-1.tmp", ""}})
        writeFile(path, content);
    const int listings = menu.listings;
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window)) << "reads the folders again when it comes forward";
    EXPECT_EQ(menu.listings - listings, 1) << "the input menu read once for all five rows";
    const auto rows = [&] {
        QStringList texts;
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            QStringList columns;
            for (int column = 0; column < list->columnCount(); ++column)
                if (!list->isColumnHidden(column))
                    columns << list->topLevelItem(row)->text(column);
            texts << columns.join(u'|');
        }
        return texts;
    };
    EXPECT_EQ(rows(),
              QStringList({"Alpha|Zed.keylayout|Current user|Duplicate id or name|Yes",
                           "|Broken.keylayout|All users|Cannot load|No",
                           "Gamma|Clash.keylayout|All users|Duplicate id or name|No",
                           "Twice|Twice.keylayout|Current user|Installed in both places|No",
                           "Twice|Twice.keylayout|All users|Installed in both places|No"}));
    EXPECT_TRUE(
        list->topLevelItem(1)->data(0, Qt::AccessibleDescriptionRole).toString().contains(u"the file is empty"));

    ui_testing::UrlCatcher desktop;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "open");
    auto* remove = window.findChild<QPushButton*>(QStringLiteral("removeButton"));
    auto* show = window.findChild<QPushButton*>(QStringLiteral("showButton"));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_End);
    EXPECT_TRUE(remove->isEnabled() && show->isEnabled());
    list->clearSelection();
    EXPECT_FALSE(remove->isEnabled() || show->isEnabled()) << "nothing chosen";
    list->setCurrentItem(list->findItems(QStringLiteral("Clash.keylayout"), Qt::MatchExactly, 1).value(0));
    EXPECT_EQ(window.findChild<app::KeyboardView*>()->accessibleName(), "Keyboard of Gamma")
        << "the selected item's keyboard below the list";
    QTest::mouseClick(show, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_EQ(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(QString::fromStdString(system.string()))});

    // The menu's buttons offer only what would change something, and the column follows them.
    auto* add = window.findChild<QPushButton*>(QStringLiteral("addToMenuButton"));
    auto* takeOut = window.findChild<QPushButton*>(QStringLiteral("removeFromMenuButton"));
    const auto inMenu = [&] {
        return rows().at(2).section(u'|', 4) + QString::number(add->isEnabled())
            + QString::number(takeOut->isEnabled());
    };
    EXPECT_EQ(inMenu(), QStringLiteral("No10"));
    QTest::mouseClick(takeOut, Qt::LeftButton), QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_EQ(inMenu(), QStringLiteral("Yes01"));

    writeScript(home.root / "osascript", "echo ' User canceled.' >&2; exit 1");
    alerts.answers = QStringList{"Remove", "Remove"};
    QTest::mouseClick(remove, Qt::LeftButton);
    writeScript(home.root / "osascript",
                "printf '%s' \"$2\" > \"$0.source\"; rm '" + (system / "Clash.keylayout").string() + "'");
    QTest::mouseClick(remove, Qt::LeftButton);
    const std::string source = readFile(home.root / "osascript.source");
    EXPECT_TRUE(std::regex_search(
        source,
        std::regex(" keyboard-installer 'remove' '" + system.string()
                   + "' 'Clash.keylayout' '[0-9A-F-]{36}'\" with prompt \"Keyboard Installer wants to remove "
                     "\\\\\"Clash.keylayout\\\\\" for all users.\" with administrator privileges$")))
        << source;
    EXPECT_EQ(rows().size(), 4);

    QTest::keyClick(list, Qt::Key_Home);
    alerts.answers = QStringList{"Escape", "Remove"};
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_TRUE(fs::exists(user / "Zed.keylayout")) << "cancelled";
    QTest::keyClick(list, Qt::Key_Backspace);
    EXPECT_EQ(std::pair(fs::exists(user / "Zed.keylayout"), fs::exists(home.root / "Trash/Zed.keylayout")),
              std::pair(false, true));
    // A refresh starts its three services at once, in no set order, and does not wait for them.
    const auto calls = [&] {
        return platform::runToEnd("/bin/sh", {"-c", "LC_ALL=C sort \"$0\"", (home.root / "killall.calls").string()})
            .standardOutput;
    };
    const std::string twice =
        "SystemUIServer\nSystemUIServer\nTextInputMenuAgent\nTextInputMenuAgent\ncfprefsd\ncfprefsd\n";
    EXPECT_TRUE(eventually([&] { return calls() == twice; })) << calls() << "after each removal, not the failed one";

    QStringList seen;
    for (const auto& alert : alerts.alerts)
        seen << alert.text + u'|' + alert.informativeText.section(u' ', 0, 3) + u'|' + alert.buttons.join(u',')
                + alert.missed;
    const QStringList expected = {"Remove \"Clash.keylayout\"?|It is removed for|Remove,Cancel",
                                  "Remove Failed|User canceled.|OK",
                                  "Remove \"Clash.keylayout\"?|It is removed for|Remove,Cancel",
                                  "Keyboard Layout Removed|\"Clash.keylayout\" leaves the input|OK",
                                  "Remove \"Zed.keylayout\"?|It goes to the|Remove,Cancel",
                                  "Remove \"Zed.keylayout\"?|It goes to the|Remove,Cancel",
                                  "Keyboard Layout Removed|\"Zed.keylayout\" leaves the input|OK"};
    EXPECT_EQ(seen, expected);
    // Out of the menu before each removal, back in after the one that failed.
    const std::vector<std::string> menuCalls = {"register Clash.keylayout",
                                                "enable org.unknown.keylayout.Gamma",
                                                "disable org.unknown.keylayout.Gamma",
                                                "enable org.unknown.keylayout.Gamma",
                                                "disable org.unknown.keylayout.Gamma",
                                                "disable org.unknown.keylayout.Alpha"};
    EXPECT_EQ(menu.calls, menuCalls);

    // Repair mends what makes the system ignore an item. Where the login window's preferences can be read,
    // its column and buttons show, and change it through the administrator's prompt.
    writeOsascript(home.root / "approving-osascript");
    writeScript(home.root / "osascript",
                "printf '%s' \"$2\" > \"$0.source\"; exec '" + (home.root / "approving-osascript").string()
                    + "' \"$@\"");
    fs::permissions(user / "Twice.keylayout", fs::perms(0600));
    tools.defaults = home.tools().defaults;
    delegate.setSystemTools(tools);
    auto* repair = window.findChild<QPushButton*>(QStringLiteral("repairButton"));
    auto* toLogin = window.findChild<QPushButton*>(QStringLiteral("addToLoginButton"));
    auto* fromLogin = window.findChild<QPushButton*>(QStringLiteral("removeFromLoginButton"));
    const auto row = [&](const QString& scope) {
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            if (list->topLevelItem(i)->text(1) == u"Twice.keylayout" && list->topLevelItem(i)->text(2) == scope)
                list->setCurrentItem(list->topLevelItem(i));
        const QTreeWidgetItem* current = list->currentItem();
        return current->text(3) + u'|' + current->text(5) + u'|' + QString::number(repair->isEnabled())
            + QString::number(toLogin->isEnabled()) + QString::number(fromLogin->isEnabled());
    };
    EXPECT_EQ(row("Current user"), "Installed in both places, Not readable by everyone||100");
    QTest::mouseClick(repair, Qt::LeftButton);
    EXPECT_EQ(row("Current user"), "Installed in both places||000");
    EXPECT_EQ(row("All users"), "Installed in both places|No|010");
    QTest::mouseClick(toLogin, Qt::LeftButton);
    EXPECT_EQ(row("All users"), "Installed in both places|Yes|001");
    EXPECT_NE(readFile(home.root / "osascript.source")
                  .find("Keyboard Installer wants to add \\\"Twice.keylayout\\\" "
                        "to the login window."),
              std::string::npos);
    QTest::mouseClick(fromLogin, Qt::LeftButton);
    EXPECT_EQ(row("All users"), "Installed in both places|No|010");
    EXPECT_EQ(alerts.alerts.size(), seen.size()) << "no failure told";
}
