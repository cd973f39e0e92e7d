// Saves a picture of the whole screen; used to make the README's screenshot under Xvfb.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: grab-screen OUTPUT.png\n");
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !screen->grabWindow(0).save(arguments.at(1), "PNG")) {
        std::fprintf(stderr, "grab-screen: could not save %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    return 0;
}
