#include "bounce_model.h"

namespace bounce {

namespace {

// Wrapping 32-bit operations: the target's int arithmetic, without the
// undefined behaviour of signed overflow in C++.
std::int32_t add(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

std::int32_t sub(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

std::int32_t mul(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}

// Truncates toward zero. A zero divisor (no aspect value could be read)
// gives 0 instead of a crash, and INT32_MIN / -1 wraps like the rest.
std::int32_t div(std::int32_t a, std::int32_t b) {
    if (b == 0) return 0;
    if (b == -1) return sub(0, a);
    return a / b;
}

std::int32_t atLeastOne(std::int32_t v) { return v < 1 ? 1 : v; }

}  // namespace

void setAspect(State& s, std::int32_t aspectX, std::int32_t aspectY) {
    s.aspectX = aspectX;
    s.aspectY = aspectY;
}

void resize(State& s, std::uint32_t sizeParam) {
    s.clientWidth = static_cast<std::int32_t>(sizeParam & 0xFFFFu);
    s.clientHeight = static_cast<std::int32_t>((sizeParam >> 16) & 0xFFFFu);
    s.centerX = div(s.clientWidth, 2);
    s.centerY = div(s.clientHeight, 2);

    std::int32_t across = mul(s.clientWidth, s.aspectX);
    std::int32_t down = mul(s.clientHeight, s.aspectY);
    s.scale = div(across < down ? across : down, 20);
    s.radiusX = div(s.scale, s.aspectX);
    s.radiusY = div(s.scale, s.aspectY);

    s.stepX = atLeastOne(div(s.radiusX, 4));
    s.stepY = atLeastOne(div(s.radiusY, 4));
    s.imageWidth = mul(2, add(s.radiusX, s.stepX));
    s.imageHeight = mul(2, add(s.radiusY, s.stepY));
    s.hasPicture = true;
}

bool tick(State& s) {
    if (!s.hasPicture) return false;
    s.centerX = add(s.centerX, s.stepX);
    s.centerY = add(s.centerY, s.stepY);
    if (add(s.centerX, s.radiusX) >= s.clientWidth || sub(s.centerX, s.radiusX) <= 0) {
        s.stepX = sub(0, s.stepX);
    }
    if (add(s.centerY, s.radiusY) >= s.clientHeight || sub(s.centerY, s.radiusY) <= 0) {
        s.stepY = sub(0, s.stepY);
    }
    return true;
}

Point pictureOrigin(const State& s) {
    return {sub(s.centerX, div(s.imageWidth, 2)), sub(s.centerY, div(s.imageHeight, 2))};
}

}  // namespace bounce
