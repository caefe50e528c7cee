// Message boxes: their answers, their modality over the owner (which keeps repainting), the CBT
// hook that can move them before they are drawn, and boxes too large for the screen.
#include "controls_harness.h"

#include <gtest/gtest.h>

using namespace harness;

namespace {

HWND shownBox() {
    return log().boxes.empty() ? nullptr : log().boxes.back().box;
}

// A step that clicks one of the box's buttons in its middle.
std::function<void()> clickButton(int id) {
    return [id] {
        HWND button = GetDlgItem(shownBox(), id);
        ASSERT_NE(button, nullptr);
        RECT r{};
        GetClientRect(button, &r);
        injectClick(button, r.right / 2, r.bottom / 2);
    };
}

std::function<void()> strike(int virtualKey) {
    return [virtualKey] { injectKeyStroke(virtualKey); };
}

std::function<void()> closeBox() {
    return [] { layer::injectClose(shownBox()); };
}

class MessageBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host = &createHost(600, 400);
        log().boxes.clear();
        log().starved = 0;
    }
    void TearDown() override {
        EXPECT_EQ(log().starved, 0) << "a box waited with no answer coming";
        destroyHost();
    }
    HostWindow* host = nullptr;
};

TEST_F(MessageBoxTest, AnswersByButtonKeyAndCloseBox) {
    struct Case {
        const char* name;
        UINT type;
        std::function<void()> answer;
        int expected;
    };
    const Case cases[] = {
        {"OK button", MB_OKCANCEL, clickButton(IDOK), IDOK},
        {"Cancel button", MB_OKCANCEL, clickButton(IDCANCEL), IDCANCEL},
        {"ENTER", MB_OKCANCEL, strike(VK_RETURN), IDOK},
        {"ESCAPE", MB_OKCANCEL, strike(VK_ESCAPE), IDCANCEL},
        {"close box", MB_OKCANCEL, closeBox(), IDCANCEL},
        {"OK alone", MB_OK, clickButton(IDOK), IDOK},
        {"ENTER, OK alone", MB_OK, strike(VK_RETURN), IDOK},
        {"ESCAPE, OK alone", MB_OK, strike(VK_ESCAPE), IDOK},
        {"close box, OK alone", MB_OK, closeBox(), IDOK},
        {"BM_CLICK on OK", MB_OKCANCEL, [] { SendMessageA(GetDlgItem(shownBox(), IDOK), BM_CLICK, 0, 0); },
         IDOK},
    };
    for (const Case& c : cases) {
        int starvedBefore = log().starved;
        whenIdle(c.answer);
        EXPECT_EQ(MessageBoxA(host->hwnd, "Graful este tare conex", "Verificare", c.type), c.expected)
            << c.name;
        EXPECT_EQ(stepsLeft(), 0u) << c.name;
        EXPECT_FALSE(IsWindow(shownBox())) << c.name << ": the box is gone";
        EXPECT_EQ(log().starved, starvedBefore) << c.name << ": answered by its step alone";
        clearSteps();
    }
}

TEST_F(MessageBoxTest, BoxIsAnOwnedDialogWithItsButtonsAndCaption) {
    HWND box = nullptr;
    bool owned = false, hasCancel = false;
    std::string caption, className;
    whenIdle([&] {
        box = shownBox();
        owned = GetWindow(box, GW_OWNER) == host->hwnd;
        hasCancel = GetDlgItem(box, IDCANCEL) != nullptr;
        char text[64] = {0};
        GetWindowTextA(box, text, sizeof(text));
        caption = text;
        GetClassNameA(box, text, sizeof(text));
        className = text;
        injectKeyStroke(VK_RETURN);
    });
    MessageBoxA(host->hwnd, "Acest fisier nu exista!", "Citire fisier", MB_OK);
    EXPECT_TRUE(owned);
    EXPECT_FALSE(hasCancel);
    EXPECT_EQ(caption, "Citire fisier");
    EXPECT_EQ(className, "#32770");
    ASSERT_EQ(log().boxes.size(), 1u);
    EXPECT_EQ(log().boxes[0].caption, "Citire fisier");
    EXPECT_EQ(log().boxes[0].text, "Acest fisier nu exista!");
}

TEST_F(MessageBoxTest, OwnerTakesNoInputWhileTheBoxIsUpAndIsEnabledAfter) {
    bool ownerEnabledDuring = true;
    whenIdle([&] {
        ownerEnabledDuring = IsWindowEnabled(host->hwnd) != FALSE;
        host->received.clear();
        injectClick(host->hwnd, 50, 50);
    });
    whenIdle(strike(VK_RETURN));
    MessageBoxA(host->hwnd, "modal", "Box", MB_OK);
    EXPECT_FALSE(ownerEnabledDuring);
    EXPECT_TRUE(host->only(WM_LBUTTONDOWN).empty());
    EXPECT_TRUE(IsWindowEnabled(host->hwnd));
    click(host->hwnd, 50, 50);
    EXPECT_EQ(host->only(WM_LBUTTONDOWN).size(), 1u);
}

TEST_F(MessageBoxTest, OwnerRepaintsWhileTheBoxWaits) {
    COLORREF before = 0, after = 0;
    int paintsBefore = 0;
    whenIdle([&] {
        before = pixel(host->hwnd, 10, 10);
        paintsBefore = host->paints;
        host->fill = RGB(0, 0, 255);
        InvalidateRect(host->hwnd, nullptr, TRUE);
    });
    whenIdle([&] {
        after = pixel(host->hwnd, 10, 10);
        writeScreenshot("msgbox_owner_repainted.png");
        injectKeyStroke(VK_RETURN);
    });
    EXPECT_EQ(MessageBoxA(host->hwnd, "Varful curent extras din coada este 2\nContinutul cozii este: 3",
                          "Parcurgere", MB_OKCANCEL),
              IDOK);
    EXPECT_EQ(before, RGB(200, 200, 200));
    EXPECT_EQ(after, RGB(0, 0, 255));
    EXPECT_GT(host->paints, paintsBefore);
}

TEST_F(MessageBoxTest, BoxIsCentredOverItsOwnerAndGrowsWithItsLines) {
    RECT one{}, two{}, owner{};
    GetWindowRect(host->hwnd, &owner);
    whenIdle([&] {
        GetWindowRect(shownBox(), &one);
        injectKeyStroke(VK_RETURN);
    });
    MessageBoxA(host->hwnd, "o linie", "Box", MB_OK);
    whenIdle([&] {
        GetWindowRect(shownBox(), &two);
        writeScreenshot("msgbox_two_lines.png");
        injectKeyStroke(VK_RETURN);
    });
    MessageBoxA(host->hwnd, "o linie\na doua linie", "Box", MB_OK);
    EXPECT_NEAR((one.left + one.right) / 2, (owner.left + owner.right) / 2, 1);
    EXPECT_NEAR((one.top + one.bottom) / 2, (owner.top + owner.bottom) / 2, 1);
    EXPECT_GT(two.bottom - two.top, one.bottom - one.top);
}

// The step box's hook: moves the box on its activation, then removes itself.
HHOOK placingHook = nullptr;
int activations = 0;
int creations = 0;
std::string createdClass;
POINT placeAt{0, 0};

LRESULT CALLBACK placingHookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && creations++ == 0) {
        char name[64] = {0};
        GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof(name));
        createdClass = name;
    }
    if (code == HCBT_ACTIVATE) {
        ++activations;
        UnhookWindowsHookEx(placingHook);
        HWND box = reinterpret_cast<HWND>(wParam);
        SetWindowPos(box, GetWindow(box, GW_OWNER), placeAt.x, placeAt.y, 0, 0,
                     SWP_NOSIZE | SWP_FRAMECHANGED);
    }
    return CallNextHookEx(placingHook, code, wParam, lParam);
}

TEST_F(MessageBoxTest, CbtHookMovesTheBoxBeforeItIsDrawn) {
    activations = 0;
    creations = 0;
    createdClass.clear();
    RECT owner{};
    GetWindowRect(host->hwnd, &owner);
    placeAt = POINT{owner.left + 450, owner.top + 240};
    placingHook = SetWindowsHookExA(WH_CBT, placingHookProc, nullptr, GetCurrentThreadId());
    ASSERT_NE(placingHook, nullptr);
    RECT placed{};
    std::vector<unsigned> shot;
    whenIdle([&] {
        GetWindowRect(shownBox(), &placed);
        shot = screenshot();
        writeScreenshot("msgbox_placed_by_hook.png");
        injectKeyStroke(VK_RETURN);
    });
    EXPECT_EQ(MessageBoxA(host->hwnd, "Varful curent extras din coada este 2\nContinutul cozii este: 3",
                          "Parcurgere Breadth First", MB_OKCANCEL),
              IDOK);
    EXPECT_EQ(activations, 1);
    EXPECT_EQ(createdClass, "#32770") << "HCBT_CREATEWND came first, for the box";
    EXPECT_EQ(placed.left, placeAt.x);
    EXPECT_EQ(placed.top, placeAt.y);
    // On the screen: the box's caption at the spot, the owner's background just left of it.
    EXPECT_EQ(screenPixel(shot, placeAt.x + 5, placeAt.y + 8), GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_EQ(screenPixel(shot, placeAt.x - 20, placeAt.y + 40), RGB(200, 200, 200));
    UnhookWindowsHookEx(placingHook); // removed already: harmless
    whenIdle(strike(VK_RETURN));
    MessageBoxA(host->hwnd, "again", "Box", MB_OK);
    EXPECT_EQ(activations, 1) << "a removed hook is not called";
}

TEST_F(MessageBoxTest, UnhookTwiceIsHarmless) {
    HHOOK hook = SetWindowsHookExA(WH_CBT, placingHookProc, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    EXPECT_TRUE(UnhookWindowsHookEx(hook));
    EXPECT_FALSE(UnhookWindowsHookEx(hook));
}

TEST_F(MessageBoxTest, VeryLongTextStaysOnTheScreen) {
    std::string circuit;
    for (int i = 0; circuit.size() < 40000; ++i) {
        circuit += std::to_string(1 + i % 99) + " ";
    }
    RECT box{};
    whenIdle([&] {
        GetWindowRect(shownBox(), &box);
        writeScreenshot("msgbox_long_text.png");
        injectKeyStroke(VK_RETURN);
    });
    EXPECT_EQ(MessageBoxA(host->hwnd, circuit.c_str(), "Circuit cu varf de start", MB_OK), IDOK);
    EXPECT_GE(box.left, 0);
    EXPECT_GE(box.top, 0);
    EXPECT_LE(box.right, 1280);
    EXPECT_LE(box.bottom, 800);
    EXPECT_GT(box.right - box.left, 400) << "wrapped, not one endless line";
}

TEST_F(MessageBoxTest, NoBoxForAnOwnerThatIsNoWindow) {
    HWND gone = CreateWindowExA(0, "STATIC", "x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    EXPECT_EQ(MessageBoxA(gone, "text", "caption", MB_OK), 0);
    EXPECT_TRUE(log().boxes.empty());
}

TEST_F(MessageBoxTest, QuitRequestEndsTheBoxAndIsPassedOn) {
    whenIdle([] { PostQuitMessage(4); });
    EXPECT_EQ(MessageBoxA(host->hwnd, "pas", "Parcurgere", MB_OKCANCEL), IDCANCEL);
    MSG msg{};
    bool quitFound = false;
    while (!quitFound && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        quitFound = msg.message == WM_QUIT;
    }
    ASSERT_TRUE(quitFound);
    EXPECT_EQ(msg.wParam, 4u);
    EXPECT_TRUE(IsWindowEnabled(host->hwnd));
}

TEST_F(MessageBoxTest, OwnerDestroyedUnderTheBoxEndsIt) {
    HWND owner = host->hwnd;
    whenIdle([owner] { DestroyWindow(owner); });
    EXPECT_EQ(MessageBoxA(owner, "pas", "Parcurgere", MB_OKCANCEL), IDCANCEL);
    EXPECT_FALSE(IsWindow(shownBox()));
}

TEST_F(MessageBoxTest, NestedBoxLeavesTheOwnerDisabledForTheOuterOne) {
    bool ownerEnabledBetween = true;
    whenIdle([&] {
        whenIdle(strike(VK_RETURN));
        MessageBoxA(host->hwnd, "interior", "Box", MB_OK);
        ownerEnabledBetween = IsWindowEnabled(host->hwnd) != FALSE;
        injectKeyStroke(VK_RETURN);
    });
    EXPECT_EQ(MessageBoxA(host->hwnd, "exterior", "Box", MB_OK), IDOK);
    EXPECT_FALSE(ownerEnabledBetween);
    EXPECT_TRUE(IsWindowEnabled(host->hwnd));
}

TEST_F(MessageBoxTest, WithoutOwnerTheBoxStillAnswers) {
    whenIdle(strike(VK_ESCAPE));
    EXPECT_EQ(MessageBoxA(nullptr, "fara proprietar", nullptr, MB_OKCANCEL), IDCANCEL);
}

} // namespace
