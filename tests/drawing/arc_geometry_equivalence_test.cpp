// The quick sweeps of the default run; arc_geometry_sweep_test runs the long ones (label long).
#include "arc_sweep.h"

#include <gtest/gtest.h>

TEST(ArcGeometryEquivalence, FastMatchesLiteralOnRandomPairs) {
    const SweepResult r = sweepRandomPairs(3000, 20261211u);
    EXPECT_EQ(r.mismatches, 0) << "of " << r.pairs;
}

TEST(ArcGeometryEquivalence, FastMatchesLiteralOnCoarseGrid) {
    const SweepResult r = sweepGrid(110, 130);
    EXPECT_EQ(r.mismatches, 0) << "of " << r.pairs;
}

TEST(ArcGeometryEquivalence, FastMatchesLiteralOnEqualVerticalAndHorizontalPairs) {
    const SweepResult r = sweepAlignedPairs(97);
    EXPECT_EQ(r.mismatches, 0) << "of " << r.pairs;
}

TEST(ArcGeometryEquivalence, NearestAngleMatchesFullSearch) {
    const SweepResult r = sweepNearestAngle(5000, 7u);
    EXPECT_EQ(r.mismatches, 0) << "of " << r.pairs;
}
