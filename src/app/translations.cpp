#include "app/translations.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace app {

namespace {

// Qt's catalogues: deployed into the bundle on macOS, where no Qt is installed; a build that runs
// against an installed Qt finds them beside it.
QStringList qtCatalogueFolders()
{
    QStringList folders;
#ifdef Q_OS_MACOS
    folders << QCoreApplication::applicationDirPath() + QStringLiteral("/../Resources/translations");
#endif
    folders << QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    return folders;
}

bool install(QApplication& application, const QLocale& language, const QString& catalogue, const QString& folder)
{
    auto* translator = new QTranslator(&application);
    if (translator->load(language, catalogue, QStringLiteral("_"), folder)
        && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

}  // namespace

QLocale loadTranslations(QApplication& application)
{
    QLocale::setDefault(QLocale(QLocale::English));
    for (const QString& name : QLocale::system().uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English) {
            QLocale::setDefault(language);
            break;
        }
        if (!install(application, language, QStringLiteral("keyboard-installer"), QStringLiteral(":/translations")))
            continue;
        for (const QString& folder : qtCatalogueFolders()) {
            if (install(application, language, QStringLiteral("qtbase"), folder))
                break;
        }
        // Lists joined by the locale ("A, B and C") read in the language of the text around them.
        QLocale::setDefault(language);
        return language;
    }
    return QLocale(QLocale::English);
}

}  // namespace app
