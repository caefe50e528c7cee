#include "layer_fixture.h"

#include <map>

namespace layer {
Backend& backend() {
    return layertest::testBackend();
}
} // namespace layer

namespace layertest {
namespace {

std::map<HWND, LRESULT>& hitTestAnswers() {
    static std::map<HWND, LRESULT> answers;
    return answers;
}

LRESULT CALLBACK loggingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    messageLog().push_back(LoggedMessage{hwnd, message, wParam, lParam});
    if (message == WM_NCHITTEST) {
        auto it = hitTestAnswers().find(hwnd);
        if (it != hitTestAnswers().end())
            return it->second;
    }
    if (message == WM_NCDESTROY)
        hitTestAnswers().erase(hwnd);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace

TestBackend& testBackend() {
    static TestBackend backend;
    return backend;
}

std::vector<LoggedMessage>& messageLog() {
    static std::vector<LoggedMessage> log;
    return log;
}

std::vector<LoggedMessage> logged(UINT message) {
    std::vector<LoggedMessage> out;
    for (const auto& m : messageLog())
        if (m.message == message)
            out.push_back(m);
    return out;
}

void setHitTestAnswer(HWND hwnd, LRESULT answer) {
    hitTestAnswers()[hwnd] = answer;
}

void registerTestClasses() {
    static bool done = false;
    if (done)
        return;
    done = true;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = loggingProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_SCROLLBAR + 1);
    wc.lpszClassName = "LayerTestWindow";
    RegisterClassExA(&wc);
    wc.style = 0;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = "LayerTestPlain";
    RegisterClassExA(&wc);
}

void pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void LayerTest::SetUp() {
    registerTestClasses();
    pump();
    messageLog().clear();
}

void LayerTest::TearDown() {
    for (auto it = created_.rbegin(); it != created_.rend(); ++it)
        DestroyWindow(*it);
    ReleaseCapture();
    pump();
    messageLog().clear();
    testBackend().now += 10000; // no double click across tests
}

HWND LayerTest::makeMain(const char* cls) {
    HWND hwnd = CreateWindowExA(0, cls, "Main", MainStyle, CW_USEDEFAULT, CW_USEDEFAULT, 1000, 660, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    created_.push_back(hwnd);
    ShowWindow(hwnd, SW_SHOWDEFAULT);
    return hwnd;
}

HWND LayerTest::makeChild(HWND parent, int x, int y, int width, int height, int id, DWORD extraStyle,
                          const char* cls) {
    return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | extraStyle, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)), nullptr, nullptr);
}

void LayerTest::click(HWND hwnd, int x, int y, UINT down) {
    POINT p{x, y};
    ClientToScreen(hwnd, &p);
    layer::injectMouseButton(p.x, p.y, down);
    layer::injectMouseButton(p.x, p.y, down == WM_LBUTTONDOWN ? WM_LBUTTONUP : WM_RBUTTONUP);
    pump();
}

} // namespace layertest

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
