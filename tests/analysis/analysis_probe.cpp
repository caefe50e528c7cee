// Reads graphs from stdin and prints what every analysis says about each, one graph after the
// other, for the networkx test. Input, all integers separated by white space, per graph:
//   n  r removed...  m tail head ... (m pairs)  s start...
// Output per graph (line feeds inside a text written as '|'):
//   graph <index>
//   strong <0|1>
//   tournament <0|1>
//   components <text>
//   bipartite <0|1> <text>
//   circuit <start> <text>
//   bfs <start> <boxes> <text>
//   dfs <start> <boxes> <text>
// A traversal line is followed by "colours ok" or "colours bad" (reached red, others plain).
#include "analysis/bipartite.h"
#include "analysis/circuit.h"
#include "analysis/connectivity.h"
#include "analysis/tournament.h"
#include "analysis/traversal.h"
#include "graph/graph_store.h"
#include "graph/text_buffers.h"

#include <cstdio>
#include <cstring>

namespace {

int boxCount = 0;

void ignorePrompt(const char*) {}
int countBox(const char*, const char*) {
    return ++boxCount, 1;
}
void ignoreInvalidate() {}

const TraversalShell countingShell = {ignorePrompt, countBox, ignoreInvalidate};

bool readInt(int& value) {
    return std::scanf("%d", &value) == 1;
}

bool readGraph() {
    int n = 0;
    if (!readInt(n)) {
        return false;
    }
    graphStore = GraphStore{};
    graphStore.vertexCount = n;
    int removed = 0;
    readInt(removed);
    for (int k = 0; k < removed; ++k) {
        int v = 0;
        readInt(v);
        graphStore.isRemoved[v] = 1;
        graphStore.removedCount += 1;
    }
    int m = 0;
    readInt(m);
    for (int k = 0; k < m; ++k) {
        int tail = 0;
        int head = 0;
        readInt(tail);
        readInt(head);
        addArc(tail, head);
    }
    return true;
}

void printText(const char* text) {
    for (const char* p = text; *p != '\0'; ++p) {
        std::putchar(*p == '\n' ? '|' : *p);
    }
    std::putchar('\n');
}

void printTraversal(const char* name, void (*run)(VertexId, const TraversalShell&), VertexId start) {
    boxCount = 0;
    run(start, countingShell);
    std::printf("%s %d %d ", name, start, boxCount);
    printText(ResultText);
    // The text lists exactly the vertices left red.
    int red = 0;
    bool plainOtherwise = true;
    for (int v = 1; v <= graphStore.vertexCount; ++v) {
        red += graphStore.displayState[v] == DisplayState::Red ? 1 : 0;
        plainOtherwise = plainOtherwise && (graphStore.displayState[v] == DisplayState::Red ||
                                            graphStore.displayState[v] == DisplayState::Plain);
        graphStore.displayState[v] = DisplayState::Plain;
    }
    int listed = 0;
    for (const char* p = ResultText; *p != '\0'; ++p) {
        listed += *p == ' ' ? 1 : 0;
    }
    const int headBlanks = 4; // "Parcurgerea in latime este: " and "... adancime ..." hold 4 blanks
    std::printf("colours %s\n", plainOtherwise && red == listed - headBlanks ? "ok" : "bad");
}

} // namespace

int main() {
    int index = 0;
    while (readGraph()) {
        std::printf("graph %d\n", index++);
        std::printf("strong %d\n", isStronglyConnected() ? 1 : 0);
        std::printf("tournament %d\n", isTournament() ? 1 : 0);
        std::printf("components ");
        listStrongComponents();
        printText(ResultText);
        std::strcpy(ResultText, "");
        const bool bipartite = checkBipartite();
        std::printf("bipartite %d ", bipartite ? 1 : 0);
        printText(ResultText);
        int starts = 0;
        readInt(starts);
        for (int k = 0; k < starts; ++k) {
            int start = 0;
            readInt(start);
            findCircuit(start);
            std::printf("circuit %d ", start);
            printText(ResultText);
            printTraversal("bfs", runBreadthFirst, start);
            printTraversal("dfs", runDepthFirst, start);
        }
    }
    return 0;
}
