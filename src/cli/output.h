#pragma once

#include "installer/installed_layouts.h"
#include "layout/layout_check.h"

#include <QJsonArray>
#include <QJsonObject>

#include <string>
#include <vector>

namespace cli {

// A line for people, on standard error.
void tell(const std::string& line);

// Each problem and warning of the report, one sentence a line.
void tellFindings(const installer::LayoutReport& report);

// Each piece of the report's advice on the item, one sentence a line.
void tellAdvice(const std::string& item, const installer::LayoutReport& report);

// The installed items as rows of a table on standard output: file name, whom it is for, the
// layouts, the notes; under each row, the sentences behind its notes. With none, says so on
// standard error.
void printInstalled(const std::vector<installer::InstalledItem>& items);

// The one JSON document of a run, on standard output.
void printJson(const QJsonArray& document);

// What `check --json` says of one item; `installable` may be stricter than the report.
QJsonObject checkedItemJson(const std::string& item, const installer::LayoutReport& report, bool installable);

// What `list --json` says of one installed item.
QJsonObject installedItemJson(const installer::InstalledItem& item);

}  // namespace cli
