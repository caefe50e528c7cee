// Feeds every input to both readers, starting each time from the same busy store, and checks the
// outcome: a refused full-form file leaves the store byte for byte as it was; an accepted one
// keeps the invariants, leaves alone what a read must not touch, and saves and reads back to the
// same store; the start-up reader gives a laid-out graph or an empty one.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "graph/graph_store.h"
#include "graph/graph_streams.h"
#include "graph/store_invariants.h"

namespace {

GraphStore busy;
GraphStore accepted;

void fail(const char* what, const char* detail = "") {
    std::fprintf(stderr, "fuzz_graph_reader: %s %s\n", what, detail);
    std::abort();
}

bool sameStore(const GraphStore& a, const GraphStore& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void buildBusyStore() {
    graphStore = GraphStore{};
    for (int i = 1; i <= 7; ++i) {
        addVertex(40 * i, 30 * i);
    }
    addArc(1, 2);
    addArc(2, 1);
    addArc(3, 3);
    addArc(7, 4);
    addArc(6, 5);
    removeVertex(5);
    for (int v = 0; v < MaxVertexSlots; ++v) {
        graphStore.displayState[v] = static_cast<DisplayState>(v % 4);
        if (v > 7) {
            graphStore.posX[v] = -v;
            graphStore.posY[v] = 1000 + v;
        }
    }
    graphStore.selectedVertex = 3;
    graphStore.secondVertex = 6;
    busy = graphStore;
}

void checkInvariants(RemovedVertexArcs rule) {
    const InvariantReport report = checkStoreInvariants(rule);
    if (!report.holds) {
        fail("invariant broken:", report.firstBroken);
    }
}

void checkFullFormRead(const std::string& text) {
    graphStore = busy;
    std::istringstream in(text);
    if (readGraphStream(in) != FileResult::Ok) {
        if (!sameStore(graphStore, busy)) {
            fail("a refused file changed the store");
        }
        return;
    }
    checkInvariants(RemovedVertexArcs::AllowedFromFile);
    const GraphStore& g = graphStore;
    if (g.selectedVertex != 0 || g.secondVertex != busy.secondVertex ||
        std::memcmp(g.displayState, busy.displayState, sizeof g.displayState) != 0) {
        fail("a read touched the picks or the display codes");
    }
    for (int v = 1; v < MaxVertexSlots; ++v) {
        const bool placed = v <= g.vertexCount && !g.isRemoved[v];
        if (!placed && (g.posX[v] != busy.posX[v] || g.posY[v] != busy.posY[v])) {
            fail("a read moved a vertex without a vertex line");
        }
    }
    // What the save writes must read back to the very same store.
    accepted = graphStore;
    std::ostringstream out;
    if (!writeGraphStream(out)) {
        fail("writing to memory failed");
    }
    std::istringstream back(out.str());
    if (readGraphStream(back) != FileResult::Ok || !sameStore(graphStore, accepted)) {
        fail("save and read back differ");
    }
}

void checkStartupRead(const std::string& text) {
    graphStore = busy;
    std::istringstream in(text);
    const FileResult result = loadStartupStream(in);
    checkInvariants(RemovedVertexArcs::Forbidden);
    const GraphStore& g = graphStore;
    if (g.selectedVertex != 0 || g.secondVertex != 0 || g.removedCount != 0) {
        fail("start-up load left picks or removed vertices");
    }
    if (result != FileResult::Ok && (g.vertexCount != 0 || g.arcCount != 0)) {
        fail("a refused start-up file left a graph");
    }
    for (int v = 1; v <= g.vertexCount; ++v) {
        if (g.posX[v] < 30 || g.posX[v] > 570 || g.posY[v] < 30 || g.posY[v] > 570) {
            fail("a start-up vertex lies off the circle");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (busy.vertexCount == 0) {
        buildBusyStore();
    }
    const std::string text(reinterpret_cast<const char*>(data), size);
    checkFullFormRead(text);
    checkStartupRead(text);
    return 0;
}
