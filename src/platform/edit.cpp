// The "EDIT" class, single line: a caret placed by the mouse or the arrow keys, typed characters
// inserted at it, and, without ES_AUTOHSCROLL, no more text than the control can show.
#include "platform/controls_internal.h"

#include <unordered_map>

namespace layer {

namespace {

// Typed text stops here even when the control scrolls, as the platform's default limit does.
constexpr size_t MaxTypedLength = 32767;

struct EditState {
    size_t caret = 0;
    int scroll = 0; // pixels of text scrolled out on the left (ES_AUTOHSCROLL only)
    bool created = false;
};

std::unordered_map<HWND, EditState> editStates;

EditState& stateOf(HWND hwnd) {
    return editStates[hwnd];
}

DWORD styleOf(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
}

// Space between the client edge and the text; a border takes one pixel more.
int marginOf(HWND hwnd) {
    return (styleOf(hwnd) & WS_BORDER) != 0 ? 2 : 1;
}

int textWidth(HWND hwnd, const std::string& text) {
    HDC dc = controlDc(hwnd, nullptr);
    int width = measureText(dc, text).cx;
    ReleaseDC(hwnd, dc);
    return width;
}

// Stores the text where GetWindowTextA finds it, and tells the parent.
void replaceText(HWND hwnd, const std::string& text) {
    DefWindowProcA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    InvalidateRect(hwnd, nullptr, TRUE);
    notifyParent(hwnd, EN_CHANGE);
}

void moveCaret(HWND hwnd, size_t caret) {
    EditState& state = stateOf(hwnd);
    if (state.caret != caret) {
        state.caret = caret;
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

// The caret position nearest to client x.
size_t caretFromPoint(HWND hwnd, int x) {
    std::string text = windowText(hwnd);
    int target = x - marginOf(hwnd) + stateOf(hwnd).scroll;
    HDC dc = controlDc(hwnd, nullptr);
    size_t best = 0;
    int previous = 0;
    for (size_t i = 1; i <= text.size(); ++i) {
        int width = measureText(dc, text.substr(0, i)).cx;
        if (target < (previous + width) / 2) {
            break;
        }
        best = i;
        previous = width;
    }
    ReleaseDC(hwnd, dc);
    return best;
}

void insertCharacter(HWND hwnd, char c) {
    std::string text = windowText(hwnd);
    EditState& state = stateOf(hwnd);
    size_t caret = state.caret < text.size() ? state.caret : text.size();
    std::string changed = text.substr(0, caret) + c + text.substr(caret);
    bool scrolls = (styleOf(hwnd) & ES_AUTOHSCROLL) != 0;
    int room = clientRectOf(hwnd).right - 2 * marginOf(hwnd);
    if (changed.size() > MaxTypedLength || (!scrolls && textWidth(hwnd, changed) > room)) {
        MessageBeep(0);
        return;
    }
    state.caret = caret + 1;
    replaceText(hwnd, changed);
}

void eraseAt(HWND hwnd, size_t position) {
    std::string text = windowText(hwnd);
    if (position >= text.size()) {
        return;
    }
    text.erase(position, 1);
    stateOf(hwnd).caret = position;
    replaceText(hwnd, text);
}

void onChar(HWND hwnd, WPARAM wParam) {
    if (!IsWindowEnabled(hwnd)) {
        return;
    }
    unsigned char c = static_cast<unsigned char>(wParam);
    if (c == '\b') {
        size_t caret = stateOf(hwnd).caret;
        size_t length = windowText(hwnd).size();
        if (caret > length) {
            caret = length;
        }
        if (caret > 0) {
            eraseAt(hwnd, caret - 1);
        }
        return;
    }
    // Enter, Escape, Tab and the other control characters are not text here.
    if (c < 0x20 || c == 0x7F) {
        return;
    }
    insertCharacter(hwnd, static_cast<char>(c));
}

void onKeyDown(HWND hwnd, WPARAM key) {
    if (!IsWindowEnabled(hwnd)) {
        return;
    }
    size_t length = windowText(hwnd).size();
    size_t caret = stateOf(hwnd).caret < length ? stateOf(hwnd).caret : length;
    switch (key) {
    case VK_LEFT: moveCaret(hwnd, caret > 0 ? caret - 1 : 0); break;
    case VK_RIGHT: moveCaret(hwnd, caret < length ? caret + 1 : length); break;
    case VK_HOME: moveCaret(hwnd, 0); break;
    case VK_END: moveCaret(hwnd, length); break;
    case VK_DELETE: eraseAt(hwnd, caret); break;
    default: break;
    }
}

void onPress(HWND hwnd, LPARAM lParam) {
    if (!IsWindowEnabled(hwnd)) {
        return;
    }
    if (GetFocus() != hwnd) {
        SetFocus(hwnd);
    }
    moveCaret(hwnd, caretFromPoint(hwnd, static_cast<short>(LOWORD(lParam))));
}

// Keeps the caret inside the visible part of a scrolling edit.
void followCaret(HWND hwnd, HDC dc, const std::string& text, int room) {
    EditState& state = stateOf(hwnd);
    if ((styleOf(hwnd) & ES_AUTOHSCROLL) == 0) {
        state.scroll = 0;
        return;
    }
    int caretX = measureText(dc, text.substr(0, state.caret)).cx;
    if (caretX - state.scroll > room) {
        state.scroll = caretX - room;
    }
    if (caretX < state.scroll) {
        state.scroll = caretX;
    }
}

void paintEdit(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = beginControlPaint(hwnd, ps, nullptr);
    if (dc == nullptr) {
        return;
    }
    RECT rect = clientRectOf(hwnd);
    bool enabled = IsWindowEnabled(hwnd) != FALSE;
    fillSysColor(dc, rect.left, rect.top, rect.right, rect.bottom, enabled ? COLOR_WINDOW : COLOR_BTNFACE);
    if ((styleOf(hwnd) & WS_BORDER) != 0) {
        drawEdgePair(dc, rect, COLOR_WINDOWFRAME, COLOR_WINDOWFRAME);
    }
    std::string text = windowText(hwnd);
    EditState& state = stateOf(hwnd);
    if (state.caret > text.size()) {
        state.caret = text.size();
    }
    int margin = marginOf(hwnd);
    followCaret(hwnd, dc, text, rect.right - 2 * margin);
    int x = margin - state.scroll;
    int y = (styleOf(hwnd) & WS_BORDER) != 0 ? 2 : 1;
    drawLabel(dc, x, y, text, enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    if (enabled && GetFocus() == hwnd) {
        SIZE before = measureText(dc, text.substr(0, state.caret));
        int caretX = x + before.cx;
        if (caretX >= rect.right) {
            caretX = rect.right - 1;
        }
        fillSysColor(dc, caretX, y, caretX + 1, y + before.cy, COLOR_WINDOWTEXT);
    }
    EndPaint(hwnd, &ps);
}

LRESULT onSetText(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    LRESULT result = DefWindowProcA(hwnd, WM_SETTEXT, wParam, lParam);
    EditState& state = stateOf(hwnd);
    state.caret = windowText(hwnd).size();
    state.scroll = 0;
    InvalidateRect(hwnd, nullptr, TRUE);
    if (state.created) {
        notifyParent(hwnd, EN_CHANGE);
    }
    return result;
}

} // namespace

LRESULT CALLBACK editWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT fontResult = 0;
    if (handleFontMessage(hwnd, message, wParam, lParam, fontResult)) {
        return fontResult;
    }
    switch (message) {
    case WM_NCCREATE: stateOf(hwnd) = EditState{}; break;
    case WM_CREATE: stateOf(hwnd).created = true; return 0;
    case WM_PAINT: paintEdit(hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: onPress(hwnd, lParam); return 0;
    case WM_CHAR: onChar(hwnd, wParam); return 0;
    case WM_KEYDOWN: onKeyDown(hwnd, wParam); return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_SETTEXT: return onSetText(hwnd, wParam, lParam);
    case WM_NCDESTROY:
        editStates.erase(hwnd);
        forgetControlFont(hwnd);
        break;
    default: break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace layer
