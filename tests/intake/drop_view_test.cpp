#include "intake/drop_view.h"

#include "platform/colors.h"
#include "ui_support.h"

#include <QAccessible>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using installer::InstallScope;
using testing_support::modeOf;
using testing_support::readFile;
using testing_support::writeFile;

namespace {

QUrl urlOf(const fs::path& path)
{
    return QUrl::fromLocalFile(QFile::decodeName(path.c_str()));
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
        view.resize(520, 82);
        view.show();
    }

    fs::path layouts() const { return home.home() / "Library" / "Keyboard Layouts"; }

    fs::path makeLayout(const std::string& name, const std::string& content = "<keyboard/>")
    {
        const fs::path path = home.root() / "source" / name;
        writeFile(path, content, 0600);
        return path;
    }

    QLabel* label(const char* name) { return view.findChild<QLabel*>(QString::fromLatin1(name)); }

    ui_testing::TemporaryHome home;
    ui_testing::AlertCatcher alerts;
    intake::DropView view;
};

}  // namespace

TEST_F(DropViewTest, StartsAtRestWithItsTwoCentredLabels)
{
    QApplication::processEvents();
    ASSERT_NE(label("titleLabel"), nullptr);
    ASSERT_NE(label("hintLabel"), nullptr);
    EXPECT_EQ(label("titleLabel")->text(), QStringLiteral("Keyboard layout to install:"));
    EXPECT_EQ(label("hintLabel")->text(), QStringLiteral("Drag keyboard layout here to install"));
    EXPECT_EQ(label("titleLabel")->font().pixelSize(), 18);
    EXPECT_TRUE(label("titleLabel")->font().bold());
    EXPECT_EQ(label("hintLabel")->font().pixelSize(), 17);
    EXPECT_FALSE(label("hintLabel")->font().bold());
    EXPECT_EQ(label("titleLabel")->palette().color(QPalette::WindowText),
              platform::systemBlueColor(view.palette()));
    EXPECT_EQ(label("hintLabel")->palette().color(QPalette::WindowText),
              platform::secondaryLabelColor(view.palette()));
    view.clearFocus();  // alone in its window it takes focus, which the window never gives it
    EXPECT_EQ(view.borderColor().alpha(), 0);
    EXPECT_TRUE(view.acceptDrops());
    EXPECT_EQ(label("titleLabel")->y(), 8);
    EXPECT_EQ(label("hintLabel")->y(), label("titleLabel")->geometry().bottom() + 1 + 14);
}

TEST_F(DropViewTest, InstallsAFileForTheCurrentUserWhenNoScopeProviderIsSet)
{
    const fs::path source = makeLayout("My Layout.keylayout", "<keyboard name=\"first\"/>");

    EXPECT_TRUE(view.performDragOperation(dragOf({urlOf(source)}).get()));

    const fs::path installed = layouts() / "My Layout.keylayout";
    EXPECT_EQ(readFile(installed), "<keyboard name=\"first\"/>");
    EXPECT_EQ(modeOf(installed) & 07777, 0644u);
    ASSERT_EQ(alerts.alerts().size(), 1);
    EXPECT_EQ(alerts.alerts().at(0).text, QStringLiteral("Keyboard Installed"));
    EXPECT_EQ(alerts.alerts().at(0).informativeText,
              QStringLiteral("Open Keyboard Settings and add the new input source. If it does "
                             "not appear immediately, sign out and sign back in."));
    EXPECT_EQ(alerts.alerts().at(0).icon, QMessageBox::Information);

    QApplication::processEvents();
    QLabel* hint = label("hintLabel");
    EXPECT_EQ(label("titleLabel")->text(), QStringLiteral("Installed:"));
    EXPECT_EQ(hint->text(), QStringLiteral("Installed My Layout.keylayout"));
    EXPECT_TRUE(hint->font().bold());
    EXPECT_EQ(hint->font().pixelSize(), 17);
    EXPECT_EQ(hint->palette().color(QPalette::WindowText), platform::systemBlueColor(view.palette()));
    EXPECT_EQ(hint->size(), hint->sizeHint()) << "the new text keeps its natural size";
    EXPECT_NEAR(hint->geometry().center().x(), 260, 1) << "and stays centred";
}

TEST_F(DropViewTest, InstallsAFolderWithTrailingSlashMixedCaseAndEscapedNames)
{
    const fs::path bundle = home.root() / "source" / "Ünïcode Layouts.Bundle";
    writeFile(bundle / "Contents" / "Info.plist", "plist");
    writeFile(bundle / "Contents" / "Resources" / "A.keylayout", "<keyboard/>");
    // A folder's URL ends in "/", and the name travels percent-escaped.
    const QUrl url = QUrl::fromEncoded(urlOf(bundle).toEncoded() + "/");
    ASSERT_TRUE(url.toEncoded().contains("%20"));
    ASSERT_TRUE(url.toEncoded().endsWith("/"));
    int scopeCalls = 0;
    view.setScopeProvider([&] { ++scopeCalls; return InstallScope::currentUser; });

    EXPECT_TRUE(view.performDragOperation(dragOf({url}).get()));

    const fs::path installed = layouts() / "Ünïcode Layouts.Bundle";
    EXPECT_EQ(readFile(installed / "Contents" / "Info.plist"), "plist");
    EXPECT_EQ(modeOf(installed) & 07777, 0755u);
    EXPECT_EQ(scopeCalls, 1);
    EXPECT_EQ(label("hintLabel")->text(), QStringLiteral("Installed Ünïcode Layouts.Bundle"));
}

TEST_F(DropViewTest, UnsupportedItemsAreRefusedWithAWarningWithoutAskingForTheScope)
{
    int scopeCalls = 0;
    view.setScopeProvider([&] { ++scopeCalls; return InstallScope::currentUser; });
    const fs::path zipped = makeLayout("Layout.keylayout.zip");
    const fs::path bare = makeLayout("Layout");
    const fs::path good = makeLayout("Good.KEYLAYOUT");

    EXPECT_FALSE(view.performDragOperation(dragOf({urlOf(zipped)}).get()));
    EXPECT_FALSE(view.performDragOperation(dragOf({urlOf(bare)}).get()));
    // Only the first item counts, even when a later one would be accepted.
    EXPECT_FALSE(view.performDragOperation(dragOf({urlOf(bare), urlOf(good)}).get()));

    ASSERT_EQ(alerts.alerts().size(), 3);
    for (const auto& alert : alerts.alerts()) {
        EXPECT_EQ(alert.text, QStringLiteral("Unsupported File"));
        EXPECT_EQ(alert.informativeText,
                  QStringLiteral("Please drag a .keylayout file or keyboard .bundle."));
        EXPECT_EQ(alert.icon, QMessageBox::Warning);
    }
    EXPECT_EQ(scopeCalls, 0);
    EXPECT_FALSE(fs::exists(layouts()));
    EXPECT_EQ(label("titleLabel")->text(), QStringLiteral("Keyboard layout to install:"));

    // An accepted first item is installed alone.
    EXPECT_TRUE(view.performDragOperation(dragOf({urlOf(good), urlOf(bare)}).get()));
    EXPECT_TRUE(fs::exists(layouts() / "Good.KEYLAYOUT"));
    EXPECT_FALSE(fs::exists(layouts() / "Layout"));
}

TEST_F(DropViewTest, DragsWithoutALocalFileAreIgnoredSilently)
{
    QMimeData text;
    text.setText(QStringLiteral("Layout.keylayout"));
    const auto web = dragOf({QUrl(QStringLiteral("https://example.com/Layout.keylayout"))});
    const auto none = dragOf({});

    EXPECT_FALSE(view.performDragOperation(&text));
    EXPECT_FALSE(view.performDragOperation(web.get()));
    EXPECT_FALSE(view.performDragOperation(none.get()));
    EXPECT_FALSE(view.performDragOperation(nullptr));
    EXPECT_TRUE(alerts.alerts().isEmpty());

    for (const QMimeData* data : {static_cast<const QMimeData*>(&text),
                                  static_cast<const QMimeData*>(web.get())}) {
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction | Qt::MoveAction, data,
                              Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&view, &enter);
        EXPECT_FALSE(enter.isAccepted());
        EXPECT_EQ(view.borderColor().alpha(), 0);
    }
}

TEST_F(DropViewTest, HoveringLightsTheBorderInTheAccentColourUntilTheDragLeaves)
{
    const auto data = dragOf({urlOf(makeLayout("Layout.keylayout"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction | Qt::MoveAction, data.get(),
                          Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &enter);

    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
    const QColor accent = platform::controlAccentColor(view.palette());
    EXPECT_EQ(view.borderColor(), accent);
    const QImage lit = ui_testing::render(view);
    EXPECT_EQ(lit.pixelColor(1, 41).rgb(), accent.rgb()) << "border on the left edge";
    EXPECT_EQ(lit.pixelColor(260, 81).rgb(), accent.rgb()) << "border on the bottom edge";
    EXPECT_EQ(lit.pixelColor(260, 60).rgb(), QColor(Qt::white).rgb()) << "no background";

    QDragLeaveEvent leave;
    QApplication::sendEvent(&view, &leave);
    EXPECT_EQ(view.borderColor().alpha(), 0);
    EXPECT_EQ(ui_testing::render(view).pixelColor(1, 41).rgb(), QColor(Qt::white).rgb());
}

TEST_F(DropViewTest, ARealDropInstallsAsACopyAndClearsTheBorder)
{
    const fs::path source = makeLayout("Dropped.keylayout", "<keyboard id=\"1\"/>");
    const auto data = dragOf({urlOf(source)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction | Qt::MoveAction, data.get(),
                          Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &enter);
    ASSERT_NE(view.borderColor().alpha(), 0);

    // Even when the source proposes a move, the original must stay where it is.
    QDropEvent drop(QPointF(10, 10), Qt::MoveAction | Qt::CopyAction, data.get(), Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(&view, &drop);

    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
    EXPECT_EQ(readFile(layouts() / "Dropped.keylayout"), "<keyboard id=\"1\"/>");
    EXPECT_TRUE(fs::exists(source));
    EXPECT_EQ(view.borderColor().alpha(), 0);

    const auto text = dragOf({urlOf(makeLayout("x.txt"))});
    QDropEvent refused(QPointF(10, 10), Qt::CopyAction, text.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &refused);
    EXPECT_FALSE(refused.isAccepted());
}

TEST_F(DropViewTest, FailedInstallsShowTheReasonAndKeepTheEarlierSuccessTexts)
{
    ASSERT_TRUE(view.performDragOperation(dragOf({urlOf(makeLayout("First.keylayout"))}).get()));

    // Per user: the destination folder's path is taken by a file.
    fs::remove_all(home.home() / "Library");
    writeFile(home.home() / "Library", "not a folder");
    EXPECT_FALSE(view.performDragOperation(dragOf({urlOf(makeLayout("Second.keylayout"))}).get()));

    ASSERT_EQ(alerts.alerts().size(), 2);
    EXPECT_EQ(alerts.alerts().at(1).text, QStringLiteral("Install Failed"));
    EXPECT_EQ(alerts.alerts().at(1).icon, QMessageBox::Critical);
    EXPECT_FALSE(alerts.alerts().at(1).informativeText.trimmed().isEmpty());
    EXPECT_EQ(label("hintLabel")->text(), QStringLiteral("Installed First.keylayout"));
}

TEST_F(DropViewTest, AllUsersInstallWithoutOsascriptFailsReadablyAndLeavesNoStagingFolder)
{
    if (fs::exists("/usr/bin/osascript"))
        GTEST_SKIP() << "would bring up the administrator prompt";
    InstallScope selected = InstallScope::currentUser;
    view.setScopeProvider([&] { return selected; });
    ASSERT_TRUE(view.performDragOperation(dragOf({urlOf(makeLayout("Mine.keylayout"))}).get()));

    selected = InstallScope::allUsers;  // read afresh at each drop
    EXPECT_FALSE(view.performDragOperation(dragOf({urlOf(makeLayout("Everyone.keylayout"))}).get()));

    ASSERT_EQ(alerts.alerts().size(), 2);
    const auto& failure = alerts.alerts().at(1);
    EXPECT_EQ(failure.text, QStringLiteral("Install Failed"));
    EXPECT_EQ(failure.icon, QMessageBox::Critical);
    EXPECT_TRUE(failure.informativeText.contains(QStringLiteral("osascript")))
        << failure.informativeText.toStdString();
    const fs::path stagingRoot = home.tmp() / "morrowvane-keyboard-installer";
    if (fs::exists(stagingRoot)) {
        EXPECT_TRUE(fs::is_empty(stagingRoot));
    }
    EXPECT_FALSE(fs::exists(layouts() / "Everyone.keylayout"));
    EXPECT_EQ(label("hintLabel")->text(), QStringLiteral("Installed Mine.keylayout"));
}

TEST_F(DropViewTest, AnItemThatCannotBeALayoutFailsBeforeTheScopeIsAskedAndCopiesNothing)
{
    int scopeCalls = 0;
    view.setScopeProvider([&] { ++scopeCalls; return InstallScope::allUsers; });
    const fs::path page = makeLayout("Colemak.keylayout", "<!DOCTYPE html>\n<html><body><p>Colemak");
    EXPECT_FALSE(view.performDragOperation(dragOf({urlOf(page)}).get()));

    ASSERT_EQ(alerts.alerts().size(), 1);
    EXPECT_EQ(alerts.alerts().at(0).text, QStringLiteral("Install Failed"));
    EXPECT_EQ(alerts.alerts().at(0).icon, QMessageBox::Critical);
    EXPECT_TRUE(alerts.alerts().at(0).informativeText.startsWith(
        QStringLiteral("\"Colemak.keylayout\" is not a keyboard layout: it is a web page.")));
    EXPECT_EQ(scopeCalls, 0);
    EXPECT_FALSE(fs::exists(layouts()));
    EXPECT_EQ(label("titleLabel")->text(), QStringLiteral("Keyboard layout to install:"));
}

TEST_F(DropViewTest, KeysAClickAndThePressActionInstallTheChosenItemWhileACancelDoesNothing)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&view);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_TRUE(accessible->text(QAccessible::Description).contains(QStringLiteral("drag")));
    EXPECT_EQ(view.cursor().shape(), Qt::PointingHandCursor);
    // An empty name: the chooser is cancelled.
    const struct { std::string name; std::function<void()> trigger; int chooserCalls; } table[] = {
        {"Return", [&] { QTest::keyClick(&view, Qt::Key_Return); }, 1},  // Space: the journey through the window
        {"Clicked", [&] { QTest::mouseClick(&view, Qt::LeftButton); }, 1},
        {"Pressed", [&] { accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); }, 1},
        {"", [&] { QTest::keyClick(&view, Qt::Key_Enter); }, 1},
        {"Typed", [&] { QTest::keyClick(&view, Qt::Key_A); }, 0},
    };
    for (const auto& row : table) {
        const std::string name = row.name + ".keylayout";
        const QUrl item = urlOf(makeLayout(name));
        int calls = 0;
        view.setFileChooser([&](QWidget*) {
            ++calls;
            return row.name.empty() ? std::nullopt : std::optional(item);
        });
        const qsizetype alertsBefore = alerts.alerts().size();
        row.trigger();
        const bool installs = calls == 1 && !row.name.empty();
        EXPECT_EQ(calls, row.chooserCalls) << name;
        EXPECT_EQ(alerts.alerts().size(), alertsBefore + (installs ? 1 : 0)) << name;
        EXPECT_EQ(fs::exists(layouts() / name), installs) << name;
        if (installs) {
            EXPECT_EQ(accessible->text(QAccessible::Value), QString::fromStdString("Installed " + name));
        }
    }
}
