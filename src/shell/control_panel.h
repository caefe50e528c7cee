// The control panel on the right of the main window: the action radio buttons, the command
// buttons, the start-vertex and file-name boxes, and the status bar with its prompt area.
#pragma once

#include "platform/win32.h"

enum class EditMode {
    None = 0,
    AddVertex = 1,
    RemoveVertex = 2,
    VertexDegree = 3,
    MoveVertex = 4,
    AddArc = 5,
    RemoveArc = 6
};

extern HWND actionGroupBox;
extern HWND startVertexLabel;
extern HWND startVertexBox;
extern HWND fileNameBox;
extern HWND statusBar;

LRESULT createControlPanel(HWND window);
LRESULT onParentNotify(WPARAM wParam, LPARAM lParam);
EditMode currentEditMode();
void setCommandButtonsEnabled(bool enable);
void setPrompt(const char* text);
