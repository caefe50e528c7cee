// MessageBoxA: a modal box owned by a top-level window, sized to its text, with OK (and Cancel)
// buttons, answered by a click, ENTER, ESCAPE or the close box while a nested message loop keeps
// every other window painting.
#include "platform/backend.h"
#include "platform/controls_internal.h"
#include "platform/hook.h"

#include <algorithm>
#include <unordered_map>

namespace layer {

namespace {

constexpr int Margin = 12; // around the text and the buttons
constexpr int TextTop = 10;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 23;
constexpr int ButtonGap = 10;
constexpr int TextToButtons = 12;
constexpr int ReadableTextWidth = 480; // where long lines wrap unless the box would be too tall
constexpr int CaptionAllowance = 60;   // room beside the title for the close box

struct BoxState {
    std::vector<std::string> lines;
    int lineHeight = 0;
    int escapeAnswer = IDOK;
    int result = 0;
    bool done = false;
};

std::unordered_map<HWND, BoxState*> boxStates;

// Boxes write in the GUI font, not in the bolder system font of the controls.
HFONT guiFont() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

BoxState* stateOf(HWND box) {
    auto found = boxStates.find(box);
    return found == boxStates.end() ? nullptr : found->second;
}

void finish(HWND box, int answer) {
    BoxState* state = stateOf(box);
    if (state != nullptr && !state->done) {
        state->result = answer;
        state->done = true;
        // The loop may be waiting for input; a message wakes it to see the answer.
        PostMessageA(box, WM_NULL, 0, 0);
    }
}

bool isInside(HWND box, HWND hwnd) {
    for (HWND h = hwnd; h != nullptr;
         h = (GetWindowLongA(h, GWL_STYLE) & WS_CHILD) != 0 ? GetParent(h) : nullptr) {
        if (h == box) {
            return true;
        }
    }
    return false;
}

// ENTER and ESCAPE answer the box whichever of its windows has the focus, as dialogs do.
bool handleDialogKey(HWND box, const MSG& msg) {
    if (msg.message != WM_KEYDOWN || !isInside(box, msg.hwnd)) {
        return false;
    }
    BoxState* state = stateOf(box);
    if (msg.wParam == VK_RETURN) {
        finish(box, IDOK);
        return true;
    }
    if (msg.wParam == VK_ESCAPE && state != nullptr) {
        finish(box, state->escapeAnswer);
        return true;
    }
    return false;
}

void paintBox(HWND box) {
    PAINTSTRUCT ps;
    HDC dc = beginControlPaint(box, ps, guiFont());
    if (dc == nullptr) {
        return;
    }
    RECT client = clientRectOf(box);
    fillSysColor(dc, client.left, client.top, client.right, client.bottom, COLOR_BTNFACE);
    if (const BoxState* state = stateOf(box)) {
        int y = TextTop;
        for (const std::string& line : state->lines) {
            drawLabel(dc, Margin, y, line, COLOR_WINDOWTEXT);
            y += state->lineHeight;
        }
    }
    EndPaint(box, &ps);
}

// The top-level window that owns a box: a child owner hands the ownership to its top level.
HWND topLevelOwner(HWND owner) {
    while (owner != nullptr && (GetWindowLongA(owner, GWL_STYLE) & WS_CHILD) != 0) {
        owner = GetParent(owner);
    }
    return owner;
}

struct Layout {
    int clientWidth = 0;
    int clientHeight = 0;
    int textWidth = 0;
};

int widestLine(HDC dc, const std::vector<std::string>& lines) {
    int widest = 0;
    for (const std::string& line : lines) {
        widest = std::max(widest, static_cast<int>(measureText(dc, line).cx));
    }
    return widest;
}

// Wraps the text at a readable width, wider when that would make the box taller than the screen,
// and as a last resort keeps only the lines the screen can hold.
Layout layOut(HWND box, const std::string& text, const std::string& caption, int buttons, SIZE frame,
              BoxState& state) {
    HDC dc = controlDc(box, guiFont());
    state.lineHeight = measureText(dc, std::string()).cy;
    int fixedHeight = TextTop + TextToButtons + ButtonHeight + Margin + frame.cy;
    int maxLines = std::max(1, (VirtualScreenHeight - fixedHeight) / std::max(1, state.lineHeight));
    int widestText = VirtualScreenWidth - frame.cx - 2 * Margin;
    state.lines = wrapText(dc, text, ReadableTextWidth);
    if (static_cast<int>(state.lines.size()) > maxLines) {
        state.lines = wrapText(dc, text, widestText);
    }
    if (static_cast<int>(state.lines.size()) > maxLines) {
        state.lines.resize(static_cast<size_t>(maxLines));
        state.lines.back() = "...";
    }
    Layout layout;
    layout.textWidth = widestLine(dc, state.lines);
    int captionWidth = measureText(dc, caption).cx + CaptionAllowance;
    ReleaseDC(box, dc);
    int buttonsWidth = buttons * ButtonWidth + (buttons - 1) * ButtonGap;
    layout.clientWidth = std::max({layout.textWidth, buttonsWidth, captionWidth}) + 2 * Margin;
    layout.clientWidth = std::min(layout.clientWidth, VirtualScreenWidth - frame.cx);
    layout.clientHeight = TextTop + static_cast<int>(state.lines.size()) * state.lineHeight + TextToButtons +
                          ButtonHeight + Margin;
    return layout;
}

// Centred over the owner (over the screen without one), kept on the screen.
POINT centredPosition(HWND owner, int width, int height) {
    RECT over{0, 0, VirtualScreenWidth, VirtualScreenHeight};
    if (owner != nullptr) {
        GetWindowRect(owner, &over);
    }
    int x = (over.left + over.right - width) / 2;
    int y = (over.top + over.bottom - height) / 2;
    x = std::max(0, std::min(x, VirtualScreenWidth - width));
    y = std::max(0, std::min(y, VirtualScreenHeight - height));
    return POINT{x, y};
}

void createButtons(HWND box, int buttons, const Layout& layout) {
    int buttonsWidth = buttons * ButtonWidth + (buttons - 1) * ButtonGap;
    int x = (layout.clientWidth - buttonsWidth) / 2;
    int y = layout.clientHeight - Margin - ButtonHeight;
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    HWND ok =
        CreateWindowExA(0, "Button", "OK", style | BS_DEFPUSHBUTTON, x, y, ButtonWidth, ButtonHeight, box,
                        reinterpret_cast<HMENU>(static_cast<std::intptr_t>(IDOK)), nullptr, nullptr);
    SendMessageA(ok, WM_SETFONT, reinterpret_cast<WPARAM>(guiFont()), FALSE);
    if (buttons == 2) {
        HWND cancel =
            CreateWindowExA(0, "Button", "Cancel", style | BS_PUSHBUTTON, x + ButtonWidth + ButtonGap, y,
                            ButtonWidth, ButtonHeight, box,
                            reinterpret_cast<HMENU>(static_cast<std::intptr_t>(IDCANCEL)), nullptr, nullptr);
        SendMessageA(cancel, WM_SETFONT, reinterpret_cast<WPARAM>(guiFont()), FALSE);
    }
}

// Runs messages until the box is answered or destroyed; a quit request ends the box and is passed
// on to the loop outside.
void runModalLoop(HWND box, BoxState& state) {
    MSG msg{};
    while (!state.done && IsWindow(box)) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            finish(box, state.escapeAnswer);
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got < 0) {
            finish(box, state.escapeAnswer);
            break;
        }
        if (handleDialogKey(box, msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

} // namespace

LRESULT CALLBACK messageBoxWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: paintBox(hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
            finish(hwnd, LOWORD(wParam));
        }
        return 0;
    case WM_KEYDOWN:
        // Keys sent straight to the box rather than through its loop.
        if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
            MSG msg{hwnd, message, wParam, lParam, 0, {0, 0}};
            handleDialogKey(hwnd, msg);
        }
        return 0;
    case WM_CLOSE:
        if (BoxState* state = stateOf(hwnd)) {
            finish(hwnd, state->escapeAnswer);
        }
        return 0;
    case WM_DESTROY:
        if (BoxState* state = stateOf(hwnd)) {
            finish(hwnd, state->escapeAnswer);
        }
        return 0;
    default: break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace layer

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    using namespace layer;
    UINT kind = type & MB_TYPEMASK;
    if (kind != MB_OK && kind != MB_OKCANCEL) {
        return 0;
    }
    if (owner != nullptr && !IsWindow(owner)) {
        return 0;
    }
    owner = topLevelOwner(owner);
    std::string body = text != nullptr ? text : "";
    std::string title = caption != nullptr ? caption : "Error";
    int buttons = kind == MB_OKCANCEL ? 2 : 1;

    HWND box = CreateWindowExA(WS_EX_DLGMODALFRAME, MessageBoxClassName, title.c_str(),
                               WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS, 0, 0, 200, 100, owner,
                               nullptr, nullptr, nullptr);
    if (box == nullptr) {
        return 0;
    }
    BoxState state;
    state.escapeAnswer = kind == MB_OKCANCEL ? IDCANCEL : IDOK;
    boxStates[box] = &state;

    RECT outer{}, client{};
    GetWindowRect(box, &outer);
    GetClientRect(box, &client);
    SIZE frame{(outer.right - outer.left) - client.right, (outer.bottom - outer.top) - client.bottom};
    Layout layout = layOut(box, body, title, buttons, frame, state);
    int width = layout.clientWidth + frame.cx;
    int height = layout.clientHeight + frame.cy;
    POINT at = centredPosition(owner, width, height);
    SetWindowPos(box, nullptr, at.x, at.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    createButtons(box, buttons, layout);

    HWND focusBefore = GetFocus();
    bool ownerWasEnabled = owner != nullptr && IsWindowEnabled(owner);
    if (ownerWasEnabled) {
        EnableWindow(owner, FALSE);
    }
    // Activation comes before the first drawing, so a hook can still move the box.
    callCbtHooks(HCBT_ACTIVATE, reinterpret_cast<WPARAM>(box), 0);
    if (IsWindow(box)) {
        ShowWindow(box, SW_SHOW);
        SetActiveWindow(box);
        SetFocus(GetDlgItem(box, IDOK));
        backend().messageBoxShown(box, title.c_str(), body.c_str());
        runModalLoop(box, state);
    } else {
        state.result = 0; // a hook destroyed it: no box was shown
    }

    // The owner is enabled again before the box goes, so that it can take the activation back.
    if (ownerWasEnabled && IsWindow(owner)) {
        EnableWindow(owner, TRUE);
    }
    if (IsWindow(box)) {
        DestroyWindow(box);
    }
    boxStates.erase(box);
    if (owner != nullptr && IsWindow(owner)) {
        SetActiveWindow(owner);
    }
    if (focusBefore != nullptr && IsWindow(focusBefore)) {
        SetFocus(focusBefore);
    }
    return state.result;
}
