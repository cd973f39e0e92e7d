#include "app/install_controller.h"

#include "app/alert.h"
#include "intake/finding_words.h"
#include "intake/layout_file_dialog.h"

#include <QDesktopServices>
#include <QEventLoop>
#include <QFile>
#include <QLocale>

#include <algorithm>
#include <exception>
#include <thread>
#include <utility>

namespace app {

namespace {

std::filesystem::path localPath(const QUrl& url)
{
    // A folder's URL ends in "/"; it names the folder all the same.
    return QFile::encodeName(url.adjusted(QUrl::StripTrailingSlash).toLocalFile()).toStdString();
}

template <typename Finding>
QString joined(const std::vector<Finding>& findings, const char* separator)
{
    QStringList lines;
    for (const Finding& finding : findings)
        lines << intake::sentence(finding);
    return lines.join(QLatin1String(separator));
}

QString decoded(const std::string& name)
{
    return QFile::decodeName(name.c_str());
}

// Up to `most` of the changes as keylayout diff words them, each after its layout's name where
// several changed, then how many more there are.
QStringList changeLines(const std::vector<installer::LayoutDiff>& diffs, std::size_t most)
{
    const bool named = std::count_if(diffs.begin(), diffs.end(), [](const auto& d) { return d.changeCount() > 0; }) > 1;
    QStringList lines;
    for (const installer::LayoutDiff& diff : diffs) {
        const QString name = QString::fromStdString(diff.name);
        if (std::size_t(lines.size()) >= most)
            break;
        if (diff.added() || diff.removed())
            lines << (diff.added() ? InstallController::tr("Added \"%1\"") : InstallController::tr("Removed \"%1\""))
                         .arg(name);
        for (const std::string& described : installer::describedChanges(diff, most - lines.size())) {
            const QString line = QString::fromStdString(described);
            lines << (named ? InstallController::tr("\"%1\": %2").arg(name, line) : line);
        }
    }
    const std::size_t count = installer::changeCount(diffs);
    if (count > std::size_t(lines.size()))
        lines << InstallController::tr("and %1 more").arg(count - lines.size());
    return lines;
}

// What a new version types differently from the one it replaced, and where that one went.
QString changesReport(const installer::InstallOutcome& outcome)
{
    if (!outcome.changes)
        return {};
    const std::size_t count = installer::changeCount(*outcome.changes);
    QStringList lines;
    if (count == 0)
        lines << InstallController::tr("What it types is unchanged.");
    else
        lines << InstallController::tr("Keystrokes that now type something else: %1").arg(count)
              << QStringLiteral("• ") + changeLines(*outcome.changes, 10).join(QStringLiteral("\n• "));
    if (outcome.scope == installer::InstallScope::currentUser)
        lines << InstallController::tr("The version it replaced is in the Trash.");
    return lines.join(QLatin1Char('\n'));
}

// Where the system could not put a layout into the input menu, Keyboard Settings is one click away.
void offerKeyboardSettings(const QString& title, const QString& message, AlertStyle style)
{
    if (showAlertOffering(title, message, style, InstallController::tr("Open Keyboard Settings")))
        QDesktopServices::openUrl(
            QUrl(QStringLiteral("x-apple.systempreferences:com.apple.Keyboard-Settings.extension")));
}

}  // namespace

InstallController::InstallController(std::function<installer::InstallScope()> scope, QObject* parent)
    : QObject(parent)
    , scope_(std::move(scope))
    , fileChooser_(intake::LayoutFileDialog::choose)
{
}

void InstallController::setSystemTools(installer::SystemTools tools)
{
    tools_ = std::move(tools);
}

void InstallController::setFileChooser(FileChooser chooser)
{
    fileChooser_ = std::move(chooser);
}

void InstallController::install(const QList<QUrl>& items)
{
    queue_.append(items);
    // A run under way takes the new items when it comes to them.
    runAlone([this] { installQueued(); });
}

void InstallController::installQueued()
{
    while (!queue_.isEmpty())
        installOne(queue_.takeFirst());
}

void InstallController::chooseAndInstall(QWidget* parent)
{
    if (busy_ || !fileChooser_)
        return;
    if (const std::optional<QUrl> chosen = fileChooser_(parent))
        install({*chosen});
}

void InstallController::remove(const installer::InstalledItem& item)
{
    runAlone([this, item] {
        removeConfirmed(item);
        installQueued();  // what Finder opened meanwhile
    });
}

void InstallController::setInInputMenu(const installer::InstalledItem& item, bool inMenu)
{
    if (busy_)
        return;
    if (!inMenu) {
        installer::disableInInputMenu(item, tools_);
        emit itemsChanged();
        return;
    }
    const installer::InputMenuResult added = installer::enableInInputMenu(item, tools_);
    emit itemsChanged();
    if (added.state != installer::InputMenuResult::State::added)
        offerKeyboardSettings(tr("Not Added to the Input Menu"),
                              tr("The system did not list every layout of \"%1\". Open Keyboard Settings and add "
                                 "the input source there. If it does not appear, sign out and sign back in.")
                                  .arg(decoded(item.path.filename().string())),
                              AlertStyle::warning);
}

bool InstallController::runAlone(const std::function<void()>& flow)
{
    if (busy_)
        return false;
    const auto setBusy = [this](bool busy) {
        busy_ = busy;
        emit busyChanged(busy);
    };
    setBusy(true);
    try {
        flow();
    } catch (...) {
        setBusy(false);
        throw;
    }
    setBusy(false);
    return true;
}

// While an administrator is asked, the event loop goes on as under a modal dialog, so the windows
// repaint and move, and Finder's further opens are taken; control comes back once the step has ended.
void InstallController::waitFor(const std::function<void()>& step, bool announced)
{
    if (announced)
        emit waitingForAdministrator(true);
    QEventLoop loop;
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            step();
        } catch (...) {
            failure = std::current_exception();
        }
        // Queued, so a step that ends before the loop starts still ends it.
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    // The loop also ends when the application quits; the step is still waited for.
    worker.join();
    if (announced)
        emit waitingForAdministrator(false);
    if (failure)
        std::rethrow_exception(failure);
}

void InstallController::installOne(const QUrl& item)
{
    using Result = installer::InstallOutcome::Result;
    if (!item.isLocalFile())
        return;
    const installer::Conversation conversation{
        .proceedDespite =
            [](const std::string& name, const std::vector<installer::Warning>& warnings,
               const std::vector<std::string>& replaceable) {
                using Answer = installer::Conversation::Answer;
                QStringList actions = {tr("Install Anyway")};
                // One installed item in the way, under another file name, is most likely an earlier version.
                if (replaceable.size() == 1)
                    actions << tr("Replace \"%1\"").arg(decoded(replaceable.front()));
                const int chosen = askToChoose(tr("\"%1\" May Not Work as Expected").arg(decoded(name)),
                                               joined(warnings, "\n\n"), AlertStyle::warning, actions);
                return chosen == 0 ? Answer::installAnyway : chosen == 1 ? Answer::replace : Answer::cancel;
            },
        .wait = [this](const std::function<void()>& step) { waitFor(step, true); },
        .installPrompt =
            [](const std::string& name) {
                return tr("Keyboard Installer wants to install \"%1\" for all users.").arg(decoded(name)).toStdString();
            },
        .replacePrompt =
            [](const std::string& name, const std::string& other) {
                return tr("Keyboard Installer wants to install \"%1\" in place of \"%2\" for all users.")
                    .arg(decoded(name), decoded(other))
                    .toStdString();
            },
    };
    const installer::InstallOutcome outcome =
        installer::installItems({localPath(item)}, scope_, tools_, conversation).front();
    switch (outcome.result) {
    case Result::unsupported:
        showAlert(tr("Unsupported File"), tr("Please drag a .keylayout file or keyboard .bundle."),
                  AlertStyle::warning);
        return;
    case Result::refused:
        showAlert(tr("Install Failed"), joined(outcome.report.problems, "\n"), AlertStyle::critical);
        return;
    case Result::failed:
        showAlert(tr("Install Failed"), QString::fromStdString(outcome.failure), AlertStyle::critical);
        return;
    case Result::declined: return;
    case Result::installed: break;
    }
    emit installed(decoded(outcome.name));
    emit itemsChanged();
    tellInstalled(outcome);
}

// Where the layout is in the input menu, it can be chosen at once, unless macOS may still type with
// the version it replaced; where there is no such menu, the steps are told. What a new version
// changes comes first.
void InstallController::tellInstalled(const installer::InstallOutcome& outcome)
{
    using State = installer::InputMenuResult::State;
    const QString title = tr("Keyboard Installed"), report = changesReport(outcome);
    QString after;
    if (outcome.icon == installer::LayoutIcon::State::refused)
        after += QStringLiteral("\n\n")
            + tr("It was installed without its icon: the system did not let Keyboard Installer read it.");
    if (!outcome.refreshFailure.empty())
        after += QStringLiteral("\n\n")
            + tr("The input menu could not be refreshed: %1 Sign out and sign back in to see the change.")
                  .arg(QString::fromStdString(outcome.refreshFailure));
    const auto withReport = [&](const QString& message) {
        return (report.isEmpty() ? message : report + QStringLiteral("\n\n") + message) + after;
    };
    const QString addYourself = withReport(tr("Open Keyboard Settings and add the new input source. "
                                              "If it does not appear immediately, sign out and sign back in."));
    if (outcome.changesAfterSignIn)
        return showAlert(
            title, withReport(tr("macOS may keep typing with the old version until you sign out and sign back in.")),
            AlertStyle::informational);
    switch (outcome.inputMenu.state) {
    case State::added: {
        QStringList names;
        for (const installer::KeyboardLayout& layout : outcome.report.layouts)
            names << tr("\"%1\"").arg(QString::fromStdString(layout.name));
        const QString message =
            withReport((names.size() == 1 ? tr("%1 is in the input menu now.") : tr("%1 are in the input menu now."))
                           .arg(QLocale().createSeparatedList(names)));
        if (showAlertOffering(title, message, AlertStyle::informational, tr("Use Now")))
            tools_.inputSources.select(outcome.inputMenu.ids.front());
        return;
    }
    case State::notFound:
    case State::failed: offerKeyboardSettings(title, addYourself, AlertStyle::informational); return;
    case State::unavailable: showAlert(title, addYourself, AlertStyle::informational);
    }
}

void InstallController::removeConfirmed(const installer::InstalledItem& item)
{
    const QString name = decoded(item.path.filename().string());
    const bool forAllUsers = item.scope == installer::InstallScope::allUsers;
    if (!askToProceed(tr("Remove \"%1\"?").arg(name),
                      forAllUsers ? tr("It is removed for every user of this computer, once an administrator approves.")
                                  : tr("It goes to the Trash."),
                      AlertStyle::warning, tr("Remove")))
        return;
    installer::Conversation conversation;
    conversation.wait = [this](const std::function<void()>& step) { waitFor(step, false); };
    conversation.removePrompt = [](const std::string& name) {
        return tr("Keyboard Installer wants to remove \"%1\" for all users.").arg(decoded(name)).toStdString();
    };
    const installer::RemoveOutcome outcome =
        installer::removeItems({item.path.filename().string()}, item.scope, tools_, conversation).front();
    emit itemsChanged();
    if (!outcome.removed)
        return showAlert(tr("Remove Failed"), QString::fromStdString(outcome.failure), AlertStyle::critical);
    showAlert(tr("Keyboard Layout Removed"),
              tr("\"%1\" leaves the input menu once you switch to another input source. "
                 "If it still shows, sign out and sign back in.")
                  .arg(name),
              AlertStyle::informational);
}

void InstallController::repair(const installer::InstalledItem& item)
{
    runAlone([this, item] {
        installer::Conversation conversation;
        conversation.wait = [this](const std::function<void()>& step) { waitFor(step, false); };
        conversation.repairPrompt = [](const std::string& name) {
            return tr("Keyboard Installer wants to repair \"%1\" for all users.").arg(decoded(name)).toStdString();
        };
        const installer::ChangeOutcome outcome =
            installer::repairItems({item.path.filename().string()}, item.scope, tools_, conversation).front();
        emit itemsChanged();
        if (!outcome.done)
            showAlert(tr("Repair Failed"), QString::fromStdString(outcome.failure), AlertStyle::critical);
    });
}

void InstallController::setAtLoginWindow(const installer::InstalledItem& item, bool present)
{
    runAlone([this, item, present] {
        installer::Conversation conversation;
        conversation.wait = [this](const std::function<void()>& step) { waitFor(step, false); };
        conversation.loginWindowPrompt = [](const std::string& name, bool adding) {
            return (adding ? tr("Keyboard Installer wants to add \"%1\" to the login window.")
                           : tr("Keyboard Installer wants to remove \"%1\" from the login window."))
                .arg(decoded(name))
                .toStdString();
        };
        const installer::ChangeOutcome outcome =
            installer::setItemsAtLoginWindow({item.path.filename().string()}, present, tools_, conversation).front();
        emit itemsChanged();
        if (!outcome.done)
            showAlert(tr("Login Window Not Changed"), QString::fromStdString(outcome.failure), AlertStyle::critical);
    });
}

}  // namespace app
