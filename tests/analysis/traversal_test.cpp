#include "analysis/traversal.h"

#include "graph/graph_store.h"
#include "graph/text_buffers.h"
#include "test_graph.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char* const BreadthPrompt =
    "Albastru: varf curent. Verde: vecinii nevizitati ai varfului curent. Rosu: varfuri vizitate anterior";
const char* const DepthPrompt = "Albastru: varf curent. Verde: primul vecin nevizitat al varfului curent. "
                                "Rosu: varfuri vizitate anterior";

struct BoxRecord {
    std::string caption;
    std::string text;
    std::vector<DisplayState> states; // slots 1..vertexCount at the moment the box is shown
};

// What the traversal did to the window, in the order it did it.
struct Recording {
    std::vector<std::string> prompts;
    std::vector<BoxRecord> boxes;
    int invalidations = 0;
    int boxesAfterInvalidate = 0;
    VertexId selectedAtPrompt = -1;
    int cancelAtBox = 0; // 1-based; 0: OK every time
};

Recording recording;

void recordPrompt(const char* text) {
    recording.prompts.push_back(text);
    recording.selectedAtPrompt = graphStore.selectedVertex;
}

int recordBox(const char* caption, const char* text) {
    BoxRecord box{caption, text, {}};
    for (int v = 1; v <= graphStore.vertexCount; ++v) {
        box.states.push_back(graphStore.displayState[v]);
    }
    recording.boxes.push_back(box);
    recording.boxesAfterInvalidate += recording.invalidations;
    return static_cast<int>(recording.boxes.size()) == recording.cancelAtBox ? 2 : 1;
}

void recordInvalidate() {
    recording.invalidations += 1;
}

const TraversalShell recordingShell = {recordPrompt, recordBox, recordInvalidate};

struct ExpectedBox {
    int current;
    std::vector<int> listing;
    int blue;
    std::vector<int> green;
    std::vector<int> red;
};

std::string listingOf(const std::vector<int>& ids) {
    std::string text;
    for (int id : ids) {
        text += std::to_string(id) + " ";
    }
    return text;
}

std::vector<DisplayState> statesOf(int n, const ExpectedBox& box) {
    std::vector<DisplayState> states(static_cast<size_t>(n), DisplayState::Plain);
    states[static_cast<size_t>(box.blue - 1)] = DisplayState::Blue;
    for (int v : box.green) {
        states[static_cast<size_t>(v - 1)] = DisplayState::Green;
    }
    for (int v : box.red) {
        states[static_cast<size_t>(v - 1)] = DisplayState::Red;
    }
    return states;
}

struct RunKind {
    void (*run)(VertexId, const TraversalShell&);
    const char* prompt;
    const char* caption;
    const char* currentLine;
    const char* listHead;
    const char* resultHead;
};

const RunKind BreadthFirst = {runBreadthFirst,
                              BreadthPrompt,
                              "Parcurgere Breadth First",
                              "Varful curent extras din coada este ",
                              "Continutul cozii este: ",
                              "Parcurgerea in latime este: "};
const RunKind DepthFirst = {runDepthFirst,
                            DepthPrompt,
                            "Parcurgere Depth First",
                            "Varful curent actualizat din stiva este ",
                            "Continutul stivei este: ",
                            "Parcurgerea in adancime este: "};

void runRecorded(const RunKind& kind, VertexId start, int cancelAtBox = 0) {
    recording = Recording{};
    recording.cancelAtBox = cancelAtBox;
    graphStore.selectedVertex = start; // the command handler leaves the accepted start picked
    kind.run(start, recordingShell);
}

void expectSteps(const RunKind& kind, int n, const std::vector<ExpectedBox>& expected) {
    ASSERT_EQ(recording.boxes.size(), expected.size());
    for (size_t k = 0; k < expected.size(); ++k) {
        SCOPED_TRACE("box " + std::to_string(k + 1));
        const ExpectedBox& box = expected[k];
        EXPECT_EQ(recording.boxes[k].caption, kind.caption);
        EXPECT_EQ(recording.boxes[k].text, kind.currentLine + std::to_string(box.current) + "\n" +
                                               kind.listHead + listingOf(box.listing));
        EXPECT_EQ(recording.boxes[k].states, statesOf(n, box));
    }
}

void expectFinish(const RunKind& kind, const std::vector<int>& reached, int n) {
    ASSERT_EQ(recording.prompts.size(), 1U);
    EXPECT_EQ(recording.prompts[0], kind.prompt);
    EXPECT_EQ(recording.selectedAtPrompt, 0);
    EXPECT_EQ(graphStore.selectedVertex, 0);
    EXPECT_EQ(recording.invalidations, 1);
    EXPECT_EQ(recording.boxesAfterInvalidate, 0);
    EXPECT_EQ(std::string(ResultText), kind.resultHead + listingOf(reached));
    std::vector<DisplayState> finalStates(static_cast<size_t>(n), DisplayState::Plain);
    for (int v : reached) {
        finalStates[static_cast<size_t>(v - 1)] = DisplayState::Red;
    }
    EXPECT_EQ(std::vector<DisplayState>(graphStore.displayState + 1, graphStore.displayState + n + 1),
              finalStates);
}

// Arcs 1->2, 1->3, 2->4, 3->4, 4->1, 5->1; vertex 5 cannot be reached from 1.
void loadWorkedExample() {
    loadGraph(5, {{1, 2}, {1, 3}, {2, 4}, {3, 4}, {4, 1}, {5, 1}});
}

TEST(Traversal, BreadthFirstWorkedExampleStepByStep) {
    loadWorkedExample();
    runRecorded(BreadthFirst, 1);
    expectSteps(BreadthFirst, 5,
                {
                    {1, {}, 1, {2, 3}, {}},
                    {2, {3}, 2, {4}, {1, 3}},
                    {3, {4}, 3, {}, {1, 2, 4}},
                    {4, {}, 4, {}, {1, 2, 3}},
                });
    expectFinish(BreadthFirst, {1, 2, 3, 4}, 5);
}

TEST(Traversal, DepthFirstWorkedExampleStepByStep) {
    loadWorkedExample();
    runRecorded(DepthFirst, 1);
    expectSteps(DepthFirst, 5,
                {
                    {1, {1}, 1, {2}, {}},
                    {2, {1, 2}, 2, {4}, {1}},
                    {4, {1, 2, 4}, 4, {}, {1, 2}},
                    {2, {1, 2}, 2, {}, {1, 4}},
                    {1, {1}, 1, {3}, {2, 4}},
                    {3, {1, 3}, 3, {}, {1, 2, 4}},
                    {1, {1}, 1, {}, {2, 3, 4}},
                });
    expectFinish(DepthFirst, {1, 2, 4, 3}, 5);
}

TEST(Traversal, CancelInSecondBoxStopsTheBoxesNotTheRun) {
    for (const RunKind* kind : {&BreadthFirst, &DepthFirst}) {
        SCOPED_TRACE(kind->caption);
        loadWorkedExample();
        runRecorded(*kind, 1, 2);
        EXPECT_EQ(recording.boxes.size(), 2U);
        expectFinish(*kind,
                     kind == &BreadthFirst ? std::vector<int>{1, 2, 3, 4} : std::vector<int>{1, 2, 4, 3}, 5);
    }
}

TEST(Traversal, StartWithoutSuccessors) {
    loadGraph(3, {{1, 2}});
    runRecorded(BreadthFirst, 2);
    expectSteps(BreadthFirst, 3, {{2, {}, 2, {}, {}}});
    expectFinish(BreadthFirst, {2}, 3);
    loadGraph(3, {{1, 2}});
    runRecorded(DepthFirst, 2);
    expectSteps(DepthFirst, 3, {{2, {2}, 2, {}, {}}});
    expectFinish(DepthFirst, {2}, 3);
}

TEST(Traversal, LoopIsNeverFollowed) {
    loadGraph(2, {{1, 1}, {1, 2}, {2, 2}, {2, 1}});
    runRecorded(BreadthFirst, 1);
    expectSteps(BreadthFirst, 2, {{1, {}, 1, {2}, {}}, {2, {}, 2, {}, {1}}});
    expectFinish(BreadthFirst, {1, 2}, 2);
    loadGraph(2, {{1, 1}, {1, 2}, {2, 2}, {2, 1}});
    runRecorded(DepthFirst, 1);
    expectSteps(DepthFirst, 2, {{1, {1}, 1, {2}, {}}, {2, {1, 2}, 2, {}, {1}}, {1, {1}, 1, {}, {2}}});
    expectFinish(DepthFirst, {1, 2}, 2);
}

TEST(Traversal, RemovedVertexKeepingArcsIsTakenUp) {
    // Only a graph file can leave an arc at a removed vertex; the traversal does not look.
    loadGraph(3, {{1, 2}, {2, 3}});
    graphStore.isRemoved[2] = 1;
    graphStore.removedCount = 1;
    runRecorded(BreadthFirst, 1);
    expectFinish(BreadthFirst, {1, 2, 3}, 3);
}

// Every other id queued at once from 1: box 2 lists 97 ids, 3..99.
TEST(Traversal, LongestQueueListingIsShownWhole) {
    std::vector<ArcPair> star;
    for (int v = 2; v <= 99; ++v) {
        star.push_back({1, v});
    }
    loadGraph(99, star);
    runRecorded(BreadthFirst, 1);
    ASSERT_EQ(recording.boxes.size(), 99U);
    std::vector<int> rest;
    for (int v = 3; v <= 99; ++v) {
        rest.push_back(v);
    }
    EXPECT_EQ(recording.boxes[1].text,
              std::string("Varful curent extras din coada este 2\nContinutul cozii este: ") +
                  listingOf(rest));
    std::vector<int> all;
    for (int v = 1; v <= 99; ++v) {
        all.push_back(v);
    }
    expectFinish(BreadthFirst, all, 99);
}

// A chain 1->2->...->99: the deepest box lists the whole stack of 99 ids (288 characters).
TEST(Traversal, LongestStackListingIsShownWhole) {
    std::vector<ArcPair> chain;
    std::vector<int> all;
    for (int v = 1; v <= 99; ++v) {
        all.push_back(v);
        if (v < 99) {
            chain.push_back({v, v + 1});
        }
    }
    loadGraph(99, chain);
    runRecorded(DepthFirst, 1);
    ASSERT_EQ(recording.boxes.size(), 197U);
    EXPECT_EQ(listingOf(all).size(), 288U);
    EXPECT_EQ(recording.boxes[98].text,
              std::string("Varful curent actualizat din stiva este 99\nContinutul stivei este: ") +
                  listingOf(all));
    expectFinish(DepthFirst, all, 99);
}

} // namespace
