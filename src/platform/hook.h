// The CBT hook chain inside the layer. CreateWindowExA calls it with HCBT_CREATEWND (wParam the new
// window, lParam its CBT_CREATEWNDA; a non-zero answer cancels the creation), DestroyWindow with
// HCBT_DESTROYWND, and the message box with HCBT_ACTIVATE (wParam the box) before it is first drawn.
#pragma once

#include "platform/win32.h"

namespace layer {
// Calls the newest installed WH_CBT hook (which passes on with CallNextHookEx); 0 when none.
LRESULT callCbtHooks(int code, WPARAM wParam, LPARAM lParam);
} // namespace layer
