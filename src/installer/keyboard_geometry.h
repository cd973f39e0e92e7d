#pragma once

// Reading a layout is a layer of its own now; code that includes this from here still builds.
#include "layout/keyboard_geometry.h"
