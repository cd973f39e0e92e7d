#pragma once

#include <QColor>
#include <QWidget>

class QPainter;

namespace app {

// A filled figure of a person, or a group of three, drawn about the view's middle.
class PersonView : public QWidget {
    Q_OBJECT

public:
    explicit PersonView(QWidget* parent = nullptr);

    bool group() const;
    void setGroup(bool group);
    QColor color() const;
    void setColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawPerson(QPainter& painter, qreal centerX, qreal scale, const QColor& color) const;

    bool group_ = false;
    QColor color_ = Qt::black;
};

}  // namespace app
