#include <string>

#include "graph/graph_files.h"
#include "graph_test_support.h"

namespace {

using ShippedGraphsTest = FileTest;

const std::filesystem::path RepoDir = GRAFURI_REPO_DIR;

// Every shipped example holds a graph the program reads as it is and saves back to the same bytes.
TEST_F(ShippedGraphsTest, ExamplesReadAndSaveBackUnchanged) {
    int examples = 0;
    for (const auto& entry : std::filesystem::directory_iterator(RepoDir / "examples")) {
        const std::string name = entry.path().filename().string();
        graphStore = GraphStore{};
        ASSERT_EQ(readGraphFile(entry.path().c_str()), FileResult::Ok) << name;
        EXPECT_TRUE(invariantsHold()) << name;
        EXPECT_LT(graphStore.removedCount, graphStore.vertexCount) << name;
        for (int v = 1; v <= graphStore.vertexCount; ++v) {
            if (!graphStore.isRemoved[v]) {
                EXPECT_TRUE(graphStore.posX[v] >= 20 && graphStore.posX[v] <= 750) << name << " " << v;
                EXPECT_TRUE(graphStore.posY[v] >= 20 && graphStore.posY[v] <= 630) << name << " " << v;
            }
        }
        ASSERT_EQ(saveGraphFile("copy.txt"), FileResult::Ok) << name;
        EXPECT_EQ(readText("copy.txt"), readText(entry.path())) << name;
        ++examples;
    }
    EXPECT_GE(examples, 4);
}

TEST_F(ShippedGraphsTest, StartupGraphLoads) {
    std::filesystem::copy_file(RepoDir / StartupFileName, StartupFileName);
    ASSERT_EQ(loadStartupGraph(), FileResult::Ok);
    EXPECT_GE(graphStore.vertexCount, 8);
    EXPECT_LE(graphStore.vertexCount, 10);
    EXPECT_EQ(graphStore.removedCount, 0);
    EXPECT_TRUE(invariantsHold());
}

} // namespace
