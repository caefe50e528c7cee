// Costs of the analyses on the graphs that make them work hardest.
#include "analysis/bipartite.h"
#include "analysis/circuit.h"
#include "analysis/connectivity.h"
#include "graph/graph_store.h"
#include "graph/text_buffers.h"
#include "literal_circuit.h"
#include "test_graph.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <random>
#include <string>
#include <vector>

namespace {

void joinBothWays(std::vector<ArcPair>& arcs, int first, int last, bool loops) {
    for (int u = first; u <= last; ++u) {
        for (int v = first; v <= last; ++v) {
            if (u != v || loops) {
                arcs.push_back({u, v});
            }
        }
    }
}

// One arc from 1 into five vertices joined both ways, no arc back: the exhaustive search walks
// every route of distinct arcs inside the five before it gives up.
void loadFiveTrap() {
    std::vector<ArcPair> arcs = {{1, 2}};
    joinBothWays(arcs, 2, 6, false);
    loadGraph(6, arcs);
}

double secondsOf(void (*work)()) {
    const auto begin = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

std::string literalText;

void BM_CircuitFiveTrapExhaustive(benchmark::State& state) {
    loadFiveTrap();
    for (auto _ : state) {
        literalText = literalCircuitText(1, 1LL << 62);
        benchmark::DoNotOptimize(literalText.data());
    }
}
BENCHMARK(BM_CircuitFiveTrapExhaustive)->Unit(benchmark::kMillisecond)->Iterations(3);

// The pruned search on the same graph; "speedup" is the exhaustive search's time, measured once
// in this same run, over the pruned search's time per call.
void BM_CircuitFiveTrapPruned(benchmark::State& state) {
    loadFiveTrap();
    const double exhaustive = secondsOf([] { literalText = literalCircuitText(1, 1LL << 62); });
    const auto begin = std::chrono::steady_clock::now();
    for (auto _ : state) {
        findCircuit(1);
        benchmark::DoNotOptimize(ResultText);
    }
    const double perCall = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count() /
                           static_cast<double>(state.iterations());
    if (literalText != ResultText) {
        state.SkipWithError("texts differ");
    }
    state.counters["exhaustive_ms"] = exhaustive * 1e3;
    state.counters["speedup"] = exhaustive / perCall;
}
BENCHMARK(BM_CircuitFiveTrapPruned)->Unit(benchmark::kMicrosecond);

enum Adversary { WholeTrap, LongRoute, ChainBack, DenseOneWayBack };

// 99-vertex graphs: 1 leads into a dense block; the block has no way back (WholeTrap), or a single
// one that the route must keep open while it wears the block down (LongRoute: 98->99->1), or a
// way back along a chain whose distances shift as the route eats the arcs into it (ChainBack), or
// a random half-dense block with one arc back (DenseOneWayBack).
void loadAdversary(Adversary kind) {
    std::vector<ArcPair> arcs = {{1, 2}};
    switch (kind) {
    case WholeTrap: joinBothWays(arcs, 2, 99, true); break;
    case LongRoute:
        joinBothWays(arcs, 2, 98, true);
        arcs.push_back({98, 99});
        arcs.push_back({99, 1});
        break;
    case ChainBack:
        joinBothWays(arcs, 2, 50, true);
        for (int v = 50; v < 99; ++v) {
            arcs.push_back({v, v + 1});
        }
        arcs.push_back({99, 1});
        break;
    case DenseOneWayBack: {
        std::mt19937 random(99);
        for (int u = 2; u <= 99; ++u) {
            for (int v = 2; v <= 99; ++v) {
                if (random() % 2 == 0) {
                    arcs.push_back({u, v});
                }
            }
        }
        arcs.push_back({99, 1});
        break;
    }
    }
    loadGraph(99, arcs);
}

void BM_Circuit99(benchmark::State& state) {
    loadAdversary(static_cast<Adversary>(state.range(0)));
    for (auto _ : state) {
        findCircuit(1);
        benchmark::DoNotOptimize(ResultText);
    }
    state.counters["arcs"] = graphStore.arcCount;
    state.counters["text_chars"] = static_cast<double>(std::string(ResultText).size());
}
BENCHMARK(BM_Circuit99)
    ->ArgName("WholeTrap_LongRoute_ChainBack_DenseOneWayBack")
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMicrosecond);

// Seed 1->99, then the path 99-98-...-51 whose entries the row-major list meets from its far end:
// one arc settled per pass. With a block the path does not reach, the block's 1,200 open entries
// (complete bipartite 2..26 / 27..50, both ways) are walked again in every one of those passes.
void loadSlowPath(bool withBlock) {
    std::vector<ArcPair> arcs = {{1, 99}};
    for (int v = withBlock ? 51 : 2; v <= 98; ++v) {
        arcs.push_back({v, v + 1});
    }
    if (withBlock) {
        for (int a = 2; a <= 26; ++a) {
            for (int b = 27; b <= 50; ++b) {
                arcs.push_back({a, b});
                arcs.push_back({b, a});
            }
        }
    }
    loadGraph(99, arcs);
}

void loadCompleteBipartite() {
    std::vector<ArcPair> arcs;
    for (int a = 1; a <= 50; ++a) {
        for (int b = 51; b <= 99; ++b) {
            arcs.push_back({a, b});
            arcs.push_back({b, a});
        }
    }
    loadGraph(99, arcs);
}

void BM_Bipartite(benchmark::State& state) {
    switch (state.range(0)) {
    case 0: loadSlowPath(false); break;
    case 1: loadSlowPath(true); break;
    default: loadCompleteBipartite(); break;
    }
    bool answer = false;
    for (auto _ : state) {
        answer = checkBipartite();
        benchmark::DoNotOptimize(ResultText);
    }
    if (!answer) {
        state.SkipWithError("not bipartite");
    }
    state.counters["arcs"] = graphStore.arcCount;
}
BENCHMARK(BM_Bipartite)->ArgName("Path_PathAndBlock_K50x49")->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// The closure costs most when every row reaches far: a ring of 99 reaches everything. A chain
// reaches forward only; listing it writes 99 one-vertex components.
void loadRing(bool open) {
    std::vector<ArcPair> arcs;
    for (int v = 1; v <= 99; ++v) {
        if (!open || v < 99) {
            arcs.push_back({v, v % 99 + 1});
        }
    }
    loadGraph(99, arcs);
}

void BM_StronglyConnected(benchmark::State& state) {
    loadRing(state.range(0) == 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(isStronglyConnected());
    }
}
BENCHMARK(BM_StronglyConnected)->ArgName("Ring_Chain")->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

void BM_ListComponents(benchmark::State& state) {
    if (state.range(0) == 0) {
        loadRing(true);
    } else {
        // Two rings, 1..50 and 51..99, one arc between them: two long lines.
        std::vector<ArcPair> arcs;
        for (int v = 1; v <= 50; ++v) {
            arcs.push_back({v, v % 50 + 1});
        }
        for (int v = 51; v <= 99; ++v) {
            arcs.push_back({v, v == 99 ? 51 : v + 1});
        }
        arcs.push_back({1, 51});
        loadGraph(99, arcs);
    }
    for (auto _ : state) {
        listStrongComponents();
        benchmark::DoNotOptimize(ResultText);
    }
}
BENCHMARK(BM_ListComponents)->ArgName("Chain_TwoRings")->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
