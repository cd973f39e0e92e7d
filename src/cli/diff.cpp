#include "cli/diff.h"

#include "cli/output.h"
#include "cli/show.h"
#include "layout/keyboard_diff.h"
#include "platform/files.h"
#include "platform/text.h"

#include <iostream>

namespace fs = std::filesystem;

namespace cli {
namespace {

QJsonValue fileJson(const std::optional<std::string>& file)
{
    return file ? QJsonValue(QString::fromStdString(*file)) : QJsonValue(QJsonValue::Null);
}

QJsonObject keystrokeJson(const installer::Keystroke& key)
{
    return {{"code", key.code}, {"layer", QString::fromUtf8(installer::layerName(key.layer))}};
}

QJsonObject changeJson(const installer::Keystroke& key, const installer::Typed& before, const installer::Typed& after)
{
    QJsonObject change = keystrokeJson(key);
    change.insert(QStringLiteral("old"), QString::fromStdString(before.text));
    change.insert(QStringLiteral("new"), QString::fromStdString(after.text));
    change.insert(QStringLiteral("deadBefore"), before.dead);
    change.insert(QStringLiteral("deadAfter"), after.dead);
    return change;
}

QJsonArray diffJson(const std::vector<installer::LayoutDiff>& diffs)
{
    QJsonArray document;
    for (const installer::LayoutDiff& diff : diffs) {
        QJsonArray changes, compositions;
        for (const installer::KeyChange& change : diff.keys)
            changes.append(changeJson(change.key, change.before, change.after));
        for (const installer::CompositionChange& change : diff.compositions) {
            QJsonObject composition = changeJson(change.key, change.before, change.after);
            composition.insert(QStringLiteral("after"), keystrokeJson(change.deadKey));
            compositions.append(composition);
        }
        document.append(QJsonObject{{"name", QString::fromStdString(diff.name)},
                                    {"old", fileJson(diff.beforeFile)},
                                    {"new", fileJson(diff.afterFile)},
                                    {"changes", changes},
                                    {"compositions", compositions}});
    }
    return document;
}

// A heading for each layout that changed with its changes under it, then how many there are.
std::string diffText(const std::vector<installer::LayoutDiff>& diffs)
{
    std::string text;
    for (const installer::LayoutDiff& diff : diffs) {
        const std::string name = platform::inQuotes(diff.name);
        if (diff.added()) {
            text += "Added " + name + " (" + *diff.afterFile + ").\n";
        } else if (diff.removed()) {
            text += "Removed " + name + " (" + *diff.beforeFile + ").\n";
        } else if (diff.changeCount() > 0) {
            const std::string files =
                *diff.beforeFile == *diff.afterFile ? *diff.afterFile : *diff.beforeFile + " → " + *diff.afterFile;
            text += name + " (" + files + "):\n";
            for (const std::string& line : installer::describedChanges(diff))
                text += "  " + line + "\n";
        }
    }
    const std::size_t count = installer::changeCount(diffs);
    return text
        + (count == 0       ? std::string("No changes: both type the same.")
               : count == 1 ? std::string("1 change.")
                            : std::to_string(count) + " changes.")
        + "\n";
}

}  // namespace

ExitCode diff(const fs::path& before, const fs::path& after, bool json)
{
    const installer::ItemKeyboards old = readKeyboards(before);
    if (!old.report.installable())
        tell(platform::inQuotes(platform::lastPathComponent(before)) + " cannot be compared.");
    const installer::ItemKeyboards current = readKeyboards(after);
    if (!current.report.installable())
        tell(platform::inQuotes(platform::lastPathComponent(after)) + " cannot be compared.");
    if (!old.report.installable() || !current.report.installable())
        return usageError;

    const std::vector<installer::LayoutDiff> diffs = installer::diffItems(old, current);
    if (json)
        printJson(diffJson(diffs));
    else
        std::cout << diffText(diffs);
    return installer::changeCount(diffs) == 0 ? succeeded : failed;
}

}  // namespace cli
