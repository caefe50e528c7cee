// Builds a graph in the store directly, without the graph files, for the analysis tests.
#pragma once

#include <initializer_list>
#include <vector>

struct ArcPair {
    int tail;
    int head;
};

// Vertices 1..n, the given ids removed (they keep no arcs), then the arcs added in order.
void loadGraph(int n, const std::vector<ArcPair>& arcs, const std::vector<int>& removed = {});
