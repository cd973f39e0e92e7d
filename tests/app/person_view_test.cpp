#include "app/person_view.h"

#include "platform/colors.h"
#include "ui_support.h"

#include <gtest/gtest.h>

namespace {

// Samples in the figures' own coordinates: origin bottom-left, y upwards.
QRgb at(const QImage& image, qreal x, qreal y)
{
    return image.pixel(qFloor(x), qFloor(image.height() - y));
}

const QRgb white = qRgb(255, 255, 255);

}  // namespace

TEST(PersonView, SingleFigureFollowsTheGeometryAboutTheMiddle)
{
    app::PersonView view;
    view.resize(260, 210);  // middle (130, 105)
    EXPECT_FALSE(view.group());
    const QImage image = ui_testing::render(view);
    const QRgb black = qRgb(0, 0, 0);

    EXPECT_EQ(at(image, 130, 170), black) << "head centre";
    EXPECT_EQ(at(image, 98, 172), black) << "head's left end at 96";
    EXPECT_EQ(at(image, 94, 172), white) << "left of the head";
    EXPECT_EQ(at(image, 130, 130), white) << "gap between head (133) and body (111)";
    EXPECT_EQ(at(image, 130, 109), black) << "body top at 111";
    EXPECT_EQ(at(image, 130, 113), white);
    EXPECT_EQ(at(image, 44, 25), black) << "body's flat edge runs out to x 42";
    EXPECT_EQ(at(image, 130, 21), white) << "nothing below the flat edge at 23";
    EXPECT_EQ(at(image, 40, 25), white);
}

TEST(PersonView, GroupHasGreySidesBehindAFrontFigureInItsOwnColour)
{
    app::PersonView view;
    view.resize(300, 190);  // middle (150, 95)
    view.setGroup(true);
    view.setColor(QColor(200, 0, 0));
    const QImage image = ui_testing::render(view);
    const QRgb grey = platform::systemGrayColor(view.palette()).rgb();
    const QRgb red = qRgb(200, 0, 0);

    EXPECT_EQ(at(image, 70, 134), grey) << "left side head";
    EXPECT_EQ(at(image, 230, 134), grey) << "right side head";
    EXPECT_EQ(at(image, 25, 49), grey) << "left side body, just above its flat edge at 47.44";
    EXPECT_EQ(at(image, 25, 46), white);
    EXPECT_EQ(at(image, 150, 147), red) << "front head";
    EXPECT_EQ(at(image, 150, 108), white) << "between front head (116.84) and body (99.68)";
    EXPECT_EQ(at(image, 150, 97), red) << "front body";
    EXPECT_EQ(at(image, 110, 50), red) << "front body painted over the left side body";
    EXPECT_EQ(at(image, 150, 30), white) << "below the front body's flat edge at 31.04";
}
