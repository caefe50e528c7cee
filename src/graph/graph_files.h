// Moving a graph between a text file and the graph store. No platform calls, nothing shown: the
// result says what happened and the caller tells the user.
#pragma once

enum class FileResult {
    Ok,
    CannotOpen,   // the file could not be opened (read), or created (save)
    InvalidGraph, // the file opened but holds no valid graph; the store is unchanged
    CannotWrite,  // the save failed after opening; the old file is untouched
};

constexpr const char* StartupFileName = "RoriR.in";
constexpr int LayoutRadius = 270;
constexpr int LayoutCentreX = 300;
constexpr int LayoutCentreY = 300;

// Reads StartupFileName in start-up form and places its vertices on a circle. A missing file
// leaves the graph empty and returns CannotOpen; an invalid one leaves it empty and returns
// InvalidGraph.
FileResult loadStartupGraph();
// Replaces the graph with the one in the named file (full form). Anything but Ok leaves the store
// exactly as it was; CannotOpen also covers a file that opens but cannot be read.
FileResult readGraphFile(const char* name);
// Writes the graph in full form to a temporary file beside the target and renames it over the
// target only once every write and the close succeeded.
FileResult saveGraphFile(const char* name);
// Places vertices 1..n evenly on the start-up circle, vertex 1 at its east point; n outside 1..99
// places nothing.
void placeOnCircle(int n);
