// The steps of start-up that come before the message loop, kept apart so that a test can build
// the same main window without running the loop.
#pragma once

#include "platform/win32.h"

// Registers the main window's class; 0 when the platform refuses it.
ATOM registerMainWindowClass(HINSTANCE instance);
// Makes the status bar's class available, then creates the main window with all its controls.
HWND createMainWindow(HINSTANCE instance);
// The pen and the three brushes the painting selects, created once and never deleted.
void createDrawingObjects();
