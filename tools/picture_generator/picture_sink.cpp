#include "picture_sink.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <stdexcept>
#include <utility>

#include "png_io.h"
#include "resources/picture_names.h"

namespace dusk::pictures {
namespace {

const PictureInfo& lookUp(std::string_view stem) {
    for (const PictureInfo& info : kPictures) {
        if (info.stem == stem) return info;
    }
    throw std::runtime_error("picture not in the table: " + std::string(stem));
}

}  // namespace

PictureSink::PictureSink(std::string directory) : directory_(std::move(directory)) {}

void PictureSink::add(std::string_view stem, const Image& image) {
    const PictureInfo& info = lookUp(stem);
    if (image.designWidth() != info.width || image.designHeight() != info.height) {
        throw std::runtime_error("wrong size for " + std::string(stem));
    }
    if (!written_.emplace(stem).second) {
        throw std::runtime_error("picture drawn twice: " + std::string(stem));
    }
    writePng(directory_ + "/" + std::string(stem) + ".png", image, info.hasAlpha);
}

void PictureSink::checkComplete() const {
    for (const PictureInfo& info : kPictures) {
        if (!written_.contains(info.stem)) {
            throw std::runtime_error("picture not drawn: " + std::string(info.stem));
        }
    }
}

void writeResourceScript(const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    out << "// Written by tools/picture_generator: the program's pictures as RCDATA.\n";
    for (const PictureSet& set : kPictureSets) {
        const std::string folder = set.folder.empty() ? "" : std::string(set.folder) + "/";
        for (const PictureInfo& info : kPictures) {
            std::string name(info.stem);
            std::transform(name.begin(), name.end(), name.begin(),
                           [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
            out << name << set.suffix << " RCDATA \"pictures/" << folder << info.stem << ".png\"\n";
        }
    }
    if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace dusk::pictures
