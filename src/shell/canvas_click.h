// Editing the graph with the left mouse button in the drawing area.
#pragma once

#include "platform/win32.h"

// A press further right than this cannot place a vertex or pick an arc's head.
constexpr int MaxCanvasX = 755;

LRESULT onCanvasClick(HWND window, LPARAM lParam);
