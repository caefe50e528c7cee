#include <string>

#include "graph/graph_files.h"
#include "graph_test_support.h"

namespace {

using GraphReadTest = FileTest;

// A store with everything a read must either replace or leave alone: arcs, a removed vertex,
// display codes, both picks and positions above the new graphs' ids.
void buildBusyStore() {
    addVertices(6);
    ASSERT_EQ(addArc(1, 2), EditResult::Done);
    ASSERT_EQ(addArc(6, 6), EditResult::Done);
    ASSERT_EQ(addArc(5, 4), EditResult::Done);
    ASSERT_EQ(removeVertex(4), EditResult::Done);
    graphStore.selectedVertex = 2;
    graphStore.secondVertex = 5;
    graphStore.displayState[1] = DisplayState::Blue;
    graphStore.displayState[3] = DisplayState::Green;
    graphStore.displayState[0] = DisplayState::Red;
}

struct Outcome {
    FileResult result;
    int vertexCount, arcCount, removedCount;
};

struct Case {
    const char* name;
    const char* text;
    Outcome expected;
};

constexpr Outcome Refused{FileResult::InvalidGraph, 0, 0, 0};

const Case malformedCases[] = {
    {"empty file", "", Refused},
    {"only blanks", " \n\r\n\t", Refused},
    {"n without m", "3\n", Refused},
    {"n = 100", "100\n0\n", Refused},
    {"n = -1", "-1\n0\n", Refused},
    {"n beyond int", "99999999999\n0\n", Refused},
    {"m = -1", "3\n-1\n", Refused},
    {"arc end 0", "3\n1\n0 1\n", Refused},
    {"arc end n + 1", "3\n1\n1 4\n", Refused},
    {"fewer pairs than m", "3\n2\n1 2\n", Refused},
    {"half a pair", "3\n1\n1\n", Refused},
    {"letter for m", "3\nx\n", Refused},
    {"letter in a pair", "3\n1\n1 x\n", Refused},
    {"decimal point", "3.0\n0\n", Refused},
    {"vertex line k = 0", "3\n1\n1 2\n0 10 10\n", Refused},
    {"vertex line k = n + 1", "3\n1\n1 2\n4 10 10\n", Refused},
    {"vertex line k and x only", "3\n1\n1 2\n1 10\n", Refused},
    {"vertex line x is a word", "3\n1\n1 2\n1 ten 10\n", Refused},
    {"vertex line x beyond int", "3\n1\n1 2\n1 99999999999 10\n", Refused},
    {"n = 0 with an arc", "0\n1\n1 1\n", Refused},
    {"empty graph", "0\n0\n", {FileResult::Ok, 0, 0, 0}},
    {"99 vertices, none placed", "99\n0\n", {FileResult::Ok, 99, 0, 99}},
    {"start-up form", "3\n2\n1 2\n3 3\n", {FileResult::Ok, 3, 2, 3}},
    {"repeated arc counted once", "3\n3\n1 2\n1 2\n2 1\n1 1 1\n2 2 2\n3 3 3\n", {FileResult::Ok, 3, 2, 0}},
    {"CR LF line ends", "3\r\n1\r\n3 1\r\n1 100 200\r\n3 300 400\r\n", {FileResult::Ok, 3, 1, 1}},
    {"numbers on one line", "3 1 3 1 1 100 200 3 300 400", {FileResult::Ok, 3, 1, 1}},
    {"signed numbers", "+2 +1 +1 +2 +1 -5 +7 2 0 0", {FileResult::Ok, 2, 1, 0}},
    {"trailing text", "3\n1\n3 1\n1 100 200\nend of graph 2 5 5\n", {FileResult::Ok, 3, 1, 2}},
    {"trailing text after arcs", "2\n1\n1 2\n#\n", {FileResult::Ok, 2, 1, 2}},
    {"vertex line repeated", "2\n0\n1 5 5\n1 6 6\n", {FileResult::Ok, 2, 0, 1}},
};

TEST_F(GraphReadTest, MalformedFilesAreRefusedOrReadSafely) {
    for (const Case& c : malformedCases) {
        graphStore = GraphStore{};
        buildBusyStore();
        const GraphStore before = graphStore;
        writeText("g.txt", c.text);
        const FileResult result = readGraphFile("g.txt");
        ASSERT_EQ(result, c.expected.result) << c.name;
        if (result != FileResult::Ok) {
            EXPECT_TRUE(sameStore(graphStore, before)) << c.name;
            continue;
        }
        EXPECT_EQ(graphStore.vertexCount, c.expected.vertexCount) << c.name;
        EXPECT_EQ(graphStore.arcCount, c.expected.arcCount) << c.name;
        EXPECT_EQ(graphStore.removedCount, c.expected.removedCount) << c.name;
        EXPECT_EQ(graphStore.selectedVertex, 0) << c.name;
        EXPECT_EQ(graphStore.secondVertex, before.secondVertex) << c.name;
        EXPECT_TRUE(invariantsHold(RemovedVertexArcs::AllowedFromFile)) << c.name;
    }
}

TEST_F(GraphReadTest, ReadsPositionsAndRemovedFlags) {
    writeText("g.txt", "3\n1\n3 1\n1 100 200\n3 300 400\n");
    ASSERT_EQ(readGraphFile("g.txt"), FileResult::Ok);
    EXPECT_EQ(graphStore.isRemoved[1], 0);
    EXPECT_EQ(graphStore.isRemoved[2], 1);
    EXPECT_EQ(graphStore.isRemoved[3], 0);
    EXPECT_EQ(graphStore.posX[1], 100);
    EXPECT_EQ(graphStore.posY[1], 200);
    EXPECT_EQ(graphStore.posX[3], 300);
    EXPECT_EQ(graphStore.posY[3], 400);
    EXPECT_EQ(graphStore.adj[3][1], 1);
    EXPECT_TRUE(invariantsHold());
}

TEST_F(GraphReadTest, StartupFormLeavesEveryVertexRemovedWithItsArcs) {
    writeText("g.txt", "3 2 1 2 2 3");
    ASSERT_EQ(readGraphFile("g.txt"), FileResult::Ok);
    EXPECT_EQ(graphStore.removedCount, 3);
    EXPECT_EQ(graphStore.degree[2], 2);
    EXPECT_EQ(hitTest(graphStore.posX[1], graphStore.posY[1]), 0);
    EXPECT_TRUE(invariantsHold(RemovedVertexArcs::AllowedFromFile));
}

TEST_F(GraphReadTest, LeavesDisplayCodesSecondPickAndUnlistedPositions) {
    buildBusyStore();
    const GraphStore before = graphStore;
    writeText("g.txt", "3\n0\n1 700 600\n");
    ASSERT_EQ(readGraphFile("g.txt"), FileResult::Ok);
    for (int v = 0; v < MaxVertexSlots; ++v) {
        EXPECT_EQ(graphStore.displayState[v], before.displayState[v]) << v;
    }
    EXPECT_EQ(graphStore.secondVertex, 5);
    EXPECT_EQ(graphStore.selectedVertex, 0);
    EXPECT_EQ(graphStore.posX[1], 700);
    for (int v = 2; v < MaxVertexSlots; ++v) {
        EXPECT_EQ(graphStore.posX[v], before.posX[v]) << v;
        EXPECT_EQ(graphStore.posY[v], before.posY[v]) << v;
    }
}

TEST_F(GraphReadTest, SmallerGraphLeavesCleanSlotsAbove) {
    buildBusyStore();
    writeText("g.txt", "2\n1\n2 1\n1 50 50\n2 150 50\n");
    ASSERT_EQ(readGraphFile("g.txt"), FileResult::Ok);
    VertexId id = 0;
    ASSERT_EQ(addVertex(300, 300, &id), EditResult::Done);
    EXPECT_EQ(id, 3);
    EXPECT_EQ(graphStore.isRemoved[3], 0);
    EXPECT_EQ(graphStore.degree[3], 0);
    EXPECT_EQ(graphStore.arcCount, 1);
    EXPECT_TRUE(invariantsHold());
}

TEST_F(GraphReadTest, RemovedCountDecidesTheLastVertexRefusal) {
    writeText("g.txt", "4\n0\n2 50 50\n4 150 50\n");
    ASSERT_EQ(readGraphFile("g.txt"), FileResult::Ok);
    EXPECT_EQ(graphStore.removedCount, 2);
    EXPECT_EQ(removeVertex(2), EditResult::Done);
    EXPECT_EQ(removeVertex(4), EditResult::LastVertex);
}

TEST_F(GraphReadTest, UnopenableFileLeavesStoreAlone) {
    buildBusyStore();
    const GraphStore before = graphStore;
    std::filesystem::create_directory("folder");
    for (const char* name : {"missing.txt", "no/such/dir/g.txt", "folder", ""}) {
        EXPECT_EQ(readGraphFile(name), FileResult::CannotOpen) << name;
        EXPECT_TRUE(sameStore(graphStore, before)) << name;
    }
}

} // namespace
