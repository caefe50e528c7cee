// The start vertex of the circuit and traversal commands, typed into the panel's start-vertex box.
#pragma once

#include "graph/graph_store.h"

// The accepted start vertex, also picked in selectedVertex; 0 after the refusal box was shown.
VertexId readStartVertex(const char* caption);
// Shows ResultText under the caption, then clears the colours, the picks and the prompt.
void showStartVertexResult(const char* caption);
