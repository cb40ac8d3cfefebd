#pragma once
// Straight (not premultiplied) 8-bit RGBA colour; alpha 255 is opaque.

#include <cstdint>

namespace VSTGUI {

struct CColor
{
    constexpr CColor(uint8_t r = 255, uint8_t g = 255, uint8_t b = 255, uint8_t a = 255)
        : red(r), green(g), blue(b), alpha(a)
    {}
    constexpr bool operator==(const CColor& o) const
    {
        return red == o.red && green == o.green && blue == o.blue && alpha == o.alpha;
    }
    constexpr bool operator!=(const CColor& o) const { return !(*this == o); }
    CColor& operator()(uint8_t r, uint8_t g, uint8_t b, uint8_t a)
    {
        red = r;
        green = g;
        blue = b;
        alpha = a;
        return *this;
    }

    uint8_t red;
    uint8_t green;
    uint8_t blue;
    uint8_t alpha;
};

constexpr CColor MakeCColor(uint8_t r = 0, uint8_t g = 0, uint8_t b = 0, uint8_t a = 255) { return CColor(r, g, b, a); }

constexpr CColor kTransparentCColor(255, 255, 255, 0);
constexpr CColor kBlackCColor(0, 0, 0, 255);
constexpr CColor kWhiteCColor(255, 255, 255, 255);
constexpr CColor kGreyCColor(127, 127, 127, 255);
constexpr CColor kRedCColor(255, 0, 0, 255);
constexpr CColor kGreenCColor(0, 255, 0, 255);
constexpr CColor kBlueCColor(0, 0, 255, 255);
constexpr CColor kYellowCColor(255, 255, 0, 255);
constexpr CColor kCyanCColor(0, 255, 255, 255);
constexpr CColor kMagentaCColor(255, 0, 255, 255);

} // namespace VSTGUI
