#include "platform/colors.h"

#include <gtest/gtest.h>

TEST(Colors, NamedColoursAreTheSystemsInLightAndDarkAppearance)
{
    QPalette light, dark;
    light.setColor(QPalette::Window, QColor(236, 236, 236));
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    ASSERT_FALSE(platform::isDarkAppearance(light));
    ASSERT_TRUE(platform::isDarkAppearance(dark));
    // The values macOS documents for its adaptive colours.
    const struct { const char* name; QColor (*color)(const QPalette&); QColor light, dark; } table[] = {
        {"systemBlue", platform::systemBlueColor, QColor(0, 122, 255), QColor(10, 132, 255)},
        {"systemGray", platform::systemGrayColor, QColor(142, 142, 147), QColor(152, 152, 157)},
        {"label", platform::labelColor, QColor(0, 0, 0, 217), QColor(255, 255, 255, 217)},
        {"secondaryLabel", platform::secondaryLabelColor, QColor(0, 0, 0, 128), QColor(255, 255, 255, 140)},
    };
    for (const auto& row : table) {
        EXPECT_EQ(row.color(light), row.light) << row.name;
        EXPECT_EQ(row.color(dark), row.dark) << row.name;
    }

    light.setColor(QPalette::Highlight, QColor(200, 30, 90));
    EXPECT_EQ(platform::controlAccentColor(light), QColor(200, 30, 90)) << "the user's accent";
    EXPECT_EQ(platform::clearColor().alpha(), 0);
    EXPECT_EQ(platform::blackColor(), QColor(Qt::black));
    const QColor faded = platform::withAlpha(QColor(200, 30, 90), 0.22);
    EXPECT_EQ(faded.rgb(), QColor(200, 30, 90).rgb());
    EXPECT_NEAR(faded.alphaF(), 0.22, 0.005);
}
