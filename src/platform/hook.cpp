// WH_CBT hooks of the one thread. A hook may remove itself while it runs (the step box's does) and
// still pass the event on: the chain walk remembers where it is by position, not by handle.
#include "platform/hook.h"

#include <cstdint>
#include <vector>

namespace layer {
namespace {

struct Hook {
    std::uintptr_t id;
    HOOKPROC proc;
};

struct HookChain {
    std::vector<Hook> hooks; // oldest first
    std::uintptr_t nextId = 0x7000;
    std::uintptr_t calling = 0; // the id of the hook being called, 0 outside a call
};

HookChain& chain() {
    static thread_local HookChain c;
    return c;
}

// Calls the newest hook older than `below` (every hook when below is 0).
LRESULT callFrom(std::uintptr_t below, int code, WPARAM wParam, LPARAM lParam) {
    HookChain& c = chain();
    for (auto it = c.hooks.rbegin(); it != c.hooks.rend(); ++it) {
        if (below != 0 && it->id >= below)
            continue;
        std::uintptr_t saved = c.calling;
        c.calling = it->id;
        HOOKPROC proc = it->proc;
        LRESULT result = proc(code, wParam, lParam);
        chain().calling = saved;
        return result;
    }
    return 0;
}

} // namespace

LRESULT callCbtHooks(int code, WPARAM wParam, LPARAM lParam) {
    return callFrom(0, code, wParam, lParam);
}

} // namespace layer

using namespace layer;

HHOOK SetWindowsHookExA(int idHook, HOOKPROC proc, HINSTANCE, DWORD) {
    if (idHook != WH_CBT || proc == nullptr)
        return nullptr;
    HookChain& c = chain();
    std::uintptr_t id = c.nextId;
    c.nextId += 4;
    c.hooks.push_back(Hook{id, proc});
    return (HHOOK)id;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
    std::uintptr_t from = chain().calling != 0 ? chain().calling : (std::uintptr_t)hook;
    if (from == 0)
        return 0;
    return callFrom(from, code, wParam, lParam);
}

BOOL UnhookWindowsHookEx(HHOOK hook) {
    auto& hooks = chain().hooks;
    for (auto it = hooks.begin(); it != hooks.end(); ++it) {
        if (it->id == (std::uintptr_t)hook) {
            hooks.erase(it);
            return TRUE;
        }
    }
    return FALSE;
}
