#include <QFile>
#include <QVariantMap>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

// The value whose start tag the reader is on: a dict, an array, a string, true or false.
QVariant readValue(QXmlStreamReader& xml)
{
    const QString tag = xml.name().toString();
    if (tag == u"string")
        return xml.readElementText();
    QVariantMap dict;
    QVariantList array;
    for (QString key; xml.readNextStartElement();) {
        if (xml.name() == u"key")
            key = xml.readElementText();
        else if (tag == u"dict")
            dict.insert(key, readValue(xml));
        else
            array.append(readValue(xml));
    }
    return tag == u"dict" ? QVariant(dict) : tag == u"array" ? QVariant(array) : tag == u"true";
}

}  // namespace

TEST(BundleInfo, TheRenderedInfoPlistIsAPropertyListWithTheAppsKeys)
{
    QFile file(QStringLiteral(RENDERED_INFO_PLIST));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_FALSE(text.contains(u'@') || text.contains(QStringLiteral("${"))) << "unfilled";
    QXmlStreamReader xml(text);
    ASSERT_TRUE(xml.readNextStartElement() && xml.readNextStartElement());  // plist, dict
    const QVariantMap info = readValue(xml).toMap();
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();

    const QString any;  // present and not empty
    const std::pair<const char*, QVariant> table[] = {
        {"CFBundleIdentifier", any}, {"CFBundleExecutable", any}, {"CFBundleIconFile", any},
        {"NSHumanReadableCopyright", any}, {"LSMinimumSystemVersion", any},
        {"CFBundleName", "Keyboard Installer"}, {"CFBundleDisplayName", "Keyboard Installer"},
        {"CFBundlePackageType", "APPL"}, {"NSHighResolutionCapable", true},
        {"CFBundleShortVersionString", PROJECT_VERSION}, {"CFBundleVersion", PROJECT_VERSION},
        {"LSApplicationCategoryType", "public.app-category.utilities"}};
    for (const auto& [key, value] : table)
        EXPECT_TRUE(value == any ? !info[key].toString().isEmpty() : info[key] == value) << key;

    QStringList types;  // extensions, role, rank and whether a folder, one per document type
    for (const QVariant& type : info.value("CFBundleDocumentTypes").toList()) {
        QVariantMap entry = type.toMap();
        types << QStringList{entry["CFBundleTypeExtensions"].toStringList().join(u','), entry["CFBundleTypeRole"].toString(),
                             entry["LSHandlerRank"].toString(), entry["LSTypeIsPackage"].toBool() ? "package" : "file"}.join(u' ');
    }
    EXPECT_EQ(types, QStringList({"keylayout Viewer Alternate file", "bundle Viewer Alternate package"}));
}
