#include "shell/commands.h"

#include "shell/shell_globals.h"

namespace {

// Beside the drawing area, relative to the main window's top-left corner.
constexpr int StepBoxOffsetX = 780;
constexpr int StepBoxOffsetY = 240;

// Set by showStepBox, read by the hook; null whenever no step box is on its way up.
HHOOK stepBoxHookHandle = nullptr;

void placeStepBox(HWND box) {
    const HWND owner = GetWindow(box, GW_OWNER);
    RECT ownerRect = {};
    GetWindowRect(owner, &ownerRect);
    SetWindowPos(box, owner, ownerRect.left + StepBoxOffsetX, ownerRect.top + StepBoxOffsetY, 0, 0,
                 SWP_NOSIZE | SWP_FRAMECHANGED);
}

// The box's first activation comes before it is drawn: moving it then means it never shows
// anywhere else. The hook removes itself at once, so no later window of the thread is moved.
LRESULT CALLBACK stepBoxHook(int code, WPARAM wParam, LPARAM lParam) {
    const HHOOK hook = stepBoxHookHandle;
    if (code == HCBT_ACTIVATE && hook != nullptr) {
        stepBoxHookHandle = nullptr;
        UnhookWindowsHookEx(hook);
        placeStepBox(reinterpret_cast<HWND>(wParam));
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

} // namespace

int showStepBox(const char* caption, const char* text) {
    invalidateCanvas();
    // Without the hook the box still works; it only keeps the platform's position.
    stepBoxHookHandle = SetWindowsHookExA(WH_CBT, stepBoxHook, nullptr, GetCurrentThreadId());
    const int result = MessageBoxA(mainWindow, text, caption, MB_OKCANCEL);
    // A box that could not be shown never activated: the hook must not outlive this call.
    if (stepBoxHookHandle != nullptr) {
        UnhookWindowsHookEx(stepBoxHookHandle);
        stepBoxHookHandle = nullptr;
    }
    return result;
}
