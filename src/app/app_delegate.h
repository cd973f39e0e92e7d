#pragma once

#include "installer/install_scope.h"
#include "installer/system_tools.h"
#include "intake/activity.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>
#include <memory>

class QAction;
class QMenuBar;
class QWidget;

namespace intake {
class DropView;
}

namespace app {

class InstalledLayoutsWindow;
class PersonView;
class ScopeButton;

// Holds the chosen install scope, keeps the two scope buttons in step with it and builds
// the one window. Files opened from Finder or the Dock install as a drop on the window would.
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
    void configureScopeButton(ScopeButton* button, const QString& description);

    installer::SystemTools tools_;
    // One install or removal at a time, from either window; it outlives both.
    intake::Activity activity_;
    std::unique_ptr<InstalledLayoutsWindow> installedWindow_;
    // Declared before the buttons, so the buttons leave the window before it goes.
    std::unique_ptr<QWidget> window_;
    std::unique_ptr<QMenuBar> menuBar_;
    installer::InstallScope selectedScope_ = installer::InstallScope::currentUser;
    std::unique_ptr<ScopeButton> currentButton_;
    std::unique_ptr<ScopeButton> allButton_;
    PersonView* groupView_ = nullptr;
    QPointer<intake::DropView> dropView_;
    // Files opened before the window exists, installed once it is up.
    QList<QUrl> pendingOpens_;
};

}  // namespace app
