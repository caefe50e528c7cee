#include "analysis/bipartite.h"

#include "analysis/text_append.h"
#include "graph/graph_store.h"
#include "graph/text_buffers.h"

#include <cstdint>
#include <cstring>

namespace {

// Every arc a graph can hold, loops included.
constexpr int MaxArcs = (MaxVertexSlots - 1) * (MaxVertexSlots - 1);

struct ArcEntry {
    std::int32_t tail;
    std::int32_t head;
};

// Static: 9,801 entries are too many for the stack of the window thread. Numbered from 1.
ArcEntry arcList[MaxArcs + 1];
std::uint8_t arcDone[MaxArcs + 1];

struct SideFlags {
    std::uint8_t inSetA[MaxVertexSlots];
    std::uint8_t inSetB[MaxVertexSlots];
};

int buildArcList(int n) {
    int m = 0;
    for (int u = 1; u <= n; ++u) {
        for (int v = 1; v <= n; ++v) {
            if (graphStore.adj[u][v] == 1) {
                m += 1;
                arcList[m] = ArcEntry{u, v};
            }
        }
    }
    return m;
}

// Tail into A, head into B; a loop cannot be split.
bool seedFrom(int k, SideFlags& sides) {
    arcDone[k] = 1;
    const ArcEntry arc = arcList[k];
    if (arc.tail == arc.head) {
        return false;
    }
    sides.inSetA[arc.tail] = 1;
    sides.inSetB[arc.head] = 1;
    return true;
}

enum class PassOutcome { Progress, NoProgress, Conflict };

// One pass over the open entries; what it settles is seen by the entries after it in the pass.
PassOutcome runPass(int m, SideFlags& sides) {
    bool progress = false;
    for (int k = 2; k <= m; ++k) {
        if (arcDone[k]) {
            continue;
        }
        const int x = arcList[k].tail;
        const int y = arcList[k].head;
        if (sides.inSetA[x]) {
            if (sides.inSetA[y]) {
                return PassOutcome::Conflict;
            }
            sides.inSetB[y] = 1;
        } else if (sides.inSetB[x]) {
            if (sides.inSetB[y]) {
                return PassOutcome::Conflict;
            }
            sides.inSetA[y] = 1;
        } else if (sides.inSetA[y]) {
            sides.inSetB[x] = 1;
        } else if (sides.inSetB[y]) {
            sides.inSetA[x] = 1;
        } else {
            continue;
        }
        arcDone[k] = 1;
        progress = true;
    }
    return progress ? PassOutcome::Progress : PassOutcome::NoProgress;
}

int lowestOpenEntry(int m) {
    for (int k = 2; k <= m; ++k) {
        if (!arcDone[k]) {
            return k;
        }
    }
    return 0;
}

// A graph without arcs seeds nothing: every live vertex is then listed under A.
bool propagateSides(int m, SideFlags& sides) {
    if (m >= 1 && !seedFrom(1, sides)) {
        return false;
    }
    while (m >= 2) {
        const PassOutcome outcome = runPass(m, sides);
        if (outcome == PassOutcome::Conflict) {
            return false;
        }
        if (outcome == PassOutcome::NoProgress) {
            const int k = lowestOpenEntry(m);
            if (k == 0) {
                break;
            }
            if (!seedFrom(k, sides)) {
                return false;
            }
        }
    }
    return true;
}

void writeSides(int n, const SideFlags& sides) {
    TextSink out = startText(ResultText, ResultTextSize);
    appendText(out, "Este bipartit. Multimea A: ");
    for (int v = 1; v <= n; ++v) {
        if (!graphStore.isRemoved[v] && !sides.inSetB[v]) {
            appendId(out, v, " ");
        }
    }
    appendText(out, "\nMultimea B: ");
    for (int v = 1; v <= n; ++v) {
        if (sides.inSetB[v]) {
            appendId(out, v, " ");
        }
    }
}

} // namespace

bool checkBipartite() {
    const int count = graphStore.vertexCount;
    const int n = count < MaxVertexSlots ? count : MaxVertexSlots - 1;
    SideFlags sides = {};
    const int m = buildArcList(n);
    std::memset(arcDone, 0, sizeof(arcDone[0]) * static_cast<unsigned>(m + 1));
    if (!propagateSides(m, sides)) {
        return false;
    }
    writeSides(n, sides);
    return true;
}
