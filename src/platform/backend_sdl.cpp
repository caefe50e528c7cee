// The SDL2 display: every visible top-level window is an SDL window of its client size (the window
// manager draws the real frame), presented from the layer's surface after painting; SDL input
// becomes the layer's input in screen coordinates.
#include "platform/backend.h"
#include "platform/gdi_internal.h"

#include <SDL.h>
#include <cairo.h>

#include <cmath>
#include <numbers>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace layer {

namespace {

constexpr int MaxTopLevels = 256;
constexpr int BeepRate = 22050;
constexpr int BeepMilliseconds = 120;
constexpr double BeepFrequency = 880.0;

struct ShownWindow {
    HWND hwnd = nullptr;
    SDL_Window* window = nullptr;
    int x = 0, y = 0, width = 0, height = 0; // the client area on the screen
    std::string title;
    bool minimized = false;
    bool seen = false;
};

struct ClientPlace {
    int x, y, width, height;
};

ClientPlace clientPlace(HWND hwnd) {
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    RECT client{0, 0, 0, 0};
    GetClientRect(hwnd, &client);
    return ClientPlace{origin.x, origin.y, client.right > 0 ? client.right : 1,
                       client.bottom > 0 ? client.bottom : 1};
}

std::string titleOf(HWND hwnd) {
    char text[512] = {0};
    int length = GetWindowTextA(hwnd, text, sizeof(text));
    return windowsLatinToUtf8(text, length > 0 ? length : 0);
}

int virtualKeyOf(SDL_Keycode key) {
    switch (key) {
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_END: return VK_END;
    case SDLK_HOME: return VK_HOME;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_UP: return VK_UP;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_DELETE: return VK_DELETE;
    default: break;
    }
    // Letters and digits: the platform's key codes are their upper-case characters.
    if (key >= SDLK_a && key <= SDLK_z) {
        return static_cast<int>(key - SDLK_a) + 'A';
    }
    if (key >= SDLK_0 && key <= SDLK_9) {
        return static_cast<int>(key);
    }
    return 0;
}

UINT buttonMessage(Uint8 button, bool down) {
    switch (button) {
    case SDL_BUTTON_LEFT: return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    case SDL_BUTTON_RIGHT: return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    case SDL_BUTTON_MIDDLE: return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    default: return 0;
    }
}

class SdlBackend final : public Backend {
  public:
    SdlBackend() {
        // Signals keep their ordinary meaning: the program is stopped, not sent a close request.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
        if (SDL_Init(SDL_INIT_VIDEO) != 0) {
            std::fprintf(stderr, "No display: cannot open a window (%s)\n", SDL_GetError());
            std::exit(1);
        }
        SDL_StartTextInput();
    }

    ~SdlBackend() override {
        for (ShownWindow& shown : shownWindows) {
            SDL_DestroyWindow(shown.window);
        }
        if (audioDevice != 0) {
            SDL_CloseAudioDevice(audioDevice);
        }
        // No SDL_Quit: it unloads the X11 libraries SDL opened, and what they keep until the
        // process ends would then be reported as leaks of no known library. The process ends next.
    }

    SdlBackend(const SdlBackend&) = delete;
    SdlBackend& operator=(const SdlBackend&) = delete;

    void waitForInput() override {
        SDL_Event event;
        if (SDL_WaitEvent(&event) == 0) {
            return;
        }
        handle(event);
        while (SDL_PollEvent(&event) != 0) {
            handle(event);
        }
    }

    void topLevelChanged(HWND) override { synchronise(); }

    void present(HWND topLevel) override {
        ShownWindow* shown = find(topLevel);
        if (shown == nullptr) {
            synchronise();
            shown = find(topLevel);
        }
        if (shown != nullptr) {
            blit(*shown);
        }
    }

    void beep() override {
        if (!openAudio()) {
            return;
        }
        const int samples = BeepRate * BeepMilliseconds / 1000;
        std::vector<Sint16> tone(static_cast<size_t>(samples));
        for (int i = 0; i < samples; ++i) {
            // A short fade at both ends keeps the tone from clicking.
            double fade = std::fmin(1.0, std::fmin(i, samples - i) / (BeepRate * 0.005));
            double wave = std::sin(2.0 * std::numbers::pi * BeepFrequency * i / BeepRate);
            tone[static_cast<size_t>(i)] = static_cast<Sint16>(wave * fade * 8000.0);
        }
        SDL_ClearQueuedAudio(audioDevice);
        SDL_QueueAudio(audioDevice, tone.data(), static_cast<Uint32>(tone.size() * sizeof(Sint16)));
    }

    void messageBoxShown(HWND box, const char*, const char*) override {
        synchronise();
        ShownWindow* shown = find(box);
        if (shown == nullptr) {
            return;
        }
        if (ShownWindow* owner = find(GetWindow(box, GW_OWNER))) {
            SDL_SetWindowModalFor(shown->window, owner->window);
        }
        SDL_RaiseWindow(shown->window);
    }

    DWORD tickCount() override { return SDL_GetTicks(); }

    POINT defaultPosition(int width, int height) override {
        // Cascade from the top-left corner, as the platform does, staying on the virtual screen.
        int step = 26 * (cascade++ % 8);
        int x = 40 + step;
        int y = 30 + step;
        if (x + width > 1280) {
            x = width < 1280 ? 1280 - width : 0;
        }
        if (y + height > 800) {
            y = height < 800 ? 800 - height : 0;
        }
        return POINT{x, y};
    }

  private:
    std::vector<ShownWindow> shownWindows;
    SDL_AudioDeviceID audioDevice = 0;
    bool audioFailed = false;
    int cascade = 0;

    ShownWindow* find(HWND hwnd) {
        for (ShownWindow& shown : shownWindows) {
            if (shown.hwnd == hwnd && hwnd != nullptr) {
                return &shown;
            }
        }
        return nullptr;
    }

    ShownWindow* findById(Uint32 id) {
        for (ShownWindow& shown : shownWindows) {
            if (SDL_GetWindowID(shown.window) == id) {
                return &shown;
            }
        }
        return nullptr;
    }

    // Makes the SDL windows match the layer's visible top-level windows.
    void synchronise() {
        std::vector<TopLevelView> views(MaxTopLevels);
        int count = topLevelWindows(views.data(), MaxTopLevels);
        for (ShownWindow& shown : shownWindows) {
            shown.seen = false;
        }
        for (int i = 0; i < count; ++i) {
            if (views[static_cast<size_t>(i)].visible) {
                update(views[static_cast<size_t>(i)].hwnd, views[static_cast<size_t>(i)].minimized);
            }
        }
        for (size_t i = shownWindows.size(); i-- > 0;) {
            if (!shownWindows[i].seen) {
                SDL_DestroyWindow(shownWindows[i].window);
                shownWindows.erase(shownWindows.begin() + static_cast<std::ptrdiff_t>(i));
            }
        }
    }

    void update(HWND hwnd, bool minimized) {
        ClientPlace place = clientPlace(hwnd);
        std::string title = titleOf(hwnd);
        ShownWindow* shown = find(hwnd);
        if (shown == nullptr) {
            SDL_Window* window = SDL_CreateWindow(title.c_str(), place.x, place.y, place.width, place.height,
                                                  SDL_WINDOW_SHOWN);
            if (window == nullptr) {
                return;
            }
            shownWindows.push_back(
                ShownWindow{hwnd, window, place.x, place.y, place.width, place.height, title, false, true});
            shown = &shownWindows.back();
        }
        shown->seen = true;
        if (shown->title != title) {
            SDL_SetWindowTitle(shown->window, title.c_str());
            shown->title = title;
        }
        if (shown->width != place.width || shown->height != place.height) {
            SDL_SetWindowSize(shown->window, place.width, place.height);
            shown->width = place.width;
            shown->height = place.height;
        }
        if (shown->x != place.x || shown->y != place.y) {
            SDL_SetWindowPosition(shown->window, place.x, place.y);
            shown->x = place.x;
            shown->y = place.y;
        }
        if (minimized != shown->minimized) {
            if (minimized) {
                SDL_MinimizeWindow(shown->window);
            } else {
                SDL_RestoreWindow(shown->window);
            }
            shown->minimized = minimized;
        }
    }

    // Copies the client area of the layer's surface into the SDL window.
    void blit(ShownWindow& shown) {
        std::vector<TopLevelView> views(MaxTopLevels);
        int count = topLevelWindows(views.data(), MaxTopLevels);
        for (int i = 0; i < count; ++i) {
            const TopLevelView& view = views[static_cast<size_t>(i)];
            if (view.hwnd != shown.hwnd || view.surface == nullptr) {
                continue;
            }
            cairo_surface_flush(view.surface);
            unsigned char* data = cairo_image_surface_get_data(view.surface);
            if (data == nullptr) {
                return;
            }
            Uint32 format = cairo_image_surface_get_format(view.surface) == CAIRO_FORMAT_ARGB32
                                ? SDL_PIXELFORMAT_ARGB8888
                                : SDL_PIXELFORMAT_RGB888;
            SDL_Surface* source =
                SDL_CreateRGBSurfaceWithFormatFrom(data, cairo_image_surface_get_width(view.surface),
                                                   cairo_image_surface_get_height(view.surface), 32,
                                                   cairo_image_surface_get_stride(view.surface), format);
            SDL_Surface* target = SDL_GetWindowSurface(shown.window);
            if (source != nullptr && target != nullptr) {
                ClientPlace place = clientPlace(shown.hwnd);
                SDL_Rect from{place.x - view.x, place.y - view.y, place.width, place.height};
                SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);
                SDL_BlitSurface(source, &from, target, nullptr);
                SDL_UpdateWindowSurface(shown.window);
            }
            SDL_FreeSurface(source);
            return;
        }
    }

    bool openAudio() {
        if (audioDevice != 0) {
            return true;
        }
        if (audioFailed) {
            return false;
        }
        SDL_AudioSpec wanted{};
        wanted.freq = BeepRate;
        wanted.format = AUDIO_S16SYS;
        wanted.channels = 1;
        wanted.samples = 512;
        // With no output device listed, opening the default one would only fill standard error
        // with the sound library's complaints; -1 means the driver cannot tell, so try.
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || SDL_GetNumAudioDevices(0) == 0 ||
            (audioDevice = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0)) == 0) {
            audioFailed = true;
            return false;
        }
        SDL_PauseAudioDevice(audioDevice, 0);
        return true;
    }

    // The window that keeps a disabled owner from taking input: its enabled owned window.
    void raiseOwnedBox(HWND owner) {
        for (ShownWindow& shown : shownWindows) {
            if (GetWindow(shown.hwnd, GW_OWNER) == owner && IsWindowEnabled(shown.hwnd)) {
                SDL_RaiseWindow(shown.window);
            }
        }
    }

    // The layer window of an SDL event, or null when it should take no input now.
    HWND inputTarget(Uint32 windowId, bool raiseBox) {
        ShownWindow* shown = findById(windowId);
        if (shown == nullptr) {
            return nullptr;
        }
        if (!IsWindowEnabled(shown->hwnd)) {
            if (raiseBox) {
                raiseOwnedBox(shown->hwnd);
            }
            return nullptr;
        }
        return shown->hwnd;
    }

    // The window manager moved a window: the layer's screen coordinates follow, so that input
    // keeps mapping and boxes placed beside the window appear beside it.
    void followMove(ShownWindow& shown, int clientX, int clientY) {
        if (clientX == shown.x && clientY == shown.y) {
            return;
        }
        ClientPlace place = clientPlace(shown.hwnd);
        RECT outer{0, 0, 0, 0};
        GetWindowRect(shown.hwnd, &outer);
        shown.x = clientX;
        shown.y = clientY;
        SetWindowPos(shown.hwnd, nullptr, outer.left + clientX - place.x, outer.top + clientY - place.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    void handleWindowEvent(const SDL_WindowEvent& event) {
        ShownWindow* shown = findById(event.windowID);
        if (shown == nullptr) {
            return;
        }
        switch (event.event) {
        case SDL_WINDOWEVENT_CLOSE:
            if (HWND hwnd = inputTarget(event.windowID, true)) {
                injectClose(hwnd);
            }
            break;
        case SDL_WINDOWEVENT_EXPOSED: blit(*shown); break;
        case SDL_WINDOWEVENT_MOVED: followMove(*shown, event.data1, event.data2); break;
        default: break;
        }
    }

    void handleMouseButton(const SDL_MouseButtonEvent& event, bool down) {
        HWND hwnd = inputTarget(event.windowID, down);
        UINT message = buttonMessage(event.button, down);
        if (hwnd == nullptr || message == 0) {
            return;
        }
        // A window manager gives the keyboard to the window clicked; without one (a bare X
        // server) nothing would, and typing after a click would go nowhere.
        if (down) {
            if (SDL_Window* window = SDL_GetWindowFromID(event.windowID)) {
                SDL_SetWindowInputFocus(window);
            }
        }
        ClientPlace place = clientPlace(hwnd);
        injectMouseButton(place.x + event.x, place.y + event.y, message);
    }

    void handleMouseMotion(const SDL_MouseMotionEvent& event) {
        if (HWND hwnd = inputTarget(event.windowID, false)) {
            ClientPlace place = clientPlace(hwnd);
            injectMouseMove(place.x + event.x, place.y + event.y);
        }
    }

    void handleKey(const SDL_KeyboardEvent& event, bool down) {
        int key = virtualKeyOf(event.keysym.sym);
        if (key != 0 && inputTarget(event.windowID, false) != nullptr) {
            injectKey(key, down);
        }
    }

    void handleText(const SDL_TextInputEvent& event) {
        if (inputTarget(event.windowID, false) == nullptr) {
            return;
        }
        for (char c : utf8ToWindowsLatin(event.text)) {
            injectChar(static_cast<unsigned char>(c));
        }
    }

    void handle(const SDL_Event& event) {
        switch (event.type) {
        case SDL_WINDOWEVENT: handleWindowEvent(event.window); break;
        case SDL_MOUSEBUTTONDOWN: handleMouseButton(event.button, true); break;
        case SDL_MOUSEBUTTONUP: handleMouseButton(event.button, false); break;
        case SDL_MOUSEMOTION: handleMouseMotion(event.motion); break;
        case SDL_KEYDOWN: handleKey(event.key, true); break;
        case SDL_KEYUP: handleKey(event.key, false); break;
        case SDL_TEXTINPUT: handleText(event.text); break;
        default: break;
        }
    }
};

} // namespace

Backend& backend() {
    static SdlBackend instance;
    return instance;
}

} // namespace layer
