#include "intake/drop_view.h"

#include "flows/flows.h"
#include "intake/accessible_drop_view.h"
#include "intake/activity.h"
#include "intake/alert.h"
#include "intake/anchor_layout.h"
#include "intake/colors.h"
#include "intake/finding_words.h"
#include "intake/layout_file_dialog.h"

#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include <filesystem>
#include <string>
#include <vector>

namespace intake {

namespace {

using intake::Anchor;

constexpr int borderWidth = 2;
constexpr int cornerRadius = 8;

QFont systemFont(int pixelSize, bool bold)
{
    QFont font;
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void setTextColor(QLabel* label, const QColor& color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

// The dragged item's local file URL: only the first URL counts, and only a local file.
QUrl firstLocalFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return {};
    return urls.first();
}

std::filesystem::path localPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

template <typename Finding>
QString joined(const std::vector<Finding>& findings, const char* separator)
{
    QStringList lines;
    for (const Finding& finding : findings)
        lines << sentence(finding);
    return lines.join(QLatin1String(separator));
}

}  // namespace

DropView::DropView(QWidget* parent)
    : QWidget(parent)
    , titleLabel_(new QLabel(tr("Keyboard layout to install:"), this))
    , hintLabel_(new QLabel(tr("Drag keyboard layout here to install"), this))
    , fileChooser_(LayoutFileDialog::choose)
    , activity_(new Activity(this))
{
    AccessibleDropView::installFactory();
    setAcceptDrops(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(LayoutFileDialog::title());
    setAccessibleDescription(accessibleHelp());

    titleLabel_->setObjectName(QStringLiteral("titleLabel"));
    titleLabel_->setFont(systemFont(18, true));
    titleLabel_->setAlignment(Qt::AlignCenter);
    hintLabel_->setObjectName(QStringLiteral("hintLabel"));
    hintLabel_->setFont(systemFont(17, false));
    hintLabel_->setAlignment(Qt::AlignCenter);
    applyLabelColors();

    auto* layout = new intake::AnchorLayout(this);
    layout->activateConstraints({
        intake::equal(titleLabel_, Anchor::centerX, this, Anchor::centerX),
        intake::equal(titleLabel_, Anchor::top, this, Anchor::top, 8),
        intake::equal(hintLabel_, Anchor::centerX, this, Anchor::centerX),
        intake::equal(hintLabel_, Anchor::top, titleLabel_, Anchor::bottom, 14),
    });
}

void DropView::setScopeProvider(std::function<installer::InstallScope()> provider)
{
    scopeProvider_ = std::move(provider);
}

void DropView::setFileChooser(FileChooser chooser)
{
    fileChooser_ = std::move(chooser);
}

void DropView::setSystemTools(SystemTools tools)
{
    tools_ = std::move(tools);
}

void DropView::setActivity(Activity* activity)
{
    activity_ = activity;
}

void DropView::chooseItem()
{
    if (!fileChooser_ || activity_->isBusy())
        return;
    if (const std::optional<QUrl> chosen = fileChooser_(window()))
        installItem(*chosen);
}

QString DropView::hintText() const
{
    return hintLabel_->text();
}

QColor DropView::borderColor() const
{
    return highlighted_ || hasFocus() ? intake::controlAccentColor(palette()) : intake::clearColor();
}

bool DropView::performDragOperation(const QMimeData* data)
{
    setHighlighted(false);
    const QUrl url = firstLocalFile(data);
    if (url.isEmpty())
        return false;
    return installItem(url);
}

QString DropView::accessibleHelp()
{
    return tr("Opens a file chooser. You can also drag a .keylayout file or keyboard .bundle "
              "folder here to install it");
}

bool DropView::installItem(const QUrl& dropped)
{
    if (!dropped.isLocalFile() || activity_->isBusy())
        return false;
    // A folder's URL ends in "/"; it names the folder all the same.
    const QUrl url = dropped.adjusted(QUrl::StripTrailingSlash);
    bool installed = false;
    activity_->runAlone([&] { installed = installChecked(localPath(url.toLocalFile())); });
    return installed;
}

bool DropView::installChecked(const std::filesystem::path& item)
{
    using Result = installer::InstallOutcome::Result;
    const installer::Conversation conversation{
        .proceedDespite =
            [](const std::string& name, const std::vector<installer::Warning>& warnings) {
                return askToProceed(tr("\"%1\" May Not Work as Expected").arg(QFile::decodeName(name.c_str())),
                                    joined(warnings, "\n\n"), AlertStyle::warning, tr("Install Anyway"));
            },
        .wait = [this](const std::function<void()>& step) { waitForAdministrator(step); },
    };
    const installer::InstallOutcome outcome =
        installer::installItems({item}, scopeProvider_, tools_, conversation).front();
    const QString name = QFile::decodeName(outcome.name.c_str());
    const auto failed = [](const QString& message) {
        showAlert(tr("Install Failed"), message, AlertStyle::critical);
        return false;
    };
    switch (outcome.result) {
    case Result::unsupported:
        showAlert(tr("Unsupported File"), tr("Please drag a .keylayout file or keyboard .bundle."),
                  AlertStyle::warning);
        return false;
    case Result::refused: return failed(joined(outcome.report.problems, "\n"));
    case Result::failed: return failed(QString::fromStdString(outcome.failure));
    case Result::declined: return false;
    case Result::installed: break;
    }
    showInstalled(name);
    emit installed(name);
    tellInstalled(outcome);
    return true;
}

// Where the layout is in the input menu, it can be chosen at once; where the system could not put
// it there, Keyboard Settings is one click away; where there is no such menu, the steps are told.
void DropView::tellInstalled(const installer::InstallOutcome& outcome)
{
    using State = installer::InputMenuResult::State;
    const QString title = tr("Keyboard Installed");
    const QString addYourself = tr("Open Keyboard Settings and add the new input source. "
                                   "If it does not appear immediately, sign out and sign back in.");
    switch (outcome.inputMenu.state) {
    case State::added: {
        QStringList names;
        for (const installer::KeyboardLayout& layout : outcome.report.layouts)
            names << tr("\"%1\"").arg(QString::fromStdString(layout.name));
        const QString message =
            (names.size() == 1 ? tr("%1 is in the input menu now.") : tr("%1 are in the input menu now."))
                .arg(QLocale().createSeparatedList(names));
        if (showAlertOffering(title, message, AlertStyle::informational, tr("Use Now")))
            tools_.inputSources.select(outcome.inputMenu.ids.front());
        return;
    }
    case State::notFound:
    case State::failed:
        if (showAlertOffering(title, addYourself, AlertStyle::informational, tr("Open Keyboard Settings")))
            QDesktopServices::openUrl(
                QUrl(QStringLiteral("x-apple.systempreferences:com.apple.Keyboard-Settings.extension")));
        return;
    case State::unavailable: showAlert(title, addYourself, AlertStyle::informational);
    }
}

// The hint says what the app waits for, then reads as it did: the outcome comes after this.
void DropView::waitForAdministrator(const std::function<void()>& step)
{
    const QString before = hintLabel_->text();
    hintLabel_->setText(tr("Waiting for administrator approval…"));
    AccessibleDropView::announceOutcome(this, hintLabel_->text());
    try {
        activity_->waitFor(step);
    } catch (...) {
        hintLabel_->setText(before);
        throw;
    }
    hintLabel_->setText(before);
}

void DropView::dragEnterEvent(QDragEnterEvent* event)
{
    if (firstLocalFile(event->mimeData()).isEmpty() || activity_->isBusy()) {
        event->ignore();
        return;
    }
    setHighlighted(true);
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void DropView::dragLeaveEvent(QDragLeaveEvent* /*event*/)
{
    setHighlighted(false);
}

void DropView::dropEvent(QDropEvent* event)
{
    // Copy, never move: a move would let the drag source delete the original.
    event->setDropAction(Qt::CopyAction);
    event->setAccepted(performDragOperation(event->mimeData()));
}

void DropView::paintEvent(QPaintEvent* /*event*/)
{
    const QColor color = borderColor();
    if (color.alpha() == 0)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, borderWidth));
    painter.setBrush(Qt::NoBrush);
    // The border lies inside the bounds, its outer edge following the corner radius.
    const qreal half = borderWidth / 2.0;
    painter.drawRoundedRect(QRectF(rect()).adjusted(half, half, -half, -half), cornerRadius - half,
                            cornerRadius - half);
}

void DropView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        chooseItem();
}

void DropView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: chooseItem(); break;
    default: QWidget::keyPressEvent(event);
    }
}

void DropView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        applyLabelColors();
    QWidget::changeEvent(event);
}

void DropView::setHighlighted(bool highlighted)
{
    if (highlighted_ == highlighted)
        return;
    highlighted_ = highlighted;
    update();
}

void DropView::showInstalled(const QString& name)
{
    showsInstalled_ = true;
    titleLabel_->setText(tr("Installed:"));
    hintLabel_->setText(tr("Installed %1").arg(name));
    hintLabel_->setFont(systemFont(17, true));
    applyLabelColors();
    AccessibleDropView::announceOutcome(this, hintLabel_->text());
}

void DropView::applyLabelColors()
{
    const QPalette& palette = this->palette();
    setTextColor(titleLabel_, intake::systemBlueColor(palette));
    setTextColor(hintLabel_, showsInstalled_ ? intake::systemBlueColor(palette) : intake::secondaryLabelColor(palette));
}

}  // namespace intake
