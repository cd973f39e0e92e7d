#include "app/installed_layouts_window.h"

#include "app/keyboard_panel.h"
#include "flows/flows.h"
#include "intake/finding_words.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace app {

namespace {

using installer::InstalledItem;
using installer::Warning;

enum Column { nameColumn, fileColumn, scopeColumn, noteColumn, inputMenuColumn, loginWindowColumn };

// What repair mends: the notes of what makes the system ignore an installed item.
bool needsRepair(const InstalledItem& item)
{
    for (const Warning& warning : item.report.warnings)
        if (warning.kind == Warning::Kind::extendedAttribute || warning.kind == Warning::Kind::permissions
            || warning.kind == Warning::Kind::owner)
            return true;
    return false;
}

QString yesOrNo(const std::optional<bool>& value)
{
    return !value ? QString() : *value ? InstalledLayoutsWindow::tr("Yes") : InstalledLayoutsWindow::tr("No");
}

QString fileName(const InstalledItem& item)
{
    return QFile::decodeName(item.path.filename().c_str());
}

QString layoutNames(const InstalledItem& item)
{
    QStringList names;
    for (const installer::KeyboardLayout& layout : item.report.layouts)
        names << QString::fromStdString(layout.name);
    return names.join(QStringLiteral(", "));
}

QString note(const InstalledItem& item)
{
    return intake::notes(item.report).join(QStringLiteral(", "));
}

QString findings(const InstalledItem& item)
{
    QStringList sentences;
    for (const installer::Problem& problem : item.report.problems)
        sentences << intake::sentence(problem);
    for (const Warning& warning : item.report.warnings)
        sentences << intake::sentence(warning);
    return sentences.join(u'\n');
}

// Rows go by the names the input menu shows; an item without one goes by its file name.
QString sortKey(const InstalledItem& item)
{
    const QString names = layoutNames(item);
    return names.isEmpty() ? fileName(item) : names;
}

}  // namespace

InstalledLayoutsWindow::InstalledLayoutsWindow(installer::SystemTools tools, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , tools_(std::move(tools))
    , list_(new QTreeWidget)
    , emptyLabel_(new QLabel(intake::nothingInstalled()))
    , removeButton_(new QPushButton(tr("Remove…")))
    , addToMenuButton_(new QPushButton(tr("Add to Input Menu")))
    , removeFromMenuButton_(new QPushButton(tr("Remove from Input Menu")))
#ifdef Q_OS_MACOS
    , showButton_(new QPushButton(tr("Show in Finder")))
#else
    , showButton_(new QPushButton(tr("Show in Folder")))
#endif
    , repairButton_(new QPushButton(tr("Repair")))
    , addToLoginButton_(new QPushButton(tr("Add to Login Window")))
    , removeFromLoginButton_(new QPushButton(tr("Remove from Login Window")))
{
    setWindowTitle(tr("Installed Keyboard Layouts"));
    resize(760, 620);

    list_->setObjectName(QStringLiteral("layoutList"));
    list_->setHeaderLabels(
        {tr("Layout"), tr("File"), tr("For"), tr("Note"), tr("In Input Menu"), tr("At Login Window")});
    list_->setAccessibleName(tr("Installed keyboard layouts"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->header()->setStretchLastSection(true);
    list_->setColumnWidth(nameColumn, 190);
    list_->setColumnWidth(fileColumn, 190);
    // Room for whom a row is for, in the window's language as in English.
    int scopeWidth = 100;
    for (const installer::InstallScope scope :
         {installer::InstallScope::currentUser, installer::InstallScope::allUsers})
        scopeWidth = std::max(scopeWidth, list_->fontMetrics().horizontalAdvance(intake::scopeName(scope)) + 20);
    list_->setColumnWidth(scopeColumn, scopeWidth);
    emptyLabel_->setAlignment(Qt::AlignCenter);
    emptyLabel_->setWordWrap(true);
    removeButton_->setObjectName(QStringLiteral("removeButton"));
    addToMenuButton_->setObjectName(QStringLiteral("addToMenuButton"));
    removeFromMenuButton_->setObjectName(QStringLiteral("removeFromMenuButton"));
    showButton_->setObjectName(QStringLiteral("showButton"));
    repairButton_->setObjectName(QStringLiteral("repairButton"));
    repairButton_->setToolTip(tr("Installs the layout again from itself, so that the system and apps no longer "
                                 "ignore it"));
    addToLoginButton_->setObjectName(QStringLiteral("addToLoginButton"));
    removeFromLoginButton_->setObjectName(QStringLiteral("removeFromLoginButton"));
    // Where the option is offered, what it cannot do.
    addToLoginButton_->setToolTip(tr("Lets the login window and password dialogs type with this layout. Before "
                                     "FileVault unlocks the disk, the Mac types with its built-in layouts only."));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addToMenuButton_);
    buttons->addWidget(removeFromMenuButton_);
    buttons->addWidget(addToLoginButton_);
    buttons->addWidget(removeFromLoginButton_);
    buttons->addStretch();
    buttons->addWidget(repairButton_);
    buttons->addWidget(showButton_);
    buttons->addWidget(removeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(emptyLabel_);
    layout->addLayout(buttons);
    // What the selected item types, below the list.
    auto* keyboard = new KeyboardPanel;
    layout->addWidget(keyboard);
    connect(list_, &QTreeWidget::itemSelectionChanged, keyboard, [this, keyboard] {
        const InstalledItem* selected = selectedItem();
        selected ? keyboard->showItem(selected->path) : keyboard->showNothing();
    });

    list_->installEventFilter(this);
    connect(removeButton_, &QPushButton::clicked, this, &InstalledLayoutsWindow::removeSelected);
    connect(addToMenuButton_, &QPushButton::clicked, this, [this] { requestInputMenuChange(true); });
    connect(removeFromMenuButton_, &QPushButton::clicked, this, [this] { requestInputMenuChange(false); });
    connect(showButton_, &QPushButton::clicked, this, &InstalledLayoutsWindow::showSelectedInFolder);
    connect(repairButton_, &QPushButton::clicked, this,
            [this] { requestForSelected([this](const InstalledItem& item) { emit repairRequested(item); }); });
    for (const auto& [button, adding] : {std::pair{addToLoginButton_, true}, {removeFromLoginButton_, false}})
        connect(button, &QPushButton::clicked, this, [this, present = adding] {
            requestForSelected(
                [this, present](const InstalledItem& item) { emit loginWindowChangeRequested(item, present); });
        });
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &InstalledLayoutsWindow::updateButtons);
    reload();
}

void InstalledLayoutsWindow::setSystemTools(installer::SystemTools tools)
{
    tools_ = std::move(tools);
    reload();
}

void InstalledLayoutsWindow::setBusy(bool busy)
{
    busy_ = busy;
    updateButtons();
}

void InstalledLayoutsWindow::reload()
{
    const InstalledItem* selected = selectedItem();
    const std::filesystem::path keep = selected ? selected->path : std::filesystem::path();
    const int keepRow = std::max(0, list_->indexOfTopLevelItem(list_->currentItem()));
    items_ = installer::listInstalled(tools_);
    std::stable_sort(items_.begin(), items_.end(), [](const InstalledItem& a, const InstalledItem& b) {
        return sortKey(a).localeAwareCompare(sortKey(b)) < 0;
    });
    // Only a system with an input menu has anything to show or do there.
    const bool hasInputMenu = tools_.inputSources.available();
    list_->setColumnHidden(inputMenuColumn, !hasInputMenu);
    addToMenuButton_->setVisible(hasInputMenu);
    removeFromMenuButton_->setVisible(hasInputMenu);
    // Only where the login window's preferences can be read: on a Mac.
    const bool hasLoginWindow = std::any_of(items_.begin(), items_.end(),
                                            [](const InstalledItem& item) { return item.atLoginWindow.has_value(); });
    list_->setColumnHidden(loginWindowColumn, !hasLoginWindow);
    addToLoginButton_->setVisible(hasLoginWindow);
    removeFromLoginButton_->setVisible(hasLoginWindow);

    list_->clear();
    QTreeWidgetItem* current = nullptr;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const InstalledItem& item = items_[i];
        auto* row = new QTreeWidgetItem(list_,
                                        {layoutNames(item), fileName(item), intake::scopeName(item.scope), note(item),
                                         yesOrNo(item.inInputMenu), yesOrNo(item.atLoginWindow)});
        row->setData(nameColumn, Qt::UserRole, QVariant::fromValue(i));
        const QString details = findings(item);
        for (int column = 0; column < list_->columnCount(); ++column) {
            row->setToolTip(column, details);
            row->setData(column, Qt::AccessibleDescriptionRole, details);
        }
        if (item.path == keep)
            current = row;
    }
    // A removed row's place goes to the row that moved up into it.
    if (!current && !items_.empty())
        current = list_->topLevelItem(std::min(keepRow, list_->topLevelItemCount() - 1));
    list_->setCurrentItem(current);
    list_->setVisible(!items_.empty());
    emptyLabel_->setVisible(items_.empty());
    updateButtons();
}

void InstalledLayoutsWindow::removeSelected()
{
    if (const InstalledItem* selected = selectedItem(); selected && !busy_)
        emit removeRequested(InstalledItem(*selected));
}

void InstalledLayoutsWindow::requestInputMenuChange(bool inMenu)
{
    if (const InstalledItem* selected = selectedItem(); selected && !busy_)
        emit inputMenuChangeRequested(InstalledItem(*selected), inMenu);
}

void InstalledLayoutsWindow::requestForSelected(const std::function<void(const InstalledItem&)>& request)
{
    if (const InstalledItem* selected = selectedItem(); selected && !busy_)
        request(InstalledItem(*selected));
}

void InstalledLayoutsWindow::showSelectedInFolder()
{
    if (const InstalledItem* selected = selectedItem())
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(selected->path.parent_path().c_str())));
}

bool InstalledLayoutsWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Delete or Backspace on a row asks to remove it, as the button does.
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Delete || key == Qt::Key_Backspace) {
            removeSelected();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void InstalledLayoutsWindow::changeEvent(QEvent* event)
{
    // What another app or a Finder window changed shows as soon as the window comes forward.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        reload();
    QWidget::changeEvent(event);
}

const InstalledItem* InstalledLayoutsWindow::selectedItem() const
{
    const QList<QTreeWidgetItem*> rows = list_->selectedItems();
    if (rows.isEmpty())
        return nullptr;
    return &items_.at(rows.first()->data(nameColumn, Qt::UserRole).value<std::size_t>());
}

void InstalledLayoutsWindow::updateButtons()
{
    const InstalledItem* item = busy_ ? nullptr : selectedItem();
    removeButton_->setEnabled(item);
    showButton_->setEnabled(item);
    const std::optional<bool> inMenu = item ? item->inInputMenu : std::nullopt;
    addToMenuButton_->setEnabled(inMenu == false);
    removeFromMenuButton_->setEnabled(inMenu == true);
    repairButton_->setEnabled(item && needsRepair(*item));
    const std::optional<bool> atLogin = item ? item->atLoginWindow : std::nullopt;
    addToLoginButton_->setEnabled(atLogin == false);
    removeFromLoginButton_->setEnabled(atLogin == true);
}

}  // namespace app
