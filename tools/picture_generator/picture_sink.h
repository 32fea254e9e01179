// Receives the drawn pictures, checks each against the picture table and writes it as PNG.
#pragma once

#include <set>
#include <string>
#include <string_view>

#include "raster.h"

namespace dusk::pictures {

class PictureSink {
public:
    explicit PictureSink(std::string directory);

    // Throws when the stem is not in the table, was already given, or has another design size.
    void add(std::string_view stem, const Image& image);

    // Throws unless every picture of the table was given.
    void checkComplete() const;

private:
    std::string directory_;
    std::set<std::string, std::less<>> written_;
};

// Writes the RCDATA entry of every picture of every set, with paths relative to the script.
void writeResourceScript(const std::string& path);

}  // namespace dusk::pictures
