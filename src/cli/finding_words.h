#pragma once

#include "installer/install_scope.h"
#include "layout/layout_check.h"

#include <string>
#include <vector>

// keylayout's English for what the checks find. Standard C++ alone, so that the checks' tests read
// the findings as keylayout prints them.
namespace cli {

// The finding as one sentence that names its files.
std::string sentence(const installer::Problem& problem);
std::string sentence(const installer::Warning& warning);

// A word or two for each kind of finding in the report, each once, in the order found: what a list
// of installed items shows beside one; the sentences say the rest.
std::vector<std::string> notes(const installer::LayoutReport& report);

// Whom the scope installs for, as a list shows it.
std::string scopeName(installer::InstallScope scope);

// What a list of installed items says when both folders hold none.
inline constexpr const char* nothingInstalled = "No keyboard layouts are installed, for you or for all users.";

}  // namespace cli
