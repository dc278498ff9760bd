// Drawing on windows and canvases. Everything is drawn into the surface's
// bitmap and the window is invalidated; WM_PAINT copies the bitmap, so
// that what was drawn comes back when the window is uncovered or resized.
// The bitmap is a 32-bit DIB whatever the screen's depth, so that PixelAt
// gives back exactly the colour drawn.
#include "drawing.h"

#include <algorithm>

namespace {

using kelbrun::Entry;
using kelbrun::Kind;

// Coordinates beyond this are no drawing anyone meant (and beyond what
// GDI takes): a shape reaching them is left out.
const long long kFar = 1 << 26;

// A side of a bitmap is kept to this: a canvas larger than any screen gets
// no bitmap past it rather than failing to allocate.
const int kLargestSide = 4096;

COLORREF startColour(Kind kind) { return kind == Kind::Canvas ? RGB(255, 255, 255) : GetSysColor(COLOR_BTNFACE); }

COLORREF colourOf(Long colour) { return static_cast<COLORREF>(colour) & 0x00FFFFFF; }

void fill(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour) {
    RECT rect = {x1, y1, x2, y2};
    HBRUSH brush = CreateSolidBrush(colour);
    if (!brush) return;
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

// The window or canvas to draw on, when it has a bitmap.
Entry* target(Long id) {
    Entry* entry = kelbrun::find(id);
    if (!entry || (entry->kind != Kind::Window && entry->kind != Kind::Canvas) || !entry->surface.bitmap) return nullptr;
    return entry;
}

void shown(const Entry* entry) { InvalidateRect(entry->hwnd, nullptr, FALSE); }

bool reachable(long long value) { return value > -kFar && value < kFar; }

// Within reach of GDI; what is clipped away is never seen.
int clamp(long long value) { return static_cast<int>(std::min(std::max(value, -kFar), kFar)); }

// A pen and a brush of the shape's colours selected into the surface for
// as long as the object lives; a null brush for an outline.
class Tools {
public:
    Tools(HDC dc, COLORREF pen, bool filled, COLORREF brush) : dc_(dc) {
        pen_ = CreatePen(PS_SOLID, 1, pen);
        brush_ = filled ? CreateSolidBrush(brush) : nullptr;
        firstPen_ = SelectObject(dc_, pen_ ? static_cast<HGDIOBJ>(pen_) : GetStockObject(BLACK_PEN));
        firstBrush_ = SelectObject(dc_, brush_ ? static_cast<HGDIOBJ>(brush_) : GetStockObject(NULL_BRUSH));
    }
    ~Tools() {
        SelectObject(dc_, firstPen_);
        SelectObject(dc_, firstBrush_);
        if (pen_) DeleteObject(pen_);
        if (brush_) DeleteObject(brush_);
    }
    bool ready() const { return pen_ != nullptr; }
    Tools(const Tools&) = delete;
    Tools& operator=(const Tools&) = delete;

private:
    HDC dc_;
    HPEN pen_;
    HBRUSH brush_;
    HGDIOBJ firstPen_, firstBrush_;
};

void ellipse(Long id, Long x, Long y, Long width, Long height, Long colour, bool filled) {
    Entry* entry = target(id);
    if (!entry || width <= 0 || height <= 0) return;
    long long right = static_cast<long long>(x) + width, bottom = static_cast<long long>(y) + height;
    if (!reachable(x) || !reachable(y) || !reachable(right) || !reachable(bottom)) return;
    COLORREF c = colourOf(colour);
    Tools tools(entry->surface.dc, c, filled, c);
    if (!tools.ready()) return;
    Ellipse(entry->surface.dc, x, y, static_cast<int>(right), static_cast<int>(bottom));
    shown(entry);
}

}  // namespace

namespace kelbrun {

void sizeSurface(Entry& entry, int width, int height) {
    Surface& surface = entry.surface;
    width = std::max(width, 0);
    height = std::max(height, 0);
    // A canvas made smaller keeps only what still fits: grown again, the
    // rest is white. A window keeps everything for when it is resized back.
    if (entry.kind == Kind::Canvas && surface.bitmap) {
        if (width < surface.width) fill(surface.dc, width, 0, surface.bitmapWidth, surface.bitmapHeight, startColour(entry.kind));
        if (height < surface.height) fill(surface.dc, 0, height, surface.bitmapWidth, surface.bitmapHeight, startColour(entry.kind));
    }
    surface.width = width;
    surface.height = height;
    int newWidth = std::min(std::max(std::max(width, surface.bitmapWidth), 1), kLargestSide);
    int newHeight = std::min(std::max(std::max(height, surface.bitmapHeight), 1), kLargestSide);
    if (surface.dc && newWidth == surface.bitmapWidth && newHeight == surface.bitmapHeight) return;

    if (!surface.dc) {
        surface.dc = CreateCompatibleDC(nullptr);
        if (!surface.dc) return;
        surface.firstFont = SelectObject(surface.dc, GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(surface.dc, TRANSPARENT);
    }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = newWidth;
    info.bmiHeader.biHeight = -newHeight;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return;  // the old bitmap, if any, stays

    HDC copy = CreateCompatibleDC(nullptr);
    HGDIOBJ copyFirst = copy ? SelectObject(copy, bitmap) : nullptr;
    if (copy) {
        fill(copy, 0, 0, newWidth, newHeight, startColour(entry.kind));
        if (surface.bitmap)
            BitBlt(copy, 0, 0, surface.bitmapWidth, surface.bitmapHeight, surface.dc, 0, 0, SRCCOPY);
        SelectObject(copy, copyFirst);
        DeleteDC(copy);
    }
    HGDIOBJ previous = SelectObject(surface.dc, bitmap);
    if (!surface.bitmap) surface.firstBitmap = previous;
    else DeleteObject(surface.bitmap);
    surface.bitmap = bitmap;
    surface.bitmapWidth = newWidth;
    surface.bitmapHeight = newHeight;
}

void freeSurface(Surface& surface) {
    if (surface.dc) {
        if (surface.firstBitmap) SelectObject(surface.dc, surface.firstBitmap);
        if (surface.firstFont) SelectObject(surface.dc, surface.firstFont);
        DeleteDC(surface.dc);
    }
    if (surface.bitmap) DeleteObject(surface.bitmap);
    surface = Surface();
}

void paintSurface(HWND hwnd, const Surface& surface) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    if (!dc) return;
    const RECT& area = paint.rcPaint;
    if (surface.bitmap) {
        BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, surface.dc, area.left,
               area.top, SRCCOPY);
    }
    EndPaint(hwnd, &paint);
}

}  // namespace kelbrun

namespace quillkit {

void ClearCanvas(Long id, Long colour) {
    Entry* entry = target(id);
    if (!entry) return;
    fill(entry->surface.dc, 0, 0, entry->surface.bitmapWidth, entry->surface.bitmapHeight,
                  colourOf(colour));
    shown(entry);
}

// LineTo leaves out the end point; a line here has both ends.
void DrawLine(Long id, Long x1, Long y1, Long x2, Long y2, Long colour) {
    Entry* entry = target(id);
    if (!entry || !reachable(x1) || !reachable(y1) || !reachable(x2) || !reachable(y2)) return;
    COLORREF c = colourOf(colour);
    Tools tools(entry->surface.dc, c, false, c);
    if (!tools.ready()) return;
    MoveToEx(entry->surface.dc, x1, y1, nullptr);
    LineTo(entry->surface.dc, x2, y2);
    SetPixel(entry->surface.dc, x2, y2, c);
    shown(entry);
}

void DrawRectangle(Long id, Long x, Long y, Long width, Long height, Long colour) {
    Entry* entry = target(id);
    if (!entry || width <= 0 || height <= 0) return;
    COLORREF c = colourOf(colour);
    Tools tools(entry->surface.dc, c, false, c);
    if (!tools.ready()) return;
    Rectangle(entry->surface.dc, clamp(x), clamp(y), clamp(static_cast<long long>(x) + width),
              clamp(static_cast<long long>(y) + height));
    shown(entry);
}

void FillRectangle(Long id, Long x, Long y, Long width, Long height, Long colour) {
    Entry* entry = target(id);
    if (!entry || width <= 0 || height <= 0) return;
    fill(entry->surface.dc, clamp(x), clamp(y), clamp(static_cast<long long>(x) + width),
                  clamp(static_cast<long long>(y) + height), colourOf(colour));
    shown(entry);
}

void DrawEllipse(Long id, Long x, Long y, Long width, Long height, Long colour) {
    ellipse(id, x, y, width, height, colour, false);
}

void FillEllipse(Long id, Long x, Long y, Long width, Long height, Long colour) {
    ellipse(id, x, y, width, height, colour, true);
}

void DrawString(Long id, Long x, Long y, String text, Long colour) {
    Entry* entry = target(id);
    if (!entry || !reachable(x) || !reachable(y) || text.length() == 0) return;
    SetTextColor(entry->surface.dc, colourOf(colour));
    TextOutA(entry->surface.dc, x, y, text, text.length());
    shown(entry);
}

Long PixelAt(Long id, Long x, Long y) {
    Entry* entry = target(id);
    if (!entry) return 0;
    const kelbrun::Surface& surface = entry->surface;
    if (x < 0 || y < 0 || x >= std::min(surface.width, surface.bitmapWidth) ||
        y >= std::min(surface.height, surface.bitmapHeight))
        return -1;
    COLORREF colour = GetPixel(entry->surface.dc, x, y);
    return colour == CLR_INVALID ? -1 : static_cast<Long>(colour);
}

}  // namespace quillkit
