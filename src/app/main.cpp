#include "app/app_delegate.h"
#include "app/translations.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    app::loadTranslations(application);
#ifndef Q_OS_MACOS
    // macOS shows the bundle's icon, which setting one here would replace in the Dock.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/keyboard-installer.png")));
#endif
    app::AppDelegate delegate;
    QApplication::setQuitOnLastWindowClosed(delegate.applicationShouldTerminateAfterLastWindowClosed());
    delegate.applicationDidFinishLaunching();
    return QApplication::exec();
}
