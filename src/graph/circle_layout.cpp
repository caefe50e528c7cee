#include <cmath>

#include "graph/graph_files.h"
#include "graph/graph_store.h"

namespace {
constexpr double Pi = 3.141592653589793;
}

// The evaluation is pinned (extended precision for the step, the products and the sums, double cos
// and sin, truncation toward zero) so that every build draws the same start-up picture to the
// pixel: for n = 4 vertex 3 sits at (30, 299), a hair below the exact 300.
void placeOnCircle(int n) {
    if (n <= 0 || n >= MaxVertexSlots) {
        return;
    }
    const double step = static_cast<double>(static_cast<long double>(360.0f) / n *
                                            static_cast<long double>(Pi) / static_cast<long double>(180.0f));
    for (int i = 0; i < n; ++i) {
        const double angle = static_cast<double>(static_cast<long double>(i) * step);
        const long double x = static_cast<long double>(std::cos(angle)) * LayoutRadius + LayoutCentreX;
        const long double y = LayoutCentreY - static_cast<long double>(std::sin(angle)) * LayoutRadius;
        graphStore.posX[i + 1] = static_cast<std::int32_t>(x);
        graphStore.posY[i + 1] = static_cast<std::int32_t>(y);
    }
}
