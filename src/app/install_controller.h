#pragma once

#include "flows/flows.h"
#include "installer/installed_layouts.h"
#include "installer/system_tools.h"

#include <QList>
#include <QObject>
#include <QUrl>

#include <functional>
#include <optional>

class QWidget;

namespace app {

// Serves every way in, the drop, the file chooser, Finder and the Dock, and the installed-layouts
// window's buttons, through the flows, and tells the user what came of it. One install or removal
// runs at a time; items asked for meanwhile wait their turn, in order.
class InstallController : public QObject {
    Q_OBJECT

public:
    // Answers the chosen item's file URL, or nothing when the user cancels.
    using FileChooser = std::function<std::optional<QUrl>(QWidget* parent)>;

    explicit InstallController(std::function<installer::InstallScope()> scope, QObject* parent = nullptr);

    // The system programs the flows run; a test puts stand-ins in their place.
    void setSystemTools(installer::SystemTools tools);
    const installer::SystemTools& systemTools() const { return tools_; }
    void setFileChooser(FileChooser chooser);

    bool isBusy() const { return busy_; }

    // Installs each local file URL in turn, after any still waiting; returns once the queue is done,
    // or at once when a run already under way will reach them.
    void install(const QList<QUrl>& items);
    // Asks the chooser for an item and installs it; a cancel does nothing.
    void chooseAndInstall(QWidget* parent);

    // Asks, then removes the installed item; nothing happens while another install or removal runs.
    void remove(const installer::InstalledItem& item);
    void setInInputMenu(const installer::InstalledItem& item, bool inMenu);
    // Reinstalls the item from itself, or adds it to the login window or takes it out, through an
    // administrator's approval where it is for all users; nothing happens while another runs.
    void repair(const installer::InstalledItem& item);
    void setAtLoginWindow(const installer::InstalledItem& item, bool present);

signals:
    void busyChanged(bool busy);
    // An install waits for an administrator's approval, or has stopped waiting.
    void waitingForAdministrator(bool waiting);
    // A layout has been installed, before the alert that says so comes up.
    void installed(const QString& name);
    // What the Keyboard Layouts folders or the input menu hold has changed.
    void itemsChanged();

private:
    bool runAlone(const std::function<void()>& flow);
    void waitFor(const std::function<void()>& step, bool announced);
    void installQueued();
    void installOne(const QUrl& item);
    void tellInstalled(const installer::InstallOutcome& outcome);
    void removeConfirmed(const installer::InstalledItem& item);

    std::function<installer::InstallScope()> scope_;
    installer::SystemTools tools_;
    FileChooser fileChooser_;
    QList<QUrl> queue_;
    bool busy_ = false;
};

}  // namespace app
