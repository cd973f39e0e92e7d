#pragma once

#include "layout/keyboard_geometry.h"

#include <QByteArray>

#include <string>
#include <vector>

namespace cli {

// The picture in box-drawing characters, five columns and three lines a key unit, the legends in
// the keys' corners, then a line naming the dead keys, whose legends a terminal cannot mark.
std::string textDrawing(const installer::KeyboardModel& model, installer::KeyboardShape shape);

// The pictures of the keyboards one under the other, each under its name, as an SVG document.
QByteArray svgDrawing(const std::vector<installer::KeyboardModel>& models, installer::KeyboardShape shape);

}  // namespace cli
