// A tiny X client for the display smoke test: waits for a top-level window with a given title and
// prints where it is, waits for it to go, clicks into it, or asks it to close as a window manager's
// close box does.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

bool titled(Display* display, Window window, const char* title) {
    char* name = nullptr;
    bool match = false;
    if (XFetchName(display, window, &name) != 0 && name != nullptr) {
        match = std::strcmp(name, title) == 0;
        XFree(name);
    }
    return match;
}

// A viewable window with the title anywhere under `parent`, or 0.
Window findTitled(Display* display, Window parent, const char* title) {
    Window root = 0, parentOut = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display, parent, &root, &parentOut, &children, &count) == 0) {
        return 0;
    }
    Window found = 0;
    for (unsigned i = 0; i < count && found == 0; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) != 0 &&
            attributes.map_state == IsViewable && titled(display, children[i], title)) {
            found = children[i];
        } else {
            found = findTitled(display, children[i], title);
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
} // windows may vanish while we look

Window waitFor(Display* display, const char* title, double seconds, bool present) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (true) {
        Window window = findTitled(display, DefaultRootWindow(display), title);
        if ((window != 0) == present) {
            return window;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            return present ? 0 : window;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s wait|gone|close TITLE [SECONDS] | click TITLE X Y\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    std::string command = argv[1];
    const char* title = argv[2];
    double seconds = argc > 3 ? std::atof(argv[3]) : 10.0;
    int status = 1;
    if (command == "wait") {
        Window window = waitFor(display, title, seconds, true);
        if (window != 0) {
            XWindowAttributes attributes;
            XGetWindowAttributes(display, window, &attributes);
            int x = 0, y = 0;
            Window child = 0;
            XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
            std::printf("%d %d %d %d\n", x, y, attributes.width, attributes.height);
            status = 0;
        }
    } else if (command == "gone") {
        status = waitFor(display, title, seconds, false) == 0 ? 0 : 1;
    } else if (command == "click" && argc > 4) {
        // A left press and release at a point of the window, as the server would deliver them.
        Window window = findTitled(display, DefaultRootWindow(display), title);
        if (window != 0) {
            int x = std::atoi(argv[3]);
            int y = std::atoi(argv[4]);
            int rootX = 0, rootY = 0;
            Window child = 0;
            XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y, &rootX, &rootY, &child);
            // SDL reports a press where the pointer last moved, so the pointer moves there first.
            XEvent motion{};
            motion.xmotion.type = MotionNotify;
            motion.xmotion.display = display;
            motion.xmotion.window = window;
            motion.xmotion.root = DefaultRootWindow(display);
            motion.xmotion.x = x;
            motion.xmotion.y = y;
            motion.xmotion.x_root = rootX;
            motion.xmotion.y_root = rootY;
            motion.xmotion.same_screen = True;
            motion.xmotion.time = CurrentTime;
            XSendEvent(display, window, True, PointerMotionMask, &motion);
            XFlush(display);
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            for (int type : {ButtonPress, ButtonRelease}) {
                XEvent event{};
                event.xbutton.type = type;
                event.xbutton.display = display;
                event.xbutton.window = window;
                event.xbutton.root = DefaultRootWindow(display);
                event.xbutton.x = x;
                event.xbutton.y = y;
                event.xbutton.x_root = rootX;
                event.xbutton.y_root = rootY;
                event.xbutton.button = Button1;
                event.xbutton.state = type == ButtonRelease ? Button1Mask : 0;
                event.xbutton.same_screen = True;
                event.xbutton.time = CurrentTime;
                XSendEvent(display, window, True, type == ButtonPress ? ButtonPressMask : ButtonReleaseMask,
                           &event);
                XFlush(display);
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
            status = 0;
        }
    } else if (command == "close") {
        Window window = findTitled(display, DefaultRootWindow(display), title);
        if (window != 0) {
            XEvent event{};
            event.xclient.type = ClientMessage;
            event.xclient.window = window;
            event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
            event.xclient.format = 32;
            event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
            event.xclient.data.l[1] = CurrentTime;
            XSendEvent(display, window, False, NoEventMask, &event);
            XFlush(display);
            status = 0;
        }
    }
    XCloseDisplay(display);
    return status;
}
