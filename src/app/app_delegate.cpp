#include "app/app_delegate.h"

#include "app/installed_layouts_window.h"
#include "app/person_view.h"
#include "app/scope_button.h"
#include "intake/anchor_layout.h"
#include "intake/colors.h"
#include "intake/drop_view.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFileOpenEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <utility>

namespace app {

namespace {

using intake::Anchor;
using intake::equal;

constexpr QSize windowSize(760, 500);

// A button that reads as a link, for what is beside the window's purpose.
QPushButton* linkButton(const QString& text)
{
    auto* button = new QPushButton(text);
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, intake::systemBlueColor(palette));
    button->setPalette(palette);
    return button;
}

}  // namespace

AppDelegate::AppDelegate()
    : currentButton_(std::make_unique<ScopeButton>(tr("Install for current user\n(recommended)")))
    , allButton_(std::make_unique<ScopeButton>(tr("Install for all users\n(Sierra or earlier)")))
{
    // Finder's "Open With" and the Dock icon send their file to the application object.
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(this);
}

AppDelegate::~AppDelegate() = default;

void AppDelegate::applicationDidFinishLaunching()
{
    if (window_) {
        window_->show();
        return;
    }

    window_ = std::make_unique<QWidget>(nullptr,
                                        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                            | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
    window_->setWindowTitle(QStringLiteral("Keyboard Installer"));  // the app's name, as in Finder and the Dock
    window_->setFixedSize(windowSize);

    auto* personView = new PersonView;
    personView->setObjectName(QStringLiteral("personView"));
    personView->setColor(intake::blackColor());
    personView->setAccessibleName(tr("Current user"));
    personView->setAccessibleDescription(tr("A single person"));

    groupView_ = new PersonView;
    groupView_->setObjectName(QStringLiteral("groupView"));
    groupView_->setGroup(true);
    groupView_->setColor(intake::labelColor(window_->palette()));
    groupView_->setAccessibleName(tr("All users"));
    groupView_->setAccessibleDescription(tr("A group of three people"));
    // The front figure's colour adapts to light and dark appearance.
    groupView_->installEventFilter(this);

    currentButton_->setObjectName(QStringLiteral("currentButton"));
    configureScopeButton(currentButton_.get(), tr("Installs dropped layouts for you only"));
    connect(currentButton_.get(), &QPushButton::clicked, this, &AppDelegate::selectCurrent);
    currentButton_->setChecked(true);

    allButton_->setObjectName(QStringLiteral("allButton"));
    configureScopeButton(allButton_.get(),
                         tr("Installs dropped layouts for every user of this "
                            "computer; asks for an administrator"));
    connect(allButton_.get(), &QPushButton::clicked, this, &AppDelegate::selectAll);

    auto* dropView = new intake::DropView;
    dropView->setObjectName(QStringLiteral("dropView"));
    dropView->setScopeProvider(scopeProvider());
    dropView->setSystemTools(tools_);
    dropView->setActivity(&activity_);
    dropView_ = dropView;
    connect(dropView, &intake::DropView::installed, this, [this] {
        if (installedWindow_)
            installedWindow_->reload();
    });

    QPushButton* installedLink = linkButton(tr("Installed Layouts…"));
    installedLink->setObjectName(QStringLiteral("installedLayoutsLink"));
    installedLink->setAccessibleDescription(tr("Lists the installed keyboard layouts and removes one"));
    connect(installedLink, &QPushButton::clicked, this, &AppDelegate::showInstalledLayouts);
    auto* showInstalled = new QAction(tr("Installed Layouts…"), window_.get());
    showInstalled->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));  // Command-L on macOS
    showInstalled->setShortcutContext(Qt::ApplicationShortcut);
    window_->addAction(showInstalled);
    connect(showInstalled, &QAction::triggered, this, &AppDelegate::showInstalledLayouts);
#ifdef Q_OS_MACOS
    // Without a parent it is the menu bar at the top of the screen.
    menuBar_ = std::make_unique<QMenuBar>();
    menuBar_->addMenu(tr("Window"))->addAction(showInstalled);
#endif

    QWidget* content = window_.get();
    for (QWidget* view : {static_cast<QWidget*>(personView), static_cast<QWidget*>(groupView_),
                          static_cast<QWidget*>(currentButton_.get()), static_cast<QWidget*>(allButton_.get()),
                          static_cast<QWidget*>(dropView), static_cast<QWidget*>(installedLink)})
        view->setParent(content);  // a view added later lies above the ones before it
    QWidget::setTabOrder(currentButton_.get(), allButton_.get());
    QWidget::setTabOrder(allButton_.get(), dropView);
    QWidget::setTabOrder(dropView, installedLink);

    auto* layout = new intake::AnchorLayout(content);
    layout->activateConstraints({
        equal(personView, Anchor::leading, content, Anchor::leading, 70),
        equal(personView, Anchor::top, content, Anchor::top, 55),
        equal(personView, Anchor::width, 260),
        equal(personView, Anchor::height, 210),
        equal(groupView_, Anchor::trailing, content, Anchor::trailing, -60),
        equal(groupView_, Anchor::top, content, Anchor::top, 72),
        equal(groupView_, Anchor::width, 300),
        equal(groupView_, Anchor::height, 190),
        equal(currentButton_.get(), Anchor::centerX, personView, Anchor::centerX),
        equal(currentButton_.get(), Anchor::top, personView, Anchor::bottom, 18),
        equal(currentButton_.get(), Anchor::width, 260),
        equal(currentButton_.get(), Anchor::height, 62),
        equal(allButton_.get(), Anchor::centerX, groupView_, Anchor::centerX),
        equal(allButton_.get(), Anchor::top, groupView_, Anchor::bottom, 20),
        equal(allButton_.get(), Anchor::width, 260),
        equal(allButton_.get(), Anchor::height, 62),
        equal(dropView, Anchor::centerX, content, Anchor::centerX),
        equal(dropView, Anchor::bottom, content, Anchor::bottom, -28),
        equal(dropView, Anchor::width, 520),
        equal(dropView, Anchor::height, 82),
        // In the margin under the drop area, against its right edge.
        equal(installedLink, Anchor::trailing, dropView, Anchor::trailing),
        equal(installedLink, Anchor::centerY, content, Anchor::bottom, -14),
    });

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window_->move(screen->availableGeometry().center() - window_->rect().center());
    window_->show();
    window_->raise();
    window_->activateWindow();

    for (const QUrl& url : std::exchange(pendingOpens_, {}))
        dropView_->installItem(url);
}

void AppDelegate::setSystemTools(installer::SystemTools tools)
{
    tools_ = std::move(tools);
    if (dropView_)
        dropView_->setSystemTools(tools_);
    if (installedWindow_)
        installedWindow_->setSystemTools(tools_);
}

void AppDelegate::showInstalledLayouts()
{
    if (!installedWindow_) {
        installedWindow_ = std::make_unique<InstalledLayoutsWindow>();
        installedWindow_->setSystemTools(tools_);
        installedWindow_->setActivity(&activity_);
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            installedWindow_->move(screen->availableGeometry().center() - installedWindow_->rect().center());
    }
    installedWindow_->show();
    installedWindow_->raise();
    installedWindow_->activateWindow();
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
        const QUrl url = static_cast<QFileOpenEvent*>(event)->url();
        if (dropView_)
            dropView_->installItem(url);
        else
            pendingOpens_.append(url);
        return true;
    }
    if (watched == groupView_ && event->type() == QEvent::PaletteChange)
        groupView_->setColor(intake::labelColor(groupView_->palette()));
    return QObject::eventFilter(watched, event);
}

void AppDelegate::select(installer::InstallScope scope)
{
    // Both states are written every time: a click on the checked button has just unchecked it.
    selectedScope_ = scope;
    currentButton_->setChecked(scope == installer::InstallScope::currentUser);
    allButton_->setChecked(scope == installer::InstallScope::allUsers);
    currentButton_->update();
    allButton_->update();
}

void AppDelegate::configureScopeButton(ScopeButton* button, const QString& description)
{
    button->setCheckable(true);
    QFont font = button->font();
    font.setPixelSize(18);
    button->setFont(font);
    button->setAccessibleName(button->text().replace(u'\n', u' '));
    button->setAccessibleDescription(description);
}

}  // namespace app
