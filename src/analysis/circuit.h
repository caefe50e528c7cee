// A circuit through a start vertex: a closed route that uses no arc twice.
#pragma once

#include "graph/graph_store.h"

// Writes the circuit text or the failure text into ResultText.
void findCircuit(VertexId start);
