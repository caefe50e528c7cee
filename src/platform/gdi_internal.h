// Device contexts and GDI objects inside the layer: paint.cpp makes DCs for windows, gdi.cpp draws.
#pragma once

#include "platform/win32.h"

#include <string>

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

namespace layer {

enum class GdiKind { Pen, Brush, Font };

struct GdiObject {
    GdiKind kind;
    int style; // pens: PS_SOLID or PS_NULL; brushes: 0 solid, 1 null
    int width; // pens
    COLORREF color;
    bool stock; // never deleted
};

// A DC draws on a top-level window's surface; its origin is the window's client origin and it is
// clipped to `clip` (client coordinates).
struct DeviceContext {
    HWND hwnd = nullptr;
    cairo_t* cr = nullptr;
    cairo_surface_t* surface = nullptr;
    int originX = 0, originY = 0;
    RECT clip{};
    GdiObject* pen = nullptr;
    GdiObject* brush = nullptr;
    GdiObject* font = nullptr;
    COLORREF bkColor = 0;
    COLORREF textColor = 0;
    int bkMode = 0;
    POINT current{};
};

// A DC on hwnd's client area clipped to `clip` (client coordinates), with the platform's defaults.
HDC createWindowDc(HWND hwnd, const RECT& clip);
void destroyDc(HDC dc);
DeviceContext* findDc(HDC dc);

// Fills rect (surface coordinates) of a surface with a colour, unclipped; for the frame painter.
void fillSurfaceRect(cairo_surface_t* surface, const RECT& rect, COLORREF color);
// Draws single-line text in the system font (surface coordinates, top-left of the text cell).
void drawSurfaceText(cairo_surface_t* surface, const RECT& clip, int x, int y, const char* text,
                     COLORREF color);

// Windows-1252 to UTF-8, and back (characters without a code become '?').
std::string windowsLatinToUtf8(const char* text, int count);
std::string utf8ToWindowsLatin(const std::string& text);

} // namespace layer
