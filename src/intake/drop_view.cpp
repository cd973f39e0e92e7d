#include "intake/drop_view.h"

#include "intake/accessible_drop_view.h"
#include "intake/colors.h"
#include "intake/layout_file_dialog.h"

#include <QBoxLayout>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <memory>

namespace intake {

namespace {

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

}  // namespace

DropView::DropView(QWidget* parent)
    : QWidget(parent)
    , titleLabel_(new QLabel(tr("Keyboard layout to install:"), this))
    , hintLabel_(new QLabel(tr("Drag keyboard layout here to install"), this))
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

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 8, 0, 0);
    layout->setSpacing(14);
    for (QLabel* label : {titleLabel_, hintLabel_}) {
        // Centred between two equal stretches, the extra pixel of an odd remainder on the left.
        auto* row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(label);
        row->addStretch();
        layout->addLayout(row);
    }
    layout->addStretch();
}

QString DropView::hintText() const
{
    return hintLabel_->text();
}

QString DropView::accessibleHelp()
{
    return tr("Opens a file chooser. You can also drag a .keylayout file or keyboard .bundle "
              "folder here to install it");
}

QColor DropView::borderColor() const
{
    return highlighted_ || hasFocus() ? intake::controlAccentColor(palette()) : intake::clearColor();
}

void DropView::setBusy(bool busy)
{
    busy_ = busy;
}

bool DropView::performDragOperation(const QMimeData* data)
{
    setHighlighted(false);
    const QUrl url = firstLocalFile(data);
    if (url.isEmpty())
        return false;
    emit dropped(url);
    return true;
}

void DropView::chooseItem()
{
    if (!busy_)
        emit chooserRequested();
}

void DropView::showWaitingForAdministrator(bool waiting)
{
    if (!waiting) {
        hintLabel_->setText(hintBeforeWaiting_);
        return;
    }
    hintBeforeWaiting_ = hintLabel_->text();
    hintLabel_->setText(tr("Waiting for administrator approval…"));
    AccessibleDropView::announceOutcome(this, hintLabel_->text());
}

void DropView::dragEnterEvent(QDragEnterEvent* event)
{
    if (firstLocalFile(event->mimeData()).isEmpty() || busy_) {
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

// The drag source is let go at once; the drop itself runs from the event loop right after, with a
// copy of what was dragged, since the source's data goes with the drag.
void DropView::dropEvent(QDropEvent* event)
{
    setHighlighted(false);
    const QUrl url = firstLocalFile(event->mimeData());
    // Copy, never move: a move would let the drag source delete the original.
    event->setDropAction(Qt::CopyAction);
    event->setAccepted(!url.isEmpty() && !busy_);
    if (!event->isAccepted())
        return;
    auto data = std::make_shared<QMimeData>();
    data->setUrls({url});
    QTimer::singleShot(0, this, [this, data] { performDragOperation(data.get()); });
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
