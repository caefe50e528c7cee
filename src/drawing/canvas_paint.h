// Painting the drawing area from the graph store: the separator, the arcs, the vertices.
#pragma once

#include "platform/win32.h"

void paintCanvas(HDC dc);
