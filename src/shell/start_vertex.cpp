#include "shell/start_vertex.h"

#include "graph/text_buffers.h"
#include "shell/control_panel.h"
#include "shell/shell_globals.h"

#include <cstdlib>

VertexId readStartVertex(const char* caption) {
    // Two characters at most: the box is narrow, and ids never need more.
    GetWindowTextA(startVertexBox, ScratchText, 3);
    const int n = std::atoi(ScratchText);
    if (n >= 1 && n <= graphStore.vertexCount && graphStore.isRemoved[n] == 0) {
        graphStore.selectedVertex = n;
        return n;
    }
    graphStore.selectedVertex = 0;
    MessageBoxA(mainWindow, "Varful de start a fost eliminat sau este incorect", caption, MB_OK);
    return 0;
}

void showStartVertexResult(const char* caption) {
    MessageBoxA(mainWindow, ResultText, caption, MB_OK);
    // Served after the colours below are cleared, so the canvas comes back plain once the box closes.
    invalidateCanvas();
    graphStore.secondVertex = 0;
    for (DisplayState& state : graphStore.displayState) {
        state = DisplayState::Plain;
    }
    setPrompt("");
    graphStore.selectedVertex = 0;
}
