#pragma once

// The alerts moved up to the application, which decides what to say.
#include "app/alert.h"

namespace intake {
using app::AlertStyle;
using app::askToProceed;
using app::showAlert;
using app::showAlertOffering;
}  // namespace intake
