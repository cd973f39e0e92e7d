#pragma once

// The flows are a layer of their own now; code that includes this from here still builds.
#include "flows/flows.h"
