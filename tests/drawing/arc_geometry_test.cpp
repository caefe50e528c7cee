#include "drawing/arc_geometry.h"
#include "drawing/arc_geometry_table.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace {

struct ArcCase {
    const char* what;
    int xu, yu, xv, yv;
    ArcGeometry expected;
};

void expectArc(const ArcGeometry& got, const ArcGeometry& want, const char* what) {
    EXPECT_EQ(got.centreX, want.centreX) << what;
    EXPECT_EQ(got.centreY, want.centreY) << what;
    EXPECT_EQ(got.radius, want.radius) << what;
    EXPECT_EQ(got.bodyStart, want.bodyStart) << what;
    EXPECT_EQ(got.bodySweep, want.bodySweep) << what;
    EXPECT_EQ(got.headStart, want.headStart) << what;
    EXPECT_EQ(got.headSweep, want.headSweep) << what;
}

} // namespace

TEST(ArcGeometry, ComputeArcGeometryGivesTheKnownArcs) {
    const ArcCase cases[] = {
        {"worked example", 300, 30, 570, 300, {201, 398, 381, 75, -51, 24, -9}},
        {"its reverse, centre truncated toward zero", 570, 300, 300, 30, {668, -68, 381, 255, -51, 204, -9}},
        {"equal y", 100, 100, 300, 100, {200, 273, 200, 120, -43, 77, -17}},
        {"equal y reversed", 300, 100, 100, 100, {200, -73, 200, 300, -43, 257, -17}},
        {"quotient just above 30: head capped", 200, 200, 313, 219, {240, 307, 114, 110, -30, 80, -30}},
        {"quotient just below 30", 200, 200, 300, 256, {201, 314, 114, 90, -31, 59, -29}},
        {"loop", 400, 250, 400, 250, {400, 250, 0, 0, -30, -30, -30}},
        {"two vertices on one spot at the origin", 0, 0, 0, 0, {0, 0, 0, 0, -30, -30, -30}},
        {"head start below 0", 200, 100, 150, 300, {1, 156, 206, 16, -44, -28, -16}},
        {"one above the other, even sum: a hair below the midpoint",
         100,
         100,
         100,
         300,
         {-73, 199, 200, 30, -43, -13, -17}},
    };
    for (const ArcCase& c : cases) {
        expectArc(computeArcGeometry(c.xu, c.yu, c.xv, c.yv), c.expected, c.what);
    }
}

TEST(ArcGeometry, WorkedExampleSearchesPickTheListedAngles) {
    const double d = std::sqrt(145800.0);
    EXPECT_EQ(nearestAngle(201, 398, d, 300, 30), 75);
    EXPECT_EQ(nearestAngle(201, 398, d, 570, 300), 15);
}

TEST(ArcGeometry, NearestAngleTiesGoToTheLowestAngle) {
    // Radius 0: every candidate is the centre itself.
    EXPECT_EQ(nearestAngle(50, 60, 0.0, 300, 30), 0);
    // From the centre of a radius-10 circle the least error, 7, first occurs at 37 degrees.
    EXPECT_EQ(nearestAngle(0, 0, 10.0, 0, 0), 37);
}

TEST(ArcGeometry, FarPointStillGetsItsNearestAngle) {
    // No candidate within 10000: the nearest angle is returned rather than an undefined one.
    EXPECT_EQ(nearestAngle(0, 0, 10.0, 100000, 0), 0);
    EXPECT_EQ(nearestAngle(0, 0, 10.0, 0, -100000), 90);
    EXPECT_EQ(nearestAngle(0, 0, 10.0, -100000, 3), 180);
}

TEST(ArcGeometry, HeadAngleTruncatesAndCapsAt30) {
    struct Case {
        double r;
        int expected;
    };
    const Case cases[] = {
        {0.0, 30}, // infinite quotient, not an error
        {std::sqrt(13130.0), 30},
        {std::sqrt(13136.0), 29},
        {std::sqrt(145800.0), 9},
        {200.0, 17},
        {0x1.7df8cc0a876fap+8, 8}, // q a hair below 9, though the nearest double to q is 9
        {1e12, 0},
        {std::numeric_limits<double>::infinity(), 0},
        {-5.0, 0},
        {std::numeric_limits<double>::quiet_NaN(), 30},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(headAngle(c.r), c.expected) << c.r;
    }
}

TEST(ArcGeometry, SweepTowardTurnsToTheNearerSideAndTiesClockwise) {
    struct Case {
        int a, b;
        double r;
        int expected;
    };
    const double d = std::sqrt(145800.0);
    const Case cases[] = {
        {75, 15, d, -51},          // b 60 clockwise of a
        {15, 75, d, 51},           // b 60 counter-clockwise
        {0, 0, 0.0, -30},          // equally far both ways: clockwise
        {0, 180, 200.0, -43},      // tie again
        {350, 50, 200.0, 43},      // a + 60 wraps past 359
        {10, 310, 200.0, -43},     // a - 60 wraps below 0
        {360 + 75, 15, d, -51},    // angles outside 0..359 are taken modulo a turn
        {INT_MAX, INT_MIN, d, 51}, // 127 -> 232, without overflow
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sweepToward(c.a, c.b, c.r), c.expected) << c.a << " -> " << c.b;
    }
}

TEST(ArcGeometry, FarApartCentresUse64BitDistance) {
    // S = 10^10 overflows 32 bits.
    expectArc(computeArcGeometry(0, 0, 100000, 0), {50000, 86602, 100000, 120, -60, 60, 0}, "far apart");
    expectArc(computeArcGeometry(100000, 0, 0, 0), {50000, -86602, 100000, 300, -60, 240, 0},
              "far apart reversed");
}

TEST(ArcGeometry, ExtremeCoordinatesGiveADefinedArc) {
    struct Case {
        int xu, yu, xv, yv;
    };
    const Case cases[] = {
        {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
        {INT_MAX, INT_MAX, INT_MIN, INT_MIN},
        {INT_MIN, 0, INT_MAX, 0},
        {0, INT_MIN, 0, INT_MAX},
        {INT_MAX, 5, INT_MAX, -5},
        {INT_MIN, INT_MAX, INT_MIN + 1, INT_MIN},
        {100000000, -300, -5, 100000000},
        {300, 30, 2000000000, 30},
    };
    for (const Case& c : cases) {
        const ArcGeometry g = computeArcGeometry(c.xu, c.yu, c.xv, c.yv);
        EXPECT_GE(g.radius, 0);
        EXPECT_GE(g.bodyStart, 0);
        EXPECT_LE(g.bodyStart, 359);
        EXPECT_EQ(g.headStart, g.bodyStart + g.bodySweep);
        EXPECT_EQ(std::abs(g.bodySweep) + std::abs(g.headSweep), 60);
    }
    EXPECT_EQ(computeArcGeometry(INT_MIN, 0, INT_MAX, 0).radius, INT_MAX);
}

TEST(ArcGeometry, TableHoldsTheLibrarySinesAndCosines) {
    const long double pi = 3.141592653589793;
    EXPECT_EQ(DegreeCosSin[0][0], 1.0L);
    EXPECT_EQ(DegreeCosSin[0][1], 0.0L);
    for (int i = 1; i < 360; ++i) {
        // volatile keeps the compiler from folding the call with its own, differently rounded, sine.
        volatile long double theta = 2 * i * pi / 360;
        EXPECT_EQ(DegreeCosSin[i][0], std::cos(theta)) << i;
        EXPECT_EQ(DegreeCosSin[i][1], std::sin(theta)) << i;
    }
}
