#pragma once

#include "layout/keyboard_geometry.h"

#include <QWidget>

namespace app {

// A picture of a keyboard with what a layout types on each key: four legends a keycap, or with
// Caps Lock on, what each key types then. Dead keys' legends are highlighted in the accent colour. The
// picture fills the view as far as its shape allows.
class KeyboardView : public QWidget {
    Q_OBJECT

public:
    explicit KeyboardView(QWidget* parent = nullptr);

    void setKeyboard(installer::KeyboardModel keyboard);
    void setShape(installer::KeyboardShape shape);
    void setCapsLock(bool on);

    const installer::KeyboardPicture& picture() const { return picture_; }
    bool showsDeadKey() const;

    // Where the picture's key at `index` is drawn, in the view's coordinates.
    QRectF keyRect(std::size_t index) const;
    // What that key types in each layer, for a screen reader.
    QString keyDescription(std::size_t index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void redraw();
    // Pixels a key unit, and where the picture's top left corner lies.
    double unit() const;
    QPointF origin() const;
    QRectF toView(const installer::Box& box) const;

    installer::KeyboardModel keyboard_;
    installer::KeyboardShape shape_ = installer::KeyboardShape::ansi;
    bool capsLock_ = false;
    installer::KeyboardPicture picture_;
};

}  // namespace app
