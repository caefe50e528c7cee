#include "analysis/connectivity.h"

#include "analysis/text_append.h"
#include "graph/graph_store.h"
#include "graph/text_buffers.h"

#include <cstdint>
#include <cstring>

namespace {

using ReachMatrix = std::uint8_t[MaxVertexSlots][MaxVertexSlots];

// A count beyond the slots would index past the arrays; the store never holds one.
int usableCount() {
    const int n = graphStore.vertexCount;
    return n < MaxVertexSlots ? n : MaxVertexSlots - 1;
}

// Warshall's closure over the live vertices: reach[u][v] = 1 when v can be reached from u along
// one or more arcs whose intermediate vertices are all live. Arcs that a graph file left at a
// removed vertex are copied but never used as a way through.
void buildReach(ReachMatrix& reach, int n) {
    std::memset(reach, 0, sizeof(ReachMatrix));
    std::uint8_t live[MaxVertexSlots] = {};
    for (int u = 1; u <= n; ++u) {
        live[u] = graphStore.isRemoved[u] ? 0 : 1;
        for (int v = 1; v <= n; ++v) {
            reach[u][v] = graphStore.adj[u][v] != 0 ? 1 : 0;
        }
    }
    for (int k = 1; k <= n; ++k) {
        if (!live[k]) {
            continue;
        }
        for (int i = 1; i <= n; ++i) {
            // Row k cannot change while k is the way through, and a row that does not reach k
            // gains nothing from it.
            if (i == k || !live[i] || reach[i][k] == 0) {
                continue;
            }
            for (int j = 1; j <= n; ++j) {
                reach[i][j] |= static_cast<std::uint8_t>(reach[k][j] & live[j]);
            }
        }
    }
}

} // namespace

bool isStronglyConnected() {
    const int n = usableCount();
    if (n <= 0) {
        return true;
    }
    ReachMatrix reach;
    buildReach(reach, n);
    for (int u = 1; u <= n; ++u) {
        for (int v = 1; v <= n; ++v) {
            if (graphStore.isRemoved[u] || graphStore.isRemoved[v] || v == u) {
                continue;
            }
            if (reach[u][v] == 0) {
                return false;
            }
        }
    }
    return true;
}

void listStrongComponents() {
    const int n = usableCount();
    int componentOf[MaxVertexSlots] = {};
    ReachMatrix reach;
    if (n >= 1) {
        buildReach(reach, n);
    }
    TextSink out = startText(ResultText, ResultTextSize);
    int component = 0;
    for (int root = 1; root <= n; ++root) {
        if (componentOf[root] != 0 || graphStore.isRemoved[root]) {
            continue;
        }
        // Every id below root is placed or removed, so root is the component's smallest id.
        component += 1;
        appendText(out, "Componenta ");
        appendNumber(out, component);
        appendText(out, ": ");
        componentOf[root] = component;
        appendId(out, root, " ");
        for (int u = 1; u <= n; ++u) {
            if (componentOf[u] == 0 && reach[root][u] == 1 && reach[u][root] == 1 &&
                !graphStore.isRemoved[u]) {
                componentOf[u] = component;
                appendId(out, u, " ");
            }
        }
        appendText(out, "\n");
    }
}
