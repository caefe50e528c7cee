// The main window's class, the main window itself and the drawing objects.
#include "shell/startup.h"

#include "shell/main_window.h"
#include "shell/shell_globals.h"

namespace {

// The status bar's class comes from the common-controls library, which registers it only once
// asked to; the control panel creates the bar inside the main window's creation.
void makeStatusBarClassAvailable() {
    INITCOMMONCONTROLSEX init = {};
    init.dwSize = sizeof(INITCOMMONCONTROLSEX);
    init.dwICC = ICC_BAR_CLASSES;
    InitCommonControlsEx(&init);
}

} // namespace

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

HWND createMainWindow(HINSTANCE instance) {
    makeStatusBarClassAvailable();
    return CreateWindowExA(0, MainWindowClassName, MainWindowTitle, MainWindowStyle, CW_USEDEFAULT,
                           CW_USEDEFAULT, MainWindowWidth, MainWindowHeight, nullptr, nullptr, instance,
                           nullptr);
}

void createDrawingObjects() {
    redPen = CreatePen(PS_SOLID, 2, RGB(255, 0, 0));
    redBrush = CreateSolidBrush(RGB(255, 0, 0));
    greenBrush = CreateSolidBrush(RGB(0, 255, 0));
    blueBrush = CreateSolidBrush(RGB(0, 128, 255));
}
