#include <csignal>
#include <string>

#include <sys/resource.h>

#include "graph/graph_files.h"
#include "graph_test_support.h"

namespace {

using GraphSaveTest = FileTest;

// Vertices 1..3 with vertex 2 removed, the arc 3->1, vertex 1 at (100, 200), vertex 3 at (300, 400).
void buildFiveLineExample() {
    ASSERT_EQ(addVertex(100, 200), EditResult::Done);
    ASSERT_EQ(addVertex(200, 300), EditResult::Done);
    ASSERT_EQ(addVertex(300, 400), EditResult::Done);
    ASSERT_EQ(addArc(3, 1), EditResult::Done);
    ASSERT_EQ(addArc(2, 3), EditResult::Done);
    ASSERT_EQ(removeVertex(2), EditResult::Done);
}

constexpr const char* FiveLineText = "3\n1\n3 1\n1 100 200\n3 300 400\n";

bool onlyEntry(const std::filesystem::path& dir, const std::string& name) {
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (entry.path().filename() != name) {
            return false;
        }
        ++entries;
    }
    return entries == 1;
}

TEST_F(GraphSaveTest, WritesTheFiveLineExampleExactly) {
    buildFiveLineExample();
    const GraphStore before = graphStore;
    ASSERT_EQ(saveGraphFile("g.txt"), FileResult::Ok);
    EXPECT_EQ(readText("g.txt"), FiveLineText);
    EXPECT_TRUE(sameStore(graphStore, before));
    EXPECT_TRUE(onlyEntry(dir, "g.txt"));
}

TEST_F(GraphSaveTest, EmptyGraphIsTwoZeroLines) {
    ASSERT_EQ(saveGraphFile("g.txt"), FileResult::Ok);
    EXPECT_EQ(readText("g.txt"), "0\n0\n");
}

TEST_F(GraphSaveTest, ArcLinesComeInRowMajorOrder) {
    addVertices(3);
    ASSERT_EQ(addArc(3, 1), EditResult::Done);
    ASSERT_EQ(addArc(1, 3), EditResult::Done);
    ASSERT_EQ(addArc(1, 2), EditResult::Done);
    ASSERT_EQ(saveGraphFile("g.txt"), FileResult::Ok);
    EXPECT_EQ(readText("g.txt"), "3\n3\n1 2\n1 3\n3 1\n1 100 100\n2 200 100\n3 300 100\n");
}

TEST_F(GraphSaveTest, ReplacesALongerOldFileCompletely) {
    writeText("g.txt", std::string(5000, '7'));
    buildFiveLineExample();
    ASSERT_EQ(saveGraphFile("g.txt"), FileResult::Ok);
    EXPECT_EQ(readText("g.txt"), FiveLineText);
}

TEST_F(GraphSaveTest, RoundTripRestoresGraphWithRemovedVertices) {
    addVertices(6);
    const int arcs[][2] = {{1, 2}, {2, 1}, {2, 2}, {3, 6}, {6, 5}, {5, 1}, {4, 1}};
    for (const auto& a : arcs) {
        ASSERT_EQ(addArc(a[0], a[1]), EditResult::Done);
    }
    moveVertex(5, -40, 7000);
    ASSERT_EQ(removeVertex(4), EditResult::Done);
    ASSERT_EQ(removeVertex(3), EditResult::Done);
    const GraphStore saved = graphStore;
    ASSERT_EQ(saveGraphFile("g.txt"), FileResult::Ok);

    graphStore = GraphStore{};
    ASSERT_EQ(readGraphFile("g.txt"), FileResult::Ok);
    const GraphStore& g = graphStore;
    EXPECT_EQ(g.vertexCount, saved.vertexCount);
    EXPECT_EQ(g.arcCount, saved.arcCount);
    EXPECT_EQ(g.removedCount, saved.removedCount);
    for (int u = 0; u < MaxVertexSlots; ++u) {
        EXPECT_EQ(g.isRemoved[u], saved.isRemoved[u]) << u;
        EXPECT_EQ(g.degree[u], saved.degree[u]) << u;
        EXPECT_EQ(g.outDegree[u], saved.outDegree[u]) << u;
        EXPECT_EQ(g.inDegree[u], saved.inDegree[u]) << u;
        for (int v = 0; v < MaxVertexSlots; ++v) {
            ASSERT_EQ(g.adj[u][v], saved.adj[u][v]) << u << "->" << v;
        }
        if (u >= 1 && u <= saved.vertexCount && !saved.isRemoved[u]) {
            EXPECT_EQ(g.posX[u], saved.posX[u]) << u;
            EXPECT_EQ(g.posY[u], saved.posY[u]) << u;
        }
    }
    EXPECT_TRUE(invariantsHold());
    VertexId id = 0;
    ASSERT_EQ(addVertex(400, 400, &id), EditResult::Done);
    EXPECT_EQ(id, 7);
}

TEST_F(GraphSaveTest, MissingFolderFailsWithoutWritingAnything) {
    buildFiveLineExample();
    EXPECT_EQ(saveGraphFile("no-such-folder/g.txt"), FileResult::CannotOpen);
    EXPECT_TRUE(std::filesystem::is_empty(dir));
    EXPECT_EQ(saveGraphFile(""), FileResult::CannotOpen);
    EXPECT_TRUE(std::filesystem::is_empty(dir));
}

TEST_F(GraphSaveTest, DirectoryTargetFailsAndLeavesItAlone) {
    buildFiveLineExample();
    std::filesystem::create_directory("target");
    writeText("target/inside.txt", "keep me");
    EXPECT_EQ(saveGraphFile("target"), FileResult::CannotWrite);
    EXPECT_TRUE(std::filesystem::is_directory("target"));
    EXPECT_EQ(readText("target/inside.txt"), "keep me");
    EXPECT_TRUE(onlyEntry(dir, "target"));
}

// A file-size limit makes the writes fail part-way, like a full disk: the old file must survive.
TEST_F(GraphSaveTest, FailedWriteKeepsTheOldFileByteForByte) {
    const std::string old = "2\n0\n1 10 10\n2 20 20\n";
    writeText("g.txt", old);
    for (int i = 1; i <= 40; ++i) {
        ASSERT_EQ(addVertex(10 * i, 10 * i), EditResult::Done);
    }
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 64;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileResult result = saveGraphFile("g.txt");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(result, FileResult::CannotWrite);
    EXPECT_EQ(readText("g.txt"), old);
    EXPECT_TRUE(onlyEntry(dir, "g.txt"));
}

} // namespace
