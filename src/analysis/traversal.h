// Step-by-step breadth-first and depth-first traversals. They reach the window only through the
// three operations their caller hands them, so tests can hand them recording substitutes.
#pragma once

#include "graph/graph_store.h"

struct TraversalShell {
    void (*setPrompt)(const char* text);
    // Shows one step's OK/Cancel box; returns IDOK (1) to keep the boxes coming.
    int (*showStepBox)(const char* caption, const char* text);
    void (*invalidateCanvas)();
};

void runBreadthFirst(VertexId start, const TraversalShell& shell);
void runDepthFirst(VertexId start, const TraversalShell& shell);
