// The stream halves of the graph file operations: the file functions open and close, these read
// and write. Kept apart so that the tests and the fuzzer can drive them from memory.
#pragma once

#include <istream>
#include <ostream>

#include "graph/graph_files.h"

// Full form into the store. Ok commits the graph; InvalidGraph and CannotOpen (a read error)
// leave the store exactly as it was.
FileResult readGraphStream(std::istream& in);

// Start-up form into the store, then the circle layout. Anything but Ok leaves the graph empty.
FileResult loadStartupStream(std::istream& in);

// No vertex, no arc, no pick: what the program starts with when it has no start-up graph.
void emptyGraph();

// Writes the store in full form; false when a write failed.
bool writeGraphStream(std::ostream& out);
