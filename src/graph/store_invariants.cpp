#include "graph/store_invariants.h"

#include <cstdio>

namespace {

int rowArcs(const GraphStore& g, int u) {
    int count = 0;
    for (int v = 0; v < MaxVertexSlots; ++v) {
        count += g.adj[u][v] == 1 ? 1 : 0;
    }
    return count;
}

int columnArcs(const GraphStore& g, int v) {
    int count = 0;
    for (int u = 0; u < MaxVertexSlots; ++u) {
        count += g.adj[u][v] == 1 ? 1 : 0;
    }
    return count;
}

// Ranges and flag values: everything else indexes with them, so they are checked first.
bool checkShape(const GraphStore& g, InvariantReport& r) {
    if (g.vertexCount < 0 || g.vertexCount >= MaxVertexSlots) {
        std::snprintf(r.firstBroken, sizeof r.firstBroken, "vertexCount %d outside 0..%d", g.vertexCount,
                      MaxVertexSlots - 1);
        return false;
    }
    for (int u = 0; u < MaxVertexSlots; ++u) {
        if (g.isRemoved[u] > 1) {
            std::snprintf(r.firstBroken, sizeof r.firstBroken, "isRemoved[%d] is %d, not 0 or 1", u,
                          g.isRemoved[u]);
            return false;
        }
        for (int v = 0; v < MaxVertexSlots; ++v) {
            if (g.adj[u][v] != 0 && g.adj[u][v] != 1) {
                std::snprintf(r.firstBroken, sizeof r.firstBroken, "adj[%d][%d] is %d, not 0 or 1", u, v,
                              g.adj[u][v]);
                return false;
            }
        }
    }
    return true;
}

bool checkDegrees(const GraphStore& g, InvariantReport& r) {
    int out[MaxVertexSlots] = {};
    int in[MaxVertexSlots] = {};
    for (int u = 0; u < MaxVertexSlots; ++u) {
        for (int v = 0; v < MaxVertexSlots; ++v) {
            out[u] += g.adj[u][v];
            in[v] += g.adj[u][v];
        }
    }
    for (int u = 0; u < MaxVertexSlots; ++u) {
        if (g.outDegree[u] != out[u] || g.inDegree[u] != in[u] || g.degree[u] != in[u] + out[u]) {
            std::snprintf(r.firstBroken, sizeof r.firstBroken,
                          "invariant 1: vertex %d has degrees %d/%d/%d (total/out/in), adj gives %d/%d/%d", u,
                          g.degree[u], g.outDegree[u], g.inDegree[u], in[u] + out[u], out[u], in[u]);
            return false;
        }
    }
    return true;
}

bool checkArcCount(const GraphStore& g, InvariantReport& r) {
    int arcs = 0;
    for (int u = 0; u < MaxVertexSlots; ++u) {
        arcs += rowArcs(g, u);
    }
    if (g.arcCount != arcs) {
        std::snprintf(r.firstBroken, sizeof r.firstBroken, "invariant 2: arcCount is %d, adj holds %d arcs",
                      g.arcCount, arcs);
        return false;
    }
    return true;
}

bool checkRemovedVertices(const GraphStore& g, RemovedVertexArcs rule, InvariantReport& r) {
    if (rule == RemovedVertexArcs::AllowedFromFile) {
        return true;
    }
    for (int v = 1; v <= g.vertexCount; ++v) {
        if (g.isRemoved[v] && (rowArcs(g, v) != 0 || columnArcs(g, v) != 0 || g.degree[v] != 0)) {
            std::snprintf(r.firstBroken, sizeof r.firstBroken,
                          "invariant 3: removed vertex %d keeps %d arcs out and %d in", v, rowArcs(g, v),
                          columnArcs(g, v));
            return false;
        }
    }
    return true;
}

bool slotIsClean(const GraphStore& g, int v) {
    return !g.isRemoved[v] && rowArcs(g, v) == 0 && columnArcs(g, v) == 0 && g.degree[v] == 0 &&
           g.outDegree[v] == 0 && g.inDegree[v] == 0;
}

bool checkUnusedSlots(const GraphStore& g, InvariantReport& r) {
    int removed = 0;
    for (int v = 1; v <= g.vertexCount; ++v) {
        removed += g.isRemoved[v];
    }
    if (g.removedCount != removed) {
        std::snprintf(r.firstBroken, sizeof r.firstBroken,
                      "invariant 4: removedCount is %d, %d ids in 1..%d are removed", g.removedCount, removed,
                      g.vertexCount);
        return false;
    }
    // Slot 0 belongs to no vertex, so it must be as clean as the slots above vertexCount.
    for (int v = 0; v < MaxVertexSlots; ++v) {
        if ((v == 0 || v > g.vertexCount) && !slotIsClean(g, v)) {
            std::snprintf(r.firstBroken, sizeof r.firstBroken,
                          "invariant 4: unused slot %d (vertexCount %d) is removed, has an arc or a degree",
                          v, g.vertexCount);
            return false;
        }
    }
    return true;
}

} // namespace

InvariantReport checkStoreInvariants(RemovedVertexArcs rule, const GraphStore& g) {
    InvariantReport r{};
    r.holds = checkShape(g, r) && checkDegrees(g, r) && checkArcCount(g, r) &&
              checkRemovedVertices(g, rule, r) && checkUnusedSlots(g, r);
    return r;
}
