#include <cmath>
#include <string>
#include <vector>

#include "graph/graph_files.h"
#include "graph_test_support.h"

namespace {

using StartupLoadTest = FileTest;
using CircleLayoutTest = StoreTest;

struct Point {
    int x, y;
    bool operator==(const Point&) const = default;
};

std::vector<Point> positions(int n) {
    std::vector<Point> points;
    for (int v = 1; v <= n; ++v) {
        points.push_back({graphStore.posX[v], graphStore.posY[v]});
    }
    return points;
}

TEST_F(CircleLayoutTest, TruncatesValuesJustBelowWholeNumbers) {
    struct Case {
        int n;
        std::vector<Point> expected;
    };
    const Case cases[] = {
        {1, {{570, 300}}},
        {2, {{570, 300}, {30, 299}}},
        {3, {{570, 300}, {165, 66}, {164, 533}}},
        {4, {{570, 300}, {300, 30}, {30, 299}, {299, 570}}},
    };
    for (const Case& c : cases) {
        graphStore = GraphStore{};
        placeOnCircle(c.n);
        EXPECT_EQ(positions(c.n), c.expected) << "n = " << c.n;
    }
}

TEST_F(CircleLayoutTest, StaysOnTheCircleForEveryCount) {
    for (int n = 1; n <= MaxVertexSlots - 1; ++n) {
        placeOnCircle(n);
        for (int v = 1; v <= n; ++v) {
            const double dx = graphStore.posX[v] - LayoutCentreX;
            const double dy = graphStore.posY[v] - LayoutCentreY;
            ASSERT_NEAR(std::sqrt(dx * dx + dy * dy), LayoutRadius, 1.5) << n << " " << v;
        }
    }
}

TEST_F(CircleLayoutTest, IgnoresCountsWithoutRoom) {
    for (int n : {0, -1, MaxVertexSlots, 1000}) {
        placeOnCircle(n);
        EXPECT_TRUE(sameStore(graphStore, GraphStore{})) << n;
    }
}

TEST_F(StartupLoadTest, ReadsCountsAndArcsOnOneLineOrSeveral) {
    for (const char* text : {"3 2 1 2 2 3", "3\n2\n1 2\n2 3\n", "3\r\n2\r\n1 2\r\n2 3\r\n"}) {
        graphStore = GraphStore{};
        writeText(StartupFileName, text);
        ASSERT_EQ(loadStartupGraph(), FileResult::Ok) << text;
        EXPECT_EQ(graphStore.vertexCount, 3);
        EXPECT_EQ(graphStore.arcCount, 2);
        EXPECT_EQ(graphStore.adj[1][2], 1);
        EXPECT_EQ(graphStore.adj[2][3], 1);
        EXPECT_EQ(graphStore.degree[1], 1);
        EXPECT_EQ(graphStore.degree[2], 2);
        EXPECT_EQ(graphStore.degree[3], 1);
        EXPECT_EQ(graphStore.removedCount, 0);
        EXPECT_EQ(positions(3), (std::vector<Point>{{570, 300}, {165, 66}, {164, 533}}));
        EXPECT_TRUE(invariantsHold());
    }
}

TEST_F(StartupLoadTest, IgnoresVertexLinesOfFullForm) {
    writeText(StartupFileName, "4\n1\n2 4\n1 10 10\n3 20 20\n");
    ASSERT_EQ(loadStartupGraph(), FileResult::Ok);
    EXPECT_EQ(graphStore.removedCount, 0);
    EXPECT_EQ(positions(4), (std::vector<Point>{{570, 300}, {300, 30}, {30, 299}, {299, 570}}));
    EXPECT_TRUE(invariantsHold());
}

TEST_F(StartupLoadTest, MissingFileGivesEmptyGraphQuietly) {
    EXPECT_EQ(loadStartupGraph(), FileResult::CannotOpen);
    EXPECT_TRUE(sameStore(graphStore, GraphStore{}));
}

TEST_F(StartupLoadTest, InvalidFileGivesEmptyGraph) {
    const char* texts[] = {"", "100 0", "3 1 1 4", "3 2 1 2", "x", "3 -1"};
    for (const char* text : texts) {
        // A store with content shows that the refusal empties the graph but keeps display codes.
        graphStore = GraphStore{};
        addVertices(2);
        ASSERT_EQ(addArc(1, 2), EditResult::Done);
        graphStore.selectedVertex = 1;
        graphStore.secondVertex = 2;
        graphStore.displayState[1] = DisplayState::Green;
        writeText(StartupFileName, text);
        EXPECT_EQ(loadStartupGraph(), FileResult::InvalidGraph) << text;
        EXPECT_EQ(graphStore.vertexCount, 0) << text;
        EXPECT_EQ(graphStore.arcCount, 0) << text;
        EXPECT_EQ(graphStore.selectedVertex, 0) << text;
        EXPECT_EQ(graphStore.secondVertex, 0) << text;
        EXPECT_EQ(graphStore.displayState[1], DisplayState::Green) << text;
        EXPECT_TRUE(invariantsHold()) << text;
    }
}

TEST_F(StartupLoadTest, RepeatedArcCountsOnce) {
    writeText(StartupFileName, "2 3 1 2 1 2 2 2");
    ASSERT_EQ(loadStartupGraph(), FileResult::Ok);
    EXPECT_EQ(graphStore.arcCount, 2);
    EXPECT_EQ(graphStore.degree[2], 3);
    EXPECT_TRUE(invariantsHold());
}

} // namespace
