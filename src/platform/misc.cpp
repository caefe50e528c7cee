// The small services: module and stock handles, the thread id, the clock, beeps, common controls,
// and the program's arguments for the backends.
#include "platform/backend.h"
#include "platform/controls.h"

#include <unistd.h>

namespace layer {
namespace {

struct Arguments {
    int argc = 0;
    char** argv = nullptr;
};

Arguments& arguments() {
    static Arguments a;
    return a;
}

// Module handles stay below 2^31 so GetWindowLongA(GWL_HINSTANCE) carries them whole.
HMODULE const ModuleHandle = reinterpret_cast<HMODULE>(std::uintptr_t{0x400000});
HICON const ApplicationIcon = reinterpret_cast<HICON>(std::uintptr_t{0x10003});
HCURSOR const ArrowCursor = reinterpret_cast<HCURSOR>(std::uintptr_t{0x10005});

} // namespace

void setProgramArguments(int argc, char** argv) {
    arguments().argc = argc;
    arguments().argv = argv;
}
int programArgumentCount() {
    return arguments().argc;
}
char** programArguments() {
    return arguments().argv;
}

} // namespace layer

using namespace layer;

HMODULE GetModuleHandleA(LPCSTR moduleName) {
    return moduleName == nullptr ? ModuleHandle : nullptr;
}

HICON LoadIconA(HINSTANCE instance, LPCSTR name) {
    return (instance == nullptr && name == IDI_APPLICATION) ? ApplicationIcon : nullptr;
}

HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name) {
    return (instance == nullptr && name == IDC_ARROW) ? ArrowCursor : nullptr;
}

DWORD GetCurrentThreadId() {
    return static_cast<DWORD>(getpid());
}

DWORD GetTickCount() {
    return backend().tickCount();
}

BOOL MessageBeep(UINT) {
    backend().beep();
    return TRUE;
}

// The built-in classes, the status bar's included, are registered before the first window anyway.
void InitCommonControls() {
    registerBuiltinControls();
}

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) {
    if (init == nullptr)
        return FALSE;
    registerBuiltinControls();
    return TRUE;
}
