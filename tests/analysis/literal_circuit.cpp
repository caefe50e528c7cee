#include "literal_circuit.h"

#include <cstdint>
#include <vector>

namespace {

struct LiteralSearch {
    std::uint8_t workAdj[MaxVertexSlots][MaxVertexSlots];
    std::vector<int> circuitPath;   // slot d: the vertex at depth d
    std::vector<int> nextCandidate; // slot d: the first candidate still to try at depth d
};

LiteralSearch s;

// From v back to start over one or more arcs still in workAdj.
bool leadsBack(int v, int start) {
    const int n = graphStore.vertexCount;
    std::vector<int> queue = {v};
    std::vector<bool> seen(static_cast<size_t>(n + 1), false);
    for (size_t k = 0; k < queue.size(); ++k) {
        const int u = queue[k];
        for (int w = 1; w <= n; ++w) {
            if (graphStore.isRemoved[w] || s.workAdj[u][w] == 0) {
                continue;
            }
            if (w == start) {
                return true;
            }
            if (!seen[static_cast<size_t>(w)]) {
                seen[static_cast<size_t>(w)] = true;
                queue.push_back(w);
            }
        }
    }
    return false;
}

// circuitLength vertices on the route, 0 when none closes, -1 when the budget ran out.
int searchCircuit(VertexId start, long long stepBudget, bool prune) {
    const int n = graphStore.vertexCount;
    if (n <= 0) {
        return 0;
    }
    s.circuitPath.assign(2, 0);
    s.nextCandidate.assign(2, 1);
    s.circuitPath[1] = start;
    long long steps = 0;
    int depth = 1;
    while (depth >= 1) {
        const int c = s.circuitPath[static_cast<size_t>(depth)];
        int i = s.nextCandidate[static_cast<size_t>(depth)];
        while (i <= n && (graphStore.isRemoved[i] || s.workAdj[c][i] == 0)) {
            ++i;
        }
        if (i > n) { // candidates exhausted: back out of the arc that led here
            depth -= 1;
            if (depth >= 1) {
                const int from = s.circuitPath[static_cast<size_t>(depth)];
                const int to = s.circuitPath[static_cast<size_t>(depth + 1)];
                s.workAdj[from][to] = 1;
                s.nextCandidate[static_cast<size_t>(depth)] = to + 1;
            }
            continue;
        }
        if (++steps > stepBudget) {
            return -1;
        }
        s.circuitPath.resize(static_cast<size_t>(depth + 2));
        s.nextCandidate.resize(static_cast<size_t>(depth + 2));
        s.circuitPath[static_cast<size_t>(depth + 1)] = i;
        s.workAdj[c][i] = 0;
        if (s.workAdj[i][start] == 1) {
            return depth + 1;
        }
        if (prune && !leadsBack(i, start)) {
            s.workAdj[c][i] = 1;
            s.nextCandidate[static_cast<size_t>(depth)] = i + 1;
            continue;
        }
        depth += 1;
        s.nextCandidate[static_cast<size_t>(depth)] = 1;
    }
    return 0;
}

std::string circuitText(VertexId start, long long stepBudget, bool prune) {
    const int n = graphStore.vertexCount;
    for (int u = 0; u < MaxVertexSlots; ++u) {
        for (int v = 0; v < MaxVertexSlots; ++v) {
            s.workAdj[u][v] = (u >= 1 && u <= n && v >= 1 && v <= n && graphStore.adj[u][v] != 0) ? 1 : 0;
        }
    }
    const int circuitLength = searchCircuit(start, stepBudget, prune);
    if (circuitLength < 0) {
        return "";
    }
    if (circuitLength == 0) {
        return "Nu exista circuit cu varful de start " + std::to_string(start);
    }
    std::string text = "Un circuit este: (";
    for (int d = 1; d <= circuitLength; ++d) {
        text += std::to_string(s.circuitPath[static_cast<size_t>(d)]) + ", ";
    }
    return text + std::to_string(start) + ")";
}

} // namespace

std::string literalCircuitText(VertexId start, long long stepBudget) {
    return circuitText(start, stepBudget, false);
}

std::string checkedPrunedCircuitText(VertexId start) {
    return circuitText(start, 1LL << 62, true);
}
