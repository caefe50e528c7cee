// The program's main window built in the test process on the headless backend, as WinMain builds
// it, without the message loop: the tests set the graph store, repaint and read pixels back.
#pragma once

#include <cstring>

#include <gtest/gtest.h>

#include "graph/graph_store.h"
#include "platform/win32.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"

namespace shelltest {

// Every test gets a main window of its own, built as WinMain builds it; the class and the drawing
// objects are made once, as in the program.
inline HWND openMainWindow() {
    static bool once = [] {
        registerMainWindowClass(GetModuleHandleA(nullptr));
        CanvasRect = {0, 0, 770, 650};
        createDrawingObjects();
        return true;
    }();
    (void)once;
    mainWindow = createMainWindow(GetModuleHandleA(nullptr));
    ShowWindow(mainWindow, SW_SHOWDEFAULT);
    return mainWindow;
}

// Dispatches what is queued, the paint requests included, as the message loop would.
inline void pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

inline void closeMainWindow() {
    DestroyWindow(mainWindow);
    pumpMessages(); // takes the quit message the destruction posts
    mainWindow = nullptr;
}

inline void repaintCanvas() {
    invalidateCanvas();
    pumpMessages();
}

// COLORREF at a client point of the main window, as last painted.
inline COLORREF pixelAt(int x, int y) {
    HDC dc = GetDC(mainWindow);
    COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(mainWindow, dc);
    return colour;
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::memset(&graphStore, 0, sizeof graphStore);
        ASSERT_NE(openMainWindow(), nullptr);
        pumpMessages();
    }
    void TearDown() override {
        closeMainWindow();
        std::memset(&graphStore, 0, sizeof graphStore);
    }
};

} // namespace shelltest
