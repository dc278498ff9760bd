// Drawing on windows and canvases. Everything is drawn into the surface's
// bitmap and the window is invalidated; WM_PAINT copies the bitmap, so
// that what was drawn comes back when the window is uncovered or resized.
// The bitmap is a 32-bit DIB whatever the screen's depth, so that PixelAt
// gives back exactly the colour drawn. The shapes' pixels are set here
// (runtime/raster), the text's by GDI.
#include "drawing.h"

#include <algorithm>

#include "raster.h"

namespace {

using kelbrun::Entry;
using kelbrun::Kind;

// A side of a bitmap is kept to this: a canvas larger than any screen gets
// no bitmap past it rather than failing to allocate.
const int kLargestSide = 4096;

// Text beyond this is nowhere GDI draws.
const long long kFar = 1 << 26;

COLORREF startColour(Kind kind) { return kind == Kind::Canvas ? RGB(255, 255, 255) : GetSysColor(COLOR_BTNFACE); }

void fill(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour) {
    RECT rect = {x1, y1, x2, y2};
    HBRUSH brush = CreateSolidBrush(colour);
    if (!brush) return;
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

// The bitmap's pixel for a colour, as GDI draws it: a value that RGB did
// not make (a palette index, a DIB index, -1) is set on a pixel of GDI's
// and read back.
uint32_t pixelOf(Long colour) {
    static HDC dc = nullptr;
    static uint32_t* bits = nullptr;
    COLORREF value = static_cast<COLORREF>(colour);
    if (value >> 24) {
        if (!dc) {
            BITMAPINFO info = {};
            info.bmiHeader.biSize = sizeof(info.bmiHeader);
            info.bmiHeader.biWidth = 1;
            info.bmiHeader.biHeight = 1;
            info.bmiHeader.biPlanes = 1;
            info.bmiHeader.biBitCount = 32;
            info.bmiHeader.biCompression = BI_RGB;
            void* memory = nullptr;
            HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
            dc = bitmap ? CreateCompatibleDC(nullptr) : nullptr;
            if (dc) {
                SelectObject(dc, bitmap);
                bits = static_cast<uint32_t*>(memory);
            }
        }
        if (!dc) return 0;
        SetPixelV(dc, 0, 0, value);
        GdiFlush();
        return *bits & 0xFFFFFF;
    }
    // COLORREF is 0x00BBGGRR, a DIB's pixel 0x00RRGGBB.
    return ((value & 0xFF) << 16) | (value & 0xFF00) | ((value >> 16) & 0xFF);
}

// The window or canvas to draw on, when it has a bitmap.
Entry* target(Long id) {
    Entry* entry = kelbrun::find(id);
    if (!entry || (entry->kind != Kind::Window && entry->kind != Kind::Canvas) || !entry->surface.bitmap) return nullptr;
    return entry;
}

// Its client area's pixels; GDI's own drawing finished first.
raster::Pixels pixelsOf(Entry* entry) {
    const kelbrun::Surface& surface = entry->surface;
    GdiFlush();
    return {surface.bits, surface.bitmapWidth, std::min(surface.width, surface.bitmapWidth),
            std::min(surface.height, surface.bitmapHeight)};
}

void shown(const Entry* entry) { InvalidateRect(entry->hwnd, nullptr, FALSE); }

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
    if (bitmap && !bits) {
        DeleteObject(bitmap);
        bitmap = nullptr;
    }
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
    surface.bits = static_cast<uint32_t*>(bits);
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

// The whole bitmap, also what lies beyond a window made smaller.
void ClearCanvas(Long id, Long colour) {
    Entry* entry = target(id);
    if (!entry) return;
    raster::Pixels pixels = pixelsOf(entry);
    pixels.width = entry->surface.bitmapWidth;
    pixels.height = entry->surface.bitmapHeight;
    raster::fillRectangle(pixels, 0, 0, pixels.width, pixels.height, pixelOf(colour));
    shown(entry);
}

namespace {

// A shape drawn into the bitmap of a window or canvas, then shown.
template <typename Shape>
void draw(Long id, Shape shape) {
    Entry* entry = target(id);
    if (!entry) return;
    raster::Pixels pixels = pixelsOf(entry);
    shape(pixels);
    shown(entry);
}

}  // namespace

void DrawLine(Long id, Long x1, Long y1, Long x2, Long y2, Long colour) {
    draw(id, [&](raster::Pixels& pixels) { raster::line(pixels, x1, y1, x2, y2, pixelOf(colour)); });
}

void DrawRectangle(Long id, Long x, Long y, Long width, Long height, Long colour) {
    draw(id, [&](raster::Pixels& pixels) { raster::outlineRectangle(pixels, x, y, width, height, pixelOf(colour)); });
}

void FillRectangle(Long id, Long x, Long y, Long width, Long height, Long colour) {
    draw(id, [&](raster::Pixels& pixels) { raster::fillRectangle(pixels, x, y, width, height, pixelOf(colour)); });
}

void DrawEllipse(Long id, Long x, Long y, Long width, Long height, Long colour) {
    draw(id, [&](raster::Pixels& pixels) { raster::outlineEllipse(pixels, x, y, width, height, pixelOf(colour)); });
}

void FillEllipse(Long id, Long x, Long y, Long width, Long height, Long colour) {
    draw(id, [&](raster::Pixels& pixels) { raster::fillEllipse(pixels, x, y, width, height, pixelOf(colour)); });
}

// In the GUI font, its top left at x, y, on what is there.
void DrawString(Long id, Long x, Long y, String text, Long colour) {
    Entry* entry = target(id);
    if (!entry || x <= -kFar || x >= kFar || y <= -kFar || y >= kFar || text.length() == 0) return;
    SetTextColor(entry->surface.dc, static_cast<COLORREF>(colour));
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
    GdiFlush();
    uint32_t pixel = surface.bits[y * surface.bitmapWidth + x];
    return static_cast<Long>(((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF));
}

}  // namespace quillkit
