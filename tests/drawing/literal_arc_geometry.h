// The arc geometry computed the slow, literal way: every call searches all 360 angles of both
// end points with a fresh sine and cosine each. It is the yardstick the product's table-driven,
// narrowed search is checked and timed against; drawing-area coordinates only.
#pragma once

#include "drawing/arc_geometry.h"

ArcGeometry literalComputeArcGeometry(int xu, int yu, int xv, int yv);
// -1 where no candidate comes within 10000 (never for a centre on its own circle).
int literalNearestAngle(int cx, int cy, double r, int px, int py);
int literalHeadAngle(double r);
int literalSweepToward(int a, int b, double r);
