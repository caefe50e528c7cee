// Classes, creation, the tree, text, ids, positions and the CBT hooks.
#include "layer_fixture.h"
#include "platform/hook.h"

#include <cstring>

using namespace layertest;

namespace {

class WindowTest : public LayerTest {};

TEST_F(WindowTest, SecondRegistrationOfANameFails) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "OnceOnly";
    EXPECT_NE(RegisterClassExA(&wc), 0);
    EXPECT_EQ(RegisterClassExA(&wc), 0);
    wc.lpszClassName = "ONCEONLY";
    EXPECT_EQ(RegisterClassExA(&wc), 0) << "class names compare without regard to case";
}

TEST_F(WindowTest, BuiltinClassesCannotBeRegisteredAgain) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcA;
    for (const char* name : {"Button", "STATIC", "EDIT", "msctls_statusbar32"}) {
        wc.lpszClassName = name;
        EXPECT_EQ(RegisterClassExA(&wc), 0) << name;
    }
}

TEST_F(WindowTest, CreateSendsCreateAndParentNotifyBeforeItReturns) {
    HWND main = makeMain();
    messageLog().clear();
    HWND child = makeChild(main, 10, 10, 50, 20, 42);
    ASSERT_NE(child, nullptr);
    std::vector<UINT> order;
    for (const auto& m : messageLog())
        if (m.message == WM_NCCREATE || m.message == WM_CREATE || m.message == WM_PARENTNOTIFY)
            order.push_back(m.message);
    EXPECT_EQ(order, (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_PARENTNOTIFY}));
    auto creates = logged(WM_CREATE);
    ASSERT_EQ(creates.size(), 1u);
    EXPECT_EQ(creates[0].hwnd, child);
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(creates[0].lParam);
    EXPECT_NE(cs, nullptr);
    auto notes = logged(WM_PARENTNOTIFY);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].hwnd, main);
    EXPECT_EQ(LOWORD(notes[0].wParam), WM_CREATE);
    EXPECT_EQ(HIWORD(notes[0].wParam), 42);
    EXPECT_EQ(notes[0].lParam, reinterpret_cast<LPARAM>(child));
}

TEST_F(WindowTest, CreateWithUnknownClassOrMissingParentFails) {
    EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr),
              nullptr);
    EXPECT_EQ(
        CreateWindowExA(0, "LayerTestWindow", "", WS_CHILD, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr),
        nullptr);
}

TEST_F(WindowTest, CaptionedFixedFrameLeavesClassicClientArea) {
    HWND main = makeMain();
    RECT client{}, outer{};
    GetClientRect(main, &client);
    GetWindowRect(main, &outer);
    EXPECT_EQ(client.right, 994);
    EXPECT_EQ(client.bottom, 635);
    EXPECT_EQ(outer.left, 40) << "CW_USEDEFAULT asks the backend";
    EXPECT_EQ(outer.right - outer.left, 1000);
    POINT origin{0, 0};
    ClientToScreen(main, &origin);
    EXPECT_EQ(origin.x, 43);
    EXPECT_EQ(origin.y, 62);
}

TEST_F(WindowTest, ChildPositionsAreInParentClientCoordinates) {
    HWND main = makeMain();
    HWND group = makeChild(main, 806, 15, 150, 164, 100);
    HWND radio = makeChild(group, 4, 20, 280, 20, 101);
    RECT r{};
    GetWindowRect(radio, &r);
    EXPECT_EQ(r.left, 43 + 806 + 4);
    EXPECT_EQ(r.top, 62 + 15 + 20);
    EXPECT_EQ(r.right - r.left, 280);
}

TEST_F(WindowTest, GetWindowTextKeepsAtMostSizeMinusOneCharacters) {
    HWND main = makeMain();
    HWND child = CreateWindowExA(0, "LayerTestWindow", "RoriR.in", WS_CHILD, 0, 0, 10, 10, main, nullptr,
                                 nullptr, nullptr);
    struct Case {
        int size;
        const char* expected;
        int length;
    };
    const Case cases[] = {{18, "RoriR.in", 8}, {3, "Ro", 2}, {1, "", 0}};
    for (const Case& c : cases) {
        char buffer[32];
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(GetWindowTextA(child, buffer, c.size), c.length) << c.size;
        EXPECT_STREQ(buffer, c.expected) << c.size;
    }
    char untouched[4] = "abc";
    EXPECT_EQ(GetWindowTextA(child, untouched, 0), 0);
    EXPECT_STREQ(untouched, "abc");
}

TEST_F(WindowTest, WindowLongGivesIdAndInstance) {
    HWND main = makeMain();
    HWND child = makeChild(main, 0, 0, 10, 10, 107);
    EXPECT_EQ(GetWindowLongA(child, GWL_ID), 107);
    EXPECT_EQ(reinterpret_cast<HMODULE>(static_cast<std::intptr_t>(GetWindowLongA(main, GWL_HINSTANCE))),
              GetModuleHandleA(nullptr));
    EXPECT_EQ(GetWindowLongA(nullptr, GWL_ID), 0);
}

TEST_F(WindowTest, ChildWindowFromPointFindsClippedChildInsideParentOnly) {
    HWND main = makeMain();
    HWND group = makeChild(main, 806, 15, 150, 164, 100);
    HWND radio101 = makeChild(group, 4, 20, 280, 20, 101);
    HWND radio102 = makeChild(group, 4, 40, 280, 20, 102);
    struct Case {
        POINT point;
        HWND expected;
    };
    const Case cases[] = {
        {{148, 30}, radio101}, // 2 px inside the box's right edge, on the clipped radio's row
        {{10, 45}, radio102},  // plainly on a radio
        {{2, 5}, group},       // the box itself
        {{160, 30}, nullptr},  // on the radio's rectangle, but outside the box
        {{-1, 30}, nullptr},   {{10, 164}, nullptr},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChildWindowFromPoint(group, c.point), c.expected) << c.point.x << "," << c.point.y;
}

TEST_F(WindowTest, GetWindowWalksOwnerAndChildren) {
    HWND main = makeMain();
    HWND first = makeChild(main, 0, 0, 10, 10, 1);
    HWND second = makeChild(main, 0, 0, 10, 10, 2);
    HWND popup = CreateWindowExA(0, "LayerTestWindow", "Box", WS_POPUP | WS_CAPTION, 0, 0, 100, 50, main,
                                 nullptr, nullptr, nullptr);
    created_.push_back(popup);
    EXPECT_EQ(GetWindow(popup, GW_OWNER), main);
    EXPECT_EQ(GetWindow(main, GW_CHILD), first);
    EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), second);
    EXPECT_EQ(GetWindow(second, GW_HWNDNEXT), nullptr);
    EXPECT_EQ(GetDlgItem(main, 2), second);
}

TEST_F(WindowTest, SetWindowPosWithNoSizeMovesAndKeepsSize) {
    HWND main = makeMain();
    HWND popup = CreateWindowExA(0, "LayerTestWindow", "Box", WS_POPUP | WS_CAPTION | WS_VISIBLE, 300, 300,
                                 220, 90, main, nullptr, nullptr, nullptr);
    created_.push_back(popup);
    RECT owner{};
    GetWindowRect(main, &owner);
    SetWindowPos(popup, main, owner.left + 780, owner.top + 240, 0, 0, SWP_NOSIZE | SWP_FRAMECHANGED);
    RECT r{};
    GetWindowRect(popup, &r);
    EXPECT_EQ(r.left, owner.left + 780);
    EXPECT_EQ(r.top, owner.top + 240);
    EXPECT_EQ(r.right - r.left, 220);
    EXPECT_EQ(r.bottom - r.top, 90);
}

TEST_F(WindowTest, CloseDestroysThroughDefaultProcedureAndQuitEndsTheLoop) {
    HWND main = makeMain();
    HWND child = makeChild(main, 0, 0, 10, 10, 5);
    SendMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(main));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_EQ(logged(WM_DESTROY).size(), 2u);
    EXPECT_EQ(logged(WM_DESTROY)[0].hwnd, main) << "the parent hears of its destruction first";
    PostQuitMessage(7);
    MSG msg;
    EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), 0);
    EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(WindowTest, StaleHandlesFindNothing) {
    HWND main = makeMain();
    DestroyWindow(main);
    EXPECT_FALSE(IsWindow(main));
    EXPECT_EQ(SendMessageA(main, WM_USER, 0, 0), 0);
    EXPECT_FALSE(PostMessageA(main, WM_USER, 0, 0));
    EXPECT_FALSE(ShowWindow(main, SW_SHOW));
    EXPECT_FALSE(DestroyWindow(main));
}

TEST_F(WindowTest, EnableWindowReportsPreviousState) {
    HWND main = makeMain();
    HWND child = makeChild(main, 0, 0, 10, 10, 5);
    EXPECT_FALSE(EnableWindow(child, FALSE)) << "was enabled";
    EXPECT_FALSE(IsWindowEnabled(child));
    EXPECT_TRUE(EnableWindow(child, TRUE)) << "was disabled";
    EXPECT_TRUE(IsWindowEnabled(child));
}

// ---- CBT hooks ----------------------------------------------------------------------------------

HHOOK selfRemovingHook = nullptr;
std::vector<int> hookCalls;

LRESULT CALLBACK olderHook(int code, WPARAM wParam, LPARAM lParam) {
    hookCalls.push_back(100 + code);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK removingHook(int code, WPARAM wParam, LPARAM lParam) {
    hookCalls.push_back(code);
    if (code == HCBT_ACTIVATE)
        UnhookWindowsHookEx(selfRemovingHook);
    return CallNextHookEx(selfRemovingHook, code, wParam, lParam);
}

TEST_F(WindowTest, HookThatRemovesItselfStillPassesTheEventOn) {
    hookCalls.clear();
    HHOOK older = SetWindowsHookExA(WH_CBT, olderHook, nullptr, GetCurrentThreadId());
    selfRemovingHook = SetWindowsHookExA(WH_CBT, removingHook, nullptr, GetCurrentThreadId());
    ASSERT_NE(selfRemovingHook, nullptr);
    HWND main = makeMain();
    EXPECT_EQ(hookCalls, (std::vector<int>{HCBT_CREATEWND, 100 + HCBT_CREATEWND}));
    hookCalls.clear();
    EXPECT_FALSE(UnhookWindowsHookEx(reinterpret_cast<HHOOK>(std::uintptr_t{1})));
    // As the message box does before it is first drawn.
    layer::callCbtHooks(HCBT_ACTIVATE, reinterpret_cast<WPARAM>(main), 0);
    EXPECT_EQ(hookCalls, (std::vector<int>{HCBT_ACTIVATE, 100 + HCBT_ACTIVATE}));
    EXPECT_FALSE(UnhookWindowsHookEx(selfRemovingHook)) << "already removed";
    EXPECT_TRUE(UnhookWindowsHookEx(older));
}

TEST_F(WindowTest, CreateHookSeesTheNewWindowAndCanRefuseIt) {
    struct Refuser {
        static LRESULT CALLBACK proc(int code, WPARAM, LPARAM lParam) {
            auto* cbt = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
            return code == HCBT_CREATEWND && std::strcmp(cbt->lpcs->lpszName, "refuse me") == 0;
        }
    };
    HHOOK hook = SetWindowsHookExA(WH_CBT, Refuser::proc, nullptr, GetCurrentThreadId());
    EXPECT_EQ(CreateWindowExA(0, "LayerTestWindow", "refuse me", MainStyle, 0, 0, 100, 100, nullptr, nullptr,
                              nullptr, nullptr),
              nullptr);
    EXPECT_TRUE(logged(WM_CREATE).empty());
    HWND other = CreateWindowExA(0, "LayerTestWindow", "fine", MainStyle, 0, 0, 100, 100, nullptr, nullptr,
                                 nullptr, nullptr);
    created_.push_back(other);
    EXPECT_NE(other, nullptr);
    UnhookWindowsHookEx(hook);
}

} // namespace

namespace {

class ShowTest : public LayerTest {};

TEST_F(ShowTest, MinimizedStartIsVisibleButNotPaintedUntilRestored) {
    HWND main = CreateWindowExA(0, "LayerTestWindow", "Main", MainStyle, CW_USEDEFAULT, CW_USEDEFAULT, 1000,
                                660, nullptr, nullptr, nullptr, nullptr);
    created_.push_back(main);
    EXPECT_FALSE(IsWindowVisible(main));
    ShowWindow(main, SW_SHOWMINIMIZED);
    EXPECT_TRUE(IsWindowVisible(main));
    layer::TopLevelView views[8];
    int n = layer::topLevelWindows(views, 8);
    ASSERT_GE(n, 1);
    EXPECT_EQ(views[n - 1].hwnd, main);
    EXPECT_TRUE(views[n - 1].minimized);
    messageLog().clear();
    pump();
    EXPECT_TRUE(logged(WM_PAINT).empty());
    ShowWindow(main, SW_RESTORE);
    pump();
    EXPECT_EQ(logged(WM_PAINT).size(), 1u);
}

} // namespace
