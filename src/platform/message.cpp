// The thread's message queue, dispatch, the default window procedure, and input: raw input from
// the backend waits in its own queue and is routed when a message loop takes it, as the platform
// does, so the windows it finds are the ones that exist at that moment.
#include "platform/backend.h"
#include "platform/gdi_internal.h"
#include "platform/window_internal.h"

#include <cstdlib>
#include <deque>

namespace layer {

LRESULT defaultTextMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
HWND windowToPaint(HWND filter);

namespace {

constexpr DWORD DoubleClickTime = 500;
constexpr int DoubleClickHalfWidth = 2; // the platform's 4 x 4 rectangle around the first press

enum class InputKind { MouseButton, MouseMove, Key, Char, Close };

struct InputEvent {
    InputKind kind;
    UINT message;
    POINT screen;
    int virtualKey;
    bool down;
    unsigned char character;
    HWND target;
    DWORD time;
};

struct LastPress {
    HWND hwnd = nullptr;
    UINT message = 0;
    POINT screen{};
    DWORD time = 0;
};

struct Queue {
    std::deque<MSG> posted;
    std::deque<InputEvent> input;
    bool quitPending = false;
    int quitCode = 0;
    POINT cursor{};
    bool leftDown = false;
    bool rightDown = false;
    LastPress lastPress;
};

Queue& queue() {
    static thread_local Queue q;
    return q;
}

bool isAncestorOrSelf(HWND ancestor, HWND hwnd) {
    for (Window* w = findWindow(hwnd); w; w = findWindow(w->parent))
        if (w->handle == ancestor)
            return true;
    return false;
}

bool matches(const MSG& msg, HWND filter, UINT low, UINT high) {
    if (filter && !isAncestorOrSelf(filter, msg.hwnd))
        return false;
    if (low == 0 && high == 0)
        return true;
    return msg.message >= low && msg.message <= high;
}

WPARAM mouseKeyState() {
    WPARAM state = 0;
    if (queue().leftDown)
        state |= MK_LBUTTON;
    if (queue().rightDown)
        state |= MK_RBUTTON;
    return state;
}

HWND hitWindow(HWND hwnd, POINT client, POINT screen);

// The topmost child under the point that takes mouse input, searching beneath transparent and
// disabled windows.
HWND hitChild(HWND parent, POINT client, POINT screen) {
    Window* p = findWindow(parent);
    if (!p)
        return nullptr;
    std::vector<HWND> children = p->children;
    for (HWND c : children) {
        Window* w = findWindow(c);
        if (!w || !(w->style & WS_VISIBLE) || (w->style & WS_DISABLED))
            continue;
        if (!pointInRect(w->rect, client.x, client.y))
            continue;
        POINT inner{client.x - w->rect.left - w->frame.left, client.y - w->rect.top - w->frame.top};
        if (HWND found = hitWindow(c, inner, screen))
            return found;
    }
    return nullptr;
}

HWND hitWindow(HWND hwnd, POINT client, POINT screen) {
    Window* w = findWindow(hwnd);
    if (!w)
        return nullptr;
    if (pointInRect(clientRect(*w), client.x, client.y))
        if (HWND found = hitChild(hwnd, client, screen))
            return found;
    if (SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)) == HTTRANSPARENT)
        return nullptr;
    return findWindow(hwnd) ? hwnd : nullptr;
}

HWND topLevelAt(POINT screen) {
    const auto& order = topLevelOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        Window* w = findWindow(*it);
        if (w && (w->style & WS_VISIBLE) && !w->minimized && pointInRect(w->rect, screen.x, screen.y))
            return *it;
    }
    return nullptr;
}

// The window under a screen point that takes a press, or null (a disabled top level, a frame).
HWND windowForPress(POINT screen) {
    HWND top = topLevelAt(screen);
    Window* w = findWindow(top);
    if (!w || (w->style & WS_DISABLED))
        return nullptr;
    POINT origin = clientOriginOnScreen(top);
    POINT client{screen.x - origin.x, screen.y - origin.y};
    if (!pointInRect(clientRect(*w), client.x, client.y))
        return nullptr;
    return hitWindow(top, client, screen);
}

MSG mouseMessage(HWND hwnd, UINT message, const InputEvent& e) {
    POINT origin = clientOriginOnScreen(hwnd);
    int x = e.screen.x - origin.x;
    int y = e.screen.y - origin.y;
    return MSG{hwnd, message, mouseKeyState(), MAKELPARAM(x, y), e.time, e.screen};
}

bool isPress(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

UINT doubleClickOf(UINT message) {
    return message == WM_LBUTTONDOWN ? WM_LBUTTONDBLCLK : WM_RBUTTONDBLCLK;
}

// WM_PARENTNOTIFY for a press: every ancestor, nearest first, with the point in its own client
// coordinates.
void notifyPress(HWND hwnd, UINT press, POINT screen) {
    Window* w = findWindow(hwnd);
    if (!w || !(w->style & WS_CHILD))
        return;
    HWND parent = w->parent;
    while (findWindow(parent)) {
        POINT origin = clientOriginOnScreen(parent);
        SendMessageA(parent, WM_PARENTNOTIFY, MAKEWPARAM(press, 0),
                     MAKELPARAM(screen.x - origin.x, screen.y - origin.y));
        Window* p = findWindow(parent);
        if (!p || !(p->style & WS_CHILD))
            break;
        parent = p->parent;
    }
}

bool routeButton(const InputEvent& e, MSG& out) {
    Queue& q = queue();
    bool press = isPress(e.message);
    if (e.message == WM_LBUTTONDOWN)
        q.leftDown = true;
    if (e.message == WM_RBUTTONDOWN)
        q.rightDown = true;
    if (e.message == WM_LBUTTONUP)
        q.leftDown = false;
    if (e.message == WM_RBUTTONUP)
        q.rightDown = false;
    HWND capture = GetCapture();
    HWND target = capture ? capture : windowForPress(e.screen);
    if (!target)
        return false;
    if (press) {
        HWND top = topLevelOf(target);
        if (top != GetActiveWindow() && reallyEnabled(top))
            SetActiveWindow(top);
        if (!findWindow(target))
            return false;
    }
    UINT message = e.message;
    if (press && message != WM_MBUTTONDOWN) {
        Window* w = findWindow(target);
        LastPress& last = q.lastPress;
        bool dbl = (w->cls->style & CS_DBLCLKS) && last.hwnd == target && last.message == message &&
                   e.time - last.time <= DoubleClickTime &&
                   std::abs(e.screen.x - last.screen.x) <= DoubleClickHalfWidth &&
                   std::abs(e.screen.y - last.screen.y) <= DoubleClickHalfWidth;
        if (dbl) {
            message = doubleClickOf(message);
            last = LastPress{};
        } else {
            last = LastPress{target, message, e.screen, e.time};
        }
    }
    if (press)
        notifyPress(target, e.message, e.screen);
    if (!findWindow(target))
        return false;
    out = mouseMessage(target, message, e);
    return true;
}

bool routeInput(const InputEvent& e, MSG& out) {
    queue().cursor = e.screen;
    switch (e.kind) {
    case InputKind::MouseButton: return routeButton(e, out);
    case InputKind::MouseMove: {
        HWND capture = GetCapture();
        HWND target = capture ? capture : windowForPress(e.screen);
        if (!target)
            return false;
        out = mouseMessage(target, WM_MOUSEMOVE, e);
        return true;
    }
    case InputKind::Key:
    case InputKind::Char: {
        HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
        if (!target || !reallyEnabled(topLevelOf(target)))
            return false;
        if (e.kind == InputKind::Key)
            out = MSG{target,
                      e.down ? (UINT)WM_KEYDOWN : (UINT)WM_KEYUP,
                      (WPARAM)e.virtualKey,
                      e.down ? 1 : (LPARAM)0xC0000001,
                      e.time,
                      queue().cursor};
        else
            out = MSG{target, WM_CHAR, (WPARAM)e.character, 1, e.time, queue().cursor};
        return true;
    }
    case InputKind::Close: {
        Window* w = findWindow(e.target);
        if (!w || (w->style & WS_DISABLED))
            return false;
        out = MSG{e.target, WM_CLOSE, 0, 0, e.time, queue().cursor};
        return true;
    }
    }
    return false;
}

// The next message for a loop, or false when it would have to wait.
bool takeMessage(MSG& msg, HWND filter, UINT low, UINT high, bool remove) {
    Queue& q = queue();
    for (auto it = q.posted.begin(); it != q.posted.end(); ++it) {
        if (!matches(*it, filter, low, high))
            continue;
        msg = *it;
        if (remove)
            q.posted.erase(it);
        return true;
    }
    if (q.quitPending && filter == nullptr) {
        msg = MSG{nullptr, WM_QUIT, (WPARAM)q.quitCode, 0, backend().tickCount(), q.cursor};
        if (remove)
            q.quitPending = false;
        return true;
    }
    while (!q.input.empty()) {
        InputEvent e = q.input.front();
        q.input.pop_front();
        MSG routed{};
        if (!routeInput(e, routed))
            continue;
        if (remove && matches(routed, filter, low, high)) {
            msg = routed;
            return true;
        }
        queue().posted.push_front(routed);
        return takeMessage(msg, filter, low, high, remove);
    }
    if (low == 0 || (low <= WM_PAINT && high >= WM_PAINT)) {
        if (HWND hwnd = windowToPaint(filter)) {
            msg = MSG{hwnd, WM_PAINT, 0, 0, backend().tickCount(), q.cursor};
            return true;
        }
    }
    return false;
}

void pushInput(InputEvent e) {
    e.time = backend().tickCount();
    queue().input.push_back(e);
}

} // namespace

void forgetWindowForInput(HWND hwnd) {
    if (queue().lastPress.hwnd == hwnd)
        queue().lastPress = LastPress{};
}

void injectMouseButton(int screenX, int screenY, UINT message) {
    pushInput(InputEvent{InputKind::MouseButton, message, POINT{screenX, screenY}, 0, false, 0, nullptr, 0});
}

void injectMouseMove(int screenX, int screenY) {
    pushInput(
        InputEvent{InputKind::MouseMove, WM_MOUSEMOVE, POINT{screenX, screenY}, 0, false, 0, nullptr, 0});
}

void injectKey(int virtualKey, bool down) {
    pushInput(InputEvent{InputKind::Key, 0, queue().cursor, virtualKey, down, 0, nullptr, 0});
}

void injectChar(unsigned char windowsLatinChar) {
    pushInput(InputEvent{InputKind::Char, WM_CHAR, queue().cursor, 0, false, windowsLatinChar, nullptr, 0});
}

void injectClose(HWND topLevel) {
    pushInput(InputEvent{InputKind::Close, WM_CLOSE, queue().cursor, 0, false, 0, topLevel, 0});
}

} // namespace layer

using namespace layer;

BOOL GetMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    if (msg == nullptr)
        return -1;
    for (;;) {
        if (takeMessage(*msg, hwnd, filterMin, filterMax, true))
            return msg->message != WM_QUIT;
        presentChanges();
        backend().waitForInput();
    }
}

BOOL PeekMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeMsg) {
    if (msg == nullptr)
        return FALSE;
    return takeMessage(*msg, hwnd, filterMin, filterMax, (removeMsg & PM_REMOVE) != 0) ? TRUE : FALSE;
}

BOOL TranslateMessage(const MSG* msg) {
    if (msg == nullptr || msg->message != WM_KEYDOWN)
        return FALSE;
    WPARAM character = 0;
    switch (msg->wParam) {
    case VK_BACK: character = 0x08; break;
    case VK_TAB: character = 0x09; break;
    case VK_RETURN: character = 0x0D; break;
    case VK_ESCAPE: character = 0x1B; break;
    default: return TRUE;
    }
    queue().posted.push_front(MSG{msg->hwnd, WM_CHAR, character, msg->lParam, msg->time, msg->pt});
    return TRUE;
}

LRESULT DispatchMessageA(const MSG* msg) {
    if (msg == nullptr || !findWindow(msg->hwnd))
        return 0;
    return SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = findWindow(hwnd);
    if (!w || !w->proc)
        return 0;
    WNDPROC proc = w->proc;
    return proc(hwnd, message, wParam, lParam);
}

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return proc ? proc(hwnd, message, wParam, lParam) : 0;
}

BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (hwnd && !findWindow(hwnd))
        return FALSE;
    queue().posted.push_back(MSG{hwnd, message, wParam, lParam, backend().tickCount(), queue().cursor});
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    queue().quitPending = true;
    queue().quitCode = exitCode;
}

namespace {

LRESULT defaultHitTest(HWND hwnd, LPARAM lParam) {
    Window* w = findWindow(hwnd);
    if (!w)
        return HTNOWHERE;
    POINT screen{(short)LOWORD(lParam), (short)HIWORD(lParam)};
    POINT origin = clientOriginOnScreen(hwnd);
    RECT client = clientRect(*w);
    if (pointInRect(client, screen.x - origin.x, screen.y - origin.y))
        return HTCLIENT;
    if (w->parent == nullptr && w->frame.top > w->frame.left) {
        int y = screen.y - w->rect.top;
        if (y >= w->frame.left && y < w->frame.top)
            return HTCAPTION;
    }
    return HTNOWHERE;
}

LRESULT eraseBackground(HWND hwnd, HDC dc) {
    Window* w = findWindow(hwnd);
    if (!w || !w->cls->background)
        return 0;
    RECT r = clientRect(*w);
    FillRect(dc, &r, w->cls->background);
    return 1;
}

bool focusInside(HWND hwnd) {
    for (Window* w = findWindow(GetFocus()); w; w = findWindow(w->parent))
        if (w->handle == hwnd)
            return true;
    return false;
}

} // namespace

LRESULT DefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE: return TRUE;
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_ERASEBKGND: return eraseBackground(hwnd, (HDC)wParam);
    case WM_NCHITTEST: return defaultHitTest(hwnd, lParam);
    case WM_PAINT: {
        PAINTSTRUCT ps;
        if (BeginPaint(hwnd, &ps))
            EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != 0 && !focusInside(hwnd))
            SetFocus(hwnd);
        return 0;
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_SETTEXT: return defaultTextMessage(hwnd, message, wParam, lParam);
    default: return 0;
    }
}
