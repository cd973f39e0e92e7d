#include "cli/output.h"

#include "cli/advice.h"
#include "cli/finding_words.h"
#include "platform/files.h"
#include "platform/text.h"

#include <QJsonDocument>

#include <algorithm>
#include <cstdio>
#include <iostream>

namespace cli {
namespace {

// The kinds as CI steps filter on them; the names stay as they are.
const char* kindName(installer::Problem::Kind kind)
{
    using Kind = installer::Problem::Kind;
    switch (kind) {
    case Kind::missing: return "missing";
    case Kind::notLayoutItem: return "notLayoutItem";
    case Kind::notLayout: return "notLayout";
    case Kind::cannotLoad: return "cannotLoad";
    case Kind::unreadable: return "unreadable";
    case Kind::noLayoutInBundle: return "noLayoutInBundle";
    }
    return "";
}

const char* kindName(installer::Warning::Kind kind)
{
    using Kind = installer::Warning::Kind;
    switch (kind) {
    case Kind::layoutCannotLoad: return "layoutCannotLoad";
    case Kind::duplicate: return "duplicate";
    case Kind::installedTwice: return "installedTwice";
    case Kind::bundleMetadata: return "bundleMetadata";
    case Kind::icon: return "icon";
    case Kind::extendedAttribute: return "extendedAttribute";
    case Kind::permissions: return "permissions";
    case Kind::owner: return "owner";
    }
    return "";
}

// Each problem or warning as {"kind": ..., "message": ...}.
template <typename Finding>
QJsonArray findings(const std::vector<Finding>& found)
{
    QJsonArray array;
    for (const Finding& finding : found)
        array.append(
            QJsonObject{{"kind", kindName(finding.kind)}, {"message", QString::fromStdString(sentence(finding))}});
    return array;
}

QJsonArray layouts(const installer::LayoutReport& report)
{
    QJsonArray array;
    for (const installer::KeyboardLayout& layout : report.layouts)
        array.append(QJsonObject{{"file", QString::fromStdString(layout.file)},
                                 {"name", QString::fromStdString(layout.name)},
                                 {"id", qint64(layout.id)},
                                 {"group", qint64(layout.group)}});
    return array;
}

std::string joined(const std::vector<std::string>& texts)
{
    std::string result;
    for (const std::string& text : texts)
        result += (result.empty() ? "" : ", ") + text;
    return result;
}

}  // namespace

void tell(const std::string& line)
{
    std::cerr << line << '\n';
}

void tellFindings(const installer::LayoutReport& report)
{
    for (const installer::Problem& problem : report.problems)
        tell("Refused: " + sentence(problem));
    for (const installer::Warning& warning : report.warnings)
        tell("Warning: " + sentence(warning));
}

void tellAdvice(const std::string& item, const installer::LayoutReport& report)
{
    for (const installer::Advice& advice : report.advice)
        tell("Advice: " + adviceMessage(platform::lastPathComponent(item), advice));
}

void printInstalled(const std::vector<installer::InstalledItem>& items)
{
    const auto print = [](const std::string& line) { std::cout << line << '\n'; };
    if (items.empty())
        return tell(nothingInstalled);
    std::vector<std::vector<std::string>> rows;
    std::size_t widths[3] = {};
    for (const installer::InstalledItem& item : items) {
        std::vector<std::string> names;
        for (const installer::KeyboardLayout& layout : item.report.layouts)
            names.push_back(layout.name);
        std::vector<std::string> notes = cli::notes(item.report);
        if (item.atLoginWindow == true)
            notes.insert(notes.begin(), "At the login window");
        if (item.inInputMenu)
            notes.insert(notes.begin(), *item.inInputMenu ? "In the input menu" : "Not in the input menu");
        rows.push_back({item.path.filename().string(), scopeName(item.scope), joined(names), joined(notes)});
        for (std::size_t column = 0; column < 3; ++column)
            widths[column] = std::max(widths[column], platform::displayWidth(rows.back()[column]));
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::string line;
        for (std::size_t column = 0; column < 3; ++column)
            line += rows[i][column] + std::string(widths[column] - platform::displayWidth(rows[i][column]) + 2, ' ');
        line += rows[i][3];
        print(line.substr(0, line.find_last_not_of(' ') + 1));
        for (const installer::Problem& problem : items[i].report.problems)
            print("    " + sentence(problem));
        for (const installer::Warning& warning : items[i].report.warnings)
            print("    " + sentence(warning));
    }
}

void printJson(const QJsonArray& document)
{
    const QByteArray text = QJsonDocument(document).toJson(QJsonDocument::Indented);
    std::fwrite(text.constData(), 1, std::size_t(text.size()), stdout);
}

QJsonObject checkedItemJson(const std::string& item, const installer::LayoutReport& report, bool installable)
{
    QJsonArray advice;
    for (const installer::Advice& one : report.advice)
        advice.append(
            QJsonObject{{"kind", adviceKindName(one.kind)},
                        {"message", QString::fromStdString(adviceMessage(platform::lastPathComponent(item), one))}});
    return {{"item", QString::fromStdString(item)},
            {"advice", advice},
            {"installable", installable},
            {"layouts", layouts(report)},
            {"problems", findings(report.problems)},
            {"warnings", findings(report.warnings)}};
}

QJsonObject installedItemJson(const installer::InstalledItem& item)
{
    return {{"item", QString::fromStdString(item.path.filename().string())},
            {"scope", item.scope == installer::InstallScope::allUsers ? "allUsers" : "currentUser"},
            {"layouts", layouts(item.report)},
            {"problems", findings(item.report.problems)},
            {"warnings", findings(item.report.warnings)},
            {"enabled", item.inInputMenu ? QJsonValue(*item.inInputMenu) : QJsonValue(QJsonValue::Null)},
            {"loginWindow", item.atLoginWindow ? QJsonValue(*item.atLoginWindow) : QJsonValue(QJsonValue::Null)}};
}

}  // namespace cli
