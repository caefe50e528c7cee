#include "analysis/tournament.h"

#include "graph/graph_store.h"
#include "test_graph.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Case {
    const char* name;
    int n;
    std::vector<ArcPair> arcs;
    std::vector<int> removed;
    bool tournament;
};

const std::vector<Case> cases = {
    {"no vertex", 0, {}, {}, true},
    {"one vertex", 1, {}, {}, true},
    {"two vertices without an arc", 2, {}, {}, false},
    {"directed triangle", 3, {{1, 2}, {2, 3}, {3, 1}}, {}, true},
    {"both arcs between 1 and 2", 3, {{1, 2}, {2, 3}, {3, 1}, {2, 1}}, {}, false},
    {"no arc between 1 and 3", 3, {{1, 2}, {2, 3}}, {}, false},
    {"a loop is never looked at", 2, {{1, 1}, {1, 2}}, {}, true},
    {"removed vertices are ignored", 3, {{1, 2}}, {3}, true},
    {"removed vertex in the middle", 3, {{3, 1}}, {2}, true},
};

TEST(Tournament, AnswersMatchTheExamples) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        loadGraph(c.n, c.arcs, c.removed);
        EXPECT_EQ(isTournament(), c.tournament);
    }
}

TEST(Tournament, TransitiveTournamentOnNinetyNine) {
    std::vector<ArcPair> arcs;
    for (int i = 1; i <= 99; ++i) {
        for (int j = i + 1; j <= 99; ++j) {
            arcs.push_back({j, i});
        }
    }
    loadGraph(99, arcs);
    EXPECT_TRUE(isTournament());
    graphStore.adj[99][98] = 0;
    EXPECT_FALSE(isTournament());
}

} // namespace
