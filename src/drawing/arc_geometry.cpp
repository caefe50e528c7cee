// Arc geometry in long double: the x87 80-bit extended format on x86-64 Linux and on mingw-w64
// alike (mingw's start-up code sets the x87 to full 64-bit precision). The vertex placement computes
// in extended precision too, and it settles the last-bit cases the way this program has always drawn
// them: for two centres one above the other with an even yu + yv the quantity under the root of the
// centre's y is a tiny positive remainder, so centreY comes out one below a positive midpoint (double
// gives the midpoint). Only +, -, *, / and sqrt are evaluated here, all correctly rounded on both
// targets; the sines and cosines come from a fixed table, never from the platform's library, so
// Windows and Linux draw the same pixels.
#include "drawing/arc_geometry.h"

#include "drawing/arc_geometry_table.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

using Real = long double;

constexpr Real Pi = 3.141592653589793;
constexpr Real Sqrt3 = 1.7320508075688772;
constexpr int FullTurn = 360;
constexpr int ArcDegrees = 60;
constexpr int MaxHeadDegrees = 30;

// Angles looked at on each side of the estimated direction before the rest of the circle is ruled
// out: a few suffice on drawing-sized circles, short arcs need the wider window. Beyond NearbyLimit
// the rounding margins below are no longer shown to hold.
constexpr int NarrowWindow = 3;
constexpr int WideWindow = 15;
constexpr int NearbyLimit = 1 << 16;

// Positions read from a file can be anything, so a value outside int32 is clamped and NaN gives 0
// rather than an undefined conversion. Inside the range this is truncation toward zero, taken from
// the nearest double: the x87's own truncation switches the control word on every conversion, which
// cost more than the rest of the search. Rounding to double moves v by far less than one, and a whole
// number is never rounded past, so the double's truncation is v's or one further from zero.
std::int32_t truncToInt32(Real v) {
    if (v != v) {
        return 0;
    }
    if (v >= 2147483648.0L) {
        return INT32_MAX;
    }
    if (v <= -2147483649.0L) {
        return INT32_MIN;
    }
    std::int64_t t = static_cast<std::int64_t>(static_cast<double>(v));
    if (v >= 0 && static_cast<Real>(t) > v) {
        --t;
    } else if (v < 0 && static_cast<Real>(t) < v) {
        ++t;
    }
    return static_cast<std::int32_t>(t);
}

int wrapDegrees(int a) {
    const int m = a % FullTurn;
    return m < 0 ? m + FullTurn : m;
}

std::int64_t candidateError(int cx, int cy, Real r, int angle, int px, int py) {
    const std::int64_t x = truncToInt32(static_cast<Real>(cx) + r * DegreeCosSin[angle][0]);
    const std::int64_t y = truncToInt32(static_cast<Real>(cy) - r * DegreeCosSin[angle][1]);
    const std::int64_t ex = std::llabs(x - px);
    const std::int64_t ey = std::llabs(y - py);
    return ex > ey ? ex : ey;
}

// Every angle in turn; the lowest error wins and ties go to the lowest angle. A point that no
// candidate comes within 10000 of still gets its nearest angle instead of an undefined one.
int searchAll(int cx, int cy, Real r, int px, int py) {
    std::int64_t best = INT64_MAX;
    int result = 0;
    for (int i = 0; i < FullTurn; ++i) {
        const std::int64_t error = candidateError(cx, cy, r, i, px, py);
        if (error < best) {
            best = error;
            result = i;
        }
    }
    return result;
}

// A rough direction of (x, y) (y up) in whole degrees, good to about a tenth of a degree. It only
// places the window; correctness never rests on it.
int estimateDegrees(double x, double y) {
    const double ax = std::fabs(x);
    const double ay = std::fabs(y);
    const double t = ax < ay ? ax / ay : ay / ax;
    double a = 45.0 * t + t * (1.0 - t) * (14.02 + 3.80 * t);
    if (ay > ax) {
        a = 90.0 - a;
    }
    if (x < 0) {
        a = 180.0 - a;
    }
    if (y < 0) {
        a = 360.0 - a;
    }
    return wrapDegrees(static_cast<int>(a + 0.5));
}

// True when no angle outside the arc lo..hi (counter-clockwise, under a half turn) can reach an error
// of best or less. The point (dx, dy) from the centre (y up) must lie strictly inside lo..hi; then
// over the outer angles its projection on the direction is largest at lo or hi, which bounds the
// squared distance from the point to every outer candidate's exact position. A candidate's error is
// more than that distance / sqrt 2 - 1, truncation moving each coordinate by under a pixel. The
// slack terms cover the table's and the arithmetic's rounding with orders of magnitude to spare.
bool restCannotWin(Real r, Real dx, Real dy, int lo, int hi, std::int64_t best) {
    const Real cosLo = DegreeCosSin[lo][0], sinLo = DegreeCosSin[lo][1];
    const Real cosHi = DegreeCosSin[hi][0], sinHi = DegreeCosSin[hi][1];
    constexpr Real SideMargin = 1e-6L;
    if (!(cosLo * dy - sinLo * dx > SideMargin && dx * sinHi - dy * cosHi > SideMargin)) {
        return false;
    }
    const Real dotLo = dx * cosLo + dy * sinLo;
    const Real dotHi = dx * cosHi + dy * sinHi;
    const Real dot = dotLo > dotHi ? dotLo : dotHi;
    const Real slack = 2 * r * (std::fabs(dx) + std::fabs(dy)) * 1e-12L + 1e-6L;
    const Real gap2 = r * r + (dx * dx + dy * dy) - 2 * r * dot - slack;
    const Real need = 1.4143L * static_cast<Real>(best + 1) + 0.001L;
    return gap2 >= need * need;
}

bool withinNearbyLimit(int v) {
    return v >= -NearbyLimit && v <= NearbyLimit;
}

// The search's answer from 2 * window + 1 candidates around the point's direction, or -1 when the
// rest of the circle cannot be ruled out (tiny or huge circles, points far off the circle).
int searchNearby(int cx, int cy, Real r, int px, int py, int window) {
    if (!(r > 0 && r <= NearbyLimit) || !withinNearbyLimit(cx) || !withinNearbyLimit(cy) ||
        !withinNearbyLimit(px) || !withinNearbyLimit(py)) {
        return -1;
    }
    const Real dx = static_cast<Real>(px) - cx;
    const Real dy = static_cast<Real>(cy) - py;
    if (dx == 0 && dy == 0) {
        return -1;
    }
    const int middle = estimateDegrees(static_cast<double>(dx), static_cast<double>(dy));
    std::int64_t best = INT64_MAX;
    int result = 0;
    for (int step = -window; step <= window; ++step) {
        const int i = wrapDegrees(middle + step);
        const std::int64_t error = candidateError(cx, cy, r, i, px, py);
        if (error < best || (error == best && i < result)) {
            best = error;
            result = i;
        }
    }
    const int lo = wrapDegrees(middle - window - 1);
    const int hi = wrapDegrees(middle + window + 1);
    return restCannotWin(r, dx, dy, lo, hi, best) ? result : -1;
}

// Both differences fit in 64 bits and so do their squares (as unsigned); the sum is exact in the
// 64-bit mantissa up to 2^64, so S is the plain integer wherever 32-bit arithmetic would not overflow.
Real squaredDistance(int xu, int yu, int xv, int yv) {
    const std::int64_t dx = static_cast<std::int64_t>(xu) - xv;
    const std::int64_t dy = static_cast<std::int64_t>(yu) - yv;
    const std::uint64_t ax = static_cast<std::uint64_t>(dx < 0 ? -dx : dx);
    const std::uint64_t ay = static_cast<std::uint64_t>(dy < 0 ? -dy : dy);
    return static_cast<Real>(ax * ax) + static_cast<Real>(ay * ay);
}

// The centre's x where the perpendicular bisector meets the line at distance k to the right of u->v;
// the two centres must differ in y. Every product of two coordinates is exact in the 64-bit mantissa.
Real bisectorCentreX(int xu, int yu, int xv, int yv, Real s, Real mx, Real my) {
    const Real xU = xu, yU = yu, xV = xv, yV = yv;
    const Real w = static_cast<Real>(static_cast<std::int64_t>(xu) - xv) /
                   static_cast<Real>(static_cast<std::int64_t>(yv) - yu);
    const Real numerator =
        s * Sqrt3 * 0.5L - xU * yV + xV * yU + w * xV * mx - xV * my - w * xU * mx + xU * my;
    const Real denominator = yU + w * xV - yV - w * xU;
    return numerator / denominator;
}

int circleDistance(int a, int b) {
    const int t = std::abs(a - b);
    return t <= FullTurn / 2 ? t : FullTurn - t;
}

} // namespace

ArcGeometry computeArcGeometry(int xu, int yu, int xv, int yv) {
    const Real s = squaredDistance(xu, yu, xv, yv);
    const Real d = std::sqrt(s);
    const Real k = std::sqrt(d * d - d * d * 0.25L);
    const Real mx = (static_cast<Real>(xu) + xv) * 0.5L;
    const Real my = (static_cast<Real>(yu) + yv) * 0.5L;
    const Real cx = yu == yv ? mx : bisectorCentreX(xu, yu, xv, yv, s, mx, my);
    const Real q = std::sqrt(std::fabs(k * k - (cx - mx) * (cx - mx)));
    const Real cy = xu < xv ? my + q : my - q;

    ArcGeometry g{};
    g.centreX = truncToInt32(cx);
    g.centreY = truncToInt32(cy);
    const double radius = static_cast<double>(d);
    const int au = nearestAngle(g.centreX, g.centreY, radius, xu, yu);
    const int av = nearestAngle(g.centreX, g.centreY, radius, xv, yv);
    const int head = headAngle(radius);
    const int body = sweepToward(au, av, radius);
    g.radius = truncToInt32(d);
    g.bodyStart = au;
    g.bodySweep = body;
    g.headStart = au + body;
    g.headSweep = body > 0 ? head : -head;
    return g;
}

int nearestAngle(int cx, int cy, double r, int px, int py) {
    // Radius 0 puts every candidate exactly on the centre: all tie, and the lowest angle wins.
    if (r == 0) {
        return 0;
    }
    int angle = searchNearby(cx, cy, r, px, py, NarrowWindow);
    if (angle < 0) {
        angle = searchNearby(cx, cy, r, px, py, WideWindow);
    }
    return angle >= 0 ? angle : searchAll(cx, cy, r, px, py);
}

// An infinite quotient (r = 0) is simply not below 30. A negative radius, which computeArcGeometry
// never passes, gives 0 so that the result stays in 0..30; NaN gives 30.
int headAngle(double r) {
    const Real q = 10800 / (Pi * r);
    if (q < MaxHeadDegrees) {
        return q > 0 ? truncToInt32(q) : 0;
    }
    return MaxHeadDegrees;
}

// Angles outside 0..359 are taken modulo a full turn, which also keeps a + 60 from overflowing.
int sweepToward(int a, int b, double r) {
    const int head = headAngle(r);
    const int from = wrapDegrees(a);
    const int to = wrapDegrees(b);
    const int plus = wrapDegrees(from + ArcDegrees);
    const int minus = wrapDegrees(from - ArcDegrees);
    if (circleDistance(minus, to) > circleDistance(plus, to)) {
        return ArcDegrees - head;
    }
    return head - ArcDegrees;
}
