// The control panel: its initial state, the radio presses that choose an action (through the
// platform's parent notifications), the nine controls they enable or disable, and the prompts.
#include <string>

#include "main_window_fixture.h"
#include "platform/backend.h"
#include "shell/control_panel.h"

namespace shelltest {
namespace {

const char* const CreditLine = " Grafuri orientate: editare cu mouse-ul, verificari si parcurgeri pas cu pas";

std::string statusText(int part) {
    char text[512] = {};
    SendMessageA(statusBar, SB_GETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text));
    return text;
}

// The nine controls the command state governs: the seven command buttons, the start vertex label
// and box. Each true when enabled.
std::string enabledPattern() {
    std::string pattern;
    for (int id = 1; id <= 7; ++id) {
        pattern += IsWindowEnabled(GetDlgItem(mainWindow, id)) ? '1' : '0';
    }
    pattern += IsWindowEnabled(startVertexLabel) ? '1' : '0';
    pattern += IsWindowEnabled(startVertexBox) ? '1' : '0';
    return pattern;
}

void expectAlwaysEnabledControls() {
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(mainWindow, 8))); // "Citire"
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(mainWindow, 9))); // "Salvare"
    EXPECT_TRUE(IsWindowEnabled(fileNameBox));
    EXPECT_TRUE(IsWindowEnabled(actionGroupBox));
    for (int id = 101; id <= 107; ++id) {
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(actionGroupBox, id))) << id;
    }
}

int checkedRadio() {
    int checked = 0;
    for (int id = 101; id <= 107; ++id) {
        if (IsDlgButtonChecked(actionGroupBox, id) == BST_CHECKED) {
            EXPECT_EQ(checked, 0) << "two radio buttons checked";
            checked = id;
        }
    }
    return checked;
}

// A press and release of a mouse button at a point of the main window's client area, as the user
// makes it: routed by the platform to the control under the point.
void pressAt(int x, int y, UINT down, UINT up) {
    POINT p = {x, y};
    ClientToScreen(mainWindow, &p);
    layer::injectMouseButton(p.x, p.y, down);
    layer::injectMouseButton(p.x, p.y, up);
    pumpMessages();
}
void leftPressAt(int x, int y) {
    pressAt(x, y, WM_LBUTTONDOWN, WM_LBUTTONUP);
}
void rightPressAt(int x, int y) {
    pressAt(x, y, WM_RBUTTONDOWN, WM_RBUTTONUP);
}

// A vertex picked and a second one pending, as in the middle of a two-press action.
void makePicks() {
    graphStore.vertexCount = 5;
    graphStore.selectedVertex = 2;
    graphStore.secondVertex = 4;
}

using ControlPanelTest = MainWindowTest;

TEST_F(ControlPanelTest, StartsWithCancelActionCheckedAndEverythingEnabled) {
    EXPECT_EQ(checkedRadio(), 107);
    EXPECT_EQ(currentEditMode(), EditMode::None);
    EXPECT_EQ(enabledPattern(), "111111111");
    expectAlwaysEnabledControls();
    EXPECT_EQ(statusText(0), " Win32 Application");
    EXPECT_EQ(statusText(1), CreditLine);
    EXPECT_EQ(statusText(2), " Rosu semnifica varful arcului");
}

TEST_F(ControlPanelTest, PanelControlsHaveTheirTextsAndIds) {
    struct Case {
        HWND parent;
        int id;
        const char* text;
    };
    const Case cases[] = {
        {actionGroupBox, 101, "Adauga v\xE2rf"},
        {actionGroupBox, 102, "Elimina v\xE2rf"},
        {actionGroupBox, 103, "Determina grad "},
        {actionGroupBox, 104, "Deplasare v\xE2rf"},
        {actionGroupBox, 105, "Adauga arc"},
        {actionGroupBox, 106, "Elimina arc"},
        {actionGroupBox, 107, "Anulare actiune"},
        {mainWindow, 100, "Actiuni:"},
        {mainWindow, 1, "Tare Conex"},
        {mainWindow, 2, "Turneu"},
        {mainWindow, 3, "Bipartit"},
        {mainWindow, 4, "Circuit"},
        {mainWindow, 5, "Cmp TConexe"},
        {mainWindow, 6, "Parc. B.F."},
        {mainWindow, 7, "Parc. D.F."},
        {mainWindow, 8, "Citire"},
        {mainWindow, 9, "Salvare"},
    };
    for (const Case& c : cases) {
        char text[64] = {};
        GetWindowTextA(GetDlgItem(c.parent, c.id), text, sizeof text);
        EXPECT_STREQ(text, c.text) << c.id;
    }
    char text[64] = {};
    GetWindowTextA(startVertexLabel, text, sizeof text);
    EXPECT_STREQ(text, "V\xE2rf start:");
    GetWindowTextA(startVertexBox, text, sizeof text);
    EXPECT_STREQ(text, "0");
    GetWindowTextA(fileNameBox, text, sizeof text);
    EXPECT_STREQ(text, "RoriR.in");
    EXPECT_EQ(GetDlgItem(mainWindow, 108), statusBar);
}

TEST_F(ControlPanelTest, RadioPressChoosesActionPromptAndCommandState) {
    struct Case {
        int id;
        const char* prompt;
        EditMode mode;
        const char* enabled;
    };
    const Case cases[] = {
        {105, " Selectati extremitatea initiala ", EditMode::AddArc, "000000000"},
        {101, " Marcati pozitia noului varf intr-o zona libera", EditMode::AddVertex, "000000000"},
        {102, " Selectati varful pe care doriti sa-l eliminati ", EditMode::RemoveVertex, "000000000"},
        {103, " Selectati varful pentru care doriti gradul ", EditMode::VertexDegree, "000000000"},
        {104, " Selectati varful pe care doriti sa-l deplasati ", EditMode::MoveVertex, "000000000"},
        {106, " Selectati extremitatea initiala ", EditMode::RemoveArc, "000000000"},
        {107, " ", EditMode::None, "111111111"},
        {104, " Selectati varful pe care doriti sa-l deplasati ", EditMode::MoveVertex, "000000000"},
        {107, " ", EditMode::None, "111111111"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        makePicks();
        // The middle of the radio button's row, well inside the group box.
        leftPressAt(806 + 4 + 40, 15 + 20 * (c.id - 100) + 10);
        EXPECT_EQ(checkedRadio(), c.id);
        EXPECT_EQ(currentEditMode(), c.mode);
        EXPECT_EQ(statusText(1), c.prompt);
        EXPECT_EQ(enabledPattern(), c.enabled);
        EXPECT_EQ(graphStore.selectedVertex, 0);
        EXPECT_EQ(graphStore.secondVertex, 0);
        expectAlwaysEnabledControls();
        EXPECT_EQ(statusText(0), " Win32 Application");
        EXPECT_EQ(statusText(2), " Rosu semnifica varful arcului");
    }
}

TEST_F(ControlPanelTest, RightPressOnRemoveVertexDisablesCommandsButKeepsTheCheck) {
    makePicks();
    rightPressAt(850, 15 + 40 + 10);
    EXPECT_EQ(checkedRadio(), 107);
    EXPECT_EQ(currentEditMode(), EditMode::None);
    EXPECT_EQ(enabledPattern(), "000000000");
    EXPECT_EQ(statusText(1), " Selectati varful pe care doriti sa-l eliminati ");
    EXPECT_EQ(graphStore.selectedVertex, 0);
    EXPECT_EQ(graphStore.secondVertex, 0);
}

TEST_F(ControlPanelTest, PressTwoPixelsInsideTheGroupsRightEdgeIsTakenAsAddVertex) {
    leftPressAt(954, 45);
    EXPECT_EQ(checkedRadio(), 101);
    EXPECT_EQ(currentEditMode(), EditMode::AddVertex);
    EXPECT_EQ(statusText(1), " Marcati pozitia noului varf intr-o zona libera");
    EXPECT_EQ(enabledPattern(), "000000000");
}

// Notifications given straight to the handler: which are taken as presses on the action group.
TEST_F(ControlPanelTest, OnlyPressesOnTheActionGroupAreHandled) {
    struct Case {
        WORD event;
        int x, y;
        bool handled;
        const char* prompt; // part 1 afterwards
    };
    const Case cases[] = {
        // Creation and destruction notices carry a handle, whatever it would read as.
        {WM_CREATE, 850, 45, false, CreditLine},
        {WM_DESTROY, 850, 45, false, CreditLine},
        // Presses elsewhere in the panel.
        {WM_LBUTTONDOWN, 886, 237, false, CreditLine}, // "Tare Conex"
        {WM_LBUTTONDOWN, 754, 45, false, CreditLine},  // left of the group, at the limit
        {WM_LBUTTONDOWN, 850, 201, false, CreditLine}, // below the group
        // Inside the limits but on no radio button: commands disabled, prompt kept.
        {WM_LBUTTONDOWN, 755, 45, true, CreditLine},
        {WM_RBUTTONDOWN, 850, 200, true, CreditLine},
        {WM_MBUTTONDOWN, 850, 45, true, " Marcati pozitia noului varf intr-o zona libera"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.event << " at " << c.x << "," << c.y);
        setCommandButtonsEnabled(true);
        makePicks();
        onParentNotify(MAKEWPARAM(c.event, 0), MAKELPARAM(c.x, c.y));
        EXPECT_EQ(enabledPattern(), c.handled ? "000000000" : "111111111");
        EXPECT_EQ(graphStore.selectedVertex, c.handled ? 0 : 2);
        EXPECT_EQ(graphStore.secondVertex, c.handled ? 0 : 4);
        EXPECT_EQ(statusText(1), c.prompt);
        EXPECT_EQ(checkedRadio(), 107);
    }
}

TEST_F(ControlPanelTest, PromptAreaTakesAnyText) {
    setPrompt(" Varful curent extras din coada este 2");
    EXPECT_EQ(statusText(1), " Varful curent extras din coada este 2");
    EXPECT_EQ(statusText(0), " Win32 Application");
    EXPECT_EQ(statusText(2), " Rosu semnifica varful arcului");
}

} // namespace
} // namespace shelltest
