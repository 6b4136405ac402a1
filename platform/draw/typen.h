#pragma once

// The value types that drawing and the display share live in one place.
#include "platform/wintypes.h"
