#include "shell/canvas_click.h"

#include "graph/graph_store.h"
#include "graph/text_buffers.h"
#include "shell/control_panel.h"
#include "shell/shell_globals.h"

#include <cstdio>

namespace {

constexpr const char* NoVertexText = "Nu ati selectat varful!";
constexpr const char* NoFreeGroundText = "Alegeti o zona libera!";
constexpr const char* NoHeadText = "Nu ati selectat extremitatea finala";
constexpr const char* PickTailPrompt = " Selectati extremitatea initiala ";
constexpr const char* PickHeadPrompt = " Selectati extremitatea finala ";

// The two arc actions differ only in the primitive they call and the refusal it can give.
struct ArcAction {
    const char* caption;
    EditResult (*change)(VertexId tail, VertexId head);
    EditResult refusal;
    const char* refusalText;
};

constexpr ArcAction AddArcAction = {"Adauga arc", addArc, EditResult::ArcExists, "Aceast arc exista deja!"};
constexpr ArcAction RemoveArcAction = {"Elimina arc", removeArc, EditResult::NoSuchArc,
                                       "Nu exista aceast arc!"};

void refuseClick(const char* text, const char* caption) {
    MessageBeep(MB_ICONHAND);
    MessageBoxA(mainWindow, text, caption, MB_OK);
}

void onAddVertex(int x, int y) {
    if (hitTest(x, y) != 0 || x > MaxCanvasX) {
        refuseClick(NoFreeGroundText, "Adaugare varf");
    } else if (addVertex(x, y) == EditResult::StoreFull) {
        // Ids are never reused, so once 99 have been given out no further vertex has a slot.
        refuseClick("Nu se mai pot adauga varfuri!", "Adaugare varf");
    }
    graphStore.selectedVertex = 0;
}

void onRemoveVertex(int x, int y) {
    graphStore.selectedVertex = hitTest(x, y);
    if (graphStore.selectedVertex == 0) {
        refuseClick(NoVertexText, "Eliminare varf");
    } else if (removeVertex(graphStore.selectedVertex) == EditResult::LastVertex) {
        // The refused vertex stays picked, so it shows red until the next press.
        refuseClick("Nu se poate elimina ultimul varf!", "Eliminare varf");
    } else {
        graphStore.selectedVertex = 0;
    }
}

void onVertexDegree(int x, int y) {
    const VertexId v = hitTest(x, y);
    graphStore.selectedVertex = v;
    if (v == 0) {
        refuseClick(NoVertexText, "Grad varf");
        return;
    }
    const VertexDegrees d = vertexDegrees(v);
    std::snprintf(ScratchText, ScratchTextSize,
                  "Gradul varfului %d este %d\nGradul exterior este %d iar interior %d", v, d.total, d.out,
                  d.in);
    // The vertex stays picked while the box is up, so the repaint behind it shows it red.
    MessageBoxA(mainWindow, ScratchText, "Grad varf", MB_OK);
    graphStore.selectedVertex = 0;
}

// The first click of a two-click action picks the vertex it works on.
void pickFirstVertex(int x, int y, const char* caption, const char* prompt) {
    graphStore.selectedVertex = hitTest(x, y);
    if (graphStore.selectedVertex == 0) {
        refuseClick(NoVertexText, caption);
    } else {
        setPrompt(prompt);
    }
}

void onMoveVertex(int x, int y) {
    if (graphStore.selectedVertex == 0) {
        pickFirstVertex(x, y, "Deplasare varf", " Marcati noua pozitie intr-o zona libera ");
        return;
    }
    graphStore.secondVertex = hitTest(x, y);
    if (graphStore.secondVertex != 0 || x > MaxCanvasX) {
        refuseClick(NoFreeGroundText, "Deplasare varf");
        return;
    }
    setPrompt(" Selectati varful pe care doriti sa-l deplasati ");
    const VertexId v = graphStore.selectedVertex;
    graphStore.secondVertex = 0;
    graphStore.selectedVertex = 0;
    moveVertex(v, x, y);
}

void onArcClick(const ArcAction& action, int x, int y) {
    if (graphStore.selectedVertex == 0) {
        pickFirstVertex(x, y, action.caption, PickHeadPrompt);
        return;
    }
    graphStore.secondVertex = hitTest(x, y);
    if (graphStore.secondVertex == 0 || x > MaxCanvasX) {
        refuseClick(NoHeadText, action.caption);
        return;
    }
    if (action.change(graphStore.selectedVertex, graphStore.secondVertex) == action.refusal) {
        MessageBoxA(mainWindow, action.refusalText, action.caption, MB_OK);
    }
    setPrompt(PickTailPrompt);
    graphStore.secondVertex = 0;
    graphStore.selectedVertex = 0;
}

} // namespace

LRESULT onCanvasClick(HWND, LPARAM lParam) {
    const EditMode mode = currentEditMode();
    const int clickX = LOWORD(lParam);
    const int clickY = HIWORD(lParam);
    switch (mode) {
    case EditMode::None: break;
    case EditMode::AddVertex: onAddVertex(clickX, clickY); break;
    case EditMode::RemoveVertex: onRemoveVertex(clickX, clickY); break;
    case EditMode::VertexDegree: onVertexDegree(clickX, clickY); break;
    case EditMode::MoveVertex: onMoveVertex(clickX, clickY); break;
    case EditMode::AddArc: onArcClick(AddArcAction, clickX, clickY); break;
    case EditMode::RemoveArc: onArcClick(RemoveArcAction, clickX, clickY); break;
    }
    invalidateCanvas();
    return 0;
}
