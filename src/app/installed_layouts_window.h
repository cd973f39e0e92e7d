#pragma once

#include "installer/installed_layouts.h"
#include "installer/system_tools.h"

#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace intake {
class Activity;
}

namespace app {

// Lists the layouts installed for the current user and for all users, says in a word what the
// checks find wrong with each and, where the system has an input menu, whether it is in it;
// adds one to that menu or takes it out, and removes one: into the Trash, or with an
// administrator's approval for all users.
class InstalledLayoutsWindow : public QWidget {
    Q_OBJECT

public:
    explicit InstalledLayoutsWindow(QWidget* parent = nullptr);

    void setSystemTools(installer::SystemTools tools);
    // What the app is busy with, shared with the main window; the window starts with its own.
    // While anything runs, its buttons are disabled.
    void setActivity(intake::Activity* activity);

    // Reads both folders again and keeps the selected item selected, or its row.
    void reload();

    // Asks, then removes the selected item; nothing happens without a selection, or while another
    // install or removal runs.
    void removeSelected();
    void showSelectedInFolder();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    const installer::InstalledItem* selectedItem() const;
    void updateButtons();
    void removeConfirmed(const installer::InstalledItem& item);
    void setSelectedInInputMenu(bool inMenu);

    installer::SystemTools tools_;
    intake::Activity* activity_ = nullptr;
    std::vector<installer::InstalledItem> items_;
    QTreeWidget* list_;
    QLabel* emptyLabel_;
    QPushButton* removeButton_;
    QPushButton* addToMenuButton_;
    QPushButton* removeFromMenuButton_;
    QPushButton* showButton_;
};

}  // namespace app
