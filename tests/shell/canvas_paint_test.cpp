// Painting the drawing area: fills and label cells by display state, the selected vertex, removed
// vertices, the arcs' curves and their red heads. Pixels are read back from the main window.
#include <cmath>

#include "drawing/arc_geometry.h"
#include "main_window_fixture.h"

namespace shelltest {
namespace {

bool isRed(COLORREF c) {
    return GetRValue(c) > 200 && GetGValue(c) < 70 && GetBValue(c) < 70;
}
bool isGreen(COLORREF c) {
    return GetRValue(c) < 70 && GetGValue(c) > 200 && GetBValue(c) < 70;
}
bool isBlue(COLORREF c) {
    return GetRValue(c) < 70 && std::abs(GetGValue(c) - 128) < 40 && GetBValue(c) > 200;
}
bool isWhite(COLORREF c) {
    return GetRValue(c) > 235 && GetGValue(c) > 235 && GetBValue(c) > 235;
}
bool isDark(COLORREF c) {
    return GetRValue(c) < 90 && GetGValue(c) < 90 && GetBValue(c) < 90;
}

// Pixels of the client rectangle [x0, x1] x [y0, y1] that satisfy the test.
template <typename Test> int countPixels(int x0, int y0, int x1, int y1, Test test) {
    HDC dc = GetDC(mainWindow);
    int count = 0;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            count += test(GetPixel(dc, x, y)) ? 1 : 0;
        }
    }
    ReleaseDC(mainWindow, dc);
    return count;
}

VertexId placeVertex(int x, int y, DisplayState state = DisplayState::Plain) {
    VertexId v = ++graphStore.vertexCount;
    graphStore.posX[v] = x;
    graphStore.posY[v] = y;
    graphStore.displayState[v] = state;
    return v;
}

void addArcBetween(VertexId u, VertexId v) {
    graphStore.adj[u][v] = 1;
    ++graphStore.arcCount;
}

// The point of an arc's circle at an angle in degrees, counter-clockwise on the screen.
POINT pointOnArc(const ArcGeometry& arc, double degrees) {
    double radians = degrees * 3.14159265358979323846 / 180.0;
    return {static_cast<LONG>(std::lround(arc.centreX + arc.radius * std::cos(radians))),
            static_cast<LONG>(std::lround(arc.centreY - arc.radius * std::sin(radians)))};
}

using CanvasPaintTest = MainWindowTest;

TEST_F(CanvasPaintTest, EmptyGraphDrawsOnlyTheRedSeparator) {
    repaintCanvas();
    EXPECT_GT(countPixels(767, 300, 773, 300, isRed), 0);
    EXPECT_GT(countPixels(767, 12, 773, 12, isRed), 0);
    EXPECT_GT(countPixels(767, 590, 773, 590, isRed), 0);
    EXPECT_EQ(countPixels(767, 0, 773, 6, isRed), 0);     // starts at y 10
    EXPECT_EQ(countPixels(767, 598, 773, 640, isRed), 0); // ends at y 593
    EXPECT_EQ(countPixels(0, 0, 760, 600, isWhite), 0);   // no vertex anywhere
}

TEST_F(CanvasPaintTest, EachDisplayStateGetsItsFillAndLabelCell) {
    struct Case {
        DisplayState state;
        bool (*fill)(COLORREF);
    };
    const Case cases[] = {
        {DisplayState::Plain, isWhite},          {DisplayState::Red, isRed},
        {DisplayState::Green, isGreen},          {DisplayState::Blue, isBlue},
        {static_cast<DisplayState>(7), isWhite}, // not a colour code: drawn plain
    };
    int x = 100;
    for (const Case& c : cases) {
        placeVertex(x, 200, c.state);
        x += 100;
    }
    repaintCanvas();

    x = 100;
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.state));
        // Right of the label: the circle's fill.
        EXPECT_TRUE(c.fill(pixelAt(x + 7, 200)));
        EXPECT_TRUE(c.fill(pixelAt(x, 200 + 9)));
        // The outline, in the default black pen.
        EXPECT_GT(countPixels(x + 9, 199, x + 13, 201, isDark), 0);
        EXPECT_GT(countPixels(x - 13, 199, x - 9, 201, isDark), 0);
        // The label cell: the digit in black on a cell of the fill's own colour.
        EXPECT_GT(countPixels(x - 8, 192, x + 1, 204, isDark), 0);
        EXPECT_GT(countPixels(x - 8, 192, x + 1, 204, c.fill), 0);
        if (c.fill != isWhite) {
            EXPECT_EQ(countPixels(x - 8, 192, x + 1, 204, isWhite), 0);
        }
        x += 100;
    }
    // The text background is white again once a coloured vertex is done: the last vertex, drawn
    // right after the blue one, keeps a white label cell.
    EXPECT_EQ(countPixels(500 - 8, 192, 500 + 1, 204, isBlue), 0);
}

TEST_F(CanvasPaintTest, TwoDigitLabelsAreDrawn) {
    for (int i = 0; i < 12; ++i) {
        placeVertex(40 + 60 * i, 400);
    }
    repaintCanvas();
    // Vertex 12: two digits, the second right of the first one's cell.
    EXPECT_GT(countPixels(700 - 8, 392, 700 - 1, 404, isDark), 0);
    EXPECT_GT(countPixels(700, 392, 700 + 8, 404, isDark), 0);
}

TEST_F(CanvasPaintTest, SelectedVertexIsRedAndPlainAfterwards) {
    placeVertex(200, 200);
    VertexId selected = placeVertex(400, 200, DisplayState::Green);
    graphStore.selectedVertex = selected;
    repaintCanvas();
    EXPECT_TRUE(isRed(pixelAt(400 + 7, 200)));
    EXPECT_TRUE(isWhite(pixelAt(200 + 7, 200)));
    EXPECT_EQ(graphStore.displayState[selected], DisplayState::Plain);
    EXPECT_EQ(graphStore.displayState[0], DisplayState::Plain);
}

TEST_F(CanvasPaintTest, SelectionCodeIsClearedEvenWithoutVertices) {
    graphStore.displayState[0] = DisplayState::Red;
    repaintCanvas();
    EXPECT_EQ(graphStore.displayState[0], DisplayState::Plain);
}

TEST_F(CanvasPaintTest, RemovedVertexIsNotDrawnButItsArcsAre) {
    VertexId kept = placeVertex(200, 300);
    VertexId removed = placeVertex(500, 300);
    graphStore.isRemoved[removed] = 1;
    graphStore.removedCount = 1;
    addArcBetween(kept, removed);
    repaintCanvas();
    EXPECT_TRUE(isWhite(pixelAt(200 + 7, 300)));
    EXPECT_EQ(countPixels(500 - 6, 300 - 6, 500 + 6, 300 + 6, isWhite), 0);
    EXPECT_EQ(countPixels(500 - 6, 300 - 6, 500 + 6, 300 + 6, isDark), 0);
    // The arc's red head still runs into where the vertex would be.
    EXPECT_GT(countPixels(440, 240, 500, 300, isRed), 0);
}

TEST_F(CanvasPaintTest, OppositeArcsAreTwoCurves) {
    VertexId u = placeVertex(200, 300);
    VertexId v = placeVertex(500, 300);
    addArcBetween(u, v);
    addArcBetween(v, u);
    repaintCanvas();
    // A 60-degree arc over a 300 px chord bulges 40 px from it: one curve on each side.
    auto inked = [](COLORREF c) { return isDark(c) || isRed(c); };
    EXPECT_GT(countPixels(350, 250, 350, 270, inked), 0);
    EXPECT_GT(countPixels(350, 330, 350, 350, inked), 0);
    EXPECT_EQ(countPixels(350, 280, 350, 320, inked), 0);
}

TEST_F(CanvasPaintTest, ArcHeadIsRedNearItsHeadAndBodyBlackNearItsTail) {
    struct Case {
        int xu, yu, xv, yv;
    };
    const Case cases[] = {{150, 400, 550, 200}, {550, 200, 150, 400}, {300, 100, 320, 560}};
    for (const Case& c : cases) {
        std::memset(&graphStore, 0, sizeof graphStore);
        VertexId u = placeVertex(c.xu, c.yu);
        VertexId v = placeVertex(c.xv, c.yv);
        addArcBetween(u, v);
        repaintCanvas();
        ArcGeometry arc = computeArcGeometry(c.xu, c.yu, c.xv, c.yv);
        POINT head = pointOnArc(arc, arc.headStart + arc.headSweep / 2.0);
        POINT body = pointOnArc(arc, arc.bodyStart + arc.bodySweep / 4.0);
        SCOPED_TRACE(testing::Message() << c.xu << "," << c.yu << " -> " << c.xv << "," << c.yv);
        EXPECT_GT(countPixels(head.x - 3, head.y - 3, head.x + 3, head.y + 3, isRed), 0);
        EXPECT_EQ(countPixels(head.x - 3, head.y - 3, head.x + 3, head.y + 3, isDark), 0);
        EXPECT_GT(countPixels(body.x - 3, body.y - 3, body.x + 3, body.y + 3, isDark), 0);
        EXPECT_EQ(countPixels(body.x - 3, body.y - 3, body.x + 3, body.y + 3, isRed), 0);
    }
}

TEST_F(CanvasPaintTest, VerticesAreDrawnOverTheArcs) {
    VertexId u = placeVertex(200, 300);
    VertexId v = placeVertex(500, 300);
    addArcBetween(u, v);
    repaintCanvas();
    // The arcs start and end at the centres, under the circles' white fill.
    EXPECT_EQ(countPixels(500 - 7, 300 - 7, 500 - 2, 300 - 2, isRed), 0);
    EXPECT_EQ(countPixels(200 + 2, 300 - 7, 200 + 7, 300 - 2, isDark), 0);
}

} // namespace
} // namespace shelltest
