// The program's entry: the main window, the start-up graph, the drawing objects, the message loop.
#include "graph/graph_files.h"
#include "platform/win32.h"
#include "shell/main_window.h"
#include "shell/shell_globals.h"

namespace {

ATOM registerMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(WNDCLASSEXA);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hIconSm = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    // A system colour index plus one: the class background is system colour 0.
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(COLOR_SCROLLBAR + 1));
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = MainWindowClassName;
    return RegisterClassExA(&windowClass);
}

// The status bar's class comes from the common-controls library, which registers it only once
// asked to; the control panel creates the bar inside the main window's creation.
void makeStatusBarClassAvailable() {
    INITCOMMONCONTROLSEX init = {};
    init.dwSize = sizeof(INITCOMMONCONTROLSEX);
    init.dwICC = ICC_BAR_CLASSES;
    InitCommonControlsEx(&init);
}

void createDrawingObjects() {
    redPen = CreatePen(PS_SOLID, 2, RGB(255, 0, 0));
    redBrush = CreateSolidBrush(RGB(255, 0, 0));
    greenBrush = CreateSolidBrush(RGB(0, 255, 0));
    blueBrush = CreateSolidBrush(RGB(0, 128, 255));
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    if (registerMainWindowClass(instance) == 0) {
        return 0;
    }
    makeStatusBarClassAvailable();
    mainWindow = CreateWindowExA(0, MainWindowClassName, MainWindowTitle, MainWindowStyle, CW_USEDEFAULT,
                                 CW_USEDEFAULT, MainWindowWidth, MainWindowHeight, nullptr, nullptr, instance,
                                 nullptr);
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
