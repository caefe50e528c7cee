// WinMain end to end in the test process: the quit message is posted before it starts, so its
// loop ends at once and the window it made can be looked at. One program of its own, since
// WinMain registers the main window's class, which a process can do only once.
#include <filesystem>
#include <system_error>

#include <gtest/gtest.h>

#include "platform/backend.h"
#include "platform/win32.h"
#include "shell/shell_globals.h"

namespace {

TEST(WinMainTest, ShowsTheWindowWithTheStartUpShowCommandAndReturnsTheQuitCode) {
    // A working directory without RoriR.in: an empty graph and no box.
    std::error_code error;
    std::filesystem::path scratch = std::filesystem::temp_directory_path() / "grafuri-winmain-test";
    std::filesystem::create_directories(scratch, error);
    std::filesystem::current_path(scratch, error);
    ASSERT_FALSE(error);
    std::filesystem::remove(scratch / "RoriR.in", error);

    PostQuitMessage(0);
    char commandLine[] = "";
    EXPECT_EQ(WinMain(GetModuleHandleA(nullptr), nullptr, commandLine, SW_SHOWMINIMIZED), 0);
    ASSERT_NE(mainWindow, nullptr);

    layer::TopLevelView views[8];
    int n = layer::topLevelWindows(views, 8);
    ASSERT_EQ(n, 1);
    EXPECT_EQ(views[0].hwnd, mainWindow);
    EXPECT_TRUE(views[0].minimized);
    EXPECT_EQ(views[0].width, 1000);
    EXPECT_EQ(views[0].height, 660);
    char title[64] = {};
    GetWindowTextA(mainWindow, title, sizeof title);
    EXPECT_STREQ(title, "Grafuri orientate");
    char className[64] = {};
    GetClassNameA(mainWindow, className, sizeof className);
    EXPECT_STREQ(className, "TavinelWindowsApp");
    // A system menu and a minimize box; no sizing border and no maximize box.
    DWORD style = static_cast<DWORD>(GetWindowLongA(mainWindow, GWL_STYLE));
    EXPECT_EQ(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME | WS_MAXIMIZEBOX),
              WS_SYSMENU | WS_MINIMIZEBOX);

    // The drawing objects and the canvas rectangle exist before the loop.
    EXPECT_NE(redPen, nullptr);
    EXPECT_NE(redBrush, nullptr);
    EXPECT_NE(greenBrush, nullptr);
    EXPECT_NE(blueBrush, nullptr);
    EXPECT_EQ(CanvasRect.right, 770);
    EXPECT_EQ(CanvasRect.bottom, 650);

    // A second start finds the class registered already: it returns 0 at once, with no window.
    HWND first = mainWindow;
    PostQuitMessage(0);
    EXPECT_EQ(WinMain(GetModuleHandleA(nullptr), nullptr, commandLine, SW_SHOWDEFAULT), 0);
    EXPECT_EQ(mainWindow, first);
    EXPECT_EQ(layer::topLevelWindows(views, 8), 1);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
}

} // namespace
