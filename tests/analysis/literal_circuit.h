// The circuit search in its original, exhaustive form: depth-first over routes of distinct arcs, lowest
// candidate first, the arc i->start that is not on the route closing the circuit one step ahead.
// Kept apart from the program as the reference the real search must match text for text, and as
// the baseline of the circuit benchmark. Its frames are on a heap stack, so long routes are fine.
#pragma once

#include "graph/graph_store.h"

#include <string>

// The text findCircuit must write for this start, or "" when the search took more than
// stepBudget steps (one step per arc taken) and was abandoned.
std::string literalCircuitText(VertexId start, long long stepBudget);

// The same search, cutting every branch whose vertex cannot get back to the start over the arcs
// not yet taken, found by a fresh breadth-first search at every step: slow, but plainly right.
std::string checkedPrunedCircuitText(VertexId start);
