// Mouse routing (hit testing, transparent and disabled windows, parent notifications, double
// clicks, capture, modal owners) and keys.
#include "layer_fixture.h"

using namespace layertest;

namespace {

class InputTest : public LayerTest {
  protected:
    void press(HWND hwnd, int x, int y, UINT message) {
        POINT p{x, y};
        ClientToScreen(hwnd, &p);
        layer::injectMouseButton(p.x, p.y, message);
        pump();
    }
};

std::vector<UINT> pressesSeen() {
    std::vector<UINT> out;
    for (const auto& m : messageLog())
        if (m.message == WM_LBUTTONDOWN || m.message == WM_LBUTTONDBLCLK)
            out.push_back(m.message);
    return out;
}

std::vector<LoggedMessage> mouseAndNotifications() {
    std::vector<LoggedMessage> out;
    for (const auto& m : messageLog())
        if (m.message == WM_PARENTNOTIFY || (m.message >= WM_LBUTTONDOWN && m.message <= WM_RBUTTONDBLCLK))
            out.push_back(m);
    return out;
}

TEST_F(InputTest, GrandchildPressNotifiesEachAncestorNearestFirstInItsOwnCoordinates) {
    HWND main = makeMain();
    HWND group = makeChild(main, 806, 15, 150, 164, 100);
    HWND radio = makeChild(group, 4, 20, 280, 20, 101);
    struct Case {
        UINT down;
    };
    for (Case c : {Case{WM_LBUTTONDOWN}, Case{WM_RBUTTONDOWN}}) {
        messageLog().clear();
        click(main, 954, 45, c.down); // 2 px inside the group's right edge, on the radio's row
        auto seen = mouseAndNotifications();
        ASSERT_GE(seen.size(), 3u);
        EXPECT_EQ(seen[0].hwnd, group);
        EXPECT_EQ(seen[0].message, (UINT)WM_PARENTNOTIFY);
        EXPECT_EQ(LOWORD(seen[0].wParam), c.down);
        EXPECT_EQ(LOWORD(seen[0].lParam), 148);
        EXPECT_EQ(HIWORD(seen[0].lParam), 30);
        EXPECT_EQ(seen[1].hwnd, main);
        EXPECT_EQ(seen[1].message, (UINT)WM_PARENTNOTIFY);
        EXPECT_EQ(LOWORD(seen[1].wParam), c.down);
        EXPECT_EQ(LOWORD(seen[1].lParam), 954);
        EXPECT_EQ(HIWORD(seen[1].lParam), 45);
        EXPECT_EQ(seen[2].hwnd, radio);
        EXPECT_EQ(seen[2].message, c.down);
        EXPECT_EQ(LOWORD(seen[2].lParam), 144);
        EXPECT_EQ(HIWORD(seen[2].lParam), 10);
    }
}

TEST_F(InputTest, TransparentWindowLetsPressThroughToWhatIsBeneath) {
    HWND main = makeMain();
    HWND group = makeChild(main, 806, 195, 150, 170, 0); // created first: above the button
    HWND button = makeChild(main, 836, 225, 100, 25, 1);
    setHitTestAnswer(group, HTTRANSPARENT);
    struct Case {
        int x, y;
        HWND expected;
    };
    const Case cases[] = {{850, 230, button}, {810, 300, main}, {100, 100, main}};
    for (const Case& c : cases) {
        messageLog().clear();
        click(main, c.x, c.y);
        auto downs = logged(WM_LBUTTONDOWN);
        ASSERT_EQ(downs.size(), 1u) << c.x << "," << c.y;
        EXPECT_EQ(downs[0].hwnd, c.expected) << c.x << "," << c.y;
        if (c.expected == main) {
            EXPECT_EQ(LOWORD(downs[0].lParam), c.x);
            EXPECT_EQ(HIWORD(downs[0].lParam), c.y);
            EXPECT_TRUE(logged(WM_PARENTNOTIFY).empty()) << "the main window took the press itself";
        }
    }
}

TEST_F(InputTest, TransparentParentStillLetsItsChildrenTakePresses) {
    HWND main = makeMain();
    HWND group = makeChild(main, 806, 15, 150, 164, 100);
    HWND radio = makeChild(group, 4, 20, 280, 20, 101);
    setHitTestAnswer(group, HTTRANSPARENT);
    click(main, 820, 40);
    auto downs = logged(WM_LBUTTONDOWN);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].hwnd, radio);
}

TEST_F(InputTest, DisabledChildTakesNoPressAndTheWindowBeneathDoes) {
    HWND main = makeMain();
    HWND button = makeChild(main, 836, 225, 100, 25, 1);
    EnableWindow(button, FALSE);
    messageLog().clear();
    click(main, 850, 230);
    auto downs = logged(WM_LBUTTONDOWN);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].hwnd, main);
    EXPECT_EQ(LOWORD(downs[0].lParam), 850);
    EXPECT_TRUE(logged(WM_PARENTNOTIFY).empty());
}

TEST_F(InputTest, DisabledTopLevelTakesNoInputButItsOwnedBoxDoes) {
    HWND main = makeMain();
    HWND child = makeChild(main, 10, 10, 100, 100, 3);
    HWND box = CreateWindowExA(0, "LayerTestWindow", "Box", WS_POPUP | WS_CAPTION | WS_VISIBLE, 600, 300, 200,
                               100, main, nullptr, nullptr, nullptr);
    created_.push_back(box);
    EnableWindow(main, FALSE);
    messageLog().clear();
    click(main, 20, 20);
    EXPECT_TRUE(logged(WM_LBUTTONDOWN).empty());
    EXPECT_TRUE(logged(WM_PARENTNOTIFY).empty());
    POINT p{50, 30};
    ClientToScreen(box, &p);
    ScreenToClient(main, &p);
    click(main, p.x, p.y);
    auto downs = logged(WM_LBUTTONDOWN);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].hwnd, box);
    (void)child;
}

TEST_F(InputTest, SecondPressIsDoubleClickOnlyWhenQuickNearAndAskedFor) {
    struct Case {
        const char* cls;
        DWORD gap;
        int dx;
        UINT second;
    };
    const Case cases[] = {
        {"LayerTestWindow", 100, 0, WM_LBUTTONDBLCLK}, {"LayerTestWindow", 500, 2, WM_LBUTTONDBLCLK},
        {"LayerTestWindow", 501, 0, WM_LBUTTONDOWN},   {"LayerTestWindow", 100, 3, WM_LBUTTONDOWN},
        {"LayerTestPlain", 100, 0, WM_LBUTTONDOWN},
    };
    for (const Case& c : cases) {
        HWND main = makeMain(c.cls);
        messageLog().clear();
        click(main, 100, 100);
        testBackend().now += c.gap;
        click(main, 100 + c.dx, 100);
        EXPECT_EQ(pressesSeen(), (std::vector<UINT>{WM_LBUTTONDOWN, c.second}))
            << c.cls << " " << c.gap << " " << c.dx;
        testBackend().now += 10000;
        DestroyWindow(main);
    }
}

TEST_F(InputTest, ThirdQuickPressStartsOverAfterADoubleClick) {
    HWND main = makeMain();
    messageLog().clear();
    for (int i = 0; i < 3; ++i) {
        click(main, 100, 100);
        testBackend().now += 100;
    }
    EXPECT_EQ(pressesSeen(), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN}));
}

TEST_F(InputTest, ReleaseGoesToCaptureWindowElseToTheWindowUnderThePoint) {
    HWND main = makeMain();
    HWND button = makeChild(main, 100, 100, 50, 20, 1);
    press(main, 110, 110, WM_LBUTTONDOWN);
    SetCapture(button);
    messageLog().clear();
    press(main, 400, 400, WM_LBUTTONUP);
    auto ups = logged(WM_LBUTTONUP);
    ASSERT_EQ(ups.size(), 1u);
    EXPECT_EQ(ups[0].hwnd, button);
    EXPECT_EQ((short)LOWORD(ups[0].lParam), 300);
    ReleaseCapture();
    messageLog().clear();
    press(main, 400, 400, WM_LBUTTONUP);
    ups = logged(WM_LBUTTONUP);
    ASSERT_EQ(ups.size(), 1u);
    EXPECT_EQ(ups[0].hwnd, main);
}

TEST_F(InputTest, KeysGoToFocusAndTranslateMakesOnlyControlCharacters) {
    HWND main = makeMain();
    HWND edit = makeChild(main, 10, 10, 50, 20, 7);
    SetFocus(edit);
    EXPECT_EQ(GetFocus(), edit);
    messageLog().clear();
    for (int key : {VK_BACK, VK_LEFT, VK_RETURN, VK_DELETE, VK_ESCAPE}) {
        layer::injectKey(key, true);
        layer::injectKey(key, false);
    }
    layer::injectChar(0xE2);
    pump();
    std::vector<WPARAM> chars;
    for (const auto& m : logged(WM_CHAR)) {
        EXPECT_EQ(m.hwnd, edit);
        chars.push_back(m.wParam);
    }
    EXPECT_EQ(chars, (std::vector<WPARAM>{0x08, 0x0D, 0x1B, 0xE2}));
    EXPECT_EQ(logged(WM_KEYDOWN).size(), 5u);
}

TEST_F(InputTest, CloseBoxSendsCloseUnlessTheWindowIsDisabled) {
    HWND main = makeMain();
    EnableWindow(main, FALSE);
    layer::injectClose(main);
    pump();
    EXPECT_TRUE(IsWindow(main));
    EnableWindow(main, TRUE);
    layer::injectClose(main);
    pump();
    EXPECT_FALSE(IsWindow(main));
}

TEST_F(InputTest, BeepReachesTheBackend) {
    int before = testBackend().beeps;
    MessageBeep(MB_ICONHAND);
    EXPECT_EQ(testBackend().beeps, before + 1);
}

} // namespace
