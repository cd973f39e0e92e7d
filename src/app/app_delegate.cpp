#include "app/app_delegate.h"

#include "app/installed_layouts_window.h"
#include "app/main_window.h"
#include "intake/drop_view.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFileOpenEvent>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>

#include <utility>

namespace app {

namespace {

void bringToFront(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void centre(QWidget* window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

// Runs `act` on the frontmost window of the app, if there is one.
std::function<void()> onFrontWindow(void (*act)(QWidget*))
{
    return [act] {
        if (QWidget* front = QApplication::activeWindow())
            act(front);
    };
}

}  // namespace

AppDelegate::AppDelegate()
    : controller_(scopeProvider())
{
    // Finder's "Open With" and the Dock icon send their file to the application object.
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(this);
    connect(&controller_, &InstallController::itemsChanged, this, [this] {
        if (installedWindow_)
            installedWindow_->reload();
    });
}

AppDelegate::~AppDelegate() = default;

void AppDelegate::applicationDidFinishLaunching()
{
    if (window_) {
        window_->show();
        return;
    }
    window_ = std::make_unique<MainWindow>();
    window_->setScope(selectedScope_);
    connect(window_.get(), &MainWindow::scopeChosen, this, &AppDelegate::select);
    connect(window_.get(), &MainWindow::installedLayoutsRequested, this, &AppDelegate::showInstalledLayouts);

    intake::DropView* dropView = window_->dropView();
    connect(dropView, &intake::DropView::dropped, &controller_,
            [this](const QUrl& item) { controller_.install({item}); });
    connect(dropView, &intake::DropView::chooserRequested, &controller_,
            [this] { controller_.chooseAndInstall(window_.get()); });
    connect(&controller_, &InstallController::busyChanged, dropView, &intake::DropView::setBusy);
    connect(&controller_, &InstallController::waitingForAdministrator, dropView,
            &intake::DropView::showWaitingForAdministrator);
    connect(&controller_, &InstallController::installed, dropView, &intake::DropView::showInstalled);

    // The Command-L shortcut works at once; the menu bar, which loads the style's icons and image
    // plugins, is made once the window is on screen.
    installedLayoutsAction_ = new QAction(tr("Installed Layouts…"), window_.get());
    installedLayoutsAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));  // Command-L on macOS
    installedLayoutsAction_->setShortcutContext(Qt::ApplicationShortcut);
    connect(installedLayoutsAction_, &QAction::triggered, this, &AppDelegate::showInstalledLayouts);
    window_->addAction(installedLayoutsAction_);
    connect(window_.get(), &MainWindow::firstPainted, this, &AppDelegate::buildMenuBar);
    centre(window_.get());
    bringToFront(window_.get());
    if (!pendingOpens_.isEmpty())
        openWhenLaunched({});
}

void AppDelegate::buildMenuBar()
{
    // Without a parent it is the menu bar at the top of a Mac's screen; elsewhere it is never shown,
    // and the window keeps its own shortcut to the list.
    menuBar_ = std::make_unique<QMenuBar>();
    QMenu* file = menuBar_->addMenu(tr("File"));
    file->addAction(tr("Open…"), QKeySequence::Open, this, [this] { controller_.chooseAndInstall(window_.get()); });
    file->addAction(tr("Close Window"), QKeySequence(Qt::CTRL | Qt::Key_W), this,
                    onFrontWindow([](QWidget* w) { w->close(); }));

    QMenu* windows = menuBar_->addMenu(tr("Window"));
    windows->addAction(tr("Minimize"), QKeySequence(Qt::CTRL | Qt::Key_M), this,
                       onFrontWindow([](QWidget* w) { w->showMinimized(); }));
    windows->addAction(tr("Zoom"), this,
                       onFrontWindow([](QWidget* w) { w->isMaximized() ? w->showNormal() : w->showMaximized(); }));
    windows->addSeparator();
    windows->addAction(QStringLiteral("Keyboard Installer"), this, [this] { bringToFront(window_.get()); });
    windows->addAction(installedLayoutsAction_);
    windows->addSeparator();
    windows->addAction(tr("Bring All to Front"), this, [] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && !window->isMinimized())
                window->raise();
    });
}

void AppDelegate::setSystemTools(installer::SystemTools tools)
{
    controller_.setSystemTools(tools);
    if (installedWindow_)
        installedWindow_->setSystemTools(std::move(tools));
}

void AppDelegate::showInstalledLayouts()
{
    if (!installedWindow_) {
        installedWindow_ = std::make_unique<InstalledLayoutsWindow>(controller_.systemTools());
        installedWindow_->setBusy(controller_.isBusy());
        connect(&controller_, &InstallController::busyChanged, installedWindow_.get(),
                &InstalledLayoutsWindow::setBusy);
        connect(installedWindow_.get(), &InstalledLayoutsWindow::removeRequested, &controller_,
                &InstallController::remove);
        connect(installedWindow_.get(), &InstalledLayoutsWindow::inputMenuChangeRequested, &controller_,
                &InstallController::setInInputMenu);
        connect(installedWindow_.get(), &InstalledLayoutsWindow::repairRequested, &controller_,
                &InstallController::repair);
        connect(installedWindow_.get(), &InstalledLayoutsWindow::loginWindowChangeRequested, &controller_,
                &InstallController::setAtLoginWindow);
        centre(installedWindow_.get());
    }
    bringToFront(installedWindow_.get());
}

InstalledLayoutsWindow* AppDelegate::installedLayoutsWindow() const
{
    return installedWindow_.get();
}

void AppDelegate::selectCurrent()
{
    select(installer::InstallScope::currentUser);
}

void AppDelegate::selectAll()
{
    select(installer::InstallScope::allUsers);
}

bool AppDelegate::applicationShouldTerminateAfterLastWindowClosed() const
{
    return true;
}

installer::InstallScope AppDelegate::selectedScope() const
{
    return selectedScope_;
}

QWidget* AppDelegate::window() const
{
    return window_.get();
}

std::function<installer::InstallScope()> AppDelegate::scopeProvider()
{
    return [delegate = QPointer<AppDelegate>(this)] {
        return delegate ? delegate->selectedScope() : installer::InstallScope::currentUser;
    };
}

bool AppDelegate::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == QCoreApplication::instance() && event->type() == QEvent::FileOpen) {
        openWhenLaunched(static_cast<QFileOpenEvent*>(event)->url());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

// Each open is installed as a drop would be, in the order they came, from the event loop: the
// system's open request is answered at once.
void AppDelegate::openWhenLaunched(const QUrl& item)
{
    if (!item.isEmpty())
        pendingOpens_.append(item);
    if (!window_ || pendingOpens_.isEmpty())
        return;
    QMetaObject::invokeMethod(
        this, [this] { controller_.install(std::exchange(pendingOpens_, {})); }, Qt::QueuedConnection);
}

void AppDelegate::select(installer::InstallScope scope)
{
    selectedScope_ = scope;
    if (window_)
        window_->setScope(scope);
}

}  // namespace app
