#pragma once

#include "app/install_controller.h"
#include "installer/install_scope.h"
#include "installer/system_tools.h"

#include <QList>
#include <QObject>
#include <QUrl>

#include <functional>
#include <memory>

class QAction;
class QMenuBar;
class QWidget;

namespace app {

class InstalledLayoutsWindow;
class MainWindow;

// What the application itself does: holds the chosen install scope, launches the window, takes
// the files that Finder and the Dock open, and quits with the last window. What an install does
// is the controller's.
class AppDelegate : public QObject {
    Q_OBJECT

public:
    AppDelegate();
    ~AppDelegate() override;

    void applicationDidFinishLaunching();
    void selectCurrent();
    void selectAll();
    bool applicationShouldTerminateAfterLastWindowClosed() const;

    installer::InstallScope selectedScope() const;
    QWidget* window() const;
    InstallController* controller() { return &controller_; }

    // The system programs and the all-users folder both windows use; a test sets stand-ins.
    void setSystemTools(installer::SystemTools tools);

    // Brings the list of installed layouts to the front, opening it the first time.
    void showInstalledLayouts();
    InstalledLayoutsWindow* installedLayoutsWindow() const;

    // Reads the selection at each call; answers currentUser once this delegate is gone.
    std::function<installer::InstallScope()> scopeProvider();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void select(installer::InstallScope scope);
    void openWhenLaunched(const QUrl& item);
    void buildMenuBar();

    installer::InstallScope selectedScope_ = installer::InstallScope::currentUser;
    InstallController controller_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<InstalledLayoutsWindow> installedWindow_;
    std::unique_ptr<QMenuBar> menuBar_;
    QAction* installedLayoutsAction_ = nullptr;  // the window's
    // Files opened before the window exists, installed once it is up.
    QList<QUrl> pendingOpens_;
};

}  // namespace app
