#include "app/main_window.h"

#include "app/person_view.h"
#include "app/scope_button.h"
#include "intake/colors.h"
#include "intake/drop_view.h"

#include <QBoxLayout>
#include <QEvent>
#include <QSpacerItem>
#include <QTimer>

#include <utility>

namespace app {

namespace {

using installer::InstallScope;

constexpr QSize windowSize(760, 500);
constexpr QSize scopeButtonSize(260, 62);

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

ScopeButton* scopeButton(const QString& text, const QString& description)
{
    auto* button = new ScopeButton(text);
    button->setCheckable(true);
    button->setFixedSize(scopeButtonSize);
    QFont font = button->font();
    font.setPixelSize(18);
    button->setFont(font);
    button->setAccessibleName(button->text().replace(u'\n', u' '));
    button->setAccessibleDescription(description);
    button->setToolTip(description);
    return button;
}

// A figure over its scope button, the column starting `top` from the window's top edge.
QVBoxLayout* scopeColumn(PersonView* figure, QSize figureSize, int top, int gap, ScopeButton* button)
{
    figure->setFixedSize(figureSize);
    auto* column = new QVBoxLayout;
    column->setContentsMargins(0, top, 0, 0);
    column->setSpacing(gap);
    column->addWidget(figure);
    column->addWidget(button, 0, Qt::AlignHCenter);
    column->addStretch();
    return column;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                  | Qt::WindowMinimizeButtonHint)
    , groupView_(new PersonView)
    , currentButton_(
          scopeButton(tr("Install for current user\n(recommended)"),
                      tr("Installs dropped layouts for you only. They do not reach the login window, password "
                         "dialogs or some apps' secure fields; for those, install for all users.")))
    , allButton_(scopeButton(tr("Install for all users\n(Sierra or earlier)"),
                             tr("Installs dropped layouts for every user of this "
                                "computer; asks for an administrator")))
    , dropView_(new intake::DropView)
{
    setWindowTitle(QStringLiteral("Keyboard Installer"));  // the app's name, as in Finder and the Dock
    setFixedSize(windowSize);

    auto* personView = new PersonView;
    personView->setObjectName(QStringLiteral("personView"));
    personView->setColor(intake::blackColor());
    personView->setAccessibleName(tr("Current user"));
    personView->setAccessibleDescription(tr("A single person"));

    groupView_->setObjectName(QStringLiteral("groupView"));
    groupView_->setGroup(true);
    groupView_->setColor(intake::labelColor(palette()));
    groupView_->setAccessibleName(tr("All users"));
    groupView_->setAccessibleDescription(tr("A group of three people"));

    currentButton_->setObjectName(QStringLiteral("currentButton"));
    allButton_->setObjectName(QStringLiteral("allButton"));
    currentButton_->setChecked(true);
    // Two toggles rather than a QButtonGroup: in a group, Qt's Tab reaches only one of the buttons,
    // where each scope is a stop of its own. setScope keeps one checked.
    connect(currentButton_, &QPushButton::clicked, this, [this] { emit scopeChosen(InstallScope::currentUser); });
    connect(allButton_, &QPushButton::clicked, this, [this] { emit scopeChosen(InstallScope::allUsers); });

    dropView_->setObjectName(QStringLiteral("dropView"));
    dropView_->setFixedSize(520, 82);

    QPushButton* installedLink = linkButton(tr("Installed Layouts…"));
    installedLink->setObjectName(QStringLiteral("installedLayoutsLink"));
    installedLink->setAccessibleDescription(tr("Lists the installed keyboard layouts and removes one"));
    connect(installedLink, &QPushButton::clicked, this, &MainWindow::installedLayoutsRequested);

    auto* scopes = new QHBoxLayout;
    scopes->setContentsMargins(70, 0, 60, 0);
    scopes->setSpacing(70);
    scopes->addLayout(scopeColumn(personView, {260, 210}, 55, 18, currentButton_));
    scopes->addLayout(scopeColumn(groupView_, {300, 190}, 72, 20, allButton_));

    // In the margin under the drop area, against its right edge.
    auto* margin = new QHBoxLayout;
    margin->setContentsMargins(0, 0, 120, 0);
    margin->addSpacerItem(new QSpacerItem(0, 28, QSizePolicy::Expanding, QSizePolicy::Fixed));
    margin->addWidget(installedLink, 0, Qt::AlignVCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(scopes, 1);
    layout->addWidget(dropView_, 0, Qt::AlignHCenter);
    layout->addLayout(margin);

    setTabOrder(currentButton_, allButton_);
    setTabOrder(allButton_, dropView_);
    setTabOrder(dropView_, installedLink);
}

void MainWindow::setScope(InstallScope scope)
{
    // Both states are written every time: a click on the checked button has just unchecked it.
    currentButton_->setChecked(scope == InstallScope::currentUser);
    allButton_->setChecked(scope == InstallScope::allUsers);
}

// The front figure's colour adapts to light and dark appearance.
void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        groupView_->setColor(intake::labelColor(palette()));
    QWidget::changeEvent(event);
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    // Queued, so the first frame is on screen before anything else is made.
    if (!std::exchange(painted_, true))
        QTimer::singleShot(0, this, &MainWindow::firstPainted);
}

}  // namespace app
