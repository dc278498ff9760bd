// Drawing on a canvas or a window of a native run: every shape goes into
// the surface's pixels, so that PixelAt reads it back. Coordinates may be
// anything a Long holds; each shape is worked out only where the surface
// is, in 64-bit arithmetic, so a huge one costs no more than a small one.
#include <algorithm>
#include <cstdint>

#include "memgui.h"

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

// Row y from x1 to x2, both included, where the surface is.
void span(Surface& surface, int64_t y, int64_t x1, int64_t x2, uint32_t colour) {
    if (y < 0 || y >= surface.height) return;
    x1 = std::max<int64_t>(x1, 0);
    x2 = std::min<int64_t>(x2, surface.width - 1);
    if (x1 > x2) return;
    uint32_t* pixels = pixelsOf(surface);
    if (!pixels) return;
    std::fill(pixels + y * surface.width + x1, pixels + y * surface.width + x2 + 1, colour);
}

void plot(Surface& surface, int64_t x, int64_t y, uint32_t colour) { span(surface, y, x, x, colour); }

// The rows y1..y2 of the surface's that lie within them, as a half-open
// range [first, last).
void visibleRows(const Surface& surface, int64_t y1, int64_t y2, int64_t& first, int64_t& last) {
    first = std::max<int64_t>(y1, 0);
    last = std::min<int64_t>(y2 + 1, surface.height);
}

// a * b <= c * d, exactly, for factors below 2^64.
bool productAtMost(uint64_t a, uint64_t b, uint64_t c, uint64_t d) {
    auto wide = [](uint64_t p, uint64_t q, uint64_t& high, uint64_t& low) {
        uint64_t pl = p & 0xFFFFFFFFu, ph = p >> 32, ql = q & 0xFFFFFFFFu, qh = q >> 32;
        uint64_t ll = pl * ql, lh = pl * qh, hl = ph * ql, hh = ph * qh;
        uint64_t middle = (ll >> 32) + (lh & 0xFFFFFFFFu) + (hl & 0xFFFFFFFFu);
        low = (ll & 0xFFFFFFFFu) | (middle << 32);
        high = hh + (lh >> 32) + (hl >> 32) + (middle >> 32);
    };
    uint64_t leftHigh, leftLow, rightHigh, rightLow;
    wide(a, b, leftHigh, leftLow);
    wide(c, d, rightHigh, rightLow);
    return leftHigh < rightHigh || (leftHigh == rightHigh && leftLow <= rightLow);
}

// The pixels of row j whose centres lie inside the ellipse in the box x, y,
// w, h (w, h > 0): false when none do. In doubled coordinates from the
// centre, a pixel's centre is u = 2i + 1 - 2x - w, v = 2j + 1 - 2y - h, and
// inside when u²h² + v²w² <= w²h².
bool ellipseRow(int64_t x, int64_t y, int64_t w, int64_t h, int64_t j, int64_t& left, int64_t& right) {
    if (j < y || j >= y + h) return false;
    int64_t v = 2 * j + 1 - 2 * y - h;
    uint64_t hh = static_cast<uint64_t>(h) * static_cast<uint64_t>(h);
    uint64_t ww = static_cast<uint64_t>(w) * static_cast<uint64_t>(w);
    uint64_t room = hh - static_cast<uint64_t>(v) * static_cast<uint64_t>(v);
    // u runs over the numbers of w - 1's parity up to w - 1: the largest
    // inside is found by halving.
    int64_t parity = (w - 1) % 2;
    auto inside = [&](int64_t k) {
        uint64_t u = static_cast<uint64_t>(parity + 2 * k);
        return productAtMost(u * u, hh, ww, room);
    };
    if (!inside(0)) return false;
    int64_t low = 0, high = (w - 1 - parity) / 2;
    while (low < high) {
        int64_t middle = low + (high - low + 1) / 2;
        if (inside(middle)) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    int64_t u = parity + 2 * low;
    left = (2 * x + w - 1 - u) / 2;
    right = (2 * x + w - 1 + u) / 2;
    return true;
}

void ellipse(Long id, Long x, Long y, Long width, Long height, Long colour, bool filled) {
    Surface* surface = target(id);
    if (!surface || width <= 0 || height <= 0) return;
    int64_t first, last;
    visibleRows(*surface, y, int64_t{y} + height - 1, first, last);
    for (int64_t j = first; j < last; ++j) {
        int64_t left, right;
        if (!ellipseRow(x, y, width, height, j, left, right)) continue;
        if (filled) {
            span(*surface, j, left, right, colourOf(colour));
            continue;
        }
        // The outline: the pixels with a neighbour (left, right, above or
        // below) outside the ellipse.
        int64_t innerLeft = left + 1, innerRight = right - 1;
        int64_t aboveLeft, aboveRight, belowLeft, belowRight;
        bool inner = ellipseRow(x, y, width, height, j - 1, aboveLeft, aboveRight) &&
                     ellipseRow(x, y, width, height, j + 1, belowLeft, belowRight);
        if (inner) {
            innerLeft = std::max({innerLeft, aboveLeft, belowLeft});
            innerRight = std::min({innerRight, aboveRight, belowRight});
        }
        if (inner && innerLeft <= innerRight) {
            span(*surface, j, left, innerLeft - 1, colourOf(colour));
            span(*surface, j, innerRight + 1, right, colourOf(colour));
        } else {
            span(*surface, j, left, right, colourOf(colour));
        }
    }
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

// Bresenham's line, both ends included. Along the longer axis every step
// has a pixel; on the other, step t is at t * short / long rounded, half
// away from the start. Only the steps inside the surface are walked.
void DrawLine(Long id, Long x1, Long y1, Long x2, Long y2, Long colour) {
    Surface* surface = target(id);
    if (!surface) return;
    int64_t dx = int64_t{x2} - x1, dy = int64_t{y2} - y1;
    bool alongX = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    // Named for the longer axis (a) and the shorter (b).
    int64_t a1 = alongX ? x1 : y1, b1 = alongX ? y1 : x1;
    int64_t da = alongX ? dx : dy, db = alongX ? dy : dx;
    int64_t sa = da < 0 ? -1 : 1, sb = db < 0 ? -1 : 1;
    uint64_t steps = static_cast<uint64_t>(da < 0 ? -da : da), rise = static_cast<uint64_t>(db < 0 ? -db : db);
    int64_t size = alongX ? surface->width : surface->height;
    // a = a1 + sa * t lies within 0 .. size - 1.
    int64_t first = sa > 0 ? -a1 : a1 - (size - 1), last = sa > 0 ? size - 1 - a1 : a1;
    first = std::max<int64_t>(first, 0);
    last = std::min<int64_t>(last, static_cast<int64_t>(steps));
    for (int64_t t = first; t <= last; ++t) {
        int64_t offset = 0;
        if (steps > 0) {
            uint64_t product = static_cast<uint64_t>(t) * rise;
            uint64_t whole = product / steps, part = product % steps;
            offset = static_cast<int64_t>(whole + (2 * part >= steps ? 1 : 0));
        }
        int64_t a = a1 + sa * t, b = b1 + sb * offset;
        plot(*surface, alongX ? a : b, alongX ? b : a, colourOf(colour));
    }
}

// One pixel wide, on the border pixels of the box.
void DrawRectangle(Long id, Long x, Long y, Long width, Long height, Long colour) {
    Surface* surface = target(id);
    if (!surface || width <= 0 || height <= 0) return;
    int64_t right = int64_t{x} + width - 1, bottom = int64_t{y} + height - 1;
    span(*surface, y, x, right, colourOf(colour));
    span(*surface, bottom, x, right, colourOf(colour));
    int64_t first, last;
    visibleRows(*surface, int64_t{y} + 1, bottom - 1, first, last);
    for (int64_t row = first; row < last; ++row) {
        plot(*surface, x, row, colourOf(colour));
        plot(*surface, right, row, colourOf(colour));
    }
}

void FillRectangle(Long id, Long x, Long y, Long width, Long height, Long colour) {
    Surface* surface = target(id);
    if (!surface || width <= 0 || height <= 0) return;
    int64_t first, last;
    visibleRows(*surface, y, int64_t{y} + height - 1, first, last);
    for (int64_t row = first; row < last; ++row) span(*surface, row, x, int64_t{x} + width - 1, colourOf(colour));
}

void DrawEllipse(Long id, Long x, Long y, Long width, Long height, Long colour) {
    ellipse(id, x, y, width, height, colour, false);
}

void FillEllipse(Long id, Long x, Long y, Long width, Long height, Long colour) {
    ellipse(id, x, y, width, height, colour, true);
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
