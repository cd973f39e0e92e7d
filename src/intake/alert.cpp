#include "intake/alert.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace intake {

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

}  // namespace

void showAlert(const QString& title, const QString& message, AlertStyle style)
{
    // Parented to the active window so the alert comes up over it, not somewhere on screen.
    QMessageBox box(QApplication::activeWindow());
    box.setText(title);
    box.setInformativeText(message);
    box.setIcon(iconFor(style));
    // A screen reader names the alert by its title and reads the message with it.
    box.setAccessibleName(title);
    box.setAccessibleDescription(message);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    ok->setFocus();
    box.exec();
}

}  // namespace intake
