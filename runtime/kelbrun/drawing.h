// The surfaces that windows and canvases draw on (drawing.cpp).
#ifndef KELBRUN_DRAWING_H
#define KELBRUN_DRAWING_H

#include "registry.h"

namespace kelbrun {

// Makes the entry's surface cover a client area of width x height, keeping
// what was drawn; a new part starts white on a canvas and in the face
// colour on a window.
void sizeSurface(Entry& entry, int width, int height);
void freeSurface(Surface& surface);
// WM_PAINT: the surface copied to the part of the window to paint.
void paintSurface(HWND hwnd, const Surface& surface);

}  // namespace kelbrun

#endif
