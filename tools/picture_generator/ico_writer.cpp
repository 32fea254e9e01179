#include "ico_writer.h"

#include <cstdint>
#include <fstream>
#include <stdexcept>

#include "png_io.h"

namespace dusk::pictures {
namespace {

class Bytes {
public:
    void u8(std::uint32_t v) { data_.push_back(static_cast<char>(v & 0xFF)); }
    void u16(std::uint32_t v) {
        u8(v);
        u8(v >> 8);
    }
    void u32(std::uint32_t v) {
        u16(v);
        u16(v >> 16);
    }
    void append(const Bytes& other) {
        data_.insert(data_.end(), other.data_.begin(), other.data_.end());
    }
    std::size_t size() const { return data_.size(); }
    const std::vector<char>& data() const { return data_; }

private:
    std::vector<char> data_;
};

Bytes dib(const Image& image) {
    const int w = image.width();
    const int h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;
    Bytes b;
    // BITMAPINFOHEADER; the height counts the colour image and the mask.
    b.u32(40);
    b.u32(w);
    b.u32(2 * h);
    b.u16(1);
    b.u16(32);
    b.u32(0);
    b.u32(w * h * 4 + maskStride * h);
    b.u32(0);
    b.u32(0);
    b.u32(0);
    b.u32(0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const Color& c = image.at(x, y);
            b.u8(toByte(c.b));
            b.u8(toByte(c.g));
            b.u8(toByte(c.r));
            b.u8(toByte(c.a));
        }
    }
    // The AND mask marks fully transparent pixels, for systems that ignore the alpha channel.
    for (int y = h - 1; y >= 0; --y) {
        for (int byte = 0; byte < maskStride; ++byte) {
            std::uint32_t bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int x = byte * 8 + bit;
                const bool clear = x >= w || toByte(image.at(x, y).a) == 0;
                if (clear) bits |= 0x80u >> bit;
            }
            b.u8(bits);
        }
    }
    return b;
}

}  // namespace

void writeIco(const std::string& path, const std::vector<Image>& images) {
    Bytes header;
    header.u16(0);
    header.u16(1);  // icon
    header.u16(static_cast<std::uint32_t>(images.size()));
    Bytes bodies;
    std::size_t offset = 6 + 16 * images.size();
    for (const Image& image : images) {
        if (image.width() > 255 || image.height() > 255)
            throw std::runtime_error("icon image too large");
        const Bytes body = dib(image);
        header.u8(image.width());
        header.u8(image.height());
        header.u8(0);  // no palette
        header.u8(0);
        header.u16(1);   // planes
        header.u16(32);  // bits per pixel
        header.u32(static_cast<std::uint32_t>(body.size()));
        header.u32(static_cast<std::uint32_t>(offset));
        offset += body.size();
        bodies.append(body);
    }
    header.append(bodies);
    std::ofstream out(path, std::ios::binary);
    out.write(header.data().data(), static_cast<std::streamsize>(header.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace dusk::pictures
