// Colours with straight (not premultiplied) alpha, every channel 0..1.
#pragma once

#include <algorithm>
#include <cstdint>

namespace dusk::pictures {

struct Color {
    double r = 0;
    double g = 0;
    double b = 0;
    double a = 1;
};

// The program stores colours as 0x00BBGGRR.
constexpr Color fromBgr(std::uint32_t v) {
    return {(v & 0xFF) / 255.0, ((v >> 8) & 0xFF) / 255.0, ((v >> 16) & 0xFF) / 255.0, 1};
}

constexpr Color fromRgb(std::uint32_t v) {
    return {((v >> 16) & 0xFF) / 255.0, ((v >> 8) & 0xFF) / 255.0, (v & 0xFF) / 255.0, 1};
}

inline constexpr Color kWhite{1, 1, 1, 1};
inline constexpr Color kBlack{0, 0, 0, 1};
inline constexpr Color kClear{0, 0, 0, 0};

constexpr Color mix(Color a, Color b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

constexpr Color withAlpha(Color c, double a) { return {c.r, c.g, c.b, a}; }

// Towards white or black, keeping the alpha.
constexpr Color lighten(Color c, double t) { return mix(c, withAlpha(kWhite, c.a), t); }
constexpr Color darken(Color c, double t) { return mix(c, withAlpha(kBlack, c.a), t); }

constexpr double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

}  // namespace dusk::pictures
