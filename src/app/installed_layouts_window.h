#pragma once

#include "installer/installed_layouts.h"
#include "installer/system_tools.h"

#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace app {

// Lists the layouts installed for the current user and for all users, says in a word what the
// checks find wrong with each, and removes one: into the Trash, or with an administrator's
// approval for all users.
class InstalledLayoutsWindow : public QWidget {
    Q_OBJECT

public:
    explicit InstalledLayoutsWindow(QWidget* parent = nullptr);

    void setSystemTools(installer::SystemTools tools);

    // Reads both folders again and keeps the selected item selected, or its row.
    void reload();

    // Asks, then removes the selected item; nothing happens without a selection.
    void removeSelected();
    void showSelectedInFolder();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    const installer::InstalledItem* selectedItem() const;
    void updateButtons();

    installer::SystemTools tools_;
    std::vector<installer::InstalledItem> items_;
    QTreeWidget* list_;
    QLabel* emptyLabel_;
    QPushButton* removeButton_;
    QPushButton* showButton_;
};

}  // namespace app
