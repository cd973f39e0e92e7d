#pragma once

#include "installer/installed_layouts.h"
#include "installer/system_tools.h"

#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace app {

// Lists the layouts installed for the current user and for all users, says in a word what the
// checks find wrong with each and, where the system has an input menu, whether it is in it;
// adds one to that menu or takes it out, and removes one: into the Trash, or with an
// administrator's approval for all users.
class InstalledLayoutsWindow : public QWidget {
    Q_OBJECT

public:
    // Listed at once with `tools`: the all-users folder and the input menu that listing reads.
    explicit InstalledLayoutsWindow(installer::SystemTools tools, QWidget* parent = nullptr);

    void setSystemTools(installer::SystemTools tools);
    // While the app installs or removes anything, the buttons are disabled.
    void setBusy(bool busy);

    // Reads both folders again and keeps the selected item selected, or its row.
    void reload();

    // Asks for the selected item's removal; nothing happens without a selection, or while busy.
    void removeSelected();
    void showSelectedInFolder();

signals:
    void removeRequested(const installer::InstalledItem& item);
    void inputMenuChangeRequested(const installer::InstalledItem& item, bool inMenu);
    void repairRequested(const installer::InstalledItem& item);
    void loginWindowChangeRequested(const installer::InstalledItem& item, bool present);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    const installer::InstalledItem* selectedItem() const;
    void updateButtons();
    void requestInputMenuChange(bool inMenu);
    void requestForSelected(const std::function<void(const installer::InstalledItem&)>& request);

    installer::SystemTools tools_;
    bool busy_ = false;
    std::vector<installer::InstalledItem> items_;
    QTreeWidget* list_;
    QLabel* emptyLabel_;
    QPushButton* removeButton_;
    QPushButton* addToMenuButton_;
    QPushButton* removeFromMenuButton_;
    QPushButton* showButton_;
    QPushButton* repairButton_;
    QPushButton* addToLoginButton_;
    QPushButton* removeFromLoginButton_;
};

}  // namespace app
