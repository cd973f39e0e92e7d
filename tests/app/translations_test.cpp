#include "app/app_delegate.h"
#include "app/installed_layouts_window.h"
#include "app/translations.h"
#include "platform/process.h"
#include "ui_support.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstdio>

namespace fs = std::filesystem;
using namespace testing_support;

namespace {

// The default locale's language, which formats lists and numbers, an alert's Cancel button, then every
// text of both windows over the layouts in HOME, hidden ones too, in the same order in every language.
QStringList shownTexts()
{
    QStringList texts = {QLocale::languageToCode(QLocale().language()),
                         QMessageBox().addButton(QMessageBox::Cancel)->text()};
    StandInSystem system(qEnvironmentVariable("HOME").toStdString());
    app::AppDelegate delegate;
    delegate.setSystemTools(system.tools());
    delegate.applicationDidFinishLaunching();
    delegate.showInstalledLayouts();
    for (QWidget* window : {delegate.window(), static_cast<QWidget*>(delegate.installedLayoutsWindow())}) {
        texts << window->windowTitle();
        for (const QAction* action : window->actions())
            texts << action->text();
        for (const QWidget* widget : window->findChildren<QWidget*>()) {
            // A label's or a button's text among them.
            texts << widget->accessibleName() << widget->accessibleDescription() << widget->property("text").toString();
            if (const auto* list = qobject_cast<const QTreeWidget*>(widget))
                for (int row = -1; row < list->topLevelItemCount(); ++row) {
                    const QTreeWidgetItem* item = row < 0 ? list->headerItem() : list->topLevelItem(row);
                    for (int column = 0; column < list->columnCount(); ++column)
                        texts << item->text(column);
                    texts << item->toolTip(0);  // the sentences behind the note
                }
        }
    }
    texts.removeAll(QString());
    return texts;
}

}  // namespace

// `ui_tests --shown-texts`: start-up as the app's, then what the windows show, as JSON.
int printShownTexts(QApplication& application)
{
    app::loadTranslations(application);
    return std::fputs(QJsonDocument(QJsonArray::fromStringList(shownTexts())).toJson().constData(), stdout) < 0;
}

// Each start-up runs as a child with an environment of its own, where Qt reads the preferred languages
// afresh; the list holds each kind of finding, in both scopes, its note and its sentences all translated.
TEST(Translations, StartUpShowsBothWindowsInThePreferredLanguageTheAppSpeaksElseInEnglish)
{
#ifdef Q_OS_MACOS
    GTEST_SKIP() << "macOS takes the preferred languages from System Settings, which a test leaves alone";
#endif
    ui_testing::TemporaryHome home;
    const fs::path user = home.layouts(), system = home.tools().systemLayouts, bundle = user / "Greek.bundle/Contents";
    for (const auto& [name, id] : std::map<std::string, int>{{"Colemak", 1}, {"Clash", 1}, {"Twice", 2}, {"Iconic", 4}})
        writeFile(user / (name + ".keylayout"), ui_testing::validLayout(name, id));
    writeFile(system / "Twice.keylayout", ui_testing::validLayout("Twice", 2));
    writeFile(bundle / "Resources/A.keylayout", ui_testing::validLayout("Greek", 3));
    writeFile(system / "Broken.keylayout", ""), writeFile(bundle / "Resources/B.keylayout", "");
    writeFile(user / "Iconic.icns", "no icon");
    // At the login window: "Yes" is a word in every language, where "No" is Spanish too.
    home.system.listAtLoginWindow("2 Twice");
    const QStringList unchanged = {
        "Keyboard Installer", "Colemak", "Colemak.keylayout", "Clash",  "Clash.keylayout", "Twice", "Twice.keylayout",
        "Broken.keylayout",   "Greek",   "Greek.bundle",      "Iconic", "Iconic.keylayout"};
    const QStringList english = shownTexts();
    const struct {
        const char *language, *all, *lang, *shown;
    } rows[] = {
        {"de", "", "C.UTF-8", "de"},
        {"pt_BR:fr_CA:de", "", "C.UTF-8", "fr"},  // the first one the app speaks, by its language alone
        {"", "es_ES.UTF-8", "de_DE.UTF-8", "es"},
        {"", "", "ja_JP.UTF-8", "ja"},
        {"en_GB:de", "", "de_DE.UTF-8", "en"},  // English is never passed over for a later language
        {"it:pt", "", "C.UTF-8", "en"},  // nor mixed with Qt's own Italian
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.language) + "|" + row.all + "|" + row.lang);
        const ScopedEnvironment language("LANGUAGE", row.language), all("LC_ALL", row.all), messages("LC_MESSAGES", ""),
            lang("LANG", row.lang);
        const auto child = platform::runToEnd(QCoreApplication::applicationFilePath().toStdString(), {"--shown-texts"});
        const QStringList shown =
            QJsonDocument::fromJson(QByteArray::fromStdString(child.standardOutput)).toVariant().toStringList();
        ASSERT_TRUE(child.succeeded() && shown.size() == english.size()) << child.standardError;
        EXPECT_EQ(shown.first().toStdString(), row.shown);
        for (qsizetype i = 1; i < shown.size(); ++i) {
            const bool same = shown.first() == u"en" || unchanged.contains(english[i]);
            // Japanese in ASCII would be an English text marked translated.
            EXPECT_TRUE((shown[i] == english[i]) == same
                        && (same || shown.first() != u"ja" || shown[i].toUtf8().size() > shown[i].size()))
                << english[i].toStdString() << " shown as " << shown[i].toStdString();
        }
    }
}

// lupdate over the windows' sources, as update_translations runs it, marks each text that lacks a
// translation unfinished, and each translation whose text is gone vanished or obsolete. A translation
// keeps the name that the text shows.
TEST(Translations, EachCatalogueTranslatesEveryTextOfTheWindowsAndNoOther)
{
    TemporaryFolder folder;
    const QFileInfoList catalogues = QDir(QStringLiteral(TRANSLATIONS_FOLDER)).entryInfoList({QStringLiteral("*.ts")});
    const QRegularExpression message(
        QStringLiteral("<source>(.*?)</source>\\s*<translation( type=\"\\w+\")?>(.*?)</translation>"),
        QRegularExpression::DotMatchesEverythingOption);
    for (const QFileInfo& catalogue : catalogues) {
        const fs::path updated = folder / catalogue.fileName().toStdString();
        fs::copy_file(catalogue.filePath().toStdString(), updated);
        const auto lupdate =
            platform::runToEnd(LUPDATE, {"-locations", "none", "@" TRANSLATED_SOURCES, "-ts", updated.string()});
        ASSERT_TRUE(lupdate.succeeded()) << lupdate.standardError;
        const QString ts = QString::fromStdString(readFile(updated));
        QStringList faults;
        qsizetype messages = 0;
        for (const auto& match : message.globalMatch(ts)) {
            ++messages;
            if (!match.captured(2).isEmpty() || match.captured(3).isEmpty()
                || match.captured(1).contains(u"%1") != match.captured(3).contains(u"%1"))
                faults << match.captured(1) + match.captured(2);
        }
        EXPECT_TRUE(messages > 40 && messages == ts.count(QStringLiteral("<message>"))) << messages;
        EXPECT_TRUE(faults.isEmpty()) << catalogue.fileName().toStdString() << ": " << faults.join(u'\n').toStdString();
    }
}
