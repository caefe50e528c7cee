// A small program on the SDL2 display: a window with one control of each kind and a blue mark,
// and a message box that a CBT hook places at a known spot of the screen. Closing the window ends
// it with status 0.
#include "platform/win32.h"

namespace {

constexpr UINT ShowBoxMessage = WM_USER + 1;
constexpr int BoxX = 700;
constexpr int BoxY = 120;
HHOOK placingHook = nullptr;

LRESULT CALLBACK placeBox(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        UnhookWindowsHookEx(placingHook);
        SetWindowPos(reinterpret_cast<HWND>(wParam), nullptr, BoxX, BoxY, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    return CallNextHookEx(placingHook, code, wParam, lParam);
}

HWND child(const char* className, const char* text, DWORD style, int x, int y, int width, int height,
           HWND parent, int id) {
    return CreateWindowExA(0, className, text, style | WS_CHILD | WS_VISIBLE, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)), nullptr, nullptr);
}

void createControls(HWND hwnd) {
    HWND group = child("Button", "Actiuni:", BS_GROUPBOX, 300, 15, 150, 84, hwnd, 100);
    child("Button", "Adauga v\xE2rf", BS_AUTORADIOBUTTON, 4, 20, 280, 20, group, 101);
    child("Button", "Elimina v\xE2rf", BS_AUTORADIOBUTTON, 4, 40, 280, 20, group, 102);
    child("Button", "Anulare actiune", BS_AUTORADIOBUTTON, 4, 60, 280, 20, group, 107);
    CheckRadioButton(group, 101, 107, 107);
    child("Button", "Tare Conex", BS_PUSHBUTTON, 330, 120, 100, 25, hwnd, 1);
    HWND disabled = child("Button", "Turneu", BS_PUSHBUTTON, 330, 155, 100, 25, hwnd, 2);
    EnableWindow(disabled, FALSE);
    child("STATIC", "V\xE2rf start:", SS_LEFT, 330, 195, 70, 20, hwnd, 0);
    child("EDIT", "0", 0, 405, 195, 22, 20, hwnd, 0);
    HWND bar = child(STATUSCLASSNAMEA, nullptr, SBARS_SIZEGRIP, 0, 0, 0, 0, hwnd, 108);
    int edges[3] = {150, 400, -1};
    SendMessageA(bar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
    SendMessageA(bar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(" Win32 Application"));
    SendMessageA(bar, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(" Proba de afisare"));
    SendMessageA(bar, SB_SETTEXTA, 2, reinterpret_cast<LPARAM>(" Rosu"));
}

void paintMark(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    RECT mark{20, 20, 120, 120};
    FillRect(dc, &mark, blue);
    DeleteObject(blue);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK smokeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: createControls(hwnd); return 0;
    case WM_PAINT: paintMark(hwnd); return 0;
    case ShowBoxMessage:
        MessageBeep(MB_ICONHAND); // through SDL audio when a device opens, else nothing
        placingHook = SetWindowsHookExA(WH_CBT, placeBox, nullptr, GetCurrentThreadId());
        MessageBoxA(hwnd, "Varful curent extras din coada este 2\nContinutul cozii este: 3", "Smoke box",
                    MB_OKCANCEL);
        UnhookWindowsHookEx(placingHook);
        return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = smokeProc;
    wc.hInstance = instance;
    wc.lpszClassName = "SmokeWindow";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<std::intptr_t>(COLOR_SCROLLBAR + 1));
    if (RegisterClassExA(&wc) == 0) {
        return 0;
    }
    HWND hwnd =
        CreateWindowExA(0, "SmokeWindow", "Smoke controls", WS_OVERLAPPED | WS_SYSMENU | WS_MINIMIZEBOX,
                        CW_USEDEFAULT, CW_USEDEFAULT, 600, 300, nullptr, nullptr, instance, nullptr);
    ShowWindow(hwnd, showCommand);
    PostMessageA(hwnd, ShowBoxMessage, 0, 0);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
