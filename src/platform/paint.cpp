// Invalid regions and paint requests. Every window draws straight into its top-level window's
// surface; a parent without WS_CLIPCHILDREN paints over its children, so invalidating a parent
// invalidates the children under the rectangle too, and paint requests go parents first.
#include "platform/backend.h"
#include "platform/gdi_internal.h"
#include "platform/window_internal.h"

#include <algorithm>

namespace layer {

void invalidateTree(HWND hwnd, const RECT& rect, bool erase) {
    Window* w = findWindow(hwnd);
    if (!w)
        return;
    RECT r = intersectRects(rect, clientRect(*w));
    if (rectEmpty(r))
        return;
    w->invalidRect = w->invalid ? unionRects(w->invalidRect, r) : r;
    w->invalid = true;
    w->eraseNeeded = w->eraseNeeded || erase;
    for (HWND c : w->children) {
        Window* child = findWindow(c);
        if (!child)
            continue;
        RECT under = intersectRects(r, child->rect);
        if (rectEmpty(under))
            continue;
        int dx = child->rect.left + child->frame.left;
        int dy = child->rect.top + child->frame.top;
        invalidateTree(c, offsetRect(under, -dx, -dy), erase);
    }
}

namespace {

HWND firstToPaint(HWND hwnd) {
    Window* w = findWindow(hwnd);
    if (!w || !(w->style & WS_VISIBLE) || w->minimized)
        return nullptr;
    if (w->invalid)
        return hwnd;
    for (auto it = w->children.rbegin(); it != w->children.rend(); ++it)
        if (HWND found = firstToPaint(*it))
            return found;
    return nullptr;
}

void markChanged(HWND hwnd) {
    if (Window* top = findWindow(topLevelOf(hwnd)))
        top->pixelsChanged = true;
}

// The classic raised frame: light and white above and left, black and grey below and right.
void drawBorder(cairo_surface_t* s, int width, int height) {
    struct Ring {
        COLORREF topLeft, bottomRight;
    };
    const Ring rings[3] = {{GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW)},
                           {GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW)},
                           {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE)}};
    for (int i = 0; i < 3; ++i) {
        int l = i, t = i, r = width - i, b = height - i;
        fillSurfaceRect(s, RECT{l, t, r - 1, t + 1}, rings[i].topLeft);
        fillSurfaceRect(s, RECT{l, t, l + 1, b - 1}, rings[i].topLeft);
        fillSurfaceRect(s, RECT{l, b - 1, r, b}, rings[i].bottomRight);
        fillSurfaceRect(s, RECT{r - 1, t, r, b}, rings[i].bottomRight);
    }
}

// A caption button: a raised face with the close cross or the minimize bar.
void drawCaptionButton(cairo_surface_t* s, const RECT& box, bool close) {
    fillSurfaceRect(s, box, GetSysColor(COLOR_BTNFACE));
    fillSurfaceRect(s, RECT{box.left, box.top, box.right - 1, box.top + 1}, GetSysColor(COLOR_BTNHIGHLIGHT));
    fillSurfaceRect(s, RECT{box.left, box.top, box.left + 1, box.bottom - 1},
                    GetSysColor(COLOR_BTNHIGHLIGHT));
    fillSurfaceRect(s, RECT{box.left, box.bottom - 1, box.right, box.bottom}, GetSysColor(COLOR_3DDKSHADOW));
    fillSurfaceRect(s, RECT{box.right - 1, box.top, box.right, box.bottom}, GetSysColor(COLOR_3DDKSHADOW));
    fillSurfaceRect(s, RECT{box.left + 1, box.bottom - 2, box.right - 1, box.bottom - 1},
                    GetSysColor(COLOR_BTNSHADOW));
    fillSurfaceRect(s, RECT{box.right - 2, box.top + 1, box.right - 1, box.bottom - 1},
                    GetSysColor(COLOR_BTNSHADOW));
    COLORREF ink = GetSysColor(COLOR_BTNTEXT);
    if (close) {
        int x = box.left + 4, y = box.top + 3;
        for (int i = 0; i < 7; ++i) {
            fillSurfaceRect(s, RECT{x + i, y + i, x + i + 2, y + i + 1}, ink);
            fillSurfaceRect(s, RECT{x + 6 - i, y + i, x + 8 - i, y + i + 1}, ink);
        }
    } else {
        fillSurfaceRect(s, RECT{box.left + 4, box.bottom - 5, box.left + 10, box.bottom - 3}, ink);
    }
}

} // namespace

HWND windowToPaint(HWND filter) {
    if (filter)
        return firstToPaint(filter);
    for (HWND top : topLevelOrder())
        if (HWND found = firstToPaint(top))
            return found;
    return nullptr;
}

void drawFrame(Window& w) {
    w.frameDirty = false;
    if (!w.surface || w.parent)
        return;
    int width = w.rect.right - w.rect.left;
    int height = w.rect.bottom - w.rect.top;
    if (w.frame.left == 0 && w.frame.top == 0)
        return;
    if (w.frame.left == 1) {
        fillSurfaceRect(w.surface, RECT{0, 0, width, 1}, GetSysColor(COLOR_WINDOWFRAME));
        fillSurfaceRect(w.surface, RECT{0, height - 1, width, height}, GetSysColor(COLOR_WINDOWFRAME));
        fillSurfaceRect(w.surface, RECT{0, 0, 1, height}, GetSysColor(COLOR_WINDOWFRAME));
        fillSurfaceRect(w.surface, RECT{width - 1, 0, width, height}, GetSysColor(COLOR_WINDOWFRAME));
        return;
    }
    drawBorder(w.surface, width, height);
    int border = w.frame.left;
    if (w.frame.top <= border)
        return;
    bool active = GetActiveWindow() == w.handle;
    RECT caption{border, border, width - border, w.frame.top - 1};
    fillSurfaceRect(w.surface, caption, GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    fillSurfaceRect(w.surface, RECT{border, w.frame.top - 1, width - border, w.frame.top},
                    GetSysColor(COLOR_BTNFACE));
    int right = caption.right - 2;
    if (w.style & WS_SYSMENU) {
        drawCaptionButton(w.surface, RECT{right - 16, caption.top + 2, right, caption.top + 16}, true);
        right -= 18;
        if (w.style & WS_MINIMIZEBOX) {
            drawCaptionButton(w.surface, RECT{right - 16, caption.top + 2, right, caption.top + 16}, false);
            right -= 16;
        }
    }
    RECT textClip{caption.left, caption.top, right - 2, caption.bottom};
    drawSurfaceText(w.surface, textClip, caption.left + 3, caption.top + 2, w.text.c_str(),
                    GetSysColor(COLOR_CAPTIONTEXT));
    w.pixelsChanged = true;
}

void presentChanges() {
    std::vector<HWND> tops = topLevelOrder();
    for (HWND h : tops) {
        Window* w = findWindow(h);
        if (!w)
            continue;
        if (w->frameDirty && (w->style & WS_VISIBLE))
            drawFrame(*w);
        if (w->pixelsChanged) {
            w->pixelsChanged = false;
            backend().present(h);
        }
    }
}

} // namespace layer

using namespace layer;

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    if (hwnd == nullptr) {
        std::vector<HWND> tops = topLevelOrder();
        for (HWND h : tops)
            if (Window* w = findWindow(h))
                invalidateTree(h, clientRect(*w), erase != FALSE);
        return TRUE;
    }
    Window* w = findWindow(hwnd);
    if (!w)
        return FALSE;
    invalidateTree(hwnd, rect ? *rect : clientRect(*w), erase != FALSE);
    return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
    Window* w = findWindow(hwnd);
    if (!w)
        return FALSE;
    // The invalid region is one rectangle: it goes only when the validated part covers it.
    if (rect == nullptr || rectEmpty(w->invalidRect) ||
        (rect->left <= w->invalidRect.left && rect->top <= w->invalidRect.top &&
         rect->right >= w->invalidRect.right && rect->bottom >= w->invalidRect.bottom)) {
        w->invalid = false;
        w->invalidRect = RECT{0, 0, 0, 0};
        w->eraseNeeded = false;
    }
    return TRUE;
}

HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT paint) {
    Window* w = findWindow(hwnd);
    if (!w || paint == nullptr)
        return nullptr;
    RECT region = w->invalid ? w->invalidRect : RECT{0, 0, 0, 0};
    RECT clip = intersectRects(region, visibleClientRect(hwnd));
    bool erase = w->eraseNeeded;
    w->invalid = false;
    w->invalidRect = RECT{0, 0, 0, 0};
    w->eraseNeeded = false;
    HDC dc = createWindowDc(hwnd, clip);
    *paint = PAINTSTRUCT{};
    paint->hdc = dc;
    paint->rcPaint = clip;
    paint->fErase = FALSE;
    if (erase)
        paint->fErase = SendMessageA(hwnd, WM_ERASEBKGND, (WPARAM)dc, 0) == 0;
    markChanged(hwnd);
    return dc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint) {
    if (paint == nullptr)
        return FALSE;
    destroyDc(paint->hdc);
    markChanged(hwnd);
    return TRUE;
}

HDC GetDC(HWND hwnd) {
    if (hwnd && !findWindow(hwnd))
        return nullptr;
    return createWindowDc(hwnd, hwnd ? visibleClientRect(hwnd) : RECT{0, 0, 0, 0});
}

int ReleaseDC(HWND hwnd, HDC dc) {
    if (!findDc(dc))
        return 0;
    destroyDc(dc);
    if (hwnd)
        markChanged(hwnd);
    return 1;
}
