// The seam between the layer's core and a display backend. The core owns windows, messages and
// painting; a backend shows the top-level windows somewhere and brings input in. Exactly one
// backend is linked into a program: backend_sdl (real windows) or backend_headless (off screen,
// input from a script).
//
// Notes for the backends and the programs that link them:
// - win32_headless and win32_sdl are object libraries (the core calls backend(), so an archive
//   scanned before the core's would be dropped). main() is in win32_layer (entry.cpp, alone in its
//   file): a program that defines its own main (a gtest with gtest_main) never pulls it in; one
//   that does not gets main() -> WinMain.
// - A test that wants no script can link win32_layer alone and define layer::backend() itself.
// - topLevelChanged is also called after a top-level window is destroyed: IsWindow() is then false.
// - The headless driver wakes a modal loop after `answer` by posting WM_NULL to the thread.
#pragma once

#include "platform/win32.h"

typedef struct _cairo_surface cairo_surface_t;

namespace layer {

// What a backend sees of a top-level window. x, y, width, height: the outer rectangle in screen
// coordinates (frame included); the surface holds the whole outer rectangle.
struct TopLevelView {
    HWND hwnd;
    int x, y, width, height;
    cairo_surface_t* surface;
    bool visible;
    bool minimized;
    bool enabled; // false while a modal box owned by it is up
};

// ---- The core, for backends ------------------------------------------------------------------
// The visible top-level windows, bottom of the z-order first. Returns how many were written.
int topLevelWindows(TopLevelView* out, int max);
// Input, in screen coordinates; routed as the platform routes it (deepest enabled window under
// the point, WM_PARENTNOTIFY to the ancestors, double clicks, modal owners ignoring input).
void injectMouseButton(int screenX, int screenY,
                       UINT message); // WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, ...
void injectMouseMove(int screenX, int screenY);
void injectKey(int virtualKey, bool down);       // to the focused window (WM_KEYDOWN / WM_KEYUP)
void injectChar(unsigned char windowsLatinChar); // WM_CHAR to the focused window
void injectClose(HWND topLevel);                 // the close box: WM_CLOSE
// injectKey gives WM_CHAR through TranslateMessage only for VK_BACK, VK_TAB, VK_RETURN and
// VK_ESCAPE; printable characters arrive through injectChar alone.

// The program's arguments as main() received them, before WinMain runs (argc 0 until then), so a
// backend can read its own (the headless backend: the script file).
void setProgramArguments(int argc, char** argv);
int programArgumentCount();
char** programArguments();

// ---- The backend, for the core ---------------------------------------------------------------
class Backend {
  public:
    virtual ~Backend() = default;
    // The message loop calls this when no message is queued and no window needs painting. The
    // backend delivers input through the inject functions (blocking until some arrives) and returns.
    virtual void waitForInput() = 0;
    // A top-level window was created, moved, shown, hidden, retitled or destroyed.
    virtual void topLevelChanged(HWND topLevel) = 0;
    // A top-level window's pixels changed (after painting).
    virtual void present(HWND topLevel) = 0;
    virtual void beep() = 0;
    // A message box has been activated and is about to be drawn.
    virtual void messageBoxShown(HWND box, const char* caption, const char* text) = 0;
    // Milliseconds, for message times and double clicks.
    virtual DWORD tickCount() = 0;
    // Where CW_USEDEFAULT puts a top-level window of this outer size.
    virtual POINT defaultPosition(int width, int height) = 0;
};

// The linked backend's one instance.
Backend& backend();

} // namespace layer
