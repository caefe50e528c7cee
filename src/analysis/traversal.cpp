#include "analysis/traversal.h"

#include "analysis/text_append.h"
#include "graph/text_buffers.h"

namespace {

// A listing of every id from 1 to 99 once, each with its blank, takes 9 * 2 + 90 * 3 = 288
// characters; a queue or a stack never holds an id twice.
constexpr int ListTextSize = 320;
// The longest first line and second-line head take under 80 characters.
constexpr int StepTextSize = ListTextSize + 128;

constexpr int IdOk = 1;

struct TraversalWords {
    const char* prompt;
    const char* resultHead;
    const char* currentLine; // followed by the current id and a line feed
    const char* listHead;
    const char* caption;
};

constexpr TraversalWords BreadthFirstWords = {
    "Albastru: varf curent. Verde: vecinii nevizitati ai varfului curent. Rosu: varfuri vizitate anterior",
    "Parcurgerea in latime este: ",
    "Varful curent extras din coada este ",
    "Continutul cozii este: ",
    "Parcurgere Breadth First",
};

constexpr TraversalWords DepthFirstWords = {
    "Albastru: varf curent. Verde: primul vecin nevizitat al varfului curent. Rosu: varfuri vizitate "
    "anterior",
    "Parcurgerea in adancime este: ",
    "Varful curent actualizat din stiva este ",
    "Continutul stivei este: ",
    "Parcurgere Depth First",
};

int usableCount() {
    const int n = graphStore.vertexCount;
    return n < MaxVertexSlots ? n : MaxVertexSlots - 1;
}

// Reached in this step or current: from now on "visited before".
void fade(int n) {
    for (int v = 1; v <= n; ++v) {
        if (static_cast<int>(graphStore.displayState[v]) > static_cast<int>(DisplayState::Red)) {
            graphStore.displayState[v] = DisplayState::Red;
        }
    }
}

// The first successor of `current` not yet taken up at or after `from`, or 0.
int nextUnvisited(int current, int from, int n) {
    for (int v = from; v <= n; ++v) {
        if (graphStore.adj[current][v] == 1 && graphStore.displayState[v] == DisplayState::Plain) {
            return v;
        }
    }
    return 0;
}

void writeListing(char* listText, const int* entries, int first, int last) {
    TextSink list = startText(listText, ListTextSize);
    for (int k = first; k <= last; ++k) {
        appendId(list, entries[k], " ");
    }
}

void writeStepText(char* stepText, const TraversalWords& words, int current, const char* listText) {
    TextSink step = startText(stepText, StepTextSize);
    appendText(step, words.currentLine);
    appendNumber(step, current);
    appendText(step, "\n");
    appendText(step, words.listHead);
    appendText(step, listText);
}

void showStep(int& showSteps, const TraversalShell& shell, const TraversalWords& words,
              const char* stepText) {
    if (showSteps == IdOk) {
        showSteps = shell.showStepBox(words.caption, stepText);
    }
}

// The caller checks the start; one outside the store would index past its arrays.
bool isUsableStart(VertexId start, int n) {
    return start >= 1 && start <= n;
}

TextSink beginTraversal(VertexId start, const TraversalShell& shell, const TraversalWords& words) {
    graphStore.selectedVertex = 0;
    shell.setPrompt(words.prompt);
    TextSink result = startText(ResultText, ResultTextSize);
    appendText(result, words.resultHead);
    appendId(result, start, " ");
    return result;
}

} // namespace

void runBreadthFirst(VertexId start, const TraversalShell& shell) {
    const int n = usableCount();
    TextSink result = beginTraversal(start, shell, BreadthFirstWords);
    if (!isUsableStart(start, n)) {
        shell.invalidateCanvas();
        return;
    }
    char stepText[StepTextSize];
    char listText[ListTextSize];
    int queue[MaxVertexSlots + 1];
    int showSteps = IdOk;
    int current = start;
    graphStore.displayState[start] = DisplayState::Blue;
    queue[1] = start;
    int head = 1;
    int tail = 1;
    listText[0] = '\0';
    for (;;) {
        writeStepText(stepText, BreadthFirstWords, current, listText);
        for (int v = nextUnvisited(current, 1, n); v != 0; v = nextUnvisited(current, v + 1, n)) {
            tail += 1;
            queue[tail] = v;
            appendId(result, v, " ");
            graphStore.displayState[v] = DisplayState::Green;
        }
        showStep(showSteps, shell, BreadthFirstWords, stepText);
        fade(n);
        if (head >= tail) {
            break;
        }
        head += 1;
        current = queue[head];
        graphStore.displayState[current] = DisplayState::Blue;
        writeListing(listText, queue, head + 1, tail);
    }
    shell.invalidateCanvas();
}

void runDepthFirst(VertexId start, const TraversalShell& shell) {
    const int n = usableCount();
    TextSink result = beginTraversal(start, shell, DepthFirstWords);
    if (!isUsableStart(start, n)) {
        shell.invalidateCanvas();
        return;
    }
    char stepText[StepTextSize];
    char listText[ListTextSize];
    int stack[MaxVertexSlots + 1];
    int showSteps = IdOk;
    int current = start;
    stack[1] = start;
    int top = 1;
    for (;;) {
        graphStore.displayState[current] = DisplayState::Blue;
        writeListing(listText, stack, 1, top);
        writeStepText(stepText, DepthFirstWords, current, listText);
        const int v = nextUnvisited(current, 1, n);
        if (v != 0) {
            top += 1;
            stack[top] = v;
            appendId(result, v, " ");
            graphStore.displayState[v] = DisplayState::Green;
        } else {
            top -= 1;
        }
        showStep(showSteps, shell, DepthFirstWords, stepText);
        fade(n);
        if (top == 0) {
            break;
        }
        current = stack[top];
    }
    shell.invalidateCanvas();
}
