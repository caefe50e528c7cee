// The window and drawing objects created once at start-up and kept for the whole run.
#pragma once

#include "platform/win32.h"

extern HWND mainWindow;
extern HPEN redPen;
extern HBRUSH redBrush;
extern HBRUSH greenBrush;
extern HBRUSH blueBrush;
// The drawing area, repainted after every change.
extern RECT CanvasRect;

// Has the whole drawing area repainted over an erased background by the next WM_PAINT.
void invalidateCanvas();
