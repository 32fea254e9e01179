#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "base/geometry.h"

namespace dusk {

// A decoded picture: top-down rows of 3 colour bytes per pixel in B,G,R order (a 24-bit Windows
// DIB row without its 4-byte padding), plus an optional alpha plane of one straight (not
// premultiplied) byte per pixel, 255 opaque. Value type: copies own their pixels.
class Picture {
public:
    Picture() = default;
    // Black; with an alpha plane, fully opaque. A width or height below 1 gives an empty picture.
    Picture(int width, int height, bool withAlpha);

    // Decodes a PNG. Grey, palette and 16-bit images become 8-bit colour; any transparency in the
    // file (alpha channel or tRNS) gives an alpha plane. Nothing on any malformed or oversized
    // input.
    static std::optional<Picture> FromPng(std::span<const std::uint8_t> bytes);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0; }
    bool HasAlpha() const { return !alpha_.empty(); }

    // 3 * Width() bytes, B,G,R per pixel.
    std::uint8_t* Row(int y) { return color_.data() + RowOffset(y); }
    const std::uint8_t* Row(int y) const { return color_.data() + RowOffset(y); }
    // Width() bytes; nullptr without an alpha plane.
    std::uint8_t* AlphaRow(int y) { return HasAlpha() ? alpha_.data() + AlphaOffset(y) : nullptr; }
    const std::uint8_t* AlphaRow(int y) const {
        return HasAlpha() ? alpha_.data() + AlphaOffset(y) : nullptr;
    }
    std::span<std::uint8_t> ColorBytes() { return color_; }
    std::span<const std::uint8_t> ColorBytes() const { return color_; }
    std::span<std::uint8_t> AlphaBytes() { return alpha_; }
    std::span<const std::uint8_t> AlphaBytes() const { return alpha_; }

    // Pixel access for callers that need a few pixels; x and y must lie inside.
    Color ColorAt(int x, int y) const;
    void SetColorAt(int x, int y, Color color);
    // 255 without an alpha plane.
    std::uint8_t AlphaAt(int x, int y) const;
    void SetAlphaAt(int x, int y, std::uint8_t alpha);  // ignored without an alpha plane

    // Keeps the overlapping top-left part; new colour bytes are 0, new alpha bytes 255.
    void Resize(int width, int height);
    void Clear() { *this = Picture(); }

    bool operator==(const Picture&) const = default;

private:
    std::size_t RowOffset(int y) const { return std::size_t(y) * std::size_t(width_) * 3; }
    std::size_t AlphaOffset(int y) const { return std::size_t(y) * std::size_t(width_); }

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> color_;
    std::vector<std::uint8_t> alpha_;
};

}  // namespace dusk
