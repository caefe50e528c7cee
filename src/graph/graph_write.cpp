#include <algorithm>

#include "graph/graph_store.h"
#include "graph/graph_streams.h"

bool writeGraphStream(std::ostream& out) {
    const GraphStore& g = graphStore;
    const int n = std::clamp(g.vertexCount, 0, MaxVertexSlots - 1);
    out << g.vertexCount << '\n' << g.arcCount << '\n';
    for (int u = 1; u <= n && out; ++u) {
        for (int v = 1; v <= n; ++v) {
            if (g.adj[u][v] == 1) {
                out << u << ' ' << v << '\n';
            }
        }
    }
    for (int k = 1; k <= n && out; ++k) {
        if (!g.isRemoved[k]) {
            out << k << ' ' << g.posX[k] << ' ' << g.posY[k] << '\n';
        }
    }
    return static_cast<bool>(out);
}
