// The curved arc between two vertex centres: a 60-degree piece of the circle through both whose
// centre lies to the right of the arc's direction, its last stretch the head. Pure arithmetic, in
// long double (x87 extended on Linux and mingw-w64 alike); every conversion to int truncates toward
// zero, and coordinates, radii and angles of any value give a defined result.
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
// 0..359, lowest angle on ties; a point no candidate comes near still gets its nearest angle.
int nearestAngle(int cx, int cy, double r, int px, int py);
int headAngle(double r);
int sweepToward(int a, int b, double r);
