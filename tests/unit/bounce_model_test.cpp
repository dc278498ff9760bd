// The bounce sample's geometry and bounce rule, without Win32.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <tuple>

#include "bounce_model.h"

namespace {

using bounce::State;

std::uint32_t sizeParam(std::uint32_t width, std::uint32_t height) { return width | (height << 16); }

State resized(std::int32_t aspectX, std::int32_t aspectY, std::uint32_t param) {
    State s;
    bounce::setAspect(s, aspectX, aspectY);
    bounce::resize(s, param);
    return s;
}

auto fields(const State& s) {
    return std::make_tuple(s.aspectX, s.aspectY, s.clientWidth, s.clientHeight, s.centerX, s.centerY,
                           s.scale, s.radiusX, s.radiusY, s.stepX, s.stepY, s.imageWidth,
                           s.imageHeight, s.hasPicture);
}

struct GeometryCase {
    const char* name;
    std::int32_t aspectX, aspectY;
    std::uint32_t param;
    std::int32_t width, height, centerX, centerY, scale, radiusX, radiusY, stepX, stepY,
        imageWidth, imageHeight, originX, originY;
};

TEST(BounceModel, ResizeGeometry) {
    const GeometryCase cases[] = {
        {"400x300, square pixels of 1", 1, 1, sizeParam(400, 300),
         400, 300, 200, 150, 15, 15, 15, 3, 3, 36, 36, 182, 132},
        {"400x300, square pixels of 36", 36, 36, sizeParam(400, 300),
         400, 300, 200, 150, 540, 15, 15, 3, 3, 36, 36, 182, 132},
        {"minimised", 36, 36, sizeParam(0, 0),
         0, 0, 0, 0, 0, 0, 0, 1, 1, 2, 2, -1, -1},
        {"too small for a disc, odd sizes", 1, 1, sizeParam(7, 5),
         7, 5, 3, 2, 0, 0, 0, 1, 1, 2, 2, 2, 1},
        {"pixels twice as tall as wide", 1, 2, sizeParam(400, 300),
         400, 300, 200, 150, 20, 20, 10, 5, 2, 50, 24, 175, 138},
        {"pixels wider than tall, the scale truncated", 3, 2, sizeParam(401, 301),
         401, 301, 200, 150, 30, 10, 15, 2, 3, 24, 36, 188, 132},
        {"height limits across", 2, 1, sizeParam(1000, 100),
         1000, 100, 500, 50, 5, 2, 5, 1, 1, 6, 12, 497, 44},
        // Width and height are unsigned 16-bit halves, never negative.
        {"largest size", 36, 36, 0xFFFFFFFFu,
         65535, 65535, 32767, 32767, 117963, 3276, 3276, 819, 819, 8190, 8190, 28672, 28672},
        // 65535 * 40000 wraps to -1673567296 in 32 bits; the divisions then
        // truncate toward zero: -83678364.8 -> -83678364, -2091.96 -> -2091.
        {"product wraps negative", 40000, 40000, 0xFFFFFFFFu,
         65535, 65535, 32767, 32767, -83678364, -2091, -2091, 1, 1, -4180, -4180, 34857, 34857},
        // A display context that gave no aspect values: no disc, no crash.
        {"no aspect values", 0, 0, sizeParam(400, 300),
         400, 300, 200, 150, 0, 0, 0, 1, 1, 2, 2, 199, 149},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        State s = resized(c.aspectX, c.aspectY, c.param);
        EXPECT_EQ(s.clientWidth, c.width);
        EXPECT_EQ(s.clientHeight, c.height);
        EXPECT_EQ(s.centerX, c.centerX);
        EXPECT_EQ(s.centerY, c.centerY);
        EXPECT_EQ(s.scale, c.scale);
        EXPECT_EQ(s.radiusX, c.radiusX);
        EXPECT_EQ(s.radiusY, c.radiusY);
        EXPECT_EQ(s.stepX, c.stepX);
        EXPECT_EQ(s.stepY, c.stepY);
        EXPECT_EQ(s.imageWidth, c.imageWidth);
        EXPECT_EQ(s.imageHeight, c.imageHeight);
        EXPECT_TRUE(s.hasPicture);
        bounce::Point at = bounce::pictureOrigin(s);
        EXPECT_EQ(at.x, c.originX);
        EXPECT_EQ(at.y, c.originY);
    }
}

TEST(BounceModel, TickBeforeFirstResizeChangesNothing) {
    State s;
    bounce::setAspect(s, 36, 36);
    const auto before = fields(s);
    EXPECT_FALSE(bounce::tick(s));
    EXPECT_EQ(fields(s), before);
}

TEST(BounceModel, FirstTickCopiesAtTheCentreThenMoves) {
    State s = resized(1, 1, sizeParam(400, 300));
    bounce::Point at = bounce::pictureOrigin(s);
    EXPECT_EQ(at.x, 182);
    EXPECT_EQ(at.y, 132);
    EXPECT_TRUE(bounce::tick(s));
    EXPECT_EQ(s.centerX, 203);
    EXPECT_EQ(s.centerY, 153);
    EXPECT_EQ(s.stepX, 3);
    EXPECT_EQ(s.stepY, 3);
}

// Each edge, reached exactly and missed by one pixel, on a 400x300 client
// with radius 15 and step 3; the other axis must keep its direction.
TEST(BounceModel, EdgesReverseOnlyTheirOwnAxis) {
    struct Case {
        const char* name;
        std::int32_t centerX, centerY, stepX, stepY;
        std::int32_t wantStepX, wantStepY;
    };
    const Case cases[] = {
        {"right edge reached: 385 + 15 = 400", 382, 150, 3, 3, -3, 3},
        {"right edge missed by one", 381, 150, 3, 3, 3, 3},
        {"right edge passed", 384, 150, 3, -3, -3, -3},
        {"left edge passed", 17, 150, -3, 3, 3, 3},
        {"left edge reached: 15 - 15 = 0", 18, 150, -3, -3, 3, -3},
        {"left edge missed by one", 19, 150, -3, 3, -3, 3},
        {"bottom edge reached", 200, 282, 3, 3, 3, -3},
        {"bottom edge missed by one", 200, 281, -3, 3, -3, 3},
        {"top edge reached", 200, 18, 3, -3, 3, 3},
        {"top edge missed by one", 200, 19, -3, -3, -3, -3},
        {"corner: both reverse", 382, 282, 3, 3, -3, -3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        State s = resized(1, 1, sizeParam(400, 300));
        s.centerX = c.centerX;
        s.centerY = c.centerY;
        s.stepX = c.stepX;
        s.stepY = c.stepY;
        ASSERT_TRUE(bounce::tick(s));
        EXPECT_EQ(s.centerX, c.centerX + c.stepX);
        EXPECT_EQ(s.centerY, c.centerY + c.stepY);
        EXPECT_EQ(s.stepX, c.wantStepX);
        EXPECT_EQ(s.stepY, c.wantStepY);
    }
}

TEST(BounceModel, ResizeWhileMovingLeftRestartsRightAndDown) {
    State s = resized(1, 1, sizeParam(400, 300));
    while (s.stepX > 0) bounce::tick(s);
    bounce::tick(s);
    ASSERT_LT(s.stepX, 0);
    ASSERT_LT(s.stepY, 0);
    bounce::resize(s, sizeParam(300, 200));
    EXPECT_EQ(s.centerX, 150);
    EXPECT_EQ(s.centerY, 100);
    EXPECT_EQ(s.radiusX, 10);
    EXPECT_EQ(s.stepX, 2);
    EXPECT_EQ(s.stepY, 2);
    bounce::tick(s);
    EXPECT_EQ(s.centerX, 152);
    EXPECT_EQ(s.centerY, 102);
}

// Over a long run the disc reaches every edge and never passes one by a
// whole step: the bounce turns it back at the first tick that touches.
TEST(BounceModel, LongRunStaysInsideTheClientArea) {
    struct Case {
        std::int32_t aspectX, aspectY;
        std::uint32_t width, height;
    };
    const Case cases[] = {
        {36, 36, 394, 275}, {1, 1, 400, 300}, {1, 2, 640, 480}, {3, 2, 301, 777},
        {5, 4, 1920, 1080}, {1, 1, 100, 100}, {1, 1, 41, 23},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " aspect " << c.aspectX
                                        << ":" << c.aspectY);
        State s = resized(c.aspectX, c.aspectY, sizeParam(c.width, c.height));
        const std::int32_t w = s.clientWidth, h = s.clientHeight;
        const std::int32_t sx = std::abs(s.stepX), sy = std::abs(s.stepY);
        std::int32_t minLeft = w, maxRight = 0, minTop = h, maxBottom = 0;
        for (int i = 0; i < 200000; ++i) {
            bounce::tick(s);
            const std::int32_t left = s.centerX - s.radiusX, right = s.centerX + s.radiusX;
            const std::int32_t top = s.centerY - s.radiusY, bottom = s.centerY + s.radiusY;
            ASSERT_GT(left, -sx) << "tick " << i;
            ASSERT_LT(right, w + sx) << "tick " << i;
            ASSERT_GT(top, -sy) << "tick " << i;
            ASSERT_LT(bottom, h + sy) << "tick " << i;
            ASSERT_EQ(std::abs(s.stepX), sx);
            ASSERT_EQ(std::abs(s.stepY), sy);
            minLeft = std::min(minLeft, left);
            maxRight = std::max(maxRight, right);
            minTop = std::min(minTop, top);
            maxBottom = std::max(maxBottom, bottom);
        }
        EXPECT_LE(minLeft, 0);
        EXPECT_GE(maxRight, w);
        EXPECT_LE(minTop, 0);
        EXPECT_GE(maxBottom, h);
    }
}

// Minimised, the one-pixel steps just flip back and forth at the origin.
TEST(BounceModel, MinimisedDiscStaysAtTheOrigin) {
    State s = resized(36, 36, sizeParam(0, 0));
    for (int i = 0; i < 1000; ++i) {
        bounce::tick(s);
        ASSERT_GE(s.centerX, 0);
        ASSERT_LE(s.centerX, 1);
        ASSERT_GE(s.centerY, 0);
        ASSERT_LE(s.centerY, 1);
    }
}

}  // namespace
