#pragma once

// How the presentation reaches the application object and its main window:
// the application registers both at start-up (tests register stand-ins).
// The presentation only tests the application for null and hands the
// window to the display.

#include "platform/wintypes.h"

class CLumetraApp;

void RahmenAnmelden(CLumetraApp* anwendung, HWND hauptfenster);
CLumetraApp* GetRahmenAnwendung();
HWND GetRahmenHauptfenster();
