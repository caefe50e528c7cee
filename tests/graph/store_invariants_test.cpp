#include <string>

#include "graph_test_support.h"

namespace {

using StoreInvariantsTest = StoreTest;

// A small graph with a removed vertex, a loop and opposite arcs, built through the primitives.
void buildSample() {
    addVertices(4);
    ASSERT_EQ(addArc(1, 2), EditResult::Done);
    ASSERT_EQ(addArc(2, 1), EditResult::Done);
    ASSERT_EQ(addArc(2, 2), EditResult::Done);
    ASSERT_EQ(addArc(4, 1), EditResult::Done);
    ASSERT_EQ(removeVertex(3), EditResult::Done);
}

TEST_F(StoreInvariantsTest, HoldOnEmptyAndEditedStores) {
    EXPECT_TRUE(invariantsHold());
    buildSample();
    EXPECT_TRUE(invariantsHold());
}

TEST_F(StoreInvariantsTest, ReportFirstBrokenInvariant) {
    struct Case {
        const char* name;
        void (*corrupt)(GraphStore&);
        const char* expectedStart;
    };
    const Case cases[] = {
        {"out degree off", [](GraphStore& g) { g.outDegree[1] += 1; }, "invariant 1"},
        {"degree not the sum", [](GraphStore& g) { g.degree[2] = 7; }, "invariant 1"},
        {"arc without degrees", [](GraphStore& g) { g.adj[4][2] = 1; }, "invariant 1"},
        {"arcCount off", [](GraphStore& g) { g.arcCount -= 1; }, "invariant 2"},
        {"removed vertex keeps an arc",
         [](GraphStore& g) {
             g.adj[3][1] = 1;
             g.outDegree[3] = 1;
             g.degree[3] = 1;
             g.inDegree[1] += 1;
             g.degree[1] += 1;
             g.arcCount += 1;
         },
         "invariant 3"},
        {"removedCount off", [](GraphStore& g) { g.removedCount = 0; }, "invariant 4"},
        {"removed id above vertexCount", [](GraphStore& g) { g.isRemoved[9] = 1; }, "invariant 4"},
        {"arc above vertexCount",
         [](GraphStore& g) {
             g.adj[9][9] = 1;
             g.outDegree[9] = 1;
             g.inDegree[9] = 1;
             g.degree[9] = 2;
             g.arcCount += 1;
         },
         "invariant 4"},
        {"slot 0 used", [](GraphStore& g) { g.isRemoved[0] = 1; }, "invariant 4"},
        {"adj entry not a flag", [](GraphStore& g) { g.adj[1][4] = 2; }, "adj[1][4] is 2"},
        {"vertexCount out of range", [](GraphStore& g) { g.vertexCount = 100; }, "vertexCount 100"},
    };
    buildSample();
    const GraphStore sample = graphStore;
    for (const Case& c : cases) {
        graphStore = sample;
        c.corrupt(graphStore);
        const InvariantReport report = checkStoreInvariants();
        EXPECT_FALSE(report.holds) << c.name;
        EXPECT_EQ(std::string(report.firstBroken).rfind(c.expectedStart, 0), 0u)
            << c.name << ": " << report.firstBroken;
    }
}

TEST_F(StoreInvariantsTest, FileRuleAcceptsArcsOfRemovedVertices) {
    addVertices(2);
    ASSERT_EQ(addArc(1, 2), EditResult::Done);
    graphStore.isRemoved[1] = 1;
    graphStore.isRemoved[2] = 1;
    graphStore.removedCount = 2;
    EXPECT_FALSE(checkStoreInvariants().holds);
    EXPECT_TRUE(invariantsHold(RemovedVertexArcs::AllowedFromFile));
}

} // namespace
