#include "shell/control_panel.h"

#include "graph/graph_store.h"
#include "shell/shell_globals.h"

HWND actionGroupBox = nullptr;
HWND startVertexLabel = nullptr;
HWND startVertexBox = nullptr;
HWND fileNameBox = nullptr;
HWND statusBar = nullptr;

namespace {

constexpr int CommandButtonCount = 7;
// "Tare Conex", "Turneu", "Bipartit", "Circuit", "Cmp TConexe", "Parc. B.F.", "Parc. D.F."
HWND commandButtons[CommandButtonCount] = {};

constexpr int FirstRadioId = 101;
constexpr int LastRadioId = 107; // "Anulare actiune": no canvas action
constexpr int StatusBarId = 108;

constexpr DWORD GroupBoxStyle = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD RadioStyle = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON;
constexpr DWORD PushStyle = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;
constexpr DWORD PlainStyle = WS_CHILD | WS_VISIBLE;
constexpr DWORD StatusBarStyle = WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP;

enum class Parent { Main, Group }; // the main window, or the "Actiuni:" group box

struct PanelControl {
    const char* className;
    const char* text;
    DWORD style;
    DWORD exStyle;
    int x, y, width, height;
    Parent parent;
    int id;
    HWND* handle; // where the handle is kept, for the controls referred to later
};

// In creation order. The radio buttons are wider than their group box, which clips them.
// clang-format off
const PanelControl PanelControls[] = {
    // class               text                 style           ex-style           x    y    w    h    parent         id           kept in
    {"Button",             "Actiuni:",          GroupBoxStyle,  WS_EX_TRANSPARENT, 806, 15,  150, 164, Parent::Main,  100,         &actionGroupBox},
    {"Button",             "Adauga v\xE2rf",    RadioStyle,     0,                 4,   20,  280, 20,  Parent::Group, 101,         nullptr},
    {"Button",             "Elimina v\xE2rf",   RadioStyle,     0,                 4,   40,  280, 20,  Parent::Group, 102,         nullptr},
    {"Button",             "Determina grad ",   RadioStyle,     0,                 4,   60,  280, 20,  Parent::Group, 103,         nullptr},
    {"Button",             "Deplasare v\xE2rf", RadioStyle,     0,                 4,   80,  280, 20,  Parent::Group, 104,         nullptr},
    {"Button",             "Adauga arc",        RadioStyle,     0,                 4,   100, 280, 20,  Parent::Group, 105,         nullptr},
    {"Button",             "Elimina arc",       RadioStyle,     0,                 4,   120, 280, 20,  Parent::Group, 106,         nullptr},
    {"Button",             "Anulare actiune",   RadioStyle,     0,                 4,   140, 280, 20,  Parent::Group, 107,         nullptr},
    {"Button",             "Proprietati:",      GroupBoxStyle,  WS_EX_TRANSPARENT, 806, 195, 150, 170, Parent::Main,  0,           nullptr},
    {"Button",             "Tare Conex",        PushStyle,      0,                 836, 225, 100, 25,  Parent::Main,  1,           &commandButtons[0]},
    {"Button",             "Turneu",            PushStyle,      0,                 836, 260, 100, 25,  Parent::Main,  2,           &commandButtons[1]},
    {"Button",             "Bipartit",          PushStyle,      0,                 836, 295, 100, 25,  Parent::Main,  3,           &commandButtons[2]},
    {"Button",             "Circuit",           PushStyle,      0,                 836, 330, 100, 25,  Parent::Main,  4,           &commandButtons[3]},
    {"Button",             "Prelucrari:",       GroupBoxStyle,  WS_EX_TRANSPARENT, 806, 380, 150, 170, Parent::Main,  0,           nullptr},
    {"Button",             "Cmp TConexe",       PushStyle,      0,                 836, 410, 100, 25,  Parent::Main,  5,           &commandButtons[4]},
    {"Button",             "Parc. B.F.",        PushStyle,      0,                 836, 445, 100, 25,  Parent::Main,  6,           &commandButtons[5]},
    {"Button",             "Parc. D.F.",        PushStyle,      0,                 836, 480, 100, 25,  Parent::Main,  7,           &commandButtons[6]},
    {"STATIC",             "V\xE2rf start:",    PlainStyle,     0,                 836, 515, 70,  20,  Parent::Main,  0,           &startVertexLabel},
    {"EDIT",               "0",                 PlainStyle,     0,                 911, 515, 22,  20,  Parent::Main,  0,           &startVertexBox},
    {"Button",             "Citire",            PushStyle,      0,                 780, 568, 60,  25,  Parent::Main,  8,           nullptr},
    {"EDIT",               "RoriR.in",          PlainStyle,     0,                 846, 568, 72,  24,  Parent::Main,  0,           &fileNameBox},
    {"Button",             "Salvare",           PushStyle,      0,                 925, 568, 60,  25,  Parent::Main,  9,           nullptr},
    {"msctls_statusbar32", nullptr,             StatusBarStyle, 0,                 0,   0,   0,   0,   Parent::Main,  StatusBarId, &statusBar},
};
// clang-format on

struct RadioPrompt {
    int id;
    const char* prompt;
};

const RadioPrompt RadioPrompts[] = {
    {101, " Marcati pozitia noului varf intr-o zona libera"},
    {102, " Selectati varful pe care doriti sa-l eliminati "},
    {103, " Selectati varful pentru care doriti gradul "},
    {104, " Selectati varful pe care doriti sa-l deplasati "},
    {105, " Selectati extremitatea initiala "},
    {106, " Selectati extremitatea initiala "},
    {107, " "},
};

// Right edges of the status bar's parts; -1 runs to the bar's end.
const int StatusBarEdges[] = {200, 800, -1};

HWND createPanelControl(const PanelControl& control, HWND window) {
    HWND parent = control.parent == Parent::Group ? actionGroupBox : window;
    // Child windows carry their control id in the menu argument.
    HMENU id = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(control.id));
    return CreateWindowExA(control.exStyle, control.className, control.text, control.style, control.x,
                           control.y, control.width, control.height, parent, id, nullptr, nullptr);
}

void setStatusText(int part, const char* text) {
    SendMessageA(statusBar, SB_SETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text));
}

void setUpStatusBar() {
    SendMessageA(statusBar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(StatusBarEdges));
    setStatusText(0, " Win32 Application");
    setStatusText(1, " Grafuri orientate: editare cu mouse-ul, verificari si parcurgeri pas cu pas");
    setStatusText(2, " Rosu semnifica varful arcului");
    ShowWindow(statusBar, SW_SHOW);
}

const char* promptOf(int radioId) {
    for (const RadioPrompt& row : RadioPrompts) {
        if (row.id == radioId) {
            return row.prompt;
        }
    }
    return nullptr;
}

} // namespace

LRESULT createControlPanel(HWND window) {
    for (const PanelControl& control : PanelControls) {
        HWND created = createPanelControl(control, window);
        if (control.handle != nullptr) {
            *control.handle = created;
        }
        if (control.id == LastRadioId) {
            CheckRadioButton(actionGroupBox, FirstRadioId, LastRadioId, LastRadioId);
        }
    }
    setUpStatusBar();
    setCommandButtonsEnabled(true);
    return 0;
}

LRESULT onParentNotify(WPARAM wParam, LPARAM lParam) {
    // Creation and destruction notices carry a window handle, not a press position.
    WORD event = LOWORD(wParam);
    if (event == WM_CREATE || event == WM_DESTROY) {
        return 0;
    }
    int x = LOWORD(lParam);
    int y = HIWORD(lParam);
    if (y > 200 || x <= 754) {
        return 0; // not on the "Actiuni:" group
    }
    // The group box's client origin is its top-left corner in the main window.
    POINT inGroup = {x - 806, y - 15};
    HWND child = ChildWindowFromPoint(actionGroupBox, inGroup);
    int id = child != nullptr ? static_cast<int>(GetWindowLongA(child, GWL_ID)) : 0;

    setCommandButtonsEnabled(id == LastRadioId);
    if (const char* prompt = promptOf(id)) {
        setPrompt(prompt);
    }
    // A half-done two-press action is dropped with its red first pick.
    graphStore.secondVertex = 0;
    graphStore.selectedVertex = 0;
    invalidateCanvas();
    return 0;
}

EditMode currentEditMode() {
    for (int id = FirstRadioId; id < LastRadioId; ++id) {
        if (IsDlgButtonChecked(actionGroupBox, id) == BST_CHECKED) {
            return static_cast<EditMode>(id - FirstRadioId + 1);
        }
    }
    return EditMode::None;
}

void setCommandButtonsEnabled(bool enable) {
    BOOL state = enable ? TRUE : FALSE;
    for (HWND button : commandButtons) {
        EnableWindow(button, state);
    }
    EnableWindow(startVertexLabel, state);
    EnableWindow(startVertexBox, state);
}

void setPrompt(const char* text) {
    SendMessageA(statusBar, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(text));
}
