#include "app/person_view.h"

#include "intake/colors.h"

#include <QPainter>
#include <QPainterPath>

namespace app {

namespace {

struct Figure {
    qreal offsetX;
    qreal scale;
    bool front;
};

// Back to front: the front figure is painted over the two at its sides.
constexpr Figure groupFigures[] = {{-80, 0.58, false}, {80, 0.58, false}, {0, 0.78, true}};

}  // namespace

PersonView::PersonView(QWidget* parent)
    : QWidget(parent)
{
}

bool PersonView::group() const
{
    return group_;
}

void PersonView::setGroup(bool group)
{
    group_ = group;
    update();
}

QColor PersonView::color() const
{
    return color_;
}

void PersonView::setColor(const QColor& color)
{
    color_ = color;
    update();
}

void PersonView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The figure's geometry is written with y growing upwards from the bottom edge.
    painter.translate(0, height());
    painter.scale(1, -1);

    const qreal middleX = width() / 2.0;
    if (!group_) {
        drawPerson(painter, middleX, 1.0, color_);
        return;
    }
    const QColor sideColor = intake::systemGrayColor(palette());
    for (const Figure& figure : groupFigures)
        drawPerson(painter, middleX + figure.offsetX, figure.scale, figure.front ? color_ : sideColor);
}

void PersonView::drawPerson(QPainter& painter, qreal centerX, qreal scale, const QColor& color) const
{
    const qreal middleY = height() / 2.0;
    QPainterPath figure;
    figure.addEllipse(QRectF(centerX - 34 * scale, middleY + 28 * scale, 68 * scale, 78 * scale));

    // The upper half of the body's disc. In these y-up coordinates the upper half is
    // Qt's clockwise (negative) sweep from 0 degrees.
    const qreal radius = 88 * scale;
    const QPointF bodyCenter(centerX, middleY - 82 * scale);
    QPainterPath body;
    body.moveTo(bodyCenter + QPointF(radius, 0));
    body.arcTo(QRectF(bodyCenter - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)), 0, -180);
    body.closeSubpath();

    painter.fillPath(figure, color);
    painter.fillPath(body, color);
}

}  // namespace app
