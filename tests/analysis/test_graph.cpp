#include "test_graph.h"

#include "graph/graph_store.h"

void loadGraph(int n, const std::vector<ArcPair>& arcs, const std::vector<int>& removed) {
    graphStore = GraphStore{};
    graphStore.vertexCount = n;
    for (int v : removed) {
        graphStore.isRemoved[v] = 1;
        graphStore.removedCount += 1;
    }
    for (const ArcPair& arc : arcs) {
        addArc(arc.tail, arc.head);
    }
}
