// Step by step as the arc is defined, in long double like the product, with 32-bit S: coordinates
// stay inside the drawing area here.
#include "literal_arc_geometry.h"

#include <cmath>
#include <cstdlib>

namespace {

using Real = long double;
constexpr Real Pi = 3.141592653589793;
constexpr Real Sqrt3 = 1.7320508075688772;

} // namespace

ArcGeometry literalComputeArcGeometry(int xu, int yu, int xv, int yv) {
    const int s = (xu - xv) * (xu - xv) + (yu - yv) * (yu - yv);
    const Real d = std::sqrt(static_cast<Real>(s));
    const Real k = std::sqrt(d * d - d * d * 0.25L);
    const Real mx = (xu + xv) * 0.5L;
    const Real my = (yu + yv) * 0.5L;
    Real cx = mx;
    if (yu != yv) {
        const Real w = static_cast<Real>(xu - xv) / (yv - yu);
        cx = (s * Sqrt3 * 0.5L - xu * yv + xv * yu + w * xv * mx - xv * my - w * xu * mx + xu * my) /
             (yu + w * xv - yv - w * xu);
    }
    const Real q = std::sqrt(std::fabs(k * k - (cx - mx) * (cx - mx)));
    const Real cy = xu < xv ? my + q : my - q;

    ArcGeometry g{};
    g.centreX = static_cast<int>(cx);
    g.centreY = static_cast<int>(cy);
    const int au = literalNearestAngle(g.centreX, g.centreY, static_cast<double>(d), xu, yu);
    const int av = literalNearestAngle(g.centreX, g.centreY, static_cast<double>(d), xv, yv);
    const int h = literalHeadAngle(static_cast<double>(d));
    const int b = literalSweepToward(au, av, static_cast<double>(d));
    g.radius = static_cast<int>(d);
    g.bodyStart = au;
    g.bodySweep = b;
    g.headStart = au + b;
    g.headSweep = b > 0 ? h : -h;
    return g;
}

int literalNearestAngle(int cx, int cy, double r, int px, int py) {
    int best = 10000;
    int result = -1;
    for (int i = 0; i < 360; ++i) {
        Real c = 1.0L;
        Real sn = 0.0L;
        if (i != 0) {
            const Real theta = 2 * i * Pi / 360;
            c = std::cos(theta);
            sn = std::sin(theta);
        }
        const int x = static_cast<int>(cx + r * c);
        const int y = static_cast<int>(cy - r * sn);
        const int ex = std::abs(x - px);
        const int ey = std::abs(y - py);
        const int error = ex > ey ? ex : ey;
        if (error < best) {
            best = error;
            result = i;
        }
    }
    return result;
}

int literalHeadAngle(double r) {
    const Real q = 10800 / (Pi * r);
    return q < 30 ? static_cast<int>(q) : 30;
}

int literalSweepToward(int a, int b, double r) {
    const int h = literalHeadAngle(r);
    const int p = (a + 60) % 360;
    const int m = (a - 60 + 360) % 360;
    const int tp = std::abs(p - b);
    const int tm = std::abs(m - b);
    const int dp = tp <= 180 ? tp : 360 - tp;
    const int dm = tm <= 180 ? tm : 360 - tm;
    return dm > dp ? 60 - h : h - 60;
}
