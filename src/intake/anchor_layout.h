#pragma once

#include <QHash>
#include <QLayout>
#include <QList>
#include <QRectF>

// Places child widgets by equalities between their edges, centres and sizes, the way
// anchor constraints do: "view.anchor = target.anchor + constant" or "view.size = constant".
// The container is the target that stands for the whole layout area. A view without a
// width or height constraint keeps its natural size (its size hint), so a label stays
// centred whatever its text. Frames are resolved again whenever the layout is invalidated.
namespace intake {

enum class Anchor { leading, trailing, top, bottom, centerX, centerY, width, height };

struct AnchorConstraint {
    QWidget* view = nullptr;
    Anchor anchor = Anchor::leading;
    QWidget* target = nullptr;  // null: the view's size equals the constant
    Anchor targetAnchor = Anchor::leading;
    qreal constant = 0;
};

AnchorConstraint equal(QWidget* view, Anchor anchor, QWidget* target, Anchor targetAnchor, qreal constant = 0);
AnchorConstraint equal(QWidget* view, Anchor size, qreal constant);

class AnchorLayout : public QLayout {
public:
    explicit AnchorLayout(QWidget* container);
    ~AnchorLayout() override;

    // Adds the constraints' views that the layout does not manage yet and makes all the
    // constraints take effect together.
    void activateConstraints(const QList<AnchorConstraint>& constraints);

    QRectF frameOf(const QWidget* view) const;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    QHash<const QWidget*, QRectF> resolveFrames(const QRectF& area) const;

    QList<QLayoutItem*> items_;
    QList<AnchorConstraint> constraints_;
};

}  // namespace intake
