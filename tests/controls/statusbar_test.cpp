// The status bar: its place along the parent's bottom edge, its parts and their texts, and how it
// draws them.
#include "controls_harness.h"

#include <gtest/gtest.h>

using namespace harness;

namespace {

class StatusBarTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host = &createHost(600, 300);
        bar = createChild(STATUSCLASSNAMEA, nullptr, SBARS_SIZEGRIP, 0, 0, 0, 0, host->hwnd, 108);
        int edges[3] = {200, 400, -1};
        SendMessageA(bar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
        SendMessageA(bar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(" Win32 Application"));
        SendMessageA(bar, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(" Selectati extremitatea initiala "));
        SendMessageA(bar, SB_SETTEXTA, 2, reinterpret_cast<LPARAM>(" Rosu semnifica varful arcului"));
        pump();
    }
    void TearDown() override { destroyHost(); }

    std::string partText(int part) const {
        char buffer[256] = {0};
        SendMessageA(bar, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(buffer));
        return buffer;
    }

    HostWindow* host = nullptr;
    HWND bar = nullptr;
};

TEST_F(StatusBarTest, PlacesItselfAlongTheBottomEdgeOfItsParent) {
    RECT parentClient{}, barRect{};
    GetClientRect(host->hwnd, &parentClient);
    GetWindowRect(bar, &barRect);
    POINT topLeft{barRect.left, barRect.top};
    ScreenToClient(host->hwnd, &topLeft);
    int height = barRect.bottom - barRect.top;
    EXPECT_EQ(topLeft.x, 0);
    EXPECT_EQ(topLeft.y + height, parentClient.bottom);
    EXPECT_EQ(barRect.right - barRect.left, parentClient.right);
    HDC dc = GetDC(bar);
    SIZE extent{};
    GetTextExtentPoint32A(dc, "Ag", 2, &extent);
    ReleaseDC(bar, dc);
    EXPECT_GE(height, extent.cy + 4) << "the font fits";
    EXPECT_LE(height, extent.cy + 16);
}

TEST_F(StatusBarTest, PartsAndTextsReadBackAsSet) {
    int edges[4] = {0, 0, 0, 0};
    EXPECT_EQ(SendMessageA(bar, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 3);
    EXPECT_EQ(edges[0], 200);
    EXPECT_EQ(edges[1], 400);
    EXPECT_EQ(edges[2], -1);
    EXPECT_EQ(partText(0), " Win32 Application");
    EXPECT_EQ(partText(1), " Selectati extremitatea initiala ");
    EXPECT_EQ(partText(2), " Rosu semnifica varful arcului");
    EXPECT_EQ(LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, 1, 0)), 33);
    SendMessageA(bar, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(" "));
    EXPECT_EQ(partText(1), " ");
    SendMessageA(bar, SB_SETTEXTA, 1, 0);
    EXPECT_EQ(partText(1), "") << "a null text clears the part";
}

TEST_F(StatusBarTest, PartsHaveSunkenFramesAndTheirTexts) {
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    RECT client{};
    GetClientRect(bar, &client);
    int middle = client.bottom / 2;
    struct Edge {
        int x;
        COLORREF color;
    };
    const Edge edges[] = {
        {0, shadow},      // part 0: left edge dark
        {199, highlight}, // right edge light
        {202, shadow},    // part 1 starts after a gap
        {399, highlight}, {402, shadow},
    };
    for (const Edge& e : edges) {
        EXPECT_EQ(pixel(bar, e.x, middle), e.color) << "x " << e.x;
    }
    EXPECT_EQ(pixel(bar, 100, 2), shadow) << "top edge of part 0";
    EXPECT_EQ(pixel(bar, 100, client.bottom - 1), highlight) << "bottom edge of part 0";
    RECT textArea{3, 3, 199, client.bottom - 1};
    EXPECT_GT(countColor(bar, textArea, RGB(0, 0, 0)), 20) << "part 0 shows its text";
}

TEST_F(StatusBarTest, SizeGripIsDrawnInTheCorner) {
    RECT client{};
    GetClientRect(bar, &client);
    RECT corner{client.right - 12, client.bottom - 12, client.right, client.bottom};
    EXPECT_GT(countColor(bar, corner, GetSysColor(COLOR_BTNSHADOW)), 10);
    EXPECT_GT(countColor(bar, corner, GetSysColor(COLOR_BTNHIGHLIGHT)), 5);
}

TEST_F(StatusBarTest, TooManyPartsAreRefused) {
    std::vector<int> edges(300, -1);
    EXPECT_EQ(SendMessageA(bar, SB_SETPARTS, 300, reinterpret_cast<LPARAM>(edges.data())), FALSE);
    EXPECT_EQ(SendMessageA(bar, SB_GETPARTS, 0, 0), 3);
}

} // namespace
