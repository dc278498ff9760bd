// Geometry and bounce rule of the bounce sample, free of Win32 so that it can
// be tested on any host. All values are 32-bit signed integers; overflow wraps
// and every division truncates toward zero, as on the 32-bit target.
#pragma once

#include <cstdint>

namespace bounce {

struct State {
    std::int32_t aspectX = 0;  // relative pixel width of the display
    std::int32_t aspectY = 0;  // relative pixel height
    std::int32_t clientWidth = 0;
    std::int32_t clientHeight = 0;
    std::int32_t centerX = 0;  // where the centre of the picture goes next
    std::int32_t centerY = 0;
    std::int32_t scale = 0;
    std::int32_t radiusX = 0;
    std::int32_t radiusY = 0;
    std::int32_t stepX = 0;  // pixels per tick; the sign is the direction
    std::int32_t stepY = 0;
    std::int32_t imageWidth = 0;  // the disc plus one step of margin all round
    std::int32_t imageHeight = 0;
    bool hasPicture = false;  // whether a picture of the disc exists to be copied
};

struct Point {
    std::int32_t x;
    std::int32_t y;
};

// The display's aspect values, read once when the window is created.
void setAspect(State& s, std::int32_t aspectX, std::int32_t aspectY);

// A new client size, packed as in WM_SIZE: width in the low 16 bits, height
// in the next 16, both unsigned. Recentres the disc, resizes it and restarts
// it moving right and down. Marks the picture as present.
void resize(State& s, std::uint32_t sizeParam);

// One timer tick: moves the disc one step and reverses each direction that
// reached an edge. Without a picture nothing changes and it returns false.
bool tick(State& s);

// Top-left corner at which the picture is copied for the current centre.
Point pictureOrigin(const State& s);

}  // namespace bounce
