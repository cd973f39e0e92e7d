#pragma once

#include <QString>
#include <QStringList>

namespace app {

enum class AlertStyle { warning = 0, informational = 1, critical = 2 };

// The one way the app tells the user something: a modal alert with a single "OK" button.
// Returns once the user has dismissed it.
void showAlert(const QString& title, const QString& message, AlertStyle style = AlertStyle::informational);

// The one way the app asks before going on: a modal alert with the buttons `action` and
// "Cancel", which is the default and answers Escape. True when the user chose `action`.
bool askToProceed(const QString& title, const QString& message, AlertStyle style, const QString& action);

// The same with several ways on: the buttons `actions` and "Cancel", the default. The index of
// the action chosen, or -1 for Cancel.
int askToChoose(const QString& title, const QString& message, AlertStyle style, const QStringList& actions);

// An alert that also offers a way on: the buttons `action` and "OK", which is the default and
// answers Escape. True when the user chose `action`.
bool showAlertOffering(const QString& title, const QString& message, AlertStyle style, const QString& action);

}  // namespace app
