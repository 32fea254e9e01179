// PNG decoding through libpng's simplified reader, which converts every colour type and bit
// depth to 8-bit B,G,R(,A) and reports errors through its own control block instead of longjmp
// across our frames.
#include <png.h>

#include <cstring>
#include <new>

#include "controls/picture.h"

namespace dusk {
namespace {

// Far beyond any picture the program draws; keeps a forged header from asking for gigabytes.
constexpr png_uint_32 kMaxSide = 8192;

// Frees libpng's state however decoding ends.
struct ImageGuard {
    png_image image{};
    ImageGuard() { image.version = PNG_IMAGE_VERSION; }
    ~ImageGuard() { png_image_free(&image); }
};

std::uint32_t ReadBigEndian32(const std::uint8_t* bytes) {
    return std::uint32_t(bytes[0]) << 24 | std::uint32_t(bytes[1]) << 16 |
           std::uint32_t(bytes[2]) << 8 | bytes[3];
}

// True when every chunk up to IEND lies within the bytes. libpng allocates a chunk's declared
// length before it reads the data, so a few forged bytes could otherwise ask for gigabytes.
bool ChunksFit(std::span<const std::uint8_t> bytes) {
    constexpr std::size_t kSignatureSize = 8;
    constexpr std::size_t kChunkOverhead = 12;  // length, type, checksum
    std::size_t offset = kSignatureSize;
    while (offset + kChunkOverhead <= bytes.size()) {
        const std::size_t length = ReadBigEndian32(&bytes[offset]);
        if (length > bytes.size() - offset - kChunkOverhead) return false;
        if (std::memcmp(&bytes[offset + 4], "IEND", 4) == 0) return true;
        offset += kChunkOverhead + length;
    }
    return false;
}

// Reads the header into `image`; false for anything FromPng refuses before decoding.
bool BeginRead(png_image& image, std::span<const std::uint8_t> bytes) {
    return ChunksFit(bytes) &&
           png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()) &&
           image.width != 0 && image.height != 0 && image.width <= kMaxSide &&
           image.height <= kMaxSide;
}

}  // namespace

std::optional<Picture::Shape> Picture::ShapeOfPng(std::span<const std::uint8_t> bytes) {
    try {
        ImageGuard guard;
        if (!BeginRead(guard.image, bytes)) return std::nullopt;
        return Shape{int(guard.image.width), int(guard.image.height),
                     (guard.image.format & PNG_FORMAT_FLAG_ALPHA) != 0};
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

std::optional<Picture> Picture::FromPng(std::span<const std::uint8_t> bytes) {
    try {
        ImageGuard guard;
        png_image& image = guard.image;
        if (!BeginRead(image, bytes)) return std::nullopt;
        const bool withAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
        image.format = withAlpha ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
        std::vector<std::uint8_t> buffer(PNG_IMAGE_SIZE(image));
        if (!png_image_finish_read(&image, nullptr, buffer.data(), 0, nullptr)) {
            return std::nullopt;
        }

        Picture picture(int(image.width), int(image.height), withAlpha);
        if (!withAlpha) {
            picture.pixels_->color = std::move(buffer);
            return picture;
        }
        Pixels& target = *picture.pixels_;
        const std::size_t pixels = std::size_t(image.width) * image.height;
        for (std::size_t i = 0; i < pixels; ++i) {
            std::memcpy(&target.color[i * 3], &buffer[i * 4], 3);
            target.alpha[i] = buffer[i * 4 + 3];
        }
        return picture;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

}  // namespace dusk
