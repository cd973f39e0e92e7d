#include "app/alert.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace app {

namespace {

QMessageBox::Icon iconFor(AlertStyle style)
{
    switch (style) {
    case AlertStyle::warning: return QMessageBox::Warning;
    case AlertStyle::critical: return QMessageBox::Critical;
    case AlertStyle::informational: break;
    }
    return QMessageBox::Information;
}

// Runs the alert with `focused` as its default button; the button that ended it.
QAbstractButton* run(QMessageBox& box, const QString& title, const QString& message, AlertStyle style,
                     QPushButton* focused)
{
    box.setText(title);
    box.setInformativeText(message);
    box.setIcon(iconFor(style));
    // A screen reader names the alert by its title and reads the message with it.
    box.setAccessibleName(title);
    box.setAccessibleDescription(message);
    box.setDefaultButton(focused);
    focused->setFocus();
    box.exec();
    return box.clickedButton();
}

}  // namespace

void showAlert(const QString& title, const QString& message, AlertStyle style)
{
    // Parented to the active window so the alert comes up over it, not somewhere on screen.
    QMessageBox box(QApplication::activeWindow());
    run(box, title, message, style, box.addButton(QMessageBox::Ok));
}

bool askToProceed(const QString& title, const QString& message, AlertStyle style, const QString& action)
{
    return askToChoose(title, message, style, {action}) == 0;
}

int askToChoose(const QString& title, const QString& message, AlertStyle style, const QStringList& actions)
{
    QMessageBox box(QApplication::activeWindow());
    QList<QAbstractButton*> offered;
    for (const QString& action : actions)
        offered << box.addButton(action, offered.isEmpty() ? QMessageBox::AcceptRole : QMessageBox::ActionRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setEscapeButton(cancel);
    return int(offered.indexOf(run(box, title, message, style, cancel)));
}

bool showAlertOffering(const QString& title, const QString& message, AlertStyle style, const QString& action)
{
    QMessageBox box(QApplication::activeWindow());
    QPushButton* offered = box.addButton(action, QMessageBox::ActionRole);
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    box.setEscapeButton(ok);
    return run(box, title, message, style, ok) == offered;
}

}  // namespace app
