// Runs the product's and the literal arc geometry side by side over sets of vertex centres in the
// drawing area (x 0..770, y 0..650) and counts the pairs on which any field differs.
#pragma once

#include <cstdint>

struct SweepResult {
    long long pairs;
    long long mismatches;
};

SweepResult sweepRandomPairs(long long count, std::uint32_t seed);
// Every ordered pair of points on a grid with the given spacing, equal points included.
SweepResult sweepGrid(int stepX, int stepY);
// Equal points, and pairs sharing an x (vertical) or a y (horizontal), every `stride`-th value.
SweepResult sweepAlignedPairs(int stride);
// nearestAngle alone, for random centres, radii (tiny to large) and points on, near and off the
// circle, which also drives the search's fallbacks.
SweepResult sweepNearestAngle(long long count, std::uint32_t seed);
