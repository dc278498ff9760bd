// Drawing on a canvas or a window of a native run: every shape goes into
// the surface's pixels, so that PixelAt reads it back. The shapes' pixels
// are runtime/raster's, as Kelbrun's are.
#include <algorithm>
#include <cstdint>

#include "memgui.h"
#include "raster.h"

namespace quillkit {
namespace memgui {

namespace {

// A surface keeps at most this many pixels a side, and all of them
// together at most pixelBudget: beyond, a canvas or window is drawn on in
// part or not at all, as a bitmap that Windows cannot make.
const int largestSide = 4096;
const int64_t pixelBudget = int64_t{64} << 20;
int64_t pixelsInUse = 0;

const uint32_t white = 0xFFFFFF;

int side(Long n) { return n < 0 ? 0 : n > largestSide ? largestSide : static_cast<int>(n); }

// What GDI draws on a 32-bit bitmap for a COLORREF that RGB did not make:
// with bit 24 set, an entry of the default palette (black past its 20);
// as a DIBINDEX, black; else the low 24 bits.
uint32_t colourOf(Long colour) {
    static const uint32_t palette[20] = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0, 0xC0DCC0, 0xF0CAA6,
        0xF0FBFF, 0xA4A0A0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    uint32_t value = static_cast<uint32_t>(colour);
    if (value & 0x01000000u) return (value & 0xFFFFu) < 20 ? palette[value & 0xFFFFu] : 0;
    if ((value >> 16) == 0x10FFu) return 0;
    return value & 0xFFFFFFu;
}

// The buffer, made on first use; null when the budget is spent.
uint32_t* pixelsOf(Surface& surface) {
    int64_t count = int64_t{surface.width} * surface.height;
    if (count == 0) return nullptr;
    if (surface.pixels.empty()) {
        if (pixelsInUse + count > pixelBudget) return nullptr;
        surface.pixels.assign(static_cast<size_t>(count), surface.background);
        pixelsInUse += count;
    }
    return surface.pixels.data();
}

void dropPixels(Surface& surface) {
    pixelsInUse -= static_cast<int64_t>(surface.pixels.size());
    std::vector<uint32_t>().swap(surface.pixels);
}

Surface* target(Long id) {
    Object* object = find(id);
    if (!object || (object->kind != Kind::Window && object->kind != Kind::Canvas)) return nullptr;
    return &object->surface;
}

// The surface's pixels as the shapes are drawn on them (runtime/raster,
// shared with Kelbrun); false when the pixel budget is spent.
bool viewOf(Surface& surface, raster::Pixels& view) {
    uint32_t* pixels = pixelsOf(surface);
    if (!pixels) return false;
    view = raster::Pixels{pixels, surface.width, surface.width, surface.height};
    return true;
}

// The surface of a drawing call and its pixels; false where nothing is drawn.
bool drawable(Long id, raster::Pixels& view) {
    Surface* surface = target(id);
    return surface && viewOf(*surface, view);
}

}  // namespace

Surface::~Surface() { dropPixels(*this); }

void makeSurface(Surface& surface, Long width, Long height, uint32_t background) {
    dropPixels(surface);
    surface.width = side(width);
    surface.height = side(height);
    surface.background = background;
}

// What still fits stays; the new area is white.
void resizeSurface(Surface& surface, Long width, Long height) {
    int newWidth = side(width), newHeight = side(height);
    bool grows = newWidth > surface.width || newHeight > surface.height;
    if (surface.pixels.empty() && (surface.background == white || !grows)) {
        surface.width = newWidth;
        surface.height = newHeight;
        return;
    }
    std::vector<uint32_t> old;
    old.swap(surface.pixels);
    pixelsInUse -= static_cast<int64_t>(old.size());
    int oldWidth = surface.width, oldHeight = surface.height;
    uint32_t oldBackground = surface.background;
    surface.width = newWidth;
    surface.height = newHeight;
    surface.background = white;
    uint32_t* pixels = pixelsOf(surface);
    if (!pixels) return;
    for (int row = 0; row < std::min(oldHeight, newHeight); ++row) {
        for (int column = 0; column < std::min(oldWidth, newWidth); ++column) {
            pixels[row * newWidth + column] = old.empty() ? oldBackground : old[static_cast<size_t>(row) * oldWidth + column];
        }
    }
}

}  // namespace memgui

using namespace memgui;

void ClearCanvas(Long id, Long colour) {
    Surface* surface = target(id);
    if (!surface) return;
    dropPixels(*surface);
    surface->background = colourOf(colour);
}

void DrawLine(Long id, Long x1, Long y1, Long x2, Long y2, Long colour) {
    raster::Pixels view;
    if (drawable(id, view)) raster::line(view, x1, y1, x2, y2, colourOf(colour));
}

void DrawRectangle(Long id, Long x, Long y, Long width, Long height, Long colour) {
    raster::Pixels view;
    if (width > 0 && height > 0 && drawable(id, view)) raster::outlineRectangle(view, x, y, width, height, colourOf(colour));
}

void FillRectangle(Long id, Long x, Long y, Long width, Long height, Long colour) {
    raster::Pixels view;
    if (width > 0 && height > 0 && drawable(id, view)) raster::fillRectangle(view, x, y, width, height, colourOf(colour));
}

void DrawEllipse(Long id, Long x, Long y, Long width, Long height, Long colour) {
    raster::Pixels view;
    if (width > 0 && height > 0 && drawable(id, view)) raster::outlineEllipse(view, x, y, width, height, colourOf(colour));
}

void FillEllipse(Long id, Long x, Long y, Long width, Long height, Long colour) {
    raster::Pixels view;
    if (width > 0 && height > 0 && drawable(id, view)) raster::fillEllipse(view, x, y, width, height, colourOf(colour));
}

// Natively no font draws the text: no pixel of it is kept.
void DrawString(Long, Long, Long, String, Long) {}

Long PixelAt(Long id, Long x, Long y) {
    Surface* surface = target(id);
    if (!surface) return 0;
    if (x < 0 || y < 0 || x >= surface->width || y >= surface->height) return -1;
    if (surface->pixels.empty()) return static_cast<Long>(surface->background);
    return static_cast<Long>(surface->pixels[static_cast<size_t>(y) * surface->width + x]);
}

}  // namespace quillkit
