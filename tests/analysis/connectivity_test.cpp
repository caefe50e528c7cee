#include "analysis/connectivity.h"

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
    bool strong;
    const char* listing; // nullptr: not checked (strongly connected graphs are never listed)
};

const std::vector<Case> cases = {
    {"empty graph", 0, {}, {}, true, ""},
    {"one vertex", 1, {}, {}, true, "Componenta 1: 1 \n"},
    {"one vertex with a loop", 1, {{1, 1}}, {}, true, "Componenta 1: 1 \n"},
    {"removed vertex ignored", 3, {{1, 2}, {2, 1}}, {3}, true, "Componenta 1: 1 2 \n"},
    {"single arc", 2, {{1, 2}}, {}, false, "Componenta 1: 1 \nComponenta 2: 2 \n"},
    {"loop joins nothing",
     4,
     {{1, 2}, {2, 1}, {2, 3}, {4, 4}},
     {},
     false,
     "Componenta 1: 1 2 \nComponenta 2: 3 \nComponenta 3: 4 \n"},
    {"members need not be neighbours",
     4,
     {{1, 3}, {3, 1}, {2, 4}, {4, 2}, {1, 2}},
     {},
     false,
     "Componenta 1: 1 3 \nComponenta 2: 2 4 \n"},
    {"gaps from removed ids leave no hole in the numbering",
     6,
     {{2, 4}, {4, 2}, {4, 6}},
     {1, 3, 5},
     false,
     "Componenta 1: 2 4 \nComponenta 2: 6 \n"},
    {"two cycles sharing a vertex", 3, {{1, 2}, {2, 1}, {2, 3}, {3, 1}}, {}, true, nullptr},
    {"cycle closed only by way of later ids",
     4,
     {{4, 1}, {1, 3}, {3, 2}, {2, 4}},
     {},
     true,
     "Componenta 1: 1 2 3 4 \n"},
};

TEST(StrongConnectivity, AnswersAndListingsMatchTheExamples) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        loadGraph(c.n, c.arcs, c.removed);
        EXPECT_EQ(isStronglyConnected(), c.strong);
        if (c.listing != nullptr) {
            std::strcpy(ResultText, "stale");
            listStrongComponents();
            EXPECT_EQ(std::string(ResultText), c.listing);
        }
    }
}

TEST(StrongConnectivity, ArcsThroughARemovedVertexAreNoWayThrough) {
    // A graph file can leave arcs at a removed vertex; 1 and 3 reach each other only through it.
    loadGraph(3, {{1, 3}});
    graphStore.adj[3][2] = 1;
    graphStore.adj[2][1] = 1;
    graphStore.isRemoved[2] = 1;
    graphStore.removedCount = 1;
    EXPECT_FALSE(isStronglyConnected());
    listStrongComponents();
    EXPECT_EQ(std::string(ResultText), "Componenta 1: 1 \nComponenta 2: 3 \n");
}

TEST(StrongConnectivity, ListingWithoutLiveVertexIsEmpty) {
    loadGraph(2, {}, {1, 2});
    std::strcpy(ResultText, "stale");
    listStrongComponents();
    EXPECT_EQ(std::string(ResultText), "");
}

TEST(StrongConnectivity, NinetyNineSingleComponentsAreListedWhole) {
    std::vector<ArcPair> chain;
    for (int v = 1; v < 99; ++v) {
        chain.push_back({v, v + 1});
    }
    loadGraph(99, chain);
    EXPECT_FALSE(isStronglyConnected());
    listStrongComponents();
    std::string expected;
    for (int v = 1; v <= 99; ++v) {
        expected += "Componenta " + std::to_string(v) + ": " + std::to_string(v) + " \n";
    }
    EXPECT_EQ(expected.size(), 1863U);
    EXPECT_EQ(std::string(ResultText), expected);
}

TEST(StrongConnectivity, FullCycleOfNinetyNineIsStronglyConnected) {
    std::vector<ArcPair> ring;
    for (int v = 1; v <= 99; ++v) {
        ring.push_back({v, v % 99 + 1});
    }
    loadGraph(99, ring);
    EXPECT_TRUE(isStronglyConnected());
    graphStore.adj[99][1] = 0; // the ring opens into a chain
    EXPECT_FALSE(isStronglyConnected());
}

} // namespace
