#include "app/person_view.h"

#include "platform/colors.h"
#include "ui_support.h"

#include <gtest/gtest.h>

namespace {

// A point on a figure's edge, in the figures' own coordinates (origin bottom-left, y upwards),
// with the edge's outward direction and the colours expected 1.5 points to either side.
struct Edge {
    qreal x, y, outX, outY;
    QRgb inside, outside;
};

void expectEdges(app::PersonView& view, const std::vector<Edge>& edges)
{
    const QImage image = ui_testing::render(view);
    const auto at = [&](qreal x, qreal y) { return image.pixel(qFloor(x), qFloor(image.height() - y)); };
    for (const Edge& edge : edges) {
        EXPECT_EQ(at(edge.x - 1.5 * edge.outX, edge.y - 1.5 * edge.outY), edge.inside) << edge.x << "," << edge.y;
        EXPECT_EQ(at(edge.x + 1.5 * edge.outX, edge.y + 1.5 * edge.outY), edge.outside) << edge.x << "," << edge.y;
    }
}

const QRgb white = qRgb(255, 255, 255);

}  // namespace

TEST(PersonView, OneFigureLiesAboutTheMiddleOfItsView)
{
    app::PersonView view;
    view.resize(260, 210);  // middle (130, 105)
    const QRgb black = qRgb(0, 0, 0);
    expectEdges(view, {
        {96, 172, -1, 0, black, white}, {164, 172, 1, 0, black, white},  // head from x 96 to 164
        {130, 133, 0, -1, black, white}, {130, 208, 0, 1, black, black},  // from y 133 past the top
        {130, 111, 0, 1, black, white}, {130, 23, 0, -1, black, white},  // body from y 23 to 111
        {42, 25, -1, 0, black, white}, {218, 25, 1, 0, black, white},   // and x 42 to 218
    });
}

TEST(PersonView, AGroupPaintsItsFrontFigureInItsColourOverTwoGreySides)
{
    app::PersonView view;
    view.resize(300, 190);  // middle (150, 95)
    view.setGroup(true);
    view.setColor(QColor(200, 0, 0));
    const QRgb grey = platform::systemGrayColor(view.palette()).rgb(), red = qRgb(200, 0, 0);
    expectEdges(view, {
        // Side heads 39.44 wide from y 111.24 to 156.48; side bodies of radius 51.04 on y 47.44.
        {50.28, 133.86, -1, 0, grey, white}, {249.72, 133.86, 1, 0, grey, white},
        {70, 111.24, 0, -1, grey, white}, {230, 98.48, 0, 1, grey, white},
        {18.96, 49.5, -1, 0, grey, white}, {281.04, 49.5, 1, 0, grey, white}, {40, 47.44, 0, -1, grey, white},
        // The front head from x 123.48 to 176.52 and y 116.84 to 177.68; its body of radius
        // 68.64 about (150, 31.04), over the side bodies.
        {123.48, 147.26, -1, 0, red, white}, {176.52, 147.26, 1, 0, red, white},
        {150, 116.84, 0, -1, red, white}, {150, 177.68, 0, 1, red, white},
        {150, 99.68, 0, 1, red, white}, {150, 31.04, 0, -1, red, white},
        {83.89, 49.5, -1, 0, red, grey}, {216.11, 49.5, 1, 0, red, grey},
    });
}
