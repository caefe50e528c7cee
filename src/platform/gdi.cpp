// GDI on cairo: device contexts with the platform's defaults, pens, brushes, the system font,
// lines, arcs, ellipses, rectangles and text. Shapes are aliased like the platform's (a 2-pixel red
// pen is crisp red); integer coordinates name pixels, and a 1-pixel line runs through their centres.
#include "platform/gdi_internal.h"
#include "platform/window_internal.h"

#include <algorithm>
#include <cairo-ft.h>
#include <cairo.h>
#include <climits>
#include <cstdint>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <cmath>
#include <cstring>
#include <unordered_set>
#include <vector>

namespace layer {
namespace {

constexpr double Pi = 3.14159265358979323846;
// DejaVu Sans Bold stands in for the system font, at the size where "RoriR.in" fits the 72-pixel
// file-name box, two digits the 22-pixel start-vertex box and "V\xE2rf start:" its 70-pixel label.
constexpr double SystemFontSize = 12.0;
constexpr COLORREF InvalidColor = 0xFFFFFFFF;
constexpr int SysColorCount = 31;

const COLORREF sysColors[SysColorCount] = {
    RGB(200, 200, 200), // COLOR_SCROLLBAR: the main window's background
    RGB(0, 128, 128),   // COLOR_BACKGROUND
    RGB(0, 0, 128),     // COLOR_ACTIVECAPTION
    RGB(128, 128, 128), // COLOR_INACTIVECAPTION
    RGB(192, 192, 192), // COLOR_MENU
    RGB(255, 255, 255), // COLOR_WINDOW
    RGB(0, 0, 0),       // COLOR_WINDOWFRAME
    RGB(0, 0, 0),       // COLOR_MENUTEXT
    RGB(0, 0, 0),       // COLOR_WINDOWTEXT
    RGB(255, 255, 255), // COLOR_CAPTIONTEXT
    RGB(192, 192, 192), // COLOR_ACTIVEBORDER
    RGB(192, 192, 192), // COLOR_INACTIVEBORDER
    RGB(128, 128, 128), // COLOR_APPWORKSPACE
    RGB(0, 0, 128),     // COLOR_HIGHLIGHT
    RGB(255, 255, 255), // COLOR_HIGHLIGHTTEXT
    RGB(192, 192, 192), // COLOR_BTNFACE
    RGB(128, 128, 128), // COLOR_BTNSHADOW
    RGB(128, 128, 128), // COLOR_GRAYTEXT
    RGB(0, 0, 0),       // COLOR_BTNTEXT
    RGB(192, 192, 192), // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255), // COLOR_BTNHIGHLIGHT
    RGB(0, 0, 0),       // COLOR_3DDKSHADOW
    RGB(223, 223, 223), // COLOR_3DLIGHT
    RGB(0, 0, 0),       // COLOR_INFOTEXT
    RGB(255, 255, 225), // COLOR_INFOBK
    RGB(192, 192, 192), // (unused)
    RGB(0, 0, 255),     // COLOR_HOTLIGHT
    RGB(16, 132, 208),  // COLOR_GRADIENTACTIVECAPTION
    RGB(181, 181, 181), // COLOR_GRADIENTINACTIVECAPTION
    RGB(0, 0, 128),     // COLOR_MENUHILIGHT
    RGB(192, 192, 192), // COLOR_MENUBAR
};

// Windows-1252 0x80..0x9F; the five unassigned codes keep their own value.
const unsigned short cp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                       0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

struct Stock {
    GdiObject objects[18];
    GdiObject sysBrushes[SysColorCount];
    Stock() {
        for (auto& o : objects)
            o = GdiObject{GdiKind::Brush, 1, 0, 0, true};
        objects[WHITE_BRUSH] = {GdiKind::Brush, 0, 0, RGB(255, 255, 255), true};
        objects[LTGRAY_BRUSH] = {GdiKind::Brush, 0, 0, RGB(192, 192, 192), true};
        objects[GRAY_BRUSH] = {GdiKind::Brush, 0, 0, RGB(128, 128, 128), true};
        objects[3] = {GdiKind::Brush, 0, 0, RGB(64, 64, 64), true};
        objects[BLACK_BRUSH] = {GdiKind::Brush, 0, 0, RGB(0, 0, 0), true};
        objects[NULL_BRUSH] = {GdiKind::Brush, 1, 0, 0, true};
        objects[WHITE_PEN] = {GdiKind::Pen, PS_SOLID, 1, RGB(255, 255, 255), true};
        objects[BLACK_PEN] = {GdiKind::Pen, PS_SOLID, 1, RGB(0, 0, 0), true};
        objects[NULL_PEN] = {GdiKind::Pen, PS_NULL, 1, 0, true};
        for (int i = 10; i < 18; ++i)
            objects[i] = {GdiKind::Font, 0, 0, 0, true};
        for (int i = 0; i < SysColorCount; ++i)
            sysBrushes[i] = {GdiKind::Brush, 0, 0, sysColors[i], true};
    }
};

Stock& stock() {
    static Stock s;
    return s;
}

struct Registry {
    std::unordered_set<GdiObject*> objects;
    std::unordered_set<DeviceContext*> dcs;
};

// Never destroyed, like the window tree: objects the program never deletes stay reachable.
Registry& registry() {
    static Registry* r = new Registry;
    return *r;
}

GdiObject* asObject(HGDIOBJ h) {
    auto* o = static_cast<GdiObject*>(h);
    if (o == nullptr)
        return nullptr;
    Stock& s = stock();
    if (o >= s.objects && o < s.objects + 18)
        return o;
    if (o >= s.sysBrushes && o < s.sysBrushes + SysColorCount)
        return o;
    return registry().objects.count(o) ? o : nullptr;
}

// A brush handle, or a system colour index + 1 as window classes may give.
GdiObject* asBrush(HBRUSH h) {
    auto value = (std::uintptr_t)h;
    if (value >= 1 && value <= SysColorCount)
        return &stock().sysBrushes[value - 1];
    GdiObject* o = asObject(h);
    return (o && o->kind == GdiKind::Brush) ? o : nullptr;
}

void setColor(cairo_t* cr, COLORREF c) {
    cairo_set_source_rgb(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
}

cairo_font_options_t* fontOptions() {
    static cairo_font_options_t* options = [] {
        cairo_font_options_t* o = cairo_font_options_create();
        cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_ON);
        cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_SLIGHT);
        cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
        return o;
    }();
    return options;
}

// Loaded from its file once and kept for the process: through fontconfig, cairo's font caches
// would outlive every object of the program (and show up as leaks under the sanitizers).
cairo_font_face_t* systemFontFace() {
    static cairo_font_face_t* face = [] {
        static const char* const files[] = {"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
                                            "/usr/share/fonts/dejavu/DejaVuSans-Bold.ttf"};
        FT_Library library = nullptr;
        if (FT_Init_FreeType(&library) == 0) {
            for (const char* file : files) {
                FT_Face ftFace = nullptr;
                if (FT_New_Face(library, file, 0, &ftFace) == 0)
                    return cairo_ft_font_face_create_for_ft_face(ftFace, 0);
            }
        }
        return cairo_toy_font_face_create("DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    }();
    return face;
}

void selectSystemFont(cairo_t* cr) {
    cairo_set_font_face(cr, systemFontFace());
    cairo_set_font_size(cr, SystemFontSize);
    cairo_set_font_options(cr, fontOptions());
}

struct FontMetrics {
    int ascent;
    int height;
};

FontMetrics metrics(cairo_t* cr) {
    cairo_font_extents_t fe;
    cairo_font_extents(cr, &fe);
    int ascent = (int)std::ceil(fe.ascent);
    return FontMetrics{ascent, ascent + (int)std::ceil(fe.descent)};
}

int advance(cairo_t* cr, const std::string& utf8) {
    cairo_text_extents_t e;
    cairo_text_extents(cr, utf8.c_str(), &e);
    return (int)std::lround(e.x_advance);
}

// One line of text with its top-left corner at (x, y), on an opaque cell when asked.
void drawLine(DeviceContext& dc, int x, int y, const std::string& utf8) {
    FontMetrics m = metrics(dc.cr);
    int width = advance(dc.cr, utf8);
    if (dc.bkMode == OPAQUE) {
        setColor(dc.cr, dc.bkColor);
        cairo_rectangle(dc.cr, x, y, width, m.height);
        cairo_fill(dc.cr);
    }
    setColor(dc.cr, dc.textColor);
    cairo_move_to(dc.cr, x, y + m.ascent);
    cairo_show_text(dc.cr, utf8.c_str());
    cairo_new_path(dc.cr);
}

bool hasStroke(const DeviceContext& dc) {
    return dc.pen && dc.pen->style != PS_NULL;
}
int penWidth(const DeviceContext& dc) {
    return hasStroke(dc) ? std::max(1, dc.pen->width) : 0;
}
double penOffset(const DeviceContext& dc) {
    return (penWidth(dc) % 2) ? 0.5 : 0.0;
}

void strokeWithPen(DeviceContext& dc) {
    int width = penWidth(dc);
    if (width == 0) {
        cairo_new_path(dc.cr);
        return;
    }
    setColor(dc.cr, dc.pen->color);
    cairo_set_line_width(dc.cr, width);
    cairo_set_line_cap(dc.cr, width > 1 ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(dc.cr, width > 1 ? CAIRO_LINE_JOIN_ROUND : CAIRO_LINE_JOIN_MITER);
    cairo_stroke(dc.cr);
}

void fillWithBrush(DeviceContext& dc, bool preserve) {
    if (dc.brush && dc.brush->style == 0) {
        setColor(dc.cr, dc.brush->color);
        if (preserve)
            cairo_fill_preserve(dc.cr);
        else
            cairo_fill(dc.cr);
    } else if (!preserve) {
        cairo_new_path(dc.cr);
    }
}

// Strips the '&' prefixes of DrawTextA: "&&" is one '&', a single '&' vanishes.
std::string stripPrefixes(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        else if (text[i] == '&')
            continue;
        out += text[i];
    }
    return out;
}

// Splits text into lines at line feeds, wrapping words at `width` when asked.
std::vector<std::string> layoutLines(cairo_t* cr, const std::string& text, bool singleLine, bool wrap,
                                     int width) {
    std::vector<std::string> lines;
    if (singleLine) {
        std::string line;
        for (char c : text)
            if (c != '\r' && c != '\n')
                line += c;
        lines.push_back(line);
        return lines;
    }
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find('\n', start);
        std::string para = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!para.empty() && para.back() == '\r')
            para.pop_back();
        if (!wrap) {
            lines.push_back(para);
        } else {
            std::string line;
            std::size_t pos = 0;
            while (pos <= para.size()) {
                std::size_t space = para.find(' ', pos);
                std::string word =
                    para.substr(pos, space == std::string::npos ? std::string::npos : space - pos);
                std::string candidate = line.empty() ? word : line + " " + word;
                if (!line.empty() &&
                    advance(cr, windowsLatinToUtf8(candidate.c_str(), (int)candidate.size())) > width) {
                    lines.push_back(line);
                    line = word;
                } else {
                    line = candidate;
                }
                if (space == std::string::npos)
                    break;
                pos = space + 1;
            }
            lines.push_back(line);
        }
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return lines;
}

cairo_surface_t* scratchSurface() {
    static cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
    return s;
}

} // namespace

std::string windowsLatinToUtf8(const char* text, int count) {
    std::string out;
    if (text == nullptr)
        return out;
    for (int i = 0; i < count; ++i) {
        auto b = (unsigned char)text[i];
        unsigned code = (b >= 0x80 && b < 0xA0) ? cp1252High[b - 0x80] : b;
        if (code < 0x80) {
            out += (char)code;
        } else if (code < 0x800) {
            out += (char)(0xC0 | (code >> 6));
            out += (char)(0x80 | (code & 0x3F));
        } else {
            out += (char)(0xE0 | (code >> 12));
            out += (char)(0x80 | ((code >> 6) & 0x3F));
            out += (char)(0x80 | (code & 0x3F));
        }
    }
    return out;
}

std::string utf8ToWindowsLatin(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        auto b = (unsigned char)text[i];
        unsigned code;
        int length;
        if (b < 0x80)
            code = b, length = 1;
        else if ((b & 0xE0) == 0xC0)
            code = b & 0x1F, length = 2;
        else if ((b & 0xF0) == 0xE0)
            code = b & 0x0F, length = 3;
        else if ((b & 0xF8) == 0xF0)
            code = b & 0x07, length = 4;
        else
            code = 0xFFFD, length = 1;
        for (int k = 1; k < length; ++k) {
            if (i + k >= text.size() || (((unsigned char)text[i + k]) & 0xC0) != 0x80) {
                code = 0xFFFD, length = k;
                break;
            }
            code = (code << 6) | (((unsigned char)text[i + k]) & 0x3F);
        }
        i += length;
        char c = '?';
        if (code < 0x80 || (code >= 0xA0 && code < 0x100)) {
            c = (char)code;
        } else {
            for (int k = 0; k < 32; ++k)
                if (cp1252High[k] == code)
                    c = (char)(0x80 + k);
        }
        out += c;
    }
    return out;
}

HDC createWindowDc(HWND hwnd, const RECT& clip) {
    auto* dc = new DeviceContext;
    dc->hwnd = hwnd;
    Window* top = findWindow(topLevelOf(hwnd));
    dc->surface = top && top->surface ? top->surface : scratchSurface();
    POINT origin = hwnd ? clientOriginInSurface(hwnd) : POINT{0, 0};
    dc->originX = origin.x;
    dc->originY = origin.y;
    dc->clip = clip;
    dc->cr = cairo_create(dc->surface);
    cairo_translate(dc->cr, origin.x, origin.y);
    cairo_rectangle(dc->cr, clip.left, clip.top, std::max<LONG>(0, clip.right - clip.left),
                    std::max<LONG>(0, clip.bottom - clip.top));
    cairo_clip(dc->cr);
    cairo_set_antialias(dc->cr, CAIRO_ANTIALIAS_NONE);
    selectSystemFont(dc->cr);
    Stock& s = stock();
    dc->pen = &s.objects[BLACK_PEN];
    dc->brush = &s.objects[WHITE_BRUSH];
    dc->font = &s.objects[SYSTEM_FONT];
    dc->bkColor = RGB(255, 255, 255);
    dc->textColor = RGB(0, 0, 0);
    dc->bkMode = OPAQUE;
    registry().dcs.insert(dc);
    return reinterpret_cast<HDC>(dc);
}

DeviceContext* findDc(HDC dc) {
    auto* d = reinterpret_cast<DeviceContext*>(dc);
    return registry().dcs.count(d) ? d : nullptr;
}

void destroyDc(HDC handle) {
    DeviceContext* dc = findDc(handle);
    if (!dc)
        return;
    cairo_surface_flush(dc->surface);
    cairo_destroy(dc->cr);
    registry().dcs.erase(dc);
    delete dc;
}

void fillSurfaceRect(cairo_surface_t* surface, const RECT& rect, COLORREF color) {
    cairo_t* cr = cairo_create(surface);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    setColor(cr, color);
    cairo_rectangle(cr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    cairo_fill(cr);
    cairo_destroy(cr);
}

void drawSurfaceText(cairo_surface_t* surface, const RECT& clip, int x, int y, const char* text,
                     COLORREF color) {
    cairo_t* cr = cairo_create(surface);
    cairo_rectangle(cr, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top);
    cairo_clip(cr);
    selectSystemFont(cr);
    setColor(cr, color);
    std::string utf8 = windowsLatinToUtf8(text, (int)std::strlen(text));
    cairo_move_to(cr, x, y + metrics(cr).ascent);
    cairo_show_text(cr, utf8.c_str());
    cairo_destroy(cr);
}

} // namespace layer

using namespace layer;

DWORD GetSysColor(int index) {
    return (index >= 0 && index < SysColorCount) ? sysColors[index] : 0;
}

HBRUSH GetSysColorBrush(int index) {
    if (index < 0 || index >= SysColorCount)
        return nullptr;
    return reinterpret_cast<HBRUSH>(&stock().sysBrushes[index]);
}

HGDIOBJ GetStockObject(int index) {
    if (index < 0 || index >= 18 || index == 9)
        return nullptr;
    return &stock().objects[index];
}

HPEN CreatePen(int style, int width, COLORREF color) {
    auto* o =
        new GdiObject{GdiKind::Pen, style == PS_NULL ? PS_NULL : PS_SOLID, std::max(1, width), color, false};
    registry().objects.insert(o);
    return reinterpret_cast<HPEN>(o);
}

HBRUSH CreateSolidBrush(COLORREF color) {
    auto* o = new GdiObject{GdiKind::Brush, 0, 0, color, false};
    registry().objects.insert(o);
    return reinterpret_cast<HBRUSH>(o);
}

BOOL DeleteObject(HGDIOBJ object) {
    GdiObject* o = asObject(object);
    if (!o)
        return FALSE;
    if (o->stock)
        return TRUE;
    for (DeviceContext* dc : registry().dcs)
        if (dc->pen == o || dc->brush == o)
            return FALSE; // still selected, as the platform refuses
    registry().objects.erase(o);
    delete o;
    return TRUE;
}

HGDIOBJ SelectObject(HDC handle, HGDIOBJ object) {
    DeviceContext* dc = findDc(handle);
    GdiObject* o = asObject(object);
    if (!dc || !o)
        return nullptr;
    GdiObject** slot = o->kind == GdiKind::Pen     ? &dc->pen
                       : o->kind == GdiKind::Brush ? &dc->brush
                                                   : &dc->font;
    GdiObject* previous = *slot;
    *slot = o;
    return previous;
}

BOOL MoveToEx(HDC handle, int x, int y, LPPOINT previous) {
    DeviceContext* dc = findDc(handle);
    if (!dc)
        return FALSE;
    if (previous)
        *previous = dc->current;
    dc->current = POINT{x, y};
    return TRUE;
}

BOOL LineTo(HDC handle, int x, int y) {
    DeviceContext* dc = findDc(handle);
    if (!dc)
        return FALSE;
    double off = penOffset(*dc);
    cairo_move_to(dc->cr, dc->current.x + off, dc->current.y + off);
    cairo_line_to(dc->cr, x + off, y + off);
    strokeWithPen(*dc);
    dc->current = POINT{x, y};
    return TRUE;
}

namespace {

// Thin solid pens plotted straight into the surface's pixels, as the platform's aliased pens are:
// one cairo stroke per arc costs more than the arc's few hundred pixels, and a drawing area of
// 9,801 arcs must still repaint at once. Pixels of the centre line are the ones a cairo stroke of
// the same pen without antialiasing covers: the nearest pixel for width 1, the 2 x 2 block that
// ends there for width 2.
class PixelPlotter {
  public:
    explicit PixelPlotter(DeviceContext& dc) : dc_(dc) {
        int width = penWidth(dc);
        if (width < 1 || width > 2 || cairo_surface_get_type(dc.surface) != CAIRO_SURFACE_TYPE_IMAGE ||
            cairo_image_surface_get_format(dc.surface) != CAIRO_FORMAT_RGB24)
            return;
        cairo_surface_flush(dc.surface);
        data_ = cairo_image_surface_get_data(dc.surface);
        stride_ = cairo_image_surface_get_stride(dc.surface);
        block_ = width;
        COLORREF c = dc.pen->color;
        pixel_ = (std::uint32_t(GetRValue(c)) << 16) | (std::uint32_t(GetGValue(c)) << 8) | GetBValue(c);
        left_ = std::max<LONG>(0, dc.clip.left + dc.originX);
        top_ = std::max<LONG>(0, dc.clip.top + dc.originY);
        right_ = std::min<LONG>(cairo_image_surface_get_width(dc.surface), dc.clip.right + dc.originX);
        bottom_ = std::min<LONG>(cairo_image_surface_get_height(dc.surface), dc.clip.bottom + dc.originY);
    }
    ~PixelPlotter() {
        if (data_ && dirtyRight_ > dirtyLeft_)
            cairo_surface_mark_dirty_rectangle(dc_.surface, dirtyLeft_, dirtyTop_, dirtyRight_ - dirtyLeft_,
                                               dirtyBottom_ - dirtyTop_);
    }
    bool usable() const { return data_ != nullptr; }

    // A point of the centre line in client coordinates.
    void plot(double x, double y) {
        long px = long(std::floor(x + 0.5)) + dc_.originX;
        long py = long(std::floor(y + 0.5)) + dc_.originY;
        if (px == lastX_ && py == lastY_)
            return;
        lastX_ = px;
        lastY_ = py;
        for (long by = py - (block_ - 1); by <= py; ++by) {
            if (by < top_ || by >= bottom_)
                continue;
            auto* row = reinterpret_cast<std::uint32_t*>(data_ + by * stride_);
            for (long bx = px - (block_ - 1); bx <= px; ++bx) {
                if (bx < left_ || bx >= right_)
                    continue;
                row[bx] = pixel_;
                dirtyLeft_ = std::min(dirtyLeft_, bx);
                dirtyTop_ = std::min(dirtyTop_, by);
                dirtyRight_ = std::max(dirtyRight_, bx + 1);
                dirtyBottom_ = std::max(dirtyBottom_, by + 1);
            }
        }
    }
    void line(double x0, double y0, double x1, double y1) {
        int steps = int(std::ceil(std::max(std::fabs(x1 - x0), std::fabs(y1 - y0)))) + 1;
        for (int i = 0; i <= steps; ++i)
            plot(x0 + (x1 - x0) * i / steps, y0 + (y1 - y0) * i / steps);
    }

  private:
    DeviceContext& dc_;
    unsigned char* data_ = nullptr;
    int stride_ = 0;
    int block_ = 1;
    std::uint32_t pixel_ = 0;
    long left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
    long lastX_ = LONG_MIN, lastY_ = LONG_MIN;
    long dirtyLeft_ = LONG_MAX, dirtyTop_ = LONG_MAX, dirtyRight_ = LONG_MIN, dirtyBottom_ = LONG_MIN;
};

} // namespace

BOOL AngleArc(HDC handle, int x, int y, DWORD radius, float startAngle, float sweepAngle) {
    DeviceContext* dc = findDc(handle);
    if (!dc)
        return FALSE;
    double r = radius;
    double a0 = startAngle * Pi / 180.0;
    double a1 = (double(startAngle) + double(sweepAngle)) * Pi / 180.0;
    double startX = x + r * std::cos(a0), startY = y - r * std::sin(a0);
    // Plotting walks the lead-in line and the arc pixel by pixel: only for drawing-sized ones.
    constexpr double MaxPlottedLength = 1 << 20;
    bool plottable = r * std::fabs(a1 - a0) < MaxPlottedLength &&
                     std::fabs(startX - dc->current.x) + std::fabs(startY - dc->current.y) < MaxPlottedLength;
    PixelPlotter plotter(*dc);
    if (plottable && plotter.usable()) {
        plotter.line(dc->current.x, dc->current.y, startX, startY);
        // Steps of at most a pixel along the arc, by rotating the radius vector: consecutive
        // points then never leave a gap.
        int steps = std::max(1, int(std::ceil(std::fabs(a1 - a0) * r)));
        double step = (a1 - a0) / steps;
        double c = std::cos(a0), s = std::sin(a0);
        double stepCos = std::cos(step), stepSin = std::sin(step);
        for (int i = 0; i <= steps; ++i) {
            plotter.plot(x + r * c, y - r * s);
            double nextCos = c * stepCos - s * stepSin;
            s = s * stepCos + c * stepSin;
            c = nextCos;
        }
    } else {
        double off = penOffset(*dc);
        double cx = x + off, cy = y + off;
        // Screen y grows downward, so counter-clockwise on the screen is decreasing cairo angles.
        cairo_move_to(dc->cr, dc->current.x + off, dc->current.y + off);
        cairo_line_to(dc->cr, startX + off, startY + off);
        if (sweepAngle >= 0)
            cairo_arc_negative(dc->cr, cx, cy, r, -a0, -a1);
        else
            cairo_arc(dc->cr, cx, cy, r, -a0, -a1);
        strokeWithPen(*dc);
    }
    dc->current = POINT{(LONG)std::lround(x + r * std::cos(a1)), (LONG)std::lround(y - r * std::sin(a1))};
    return TRUE;
}

// A box given by any two opposite corners is the same box.
static void orderCorners(int& left, int& top, int& right, int& bottom) {
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
}

BOOL Ellipse(HDC handle, int left, int top, int right, int bottom) {
    DeviceContext* dc = findDc(handle);
    if (!dc)
        return FALSE;
    orderCorners(left, top, right, bottom);
    // The right and bottom edges are outside the box, as on the platform; the outline's pixels
    // lie inside it.
    int pw = std::max(1, penWidth(*dc));
    double rx = (right - left - pw) / 2.0;
    double ry = (bottom - top - pw) / 2.0;
    if (rx <= 0 || ry <= 0)
        return TRUE;
    double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
    cairo_save(dc->cr);
    cairo_translate(dc->cr, cx, cy);
    cairo_scale(dc->cr, rx, ry);
    cairo_arc(dc->cr, 0, 0, 1, 0, 2 * Pi);
    cairo_restore(dc->cr);
    fillWithBrush(*dc, true);
    strokeWithPen(*dc);
    return TRUE;
}

BOOL Rectangle(HDC handle, int left, int top, int right, int bottom) {
    DeviceContext* dc = findDc(handle);
    if (!dc)
        return FALSE;
    orderCorners(left, top, right, bottom);
    double pw = penWidth(*dc);
    cairo_rectangle(dc->cr, left, top, right - left, bottom - top);
    fillWithBrush(*dc, false);
    if (pw > 0) {
        cairo_rectangle(dc->cr, left + pw / 2, top + pw / 2, right - left - pw, bottom - top - pw);
        strokeWithPen(*dc);
    }
    return TRUE;
}

int FillRect(HDC handle, const RECT* rect, HBRUSH brush) {
    DeviceContext* dc = findDc(handle);
    GdiObject* b = asBrush(brush);
    if (!dc || !rect || !b)
        return 0;
    if (b->style != 0)
        return 1;
    setColor(dc->cr, b->color);
    cairo_rectangle(dc->cr, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
    cairo_fill(dc->cr);
    return 1;
}

COLORREF SetBkColor(HDC handle, COLORREF color) {
    DeviceContext* dc = findDc(handle);
    if (!dc)
        return InvalidColor;
    COLORREF previous = dc->bkColor;
    dc->bkColor = color;
    return previous;
}

COLORREF GetBkColor(HDC handle) {
    DeviceContext* dc = findDc(handle);
    return dc ? dc->bkColor : InvalidColor;
}

int SetBkMode(HDC handle, int mode) {
    DeviceContext* dc = findDc(handle);
    if (!dc || (mode != OPAQUE && mode != TRANSPARENT))
        return 0;
    int previous = dc->bkMode;
    dc->bkMode = mode;
    return previous;
}

COLORREF SetTextColor(HDC handle, COLORREF color) {
    DeviceContext* dc = findDc(handle);
    if (!dc)
        return InvalidColor;
    COLORREF previous = dc->textColor;
    dc->textColor = color;
    return previous;
}

COLORREF GetPixel(HDC handle, int x, int y) {
    DeviceContext* dc = findDc(handle);
    if (!dc || !pointInRect(dc->clip, x, y))
        return InvalidColor;
    int sx = dc->originX + x, sy = dc->originY + y;
    cairo_surface_flush(dc->surface);
    if (sx < 0 || sy < 0 || sx >= cairo_image_surface_get_width(dc->surface) ||
        sy >= cairo_image_surface_get_height(dc->surface))
        return InvalidColor;
    const unsigned char* data = cairo_image_surface_get_data(dc->surface);
    std::uint32_t pixel;
    std::memcpy(&pixel, data + sy * cairo_image_surface_get_stride(dc->surface) + sx * 4, 4);
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

COLORREF SetPixel(HDC handle, int x, int y, COLORREF color) {
    DeviceContext* dc = findDc(handle);
    if (!dc || !pointInRect(dc->clip, x, y))
        return InvalidColor;
    setColor(dc->cr, color);
    cairo_rectangle(dc->cr, x, y, 1, 1);
    cairo_fill(dc->cr);
    return color;
}

BOOL TextOutA(HDC handle, int x, int y, LPCSTR text, int count) {
    DeviceContext* dc = findDc(handle);
    if (!dc || (text == nullptr && count > 0) || count < 0)
        return FALSE;
    drawLine(*dc, x, y, windowsLatinToUtf8(text, count));
    return TRUE;
}

BOOL GetTextExtentPoint32A(HDC handle, LPCSTR text, int count, SIZE* size) {
    DeviceContext* dc = findDc(handle);
    if (!dc || !size || count < 0 || (text == nullptr && count > 0))
        return FALSE;
    size->cx = advance(dc->cr, windowsLatinToUtf8(text, count));
    size->cy = metrics(dc->cr).height;
    return TRUE;
}

int DrawTextA(HDC handle, LPCSTR text, int count, LPRECT rect, UINT format) {
    DeviceContext* dc = findDc(handle);
    if (!dc || !rect || text == nullptr)
        return 0;
    if (count < 0)
        count = (int)std::strlen(text);
    std::string raw(text, count);
    if (!(format & DT_NOPREFIX))
        raw = stripPrefixes(raw);
    bool single = (format & DT_SINGLELINE) != 0;
    int width = rect->right - rect->left;
    std::vector<std::string> lines = layoutLines(dc->cr, raw, single, (format & DT_WORDBREAK) != 0, width);
    FontMetrics m = metrics(dc->cr);
    int height = m.height * (int)lines.size();
    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const auto& line : lines)
            widest = std::max(widest, advance(dc->cr, windowsLatinToUtf8(line.c_str(), (int)line.size())));
        rect->right = rect->left + widest;
        rect->bottom = rect->top + height;
        return height;
    }
    int y = rect->top;
    if (single && (format & DT_VCENTER))
        y = rect->top + (rect->bottom - rect->top - m.height) / 2;
    cairo_save(dc->cr);
    cairo_rectangle(dc->cr, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
    cairo_clip(dc->cr);
    for (const auto& line : lines) {
        std::string utf8 = windowsLatinToUtf8(line.c_str(), (int)line.size());
        int w = advance(dc->cr, utf8);
        int x = rect->left;
        if (format & DT_CENTER)
            x = rect->left + (width - w) / 2;
        else if (format & DT_RIGHT)
            x = rect->right - w;
        drawLine(*dc, x, y, utf8);
        y += m.height;
    }
    cairo_restore(dc->cr);
    return height;
}
