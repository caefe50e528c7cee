// The headless backend: every top-level window lives in its off-screen surface, a 1280 x 800
// virtual screen composes them for screenshots, and input comes from a grafuri-script (the file
// named by the program's first argument, or standard input). The loop asks for input only when it
// has nothing left to do, so each line acts on a settled screen and every run gives the same output.
#include "platform/backend.h"
#include "platform/gdi_internal.h"
#include "platform/script.h"

#include <cairo.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace layer {
namespace {

constexpr int ScreenWidth = 1280;
constexpr int ScreenHeight = 800;
constexpr COLORREF DesktopColor = RGB(0, 128, 128);
constexpr DWORD ClockStart = 100000;
constexpr DWORD LineTime = 1000;
constexpr DWORD DoubleClickGap = 100;
constexpr int MaxEndingRounds = 50;

void printLine(const std::string& utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

std::string escaped(const char* text) {
    std::string out;
    for (const char* p = text ? text : ""; *p; ++p) {
        if (*p == '\\')
            out += "\\\\";
        else if (*p == '\n')
            out += "\\n";
        else
            out += *p;
    }
    return out;
}

std::string toUtf8(const std::string& windowsLatin) {
    return windowsLatinToUtf8(windowsLatin.c_str(), (int)windowsLatin.size());
}

class HeadlessBackend : public Backend {
  public:
    void waitForInput() override {
        openScript();
        std::string line;
        while (!ended_ && std::getline(*in_, line)) {
            ++lineNumber_;
            lineStart_ += LineTime;
            now_ = lineStart_;
            ScriptCommand command;
            std::string error;
            ScriptLine kind = parseScriptLine(line, command, error);
            if (kind == ScriptLine::Error)
                fail(error);
            if (kind == ScriptLine::Command) {
                run(command);
                return;
            }
        }
        ended_ = true;
        finish();
    }

    void topLevelChanged(HWND topLevel) override {
        if (mainWindow_ == nullptr && IsWindow(topLevel))
            mainWindow_ = topLevel;
    }

    void present(HWND) override {}

    void beep() override { printLine("BEEP"); }

    void messageBoxShown(HWND, const char* caption, const char* text) override {
        printLine("BOX " + toUtf8(escaped(caption)) + "|" + toUtf8(escaped(text)));
    }

    DWORD tickCount() override { return now_; }

    POINT defaultPosition(int, int) override {
        POINT p{40 + 30 * defaultPlaced_, 40 + 30 * defaultPlaced_};
        ++defaultPlaced_;
        return p;
    }

  private:
    void openScript() {
        if (in_)
            return;
        char** argv = programArguments();
        if (programArgumentCount() > 1 && std::string(argv[1]) != "-") {
            file_.open(argv[1]);
            if (!file_) {
                std::fprintf(stderr, "grafuri-script: cannot open script %s\n", argv[1]);
                std::fflush(stdout);
                std::exit(2);
            }
            in_ = &file_;
        } else {
            in_ = &std::cin;
        }
    }

    [[noreturn]] void fail(const std::string& reason) {
        std::fflush(stdout);
        std::fprintf(stderr, "grafuri-script: line %d: %s\n", lineNumber_, reason.c_str());
        std::exit(2);
    }

    HWND mainWindow() {
        if (!IsWindow(mainWindow_))
            return nullptr;
        return mainWindow_;
    }

    HWND requireMainWindow() {
        HWND main = mainWindow();
        if (!main)
            fail("there is no main window");
        return main;
    }

    // The message box that is up: the highest visible top-level window of the box class.
    static HWND boxUp() {
        TopLevelView views[64];
        int n = topLevelWindows(views, 64);
        for (int i = n - 1; i >= 0; --i) {
            char name[32];
            GetClassNameA(views[i].hwnd, name, sizeof name);
            if (std::string(name) == "#32770")
                return views[i].hwnd;
        }
        return nullptr;
    }

    void press(int x, int y, UINT down, UINT up) {
        POINT p{x, y};
        ClientToScreen(requireMainWindow(), &p);
        injectMouseButton(p.x, p.y, down);
        injectMouseButton(p.x, p.y, up);
    }

    void run(const ScriptCommand& c) {
        switch (c.kind) {
        case ScriptCommandKind::Click: press(c.x, c.y, WM_LBUTTONDOWN, WM_LBUTTONUP); break;
        case ScriptCommandKind::RightClick: press(c.x, c.y, WM_RBUTTONDOWN, WM_RBUTTONUP); break;
        case ScriptCommandKind::DoubleClick:
            press(c.x, c.y, WM_LBUTTONDOWN, WM_LBUTTONUP);
            now_ += DoubleClickGap;
            press(c.x, c.y, WM_LBUTTONDOWN, WM_LBUTTONUP);
            break;
        case ScriptCommandKind::Type:
            for (char ch : scriptTextToWindowsLatin(c.text))
                injectChar((unsigned char)ch);
            break;
        case ScriptCommandKind::Key:
            injectKey(c.virtualKey, true);
            injectKey(c.virtualKey, false);
            break;
        case ScriptCommandKind::Answer: answer(c.ok); break;
        case ScriptCommandKind::Screenshot: screenshot(c.text); break;
        case ScriptCommandKind::Status: status(); break;
        case ScriptCommandKind::Close: injectClose(requireMainWindow()); break;
        }
    }

    void answer(bool ok) {
        HWND box = boxUp();
        if (!box)
            fail("answer with no message box up");
        HWND button = GetDlgItem(box, ok ? IDOK : IDCANCEL);
        if (!button)
            fail(std::string("the message box has no ") + (ok ? "OK" : "Cancel") + " button");
        SendMessageA(button, BM_CLICK, 0, 0);
        // The click ran outside any dispatch: wake the box's loop so it sees it has been answered.
        PostMessageA(nullptr, WM_NULL, 0, 0);
    }

    void screenshot(const std::string& file) {
        cairo_surface_t* screen = cairo_image_surface_create(CAIRO_FORMAT_RGB24, ScreenWidth, ScreenHeight);
        cairo_t* cr = cairo_create(screen);
        cairo_set_source_rgb(cr, GetRValue(DesktopColor) / 255.0, GetGValue(DesktopColor) / 255.0,
                             GetBValue(DesktopColor) / 255.0);
        cairo_paint(cr);
        TopLevelView views[64];
        int n = topLevelWindows(views, 64);
        for (int i = 0; i < n; ++i) {
            if (views[i].minimized || !views[i].surface)
                continue;
            cairo_surface_flush(views[i].surface);
            cairo_set_source_surface(cr, views[i].surface, views[i].x, views[i].y);
            cairo_paint(cr);
        }
        cairo_destroy(cr);
        cairo_status_t written = cairo_surface_write_to_png(screen, file.c_str());
        cairo_surface_destroy(screen);
        if (written != CAIRO_STATUS_SUCCESS)
            fail("cannot write screenshot " + file);
    }

    void status() {
        HWND main = requireMainWindow();
        HWND bar = nullptr;
        for (HWND c = GetWindow(main, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            char name[32];
            GetClassNameA(c, name, sizeof name);
            if (std::string(name) == STATUSCLASSNAMEA)
                bar = c;
        }
        if (!bar)
            fail("the main window has no status bar");
        std::string out = "STATUS ";
        for (int part = 0; part < 3; ++part) {
            int length = LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, part, 0));
            std::vector<char> buffer(length + 1, '\0');
            SendMessageA(bar, SB_GETTEXTA, part, (LPARAM)buffer.data());
            buffer[length] = '\0';
            if (part)
                out += '|';
            out += toUtf8(buffer.data());
        }
        printLine(out);
    }

    // The script has ended: answer every box with ENTER, then close the main window as its close
    // box does. A program that still waits after that never ends by itself.
    void finish() {
        // Every box answered is a new window; only the same one staying up, or the main window
        // outliving its close, counts as the program not ending.
        HWND target = boxUp() ? boxUp() : mainWindow();
        endingRounds_ = target == lastEndingTarget_ ? endingRounds_ + 1 : 0;
        lastEndingTarget_ = target;
        if (endingRounds_ > MaxEndingRounds) {
            std::fflush(stdout);
            std::fprintf(stderr, "grafuri-script: the program did not end after the script\n");
            std::exit(3);
        }
        if (HWND box = boxUp()) {
            HWND focus = GetFocus();
            bool inside = false;
            for (HWND h = focus; h; h = GetParent(h))
                inside = inside || h == box;
            if (!inside)
                SetFocus(box);
            injectKey(VK_RETURN, true);
            injectKey(VK_RETURN, false);
            return;
        }
        if (HWND main = mainWindow()) {
            injectClose(main);
            return;
        }
        std::fflush(stdout);
        std::fprintf(stderr, "grafuri-script: the program still runs without its main window\n");
        std::exit(3);
    }

    std::ifstream file_;
    std::istream* in_ = nullptr;
    bool ended_ = false;
    int lineNumber_ = 0;
    int endingRounds_ = 0;
    HWND lastEndingTarget_ = nullptr;
    DWORD lineStart_ = ClockStart;
    DWORD now_ = ClockStart;
    HWND mainWindow_ = nullptr;
    int defaultPlaced_ = 0;
};

} // namespace

Backend& backend() {
    static HeadlessBackend instance;
    return instance;
}

} // namespace layer
