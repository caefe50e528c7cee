// Shared fixtures of the graph tests: a fresh store for every test and, for the file tests, a fresh
// working directory that is removed afterwards.
#pragma once

#include <filesystem>
#include <string>
#include <type_traits>

#include <gtest/gtest.h>

#include "graph/graph_store.h"
#include "graph/store_invariants.h"

// The store has no padding, so two stores are equal exactly when their bytes are.
static_assert(std::has_unique_object_representations_v<GraphStore>);
bool sameStore(const GraphStore& a, const GraphStore& b);

// Adds vertices at (100 * i, 100) for i = 1..n.
void addVertices(int n);

::testing::AssertionResult invariantsHold(RemovedVertexArcs rule = RemovedVertexArcs::Forbidden);

class StoreTest : public ::testing::Test {
  protected:
    void SetUp() override { graphStore = GraphStore{}; }
};

class FileTest : public StoreTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path dir;

  private:
    std::filesystem::path previousDir;
};

void writeText(const std::filesystem::path& path, const std::string& text);
std::string readText(const std::filesystem::path& path);
