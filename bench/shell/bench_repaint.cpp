// One full repaint of the drawing area, as the program does it after every change: invalidate the
// canvas, then dispatch until the paint request has been served (erase, separator, arcs, vertices,
// and the layer's rendering and presenting of the window). Also the arc geometry alone for the
// densest graph, to show what share of the repaint it is.
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include <benchmark/benchmark.h>

#include "drawing/arc_geometry.h"
#include "graph/graph_files.h"
#include "graph/graph_store.h"
#include "platform/win32.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"

namespace {

HWND openMainWindow() {
    static HWND window = [] {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        registerMainWindowClass(instance);
        mainWindow = createMainWindow(instance);
        ShowWindow(mainWindow, SW_SHOWDEFAULT);
        CanvasRect = {0, 0, 770, 650};
        createDrawingObjects();
        return mainWindow;
    }();
    return window;
}

void pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// The repository's start-up file, read as the program reads it at start.
bool loadSampleGraph() {
    std::memset(&graphStore, 0, sizeof graphStore);
    std::error_code error;
    std::filesystem::path previous = std::filesystem::current_path(error);
    std::filesystem::current_path(GRAFURI_SOURCE_DIR, error);
    FileResult result = loadStartupGraph();
    std::filesystem::current_path(previous, error);
    return result == FileResult::Ok;
}

// 99 vertices on the start-up circle and every ordered pair an arc, loops included.
void loadDensestGraph() {
    std::memset(&graphStore, 0, sizeof graphStore);
    constexpr int n = MaxVertexSlots - 1;
    graphStore.vertexCount = n;
    for (int u = 1; u <= n; ++u) {
        for (int v = 1; v <= n; ++v) {
            graphStore.adj[u][v] = 1;
        }
        graphStore.outDegree[u] = n;
        graphStore.inDegree[u] = n;
        graphStore.degree[u] = 2 * n;
    }
    graphStore.arcCount = n * n;
    placeOnCircle(n);
}

void repaintLoop(benchmark::State& state) {
    if (openMainWindow() == nullptr) {
        state.SkipWithError("the main window could not be created");
        return;
    }
    pumpMessages();
    for (auto _ : state) {
        invalidateCanvas();
        pumpMessages();
    }
    state.counters["arcs"] = graphStore.arcCount;
    state.counters["vertices"] = graphStore.vertexCount;
}

void BM_RepaintSampleGraph(benchmark::State& state) {
    if (!loadSampleGraph()) {
        state.SkipWithError("RoriR.in could not be read from the source directory");
        return;
    }
    repaintLoop(state);
}

void BM_RepaintDensestGraph(benchmark::State& state) {
    loadDensestGraph();
    repaintLoop(state);
}

void BM_ArcGeometryDensestGraph(benchmark::State& state) {
    loadDensestGraph();
    const GraphStore& g = graphStore;
    for (auto _ : state) {
        for (int u = 1; u <= g.vertexCount; ++u) {
            for (int v = 1; v <= g.vertexCount; ++v) {
                benchmark::DoNotOptimize(computeArcGeometry(g.posX[u], g.posY[u], g.posX[v], g.posY[v]));
            }
        }
    }
}

} // namespace

BENCHMARK(BM_RepaintSampleGraph)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintDensestGraph)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ArcGeometryDensestGraph)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
