#include "platform/colors.h"

#include <gtest/gtest.h>

namespace {

QPalette paletteWithWindow(const QColor& window)
{
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::Highlight, QColor(200, 30, 90));
    return palette;
}

}  // namespace

TEST(Colors, AdaptiveColoursFollowLightAndDarkAppearance)
{
    const QPalette light = paletteWithWindow(QColor(236, 236, 236));
    const QPalette dark = paletteWithWindow(QColor(30, 30, 30));
    ASSERT_FALSE(platform::isDarkAppearance(light));
    ASSERT_TRUE(platform::isDarkAppearance(dark));

    EXPECT_EQ(platform::systemBlueColor(light), QColor(0, 122, 255));
    EXPECT_EQ(platform::systemBlueColor(dark), QColor(10, 132, 255));
    // Text colours must stay readable on their window colour.
    EXPECT_LT(platform::labelColor(light).lightness(), 64);
    EXPECT_GT(platform::labelColor(dark).lightness(), 192);
    EXPECT_LT(platform::secondaryLabelColor(light).lightness(), 64);
    EXPECT_GT(platform::secondaryLabelColor(dark).lightness(), 192);
    EXPECT_LT(platform::secondaryLabelColor(light).alpha(), platform::labelColor(light).alpha());
    EXPECT_NE(platform::systemGrayColor(light), platform::systemGrayColor(dark));
}

TEST(Colors, AccentIsThePaletteHighlightAndClearIsTransparent)
{
    const QPalette palette = paletteWithWindow(Qt::white);
    EXPECT_EQ(platform::controlAccentColor(palette), QColor(200, 30, 90));
    EXPECT_EQ(platform::clearColor().alpha(), 0);
    EXPECT_EQ(platform::blackColor(), QColor(Qt::black));
    const QColor faded = platform::withAlpha(QColor(200, 30, 90), 0.22);
    EXPECT_EQ(faded.rgb(), QColor(200, 30, 90).rgb());
    EXPECT_NEAR(faded.alphaF(), 0.22, 0.005);
}
