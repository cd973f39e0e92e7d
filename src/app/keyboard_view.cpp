#include "app/keyboard_view.h"

#include "app/accessible_keyboard_view.h"
#include "intake/colors.h"

#include <QAccessible>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace app {

namespace {

using installer::Corner;
using installer::Layer;

// Pixels a key unit may take at most, so a large window does not blow the keys up past reading.
constexpr double largestUnit = 72, smallestUnit = 28;
constexpr double legendSize = 0.26, symbolSize = 0.3, cornerRadius = 0.08;

Qt::Alignment alignment(Corner corner)
{
    switch (corner) {
    case Corner::lowerLeft: return Qt::AlignLeft | Qt::AlignBottom;
    case Corner::upperLeft: return Qt::AlignLeft | Qt::AlignTop;
    case Corner::lowerRight: return Qt::AlignRight | Qt::AlignBottom;
    case Corner::upperRight: return Qt::AlignRight | Qt::AlignTop;
    }
    return Qt::AlignCenter;
}

QString layerLabel(Layer layer)
{
    switch (layer) {
    case Layer::none: return KeyboardView::tr("No modifier");
    case Layer::shift: return KeyboardView::tr("Shift");
    case Layer::option: return KeyboardView::tr("Option");
    case Layer::shiftOption: return KeyboardView::tr("Shift-Option");
    case Layer::caps: return KeyboardView::tr("Caps Lock");
    }
    return {};
}

// The name of a key that does not type anything visible, by its virtual key code.
QString specialKeyName(int code)
{
    switch (code) {
    case 36: return KeyboardView::tr("Return");
    case 48: return KeyboardView::tr("Tab");
    case 49: return KeyboardView::tr("Space bar");
    case 51: return KeyboardView::tr("Delete");
    case 54:
    case 55: return KeyboardView::tr("Command");
    case 56:
    case 60: return KeyboardView::tr("Shift");
    case 57: return KeyboardView::tr("Caps Lock");
    case 58:
    case 61: return KeyboardView::tr("Option");
    case 59: return KeyboardView::tr("Control");
    case 63: return KeyboardView::tr("Function");
    case 123: return KeyboardView::tr("Left Arrow");
    case 124: return KeyboardView::tr("Right Arrow");
    case 125: return KeyboardView::tr("Down Arrow");
    case 126: return KeyboardView::tr("Up Arrow");
    }
    return {};
}

// What a layer's text sounds like: the characters, or what kind of thing the key types.
QString spoken(const std::string& text)
{
    const QString visible = QString::fromStdString(installer::visibleText(text));
    if (visible.isEmpty())
        return KeyboardView::tr("a control character");
    if (visible.trimmed().isEmpty())
        return visible == QStringLiteral(" ") ? KeyboardView::tr("a space") : KeyboardView::tr("a blank space");
    return visible;
}

}  // namespace

KeyboardView::KeyboardView(QWidget* parent)
    : QWidget(parent)
{
    AccessibleKeyboardView::installFactory();
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setAccessibleName(tr("Keyboard"));
    picture_ = installer::keyboardPicture(keyboard_, shape_, capsLock_);
}

void KeyboardView::setKeyboard(installer::KeyboardModel keyboard)
{
    keyboard_ = std::move(keyboard);
    setAccessibleName(tr("Keyboard of %1").arg(QString::fromStdString(keyboard_.name)));
    redraw();
}

void KeyboardView::setShape(installer::KeyboardShape shape)
{
    shape_ = shape;
    redraw();
}

void KeyboardView::setCapsLock(bool on)
{
    capsLock_ = on;
    redraw();
}

bool KeyboardView::showsDeadKey() const
{
    return std::any_of(picture_.keys.begin(), picture_.keys.end(), [](const installer::PictureKey& key) {
        return std::any_of(key.legends.begin(), key.legends.end(),
                           [](const installer::Legend& legend) { return legend.dead; });
    });
}

QRectF KeyboardView::keyRect(std::size_t index) const
{
    return index < picture_.keys.size() ? toView(picture_.keys[index].cap.box) : QRectF();
}

QString KeyboardView::keyDescription(std::size_t index) const
{
    if (index >= picture_.keys.size())
        return {};
    const int code = picture_.keys[index].cap.code;
    const installer::KeyOutputs* key = keyboard_.key(code);
    QString name = specialKeyName(code);
    if (name.isEmpty())
        name = key && !installer::visibleText((*key)[Layer::none]).empty() && !key->isDead(Layer::none)
            ? QString::fromStdString((*key)[Layer::none])
            : tr("Key %1").arg(code);
    QStringList layers;
    for (const Layer layer : installer::allLayers) {
        if (!key || (!key->isDead(layer) && (*key)[layer].empty()))
            continue;
        const QString typed = key->isDead(layer)
            ? tr("dead key %1")
                  .arg((*key)[layer].empty() ? tr("without a character of its own") : spoken((*key)[layer]))
            : spoken((*key)[layer]);
        layers << tr("%1: %2").arg(layerLabel(layer), typed);
    }
    return layers.isEmpty() ? name : tr("%1. %2").arg(name, layers.join(QStringLiteral("; ")));
}

QSize KeyboardView::sizeHint() const
{
    const auto& geometry = *picture_.geometry;
    return QSize(int(geometry.width * 48), int(geometry.height * 48));
}

QSize KeyboardView::minimumSizeHint() const
{
    const auto& geometry = *picture_.geometry;
    return QSize(int(geometry.width * smallestUnit), int(geometry.height * smallestUnit));
}

int KeyboardView::heightForWidth(int width) const
{
    const auto& geometry = *picture_.geometry;
    return int(geometry.height * std::min(largestUnit, width / geometry.width));
}

void KeyboardView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double unit = this->unit();
    const QPalette& colors = palette();
    QFont legendFont = font(), symbolFont = font();
    legendFont.setPixelSize(std::max(1, int(legendSize * unit)));
    symbolFont.setPixelSize(std::max(1, int(symbolSize * unit)));
    const QColor accent = intake::controlAccentColor(colors);

    for (const installer::PictureKey& key : picture_.keys) {
        QPainterPath path;
        const std::vector<installer::Point> corners = installer::outline(key.cap, installer::keyGap / 2);
        if (corners.size() == 4) {
            path.addRoundedRect(
                toView({corners[0].x, corners[0].y, corners[2].x - corners[0].x, corners[2].y - corners[0].y}),
                cornerRadius * unit, cornerRadius * unit);
        } else {
            QPolygonF polygon;
            for (const installer::Point& point : corners)
                polygon << origin() + QPointF(point.x, point.y) * unit;
            path.addPolygon(polygon);
            path.closeSubpath();
        }
        painter.setPen(QPen(colors.color(QPalette::Mid), 1));
        painter.setBrush(colors.color(key.cap.symbol.empty() ? QPalette::Base : QPalette::Button));
        painter.drawPath(path);

        const QRectF area = toView(installer::legendArea(key.cap));
        if (key.legends.empty()) {
            painter.setFont(symbolFont);
            painter.setPen(intake::secondaryLabelColor(colors));
            painter.drawText(area, Qt::AlignCenter,
                             QString::fromUtf8(key.cap.symbol.data(), qsizetype(key.cap.symbol.size())));
            continue;
        }
        painter.setFont(legendFont);
        for (const installer::Legend& legend : key.legends) {
            const QString text = QString::fromStdString(legend.text);
            if (legend.dead) {
                const QRectF drawn = painter.boundingRect(area, int(alignment(legend.corner)), text);
                painter.setPen(Qt::NoPen);
                painter.setBrush(intake::withAlpha(accent, 0.18));
                painter.drawRoundedRect(drawn.adjusted(-0.04 * unit, 0, 0.04 * unit, 0), 0.06 * unit, 0.06 * unit);
            }
            painter.setPen(legend.dead ? accent : intake::labelColor(colors));
            painter.drawText(area, int(alignment(legend.corner)), text);
        }
    }
}

void KeyboardView::redraw()
{
    const std::size_t keysBefore = picture_.keys.size();
    picture_ = installer::keyboardPicture(keyboard_, shape_, capsLock_);
    if (picture_.keys.size() != keysBefore)
        updateGeometry();
    // What each key says has changed with the picture.
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    update();
}

double KeyboardView::unit() const
{
    const auto& geometry = *picture_.geometry;
    return std::min({largestUnit, width() / geometry.width, height() / geometry.height});
}

QPointF KeyboardView::origin() const
{
    const auto& geometry = *picture_.geometry;
    return {(width() - geometry.width * unit()) / 2, 0};
}

QRectF KeyboardView::toView(const installer::Box& box) const
{
    const double unit = this->unit();
    return QRectF(origin() + QPointF(box.x, box.y) * unit, QSizeF(box.width, box.height) * unit);
}

}  // namespace app
