// A small Win32 program for the script driver's tests: it reports the input it gets on standard
// output, beeps on a right press, shows an OK/Cancel box on a press in its top-left corner (sixty
// OK boxes a little to the right of it), paints a red disc with a label, and exits with code 3
// when its window is destroyed.
#include "platform/win32.h"

#include <cstdio>

namespace {

HWND probeWindow = nullptr;

void report(const char* what, LPARAM lParam) {
    std::printf("%s %d %d\n", what, (int)(short)LOWORD(lParam), (int)(short)HIWORD(lParam));
    std::fflush(stdout);
}

void paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    HGDIOBJ old = SelectObject(dc, red);
    Ellipse(dc, 188, 188, 212, 212);
    SelectObject(dc, old);
    DeleteObject(red);
    SetBkColor(dc, RGB(0, 255, 0));
    TextOutA(dc, 192, 192, "7", 1);
    EndPaint(hwnd, &ps);
}

// Sixty boxes one after another, as a long traversal shows its steps.
void manyBoxes(HWND hwnd) {
    int answered = 0;
    for (int i = 0; i < 60; ++i)
        answered += MessageBoxA(hwnd, "Pas", "Pasi", MB_OK) == IDOK;
    std::printf("ANSWERED %d\n", answered);
    std::fflush(stdout);
}

void pressed(HWND hwnd, LPARAM lParam) {
    report("DOWN", lParam);
    if (LOWORD(lParam) >= 30 && LOWORD(lParam) < 40 && HIWORD(lParam) < 20)
        manyBoxes(hwnd);
    if (LOWORD(lParam) < 20 && HIWORD(lParam) < 20) {
        int answer = MessageBoxA(hwnd, "Prima linie\nback\\slash V\xE2rf", "Intrebare", MB_OKCANCEL);
        std::printf("ANSWER %d\n", answer);
        std::fflush(stdout);
    }
}

LRESULT CALLBACK probeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN: pressed(hwnd, lParam); return 0;
    case WM_LBUTTONDBLCLK: report("DBLCLK", lParam); return 0;
    case WM_RBUTTONDOWN:
        report("RDOWN", lParam);
        MessageBeep(MB_ICONHAND);
        return 0;
    case WM_CHAR:
        std::printf("CHAR %u\n", (unsigned)wParam);
        std::fflush(stdout);
        return 0;
    case WM_KEYDOWN:
        std::printf("KEY %u\n", (unsigned)wParam);
        std::fflush(stdout);
        return 0;
    case WM_PAINT: paint(hwnd); return 0;
    case WM_DESTROY: PostQuitMessage(3); return 0;
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = probeProc;
    wc.hInstance = instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_SCROLLBAR + 1);
    wc.lpszClassName = "ScriptProbe";
    if (RegisterClassExA(&wc) == 0)
        return 0;
    probeWindow =
        CreateWindowExA(0, "ScriptProbe", "Sonda", WS_OVERLAPPED | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                        CW_USEDEFAULT, 1000, 660, nullptr, nullptr, instance, nullptr);
    ShowWindow(probeWindow, showCommand);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return (int)msg.wParam;
}
