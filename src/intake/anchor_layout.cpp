#include "intake/anchor_layout.h"

#include <QWidget>
#include <QWidgetItem>

#include <QSet>

#include <optional>
#include <utility>

namespace intake {

namespace {

bool isHorizontal(Anchor anchor)
{
    return anchor == Anchor::leading || anchor == Anchor::trailing || anchor == Anchor::centerX
        || anchor == Anchor::width;
}

qreal valueOf(const QRectF& frame, Anchor anchor)
{
    switch (anchor) {
    case Anchor::leading: return frame.left();
    case Anchor::trailing: return frame.right();
    case Anchor::top: return frame.top();
    case Anchor::bottom: return frame.bottom();
    case Anchor::centerX: return frame.center().x();
    case Anchor::centerY: return frame.center().y();
    case Anchor::width: return frame.width();
    case Anchor::height: return frame.height();
    }
    return 0;
}

// Resolves one view on demand, following the views its constraints refer to.
class Resolver {
public:
    Resolver(const QList<AnchorConstraint>& constraints, const QWidget* container, QRectF area,
             QSet<const QWidget*> managed)
        : constraints_(constraints)
        , container_(container)
        , area_(area)
        , managed_(std::move(managed))
    {
    }

    QRectF frame(QWidget* view)
    {
        if (view == container_)
            return area_;
        if (auto found = frames_.constFind(view); found != frames_.constEnd())
            return *found;
        // A view that has left the layout may be gone; a cycle has no answer.
        if (!managed_.contains(view) || inProgress_.contains(view))
            return {};
        inProgress_.insert(view);
        const QSizeF natural = view->sizeHint().expandedTo(QSize(0, 0));
        const auto [x, width] = axis(view, true, natural.width());
        const auto [y, height] = axis(view, false, natural.height());
        inProgress_.remove(view);
        return frames_[view] = QRectF(x, y, width, height);
    }

    const QHash<const QWidget*, QRectF>& frames() const { return frames_; }

private:
    std::pair<qreal, qreal> axis(QWidget* view, bool horizontal, qreal naturalLength)
    {
        const Anchor lengthAnchor = horizontal ? Anchor::width : Anchor::height;
        std::optional<qreal> length;
        const AnchorConstraint* position = nullptr;
        for (const AnchorConstraint& constraint : constraints_) {
            if (constraint.view != view || isHorizontal(constraint.anchor) != horizontal)
                continue;
            if (constraint.anchor == lengthAnchor)
                length = constraint.target ? target(constraint) : constraint.constant;
            else if (!position)
                position = &constraint;
        }
        const qreal size = length.value_or(naturalLength);
        if (!position)
            return {0, size};
        const qreal value = target(*position);
        switch (position->anchor) {
        case Anchor::trailing:
        case Anchor::bottom: return {value - size, size};
        case Anchor::centerX:
        case Anchor::centerY: return {value - size / 2, size};
        default: return {value, size};
        }
    }

    qreal target(const AnchorConstraint& constraint)
    {
        return valueOf(frame(constraint.target), constraint.targetAnchor) + constraint.constant;
    }

    const QList<AnchorConstraint>& constraints_;
    const QWidget* container_;
    QRectF area_;
    QSet<const QWidget*> managed_;
    QHash<const QWidget*, QRectF> frames_;
    QSet<const QWidget*> inProgress_;
};

}  // namespace

AnchorConstraint equal(QWidget* view, Anchor anchor, QWidget* target, Anchor targetAnchor, qreal constant)
{
    return {view, anchor, target, targetAnchor, constant};
}

AnchorConstraint equal(QWidget* view, Anchor size, qreal constant)
{
    return {view, size, nullptr, size, constant};
}

AnchorLayout::AnchorLayout(QWidget* container)
    : QLayout(container)
{
    setContentsMargins(0, 0, 0, 0);
    setSizeConstraint(QLayout::SetNoConstraint);
}

AnchorLayout::~AnchorLayout()
{
    qDeleteAll(items_);
}

void AnchorLayout::activateConstraints(const QList<AnchorConstraint>& constraints)
{
    for (const AnchorConstraint& constraint : constraints) {
        if (indexOf(constraint.view) < 0)
            addWidget(constraint.view);
    }
    constraints_ += constraints;
    invalidate();
    if (parentWidget())
        setGeometry(parentWidget()->rect());
}

QRectF AnchorLayout::frameOf(const QWidget* view) const
{
    return resolveFrames(geometry()).value(view);
}

void AnchorLayout::addItem(QLayoutItem* item)
{
    items_.append(item);
}

int AnchorLayout::count() const
{
    return static_cast<int>(items_.size());
}

QLayoutItem* AnchorLayout::itemAt(int index) const
{
    return items_.value(index);
}

QLayoutItem* AnchorLayout::takeAt(int index)
{
    if (index < 0 || index >= items_.size())
        return nullptr;
    return items_.takeAt(index);
}

QSize AnchorLayout::sizeHint() const
{
    return minimumSize();
}

QSize AnchorLayout::minimumSize() const
{
    return {0, 0};
}

void AnchorLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    const QHash<const QWidget*, QRectF> frames = resolveFrames(rect);
    for (QLayoutItem* item : std::as_const(items_)) {
        if (QWidget* widget = item->widget(); widget && frames.contains(widget))
            widget->setGeometry(frames.value(widget).toRect());
    }
}

QHash<const QWidget*, QRectF> AnchorLayout::resolveFrames(const QRectF& area) const
{
    QList<QWidget*> widgets;
    for (QLayoutItem* item : items_) {
        if (QWidget* widget = item->widget())
            widgets.append(widget);
    }
    Resolver resolver(constraints_, parentWidget(), area, {widgets.cbegin(), widgets.cend()});
    for (QWidget* widget : std::as_const(widgets))
        resolver.frame(widget);
    return resolver.frames();
}

}  // namespace intake
