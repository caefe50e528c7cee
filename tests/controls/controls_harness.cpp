#include "controls_harness.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace harness {

namespace {

constexpr int ScreenWidth = 1280;
constexpr int ScreenHeight = 800;
constexpr int HostX = 100;
constexpr int HostY = 80;

BackendLog backendLog;
std::deque<std::function<void()>> steps;
DWORD fakeTicks = 1000;

// Runs the test's steps where a real backend would block for the user.
class ScriptedBackend final : public layer::Backend {
  public:
    void waitForInput() override {
        if (steps.empty()) {
            // Nobody will answer: end the waiting loop instead of hanging the test.
            ++backendLog.starved;
            if (backendLog.starved > 50) {
                std::abort();
            }
            PostQuitMessage(0);
            return;
        }
        std::function<void()> step = std::move(steps.front());
        steps.pop_front();
        step();
    }
    void topLevelChanged(HWND) override {}
    void present(HWND) override {}
    void beep() override { ++backendLog.beeps; }
    void messageBoxShown(HWND box, const char* caption, const char* text) override {
        backendLog.boxes.push_back(
            ShownBox{box, caption != nullptr ? caption : "", text != nullptr ? text : ""});
    }
    // A second apart: no two presses ever make a double click unless a test wants one.
    DWORD tickCount() override { return fakeTicks += 1000; }
    POINT defaultPosition(int, int) override { return POINT{HostX, HostY}; }
};

HostWindow host;

LRESULT CALLBACK hostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (hwnd == host.hwnd || host.hwnd == nullptr) {
        host.received.push_back(Received{message, wParam, lParam});
    }
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT client;
        GetClientRect(hwnd, &client);
        HBRUSH brush = CreateSolidBrush(host.fill);
        FillRect(dc, &client, brush);
        DeleteObject(brush);
        EndPaint(hwnd, &ps);
        ++host.paints;
        return 0;
    }
    default: break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool hostClassRegistered = false;

POINT toScreen(HWND hwnd, int x, int y) {
    POINT point{x, y};
    ClientToScreen(hwnd, &point);
    return point;
}

} // namespace

BackendLog& log() {
    return backendLog;
}
void whenIdle(std::function<void()> step) {
    steps.push_back(std::move(step));
}
void clearSteps() {
    steps.clear();
}
size_t stepsLeft() {
    return steps.size();
}

void pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void press(HWND hwnd, int x, int y, UINT downMessage) {
    POINT at = toScreen(hwnd, x, y);
    layer::injectMouseButton(at.x, at.y, downMessage);
    pump();
}

void release(HWND hwnd, int x, int y, UINT upMessage) {
    POINT at = toScreen(hwnd, x, y);
    layer::injectMouseButton(at.x, at.y, upMessage);
    pump();
}

void click(HWND hwnd, int x, int y) {
    press(hwnd, x, y, WM_LBUTTONDOWN);
    release(hwnd, x, y, WM_LBUTTONUP);
}

void moveMouse(HWND hwnd, int x, int y) {
    POINT at = toScreen(hwnd, x, y);
    layer::injectMouseMove(at.x, at.y);
    pump();
}

void injectClick(HWND hwnd, int x, int y) {
    POINT at = toScreen(hwnd, x, y);
    layer::injectMouseButton(at.x, at.y, WM_LBUTTONDOWN);
    layer::injectMouseButton(at.x, at.y, WM_LBUTTONUP);
}

void injectKeyStroke(int virtualKey) {
    layer::injectKey(virtualKey, true);
    layer::injectKey(virtualKey, false);
}

void key(int virtualKey) {
    layer::injectKey(virtualKey, true);
    pump();
    layer::injectKey(virtualKey, false);
    pump();
}

void type(const std::string& windowsLatinText) {
    for (char c : windowsLatinText) {
        layer::injectChar(static_cast<unsigned char>(c));
        pump();
    }
}

namespace {

// The view of the top-level window that holds hwnd, and the client point in its surface.
bool locate(HWND hwnd, int x, int y, layer::TopLevelView& found, int& sx, int& sy) {
    HWND top = hwnd;
    while ((GetWindowLongA(top, GWL_STYLE) & WS_CHILD) != 0 && GetParent(top) != nullptr) {
        top = GetParent(top);
    }
    layer::TopLevelView views[64];
    int count = layer::topLevelWindows(views, 64);
    for (int i = 0; i < count; ++i) {
        if (views[i].hwnd == top && views[i].surface != nullptr) {
            found = views[i];
            POINT at = toScreen(hwnd, x, y);
            sx = at.x - views[i].x;
            sy = at.y - views[i].y;
            return true;
        }
    }
    return false;
}

COLORREF surfacePixel(cairo_surface_t* surface, int x, int y) {
    cairo_surface_flush(surface);
    if (x < 0 || y < 0 || x >= cairo_image_surface_get_width(surface) ||
        y >= cairo_image_surface_get_height(surface)) {
        return 0xFFFFFFFF;
    }
    const unsigned char* row =
        cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
    unsigned value = reinterpret_cast<const unsigned*>(row)[x];
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

} // namespace

COLORREF pixel(HWND hwnd, int x, int y) {
    layer::TopLevelView view{};
    int sx = 0, sy = 0;
    if (!locate(hwnd, x, y, view, sx, sy)) {
        return 0xFFFFFFFF;
    }
    return surfacePixel(view.surface, sx, sy);
}

int countColor(HWND hwnd, const RECT& rect, COLORREF color) {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            count += pixel(hwnd, x, y) == color ? 1 : 0;
        }
    }
    return count;
}

std::vector<unsigned> screenshot() {
    std::vector<unsigned> shot(static_cast<size_t>(ScreenWidth * ScreenHeight), 0);
    layer::TopLevelView views[64];
    int count = layer::topLevelWindows(views, 64);
    for (int i = 0; i < count; ++i) {
        const layer::TopLevelView& view = views[i];
        if (!view.visible || view.minimized || view.surface == nullptr) {
            continue;
        }
        for (int y = 0; y < view.height; ++y) {
            for (int x = 0; x < view.width; ++x) {
                int sx = view.x + x;
                int sy = view.y + y;
                if (sx < 0 || sy < 0 || sx >= ScreenWidth || sy >= ScreenHeight) {
                    continue;
                }
                COLORREF c = surfacePixel(view.surface, x, y);
                shot[static_cast<size_t>(sy * ScreenWidth + sx)] =
                    (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
            }
        }
    }
    return shot;
}

COLORREF screenPixel(const std::vector<unsigned>& shot, int x, int y) {
    unsigned value = shot[static_cast<size_t>(y * ScreenWidth + x)];
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

void writeScreenshot(const std::string& fileName) {
    std::filesystem::create_directories(CONTROLS_SCREENSHOT_DIR);
    std::string path = std::string(CONTROLS_SCREENSHOT_DIR) + "/" + fileName;
    std::vector<unsigned> shot = screenshot();
    cairo_surface_t* surface =
        cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(shot.data()), CAIRO_FORMAT_RGB24,
                                            ScreenWidth, ScreenHeight, ScreenWidth * 4);
    cairo_surface_write_to_png(surface, path.c_str());
    cairo_surface_destroy(surface);
}

std::vector<Received> HostWindow::only(UINT message) const {
    std::vector<Received> found;
    for (const Received& r : received) {
        if (r.message == message) {
            found.push_back(r);
        }
    }
    return found;
}

HostWindow& createHost(int width, int height) {
    if (!hostClassRegistered) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = hostProc;
        wc.lpszClassName = "ControlsTestHost";
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<std::intptr_t>(COLOR_SCROLLBAR + 1));
        RegisterClassExA(&wc);
        hostClassRegistered = true;
    }
    host = HostWindow{};
    host.hwnd = CreateWindowExA(0, "ControlsTestHost", "Controls", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                HostX, HostY, width, height, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(host.hwnd, SW_SHOW);
    pump();
    return host;
}

void destroyHost() {
    if (host.hwnd != nullptr && IsWindow(host.hwnd)) {
        DestroyWindow(host.hwnd);
    }
    host.hwnd = nullptr;
    pump();
    clearSteps();
}

HWND createChild(const char* className, const char* text, DWORD style, int x, int y, int width, int height,
                 HWND parent, int id) {
    return CreateWindowExA(0, className, text, style | WS_CHILD | WS_VISIBLE, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)), nullptr, nullptr);
}

} // namespace harness

namespace layer {
Backend& backend() {
    static harness::ScriptedBackend instance;
    return instance;
}
} // namespace layer

// The layer's main() starts the program here, as it starts the shell.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int argc = layer::programArgumentCount();
    char** argv = layer::programArguments();
    char name[] = "controls_test";
    char* fallback[] = {name, nullptr};
    if (argc == 0 || argv == nullptr) {
        argc = 1;
        argv = fallback;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
