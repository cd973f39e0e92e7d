#pragma once

#include "installer/install_scope.h"

#include <QWidget>

namespace intake {
class DropView;
}

namespace app {

class PersonView;
class ScopeButton;

// The one window: whom to install for, as two figures over two toggle buttons, and the drop area
// under them, with the way to the installed layouts in the margin below it.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    // Checks the button of the scope.
    void setScope(installer::InstallScope scope);
    intake::DropView* dropView() const { return dropView_; }

signals:
    void scopeChosen(installer::InstallScope scope);
    void installedLayoutsRequested();
    // Once the window has been drawn for the first time, what it does not show can be made.
    void firstPainted();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool painted_ = false;
    PersonView* groupView_;
    ScopeButton* currentButton_;
    ScopeButton* allButton_;
    intake::DropView* dropView_;
};

}  // namespace app
