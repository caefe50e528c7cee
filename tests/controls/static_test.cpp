// The static label: presses go through it to its parent, its text wraps at word boundaries, and a
// disabled label is greyed.
#include "controls_harness.h"

#include <gtest/gtest.h>

using namespace harness;

namespace {

class StaticTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host = &createHost(400, 200);
        label = createChild("STATIC", "V\xE2rf start:", SS_LEFT, 20, 20, 120, 20, host->hwnd, 0);
        pump();
        host->received.clear();
    }
    void TearDown() override { destroyHost(); }
    HostWindow* host = nullptr;
    HWND label = nullptr;
};

TEST_F(StaticTest, PressesGoThroughToTheParent) {
    click(label, 10, 10);
    std::vector<Received> presses = host->only(WM_LBUTTONDOWN);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(LOWORD(presses[0].lParam), 30);
    EXPECT_EQ(HIWORD(presses[0].lParam), 30);
}

TEST_F(StaticTest, DisabledLabelIsGreyed) {
    RECT all{0, 0, 120, 20};
    EXPECT_GT(countColor(label, all, RGB(0, 0, 0)), 10);
    EnableWindow(label, FALSE);
    pump();
    EXPECT_EQ(countColor(label, all, RGB(0, 0, 0)), 0);
    EXPECT_GT(countColor(label, all, GetSysColor(COLOR_BTNSHADOW)), 10);
}

TEST_F(StaticTest, TextWiderThanTheLabelWrapsAtABlank) {
    HWND narrow = createChild("STATIC", "Varf start", SS_LEFT, 20, 60, 40, 60, host->hwnd, 0);
    pump();
    HDC dc = GetDC(narrow);
    SIZE line{};
    GetTextExtentPoint32A(dc, "Varf", 4, &line);
    ReleaseDC(narrow, dc);
    RECT secondLine{0, line.cy, 40, 2 * line.cy};
    EXPECT_GT(countColor(narrow, secondLine, RGB(0, 0, 0)), 10) << "\"start\" goes to the second line";
}

} // namespace
