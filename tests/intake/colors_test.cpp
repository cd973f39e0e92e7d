#include "intake/colors.h"

#include <gtest/gtest.h>

// The values macOS documents for its adaptive colours, in light and dark appearance.
TEST(Colors, NamedColoursAreTheSystemsInEitherAppearance)
{
    QPalette light, dark;
    light.setColor(QPalette::Window, QColor(236, 236, 236));
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    light.setColor(QPalette::Accent, QColor(200, 30, 90));
#else
    light.setColor(QPalette::Highlight, QColor(200, 30, 90));
#endif
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    const struct {
        QColor (*color)(const QPalette&);
        QColor light, dark;
    } table[] = {
        {intake::systemBlueColor, QColor(0, 122, 255), QColor(10, 132, 255)},
        {intake::systemGrayColor, QColor(142, 142, 147), QColor(152, 152, 157)},
        {intake::labelColor, QColor(0, 0, 0, 217), QColor(255, 255, 255, 217)},
        {intake::secondaryLabelColor, QColor(0, 0, 0, 128), QColor(255, 255, 255, 140)},
    };
    for (const auto& row : table)
        EXPECT_EQ(std::pair(row.color(light), row.color(dark)), std::pair(row.light, row.dark)) << &row - table;
    EXPECT_EQ(intake::controlAccentColor(light), QColor(200, 30, 90)) << "the user's accent";
    EXPECT_EQ(intake::clearColor().alpha(), 0);
}
