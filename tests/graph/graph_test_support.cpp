#include "graph_test_support.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

bool sameStore(const GraphStore& a, const GraphStore& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void addVertices(int n) {
    for (int i = 1; i <= n; ++i) {
        ASSERT_EQ(addVertex(100 * i, 100), EditResult::Done);
    }
}

::testing::AssertionResult invariantsHold(RemovedVertexArcs rule) {
    const InvariantReport report = checkStoreInvariants(rule);
    if (report.holds) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << report.firstBroken;
}

void FileTest::SetUp() {
    StoreTest::SetUp();
    std::string pattern = (std::filesystem::temp_directory_path() / "graph-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir = pattern;
    previousDir = std::filesystem::current_path();
    std::filesystem::current_path(dir);
}

void FileTest::TearDown() {
    std::filesystem::current_path(previousDir);
    std::filesystem::remove_all(dir);
}

void writeText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    ASSERT_TRUE(out.good()) << path;
}

std::string readText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
