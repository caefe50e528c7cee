// computeArcGeometry as the painting calls it: every arc of the densest graph (99 vertices on the
// start-up circle, all 9801 ordered pairs, loops included), and random pairs of the drawing area.
// Each benchmark also runs the literal 720-candidate search on the same arcs; after the run the
// ratio of the two is printed with the time per arc.
#include "../../tests/drawing/literal_arc_geometry.h"

#include "drawing/arc_geometry.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

struct Pair {
    int xu, yu, xv, yv;
};

constexpr int ArcsPerSet = 9801;

std::vector<Pair> denseGraphArcs() {
    const int n = 99;
    const double step = 2.0 * 3.141592653589793 / n;
    std::vector<int> x(n), y(n);
    for (int i = 0; i < n; ++i) {
        x[i] = static_cast<int>(std::cos(i * step) * 270 + 300);
        y[i] = static_cast<int>(300 - std::sin(i * step) * 270);
    }
    std::vector<Pair> arcs;
    for (int u = 0; u < n; ++u) {
        for (int v = 0; v < n; ++v) {
            arcs.push_back({x[u], y[u], x[v], y[v]});
        }
    }
    return arcs;
}

std::vector<Pair> randomArcs() {
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> x(0, 770), y(0, 650);
    std::vector<Pair> arcs(ArcsPerSet);
    for (Pair& p : arcs) {
        p = {x(rng), y(rng), x(rng), y(rng)};
    }
    return arcs;
}

const std::vector<Pair>& arcSet(int which) {
    static const std::vector<Pair> dense = denseGraphArcs();
    static const std::vector<Pair> random = randomArcs();
    return which == 0 ? dense : random;
}

template <ArcGeometry (*Compute)(int, int, int, int)> void runArcs(benchmark::State& state) {
    const std::vector<Pair>& arcs = arcSet(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        for (const Pair& p : arcs) {
            ArcGeometry g = Compute(p.xu, p.yu, p.xv, p.yv);
            benchmark::DoNotOptimize(g);
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * arcs.size()));
}

void BM_FastArcGeometry(benchmark::State& state) {
    runArcs<computeArcGeometry>(state);
}
void BM_LiteralArcGeometry(benchmark::State& state) {
    runArcs<literalComputeArcGeometry>(state);
}

BENCHMARK(BM_FastArcGeometry)->ArgName("set")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LiteralArcGeometry)->ArgName("set")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Keeps each run's CPU time per arc so that main can print the fast-to-literal ratio. CPU time,
// because on a busy machine the wall clock also counts the time other processes ran.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred && run.iterations > 0) {
                const double seconds = run.cpu_accumulated_time / static_cast<double>(run.iterations);
                nsPerArc[run.benchmark_name()] = seconds * 1e9 / static_cast<double>(ArcsPerSet);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> nsPerArc;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const char* sets[] = {"dense graph, 99 vertices", "random drawing-area pairs"};
    for (int set = 0; set < 2; ++set) {
        const std::string suffix = "/set:" + std::to_string(set);
        const auto fast = reporter.nsPerArc.find("BM_FastArcGeometry" + suffix);
        const auto literal = reporter.nsPerArc.find("BM_LiteralArcGeometry" + suffix);
        if (fast != reporter.nsPerArc.end() && literal != reporter.nsPerArc.end()) {
            std::printf("%s: fast %.1f ns per arc, literal %.1f ns per arc (CPU), literal / fast = %.1f\n",
                        sets[set], fast->second, literal->second, literal->second / fast->second);
        }
    }
    benchmark::Shutdown();
    return 0;
}
