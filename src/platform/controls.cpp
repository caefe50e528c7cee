#include "platform/controls.h"

#include "platform/controls_internal.h"

#include <unordered_map>

namespace layer {

namespace {

struct BuiltinClass {
    const char* name;
    WNDPROC proc;
    UINT style;
};

// Buttons and edits take a quick second press as a press of its own, as the platform's do.
const BuiltinClass builtinClasses[] = {
    {"Button", buttonWindowProc, CS_DBLCLKS},       {"STATIC", staticWindowProc, 0},
    {"EDIT", editWindowProc, CS_DBLCLKS},           {STATUSCLASSNAMEA, statusBarWindowProc, CS_DBLCLKS},
    {MessageBoxClassName, messageBoxWindowProc, 0},
};

bool registered = false;

} // namespace

void registerBuiltinControls() {
    if (registered) {
        return;
    }
    registered = true;
    for (const BuiltinClass& builtin : builtinClasses) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof(wc);
        wc.style = builtin.style;
        wc.lpfnWndProc = builtin.proc;
        wc.lpszClassName = builtin.name;
        // Every control paints its whole background itself; no class brush is needed.
        wc.hbrBackground = nullptr;
        RegisterClassExA(&wc);
    }
}

// ---- Drawing helpers ----------------------------------------------------------------------------

void fillSysColor(HDC dc, int left, int top, int right, int bottom, int colorIndex) {
    if (right <= left || bottom <= top) {
        return;
    }
    RECT rect{left, top, right, bottom};
    FillRect(dc, &rect, GetSysColorBrush(colorIndex));
}

void drawEdgePair(HDC dc, const RECT& rect, int topLeftColor, int bottomRightColor) {
    fillSysColor(dc, rect.left, rect.top, rect.right - 1, rect.top + 1, topLeftColor);
    fillSysColor(dc, rect.left, rect.top, rect.left + 1, rect.bottom - 1, topLeftColor);
    fillSysColor(dc, rect.left, rect.bottom - 1, rect.right, rect.bottom, bottomRightColor);
    fillSysColor(dc, rect.right - 1, rect.top, rect.right, rect.bottom, bottomRightColor);
}

void drawFocusMark(HDC dc, const RECT& rect) {
    if (rect.right - rect.left < 2 || rect.bottom - rect.top < 2) {
        return;
    }
    COLORREF ink = GetSysColor(COLOR_WINDOWTEXT);
    // Every other pixel, the phase running on around the corners as the platform's does.
    for (int x = rect.left; x < rect.right; x += 2) {
        SetPixel(dc, x, rect.top, ink);
        SetPixel(dc, x, rect.bottom - 1, ink);
    }
    for (int y = rect.top; y < rect.bottom; y += 2) {
        SetPixel(dc, rect.left, y, ink);
        SetPixel(dc, rect.right - 1, y, ink);
    }
}

void drawLabel(HDC dc, int x, int y, const std::string& text, int colorIndex) {
    if (text.empty()) {
        return;
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(colorIndex));
    TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

void drawGreyedLabel(HDC dc, int x, int y, const std::string& text) {
    drawLabel(dc, x + 1, y + 1, text, COLOR_BTNHIGHLIGHT);
    drawLabel(dc, x, y, text, COLOR_BTNSHADOW);
}

SIZE measureText(HDC dc, const std::string& text) {
    SIZE size{0, 0};
    const char* probe = text.empty() ? "Ag" : text.c_str();
    GetTextExtentPoint32A(dc, probe, text.empty() ? 2 : static_cast<int>(text.size()), &size);
    if (text.empty()) {
        size.cx = 0;
    }
    return size;
}

namespace {

// Appends the pieces of one word that is too wide for a line, each at most maxWidth wide.
void breakLongWord(HDC dc, const std::string& word, int maxWidth, std::vector<std::string>& lines,
                   std::string& line, int& lineWidth) {
    for (char c : word) {
        int width = measureText(dc, std::string(1, c)).cx;
        if (!line.empty() && lineWidth + width > maxWidth) {
            lines.push_back(line);
            line.clear();
            lineWidth = 0;
        }
        line += c;
        lineWidth += width;
    }
}

void wrapOneLine(HDC dc, const std::string& text, int maxWidth, std::vector<std::string>& lines) {
    const int spaceWidth = measureText(dc, " ").cx;
    std::string line;
    int lineWidth = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t blanks = pos;
        while (blanks < text.size() && text[blanks] == ' ') {
            ++blanks;
        }
        size_t end = blanks;
        while (end < text.size() && text[end] != ' ') {
            ++end;
        }
        std::string word = text.substr(blanks, end - blanks);
        int gap = static_cast<int>(blanks - pos) * spaceWidth;
        // Blanks at the start of the text line are kept; blanks where a line is broken are not.
        int wordWidth = measureText(dc, word).cx;
        if (!line.empty() && lineWidth + gap + wordWidth > maxWidth) {
            lines.push_back(line);
            line.clear();
            lineWidth = 0;
            gap = 0;
        } else {
            line.append(blanks - pos, ' ');
            lineWidth += gap;
        }
        if (wordWidth > maxWidth) {
            breakLongWord(dc, word, maxWidth, lines, line, lineWidth);
        } else {
            line += word;
            lineWidth += wordWidth;
        }
        pos = end;
    }
    lines.push_back(line);
}

} // namespace

std::vector<std::string> wrapText(HDC dc, const std::string& text, int maxWidth) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (true) {
        size_t feed = text.find('\n', start);
        std::string line = text.substr(start, feed == std::string::npos ? std::string::npos : feed - start);
        std::string kept;
        for (char c : line) {
            if (c != '\r') {
                kept += c == '\t' ? ' ' : c;
            }
        }
        wrapOneLine(dc, kept, maxWidth, lines);
        if (feed == std::string::npos) {
            break;
        }
        start = feed + 1;
    }
    return lines;
}

// ---- Fonts --------------------------------------------------------------------------------------

namespace {
std::unordered_map<HWND, HFONT> controlFonts;
} // namespace

HFONT controlFont(HWND hwnd, HFONT classDefault) {
    auto found = controlFonts.find(hwnd);
    return found != controlFonts.end() ? found->second : classDefault;
}

bool handleFontMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_SETFONT) {
        controlFonts[hwnd] = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam) != 0) {
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        result = 0;
        return true;
    }
    if (message == WM_GETFONT) {
        result = reinterpret_cast<LRESULT>(controlFont(hwnd, nullptr));
        return true;
    }
    return false;
}

void forgetControlFont(HWND hwnd) {
    controlFonts.erase(hwnd);
}

HDC beginControlPaint(HWND hwnd, PAINTSTRUCT& ps, HFONT classDefault) {
    HDC dc = BeginPaint(hwnd, &ps);
    HFONT font = controlFont(hwnd, classDefault);
    if (dc != nullptr && font != nullptr) {
        SelectObject(dc, font);
    }
    return dc;
}

HDC controlDc(HWND hwnd, HFONT classDefault) {
    HDC dc = GetDC(hwnd);
    HFONT font = controlFont(hwnd, classDefault);
    if (dc != nullptr && font != nullptr) {
        SelectObject(dc, font);
    }
    return dc;
}

// ---- Window helpers -----------------------------------------------------------------------------

std::string windowText(HWND hwnd) {
    int length = GetWindowTextLengthA(hwnd);
    if (length <= 0) {
        return std::string();
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

void notifyParent(HWND control, WORD code) {
    HWND parent = GetParent(control);
    if (parent == nullptr) {
        return;
    }
    int id = GetDlgCtrlID(control);
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

RECT clientRectOf(HWND hwnd) {
    RECT rect{0, 0, 0, 0};
    GetClientRect(hwnd, &rect);
    return rect;
}

} // namespace layer
