#pragma once

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

// The window's named colours. Where Qt has a palette role for one it is used, so the
// colour follows the platform; the rest take macOS's light or dark value, chosen by
// the lightness of the palette's window colour.
namespace intake {

bool isDarkAppearance(const QPalette& palette = QGuiApplication::palette());

QColor controlAccentColor(const QPalette& palette = QGuiApplication::palette());
QColor clearColor();
QColor blackColor();
QColor systemBlueColor(const QPalette& palette = QGuiApplication::palette());
QColor systemGrayColor(const QPalette& palette = QGuiApplication::palette());
QColor labelColor(const QPalette& palette = QGuiApplication::palette());
QColor secondaryLabelColor(const QPalette& palette = QGuiApplication::palette());

// The same colour with its alpha replaced, as a fraction from 0 to 1.
QColor withAlpha(QColor color, qreal alpha);

}  // namespace intake
