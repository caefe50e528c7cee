#include "arc_sweep.h"

#include "literal_arc_geometry.h"

#include <cmath>
#include <cstdio>
#include <random>

namespace {

constexpr int AreaRight = 770;
constexpr int AreaBottom = 650;

bool sameGeometry(const ArcGeometry& a, const ArcGeometry& b) {
    return a.centreX == b.centreX && a.centreY == b.centreY && a.radius == b.radius &&
           a.bodyStart == b.bodyStart && a.bodySweep == b.bodySweep && a.headStart == b.headStart &&
           a.headSweep == b.headSweep;
}

// Prints the first few differing pairs so a failure names its inputs.
void check(SweepResult& result, int xu, int yu, int xv, int yv) {
    ++result.pairs;
    const ArcGeometry fast = computeArcGeometry(xu, yu, xv, yv);
    const ArcGeometry literal = literalComputeArcGeometry(xu, yu, xv, yv);
    if (!sameGeometry(fast, literal)) {
        if (result.mismatches < 5) {
            std::printf(
                "mismatch (%d,%d)->(%d,%d): fast %d,%d r%d %d/%d %d/%d literal %d,%d r%d %d/%d %d/%d\n", xu,
                yu, xv, yv, fast.centreX, fast.centreY, fast.radius, fast.bodyStart, fast.bodySweep,
                fast.headStart, fast.headSweep, literal.centreX, literal.centreY, literal.radius,
                literal.bodyStart, literal.bodySweep, literal.headStart, literal.headSweep);
        }
        ++result.mismatches;
    }
}

} // namespace

SweepResult sweepRandomPairs(long long count, std::uint32_t seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> x(0, AreaRight);
    std::uniform_int_distribution<int> y(0, AreaBottom);
    SweepResult result{0, 0};
    for (long long i = 0; i < count; ++i) {
        const int xu = x(rng), yu = y(rng), xv = x(rng), yv = y(rng);
        check(result, xu, yu, xv, yv);
    }
    return result;
}

SweepResult sweepGrid(int stepX, int stepY) {
    SweepResult result{0, 0};
    for (int xu = 0; xu <= AreaRight; xu += stepX) {
        for (int yu = 0; yu <= AreaBottom; yu += stepY) {
            for (int xv = 0; xv <= AreaRight; xv += stepX) {
                for (int yv = 0; yv <= AreaBottom; yv += stepY) {
                    check(result, xu, yu, xv, yv);
                }
            }
        }
    }
    return result;
}

SweepResult sweepAlignedPairs(int stride) {
    SweepResult result{0, 0};
    for (int a = 0; a <= AreaRight; a += stride) {
        for (int b = 0; b <= AreaBottom; b += stride) {
            check(result, a, b, a, b);
        }
    }
    for (int x = 0; x <= AreaRight; x += stride) {
        for (int yu = 0; yu <= AreaBottom; yu += stride) {
            for (int yv = yu % 7; yv <= AreaBottom; yv += stride) {
                check(result, x, yu, x, yv);
            }
        }
    }
    for (int y = 0; y <= AreaBottom; y += stride) {
        for (int xu = 0; xu <= AreaRight; xu += stride) {
            for (int xv = xu % 5; xv <= AreaRight; xv += stride) {
                check(result, xu, y, xv, y);
            }
        }
    }
    return result;
}

SweepResult sweepNearestAngle(long long count, std::uint32_t seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> centre(-200, 1000);
    std::uniform_real_distribution<double> radius(0.0, 1200.0);
    std::uniform_real_distribution<double> turn(0.0, 6.283185307179586);
    std::uniform_real_distribution<double> offset(-4.0, 4.0);
    SweepResult result{0, 0};
    for (long long i = 0; i < count; ++i) {
        const int cx = centre(rng), cy = centre(rng);
        // Small radii (where the narrowed search must give up) as often as drawing-sized ones.
        double r = radius(rng);
        if (i % 3 == 0) {
            r /= 40.0;
        }
        const double t = turn(rng);
        // Most points lie within a few pixels of the circle, as vertex centres do; some anywhere.
        double px = cx + r * std::cos(t) + offset(rng);
        double py = cy - r * std::sin(t) + offset(rng);
        if (i % 10 == 0) {
            px = cx + offset(rng) * 100.0;
            py = cy + offset(rng) * 100.0;
        }
        ++result.pairs;
        const int fast = nearestAngle(cx, cy, r, static_cast<int>(px), static_cast<int>(py));
        const int literal = literalNearestAngle(cx, cy, r, static_cast<int>(px), static_cast<int>(py));
        if (fast != literal) {
            if (result.mismatches < 5) {
                std::printf("mismatch nearestAngle(%d, %d, %.17g, %d, %d): fast %d literal %d\n", cx, cy, r,
                            static_cast<int>(px), static_cast<int>(py), fast, literal);
            }
            ++result.mismatches;
        }
    }
    return result;
}
