#include "graph_test_support.h"

namespace {

using GraphStoreTest = StoreTest;

TEST_F(GraphStoreTest, HitTestReachesExactlyPickRadius) {
    ASSERT_EQ(addVertex(100, 100), EditResult::Done);
    struct Case {
        int x, y;
        VertexId expected;
    };
    const Case cases[] = {
        {100, 100, 1}, {124, 100, 1}, {100, 76, 1}, {76, 100, 1}, {100, 124, 1}, {124, 101, 0}, // d2 = 577
        {117, 117, 0},                                                                          // d2 = 578
        {125, 100, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(hitTest(c.x, c.y), c.expected) << c.x << "," << c.y;
    }
}

TEST_F(GraphStoreTest, HitTestPrefersLowerIdOverNearerVertex) {
    ASSERT_EQ(addVertex(100, 100), EditResult::Done);
    ASSERT_EQ(addVertex(120, 100), EditResult::Done);
    EXPECT_EQ(hitTest(119, 100), 1);
}

TEST_F(GraphStoreTest, HitTestSkipsRemovedVerticesAndEmptyStore) {
    EXPECT_EQ(hitTest(0, 0), 0);
    ASSERT_EQ(addVertex(100, 100), EditResult::Done);
    ASSERT_EQ(addVertex(110, 100), EditResult::Done);
    ASSERT_EQ(removeVertex(1), EditResult::Done);
    EXPECT_EQ(hitTest(100, 100), 2);
    EXPECT_EQ(hitTest(80, 100), 0);
}

// Positions from a file may be far apart; a distance squared of 2^32 wraps to 0 in 32 bits.
TEST_F(GraphStoreTest, HitTestDoesNotWrapOnFarPositions) {
    ASSERT_EQ(addVertex(65536, 0), EditResult::Done);
    ASSERT_EQ(addVertex(2147483647, -2147483647 - 1), EditResult::Done);
    EXPECT_EQ(hitTest(0, 0), 0);
    EXPECT_EQ(hitTest(-2147483647 - 1, 2147483647), 0);
    EXPECT_EQ(hitTest(2147483647, -2147483647 - 1), 2);
}

TEST_F(GraphStoreTest, AddVertexSkipsRemovedIds) {
    addVertices(5);
    ASSERT_EQ(removeVertex(3), EditResult::Done);
    VertexId id = 0;
    ASSERT_EQ(addVertex(700, 500, &id), EditResult::Done);
    EXPECT_EQ(id, 6);
    EXPECT_EQ(graphStore.posX[6], 700);
    EXPECT_EQ(graphStore.posY[6], 500);
    EXPECT_EQ(graphStore.isRemoved[3], 1);
    EXPECT_EQ(graphStore.isRemoved[6], 0);
    EXPECT_TRUE(invariantsHold());
}

TEST_F(GraphStoreTest, AddVertexRefusesWhenEveryIdIsGivenOut) {
    for (int i = 1; i <= MaxVertexSlots - 1; ++i) {
        ASSERT_EQ(addVertex(i, i), EditResult::Done);
    }
    const GraphStore before = graphStore;
    VertexId id = 0;
    EXPECT_EQ(addVertex(5, 5, &id), EditResult::StoreFull);
    EXPECT_EQ(id, 0);
    EXPECT_TRUE(sameStore(graphStore, before));
}

TEST_F(GraphStoreTest, RemoveVertexRefusesTheLastLiveVertex) {
    addVertices(3);
    ASSERT_EQ(removeVertex(1), EditResult::Done);
    ASSERT_EQ(removeVertex(3), EditResult::Done);
    const GraphStore before = graphStore;
    EXPECT_EQ(removeVertex(2), EditResult::LastVertex);
    EXPECT_TRUE(sameStore(graphStore, before));
}

TEST_F(GraphStoreTest, RemoveVertexDropsBothDirections) {
    addVertices(3);
    ASSERT_EQ(addArc(1, 2), EditResult::Done);
    ASSERT_EQ(addArc(2, 1), EditResult::Done);
    ASSERT_EQ(addArc(3, 1), EditResult::Done);
    ASSERT_EQ(removeVertex(2), EditResult::Done);
    EXPECT_EQ(graphStore.arcCount, 1);
    EXPECT_EQ(graphStore.degree[1], 1);
    EXPECT_EQ(graphStore.adj[3][1], 1);
    EXPECT_EQ(graphStore.removedCount, 1);
    EXPECT_EQ(graphStore.vertexCount, 3);
    EXPECT_TRUE(invariantsHold());
}

TEST_F(GraphStoreTest, RemoveVertexDropsLoopOnce) {
    addVertices(2);
    ASSERT_EQ(addArc(1, 1), EditResult::Done);
    ASSERT_EQ(addArc(1, 2), EditResult::Done);
    ASSERT_EQ(removeVertex(1), EditResult::Done);
    EXPECT_EQ(graphStore.arcCount, 0);
    const VertexDegrees d = vertexDegrees(1);
    EXPECT_EQ(d.total, 0);
    EXPECT_EQ(d.out, 0);
    EXPECT_EQ(d.in, 0);
    EXPECT_EQ(graphStore.inDegree[2], 0);
    EXPECT_TRUE(invariantsHold());
}

TEST_F(GraphStoreTest, LoopCountsTwiceInTotalDegree) {
    addVertices(1);
    ASSERT_EQ(addArc(1, 1), EditResult::Done);
    const GraphStore before = graphStore;
    EXPECT_EQ(addArc(1, 1), EditResult::ArcExists);
    EXPECT_TRUE(sameStore(graphStore, before));
    const VertexDegrees d = vertexDegrees(1);
    EXPECT_EQ(d.total, 2);
    EXPECT_EQ(d.out, 1);
    EXPECT_EQ(d.in, 1);
    EXPECT_EQ(graphStore.arcCount, 1);
}

TEST_F(GraphStoreTest, OppositeArcsAreIndependent) {
    addVertices(2);
    ASSERT_EQ(addArc(2, 1), EditResult::Done);
    ASSERT_EQ(addArc(1, 2), EditResult::Done);
    ASSERT_EQ(removeArc(2, 1), EditResult::Done);
    EXPECT_EQ(graphStore.adj[1][2], 1);
    EXPECT_EQ(graphStore.adj[2][1], 0);
    EXPECT_EQ(graphStore.arcCount, 1);
    EXPECT_TRUE(invariantsHold());
}

TEST_F(GraphStoreTest, RemoveArcRefusesReverseOnlyArc) {
    addVertices(2);
    ASSERT_EQ(addArc(2, 1), EditResult::Done);
    const GraphStore before = graphStore;
    EXPECT_EQ(removeArc(1, 2), EditResult::NoSuchArc);
    EXPECT_TRUE(sameStore(graphStore, before));
}

TEST_F(GraphStoreTest, MoveVertexChangesOnlyPosition) {
    addVertices(2);
    ASSERT_EQ(addArc(1, 2), EditResult::Done);
    GraphStore expected = graphStore;
    expected.posX[2] = 640;
    expected.posY[2] = 480;
    moveVertex(2, 640, 480);
    EXPECT_TRUE(sameStore(graphStore, expected));
}

TEST_F(GraphStoreTest, EditSequenceKeepsInvariants) {
    addVertices(6);
    const int arcs[][2] = {{1, 2}, {2, 3}, {3, 1}, {3, 3}, {4, 5}, {5, 4}, {6, 1}, {1, 6}};
    for (const auto& a : arcs) {
        ASSERT_EQ(addArc(a[0], a[1]), EditResult::Done);
        ASSERT_TRUE(invariantsHold());
    }
    ASSERT_EQ(removeVertex(3), EditResult::Done);
    ASSERT_TRUE(invariantsHold());
    ASSERT_EQ(removeArc(5, 4), EditResult::Done);
    ASSERT_EQ(removeVertex(1), EditResult::Done);
    ASSERT_TRUE(invariantsHold());
    EXPECT_EQ(graphStore.arcCount, 1);
    EXPECT_EQ(graphStore.removedCount, 2);
}

} // namespace
