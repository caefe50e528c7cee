// A test program's own display backend and the helpers the control tests drive it with: input in
// client coordinates, pumping the queue dry, pixels of a window, and screenshots of the virtual
// screen. The backend runs a list of steps whenever a message loop waits for input, which is how a
// test answers a modal box.
#pragma once

#include "platform/backend.h"
#include "platform/win32.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace harness {

struct ShownBox {
    HWND box;
    std::string caption;
    std::string text;
};

// What the scripted backend saw.
struct BackendLog {
    int beeps = 0;
    int starved = 0; // a loop waited for input with no step left
    std::vector<ShownBox> boxes;
};

BackendLog& log();
// Steps to run, one each time a message loop waits for input.
void whenIdle(std::function<void()> step);
void clearSteps();
size_t stepsLeft();

// Every queued message and every pending paint, handled.
void pump();
// A press and a release of a mouse button at a client point of hwnd, each followed by a pump.
void press(HWND hwnd, int x, int y, UINT downMessage);
void release(HWND hwnd, int x, int y, UINT upMessage);
void click(HWND hwnd, int x, int y);
void moveMouse(HWND hwnd, int x, int y);
// Injects without pumping, for steps inside a modal loop.
void injectClick(HWND hwnd, int x, int y);
void injectKeyStroke(int virtualKey);
// A key pressed and released, each followed by a pump.
void key(int virtualKey);
void type(const std::string& windowsLatinText);

// The pixel at a client point of any window, read from its top-level window's surface.
COLORREF pixel(HWND hwnd, int x, int y);
// How many pixels of a client rectangle have exactly this colour.
int countColor(HWND hwnd, const RECT& rect, COLORREF color);
// The visible top-level windows composed on the 1280 x 800 virtual screen (0x00RRGGBB per pixel,
// black where no window is), and that picture written as PNG into the tests' screenshot folder.
std::vector<unsigned> screenshot();
COLORREF screenPixel(const std::vector<unsigned>& shot, int x, int y);
void writeScreenshot(const std::string& fileName);

// A plain top-level window that records what reaches it, with its client area filled by a
// colour the test can change.
struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
struct HostWindow {
    HWND hwnd = nullptr;
    std::vector<Received> received;
    COLORREF fill = RGB(200, 200, 200);
    int paints = 0;
    std::vector<Received> only(UINT message) const;
};
// Creates the host at a fixed place, shown and painted; destroyed by destroyHost.
HostWindow& createHost(int width, int height);
void destroyHost();

HWND createChild(const char* className, const char* text, DWORD style, int x, int y, int width, int height,
                 HWND parent, int id);

} // namespace harness
