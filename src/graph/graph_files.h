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
FileResult readGraphFile(const char* name);
FileResult saveGraphFile(const char* name);
void placeOnCircle(int n);
