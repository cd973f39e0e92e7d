#include "app/scope_button.h"

#include "platform/colors.h"

#include <QPainter>

namespace app {

namespace {

constexpr qreal highlightInset = 2;
constexpr qreal highlightRadius = 6;
constexpr qreal highlightFillAlpha = 0.22;
constexpr qreal outlineWidth = 3;

}  // namespace

ScopeButton::ScopeButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent)
{
}

void ScopeButton::paintEvent(QPaintEvent* event)
{
    // Qt's styles paint an opaque bevel, so the highlight goes over the standard drawing;
    // beneath it, it would never show.
    QPushButton::paintEvent(event);
    if (!isChecked())
        return;
    const QColor accent = platform::controlAccentColor(palette());
    const QRectF highlight = QRectF(rect()).adjusted(highlightInset, highlightInset,
                                                     -highlightInset, -highlightInset);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(platform::withAlpha(accent, highlightFillAlpha));
    painter.drawRoundedRect(highlight, highlightRadius, highlightRadius);
    painter.setPen(QPen(accent, outlineWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(highlight, highlightRadius, highlightRadius);
}

}  // namespace app
