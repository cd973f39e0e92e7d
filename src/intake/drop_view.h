#pragma once

#include "flows/flows.h"
#include "installer/install_scope.h"
#include "installer/system_tools.h"

#include <QColor>
#include <QUrl>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <optional>

class QLabel;
class QMimeData;

namespace intake {

class Activity;

// The drop area: a dragged .keylayout file or keyboard .bundle folder is installed in the
// scope that the scope provider gives at the moment of the drop. It is also a button: a
// click, Space or Return opens a file chooser whose choice takes the same way as a drop.
class DropView : public QWidget {
    Q_OBJECT

public:
    // Answers the chosen item's file URL, or nothing when the user cancels.
    using FileChooser = std::function<std::optional<QUrl>(QWidget* parent)>;

    // The system programs an install runs; a test puts stand-ins in their place.
    using SystemTools = installer::SystemTools;

    explicit DropView(QWidget* parent = nullptr);

    void setScopeProvider(std::function<installer::InstallScope()> provider);
    void setFileChooser(FileChooser chooser);
    void setSystemTools(SystemTools tools);
    // What the app is busy with, shared with its other windows; the view starts with its own.
    void setActivity(Activity* activity);

    // Asks the chooser for an item and installs it; a cancel does nothing.
    void chooseItem();

    // What the hint says, also what assistive technology reads as the view's value.
    QString hintText() const;

    // The whole drop, alerts included; true exactly when a layout was installed.
    bool performDragOperation(const QMimeData* data);

    // Everything a drop does once it has the item's local file URL; every way in comes here.
    // Refused at once while another install or removal runs.
    bool installItem(const QUrl& url);

    // How a screen reader explains the drop area.
    static QString accessibleHelp();

    // Transparent at rest, the accent colour while a drag hovers or the view has focus.
    QColor borderColor() const;

signals:
    // A layout has been installed, before the alert that says so comes up.
    void installed(const QString& name);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setHighlighted(bool highlighted);
    void showInstalled(const QString& name);
    void waitForAdministrator(const std::function<void()>& step);
    bool installChecked(const std::filesystem::path& item);
    void tellInstalled(const installer::InstallOutcome& outcome);
    void applyLabelColors();

    std::function<installer::InstallScope()> scopeProvider_;
    QLabel* titleLabel_;
    QLabel* hintLabel_;
    FileChooser fileChooser_;
    SystemTools tools_;
    Activity* activity_;
    bool highlighted_ = false;
    bool showsInstalled_ = false;
};

}  // namespace intake
