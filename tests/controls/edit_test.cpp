// The single-line edit box: focus and caret by the mouse, typing, the editing keys, the width
// limit of a box without automatic scrolling, and its change notifications.
#include "controls_harness.h"

#include <gtest/gtest.h>

using namespace harness;

namespace {

class EditTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host = &createHost(400, 200);
        wide = createChild("EDIT", "", 0, 10, 10, 200, 20, host->hwnd, 7);
        narrow = createChild("EDIT", "0", 0, 10, 40, 22, 20, host->hwnd, 0);
        pump();
        host->received.clear();
    }
    void TearDown() override { destroyHost(); }

    static std::string textOf(HWND edit) {
        char buffer[256] = {0};
        GetWindowTextA(edit, buffer, sizeof(buffer));
        return buffer;
    }

    int changes(int id) const {
        int count = 0;
        for (const Received& r : host->only(WM_COMMAND)) {
            count += LOWORD(r.wParam) == id && HIWORD(r.wParam) == EN_CHANGE ? 1 : 0;
        }
        return count;
    }

    HostWindow* host = nullptr;
    HWND wide = nullptr;
    HWND narrow = nullptr;
};

TEST_F(EditTest, PressFocusesAndTypedCharactersAreInserted) {
    click(wide, 100, 10);
    EXPECT_EQ(GetFocus(), wide);
    type("Graf 1");
    EXPECT_EQ(textOf(wide), "Graf 1");
    EXPECT_EQ(changes(7), 6) << "one EN_CHANGE per character";
}

TEST_F(EditTest, EditingKeysMoveTheCaretAndErase) {
    struct Case {
        std::vector<int> keys;
        std::string typed;
        std::string expected;
    };
    const Case cases[] = {
        {{VK_HOME}, "x", "xabcd"},
        {{VK_END}, "x", "abcdx"},
        {{VK_LEFT, VK_LEFT}, "x", "abxcd"},
        {{VK_HOME, VK_RIGHT}, "x", "axbcd"},
        {{VK_BACK}, "", "abc"},
        {{VK_BACK, VK_BACK, VK_HOME, VK_BACK}, "", "ab"}, // backspace at the start does nothing
        {{VK_HOME, VK_DELETE}, "", "bcd"},
        {{VK_END, VK_DELETE}, "", "abcd"}, // delete at the end does nothing
        {{VK_LEFT, VK_LEFT, VK_DELETE}, "", "abd"},
        {{VK_HOME, VK_LEFT, VK_END, VK_RIGHT}, "x", "abcdx"}, // the caret stays inside the text
    };
    for (const Case& c : cases) {
        SetWindowTextA(wide, "");
        click(wide, 100, 10);
        type("abcd");
        for (int k : c.keys) {
            key(k);
        }
        type(c.typed);
        EXPECT_EQ(textOf(wide), c.expected);
    }
}

TEST_F(EditTest, ReturnAndEscapeAreNotText) {
    click(wide, 100, 10);
    type("ab");
    key(VK_RETURN);
    key(VK_ESCAPE);
    key(VK_TAB);
    EXPECT_EQ(textOf(wide), "ab");
}

TEST_F(EditTest, PressPlacesTheCaretNearestThePoint) {
    SetWindowTextA(wide, "abcd");
    click(wide, 0, 10);
    type("x");
    EXPECT_EQ(textOf(wide), "xabcd");
    click(wide, 190, 10);
    type("y");
    EXPECT_EQ(textOf(wide), "xabcdy");
}

TEST_F(EditTest, CharacterThatWouldNotFitIsRefusedWithABeep) {
    click(narrow, 20, 10);
    int beepsBefore = log().beeps;
    type("WWWWWWWWWW");
    std::string kept = textOf(narrow);
    ASSERT_LT(kept.size(), 11u);
    EXPECT_GT(log().beeps, beepsBefore);
    EXPECT_EQ(log().beeps - beepsBefore, static_cast<int>(11 - kept.size())) << "one beep per refusal";
    HDC dc = GetDC(narrow);
    SIZE extent{};
    GetTextExtentPoint32A(dc, kept.c_str(), static_cast<int>(kept.size()), &extent);
    ReleaseDC(narrow, dc);
    EXPECT_LE(extent.cx, 22);
}

TEST_F(EditTest, AutoScrollingBoxTakesTextWiderThanItself) {
    HWND scrolling = createChild("EDIT", "", ES_AUTOHSCROLL, 10, 70, 40, 20, host->hwnd, 9);
    click(scrolling, 5, 10);
    int beepsBefore = log().beeps;
    type("abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(textOf(scrolling), "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(log().beeps, beepsBefore);
}

TEST_F(EditTest, TextSetByTheProgramIsKeptWhole) {
    SetWindowTextA(narrow, "a name far wider than the box");
    EXPECT_EQ(textOf(narrow), "a name far wider than the box");
    HWND created =
        createChild("EDIT", "RoriR.in but longer than it can show", 0, 10, 70, 30, 20, host->hwnd, 0);
    EXPECT_EQ(textOf(created), "RoriR.in but longer than it can show");
}

TEST_F(EditTest, GetWindowTextStopsAtTheBufferSize) {
    SetWindowTextA(wide, "123");
    char buffer[3] = {'x', 'x', 'x'};
    EXPECT_EQ(GetWindowTextA(wide, buffer, 3), 2);
    EXPECT_EQ(std::string(buffer), "12");
}

TEST_F(EditTest, ChangesReachTheParentWithIdZeroForAnUnnamedBox) {
    click(narrow, 20, 10);
    key(VK_BACK);
    type("7");
    EXPECT_EQ(textOf(narrow), "7");
    EXPECT_EQ(changes(0), 2);
    std::vector<Received> sent = host->only(WM_COMMAND);
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.back().lParam, reinterpret_cast<LPARAM>(narrow));
}

TEST_F(EditTest, DisabledBoxIsGreyAndIgnoresTyping) {
    click(wide, 100, 10);
    type("ab");
    EXPECT_EQ(pixel(wide, 150, 10), RGB(255, 255, 255));
    EnableWindow(wide, FALSE);
    pump();
    EXPECT_EQ(pixel(wide, 150, 10), GetSysColor(COLOR_BTNFACE));
    type("cd");
    key(VK_BACK);
    EXPECT_EQ(textOf(wide), "ab");
}

TEST_F(EditTest, FocusedBoxDrawsItsCaret) {
    SetWindowTextA(wide, "");
    pump();
    RECT start{0, 0, 4, 20};
    EXPECT_EQ(countColor(wide, start, RGB(0, 0, 0)), 0);
    click(wide, 100, 10);
    EXPECT_GT(countColor(wide, start, RGB(0, 0, 0)), 5) << "a caret line at the start";
}

} // namespace
