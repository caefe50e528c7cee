// The "Button" class: push buttons, auto radio buttons, check boxes and group boxes, drawn in the
// classic look, and the dialog helpers that read and set their check marks.
#include "platform/controls_internal.h"

#include <unordered_map>

namespace layer {

namespace {

struct ButtonState {
    UINT check = BST_UNCHECKED;
    bool pushed = false;   // drawn pressed
    bool tracking = false; // the left button went down on it and the mouse is captured
    bool spaceDown = false;
};

std::unordered_map<HWND, ButtonState> buttonStates;

ButtonState& stateOf(HWND hwnd) {
    return buttonStates[hwnd];
}

UINT buttonType(HWND hwnd) {
    return static_cast<UINT>(GetWindowLongA(hwnd, GWL_STYLE)) & BS_TYPEMASK;
}

bool isRadio(UINT type) {
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}
bool isCheckBox(UINT type) {
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX;
}

bool pointInClient(HWND hwnd, LPARAM lParam) {
    RECT rect = clientRectOf(hwnd);
    int x = static_cast<short>(LOWORD(lParam));
    int y = static_cast<short>(HIWORD(lParam));
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

void setPushed(HWND hwnd, bool pushed) {
    ButtonState& state = stateOf(hwnd);
    if (state.pushed != pushed) {
        state.pushed = pushed;
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

void setCheck(HWND hwnd, UINT check) {
    ButtonState& state = stateOf(hwnd);
    if (state.check != check) {
        state.check = check;
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

// An auto radio button that is clicked takes the check mark from its siblings.
void checkAmongSiblings(HWND hwnd) {
    HWND parent = GetParent(hwnd);
    if (parent != nullptr) {
        for (HWND sibling = GetWindow(parent, GW_CHILD); sibling != nullptr;
             sibling = GetWindow(sibling, GW_HWNDNEXT)) {
            if (sibling != hwnd && buttonStates.count(sibling) != 0 &&
                buttonType(sibling) == BS_AUTORADIOBUTTON) {
                setCheck(sibling, BST_UNCHECKED);
            }
        }
    }
    setCheck(hwnd, BST_CHECKED);
}

void click(HWND hwnd) {
    UINT type = buttonType(hwnd);
    if (type == BS_GROUPBOX) {
        return;
    }
    if (type == BS_AUTORADIOBUTTON) {
        checkAmongSiblings(hwnd);
    } else if (type == BS_AUTOCHECKBOX) {
        setCheck(hwnd, stateOf(hwnd).check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
    }
    notifyParent(hwnd, BN_CLICKED);
}

// ---- Painting -----------------------------------------------------------------------------------

struct PaintContext {
    HDC dc;
    RECT rect;
    std::string text;
    bool enabled;
    bool focused;
    const ButtonState& state;
    DWORD style;
};

void drawCaption(const PaintContext& pc, int x, int y) {
    if (pc.enabled) {
        drawLabel(pc.dc, x, y, pc.text, COLOR_BTNTEXT);
    } else {
        drawGreyedLabel(pc.dc, x, y, pc.text);
    }
}

void paintPushButton(const PaintContext& pc) {
    RECT r = pc.rect;
    fillSysColor(pc.dc, r.left, r.top, r.right, r.bottom, COLOR_BTNFACE);
    bool defaultLook = (pc.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON || pc.focused;
    if (defaultLook) {
        drawEdgePair(pc.dc, r, COLOR_3DDKSHADOW, COLOR_3DDKSHADOW);
        r = RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
    int shift = 0;
    if (pc.state.pushed) {
        if (defaultLook) {
            drawEdgePair(pc.dc, r, COLOR_BTNSHADOW, COLOR_BTNSHADOW);
        } else {
            drawEdgePair(pc.dc, r, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT);
            drawEdgePair(pc.dc, RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, COLOR_BTNSHADOW,
                         COLOR_3DLIGHT);
        }
        shift = 1;
    } else {
        drawEdgePair(pc.dc, r, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW);
        drawEdgePair(pc.dc, RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, COLOR_3DLIGHT,
                     COLOR_BTNSHADOW);
    }
    SIZE extent = measureText(pc.dc, pc.text);
    int x = (pc.rect.left + pc.rect.right - extent.cx) / 2 + shift;
    int y = (pc.rect.top + pc.rect.bottom - extent.cy) / 2 + shift;
    drawCaption(pc, x, y);
    if (pc.focused) {
        drawFocusMark(pc.dc, RECT{r.left + 3, r.top + 3, r.right - 3, r.bottom - 3});
    }
}

// The classic radio circle, 12 x 12: outer ring shadow above and highlight below, inner ring dark
// shadow above and light below, a white well, and a 4 x 4 dot when checked.
const char* const radioCircle[12] = {
    "....ssss....", "..ssddddss..", ".sddwwwwddh.", ".sdwwwwwwlh.", "sdwwwwwwwwlh", "sdwwwwwwwwlh",
    "sdwwwwwwwwlh", "sdwwwwwwwwlh", ".sdwwwwwwlh.", ".hllwwwwllh.", "..hhllllhh..", "....hhhh....",
};
const char* const radioDot[4] = {".xx.", "xxxx", "xxxx", ".xx."};

void paintRadioCircle(const PaintContext& pc, int left, int top) {
    COLORREF well = GetSysColor(pc.enabled && !pc.state.pushed ? COLOR_WINDOW : COLOR_BTNFACE);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            int index = -1;
            switch (radioCircle[y][x]) {
            case 's': index = COLOR_BTNSHADOW; break;
            case 'd': index = COLOR_3DDKSHADOW; break;
            case 'l': index = COLOR_3DLIGHT; break;
            case 'h': index = COLOR_BTNHIGHLIGHT; break;
            case 'w': SetPixel(pc.dc, left + x, top + y, well); break;
            default: break;
            }
            if (index >= 0) {
                SetPixel(pc.dc, left + x, top + y, GetSysColor(index));
            }
        }
    }
    if (pc.state.check != BST_CHECKED) {
        return;
    }
    COLORREF dot = GetSysColor(pc.enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            if (radioDot[y][x] == 'x') {
                SetPixel(pc.dc, left + 4 + x, top + 4 + y, dot);
            }
        }
    }
}

void paintCheckSquare(const PaintContext& pc, int left, int top) {
    RECT box{left, top, left + 13, top + 13};
    drawEdgePair(pc.dc, box, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
    RECT inner{left + 1, top + 1, left + 12, top + 12};
    drawEdgePair(pc.dc, inner, COLOR_3DDKSHADOW, COLOR_3DLIGHT);
    fillSysColor(pc.dc, left + 2, top + 2, left + 11, top + 11, pc.enabled ? COLOR_WINDOW : COLOR_BTNFACE);
    if (pc.state.check != BST_CHECKED) {
        return;
    }
    COLORREF ink = GetSysColor(pc.enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    // The classic tick: three pixels thick, down to the right then up.
    for (int i = 0; i < 7; ++i) {
        int x = left + 3 + i;
        int y = i < 3 ? top + 5 + i : top + 9 - i;
        for (int t = 0; t < 3; ++t) {
            SetPixel(pc.dc, x, y + t, ink);
        }
    }
}

void paintMarkedButton(const PaintContext& pc) {
    fillSysColor(pc.dc, pc.rect.left, pc.rect.top, pc.rect.right, pc.rect.bottom, COLOR_BTNFACE);
    int markTop = (pc.rect.top + pc.rect.bottom - 12) / 2;
    if (isRadio(pc.style & BS_TYPEMASK)) {
        paintRadioCircle(pc, pc.rect.left, markTop);
    } else {
        paintCheckSquare(pc, pc.rect.left, markTop);
    }
    SIZE extent = measureText(pc.dc, pc.text);
    int x = pc.rect.left + 16;
    int y = (pc.rect.top + pc.rect.bottom - extent.cy) / 2;
    drawCaption(pc, x, y);
    if (pc.focused && !pc.text.empty()) {
        drawFocusMark(pc.dc, RECT{x - 1, y, x + extent.cx + 1, y + extent.cy});
    }
}

void paintGroupBox(const PaintContext& pc) {
    SIZE extent = measureText(pc.dc, pc.text);
    int frameTop = pc.rect.top + extent.cy / 2;
    // An etched frame: a shadow line with a highlight line just inside it.
    RECT outer{pc.rect.left, frameTop, pc.rect.right - 1, pc.rect.bottom - 1};
    RECT inner{pc.rect.left + 1, frameTop + 1, pc.rect.right, pc.rect.bottom};
    drawEdgePair(pc.dc, inner, COLOR_BTNHIGHLIGHT, COLOR_BTNHIGHLIGHT);
    drawEdgePair(pc.dc, outer, COLOR_BTNSHADOW, COLOR_BTNSHADOW);
    if (pc.text.empty()) {
        return;
    }
    int x = pc.rect.left + 8;
    // The caption sits on the top edge on a background of its own.
    fillSysColor(pc.dc, x - 2, pc.rect.top, x + extent.cx + 2, pc.rect.top + extent.cy, COLOR_BTNFACE);
    drawCaption(pc, x, pc.rect.top);
}

void paintButton(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = beginControlPaint(hwnd, ps, nullptr);
    if (dc == nullptr) {
        return;
    }
    DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    PaintContext pc{dc,
                    clientRectOf(hwnd),
                    windowText(hwnd),
                    IsWindowEnabled(hwnd) != FALSE,
                    GetFocus() == hwnd,
                    stateOf(hwnd),
                    style};
    UINT type = style & BS_TYPEMASK;
    if (type == BS_GROUPBOX) {
        paintGroupBox(pc);
    } else if (isRadio(type) || isCheckBox(type)) {
        paintMarkedButton(pc);
    } else {
        paintPushButton(pc);
    }
    EndPaint(hwnd, &ps);
}

// ---- Input --------------------------------------------------------------------------------------

void onPress(HWND hwnd) {
    if (!IsWindowEnabled(hwnd)) {
        return;
    }
    ButtonState& state = stateOf(hwnd);
    state.tracking = true;
    SetCapture(hwnd);
    if (GetFocus() != hwnd) {
        SetFocus(hwnd);
    }
    setPushed(hwnd, true);
}

void onRelease(HWND hwnd, LPARAM lParam) {
    ButtonState& state = stateOf(hwnd);
    if (!state.tracking) {
        return;
    }
    state.tracking = false;
    bool inside = pointInClient(hwnd, lParam);
    setPushed(hwnd, false);
    if (GetCapture() == hwnd) {
        ReleaseCapture();
    }
    if (inside) {
        click(hwnd);
    }
}

void onMouseMove(HWND hwnd, LPARAM lParam) {
    if (stateOf(hwnd).tracking) {
        setPushed(hwnd, pointInClient(hwnd, lParam));
    }
}

void onKeyDown(HWND hwnd, WPARAM key) {
    if (key != VK_SPACE || !IsWindowEnabled(hwnd)) {
        return;
    }
    stateOf(hwnd).spaceDown = true;
    setPushed(hwnd, true);
}

void onKeyUp(HWND hwnd, WPARAM key) {
    ButtonState& state = stateOf(hwnd);
    if (key != VK_SPACE || !state.spaceDown) {
        return;
    }
    state.spaceDown = false;
    setPushed(hwnd, false);
    click(hwnd);
}

void onLostFocus(HWND hwnd) {
    ButtonState& state = stateOf(hwnd);
    state.spaceDown = false;
    if (!state.tracking) {
        setPushed(hwnd, false);
    }
    InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT buttonState(HWND hwnd) {
    const ButtonState& state = stateOf(hwnd);
    LRESULT result = state.check;
    if (state.pushed) {
        result |= BST_PUSHED;
    }
    if (GetFocus() == hwnd) {
        result |= BST_FOCUS;
    }
    return result;
}

} // namespace

LRESULT CALLBACK buttonWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT fontResult = 0;
    if (handleFontMessage(hwnd, message, wParam, lParam, fontResult)) {
        return fontResult;
    }
    switch (message) {
    case WM_NCCREATE: stateOf(hwnd) = ButtonState{}; break;
    case WM_NCHITTEST:
        if (buttonType(hwnd) == BS_GROUPBOX) {
            return HTTRANSPARENT;
        }
        break;
    case WM_PAINT: paintButton(hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: onPress(hwnd); return 0;
    case WM_LBUTTONUP: onRelease(hwnd, lParam); return 0;
    case WM_MOUSEMOVE: onMouseMove(hwnd, lParam); return 0;
    case WM_KEYDOWN: onKeyDown(hwnd, wParam); return 0;
    case WM_KEYUP: onKeyUp(hwnd, wParam); return 0;
    case WM_SETFOCUS: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_KILLFOCUS: onLostFocus(hwnd); return 0;
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_SETTEXT: {
        LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    }
    case BM_GETCHECK: return stateOf(hwnd).check;
    case BM_SETCHECK: {
        UINT type = buttonType(hwnd);
        if (isRadio(type) || isCheckBox(type)) {
            setCheck(hwnd, wParam == BST_CHECKED ? BST_CHECKED : BST_UNCHECKED);
        }
        return 0;
    }
    case BM_GETSTATE: return buttonState(hwnd);
    case BM_SETSTATE: setPushed(hwnd, wParam != 0); return 0;
    case BM_CLICK:
        if (IsWindowEnabled(hwnd)) {
            click(hwnd);
        }
        return 0;
    case WM_NCDESTROY:
        buttonStates.erase(hwnd);
        forgetControlFont(hwnd);
        break;
    default: break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace layer

// ---- Dialog helpers over buttons ----------------------------------------------------------------

BOOL IsDlgButtonChecked(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    if (button == nullptr) {
        return FALSE;
    }
    return static_cast<BOOL>(SendMessageA(button, BM_GETCHECK, 0, 0));
}

BOOL CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId) {
    if (!IsWindow(dialog)) {
        return FALSE;
    }
    // Every child in the id range, not every id in it: ids need not be consecutive.
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        int id = GetDlgCtrlID(child);
        if (id >= firstId && id <= lastId) {
            SendMessageA(child, BM_SETCHECK, id == checkId ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
    return TRUE;
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
    HWND button = GetDlgItem(dialog, id);
    if (button == nullptr) {
        return FALSE;
    }
    SendMessageA(button, BM_SETCHECK, check, 0);
    return TRUE;
}
