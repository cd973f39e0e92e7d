#pragma once

#include <QString>

namespace intake {

enum class AlertStyle { warning = 0, informational = 1, critical = 2 };

// The one way the app speaks to the user: a modal alert with a single "OK" button.
// Returns once the user has dismissed it.
void showAlert(const QString& title, const QString& message,
               AlertStyle style = AlertStyle::informational);

}  // namespace intake
