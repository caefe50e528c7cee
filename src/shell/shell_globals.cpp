#include "shell/shell_globals.h"

HWND mainWindow = nullptr;
HPEN redPen = nullptr;
HBRUSH redBrush = nullptr;
HBRUSH greenBrush = nullptr;
HBRUSH blueBrush = nullptr;
RECT CanvasRect = {0, 0, 0, 0};

void invalidateCanvas() {
    InvalidateRect(mainWindow, &CanvasRect, TRUE);
}
