#include "analysis/bipartite.h"

#include "graph/graph_store.h"
#include "graph/text_buffers.h"
#include "test_graph.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct Case {
    const char* name;
    int n;
    std::vector<ArcPair> arcs;
    std::vector<int> removed;
    const char* text; // nullptr: not bipartite, ResultText left as it was
};

const std::vector<Case> cases = {
    {"isolated vertex listed under A", 3, {{1, 2}}, {}, "Este bipartit. Multimea A: 1 3 \nMultimea B: 2 "},
    {"tail of the seed goes to A", 2, {{2, 1}}, {}, "Este bipartit. Multimea A: 2 \nMultimea B: 1 "},
    {"second part seeded after a pass without progress",
     4,
     {{1, 2}, {4, 3}},
     {},
     "Este bipartit. Multimea A: 1 4 \nMultimea B: 2 3 "},
    {"an entry sees what the pass settled before it",
     4,
     {{2, 1}, {3, 2}, {3, 4}},
     {},
     "Este bipartit. Multimea A: 2 4 \nMultimea B: 1 3 "},
    {"opposite arcs are harmless", 2, {{1, 2}, {2, 1}}, {}, "Este bipartit. Multimea A: 1 \nMultimea B: 2 "},
    {"odd cycle", 3, {{1, 2}, {2, 3}, {3, 1}}, {}, nullptr},
    {"lone loop", 1, {{1, 1}}, {}, nullptr},
    {"loop after an arc", 2, {{1, 2}, {2, 2}}, {}, nullptr},
    {"loop seeding a later part", 4, {{1, 2}, {3, 3}}, {}, nullptr},
    {"removed vertex never listed", 3, {{1, 3}}, {2}, "Este bipartit. Multimea A: 1 \nMultimea B: 3 "},
    {"no arcs: every live vertex under A", 4, {}, {2}, "Este bipartit. Multimea A: 1 3 4 \nMultimea B: "},
    {"no vertex", 0, {}, {}, "Este bipartit. Multimea A: \nMultimea B: "},
    {"even cycle directions ignored",
     4,
     {{1, 2}, {3, 2}, {3, 4}, {1, 4}},
     {},
     "Este bipartit. Multimea A: 1 3 \nMultimea B: 2 4 "},
    {"odd cycle directions ignored", 5, {{1, 2}, {3, 2}, {3, 4}, {5, 4}, {1, 5}}, {}, nullptr},
};

TEST(Bipartite, TextsMatchTheExamples) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        loadGraph(c.n, c.arcs, c.removed);
        std::strcpy(ResultText, "untouched");
        const bool bipartite = checkBipartite();
        EXPECT_EQ(bipartite, c.text != nullptr);
        EXPECT_EQ(std::string(ResultText), c.text != nullptr ? c.text : "untouched");
    }
}

std::string listing(int first, int last) {
    std::string text;
    for (int v = first; v <= last; ++v) {
        text += std::to_string(v) + " ";
    }
    return text;
}

TEST(Bipartite, CompleteBipartiteBothWaysHoldsEveryArc) {
    // 4,900 arcs: far more than a 99-entry list would take.
    std::vector<ArcPair> arcs;
    for (int a = 1; a <= 50; ++a) {
        for (int b = 51; b <= 99; ++b) {
            arcs.push_back({a, b});
            arcs.push_back({b, a});
        }
    }
    loadGraph(99, arcs);
    ASSERT_TRUE(checkBipartite());
    EXPECT_EQ(std::string(ResultText),
              "Este bipartit. Multimea A: " + listing(1, 50) + "\nMultimea B: " + listing(51, 99));
    graphStore.adj[99][98] = 1; // an arc inside B
    EXPECT_FALSE(checkBipartite());
}

TEST(Bipartite, CompleteGraphWithLoopsIsRefused) {
    std::vector<ArcPair> arcs;
    for (int u = 1; u <= 99; ++u) {
        for (int v = 1; v <= 99; ++v) {
            arcs.push_back({u, v});
        }
    }
    loadGraph(99, arcs);
    std::strcpy(ResultText, "untouched");
    EXPECT_FALSE(checkBipartite());
    EXPECT_EQ(std::string(ResultText), "untouched");
}

TEST(Bipartite, PathMetAgainstTheListOrderSettlesOneArcPerPass) {
    // Seed 1->99, then the path 99-98-...-2 whose entries the list meets from its far end.
    std::vector<ArcPair> arcs = {{1, 99}};
    for (int v = 2; v <= 98; ++v) {
        arcs.push_back({v, v + 1});
    }
    loadGraph(99, arcs);
    ASSERT_TRUE(checkBipartite());
    std::string a;
    std::string b;
    for (int v = 1; v <= 99; ++v) {
        // 1 and the path ids at even distance from it (99 odd, 98 even, ...) alternate sides.
        const bool inA = v == 1 || (v % 2 == 0);
        (inA ? a : b) += std::to_string(v) + " ";
    }
    EXPECT_EQ(std::string(ResultText), "Este bipartit. Multimea A: " + a + "\nMultimea B: " + b);
}

} // namespace
