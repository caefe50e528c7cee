// Paint requests from invalid regions, erasing, clipping, and the GDI's pixels.
#include "layer_fixture.h"

using namespace layertest;

namespace {

class PaintTest : public LayerTest {
  protected:
    // The pixel at a client point of hwnd, as drawn so far.
    static COLORREF pixel(HWND hwnd, int x, int y) {
        HDC dc = GetDC(hwnd);
        COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(hwnd, dc);
        return c;
    }
    static bool blackNear(HWND hwnd, POINT p) {
        bool found = false;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                found = found || pixel(hwnd, p.x + dx, p.y + dy) == RGB(0, 0, 0);
        return found;
    }
};

constexpr COLORREF Grey200 = RGB(200, 200, 200);
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF White = RGB(255, 255, 255);

TEST_F(PaintTest, PaintComesOnlyFromInvalidRegionsAndAfterPostedMessages) {
    HWND main = makeMain();
    pump();
    messageLog().clear();
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) << "nothing invalid, nothing posted";
    RECT canvas{0, 0, 770, 650};
    InvalidateRect(main, &canvas, TRUE);
    PostMessageA(main, WM_USER, 0, 0);
    PostMessageA(main, WM_USER + 1, 0, 0);
    pump();
    std::vector<UINT> order;
    for (const auto& m : messageLog())
        if (m.message == WM_USER || m.message == WM_USER + 1 || m.message == WM_PAINT)
            order.push_back(m.message);
    EXPECT_EQ(order, (std::vector<UINT>{WM_USER, WM_USER + 1, WM_PAINT}));
}

TEST_F(PaintTest, DisabledOwnerOfABoxStillRepaints) {
    HWND main = makeMain();
    HWND box = CreateWindowExA(0, "LayerTestWindow", "Box", WS_POPUP | WS_CAPTION | WS_VISIBLE, 600, 300, 200,
                               100, main, nullptr, nullptr, nullptr);
    created_.push_back(box);
    EnableWindow(main, FALSE);
    pump();
    messageLog().clear();
    RECT canvas{0, 0, 770, 650};
    InvalidateRect(main, &canvas, TRUE);
    pump();
    auto paints = logged(WM_PAINT);
    ASSERT_EQ(paints.size(), 1u);
    EXPECT_EQ(paints[0].hwnd, main);
}

TEST_F(PaintTest, BeginPaintErasesOnlyWhenAskedAndValidates) {
    HWND main = makeMain();
    pump();
    struct Case {
        BOOL erase;
        size_t erases;
    };
    for (Case c : {Case{TRUE, 1}, Case{FALSE, 0}}) {
        messageLog().clear();
        InvalidateRect(main, nullptr, c.erase);
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(main, &ps);
        ASSERT_NE(dc, nullptr);
        EXPECT_EQ(logged(WM_ERASEBKGND).size(), c.erases);
        EXPECT_EQ(ps.rcPaint.right, 994);
        EndPaint(main, &ps);
        MSG msg;
        EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) << "validated";
    }
}

TEST_F(PaintTest, EraseFillsWithClassBackgroundAndPaintIsClippedToInvalidRegion) {
    HWND main = makeMain();
    pump();
    EXPECT_EQ(pixel(main, 500, 300), Grey200) << "system colour 0 behind the main window";
    // Black everywhere, then repaint only a small rectangle.
    HDC dc = GetDC(main);
    RECT all{0, 0, 994, 635};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(main, dc);
    RECT part{10, 10, 20, 20};
    InvalidateRect(main, &part, TRUE);
    PAINTSTRUCT ps;
    dc = BeginPaint(main, &ps);
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    EndPaint(main, &ps);
    EXPECT_EQ(pixel(main, 15, 15), White);
    EXPECT_EQ(pixel(main, 25, 15), Black) << "outside the invalid region nothing changed";
}

TEST_F(PaintTest, ChildUnderInvalidatedParentAreaIsRepaintedAfterIt) {
    HWND main = makeMain();
    HWND child = makeChild(main, 100, 100, 50, 50, 1, 0, "LayerTestPlain");
    pump();
    messageLog().clear();
    RECT canvas{0, 0, 770, 650};
    InvalidateRect(main, &canvas, TRUE);
    pump();
    auto paints = logged(WM_PAINT);
    ASSERT_EQ(paints.size(), 2u);
    EXPECT_EQ(paints[0].hwnd, main);
    EXPECT_EQ(paints[1].hwnd, child);
    EXPECT_EQ(pixel(main, 120, 120), White) << "the child's white background is on top";
}

TEST_F(PaintTest, ChildIsClippedToItsParent) {
    HWND main = makeMain();
    HWND group = makeChild(main, 100, 100, 50, 50, 1);
    HWND wide = makeChild(group, 10, 10, 200, 20, 2, 0, "LayerTestPlain");
    pump();
    EXPECT_EQ(pixel(main, 140, 115), White);
    EXPECT_EQ(pixel(main, 160, 115), Grey200) << "the wide child ends at its parent's edge";
    (void)wide;
}

TEST_F(PaintTest, DefaultDcHasPlatformDefaults) {
    HWND main = makeMain();
    pump();
    HDC dc = GetDC(main);
    EXPECT_EQ(GetBkColor(dc), White);
    HGDIOBJ pen = SelectObject(dc, GetStockObject(WHITE_PEN));
    EXPECT_EQ(pen, GetStockObject(BLACK_PEN));
    HGDIOBJ brush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
    EXPECT_EQ(brush, GetStockObject(WHITE_BRUSH));
    SelectObject(dc, pen);
    SelectObject(dc, brush);
    ReleaseDC(main, dc);
}

TEST_F(PaintTest, TwoPixelRedPenIsCrispRed) {
    HWND main = makeMain();
    pump();
    HDC dc = GetDC(main);
    HPEN red = CreatePen(PS_SOLID, 2, Red);
    HGDIOBJ old = SelectObject(dc, red);
    MoveToEx(dc, 770, 10, nullptr);
    LineTo(dc, 770, 593);
    EXPECT_EQ(SelectObject(dc, old), red) << "SelectObject gives back the previous object";
    ReleaseDC(main, dc);
    EXPECT_EQ(pixel(main, 770, 300), Red);
    EXPECT_EQ(pixel(main, 769, 300), Red);
    EXPECT_EQ(pixel(main, 772, 300), Grey200);
    EXPECT_EQ(pixel(main, 767, 300), Grey200);
    DeleteObject(red);
}

TEST_F(PaintTest, AngleArcRunsCounterClockwiseFromALineAndEndsAtTheArcEnd) {
    HWND main = makeMain();
    pump();
    struct Case {
        float start, sweep;
        POINT end;
        POINT onArc;
    };
    const Case cases[] = {
        {0.0f, 90.0f, {200, 150}, {235, 165}},   // up on the screen for a positive sweep
        {0.0f, -90.0f, {200, 250}, {235, 235}},  // down for a negative one
        {90.0f, 180.0f, {200, 250}, {150, 200}}, // over the left side
    };
    for (const Case& c : cases) {
        HDC dc = GetDC(main);
        RECT all{0, 0, 994, 635};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        MoveToEx(dc, 300, 300, nullptr);
        AngleArc(dc, 200, 200, 50, c.start, c.sweep);
        POINT current{};
        MoveToEx(dc, 0, 0, &current);
        EXPECT_EQ(current.x, c.end.x) << c.start << " " << c.sweep;
        EXPECT_EQ(current.y, c.end.y) << c.start << " " << c.sweep;
        ReleaseDC(main, dc);
        // The arc passes within a pixel of its end and of a point half-way along it.
        EXPECT_TRUE(blackNear(main, c.end)) << c.start << " " << c.sweep;
        EXPECT_TRUE(blackNear(main, c.onArc)) << c.start << " " << c.sweep;
    }
    // The straight piece from (300, 300) to the start of the last arc, (200, 150).
    EXPECT_EQ(pixel(main, 250, 225), Black);
}

TEST_F(PaintTest, EllipseFillsWithBrushOutlinesWithPenAndExcludesRightAndBottom) {
    HWND main = makeMain();
    pump();
    HDC dc = GetDC(main);
    HBRUSH red = CreateSolidBrush(Red);
    HGDIOBJ old = SelectObject(dc, red);
    Ellipse(dc, 88, 88, 112, 112);
    SelectObject(dc, old);
    ReleaseDC(main, dc);
    EXPECT_EQ(pixel(main, 100, 100), Red);
    EXPECT_EQ(pixel(main, 88, 100), Black) << "left edge inside";
    EXPECT_EQ(pixel(main, 111, 100), Black) << "last column inside";
    EXPECT_EQ(pixel(main, 112, 100), Grey200) << "right edge excluded";
    EXPECT_EQ(pixel(main, 100, 88), Black);
    EXPECT_EQ(pixel(main, 100, 111), Black);
    EXPECT_EQ(pixel(main, 100, 112), Grey200) << "bottom edge excluded";
    DeleteObject(red);
}

TEST_F(PaintTest, TextOutDrawsOnAnOpaqueCellOfTheBackgroundColour) {
    HWND main = makeMain();
    pump();
    constexpr COLORREF Blue = 0xFF8000;
    HDC dc = GetDC(main);
    COLORREF previous = SetBkColor(dc, Blue);
    EXPECT_EQ(previous, White);
    TextOutA(dc, 92, 92, "7", 1);
    SIZE size{};
    GetTextExtentPoint32A(dc, "7", 1, &size);
    ReleaseDC(main, dc);
    EXPECT_GT(size.cx, 0);
    EXPECT_GT(size.cy, 10);
    EXPECT_EQ(pixel(main, 92, 92), Blue) << "top-left corner of the cell";
    EXPECT_EQ(pixel(main, 92 + size.cx - 1, 92 + size.cy - 1), Blue) << "bottom-right corner of the cell";
    EXPECT_EQ(pixel(main, 92 + size.cx, 92), Grey200);
    bool ink = false;
    for (int x = 92; x < 92 + size.cx; ++x)
        for (int y = 92; y < 92 + size.cy; ++y)
            ink = ink || pixel(main, x, y) != Blue;
    EXPECT_TRUE(ink) << "the digit is drawn";
}

TEST_F(PaintTest, SystemFontStandInFitsThePanelBoxes) {
    HWND main = makeMain();
    HDC dc = GetDC(main);
    struct Case {
        const char* text;
        int box;
    };
    const Case cases[] = {{"RoriR.in", 72}, {"99", 22}, {"V\xE2rf start:", 70}};
    for (const Case& c : cases) {
        SIZE size{};
        GetTextExtentPoint32A(dc, c.text, (int)std::char_traits<char>::length(c.text), &size);
        EXPECT_LE(size.cx, c.box) << c.text;
    }
    ReleaseDC(main, dc);
}

} // namespace
