// The pixels of rectangles, ellipses and lines.
#include "raster.h"

#include <algorithm>

namespace raster {

namespace {

// Row y from x1 to x2, both included, where the pixels are.
void span(Pixels& pixels, int64_t y, int64_t x1, int64_t x2, uint32_t pixel) {
    if (y < 0 || y >= pixels.height) return;
    x1 = std::max<int64_t>(x1, 0);
    x2 = std::min<int64_t>(x2, pixels.width - 1);
    if (x1 > x2) return;
    uint32_t* row = pixels.data + y * pixels.stride;
    std::fill(row + x1, row + x2 + 1, pixel);
}

void plot(Pixels& pixels, int64_t x, int64_t y, uint32_t pixel) { span(pixels, y, x, x, pixel); }

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

void ellipse(Pixels& pixels, int64_t x, int64_t y, int64_t width, int64_t height, uint32_t pixel, bool filled) {
    if (width <= 0 || height <= 0) return;
    int64_t first = std::max<int64_t>(y, 0), last = std::min<int64_t>(y + height, pixels.height);
    for (int64_t j = first; j < last; ++j) {
        int64_t left, right;
        if (!ellipseRow(x, y, width, height, j, left, right)) continue;
        if (filled) {
            span(pixels, j, left, right, pixel);
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
            span(pixels, j, left, innerLeft - 1, pixel);
            span(pixels, j, innerRight + 1, right, pixel);
        } else {
            span(pixels, j, left, right, pixel);
        }
    }
}

}  // namespace

void fillRectangle(Pixels& pixels, int64_t x, int64_t y, int64_t width, int64_t height, uint32_t pixel) {
    if (width <= 0 || height <= 0) return;
    int64_t first = std::max<int64_t>(y, 0), last = std::min<int64_t>(y + height, pixels.height);
    for (int64_t row = first; row < last; ++row) span(pixels, row, x, x + width - 1, pixel);
}

void outlineRectangle(Pixels& pixels, int64_t x, int64_t y, int64_t width, int64_t height, uint32_t pixel) {
    if (width <= 0 || height <= 0) return;
    int64_t right = x + width - 1, bottom = y + height - 1;
    span(pixels, y, x, right, pixel);
    span(pixels, bottom, x, right, pixel);
    int64_t first = std::max<int64_t>(y + 1, 0), last = std::min<int64_t>(bottom, pixels.height);
    for (int64_t row = first; row < last; ++row) {
        plot(pixels, x, row, pixel);
        plot(pixels, right, row, pixel);
    }
}

void fillEllipse(Pixels& pixels, int64_t x, int64_t y, int64_t width, int64_t height, uint32_t pixel) {
    ellipse(pixels, x, y, width, height, pixel, true);
}

void outlineEllipse(Pixels& pixels, int64_t x, int64_t y, int64_t width, int64_t height, uint32_t pixel) {
    ellipse(pixels, x, y, width, height, pixel, false);
}

// Bresenham's line. Along the longer axis every step has a pixel; on the
// other, step t is at t * short / long rounded, half away from the start.
// Only the steps inside the pixels are walked.
void line(Pixels& pixels, int64_t x1, int64_t y1, int64_t x2, int64_t y2, uint32_t pixel) {
    int64_t dx = x2 - x1, dy = y2 - y1;
    bool alongX = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    // Named for the longer axis (a) and the shorter (b).
    int64_t a1 = alongX ? x1 : y1, b1 = alongX ? y1 : x1;
    int64_t da = alongX ? dx : dy, db = alongX ? dy : dx;
    int64_t sa = da < 0 ? -1 : 1, sb = db < 0 ? -1 : 1;
    uint64_t steps = static_cast<uint64_t>(da < 0 ? -da : da), rise = static_cast<uint64_t>(db < 0 ? -db : db);
    int64_t size = alongX ? pixels.width : pixels.height;
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
        plot(pixels, alongX ? a : b, alongX ? b : a, pixel);
    }
}

}  // namespace raster
