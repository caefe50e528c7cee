#include "shell/main_window.h"

#include "drawing/canvas_paint.h"
#include "shell/canvas_click.h"
#include "shell/commands.h"
#include "shell/control_panel.h"

namespace {

LRESULT onPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    paintCanvas(dc);
    EndPaint(window, &paint);
    return 0;
}

} // namespace

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: createControlPanel(window); break;
    case WM_DESTROY: PostQuitMessage(0); break;
    case WM_PAINT: onPaint(window); break;
    case WM_COMMAND: handleCommand(window, wParam); break;
    case WM_LBUTTONDOWN: onCanvasClick(window, lParam); break;
    case WM_PARENTNOTIFY: onParentNotify(wParam, lParam); break;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
    return 0;
}
