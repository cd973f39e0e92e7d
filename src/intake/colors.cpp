#include "intake/colors.h"

namespace intake {

namespace {

QColor adaptive(const QPalette& palette, QColor light, QColor dark)
{
    return isDarkAppearance(palette) ? dark : light;
}

}  // namespace

bool isDarkAppearance(const QPalette& palette)
{
    return palette.color(QPalette::Active, QPalette::Window).lightness() < 128;
}

QColor controlAccentColor(const QPalette& palette)
{
    // On macOS Highlight is the pale selection colour; the accent has its own role since Qt 6.6.
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    return palette.color(QPalette::Active, QPalette::Accent);
#else
    return palette.color(QPalette::Active, QPalette::Highlight);
#endif
}

QColor clearColor()
{
    return Qt::transparent;
}

QColor blackColor()
{
    return Qt::black;
}

QColor systemBlueColor(const QPalette& palette)
{
    return adaptive(palette, QColor(0, 122, 255), QColor(10, 132, 255));
}

QColor systemGrayColor(const QPalette& palette)
{
    return adaptive(palette, QColor(142, 142, 147), QColor(152, 152, 157));
}

QColor labelColor(const QPalette& palette)
{
    return adaptive(palette, QColor(0, 0, 0, 217), QColor(255, 255, 255, 217));
}

QColor secondaryLabelColor(const QPalette& palette)
{
    return adaptive(palette, QColor(0, 0, 0, 128), QColor(255, 255, 255, 140));
}

QColor withAlpha(QColor color, qreal alpha)
{
    color.setAlphaF(static_cast<float>(alpha));
    return color;
}

}  // namespace intake
