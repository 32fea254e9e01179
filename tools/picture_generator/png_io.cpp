#include "png_io.h"

#include <png.h>

#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace dusk::pictures {
namespace {

// libpng reports errors by longjmp, so this part keeps to plain C objects.
bool writeRows(const char* path, int width, int height, int colorType, int channels,
               const unsigned char* data) {
    std::FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    volatile bool ok = false;
    if (info && setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, file);
        // Fixed settings and no time stamp keep the files byte-identical between runs.
        png_set_compression_level(png, 9);
        png_set_IHDR(png, info, width, height, 8, colorType, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int y = 0; y < height; ++y) {
            png_write_row(png, data + static_cast<std::size_t>(y) * width * channels);
        }
        png_write_end(png, info);
        ok = true;
    }
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0 && ok;
}

}  // namespace

unsigned char toByte(double v) { return static_cast<unsigned char>(std::lround(clamp01(v) * 255)); }

void writePng(const std::string& path, const Image& image, bool withAlpha) {
    const int channels = withAlpha ? 4 : 3;
    std::vector<unsigned char> bytes;
    bytes.reserve(static_cast<std::size_t>(image.width()) * image.height() * channels);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Color& c = image.at(x, y);
            if (!withAlpha && toByte(c.a) != 255) {
                throw std::runtime_error(path + ": opaque picture has a transparent pixel");
            }
            bytes.push_back(toByte(c.r));
            bytes.push_back(toByte(c.g));
            bytes.push_back(toByte(c.b));
            if (withAlpha) bytes.push_back(toByte(c.a));
        }
    }
    if (!writeRows(path.c_str(), image.width(), image.height(),
                   withAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, channels,
                   bytes.data())) {
        throw std::runtime_error("cannot write " + path);
    }
}

Image readPng(const std::string& path, bool* hasAlpha) {
    png_image info{};
    info.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&info, path.c_str())) {
        throw std::runtime_error("cannot read " + path);
    }
    if (hasAlpha) *hasAlpha = (info.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    info.format = PNG_FORMAT_RGBA;
    std::vector<unsigned char> bytes(PNG_IMAGE_SIZE(info));
    if (!png_image_finish_read(&info, nullptr, bytes.data(), 0, nullptr)) {
        png_image_free(&info);
        throw std::runtime_error("cannot decode " + path);
    }
    Image image(static_cast<int>(info.width), static_cast<int>(info.height));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const unsigned char* p = &bytes[(static_cast<std::size_t>(y) * image.width() + x) * 4];
            image.at(x, y) = {p[0] / 255.0, p[1] / 255.0, p[2] / 255.0, p[3] / 255.0};
        }
    }
    return image;
}

}  // namespace dusk::pictures
