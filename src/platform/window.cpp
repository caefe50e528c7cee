// Window classes and the window tree: creation and destruction, styles, text, ids, positions,
// visibility, enabled state, activation, focus and capture.
#include "platform/backend.h"
#include "platform/controls.h"
#include "platform/gdi_internal.h"
#include "platform/hook.h"
#include "platform/window_internal.h"

#include <algorithm>
#include <cairo.h>
#include <cstring>
#include <map>
#include <memory>
#include <strings.h>

namespace layer {
namespace {

constexpr int FrameWidth = 3;
constexpr int CaptionHeight = 19;
constexpr std::uintptr_t FirstHandle = 0x10010;
constexpr std::uintptr_t HandleStep = 4;

struct WindowTree {
    std::vector<std::unique_ptr<WindowClass>> classes;
    std::map<std::uintptr_t, std::unique_ptr<Window>> windows;
    std::vector<HWND> topLevels; // bottom of the z-order first
    std::uintptr_t nextHandle = FirstHandle;
    HWND active = nullptr;
    HWND focus = nullptr;
    HWND capture = nullptr;
};

// Never destroyed: windows and their surfaces stay valid for whatever runs at exit (a script
// error ends the program from inside a message loop).
WindowTree& tree() {
    static WindowTree* t = new WindowTree;
    return *t;
}

void ensureBuiltinClasses() {
    static bool registering = false;
    static bool done = false;
    if (done || registering)
        return;
    registering = true;
    registerBuiltinControls();
    registering = false;
    done = true;
}

const WindowClass* findClass(LPCSTR name) {
    if (name == nullptr)
        return nullptr;
    for (const auto& c : tree().classes)
        if (strcasecmp(c->name.c_str(), name) == 0)
            return c.get();
    return nullptr;
}

bool isTopLevel(const Window& w) {
    return w.parent == nullptr;
}

RECT frameFor(DWORD style, bool topLevel) {
    if (!topLevel)
        return (style & WS_BORDER) ? RECT{1, 1, 1, 1} : RECT{0, 0, 0, 0};
    bool popup = (style & WS_POPUP) != 0;
    bool caption = !popup || (style & WS_CAPTION) == WS_CAPTION;
    bool framed = caption || (style & (WS_DLGFRAME | WS_THICKFRAME)) != 0;
    if (!framed)
        return (style & WS_BORDER) ? RECT{1, 1, 1, 1} : RECT{0, 0, 0, 0};
    return RECT{FrameWidth, FrameWidth + (caption ? CaptionHeight : 0), FrameWidth, FrameWidth};
}

void makeSurface(Window& w) {
    if (w.surface)
        cairo_surface_destroy(w.surface);
    int width = std::max<LONG>(1, w.rect.right - w.rect.left);
    int height = std::max<LONG>(1, w.rect.bottom - w.rect.top);
    w.surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    w.frameDirty = true;
}

// Owned windows stay above their owners: raising a window raises what it owns with it.
void raiseTopLevel(HWND hwnd) {
    auto& order = tree().topLevels;
    auto it = std::find(order.begin(), order.end(), hwnd);
    if (it == order.end())
        return;
    order.erase(it);
    order.push_back(hwnd);
    std::vector<HWND> owned;
    for (HWND h : order)
        if (Window* w = findWindow(h); w && w->owner == hwnd)
            owned.push_back(h);
    for (HWND h : owned)
        raiseTopLevel(h);
}

void invalidateUnder(Window& w) {
    RECT outer = w.rect;
    if (w.parent) {
        invalidateTree(w.parent, outer, true);
    } else {
        backend().topLevelChanged(w.handle);
    }
}

void activate(HWND hwnd) {
    HWND previous = tree().active;
    if (previous == hwnd)
        return;
    tree().active = hwnd;
    if (Window* p = findWindow(previous)) {
        p->frameDirty = true;
        SendMessageA(previous, WM_ACTIVATE, 0, (LPARAM)hwnd);
    }
    if (Window* w = findWindow(hwnd)) {
        w->frameDirty = true;
        raiseTopLevel(hwnd);
        backend().topLevelChanged(hwnd);
        SendMessageA(hwnd, WM_ACTIVATE, 1, (LPARAM)previous);
    }
}

bool isInside(HWND hwnd, HWND ancestor) {
    for (Window* w = findWindow(hwnd); w; w = findWindow(w->parent))
        if (w->handle == ancestor)
            return true;
    return false;
}

void destroyRecord(HWND hwnd) {
    Window* w = findWindow(hwnd);
    if (!w)
        return;
    std::vector<HWND> children = w->children;
    for (HWND c : children)
        destroyRecord(c);
    w = findWindow(hwnd);
    if (!w)
        return;
    if (w->parent) {
        if (Window* p = findWindow(w->parent)) {
            auto& sib = p->children;
            sib.erase(std::remove(sib.begin(), sib.end(), hwnd), sib.end());
        }
    } else {
        auto& order = tree().topLevels;
        order.erase(std::remove(order.begin(), order.end(), hwnd), order.end());
    }
    if (w->surface)
        cairo_surface_destroy(w->surface);
    forgetWindowForInput(hwnd);
    tree().windows.erase((std::uintptr_t)hwnd);
}

void sendDestroy(HWND hwnd) {
    SendMessageA(hwnd, WM_DESTROY, 0, 0);
    Window* w = findWindow(hwnd);
    if (!w)
        return;
    std::vector<HWND> children = w->children;
    for (HWND c : children)
        if (findWindow(c))
            sendDestroy(c);
}

void sendNcDestroy(HWND hwnd) {
    Window* w = findWindow(hwnd);
    if (!w)
        return;
    std::vector<HWND> children = w->children;
    for (HWND c : children)
        sendNcDestroy(c);
    SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
}

// WM_PARENTNOTIFY to every ancestor of a child, nearest first.
void notifyAncestors(HWND child, WPARAM wParam, LPARAM lParam) {
    Window* w = findWindow(child);
    if (!w || !(w->style & WS_CHILD))
        return;
    HWND parent = w->parent;
    while (Window* p = findWindow(parent)) {
        SendMessageA(parent, WM_PARENTNOTIFY, wParam, lParam);
        p = findWindow(parent);
        if (!p || !(p->style & WS_CHILD))
            break;
        parent = p->parent;
    }
}

LONG_PTR readExtra(const Window& w, int offset, std::size_t size) {
    if (offset < 0 || (std::size_t)offset + size > w.extra.size())
        return 0;
    LONG_PTR value = 0;
    if (size == sizeof(LONG)) {
        LONG v;
        std::memcpy(&v, w.extra.data() + offset, size);
        value = v;
    } else {
        std::memcpy(&value, w.extra.data() + offset, size);
    }
    return value;
}

LONG_PTR writeExtra(Window& w, int offset, std::size_t size, LONG_PTR value) {
    LONG_PTR old = readExtra(w, offset, size);
    if (offset < 0 || (std::size_t)offset + size > w.extra.size())
        return 0;
    if (size == sizeof(LONG)) {
        LONG v = (LONG)value;
        std::memcpy(w.extra.data() + offset, &v, size);
    } else {
        std::memcpy(w.extra.data() + offset, &value, size);
    }
    return old;
}

LONG_PTR getLong(HWND hwnd, int index, std::size_t size) {
    Window* w = findWindow(hwnd);
    if (!w)
        return 0;
    switch (index) {
    case GWL_WNDPROC: return (LONG_PTR)w->proc;
    case GWL_HINSTANCE: return (LONG_PTR)w->instance;
    case GWL_HWNDPARENT: return (LONG_PTR)(w->parent ? w->parent : w->owner);
    case GWL_ID: return w->id;
    case GWL_STYLE: return (LONG)w->style;
    case GWL_EXSTYLE: return (LONG)w->exStyle;
    case GWL_USERDATA: return w->userData;
    default: return readExtra(*w, index, size);
    }
}

LONG_PTR setLong(HWND hwnd, int index, LONG_PTR value, std::size_t size) {
    Window* w = findWindow(hwnd);
    if (!w)
        return 0;
    LONG_PTR old = getLong(hwnd, index, size);
    switch (index) {
    case GWL_WNDPROC: w->proc = (WNDPROC)value; break;
    case GWL_HINSTANCE: w->instance = (HINSTANCE)value; break;
    case GWL_ID: w->id = value; break;
    case GWL_STYLE: w->style = (DWORD)value; break;
    case GWL_EXSTYLE: w->exStyle = (DWORD)value; break;
    case GWL_USERDATA: w->userData = value; break;
    default: return writeExtra(*w, index, size, value);
    }
    return old;
}

} // namespace

// ---- Internal helpers ---------------------------------------------------------------------------

Window* findWindow(HWND hwnd) {
    if (hwnd == nullptr)
        return nullptr;
    auto& windows = tree().windows;
    auto it = windows.find((std::uintptr_t)hwnd);
    return it == windows.end() ? nullptr : it->second.get();
}

const std::vector<HWND>& topLevelOrder() {
    return tree().topLevels;
}

HWND topLevelOf(HWND hwnd) {
    Window* w = findWindow(hwnd);
    while (w && w->parent)
        w = findWindow(w->parent);
    return w ? w->handle : nullptr;
}

RECT clientRect(const Window& w) {
    LONG width = (w.rect.right - w.rect.left) - w.frame.left - w.frame.right;
    LONG height = (w.rect.bottom - w.rect.top) - w.frame.top - w.frame.bottom;
    return RECT{0, 0, std::max<LONG>(0, width), std::max<LONG>(0, height)};
}

POINT clientOriginInSurface(HWND hwnd) {
    POINT p{0, 0};
    for (Window* w = findWindow(hwnd); w; w = findWindow(w->parent)) {
        p.x += w->frame.left;
        p.y += w->frame.top;
        if (w->parent) {
            p.x += w->rect.left;
            p.y += w->rect.top;
        }
    }
    return p;
}

POINT clientOriginOnScreen(HWND hwnd) {
    POINT p = clientOriginInSurface(hwnd);
    if (Window* top = findWindow(topLevelOf(hwnd))) {
        p.x += top->rect.left;
        p.y += top->rect.top;
    }
    return p;
}

RECT visibleClientRect(HWND hwnd) {
    Window* w = findWindow(hwnd);
    if (!w || !reallyVisible(hwnd))
        return RECT{0, 0, 0, 0};
    RECT visible = clientRect(*w);
    POINT origin = clientOriginInSurface(hwnd);
    for (Window* a = findWindow(w->parent); a; a = findWindow(a->parent)) {
        POINT ao = clientOriginInSurface(a->handle);
        RECT ac = offsetRect(clientRect(*a), ao.x - origin.x, ao.y - origin.y);
        visible = intersectRects(visible, ac);
    }
    return visible;
}

bool reallyVisible(HWND hwnd) {
    for (Window* w = findWindow(hwnd); w; w = findWindow(w->parent))
        if (!(w->style & WS_VISIBLE) || w->minimized)
            return false;
    return findWindow(hwnd) != nullptr;
}

bool reallyEnabled(HWND hwnd) {
    for (Window* w = findWindow(hwnd); w; w = findWindow(w->parent))
        if (w->style & WS_DISABLED)
            return false;
    return findWindow(hwnd) != nullptr;
}

bool rectEmpty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

RECT intersectRects(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (rectEmpty(r))
        return RECT{0, 0, 0, 0};
    return r;
}

RECT unionRects(const RECT& a, const RECT& b) {
    if (rectEmpty(a))
        return b;
    if (rectEmpty(b))
        return a;
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

RECT offsetRect(const RECT& r, int dx, int dy) {
    return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

bool pointInRect(const RECT& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// ---- Classes ---------------------------------------------------------------------------------

} // namespace layer

using namespace layer;

ATOM RegisterClassExA(const WNDCLASSEXA* wc) {
    ensureBuiltinClasses();
    if (wc == nullptr || wc->lpszClassName == nullptr || wc->lpfnWndProc == nullptr)
        return 0;
    if (findClass(wc->lpszClassName))
        return 0;
    auto c = std::make_unique<WindowClass>();
    c->name = wc->lpszClassName;
    c->style = wc->style;
    c->proc = wc->lpfnWndProc;
    c->clsExtra = std::max(0, wc->cbClsExtra);
    c->wndExtra = std::max(0, wc->cbWndExtra);
    c->instance = wc->hInstance;
    c->background = wc->hbrBackground;
    tree().classes.push_back(std::move(c));
    return (ATOM)(0xC000 + tree().classes.size() - 1);
}

int GetClassNameA(HWND hwnd, LPSTR buffer, int size) {
    Window* w = findWindow(hwnd);
    if (!w || buffer == nullptr || size <= 0)
        return 0;
    int n = std::min<int>(size - 1, (int)w->cls->name.size());
    std::memcpy(buffer, w->cls->name.data(), n);
    buffer[n] = '\0';
    return n;
}

// ---- Creation and destruction ----------------------------------------------------------------

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    ensureBuiltinClasses();
    const WindowClass* cls = findClass(className);
    if (!cls)
        return nullptr;
    bool child = (style & WS_CHILD) != 0;
    if (child && !findWindow(parent))
        return nullptr;
    if (parent && !findWindow(parent))
        return nullptr;

    auto record = std::make_unique<Window>();
    Window& w = *record;
    w.handle = (HWND)tree().nextHandle;
    tree().nextHandle += HandleStep;
    w.cls = cls;
    w.parent = child ? parent : nullptr;
    w.owner = child ? nullptr : topLevelOf(parent);
    w.style = style & ~(DWORD)WS_VISIBLE;
    w.exStyle = exStyle;
    w.text = windowName ? windowName : "";
    w.id = child ? (LONG_PTR)menu : 0;
    w.instance = instance;
    w.proc = cls->proc;
    w.extra.assign(cls->wndExtra, 0);
    w.frame = frameFor(style, !child);
    if (width == CW_USEDEFAULT)
        width = child ? 0 : 640, height = child ? 0 : 480;
    width = std::max(0, width);
    height = std::max(0, height);
    if (x == CW_USEDEFAULT) {
        if (child) {
            x = 0, y = 0;
        } else {
            POINT p = backend().defaultPosition(width, height);
            x = p.x, y = p.y;
        }
    }
    w.rect = RECT{x, y, x + width, y + height};
    HWND hwnd = w.handle;
    tree().windows[(std::uintptr_t)hwnd] = std::move(record);
    if (child)
        findWindow(parent)->children.push_back(hwnd);
    else
        tree().topLevels.push_back(hwnd);

    CREATESTRUCTA cs{param, instance, menu,        parent,     height,    width,
                     y,     x,        (LONG)style, windowName, className, exStyle};
    CBT_CREATEWNDA cbt{&cs, nullptr};
    if (callCbtHooks(HCBT_CREATEWND, (WPARAM)hwnd, (LPARAM)&cbt) != 0) {
        destroyRecord(hwnd);
        return nullptr;
    }
    if (!child)
        makeSurface(*findWindow(hwnd));
    if (SendMessageA(hwnd, WM_NCCREATE, 0, (LPARAM)&cs) == 0) {
        destroyRecord(hwnd);
        return nullptr;
    }
    if (!findWindow(hwnd))
        return nullptr;
    if (SendMessageA(hwnd, WM_CREATE, 0, (LPARAM)&cs) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (!findWindow(hwnd))
        return nullptr;
    if (child)
        notifyAncestors(hwnd, MAKEWPARAM(WM_CREATE, (WORD)(std::uintptr_t)menu), (LPARAM)hwnd);
    if ((style & WS_VISIBLE) && findWindow(hwnd))
        ShowWindow(hwnd, (style & WS_MINIMIZE) ? SW_SHOWMINIMIZED : SW_SHOW);
    return findWindow(hwnd) ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hwnd) {
    Window* w = findWindow(hwnd);
    if (!w)
        return FALSE;
    if (w->destroying)
        return TRUE;
    if (callCbtHooks(HCBT_DESTROYWND, (WPARAM)hwnd, 0) != 0)
        return FALSE;
    w = findWindow(hwnd);
    if (!w)
        return TRUE;
    w->destroying = true;
    bool topLevel = isTopLevel(*w);
    HWND owner = w->owner;
    std::vector<HWND> owned;
    for (HWND h : tree().topLevels)
        if (Window* o = findWindow(h); o && o->owner == hwnd)
            owned.push_back(h);
    for (HWND h : owned)
        DestroyWindow(h);

    if (!topLevel)
        notifyAncestors(hwnd, MAKEWPARAM(WM_DESTROY, (WORD)w->id), (LPARAM)hwnd);
    w = findWindow(hwnd);
    if (!w)
        return TRUE;
    if (w->style & WS_VISIBLE) {
        w->style &= ~(DWORD)WS_VISIBLE;
        if (!topLevel)
            invalidateUnder(*w);
    }
    bool wasActive = tree().active == hwnd;
    if (tree().focus && isInside(tree().focus, hwnd))
        tree().focus = nullptr;
    if (tree().capture && isInside(tree().capture, hwnd))
        tree().capture = nullptr;
    sendDestroy(hwnd);
    sendNcDestroy(hwnd);
    if (tree().focus && isInside(tree().focus, hwnd))
        tree().focus = nullptr;
    destroyRecord(hwnd);
    if (tree().active == hwnd || wasActive) {
        tree().active = nullptr;
        Window* o = findWindow(owner);
        if (o && (o->style & WS_VISIBLE))
            activate(owner);
    }
    if (topLevel)
        backend().topLevelChanged(hwnd);
    return TRUE;
}

BOOL IsWindow(HWND hwnd) {
    return findWindow(hwnd) != nullptr;
}

// ---- Visibility, enabled state, activation -----------------------------------------------------

BOOL ShowWindow(HWND hwnd, int cmdShow) {
    Window* w = findWindow(hwnd);
    if (!w)
        return FALSE;
    BOOL wasVisible = (w->style & WS_VISIBLE) != 0;
    bool topLevel = isTopLevel(*w);
    if (cmdShow == SW_HIDE) {
        if (!wasVisible)
            return FALSE;
        SendMessageA(hwnd, WM_SHOWWINDOW, FALSE, 0);
        if (!(w = findWindow(hwnd)))
            return wasVisible;
        w->style &= ~(DWORD)WS_VISIBLE;
        if (tree().focus && isInside(tree().focus, hwnd))
            tree().focus = nullptr;
        invalidateUnder(*w);
        if (topLevel && tree().active == hwnd) {
            tree().active = nullptr;
            if (Window* o = findWindow(w->owner); o && (o->style & WS_VISIBLE))
                activate(w->owner);
        }
        return wasVisible;
    }
    bool minimize = cmdShow == SW_SHOWMINIMIZED || cmdShow == SW_MINIMIZE || cmdShow == SW_SHOWMINNOACTIVE;
    bool activateIt = topLevel && cmdShow != SW_SHOWNA && cmdShow != SW_SHOWNOACTIVATE &&
                      cmdShow != SW_SHOWMINNOACTIVE && cmdShow != SW_MINIMIZE;
    if (!wasVisible)
        SendMessageA(hwnd, WM_SHOWWINDOW, TRUE, 0);
    if (!(w = findWindow(hwnd)))
        return wasVisible;
    bool changed = !wasVisible || w->minimized != minimize;
    w->style |= WS_VISIBLE;
    if (topLevel)
        w->minimized = minimize;
    if (changed) {
        if (topLevel)
            w->frameDirty = true;
        invalidateTree(hwnd, clientRect(*w), true);
        if (topLevel)
            backend().topLevelChanged(hwnd);
    }
    if (activateIt && !minimize)
        activate(hwnd);
    return wasVisible;
}

BOOL UpdateWindow(HWND hwnd) {
    Window* w = findWindow(hwnd);
    if (!w)
        return FALSE;
    if (w->invalid && reallyVisible(hwnd))
        SendMessageA(hwnd, WM_PAINT, 0, 0);
    return TRUE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    Window* w = findWindow(hwnd);
    if (!w)
        return FALSE;
    BOOL wasDisabled = (w->style & WS_DISABLED) != 0;
    if (wasDisabled == !enable)
        return wasDisabled;
    if (enable) {
        w->style &= ~(DWORD)WS_DISABLED;
    } else {
        w->style |= WS_DISABLED;
        if (tree().focus && isInside(tree().focus, hwnd) && !isTopLevel(*w))
            SetFocus(nullptr);
        if (tree().capture && isInside(tree().capture, hwnd))
            tree().capture = nullptr;
    }
    SendMessageA(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
    if (Window* again = findWindow(hwnd); again && !isTopLevel(*again))
        invalidateTree(hwnd, clientRect(*again), true);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
    Window* w = findWindow(hwnd);
    return w && !(w->style & WS_DISABLED);
}

// A minimized window still counts as visible, as on the platform; it only does not paint.
BOOL IsWindowVisible(HWND hwnd) {
    for (Window* w = findWindow(hwnd); w; w = findWindow(w->parent))
        if (!(w->style & WS_VISIBLE))
            return FALSE;
    return findWindow(hwnd) != nullptr;
}

HWND GetActiveWindow() {
    return tree().active;
}

HWND SetActiveWindow(HWND hwnd) {
    HWND previous = tree().active;
    HWND top = topLevelOf(hwnd);
    if (top)
        activate(top);
    return previous;
}

HWND SetFocus(HWND hwnd) {
    HWND previous = tree().focus;
    if (hwnd == previous)
        return previous;
    if (hwnd && !findWindow(hwnd))
        return nullptr;
    if (hwnd) {
        HWND top = topLevelOf(hwnd);
        if (top != tree().active)
            activate(top);
        previous = tree().focus;
        if (previous == hwnd)
            return previous;
    }
    tree().focus = hwnd;
    if (findWindow(previous))
        SendMessageA(previous, WM_KILLFOCUS, (WPARAM)hwnd, 0);
    if (hwnd && findWindow(hwnd) && tree().focus == hwnd)
        SendMessageA(hwnd, WM_SETFOCUS, (WPARAM)previous, 0);
    return previous;
}

HWND GetFocus() {
    return tree().focus;
}

HWND SetCapture(HWND hwnd) {
    HWND previous = tree().capture;
    tree().capture = findWindow(hwnd) ? hwnd : nullptr;
    return previous;
}

BOOL ReleaseCapture() {
    tree().capture = nullptr;
    return TRUE;
}

HWND GetCapture() {
    return tree().capture;
}

// ---- The tree -----------------------------------------------------------------------------------

HWND GetParent(HWND hwnd) {
    Window* w = findWindow(hwnd);
    if (!w)
        return nullptr;
    if (w->parent)
        return w->parent;
    return (w->style & WS_POPUP) ? w->owner : nullptr;
}

HWND GetWindow(HWND hwnd, UINT cmd) {
    Window* w = findWindow(hwnd);
    if (!w)
        return nullptr;
    if (cmd == GW_OWNER)
        return w->owner;
    if (cmd == GW_CHILD)
        return w->children.empty() ? nullptr : w->children.front();
    // Siblings, top of the z-order first.
    std::vector<HWND> siblings;
    if (Window* p = findWindow(w->parent))
        siblings = p->children;
    else
        siblings.assign(tree().topLevels.rbegin(), tree().topLevels.rend());
    auto it = std::find(siblings.begin(), siblings.end(), hwnd);
    switch (cmd) {
    case GW_HWNDFIRST: return siblings.front();
    case GW_HWNDLAST: return siblings.back();
    case GW_HWNDNEXT: return (it == siblings.end() || it + 1 == siblings.end()) ? nullptr : *(it + 1);
    case GW_HWNDPREV: return (it == siblings.end() || it == siblings.begin()) ? nullptr : *(it - 1);
    default: return nullptr;
    }
}

HWND GetDlgItem(HWND parent, int id) {
    Window* p = findWindow(parent);
    if (!p)
        return nullptr;
    for (HWND c : p->children)
        if (Window* w = findWindow(c); w && w->id == id)
            return c;
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
    Window* w = findWindow(hwnd);
    return w ? (int)w->id : 0;
}

HWND ChildWindowFromPoint(HWND parent, POINT point) {
    Window* p = findWindow(parent);
    if (!p)
        return nullptr;
    RECT outer = offsetRect(RECT{0, 0, p->rect.right - p->rect.left, p->rect.bottom - p->rect.top},
                            -p->frame.left, -p->frame.top);
    if (!pointInRect(outer, point.x, point.y))
        return nullptr;
    // Every child counts, hidden and disabled ones too, over its whole rectangle.
    for (HWND c : p->children)
        if (Window* w = findWindow(c); w && pointInRect(w->rect, point.x, point.y))
            return c;
    return parent;
}

// ---- Long values and text ---------------------------------------------------------------------

LONG GetWindowLongA(HWND hwnd, int index) {
    return (LONG)getLong(hwnd, index, sizeof(LONG));
}
LONG SetWindowLongA(HWND hwnd, int index, LONG value) {
    return (LONG)setLong(hwnd, index, value, sizeof(LONG));
}
LONG_PTR GetWindowLongPtrA(HWND hwnd, int index) {
    return getLong(hwnd, index, sizeof(LONG_PTR));
}
LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) {
    return setLong(hwnd, index, value, sizeof(LONG_PTR));
}

int GetWindowTextA(HWND hwnd, LPSTR buffer, int size) {
    if (!findWindow(hwnd) || buffer == nullptr || size <= 0)
        return 0;
    buffer[0] = '\0';
    return (int)SendMessageA(hwnd, WM_GETTEXT, (WPARAM)size, (LPARAM)buffer);
}

int GetWindowTextLengthA(HWND hwnd) {
    if (!findWindow(hwnd))
        return 0;
    return (int)SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0);
}

BOOL SetWindowTextA(HWND hwnd, LPCSTR text) {
    if (!findWindow(hwnd))
        return FALSE;
    return SendMessageA(hwnd, WM_SETTEXT, 0, (LPARAM)text) ? TRUE : FALSE;
}

namespace layer {
// DefWindowProcA's share of the text messages.
LRESULT defaultTextMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = findWindow(hwnd);
    if (!w)
        return 0;
    switch (message) {
    case WM_GETTEXT: {
        char* buffer = (char*)lParam;
        int size = (int)wParam;
        if (buffer == nullptr || size <= 0)
            return 0;
        int n = std::min<int>(size - 1, (int)w->text.size());
        std::memcpy(buffer, w->text.data(), n);
        buffer[n] = '\0';
        return n;
    }
    case WM_GETTEXTLENGTH: return (LRESULT)w->text.size();
    case WM_SETTEXT:
        w->text = lParam ? (const char*)lParam : "";
        if (isTopLevel(*w)) {
            w->frameDirty = true;
            backend().topLevelChanged(hwnd);
        }
        return TRUE;
    default: return 0;
    }
}
} // namespace layer

// ---- Positions --------------------------------------------------------------------------------

BOOL GetWindowRect(HWND hwnd, LPRECT rect) {
    Window* w = findWindow(hwnd);
    if (!w || !rect)
        return FALSE;
    if (isTopLevel(*w)) {
        *rect = w->rect;
    } else {
        POINT o = clientOriginOnScreen(w->parent);
        *rect = offsetRect(w->rect, o.x, o.y);
    }
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect) {
    Window* w = findWindow(hwnd);
    if (!w || !rect)
        return FALSE;
    *rect = clientRect(*w);
    return TRUE;
}

BOOL SetWindowPos(HWND hwnd, HWND, int x, int y, int cx, int cy, UINT flags) {
    // The z-order argument is not honoured: owned windows always stay above their owners.
    Window* w = findWindow(hwnd);
    if (!w)
        return FALSE;
    RECT old = w->rect;
    RECT r = w->rect;
    if (!(flags & SWP_NOMOVE))
        r = offsetRect(r, x - r.left, y - r.top);
    if (!(flags & SWP_NOSIZE))
        r.right = r.left + std::max(0, cx), r.bottom = r.top + std::max(0, cy);
    bool moved = r.left != old.left || r.top != old.top;
    bool sized = (r.right - r.left) != (old.right - old.left) || (r.bottom - r.top) != (old.bottom - old.top);
    bool topLevel = isTopLevel(*w);
    if ((moved || sized) && !topLevel && (w->style & WS_VISIBLE))
        invalidateUnder(*w);
    w->rect = r;
    if (sized && topLevel)
        makeSurface(*w);
    if (flags & SWP_FRAMECHANGED && topLevel)
        w->frameDirty = true;
    if ((moved || sized) && (w->style & WS_VISIBLE))
        invalidateTree(hwnd, clientRect(*w), true);
    if (topLevel && (moved || sized || (flags & SWP_FRAMECHANGED)))
        backend().topLevelChanged(hwnd);
    if (sized) {
        RECT c = clientRect(*w);
        SendMessageA(hwnd, WM_SIZE, 0, MAKELPARAM(c.right, c.bottom));
    }
    if (moved && findWindow(hwnd))
        SendMessageA(hwnd, WM_MOVE, 0, 0);
    if (flags & SWP_SHOWWINDOW)
        ShowWindow(hwnd, SW_SHOWNA);
    if (flags & SWP_HIDEWINDOW)
        ShowWindow(hwnd, SW_HIDE);
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL) {
    return SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER);
}

BOOL ClientToScreen(HWND hwnd, LPPOINT point) {
    if (!findWindow(hwnd) || !point)
        return FALSE;
    POINT o = clientOriginOnScreen(hwnd);
    point->x += o.x;
    point->y += o.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT point) {
    if (!findWindow(hwnd) || !point)
        return FALSE;
    POINT o = clientOriginOnScreen(hwnd);
    point->x -= o.x;
    point->y -= o.y;
    return TRUE;
}

// ---- The backends' view -----------------------------------------------------------------------

int layer::topLevelWindows(TopLevelView* out, int max) {
    int n = 0;
    for (HWND h : tree().topLevels) {
        Window* w = findWindow(h);
        if (!w || !(w->style & WS_VISIBLE))
            continue;
        if (n >= max)
            break;
        out[n++] = TopLevelView{h,
                                (int)w->rect.left,
                                (int)w->rect.top,
                                (int)(w->rect.right - w->rect.left),
                                (int)(w->rect.bottom - w->rect.top),
                                w->surface,
                                true,
                                w->minimized,
                                !(w->style & WS_DISABLED)};
    }
    return n;
}
