#include "app/scope_button.h"

#include "intake/colors.h"
#include "ui_support.h"

#include <gtest/gtest.h>

TEST(ScopeButton, ACheckedButtonIsHighlightedTwoPointsInsideItsBoundsOverTheStandardDrawing)
{
    for (const QSize size : {QSize(260, 62), QSize(120, 40)}) {
        const QString title = QStringLiteral("Install for current user\n(recommended)");
        app::ScopeButton button(title);
        QPushButton standard(title);  // what the platform draws without our highlight
        for (QPushButton* each : {static_cast<QPushButton*>(&button), &standard}) {
            each->setCheckable(true);
            each->resize(size);
        }
        EXPECT_EQ(ui_testing::render(button), ui_testing::render(standard)) << "off: the standard drawing only";
        button.setChecked(true);
        standard.setChecked(true);
        const QImage on = ui_testing::render(button), below = ui_testing::render(standard);
        const QColor accent = intake::controlAccentColor(button.palette());
        const int w = size.width(), h = size.height();

        // The 3-point outline covers 0.5 to 3.5 inside every edge; the corners are round.
        for (const QPoint edge : {QPoint(2, h / 2), QPoint(w - 3, h / 2), QPoint(w / 2, 2), QPoint(w / 2, h - 3)})
            EXPECT_EQ(on.pixel(edge), accent.rgb()) << w << " at " << edge.x() << "," << edge.y();
        EXPECT_NE(on.pixel(2, 2), accent.rgb());
        const QRgb outerHalf = on.pixel(0, h / 2);  // the outline covers half of the outermost pixel
        EXPECT_TRUE(outerHalf != accent.rgb() && outerHalf != below.pixel(0, h / 2)) << w;
        // Inside, the accent at alpha 0.22 tints the standard drawing.
        for (const QPoint inside : {QPoint(6, h / 2), QPoint(w / 2, 6)}) {
            const QColor under = below.pixelColor(inside), seen = on.pixelColor(inside);
            for (const auto channel : {&QColor::red, &QColor::green, &QColor::blue})
                EXPECT_NEAR((seen.*channel)(), (under.*channel)() * 0.78 + (accent.*channel)() * 0.22, 2) << w;
        }
    }
}
