// The program's entry: the main window, the start-up graph, the drawing objects, the message loop.
#include "graph/graph_files.h"
#include "platform/win32.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    if (registerMainWindowClass(instance) == 0) {
        return 0;
    }
    mainWindow = createMainWindow(instance);
    // Without a window nothing could ever post the quit message: the loop would wait forever.
    if (mainWindow == nullptr) {
        return 0;
    }
    ShowWindow(mainWindow, showCommand);
    FileResult startup = loadStartupGraph();
    CanvasRect = {0, 0, 770, 650};
    createDrawingObjects();
    // A start-up file that cannot be read as a graph leaves the drawing empty; say why. The box's
    // own loop serves the first paint, so the pen and brushes must exist by now.
    if (startup == FileResult::InvalidGraph) {
        MessageBoxA(mainWindow, "Fisierul RoriR.in nu contine un graf valid!", "Citire graf", MB_OK);
    }

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) != 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
