#include "analysis/circuit.h"

#include "analysis/text_append.h"
#include "analysis/vertex_set.h"
#include "graph/text_buffers.h"

namespace {

// A route never repeats an arc, so it can hold as many vertices as the graph has arcs, plus the
// start. Slot 0 is left empty.
constexpr int MaxArcs = (MaxVertexSlots - 1) * (MaxVertexSlots - 1);
constexpr int CircuitPathSlots = MaxArcs + 2;
// Farther than any live vertex can be from the start: the vertex cannot get back at all.
constexpr int Unreachable = MaxVertexSlots;

// The arcs not yet on the route, and for every vertex its distance back to the start over them.
// The route only ever takes arcs away, so the distances only grow; they are kept exact the way an
// Even-Shiloach tree keeps them, which lets each step pick its arc at once instead of trying
// every route behind it.
struct CircuitSearch {
    VertexId start;
    VertexSet succ[MaxVertexSlots];   // heads of the unconsumed arcs, by tail
    VertexSet pred[MaxVertexSlots];   // tails of the unconsumed arcs, by head
    VertexSet level[Unreachable + 1]; // live vertices by distance to the start
    VertexSet leadsBack;              // vertices other than the start that can still reach it
    int dist[MaxVertexSlots];
};

int circuitPath[CircuitPathSlots];

void loadArcs(CircuitSearch& s, int n) {
    s = CircuitSearch{};
    for (int u = 1; u <= n; ++u) {
        if (graphStore.isRemoved[u]) {
            continue;
        }
        for (int v = 1; v <= n; ++v) {
            if (graphStore.adj[u][v] != 0 && !graphStore.isRemoved[v]) {
                addVertexTo(s.succ[u], v);
                addVertexTo(s.pred[v], u);
            }
        }
    }
}

// Breadth-first backwards from the start. A shortest way back never leaves the start, so the arcs
// out of the start play no part in any distance.
void measureDistances(CircuitSearch& s) {
    for (int& d : s.dist) {
        d = Unreachable;
    }
    int queue[MaxVertexSlots];
    int head = 0;
    int tail = 0;
    s.dist[s.start] = 0;
    addVertexTo(s.level[0], s.start);
    queue[tail++] = s.start;
    while (head < tail) {
        const int v = queue[head++];
        VertexSet fresh = s.pred[v];
        while (!isEmptySet(fresh)) {
            const int u = lowestVertex(fresh);
            dropVertexFrom(fresh, u);
            if (s.dist[u] != Unreachable) {
                continue;
            }
            s.dist[u] = s.dist[v] + 1;
            addVertexTo(s.level[s.dist[u]], u);
            addVertexTo(s.leadsBack, u);
            queue[tail++] = u;
        }
    }
}

bool hasSupport(const CircuitSearch& s, int v) {
    return !isEmptySet(commonVertices(s.succ[v], s.level[s.dist[v] - 1]));
}

// v lost its last arc one step nearer the start: move it to one more than its nearest successor,
// and recheck the vertices that may have leaned on it.
void moveFarther(CircuitSearch& s, int v, int* queue, int& queued, bool* waiting) {
    const int old = s.dist[v];
    int fresh = Unreachable;
    for (int d = old; d < Unreachable - 1; ++d) {
        if (!isEmptySet(commonVertices(s.succ[v], s.level[d]))) {
            fresh = d + 1;
            break;
        }
    }
    dropVertexFrom(s.level[old], v);
    s.dist[v] = fresh;
    if (fresh == Unreachable) {
        dropVertexFrom(s.leadsBack, v);
    } else {
        addVertexTo(s.level[fresh], v);
    }
    VertexSet leaning = commonVertices(s.pred[v], s.level[old + 1]);
    while (!isEmptySet(leaning)) {
        const int u = lowestVertex(leaning);
        dropVertexFrom(leaning, u);
        if (!waiting[u]) {
            waiting[u] = true;
            queue[queued++] = u;
        }
    }
}

void repairDistances(CircuitSearch& s, int first) {
    int queue[MaxVertexSlots];
    bool waiting[MaxVertexSlots] = {};
    int queued = 0;
    queue[queued++] = first;
    waiting[first] = true;
    while (queued > 0) {
        const int v = queue[--queued];
        waiting[v] = false;
        if (s.dist[v] != Unreachable && !hasSupport(s, v)) {
            moveFarther(s, v, queue, queued, waiting);
        }
    }
}

void consumeArc(CircuitSearch& s, int c, int i) {
    dropVertexFrom(s.succ[c], i);
    dropVertexFrom(s.pred[i], c);
    if (c != s.start && s.dist[c] != Unreachable && s.dist[i] == s.dist[c] - 1 && !hasSupport(s, c)) {
        repairDistances(s, c);
    }
}

// The depth-first search over routes of distinct arcs, lowest candidate first, with every branch
// cut whose vertex can no longer get back to the start over unconsumed arcs. What is left of the
// search never backs out: a branch that is not cut always closes, so at each step the first
// candidate that leads back is the one the full search would end up on. An arc into the start
// is never consumed (the route closes one vertex earlier), so a vertex at distance 1 closes.
void searchCircuit(CircuitSearch& s, int* path, int& circuitLength) {
    const int start = s.start;
    int depth = 1;
    path[1] = start;
    int c = start;
    // The loop at the start opens a route when its turn comes, provided another arc leads on.
    const int firstOther = lowestVertex(commonVertices(s.succ[start], s.leadsBack));
    if (firstOther == 0) {
        return;
    }
    if (holdsVertex(s.succ[start], start) && start < firstOther) {
        consumeArc(s, start, start);
        depth = 2;
        path[2] = start;
    }
    while (depth < CircuitPathSlots - 1) {
        const int next = lowestVertex(commonVertices(s.succ[c], s.leadsBack));
        if (next == 0) {
            return; // cannot happen past the first step: every vertex taken leads back
        }
        consumeArc(s, c, next);
        depth += 1;
        path[depth] = next;
        if (s.dist[next] == 1) {
            circuitLength = depth;
            return;
        }
        c = next;
    }
}

CircuitSearch search;

} // namespace

void findCircuit(VertexId start) {
    const int count = graphStore.vertexCount;
    const int n = count < MaxVertexSlots ? count : MaxVertexSlots - 1;
    int circuitLength = 0;
    if (n >= 1 && start >= 1 && start <= n) {
        loadArcs(search, n);
        search.start = start;
        measureDistances(search);
        searchCircuit(search, circuitPath, circuitLength);
    }
    TextSink out = startText(ResultText, ResultTextSize);
    if (circuitLength == 0) {
        appendText(out, "Nu exista circuit cu varful de start ");
        appendNumber(out, start);
        return;
    }
    appendText(out, "Un circuit este: (");
    for (int d = 1; d <= circuitLength; ++d) {
        appendId(out, circuitPath[d], ", ");
    }
    appendNumber(out, start);
    appendText(out, ")");
}
