// The "STATIC" class: left-aligned text, wrapped at word boundaries to the control's width, that
// lets mouse presses through to whatever lies under it.
#include "platform/controls_internal.h"

namespace layer {

namespace {

void paintStatic(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = beginControlPaint(hwnd, ps, nullptr);
    if (dc == nullptr) {
        return;
    }
    RECT rect = clientRectOf(hwnd);
    fillSysColor(dc, rect.left, rect.top, rect.right, rect.bottom, COLOR_BTNFACE);
    bool enabled = IsWindowEnabled(hwnd) != FALSE;
    int y = rect.top;
    for (const std::string& line : wrapText(dc, windowText(hwnd), rect.right - rect.left)) {
        if (y >= rect.bottom) {
            break;
        }
        if (enabled) {
            drawLabel(dc, rect.left, y, line, COLOR_WINDOWTEXT);
        } else {
            drawGreyedLabel(dc, rect.left, y, line);
        }
        y += measureText(dc, line).cy;
    }
    EndPaint(hwnd, &ps);
}

} // namespace

LRESULT CALLBACK staticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT fontResult = 0;
    if (handleFontMessage(hwnd, message, wParam, lParam, fontResult)) {
        return fontResult;
    }
    switch (message) {
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_PAINT: paintStatic(hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_NCDESTROY: forgetControlFont(hwnd); break;
    case WM_SETTEXT: {
        LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    }
    default: break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace layer
