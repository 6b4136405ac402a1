#pragma once

// The font description and the font object are the drawing layer's.
#include "platform/draw/dc.h"
