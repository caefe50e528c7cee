#include "shell/commands.h"

#include "analysis/bipartite.h"
#include "analysis/circuit.h"
#include "analysis/connectivity.h"
#include "analysis/tournament.h"
#include "analysis/traversal.h"
#include "graph/text_buffers.h"
#include "shell/control_panel.h"
#include "shell/file_commands.h"
#include "shell/shell_globals.h"
#include "shell/start_vertex.h"

namespace {

void showResult(const char* text, const char* caption) {
    MessageBoxA(mainWindow, text, caption, MB_OK);
}

void checkStrongConnectivity(const char* caption) {
    showResult(isStronglyConnected() ? "Graful este tare conex" : "Graful nu este tare conex", caption);
}

void checkTournament(const char* caption) {
    showResult(isTournament() ? "Graful este turneu" : "Graful nu este turneu", caption);
}

void checkBipartiteGraph(const char* caption) {
    showResult(checkBipartite() ? ResultText : "Graful nu este bipartit", caption);
}

void runCircuit(const char* caption) {
    const VertexId start = readStartVertex(caption);
    if (start == 0) {
        return;
    }
    findCircuit(start);
    showStartVertexResult(caption);
}

void listComponents(const char* caption) {
    if (isStronglyConnected()) {
        showResult("Graful este tare conex", caption);
        return;
    }
    listStrongComponents();
    showResult(ResultText, caption);
}

// What the traversals may do to the window: nothing but the prompt, the step boxes and the repaint.
constexpr TraversalShell ShellForTraversals = {setPrompt, showStepBox, invalidateCanvas};

void runTraversal(void (*traverse)(VertexId, const TraversalShell&), const char* caption) {
    const VertexId start = readStartVertex(caption);
    if (start == 0) {
        return;
    }
    traverse(start, ShellForTraversals);
    showStartVertexResult(caption);
}

void runBreadthFirstTraversal(const char* caption) {
    runTraversal(runBreadthFirst, caption);
}
void runDepthFirstTraversal(const char* caption) {
    runTraversal(runDepthFirst, caption);
}
void readFile(const char*) {
    readFileCommand();
}
void saveFile(const char*) {
    saveFileCommand();
}

struct Command {
    CommandId id;
    const char* button;
    const char* caption; // the read and save commands choose theirs by outcome
    void (*run)(const char* caption);
};

constexpr Command CommandTable[] = {
    {CheckStrongCommand, "Tare Conex", "Verificare tare conexitate", checkStrongConnectivity},
    {CheckTournamentCommand, "Turneu", "Verificare graf turneu", checkTournament},
    {CheckBipartiteCommand, "Bipartit", "Verificare bipartit", checkBipartiteGraph},
    {CircuitCommand, "Circuit", "Circuit cu varf de start", runCircuit},
    {ComponentsCommand, "Cmp TConexe", "Componente tare conexe", listComponents},
    {BreadthFirstCommand, "Parc. B.F.", "Parcurgere Breadth First", runBreadthFirstTraversal},
    {DepthFirstCommand, "Parc. D.F.", "Parcurgere Depth First", runDepthFirstTraversal},
    {ReadFileCommand, "Citire", nullptr, readFile},
    {SaveFileCommand, "Salvare", nullptr, saveFile},
};

} // namespace

// Every box is owned by mainWindow, the window this is called for.
LRESULT handleCommand(HWND, WPARAM wParam) {
    // The edit boxes (id 0) send WM_COMMAND too; only the push buttons' ids are commands.
    const int id = LOWORD(wParam);
    for (const Command& command : CommandTable) {
        if (command.id == id) {
            command.run(command.caption);
        }
    }
    return 0;
}
