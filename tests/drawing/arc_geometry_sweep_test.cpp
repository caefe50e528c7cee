// The long sweep (ctest -L long, make soak): a million seeded random pairs and finer grids.
#include "arc_sweep.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

void report(const char* what, const SweepResult& r) {
    std::printf("%s: %lld pairs, %lld mismatches\n", what, r.pairs, r.mismatches);
}

} // namespace

TEST(ArcGeometrySweep, FastMatchesLiteralOnAMillionRandomPairs) {
    const SweepResult r = sweepRandomPairs(1000000, 1u);
    report("random pairs", r);
    EXPECT_EQ(r.mismatches, 0);
}

TEST(ArcGeometrySweep, FastMatchesLiteralOnGridAndAlignedPairs) {
    const SweepResult grid = sweepGrid(35, 50);
    report("grid 35 x 50", grid);
    EXPECT_EQ(grid.mismatches, 0);
    const SweepResult aligned = sweepAlignedPairs(13);
    report("equal, vertical and horizontal pairs", aligned);
    EXPECT_EQ(aligned.mismatches, 0);
}

TEST(ArcGeometrySweep, NearestAngleMatchesFullSearchOnAMillionPoints) {
    const SweepResult r = sweepNearestAngle(1000000, 3u);
    report("nearestAngle points", r);
    EXPECT_EQ(r.mismatches, 0);
}
