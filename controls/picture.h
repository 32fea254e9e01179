#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "base/geometry.h"

namespace dusk {

// A decoded picture: top-down rows of 3 colour bytes per pixel in B,G,R order (a 24-bit Windows
// DIB row without its 4-byte padding), plus an optional alpha plane of one straight (not
// premultiplied) byte per pixel, 255 opaque. Value type whose copies share their pixels until
// one of them is written to, so a picture held by many controls is kept once.
class Picture {
public:
    Picture() = default;
    // Black; with an alpha plane, fully opaque. A width or height below 1 gives an empty picture.
    Picture(int width, int height, bool withAlpha);

    // Decodes a PNG. Grey, palette and 16-bit images become 8-bit colour; any transparency in the
    // file (alpha channel or tRNS) gives an alpha plane. Nothing on any malformed or oversized
    // input.
    static std::optional<Picture> FromPng(std::span<const std::uint8_t> bytes);

    struct Shape {
        int width;
        int height;
        bool hasAlpha;
    };
    // What FromPng would give, read from the header and chunk list without decoding the pixels.
    static std::optional<Shape> ShapeOfPng(std::span<const std::uint8_t> bytes);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0; }
    bool HasAlpha() const { return pixels_ && !pixels_->alpha.empty(); }

    // 3 * Width() bytes, B,G,R per pixel. The writing forms give this copy pixels of its own.
    std::uint8_t* Row(int y) { return Writable().color.data() + RowOffset(y); }
    const std::uint8_t* Row(int y) const { return pixels_->color.data() + RowOffset(y); }
    // Width() bytes; nullptr without an alpha plane.
    std::uint8_t* AlphaRow(int y) {
        return HasAlpha() ? Writable().alpha.data() + AlphaOffset(y) : nullptr;
    }
    const std::uint8_t* AlphaRow(int y) const {
        return HasAlpha() ? pixels_->alpha.data() + AlphaOffset(y) : nullptr;
    }
    std::span<std::uint8_t> ColorBytes() {
        return Empty() ? std::span<std::uint8_t>() : Writable().color;
    }
    std::span<const std::uint8_t> ColorBytes() const {
        return Empty() ? std::span<const std::uint8_t>() : pixels_->color;
    }
    std::span<std::uint8_t> AlphaBytes() {
        return Empty() ? std::span<std::uint8_t>() : Writable().alpha;
    }
    std::span<const std::uint8_t> AlphaBytes() const {
        return Empty() ? std::span<const std::uint8_t>() : pixels_->alpha;
    }
    // Whether this copy and `other` hold the very same pixels.
    bool SharesPixelsWith(const Picture& other) const {
        return pixels_ && pixels_ == other.pixels_;
    }

    // Pixel access for callers that need a few pixels; x and y must lie inside.
    Color ColorAt(int x, int y) const;
    void SetColorAt(int x, int y, Color color);
    // 255 without an alpha plane.
    std::uint8_t AlphaAt(int x, int y) const;
    void SetAlphaAt(int x, int y, std::uint8_t alpha);  // ignored without an alpha plane

    // Keeps the overlapping top-left part; new colour bytes are 0, new alpha bytes 255.
    void Resize(int width, int height);
    void Clear() { *this = Picture(); }

    bool operator==(const Picture& other) const;

private:
    std::size_t RowOffset(int y) const { return std::size_t(y) * std::size_t(width_) * 3; }
    std::size_t AlphaOffset(int y) const { return std::size_t(y) * std::size_t(width_); }

    struct Pixels {
        std::vector<std::uint8_t> color;
        std::vector<std::uint8_t> alpha;
    };
    // Pixels of this copy alone, copied first while other copies share them.
    Pixels& Writable();

    int width_ = 0;
    int height_ = 0;
    std::shared_ptr<Pixels> pixels_;  // null for an empty picture
};

}  // namespace dusk
