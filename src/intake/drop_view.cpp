#include "intake/drop_view.h"

#include "installer/layout_check.h"
#include "installer/refresh.h"
#include "installer/system_install.h"
#include "installer/user_install.h"
#include "intake/alert.h"
#include "platform/anchor_layout.h"
#include "platform/colors.h"
#include "platform/error.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStandardPaths>

#include <exception>
#include <filesystem>

namespace intake {

namespace {

using platform::Anchor;

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

bool isLayout(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString extension = dot < 0 ? QString() : name.mid(dot + 1).toLower();
    return extension == u"keylayout" || extension == u"bundle";
}

std::filesystem::path localPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

std::filesystem::path userLayoutsFolder()
{
    return localPath(QDir::homePath() + QStringLiteral("/Library/Keyboard Layouts"));
}

const QString chooserTitle = QStringLiteral("Choose a keyboard layout to install");

bool isBundle(const QString& path)
{
    return path.endsWith(QStringLiteral(".bundle"), Qt::CaseInsensitive);
}

// A file dialog in which a .bundle folder is chosen like a file instead of opened; macOS's own
// panel does so already, and Qt's dialog does so here.
class LayoutFileDialog : public QFileDialog {
public:
    explicit LayoutFileDialog(QWidget* parent)
        : QFileDialog(parent, chooserTitle)
    {
        setFileMode(QFileDialog::ExistingFile);
        setNameFilter(QStringLiteral("Keyboard layouts (*.keylayout *.bundle)"));
        const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
        if (!downloads.isEmpty() && QDir(downloads).exists())
            setDirectory(downloads);
#ifndef Q_OS_MACOS
        // Elsewhere the platform's chooser would only open a folder, never choose it.
        setOption(QFileDialog::DontUseNativeDialog);
#endif
        connect(this, &QFileDialog::directoryEntered, this, [this](const QString& path) {
            if (isBundle(path))
                choose(path);
        });
    }

    std::optional<QUrl> chosen() const { return chosen_; }

protected:
    void accept() override
    {
        const QStringList files = selectedFiles();
        if (files.size() == 1 && isBundle(files.first()) && QFileInfo(files.first()).isDir())
            choose(files.first());
        else
            QFileDialog::accept();
    }

    void done(int result) override
    {
        if (result == QDialog::Accepted && !chosen_ && !selectedUrls().isEmpty())
            chosen_ = selectedUrls().first();
        QFileDialog::done(result);
    }

private:
    void choose(const QString& bundle)
    {
        chosen_ = QUrl::fromLocalFile(bundle);
        QDialog::accept();
    }

    std::optional<QUrl> chosen_;
};

std::optional<QUrl> chooseWithDialog(QWidget* parent)
{
    LayoutFileDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen();
}

// Screen readers meet the drop area as a button that opens the chooser; its value is the
// hint, so the outcome of an install is read out with it.
class AccessibleDropView : public QAccessibleWidget {
public:
    explicit AccessibleDropView(DropView* view)
        : QAccessibleWidget(view, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return static_cast<DropView*>(widget())->hintText();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        if (name == pressAction())
            static_cast<DropView*>(widget())->chooseItem();
        else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface* accessibleDropView(const QString& className, QObject* object)
{
    if (className != QLatin1String(DropView::staticMetaObject.className()))
        return nullptr;
    return new AccessibleDropView(static_cast<DropView*>(object));
}

}  // namespace

DropView::DropView(QWidget* parent)
    : QWidget(parent)
    , titleLabel_(new QLabel(QStringLiteral("Keyboard layout to install:"), this))
    , hintLabel_(new QLabel(QStringLiteral("Drag keyboard layout here to install"), this))
    , fileChooser_(chooseWithDialog)
{
    static const bool accessible = (QAccessible::installFactory(accessibleDropView), true);
    Q_UNUSED(accessible);
    setAcceptDrops(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(chooserTitle);
    setAccessibleDescription(QStringLiteral(
        "Opens a file chooser. You can also drag a .keylayout file or keyboard .bundle "
        "folder here to install it"));

    titleLabel_->setObjectName(QStringLiteral("titleLabel"));
    titleLabel_->setFont(systemFont(18, true));
    titleLabel_->setAlignment(Qt::AlignCenter);
    hintLabel_->setObjectName(QStringLiteral("hintLabel"));
    hintLabel_->setFont(systemFont(17, false));
    hintLabel_->setAlignment(Qt::AlignCenter);
    applyLabelColors();

    auto* layout = new platform::AnchorLayout(this);
    layout->activateConstraints({
        platform::equal(titleLabel_, Anchor::centerX, this, Anchor::centerX),
        platform::equal(titleLabel_, Anchor::top, this, Anchor::top, 8),
        platform::equal(hintLabel_, Anchor::centerX, this, Anchor::centerX),
        platform::equal(hintLabel_, Anchor::top, titleLabel_, Anchor::bottom, 14),
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

void DropView::chooseItem()
{
    if (!fileChooser_)
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
    return highlighted_ || hasFocus() ? platform::controlAccentColor(palette()) : platform::clearColor();
}

bool DropView::performDragOperation(const QMimeData* data)
{
    setHighlighted(false);
    const QUrl url = firstLocalFile(data);
    if (url.isEmpty())
        return false;
    return installItem(url);
}

bool DropView::installItem(const QUrl& dropped)
{
    if (!dropped.isLocalFile())
        return false;
    // A folder's URL ends in "/"; it names the folder all the same.
    const QUrl url = dropped.adjusted(QUrl::StripTrailingSlash);
    const QString name = url.fileName();
    if (!isLayout(name)) {
        showAlert(QStringLiteral("Unsupported File"),
                  QStringLiteral("Please drag a .keylayout file or keyboard .bundle."),
                  AlertStyle::warning);
        return false;
    }

    const std::filesystem::path item = localPath(url.toLocalFile());
    try {
        // Before the scope is asked for, so a broken file never brings up the administrator prompt.
        installer::requireKeyboardLayout(item);
        const auto scope = scopeProvider_ ? scopeProvider_() : installer::InstallScope::currentUser;
        if (scope == installer::InstallScope::allUsers)
            installer::installForAllUsers(item, tools_);
        else
            installer::copyLayout(item, userLayoutsFolder());
    } catch (const platform::Error& error) {
        showAlert(QStringLiteral("Install Failed"),
                  QString::fromStdString(error.localizedDescription()), AlertStyle::critical);
        return false;
    } catch (const std::exception& error) {
        // Nothing may escape into Qt's event loop; any failure is still the user's to see.
        showAlert(QStringLiteral("Install Failed"), QString::fromLocal8Bit(error.what()),
                  AlertStyle::critical);
        return false;
    }

    installer::refreshInputSources(tools_.killall);
    showInstalled(name);
    showAlert(QStringLiteral("Keyboard Installed"),
              QStringLiteral("Open Keyboard Settings and add the new input source. "
                             "If it does not appear immediately, sign out and sign back in."),
              AlertStyle::informational);
    return true;
}

void DropView::dragEnterEvent(QDragEnterEvent* event)
{
    if (firstLocalFile(event->mimeData()).isEmpty()) {
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
    painter.drawRoundedRect(QRectF(rect()).adjusted(half, half, -half, -half),
                            cornerRadius - half, cornerRadius - half);
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
    case Qt::Key_Enter:
        chooseItem();
        break;
    default:
        QWidget::keyPressEvent(event);
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
    titleLabel_->setText(QStringLiteral("Installed:"));
    hintLabel_->setText(QStringLiteral("Installed ") + name);
    hintLabel_->setFont(systemFont(17, true));
    applyLabelColors();
}

void DropView::applyLabelColors()
{
    const QPalette& palette = this->palette();
    setTextColor(titleLabel_, platform::systemBlueColor(palette));
    setTextColor(hintLabel_, showsInstalled_ ? platform::systemBlueColor(palette)
                                             : platform::secondaryLabelColor(palette));
}

}  // namespace intake
