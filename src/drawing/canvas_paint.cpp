#include "drawing/canvas_paint.h"

#include <charconv>

#include "drawing/arc_geometry.h"
#include "graph/graph_store.h"
#include "graph/text_buffers.h"
#include "shell/shell_globals.h"

namespace {

constexpr int SeparatorX = 770;
constexpr int SeparatorTop = 10;
constexpr int SeparatorBottom = 593;
// The label's top-left corner, from the vertex centre.
constexpr int LabelOffset = -8;
constexpr COLORREF White = RGB(255, 255, 255);

struct VertexFill {
    HBRUSH brush;
    COLORREF labelBackground;
};

// Plain, and any code that is not a colour, keeps the white default brush and label cell.
bool fillOf(DisplayState state, VertexFill* fill) {
    switch (state) {
    case DisplayState::Red: *fill = {redBrush, RGB(255, 0, 0)}; return true;
    case DisplayState::Green: *fill = {greenBrush, RGB(0, 255, 0)}; return true;
    case DisplayState::Blue: *fill = {blueBrush, RGB(0, 128, 255)}; return true;
    default: return false;
    }
}

// The store is filled by readers and editors that keep the counts within the arrays; the painter
// still never reads or writes outside them.
int paintedVertexCount() {
    int n = graphStore.vertexCount;
    return n < MaxVertexSlots ? n : MaxVertexSlots - 1;
}

void setSelectedState(DisplayState state) {
    VertexId selected = graphStore.selectedVertex;
    if (selected >= 0 && selected < MaxVertexSlots) {
        graphStore.displayState[selected] = state;
    }
}

void drawSeparator(HDC dc) {
    HGDIOBJ previous = SelectObject(dc, redPen);
    MoveToEx(dc, SeparatorX, SeparatorTop, nullptr);
    LineTo(dc, SeparatorX, SeparatorBottom);
    SelectObject(dc, previous);
}

// The body in the current (black) pen, starting with a straight piece from the tail's centre;
// the head in red, continuing from the body's end.
void drawArc(HDC dc, VertexId u, VertexId v) {
    const GraphStore& g = graphStore;
    ArcGeometry arc = computeArcGeometry(g.posX[u], g.posY[u], g.posX[v], g.posY[v]);
    DWORD radius = static_cast<DWORD>(arc.radius);
    MoveToEx(dc, g.posX[u], g.posY[u], nullptr);
    AngleArc(dc, arc.centreX, arc.centreY, radius, static_cast<float>(arc.bodyStart),
             static_cast<float>(arc.bodySweep));
    HGDIOBJ previous = SelectObject(dc, redPen);
    AngleArc(dc, arc.centreX, arc.centreY, radius, static_cast<float>(arc.headStart),
             static_cast<float>(arc.headSweep));
    SelectObject(dc, previous);
}

void drawArcs(HDC dc, int n) {
    for (VertexId u = 1; u <= n; ++u) {
        for (VertexId v = 1; v <= n; ++v) {
            if (graphStore.adj[u][v] == 1) {
                drawArc(dc, u, v);
            }
        }
    }
}

void drawVertex(HDC dc, VertexId v) {
    int x = graphStore.posX[v];
    int y = graphStore.posY[v];
    VertexFill fill;
    bool filled = fillOf(graphStore.displayState[v], &fill);
    HGDIOBJ previousBrush = nullptr;
    if (filled) {
        previousBrush = SelectObject(dc, fill.brush);
        SetBkColor(dc, fill.labelBackground);
    }
    Ellipse(dc, x - VertexRadius, y - VertexRadius, x + VertexRadius, y + VertexRadius);
    std::to_chars_result written = std::to_chars(ScratchText, ScratchText + ScratchTextSize - 1, v);
    *written.ptr = '\0';
    TextOutA(dc, x + LabelOffset, y + LabelOffset, ScratchText, static_cast<int>(written.ptr - ScratchText));
    if (filled) {
        SelectObject(dc, previousBrush);
        SetBkColor(dc, White);
    }
}

void drawVertices(HDC dc, int n) {
    for (VertexId v = 1; v <= n; ++v) {
        if (graphStore.isRemoved[v] != 1) {
            drawVertex(dc, v);
        }
    }
}

} // namespace

void paintCanvas(HDC dc) {
    drawSeparator(dc);
    int n = paintedVertexCount();
    if (n < 1) {
        setSelectedState(DisplayState::Plain);
        return;
    }
    drawArcs(dc, n);
    // The first pick of a two-press action shows red whatever its code, and only while painted.
    setSelectedState(DisplayState::Red);
    drawVertices(dc, n);
    setSelectedState(DisplayState::Plain);
}
