// The curved arc between two vertex centres: a 60-degree piece of the circle through both whose
// centre lies to the right of the arc's direction, its last stretch the head. Pure arithmetic.
#pragma once

#include <cstdint>

struct ArcGeometry {
    std::int32_t centreX;
    std::int32_t centreY;
    std::int32_t radius;
    std::int32_t bodyStart;
    std::int32_t bodySweep;
    std::int32_t headStart;
    std::int32_t headSweep;
};

ArcGeometry computeArcGeometry(int xu, int yu, int xv, int yv);
int nearestAngle(int cx, int cy, double r, int px, int py);
int headAngle(double r);
int sweepToward(int a, int b, double r);
