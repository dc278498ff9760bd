// The pixels of each shape, worked out here rather than by GDI, for both
// implementations of the GUI library: Kelbrun's bitmaps under Windows and
// the native runs' in-memory surfaces (runtime/memgui) set the same pixels,
// so that PixelAt reads the same colours under Wine and natively (GDI's
// rules differ between Wine and Windows anyway). Coordinates may be
// anything a Long holds: a shape is worked out only where the pixels are,
// in 64-bit arithmetic.
#ifndef PLIX_RASTER_H
#define PLIX_RASTER_H

#include <cstdint>

namespace raster {

// Rows of 32-bit pixels, row y starting at data + y * stride; only width x
// height of them are drawn on.
struct Pixels {
    uint32_t* data;
    int stride;
    int width;
    int height;
};

// Rectangles and ellipses cover x to x + width - 1 and y to y + height - 1;
// outlines are one pixel wide. A line has both its ends.
void fillRectangle(Pixels& pixels, int64_t x, int64_t y, int64_t width, int64_t height, uint32_t pixel);
void outlineRectangle(Pixels& pixels, int64_t x, int64_t y, int64_t width, int64_t height, uint32_t pixel);
void fillEllipse(Pixels& pixels, int64_t x, int64_t y, int64_t width, int64_t height, uint32_t pixel);
void outlineEllipse(Pixels& pixels, int64_t x, int64_t y, int64_t width, int64_t height, uint32_t pixel);
void line(Pixels& pixels, int64_t x1, int64_t y1, int64_t x2, int64_t y2, uint32_t pixel);

}  // namespace raster

#endif
