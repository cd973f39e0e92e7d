#pragma once

#include "installer/install_scope.h"
#include "layout/layout_check.h"

#include <QString>
#include <QStringList>

// The windows' words for what the checks find, in the application's language.
namespace intake {

// The finding as one sentence that names its files.
QString sentence(const installer::Problem& problem);
QString sentence(const installer::Warning& warning);

// A word or two for each kind of finding in the report, each once, in the order found: what the
// list of installed items shows beside one; the sentences say the rest.
QStringList notes(const installer::LayoutReport& report);

// Whom the scope installs for, as the list shows it.
QString scopeName(installer::InstallScope scope);

// What the list of installed items says when both folders hold none.
QString nothingInstalled();

}  // namespace intake
