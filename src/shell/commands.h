// The push buttons of the control panel: analyses, traversals, reading and saving the graph.
#pragma once

#include "platform/win32.h"

enum CommandId {
    CheckStrongCommand = 1,
    CheckTournamentCommand = 2,
    CheckBipartiteCommand = 3,
    CircuitCommand = 4,
    ComponentsCommand = 5,
    BreadthFirstCommand = 6,
    DepthFirstCommand = 7,
    ReadFileCommand = 8,
    SaveFileCommand = 9,
};

LRESULT handleCommand(HWND window, WPARAM wParam);
// One traversal step's OK/Cancel box, placed beside the drawing area.
int showStepBox(const char* caption, const char* text);
