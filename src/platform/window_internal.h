// The core's window records, shared by window.cpp, message.cpp, paint.cpp and gdi.cpp. Not part of
// the public face: controls reach windows only through win32.h.
//
// Handles are serial numbers, never reused, so a stale HWND finds nothing instead of a freed record.
// Every function that sends a message may see windows destroyed under it: after a send, look the
// handle up again with `findWindow` instead of keeping a Window*.
#pragma once

#include "platform/win32.h"

#include <string>
#include <vector>

typedef struct _cairo_surface cairo_surface_t;

namespace layer {

struct WindowClass {
    std::string name;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int clsExtra = 0;
    int wndExtra = 0;
    HINSTANCE instance = nullptr;
    HBRUSH background = nullptr; // a brush, or a system colour index + 1
};

struct Window {
    HWND handle = nullptr;
    const WindowClass* cls = nullptr;
    HWND parent = nullptr;      // null for a top-level window
    HWND owner = nullptr;       // top-level windows only
    std::vector<HWND> children; // z-order, top first (creation order: the first created is on top)
    DWORD style = 0;
    DWORD exStyle = 0;
    std::string text;
    LONG_PTR id = 0; // the menu argument of a child
    HINSTANCE instance = nullptr;
    WNDPROC proc = nullptr;
    LONG_PTR userData = 0;
    std::vector<unsigned char> extra;
    RECT rect{};  // outer rectangle: parent's client coordinates for a child, screen for a top level
    RECT frame{}; // widths of the non-client frame: left, top (caption included), right, bottom
    bool minimized = false;
    bool destroying = false;
    // Painting. The invalid region is kept as its bounding rectangle in client coordinates.
    bool invalid = false;
    RECT invalidRect{};
    bool eraseNeeded = false;
    // Top-level windows only: the pixels of the whole outer rectangle, children included.
    cairo_surface_t* surface = nullptr;
    bool frameDirty = false;    // the caption and borders must be drawn again
    bool pixelsChanged = false; // the backend has not been told of the latest drawing
};

// The live window of a handle, or null.
Window* findWindow(HWND hwnd);
// The top-level windows, bottom of the z-order first.
const std::vector<HWND>& topLevelOrder();
// The top-level window that holds hwnd (hwnd itself for a top-level one).
HWND topLevelOf(HWND hwnd);
// The client area's origin in its top-level's surface, and in screen coordinates.
POINT clientOriginInSurface(HWND hwnd);
POINT clientOriginOnScreen(HWND hwnd);
// The client rectangle (0, 0, width, height).
RECT clientRect(const Window& w);
// The part of hwnd's client area that is not clipped away by its ancestors, in hwnd's client
// coordinates; empty when hwnd or an ancestor is hidden.
RECT visibleClientRect(HWND hwnd);
// Visible itself and every ancestor visible.
bool reallyVisible(HWND hwnd);
// Enabled itself and every ancestor enabled (the modal rule: a disabled top level takes no input).
bool reallyEnabled(HWND hwnd);
// Draws the caption and borders of a top-level window into its surface.
void drawFrame(Window& w);

// message.cpp: called when a window goes away, so input state forgets it.
void forgetWindowForInput(HWND hwnd);
// paint.cpp: marks the part of hwnd (client coordinates) and of its children under it invalid.
void invalidateTree(HWND hwnd, const RECT& rect, bool erase);
// Draws every pending frame and tells the backend of every surface changed since the last call.
void presentChanges();

// Rectangle helpers.
bool rectEmpty(const RECT& r);
RECT intersectRects(const RECT& a, const RECT& b);
RECT unionRects(const RECT& a, const RECT& b);
RECT offsetRect(const RECT& r, int dx, int dy);
bool pointInRect(const RECT& r, int x, int y);

} // namespace layer
