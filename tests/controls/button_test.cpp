// Push buttons, auto radio buttons and group boxes, driven by injected mouse and keyboard input.
#include "controls_harness.h"

#include <gtest/gtest.h>

using namespace harness;

namespace {

constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF White = RGB(255, 255, 255);

// A host with the shape of the control panel: radio buttons inside a group box, a push button and
// a loose radio pair directly on the host.
class ButtonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host = &createHost(420, 300);
        group = createChild("Button", "Actiuni:", BS_GROUPBOX, 10, 10, 150, 100, host->hwnd, 100);
        for (int i = 0; i < 3; ++i) {
            radios[i] = createChild("Button", radioTexts[i], BS_AUTORADIOBUTTON, 4, 20 + 20 * i, 280, 20,
                                    group, 101 + i);
        }
        CheckRadioButton(group, 101, 103, 103);
        push = createChild("Button", "Tare Conex", BS_PUSHBUTTON, 200, 20, 100, 25, host->hwnd, 1);
        loose[0] = createChild("Button", "Unu", BS_AUTORADIOBUTTON, 200, 80, 100, 20, host->hwnd, 11);
        loose[1] = createChild("Button", "Doi", BS_AUTORADIOBUTTON, 200, 100, 100, 20, host->hwnd, 12);
        pump();
        host->received.clear();
    }
    void TearDown() override { destroyHost(); }

    std::vector<int> checkedRadios() const {
        std::vector<int> ids;
        for (int id = 101; id <= 103; ++id) {
            if (IsDlgButtonChecked(group, id) == BST_CHECKED) {
                ids.push_back(id);
            }
        }
        return ids;
    }

    std::vector<Received> commands() const { return host->only(WM_COMMAND); }

    const char* radioTexts[3] = {"Adauga v\xE2rf", "Elimina v\xE2rf", "Anulare actiune"};
    HostWindow* host = nullptr;
    HWND group = nullptr;
    HWND radios[3] = {};
    HWND push = nullptr;
    HWND loose[2] = {};
};

TEST_F(ButtonTest, CheckRadioButtonChecksOnlyTheChosenOne) {
    EXPECT_EQ(checkedRadios(), std::vector<int>{103});
    CheckRadioButton(group, 101, 103, 101);
    EXPECT_EQ(checkedRadios(), std::vector<int>{101});
    EXPECT_EQ(IsDlgButtonChecked(group, 999), 0) << "no such control";
}

TEST_F(ButtonTest, PressesOnRadioButtonsCheckByLeftButtonOnlyAndAlwaysNotifyTheAncestors) {
    struct Case {
        int radio;
        UINT down, up;
        std::vector<int> checkedAfter;
    };
    const Case cases[] = {
        {0, WM_LBUTTONDOWN, WM_LBUTTONUP, {101}},
        {1, WM_RBUTTONDOWN, WM_RBUTTONUP, {101}}, // a right press changes no check mark
        {1, WM_LBUTTONDOWN, WM_LBUTTONUP, {102}},
        {2, WM_LBUTTONDOWN, WM_LBUTTONUP, {103}},
    };
    for (const Case& c : cases) {
        host->received.clear();
        press(radios[c.radio], 30, 10, c.down);
        release(radios[c.radio], 30, 10, c.up);
        EXPECT_EQ(checkedRadios(), c.checkedAfter) << "radio " << c.radio;
        // The host is the group box's parent: it hears of the press, not of the click.
        std::vector<Received> notes = host->only(WM_PARENTNOTIFY);
        ASSERT_EQ(notes.size(), 1u) << "radio " << c.radio;
        EXPECT_EQ(LOWORD(notes[0].wParam), c.down);
        EXPECT_EQ(LOWORD(notes[0].lParam), 10 + 4 + 30);
        EXPECT_EQ(HIWORD(notes[0].lParam), 10 + 20 + 20 * c.radio + 10);
        EXPECT_TRUE(commands().empty());
    }
}

TEST_F(ButtonTest, RadioClickNotifiesItsParentWithIdAndHandle) {
    click(loose[1], 20, 10);
    std::vector<Received> sent = commands();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(LOWORD(sent[0].wParam), 12);
    EXPECT_EQ(HIWORD(sent[0].wParam), BN_CLICKED);
    EXPECT_EQ(sent[0].lParam, reinterpret_cast<LPARAM>(loose[1]));
    EXPECT_EQ(SendMessageA(loose[1], BM_GETCHECK, 0, 0), BST_CHECKED);
    click(loose[0], 20, 10);
    EXPECT_EQ(SendMessageA(loose[0], BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(loose[1], BM_GETCHECK, 0, 0), BST_UNCHECKED);
    // The radios in the group box are not siblings of these and keep their mark.
    EXPECT_EQ(checkedRadios(), std::vector<int>{103});
}

TEST_F(ButtonTest, PushButtonReleaseOverItSendsClicked) {
    click(push, 50, 12);
    std::vector<Received> sent = commands();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].wParam, MAKEWPARAM(1, BN_CLICKED));
    EXPECT_EQ(sent[0].lParam, reinterpret_cast<LPARAM>(push));
}

TEST_F(ButtonTest, PushButtonLooksPressedWhileHeldAndReleaseElsewhereSendsNothing) {
    COLORREF raisedCorner = pixel(push, 0, 0);
    press(push, 50, 12, WM_LBUTTONDOWN);
    EXPECT_NE(SendMessageA(push, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
    EXPECT_NE(pixel(push, 1, 1), raisedCorner) << "the bevel turns in";
    moveMouse(push, 150, 12);
    EXPECT_EQ(SendMessageA(push, BM_GETSTATE, 0, 0) & BST_PUSHED, 0) << "dragged off: drawn up again";
    release(push, 150, 12, WM_LBUTTONUP);
    EXPECT_TRUE(commands().empty());
    EXPECT_EQ(GetFocus(), push) << "a press gives the focus";
}

TEST_F(ButtonTest, SpaceClicksTheFocusedButton) {
    SetFocus(push);
    pump();
    key(VK_SPACE);
    ASSERT_EQ(commands().size(), 1u);
    EXPECT_EQ(commands()[0].wParam, MAKEWPARAM(1, BN_CLICKED));
}

TEST_F(ButtonTest, FocusedButtonShowsTheDottedMark) {
    RECT inside{3, 3, 97, 22};
    int before = countColor(push, inside, Black);
    SetFocus(push);
    pump();
    EXPECT_GT(countColor(push, inside, Black), before + 20);
}

TEST_F(ButtonTest, DisabledButtonsAreGreyedAndTakeNoInput) {
    RECT face{2, 2, 98, 23};
    EXPECT_GT(countColor(push, face, Black), 0) << "enabled caption is black";
    EnableWindow(push, FALSE);
    EnableWindow(loose[0], FALSE);
    pump();
    EXPECT_EQ(countColor(push, face, Black), 0);
    EXPECT_GT(countColor(push, face, GetSysColor(COLOR_BTNSHADOW)), 0) << "greyed caption";
    click(push, 50, 12);
    click(loose[0], 20, 10);
    SendMessageA(push, BM_CLICK, 0, 0);
    EXPECT_TRUE(commands().empty());
    EXPECT_EQ(SendMessageA(loose[0], BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(ButtonTest, BmClickClicksAnEnabledButton) {
    SendMessageA(push, BM_CLICK, 0, 0);
    SendMessageA(loose[0], BM_CLICK, 0, 0);
    ASSERT_EQ(commands().size(), 2u);
    EXPECT_EQ(SendMessageA(loose[0], BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(ButtonTest, GroupBoxLetsPressesThroughToItsParent) {
    // Inside the frame, below the radio buttons.
    click(group, 75, 90);
    std::vector<Received> presses = host->only(WM_LBUTTONDOWN);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(LOWORD(presses[0].lParam), 85);
    EXPECT_EQ(HIWORD(presses[0].lParam), 100);
}

TEST_F(ButtonTest, RadioButtonsClippedByTheirGroupBoxStillTakePressesInsideIt) {
    // 2 px inside the group box's right edge, on the first radio button's row.
    click(group, 148, 30);
    EXPECT_EQ(checkedRadios(), std::vector<int>{101});
}

TEST_F(ButtonTest, RadioCircleAndDotAreDrawn) {
    // Radio 103 is checked: its well is white around a black dot; 101's well is all white.
    EXPECT_EQ(pixel(radios[2], 5, 10), Black);
    EXPECT_EQ(pixel(radios[0], 5, 10), White);
    EXPECT_EQ(pixel(radios[0], 4, 7), White);
}

} // namespace

namespace {

TEST_F(ButtonTest, FontGivenByWmSetFontIsReturnedByWmGetFont) {
    EXPECT_EQ(SendMessageA(push, WM_GETFONT, 0, 0), 0) << "the system font until told otherwise";
    HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
    SendMessageA(push, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    EXPECT_EQ(SendMessageA(push, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(font));
}

} // namespace
