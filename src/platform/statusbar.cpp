// The "msctls_statusbar32" class: a bar along the bottom of its parent, split into parts whose
// right edges the owner sets, each with a sunken frame and a line of text.
#include "platform/controls_internal.h"

#include <unordered_map>

namespace layer {

namespace {

constexpr int MaxParts = 256;
constexpr int PartGap = 2;    // between two parts' frames
constexpr int TextIndent = 3; // from a part's frame to its text
constexpr int GripSize = 12;

struct StatusState {
    std::vector<int> edges{-1}; // right edges; -1 runs to the bar's end
    std::vector<std::string> texts = std::vector<std::string>(MaxParts);
    std::vector<WORD> kinds = std::vector<WORD>(MaxParts); // the drawing flags given with each text
    bool placing = false;
};

std::unordered_map<HWND, StatusState> statusStates;

StatusState& stateOf(HWND hwnd) {
    return statusStates[hwnd];
}

// Status bars draw in the GUI font unless told otherwise, as the platform's do.
HFONT guiFont() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int barHeight(HWND hwnd) {
    HDC dc = controlDc(hwnd, guiFont());
    int textHeight = measureText(dc, std::string()).cy;
    ReleaseDC(hwnd, dc);
    int height = textHeight + 8;
    return height < 20 ? 20 : height;
}

// Lays the bar along the bottom edge of its parent's client area, the width of the parent.
void placeAlongBottom(HWND hwnd) {
    StatusState& state = stateOf(hwnd);
    HWND parent = GetParent(hwnd);
    if (parent == nullptr || state.placing) {
        return;
    }
    RECT area = clientRectOf(parent);
    int height = barHeight(hwnd);
    RECT now{};
    GetWindowRect(hwnd, &now);
    POINT topLeft{now.left, now.top};
    ScreenToClient(parent, &topLeft);
    int top = area.bottom - height;
    if (topLeft.x == 0 && topLeft.y == top && now.right - now.left == area.right &&
        now.bottom - now.top == height) {
        return;
    }
    state.placing = true;
    MoveWindow(hwnd, 0, top, area.right, height, TRUE);
    auto placed = statusStates.find(hwnd); // the move may have destroyed it
    if (placed != statusStates.end()) {
        placed->second.placing = false;
    }
}

// The frame rectangle of part i in client coordinates.
RECT partRect(HWND hwnd, const StatusState& state, size_t i) {
    RECT client = clientRectOf(hwnd);
    bool grip = (GetWindowLongA(hwnd, GWL_STYLE) & SBARS_SIZEGRIP) != 0;
    int end = client.right - (grip ? GripSize + 2 : 0);
    int left = i == 0 ? 0 : state.edges[i - 1] + PartGap;
    int right = state.edges[i] < 0 ? end : state.edges[i];
    if (state.edges[i] < 0 && i + 1 == state.edges.size() && grip) {
        right = client.right;
    }
    if (right > client.right) {
        right = client.right;
    }
    if (i > 0 && state.edges[i - 1] < 0) {
        left = right; // nothing is left for a part after one that ran to the end
    }
    return RECT{left, 2, right, client.bottom};
}

void paintGrip(HDC dc, const RECT& client) {
    // Three ridges across the corner, each a highlight line beside two shadow lines.
    for (int d = 0; d < GripSize; ++d) {
        int phase = d % 4;
        if (phase == 3) {
            continue;
        }
        int color = phase == 0 ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW;
        int distance = GripSize - d; // from the corner
        for (int k = 0; k < distance; ++k) {
            SetPixel(dc, client.right - 1 - k, client.bottom - distance + k, GetSysColor(color));
        }
    }
}

void paintStatusBar(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = beginControlPaint(hwnd, ps, guiFont());
    if (dc == nullptr) {
        return;
    }
    RECT client = clientRectOf(hwnd);
    fillSysColor(dc, client.left, client.top, client.right, client.bottom, COLOR_BTNFACE);
    const StatusState& state = stateOf(hwnd);
    for (size_t i = 0; i < state.edges.size(); ++i) {
        RECT part = partRect(hwnd, state, i);
        if (part.right - part.left < 2) {
            continue;
        }
        if ((state.kinds[i] & 0x0100) == 0) { // not drawn without borders
            drawEdgePair(dc, part, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
        }
        SIZE extent = measureText(dc, state.texts[i]);
        int y = (part.top + part.bottom - extent.cy) / 2;
        RECT inside{part.left + 1, part.top + 1, part.right - 1, part.bottom - 1};
        // Text that does not fit its part is cut, not drawn over the next one.
        std::string shown = state.texts[i];
        while (!shown.empty() && part.left + TextIndent + measureText(dc, shown).cx > inside.right) {
            shown.pop_back();
        }
        drawLabel(dc, part.left + TextIndent, y, shown, COLOR_BTNTEXT);
    }
    if ((GetWindowLongA(hwnd, GWL_STYLE) & SBARS_SIZEGRIP) != 0) {
        paintGrip(dc, client);
    }
    EndPaint(hwnd, &ps);
}

LRESULT setParts(HWND hwnd, WPARAM count, LPARAM lParam) {
    const int* edges = reinterpret_cast<const int*>(lParam);
    if (count == 0 || count > MaxParts || edges == nullptr) {
        return FALSE;
    }
    StatusState& state = stateOf(hwnd);
    state.edges.assign(edges, edges + count);
    InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

LRESULT getParts(HWND hwnd, WPARAM count, LPARAM lParam) {
    const StatusState& state = stateOf(hwnd);
    int* edges = reinterpret_cast<int*>(lParam);
    if (edges != nullptr) {
        for (size_t i = 0; i < count && i < state.edges.size(); ++i) {
            edges[i] = state.edges[i];
        }
    }
    return static_cast<LRESULT>(state.edges.size());
}

// wParam: the part index in the low byte, the drawing flags above it.
LRESULT setText(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    size_t part = wParam & 0xFF;
    StatusState& state = stateOf(hwnd);
    const char* text = reinterpret_cast<const char*>(lParam);
    state.texts[part] = text != nullptr ? text : "";
    state.kinds[part] = static_cast<WORD>(wParam & 0xFF00);
    InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

// The length in the low word, the drawing flags in the high word; the text too when asked.
LRESULT getText(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    size_t part = wParam & 0xFF;
    const StatusState& state = stateOf(hwnd);
    const std::string& text = state.texts[part];
    char* buffer = reinterpret_cast<char*>(lParam);
    if (buffer != nullptr) {
        text.copy(buffer, text.size());
        buffer[text.size()] = '\0';
    }
    return MAKELONG(text.size(), state.kinds[part]);
}

} // namespace

LRESULT CALLBACK statusBarWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT fontResult = 0;
    if (handleFontMessage(hwnd, message, wParam, lParam, fontResult)) {
        return fontResult;
    }
    switch (message) {
    case WM_NCCREATE: stateOf(hwnd) = StatusState{}; break;
    case WM_CREATE: placeAlongBottom(hwnd); return 0;
    case WM_SIZE: placeAlongBottom(hwnd); return 0;
    case WM_PAINT: paintStatusBar(hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    case SB_SETPARTS: return setParts(hwnd, wParam, lParam);
    case SB_GETPARTS: return getParts(hwnd, wParam, lParam);
    case SB_SETTEXTA: return setText(hwnd, wParam, lParam);
    case SB_GETTEXTA: return getText(hwnd, wParam, lParam);
    case SB_GETTEXTLENGTHA: return getText(hwnd, wParam, 0);
    case WM_SETTEXT: {
        // The window text is the first part's, as on the platform.
        DefWindowProcA(hwnd, message, wParam, lParam);
        setText(hwnd, 0, lParam);
        return TRUE;
    }
    case WM_NCDESTROY:
        statusStates.erase(hwnd);
        forgetControlFont(hwnd);
        break;
    default: break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace layer
