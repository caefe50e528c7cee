// A seeded monkey for the whole program: a display backend of its own that, whenever the program
// has nothing left to dispatch or paint, first checks the graph store and then plays one random
// user event (presses anywhere, radio choices, commands, typed start vertices and file names, box
// answers). Linked with the shell and the layer's core in place of the headless backend, so the
// real WinMain, window procedure, controls and message boxes run every event.
//
//   soak_monkey EVENTS SEED      (EVENTS 0: read SOAK_EVENTS from the environment, default 100000)
//
// It works in a fresh temporary directory of its own, so every file name it types stays there.
#include "graph/graph_store.h"
#include "graph/store_invariants.h"
#include "platform/backend.h"
#include "shell/shell_globals.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The longest a single event may keep the program busy.
constexpr double MaxEventSeconds = 1.0;

// The start-up graph: five vertices, the arcs of the classic traversal example.
constexpr const char* StartupGraph = "5 6\n1 2\n1 3\n2 4\n3 4\n4 1\n5 1\n";

struct PreparedFile {
    const char* name;
    const char* text;
};

// Files the monkey finds beside the ones it saves: valid, invalid, one in start-up form (every
// vertex removed), one whose 99 ids are all used, one with a single live vertex.
constexpr PreparedFile PreparedFiles[] = {
    {"bun.txt", "4\n4\n1 2\n2 3\n3 4\n4 1\n1 100 100\n2 300 100\n3 300 300\n4 100 300\n"},
    {"rau.txt", "3\n2\n1 2\nx\n"},
    {"mare.txt", "120\n0\n"},
    {"forma.txt", "3\n0\n"},
    {"plin.txt", "99\n0\n1 100 100\n"},
    {"unu.txt", "3\n1\n2 2\n2 300 300\n"},
};

const char* const FileNames[] = {
    "bun.txt",  "rau.txt", "mare.txt",  "forma.txt", "plin.txt",         "unu.txt",
    "a.txt",    "b.txt",   "g1",        "G1",        "rorir.in",         "RoriR.in",
    "RORIR.IN", "",        "lipsa.txt", "x",         "nume.lung.de.tot", "c.txt",
};

const char* const StartTexts[] = {"",   "0",  "1",  "2",  "3",  "4",   "5", "7",  "9", "10",
                                  "42", "99", "-1", " 7", "7a", "123", "-", "+3", "a", " "};

struct Point {
    int x;
    int y;
};

// Where the panel's controls are, in the main window's client coordinates.
constexpr Point RadioCentre(int id) {
    return {880, 45 + (id - 101) * 20};
}

constexpr Point CommandButtons[] = {
    {886, 237}, {886, 272}, {886, 307}, {886, 342}, {886, 422},
    {886, 457}, {886, 492}, {810, 580}, {955, 580},
};
constexpr Point StartVertexBoxPoint = {920, 525};
constexpr Point FileNameBoxPoint = {880, 580};

fs::path workDirectory;

// Runs before main(): the start-up file is read from the working directory during WinMain.
bool prepareWorkDirectory() {
    char pattern[] = "/tmp/grafuri-soak-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        std::perror("mkdtemp");
        std::exit(2);
    }
    workDirectory = pattern;
    fs::current_path(workDirectory);
    std::ofstream("RoriR.in") << StartupGraph;
    for (const PreparedFile& file : PreparedFiles) {
        std::ofstream(file.name) << file.text;
    }
    std::atexit([] {
        std::error_code ignored;
        fs::current_path("/", ignored);
        fs::remove_all(workDirectory, ignored);
    });
    return true;
}

const bool workDirectoryReady = prepareWorkDirectory();

std::uint64_t eventCountFromArguments() {
    const int argc = layer::programArgumentCount();
    char** argv = layer::programArguments();
    long long count = argc > 1 ? std::atoll(argv[1]) : 0;
    if (count <= 0) {
        const char* fromEnvironment = std::getenv("SOAK_EVENTS");
        count = fromEnvironment != nullptr ? std::atoll(fromEnvironment) : 0;
    }
    return count > 0 ? static_cast<std::uint64_t>(count) : 100000;
}

unsigned seedFromArguments() {
    const int argc = layer::programArgumentCount();
    return argc > 2 ? static_cast<unsigned>(std::strtoul(layer::programArguments()[2], nullptr, 10)) : 1;
}

class Monkey : public layer::Backend {
  public:
    Monkey() : total_(eventCountFromArguments()), seed_(seedFromArguments()), random_(seed_) {
        std::printf("soak: %llu events, seed %u, in %s\n", static_cast<unsigned long long>(total_), seed_,
                    workDirectory.c_str());
    }

    void waitForInput() override {
        const auto now = std::chrono::steady_clock::now();
        if (played_ > 0) {
            const double seconds = std::chrono::duration<double>(now - eventStart_).count();
            slowest_ = std::max(slowest_, seconds);
            if (seconds > MaxEventSeconds) {
                fail("event took " + std::to_string(seconds) + " s");
            }
        }
        checkStore();
        clock_ += 1000; // every event comes well after the double-click time
        if (pendingTyping_) {
            // The second half of a typing event: not an event of its own.
            const std::function<void()> typing = std::move(pendingTyping_);
            pendingTyping_ = nullptr;
            typing();
        } else if (played_ >= total_) {
            finish();
        } else {
            const HWND box = topBox();
            if (box != nullptr) {
                answerBox(box);
            } else {
                playEvent();
            }
            ++played_;
        }
        eventStart_ = std::chrono::steady_clock::now();
    }

    void topLevelChanged(HWND) override {}
    void present(HWND) override {}
    void beep() override { ++beeps_; }
    void messageBoxShown(HWND, const char* caption, const char* text) override {
        ++boxes_;
        // Counted by kind: the text up to its first number or line break.
        const std::string words(text, std::strcspn(text, "0123456789\n"));
        ++boxTexts_[std::string(caption) + "|" + words];
    }
    DWORD tickCount() override { return clock_; }
    POINT defaultPosition(int, int) override { return {40, 30}; }

  private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool chance(int percent) { return pick(100) < percent; }

    void note(std::string what) {
        if (trace_) {
            std::printf("%llu: %s\n", static_cast<unsigned long long>(played_), what.c_str());
        }
        recent_[played_ % RecentCount] = std::move(what);
    }

    [[noreturn]] void fail(const std::string& why) {
        std::printf("soak FAILED at event %llu (seed %u): %s\nlast events, oldest first:\n",
                    static_cast<unsigned long long>(played_), seed_, why.c_str());
        for (std::uint64_t i = played_ > RecentCount ? played_ - RecentCount : 0; i < played_; ++i) {
            std::printf("  %llu: %s\n", static_cast<unsigned long long>(i), recent_[i % RecentCount].c_str());
        }
        std::fflush(stdout);
        std::error_code ignored;
        fs::current_path("/", ignored);
        fs::remove_all(workDirectory, ignored);
        std::_Exit(1);
    }

    void checkStore() {
        const InvariantReport report = checkStoreInvariants(RemovedVertexArcs::Forbidden);
        if (!report.holds) {
            fail(std::string("store invariant broken: ") + report.firstBroken);
        }
        const GraphStore& g = graphStore;
        // Painting indexes displayState with the pick and draws it: it must be a live vertex.
        const VertexId s = g.selectedVertex;
        if (s != 0 && (s < 1 || s > g.vertexCount || g.isRemoved[s] != 0)) {
            fail("selectedVertex " + std::to_string(s) + " is no live vertex");
        }
        // Nothing reads the second pick, and a refused second click may leave it naming a vertex
        // that a later file read takes away; it only has to stay an index of the arrays.
        if (g.secondVertex < 0 || g.secondVertex >= MaxVertexSlots) {
            fail("secondVertex " + std::to_string(g.secondVertex) + " out of range");
        }
        if (topBox() == nullptr) {
            for (int v = 0; v < MaxVertexSlots; ++v) {
                if (g.displayState[v] != DisplayState::Plain) {
                    fail("vertex " + std::to_string(v) + " still coloured with no box up");
                }
            }
        }
    }

    static HWND topBox() {
        layer::TopLevelView views[32];
        const int count = layer::topLevelWindows(views, 32);
        for (int i = count - 1; i >= 0; --i) {
            char name[16] = {};
            GetClassNameA(views[i].hwnd, name, sizeof name);
            if (views[i].visible && std::strcmp(name, "#32770") == 0) {
                return views[i].hwnd;
            }
        }
        return nullptr;
    }

    static POINT screenPoint(Point client) {
        POINT p = {client.x, client.y};
        ClientToScreen(mainWindow, &p);
        return p;
    }

    void press(POINT screen, UINT down, UINT up) {
        layer::injectMouseMove(screen.x, screen.y);
        layer::injectMouseButton(screen.x, screen.y, down);
        layer::injectMouseButton(screen.x, screen.y, up);
    }
    void leftClick(Point client) { press(screenPoint(client), WM_LBUTTONDOWN, WM_LBUTTONUP); }
    void key(int virtualKey) {
        layer::injectKey(virtualKey, true);
        layer::injectKey(virtualKey, false);
    }
    void type(const std::string& text) {
        for (char c : text) {
            layer::injectChar(static_cast<unsigned char>(c));
        }
    }

    // Saves overwrite the prepared files too; a name about to be typed gets its prepared text back,
    // so the invalid ones stay invalid.
    static void restorePreparedFile(const std::string& name) {
        for (const PreparedFile& file : PreparedFiles) {
            if (name == file.name) {
                std::ofstream(file.name) << file.text;
            }
        }
    }

    // Keys go to the window that has the focus when they are injected, so the typing waits for
    // the next round, once the click has been dispatched and given the box the focus.
    void typeInto(Point editBox, int erase, const std::string& text) {
        leftClick(editBox);
        pendingTyping_ = [this, erase, text] {
            key(VK_END);
            for (int i = 0; i < erase; ++i) {
                key(VK_BACK);
            }
            type(text);
        };
    }

    void clickCentreOf(HWND control) {
        RECT r = {};
        GetWindowRect(control, &r);
        press({(r.left + r.right) / 2, (r.top + r.bottom) / 2}, WM_LBUTTONDOWN, WM_LBUTTONUP);
    }

    void answerBox(HWND box) {
        const int r = pick(100);
        const HWND ok = GetDlgItem(box, IDOK);
        const HWND cancel = GetDlgItem(box, IDCANCEL);
        if (r < 30) {
            note("box: ENTER");
            key(VK_RETURN);
        } else if (r < 50) {
            note("box: ESCAPE");
            key(VK_ESCAPE);
        } else if (r < 75 && ok != nullptr) {
            note("box: click OK");
            clickCentreOf(ok);
        } else if (r < 85 && cancel != nullptr) {
            note("box: click Cancel");
            clickCentreOf(cancel);
        } else if (r < 90) {
            note("box: close box");
            layer::injectClose(box);
        } else {
            // The owner is disabled while the box is up: this press must change nothing.
            const Point p = {between(0, 990), between(0, 600)};
            note("box up: press on the main window at " + std::to_string(p.x) + "," + std::to_string(p.y));
            leftClick(p);
        }
    }

    Point canvasPoint() {
        const GraphStore& g = graphStore;
        // Mostly near a live vertex, so that arcs get drawn and traversals go somewhere.
        int live[MaxVertexSlots];
        int liveCount = 0;
        for (int v = 1; v <= g.vertexCount; ++v) {
            if (g.isRemoved[v] == 0) {
                live[liveCount++] = v;
            }
        }
        if (liveCount > 0 && chance(70)) {
            const int v = live[pick(liveCount)];
            return {std::max(0, g.posX[v] + between(-26, 26)), std::max(0, g.posY[v] + between(-26, 26))};
        }
        if (chance(5)) {
            return {between(754, 757), between(0, 640)};
        }
        return {between(0, 800), between(0, 640)};
    }

    void playEvent() {
        const int r = pick(100);
        if (r < 30) {
            const Point p = canvasPoint();
            note("press " + std::to_string(p.x) + "," + std::to_string(p.y));
            leftClick(p);
        } else if (r < 34) {
            const Point p = canvasPoint();
            note("double click " + std::to_string(p.x) + "," + std::to_string(p.y));
            leftClick(p);
            clock_ += 100;
            leftClick(p);
        } else if (r < 48) {
            const int id = chance(25) ? 107 : between(101, 107);
            const bool right = chance(10);
            note(std::string(right ? "right press" : "press") + " radio " + std::to_string(id));
            if (right) {
                press(screenPoint(RadioCentre(id)), WM_RBUTTONDOWN, WM_RBUTTONUP);
            } else {
                leftClick(RadioCentre(id));
            }
        } else if (r < 64) {
            const int command = pick(9);
            note("command " + std::to_string(command + 1));
            leftClick(CommandButtons[command]);
        } else if (r < 74) {
            const std::string text = chance(90) ? StartTexts[pick(std::size(StartTexts))] : randomText(1, 3);
            note("start vertex '" + text + "'");
            typeInto(StartVertexBoxPoint, 4, text);
        } else if (r < 82) {
            const std::string name = chance(85) ? FileNames[pick(std::size(FileNames))] : randomName();
            note("file name '" + name + "'");
            restorePreparedFile(name);
            typeInto(FileNameBoxPoint, 20, name);
        } else if (r < 88) {
            constexpr int Keys[] = {VK_LEFT,   VK_RIGHT, VK_HOME,   VK_END,
                                    VK_DELETE, VK_BACK,  VK_RETURN, VK_ESCAPE};
            const int k = Keys[pick(std::size(Keys))];
            note("key " + std::to_string(k));
            key(k);
        } else {
            pressAnywhere();
        }
    }

    // Anywhere on the screen but the main window's caption, whose boxes would close or minimize it.
    void pressAnywhere() {
        RECT outer = {};
        GetWindowRect(mainWindow, &outer);
        const POINT client = screenPoint({0, 0});
        POINT p = {between(0, 1279), between(0, 799)};
        if (p.y >= outer.top && p.y < client.y && p.x >= outer.left && p.x < outer.right) {
            p.y = client.y + (p.y - outer.top);
        }
        const bool right = chance(30);
        note(std::string(right ? "right press" : "press") + " on screen " + std::to_string(p.x) + "," +
             std::to_string(p.y));
        press(p, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? WM_RBUTTONUP : WM_LBUTTONUP);
    }

    std::string randomText(int shortest, int longest) {
        std::string text;
        for (int i = between(shortest, longest); i > 0; --i) {
            text += static_cast<char>(between(' ', '~'));
        }
        return text;
    }

    // Letters, digits, dots and the odd Windows-1252 byte; never a slash, so it names a file here.
    std::string randomName() {
        static const char Alphabet[] =
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789._-\xE2";
        std::string name = "f";
        for (int i = between(0, 19); i > 0; --i) {
            name += Alphabet[pick(sizeof Alphabet - 1)];
        }
        return name;
    }

    void finish() {
        if (++finishCalls_ > 100) {
            fail("the program did not end after its window was closed");
        }
        if (topBox() != nullptr) {
            key(VK_RETURN);
            return;
        }
        if (finishCalls_ == 1 || IsWindow(mainWindow)) {
            std::printf("soak: %llu events played, %d boxes, %d beeps, slowest event %.3f s\n",
                        static_cast<unsigned long long>(played_), boxes_, beeps_, slowest_);
            // What the run reached, so a change that starves some action shows.
            for (const auto& [box, count] : boxTexts_) {
                std::printf("  %6d  %s\n", count, box.c_str());
            }
            std::fflush(stdout);
            layer::injectClose(mainWindow);
        }
    }

    static constexpr std::uint64_t RecentCount = 30;
    const std::uint64_t total_;
    const unsigned seed_;
    std::mt19937 random_;
    std::uint64_t played_ = 0;
    DWORD clock_ = 1000;
    int boxes_ = 0;
    int beeps_ = 0;
    int finishCalls_ = 0;
    double slowest_ = 0;
    std::chrono::steady_clock::time_point eventStart_;
    std::string recent_[RecentCount];
    std::map<std::string, int> boxTexts_;
    std::function<void()> pendingTyping_;
    const bool trace_ = std::getenv("SOAK_TRACE") != nullptr; // every event on stdout
};

} // namespace

layer::Backend& layer::backend() {
    static Monkey monkey;
    return monkey;
}
