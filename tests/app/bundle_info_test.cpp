#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

TEST(BundleInfo, TheRenderedInfoPlistIsAPropertyListWithTheAppsKeys)
{
    QFile file(QStringLiteral(RENDERED_INFO_PLIST));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_FALSE(text.contains(u'@') || text.contains(QStringLiteral("${"))) << "unfilled";
    // Each dict's entries as "key=value", an array's strings under the array's key.
    QList<QStringList> dicts;
    QList<qsizetype> open;
    QString key;
    for (QXmlStreamReader xml(text); !xml.atEnd();) {
        const auto token = xml.readNext();
        ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        if (token == QXmlStreamReader::EndElement && xml.name() == u"dict")
            open.removeLast();
        else if (token != QXmlStreamReader::StartElement)
            continue;
        else if (xml.name() == u"dict")
            open << dicts.size(), dicts.append(QStringList());
        else if (xml.name() == u"key")
            key = xml.readElementText();
        else if (!open.isEmpty() && xml.name() != u"array")
            dicts[open.last()] << key + u'='
                    + (xml.name() == u"string" ? xml.readElementText() : xml.name().toString());
    }
    ASSERT_EQ(dicts.size(), 5);
    for (const QString entry :
         {"CFBundleName=Keyboard Installer", "CFBundleDisplayName=Keyboard Installer", "CFBundlePackageType=APPL",
          "NSHighResolutionCapable=true", "CFBundleShortVersionString=" PROJECT_VERSION,
          "CFBundleVersion=" PROJECT_VERSION, "LSApplicationCategoryType=public.app-category.utilities",
          "CFBundleIdentifier=.+", "CFBundleExecutable=.+", "CFBundleIconFile=.+", "NSHumanReadableCopyright=.+",
          "LSMinimumSystemVersion=[0-9]+\\.[0-9]+", "NSDownloadsFolderUsageDescription=.+ icon .+",
          "NSDesktopFolderUsageDescription=.+ icon .+", "NSDocumentsFolderUsageDescription=.+ icon .+"})
        EXPECT_EQ(dicts[0].filter(QRegularExpression(u'^' + entry + u'$')).size(), 1) << entry.toStdString();
    // English, then each language the app's texts are translated into.
    QStringList translated = QDir(QStringLiteral(TRANSLATIONS_FOLDER)).entryList({QStringLiteral("*.ts")});
    translated.replaceInStrings(QRegularExpression(QStringLiteral("keyboard-installer_(\\w+)\\.ts")),
                                QStringLiteral("CFBundleLocalizations=\\1"));
    EXPECT_EQ(dicts[0].filter(QStringLiteral("CFBundleLocalizations=")),
              QStringList(QStringLiteral("CFBundleLocalizations=en")) + translated);
    // Finder's "Open With" and the Dock offer us for both kinds, never as their default handler;
    // layouts by the type we import (an XML file named .keylayout), not by the extension alone.
    for (qsizetype i = 1; i < dicts.size(); ++i)
        dicts[i].sort();
    EXPECT_EQ(dicts.sliced(1),
              (QList<QStringList>{{"CFBundleTypeName=Keyboard Layout", "CFBundleTypeRole=Viewer",
                                   "LSHandlerRank=Alternate", "LSItemContentTypes=com.apple.keylayout"},
                                  {"CFBundleTypeExtensions=bundle", "CFBundleTypeName=Keyboard Layout Bundle",
                                   "CFBundleTypeRole=Viewer", "LSHandlerRank=Alternate", "LSTypeIsPackage=true"},
                                  {"UTTypeConformsTo=public.xml", "UTTypeDescription=Keyboard Layout",
                                   "UTTypeIdentifier=com.apple.keylayout"},
                                  {"public.filename-extension=keylayout"}}));
}
