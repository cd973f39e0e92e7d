#include "app/app_delegate.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // macOS takes the bundle's icon; elsewhere the window shows this one.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/keyboard-installer.png")));
    app::AppDelegate delegate;
    QApplication::setQuitOnLastWindowClosed(
        delegate.applicationShouldTerminateAfterLastWindowClosed());
    delegate.applicationDidFinishLaunching();
    return QApplication::exec();
}
