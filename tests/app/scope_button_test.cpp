#include "app/scope_button.h"

#include "platform/colors.h"
#include "ui_support.h"

#include <gtest/gtest.h>

namespace {

void expectHighlight(const QSize& size)
{
    app::ScopeButton button(QStringLiteral("Install for current user\n(recommended)"));
    button.setCheckable(true);
    button.resize(size);
    const QRgb accent = platform::controlAccentColor(button.palette()).rgb();
    const int w = size.width(), h = size.height(), midX = w / 2, midY = h / 2;

    const QImage off = ui_testing::render(button);
    button.setChecked(true);
    const QImage on = ui_testing::render(button);

    // The 3-wide outline covers 0.5 to 3.5 inside every edge.
    for (const QPoint edge : {QPoint(2, midY), QPoint(w - 3, midY), QPoint(midX, 2), QPoint(midX, h - 3)}) {
        EXPECT_EQ(on.pixel(edge), accent) << size.width() << "x" << size.height() << " at "
                                          << edge.x() << "," << edge.y();
        EXPECT_NE(off.pixel(edge), accent);
    }
    // Inside, the faint fill tints the standard drawing without hiding it.
    const QPoint inside(6, midY);
    EXPECT_NE(on.pixel(inside), off.pixel(inside));
    EXPECT_NE(on.pixel(inside), accent);
    // The corners stay outside the rounded highlight.
    EXPECT_NE(on.pixel(2, 2), accent);
}

}  // namespace

TEST(ScopeButton, CheckedButtonsShowTheHighlightTwoPointsInsideTheirBounds)
{
    expectHighlight(QSize(260, 62));
    expectHighlight(QSize(120, 40));
}
