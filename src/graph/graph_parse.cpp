#include "graph/graph_streams.h"

#include <cstring>

#include "graph/graph_store.h"

namespace {

// Each load is parsed here first and copied into the store only once the whole file has proved to
// hold a graph, so a bad file can never leave the store half-replaced.
GraphStore scratch;

enum class Parse { Ok, Invalid, ReadError };

// A failed extraction is either the text running out or not being a number (the file holds no
// graph) or the stream itself failing to read (the file cannot be read at all).
Parse failure(const std::istream& in) {
    return in.bad() ? Parse::ReadError : Parse::Invalid;
}

bool isVertexId(int id, int n) {
    return id >= 1 && id <= n;
}

void clearGraph(GraphStore& g) {
    g.vertexCount = 0;
    g.arcCount = 0;
    g.removedCount = 0;
    std::memset(g.isRemoved, 0, sizeof g.isRemoved);
    std::memset(g.adj, 0, sizeof g.adj);
    std::memset(g.outDegree, 0, sizeof g.outDegree);
    std::memset(g.inDegree, 0, sizeof g.inDegree);
    std::memset(g.degree, 0, sizeof g.degree);
}

// n, m and the m arc pairs, into a store whose graph is clear. A pair named twice is one arc, so
// arcCount counts the distinct arcs rather than trusting m.
Parse readCountsAndArcs(std::istream& in, GraphStore& g) {
    int n = 0;
    int m = 0;
    if (!(in >> n >> m)) {
        return failure(in);
    }
    if (n < 0 || n >= MaxVertexSlots || m < 0) {
        return Parse::Invalid;
    }
    g.vertexCount = n;
    for (int i = 0; i < m; ++i) {
        int u = 0;
        int v = 0;
        if (!(in >> u >> v)) {
            return failure(in);
        }
        if (!isVertexId(u, n) || !isVertexId(v, n)) {
            return Parse::Invalid;
        }
        // A repeated pair names the same arc: it is counted once.
        addArcTo(g, u, v);
    }
    return Parse::Ok;
}

// Every id starts removed; a vertex line brings it back at its position. The first token that is
// not a number ends the lines; a line that starts but is cut short or names no vertex is refused.
Parse readVertexLines(std::istream& in, GraphStore& g) {
    for (int v = 1; v <= g.vertexCount; ++v) {
        g.isRemoved[v] = 1;
    }
    for (;;) {
        int k = 0;
        if (!(in >> k)) {
            return in.bad() ? Parse::ReadError : Parse::Ok;
        }
        if (!isVertexId(k, g.vertexCount)) {
            return Parse::Invalid;
        }
        int x = 0;
        int y = 0;
        if (!(in >> x >> y)) {
            return failure(in);
        }
        g.isRemoved[k] = 0;
        g.posX[k] = x;
        g.posY[k] = y;
    }
}

int countRemoved(const GraphStore& g) {
    int removed = 0;
    for (int v = 1; v <= g.vertexCount; ++v) {
        removed += g.isRemoved[v];
    }
    return removed;
}

FileResult refusal(Parse p) {
    return p == Parse::ReadError ? FileResult::CannotOpen : FileResult::InvalidGraph;
}

} // namespace

void emptyGraph() {
    clearGraph(graphStore);
    graphStore.selectedVertex = 0;
    graphStore.secondVertex = 0;
}

FileResult readGraphStream(std::istream& in) {
    // Starting from a copy keeps what a read leaves alone: display codes, the second pick and the
    // positions of ids without a vertex line.
    scratch = graphStore;
    clearGraph(scratch);
    Parse p = readCountsAndArcs(in, scratch);
    if (p == Parse::Ok) {
        p = readVertexLines(in, scratch);
    }
    if (p != Parse::Ok) {
        return refusal(p);
    }
    scratch.removedCount = countRemoved(scratch);
    scratch.selectedVertex = 0;
    graphStore = scratch;
    return FileResult::Ok;
}

FileResult loadStartupStream(std::istream& in) {
    scratch = graphStore;
    clearGraph(scratch);
    const Parse p = readCountsAndArcs(in, scratch);
    if (p != Parse::Ok) {
        emptyGraph();
        return refusal(p);
    }
    scratch.selectedVertex = 0;
    scratch.secondVertex = 0;
    graphStore = scratch;
    placeOnCircle(graphStore.vertexCount);
    return FileResult::Ok;
}
