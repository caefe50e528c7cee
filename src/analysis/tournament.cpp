#include "analysis/tournament.h"

#include "graph/graph_store.h"

bool isTournament() {
    const int count = graphStore.vertexCount;
    const int n = count < MaxVertexSlots ? count : MaxVertexSlots - 1;
    for (int i = 1; i <= n - 1; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            if (graphStore.isRemoved[i] || graphStore.isRemoved[j]) {
                continue;
            }
            if (graphStore.adj[i][j] + graphStore.adj[j][i] != 1) {
                return false;
            }
        }
    }
    return true;
}
