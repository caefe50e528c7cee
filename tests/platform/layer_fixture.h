// What the layer's tests share: a backend of their own (a clock the test moves, beeps counted),
// a window class that logs every message it is sent, and a fixture that cleans up the windows.
#pragma once

#include "platform/backend.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <vector>

namespace layertest {

struct LoggedMessage {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class TestBackend : public layer::Backend {
  public:
    void waitForInput() override { PostQuitMessage(99); } // a test never waits
    void topLevelChanged(HWND) override {}
    void present(HWND) override {}
    void beep() override { ++beeps; }
    void messageBoxShown(HWND, const char*, const char*) override {}
    DWORD tickCount() override { return now; }
    POINT defaultPosition(int, int) override { return POINT{40, 40}; }

    DWORD now = 100000;
    int beeps = 0;
};

TestBackend& testBackend();

// Every message sent to a window of the logging classes, in order.
std::vector<LoggedMessage>& messageLog();
// The logged messages of one kind.
std::vector<LoggedMessage> logged(UINT message);
// What a logging window answers to WM_NCHITTEST; HTCLIENT unless changed.
void setHitTestAnswer(HWND hwnd, LRESULT answer);

// "LayerTestWindow" (CS_DBLCLKS, background COLOR_SCROLLBAR + 1) and "LayerTestPlain" (no
// double clicks, white background) log every message and pass it to DefWindowProcA.
void registerTestClasses();

// Dispatches until nothing is left, paint requests included.
void pump();

constexpr DWORD MainStyle = WS_OVERLAPPED | WS_SYSMENU | WS_MINIMIZEBOX;

class LayerTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    HWND makeMain(const char* cls = "LayerTestWindow");
    HWND makeChild(HWND parent, int x, int y, int width, int height, int id, DWORD extraStyle = 0,
                   const char* cls = "LayerTestWindow");
    // Left or right press and release at a point of a window's client area.
    void click(HWND hwnd, int x, int y, UINT down = WM_LBUTTONDOWN);
    std::vector<HWND> created_;
};

} // namespace layertest
