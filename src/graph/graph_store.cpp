#include "graph/graph_store.h"

#include <cmath>
#include <cstdint>

GraphStore graphStore;

VertexId hitTest(int x, int y) {
    for (VertexId i = 1; i <= graphStore.vertexCount; ++i) {
        if (graphStore.isRemoved[i]) {
            continue;
        }
        // Positions read from a file can lie anywhere in 32 bits: the differences need 64 bits, and
        // a centre farther than PickRadius on either axis is skipped before squaring, since two
        // squares of differences near 2^32 overflow even 64 bits.
        const std::int64_t dx = std::int64_t{graphStore.posX[i]} - x;
        const std::int64_t dy = std::int64_t{graphStore.posY[i]} - y;
        if (std::abs(static_cast<double>(dx)) > PickRadius ||
            std::abs(static_cast<double>(dy)) > PickRadius) {
            continue;
        }
        const std::int64_t d2 = dx * dx + dy * dy;
        if (std::sqrt(static_cast<double>(d2)) <= PickRadius) {
            return i;
        }
    }
    return 0;
}

EditResult addVertex(int x, int y, VertexId* newId) {
    if (graphStore.vertexCount >= MaxVertexSlots - 1) {
        return EditResult::StoreFull;
    }
    graphStore.vertexCount += 1;
    graphStore.posX[graphStore.vertexCount] = x;
    graphStore.posY[graphStore.vertexCount] = y;
    if (newId) {
        *newId = graphStore.vertexCount;
    }
    return EditResult::Done;
}

EditResult removeVertex(VertexId v) {
    GraphStore& g = graphStore;
    if (g.vertexCount - 1 == g.removedCount) {
        return EditResult::LastVertex;
    }
    g.isRemoved[v] = 1;
    g.removedCount += 1;
    for (VertexId j = 1; j <= g.vertexCount; ++j) {
        if (g.adj[v][j] == 1) {
            g.adj[v][j] = 0;
            g.arcCount -= 1;
            g.degree[v] -= 1;
            g.degree[j] -= 1;
            g.outDegree[v] -= 1;
            g.inDegree[j] -= 1;
        }
        if (g.adj[j][v] == 1) {
            g.adj[j][v] = 0;
            g.arcCount -= 1;
            g.degree[v] -= 1;
            g.degree[j] -= 1;
            g.outDegree[j] -= 1;
            g.inDegree[v] -= 1;
        }
    }
    return EditResult::Done;
}

void moveVertex(VertexId v, int x, int y) {
    graphStore.posX[v] = x;
    graphStore.posY[v] = y;
}

EditResult addArc(VertexId u, VertexId v) {
    return addArcTo(graphStore, u, v);
}

EditResult addArcTo(GraphStore& g, VertexId u, VertexId v) {
    if (g.adj[u][v] != 0) {
        return EditResult::ArcExists;
    }
    g.adj[u][v] = 1;
    g.degree[u] += 1;
    g.outDegree[u] += 1;
    g.degree[v] += 1;
    g.inDegree[v] += 1;
    g.arcCount += 1;
    return EditResult::Done;
}

EditResult removeArc(VertexId u, VertexId v) {
    GraphStore& g = graphStore;
    if (g.adj[u][v] != 1) {
        return EditResult::NoSuchArc;
    }
    g.adj[u][v] = 0;
    g.degree[u] -= 1;
    g.degree[v] -= 1;
    g.outDegree[u] -= 1;
    g.inDegree[v] -= 1;
    g.arcCount -= 1;
    return EditResult::Done;
}

VertexDegrees vertexDegrees(VertexId v) {
    return {graphStore.degree[v], graphStore.outDegree[v], graphStore.inDegree[v]};
}
