// One check of the store's bookkeeping, for the tests, the fuzzer and the soak runs: every degree
// matches its row and column of adj, arcCount matches adj, removed vertices hold no arcs, and
// nothing lives above vertexCount.
#pragma once

#include "graph/graph_store.h"

// A vertex removed with removeVertex never keeps an arc. A file can also leave a vertex removed
// (it has no vertex line) together with the arcs the file names for it; after a read, pass
// AllowedFromFile so that such arcs are not reported.
enum class RemovedVertexArcs { Forbidden, AllowedFromFile };

struct InvariantReport {
    bool holds;
    char firstBroken[120]; // empty when holds; otherwise which invariant, where, and the numbers
};

InvariantReport checkStoreInvariants(RemovedVertexArcs rule = RemovedVertexArcs::Forbidden,
                                     const GraphStore& g = graphStore);
