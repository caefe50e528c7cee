// What the built-in controls share: their window procedures (registered by controls.cpp) and the
// small drawing helpers of the classic look. Everything here works through the public face of
// win32.h, as the platform's own controls do.
#pragma once

#include "platform/win32.h"

#include <string>
#include <vector>

namespace layer {

// The virtual screen the message boxes keep inside.
constexpr int VirtualScreenWidth = 1280;
constexpr int VirtualScreenHeight = 800;

// The message box's window class.
constexpr const char* MessageBoxClassName = "#32770";

LRESULT CALLBACK buttonWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK staticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK editWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK statusBarWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK messageBoxWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// ---- Drawing helpers (controls.cpp) -----------------------------------------------------------
// Solid fill of [left, right) x [top, bottom) with a system colour.
void fillSysColor(HDC dc, int left, int top, int right, int bottom, int colorIndex);
// A one-pixel frame just inside rect: top and left edges in one colour, bottom and right in another.
void drawEdgePair(HDC dc, const RECT& rect, int topLeftColor, int bottomRightColor);
// The platform's dotted focus mark along the inside of rect.
void drawFocusMark(HDC dc, const RECT& rect);
// Single-line text with its cell's top-left corner at (x, y), in a system colour.
void drawLabel(HDC dc, int x, int y, const std::string& text, int colorIndex);
// Greyed (embossed) text, as disabled controls draw their captions.
void drawGreyedLabel(HDC dc, int x, int y, const std::string& text);
// Width and height of a single line of text in the DC's font.
SIZE measureText(HDC dc, const std::string& text);
// Splits text at line feeds and wraps every line at word boundaries to at most maxWidth pixels;
// a word wider than maxWidth is broken between characters. Carriage returns are dropped.
std::vector<std::string> wrapText(HDC dc, const std::string& text, int maxWidth);

// ---- Fonts ------------------------------------------------------------------------------------
// A control draws in the font WM_SETFONT gave it, else in its class's default (null: the DC's).
HFONT controlFont(HWND hwnd, HFONT classDefault);
// WM_SETFONT and WM_GETFONT for every control; true when the message was one of them.
bool handleFontMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
void forgetControlFont(HWND hwnd);
// BeginPaint and GetDC with the control's font selected.
HDC beginControlPaint(HWND hwnd, PAINTSTRUCT& ps, HFONT classDefault);
HDC controlDc(HWND hwnd, HFONT classDefault);

// ---- Window helpers ---------------------------------------------------------------------------
std::string windowText(HWND hwnd);
// WM_COMMAND to the parent with the control's id and a notification code.
void notifyParent(HWND control, WORD code);
// The client rectangle as a RECT (0, 0, width, height).
RECT clientRectOf(HWND hwnd);

} // namespace layer
