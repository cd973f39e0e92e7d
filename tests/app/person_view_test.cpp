#include "app/person_view.h"

#include "intake/colors.h"
#include "ui_support.h"

#include <gtest/gtest.h>

// Points on the figures' edges, in their own coordinates (origin bottom-left, y upwards), with
// each edge's outward direction and the colours expected 1.5 points to either side.
TEST(PersonView, FiguresLieAboutTheMiddleOfTheViewAndTheFrontOneIsPaintedOverTheSides)
{
    app::PersonView one, group;
    one.resize(260, 210);  // middle (130, 105)
    group.resize(300, 190);  // middle (150, 95)
    group.setGroup(true);
    group.setColor(QColor(200, 0, 0));
    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255), red = qRgb(200, 0, 0),
               grey = intake::systemGrayColor(group.palette()).rgb();
    const struct {
        app::PersonView* view;
        qreal x, y, outX, outY;
        QRgb inside, outside;
    } edges[] = {
        // The head from x 96 to 164 and from y 133 past the top; the body from y 23 to 111, x 42 to 218.
        {&one, 96, 172, -1, 0, black, white},
        {&one, 164, 172, 1, 0, black, white},
        {&one, 130, 133, 0, -1, black, white},
        {&one, 130, 208, 0, 1, black, black},
        {&one, 130, 111, 0, 1, black, white},
        {&one, 130, 23, 0, -1, black, white},
        {&one, 42, 25, -1, 0, black, white},
        {&one, 218, 25, 1, 0, black, white},
        // Side heads 39.44 wide from y 111.24 to 156.48; side bodies of radius 51.04 on y 47.44.
        {&group, 50.28, 133.86, -1, 0, grey, white},
        {&group, 249.72, 133.86, 1, 0, grey, white},
        {&group, 70, 111.24, 0, -1, grey, white},
        {&group, 230, 98.48, 0, 1, grey, white},
        {&group, 18.96, 49.5, -1, 0, grey, white},
        {&group, 40, 47.44, 0, -1, grey, white},
        // The front head from x 123.48 to 176.52, y 116.84 to 177.68; its body of radius 68.64 about (150, 31.04).
        {&group, 123.48, 147.26, -1, 0, red, white},
        {&group, 176.52, 147.26, 1, 0, red, white},
        {&group, 150, 177.68, 0, 1, red, white},
        {&group, 150, 99.68, 0, 1, red, white},
        {&group, 150, 31.04, 0, -1, red, white},
        {&group, 83.89, 49.5, -1, 0, red, grey},
        {&group, 216.11, 49.5, 1, 0, red, grey},
    };
    for (const auto& edge : edges) {
        const QImage image = ui_testing::render(*edge.view);
        const auto at = [&](qreal x, qreal y) { return image.pixel(qFloor(x), qFloor(image.height() - y)); };
        EXPECT_EQ(at(edge.x - 1.5 * edge.outX, edge.y - 1.5 * edge.outY), edge.inside) << edge.x << "," << edge.y;
        EXPECT_EQ(at(edge.x + 1.5 * edge.outX, edge.y + 1.5 * edge.outY), edge.outside) << edge.x << "," << edge.y;
    }
}
