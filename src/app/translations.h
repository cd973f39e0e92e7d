#pragma once

#include <QLocale>

class QApplication;

namespace app {

// Installs the app's texts and Qt's own (the standard buttons, the file chooser) in the first of
// the system's preferred languages that the app speaks: on macOS those of System Settings,
// elsewhere LANGUAGE's list, else LC_ALL, LC_MESSAGES or LANG. English, the texts' own language,
// is never passed over for a language preferred after it. Call it before any window is built.
// Answers the language the windows speak.
QLocale loadTranslations(QApplication& application);

}  // namespace app
